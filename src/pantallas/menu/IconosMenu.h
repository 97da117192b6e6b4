#pragma once
// Dibujos de los botones del menú principal (sin ficheros): se pintan al
// tamaño del botón, así que siguen nítidos a cualquier escala.
#include <QColor>
#include <QIcon>
#include <QRectF>

class QPainter;

namespace IconosMenu {

enum Tipo { BonoServicio, BonoPack, Listado, Salir, Mantenimiento, Tienda };

// Dibuja el icono dentro de zona con el color de trazo dado
void dibujar(QPainter& p, const QRectF& zona, Tipo tipo, const QColor& tinta);

// El mismo dibujo como icono de lado píxeles
QIcon icono(Tipo tipo, const QColor& tinta, int lado = 64);

}  // namespace IconosMenu
