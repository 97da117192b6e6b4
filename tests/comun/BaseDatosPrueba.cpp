#include "BaseDatosPrueba.h"

#include "Esquema.h"
#include "datos/Consulta.h"
#include "datos/Error.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

namespace BaseDatosPrueba {

ParametrosConexion servidorPostgres(const QString& texto)
{
    ParametrosConexion p;
    p.driver = QStringLiteral("QPSQL");
    p.baseDatos = QStringLiteral("postgres");
    for (const QString& par : texto.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString clave = par.section(QLatin1Char('='), 0, 0).trimmed();
        const QString valor = par.section(QLatin1Char('='), 1).trimmed();
        if (clave == QLatin1String("host"))
            p.servidor = valor;
        else if (clave == QLatin1String("port"))
            p.puerto = valor.toInt();
        else if (clave == QLatin1String("user"))
            p.usuario = valor;
        else if (clave == QLatin1String("password"))
            p.clave = valor;
    }
    return p;
}

int numero(Conexion& c, const QString& sql, const QVariantList& valores)
{
    Consulta q(c, sql, valores);
    return q.siguiente() ? q.valor(0).toInt() : -1;
}

bool hayServidorPostgres()
{
    return !qEnvironmentVariableIsEmpty("TARVELO_PG");
}

QStringList motores()
{
    QStringList m{QStringLiteral("sqlite")};
    if (hayServidorPostgres())
        m << QStringLiteral("postgresql");
    else if (qEnvironmentVariableIntValue("TARVELO_PG_OBLIGATORIO") == 1)
        qFatal("TARVELO_PG_OBLIGATORIO=1 pero no se ha dado ningún servidor en TARVELO_PG");
    return m;
}

void filasMotores()
{
    QTest::addColumn<QString>("motor");
    for (const QString& m : motores())
        QTest::newRow(m.toUtf8().constData()) << m;
    if (!hayServidorPostgres()) {
        static bool avisado = false;
        if (!avisado)
            qInfo("Sin servidor PostgreSQL (TARVELO_PG): estas pruebas se hacen solo con SQLite.");
        avisado = true;
    }
}

namespace {

void ejecutarEnServidor(const QString& sql)
{
    Conexion c;
    c.abrir(servidorPostgres());
    c.ejecutar(sql);
}

// Bases de PostgreSQL de una plantilla: crear una base cuesta casi medio
// segundo, así que se guardan y se vacían para la prueba siguiente.
struct BasePostgres {
    QString nombre;
    bool libre = true;
};

struct PlantillaPostgres {
    QSet<QString> tablas;        // tablas de la plantilla
    QSet<QString> conFilas;      // las que ya traen filas (versión del esquema): se dejan
    QString firma;               // columnas de todas sus tablas
    QList<BasePostgres> bases;
};

// Plantillas hechas una vez por proceso: copiar es mucho más rápido que crear
struct Plantillas {
    QTemporaryDir dir;
    QHash<int, QString> sqlite;  // contenido -> fichero
    QHash<int, PlantillaPostgres> postgres;  // contenido -> bases de esa plantilla
    ~Plantillas()
    {
        for (const PlantillaPostgres& pl : std::as_const(postgres)) {
            for (const BasePostgres& b : pl.bases) {
                try {
                    ejecutarEnServidor(QStringLiteral("drop database if exists %1 with (force)").arg(b.nombre));
                } catch (...) {
                }
            }
        }
    }
};

Plantillas* g_plantillas = nullptr;

// Se borran al destruirse la aplicación: más tarde, en la salida del
// proceso, el registro de conexiones de Qt ya no existe
void borrarPlantillas()
{
    delete g_plantillas;
    g_plantillas = nullptr;
}

Plantillas& plantillas()
{
    if (!g_plantillas) {
        g_plantillas = new Plantillas;
        qAddPostRoutine(borrarPlantillas);
    }
    return *g_plantillas;
}

QString nombreUnico(const char* prefijo)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(prefijo),
                                       QUuid::createUuid().toString(QUuid::Id128).left(16));
}

