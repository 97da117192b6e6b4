#include "registros/verifactu/Modo.h"

#include "datos/Consulta.h"
#include "datos/Dialecto.h"
#include "datos/Globales.h"

namespace VeriFactu {

Modo modoTienda()
{
    if (Dialecto::plegar(gRegion.trimmed()) != QLatin1String("espana"))
        return {};
    Consulta c(gConexion, QStringLiteral("select datoa, daton from relaciones_fijas where indice = 'VeriFactu'"));
    if (!c.siguiente())
        return {};
    const QString lugar = c.texto(QStringLiteral("datoa")).trimmed();
    const bool pruebas = c.valor(QStringLiteral("daton")).toInt() != 0;
    if (lugar.isEmpty())
        return {false, {}, pruebas};
    const QString plegado = Dialecto::plegar(lugar);
    QByteArray zona;
    if (plegado == QLatin1String("madrid"))
        zona = "Europe/Madrid";
    else if (plegado == QLatin1String("canarias"))
        zona = "Atlantic/Canary";
    else
        throw ErrorTarvelo(QStringLiteral("El ajuste «VeriFactu» de la tienda dice «%1»: debe ser «Madrid» o "
                                          "«Canarias», según dónde esté la tienda.")
                               .arg(lugar));
    Modo m{true, QTimeZone(zona), pruebas};
    if (!m.zona.isValid())
        throw ErrorTarvelo(QStringLiteral("Falta en este equipo la zona horaria %1, que necesitan los registros de "
                                          "facturación. Instale el paquete tzdata.")
                               .arg(QString::fromLatin1(zona)));
    return m;
}

}  // namespace VeriFactu
