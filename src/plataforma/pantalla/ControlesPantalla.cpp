#include "plataforma/pantalla/ControlesPantalla.h"

#include "plataforma/pantalla/Visorel.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QWidget>

namespace ControlesPantalla {
namespace {

void bajar(QWidget* padre, QList<QWidget*>& lista)
{
    for (QObject* o : padre->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow())
            continue;
        lista << w;
        if (!esCompuesto(w))
            bajar(w, lista);
    }
}

}  // namespace

bool esCompuesto(const QWidget* w)
{
    if (w->property("controlCompuesto").toBool())
        return true;
    const QString n = w->objectName();
    if (n.startsWith(QLatin1String("Panel")) || n.startsWith(QLatin1String("grid_")))
        return true;
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const Visorel*>(w);
}

QList<QWidget*> recorrer(QWidget* pantalla)
{
    QList<QWidget*> lista;
    if (pantalla)
        bajar(pantalla, lista);
    return lista;
}

QList<QWidget*> conNombre(QWidget* pantalla)
{
    QList<QWidget*> lista;
    for (QWidget* w : recorrer(pantalla)) {
        const QString n = w->objectName();
        if (!n.isEmpty() && !n.startsWith(QLatin1String("qt_")))
            lista << w;
    }
    return lista;
}

QString nombrePantalla(const QWidget* pantalla)
{
    const QString n = pantalla->objectName();
    return n.isEmpty() ? QString::fromLatin1(pantalla->metaObject()->className()) : n;
}

}  // namespace ControlesPantalla
