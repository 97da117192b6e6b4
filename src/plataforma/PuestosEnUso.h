#pragma once
// Qué puestos tienen el programa abierto sobre una base de datos, para que
// nadie la sustituya (restaurar una copia) bajo sus pies. En PostgreSQL lo sabe
// el servidor: cada conexión lleva el nombre del programa (application_name).
// En SQLite, cada programa abierto guarda un fichero de bloqueo junto a la base;
// el de un programa que acabó mal en esta máquina no cuenta.
#include "datos/Conexion.h"

#include <QLockFile>
#include <QStringList>
#include <memory>

namespace PuestosEnUso {

// Nombre con que se conecta el programa de los puestos
inline const QString kPrograma = QStringLiteral("q_tarvelo");

// Marca la base como abierta por este puesto mientras viva lo devuelto
// (nulo en PostgreSQL o si la carpeta no admite el fichero)
std::unique_ptr<QLockFile> marcar(const ParametrosConexion& base, const QString& puesto);

// Puestos (SQLite) o conexiones (PostgreSQL) con el programa abierto sobre la base
QStringList abiertos(const ParametrosConexion& base);

}  // namespace PuestosEnUso
