#include "Esquema.h"

#include "Catalogo.h"
#include "ScriptSql.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Transaccion.h"

#include <QDateTime>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcEsquema, "tarvelo.esquema", QtWarningMsg)

namespace Esquema {
namespace {

// Scripts de cada base, uno por versión y en orden
QStringList scripts(Base base)
{
    if (base == Base::Informes)
        return {QStringLiteral("informes_v1.sql")};
    return {QStringLiteral("tienda_v1.sql"), QStringLiteral("tienda_v2.sql"), QStringLiteral("tienda_v3.sql"),
            QStringLiteral("tienda_v4.sql"), QStringLiteral("tienda_v5.sql")};
}

QString nombreBase(Base base)
{
    return base == Base::Informes ? QStringLiteral("informes") : QStringLiteral("tienda");
}

const QString kTablaVersion = QStringLiteral("version_esquema");

void crearTablaVersion(Conexion& c)
{
    c.ejecutar(QStringLiteral("create table if not exists version_esquema ("
                              "version integer not null primary key, "
                              "aplicada varchar(30))"));
}

int leerVersion(Conexion& c)
{
    if (!Catalogo::existeTabla(c, kTablaVersion))
        return 0;
    Consulta q(c, QStringLiteral("select max(version) as v from version_esquema"));
    if (!q.siguiente() || q.esNulo(QStringLiteral("v")))
        return 0;
    return q.entero(QStringLiteral("v"));
}

// Aplica una versión entera en una transacción; otro proceso que actualiza a
// la vez espera (SQLite: BEGIN IMMEDIATE; PostgreSQL: cerrojo consultivo) y
// luego ve la versión ya puesta y no hace nada.
void aplicarVersion(Conexion& c, Base base, int version)
{
    Transaccion t(c);
    if (c.motor() == Motor::PostgreSQL)
        Consulta(c, QStringLiteral("select pg_advisory_xact_lock(7310, ?)"), {int(base)});
    if (leerVersion(c) >= version) {
        t.confirmar();
        return;
    }
    const QString nombre = scripts(base).at(version - 1);
    for (const QString& sentencia : ScriptSql::sentencias(ScriptSql::leer(nombre), c.motor())) {
        try {
            c.ejecutar(sentencia);
        } catch (const ErrorTarvelo& e) {
            throw ErrorTarvelo(QStringLiteral("No se pudo poner la base de datos de %1 en la versión %2 (%3):\n%4")
                                   .arg(nombreBase(base))
                                   .arg(version)
                                   .arg(nombre, e.descripcion()));
        }
    }
    crearTablaVersion(c);
    c.ejecutar(QStringLiteral("insert into version_esquema (version, aplicada) values (?, ?)"),
               {version, QDateTime::currentDateTime().toString(Qt::ISODate)});
    t.confirmar();
    qCInfo(lcEsquema) << "Base de datos de" << nombreBase(base) << "en la versión" << version;
}

}  // namespace

int versionActual(Base base)
{
    return int(scripts(base).size());
}

int versionInstalada(Conexion& c, Base base)
{
    Q_UNUSED(base);
    return leerVersion(c);
}

int actualizar(Conexion& c, Base base)
{
    if (!c.abierta())
        throw ErrorTarvelo(QStringLiteral("La conexión con la base de datos está cerrada."));
    const int ultima = versionActual(base);
    int instalada = leerVersion(c);
    if (instalada > ultima)
        throw ErrorTarvelo(QStringLiteral("La base de datos de %1 está en la versión %2, más nueva que la que "
                                          "conoce este programa (%3). Actualice el programa.")
                               .arg(nombreBase(base))
                               .arg(instalada)
                               .arg(ultima));
    for (int v = instalada + 1; v <= ultima; ++v)
        aplicarVersion(c, base, v);
    return leerVersion(c);
}

}  // namespace Esquema
