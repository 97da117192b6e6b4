#pragma once
// Arranque del programa: un solo ejemplar por puesto, la conexión, la
// configuración en las variables de la sesión, los semáforos y la primera
// pantalla. Cuando el menú principal se cierra, el programa termina.
#include <functional>

namespace Arranque {

// Pantallas modales del arranque (las pruebas pueden poner las suyas)
struct Pantallas {
    std::function<void()> seleccionTienda;  // deja gTiendaSeleccionada
    std::function<void()> menuPrincipal;
};
void ponerPantallas(const Pantallas& p);
void restablecerPantallas();

// La sesión como la deja el arranque antes de la primera pantalla: conexión,
// puesto, configuración y semáforos. Lanza ErrorTarvelo si algo falla.
void cargarSesion();

enum class Resultado { Terminado, OtroEjemplar, Error };

// Main: devuelve cómo acabó (el programa termina al volver)
Resultado Main();

}  // namespace Arranque
