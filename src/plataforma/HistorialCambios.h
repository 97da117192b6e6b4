#pragma once
// Historial de cambios de la suite (tabla historial): quién (puesto y
// empleado), cuándo, qué operación, en qué tabla y filas, y los valores de
// antes y de después de los campos vigilados.
#include "datos/Conexion.h"
#include "plataforma/CatalogoColumnas.h"

#include <QString>

struct EntradaHistorial {
    QString tabla;
    QString operacion;    // código de operación ("12", "33", ...)
    QString campos;       // campos vigilados, "a|b|c"
    QString descripcion;
    QString condicion;    // Condicion::legible()
    QString valoresAnteriores;  // una lista "campo=valor|" por fila, separadas por saltos de línea
    QString valoresNuevos;
    QString tienda;
};

namespace HistorialCambios {

// Añade la entrada con la fecha y hora de ahora, el puesto y el empleado del
// puesto. Escribe en la transacción en curso de la conexión, si la hay.
void anotar(Conexion& conexion, CatalogoColumnas& catalogo, const EntradaHistorial& entrada);

}  // namespace HistorialCambios
