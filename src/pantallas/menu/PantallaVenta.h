#pragma once
// Paso del menú principal a la pantalla de venta de bonos: se abre modal con
// el modo ya puesto en gModoFamilias. Mientras la pantalla de venta no
// exista, se abre una provisional con el título del modo; la de venta (y las
// pruebas o las medidas) ponen aquí la suya.
#include <QString>
#include <functional>

class QWidget;

namespace PantallaVenta {

using Apertura = std::function<void(QWidget* padre)>;

// Abre (modal) la pantalla de venta del modo de gModoFamilias
void mostrar(QWidget* padre);

// Otra forma de abrirla; una vacía vuelve a la de siempre
void ponerApertura(const Apertura& apertura);

// Título de cada modo: "Bonos Servicios" (0) o "Bonos Pack Servicios" (1)
QString titulo(int modoFamilias);

}  // namespace PantallaVenta
