#include "pantallas/venta/CierreVenta.h"

#include "pantallas/venta/ImpresionVenta.h"
#include "registros/ModificacionBono.h"
#include "registros/RegistroVenta.h"

namespace CierreVenta {
namespace {
Registro& registro()
{
    static Registro r;
    return r;
}
}  // namespace

void registrar(Serie serie, const VentaEnCurso& venta)
{
    if (registro()) {
        registro()(serie, venta);
        return;
    }
    if (venta.modificando) {
        // Sin número nuevo, sin pago a cuenta y sin ticket (ya se cobró): los
        // papeles llevan la factura del propio bono, en la serie del bono
        RegistrarModificacion(venta);
        VentaEnCurso papeles = venta;
        papeles.ticket = false;
        ImpresionVenta::imprimir(venta.bono.serie, venta.bono.factura, papeles);
        return;
    }
    const int numero = RegistrarVenta(serie, venta);
    // Después de confirmar: una impresora que falla no deshace la venta
    ImpresionVenta::imprimir(serie, numero, venta);
}

void ponerRegistro(const Registro& r)
{
    registro() = r;
}

}  // namespace CierreVenta
