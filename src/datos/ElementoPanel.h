#pragma once
// Un botón de un panel táctil: seis textos en este orden.
#include <QList>
#include <QString>

struct ElementoPanel {
    QString caption;
    QString color;   // número de color en decimal ("16777215" es blanco)
    QString imagen;  // ruta completa de la imagen, "" sin imagen
    QString datos;
    QString extra;   // quinto campo
    QString codigo;

    bool operator==(const ElementoPanel&) const = default;
};

// Las listas de los paneles se dimensionan de 0 a n: la última entrada queda vacía
using ListaPanel = QList<ElementoPanel>;

// Los botones de empleados y de formas de pago no traen texto: llevan por
// texto sus datos (el nombre)
inline ListaPanel conTextoDeDatos(ListaPanel lista)
{
    for (ElementoPanel& e : lista)
        if (e.caption.isEmpty())
            e.caption = e.datos;
    return lista;
}
