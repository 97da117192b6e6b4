// Dibuja las imágenes de la tienda de demostración (logotipo, bandera, formas
// de pago, empleados y fotos del menú) en recursos/fotos. Se ejecuta a mano
// cuando cambian; las imágenes van en el repositorio.
//   QT_QPA_PLATFORM=offscreen tarvelo-generar-fotos <carpeta recursos/fotos>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTextStream>
#include <cmath>

namespace {

QImage lienzo(int ancho, int alto)
{
    QImage img(ancho, alto, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void guardar(const QImage& img, const QString& ruta, int calidad = -1)
{
    if (!img.save(ruta, nullptr, calidad)) {
        QTextStream(stderr) << "No se pudo guardar " << ruta << '\n';
        std::exit(1);
    }
}

QImage bandera()
{
    QImage img = lienzo(90, 60);
    QPainter p(&img);
    p.fillRect(0, 0, 90, 60, QColor(170, 21, 27));
    p.fillRect(0, 15, 90, 30, QColor(241, 191, 0));
    return img;
}

QImage logotipo()
{
    QImage img = lienzo(360, 120);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fondo(0, 0, 360, 120);
    fondo.setColorAt(0, QColor(252, 228, 236));
    fondo.setColorAt(1, QColor(248, 187, 208));
    p.setPen(Qt::NoPen);
    p.setBrush(fondo);
    p.drawRoundedRect(QRectF(2, 2, 356, 116), 22, 22);
    // Una flor de cinco pétalos
    p.save();
    p.translate(62, 60);
    p.setBrush(QColor(216, 27, 96, 200));
    for (int i = 0; i < 5; ++i) {
        p.rotate(72);
        p.drawEllipse(QRectF(-11, -38, 22, 34));
    }
    p.setBrush(QColor(255, 213, 79));
    p.drawEllipse(QPointF(0, 0), 11, 11);
    p.restore();
    p.setPen(QColor(136, 14, 79));
    p.setFont(QFont(QStringLiteral("DejaVu Serif"), 30, QFont::Bold));
    p.drawText(QRectF(112, 14, 240, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Salón Alba"));
    p.setPen(QColor(106, 27, 74));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 13));
    p.drawText(QRectF(114, 68, 240, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Peluquería y Estética"));
    return img;
}

void billete(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(27, 94, 32), 3));
    p.setBrush(QColor(129, 199, 132));
    p.drawRoundedRect(r, 6, 6);
    p.setBrush(QColor(200, 230, 201));
    p.drawEllipse(r.center(), r.height() * 0.3, r.height() * 0.3);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), int(r.height() * 0.28), QFont::Bold));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("€"));
}

void tarjeta(QPainter& p, const QRectF& r)
{
    p.setPen(Qt::NoPen);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(30, 136, 229));
    g.setColorAt(1, QColor(13, 71, 161));
    p.setBrush(g);
    p.drawRoundedRect(r, 8, 8);
    p.setBrush(QColor(20, 20, 40));
    p.drawRect(QRectF(r.left(), r.top() + r.height() * 0.2, r.width(), r.height() * 0.16));
    p.setBrush(QColor(255, 202, 40));
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.1, r.top() + r.height() * 0.5, r.width() * 0.2,
                             r.height() * 0.22),
                      3, 3);
}

