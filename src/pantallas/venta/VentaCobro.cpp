// Venta de bonos: el cobro. Forma de pago, entrega y cambio, pago con el
// dinero en depósito, lo que el cliente queda debiendo y el empleado que
// hizo la venta, cuya pulsación la termina.
#include "pantallas/venta/frmBonosServicios.h"

#include "datos/Globales.h"
#include "datos/Valores.h"
#include "pantallas/comun/ConvencionesPantalla.h"
#include "pantallas/venta/CierreVenta.h"
#include "plataforma/ColorBgr.h"
#include "plataforma/widgets/Tactipan.h"
#include "principal/Mensajes.h"
#include "registros/Clientes.h"
#include "registros/PagosCuenta.h"

#include <QCheckBox>
#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Formas de pago con significado propio en esta pantalla
constexpr qint16 kEfectivo = 1;
constexpr qint16 kEntregaExacta = 2;  // lo entregado es el precio
constexpr qint16 kMixto = 3;          // tarjeta y efectivo
constexpr qint16 kDeposito = 4;
}  // namespace

double frmBonosServicios::importe(const QLineEdit* caja) const
{
    return Valores::leerNumeroIndulgente(caja->text());
}

QString frmBonosServicios::importeTexto(double valor) const
{
    return Valores::mostrarImporte(valor, gNumDecimales);
}

void frmBonosServicios::pulsarFormaPago(const ElementoPanel& forma)
{
    FormaPago = qint16(forma.codigo.toInt());
    m_nombreFormaPago = forma.datos;
    lblFormaPago->setText(forma.datos);
    const QString cero = importeTexto(0);
    if (FormaPago != kMixto) {
        Label9->hide();
        txtPagoTarjeta->hide();
        txtPagoTarjeta->setText(QStringLiteral("0"));
        Label16->setText(QStringLiteral("Entrega Cliente"));
        txtEntrega->setText(FormaPago == kEntregaExacta ? lblPrecio->text() : cero);
        enfocar(txtEntrega);
    } else {
        Label9->show();
        txtPagoTarjeta->show();
        Label16->setText(QStringLiteral("Cliente entrega Efectivo"));
        txtPagoTarjeta->setText(cero);
        txtEntrega->setText(cero);
        enfocar(txtPagoTarjeta);
    }
    colocarCantidades();
    fr_Ocultar->hide();
    // Terminar solo si lo entregado cubre el precio; si no, se ofrece la deuda
    ponerBotonesCobro();
}

void frmBonosServicios::calcularCambio()
{
    const double precio = importe(lblPrecio);
    const double entrega = importe(txtEntrega);
    if (txtPagoTarjeta->isHidden()) {
        const bool cubre = !lblPrecio->text().isEmpty() && !txtEntrega->text().isEmpty() && precio <= entrega;
        txtCambio->setText(importeTexto(cubre ? entrega - precio : 0));
        return;
    }
    const double cambio = entrega + importe(txtPagoTarjeta) - precio;
    txtCambio->setText(importeTexto(cambio >= 0 ? cambio : 0));
}

void frmBonosServicios::ponerBotonesCobro()
{
    const bool cubre = importe(lblPrecio) <= importe(txtEntrega) + importe(txtPagoTarjeta);
    cmd_FinVenta->setVisible(cubre);
    cmdDeuda->setVisible(!cubre);
}

void frmBonosServicios::lblPrecio_Change()
{
    calcularCambio();
    if (bModificando) {
        mostrarFinVenta();
        return;
    }
    // Con las cantidades a la vista, los botones siguen al precio
    if (fr_Ocultar->isHidden())
        ponerBotonesCobro();
    // La oferta del depósito sigue a cada cambio del precio
    if (!m_fijandoPrecio && Valores::leerNumeroIndulgente(txtSesiones->text()) != 0)
        DineroDeposito(CodCliente);
}

void frmBonosServicios::txtEntrega_Change()
{
    if (txtPagoTarjeta->isHidden()) {
        calcularCambio();
    } else if (!bCalculando) {
        bCalculando = true;
        calcularCambio();
        bCalculando = false;
    }
    ponerBotonesCobro();
}

void frmBonosServicios::txtPagoTarjeta_Change()
{
    if (!bCalculando && !txtPagoTarjeta->isHidden()) {
        bCalculando = true;
        const double precio = importe(lblPrecio);
        const double tarjeta = importe(txtPagoTarjeta);
        if (tarjeta < precio) {
            // Lo que falta, en efectivo
            txtEntrega->setText(importeTexto(precio - tarjeta));
            txtCambio->setText(importeTexto(0));
        } else {
            txtCambio->setText(importeTexto(tarjeta - precio));
            txtEntrega->setText(importeTexto(0));
        }
        bCalculando = false;
    }
    ponerBotonesCobro();
}

void frmBonosServicios::cmdDeuda_Click()
{
    double anterior = 0;
    if (ObtenerDeudaCliente(CodCliente, anterior)) {
        lblDeudaCliente->setText(importeTexto(anterior));
        Frame6->show();
    } else {
        Frame6->hide();
    }
    const double deuda = importe(lblPrecio) - (importe(txtEntrega) + importe(txtPagoTarjeta));
    lblInfoDeuda->setText(QStringLiteral("El cliente ") + lblCliente->text() + QStringLiteral(" nos va a deber ") +
                          importeTexto(deuda));
    frInfoDeuda->show();
    frInfoDeuda->raise();
    cmdDeuda->hide();
}

void frmBonosServicios::cmdAceptarDeuda_Click()
{
    frInfoDeuda->hide();
    if (FormaPago == 0)
        FormaPago = kEfectivo;
    MostrarEmpleados();
}

