#pragma once
// La factura de una venta de bono: una cabecera y una línea, en la serie que
// toque (la segunda, con las tablas terminadas en "_1").
#include "registros/VentaEnCurso.h"

void guardarDetalleFactura(int numero, const VentaEnCurso& venta);
void guardarCabeceraFactura(int numero, const VentaEnCurso& venta);
void guardarDetalleFacturaPeruChile(int numero, const VentaEnCurso& venta);
void guardarCabeceraFacturaPeruChile(int numero, const VentaEnCurso& venta);

// Tablas de cada serie
QString TablaCabeceraFactura(SerieFactura serie);
QString TablaDetalleFactura(SerieFactura serie);
