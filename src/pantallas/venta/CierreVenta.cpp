#include "pantallas/venta/CierreVenta.h"

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
    qCWarning(lcCierreVenta).noquote() << QStringLiteral(
                                         "La venta no se guarda (aún no se registran ventas en este puesto): "
                                         "serie %1, cliente %2, artículo %3, %4 sesiones, precio %5, forma de pago %6, "
                                         "empleado %7")
                                         .arg(serie == Serie::Primera ? 1 : 2)
                                         .arg(venta.codCliente)
                                         .arg(venta.codServicio)
                                         .arg(venta.sesiones, venta.precio)
                                         .arg(venta.formaPago)
                                         .arg(venta.codEmpleado);
}

void ponerRegistro(const Registro& r)
{
    registro() = r;
}

}  // namespace CierreVenta
