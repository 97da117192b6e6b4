#pragma once
// Paso del texto de una lista de campos al valor de una columna según el tipo
// que da la base de datos y los ajustes regionales del puesto, y vuelta a un
// texto estable para el historial.
#include "datos/Conexion.h"
#include "plataforma/CatalogoColumnas.h"

#include <QVariant>
#include <optional>

namespace ValorColumna {

// Valor listo para ligar. Un texto vacío es nulo salvo en columnas de texto.
// Lanza ErrorTarvelo que nombra la tabla, el campo y el valor si el texto no
// se lee como el tipo de la columna.
QVariant leer(const QString& texto, const Columna& columna, const QString& tabla, Motor motor);

// Texto para el historial: números en la forma con coma, fechas yyyy-MM-dd,
// horas HH:mm:ss, marcas -1/0, nulo vacío. Se puede volver a leer con leer().
QString texto(const QVariant& valor, TipoColumna tipo);

// Número escrito con "," o "." como separador decimal (uno solo de los dos),
// con signo y exponente opcionales. Con los dos, el del puesto es el decimal
// y el otro solo puede agrupar miles ("1.234,5").
std::optional<double> leerDecimal(const QString& texto, QChar separadorPuesto);

}  // namespace ValorColumna
