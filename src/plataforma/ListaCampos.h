#pragma once
// Lista de campos del escritor de registros: "campo=valor|campo=valor|".
// Cada elemento termina en "|"; los valores van tal cual, sin comillas ni
// escapes, así que un valor puede llevar "=": solo el primero separa.
#include <QList>
#include <QString>
#include <QStringList>

struct ElementoLista {
    QString campo;
    QString valor;
};

namespace ListaCampos {

// Lanza ErrorTarvelo (con la tabla) si un elemento no tiene "=" o no hay campos
QList<ElementoLista> leer(const QString& lista, const QString& tabla);

// Nombres de campos separados por "|" ("a|b|c"), sin vacíos
QStringList nombres(const QString& campos);

// Forma de lista de unos pares: "a=1|b=2|"
QString escribir(const QList<ElementoLista>& elementos);

}  // namespace ListaCampos
