// Lista de campos del escritor de registros: o se lee, o dice qué está mal
// (ErrorTarvelo); lo leído se escribe y se vuelve a leer igual
#include "Comun.h"
#include "datos/Error.h"
#include "plataforma/ListaCampos.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tam)
{
    const QString lista = textoDe(datos, tam);
    QList<ElementoLista> leidos;
    try {
        leidos = ListaCampos::leer(lista, QStringLiteral("prueba"));
    } catch (const ErrorTarvelo&) {
        return 0;
    }
    for (const ElementoLista& e : leidos)
        if (e.campo.isEmpty() || e.campo != e.campo.trimmed() || e.campo.contains(QLatin1Char('=')) ||
            e.campo.contains(QLatin1Char('|')) || e.valor.contains(QLatin1Char('|')))
            hallazgo("campo mal partido", lista);
    const QList<ElementoLista> otra = ListaCampos::leer(ListaCampos::escribir(leidos), QStringLiteral("prueba"));
    if (otra.size() != leidos.size())
        hallazgo("la lista escrita no se lee igual", lista);
    for (qsizetype i = 0; i < otra.size(); ++i)
        if (otra[i].campo != leidos[i].campo || otra[i].valor != leidos[i].valor)
            hallazgo("la lista escrita no se lee igual", lista);
    return 0;
}
