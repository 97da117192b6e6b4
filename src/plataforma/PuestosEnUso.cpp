#include "plataforma/PuestosEnUso.h"

#include "datos/Consulta.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>

Q_LOGGING_CATEGORY(lcEnUso, "tarvelo.puesto.enuso", QtWarningMsg)

namespace PuestosEnUso {
namespace {

const QString kMarca = QStringLiteral(".abierto-");

QString prefijo(const ParametrosConexion& base)
{
    return QFileInfo(base.baseDatos).fileName() + kMarca;
}

}  // namespace

std::unique_ptr<QLockFile> marcar(const ParametrosConexion& base, const QString& puesto)
{
    if (base.motor() != Motor::SQLite)
        return nullptr;
    QString id = puesto;
    id.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
    const QFileInfo fi(base.baseDatos);
    auto marca = std::make_unique<QLockFile>(fi.absoluteDir().filePath(prefijo(base) + id + QStringLiteral(".lock")));
    marca->setStaleLockTime(0);
    if (!marca->tryLock(0)) {
        qCWarning(lcEnUso) << "No se pudo marcar la base como abierta:" << marca->error();
        return nullptr;
    }
    return marca;
}

QStringList abiertos(const ParametrosConexion& base)
{
    QStringList l;
    if (base.motor() == Motor::PostgreSQL) {
        ParametrosConexion servidor = base;
        servidor.baseDatos = QStringLiteral("postgres");
        Conexion c;
        c.abrir(servidor);
        Consulta q(c,
                   QStringLiteral("select coalesce(host(client_addr), 'local') as desde from pg_stat_activity "
                                  "where datname = ? and application_name = ? "),
                   {base.baseDatos, kPrograma});
        while (q.siguiente())
            l << q.texto(QStringLiteral("desde"));
        return l;
    }
    const QFileInfo fi(base.baseDatos);
    const QDir carpeta = fi.absoluteDir();
    const QString p = prefijo(base);
    for (const QString& f : carpeta.entryList({p + QStringLiteral("*.lock")}, QDir::Files)) {
        // Sin caducidad por tiempo: solo es de un programa muerto si lo era en esta máquina
        QLockFile marca(carpeta.filePath(f));
        marca.setStaleLockTime(0);
        if (marca.tryLock(0)) {
            marca.unlock();
            continue;
        }
        l << f.mid(p.size()).chopped(5);
    }
    return l;
}

}  // namespace PuestosEnUso