QImage formaPago(const QString& tipo)
{
    QImage img = lienzo(96, 96);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (tipo == QLatin1String("efectivo")) {
        billete(p, QRectF(6, 24, 84, 48));
    } else if (tipo == QLatin1String("tarjeta")) {
        tarjeta(p, QRectF(8, 22, 80, 52));
    } else if (tipo == QLatin1String("mixto")) {
        billete(p, QRectF(4, 12, 70, 42));
        tarjeta(p, QRectF(24, 44, 66, 42));
    } else if (tipo == QLatin1String("deposito")) {
        // Una hucha de monedas
        p.setPen(QPen(QColor(191, 54, 12), 3));
        for (int i = 0; i < 4; ++i) {
            p.setBrush(i % 2 ? QColor(255, 202, 40) : QColor(255, 179, 0));
            p.drawEllipse(QRectF(18, 62 - i * 12, 60, 20));
        }
        p.setBrush(QColor(255, 236, 179));
        p.drawEllipse(QRectF(18, 14, 60, 20));
    } else if (tipo == QLatin1String("transferencia")) {
        p.setPen(QPen(QColor(94, 53, 177), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(14, 32), QPointF(78, 32));
        p.drawLine(QPointF(62, 18), QPointF(78, 32));
        p.drawLine(QPointF(62, 46), QPointF(78, 32));
        p.drawLine(QPointF(82, 64), QPointF(18, 64));
        p.drawLine(QPointF(34, 50), QPointF(18, 64));
        p.drawLine(QPointF(34, 78), QPointF(18, 64));
    }
    return img;
}

struct Retrato {
    QColor fondo, piel, pelo, ropa;
    bool melena;
};

QImage empleado(const Retrato& r)
{
    QImage img = lienzo(128, 128);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRadialGradient g(QPointF(64, 50), 80);
    g.setColorAt(0, r.fondo.lighter(130));
    g.setColorAt(1, r.fondo);
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 2, 124, 124));
    QPainterPath circulo;
    circulo.addEllipse(QRectF(2, 2, 124, 124));
    p.setClipPath(circulo);
    if (r.melena) {
        p.setBrush(r.pelo);
        p.drawRoundedRect(QRectF(30, 26, 68, 78), 30, 30);
    }
    p.setBrush(r.ropa);
    p.drawEllipse(QRectF(18, 92, 92, 70));
    p.setBrush(r.piel);
    p.drawRect(QRectF(55, 76, 18, 20));
    p.drawEllipse(QRectF(40, 30, 48, 56));
    p.setBrush(r.pelo);
    QPainterPath flequillo;
    flequillo.moveTo(38, 58);
    flequillo.cubicTo(34, 18, 94, 18, 90, 58);
    flequillo.cubicTo(84, 40, 60, 34, 38, 58);
    p.drawPath(flequillo);
    p.setBrush(QColor(60, 40, 40));
    p.drawEllipse(QPointF(54, 58), 3, 3.5);
    p.drawEllipse(QPointF(74, 58), 3, 3.5);
    p.setPen(QPen(QColor(150, 60, 60), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(56, 64, 16, 10), 200 * 16, 140 * 16);
    return img;
}

