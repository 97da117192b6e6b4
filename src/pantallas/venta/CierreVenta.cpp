#include "pantallas/venta/CierreVenta.h"

#include "pantallas/venta/ImpresionVenta.h"
#include "registros/RegistroVenta.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcCierreVenta, "tarvelo.venta.cierre", QtInfoMsg)

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
        qCWarning(lcCierreVenta) << "Aún no se guardan las modificaciones de bonos en este puesto";
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
