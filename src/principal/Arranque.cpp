#include "principal/Arranque.h"

#include "datos/Componentes.h"
#include "datos/Semaforos.h"
#include "pantallas/espera/frmEsperaSemaforo.h"
#include "pantallas/menu/frmSeleccionTienda.h"
#include "pantallas/menu/frmTarvelo.h"
#include "principal/Cargadores.h"
#include "datos/Globales.h"
#include "principal/ManejadorErrores.h"
#include "plataforma/ConfiguracionSuite.h"

#include <QDir>
#include <QLockFile>
#include <QRegularExpression>
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

QString ficheroBloqueo()
{
    // Un ejemplar por puesto: el identificador del puesto entra en el nombre
    QString id = ConfiguracionSuite::identificadorPuesto();
    id.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
    return QDir::tempPath() + QStringLiteral("/q_tarvelo-") + id + QStringLiteral(".lock");
}

}  // namespace

void cargarSesion()
{
    Componentes::abridor().Abrir(QString(), gConexion);
    gIdentificadorPuesto = Componentes::puesto().Identificador();
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
    QLockFile bloqueo(ficheroBloqueo());
    if (!bloqueo.tryLock(0)) {
        qCInfo(lcArranque) << "Ya hay otro ejemplar en este puesto:" << bloqueo.fileName();
        return Resultado::OtroEjemplar;
    }
    // Los semáforos esperan turno con la pantalla de espera
    EsperaTurnoPantalla espera;
    ponerEsperaTurno(&espera);
    struct Quitar {
        ~Quitar() { ponerEsperaTurno(nullptr); }
    } quitar;
    if (!ManejadorErrores::ejecutar(cargarSesion))
        return Resultado::Error;

    bool ok = true;
    if (gNombreTienda == QLatin1String("Servidor") && gMultitienda) {
        ok = ManejadorErrores::ejecutar(pantallas().seleccionTienda);
        if (ok && !gTiendaSeleccionada.isEmpty())
            ok = ManejadorErrores::ejecutar(pantallas().menuPrincipal);
    } else {
        ok = ManejadorErrores::ejecutar(pantallas().menuPrincipal);
    }
    gConexion.cerrar();
    return ok ? Resultado::Terminado : Resultado::Error;
}

}  // namespace Arranque
