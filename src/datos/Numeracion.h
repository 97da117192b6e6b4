#pragma once
// Números de documento sacados de los contadores de Relaciones_fijas
// (daton guarda el siguiente número que se da). Cada número se saca en una
// sola sentencia que se confirma al momento: dos puestos a la vez nunca
// reciben el mismo y un número sacado no se devuelve aunque no se use.
// Hay que sacarlos antes de empezar la transacción de la acción.
// Sin fila del contador el número es 0 y no se crea nada.

// Con el semáforo "Bono"
int ObtenerNumeroBono();
// Con el semáforo "Factura"
int ObtenerNumeroFactura();
// Con el semáforo "FacturaPeruChile"
int ObtenerNumeroFacturaPeruChile();
// Sin semáforo
int ObtenerNumeroAbono();
int ObtenerNumPagoCuenta();

// Si ya hay una factura con ese número (solo con los semáforos activos;
// apagados siempre contesta false sin preguntar)
bool ExisteFactura(int numero);
bool ExisteFacturaPeruChile(int numero);
