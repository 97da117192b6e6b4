#pragma once
// Pagos a cuenta: lo que un cliente debe de sus ventas.
#include <QString>

// Deuda pendiente del cliente (lo que debe de sus pagos a cuenta en estado 0,
// menos lo pagado contra ellos). true si debe más de 0.
bool ObtenerDeudaCliente(const QString& codigoCliente, double& deuda);
