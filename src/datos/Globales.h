#pragma once
// Variables de la sesión: se crean vacías al arrancar, las escribe el arranque
// y las leen todas las pantallas.
#include "datos/Conexion.h"
#include "datos/ElementoPanel.h"

#include <QString>
#include <QStringList>
#include <array>

extern Conexion gConexion;
extern QString gIdentificadorPuesto;
extern QString gTerminal;
extern int gEmpleadoTerminal;
extern bool gAnimacionesActivas;
extern bool gIva;
extern QString gLogo;
extern bool gColoresFormaPago;
extern bool gColoresEmpleados;
extern int gNumDecimales;
extern int gModoPantallaCaja;
extern double gAnchoPantalla;
extern double gAltoPantalla;
extern double gAnchoDiseno;
extern double gAltoDiseno;
extern int gOpcionVisual;
extern int gEsquemaColores;
extern std::array<QString, 4> gColoresPaleta;
extern QString gImpresoraTicket;
extern QString gCarpetaFotos;
extern QStringList gFotos;  // entrada 0 vacía; las fotos desde la 1
extern int gNumFotos;
extern QString gBandera;
extern QString gNombreRegion;
extern QString gRegion;
extern QString gTipoNegocio;
extern QString gIdentificacionFiscal;
extern QString gNombreTienda;
extern bool gMultitienda;
extern QString gCampoOrdenItemsCaja;
extern ListaPanel gTiendas;
extern QString gTiendaSeleccionada;
extern int gAnyosCaducidadMax;
extern bool gSemaforosActivos;
extern ListaPanel gFormasPago;
extern ListaPanel gEmpleados;
extern int gModoFamilias;  // 1 bonos de pack, 0 bonos de servicios
extern QString gCodigoClienteBuscado;
extern QString gTiendaClienteBuscado;

// Deja todas las variables como al arrancar (la conexión se cierra)
void reiniciarGlobales();

// Carpeta del programa (la del ejecutable; las pruebas pueden cambiarla)
QString carpetaPrograma();
void ponerCarpetaPrograma(const QString& carpeta);
// Ruta de un fichero que nombra la configuración: una relativa es desde la carpeta del programa
QString rutaEnCarpetaPrograma(const QString& ruta);
