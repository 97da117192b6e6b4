#pragma once
// Búsqueda de clientes por el principio de cualquiera de sus datos: cada
// texto no vacío se compara con su columna con like texto + "%", sin
// mayúsculas ni acentos. El texto va ligado tal cual: "%" y "_" son los
// comodines de siempre y una comilla es una letra más.
#include "datos/Conexion.h"

#include <QList>
#include <QString>

struct FiltroClientes {
    QString nombre;
    QString apellidos;
    QString telefono;  // Telefono1
    QString movil;     // telefono2
    QString email;
    QString codigo;    // codigocliente
    QString dni;       // nif

    bool vacio() const;
};

struct ClienteHallado {
    QString codigo;
    QString nombre;  // Nombre + " " + Apellidos
    QString tienda;  // "" si no tiene
};

// Clientes no borrados que cumplen todo el filtro, por nombre
QList<ClienteHallado> buscarClientes(Conexion& c, const FiltroClientes& filtro);
