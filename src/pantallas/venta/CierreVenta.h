#pragma once
// Registro de la venta al pulsar el empleado, en la serie de facturas que
// toque: se guarda entera (RegistrarVenta, o RegistrarModificacion si se
// modifica un bono) y, ya guardada, se imprimen los documentos elegidos. Las pruebas de la pantalla pueden poner su propio
// registro en lugar de todo eso.
#include "registros/VentaEnCurso.h"

#include <functional>

namespace CierreVenta {

using Serie = SerieFactura;

using Registro = std::function<void(Serie serie, const VentaEnCurso& venta)>;

// Si falla, no queda nada guardado y el error sale hacia la pantalla
void registrar(Serie serie, const VentaEnCurso& venta);
// Uno vacío vuelve al de siempre
void ponerRegistro(const Registro& registro);

}  // namespace CierreVenta
