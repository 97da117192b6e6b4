#include "pantallas/comun/IconosAjuste.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace IconosAjuste {
namespace {

constexpr int kLado = 64;

// Flecha de a hacia b con punta
void flecha(QPainter& p, QPointF a, QPointF b)
{
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-d.y(), d.x());
    QPainterPath punta;
    punta.moveTo(b);
    punta.lineTo(b - d * 12 + n * 7);
    punta.lineTo(b - d * 12 - n * 7);
    punta.closeSubpath();
    p.fillPath(punta, p.pen().color());
}

}  // namespace

QIcon icono(Tipo tipo, const QColor& tinta)
{
    QPixmap pm(kLado, kLado);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(tinta, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (tipo) {
    case Tamano:  // una pantalla con flechas hacia las esquinas
        p.drawRoundedRect(QRectF(6, 10, 52, 40), 4, 4);
        flecha(p, {24, 30}, {12, 16});
        flecha(p, {40, 30}, {52, 44});
        p.drawLine(QPointF(24, 58), QPointF(40, 58));
        break;
    case OpcionVisual: {  // "Aa": letra pequeña y grande
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(40);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 40, kLado), Qt::AlignVCenter | Qt::AlignHCenter, QStringLiteral("A"));
        f.setPixelSize(26);
        p.setFont(f);
        p.drawText(QRectF(34, 10, 30, kLado - 10), Qt::AlignVCenter | Qt::AlignHCenter, QStringLiteral("a"));
        break;
    }
    case Colores: {  // cuatro muestras de color
        const QColor muestras[] = {{220, 60, 60}, {60, 160, 80}, {60, 110, 210}, {240, 190, 40}};
        p.setPen(QPen(tinta, 2));
        for (int i = 0; i < 4; ++i) {
            p.setBrush(muestras[i]);
            p.drawRoundedRect(QRectF(6 + (i % 2) * 28, 6 + (i / 2) * 28, 24, 24), 4, 4);
        }
        break;
    }
    case Ayuda: {  // interrogación en un círculo
        p.setBrush(QColor(40, 110, 200));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(4, 4, 56, 56));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(40);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(4, 4, 56, 56), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    return QIcon(pm);
}

}  // namespace IconosAjuste
