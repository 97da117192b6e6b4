// Órdenes copia y restaurar
#include "AnalizadorOrden.h"
#include "CopiaSeguridad.h"
#include "OpcionesConexion.h"
#include "Ordenes.h"
#include "datos/Error.h"

#include <QTextStream>

namespace Ordenes {

int copia(const QStringList& args)
{
    AnalizadorOrden a(QStringLiteral("copia"),
                      QStringLiteral("Hace una copia de seguridad de las bases de la tienda y de informes, también con "
                                     "el programa abierto en los puestos: en SQLite con la copia en línea del motor, en "
                                     "PostgreSQL con pg_dump (paquete postgresql-client). La copia es una carpeta "
                                     "tarvelo-AAAAMMDD-HHMMSS (fecha y hora) dentro del destino."));
    OpcionesConexion::anadir(a.parser());
    a.parser().addOption({QStringLiteral("destino"), QStringLiteral("Carpeta donde se deja la copia (obligatoria)."),
                          QStringLiteral("carpeta")});
    if (!a.analizar(args))
        return 0;
    const QString destino = a.parser().value(QStringLiteral("destino")).trimmed();
    if (destino.isEmpty())
        throw ErrorTarvelo(QStringLiteral("Falta --destino: la carpeta donde dejar la copia."));
    OpcionesConexion::aplicarSuite(a.parser());
    const ParametrosConexion tienda = OpcionesConexion::tienda(a.parser());
    const QString hecha = CopiaSeguridad::copiar(tienda, OpcionesConexion::informes(a.parser(), tienda), destino);
    QTextStream(stdout) << "Copia hecha en " << hecha << '\n';
    return 0;
}

int restaurar(const QStringList& args)
{
    AnalizadorOrden a(QStringLiteral("restaurar"),
                      QStringLiteral("Devuelve las bases de la tienda y de informes al estado de una copia hecha con "
                                     "«tarvelo-admin copia». Lo que se guardó después de la copia se pierde. Se niega "
                                     "mientras algún puesto tenga el programa abierto; si falla, las bases quedan "
                                     "como estaban."));
    OpcionesConexion::anadir(a.parser());
    a.parser().addOption({QStringLiteral("copia"), QStringLiteral("Carpeta de la copia (obligatoria)."),
                          QStringLiteral("carpeta")});
    if (!a.analizar(args))
        return 0;
    const QString copia = a.parser().value(QStringLiteral("copia")).trimmed();
    if (copia.isEmpty())
        throw ErrorTarvelo(QStringLiteral("Falta --copia: la carpeta de la copia que se restaura."));
    OpcionesConexion::aplicarSuite(a.parser());
    const ParametrosConexion tienda = OpcionesConexion::tienda(a.parser());
    CopiaSeguridad::restaurar(copia, tienda, OpcionesConexion::informes(a.parser(), tienda));
    QTextStream(stdout) << "Restaurada la copia " << copia << '\n';
    return 0;
}

}  // namespace Ordenes
