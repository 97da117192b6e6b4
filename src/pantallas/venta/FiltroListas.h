#pragma once
// Filtro de las listas de bonos por el nombre del cliente (columna 1): una
// fila se oculta con alto 0 y se vuelve a mostrar con el alto de la fila 0.
#include <QString>

class Rejilla;

namespace FiltroListas {

// Juzga otra vez todas las filas: se ven las que contienen el texto
void FiltrarClienteContiene(const QString& textoBuscado, Rejilla& rejilla);
// Solo juzga las que se ven: borrar letras no devuelve las ocultas
void FiltrarClienteEmpieza(const QString& textoBuscado, Rejilla& rejilla);
void MostrarTodasLasFilas(Rejilla& rejilla);

}  // namespace FiltroListas
