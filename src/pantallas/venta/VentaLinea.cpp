// Venta de bonos: la línea de la venta. Sesiones, precio y descuento, las
// fechas de validez, el teclado numérico y las teclas que acepta cada campo.
#include "pantallas/venta/frmBonosServicios.h"

#include "datos/Componentes.h"
#include "datos/Globales.h"
#include "datos/Valores.h"
#include "pantallas/venta/TecladoNumerico.h"
#include "plataforma/widgets/Tactipan.h"
#include "principal/ManejadorErrores.h"

#include <QDateEdit>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kIntro = 13;

bool todoSeleccionado(const QLineEdit* caja)
{
    return caja->selectedText().size() == caja->text().size();
}
}  // namespace

bool frmBonosServicios::eventFilter(QObject* objeto, QEvent* evento)
{
    if (pestanaPulsada(objeto, evento))
        return true;
    auto* caja = qobject_cast<QLineEdit*>(objeto);
    if (!caja)
        return DialogoPantalla::eventFilter(objeto, evento);
    switch (evento->type()) {
    case QEvent::FocusIn:
        alEntrarFoco(caja);
        break;
    case QEvent::FocusOut:
        alSalirFoco(caja);
        break;
    case QEvent::MouseButtonRelease:
        // El cliente no se escribe: se busca
        if (caja == txtCliente && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton)
            ManejadorErrores::ejecutar([this] { cmdBuscarCli_Click(); });
        break;
    case QEvent::KeyPress: {
        bool tragada = false;
        ManejadorErrores::ejecutar([&] { tragada = teclaEnCaja(caja, static_cast<QKeyEvent*>(evento)); });
        if (tragada)
            return true;
        break;
    }
    default:
        break;
    }
    return DialogoPantalla::eventFilter(objeto, evento);
}

bool frmBonosServicios::teclaEnCaja(QLineEdit* caja, QKeyEvent* evento)
{
    const int tecla = TecladoNumerico::codigoTecla(evento);
    if (tecla == 0 || caja == txtCliente)
        return false;
    int aceptada = 0;
    if (caja == txtSesiones) {
        // Las sesiones son enteras
        if (tecla == ',' || tecla == '.')
            return true;
        aceptada = filtroTeclado(tecla, caja, 0);
        if (bModificando)
            mostrarFinVenta();
    } else if (caja == lblPrecio) {
        aceptada = FiltrarTecla(caja, tecla);
        if (bModificando)
            mostrarFinVenta();
    } else if (caja == txtDescuento) {
        if (tecla == kIntro) {
            // Al modificar, Intro aplica el descuento al precio tal como está
            if (bModificando) {
                aplicarDescuentoModificacion();
                mostrarFinVenta();
            }
            return true;
        }
        aceptada = filtroTeclado(tecla, caja, gNumDecimales);
    } else {
        // txtEntrega y txtPagoTarjeta
        if (!caja->isReadOnly() && !caja->text().isEmpty() && todoSeleccionado(caja))
            caja->clear();
        aceptada = filtroTeclado(tecla, caja, gNumDecimales);
    }
    return TecladoNumerico::aplicarFiltro(caja, tecla, aceptada);
}

int frmBonosServicios::filtroTeclado(int tecla, QLineEdit* caja, int decimales)
{
    return Componentes::teclado().FiltrarTecla(tecla, caja, decimales);
}

int frmBonosServicios::FiltrarTecla(QLineEdit* caja, int tecla)
{
    // Con todo seleccionado la tecla sustituye al texto: la caja se vacía y
    // la tecla se mira como en una caja vacía
    if (!caja->text().isEmpty() && todoSeleccionado(caja))
        caja->clear();
    return filtroTeclado(tecla, caja, caja == txtSesiones ? 0 : gNumDecimales);
}

void frmBonosServicios::pulsarTeclado(const QString& caracter)
{
    // Un campo bloqueado (el que paga el depósito, el cliente) no se escribe
    if (!txtFoco || txtFoco->isReadOnly())
        return;
    TecladoNumerico::escribir(txtFoco, caracter, txtFoco == txtSesiones ? 0 : gNumDecimales);
    if (bModificando)
        mostrarFinVenta();
}

void frmBonosServicios::cmd_nuevoCobro_Click()
{
    if (txtFoco && !txtFoco->isReadOnly())
        txtFoco->clear();
}

