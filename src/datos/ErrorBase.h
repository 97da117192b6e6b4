#pragma once
// Los fallos del motor de base de datos dichos para quien usa el programa:
// una frase en español con qué falló y qué hacer. El mensaje del motor y la
// sentencia (con ? en lugar de los valores) quedan en el detalle.
#include "datos/Conexion.h"
#include "datos/Error.h"

#include <QSqlError>

namespace ErrorBase {

// Una sentencia del sistema que ha fallado
ErrorTarvelo deSentencia(const QSqlError& e, const ParametrosConexion& p, const QString& sql);

// No se ha podido abrir la base de datos
ErrorTarvelo deApertura(const QSqlError& e, const ParametrosConexion& p);

// El servidor no contesta. aMitad: la conexión se perdió con una transacción
// abierta, así que la acción no ha guardado nada.
ErrorTarvelo sinServidor(const ParametrosConexion& p, const QSqlError& e, bool aMitad);

// Primer renglón del mensaje del motor, sin prefijo ni código: los renglones
// siguientes (DETAIL, CONTEXT) y un texto entrecomillado al final llevan valores
QString textoMotor(const QSqlError& e);

}  // namespace ErrorBase
