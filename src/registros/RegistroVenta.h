#pragma once
// Guardar una venta de bono entera o nada: la línea y la cabecera de la
// factura, el bono, el pago a cuenta de lo que queda sin pagar con la factura
// marcada "BP" y el cobro del depósito, en una sola transacción; con los
// registros de VERI*FACTU encendidos, también el registro de alta de la factura.
#include "registros/VentaEnCurso.h"

// Devuelve el número de factura. El número de bono y el del pago a cuenta se
// sacan antes de empezar; el de factura, dentro, como primera escritura, así
// que una venta que falla no deja hueco en su serie. Sin contador de
// facturas o de bonos no se guarda nada.
int RegistrarVenta(SerieFactura serie, const VentaEnCurso& venta);
