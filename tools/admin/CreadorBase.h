#pragma once
// Crea la base de datos vacía si no existe: en SQLite, la carpeta del
// fichero; en PostgreSQL, la base de datos en UTF-8 con la configuración
// regional C.UTF-8 (con la C, ilike y lower() no pliegan la "ñ").
#include "datos/Conexion.h"

namespace CreadorBase {

bool existe(const ParametrosConexion& p);

// Devuelve true si la ha creado ahora
bool crearSiFalta(const ParametrosConexion& p);

// Nombre admitido para una base de PostgreSQL (va en el texto de la orden,
// no puede ligarse): minúsculas, cifras y "_", empezando por letra
bool nombreValido(const QString& nombre);

}  // namespace CreadorBase
