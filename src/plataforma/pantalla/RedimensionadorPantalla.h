#pragma once
// Escalado de pantallas: la ventana toma el tamaño de destino y todo lo que
// contiene crece o mengua en la misma proporción: posición y tamaño de los
// controles que no coloca una capa, límites de tamaño, márgenes de las capas,
// iconos de los botones y letra. La letra va con el menor de los dos
// factores (acumulados desde el diseño), para que los textos sigan cabiendo
// cuando cambia la proporción.
// No necesita la base de datos.
#include "datos/ComponentesSuite.h"

class RedimensionadorPantalla : public Redimensionador {
public:
    void Redimensionar(Conexion& c, QWidget* pantalla, double anchoDestino, double altoDestino,
                       double anchoReferencia, double altoReferencia) override;
    double FactorAncho() override { return m_factorAncho; }

    // Sin conexión (la que se da no se usa)
    void escalar(QWidget* pantalla, double fx, double fy);

    // Factor de ancho acumulado de una pantalla desde su diseño
    static double factorAnchoDe(const QWidget* pantalla);

private:
    double m_factorAncho = 1.0;
};
