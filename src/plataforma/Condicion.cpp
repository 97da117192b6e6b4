// Condicion::legible(): el texto de la condición con sus valores en su sitio,
// en el dialecto del sistema, para el historial y los mensajes.
#include "datos/GestorRegistros.h"
#include "datos/Valores.h"

#include <QDateTime>

namespace {

QString literal(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return QStringLiteral("null");
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return v.toString();
    case QMetaType::Double:
    case QMetaType::Float:
        return Valores::numeroATexto(v.toDouble(), QLatin1Char('.'));
    case QMetaType::QDate:
        return QLatin1Char('#') + v.toDate().toString(QStringLiteral("MM/dd/yyyy")) + QLatin1Char('#');
    case QMetaType::QTime:
        return QLatin1Char('#') + v.toTime().toString(QStringLiteral("HH:mm:ss")) + QLatin1Char('#');
    case QMetaType::QDateTime:
        return QLatin1Char('#') + v.toDateTime().toString(QStringLiteral("MM/dd/yyyy HH:mm:ss")) + QLatin1Char('#');
    default: {
        QString t = v.toString();
        t.replace(QLatin1Char('\''), QLatin1String("''"));
        return QLatin1Char('\'') + t + QLatin1Char('\'');
    }
    }
}

}  // namespace

QString Condicion::legible() const
{
    QString r;
    r.reserve(texto.size() + 16 * valores.size());
    int siguiente = 0;
    QChar comilla;  // dentro de '...' o "..." los "?" son texto
    for (const QChar c : texto) {
        if (!comilla.isNull()) {
            r += c;
            if (c == comilla)
                comilla = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            comilla = c;
            r += c;
        } else if (c == QLatin1Char('?') && siguiente < valores.size()) {
            r += literal(valores.at(siguiente++));
        } else {
            r += c;
        }
    }
    return r;
}
