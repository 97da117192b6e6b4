#include "pantallas/bajas/frmAnularBonos.h"

#include "datos/ElementoPanel.h"
#include "pantallas/venta/ControlesVenta.h"
#include "registros/BajasBono.h"

frmAnularBonos::frmAnularBonos(const BonoElegido& bono, const QPoint& origen, QWidget* padre)
    : PantallaBajaBono("frmAnularBonos", bono, padre)
{
    setWindowTitle(QStringLiteral("Anular Bono"));
    Label1 = ControlesVenta::etiqueta(
        Frame2, "Label1",
        QStringLiteral("Esta apunto de eliminar el bono. Si desea continuar pulse el boton de aceptar."),
        QRect(16, 236, 522, 120), 20, true, Qt::AlignCenter);
    Label1->setWordWrap(true);
    cargar(origen);
}

void frmAnularBonos::aceptar()
{
    MostrarEmpleados();
}

void frmAnularBonos::pulsarEmpleado(const ElementoPanel& empleado)
{
    AnularBono(lblNumBono->text(), empleado.datos);
    accept();
}
