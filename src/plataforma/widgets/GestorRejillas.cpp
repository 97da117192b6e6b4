#include "plataforma/widgets/GestorRejillas.h"

#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Valores.h"
#include "plataforma/widgets/Rejilla.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QLoggingCategory>
#include <algorithm>

Q_DECLARE_LOGGING_CATEGORY(lcRejilla)

namespace {

Qt::Alignment leerAlineacion(const QString& palabra, bool* ok)
{
    *ok = true;
    if (palabra.compare(QLatin1String("Izquierda"), Qt::CaseInsensitive) == 0)
        return Qt::AlignLeft;
    if (palabra.compare(QLatin1String("Centrado"), Qt::CaseInsensitive) == 0)
        return Qt::AlignHCenter;
    if (palabra.compare(QLatin1String("Derecha"), Qt::CaseInsensitive) == 0)
        return Qt::AlignRight;
    *ok = false;
    return Qt::AlignLeft;
}

// Fecha ISO tal como la guarda SQLite ("2024-05-31" o "2024-05-31 10:30:00")
bool esFechaIso(const QString& t)
{
    if (t.size() != 10 && t.size() != 19 && t.size() != 23)
        return false;
    const QChar* c = t.constData();
    return c[4] == QLatin1Char('-') && c[7] == QLatin1Char('-') && c[0].isDigit() && c[3].isDigit()
           && c[5].isDigit() && c[9].isDigit() && (t.size() == 10 || c[10] == QLatin1Char(' ') || c[10] == QLatin1Char('T'));
}

// Hora tal como la guarda SQLite ("10:30:00" o "10:30:00.000")
bool esHoraIso(const QString& t)
{
    if (t.size() != 8 && t.size() != 12)
        return false;
    const QChar* c = t.constData();
    return c[2] == QLatin1Char(':') && c[5] == QLatin1Char(':') && c[0].isDigit() && c[1].isDigit()
           && c[3].isDigit() && c[4].isDigit() && c[6].isDigit() && c[7].isDigit()
           && (t.size() == 8 || c[8] == QLatin1Char('.'));
}


}  // namespace

QList<FormatoColumna> GestorRejillas::leerFormato(const QString& formato)
{
    QStringList entradas = formato.split(QLatin1Char(';'));
    if (!entradas.isEmpty() && entradas.constLast().trimmed().isEmpty())
        entradas.removeLast();
    QList<FormatoColumna> columnas;
    columnas.reserve(entradas.size());
    for (int i = 0; i < entradas.size(); ++i) {
        const QString& entrada = entradas.at(i);
        const int barra = entrada.indexOf(QLatin1Char('/'));
        auto error = [&](const QString& motivo) {
            return ErrorTarvelo(QStringLiteral("Formato de rejilla no válido en la columna %1 («%2»): %3.\nFormato: %4")
                                    .arg(i)
                                    .arg(entrada, motivo, formato));
        };
        if (barra < 0)
            throw error(QStringLiteral("falta la «/» entre el ancho y la alineación"));
        bool ok = false;
        const QString textoAncho = entrada.left(barra).trimmed();
        FormatoColumna f;
        f.ancho = textoAncho.isEmpty() ? -1 : Valores::leerNumero(textoAncho, &ok);
        if (!ok || f.ancho < 0)
            throw error(QStringLiteral("el ancho «%1» no es un número de twips").arg(textoAncho));
        f.alineacion = leerAlineacion(entrada.mid(barra + 1).trimmed(), &ok);
        if (!ok)
            throw error(QStringLiteral("la alineación «%1» no es Izquierda, Centrado ni Derecha")
                            .arg(entrada.mid(barra + 1).trimmed()));
        columnas.append(f);
    }
    return columnas;
}

