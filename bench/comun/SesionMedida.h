#pragma once
// Sesión de una medida sobre la tienda de demostración: la siembra (con lo que
// se pida de más), abre gConexion por el abridor como el programa y carga lo
// que cargan el arranque y el menú. Para percentiles y medianas, Percentil.
#include "BaseDatosPrueba.h"
#include "Demo.h"
#include "datos/Componentes.h"
#include "datos/Globales.h"
#include "plataforma/ConfiguracionSuite.h"
#include "principal/Cargadores.h"

#include <QCoreApplication>
#include <QList>
#include <algorithm>
#include <cmath>
#include <functional>

namespace SesionMedida {

// ademas: lo que se siembre aparte, con la conexión de la siembra
inline ResumenDemo abrir(const BaseDatosPrueba::Temporal& db, const OpcionesDemo& o = {},
                         const std::function<void(Conexion&, const ResumenDemo&)>& ademas = {})
{
    Conexion c;
    c.abrir(db.tienda());
    const ResumenDemo r = Demo::sembrar(c, o);
    if (ademas)
        ademas(c, r);
    c.cerrar();
    ConfiguracionSuite::ponerRuta(db.carpeta() + QStringLiteral("/suite.ini"));
    ConfiguracionSuite::guardarTienda(db.tienda());
    ConfiguracionSuite::guardarOrigen(QStringLiteral("dsn=ListBrisalo"), db.informes());
    ConfiguracionSuite::guardarIdentificadorPuesto(o.puesto);
    Componentes::reiniciar();
    ponerCarpetaPrograma(QCoreApplication::applicationDirPath());
    Componentes::abridor().Abrir(QString(), gConexion);
    gIdentificadorPuesto = Componentes::puesto().Identificador();
    CargarColoresPaleta();
    CargarOpciones();
    CargarFormasPago();
    return r;
}

inline void cerrar()
{
    gConexion.cerrar();
    Componentes::reiniciar();
}

// p en [0, 1]: el valor que deja por debajo esa parte de las medidas
inline double percentil(QList<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const int i = std::clamp(int(std::ceil(p * double(v.size()))) - 1, 0, int(v.size()) - 1);
    return v.at(i);
}

}  // namespace SesionMedida
