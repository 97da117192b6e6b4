#include "plataforma/ValorColumna.h"

#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Valores.h"

#include <QDateTime>
#include <QRegularExpression>
#include <cmath>

namespace ValorColumna {
namespace {

const char* nombreTipo(TipoColumna t)
{
    switch (t) {
    case TipoColumna::Entero:
        return "un número entero";
    case TipoColumna::Decimal:
        return "un número";
    case TipoColumna::Logico:
        return "una marca (-1 o 0)";
    case TipoColumna::Fecha:
        return "una fecha";
    case TipoColumna::Hora:
        return "una hora";
    case TipoColumna::FechaHora:
        return "una fecha y hora";
    case TipoColumna::Texto:
        break;
    }
    return "un texto";
}

// Palabras de las marcas como las escribe el sistema heredado ("True") o en español
std::optional<int> leerPalabraMarca(const QString& t)
{
    for (const char* si : {"true", "verdadero"})
        if (t.compare(QLatin1String(si), Qt::CaseInsensitive) == 0)
            return -1;
    for (const char* no : {"false", "falso"})
        if (t.compare(QLatin1String(no), Qt::CaseInsensitive) == 0)
            return 0;
    return std::nullopt;
}

std::optional<qlonglong> leerEntero(const QString& t, QChar separador)
{
    static const QRegularExpression re(QStringLiteral("^[+-]?\\d+$"));
    if (re.match(t).hasMatch()) {
        bool ok = false;
        const qlonglong n = QString(t).remove(QLatin1Char('+')).toLongLong(&ok);
        if (ok)
            return n;
        return std::nullopt;
    }
    if (const auto marca = leerPalabraMarca(t))
        return *marca;
    // "3,0" o "3.0": entero escrito como número; con decimales de verdad, no
    const auto d = leerDecimal(t, separador);
    if (d && std::isfinite(*d) && std::floor(*d) == *d && std::fabs(*d) < 9.0e15)
        return static_cast<qlonglong>(*d);
    return std::nullopt;
}

std::optional<bool> leerLogico(const QString& t, QChar separador)
{
    if (const auto marca = leerPalabraMarca(t))
        return *marca != 0;
    const auto n = leerEntero(t, separador);
    if (n && (*n == 0 || *n == -1 || *n == 1))
        return *n != 0;
    return std::nullopt;
}

QDate leerFechaLibre(const QString& t)
{
    QDate f = Valores::leerFecha(t);
    // Fecha con hora detrás ("06/12/2026 0:00:00"), como la escribe una variable de fecha completa
    if (!f.isValid() && t.contains(QLatin1Char(' ')))
        f = Valores::leerFecha(t.section(QLatin1Char(' '), 0, 0));
    if (!f.isValid() && t.contains(QLatin1Char('T')))
        f = QDate::fromString(t.left(10), Qt::ISODate);
    return f;
}

QTime leerHoraLibre(const QString& t)
{
    QTime h = Valores::leerHora(t);
    if (!h.isValid() && t.contains(QLatin1Char(' ')))
        h = Valores::leerHora(t.section(QLatin1Char(' '), -1));
    return h;
}

QDateTime leerFechaHora(const QString& t)
{
    const QString fecha = t.section(QLatin1Char(' '), 0, 0);
    const QString hora = t.section(QLatin1Char(' '), 1).trimmed();
    QDate f = Valores::leerFecha(fecha);
    if (!f.isValid()) {
        const QDateTime iso = QDateTime::fromString(t, Qt::ISODate);
        return iso;
    }
    if (hora.isEmpty())
        return QDateTime(f, QTime(0, 0));
    const QTime h = Valores::leerHora(hora);
    return h.isValid() ? QDateTime(f, h) : QDateTime();
}

[[noreturn]] void noSeLee(const QString& texto, const Columna& columna, const QString& tabla)
{
    throw ErrorTarvelo(QStringLiteral("No se puede guardar en la tabla «%1» el campo «%2» con el valor «%3»: "
                                      "no es %4.")
                           .arg(tabla, columna.nombre, texto, QString::fromUtf8(nombreTipo(columna.tipo))));
}

}  // namespace

std::optional<double> leerDecimal(const QString& texto, QChar separadorPuesto)
{
    static const QRegularExpression simple(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eE][+-]?\\d+)?$"));
    const QString t = texto.trimmed();
    if (simple.match(t).hasMatch()) {
        QString n = t;
        n.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double d = n.toDouble(&ok);
        return ok ? std::optional<double>(d) : std::nullopt;
    }
    // Los dos separadores: el del puesto es el decimal y el otro agrupa de tres en tres
    const QChar decimal = separadorPuesto == QLatin1Char('.') ? QLatin1Char('.') : QLatin1Char(',');
    const QChar grupo = decimal == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    const QRegularExpression agrupado(QStringLiteral("^[+-]?\\d{1,3}(%1\\d{3})+(%2\\d+)?$")
                                          .arg(QRegularExpression::escape(QString(grupo)),
                                               QRegularExpression::escape(QString(decimal))));
    if (!agrupado.match(t).hasMatch())
        return std::nullopt;
    QString n = t;
    n.remove(grupo);
    n.replace(decimal, QLatin1Char('.'));
    bool ok = false;
    const double d = n.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

QVariant leer(const QString& texto, const Columna& columna, const QString& tabla, Motor motor)
{
    if (columna.tipo == TipoColumna::Texto)
        return texto;
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return QVariant();
    const QChar separador = Valores::regionales().separadorDecimal;
    switch (columna.tipo) {
    case TipoColumna::Entero:
        if (const auto n = leerEntero(t, separador))
            return *n;
        break;
    case TipoColumna::Decimal:
        if (const auto d = leerDecimal(t, separador); d && std::isfinite(*d))
            return *d;
        break;
    case TipoColumna::Logico:
        if (const auto b = leerLogico(t, separador)) {
            // En PostgreSQL una columna boolean no admite -1: se liga su texto
            if (motor == Motor::PostgreSQL)
                return *b ? QStringLiteral("true") : QStringLiteral("false");
            return *b ? -1 : 0;
        }
        break;
    case TipoColumna::Fecha:
        if (const QDate f = leerFechaLibre(t); f.isValid())
            return f;
        break;
    case TipoColumna::Hora:
        if (const QTime h = leerHoraLibre(t); h.isValid())
            return h;
        break;
    case TipoColumna::FechaHora:
        if (const QDateTime fh = leerFechaHora(t); fh.isValid())
            return fh;
        break;
    case TipoColumna::Texto:
        break;
    }
    noSeLee(texto, columna, tabla);
}

QString texto(const QVariant& valor, TipoColumna tipo)
{
    if (valor.isNull() || !valor.isValid())
        return QString();
    switch (tipo) {
    case TipoColumna::Entero: {
        bool ok = false;
        const qlonglong n = valor.toLongLong(&ok);
        if (ok)
            return QString::number(n);
        const QString t = valor.toString().trimmed();
        const auto marca = leerPalabraMarca(t);
        return marca ? QString::number(*marca) : t;
    }
    case TipoColumna::Decimal: {
        bool ok = false;
        const double d = valor.toDouble(&ok);
        return ok ? Valores::normalizarDecimal(d) : valor.toString();
    }
    case TipoColumna::Logico: {
        if (valor.typeId() == QMetaType::Bool)
            return valor.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
        const QString t = valor.toString().trimmed();
        if (const auto marca = leerPalabraMarca(t))
            return QString::number(*marca);
        bool ok = false;
        const int n = t.toInt(&ok);
        return ok ? (n ? QStringLiteral("-1") : QStringLiteral("0")) : t;
    }
    case TipoColumna::Fecha: {
        const QDate f = fechaDeValor(valor);
        return f.isValid() ? f.toString(Qt::ISODate) : valor.toString();
    }
    case TipoColumna::Hora: {
        const QTime h = horaDeValor(valor);
        return h.isValid() ? h.toString(QStringLiteral("HH:mm:ss")) : valor.toString();
    }
    case TipoColumna::FechaHora: {
        const QDate f = fechaDeValor(valor);
        const QTime h = horaDeValor(valor);
        if (!f.isValid())
            return valor.toString();
        return f.toString(Qt::ISODate) + QLatin1Char(' ') + (h.isValid() ? h : QTime(0, 0)).toString(QStringLiteral("HH:mm:ss"));
    }
    case TipoColumna::Texto:
        break;
    }
    return valor.toString();
}

}  // namespace ValorColumna