void GestorRejillas::PrepararRejilla(Rejilla& rejilla, const QString& titulos, const QString& formato)
{
    const QStringList lista = titulos.split(QLatin1Char(';'));
    const QList<FormatoColumna> columnas = leerFormato(formato);
    if (columnas.size() != lista.size())
        throw ErrorTarvelo(QStringLiteral("La rejilla «%1» tiene %2 títulos y su formato %3 columnas.\nTítulos: %4\nFormato: %5")
                               .arg(rejilla.objectName())
                               .arg(lista.size())
                               .arg(columnas.size())
                               .arg(titulos, formato));
    rejilla.ponerTitulos(lista);
    for (int c = 0; c < columnas.size(); ++c) {
        rejilla.ponerAnchoColumna(c, columnas.at(c).ancho);
        rejilla.ponerAlineacionColumna(c, columnas.at(c).alineacion);
    }
}

namespace {

// Valores de una consulta como textos de la rejilla. Las fechas se repiten
// mucho en las listas: cada una se escribe una vez y se comparte el texto.
class Conversor {
public:
    QString texto(const QVariant& valor);

private:
    QString fecha(const QDate& f)
    {
        auto i = m_fechas.constFind(f.toJulianDay());
        if (i == m_fechas.cend())
            i = m_fechas.insert(f.toJulianDay(), Valores::fechaCorta(f));
        return *i;
    }
    QString fechaHora(const QDateTime& fh)
    {
        // Como el sistema heredado: la medianoche no se escribe
        if (fh.time() == QTime(0, 0))
            return fecha(fh.date());
        return fecha(fh.date()) + QLatin1Char(' ') + Valores::horaTexto(fh.time());
    }

    QHash<qint64, QString> m_fechas;
};

QString Conversor::texto(const QVariant& valor)
{
    if (valor.isNull())
        return {};
    switch (valor.typeId()) {
    case QMetaType::QString: {
        const QString t = valor.toString();
        if (esFechaIso(t)) {
            if (t.size() == 10) {
                const QDate f = QDate::fromString(t, Qt::ISODate);
                if (f.isValid())
                    return fecha(f);
            } else {
                const QDateTime fh = QDateTime::fromString(t.left(19).replace(QLatin1Char(' '), QLatin1Char('T')), Qt::ISODate);
                if (fh.isValid())
                    return fechaHora(fh);
            }
        } else if (esHoraIso(t)) {
            const QTime h = QTime::fromString(t.left(8), QStringLiteral("HH:mm:ss"));
            if (h.isValid())
                return Valores::horaTexto(h);
        }
        return t;
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return Valores::numeroATexto(valor.toDouble());
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return valor.toString();
    case QMetaType::Bool:
        return valor.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
    case QMetaType::QDate:
        return fecha(valor.toDate());
    case QMetaType::QDateTime:
        return fechaHora(valor.toDateTime());
    case QMetaType::QTime:
        return Valores::horaTexto(valor.toTime());
    default:
        return valor.toString();
    }
}

}  // namespace

QString GestorRejillas::textoDeValor(const QVariant& valor)
{
    return Conversor().texto(valor);
}

void GestorRejillas::LlenarRejilla(Conexion& conexion, const QString& consulta, Rejilla& rejilla,
                                   const QVariantList& valores)
{
    QElapsedTimer reloj;
    reloj.start();
    Consulta c(conexion, consulta, valores);
    const int columnas = c.columnas();
    if (columnas < 1)
        throw ErrorTarvelo(QStringLiteral("La consulta de la rejilla «%1» no devuelve columnas: %2")
                               .arg(rejilla.objectName(), consulta));
    // Se lee todo antes de tocar la rejilla: una lectura que falla la deja como estaba
    // Las columnas preparadas de más (la que se llena al pulsar la fila) quedan vacías
    const int ancho = std::max(columnas, rejilla.columnas());
    QList<QString> celdas;
    Conversor conversor;
    while (c.siguiente()) {
        for (int i = 0; i < columnas; ++i)
            celdas.append(conversor.texto(c.valor(i)));
        for (int i = columnas; i < ancho; ++i)
            celdas.append(QString());
    }
    c.cerrar();
    const qsizetype filas = celdas.size() / ancho;
    rejilla.ponerDatos(std::move(celdas), ancho);
    qCDebug(lcRejilla) << "rejilla" << rejilla.objectName() << "llena con" << filas << "filas en" << reloj.elapsed() << "ms";
}
