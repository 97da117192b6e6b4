#include "pantallas/venta/BusquedaCliente.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcBusquedaVenta, "tarvelo.venta.busqueda", QtInfoMsg)

namespace BusquedaCliente {
namespace {
Apertura& apertura()
{
    static Apertura a;
    return a;
}
}  // namespace

void abrir(QWidget* padre)
{
    if (apertura()) {
        apertura()(padre);
        return;
    }
    qCInfo(lcBusquedaVenta) << "La búsqueda de clientes aún no está disponible: no se elige cliente";
}

void ponerApertura(const Apertura& a)
{
    apertura() = a;
}

}  // namespace BusquedaCliente
