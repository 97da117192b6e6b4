#include "plataforma/informes/PlantillaInforme.h"

#include "datos/ComponentesSuite.h"
#include "datos/Globales.h"
#include "datos/Valores.h"
#include "datos/Consulta.h"

#include <QRegularExpression>

namespace PlantillaInforme {
namespace {

const QRegularExpression kCampo(QStringLiteral(R"(\{(suma:)?([a-z]+[0-9]+(?:[+-][a-z]+[0-9]+)*)(?:\|([a-z]+))?\})"),
                                QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kSi(QStringLiteral(R"(<!--\s*si\s+([a-z]+[0-9]+)\s*(?:=([^>]*?))?\s*-->(.*?)<!--\s*fin si\s*-->)"),
                             QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
const QRegularExpression kSiNo(QStringLiteral(R"(<!--\s*si no\s*-->)"), QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kFilas(QStringLiteral(R"(<!--\s*filas\s*-->(.*?)<!--\s*/filas\s*-->)"),
                                QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);

class Composicion {
public:
    Composicion(const FilasInforme& d, const QString& nombre) : m_d(d), m_nombre(nombre) {}

    QString seccion(QString texto, int fila) const
    {
        texto = condiciones(texto, fila);
        QString salida;
        qsizetype desde = 0;
        for (auto it = kCampo.globalMatch(texto); it.hasNext();) {
            const auto m = it.next();
            salida += texto.mid(desde, m.capturedStart() - desde);
            salida += campo(m, fila).toHtmlEscaped();
            desde = m.capturedEnd();
        }
        return salida + texto.mid(desde);
    }

private:
    int columna(const QString& nombre) const
    {
        const int i = int(m_d.columnas.indexOf(nombre.toLower()));
        if (i < 0)
            throw ErrorInforme(ErrorInforme::CampoDesconocido,
                               QStringLiteral("La plantilla %1 usa el campo «%2», que no está en la tabla de "
                                              "informes.")
                                   .arg(m_nombre, nombre));
        return i;
    }
    QVariant valor(const QString& nombre, int fila) const
    {
        const int c = columna(nombre);
        return fila < m_d.filas.size() ? m_d.filas.at(fila).value(c) : QVariant();
    }

    QString condiciones(const QString& texto, int fila) const
    {
        QString salida;
        qsizetype desde = 0;
        for (auto it = kSi.globalMatch(texto); it.hasNext();) {
            const auto m = it.next();
            salida += texto.mid(desde, m.capturedStart() - desde);
            const QVariant v = valor(m.captured(1), fila);
            const bool cierta = m.hasCaptured(2)
                                    ? v.toString().trimmed() == m.captured(2).trimmed()
                                    : !v.isNull() && !v.toString().trimmed().isEmpty() && v.toString() != QLatin1String("0");
            const QStringList ramas = m.captured(3).split(kSiNo);
            salida += cierta ? ramas.value(0) : ramas.value(1);
            desde = m.capturedEnd();
        }
        return salida + texto.mid(desde);
    }

    // a-b+c en una fila, o sumado en todas
    double expresion(const QString& e, int fila, bool suma) const
    {
        static const QRegularExpression termino(QStringLiteral("([+-]?)([a-z]+[0-9]+)"),
                                                QRegularExpression::CaseInsensitiveOption);
        double total = 0;
        for (auto it = termino.globalMatch(e); it.hasNext();) {
            const auto m = it.next();
            const int c = columna(m.captured(2));
            double v = 0;
            if (suma)
                for (const QVariantList& f : m_d.filas)
                    v += f.value(c).toDouble();
            else
                v = valor(m.captured(2), fila).toDouble();
            total += m.captured(1) == QLatin1String("-") ? -v : v;
        }
        return total;
    }

    QString campo(const QRegularExpressionMatch& m, int fila) const
    {
        const bool suma = m.capturedLength(1) > 0;
        const QString e = m.captured(2);
        const QString formato = m.captured(3).toLower();
        const bool compuesta = suma || e.contains(QLatin1Char('+')) || e.contains(QLatin1Char('-'));
        const QVariant v = compuesta ? QVariant(expresion(e, fila, suma)) : valor(e, fila);
        if (v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty()))
            return {};
        if (formato == QLatin1String("importe"))
            return Valores::mostrarImporte(v.toDouble(), gNumDecimales);
        if (formato == QLatin1String("entero"))
            return QString::number(qRound64(v.toDouble()));
        if (formato == QLatin1String("numero"))
            return Valores::numeroATexto(v.toDouble());
        if (formato == QLatin1String("fecha"))
            return Valores::fechaCorta(fechaDeValor(v));
        if (!formato.isEmpty())
            throw ErrorInforme(ErrorInforme::PlantillaMal,
                               QStringLiteral("La plantilla %1 pide el formato «%2», que no existe (importe, "
                                              "entero, numero o fecha).")
                                   .arg(m_nombre, formato));
        if (v.typeId() == QMetaType::Double)
            return Valores::numeroATexto(v.toDouble());
        if (v.typeId() == QMetaType::QDate)
            return Valores::fechaCorta(v.toDate());
        return v.toString();
    }

    const FilasInforme& m_d;
    const QString& m_nombre;
};

}  // namespace

QString componer(const QString& plantilla, const FilasInforme& datos, const QString& nombre)
{
    const Composicion c(datos, nombre);
    const auto filas = kFilas.match(plantilla);
    if (!filas.hasMatch())
        return c.seccion(plantilla, 0);
    QString repetida;
    for (int i = 0; i < datos.filas.size(); ++i)
        repetida += c.seccion(filas.captured(1), i);
    return c.seccion(plantilla.left(filas.capturedStart()), 0) + repetida
           + c.seccion(plantilla.mid(filas.capturedEnd()), 0);
}

}  // namespace PlantillaInforme
