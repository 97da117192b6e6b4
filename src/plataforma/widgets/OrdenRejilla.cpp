#include "plataforma/widgets/OrdenRejilla.h"

#include "datos/Valores.h"

#include <QCollator>
#include <QDate>
#include <algorithm>

namespace OrdenRejilla {
namespace {

enum Clase { Vacio, Numero, Fecha, Texto };

struct Clave {
    Clase clase = Vacio;
    double numero = 0;  // número, o día juliano de la fecha
};

bool pareceFecha(const QString& t)
{
    // Evita leer como fecha cada nombre: una fecha empieza por cifra y lleva separador
    return t.size() >= 6 && t.size() <= 10 && t.at(0).isDigit()
           && (t.contains(QLatin1Char('/')) || t.contains(QLatin1Char('-')));
}

Clave clasificar(const QString& texto)
{
    Clave k;
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return k;
    bool ok = false;
    const double n = Valores::leerNumero(t, &ok);
    if (ok) {
        k.clase = Numero;
        k.numero = n;
        return k;
    }
    if (pareceFecha(t)) {
        const QDate f = Valores::leerFecha(t);
        if (f.isValid()) {
            k.clase = Fecha;
            k.numero = double(f.toJulianDay());
            return k;
        }
    }
    k.clase = Texto;
    return k;
}

}  // namespace

QList<int> ordenGenerico(const QList<QString>& textos, bool descendente)
{
    QCollator cotejador(QLocale(QLocale::Spanish, QLocale::Spain));
    cotejador.setCaseSensitivity(Qt::CaseInsensitive);
    const int n = int(textos.size());
    QList<Clave> claves(n);
    QList<QCollatorSortKey> clavesTexto;
    QList<int> posTexto(n, -1);
    for (int i = 0; i < n; ++i) {
        claves[i] = clasificar(textos.at(i));
        if (claves[i].clase == Texto) {
            posTexto[i] = int(clavesTexto.size());
            clavesTexto.append(cotejador.sortKey(textos.at(i).trimmed()));
        }
    }
    auto menor = [&](int a, int b) {
        const Clave& ka = claves.at(a);
        const Clave& kb = claves.at(b);
        if (ka.clase != kb.clase)
            return ka.clase < kb.clase;
        if (ka.clase == Texto)
            return clavesTexto.at(posTexto.at(a)).compare(clavesTexto.at(posTexto.at(b))) < 0;
        return ka.numero < kb.numero;
    };
    QList<int> orden(n);
    for (int i = 0; i < n; ++i)
        orden[i] = i;
    if (descendente)
        std::stable_sort(orden.begin(), orden.end(), [&](int a, int b) { return menor(b, a); });
    else
        std::stable_sort(orden.begin(), orden.end(), menor);
    return orden;
}

}  // namespace OrdenRejilla
