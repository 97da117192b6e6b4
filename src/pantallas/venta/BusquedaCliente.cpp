#include "pantallas/venta/BusquedaCliente.h"

#include "datos/Globales.h"
#include "pantallas/busqueda/frmBuscar.h"

#include <QWidget>

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
    gCodigoClienteBuscado.clear();
    frmBuscar busqueda(padre);
    busqueda.exec();
    // Sin gestor de ventanas nadie devuelve la actividad a la venta
    if (padre)
        padre->activateWindow();
}

void ponerApertura(const Apertura& a)
{
    apertura() = a;
}

}  // namespace BusquedaCliente
