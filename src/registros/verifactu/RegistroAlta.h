#pragma once
// Registro de alta de una factura de la primera serie, dentro de la misma
// transacción que la factura: la cadena de la tienda se bloquea, la hora la
// da el servidor bajo ese bloqueo, y el registro (textos, huella y XML) se
// añade a la cadena. Si algo falla después, deshacer la transacción lo quita
// con la factura.
#include "registros/verifactu/Modo.h"
#include "registros/verifactu/XmlRegistro.h"

namespace VeriFactu {

// La factura (cabecera y líneas) ya está escrita en la transacción en curso.
// F2 para un cliente sin NIF, F1 para uno con NIF.
void RegistrarAltaFactura(int numero, const Modo& modo);

// El abono de la primera serie (el borrado de un bono con devolución), ya
// escrito en la transacción en curso: una factura rectificativa por
// diferencias de la suya, en negativo (R5 de una F2, R1 de una F1)
void RegistrarAltaAbono(int numAbono, const Modo& modo);

// Otro registro de alta de un documento ya registrado ("cabecera_factura" o
// "cabecera_abono"), hecho con sus filas y su cliente de ahora: la
// subsanación del anterior, que la agencia aceptó con errores o rechazó
// (rechazoPrevio). El documento no cambia; el registro nuevo va al final de
// la cadena, dentro de la transacción en curso.
void RegistrarSubsanacion(const QString& documento, int numero, bool rechazoPrevio, const Modo& modo);

// El último registro de alta guardado de un documento ("cabecera_factura" o
// "cabecera_abono", número); existe = false si no tiene ninguno
struct AltaGuardada {
    bool existe = false;
    IdFactura factura;
    QString tipoFactura;
    QString urlQr;
};
AltaGuardada altaGuardada(const QString& documento, int numero);

// NumSerieFactura de una factura y de un abono de la primera serie: únicos por NIF emisor
QString numSerieFactura(int numero);
QString numSerieAbono(int numero);

}  // namespace VeriFactu
