#pragma once
// Inserción de muchas filas en una tabla: se juntan en sentencias de varias
// filas (insert ... values (?,..),(?,..)) con los valores ligados, para que
// sembrar cien mil bonos no cueste una ida y vuelta por fila.
#include "datos/Conexion.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

class InsercionPorLotes {
public:
    InsercionPorLotes(Conexion& c, const QString& tabla, const QStringList& columnas);
    InsercionPorLotes(const InsercionPorLotes&) = delete;
    InsercionPorLotes& operator=(const InsercionPorLotes&) = delete;

    // Una fila con un valor por columna, en el orden de las columnas
    void anadir(const QVariantList& fila);
    // Escribe lo pendiente; hay que llamarlo al acabar
    void terminar();

    int filasEscritas() const { return m_escritas; }

private:
    QString sentencia(int filas) const;

    Conexion& m_conexion;
    QString m_tabla;
    QStringList m_columnas;
    int m_filasPorLote;
    QVariantList m_pendientes;
    int m_filasPendientes = 0;
    int m_escritas = 0;
    QString m_sentenciaLlena;
};
