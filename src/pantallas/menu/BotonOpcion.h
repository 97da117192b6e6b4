#pragma once
// Botón grande con dibujo de las opciones del menú: cuadrado redondeado del
// color que se le da (uno de los del esquema del puesto) y el dibujo encima,
// en negro o en blanco según el fondo. Sin color, el de botón de la paleta.
#include "pantallas/menu/IconosMenu.h"

#include <QAbstractButton>
#include <QColor>

class BotonOpcion : public QAbstractButton {
    Q_OBJECT
public:
    BotonOpcion(IconosMenu::Tipo tipo, QWidget* padre = nullptr);

    void ponerColor(const QColor& color);
    QColor color() const;
    QColor colorDibujo() const;

    QSize sizeHint() const override { return {110, 110}; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    IconosMenu::Tipo m_tipo;
    QColor m_color;
};
