#pragma once
// Escritor de registros que anota cada llamada tal como le llega y la pasa al
// de verdad; puede fallar al escribir en una tabla, como un disco lleno o
// una restricción de la base de datos.
//   "I tabla lista"                           Insertar
//   "M tabla lista condición historial"       Modificar
#include "datos/Error.h"
#include "plataforma/GestorRegistrosSql.h"

#include <QStringList>

class EscritorGrabador : public GestorRegistros {
public:
    QStringList llamadas;
    QString fallarEn;  // tabla cuyas altas y cambios fallan

    explicit EscritorGrabador(const QString& fallar = QString()) : fallarEn(fallar) {}

    void Insertar(Conexion& c, const QString& tabla, const QString& lista, const QString& tienda, bool multitienda,
                  const QString& texto) override
    {
        llamadas << QStringLiteral("I %1 %2").arg(tabla, lista);
        if (tabla.compare(fallarEn, Qt::CaseInsensitive) == 0)
            throw ErrorTarvelo(QStringLiteral("No se pudo guardar en «%1».").arg(tabla));
        m_real.Insertar(c, tabla, lista, tienda, multitienda, texto);
    }
    void Modificar(Conexion& c, const QString& tabla, const QString& lista, const QString& tienda, bool multitienda,
                   const Condicion& condicion, int historial, const QString& codigo, const QString& campos,
                   const QString& descripcion) override
    {
        llamadas << QStringLiteral("M %1 %2 %3 %4").arg(tabla, lista, condicion.legible()).arg(historial);
        if (tabla.compare(fallarEn, Qt::CaseInsensitive) == 0)
            throw ErrorTarvelo(QStringLiteral("No se pudo cambiar «%1».").arg(tabla));
        m_real.Modificar(c, tabla, lista, tienda, multitienda, condicion, historial, codigo, campos, descripcion);
    }
    void ProcesarFilas(Conexion& c, const QString& tabla, const QString& tienda, bool multitienda,
                       const Condicion& condicion) override
    {
        m_real.ProcesarFilas(c, tabla, tienda, multitienda, condicion);
    }

private:
    GestorRegistrosSql m_real;
};
