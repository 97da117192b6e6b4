#pragma once
// Las pantallas modales que abre una prueba, manejadas como lo haría una
// persona: esperar a que se abra y pulsar en ella.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace Modal {

// Cuando se abra (modal) la pantalla de ese nombre, la entrega a quien la
// espera, que la cierra. El temporizador que vigila se para al destruirse,
// también si la pantalla no llega a abrirse.
inline std::unique_ptr<QTimer> alAbrirse(const QString& pantalla, std::function<void(QWidget*)> accion)
{
    auto vigia = std::make_unique<QTimer>();
    QTimer* t = vigia.get();
    QObject::connect(t, &QTimer::timeout, t, [t, pantalla, accion] {
        QWidget* m = QApplication::activeModalWidget();
        if (!m || m->objectName() != pantalla || !m->isVisible())
            return;
        t->stop();
        accion(m);
    });
    vigia->start(5);
    return vigia;
}

// En una elección abierta (DialogoEleccion), pulsa la opción de ese texto;
// si no está, la cancela para que la prueba no se quede esperando
inline void pulsarOpcion(QWidget* eleccion, const QString& opcion)
{
    for (QAbstractButton* b : eleccion->findChildren<QAbstractButton*>())
        if (b->accessibleName() == opcion) {
            QTest::mouseClick(b, Qt::LeftButton);
            return;
        }
    static_cast<QDialog*>(eleccion)->reject();
}

// Cuando se abra una elección, pulsa esa opción (vigia->isActive() es falso si se abrió)
inline std::unique_ptr<QTimer> elegirAlAbrirse(const QString& opcion)
{
    return alAbrirse(QStringLiteral("DialogoEleccion"), [opcion](QWidget* d) { pulsarOpcion(d, opcion); });
}

}  // namespace Modal
