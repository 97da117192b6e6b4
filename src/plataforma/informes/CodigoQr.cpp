#include "plataforma/informes/CodigoQr.h"

#include "datos/Error.h"

#include <QPainter>
#include <QRectF>

#include <memory>
#include <qrencode.h>

CodigoQr::CodigoQr(const QByteArray& texto)
{
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> qr(
        QRcode_encodeData(int(texto.size()), reinterpret_cast<const unsigned char*>(texto.constData()), 0,
                          QR_ECLEVEL_M),
        &QRcode_free);
    if (!qr)
        throw ErrorTarvelo(QStringLiteral("No se ha podido hacer el código QR: el texto tiene %1 bytes y no cabe.")
                               .arg(texto.size()));
    m_lado = qr->width;
    m_modulos.resize(qsizetype(m_lado) * m_lado);
    // El bit 0 de cada byte dice si el módulo es oscuro
    for (qsizetype i = 0; i < m_modulos.size(); ++i)
        m_modulos[i] = char(qr->data[i] & 1);
}

void CodigoQr::pintar(QPainter& p, const QRectF& zona) const
{
    const qreal modulo = zona.width() / (m_lado + 2 * kMargen);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    // Un rectángulo por tramo de módulos oscuros seguidos en la fila
    for (int y = 0; y < m_lado; ++y)
        for (int x = 0; x < m_lado;) {
            if (!oscuro(x, y)) {
                ++x;
                continue;
            }
            const int desde = x;
            while (x < m_lado && oscuro(x, y))
                ++x;
            p.drawRect(QRectF(zona.left() + (kMargen + desde) * modulo, zona.top() + (kMargen + y) * modulo,
                              (x - desde) * modulo, modulo));
        }
    p.restore();
}

QByteArray CodigoQr::imagenEscPos(int puntosPorModulo) const
{
    const int puntos = (m_lado + 2 * kMargen) * puntosPorModulo;
    const int bytesFila = (puntos + 7) / 8;
    QByteArray r("\x1d\x76\x30\x00", 4);  // GS v 0, tamaño normal
    r += char(bytesFila & 0xff);
    r += char(bytesFila >> 8);
    r += char(puntos & 0xff);
    r += char(puntos >> 8);
    for (int fila = 0; fila < puntos; ++fila) {
        QByteArray bytes(bytesFila, '\0');
        const int y = fila / puntosPorModulo - kMargen;
        for (int columna = 0; columna < puntos; ++columna) {
            const int x = columna / puntosPorModulo - kMargen;
            if (x >= 0 && y >= 0 && x < m_lado && y < m_lado && oscuro(x, y))
                bytes[columna / 8] = char(bytes.at(columna / 8) | (0x80 >> (columna % 8)));
        }
        r += bytes;
    }
    return r;
}
