// Venta de bonos: el marco de la venta (frFinAlta), que se pone sobre el
// catálogo, y los que se le ponen encima (empleados, depósito, deuda).
// Medidas de diseño en píxeles dentro de cada marco.
#include "pantallas/venta/frmBonosServicios.h"

#include "datos/Valores.h"
#include "pantallas/venta/ControlesVenta.h"
#include "pantallas/venta/IconosVenta.h"
#include "pantallas/venta/TecladoNumerico.h"
#include "plataforma/widgets/Tactipan.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QGridLayout>

using namespace ControlesVenta;

namespace {
constexpr int kAnchoMarco = 568;
constexpr int kAltoMarco = 592;
constexpr int kXDerecha = 324;  // columna del teclado dentro de frDatosCobro
constexpr int kAnchoDerecha = 236;

QLabel* rotulo(QWidget* padre, const char* nombre, const QString& texto, const QRect& zona)
{
    return etiqueta(padre, nombre, texto, zona, 13, false, Qt::AlignLeft | Qt::AlignBottom);
}

QDateEdit* fecha(QWidget* padre, const char* nombre, const QRect& zona)
{
    auto* d = new QDateEdit(padre);
    d->setObjectName(QLatin1String(nombre));
    d->setCalendarPopup(true);
    d->setFont(letra(14));
    d->setDisplayFormat(Valores::regionales().formatoFechaCorta);
    d->setGeometry(zona);
    return d;
}
}  // namespace

void frmBonosServicios::crearMarcoVenta()
{
    frFinAlta = marco(this, "frFinAlta", QRect(0, 0, kAnchoMarco, kAltoMarco));

    // Qué se vende y a quién
    Frame7 = marco(frFinAlta, "Frame7", QRect(0, 0, kAnchoMarco, 62));
    lblTitItem = etiqueta(Frame7, "lblTitItem", QString(), QRect(12, 3, 320, 18), 13);
    lblNomServicio = etiqueta(Frame7, "lblNomServicio", QString(), QRect(12, 21, 330, 38), 22, true);
    lblTitCliente = etiqueta(Frame7, "lblTitCliente", QStringLiteral("Cliente"), QRect(348, 3, 210, 18), 13, false,
                             Qt::AlignRight | Qt::AlignVCenter);
    lblCliente = etiqueta(Frame7, "lblCliente", QString(), QRect(348, 21, 210, 38), 17, true,
                          Qt::AlignRight | Qt::AlignVCenter);
    lblCliente->setWordWrap(true);

    frDatosCobro = marco(frFinAlta, "frDatosCobro", QRect(0, 66, kAnchoMarco, 466));
    crearLineaVenta(frDatosCobro);
    crearCobro(frDatosCobro);
    crearTeclado(frDatosCobro);
    crearImpresion(frDatosCobro);

    // Tapa lo que aún no se puede usar y dice qué falta
    fr_Ocultar = marco(frDatosCobro, "fr_Ocultar", QRect(0, 0, kXDerecha - 4, 466));
    lblAvisoOcultar = etiqueta(fr_Ocultar, "lblAvisoOcultar", QString(), QRect(8, 8, kXDerecha - 20, 120), 18, true,
                               Qt::AlignCenter);
    lblAvisoOcultar->setWordWrap(true);

    // Fuera de frDatosCobro: se puede volver también mientras se elige el empleado
    cmd_Regresar = boton(frFinAlta, "cmd_Regresar", QStringLiteral("Volver"), QRect(8, 536, 160, 52), 19);
    cmd_Regresar->setIcon(IconosVenta::icono(IconosVenta::Volver));
    cmd_Regresar->setIconSize(QSize(28, 28));
    lblNomEmpleado = etiqueta(frFinAlta, "lblNomEmpleado", QString(), QRect(176, 536, 200, 52), 16, true);
    // Al modificar: el importe del último descuento aplicado con Intro
    lblTitDescuentoMod = etiqueta(frFinAlta, "lblTitDescuentoMod", QStringLiteral("Descuento aplicado"),
                                  QRect(380, 536, 180, 20), 12, false, Qt::AlignRight | Qt::AlignTop);
    lblTitDescuentoMod->hide();
    lblDescuentoMod = etiqueta(frFinAlta, "lblDescuentoMod", QString(), QRect(380, 556, 180, 32), 16, true,
                               Qt::AlignRight | Qt::AlignVCenter);
}

