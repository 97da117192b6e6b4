#pragma once
// Opciones de conexión comunes a las órdenes de tarvelo-admin. Sin ellas, las
// bases salen del fichero de configuración de la suite (suite.ini).
#include "datos/Conexion.h"

class QCommandLineParser;

namespace OpcionesConexion {

void anadir(QCommandLineParser& p);
// Solo --suite, para las órdenes que no abren la base
void anadirSuite(QCommandLineParser& p);

// Aplica --suite (el fichero de configuración que se lee y se escribe)
void aplicarSuite(const QCommandLineParser& p);

// true si se ha dado alguna opción de conexión
bool dadas(const QCommandLineParser& p);

// Base de la tienda y de informes, de las opciones o de la suite. Lanza
// ErrorTarvelo si una opción no vale.
ParametrosConexion tienda(const QCommandLineParser& p);
ParametrosConexion informes(const QCommandLineParser& p, const ParametrosConexion& tienda);

// Guarda en la suite dónde están las dos bases
void guardarEnSuite(const ParametrosConexion& tienda, const ParametrosConexion& informes);

}  // namespace OpcionesConexion
