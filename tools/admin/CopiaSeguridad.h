#pragma once
// Copias de seguridad de las bases de la tienda y de informes, hechas con el
// programa en marcha: en SQLite con la copia en línea del motor (una foto
// coherente aunque otros puestos escriban), en PostgreSQL con pg_dump. Cada
// copia es una carpeta "tarvelo-AAAAMMDD-HHMMSS" con tienda.db e informes.db,
// o tienda.dump e informes.dump.
#include "datos/Conexion.h"

#include <QDateTime>

namespace CopiaSeguridad {

// Hace la copia dentro de destino y devuelve su carpeta. Hasta que está
// entera la carpeta lleva otro nombre: una copia a medias no parece buena.
QString copiar(const ParametrosConexion& tienda, const ParametrosConexion& informes, const QString& destino,
               const QDateTime& cuando = QDateTime::currentDateTime());

// Devuelve las dos bases al estado de la copia. Se niega (ErrorTarvelo) si
// algún puesto tiene el programa abierto sobre ellas; si algo falla, las
// bases siguen como estaban.
void restaurar(const QString& copia, const ParametrosConexion& tienda, const ParametrosConexion& informes);

}  // namespace CopiaSeguridad
