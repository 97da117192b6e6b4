#pragma once
// Selección de la tienda con la que trabaja la instalación central de una
// cadena: un panel táctil con las tiendas. Pulsar una la deja en
// gTiendaSeleccionada y cierra; "Salir" y "Aceptar" cierran sin elegir.
#include "pantallas/comun/ConvencionesPantalla.h"

class QFrame;
class QLabel;
class QPushButton;
class Tactipan;
struct ElementoPanel;

class frmSeleccionTienda : public DialogoPantalla {
    Q_OBJECT
public:
    explicit frmSeleccionTienda(QWidget* padre = nullptr);

private:
    void crearControles();
    void CargarTiendas();
    void colocarPanel();
    void pulsarTienda(const ElementoPanel& elemento);

    QFrame* Frame1;
    QFrame* frFiltros;
    Tactipan* PanelTiendas;
    QLabel* lblTitulo;
    QLabel* lblSubtitulo;
    QLabel* lblSinTiendas;
    QPushButton* cmd_Salir;
    QPushButton* Command1;
};
