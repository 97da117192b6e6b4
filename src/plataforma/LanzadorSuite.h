#pragma once
// Arranque de los programas hermanos de la suite: la orden de cada programa
// (por su nombre de fichero, "Q_AgendaCitas.exe") está en la configuración de
// la suite, sección [programas]. El programa arranca aparte y el control
// vuelve en seguida a quien llama.
#include "datos/ComponentesSuite.h"

class LanzadorSuite : public Lanzador {
public:
    // Si el programa no está configurado, no está instalado o no arranca, lo
    // dice al usuario (Aviso) y vuelve igual. El texto es el nombre que ve el usuario.
    void Arrancar(const QString& programa, const QString& texto, Conexion& c) override;
};
