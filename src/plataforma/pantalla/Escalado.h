#pragma once
// Medidas de los controles escaladas sin que se acumule el redondeo: cada
// control guarda el valor exacto (en una propiedad) junto al redondeado que
// muestra; mientras nadie lo cambie, la siguiente escala parte del exacto.
// Así, ir de 1024 a 1920 de ancho y volver deja cada control como estaba.
#include <QRectF>
#include <QSizeF>

class QLayout;
class QWidget;

namespace Escalado {

QRect redondear(const QRectF& r);

// Tamaño exacto de la letra: en puntos, o en píxeles si la letra se dio así
double letra(const QWidget* w);
void ponerLetra(QWidget* w, double tamano);

QRectF geometria(const QWidget* w);
void ponerGeometria(QWidget* w, const QRectF& r);

// Mínimo y máximo que el control tenga fijados (los de fábrica no se tocan)
void escalarLimites(QWidget* w, double fx, double fy);
// Tamaño de icono de botones
void escalarIcono(QWidget* w, double f);
// Márgenes y separación (por fl, el factor de la letra) de una capa y de las que lleva dentro
void escalarCapa(QLayout* capa, double fx, double fy, double fl);

// true si el control lo coloca una capa de su padre
bool enCapa(const QWidget* w);

}  // namespace Escalado
