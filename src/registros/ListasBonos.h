#pragma once
// Consultas de las listas de bonos de la venta (activos, caducados e
// histórico) y del consumo de un bono, con sus valores ligados; y la baja de
// un bono que ya ha consumido todas sus sesiones.
#include <QDate>
#include <QString>
#include <QVariantList>

struct ConsultaLista {
    QString texto;
    QVariantList valores;
};

namespace ListasBonos {

// La instalación central de una cadena trabajando sobre gTiendaSeleccionada
bool filtroTienda();

// Según gModoFamilias: bonos de servicios o de packs
ConsultaLista activos(const QDate& hoy);
ConsultaLista caducados(int anyos, const QDate& hoy);
// Un solo texto en los dos modos: el histórico es de servicios
ConsultaLista inactivos(const QDate& hoy);

// Sesiones consumidas, por fecha; con la tienda, solo las de gTiendaSeleccionada
ConsultaLista consumo(int numBono, bool conTienda);

}  // namespace ListasBonos

// Desactiva el bono (estado -1) si las sesiones que tiene ya no superan las
// consumidas. Un número de bono o de sesiones que no es un número es un error.
void DesactivarBono(const QString& numbono, const QString& numSesiones);
