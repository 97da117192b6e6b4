#pragma once
// Pagos a cuenta: lo que un cliente debe de sus ventas.
#include <QString>

// Deuda pendiente del cliente (lo que debe de sus pagos a cuenta en estado 0,
// menos lo pagado contra ellos). true si debe más de 0.
bool ObtenerDeudaCliente(const QString& codigoCliente, double& deuda);

// Lo que el cliente aún debe de los pagos a cuenta en estado 0 de una
// factura (el número no dice la serie: el cliente la distingue)
double DeudaFactura(int numeroFactura, const QString& codigoCliente);

// Lo que queda sin pagar de una venta, como pago a cuenta del cliente sobre
// su factura, y la factura marcada "BP". numeroPago: sacado antes de empezar
// a guardar (ObtenerNumPagoCuenta). Sin la cabecera de la factura no se
// escribe nada.
void GuardarPagoCuenta(int numeroFactura, double resto, int numeroPago);
void GuardarPagoCuentaPeruChile(int numeroFactura, double resto, int numeroPago);
