#pragma once
// Capturas de la pantalla de venta (capturas_venta.cpp)
#include <QDir>

// Con la sesión ya cargada; deja los PNG en salida
void capturarVenta(const QDir& salida);
