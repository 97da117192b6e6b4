// Un puesto que arranca, para las pruebas de varios puestos a la vez: abre la
// base de datos de la configuración de la suite que se le da, dice "listo",
// espera "ya" por la entrada y da los pasos del arranque que añaden las filas
// que faltan (campo de orden de la caja y semáforos). Termina con 0 si todo fue bien.
//   puesto_arranque <suite.ini>
#include "datos/Componentes.h"
#include "datos/Error.h"
#include "datos/Globales.h"
#include "datos/Semaforos.h"
#include "plataforma/ConfiguracionSuite.h"
#include "principal/Cargadores.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream errores(stderr);
    if (args.size() != 2) {
        errores << "uso: puesto_arranque <suite.ini>\n";
        return 2;
    }
    try {
        ConfiguracionSuite::ponerRuta(args.at(1));
        Componentes::abridor().Abrir(QString(), gConexion);
        std::fputs("listo\n", stdout);
        std::fflush(stdout);
        char linea[16];
        if (!std::fgets(linea, sizeof linea, stdin))
            return 3;
        gSemaforosActivos = SemaforosActivos();
        ObtenerCampoOrdenItemsCaja();
        if (gSemaforosActivos)
            CrearSemaforos();
    } catch (const ErrorTarvelo& e) {
        errores << e.descripcion() << "\n";
        return 1;
    }
    gConexion.cerrar();
    return 0;
}
