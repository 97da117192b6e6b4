#include "datos/FechaJornada.h"

#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Globales.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcJornada, "tarvelo.jornada", QtWarningMsg)

namespace {

std::function<QDateTime()>& reloj()
{
    static std::function<QDateTime()> r;
    return r;
}

// Horas que se usan cuando las del puesto no se pueden leer
constexpr int kAperturaPorDefecto = 4;
constexpr int kCierrePorDefecto = 3;

int horaDe(const Consulta& c, const QString& campo)
{
    const QTime h = c.hora(campo);
    if (!h.isValid())
        throw ErrorTarvelo(QStringLiteral("La hora «%1» de entradas no se puede leer.").arg(campo));
    return h.hour();
}

}  // namespace

namespace FechaJornada {

void ponerReloj(std::function<QDateTime()> r)
{
    reloj() = std::move(r);
}

QDateTime ahora()
{
    return reloj() ? reloj()() : QDateTime::currentDateTime();
}

}  // namespace FechaJornada

QDate ObtenerFechaJornada()
{
    const QDateTime momento = FechaJornada::ahora();
    const int ahora = momento.time().hour();
    int apertura = 0;
    int cierre = 0;
    try {
        Consulta c(gConexion, QStringLiteral("Select Horaapertura,HoraCierre from entradas where identificador = ?"),
                   {gIdentificadorPuesto});
        if (c.siguiente()) {
            apertura = horaDe(c, QStringLiteral("horaapertura"));
            cierre = horaDe(c, QStringLiteral("horacierre"));
        }
    } catch (const ErrorTarvelo& e) {
        // Horas vacías o ilegibles, o la tabla que no se puede leer: se cuenta
        // como si cerrara a las 3 y abriera a las 4
        qCInfo(lcJornada) << e.descripcion();
        apertura = kAperturaPorDefecto;
        cierre = kCierrePorDefecto;
    }
    if (apertura > cierre && ahora < cierre)
        return momento.date().addDays(-1);
    return momento.date();
}
