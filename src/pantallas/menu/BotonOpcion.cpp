#include "pantallas/menu/BotonOpcion.h"

#include "plataforma/widgets/BotonPanel.h"

#include <QPainter>
#include <QPainterPath>

BotonOpcion::BotonOpcion(IconosMenu::Tipo tipo, QWidget* padre) : QAbstractButton(padre), m_tipo(tipo)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void BotonOpcion::ponerColor(const QColor& color)
{
    m_color = color;
    update();
}

QColor BotonOpcion::color() const
{
    return m_color.isValid() ? m_color : palette().color(QPalette::Button);
}

QColor BotonOpcion::colorDibujo() const
{
    return BotonPanel::colorTextoSobre(color());
}

void BotonOpcion::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Al pulsarlo se hunde un poco y se oscurece
    const double hundido = isDown() ? 2 : 0;
    const QRectF caja = QRectF(rect()).adjusted(2 + hundido, 2 + hundido, -3 + hundido, -3 + hundido);
    const double radio = caja.width() * 0.16;
    if (!isDown()) {
        QPainterPath sombra;
        sombra.addRoundedRect(caja.translated(2, 3), radio, radio);
        p.fillPath(sombra, QColor(0, 0, 0, 50));
    }
    QColor fondo = color();
    if (isDown())
        fondo = fondo.darker(115);
    QLinearGradient degradado(caja.topLeft(), caja.bottomLeft());
    degradado.setColorAt(0, fondo.lighter(108));
    degradado.setColorAt(1, fondo.darker(106));
    QPainterPath forma;
    forma.addRoundedRect(caja, radio, radio);
    p.fillPath(forma, degradado);
    p.setPen(QPen(fondo.darker(140), 1.5));
    p.drawPath(forma);
    const double margen = std::min(caja.width(), caja.height()) * 0.12;
    IconosMenu::dibujar(p, caja.adjusted(margen, margen, -margen, -margen), m_tipo,
                        isEnabled() ? colorDibujo() : QColor(128, 128, 128));
}
