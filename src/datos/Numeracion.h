#pragma once
// Números de documento sacados de los contadores de Relaciones_fijas
// (daton guarda el siguiente número que se da). Cada número se saca en una
// sola sentencia: dos puestos a la vez nunca reciben el mismo.
// Hay que sacarlos antes de empezar la transacción de la acción, salvo los
// de factura y de abono: esos se sacan dentro, como su primera escritura,
// para que una acción que falla devuelva su número y la serie no tenga
// huecos (quien abre la transacción toma antes el semáforo de la serie).
// Sin fila del contador el número es 0 y no se crea nada.
#include <QString>

// Con el semáforo "Bono"
int ObtenerNumeroBono();
// Con el semáforo "Factura" (fuera de una transacción)
int ObtenerNumeroFactura();
// Con el semáforo "FacturaPeruChile" (fuera de una transacción)
int ObtenerNumeroFacturaPeruChile();
// Sin semáforo; el de abono, también dentro de una transacción
int ObtenerNumeroAbono();
int ObtenerNumPagoCuenta();

// Si ya hay una factura con ese número (solo con los semáforos activos;
// apagados siempre contesta false sin preguntar)
bool ExisteFactura(int numero);
bool ExisteFacturaPeruChile(int numero);

// Error que nombra el contador si no tiene fila
void ExigirContador(const QString& indice);
