#pragma once
// Preparación y llenado de las rejillas de las listas.
//
// Formato: una entrada por columna separadas por ";" (se admite un ";" final),
// cada una el ancho en twips (número con "," o "."), "/" y la alineación:
// "Izquierda", "Centrado" o "Derecha", sin distinguir mayúsculas.
// Ejemplo: "960/centrado;2160/izquierda;0/DERECHA". Ancho 0: columna oculta.
#include "datos/Conexion.h"

#include <QList>
#include <QString>
#include <QVariantList>

class Rejilla;

struct FormatoColumna {
    double ancho = 0;  // twips
    Qt::Alignment alineacion = Qt::AlignLeft;
    bool operator==(const FormatoColumna&) const = default;
};

class GestorRejillas {
public:
    // Títulos separados por ";" y formato de las columnas. Deja los títulos
    // en la fila 0 y una columna por título; las filas de datos se conservan.
    // Un formato mal escrito es un error que lo nombra y no toca la rejilla.
    void PrepararRejilla(Rejilla& rejilla, const QString& titulos, const QString& formato);

    // Ejecuta la consulta y llena la rejilla: la fila 0 conserva los títulos y
    // cada registro es una fila, una columna por columna de la consulta (las
    // columnas preparadas de más siguen ahí, vacías). Los
    // valores como texto: nulo vacío, fechas en la forma corta del puesto,
    // números con su separador decimal.
    void LlenarRejilla(Conexion& conexion, const QString& consulta, Rejilla& rejilla,
                       const QVariantList& valores = {});

    static QList<FormatoColumna> leerFormato(const QString& formato);
    static QString textoDeValor(const QVariant& valor);
};
