#pragma once
// Dirección del código QR que lleva cada factura: el cotejo de la factura en
// la sede de la agencia tributaria, con NIF, número, fecha e importe.
#include <QString>

namespace VeriFactu {

// Con "pruebas", la sede de pruebas de la agencia; si no, la de verdad. Los
// textos son los del registro (el importe, el mismo que va en su huella).
QString urlQr(const QString& nif, const QString& numSerie, const QString& fecha, const QString& importe,
              bool pruebas);

// La guardada con el último registro de un documento ("cabecera_factura",
// número): la reimpresión sale igual. Vacía si el documento no tiene registro.
QString urlQrGuardada(const QString& documento, int numero);

}  // namespace VeriFactu
