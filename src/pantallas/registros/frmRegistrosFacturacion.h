#pragma once
// Cómo van los registros de facturación: cuántos faltan por llegar a la
// agencia y cómo fue el último envío, y los que la agencia no ha dado por
// buenos, con su mensaje y el botón que hace la corrección del elegido (un
// registro nuevo del mismo documento con los datos de ahora). Se abre sola
// cuando llega un rechazo y, cuando se quiera, desde el aviso de los
// registros del menú y de la venta.
#include "pantallas/comun/ConvencionesPantalla.h"
#include "registros/verifactu/ColaEnvios.h"

class QLabel;
class QPushButton;
class QTableWidget;

class frmRegistrosFacturacion : public DialogoPantalla {
    Q_OBJECT
public:
    explicit frmRegistrosFacturacion(QWidget* padre = nullptr);

    // Vuelve a leer la lista de la base
    void recargar();

    // La abre (modal) si no lo está ya; si lo está, la recarga
    static void abrir(QWidget* padre);

    // Línea del estado de los envíos
    static QString textoEstado(int sinEnviar, const VeriFactu::UltimoEnvio& ultimo);

private:
    void corregir();

    QTableWidget* grdRegistros;
    QLabel* lblEstado;
    QLabel* lblExplicacion;
    QPushButton* cmd_Corregir;
    QPushButton* cmd_Cerrar;
    ConvencionesPantalla* m_conv;
    QList<VeriFactu::Rechazo> m_registros;
};

// Cuando la agencia rechaza algo, lo enseña en la pantalla; nunca en medio
// de una transacción (un diálogo abierto desde una acción): espera a que acabe
class AvisoRechazosPantalla : public VeriFactu::AvisoRechazos {
public:
    void rechazados(const QList<VeriFactu::Rechazo>& registros) override;
};