void frmBonosServicios::crearLineaVenta(QWidget* padre)
{
    Frame8 = marco(padre, "Frame8", QRect(8, 0, 308, 136));
    rotulo(Frame8, "lblTitSesiones", QStringLiteral("Sesiones"), QRect(0, 0, 92, 18));
    txtSesiones = caja(Frame8, "txtSesiones", QRect(0, 18, 92, 52), 28, true, Qt::AlignCenter);
    rotulo(Frame8, "lblTitPrecio", QStringLiteral("Precio"), QRect(98, 0, 130, 18));
    lblPrecio = caja(Frame8, "lblPrecio", QRect(98, 18, 130, 52), 28);
    rotulo(Frame8, "lblTitDescuento", QStringLiteral("Dto. %"), QRect(234, 0, 74, 18));
    txtDescuento = caja(Frame8, "txtDescuento", QRect(234, 18, 74, 52), 24, true, Qt::AlignCenter);
    TecladoNumerico::soloCifras(txtSesiones, TecladoNumerico::Cifras::Enteras);
    TecladoNumerico::soloCifras(lblPrecio, TecladoNumerico::Cifras::Importe);
    TecladoNumerico::soloCifras(txtDescuento, TecladoNumerico::Cifras::Porcentaje);

    // Las fechas, con la forma corta del puesto
    lblTitFechas[0] = rotulo(Frame8, "lblTitFechaAlta", QStringLiteral("Fecha"), QRect(0, 76, 86, 18));
    txtFechaAlta = caja(Frame8, "txtFechaAlta", QRect(0, 94, 86, 42), 14, false, Qt::AlignCenter);
    txtFechaAlta->setReadOnly(true);
    txtFechaAlta->setFocusPolicy(Qt::NoFocus);
    lblTitFechas[1] = rotulo(Frame8, "lblTitDesde", QStringLiteral("Desde"), QRect(90, 76, 108, 18));
    dtpDesde = fecha(Frame8, "dtpDesde", QRect(90, 94, 108, 42));
    lblTitFechas[2] = rotulo(Frame8, "lblTitHasta", QStringLiteral("Hasta"), QRect(202, 76, 106, 18));
    dtpHasta = fecha(Frame8, "dtpHasta", QRect(202, 94, 106, 42));
}