void crearContenido(const ParametrosConexion& p, bool esInformes, Contenido contenido)
{
    Conexion c;
    c.abrir(p);
    if (esInformes) {
        if (contenido == Contenido::TiendaEInformes)
            Esquema::actualizar(c, Esquema::Base::Informes);
    } else if (contenido != Contenido::Vacia) {
        Esquema::actualizar(c, Esquema::Base::Tienda);
    }
}

int claveDe(Contenido contenido, bool esInformes)
{
    return int(contenido) * 2 + (esInformes ? 1 : 0);
}

ParametrosConexion nuevaSQLite(const QString& carpeta, const QString& fichero, Contenido contenido, bool esInformes)
{
    Plantillas& pl = plantillas();
    const int clave = claveDe(contenido, esInformes);
    if (!pl.sqlite.contains(clave)) {
        const QString ruta = pl.dir.filePath(QStringLiteral("plantilla_%1.db").arg(clave));
        ParametrosConexion p;
        p.baseDatos = ruta;
        crearContenido(p, esInformes, contenido);
        pl.sqlite.insert(clave, ruta);
    }
    ParametrosConexion p;
    p.baseDatos = carpeta + QLatin1Char('/') + fichero;
    if (!QFile::copy(pl.sqlite.value(clave), p.baseDatos))
        throw ErrorTarvelo(QStringLiteral("No se pudo copiar la base de datos de prueba"));
    return p;
}

QStringList tablasDe(Conexion& c)
{
    QStringList r;
    Consulta q(c, QStringLiteral("select tablename from pg_tables where schemaname = 'public'"));
    while (q.siguiente())
        r << q.texto(QStringLiteral("tablename"));
    return r;
}

// Columnas, tipos y nulos de las tablas: si una prueba cambió la estructura, la base no se reutiliza
QString firmaDe(Conexion& c)
{
    QString r;
    // Del catálogo, no de information_schema: es treinta veces más rápido y se hace en cada prueba
    Consulta q(c, QStringLiteral("select c.relname, a.attname, format_type(a.atttypid, a.atttypmod), a.attnotnull, "
                                 "pg_get_expr(d.adbin, d.adrelid) from pg_attribute a join pg_class c on c.oid = "
                                 "a.attrelid join pg_namespace n on n.oid = c.relnamespace left join pg_attrdef d on "
                                 "d.adrelid = a.attrelid and d.adnum = a.attnum where n.nspname = 'public' and "
                                 "c.relkind = 'r' and a.attnum > 0 and not a.attisdropped order by 1, 2"));
    while (q.siguiente())
        for (int i = 0; i < 5; ++i)
            r += q.valor(i).toString() + QLatin1Char(i == 4 ? '\n' : '|');
    return r;
}

// Deja una base usada como la plantilla: fuera lo que creó la prueba, vacías las tablas (sin disparadores:
// también las que solo admiten altas)
bool vaciar(const ParametrosConexion& p, const PlantillaPostgres& pl)
{
    Conexion c;
    c.abrir(p);
    c.ejecutar(QStringLiteral("set lock_timeout = '10s'"));
    QStringList vaciar;
    for (const QString& t : tablasDe(c)) {
        if (!pl.tablas.contains(t))
            c.ejecutar(QStringLiteral("drop table if exists \"%1\" cascade").arg(t));
        else if (!pl.conFilas.contains(t))
            vaciar << QLatin1Char('"') + t + QLatin1Char('"');
    }
    if (firmaDe(c) != pl.firma)
        return false;
    c.ejecutar(QStringLiteral("set session_replication_role = replica"));
    // delete y no truncate: con tablas de pocas filas cuesta la mitad (truncate crea ficheros nuevos); sin
    // disparadores tampoco miran las claves ajenas. Los contadores de sus columnas vuelven a 1 (sin escribir
    // "false", que el dialecto del programa traduce).
    if (!vaciar.isEmpty())
        c.ejecutar(QStringLiteral("do $$ declare t text; s regclass; begin foreach t in array string_to_array('%1', ',') "
                                  "loop execute 'delete from ' || t; end loop; for s in select cast(d.objid as regclass) "
                                  "from pg_depend d join pg_class q on q.oid = d.objid and q.relkind = 'S' where "
                                  "d.refobjid in (select cast(x as regclass) from unnest(string_to_array('%1', ',')) x) "
                                  "and d.deptype in ('a', 'i') loop perform setval(s, 1, 1 > 2); end loop; end $$")
                       .arg(vaciar.join(QLatin1Char(','))));
    return true;
}

