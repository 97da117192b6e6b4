#pragma once
// Anulación de un bono sin devolución: muestra el bono, pide confirmación y
// luego el empleado; al pulsarlo el bono queda anulado (estado -1, con el
// empleado en el historial) y la pantalla se cierra.
#include "pantallas/bajas/PantallaBajaBono.h"

class frmAnularBonos : public PantallaBajaBono {
    Q_OBJECT
public:
    frmAnularBonos(const BonoElegido& bono, const QPoint& origen, QWidget* padre = nullptr);

protected:
    void aceptar() override;
    void pulsarEmpleado(const ElementoPanel& empleado) override;

private:
    QLabel* Label1;
};
