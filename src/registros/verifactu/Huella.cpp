#include "registros/verifactu/Huella.h"

#include "datos/Valores.h"

#include <QCryptographicHash>
#include <QStringList>
#include <cmath>

namespace VeriFactu {
namespace {

QString unir(std::initializer_list<std::pair<const char*, const QString&>> pares)
{
    QStringList l;
    for (const auto& [nombre, valor] : pares)
        l << QLatin1String(nombre) + QLatin1Char('=') + valor.trimmed();
    return l.join(QLatin1Char('&'));
}

}  // namespace

QString textoHuella(const CamposAlta& c)
{
    return unir({{"IDEmisorFactura", c.idEmisor},
                 {"NumSerieFactura", c.numSerie},
                 {"FechaExpedicionFactura", c.fechaExpedicion},
                 {"TipoFactura", c.tipoFactura},
                 {"CuotaTotal", c.cuotaTotal},
                 {"ImporteTotal", c.importeTotal},
                 {"Huella", c.huellaAnterior},
                 {"FechaHoraHusoGenRegistro", c.fechaHoraHuso}});
}

QString textoHuella(const CamposAnulacion& c)
{
    return unir({{"IDEmisorFacturaAnulada", c.idEmisor},
                 {"NumSerieFacturaAnulada", c.numSerie},
                 {"FechaExpedicionFacturaAnulada", c.fechaExpedicion},
                 {"Huella", c.huellaAnterior},
                 {"FechaHoraHusoGenRegistro", c.fechaHoraHuso}});
}

QString huella(const QString& texto)
{
    return QString::fromLatin1(QCryptographicHash::hash(texto.toUtf8(), QCryptographicHash::Sha256).toHex().toUpper());
}

qint64 centimos(double valor)
{
    return std::llround(Valores::redondear(valor, 2) * 100);
}

QString importeCentimos(qint64 c)
{
    const qint64 a = c < 0 ? -c : c;
    return QStringLiteral("%1%2.%3")
        .arg(c < 0 ? QStringLiteral("-") : QString())
        .arg(a / 100)
        .arg(a % 100, 2, 10, QLatin1Char('0'));
}

QString importe(double valor)
{
    return importeCentimos(centimos(valor));
}

QString fecha(const QDate& f)
{
    return f.toString(QStringLiteral("dd-MM-yyyy"));
}

QString fechaHoraHuso(const QDateTime& instante, const QTimeZone& zona)
{
    const QDateTime local = instante.toTimeZone(zona);
    const int segundos = local.offsetFromUtc();
    const int minutos = std::abs(segundos) / 60;
    return local.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + (segundos < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2").arg(minutos / 60, 2, 10, QLatin1Char('0')).arg(minutos % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace VeriFactu
