// Configuración de la tienda de demostración: opciones, región, tiendas de
// la cadena y el puesto de trabajo
#include "DatosBase.h"
#include "DemoPartes.h"
#include "Puesto.h"

namespace Demo {

void sembrarConfiguracion(Conexion& c, const OpcionesDemo& o)
{
    DatosBase::sembrar(c, o.tipoNegocio);
    // Una tienda de una cadena; la central ve las de todas
    c.ejecutar(QStringLiteral("insert into opciones (nombre, direccion, poblacion, provincia, cp, cif, telefono, iva, "
                              "logo, utilizacolores_fpago, utilizacolores_empleados, numdecimales, modopantallacaja, "
                              "multitienda, nombretienda, agenda) "
                              "values (?, ?, ?, ?, ?, ?, ?, -1, ?, -1, -1, 2, 0, 'S', ?, -1)"),
               {QStringLiteral("Salón Alba · Peluquería y Estética"), QStringLiteral("Calle Santiago, 14"),
                QStringLiteral("Valladolid"), QStringLiteral("Valladolid"), QStringLiteral("47001"),
                QStringLiteral("B47561234"), QStringLiteral("983 35 12 40"), QStringLiteral("logo.png"),
                o.central ? QStringLiteral("Servidor") : QStringLiteral("Centro")});
    for (const char* tienda : {"Servidor", "Centro", "Delicias", "Parquesol"})
        c.ejecutar(QStringLiteral("insert into multitienda (nombre) values (?)"), {QString::fromLatin1(tienda)});
    c.ejecutar(QStringLiteral("insert into configuracionregional (nombre, bandera, identificacion_fiscal) "
                              "values ('España', 'fotos/bandera_es.png', 'NIF')"));
    c.ejecutar(QStringLiteral("insert into ajustes_suite (clave, valor) values ('Idioma', 'es')"));
}

}  // namespace Demo
