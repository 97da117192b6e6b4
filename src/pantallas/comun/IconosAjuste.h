#pragma once
// Iconos dibujados de los botones de ajuste y de la ayuda (sin ficheros)
#include <QIcon>

namespace IconosAjuste {
enum Tipo { Tamano, OpcionVisual, Colores, Ayuda };
QIcon icono(Tipo tipo);
}
