#include "plataforma/AbridorConexionSuite.h"

#include "datos/Error.h"
#include "plataforma/ConfiguracionSuite.h"

#include <QFileInfo>

void AbridorConexionSuite::Abrir(const QString& cadena, Conexion& conexion)
{
    const bool tienda = cadena.trimmed().isEmpty();
    const ParametrosConexion p = tienda ? ConfiguracionSuite::tienda() : Origen(cadena);
    const QString que = tienda ? QStringLiteral("de la tienda")
                               : QStringLiteral("del origen de datos «%1»").arg(cadena.trimmed());
    if (p.baseDatos.trimmed().isEmpty())
        throw ErrorTarvelo(QStringLiteral("La configuración de la suite (%1) no indica la base de datos %2. "
                                          "Indíquela con «tarvelo-admin crear --suite %1 --basedatos …», que la "
                                          "crea si falta y la guarda en ese fichero («tarvelo-admin crear --help» "
                                          "explica las opciones) o, para probar, con «tarvelo-admin demo --suite "
                                          "%1 --carpeta …».")
                               .arg(ConfiguracionSuite::ruta(), que));
    // SQLite crearía en silencio un fichero vacío en lugar de avisar
    if (p.motor() == Motor::SQLite && !QFileInfo::exists(p.baseDatos))
        throw ErrorTarvelo(QStringLiteral("No existe la base de datos %1: %2").arg(que, p.baseDatos));
    conexion.abrir(p);
}

ParametrosConexion AbridorConexionSuite::Origen(const QString& cadena)
{
    return ConfiguracionSuite::origen(cadena);
}