void frmBonosServicios::crearCobro(QWidget* padre)
{
    frFPago = marco(padre, "frFPago", QRect(8, 140, 308, 178));
    Label21 = etiqueta(frFPago, "Label21", QStringLiteral("Forma de pago"), QRect(0, 0, 130, 24), 15, true);
    lblFormaPago = etiqueta(frFPago, "lblFormaPago", QString(), QRect(130, 0, 178, 24), 17, true,
                            Qt::AlignRight | Qt::AlignVCenter);
    PanelFormasPago = new Tactipan(frFPago);
    PanelFormasPago->setObjectName(QStringLiteral("PanelFormasPago"));
    PanelFormasPago->setGeometry(0, 24, 308, 154);

    // Tarjeta (solo en el pago mixto), entrega y cambio, en una fila
    frCantidades = marco(padre, "frCantidades", QRect(8, 322, 308, 82));
    Label9 = rotulo(frCantidades, "Label9", QStringLiteral("Tarjeta"), QRect(0, 0, 94, 32));
    txtPagoTarjeta = caja(frCantidades, "txtPagoTarjeta", QRect(0, 32, 94, 50), 21);
    Label16 = rotulo(frCantidades, "Label16", QStringLiteral("Entrega Cliente"), QRect(100, 0, 110, 32));
    Label16->setWordWrap(true);
    Label16->setFont(letra(12));
    txtEntrega = caja(frCantidades, "txtEntrega", QRect(100, 32, 110, 50), 21);
    Label17 = rotulo(frCantidades, "Label17", QStringLiteral("Cambio"), QRect(216, 0, 92, 32));
    txtCambio = caja(frCantidades, "txtCambio", QRect(216, 32, 92, 50), 21);
    TecladoNumerico::soloCifras(txtPagoTarjeta, TecladoNumerico::Cifras::Importe);
    TecladoNumerico::soloCifras(txtEntrega, TecladoNumerico::Cifras::Importe);
    txtCambio->setReadOnly(true);
    txtCambio->setFocusPolicy(Qt::NoFocus);

    frBotonesCobro = marco(padre, "frBotonesCobro", QRect(8, 410, 308, 56));
    cmdDeuda = boton(frBotonesCobro, "cmdDeuda", QStringLiteral("Deuda"), QRect(0, 0, 120, 56), 18);
    cmdDeuda->setIcon(IconosVenta::icono(IconosVenta::Deuda));
    cmdDeuda->setIconSize(QSize(26, 26));
    cmd_FinVenta = boton(frBotonesCobro, "cmd_FinVenta", QStringLiteral("Finalizar"), QRect(126, 0, 182, 56), 20);
    cmd_FinVenta->setIcon(IconosVenta::icono(IconosVenta::Finalizar));
    cmd_FinVenta->setIconSize(QSize(28, 28));
}

void frmBonosServicios::colocarCantidades()
{
    // Sin la parte de tarjeta, entrega y cambio se reparten la fila
    const int ancho = frCantidades->width();
    const int hueco = qMax(1, ancho * 6 / 308);
    const auto poner = [this](QWidget* rotulo, QWidget* campo, int x, int w) {
        rotulo->setGeometry(x, rotulo->y(), w, rotulo->height());
        campo->setGeometry(x, campo->y(), w, campo->height());
    };
    if (txtPagoTarjeta->isHidden()) {
        const int mitad = (ancho - hueco) / 2;
        poner(Label16, txtEntrega, 0, mitad);
        poner(Label17, txtCambio, mitad + hueco, ancho - mitad - hueco);
    } else {
        const int tercio = (ancho - 2 * hueco) / 3;
        poner(Label9, txtPagoTarjeta, 0, tercio);
        poner(Label16, txtEntrega, tercio + hueco, tercio);
        poner(Label17, txtCambio, 2 * (tercio + hueco), ancho - 2 * (tercio + hueco));
    }
}

void frmBonosServicios::crearTeclado(QWidget* padre)
{
    Frame3 = marco(padre, "Frame3", QRect(kXDerecha, 84, kAnchoDerecha, 250));
    fr_numerico = marco(Frame3, "fr_numerico", QRect(0, 0, kAnchoDerecha, 250));
    TecladoNumerico::crear(fr_numerico, btnNumerico_Cobro, cmd_nuevoCobro);
}

void frmBonosServicios::crearImpresion(QWidget* padre)
{
    Frame10 = marco(padre, "Frame10", QRect(kXDerecha, 0, kAnchoDerecha, 78));
    chkImprimir = casilla(Frame10, "chkImprimir", QStringLiteral("Ticket"), QRect(6, 4, 110, 34));
    chk_Factura = casilla(Frame10, "chk_Factura", QStringLiteral("Factura"), QRect(6, 40, 110, 34));
    ch_Normativa = casilla(Frame10, "ch_Normativa", QStringLiteral("Normativa"), QRect(118, 4, 116, 34));
    chImpReport = casilla(Frame10, "chImpReport", QStringLiteral("Hoja bono"), QRect(118, 40, 116, 34));

    // Boleta o factura de la segunda serie (solo en los países que la tienen)
    frBoleta = marco(padre, "frBoleta", QRect(kXDerecha + 6, 342, 224, 68));
    chkBoleta = casilla(frBoleta, "chkBoleta", QStringLiteral("Boleta"), QRect(4, 2, 216, 31));
    chkFacturaPeruChile = casilla(frBoleta, "chkFacturaPeruChile", QStringLiteral("Factura"), QRect(4, 35, 216, 31));
    m_grupoBoleta = new QButtonGroup(this);
    m_grupoBoleta->addButton(chkBoleta);
    m_grupoBoleta->addButton(chkFacturaPeruChile);
    m_grupoBoleta->setExclusive(true);
    frBoleta->hide();

    // Marca de que se está modificando un bono
    cmdModificacionInfo = boton(padre, "cmdModificacionInfo", QStringLiteral("Modificando"),
                                QRect(kXDerecha, 414, kAnchoDerecha, 52), 18);
    cmdModificacionInfo->hide();
}

