// Lectura de números, estricta e indulgente: nunca falla ni da un no-número,
// lo que la estricta acepta lo lee igual la indulgente, y lo escrito se vuelve
// a leer igual
#include "Comun.h"
#include "datos/Valores.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tam)
{
    const QString texto = textoDe(datos, tam);
    for (const QChar separador : {QLatin1Char(','), QLatin1Char('.')}) {
        AjustesRegionales a = AjustesRegionales::espanoles();
        a.separadorDecimal = separador;
        Valores::ponerRegionales(a);
        bool ok = false;
        const double estricto = Valores::leerNumero(texto, &ok);
        const double indulgente = Valores::leerNumeroIndulgente(texto);
        if (std::isnan(indulgente))
            hallazgo("la lectura indulgente da un no-número", texto);
        if (!ok)
            continue;
        if (!std::isfinite(estricto))
            continue;  // "1e999": infinito en las dos
        if (estricto != indulgente)
            hallazgo("la estricta y la indulgente leen distinto", texto);
        bool otra = false;
        const double vuelta = Valores::leerNumero(Valores::numeroATexto(estricto), &otra);
        // 15 cifras significativas: lo escrito se lee con ese margen
        if (!otra || std::abs(vuelta - estricto) > std::abs(estricto) * 1e-14)
            hallazgo("lo escrito no se vuelve a leer igual", texto + QStringLiteral(" -> ") +
                                                                   Valores::numeroATexto(estricto));
    }
    return 0;
}
