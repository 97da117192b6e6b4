#pragma once
// Reescritura del dialecto de SQL de los textos del sistema al motor en uso:
//  - #mm/dd/yyyy#            -> literal de fecha del motor
//  - a & b                   -> concatenación en la que un nulo cuenta como vacío
//  - true / false            -> -1 / 0
//  - <> null / = null        -> is not null / is null
//  - delete * from           -> delete from
//  - like                    -> sin distinguir mayúsculas ni acentos
// Fuera de las cadenas entre comillas; lo que va entre comillas no se toca.
#include "datos/Conexion.h"
#include <QString>

namespace Dialecto {

QString reescribir(const QString& sql, Motor motor);

// Registra en una conexión SQLite las funciones que la reescritura usa
// (like con Unicode, sin acentos).
void registrarFuncionesSQLite(const QSqlDatabase& db);

// Pliega un texto para comparar sin mayúsculas ni acentos ("José" -> "jose")
QString plegar(const QString& texto);

// like del sistema: % cualquier secuencia, _ un carácter, sin mayúsculas ni acentos
bool coincideLike(const QString& texto, const QString& patron, QChar escape = QChar());

}  // namespace Dialecto
