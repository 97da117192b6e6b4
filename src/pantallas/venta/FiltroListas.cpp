#include "pantallas/venta/FiltroListas.h"

#include "plataforma/widgets/Rejilla.h"

namespace FiltroListas {

// En mayúsculas los dos, como los comparaba el sistema
void FiltrarClienteContiene(const QString& textoBuscado, Rejilla& rejilla)
{
    const QString buscado = textoBuscado.toUpper();
    const int visible = rejilla.altoFila(0);
    for (int r = 1; r < rejilla.filas(); ++r)
        rejilla.ponerAltoFila(r, rejilla.texto(r, 1).toUpper().contains(buscado) ? visible : 0);
}

void FiltrarClienteEmpieza(const QString& textoBuscado, Rejilla& rejilla)
{
    const QString buscado = textoBuscado.toUpper();
    for (int r = 1; r < rejilla.filas(); ++r)
        if (!rejilla.filaOculta(r) && rejilla.texto(r, 1).left(textoBuscado.size()).toUpper() != buscado)
            rejilla.ponerAltoFila(r, 0);
}

void MostrarTodasLasFilas(Rejilla& rejilla)
{
    const int visible = rejilla.altoFila(0);
    for (int r = 1; r < rejilla.filas(); ++r)
        if (rejilla.filaOculta(r))
            rejilla.ponerAltoFila(r, visible);
}

}  // namespace FiltroListas
