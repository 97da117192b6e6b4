#include "Ordenes.h"

#include "datos/Error.h"

#include <QTextStream>
#include <functional>

namespace Ordenes {
namespace {

struct Orden {
    const char* nombre;
    const char* descripcion;
    std::function<int(const QStringList&)> funcion;
};

const Orden kOrdenes[] = {
    {"crear", "Crea (si faltan) y pone al día las bases de la tienda y de informes.", crear},
    {"actualizar", "Pone al día el esquema de las dos bases, que deben existir.", actualizar},
    {"demo", "Crea la tienda de demostración (si falta) y la configuración de la suite.", demo},
    {"registrar-puesto", "Da de alta o cambia un puesto de trabajo.", registrarPuesto},
    {"mostrar-puesto", "Muestra cómo está configurado un puesto de trabajo.", mostrarPuesto},
    {"copia", "Hace una copia de seguridad de las dos bases (con el programa abierto).", copia},
    {"restaurar", "Devuelve las dos bases al estado de una copia.", restaurar},
    {"verificar-cadena", "Comprueba las cadenas de registros de facturación.", verificarCadena},
    {"verifactu", "Enciende, apaga o muestra los registros de facturación.", verifactu},
    {"certificado", "Registra el certificado con que se envían los registros de facturación.", certificado},
};

void ayuda(QTextStream& out)
{
    out << "Uso: tarvelo-admin <orden> [opciones]\n\n"
           "Administración de las bases de datos de la suite: esquema, tienda de\n"
           "demostración, puestos de trabajo y copias de seguridad.\n\n"
           "Órdenes:\n";
    for (const Orden& o : kOrdenes)
        out << "  " << QString::fromLatin1(o.nombre).leftJustified(18) << QString::fromUtf8(o.descripcion) << '\n';
    out << "\nAyuda de cada orden: tarvelo-admin <orden> --help\n";
    out.flush();
}

}  // namespace

int ejecutar(const QStringList& argumentos)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (argumentos.size() < 2 || argumentos.at(1) == QLatin1String("--help")
        || argumentos.at(1) == QLatin1String("-h") || argumentos.at(1) == QLatin1String("ayuda")) {
        ayuda(out);
        return argumentos.size() < 2 ? 1 : 0;
    }
    const QString nombre = argumentos.at(1);
    for (const Orden& o : kOrdenes) {
        if (nombre != QLatin1String(o.nombre))
            continue;
        try {
            return o.funcion(argumentos.mid(1));
        } catch (const ErrorTarvelo& e) {
            err << "Error: " << e.descripcion() << '\n';
            return 1;
        }
    }
    err << "Orden desconocida: " << nombre << "\n\n";
    err.flush();
    ayuda(out);
    return 1;
}

}  // namespace Ordenes
