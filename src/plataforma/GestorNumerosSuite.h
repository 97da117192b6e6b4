#pragma once
// Cuentas de impuestos de los precios del catálogo.
//  ImporteImpuesto: con iva (precios con impuesto incluido) el impuesto que
//    lleva dentro el importe, importe - importe / (1 + tipo / 100); sin iva el
//    que se le suma, importe * tipo / 100.
//  Precio: lo que se cobra; con iva el importe tal cual, sin iva importe +
//    impuesto. El modo y el texto no cambian nada (el programa pasa 0 y "").
// No se redondea: quien guarda o muestra el resultado lo redondea a lo suyo.
#include "datos/ComponentesSuite.h"

class GestorNumerosSuite : public GestorNumeros {
public:
    double ImporteImpuesto(double importe, double tipo, bool iva) override;
    double Precio(double importe, double impuesto, bool iva, int modo, const QString& texto) override;
};
