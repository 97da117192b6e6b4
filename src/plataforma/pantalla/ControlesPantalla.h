#pragma once
// Recorrido de los controles de una pantalla para los componentes que la
// tratan entera (traducción, permisos, escalado, opciones visuales).
//
// No se entra en los controles compuestos, que colocan y rellenan ellos
// mismos lo que llevan dentro: paneles táctiles ("Panel..."), rejillas
// ("grid_..."), listas y áreas con desplazamiento, cajas numéricas,
// desplegables, el visor de ayuda, y los que tienen la propiedad
// "controlCompuesto" a true. Tampoco en las ventanas hijas.
#include <QList>
#include <QString>

class QWidget;

namespace ControlesPantalla {

// Descendientes de la pantalla en orden (primero el padre), sin ella
QList<QWidget*> recorrer(QWidget* pantalla);

// Solo los que tienen nombre (objectName, salvo los internos "qt_...")
QList<QWidget*> conNombre(QWidget* pantalla);

bool esCompuesto(const QWidget* w);

// Nombre con que se guarda una pantalla: su objectName o, si no tiene, su clase
QString nombrePantalla(const QWidget* pantalla);

}  // namespace ControlesPantalla
