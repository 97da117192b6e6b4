// Órdenes crear y actualizar
#include "AnalizadorOrden.h"
#include "CreadorBase.h"
#include "DatosBase.h"
#include "Esquema.h"
#include "OpcionesConexion.h"
#include "Ordenes.h"
#include "Privilegios.h"
#include "datos/Error.h"
#include "plataforma/ConfiguracionSuite.h"

#include <QTextStream>

namespace Ordenes {
namespace {

QString nombre(Esquema::Base b)
{
    return b == Esquema::Base::Tienda ? QStringLiteral("tienda") : QStringLiteral("informes");
}

// En PostgreSQL, con los roles de la tienda creados, el esquema es del dueño
// y el puesto recibe lo justo de lo que haya tras ponerlo al día
void ponerAlDia(const ParametrosConexion& p, Esquema::Base base, const QString& baseTienda, QTextStream& out)
{
    Conexion c;
    c.abrir(p);
    const Privilegios::Roles roles = Privilegios::roles(baseTienda);
    const bool conRoles = c.motor() == Motor::PostgreSQL && Privilegios::trabajarComoDueno(c, roles);
    const int antes = Esquema::versionInstalada(c, base);
    const int ahora = Esquema::actualizar(c, base);
    if (conRoles)
        Privilegios::darPermisosPuesto(c, roles, base);
    if (antes == ahora)
        out << "Base de " << nombre(base) << " (" << p.descripcion() << "): al día, versión " << ahora << ".\n";
    else
        out << "Base de " << nombre(base) << " (" << p.descripcion() << "): de la versión " << antes
            << " a la " << ahora << ".\n";
}

}  // namespace

int crear(const QStringList& args)
{
    AnalizadorOrden a(QStringLiteral("crear"),
                      QStringLiteral("Crea las bases de datos de la tienda y de informes si no existen (PostgreSQL: "
                                     "en UTF-8, C.UTF-8) y las pone en la última versión del esquema. Añade los "
                                     "contadores, ajustes y esquemas de colores que falten. Con opciones de "
                                     "conexión, las guarda en la configuración de la suite."));
    OpcionesConexion::anadir(a.parser());
    a.parser().addOption({QStringLiteral("tipo-negocio"),
                          QStringLiteral("Tipo de negocio de la instalación: PELUQUERIA (por defecto), ESTETICA, SPA, "
                                         "CLINICAS, PERFUMERIA o TPV."),
                          QStringLiteral("tipo")});
    a.parser().addOption({QStringLiteral("clave-puesto"),
                          QStringLiteral("PostgreSQL: clave del rol con que trabajan los puestos (<base>_puesto). "
                                         "Los puestos se registran con él; sin esta opción el rol queda sin clave, "
                                         "o con la que ya tenía."),
                          QStringLiteral("clave")});
    if (!a.analizar(args))
        return 0;
    OpcionesConexion::aplicarSuite(a.parser());
    const QString clavePuesto = a.parser().value(QStringLiteral("clave-puesto"));
    const QString tipo = a.parser().value(QStringLiteral("tipo-negocio")).trimmed().toUpper();
    if (!tipo.isEmpty() && !DatosBase::tipoNegocioValido(tipo))
        throw ErrorTarvelo(QStringLiteral("Tipo de negocio desconocido: «%1».").arg(tipo));
    const ParametrosConexion tienda = OpcionesConexion::tienda(a.parser());
    const ParametrosConexion informes = OpcionesConexion::informes(a.parser(), tienda);

    if (!clavePuesto.isEmpty() && tienda.motor() != Motor::PostgreSQL)
        throw ErrorTarvelo(QStringLiteral("La opción --clave-puesto solo vale con PostgreSQL."));

    QTextStream out(stdout);
    const Privilegios::Roles roles = Privilegios::roles(tienda.baseDatos);
    for (const auto& [p, base] : {std::pair{tienda, Esquema::Base::Tienda}, std::pair{informes, Esquema::Base::Informes}}) {
        if (CreadorBase::crearSiFalta(p))
            out << "Creada la base de " << nombre(base) << ": " << p.descripcion() << '\n';
        if (p.motor() == Motor::PostgreSQL && base == Esquema::Base::Tienda) {
            Conexion c;
            c.abrir(p);
            Privilegios::crearRoles(c, roles, clavePuesto);
            out << "Roles de la tienda: " << roles.dueno << " (dueño del esquema) y " << roles.puesto
                << " (el de los puestos).\n";
        }
        ponerAlDia(p, base, tienda.baseDatos, out);
    }
    Conexion c;
    c.abrir(tienda);
    if (tienda.motor() == Motor::PostgreSQL)
        Privilegios::trabajarComoDueno(c, roles);
    DatosBase::sembrar(c, tipo.isEmpty() ? QStringLiteral("PELUQUERIA") : tipo);
    if (OpcionesConexion::dadas(a.parser())) {
        OpcionesConexion::guardarEnSuite(tienda, informes);
        out << "Configuración de la suite guardada en " << ConfiguracionSuite::ruta() << '\n';
    }
    return 0;
}

int actualizar(const QStringList& args)
{
    AnalizadorOrden a(QStringLiteral("actualizar"),
                      QStringLiteral("Pone al día el esquema de las bases de la tienda y de informes. No crea bases "
                                     "que no existan (para eso está crear). Repetirlo no cambia nada."));
    OpcionesConexion::anadir(a.parser());
    if (!a.analizar(args))
        return 0;
    OpcionesConexion::aplicarSuite(a.parser());
    const ParametrosConexion tienda = OpcionesConexion::tienda(a.parser());
    const ParametrosConexion informes = OpcionesConexion::informes(a.parser(), tienda);
    QTextStream out(stdout);
    for (const auto& [p, base] : {std::pair{tienda, Esquema::Base::Tienda}, std::pair{informes, Esquema::Base::Informes}}) {
        if (!CreadorBase::existe(p))
            throw ErrorTarvelo(QStringLiteral("No existe la base de %1 (%2). Créela con «tarvelo-admin crear».")
                                   .arg(nombre(base), p.descripcion()));
        ponerAlDia(p, base, tienda.baseDatos, out);
    }
    return 0;
}

}  // namespace Ordenes
