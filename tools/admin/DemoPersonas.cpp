// Empleados y formas de pago de la tienda de demostración
#include "Colores.h"
#include "DemoPartes.h"

namespace Demo {
namespace {

struct Empleado {
    int codigo;
    const char* nombre;
    const char* apellidos;
    QColor color;  // inválido: sin color propio
    int baja;
    int mostrarCaja;
    const char* tienda;
};

const Empleado kEmpleados[] = {
    {1, "Lucía", "Martín Herrero", QColor(239, 154, 154), 0, -1, "Centro"},
    {2, "Carmen", "Ruiz Alonso", QColor(), 0, -1, "Centro"},
    {3, "Javier", "López Sanz", QColor(144, 202, 249), 0, -1, "Centro"},
    {4, "Marta", "Sánchez Gil", QColor(), 0, -1, "Centro"},
    {5, "Sofía", "Díaz Calvo", QColor(197, 225, 165), 0, -1, "Delicias"},
    {6, "Pablo", "Gómez Rey", QColor(), 0, -1, "Delicias"},
    {7, "Elena", "Navarro Prieto", QColor(255, 204, 128), -1, -1, "Centro"},  // de baja
    {8, "Raquel", "Ortega Vidal", QColor(), 0, 0, "Centro"},                  // administración: no vende
};

struct FormaPago {
    int codigo;
    const char* nombre;
    const char* imagen;
    QColor color;
    int borrar;
};

const FormaPago kFormasPago[] = {
    {1, "Efectivo", "efectivo.png", QColor(165, 214, 167), 0},
    {2, "Tarjeta", "tarjeta.png", QColor(), 0},
    {3, "Efectivo y tarjeta", "mixto.png", QColor(), 0},
    {4, "Depósito", "deposito.png", QColor(255, 224, 130), 0},  // solo desde el depósito del cliente
    {5, "Transferencia", "transferencia.png", QColor(179, 157, 219), 0},
    {6, "Talón", nullptr, QColor(), -1},  // ya no se acepta
};

}  // namespace

void sembrarEmpleadosYFormasPago(Conexion& c)
{
    int posicion = 0;
    for (const Empleado& e : kEmpleados) {
        c.ejecutar(QStringLiteral("insert into empleados (codigo, nombre, apellidos, imagen, emp_color, color, baja, "
                                  "mostrar_caja, posicion, tienda) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {e.codigo, QString::fromUtf8(e.nombre), QString::fromUtf8(e.apellidos),
                    QStringLiteral("empleado%1.png").arg(e.codigo), e.color.isValid() ? -1 : 0,
                    e.color.isValid() ? QVariant(textoColor(e.color)) : QVariant(QMetaType::fromType<QString>()),
                    e.baja, e.mostrarCaja, ++posicion, QString::fromLatin1(e.tienda)});
    }
    posicion = 0;
    for (const FormaPago& f : kFormasPago) {
        c.ejecutar(QStringLiteral("insert into formapago (codigo, nombre, imagen, color, fpa_color, borrar, posicion) "
                                  "values (?, ?, ?, ?, ?, ?, ?)"),
                   {f.codigo, QString::fromUtf8(f.nombre),
                    f.imagen ? QVariant(QString::fromLatin1(f.imagen)) : QVariant(QMetaType::fromType<QString>()),
                    f.color.isValid() ? QVariant(textoColor(f.color)) : QVariant(QMetaType::fromType<QString>()),
                    f.color.isValid() ? -1 : 0, f.borrar, ++posicion});
    }
}

}  // namespace Demo
