#pragma once
// Documentos de una venta ya guardada: el ticket, la factura, el formulario
// de la normativa y la hoja del bono. Mientras no se hagan los documentos en
// este puesto, la impresora de siempre solo deja en el registro cuál se
// imprimiría; las pruebas ponen la suya.
#include "registros/VentaEnCurso.h"

#include <functional>

namespace ImpresionVenta {

enum class Documento { Ticket, Factura, Normativa, HojaBono };

using Impresora = std::function<void(Documento documento, SerieFactura serie, int numero, const VentaEnCurso& venta)>;

// En el orden y con las reglas de cada serie: en la primera, el ticket si se
// pidió (sus fallos no paran nada) y la factura si se pidió; en la segunda,
// nunca ticket y siempre la factura. Después el formulario y la hoja del bono
// (en la segunda, solo uno de los dos).
void imprimir(SerieFactura serie, int numero, const VentaEnCurso& venta);

// Una vacía vuelve a la de siempre
void ponerImpresora(const Impresora& impresora);

}  // namespace ImpresionVenta
