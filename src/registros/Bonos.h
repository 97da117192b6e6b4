#pragma once
// El bono de una venta (cabecera_bonos) y la factura que lo vendió.
#include "registros/VentaEnCurso.h"

// numeroBono: sacado antes de empezar a guardar la venta (ObtenerNumeroBono)
void guardarCabeceraBono(int numfac, int numeroBono, const VentaEnCurso& venta);
// Igual, con la marca de la segunda serie al final
void guardarCabeceraBonoPeruChile(int numfac, int numeroBono, const VentaEnCurso& venta);

// Factura del bono, de cualquier serie; 0 si no hay bono
int ObtenerFacturaBono(const QString& numeroBono);
// Solo si el bono es de la segunda serie; 0 si no
int ObtenerFacturaBonoPeruChile(const QString& numeroBono);
// Si el bono se facturó en la segunda serie; false si no hay bono
bool BonoConFacturaPeruChile(int numeroBono);
