#pragma once
// Apertura de la búsqueda de clientes desde la venta: modal, deja el cliente
// elegido en gCodigoClienteBuscado y su tienda en gTiendaClienteBuscado.
// Abre frmBuscar; las pruebas pueden poner la suya.
#include <functional>

class QWidget;

namespace BusquedaCliente {

using Apertura = std::function<void(QWidget* padre)>;

void abrir(QWidget* padre);
// Una vacía vuelve a la de siempre
void ponerApertura(const Apertura& apertura);

}  // namespace BusquedaCliente
