#pragma once
// Iconos dibujados de los botones de ajuste y de la ayuda (sin ficheros).
// Los trazos van en la tinta que se da: la del texto del botón, para que se
// lean sobre el fondo de cualquier esquema. La ayuda lleva su propio fondo.
#include <QColor>
#include <QIcon>

namespace IconosAjuste {
enum Tipo { Tamano, OpcionVisual, Colores, Ayuda };
QIcon icono(Tipo tipo, const QColor& tinta = QColor(30, 40, 60));
}
