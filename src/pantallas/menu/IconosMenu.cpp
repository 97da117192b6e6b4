#include "pantallas/menu/IconosMenu.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace IconosMenu {
namespace {

// Bono: rectángulo con dos muescas a media altura y la línea de corte
QPainterPath bono(const QRectF& r)
{
    const double muesca = r.height() * 0.16;
    QPainterPath p;
    p.addRoundedRect(r, r.height() * 0.12, r.height() * 0.12);
    QPainterPath muescas;
    muescas.addEllipse(QPointF(r.left(), r.center().y()), muesca, muesca);
    muescas.addEllipse(QPointF(r.right(), r.center().y()), muesca, muesca);
    return p.subtracted(muescas);
}

QPainterPath estrella(const QPointF& centro, double radio)
{
    QPainterPath p;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? radio : radio * 0.45;
        const double a = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF punto(centro.x() + r * std::cos(a), centro.y() + r * std::sin(a));
        if (i == 0)
            p.moveTo(punto);
        else
            p.lineTo(punto);
    }
    p.closeSubpath();
    return p;
}

void dibujarBono(QPainter& p, const QRectF& r, const QColor& tinta, bool relleno)
{
    const QPainterPath forma = bono(r);
    if (relleno) {
        QColor suave = tinta;
        suave.setAlphaF(0.18);
        p.fillPath(forma, suave);
    }
    p.drawPath(forma);
    // El de atrás de un montón, sin relleno, se queda en el contorno
    if (!relleno)
        return;
    // Línea de corte de la matriz
    const double x = r.left() + r.width() * 0.70;
    QPen discontinua = p.pen();
    discontinua.setStyle(Qt::DashLine);
    discontinua.setWidthF(p.pen().widthF() * 0.6);
    p.save();
    p.setPen(discontinua);
    p.drawLine(QPointF(x, r.top() + r.height() * 0.12), QPointF(x, r.bottom() - r.height() * 0.12));
    p.restore();
    p.fillPath(estrella(QPointF(r.left() + r.width() * 0.36, r.center().y()), r.height() * 0.30), tinta);
}

void dibujarListado(QPainter& p, const QColor& tinta)
{
    QPainterPath hoja;
    hoja.moveTo(24, 10);
    hoja.lineTo(62, 10);
    hoja.lineTo(78, 26);
    hoja.lineTo(78, 90);
    hoja.lineTo(24, 90);
    hoja.closeSubpath();
    QColor suave = tinta;
    suave.setAlphaF(0.12);
    p.fillPath(hoja, suave);
    p.drawPath(hoja);
    p.drawPolyline(QPolygonF({QPointF(62, 10), QPointF(62, 26), QPointF(78, 26)}));
    for (int i = 0; i < 4; ++i) {
        const double y = 40 + i * 13;
        p.setBrush(tinta);
        p.drawEllipse(QPointF(34, y), 2.5, 2.5);
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(42, y), QPointF(i % 2 ? 60 : 68, y));
    }
}

void dibujarSalir(QPainter& p, const QColor& tinta)
{
    // Puerta abierta y flecha hacia fuera
    p.drawPolyline(QPolygonF({QPointF(54, 26), QPointF(54, 12), QPointF(16, 12), QPointF(16, 88), QPointF(54, 88),
                              QPointF(54, 74)}));
    QPainterPath hoja;
    hoja.moveTo(16, 12);
    hoja.lineTo(40, 22);
    hoja.lineTo(40, 96);
    hoja.lineTo(16, 88);
    hoja.closeSubpath();
    QColor suave = tinta;
    suave.setAlphaF(0.25);
    p.fillPath(hoja, suave);
    p.drawPath(hoja);
    p.drawLine(QPointF(50, 50), QPointF(86, 50));
    p.drawPolyline(QPolygonF({QPointF(74, 38), QPointF(87, 50), QPointF(74, 62)}));
}

void dibujarMantenimiento(QPainter& p, const QColor& tinta)
{
    // Rueda dentada
    QPainterPath rueda;
    for (int i = 0; i < 8; ++i) {
        QPainterPath diente;
        diente.addRoundedRect(QRectF(-8, -42, 16, 20), 3, 3);
        rueda.addPath(QTransform().translate(50, 50).rotate(i * 45).map(diente));
    }
    QPainterPath cuerpo;
    cuerpo.addEllipse(QPointF(50, 50), 28, 28);
    QPainterPath hueco;
    hueco.addEllipse(QPointF(50, 50), 11, 11);
    p.fillPath(rueda.united(cuerpo).subtracted(hueco), tinta);
}

void dibujarTienda(QPainter& p, const QColor& tinta)
{
    // Fachada con toldo de ondas y puerta
    p.drawRect(QRectF(18, 42, 64, 46));
    QPainterPath toldo;
    toldo.moveTo(12, 24);
    toldo.lineTo(88, 24);
    toldo.lineTo(88, 38);
    for (int i = 3; i >= 0; --i)
        toldo.arcTo(QRectF(12 + i * 19, 30, 19, 16), 0, -180);
    toldo.closeSubpath();
    QColor suave = tinta;
    suave.setAlphaF(0.3);
    p.fillPath(toldo, suave);
    p.drawPath(toldo);
    p.drawRect(QRectF(28, 58, 18, 30));
    p.drawRect(QRectF(54, 56, 20, 16));
}

}  // namespace

void dibujar(QPainter& p, const QRectF& zona, Tipo tipo, const QColor& tinta)
{
    // Los dibujos se hacen en un cuadrado de 100 x 100 centrado en la zona
    const double lado = std::min(zona.width(), zona.height());
    if (lado <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(zona.center().x() - lado / 2, zona.center().y() - lado / 2);
    p.scale(lado / 100.0, lado / 100.0);
    p.setPen(QPen(tinta, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (tipo) {
    case BonoServicio:
        dibujarBono(p, QRectF(8, 28, 84, 46), tinta, true);
        break;
    case BonoPack: {
        // Varios bonos, uno detrás de otro: el de atrás no se ve a través del de delante
        const QRectF delante(6, 40, 80, 44);
        QPainterPath fuera;
        fuera.addRect(QRectF(-10, -10, 120, 120));
        p.save();
        p.setClipPath(fuera.subtracted(bono(delante.adjusted(-4, -4, 4, 4))));
        dibujarBono(p, QRectF(18, 12, 76, 42), tinta, false);
        p.restore();
        dibujarBono(p, delante, tinta, true);
        break;
    }
    case Listado:
        dibujarListado(p, tinta);
        break;
    case Salir:
        dibujarSalir(p, tinta);
        break;
    case Mantenimiento:
        dibujarMantenimiento(p, tinta);
        break;
    case Tienda:
        dibujarTienda(p, tinta);
        break;
    }
    p.restore();
}

QIcon icono(Tipo tipo, const QColor& tinta, int lado)
{
    QPixmap pm(lado, lado);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    dibujar(p, QRectF(0, 0, lado, lado), tipo, tinta);
    p.end();
    return QIcon(pm);
}

}  // namespace IconosMenu
