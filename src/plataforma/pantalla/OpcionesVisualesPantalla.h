#pragma once
// Opciones visuales de un puesto (las que ofrece ConfigPuesto):
//   0 Normal: la pantalla como se diseñó.
//   1 Letra grande: toda la letra un 25 % mayor.
//   2 Alto contraste: letra en negrita y todo texto en negro o en blanco,
//     el que más se distinga del fondo que le ponga el esquema de colores.
//     Se mantiene aunque la pantalla se vuelva a colorear después.
// Una opción desconocida se trata como la 0. Aplicar una opción deshace la
// que tuviera la pantalla.
#include "datos/ComponentesSuite.h"

#include <QColor>

class OpcionesVisualesPantalla : public OpcionesVisuales {
public:
    void Aplicar(Conexion& c, QWidget* pantalla, int opcion) override;

    // Sin conexión (la que se da no se usa)
    static void aplicar(QWidget* pantalla, int opcion);
    // Opción en vigor en la pantalla
    static int opcionDe(const QWidget* pantalla);

    static constexpr double kFactorLetraGrande = 1.25;

    // Negro o blanco, el que más contraste con el fondo
    static QColor textoContrastado(const QColor& fondo);
};
