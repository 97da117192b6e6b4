// Componentes de la suite de la sesión: uno de cada, creado al primer uso.
#include "datos/Componentes.h"

#include "plataforma/AbridorConexionSuite.h"
#include "plataforma/ColoresEsquemaSql.h"
#include "plataforma/ConfigPuestoSql.h"
#include "plataforma/GestorNumerosSuite.h"
#include "plataforma/GestorRegistrosSql.h"
#include "plataforma/GestorTecladoPuesto.h"
#include "plataforma/LanzadorSuite.h"
#include "plataforma/TransporteAgenciaHttps.h"
#include "plataforma/informes/GestorPerifericosTicket.h"
#include "plataforma/informes/MotorInformesQt.h"
#include "plataforma/pantalla/GestorPermisosSql.h"
#include "plataforma/pantalla/OpcionesVisualesPantalla.h"
#include "plataforma/pantalla/RedimensionadorPantalla.h"
#include "plataforma/pantalla/TraductorSql.h"

namespace Componentes {
namespace {

struct Sesion {
    std::unique_ptr<GestorRegistros> registros;
    std::unique_ptr<AbridorConexion> abridor;
    std::unique_ptr<ConfigPuesto> puesto;
    std::unique_ptr<ColoresEsquema> colores;
    std::unique_ptr<GestorTeclado> teclado;
    std::unique_ptr<GestorNumeros> numeros;
    std::unique_ptr<Lanzador> lanzador;
    std::unique_ptr<Traductor> traductor;
    std::unique_ptr<GestorPermisos> permisos;
    std::unique_ptr<OpcionesVisuales> opcionesVisuales;
    std::unique_ptr<Redimensionador> redimensionador;
    std::unique_ptr<MotorInformes> informes;
    std::unique_ptr<GestorPerifericos> perifericos;
    std::unique_ptr<TransporteAgencia> transporte;
};

Sesion& sesion()
{
    static Sesion s;
    return s;
}

template <class Real, class Interfaz>
Interfaz& obtener(std::unique_ptr<Interfaz>& componente)
{
    if (!componente)
        componente = std::make_unique<Real>();
    return *componente;
}

}  // namespace

GestorRegistros& registros() { return obtener<GestorRegistrosSql>(sesion().registros); }
AbridorConexion& abridor() { return obtener<AbridorConexionSuite>(sesion().abridor); }
ConfigPuesto& puesto() { return obtener<ConfigPuestoSql>(sesion().puesto); }
ColoresEsquema& colores() { return obtener<ColoresEsquemaSql>(sesion().colores); }
GestorTeclado& teclado() { return obtener<GestorTecladoPuesto>(sesion().teclado); }
GestorNumeros& numeros() { return obtener<GestorNumerosSuite>(sesion().numeros); }
Lanzador& lanzador() { return obtener<LanzadorSuite>(sesion().lanzador); }
Traductor& traductor() { return obtener<TraductorSql>(sesion().traductor); }
GestorPermisos& permisos() { return obtener<GestorPermisosSql>(sesion().permisos); }
OpcionesVisuales& opcionesVisuales() { return obtener<OpcionesVisualesPantalla>(sesion().opcionesVisuales); }
Redimensionador& redimensionador() { return obtener<RedimensionadorPantalla>(sesion().redimensionador); }
MotorInformes& informes() { return obtener<MotorInformesQt>(sesion().informes); }
GestorPerifericos& perifericos() { return obtener<GestorPerifericosTicket>(sesion().perifericos); }
TransporteAgencia& transporteAgencia() { return obtener<TransporteAgenciaHttps>(sesion().transporte); }

void sustituir(std::unique_ptr<GestorRegistros> c) { sesion().registros = std::move(c); }
void sustituir(std::unique_ptr<AbridorConexion> c) { sesion().abridor = std::move(c); }
void sustituir(std::unique_ptr<ConfigPuesto> c) { sesion().puesto = std::move(c); }
void sustituir(std::unique_ptr<ColoresEsquema> c) { sesion().colores = std::move(c); }
void sustituir(std::unique_ptr<GestorTeclado> c) { sesion().teclado = std::move(c); }
void sustituir(std::unique_ptr<GestorNumeros> c) { sesion().numeros = std::move(c); }
void sustituir(std::unique_ptr<Lanzador> c) { sesion().lanzador = std::move(c); }
void sustituir(std::unique_ptr<Traductor> c) { sesion().traductor = std::move(c); }
void sustituir(std::unique_ptr<GestorPermisos> c) { sesion().permisos = std::move(c); }
void sustituir(std::unique_ptr<OpcionesVisuales> c) { sesion().opcionesVisuales = std::move(c); }
void sustituir(std::unique_ptr<Redimensionador> c) { sesion().redimensionador = std::move(c); }
void sustituir(std::unique_ptr<MotorInformes> c) { sesion().informes = std::move(c); }
void sustituir(std::unique_ptr<GestorPerifericos> c) { sesion().perifericos = std::move(c); }
void sustituir(std::unique_ptr<TransporteAgencia> c) { sesion().transporte = std::move(c); }

void reiniciar()
{
    sesion() = Sesion{};
}

}  // namespace Componentes
