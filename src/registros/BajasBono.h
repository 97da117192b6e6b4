#pragma once
// Baja de un bono vendido: la anulación, que lo deja en estado -1 con el
// empleado en el historial, y el borrado con devolución, que además hace un
// abono de su factura por las sesiones que quedan.
#include "registros/VentaEnCurso.h"

#include <QString>

// Lo que la pantalla de borrado da para el abono, tal como se ve
struct DevolucionBono {
    QString numBono;
    QString sesiones;     // contratadas
    QString usadas;
    QString importe;      // a devolver, tal como se tecleó
    QString nomEmpleado;  // el que se pulsa al borrar
    qint16 codEmpleado = 0;
};

// Estado -1 y una entrada "33" en el historial con " por el empleado " y el
// empleado; la fila se queda (pasa al histórico). Todo o nada.
void AnularBono(const QString& numbono, const QString& empleado);

// Lo que se propone devolver: el precio menos lo de las sesiones usadas, a
// los decimales del puesto. Sin sesiones contratadas, el precio entero.
double CalcularImporte(double precio, double sesiones, double usadas);

// Línea y cabecera del abono, copiadas de la primera línea y de la cabecera
// de la factura numfac de la serie dada; sin ellas no se escribe nada
void GuardarDetalleAbono(SerieFactura serie, int numAbono, int numfac, const DevolucionBono& d);
void GuardarCabeceraAbono(SerieFactura serie, int numAbono, int numfac, const DevolucionBono& d);

// El abono y la anulación en una sola transacción, con el número de abono
// sacado dentro como primera escritura: si algo falla no queda nada y el
// número vuelve. Un bono sin factura se anula igual, sin abono (el número
// se gasta). Devuelve el número de abono.
int BorrarBonoConAbono(const DevolucionBono& d);
