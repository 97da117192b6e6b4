#include "registros/verifactu/UrlQr.h"

#include "registros/verifactu/RegistroAlta.h"

#include <QStringList>
#include <QUrl>

namespace VeriFactu {

QString urlQr(const QString& nif, const QString& numSerie, const QString& fecha, const QString& importe, bool pruebas)
{
    const QString sede = pruebas ? QStringLiteral("https://prewww2.aeat.es/wlpl/TIKE-CONT/ValidarQR")
                                 : QStringLiteral("https://www2.agenciatributaria.gob.es/wlpl/TIKE-CONT/ValidarQR");
    // Cada valor codificado entero: un "&" o un "/" del número de factura no parte la dirección
    QStringList pares;
    for (const auto& [nombre, valor] : {std::pair{"nif", nif}, std::pair{"numserie", numSerie},
                                        std::pair{"fecha", fecha}, std::pair{"importe", importe}})
        pares << QLatin1String(nombre) + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(valor.trimmed()));
    return sede + QLatin1Char('?') + pares.join(QLatin1Char('&'));
}

QString urlQrGuardada(const QString& documento, int numero)
{
    return altaGuardada(documento, numero).urlQr;
}

}  // namespace VeriFactu
