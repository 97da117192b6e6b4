#include "principal/Arranque.h"

#include "datos/Componentes.h"
#include "datos/Semaforos.h"
#include "pantallas/espera/frmEsperaSemaforo.h"
#include "pantallas/menu/frmSeleccionTienda.h"
#include "pantallas/menu/frmTarvelo.h"
#include "pantallas/registros/frmRegistrosFacturacion.h"
#include "principal/Cargadores.h"
#include "principal/EjemplarUnico.h"
#include "principal/EnvioRegistros.h"
#include "datos/Globales.h"
#include "principal/ManejadorErrores.h"
#include "plataforma/ConfiguracionSuite.h"
#include "plataforma/PuestosEnUso.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QLoggingCategory>
#include <memory>

Q_LOGGING_CATEGORY(lcArranque, "tarvelo.arranque")

namespace Arranque {
namespace {

Pantallas pantallasPorDefecto()
{
    return Pantallas{[] {
                         frmSeleccionTienda f;
                         f.exec();
                     },
                     [] {
                         frmTarvelo f;
                         f.exec();
                     }};
}

Pantallas& pantallas()
{
    static Pantallas p = pantallasPorDefecto();
    return p;
}

}  // namespace

void cargarSesion()
{
    Componentes::abridor().Abrir(QString(), gConexion);
    gIdentificadorPuesto = Componentes::puesto().Identificador();
    qCInfo(lcArranque).noquote() << "Puesto" << gIdentificadorPuesto << "sobre" << gConexion.parametros().descripcion();
    Valores::ponerRegionales(Componentes::puesto().Regionales(gConexion));
    CargarColoresPaleta();
    CargarOpciones();
    CargarFormasPago();
    BorrarSemaforosAntiguos();
    gSemaforosActivos = SemaforosActivos();
    if (gSemaforosActivos)
        CrearSemaforos();
}

void ponerPantallas(const Pantallas& p)
{
    pantallas() = p;
}

void restablecerPantallas()
{
    pantallas() = pantallasPorDefecto();
}

Resultado Main()
{
    EjemplarUnico ejemplar(ConfiguracionSuite::identificadorPuesto());
    if (!ejemplar.tomar())
        return Resultado::OtroEjemplar;
    qCInfo(lcArranque).noquote() << "Arranque de" << QCoreApplication::applicationName()
                                 << QCoreApplication::applicationVersion();
    // Los semáforos esperan turno con la pantalla de espera
    EsperaTurnoPantalla espera;
    ponerEsperaTurno(&espera);
    struct Quitar {
        ~Quitar() { ponerEsperaTurno(nullptr); }
    } quitar;
    if (!ManejadorErrores::ejecutar(cargarSesion))
        return Resultado::Error;
    // Que nadie restaure una copia sobre la base mientras este puesto la usa
    const auto enUso = PuestosEnUso::marcar(gConexion.parametros(), gIdentificadorPuesto);
    // Los registros de facturación salen solos hacia la agencia mientras dure la sesión
    EnvioRegistros envio;
    AvisoRechazosPantalla avisoRechazos;
    VeriFactu::ponerAvisoRechazos(&avisoRechazos);
    const auto sinAviso = qScopeGuard([] { VeriFactu::ponerAvisoRechazos(nullptr); });

    bool ok = true;
    if (gNombreTienda == QLatin1String("Servidor") && gMultitienda) {
        ok = ManejadorErrores::ejecutar(pantallas().seleccionTienda);
        if (ok && !gTiendaSeleccionada.isEmpty())
            ok = ManejadorErrores::ejecutar(pantallas().menuPrincipal);
    } else {
        ok = ManejadorErrores::ejecutar(pantallas().menuPrincipal);
    }
    gConexion.cerrar();
    qCInfo(lcArranque) << (ok ? "Fin" : "Fin tras un error");
    return ok ? Resultado::Terminado : Resultado::Error;
}

}  // namespace Arranque
