#pragma once
// Scripts de esquema guardados como recursos (sql/*.sql): se leen, se
// adaptan al motor y se parten en sentencias.
#include "datos/Conexion.h"

#include <QString>
#include <QStringList>

namespace ScriptSql {

// Texto del recurso ":/sql/<nombre>"; ErrorTarvelo si no está
QString leer(const QString& nombre);

// Sustituye las marcas del motor y devuelve las sentencias en orden:
//  @ID_AUTO@       -> identificador automático con clave primaria
//  @POSTGRESQL@ x  -> x solo en PostgreSQL
//  @SQLITE@ x      -> x solo en SQLite
// Las líneas "--" son comentarios; cada sentencia acaba en ";" a fin de línea.
QStringList sentencias(const QString& texto, Motor motor);

}  // namespace ScriptSql