ParametrosConexion nuevaPostgres(Contenido contenido, bool esInformes, QString* nombre)
{
    Plantillas& pl = plantillas();
    const int clave = claveDe(contenido, esInformes);
    PlantillaPostgres& plantilla = pl.postgres[clave];
    for (int i = 0; i < plantilla.bases.size(); ++i) {
        BasePostgres& b = plantilla.bases[i];
        if (!b.libre)
            continue;
        ParametrosConexion p = servidorPostgres();
        p.baseDatos = b.nombre;
        if (vaciar(p, plantilla)) {
            b.libre = false;
            *nombre = b.nombre;
            return p;
        }
        // Estructura cambiada por la prueba anterior: fuera
        ejecutarEnServidor(QStringLiteral("drop database if exists %1 with (force)").arg(b.nombre));
        plantilla.bases.removeAt(i--);
    }
    *nombre = nombreUnico("tv_prueba");
    ejecutarEnServidor(QStringLiteral("create database %1 template template0 encoding 'UTF8' "
                                      "lc_collate 'C.UTF-8' lc_ctype 'C.UTF-8'").arg(*nombre));
    ParametrosConexion p = servidorPostgres();
    p.baseDatos = *nombre;
    crearContenido(p, esInformes, contenido);
    if (plantilla.firma.isEmpty() && plantilla.tablas.isEmpty()) {
        Conexion c;
        c.abrir(p);
        plantilla.firma = firmaDe(c);
        for (const QString& t : tablasDe(c)) {
            plantilla.tablas.insert(t);
            Consulta q(c, QStringLiteral("select count(*) as n from \"%1\"").arg(t));
            if (q.siguiente() && q.entero(QStringLiteral("n")) > 0)
                plantilla.conFilas.insert(t);
        }
    }
    plantilla.bases.append(BasePostgres{*nombre, false});
    return p;
}

void devolverPostgres(const QString& nombre)
{
    for (PlantillaPostgres& pl : plantillas().postgres)
        for (BasePostgres& b : pl.bases)
            if (b.nombre == nombre)
                b.libre = true;
}

}  // namespace

struct Temporal::Datos {
    QTemporaryDir dir;
    QStringList basesPostgres;
};

Temporal::Temporal(const QString& motor, Contenido contenido) : d(std::make_unique<Datos>())
{
    if (motor == QLatin1String("postgresql")) {
        QString nombre;
        m_tienda = nuevaPostgres(contenido, false, &nombre);
        d->basesPostgres << nombre;
        m_informes = nuevaPostgres(contenido, true, &nombre);
        d->basesPostgres << nombre;
    } else {
        m_tienda = nuevaSQLite(d->dir.path(), QStringLiteral("tienda.db"), contenido, false);
        m_informes = nuevaSQLite(d->dir.path(), QStringLiteral("informes.db"), contenido, true);
    }
}

Temporal::~Temporal()
{
    for (const QString& nombre : d->basesPostgres)
        devolverPostgres(nombre);
}

QString Temporal::carpeta() const
{
    return d->dir.path();
}

}  // namespace BaseDatosPrueba
