#include "plataforma/ConfiguracionSuite.h"

#include "datos/Error.h"
#include "datos/Globales.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QSettings>
#include <QStandardPaths>
#include <functional>

namespace ConfiguracionSuite {
namespace {
QString& rutaFijada()
{
    static QString r;
    return r;
}

QString rutaUsuario()
{
    return QDir::homePath() + QStringLiteral("/.config/tarvelo/suite.ini");
}

ParametrosConexion leerParametros(QSettings& s, const QString& grupo)
{
    s.beginGroup(grupo);
    ParametrosConexion p;
    p.driver = s.value(QStringLiteral("driver"), QStringLiteral("QSQLITE")).toString();
    p.baseDatos = s.value(QStringLiteral("basedatos")).toString();
    p.servidor = s.value(QStringLiteral("servidor")).toString();
    p.puerto = s.value(QStringLiteral("puerto"), 0).toInt();
    p.usuario = s.value(QStringLiteral("usuario")).toString();
    p.clave = s.value(QStringLiteral("clave")).toString();
    p.opciones = s.value(QStringLiteral("opciones")).toString();
    s.endGroup();
    return p;
}

void escribirParametros(QSettings& s, const QString& grupo, const ParametrosConexion& p)
{
    s.beginGroup(grupo);
    s.remove(QString());
    s.setValue(QStringLiteral("driver"), p.driver);
    s.setValue(QStringLiteral("basedatos"), p.baseDatos);
    if (!p.servidor.isEmpty())
        s.setValue(QStringLiteral("servidor"), p.servidor);
    if (p.puerto)
        s.setValue(QStringLiteral("puerto"), p.puerto);
    if (!p.usuario.isEmpty())
        s.setValue(QStringLiteral("usuario"), p.usuario);
    if (!p.clave.isEmpty())
        s.setValue(QStringLiteral("clave"), p.clave);
    if (!p.opciones.isEmpty())
        s.setValue(QStringLiteral("opciones"), p.opciones);
    s.endGroup();
}

// Quien no es el dueño no lee el fichero que guarda una clave: se crea ya
// así, y uno que exista se cierra antes de escribir la clave
void soloDelDueno(const QString& r)
{
    const auto permisos = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QFile f(r);
    if (f.exists())
        f.setPermissions(permisos);
    else if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly, permisos))
        f.close();
}

// Todo cambio del fichero pasa por aquí: si no se puede escribir, lo dice
void escribir(const std::function<void(QSettings&)>& cambios, bool conClave = false)
{
    const QString r = ruta();
    const QString carpeta = QFileInfo(r).absolutePath();
    if (!QDir().mkpath(carpeta))
        throw ErrorTarvelo(QStringLiteral("No se puede crear la carpeta %1 para la configuración de la suite. "
                                          "Compruebe la ruta y los permisos.")
                               .arg(carpeta));
    if (conClave)
        soloDelDueno(r);
    QSettings s(r, QSettings::IniFormat);
    cambios(s);
    s.sync();
    if (s.status() != QSettings::NoError)
        throw ErrorTarvelo(QStringLiteral("No se puede escribir la configuración de la suite en %1: no es un "
                                          "fichero que se pueda escribir. Compruebe la ruta y los permisos.")
                               .arg(r));
}

// El nombre de un origen sale de "dsn=Nombre" o del nombre solo
QString nombreOrigen(const QString& cadena)
{
    QString n = cadena.trimmed();
    if (n.startsWith(QLatin1String("dsn="), Qt::CaseInsensitive))
        n = n.mid(4);
    return n.section(QLatin1Char(';'), 0, 0).trimmed();
}
}  // namespace

QString ruta()
{
    if (!rutaFijada().isEmpty())
        return rutaFijada();
    const QString junto = carpetaPrograma() + QStringLiteral("/suite.ini");
    if (QFileInfo::exists(junto))
        return junto;
    return rutaUsuario();
}

void ponerRuta(const QString& r)
{
    rutaFijada() = r;
}

ParametrosConexion tienda()
{
    QSettings s(ruta(), QSettings::IniFormat);
    return leerParametros(s, QStringLiteral("tienda"));
}

void guardarTienda(const ParametrosConexion& p)
{
    escribir([&](QSettings& s) { escribirParametros(s, QStringLiteral("tienda"), p); }, !p.clave.isEmpty());
}

ParametrosConexion origen(const QString& cadena)
{
    const QString nombre = nombreOrigen(cadena);
    QSettings s(ruta(), QSettings::IniFormat);
    if (s.childGroups().contains(QStringLiteral("origen_") + nombre))
        return leerParametros(s, QStringLiteral("origen_") + nombre);
    ParametrosConexion p;
    const ParametrosConexion t = tienda();
    const QString carpeta = t.motor() == Motor::SQLite && !t.baseDatos.isEmpty()
                                ? QFileInfo(t.baseDatos).absolutePath()
                                : QFileInfo(ruta()).absolutePath();
    p.baseDatos = carpeta + QStringLiteral("/informes.db");
    return p;
}

void guardarOrigen(const QString& cadena, const ParametrosConexion& p)
{
    escribir([&](QSettings& s) { escribirParametros(s, QStringLiteral("origen_") + nombreOrigen(cadena), p); },
             !p.clave.isEmpty());
}

QString identificadorPuesto()
{
    QSettings s(ruta(), QSettings::IniFormat);
    const QString id = s.value(QStringLiteral("puesto/identificador")).toString().trimmed();
    return id.isEmpty() ? QSysInfo::machineHostName().toUpper() : id;
}

void guardarIdentificadorPuesto(const QString& identificador)
{
    escribir([&](QSettings& s) { s.setValue(QStringLiteral("puesto/identificador"), identificador); });
}

QString programa(const QString& nombreFichero)
{
    QSettings s(ruta(), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("programas"));
    return s.value(nombreFichero).toString();
}

void guardarPrograma(const QString& nombreFichero, const QString& orden)
{
    escribir([&](QSettings& s) {
        s.beginGroup(QStringLiteral("programas"));
        s.setValue(nombreFichero, orden);
    });
}

Certificado certificado()
{
    QSettings s(ruta(), QSettings::IniFormat);
    return {s.value(QStringLiteral("verifactu/certificado")).toString(),
            s.value(QStringLiteral("verifactu/clave")).toString()};
}

void guardarCertificado(const Certificado& c)
{
    escribir(
        [&](QSettings& s) {
            s.setValue(QStringLiteral("verifactu/certificado"), c.fichero);
            s.setValue(QStringLiteral("verifactu/clave"), c.clave);
        },
        true);
}

}  // namespace ConfiguracionSuite
