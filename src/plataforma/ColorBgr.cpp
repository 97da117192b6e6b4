#include "plataforma/ColorBgr.h"

namespace ColorBgr {

QColor aColor(const QString& texto, const QColor& porDefecto)
{
    QString t = texto.trimmed();
    if (t.isEmpty())
        return porDefecto;
    if (t.startsWith(QLatin1Char('#'))) {
        const QColor c = QColor::fromString(t);
        return c.isValid() ? c : porDefecto;
    }
    bool ok = false;
    qlonglong n;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        t = t.mid(2);
        if (t.endsWith(QLatin1Char('&')))
            t.chop(1);
        n = t.toLongLong(&ok, 16);
    } else {
        n = t.toLongLong(&ok, 10);
        if (!ok) {
            // Un número guardado como "255.0"
            const double d = t.toDouble(&ok);
            n = ok ? static_cast<qlonglong>(d) : 0;
            ok = ok && double(n) == d;
        }
    }
    // Los negativos son colores del sistema del entorno heredado: sin equivalente aquí
    if (!ok || n < 0 || n > 0xFFFFFF)
        return porDefecto;
    return QColor(int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF));
}

quint32 aNumero(const QColor& color)
{
    const QColor c = color.toRgb();
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

QString aTexto(const QColor& color)
{
    return QString::number(aNumero(color));
}

}  // namespace ColorBgr
