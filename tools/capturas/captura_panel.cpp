// Capturas del panel táctil a PNG, para mirar cómo se ve:
//   captura_panel [carpeta]   (por defecto /tmp)
#include "plataforma/ColorBgr.h"
#include "plataforma/widgets/Tactipan.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

namespace {

// Pictograma sencillo: círculo de color con la inicial
QString dibujarImagen(const QString& carpeta, const QString& nombre, const QColor& color)
{
    QPixmap p(128, 128);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    QRadialGradient degradado(QPointF(48, 44), 70);
    degradado.setColorAt(0, color.lighter(150));
    degradado.setColorAt(1, color.darker(120));
    pintor.setBrush(degradado);
    pintor.setPen(QPen(Qt::white, 5));
    pintor.drawEllipse(QRectF(8, 8, 112, 112));
    QFont letra = pintor.font();
    letra.setPixelSize(60);
    letra.setBold(true);
    pintor.setFont(letra);
    pintor.setPen(Qt::white);
    pintor.drawText(QRect(0, 0, 128, 128), Qt::AlignCenter, nombre.left(1));
    pintor.end();
    const QString ruta = carpeta + QLatin1Char('/') + nombre + QStringLiteral(".png");
    p.save(ruta);
    return ruta;
}

void capturar(Tactipan& panel, const QString& ruta)
{
    panel.grab().save(ruta);
    qInfo("%s", qPrintable(ruta));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString destino = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QTemporaryDir imagenes;

    const QList<QPair<QString, QColor>> servicios = {
        {QStringLiteral("Corte señora"), QColor(0xE5, 0x39, 0x35)},
        {QStringLiteral("Corte caballero"), QColor(0x1E, 0x88, 0xE5)},
        {QStringLiteral("Tinte raíz"), QColor(0x8E, 0x24, 0xAA)},
        {QStringLiteral("Mechas"), QColor(0xFD, 0xD8, 0x35)},
        {QStringLiteral("Manicura"), QColor(0xF4, 0x8F, 0xB1)},
        {QStringLiteral("Pedicura"), QColor(0x43, 0xA0, 0x47)},
        {QStringLiteral("Depilación láser piernas completas"), QColor(0x00, 0x89, 0x7B)},
        {QStringLiteral("Masaje relajante"), QColor(0xFF, 0xB7, 0x4D)},
        {QStringLiteral("Limpieza facial"), QColor(0x81, 0xD4, 0xFA)},
        {QStringLiteral("Peinado"), QColor(0x5D, 0x40, 0x37)},
        {QStringLiteral("Tratamiento keratina"), QColor(0xFF, 0xFF, 0xFF)},
        {QStringLiteral("Maquillaje novia"), QColor(0x21, 0x21, 0x21)},
    };

    for (const bool conImagen : {false, true}) {
        ListaPanel lista;
        for (int i = 0; i < servicios.size(); ++i) {
            const auto& [nombre, color] = servicios.at(i);
            const QString imagen = conImagen ? dibujarImagen(imagenes.path(), nombre, color.darker(140)) : QString();
            lista.append(ElementoPanel{nombre, ColorBgr::aTexto(color), imagen, nombre, {}, QString::number(i + 1)});
        }
        lista.append(ElementoPanel{});
        Tactipan panel;
        panel.resize(1000, 560);
        panel.ponerCuadricula(4, 3);
        panel.inicializar();
        panel.cargar(lista);
        panel.redibujar();
        panel.show();
        app.processEvents();
        capturar(panel, destino + (conImagen ? QStringLiteral("/panel_con_imagenes.png")
                                             : QStringLiteral("/panel_sin_imagenes.png")));
    }

    // Muchos elementos: páginas, con el color de botón del panel
    ListaPanel muchos;
    for (int i = 1; i <= 200; ++i)
        muchos.append(ElementoPanel{QStringLiteral("Bono %1").arg(i), {}, {}, {}, {}, QString::number(i)});
    muchos.append(ElementoPanel{});
    Tactipan panel;
    panel.resize(1000, 560);
    panel.inicializar();
    panel.ponerUsarColoresElementos(false);
    panel.cargar(muchos);
    panel.redibujar();
    panel.irAPagina(1);
    panel.show();
    app.processEvents();
    capturar(panel, destino + QStringLiteral("/panel_paginas.png"));
    return 0;
}
