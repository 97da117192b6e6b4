// Venta de bonos: modificar un bono ya vendido. Se corrige en el mismo marco
// de la venta (sesiones, precio, descuento, fechas y empleado), sin cobro, y
// al pulsar el empleado se reescriben su factura y el bono.
#include "pantallas/venta/frmBonosServicios.h"

#include "datos/Error.h"
#include "datos/Valores.h"
#include "plataforma/widgets/Rejilla.h"
#include "plataforma/widgets/Tactipan.h"
#include "registros/Clientes.h"
#include "registros/ModificacionBono.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void frmBonosServicios::empezarModificacion(Rejilla& lista, int fila)
{
    // El histórico no tiene las columnas del bono (ni ofrece el botón)
    if (&lista == grid_BonosInActivos)
        return;
    bool ok = false;
    const int numero = lista.texto(fila, 0).trimmed().toInt(&ok);
    if (!ok)
        throw ErrorTarvelo(QStringLiteral("El número de bono «%1» de la lista no es válido.").arg(lista.texto(fila, 0)));
    // Número, factura y serie, una sola vez: al guardar ya no se mira la lista
    m_bonoModificado = BonoAModificar(numero);
    // Nada de una venta a medias ni de la modificación anterior (lblDescuentoMod)
    LimpiarDatosFnAlta();
    DeshabilitarGrids();
    marcarModificando(true);
    CodCliente = lista.texto(fila, 8);
    txtCliente->setText(NombreCliente(CodCliente));
    PantallaCobrarModificar(lista, fila);
}

void frmBonosServicios::PantallaCobrarModificar(Rejilla& lista, int fila)
{
    for (QWidget* w : std::initializer_list<QWidget*>{fr_Ocultar, frFPago, frCantidades, lblFormaPago, Label21,
                                                      PanelFormasPago})
        w->hide();
    // Sin nada tapado, los rótulos de las fechas se ven
    for (QLabel* rotulo : lblTitFechas)
        rotulo->show();
    frFinAlta->show();
    frFinAlta->raise();
    frDatosCobro->setEnabled(true);
    lblNomServicio->setText(lista.texto(fila, 2));
    txtFechaAlta->setText(lista.texto(fila, 3));
    txtSesiones->setText(lista.texto(fila, 5));
    lblPrecio->setText(lista.texto(fila, 7));
    codServicio = lista.texto(fila, 9).trimmed().toInt();
    // Un bono caducado acaba antes de hoy: el mínimo de "hasta" es su "desde"
    const QDate desde = Valores::leerFecha(lista.texto(fila, 10));
    dtpHasta->setMinimumDate(desde);
    dtpDesde->setDate(desde);
    dtpHasta->setDate(Valores::leerFecha(lista.texto(fila, 11)));
    lblFormaPago->setText(lista.texto(fila, 12));
    const QString forma = lista.texto(fila, 13).trimmed();
    FormaPago = forma.isEmpty() ? qint16(1) : qint16(forma.toInt());
    lblCliente->setText(txtCliente->text());
    // Ya se cobró: ni entrega ni cambio, y tampoco deuda, que al modificar no
    // se anota. "Finalizar" aparece con el primer cambio.
    for (QWidget* w : std::initializer_list<QWidget*>{txtEntrega, txtCambio, Label16, Label17, cmdDeuda, cmd_FinVenta})
        w->hide();
    enfocar(txtSesiones);
}

void frmBonosServicios::marcarModificando(bool modificando)
{
    bModificando = modificando;
    cmdModificacionInfo->setVisible(modificando);
    lblTitDescuentoMod->setVisible(modificando);
    // Al modificar no sale ticket y la serie es la del bono: no se ofrecen
    chkImprimir->setVisible(!modificando);
    frBoleta->setVisible(!modificando && modoBoleta());
}
