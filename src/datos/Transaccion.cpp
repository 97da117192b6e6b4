#include "datos/Transaccion.h"

Transaccion::Transaccion(Conexion& conexion) : m_conexion(conexion)
{
    if (!m_conexion.enTransaccion()) {
        m_conexion.empezarTransaccion();
        m_propia = true;
    }
}

Transaccion::~Transaccion()
{
    if (m_propia && !m_terminada)
        m_conexion.deshacerTransaccion();
}

void Transaccion::confirmar()
{
    if (m_propia && !m_terminada)
        m_conexion.confirmarTransaccion();
    m_terminada = true;
}
