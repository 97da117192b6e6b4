#pragma once
// Dibujos de los botones de la pantalla de venta (sin ficheros)
#include <QColor>
#include <QIcon>

namespace IconosVenta {
enum Tipo { Buscar, Volver, Lista, Botones, Finalizar, Deuda };
QIcon icono(Tipo tipo, const QColor& tinta = Qt::black, int lado = 48);
}
