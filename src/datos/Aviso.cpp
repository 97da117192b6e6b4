#include "datos/Aviso.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcAviso, "tarvelo.aviso")

namespace {
Aviso*& avisoInstalado()
{
    static Aviso* a = nullptr;
    return a;
}
}  // namespace

void ponerAviso(Aviso* aviso)
{
    avisoInstalado() = aviso;
}

void avisar(const QString& texto, const QString& detalle)
{
    if (Aviso* a = avisoInstalado()) {
        a->avisar(texto, detalle);
        return;
    }
    qCWarning(lcAviso).noquote() << texto << detalle;
}
