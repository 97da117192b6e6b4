#pragma once
// Lo que el propio motor dice de las tablas y columnas (sqlite_master y
// pragma_table_info en SQLite; information_schema en PostgreSQL).
#include "datos/Conexion.h"

#include <QString>
#include <QStringList>

namespace Catalogo {

bool existeTabla(Conexion& c, const QString& tabla);

// Nombres de columna en minúsculas; vacía si la tabla no existe
QStringList columnas(Conexion& c, const QString& tabla);

// Tipo declarado de una columna en minúsculas ("" si no existe)
QString tipoColumna(Conexion& c, const QString& tabla, const QString& columna);

// Nombres de los índices de una tabla, en minúsculas
QStringList indices(Conexion& c, const QString& tabla);

}  // namespace Catalogo
