#include "plataforma/GestorNumerosSuite.h"

double GestorNumerosSuite::ImporteImpuesto(double importe, double tipo, bool iva)
{
    if (iva) {
        const double divisor = 1.0 + tipo / 100.0;
        // Un tipo de -100 % no tiene sentido; sin él no hay impuesto que sacar
        return divisor == 0.0 ? 0.0 : importe - importe / divisor;
    }
    return importe * tipo / 100.0;
}

double GestorNumerosSuite::Precio(double importe, double impuesto, bool iva, int, const QString&)
{
    return iva ? importe : importe + impuesto;
}
