#pragma once
// Esquemas de colores de la suite (tabla esquemas_colores, colores como
// texto decimal BGR). Un esquema sin fila toma los colores de fábrica.
//
// Aplicar colorea una pantalla con paletas: fondo y texto de la pantalla y de
// sus marcos, botones con su color y el de su texto; las etiquetas dejan ver
// el fondo de lo que las contiene. Conservan sus propios colores (ni ellos ni
// lo que contienen se tocan) los controles cuyo objectName empieza por
// "Panel" (paneles táctiles con los colores de cada botón), "grid_" (rejillas
// con colores de celda), "img", "Image", "pic" o "dtp", y los que tienen la
// propiedad "conservarColores" a true.
#include "datos/ComponentesSuite.h"

#include <QColor>
#include <QList>
#include <array>

struct EsquemaColores {
    int esquema = 1;
    QString nombre;
    std::array<QColor, 4> colores;  // colores 1 a 4 (botones de los paneles)
    QColor foco;                    // fondo del campo con el foco
    QColor marca;                   // marca de modificación de la venta
    QColor fondo;
    QColor texto;
    QColor boton;
    QColor textoBoton;

    static EsquemaColores deFabrica(int esquema);
};

class ColoresEsquemaSql : public ColoresEsquema {
public:
    void Aplicar(QWidget* pantalla, int esquema, Conexion& c) override;
    QString Color(Conexion& c, int esquema, int numero) override;
    QString ColorFoco(Conexion& c, int esquema) override;
    QString ColorMarca(Conexion& c, int esquema) override;

    // Un esquema de la base de datos, con lo que le falte de fábrica
    static EsquemaColores leer(Conexion& c, int esquema);
    // Todos los esquemas guardados, por número
    static QList<EsquemaColores> todos(Conexion& c);
    // Colorea sin tocar la base de datos
    static void aplicar(QWidget* pantalla, const EsquemaColores& e);
    static bool conservaColores(const QWidget* w);
};
