#include "plataforma/widgets/BotonPanel.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
double luminancia(const QColor& c)
{
    auto canal = [](double v) {
        v /= 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = c.toRgb();
    return 0.2126 * canal(rgb.red()) + 0.7152 * canal(rgb.green()) + 0.0722 * canal(rgb.blue());
}

constexpr int kMargen = 3;      // hueco alrededor del botón dentro de su celda
constexpr int kRadio = 12;
constexpr int kHundido = 2;     // desplazamiento al pulsar
constexpr int kLetraMin = 10;
}  // namespace

QColor BotonPanel::colorTextoSobre(const QColor& fondo)
{
    // Contraste mayor: el negro si el fondo es claro, el blanco si es oscuro
    const double l = luminancia(fondo);
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? QColor(Qt::black) : QColor(Qt::white);
}

BotonPanel::BotonPanel(QWidget* padre) : QAbstractButton(padre)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    m_letra = font();
    m_letra.setBold(true);
}

void BotonPanel::mostrar(const QString& texto, const QColor& fondo, const QPixmap& imagen, const QColor& marco)
{
    setText(texto);
    m_fondo = fondo;
    m_marco = marco;
    m_imagen = imagen;
    ajustar();
    update();
}

QColor BotonPanel::colorTexto() const
{
    return colorTextoSobre(m_fondo);
}

void BotonPanel::resizeEvent(QResizeEvent* evento)
{
    QAbstractButton::resizeEvent(evento);
    ajustar();
}

void BotonPanel::ajustar()
{
    const QRect cuerpo = rect().adjusted(kMargen + 6, kMargen + 6, -kMargen - 6, -kMargen - 6);
    m_letra = font();
    m_letra.setBold(true);
    const bool conImagen = !m_imagen.isNull() && cuerpo.isValid();
    // Con texto, la imagen ocupa la parte de arriba; sin él, todo el botón
    int altoImagen = !conImagen ? 0 : text().isEmpty() ? cuerpo.height() : cuerpo.height() * 3 / 5;
    colocar(cuerpo, altoImagen);
    if (text().isEmpty() || !m_zonaTexto.isValid())
        return;
    // La letra más grande con la que el texto cabe entero, partido en palabras
    // Tope: el doble de la letra del control (26 px con la normal), que sigue al escalado de la pantalla
    const int tope = qMax(26, QFontInfo(font()).pixelSize() * 2);
    int tam = qMin(tope, qMax(kLetraMin, m_zonaTexto.height() / 2));
    QRect necesita;
    for (;; --tam) {
        m_letra.setPixelSize(tam);
        necesita = QFontMetrics(m_letra).boundingRect(m_zonaTexto, Qt::AlignCenter | Qt::TextWordWrap, text());
        if (tam <= kLetraMin || (necesita.width() <= m_zonaTexto.width() && necesita.height() <= m_zonaTexto.height()))
            break;
    }
    // Ni con la letra más pequeña cabe: la imagen cede su alto al texto, que no se corta
    if (conImagen && necesita.height() > m_zonaTexto.height()) {
        altoImagen = qMax(cuerpo.height() / 3, cuerpo.height() - necesita.height() - 2);
        colocar(cuerpo, altoImagen);
    }
}

void BotonPanel::colocar(const QRect& cuerpo, int altoImagen)
{
    m_zonaImagen = QRect();
    m_zonaTexto = cuerpo;
    m_escalada = QPixmap();
    if (altoImagen <= 0)
        return;
    m_zonaImagen = QRect(cuerpo.left(), cuerpo.top(), cuerpo.width(), altoImagen);
    m_zonaTexto = QRect(cuerpo.left(), cuerpo.top() + altoImagen + 2, cuerpo.width(), cuerpo.height() - altoImagen - 2);
    const qreal escala = devicePixelRatioF();
    m_escalada = m_imagen.scaled(m_zonaImagen.size() * escala, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_escalada.setDevicePixelRatio(escala);
}

void BotonPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool hundido = isDown();
    QRectF caja = QRectF(rect()).adjusted(kMargen, kMargen, -kMargen, -kMargen);
    if (!hundido) {
        // Sombra bajo el botón suelto
        QPainterPath sombra;
        sombra.addRoundedRect(caja.translated(0, kHundido), kRadio, kRadio);
        p.fillPath(sombra, QColor(0, 0, 0, 60));
        caja.adjust(0, 0, 0, -kHundido);
    } else {
        caja.adjust(0, kHundido, 0, 0);
    }
    QPainterPath forma;
    forma.addRoundedRect(caja, kRadio, kRadio);
    const QColor base = hundido ? m_fondo.darker(125) : m_fondo;
    QLinearGradient degradado(caja.topLeft(), caja.bottomLeft());
    degradado.setColorAt(0, base.lighter(hundido ? 100 : 112));
    degradado.setColorAt(1, base.darker(hundido ? 100 : 106));
    p.fillPath(forma, degradado);
    const QColor borde = m_marco.isValid() ? m_marco : m_fondo.darker(140);
    p.setPen(QPen(hundido ? borde.darker(130) : borde, hundido ? 3 : 1.5));
    p.drawPath(forma);

    p.setClipPath(forma);
    const QPoint desplazamiento(0, hundido ? kHundido : 0);
    if (!m_escalada.isNull()) {
        const QSize tam = m_escalada.deviceIndependentSize().toSize();
        const QRect destino(QPoint(m_zonaImagen.center().x() - tam.width() / 2 + 1,
                                   m_zonaImagen.center().y() - tam.height() / 2 + 1),
                            tam);
        p.drawPixmap(destino.translated(desplazamiento), m_escalada);
    }
    if (!text().isEmpty()) {
        p.setFont(m_letra);
        p.setPen(colorTexto());
        p.drawText(m_zonaTexto.translated(desplazamiento), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
}
