#pragma once
// Colores de la suite: texto decimal de un número de color en orden BGR
// (rojo en el byte bajo), como los guarda el sistema: blanco "16777215",
// rojo "255".
#include <QColor>
#include <QString>

inline int numeroColor(int rojo, int verde, int azul)
{
    return rojo | (verde << 8) | (azul << 16);
}

inline QString textoColor(int rojo, int verde, int azul)
{
    return QString::number(numeroColor(rojo, verde, azul));
}

inline QString textoColor(const QColor& c)
{
    return textoColor(c.red(), c.green(), c.blue());
}
