#pragma once
// Componentes de la suite de la sesión: se crean al primer uso y duran hasta
// el final. Las pruebas pueden sustituir cualquiera y volver a empezar.
#include "datos/ComponentesSuite.h"
#include "datos/GestorRegistros.h"

#include <memory>

namespace Componentes {

GestorRegistros& registros();
AbridorConexion& abridor();
ConfigPuesto& puesto();
ColoresEsquema& colores();
GestorTeclado& teclado();
GestorNumeros& numeros();
Lanzador& lanzador();
Traductor& traductor();
GestorPermisos& permisos();
OpcionesVisuales& opcionesVisuales();
Redimensionador& redimensionador();
MotorInformes& informes();
GestorPerifericos& perifericos();
TransporteAgencia& transporteAgencia();

void sustituir(std::unique_ptr<GestorRegistros> c);
void sustituir(std::unique_ptr<AbridorConexion> c);
void sustituir(std::unique_ptr<ConfigPuesto> c);
void sustituir(std::unique_ptr<ColoresEsquema> c);
void sustituir(std::unique_ptr<GestorTeclado> c);
void sustituir(std::unique_ptr<GestorNumeros> c);
void sustituir(std::unique_ptr<Lanzador> c);
void sustituir(std::unique_ptr<Traductor> c);
void sustituir(std::unique_ptr<GestorPermisos> c);
void sustituir(std::unique_ptr<OpcionesVisuales> c);
void sustituir(std::unique_ptr<Redimensionador> c);
void sustituir(std::unique_ptr<MotorInformes> c);
void sustituir(std::unique_ptr<GestorPerifericos> c);
void sustituir(std::unique_ptr<TransporteAgencia> c);

// Suelta todos: el próximo uso crea los de verdad
void reiniciar();

}  // namespace Componentes
