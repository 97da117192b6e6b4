// Puesto de las medidas: abre la base de datos de la configuración de la suite
// que se le da, dice "listo", espera "ya" por la entrada y saca N números de
// factura. Termina con 0 si todo fue bien.
//   puesto_medida <suite.ini> <números>
#include "datos/Componentes.h"
#include "datos/Error.h"
#include "datos/Numeracion.h"
#include "datos/Semaforos.h"
#include "plataforma/ConfiguracionSuite.h"
#include "datos/Globales.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream errores(stderr);
    if (args.size() != 3) {
        errores << "uso: puesto_medida <suite.ini> <números>\n";
        return 2;
    }
    try {
        ConfiguracionSuite::ponerRuta(args.at(1));
        Componentes::abridor().Abrir(QString(), gConexion);
        gSemaforosActivos = SemaforosActivos();
        std::fputs("listo\n", stdout);
        std::fflush(stdout);
        char linea[16];
        if (!std::fgets(linea, sizeof linea, stdin))
            return 3;
        const int n = args.at(2).toInt();
        for (int i = 0; i < n; ++i)
            ObtenerNumeroFactura();
    } catch (const ErrorTarvelo& e) {
        errores << e.descripcion() << "\n";
        return 1;
    }
    gConexion.cerrar();
    return 0;
}
