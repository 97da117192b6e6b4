#include "CopiaSeguridad.h"

#include "CreadorBase.h"
#include "datos/Error.h"
#include "plataforma/PuestosEnUso.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDriver>
#include <QStandardPaths>
#include <sqlite3.h>

namespace CopiaSeguridad {
namespace {

QString fichero(const QString& nombre, Motor motor)
{
    return nombre + (motor == Motor::SQLite ? QStringLiteral(".db") : QStringLiteral(".dump"));
}

sqlite3* manejador(Conexion& c)
{
    const QVariant v = c.baseDatos().driver()->handle();
    return v.isValid() && qstrcmp(v.typeName(), "sqlite3*") == 0 ? *static_cast<sqlite3* const*>(v.constData())
                                                                  : nullptr;
}

// Copia en línea de SQLite entre dos bases abiertas, de una vez: la fuente
// queda en una sola lectura coherente y el destino cambia en una transacción
void copiarSqlite(sqlite3* origen, sqlite3* destino, const QString& que)
{
    sqlite3_backup* b = sqlite3_backup_init(destino, "main", origen, "main");
    int rc = SQLITE_ERROR;
    if (b) {
        for (int intento = 0; intento < 150; ++intento) {
            rc = sqlite3_backup_step(b, -1);
            if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
                break;
            sqlite3_sleep(100);
        }
        sqlite3_backup_finish(b);
    }
    if (rc != SQLITE_DONE)
        throw ErrorTarvelo(QStringLiteral("No se pudo copiar %1: %2").arg(que, QString::fromUtf8(sqlite3_errmsg(destino))));
}

struct FicheroSqlite {
    sqlite3* db = nullptr;
    FicheroSqlite(const QString& ruta, int modo)
    {
        if (sqlite3_open_v2(ruta.toUtf8().constData(), &db, modo, nullptr) != SQLITE_OK)
            throw ErrorTarvelo(QStringLiteral("No se puede abrir %1: %2").arg(ruta, QString::fromUtf8(sqlite3_errmsg(db))));
    }
    ~FicheroSqlite() { sqlite3_close(db); }
};

// pg_dump o pg_restore, con la clave por el entorno y nunca en la orden
void programaPostgres(const QString& programa, const ParametrosConexion& p, const QStringList& args, const QString& que)
{
    const QString ruta = QStandardPaths::findExecutable(programa);
    if (ruta.isEmpty())
        throw ErrorTarvelo(QStringLiteral("Falta %1 en este equipo: instale el paquete postgresql-client.").arg(programa));
    QProcess proc;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!p.clave.isEmpty())
        env.insert(QStringLiteral("PGPASSWORD"), p.clave);
    env.insert(QStringLiteral("PGCONNECT_TIMEOUT"), QStringLiteral("10"));
    proc.setProcessEnvironment(env);
    QStringList todos;
    if (!p.servidor.isEmpty())
        todos << QStringLiteral("--host") << p.servidor;
    if (p.puerto)
        todos << QStringLiteral("--port") << QString::number(p.puerto);
    if (!p.usuario.isEmpty())
        todos << QStringLiteral("--username") << p.usuario;
    proc.start(ruta, todos << QStringLiteral("--no-password") << args);
    if (!proc.waitForFinished(-1) || proc.exitStatus() != QProcess::NormalExit || proc.exitCode() != 0) {
        const QString motivo = QString::fromLocal8Bit(proc.readAllStandardError()).trimmed().section(QLatin1Char('\n'), 0, 0);
        throw ErrorTarvelo(QStringLiteral("No se pudo %1 (%2): %3").arg(que, p.descripcion(), motivo.isEmpty() ? proc.errorString() : motivo));
    }
}

void copiarUna(const ParametrosConexion& p, const QString& destino)
{
    if (p.motor() == Motor::PostgreSQL) {
        programaPostgres(QStringLiteral("pg_dump"), p,
                         {QStringLiteral("--format=custom"), QStringLiteral("--file=") + destino, p.baseDatos},
                         QStringLiteral("copiar la base"));
        return;
    }
    if (!QFileInfo(p.baseDatos).isFile())
        throw ErrorTarvelo(QStringLiteral("No existe la base de datos %1.").arg(p.baseDatos));
    Conexion c;
    c.abrir(p);
    FicheroSqlite d(destino, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    copiarSqlite(manejador(c), d.db, p.baseDatos);
    // La copia, en un solo fichero
    sqlite3_exec(d.db, "pragma journal_mode=delete", nullptr, nullptr, nullptr);
}

void restaurarUna(const QString& copia, const ParametrosConexion& p)
{
    if (p.motor() == Motor::SQLite) {
        FicheroSqlite origen(copia, SQLITE_OPEN_READONLY);
        if (sqlite3_exec(origen.db, "select count(*) from sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK)
            throw ErrorTarvelo(QStringLiteral("%1 no es una base de datos SQLite.").arg(copia));
        CreadorBase::crearSiFalta(p);
        Conexion c;
        c.abrir(p);
        copiarSqlite(origen.db, manejador(c), p.baseDatos);
        return;
    }
    // Se restaura aparte y solo al final se cambia por la base de verdad
    ParametrosConexion nueva = p;
    nueva.baseDatos = p.baseDatos.left(50) + QStringLiteral("_restaurando");
    ParametrosConexion servidor = p;
    servidor.baseDatos = QStringLiteral("postgres");
    Conexion c;
    c.abrir(servidor);
    c.ejecutar(QStringLiteral("drop database if exists %1").arg(nueva.baseDatos));
    CreadorBase::crearSiFalta(nueva);
    try {
        programaPostgres(QStringLiteral("pg_restore"), nueva,
                         {QStringLiteral("--exit-on-error"), QStringLiteral("--no-owner"), QStringLiteral("--no-privileges"),
                          QStringLiteral("--dbname=") + nueva.baseDatos, copia},
                         QStringLiteral("restaurar la copia"));
        try {
            c.ejecutar(QStringLiteral("drop database if exists %1").arg(p.baseDatos));
        } catch (const ErrorTarvelo& e) {
            throw ErrorTarvelo(QStringLiteral("No se puede sustituir la base %1: hay otras conexiones abiertas a ella "
                                              "(otro programa de la suite, otra orden). Ciérrelas y vuelva a restaurar.")
                                   .arg(p.descripcion()),
                               e.detalle());
        }
    } catch (...) {
        c.ejecutar(QStringLiteral("drop database if exists %1").arg(nueva.baseDatos));
        throw;
    }
    c.ejecutar(QStringLiteral("alter database %1 rename to %2").arg(nueva.baseDatos, p.baseDatos));
}

}  // namespace

QString copiar(const ParametrosConexion& tienda, const ParametrosConexion& informes, const QString& destino,
               const QDateTime& cuando)
{
    QDir dir(destino);
    if (!dir.mkpath(QStringLiteral(".")))
        throw ErrorTarvelo(QStringLiteral("No se puede crear la carpeta %1.").arg(destino));
    const QString base = QStringLiteral("tarvelo-") + cuando.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString nombre = base;
    for (int n = 2; dir.exists(nombre); ++n)
        nombre = base + QStringLiteral("-%1").arg(n);
    const QString parcial = QStringLiteral(".") + nombre + QStringLiteral(".parcial");
    QDir(dir.filePath(parcial)).removeRecursively();
    if (!dir.mkdir(parcial))
        throw ErrorTarvelo(QStringLiteral("No se puede escribir en la carpeta %1.").arg(dir.absolutePath()));
    try {
        copiarUna(tienda, dir.filePath(parcial + QLatin1Char('/') + fichero(QStringLiteral("tienda"), tienda.motor())));
        copiarUna(informes, dir.filePath(parcial + QLatin1Char('/') + fichero(QStringLiteral("informes"), informes.motor())));
    } catch (...) {
        QDir(dir.filePath(parcial)).removeRecursively();
        throw;
    }
    if (!dir.rename(parcial, nombre))
        throw ErrorTarvelo(QStringLiteral("No se puede dar nombre a la copia en %1.").arg(dir.absolutePath()));
    return dir.absoluteFilePath(nombre);
}

void restaurar(const QString& copia, const ParametrosConexion& tienda, const ParametrosConexion& informes)
{
    if (!QFileInfo(copia).isDir())
        throw ErrorTarvelo(QStringLiteral("No existe la copia %1.").arg(copia));
    for (const ParametrosConexion* p : {&tienda, &informes}) {
        const QStringList abiertos = PuestosEnUso::abiertos(*p);
        if (!abiertos.isEmpty())
            throw ErrorTarvelo(QStringLiteral("El programa está abierto sobre %1 (%2). Ciérrelo en todos los puestos "
                                              "y vuelva a restaurar.")
                                   .arg(p->descripcion(), abiertos.join(QStringLiteral(", "))));
    }
    const QDir dir(copia);
    const QString ficheros[] = {dir.filePath(fichero(QStringLiteral("tienda"), tienda.motor())),
                                dir.filePath(fichero(QStringLiteral("informes"), informes.motor()))};
    for (const QString& f : ficheros)
        if (!QFileInfo(f).isFile())
            throw ErrorTarvelo(QStringLiteral("La copia %1 no tiene %2: no es una copia de estas bases (%3).")
                                   .arg(copia, QFileInfo(f).fileName(), tienda.descripcion()));
    restaurarUna(ficheros[0], tienda);
    restaurarUna(ficheros[1], informes);
}

}  // namespace CopiaSeguridad
