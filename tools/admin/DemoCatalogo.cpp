// Catálogo de la tienda de demostración: secciones, servicios y packs
#include "Colores.h"
#include "DemoPartes.h"

#include <QVariant>

namespace Demo {
namespace {

struct Seccion {
    int codigo;
    const char* nombre;
    QColor color;  // inválido: sin color propio (toma la paleta del esquema)
    int borrar;
};

const Seccion kSecciones[] = {
    {1, "Peluquería señora", QColor(244, 143, 177), 0},
    {2, "Peluquería caballero", QColor(), 0},
    {3, "Color y mechas", QColor(206, 147, 216), 0},
    {4, "Tratamientos capilares", QColor(), 0},
    {5, "Estética facial", QColor(), 0},
    {6, "Manicura y pedicura", QColor(255, 183, 77), 0},
    {7, "Depilación", QColor(), 0},
    {8, "Masajes y spa", QColor(128, 203, 196), 0},
    {9, "Solárium", QColor(), 0},
    {10, "Productos", QColor(176, 190, 197), 0},    // sin servicios: no sale en caja
    {11, "Ofertas de verano", QColor(), -1},        // dada de baja
};

struct Articulo {
    int codigo;
    const char* nombre;
    int seccion;
    double precio;  // por sesión, IVA incluido
    QColor color;   // inválido: el de su sección
    int mostrar;
};

const Articulo kServicios[] = {
    {1, "Lavar y marcar", 1, 16.0, QColor(), -1},
    {2, "Servicio varios", 1, 10.0, QColor(), -1},  // el genérico: la lista no lo muestra
    {3, "Corte señora", 1, 22.0, QColor(), -1},
    {4, "Recogido", 1, 35.0, QColor(255, 205, 210), -1},
    {5, "Peinado de fiesta", 1, 28.0, QColor(), -1},
    {6, "Corte caballero", 2, 14.0, QColor(), -1},
    {7, "Arreglo de barba", 2, 9.0, QColor(), -1},
    {8, "Corte y barba", 2, 20.0, QColor(144, 202, 249), -1},
    {9, "Tinte raíz", 3, 32.0, QColor(), -1},
    {10, "Mechas californianas", 3, 65.0, QColor(), -1},
    {11, "Baño de color", 3, 27.5, QColor(), -1},
    {12, "Balayage", 3, 85.0, QColor(186, 104, 200), -1},
    {13, "Tratamiento de keratina", 4, 90.0, QColor(), -1},
    {14, "Hidratación intensa", 4, 24.0, QColor(), -1},
    {15, "Tratamiento anticaída", 4, 30.0, QColor(), -1},
    {16, "Limpieza facial profunda", 5, 45.0, QColor(), -1},
    {17, "Peeling químico", 5, 60.0, QColor(), -1},
    {18, "Tratamiento antiedad", 5, 70.0, QColor(255, 224, 178), -1},
    {19, "Diseño de cejas", 5, 12.0, QColor(), -1},
    {20, "Lifting de pestañas", 5, 38.0, QColor(), -1},
    {21, "Manicura", 6, 15.0, QColor(), -1},
    {22, "Manicura semipermanente", 6, 24.0, QColor(), -1},
    {23, "Pedicura", 6, 25.0, QColor(), -1},
    {24, "Uñas de gel", 6, 38.0, QColor(255, 204, 128), -1},
    {25, "Depilación piernas completas", 7, 26.0, QColor(), -1},
    {26, "Depilación axilas", 7, 8.0, QColor(), -1},
    {27, "Depilación láser piernas", 7, 95.0, QColor(), -1},
    {28, "Depilación láser axilas", 7, 40.0, QColor(), -1},
    {29, "Depilación labio superior", 7, 6.0, QColor(), 0},  // no se vende en caja
    {30, "Masaje relajante 60 min", 8, 48.0, QColor(), -1},
    {31, "Masaje descontracturante", 8, 52.0, QColor(), -1},
    {32, "Presoterapia", 8, 35.0, QColor(178, 223, 219), -1},
    {33, "Circuito spa", 8, 30.0, QColor(), -1},
    {34, "Reflexología podal", 8, 40.0, QColor(), -1},
    {35, "Solárium 10 minutos", 9, 6.0, QColor(), -1},
    {36, "Solárium 20 minutos", 9, 10.0, QColor(), -1},
    {37, "Ducha solar facial", 9, 5.0, QColor(), -1},
};

const Articulo kFamilias[] = {
    {1, "Pack Novia", 1, 180.0, QColor(248, 187, 208), -1},
    {2, "Pack Caballero", 2, 32.0, QColor(), -1},
    {3, "Pack Manos y Pies", 6, 36.0, QColor(), -1},
    {4, "Pack Facial Completo", 5, 95.0, QColor(), -1},
    {5, "Pack Depilación Verano", 7, 30.0, QColor(255, 224, 130), -1},
    {6, "Pack Relax", 8, 75.0, QColor(), -1},
    {7, "Pack Color y Cuidado", 3, 55.0, QColor(), 0},  // fuera de caja
};

// Servicios de cada pack, en su orden
const int kDetalleFamilias[][2] = {
    {1, 3}, {1, 4}, {1, 16}, {1, 22}, {1, 20},
    {2, 6}, {2, 7},
    {3, 21}, {3, 23},
    {4, 16}, {4, 17}, {4, 19},
    {5, 25}, {5, 26}, {5, 29},
    {6, 30}, {6, 33}, {6, 34},
    {7, 9}, {7, 14},
};

QVariant colorDe(const QColor& c)
{
    return c.isValid() ? QVariant(textoColor(c)) : QVariant(QMetaType::fromType<QString>());
}

}  // namespace

void sembrarCatalogo(Conexion& c)
{
    int posicion = 0;
    for (const Seccion& s : kSecciones) {
        c.ejecutar(QStringLiteral("insert into seccion (codigo, nombre, color, sec_color, borrar, posicion) "
                                  "values (?, ?, ?, ?, ?, ?)"),
                   {s.codigo, QString::fromUtf8(s.nombre), colorDe(s.color), s.color.isValid() ? -1 : 0, s.borrar,
                    ++posicion});
    }
    posicion = 0;
    for (const Articulo& a : kServicios) {
        c.ejecutar(QStringLiteral("insert into servicios (codigo, nombre, color, precio, iva, seccion, borrar, "
                                  "mostrarencaja, posicion) values (?, ?, ?, ?, 21, ?, 0, ?, ?)"),
                   {a.codigo, QString::fromUtf8(a.nombre), colorDe(a.color), a.precio, a.seccion, a.mostrar,
                    ++posicion});
    }
    posicion = 0;
    for (const Articulo& a : kFamilias) {
        c.ejecutar(QStringLiteral("insert into familias (codigo, nombre, color, precio, iva, seccion, borrar, "
                                  "mostrarencaja, posicion) values (?, ?, ?, ?, 21, ?, 0, ?, ?)"),
                   {a.codigo, QString::fromUtf8(a.nombre), colorDe(a.color), a.precio, a.seccion, a.mostrar,
                    ++posicion});
    }
    for (const auto& d : kDetalleFamilias)
        c.ejecutar(QStringLiteral("insert into detalle_familia (familia, servicio) values (?, ?)"), {d[0], d[1]});
}

}  // namespace Demo
