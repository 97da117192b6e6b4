#pragma once
// Los avisos al usuario de las capas de abajo, anotados en lugar de mostrados
// mientras vive el objeto: "texto|detalle"
#include "datos/Aviso.h"

#include <QStringList>

struct AvisosPrueba : Aviso {
    QStringList anotados;
    AvisosPrueba() { ponerAviso(this); }
    ~AvisosPrueba() override { ponerAviso(nullptr); }
    void avisar(const QString& texto, const QString& detalle) override
    {
        anotados << texto + QLatin1Char('|') + detalle;
    }
};