void frmBonosServicios::txtSesiones_Change()
{
    if (bModificando)
        return;
    const QString texto = txtSesiones->text();
    // "0" sesiones es como ninguna: ni cobro ni venta
    if (texto.trimmed().isEmpty() || Valores::leerNumeroIndulgente(texto) == 0) {
        moverOcultar(true);
        fr_Ocultar->show();
        cmd_FinVenta->hide();
        retirarDeposito();
        return;
    }
    m_fijandoPrecio = true;
    lblPrecio->setText(Valores::numeroATexto(Valores::redondear(dObtenerPrecio(texto, m_datosItem), gNumDecimales)));
    m_fijandoPrecio = false;
    Label21->show();
    PanelFormasPago->show();
    lblFormaPago->show();
    moverOcultar(false);
    // Con la forma de pago ya elegida, las cantidades siguen a la vista
    if (FormaPago != 0) {
        fr_Ocultar->hide();
        ponerBotonesCobro();
    }
    DineroDeposito(CodCliente);
}

void frmBonosServicios::txtDescuento_Change()
{
    if (bModificando)
        return;
    const QStringList datos = m_datosItem.split(QLatin1Char('|'));
    const double bruto = Valores::leerNumeroIndulgente(txtSesiones->text()) * Valores::leerNumeroIndulgente(datos.value(2));
    if (txtDescuento->text().isEmpty())
        return;
    const double descuento = Valores::leerNumeroIndulgente(txtDescuento->text());
    const double neto = bruto - bruto * descuento / 100;
    GestorNumeros& numeros = Componentes::numeros();
    const double impuesto = numeros.ImporteImpuesto(neto, Valores::leerNumeroIndulgente(datos.value(3)), gIva);
    lblPrecio->setText(importeTexto(numeros.Precio(neto, impuesto, gIva, 0, QString())));
}

void frmBonosServicios::aplicarDescuentoModificacion()
{
    if (txtDescuento->text().isEmpty())
        return;
    const double precio = importe(lblPrecio);
    const double rebaja = precio * Valores::leerNumeroIndulgente(txtDescuento->text()) / 100;
    lblDescuentoMod->setText(Valores::numeroATexto(rebaja));
    lblPrecio->setText(importeTexto(precio - rebaja));
}

void frmBonosServicios::alCambiarFecha()
{
    // El bono no puede acabar antes de empezar
    dtpHasta->setMinimumDate(dtpDesde->date());
    if (bModificando)
        mostrarFinVenta();
}

void frmBonosServicios::alEntrarFoco(QLineEdit* caja)
{
    txtFoco = caja;
    if (caja == txtSesiones || caja == lblPrecio)
        ponerFondo(caja, ColorFoco);
    if (caja == txtSesiones || caja == lblPrecio || caja == txtEntrega || caja == txtPagoTarjeta) {
        caja->selectAll();
        // También tras el clic que dio el foco, que deja el cursor donde se tocó
        QTimer::singleShot(0, caja, [caja] {
            if (caja->hasFocus())
                caja->selectAll();
        });
    }
}

// Con la ventana aún sin activar (al volver de la búsqueda, sin gestor de
// ventanas) el foco llega con el primer toque; el teclado en pantalla ya
// escribe en la caja que toca
void frmBonosServicios::enfocar(QLineEdit* caja)
{
    caja->setFocus();
    if (!caja->hasFocus())
        alEntrarFoco(caja);
}

void frmBonosServicios::alSalirFoco(QLineEdit* caja)
{
    ponerFondo(caja, ColorNormal);
}

void frmBonosServicios::moverOcultar(bool arriba)
{
    // Arriba tapa desde las fechas; abajo, solo las cantidades
    const int y = arriba ? Frame8->y() + dtpDesde->y() : frCantidades->y() + txtPagoTarjeta->y();
    const int pie = frBotonesCobro->y() + frBotonesCobro->height();
    fr_Ocultar->setGeometry(fr_Ocultar->x(), y, fr_Ocultar->width(), pie - y);
    for (QLabel* rotulo : lblTitFechas)
        rotulo->setVisible(!arriba);
    avisoOcultar();
    lblAvisoOcultar->setGeometry(lblAvisoOcultar->x(), 0, lblAvisoOcultar->width(), qMin(fr_Ocultar->height(), 120));
}

void frmBonosServicios::avisoOcultar()
{
    // Lo que falta para seguir, escrito sobre lo que aún no se puede usar
    if (bUsaDeposito)
        lblAvisoOcultar->setText(QStringLiteral("¿Paga con su depósito? Conteste arriba"));
    else if (fr_Ocultar->y() == Frame8->y() + dtpDesde->y())
        lblAvisoOcultar->setText(QStringLiteral("Escriba el número de sesiones"));
    else
        lblAvisoOcultar->setText(QStringLiteral("Elija la forma de pago"));
}

void frmBonosServicios::mostrarFinVenta()
{
    cmd_FinVenta->show();
    cmdDeuda->hide();
}
