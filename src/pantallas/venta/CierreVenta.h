#pragma once
// Registro de la venta al pulsar el empleado, en la serie de facturas que
// toque. Hasta que se guarden las ventas en este puesto, el de siempre solo
// deja constancia en el registro de que la venta no se guarda; las pruebas
// ponen el suyo.
#include "registros/VentaEnCurso.h"

#include <functional>

namespace CierreVenta {

enum class Serie { Primera, Segunda };

using Registro = std::function<void(Serie serie, const VentaEnCurso& venta)>;

void registrar(Serie serie, const VentaEnCurso& venta);
// Uno vacío vuelve al de siempre
void ponerRegistro(const Registro& registro);

}  // namespace CierreVenta
