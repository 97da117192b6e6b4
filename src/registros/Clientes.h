#pragma once
// Lecturas de la ficha del cliente que usan las pantallas.
#include <QString>

// "Nombre Apellidos" del cliente; "" si no existe
QString NombreCliente(const QString& codigo);

// Marca de dinero en depósito del cliente y su importe (0 si es nulo).
// Sin ficha, false.
bool ClienteConDineroDeposito(const QString& codigo, double& valor);

// Cobra del depósito del cliente de esta tienda el precio de una venta, dentro
// de la transacción de la venta: lo vuelve a leer y, si ya no lo cubre (otro
// puesto lo gastó), rechaza la venta con un mensaje.
void DescontarDeposito(const QString& codigo, double precio);
