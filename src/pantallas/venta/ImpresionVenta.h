#pragma once
// Documentos de una venta ya guardada: el ticket, la factura, el formulario
// de la normativa y la hoja del bono. Las pruebas pueden poner su propia
// impresora en lugar de los documentos de verdad.
#include "registros/VentaEnCurso.h"

#include <functional>

class DocumentoInforme;

namespace ImpresionVenta {

enum class Documento { Ticket, Factura, Normativa, HojaBono };

using Impresora = std::function<void(Documento documento, SerieFactura serie, int numero, const VentaEnCurso& venta)>;

// En el orden y con las reglas de cada serie: en la primera, el ticket si se
// pidió y la factura si se pidió; en la segunda, nunca ticket y siempre la
// factura. Después el formulario y la hoja del bono (en la segunda, solo uno
// de los dos). Un documento que falla se explica y no para los siguientes:
// la venta ya está guardada.
void imprimir(SerieFactura serie, int numero, const VentaEnCurso& venta);

// Una vacía vuelve a la de siempre
void ponerImpresora(const Impresora& impresora);

// Hace el documento con la pantalla de espera delante. Si falla, lo dice en
// una caja con el número del error por título y lo intenta una vez más, ya
// sin avisar.
void ImprimirReport(DocumentoInforme& documento, const QString& NombreR);

}  // namespace ImpresionVenta
