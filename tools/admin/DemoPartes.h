#pragma once
// Partes de la siembra de la tienda de demostración (Demo.h), una por fichero
#include "Demo.h"
#include "datos/Conexion.h"

#include <QDate>

namespace Demo {

void sembrarConfiguracion(Conexion& c, const OpcionesDemo& o);
void sembrarCatalogo(Conexion& c);
void sembrarEmpleadosYFormasPago(Conexion& c);
void sembrarClientes(Conexion& c, const QDate& hoy);
// Clientes inventados de más para una tienda grande, desde el código `desde`
int sembrarClientesGenerados(Conexion& c, int desde, int n, const QDate& hoy);
void sembrarBonos(Conexion& c, const QDate& hoy, const QString& terminal);

// Letra de control de un DNI
QChar letraDni(int numero);

}  // namespace Demo
