#pragma once
// Roles de una tienda en PostgreSQL: el dueño, que tiene el esquema, y el de
// los puestos, con lo justo para trabajar (leer, dar de alta y cambiar filas,
// sin cambiar el esquema ni reescribir el historial de cambios).
#include "Esquema.h"
#include "datos/Conexion.h"

namespace Privilegios {

struct Roles {
    QString dueno;   // sin entrada: lo usa quien administra, que es miembro
    QString puesto;  // con entrada: el de los puestos
};

// Nombres de los roles de la base de la tienda (tienda_dueno, tienda_puesto)
Roles roles(const QString& baseTienda);

// Crea los que falten y hace miembro del dueño a quien administra. Con
// clave, se la pone (o se la cambia) al rol de los puestos.
void crearRoles(Conexion& c, const Roles& r, const QString& clavePuesto);

// Si existe el dueño, la conexión trabaja como él (lo que se cree es suyo)
// y se le pasan la base y lo que aún no es suyo. false si no hay roles.
bool trabajarComoDueno(Conexion& c, const Roles& r);

// Lo justo para el puesto, según la base; se repite tras cada cambio de esquema
void darPermisosPuesto(Conexion& c, const Roles& r, Esquema::Base base);

// Si el usuario de la conexión puede cambiar el esquema (superusuario,
// dueño o con permiso para crear roles o bases)
bool puedeCambiarEsquema(Conexion& c);

}  // namespace Privilegios
