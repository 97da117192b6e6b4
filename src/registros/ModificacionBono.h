#pragma once
// Modificar un bono ya vendido: se reescriben la línea y la cabecera de su
// factura y el propio bono (con su historial), sin sacar ningún número. Con
// los registros de facturación encendidos la factura emitida no se toca: un
// cambio de precio deja un abono por la diferencia, registrado como
// rectificativa.
#include "registros/VentaEnCurso.h"

// Número, factura y serie del bono; la serie es la que se le dio al venderlo
BonoModificado BonoAModificar(int numeroBono);

// Cada una actualiza las filas de venta.bono en las tablas de su serie
void ModificarDetalleFactura(const VentaEnCurso& venta);
void ModificarCabeceraFactura(const VentaEnCurso& venta);
// Con el historial "12" y, después, la baja del bono si ya no le quedan sesiones
void ModificarCabeceraBono(const VentaEnCurso& venta);

// Todo en una sola transacción: o se guarda todo o nada
void RegistrarModificacion(const VentaEnCurso& venta);
