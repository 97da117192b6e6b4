#pragma once
// Escritor de registros de la suite: toda escritura de registros pasa por aquí.
#include "datos/Conexion.h"

#include <QString>
#include <QVariantList>

// Condición de Modificar/ProcesarFilas: texto en el dialecto del sistema con
// los valores ligados ("numbono = ?", {123}).
struct Condicion {
    QString texto;
    QVariantList valores;

    Condicion() = default;
    Condicion(const QString& t, const QVariantList& v = {}) : texto(t), valores(v) {}
    Condicion(const char* t) : texto(QString::fromUtf8(t)) {}
    // Texto con los valores en su sitio, para el historial y los mensajes
    QString legible() const;
};

class GestorRegistros {
public:
    virtual ~GestorRegistros() = default;

    // lista: "campo=valor|campo=valor|" (cada elemento termina en "|")
    virtual void Insertar(Conexion& conexion, const QString& tabla, const QString& lista, const QString& tienda,
                          bool multitienda, const QString& texto = QString()) = 0;

    // historial -1: se anota el cambio con codigo, campos ("a|b|c") y descripcion
    virtual void Modificar(Conexion& conexion, const QString& tabla, const QString& lista, const QString& tienda,
                           bool multitienda, const Condicion& condicion, int historial, const QString& codigo,
                           const QString& campos, const QString& descripcion) = 0;

    virtual void ProcesarFilas(Conexion& conexion, const QString& tabla, const QString& tienda, bool multitienda,
                               const Condicion& condicion) = 0;
};