void frmBonosServicios::cmdCancelarDeuda_Click()
{
    frInfoDeuda->hide();
    // Sigue faltando dinero: la deuda se puede volver a ofrecer
    ponerBotonesCobro();
}

void frmBonosServicios::DineroDeposito(const QString& codCli)
{
    double deposito = 0;
    const bool activo = ClienteConDineroDeposito(codCli, deposito);
    // Un depósito igual al precio no se ofrece
    if (!activo || importe(lblPrecio) >= deposito) {
        retirarDeposito();
        return;
    }
    lblNomDinDep->setText(lblCliente->text());
    frDinDep->show();
    frDinDep->raise();
    lblFormaPago->setText(QStringLiteral("DEPOSITO"));
    txtEntrega->setText(lblPrecio->text());
    txtEntrega->setReadOnly(true);
    lblValorDinDep->setText(importeTexto(deposito));
    ValorDeposito = deposito;
    bUsaDeposito = true;
    // Hasta que se acepte o no, solo se puede cambiar la línea de la venta
    bloquearCobro(true);
    avisoOcultar();
}

void frmBonosServicios::retirarDeposito()
{
    if (!bUsaDeposito && frDinDep->isHidden())
        return;
    frDinDep->hide();
    bUsaDeposito = false;
    txtEntrega->setReadOnly(false);
    txtEntrega->setText(importeTexto(0));
    lblFormaPago->setText(m_nombreFormaPago);
    bloquearCobro(false);
    avisoOcultar();
}

void frmBonosServicios::bloquearCobro(bool bloquear)
{
    for (QWidget* w : std::initializer_list<QWidget*>{frFPago, frCantidades, frBotonesCobro, Frame10, frBoleta})
        w->setEnabled(!bloquear);
    // Los botones del panel no se ven apagados por sí solos: se atenúan
    if (!bloquear) {
        PanelFormasPago->setGraphicsEffect(nullptr);
    } else if (!PanelFormasPago->graphicsEffect()) {
        auto* atenuado = new QGraphicsOpacityEffect(PanelFormasPago);
        atenuado->setOpacity(0.35);
        PanelFormasPago->setGraphicsEffect(atenuado);
    }
}

void frmBonosServicios::cmdAceptarDinDep_Click()
{
    // Solo se anota la elección: el depósito se descuenta al guardar la venta,
    // así que una venta abandonada no le cuesta nada al cliente
    frDinDep->hide();
    bloquearCobro(false);
    FormaPago = kDeposito;
    MostrarEmpleados();
}

void frmBonosServicios::cmdCancelar_Click()
{
    retirarDeposito();
    enfocar(txtEntrega);
    txtEntrega->selectAll();
}

void frmBonosServicios::MostrarEmpleados()
{
    // Las dos se pueden vaciar con "C" (el precio, también con una tecla que el
    // filtro rechaza): un bono sin sesiones o sin precio no se guarda
    if (txtSesiones->text().trimmed().isEmpty() || lblPrecio->text().trimmed().isEmpty()) {
        Mensajes::mostrar(this, titulo(gModoFamilias), QStringLiteral("Escriba las sesiones y el precio del bono"),
                          Mensajes::Icono::Aviso);
        return;
    }
    frDatosCobro->setEnabled(false);
    frEmpleados->show();
    frEmpleados->raise();
}

void frmBonosServicios::CargarPanelEmpleados()
{
    PanelEmpleados->ponerColorFondo(ColorBgr::aColor(fondo(m_conv->cmd_Ayuda())));
    PanelEmpleados->ponerColorMarco(ColorBgr::aColor(fondo(fr_hijo)));
    PanelEmpleados->reiniciar();
    PanelEmpleados->cargar(conTextoDeDatos(gEmpleados));
    PanelEmpleados->ponerUsarColoresElementos(gColoresEmpleados);
    PanelEmpleados->redibujar();
}

void frmBonosServicios::cargarPanelFormasPago()
{
    PanelFormasPago->reiniciar();
    PanelFormasPago->cargar(conTextoDeDatos(gFormasPago));
    PanelFormasPago->ponerUsarColoresElementos(gColoresFormaPago);
    PanelFormasPago->redibujar();
}

void frmBonosServicios::pulsarEmpleado(const ElementoPanel&)
{
    // Una pulsación por venta: el panel vuelve cuando la pantalla está otra vez en el catálogo
    if (!PanelEmpleados->isEnabled())
        return;
    PanelEmpleados->setEnabled(false);
    // Un bono modificado sigue en su serie, elija lo que se elija aquí (CierreVenta)
    if (modoBoleta() && chkFacturaPeruChile->isChecked())
        FinalizarVentaPeruChile();
    else
        FinalizarVenta();
}

void frmBonosServicios::tomarEmpleado()
{
    NomEmpleado = PanelEmpleados->datosPulsado();
    CodEmpleado = qint16(PanelEmpleados->codigoPulsado().toInt());
    lblNomEmpleado->setText(NomEmpleado);
}

void frmBonosServicios::FinalizarVenta()
{
    terminarVenta(CierreVenta::Serie::Primera);
}

void frmBonosServicios::FinalizarVentaPeruChile()
{
    terminarVenta(CierreVenta::Serie::Segunda);
}

void frmBonosServicios::terminarVenta(SerieFactura serie)
{
    tomarEmpleado();
    try {
        CierreVenta::registrar(serie, ventaEnCurso());
    } catch (...) {
        // No se guardó nada: la venta sigue en pantalla para volver a pulsar el empleado o regresar
        PanelEmpleados->setEnabled(true);
        throw;
    }
    CerrarFinAlta();
}
