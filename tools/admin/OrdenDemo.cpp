// Orden demo: la tienda de demostración y la configuración de la suite
#include "AnalizadorOrden.h"
#include "CreadorBase.h"
#include "DatosBase.h"
#include "Demo.h"
#include "Esquema.h"
#include "OpcionesConexion.h"
#include "Ordenes.h"
#include "Puesto.h"
#include "datos/Error.h"
#include "plataforma/ConfiguracionSuite.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

namespace Ordenes {
namespace {

void escribirResumen(QTextStream& out, const ResumenDemo& r)
{
    out << "  secciones " << r.secciones << ", servicios " << r.servicios << ", packs " << r.familias
        << ", empleados " << r.empleados << ", formas de pago " << r.formasPago << '\n'
        << "  clientes " << r.clientes << ", bonos " << r.bonos << ", consumos " << r.consumos << ", facturas "
        << r.facturas << ", pagos a cuenta " << r.pagosCuenta << ", abonos " << r.abonos << '\n';
}

}  // namespace

int demo(const QStringList& args)
{
    AnalizadorOrden a(QStringLiteral("demo"),
                      QStringLiteral("Crea la tienda de demostración si falta: con --carpeta, en SQLite dentro de "
                                     "esa carpeta (tienda.db e informes.db); si no, en la base que dan las opciones "
                                     "de conexión o la suite. Da de alta el puesto y escribe la configuración de la "
                                     "suite que apunta a ella. Una tienda que ya existe no se toca."));
    OpcionesConexion::anadir(a.parser());
    a.parser().addOptions({
        {QStringLiteral("carpeta"), QStringLiteral("Carpeta de la tienda de demostración en SQLite."),
         QStringLiteral("carpeta")},
        {QStringLiteral("bonos"),
         QStringLiteral("Bonos generados de más, para una tienda grande (p. ej. 100000)."), QStringLiteral("n")},
        {QStringLiteral("puesto"),
         QStringLiteral("Identificador del puesto que se da de alta (por defecto, el de la suite)."),
         QStringLiteral("id")},
        {QStringLiteral("terminal"), QStringLiteral("Nombre de terminal del puesto (por defecto CAJA1)."),
         QStringLiteral("nombre")},
        {QStringLiteral("impresora-ticket"),
         QStringLiteral("Impresora de tickets del puesto: fichero de dispositivo, servidor:puerto o cola de CUPS."),
         QStringLiteral("destino")},
        {QStringLiteral("central"), QStringLiteral("La tienda es la instalación central de la cadena (\"Servidor\").")},
    });
    if (!a.analizar(args))
        return 0;
    OpcionesConexion::aplicarSuite(a.parser());
    const int bonos = a.entero(QStringLiteral("bonos"), 0, 0, 10000000);

    ParametrosConexion tienda, informes;
    if (a.parser().isSet(QStringLiteral("carpeta"))) {
        if (OpcionesConexion::dadas(a.parser()))
            throw ErrorTarvelo(QStringLiteral("Con --carpeta no se dan opciones de conexión."));
        const QDir carpeta(QDir(a.parser().value(QStringLiteral("carpeta"))).absolutePath());
        tienda.baseDatos = carpeta.filePath(QStringLiteral("tienda.db"));
        informes.baseDatos = carpeta.filePath(QStringLiteral("informes.db"));
    } else {
        tienda = OpcionesConexion::tienda(a.parser());
        informes = OpcionesConexion::informes(a.parser(), tienda);
    }

    OpcionesDemo o;
    o.puesto = a.parser().isSet(QStringLiteral("puesto")) ? a.parser().value(QStringLiteral("puesto")).trimmed()
                                                         : ConfiguracionSuite::identificadorPuesto();
    if (a.parser().isSet(QStringLiteral("terminal")))
        o.terminal = a.parser().value(QStringLiteral("terminal")).trimmed();
    o.impresoraTicket = a.parser().value(QStringLiteral("impresora-ticket"));
    o.central = a.parser().isSet(QStringLiteral("central"));
    o.bonosGenerados = bonos;

    QTextStream out(stdout);
    CreadorBase::crearSiFalta(informes);
    {
        Conexion ci;
        ci.abrir(informes);
        Esquema::actualizar(ci, Esquema::Base::Informes);
    }
    CreadorBase::crearSiFalta(tienda);
    Conexion c;
    c.abrir(tienda);
    Esquema::actualizar(c, Esquema::Base::Tienda);
    if (!Demo::tieneDatos(c)) {
        QElapsedTimer reloj;
        reloj.start();
        const ResumenDemo r = Demo::sembrar(c, o);
        out << "Tienda de demostración creada en " << tienda.descripcion() << " (" << reloj.elapsed() << " ms):\n";
        escribirResumen(out, r);
    } else {
        DatosBase::sembrar(c, o.tipoNegocio);
        out << "La tienda de demostración ya existe en " << tienda.descripcion() << "; no se cambian sus datos.\n";
        if (bonos > 0)
            out << "No se añaden los " << bonos << " bonos: bórrela para crearla de nuevo más grande.\n";
        if (!Puesto::leer(c, o.puesto)) {
            DatosPuesto p;
            p.identificador = o.puesto;
            p.terminal = o.terminal;
            p.impresoraTicket = o.impresoraTicket;
            p.tipoNegocio = o.tipoNegocio;
            Puesto::registrar(c, p);
            out << "Puesto " << o.puesto << " dado de alta.\n";
        }
    }
    OpcionesConexion::guardarEnSuite(tienda, informes);
    ConfiguracionSuite::guardarIdentificadorPuesto(o.puesto);
    out << "Configuración de la suite: " << ConfiguracionSuite::ruta() << " (puesto " << o.puesto << ")\n";
    return 0;
}

}  // namespace Ordenes
