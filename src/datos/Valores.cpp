#include "datos/Valores.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

AjustesRegionales AjustesRegionales::delSistema()
{
    const QLocale l = QLocale::system();
    AjustesRegionales a;
    const QString punto = l.decimalPoint();
    a.separadorDecimal = punto.isEmpty() ? QLatin1Char('.') : punto.at(0);
    QString f = l.dateFormat(QLocale::ShortFormat);
    // La fecha corta siempre con el año entero
    if (!f.contains(QLatin1String("yyyy")))
        f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    a.formatoFechaCorta = f;
    a.formatoHora = QStringLiteral("HH:mm:ss");
    return a;
}

AjustesRegionales AjustesRegionales::espanoles()
{
    return AjustesRegionales{};
}

namespace Valores {
namespace {
AjustesRegionales& ajustes()
{
    static AjustesRegionales a = AjustesRegionales::delSistema();
    return a;
}

// Cifras (15 significativas) y exponente decimal de |valor|:
// valor = 0.d1d2...d15 * 10^(exp+1)
void cifras(double valor, QString& digitos, int& exponente)
{
    const QString e = QString::number(std::fabs(valor), 'e', 14);  // d.dddddddddddddde±XX
    const int pe = e.indexOf(QLatin1Char('e'));
    digitos = e.left(pe).remove(QLatin1Char('.'));
    exponente = e.mid(pe + 1).toInt();
}
}  // namespace

const AjustesRegionales& regionales()
{
    return ajustes();
}

void ponerRegionales(const AjustesRegionales& a)
{
    ajustes() = a;
}

QString numeroATexto(double valor, QChar separador)
{
    if (valor == 0 || std::isnan(valor))
        return QStringLiteral("0");
    QString t = QString::number(valor, 'g', 15);
    t.replace(QLatin1Char('e'), QLatin1Char('E'));
    t.replace(QLatin1Char('.'), separador);
    return t;
}

QString numeroATexto(double valor)
{
    return numeroATexto(valor, regionales().separadorDecimal);
}

QString normalizarDecimal(double valor)
{
    return numeroATexto(valor, QLatin1Char(','));
}

double redondear(double valor, int decimales)
{
    if (valor == 0 || !std::isfinite(valor))
        return valor;
    QString digitos;
    int exponente;
    cifras(valor, digitos, exponente);
    // Cifras que se conservan: las enteras (exponente+1) más los decimales pedidos
    const int conservar = exponente + 1 + decimales;
    if (conservar >= digitos.size())
        return valor;
    if (conservar < 0)
        return 0.0;
    QString base = digitos.left(conservar);
    const bool subir = digitos.at(conservar) >= QLatin1Char('5');
    qint64 entero = base.isEmpty() ? 0 : base.toLongLong();
    if (subir)
        ++entero;
    // entero * 10^(-decimales), con el signo original
    double r = double(entero) / std::pow(10.0, decimales);
    // Dividir por una potencia exacta deja el double más cercano al decimal
    r = QString::number(r, 'g', 15).toDouble();
    return valor < 0 ? -r : r;
}

QString mostrarImporte(double valor, int decimales, QChar separador)
{
    if (decimales < 0)
        decimales = 0;
    double r = redondear(valor, decimales);
    if (r == 0)
        r = 0;  // sin "-0"
    QString t = QString::number(r, 'f', decimales);
    t.replace(QLatin1Char('.'), separador);
    return t;
}

QString mostrarImporte(double valor, int decimales)
{
    return mostrarImporte(valor, decimales, regionales().separadorDecimal);
}

double leerNumero(const QString& texto, bool* ok)
{
    static const QRegularExpression re(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eE][+-]?\\d+)?$"));
    QString t = texto.trimmed();
    t.remove(QLatin1Char(' '));
    if (ok)
        *ok = true;
    if (t.isEmpty())
        return 0;
    if (!re.match(t).hasMatch()) {
        if (ok)
            *ok = false;
        return 0;
    }
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return t.toDouble();
}

double leerNumeroIndulgente(const QString& texto)
{
    static const QRegularExpression re(QStringLiteral("^\\s*([+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eE][+-]?\\d+)?)"));
    static const QRegularExpression blancos(QStringLiteral("[ \\t\\n\\r]"));
    // Como Val, los blancos no cuentan ni dentro del número
    QString t = texto;
    t.remove(blancos);
    const auto m = re.match(t);
    if (!m.hasMatch())
        return 0;
    t = m.captured(1);
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return t.toDouble();
}

QString fechaCorta(const QDate& f)
{
    return f.isValid() ? f.toString(regionales().formatoFechaCorta) : QString();
}

QDate leerFecha(const QString& texto)
{
    const QString t = texto.trimmed();
    for (const QString& formato : {regionales().formatoFechaCorta, QStringLiteral("d/M/yyyy"),
                                   QStringLiteral("d-M-yyyy"), QStringLiteral("yyyy-MM-dd")}) {
        const QDate f = QDate::fromString(t, formato);
        if (f.isValid())
            return f;
    }
    return {};
}

QString horaTexto(const QTime& h)
{
    return h.isValid() ? h.toString(regionales().formatoHora) : QString();
}

QTime leerHora(const QString& texto)
{
    const QString t = texto.trimmed();
    for (const QString& formato : {regionales().formatoHora, QStringLiteral("H:mm:ss"), QStringLiteral("H:mm")}) {
        const QTime h = QTime::fromString(t, formato);
        if (h.isValid())
            return h;
    }
    return {};
}

}  // namespace Valores
