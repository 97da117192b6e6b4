#pragma once
// Creación y actualización (por versiones, repetible) de las dos bases de
// datos: la de la tienda y la de informes.
#include "datos/Conexion.h"

namespace Esquema {

enum class Base { Tienda, Informes };

// Última versión que conoce este programa
int versionActual(Base base);

// Versión en que está la base de datos (0 si está vacía)
int versionInstalada(Conexion& c, Base base);

// Crea o actualiza hasta la última versión; no hace nada si ya está al día.
// Devuelve la versión final. Lanza ErrorTarvelo si algo falla (sin dejar
// una versión a medias).
int actualizar(Conexion& c, Base base);

}  // namespace Esquema
