#pragma once
// Orden genérico de la rejilla: cada texto se clasifica una vez (vacío,
// número, fecha, texto) y se ordena por clase y luego por valor, de modo
// que "9" va antes que "10" y "02/01/2024" antes que "01/02/2024".
#include <QList>
#include <QString>

namespace OrdenRejilla {

// Nuevo orden de las posiciones de textos; estable (los iguales conservan su orden)
QList<int> ordenGenerico(const QList<QString>& textos, bool descendente);

}  // namespace OrdenRejilla
