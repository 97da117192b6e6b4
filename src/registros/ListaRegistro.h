#pragma once
// Lista de campos que se da al escritor de registros, hecha campo a campo en
// su orden: "nombre=valor|" por cada uno, desde un texto vacío.
#include "datos/Componentes.h"
#include "datos/Globales.h"

#include <QString>

class ListaRegistro {
public:
    ListaRegistro& campo(const char* nombre, const QString& valor)
    {
        m_texto += QLatin1String(nombre) + QLatin1Char('=') + valor + QLatin1Char('|');
        return *this;
    }
    // Enteros como texto decimal, sin ceros delante
    ListaRegistro& campo(const char* nombre, qlonglong valor) { return campo(nombre, QString::number(valor)); }

    const QString& texto() const { return m_texto; }

    // Alta de la fila con la tienda de la sesión
    void insertar(const QString& tabla) const
    {
        Componentes::registros().Insertar(gConexion, tabla, m_texto, gNombreTienda, gMultitienda, QString());
    }

private:
    QString m_texto;
};
