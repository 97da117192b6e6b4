#pragma once
// Borrado de un bono con devolución: propone lo que queda por consumir del
// precio cobrado, deja cambiarlo con el teclado numérico y pide el
// empleado; al pulsarlo se hace el abono de la factura y se anula el bono,
// todo junto, y la pantalla se cierra. Se ve también lo que el cliente aún
// debe de esa factura, por si hay que devolver menos.
#include "pantallas/bajas/PantallaBajaBono.h"

class QLineEdit;

class frmBorrarBonos : public PantallaBajaBono {
    Q_OBJECT
public:
    frmBorrarBonos(const BonoElegido& bono, const QPoint& origen, QWidget* padre = nullptr);

    // Lo que se propone devolver por las sesiones que quedan
    double CalcularImporte() const;

protected:
    void aceptar() override;
    void pulsarEmpleado(const ElementoPanel& empleado) override;
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void crearImporte(const BonoElegido& bono);
    void ponerFondoImporte(bool foco);

    QLabel* lblTotal;
    QLineEdit* txtImporteBono;
    QLabel* Label1;
    QLineEdit* txtImporte;
    QLabel* lblDeudaFactura;
    QFrame* fr_numerico;
    QPushButton* btnNumerico_Cobro[11];
    QPushButton* cmd_nuevoCobro;

    qint16 CodEmpleado = 0;
    QString NomEmpleado;
    QString m_colorFoco;
    bool m_propuesto = false;  // el importe se propone una sola vez
};