void frmBonosServicios::crearMarcosEncima()
{
    // Empleado que hizo la venta: arriba del todo, deja ver "Volver"
    frEmpleados = marco(frFinAlta, "frEmpleados", QRect(0, 0, kAnchoMarco, 532));
    frEmpleados->setFrameShape(QFrame::StyledPanel);
    lblTitEmpleados = etiqueta(frEmpleados, "lblTitEmpleados", QStringLiteral("¿Qué empleado ha hecho la venta?"),
                               QRect(12, 6, kAnchoMarco - 24, 36), 21, true);
    PanelEmpleados = new Tactipan(frEmpleados);
    PanelEmpleados->setObjectName(QStringLiteral("PanelEmpleados"));
    PanelEmpleados->setGeometry(4, 46, kAnchoMarco - 8, 482);
    frEmpleados->hide();

    // Pago con el dinero en depósito: sobre las casillas de impresión
    frDinDep = marco(frFinAlta, "frDinDep", QRect(0, 0, kAnchoDerecha + 4, 144));
    frDinDep->setFrameShape(QFrame::StyledPanel);
    lblTitDinDep = etiqueta(frDinDep, "lblTitDinDep", QStringLiteral("Pagar con su depósito"), QRect(10, 4, 220, 22),
                            14);
    lblNomDinDep = etiqueta(frDinDep, "lblNomDinDep", QString(), QRect(10, 26, 220, 22), 16, true);
    lblValorDinDep = etiqueta(frDinDep, "lblValorDinDep", QString(), QRect(10, 48, 220, 32), 24, true);
    cmdAceptarDinDep = boton(frDinDep, "cmdAceptarDinDep", QStringLiteral("Aceptar"), QRect(8, 86, 110, 50), 17);
    cmdCancelar = boton(frDinDep, "cmdCancelar", QStringLiteral("Cancelar"), QRect(122, 86, 110, 50), 17);
    frDinDep->hide();

    // Deuda del cliente: sobre el teclado
    frInfoDeuda = marco(frFinAlta, "frInfoDeuda", QRect(0, 0, kAnchoDerecha, 250));
    frInfoDeuda->setFrameShape(QFrame::StyledPanel);
    lblInfoDeuda = etiqueta(frInfoDeuda, "lblInfoDeuda", QString(), QRect(10, 6, 216, 92), 16, true);
    lblInfoDeuda->setWordWrap(true);
    Frame6 = marco(frInfoDeuda, "Frame6", QRect(10, 102, 216, 60));
    lblTitDeudaCliente = etiqueta(Frame6, "lblTitDeudaCliente", QStringLiteral("Ya debía:"), QRect(0, 0, 216, 24), 14);
    lblDeudaCliente = etiqueta(Frame6, "lblDeudaCliente", QString(), QRect(0, 24, 216, 34), 21, true);
    Frame6->hide();
    cmdAceptarDeuda = boton(frInfoDeuda, "cmdAceptarDeuda", QStringLiteral("Aceptar"), QRect(8, 190, 108, 52), 17);
    cmdCancelarDeuda = boton(frInfoDeuda, "cmdCancelarDeuda", QStringLiteral("Cancelar"), QRect(120, 190, 108, 52),
                             17);
    frInfoDeuda->hide();
}
