#pragma once
// Guardián de las escrituras de una acción del usuario: todo o nada.
//   Transaccion t(gConexion);
//   ... escrituras ...
//   t.confirmar();
// Si se sale del ámbito sin confirmar (por un error), se deshace.
// Anidado dentro de otra transacción de la misma conexión no hace nada:
// manda la de fuera.
#include "datos/Conexion.h"

class Transaccion {
public:
    explicit Transaccion(Conexion& conexion);
    ~Transaccion();
    Transaccion(const Transaccion&) = delete;
    Transaccion& operator=(const Transaccion&) = delete;

    void confirmar();

private:
    Conexion& m_conexion;
    bool m_propia = false;
    bool m_terminada = false;
};
