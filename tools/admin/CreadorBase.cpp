#include "CreadorBase.h"

#include "datos/Consulta.h"
#include "datos/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace CreadorBase {
namespace {

// Conexión a la base de mantenimiento del mismo servidor
ParametrosConexion servidor(const ParametrosConexion& p)
{
    ParametrosConexion s = p;
    s.baseDatos = QStringLiteral("postgres");
    return s;
}

void comprobarNombre(const ParametrosConexion& p)
{
    if (!nombreValido(p.baseDatos))
        throw ErrorTarvelo(QStringLiteral("Nombre de base de datos no válido: «%1». Use minúsculas, cifras y \"_\", "
                                          "empezando por una letra (máximo 63).")
                               .arg(p.baseDatos));
}

}  // namespace

bool nombreValido(const QString& nombre)
{
    static const QRegularExpression re(QStringLiteral("^[a-z][a-z0-9_]{0,62}$"));
    return re.match(nombre).hasMatch();
}

bool existe(const ParametrosConexion& p)
{
    if (p.motor() == Motor::SQLite)
        return QFileInfo(p.baseDatos).isFile() && QFileInfo(p.baseDatos).size() > 0;
    comprobarNombre(p);
    Conexion c;
    c.abrir(servidor(p));
    Consulta q(c, QStringLiteral("select datname from pg_database where datname = ?"), {p.baseDatos});
    return q.siguiente();
}

bool crearSiFalta(const ParametrosConexion& p)
{
    if (p.baseDatos.trimmed().isEmpty())
        throw ErrorTarvelo(QStringLiteral("Falta el nombre de la base de datos."));
    if (p.motor() == Motor::SQLite) {
        const QString carpeta = QFileInfo(p.baseDatos).absolutePath();
        if (!QDir().mkpath(carpeta))
            throw ErrorTarvelo(QStringLiteral("No se puede crear la carpeta %1.").arg(carpeta));
        const bool nueva = !existe(p);
        Conexion c;
        c.abrir(p);  // abrir un fichero que no existe lo crea
        return nueva;
    }
    if (existe(p))
        return false;
    Conexion c;
    c.abrir(servidor(p));
    c.ejecutar(QStringLiteral("create database %1 template template0 encoding 'UTF8' "
                              "lc_collate 'C.UTF-8' lc_ctype 'C.UTF-8'")
                   .arg(p.baseDatos));
    return true;
}

}  // namespace CreadorBase
