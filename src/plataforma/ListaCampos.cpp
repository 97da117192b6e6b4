#include "plataforma/ListaCampos.h"

#include "datos/Error.h"

namespace ListaCampos {

QList<ElementoLista> leer(const QString& lista, const QString& tabla)
{
    QList<ElementoLista> elementos;
    // Lo que sigue al último "|" también cuenta: una lista sin el "|" final no pierde su último campo
    const QStringList trozos = lista.split(QLatin1Char('|'));
    for (const QString& trozo : trozos) {
        if (trozo.trimmed().isEmpty())
            continue;
        const int igual = trozo.indexOf(QLatin1Char('='));
        if (igual < 0 || trozo.left(igual).trimmed().isEmpty())
            throw ErrorTarvelo(QStringLiteral("La lista de campos de la tabla «%1» tiene un elemento sin la forma "
                                              "campo=valor: «%2».")
                                   .arg(tabla, trozo));
        elementos.append({trozo.left(igual).trimmed(), trozo.mid(igual + 1)});
    }
    if (elementos.isEmpty())
        throw ErrorTarvelo(QStringLiteral("La lista de campos de la tabla «%1» está vacía.").arg(tabla));
    return elementos;
}

QStringList nombres(const QString& campos)
{
    QStringList r;
    for (const QString& n : campos.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        if (!n.trimmed().isEmpty())
            r << n.trimmed();
    return r;
}

QString escribir(const QList<ElementoLista>& elementos)
{
    QString r;
    for (const ElementoLista& e : elementos)
        r += e.campo + QLatin1Char('=') + e.valor + QLatin1Char('|');
    return r;
}

}  // namespace ListaCampos
