#pragma once
// Lo que comparten la anulación (frmAnularBonos) y el borrado con devolución
// (frmBorrarBonos) de un bono elegido en la venta: los datos del bono, los
// dos pasos (el bono y la pregunta en Frame2, luego el empleado en
// frEmpleados), "Cancelar" a la vista en los dos, y la carga.
#include "pantallas/comun/ConvencionesPantalla.h"

class QFrame;
class QLabel;
class QPushButton;
class Tactipan;
struct ElementoPanel;

// La fila elegida de la lista de activos o de caducados de la venta
struct BonoElegido {
    QString numero;      // columna 0
    QString cliente;     // 1
    QString item;        // 2: servicio o pack
    QString sesiones;    // 5: contratadas
    QString usadas;      // 6: vacía si la fila no se ha pulsado desde que se cargó
    QString precio;      // 7: lo que se cobró
    QString codCliente;  // 8
    QString codItem;     // 9
};

class PantallaBajaBono : public DialogoPantalla {
    Q_OBJECT
public:
    ConvencionesPantalla* convenciones() const { return m_conv; }

protected:
    PantallaBajaBono(const char* nombre, const BonoElegido& bono, QWidget* padre);

    // Al final del constructor de cada pantalla. origen: el marco de la
    // venta (frFinAlta) en la pantalla; esta se pone encima
    void cargar(const QPoint& origen);
    void MostrarEmpleados();

    // "Aceptar" y la pulsación de un empleado
    virtual void aceptar() = 0;
    virtual void pulsarEmpleado(const ElementoPanel& empleado) = 0;

    void paintEvent(QPaintEvent* evento) override;

    static constexpr int kAncho = 560;
    static constexpr int kAlto = 570;

    ConvencionesPantalla* m_conv;
    QLabel* lblNomEmpresa;
    QLabel* lblNumBono;
    QLabel* lblcodItem;
    QFrame* Frame2;
    QLabel* Label3;
    QLabel* lblCliente;
    QLabel* Label5;
    QLabel* lblNomItem;
    QLabel* Label4;
    QLabel* lblNumSesiones;
    QLabel* Label2;
    QLabel* lblUtil;
    QPushButton* cmd_FinVenta;
    QPushButton* cmd_Regresar;
    QFrame* frEmpleados;
    QLabel* lblNomEmpleado;
    Tactipan* PanelEmpleados;
    QPushButton* Command1;

private:
    void crearControles(const BonoElegido& bono);
    void escalar();
    void CargarPanelEmpleados();
};
