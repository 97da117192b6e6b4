#pragma once
// Escritor de registros sobre la base de datos de la tienda: la lista de
// campos se convierte a valores con los tipos de columna que da la propia base
// de datos y se escribe con una sola sentencia con parámetros.
//
//  - Insertar: rellena la columna "tienda" con la tienda de la sesión cuando
//    la instalación es multitienda, la tabla la tiene y la lista no la da.
//  - Modificar con historial -1: lee los valores de antes de los campos
//    vigilados (los de "campos"; si viene vacío, los de la lista), actualiza y
//    anota el cambio, todo en una transacción (o en la de fuera, si la hay).
//  - ProcesarFilas: en una cadena (multitienda) deja en el historial, con la
//    operación "procesar", las filas tal como quedan, para que las demás
//    tiendas se pongan al día; no toca las filas.
#include "datos/GestorRegistros.h"
#include "plataforma/CatalogoColumnas.h"
#include "plataforma/ListaCampos.h"

class GestorRegistrosSql : public GestorRegistros {
public:
    void Insertar(Conexion& conexion, const QString& tabla, const QString& lista, const QString& tienda,
                  bool multitienda, const QString& texto = QString()) override;
    void Modificar(Conexion& conexion, const QString& tabla, const QString& lista, const QString& tienda,
                   bool multitienda, const Condicion& condicion, int historial, const QString& codigo,
                   const QString& campos, const QString& descripcion) override;
    void ProcesarFilas(Conexion& conexion, const QString& tabla, const QString& tienda, bool multitienda,
                       const Condicion& condicion) override;

    CatalogoColumnas& catalogo() { return m_catalogo; }

    // Operación con que ProcesarFilas anota las filas en el historial
    static QString operacionProcesar() { return QStringLiteral("procesar"); }

private:
    struct Asignacion {
        const Columna* columna;
        QVariant valor;
    };
    QList<Asignacion> asignaciones(Conexion& conexion, const TablaBase& t, const QString& lista);
    static void separar(const QList<Asignacion>& asig, QStringList& columnas, QVariantList& valores);
    // Valores de unos campos en las filas de la condición, como texto de historial
    QList<QList<ElementoLista>> leerFilas(Conexion& conexion, const TablaBase& t, const QList<const Columna*>& columnas,
                          const Condicion& condicion);

    CatalogoColumnas m_catalogo;
};
