#include "pantallas/menu/ImagenPantalla.h"

#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

ImagenPantalla::ImagenPantalla(QWidget* padre) : QWidget(padre)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void ImagenPantalla::ponerImagen(const QPixmap& imagen)
{
    m_imagen = imagen;
    m_ruta.clear();
    update();
}

bool ImagenPantalla::cargar(const QString& ruta)
{
    QImageReader lector(ruta);
    lector.setAutoTransform(true);
    const QImage leida = lector.read();
    if (leida.isNull())
        return false;
    m_imagen = QPixmap::fromImage(leida);
    m_ruta = ruta;
    update();
    return true;
}

void ImagenPantalla::paintEvent(QPaintEvent*)
{
    if (m_imagen.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Con marco se deja sitio a la sombra
    const QSizeF sitio = m_marco ? QSizeF(width() - 6, height() - 6) : QSizeF(size());
    QSizeF tam = m_imagen.size();
    tam.scale(sitio, Qt::KeepAspectRatio);
    const QRectF zona(QPointF((sitio.width() - tam.width()) / 2, (sitio.height() - tam.height()) / 2), tam);
    if (!m_marco) {
        p.drawPixmap(zona, m_imagen, m_imagen.rect());
        return;
    }
    const double radio = std::min(zona.width(), zona.height()) * 0.05;
    QPainterPath forma;
    forma.addRoundedRect(zona.adjusted(1, 1, -1, -1), radio, radio);
    p.fillPath(forma.translated(3, 4), QColor(0, 0, 0, 45));
    p.save();
    p.setClipPath(forma);
    p.drawPixmap(zona, m_imagen, m_imagen.rect());
    p.restore();
    p.setPen(QPen(QColor(255, 255, 255, 200), 3));
    p.drawPath(forma);
}