// Fotos del menú: ilustraciones sencillas sobre degradados
QImage foto(int n)
{
    QImage img(480, 360, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor cielos[][2] = {{QColor(255, 204, 188), QColor(186, 104, 200)},
                                {QColor(200, 230, 201), QColor(0, 121, 107)},
                                {QColor(255, 236, 179), QColor(239, 108, 0)},
                                {QColor(187, 222, 251), QColor(57, 73, 171)},
                                {QColor(248, 187, 208), QColor(173, 20, 87)}};
    QLinearGradient fondo(0, 0, 480, 360);
    fondo.setColorAt(0, cielos[n][0]);
    fondo.setColorAt(1, cielos[n][1]);
    p.fillRect(img.rect(), fondo);
    // Luces desenfocadas
    QRandomGenerator azar(quint32(77 + n));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const QPointF c(azar.bounded(480), azar.bounded(360));
        const double radio = 15 + azar.bounded(45);
        QRadialGradient luz(c, radio);
        luz.setColorAt(0, QColor(255, 255, 255, 90));
        luz.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(luz);
        p.drawEllipse(c, radio, radio);
    }
    switch (n) {
    case 0: {  // espejo de tocador
        p.setBrush(QColor(255, 255, 255, 60));
        p.setPen(QPen(QColor(255, 248, 225), 10));
        p.drawEllipse(QRectF(150, 50, 180, 230));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(121, 85, 72));
        p.drawRect(QRectF(90, 290, 300, 24));
        break;
    }
    case 1: {  // piedras de masaje y una hoja
        p.setPen(Qt::NoPen);
        const QColor piedras[] = {QColor(66, 66, 66), QColor(97, 97, 97), QColor(117, 117, 117)};
        for (int i = 0; i < 3; ++i) {
            p.setBrush(piedras[i]);
            p.drawEllipse(QRectF(150 + i * 10, 250 - i * 48, 180 - i * 30, 60 - i * 6));
        }
        p.setBrush(QColor(129, 199, 132));
        QPainterPath hoja;
        hoja.moveTo(300, 120);
        hoja.cubicTo(360, 60, 430, 80, 440, 40);
        hoja.cubicTo(440, 120, 360, 150, 300, 120);
        p.drawPath(hoja);
        break;
    }
    case 2: {  // frascos de esmalte
        const QColor esmaltes[] = {QColor(198, 40, 40), QColor(236, 64, 122), QColor(123, 31, 162)};
        for (int i = 0; i < 3; ++i) {
            const double x = 110 + i * 100;
            p.setPen(Qt::NoPen);
            p.setBrush(esmaltes[i]);
            p.drawRoundedRect(QRectF(x, 180, 70, 100), 14, 14);
            p.setBrush(QColor(33, 33, 33));
            p.drawRoundedRect(QRectF(x + 20, 110, 30, 74), 6, 6);
            p.setBrush(QColor(255, 255, 255, 70));
            p.drawRoundedRect(QRectF(x + 8, 190, 12, 70), 6, 6);
        }
        break;
    }
    case 3: {  // tijeras y peine
        p.setPen(QPen(QColor(236, 239, 241), 9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(150, 90), QPointF(330, 250));
        p.drawLine(QPointF(150, 250), QPointF(330, 90));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(100, 230, 60, 60));
        p.drawEllipse(QRectF(320, 230, 60, 60));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawRoundedRect(QRectF(90, 300, 300, 20), 6, 6);
        for (int i = 0; i < 28; ++i)
            p.drawRect(QRectF(96 + i * 10.5, 285, 5, 18));
        break;
    }
    default: {  // ramo de flores
        for (int f = 0; f < 5; ++f) {
            p.save();
            p.translate(140 + f * 50, 150 + (f % 2) * 50);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 210));
            for (int i = 0; i < 6; ++i) {
                p.rotate(60);
                p.drawEllipse(QRectF(-12, -42, 24, 40));
            }
            p.setBrush(QColor(255, 213, 79));
            p.drawEllipse(QPointF(0, 0), 12, 12);
            p.restore();
        }
        break;
    }
    }
    return img;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "Uso: tarvelo-generar-fotos <carpeta recursos/fotos>\n";
        return 1;
    }
    const QDir carpeta(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(carpeta.filePath(QStringLiteral("fotos1")));
    guardar(bandera(), carpeta.filePath(QStringLiteral("bandera_es.png")));
    guardar(logotipo(), carpeta.filePath(QStringLiteral("logo.png")));
    for (const char* tipo : {"efectivo", "tarjeta", "mixto", "deposito", "transferencia"})
        guardar(formaPago(QString::fromLatin1(tipo)), carpeta.filePath(QStringLiteral("%1.png").arg(tipo)));
    const Retrato retratos[] = {
        {QColor(239, 154, 154), QColor(255, 224, 189), QColor(93, 64, 55), QColor(173, 20, 87), true},
        {QColor(206, 147, 216), QColor(241, 194, 160), QColor(33, 33, 33), QColor(74, 20, 140), true},
        {QColor(144, 202, 249), QColor(224, 172, 105), QColor(62, 39, 35), QColor(21, 101, 192), false},
        {QColor(255, 204, 128), QColor(255, 219, 172), QColor(191, 144, 0), QColor(230, 81, 0), true},
        {QColor(197, 225, 165), QColor(198, 134, 66), QColor(20, 20, 20), QColor(46, 125, 50), true},
        {QColor(128, 203, 196), QColor(255, 224, 189), QColor(120, 84, 60), QColor(0, 105, 92), false},
        {QColor(255, 171, 145), QColor(241, 194, 160), QColor(183, 28, 28), QColor(191, 54, 12), true},
        {QColor(176, 190, 197), QColor(224, 172, 105), QColor(66, 66, 66), QColor(55, 71, 79), true},
    };
    int n = 0;
    for (const Retrato& r : retratos)
        guardar(empleado(r), carpeta.filePath(QStringLiteral("empleado%1.png").arg(++n)));
    for (int i = 0; i < 5; ++i)
        guardar(foto(i), carpeta.filePath(QStringLiteral("fotos1/foto%1.jpg").arg(i + 1)), 82);
    return 0;
}
