#include "datos/Globales.h"

#include <QCoreApplication>
#include <QDir>

Conexion gConexion;
QString gIdentificadorPuesto;
QString gTerminal;
int gEmpleadoTerminal = 0;
bool gAnimacionesActivas = false;
bool gIva = false;
QString gLogo;
bool gColoresFormaPago = false;
bool gColoresEmpleados = false;
int gNumDecimales = 0;
int gModoPantallaCaja = 0;
double gAnchoPantalla = 0;
double gAltoPantalla = 0;
double gAnchoDiseno = 0;
double gAltoDiseno = 0;
int gOpcionVisual = 0;
int gEsquemaColores = 0;
std::array<QString, 4> gColoresPaleta;
QString gImpresoraTicket;
QString gCarpetaFotos;
QStringList gFotos;
int gNumFotos = 0;
QString gBandera;
QString gNombreRegion;
QString gRegion;
QString gTipoNegocio;
QString gIdentificacionFiscal;
QString gNombreTienda;
bool gMultitienda = false;
QString gCampoOrdenItemsCaja;
ListaPanel gTiendas;
QString gTiendaSeleccionada;
int gAnyosCaducidadMax = 0;
bool gSemaforosActivos = false;
ListaPanel gFormasPago;
ListaPanel gEmpleados;
int gModoFamilias = 0;
QString gCodigoClienteBuscado;
QString gTiendaClienteBuscado;

namespace {
QString& carpeta()
{
    static QString c;
    return c;
}
}  // namespace

QString carpetaPrograma()
{
    if (carpeta().isEmpty() && QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return carpeta();
}

void ponerCarpetaPrograma(const QString& c)
{
    carpeta() = QDir::cleanPath(c);
}

QString rutaEnCarpetaPrograma(const QString& ruta)
{
    return QDir(carpetaPrograma()).absoluteFilePath(ruta);
}

void reiniciarGlobales()
{
    gConexion.cerrar();
    gIdentificadorPuesto.clear();
    gTerminal.clear();
    gEmpleadoTerminal = 0;
    gAnimacionesActivas = false;
    gIva = false;
    gLogo.clear();
    gColoresFormaPago = false;
    gColoresEmpleados = false;
    gNumDecimales = 0;
    gModoPantallaCaja = 0;
    gAnchoPantalla = gAltoPantalla = 0;
    gAnchoDiseno = gAltoDiseno = 0;
    gOpcionVisual = 0;
    gEsquemaColores = 0;
    gColoresPaleta = {};
    gImpresoraTicket.clear();
    gCarpetaFotos.clear();
    gFotos.clear();
    gNumFotos = 0;
    gBandera.clear();
    gNombreRegion.clear();
    gRegion.clear();
    gTipoNegocio.clear();
    gIdentificacionFiscal.clear();
    gNombreTienda.clear();
    gMultitienda = false;
    gCampoOrdenItemsCaja.clear();
    gTiendas.clear();
    gTiendaSeleccionada.clear();
    gAnyosCaducidadMax = 0;
    gSemaforosActivos = false;
    gFormasPago.clear();
    gEmpleados.clear();
    gModoFamilias = 0;
    gCodigoClienteBuscado.clear();
    gTiendaClienteBuscado.clear();
}
