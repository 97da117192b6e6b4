#include "Privilegios.h"

#include "datos/Consulta.h"
#include "datos/Error.h"

#include <QSqlError>
#include <QSqlQuery>

namespace Privilegios {
namespace {

// Los nombres salen de un nombre de base ya comprobado (minúsculas, cifras y
// "_"): van en el texto de la orden, que no admite valores ligados
QString cita(const QString& nombre)
{
    return QLatin1Char('"') + nombre + QLatin1Char('"');
}

bool existeRol(Conexion& c, const QString& rol)
{
    Consulta q(c, QStringLiteral("select 1 from pg_roles where rolname = ?"), {rol});
    return q.siguiente();
}

bool esMiembro(Conexion& c, const QString& rol)
{
    Consulta q(c, QStringLiteral("select pg_has_role(current_user, cast(? as name), 'MEMBER') as miembro"), {rol});
    return q.siguiente() && q.valor(QStringLiteral("miembro")).toBool();
}

QStringList textos(Conexion& c, const QString& sql, const QVariantList& valores)
{
    QStringList r;
    Consulta q(c, sql, valores);
    while (q.siguiente())
        r << q.valor(0).toString();
    return r;
}

// Tablas a las que el puesto, además, borra filas: los semáforos que se
// limpian, los permisos de pantalla que se cambian, los datos que se pasan a
// otros programas de la suite y la configuración del propio puesto, que se
// sustituye entera al registrarlo
const char* const kBorraPuestoTienda[] = {"relaciones_fijas", "controles_permisos", "pasardatos", "opciones_terminal",
                                          "entradas",         "impresoras",         "puestos"};

// Tablas en las que el puesto solo lee y da de alta
const char* const kSoloAltasTienda[] = {"historial", "verifactu_cadenas", "verifactu_registros", "verifactu_envios",
                                        "verifactu_respuestas"};

}  // namespace

Roles roles(const QString& baseTienda)
{
    // 63 letras como mucho en un nombre de PostgreSQL
    const QString raiz = baseTienda.left(56);
    return {raiz + QStringLiteral("_dueno"), raiz + QStringLiteral("_puesto")};
}

void crearRoles(Conexion& c, const Roles& r, const QString& clavePuesto)
{
    try {
        if (!existeRol(c, r.dueno))
            c.ejecutar(QStringLiteral("create role %1 nologin").arg(cita(r.dueno)));
        if (!esMiembro(c, r.dueno))
            c.ejecutar(QStringLiteral("grant %1 to current_user").arg(cita(r.dueno)));
        if (!existeRol(c, r.puesto))
            c.ejecutar(QStringLiteral("create role %1 login").arg(cita(r.puesto)));
    } catch (const ErrorTarvelo& e) {
        throw ErrorTarvelo(QStringLiteral("No se pueden crear los roles de la tienda («%1» y «%2»). El usuario «%3» "
                                          "necesita permiso para crear roles; el administrador de PostgreSQL se lo "
                                          "da con: alter role %3 createrole\n%4")
                               .arg(r.dueno, r.puesto, c.parametros().usuario, e.descripcion()));
    }
    if (clavePuesto.isEmpty())
        return;
    // La clave va en el texto de la orden: se cita en el servidor y la orden
    // no pasa por el registro de sentencias
    const QString orden = textos(c, QStringLiteral("select format('alter role %I login password %L', cast(? as text), cast(? as text))"),
                                 {r.puesto, clavePuesto})
                              .value(0);
    QSqlQuery q(c.baseDatos());
    if (orden.isEmpty() || !q.exec(orden))
        throw ErrorTarvelo(QStringLiteral("No se pudo poner la clave del rol «%1»: %2")
                               .arg(r.puesto, q.lastError().databaseText()));
}

bool trabajarComoDueno(Conexion& c, const Roles& r)
{
    if (!existeRol(c, r.dueno))
        return false;
    if (!esMiembro(c, r.dueno))
        throw ErrorTarvelo(QStringLiteral("El usuario «%1» no puede cambiar el esquema de esta tienda: no es miembro "
                                          "de su dueño, «%2». Use el usuario que la creó.")
                               .arg(c.parametros().usuario, r.dueno));
    c.ejecutar(QStringLiteral("alter database %1 owner to %2").arg(cita(c.parametros().baseDatos), cita(r.dueno)));
    // Las bases de antes de los roles tienen tablas de quien las creó
    const QStringList cambios =
        textos(c,
               QStringLiteral("select format('alter %s %I owner to %I', case k.relkind when 'v' then 'view' else "
                              "'table' end, k.relname, cast(? as text)) from pg_class k join pg_namespace n on n.oid = "
                              "k.relnamespace where n.nspname = 'public' and k.relkind in ('r', 'p', 'v') and "
                              "pg_get_userbyid(k.relowner) <> cast(? as text)"),
               {r.dueno, r.dueno});
    for (const QString& orden : cambios)
        c.ejecutar(orden);
    c.ejecutar(QStringLiteral("set role %1").arg(cita(r.dueno)));
    return true;
}

void darPermisosPuesto(Conexion& c, const Roles& r, Esquema::Base base)
{
    const QString puesto = cita(r.puesto);
    const QString nombreBase = cita(c.parametros().baseDatos);
    QStringList ordenes{
        QStringLiteral("revoke connect, temporary on database %1 from public").arg(nombreBase),
        QStringLiteral("grant connect on database %1 to %2").arg(nombreBase, puesto),
        QStringLiteral("grant usage on schema public to %1").arg(puesto),
        QStringLiteral("revoke all on all tables in schema public from %1").arg(puesto),
        QStringLiteral("grant select, insert, update on all tables in schema public to %1").arg(puesto),
        QStringLiteral("grant usage, select on all sequences in schema public to %1").arg(puesto),
    };
    if (base == Esquema::Base::Tienda) {
        for (const char* tabla : kBorraPuestoTienda)
            ordenes << QStringLiteral("grant delete on %1 to %2").arg(QLatin1String(tabla), puesto);
        // El historial y los registros de facturación solo crecen: desde un
        // puesto no se cambian ni se borran
        for (const char* tabla : kSoloAltasTienda)
            ordenes << QStringLiteral("revoke update, delete, truncate on %1 from %2").arg(QLatin1String(tabla), puesto);
        // Para bloquear una cadena (select ... for update) el servidor pide
        // permiso de cambio en alguna columna; su disparador rechaza igual
        // cualquier cambio
        ordenes << QStringLiteral("grant update (creada) on verifactu_cadenas to %1").arg(puesto);
    } else {
        // Los informes se vacían y se vuelven a llenar en cada impresión
        ordenes << QStringLiteral("grant delete on all tables in schema public to %1").arg(puesto);
    }
    for (const QString& orden : ordenes)
        c.ejecutar(orden);
}

bool puedeCambiarEsquema(Conexion& c)
{
    if (c.motor() != Motor::PostgreSQL)
        return false;
    Consulta q(c, QStringLiteral("select r.rolsuper or r.rolcreaterole or r.rolcreatedb or "
                                 "pg_has_role(current_user, d.datdba, 'MEMBER') as puede from pg_roles r, "
                                 "pg_database d where r.rolname = current_user and d.datname = current_database()"));
    return q.siguiente() && q.valor(QStringLiteral("puede")).toBool();
}

}  // namespace Privilegios
