#pragma once
// Avisos al usuario desde las capas de abajo, que no tienen pantallas: el
// arranque instala la caja de mensajes. Sin nada instalado, el aviso va solo
// al registro.
#include <QString>

class Aviso {
public:
    virtual ~Aviso() = default;
    // texto: qué pasó y qué hacer; detalle: lo técnico, para los detalles de la caja
    virtual void avisar(const QString& texto, const QString& detalle) = 0;
};

// No toma la propiedad; nullptr vuelve al registro solo
void ponerAviso(Aviso* aviso);

void avisar(const QString& texto, const QString& detalle = {});
