#pragma once
// Impresora de tickets del puesto: lee la factura de la primera serie, su
// línea y la cabecera de la tienda, y manda el ticket en ESC/POS.
#include "datos/ComponentesSuite.h"

struct DatosTicket;

class GestorPerifericosTicket : public GestorPerifericos {
public:
    void ImprimirTicket(Conexion& c, const QString& impresora, int numFactura, const QString& entregado,
                        const QString& cambio, const QString& qrTributario = {}) override;

    // Lo que lleva el ticket de esa factura
    static DatosTicket leer(Conexion& c, int numFactura);
};
