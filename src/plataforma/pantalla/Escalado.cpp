#include "plataforma/pantalla/Escalado.h"

#include <QAbstractButton>
#include <QLayout>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace Escalado {
namespace {

// Exacto guardado si lo que se ve sigue siendo su redondeo; si no, lo que se ve
double exacto(const QObject* o, const char* clave, int visto)
{
    const QVariant v = o->property(clave);
    if (v.isValid() && qRound(v.toDouble()) == visto)
        return v.toDouble();
    return visto;
}

int guardar(QObject* o, const char* clave, double valor)
{
    o->setProperty(clave, valor);
    return qRound(valor);
}

QSizeF tamano(const QObject* o, const char* claveAncho, const char* claveAlto, const QSize& visto)
{
    return QSizeF(exacto(o, claveAncho, visto.width()), exacto(o, claveAlto, visto.height()));
}

QSize guardarTamano(QObject* o, const char* claveAncho, const char* claveAlto, const QSizeF& s)
{
    return QSize(guardar(o, claveAncho, s.width()), guardar(o, claveAlto, s.height()));
}

bool buscar(const QLayout* capa, const QWidget* w)
{
    for (int i = 0; i < capa->count(); ++i) {
        QLayoutItem* item = capa->itemAt(i);
        if (item->widget() == w)
            return true;
        if (item->layout() && buscar(item->layout(), w))
            return true;
    }
    return false;
}

}  // namespace

QRect redondear(const QRectF& r)
{
    return QRect(qRound(r.x()), qRound(r.y()), qRound(r.width()), qRound(r.height()));
}

double letra(const QWidget* w)
{
    const QFont f = w->font();
    if (f.pointSizeF() > 0)
        return f.pointSizeF();
    return exacto(w, "tarveloLetraPx", f.pixelSize());
}

void ponerLetra(QWidget* w, double tamano)
{
    QFont f = w->font();
    if (f.pointSizeF() > 0)
        f.setPointSizeF(std::max(1.0, tamano));
    else
        f.setPixelSize(std::max(1, guardar(w, "tarveloLetraPx", tamano)));
    w->setFont(f);
}

QRectF geometria(const QWidget* w)
{
    const QRect g = w->geometry();
    const QVariant v = w->property("tarveloGeometria");
    if (v.isValid() && redondear(v.toRectF()) == g)
        return v.toRectF();
    return QRectF(g);
}

void ponerGeometria(QWidget* w, const QRectF& r)
{
    w->setProperty("tarveloGeometria", r);
    w->setGeometry(redondear(r));
}

void escalarLimites(QWidget* w, double fx, double fy)
{
    const QSize minimo = w->minimumSize();
    const QSize maximo = w->maximumSize();
    const bool conMinimo = minimo.width() > 0 || minimo.height() > 0;
    const bool conMaximo = maximo.width() < QWIDGETSIZE_MAX || maximo.height() < QWIDGETSIZE_MAX;
    if (!conMinimo && !conMaximo)
        return;
    QSize nuevoMinimo = minimo, nuevoMaximo = maximo;
    if (conMinimo) {
        const QSizeF m = tamano(w, "tarveloMinAncho", "tarveloMinAlto", minimo);
        nuevoMinimo = guardarTamano(w, "tarveloMinAncho", "tarveloMinAlto", QSizeF(m.width() * fx, m.height() * fy));
    }
    if (conMaximo) {
        const QSizeF m = tamano(w, "tarveloMaxAncho", "tarveloMaxAlto", maximo);
        QSizeF n(maximo);
        if (maximo.width() < QWIDGETSIZE_MAX)
            n.setWidth(m.width() * fx);
        if (maximo.height() < QWIDGETSIZE_MAX)
            n.setHeight(m.height() * fy);
        nuevoMaximo = guardarTamano(w, "tarveloMaxAncho", "tarveloMaxAlto", n);
        if (maximo.width() == QWIDGETSIZE_MAX)
            nuevoMaximo.setWidth(QWIDGETSIZE_MAX);
        if (maximo.height() == QWIDGETSIZE_MAX)
            nuevoMaximo.setHeight(QWIDGETSIZE_MAX);
    }
    // Primero se abren los límites para que un tamaño fijo pueda crecer o menguar
    w->setMinimumSize(0, 0);
    w->setMaximumSize(nuevoMaximo);
    w->setMinimumSize(nuevoMinimo);
}

void escalarIcono(QWidget* w, double f)
{
    auto* b = qobject_cast<QAbstractButton*>(w);
    if (!b || b->icon().isNull())
        return;
    const QSizeF s = tamano(b, "tarveloIconoAncho", "tarveloIconoAlto", b->iconSize());
    b->setIconSize(guardarTamano(b, "tarveloIconoAncho", "tarveloIconoAlto", s * f));
}

void escalarCapa(QLayout* capa, double fx, double fy, double fl)
{
    if (!capa)
        return;
    const QMargins m = capa->contentsMargins();
    const double izq = exacto(capa, "tarveloMargenIzq", m.left()), arr = exacto(capa, "tarveloMargenArr", m.top());
    const double der = exacto(capa, "tarveloMargenDer", m.right()), aba = exacto(capa, "tarveloMargenAba", m.bottom());
    capa->setContentsMargins(guardar(capa, "tarveloMargenIzq", izq * fx), guardar(capa, "tarveloMargenArr", arr * fy),
                             guardar(capa, "tarveloMargenDer", der * fx), guardar(capa, "tarveloMargenAba", aba * fy));
    // Separación negativa: la del estilo, que ya va con la letra
    if (capa->spacing() >= 0) {
        const double s = exacto(capa, "tarveloSeparacion", capa->spacing());
        capa->setSpacing(guardar(capa, "tarveloSeparacion", s * fl));
    }
    for (int i = 0; i < capa->count(); ++i)
        if (QLayout* hija = capa->itemAt(i)->layout())
            escalarCapa(hija, fx, fy, fl);
}

bool enCapa(const QWidget* w)
{
    const QWidget* padre = w->parentWidget();
    return padre && padre->layout() && buscar(padre->layout(), w);
}

}  // namespace Escalado
