#pragma once
// Carga de la configuración en las variables de la sesión. Una fila que falta
// nunca es un error: la variable se queda con su valor vacío. Un nulo en una
// marca o número que se lee sin valor por defecto detiene el arranque.
#include "datos/ElementoPanel.h"

#include <QDate>
#include <QString>
#include <QStringList>

void CargarColoresPaleta();
void CargarOpciones();
void CargarFormasPago();
// Atrapa sus errores: devuelve false si hubo alguno (gEmpleados queda como pudo cargarse)
bool CargarEmpleados();

// Pasos de CargarOpciones, sueltos para quien los necesite
QString ObtenerImpresoraTicket();
QString ObtenerBandera();
QString ObtenerNombreRegion();
QString ObtenerIdentificacionFiscal();
void CargarFotos();
void CargarMultitienda();
QString ObtenerCampoOrdenItemsCaja();
void CargarListaTiendas();
int ObtenerAnyosCaducidadMax(const QDate& hoy = QDate::currentDate());

// Color de un botón sin color propio: rota por los cuatro de la paleta
class RotacionPaleta {
public:
    QString siguiente();

private:
    int m_contador = 0;
};

// Regla común de formas de pago y empleados
QString colorElemento(const QVariant& usaColorPropio, const QVariant& color, RotacionPaleta& rotacion);
