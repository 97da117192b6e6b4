#pragma once
// Pantallas sencillas que ocupan el sitio del menú principal y de la
// selección de tienda mientras estas no existen.
namespace PantallaProvisional {
void menuPrincipal();
void seleccionTienda();
}
