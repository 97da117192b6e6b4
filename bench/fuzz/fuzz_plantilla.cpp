// Plantillas de informe: una plantilla mal hecha se dice (ErrorInforme) y
// nunca rompe el programa; los valores salen siempre escapados
#include "Comun.h"
#include "datos/ComponentesSuite.h"
#include "datos/Globales.h"
#include "plataforma/informes/PlantillaInforme.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tam)
{
    const QString plantilla = textoDe(datos, tam);
    // Un valor con marcas: si aparece tal cual, no se escapó
    const QString marcado = QStringLiteral("<QZX&\"'>");
    FilasInforme filas;
    filas.columnas = {QStringLiteral("texto1"), QStringLiteral("numero1"), QStringLiteral("fecha1"),
                      QStringLiteral("numero2")};
    filas.filas = {{marcado, 12.5, QDate(2026, 2, 28), QVariant()},
                   {QStringLiteral("dos"), -0.005, QVariant(), 1e15},
                   {QVariant(), QStringLiteral("no es número"), QStringLiteral("ni fecha"), 0}};
    gNumDecimales = 2;
    QString html;
    try {
        html = PlantillaInforme::componer(plantilla, filas, QStringLiteral("prueba.rpt"));
    } catch (const ErrorInforme&) {
        return 0;
    }
    if (!plantilla.contains(QStringLiteral("QZX")) && html.contains(QStringLiteral("<QZX")))
        hallazgo("un valor sale sin escapar", plantilla);
    return 0;
}
