#include "OpcionesConexion.h"

#include "datos/Error.h"
#include "plataforma/ConfiguracionSuite.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace OpcionesConexion {
namespace {
const QStringList kOpciones{QStringLiteral("motor"),   QStringLiteral("basedatos"), QStringLiteral("servidor"),
                            QStringLiteral("puerto"),  QStringLiteral("usuario"),   QStringLiteral("clave"),
                            QStringLiteral("informes"), QStringLiteral("sslmode")};
const QStringList kModosSsl{QStringLiteral("disable"), QStringLiteral("allow"),     QStringLiteral("prefer"),
                            QStringLiteral("require"), QStringLiteral("verify-ca"), QStringLiteral("verify-full")};
const QString kOrigenInformes = QStringLiteral("ListBrisalo");
}  // namespace

void anadirSuite(QCommandLineParser& p)
{
    p.addOption({QStringLiteral("suite"), QStringLiteral("Fichero de configuración de la suite (por defecto, suite.ini "
                                                         "junto al programa o ~/.config/tarvelo/suite.ini)."),
                 QStringLiteral("fichero")});
}

void anadir(QCommandLineParser& p)
{
    anadirSuite(p);
    p.addOptions({
        {QStringLiteral("motor"), QStringLiteral("Motor de la base de datos: sqlite o postgresql."),
         QStringLiteral("motor")},
        {QStringLiteral("basedatos"),
         QStringLiteral("Base de datos de la tienda: fichero (SQLite) o nombre (PostgreSQL)."), QStringLiteral("base")},
        {QStringLiteral("servidor"), QStringLiteral("Servidor de PostgreSQL."), QStringLiteral("servidor")},
        {QStringLiteral("puerto"), QStringLiteral("Puerto de PostgreSQL."), QStringLiteral("puerto")},
        {QStringLiteral("usuario"), QStringLiteral("Usuario de PostgreSQL."), QStringLiteral("usuario")},
        {QStringLiteral("clave"), QStringLiteral("Clave del usuario de PostgreSQL."), QStringLiteral("clave")},
        {QStringLiteral("sslmode"),
         QStringLiteral("Cifrado de la conexión con PostgreSQL: disable, allow, prefer (por defecto), require, "
                        "verify-ca o verify-full."),
         QStringLiteral("modo")},
        {QStringLiteral("informes"),
         QStringLiteral("Base de datos de informes (por defecto: informes.db junto a la tienda en SQLite, "
                        "<base>_informes en PostgreSQL)."),
         QStringLiteral("base")},
    });
}

void aplicarSuite(const QCommandLineParser& p)
{
    if (p.isSet(QStringLiteral("suite")))
        ConfiguracionSuite::ponerRuta(QFileInfo(p.value(QStringLiteral("suite"))).absoluteFilePath());
}

bool dadas(const QCommandLineParser& p)
{
    for (const QString& o : kOpciones)
        if (p.isSet(o))
            return true;
    return false;
}

ParametrosConexion tienda(const QCommandLineParser& p)
{
    if (!dadas(p)) {
        const ParametrosConexion t = ConfiguracionSuite::tienda();
        if (t.baseDatos.isEmpty())
            throw ErrorTarvelo(QStringLiteral("No se ha dado ninguna base de datos y la configuración de la suite "
                                              "(%1) no tiene ninguna. Use --basedatos.")
                                   .arg(ConfiguracionSuite::ruta()));
        return t;
    }
    ParametrosConexion t;
    const QString motor = p.value(QStringLiteral("motor")).trimmed().toLower();
    if (motor.isEmpty() || motor == QLatin1String("sqlite") || motor == QLatin1String("qsqlite"))
        t.driver = QStringLiteral("QSQLITE");
    else if (motor == QLatin1String("postgresql") || motor == QLatin1String("qpsql"))
        t.driver = QStringLiteral("QPSQL");
    else
        throw ErrorTarvelo(QStringLiteral("Motor desconocido: «%1». Use sqlite o postgresql.").arg(motor));
    t.baseDatos = p.value(QStringLiteral("basedatos")).trimmed();
    if (t.baseDatos.isEmpty())
        throw ErrorTarvelo(QStringLiteral("Falta --basedatos: el fichero (SQLite) o el nombre (PostgreSQL) de la "
                                          "base de datos de la tienda."));
    if (t.motor() == Motor::SQLite) {
        t.baseDatos = QFileInfo(t.baseDatos).absoluteFilePath();
        for (const char* o : {"servidor", "puerto", "usuario", "clave", "sslmode"})
            if (p.isSet(QString::fromLatin1(o)))
                throw ErrorTarvelo(QStringLiteral("La opción --%1 solo vale con --motor postgresql.").arg(o));
        return t;
    }
    t.servidor = p.value(QStringLiteral("servidor"));
    t.usuario = p.value(QStringLiteral("usuario"));
    t.clave = p.value(QStringLiteral("clave"));
    if (p.isSet(QStringLiteral("sslmode"))) {
        const QString modo = p.value(QStringLiteral("sslmode")).trimmed().toLower();
        if (!kModosSsl.contains(modo))
            throw ErrorTarvelo(QStringLiteral("Modo de cifrado no válido: «%1». Use %2.")
                                   .arg(p.value(QStringLiteral("sslmode")), kModosSsl.join(QStringLiteral(", "))));
        t.opciones = QStringLiteral("sslmode=") + modo;
    }
    if (p.isSet(QStringLiteral("puerto"))) {
        bool ok = false;
        t.puerto = p.value(QStringLiteral("puerto")).toInt(&ok);
        if (!ok || t.puerto < 1 || t.puerto > 65535)
            throw ErrorTarvelo(QStringLiteral("Puerto no válido: «%1».").arg(p.value(QStringLiteral("puerto"))));
    }
    return t;
}

ParametrosConexion informes(const QCommandLineParser& p, const ParametrosConexion& t)
{
    if (!dadas(p))
        return ConfiguracionSuite::origen(kOrigenInformes);
    ParametrosConexion i = t;
    const QString dada = p.value(QStringLiteral("informes")).trimmed();
    if (t.motor() == Motor::SQLite)
        i.baseDatos = dada.isEmpty() ? QFileInfo(t.baseDatos).absolutePath() + QStringLiteral("/informes.db")
                                     : QFileInfo(dada).absoluteFilePath();
    else
        i.baseDatos = dada.isEmpty() ? t.baseDatos + QStringLiteral("_informes") : dada;
    if (i.motor() == t.motor() && i.baseDatos == t.baseDatos)
        throw ErrorTarvelo(QStringLiteral("La base de informes no puede ser la misma que la de la tienda."));
    return i;
}

void guardarEnSuite(const ParametrosConexion& tienda, const ParametrosConexion& informes)
{
    ConfiguracionSuite::guardarTienda(tienda);
    ConfiguracionSuite::guardarOrigen(kOrigenInformes, informes);
}

}  // namespace OpcionesConexion
