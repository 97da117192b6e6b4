// Un puesto de pega que hace hojas de bono seguidas, para la prueba de dos
// cajas imprimiendo a la vez. La hoja j del puesto k es la factura 100k+j,
// de 20+j sesiones, del servicio "Servicio Pk".
//   puesto_informe <suite.ini> <hojas> <puesto> <carpeta de documentos>
#include "datos/Componentes.h"
#include "datos/Error.h"
#include "datos/Globales.h"
#include "informes/DatosInformes.h"
#include "informes/DocumentoInforme.h"
#include "plataforma/ConfiguracionSuite.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int puesto = args.at(3).toInt();
    try {
        ConfiguracionSuite::ponerRuta(args.at(1));
        Componentes::abridor().Abrir(QString(), gConexion);
        DocumentoInforme::ponerCarpeta(args.at(4));
        for (int j = 0; j < args.at(2).toInt(); ++j) {
            const int numero = 100 * puesto + j;
            DocumentoInforme doc(QString::number(numero));
            CrearReportBonos(doc, numero, {QStringLiteral("Bonos de Servicios"), QString::number(puesto),
                                           QStringLiteral("Servicio P%1").arg(puesto), QString::number(20 + j),
                                           QStringLiteral("10"), QString(), QString(), QDate(2025, 1, 1),
                                           QDate(2025, 12, 31)});
            doc.imprimir(QStringLiteral("Q_BonosServicios.rpt"));
        }
    } catch (const ErrorTarvelo& e) {
        QTextStream(stderr) << e.descripcion() << '\n' << e.detalle() << '\n';
        return 1;
    }
    return 0;
}
