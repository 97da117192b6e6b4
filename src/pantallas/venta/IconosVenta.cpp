#include "pantallas/venta/IconosVenta.h"

#include <QPainter>
#include <QPixmap>

namespace IconosVenta {

QIcon icono(Tipo tipo, const QColor& tinta, int lado)
{
    QPixmap pm(lado, lado);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = lado / 12.0;  // la cuadrícula del dibujo: 12 x 12
    QPen pen(tinta, u * 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    switch (tipo) {
    case Buscar:
        p.drawEllipse(QPointF(5 * u, 5 * u), 3.4 * u, 3.4 * u);
        pen.setWidthF(u * 1.6);
        p.setPen(pen);
        p.drawLine(QPointF(7.6 * u, 7.6 * u), QPointF(10.8 * u, 10.8 * u));
        break;
    case Volver:
        p.drawLine(QPointF(2 * u, 6 * u), QPointF(10 * u, 6 * u));
        p.drawLine(QPointF(2 * u, 6 * u), QPointF(5.5 * u, 2.5 * u));
        p.drawLine(QPointF(2 * u, 6 * u), QPointF(5.5 * u, 9.5 * u));
        break;
    case Lista:
        for (int i = 0; i < 4; ++i) {
            const double y = (2.5 + i * 2.4) * u;
            p.drawPoint(QPointF(2 * u, y));
            p.drawLine(QPointF(4 * u, y), QPointF(10.5 * u, y));
        }
        break;
    case Botones:
        p.setBrush(tinta);
        for (int f = 0; f < 2; ++f)
            for (int c = 0; c < 2; ++c)
                p.drawRoundedRect(QRectF((1.5 + c * 5) * u, (1.5 + f * 5) * u, 4 * u, 4 * u), u, u);
        break;
    case Finalizar:
        p.drawLine(QPointF(2 * u, 6.5 * u), QPointF(5 * u, 9.5 * u));
        p.drawLine(QPointF(5 * u, 9.5 * u), QPointF(10.5 * u, 2.5 * u));
        break;
    case Deuda:
        // Una cuenta con un reloj: se paga más adelante
        p.drawEllipse(QPointF(6 * u, 6 * u), 4.5 * u, 4.5 * u);
        p.drawLine(QPointF(6 * u, 6 * u), QPointF(6 * u, 3 * u));
        p.drawLine(QPointF(6 * u, 6 * u), QPointF(8.2 * u, 7.4 * u));
        break;
    }
    return QIcon(pm);
}

}  // namespace IconosVenta
