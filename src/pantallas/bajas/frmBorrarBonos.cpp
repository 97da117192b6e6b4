#include "pantallas/bajas/frmBorrarBonos.h"

#include "datos/Componentes.h"
#include "datos/ElementoPanel.h"
#include "datos/Globales.h"
#include "datos/Valores.h"
#include "pantallas/busqueda/ControlesTactiles.h"
#include "pantallas/venta/ControlesVenta.h"
#include "pantallas/venta/TecladoNumerico.h"
#include "plataforma/ColorBgr.h"
#include "plataforma/widgets/Tactipan.h"
#include "registros/BajasBono.h"
#include "registros/Bonos.h"
#include "registros/PagosCuenta.h"

#include <QKeyEvent>

using namespace ControlesVenta;

frmBorrarBonos::frmBorrarBonos(const BonoElegido& bono, const QPoint& origen, QWidget* padre)
    : PantallaBajaBono("frmBorrarBonos", bono, padre)
{
    setWindowTitle(QStringLiteral("Borrar Bono"));
    crearImporte(bono);
    m_conv->ponerColoresPropios([this] {
        m_colorFoco = Componentes::colores().ColorFoco(gConexion, gEsquemaColores);
        ponerFondoImporte(txtImporte->hasFocus());
    });
    cargar(origen);
}

void frmBorrarBonos::crearImporte(const BonoElegido& bono)
{
    lblTotal = etiqueta(Frame2, "lblTotal", QStringLiteral("Precio que se cobro"), QRect(16, 192, 276, 24), 15);
    txtImporteBono = caja(Frame2, "txtImporteBono", QRect(16, 216, 276, 48), 24);
    txtImporteBono->setText(bono.precio);
    txtImporteBono->setReadOnly(true);
    txtImporteBono->setFocusPolicy(Qt::NoFocus);

    Label1 = etiqueta(Frame2, "Label1", QStringLiteral("Importe a devolver"), QRect(16, 272, 276, 24), 15);
    auto* importe = new CampoTexto(Frame2);
    importe->setObjectName(QStringLiteral("txtImporte"));
    importe->setFont(letra(30, true));
    importe->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    importe->setGeometry(16, 296, 276, 58);
    importe->alEnfocar = [this] {
        ponerFondoImporte(true);
        txtImporte->selectAll();
    };
    importe->alDesenfocar = [this] { ponerFondoImporte(false); };
    importe->installEventFilter(this);
    TecladoNumerico::soloCifras(importe, TecladoNumerico::Cifras::Importe);
    txtImporte = importe;

    const double deuda = DeudaFactura(ObtenerFacturaBono(bono.numero), bono.codCliente);
    lblDeudaFactura = etiqueta(Frame2, "lblDeudaFactura",
                               QStringLiteral("Deuda pendiente de esta factura: ") +
                                   Valores::mostrarImporte(deuda, gNumDecimales),
                               QRect(16, 362, 276, 76), 16, true);
    lblDeudaFactura->setWordWrap(true);

    // Con holgura: al escalar, el redondeo no recorta la última fila de teclas
    fr_numerico = marco(Frame2, "fr_numerico", QRect(308, 190, 236, 254));
    TecladoNumerico::crear(fr_numerico, btnNumerico_Cobro, cmd_nuevoCobro);
    for (QPushButton* tecla : btnNumerico_Cobro)
        connect(tecla, &QPushButton::clicked, this, [this, tecla] {
            TecladoNumerico::escribir(txtImporte, tecla->text(), gNumDecimales);
        });
    connect(cmd_nuevoCobro, &QPushButton::clicked, txtImporte, &QLineEdit::clear);
}

void frmBorrarBonos::ponerFondoImporte(bool foco)
{
    const QColor normal = palette().color(QPalette::Base);
    QPalette p = txtImporte->palette();
    p.setColor(QPalette::Base, foco ? ColorBgr::aColor(m_colorFoco, normal) : normal);
    txtImporte->setPalette(p);
}

double frmBorrarBonos::CalcularImporte() const
{
    return ::CalcularImporte(Valores::leerNumeroIndulgente(txtImporteBono->text()),
                             Valores::leerNumeroIndulgente(lblNumSesiones->text()),
                             Valores::leerNumeroIndulgente(lblUtil->text()));
}

void frmBorrarBonos::showEvent(QShowEvent* evento)
{
    PantallaBajaBono::showEvent(evento);
    // Una sola vez: lo que se haya tecleado no se pierde si la pantalla se vuelve a activar
    if (m_propuesto)
        return;
    m_propuesto = true;
    txtImporte->setText(Valores::numeroATexto(CalcularImporte()));
    // Seleccionado aunque el foco tarde en llegar: la primera tecla lo sustituye
    txtImporte->selectAll();
    txtImporte->setFocus();
}

bool frmBorrarBonos::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto != txtImporte || evento->type() != QEvent::KeyPress)
        return PantallaBajaBono::eventFilter(objeto, evento);
    const int tecla = TecladoNumerico::codigoTecla(static_cast<QKeyEvent*>(evento));
    if (tecla == 0)
        return false;
    return TecladoNumerico::aplicarFiltro(txtImporte, tecla,
                                          Componentes::teclado().FiltrarTecla(tecla, txtImporte, gNumDecimales));
}

void frmBorrarBonos::aceptar()
{
    // Sin nada que devolver no se sigue, y sin aviso
    if (Valores::leerNumeroIndulgente(txtImporte->text()) > 0)
        MostrarEmpleados();
}

void frmBorrarBonos::pulsarEmpleado(const ElementoPanel& empleado)
{
    // Una pulsación: el panel vuelve solo si no se pudo guardar
    if (!PanelEmpleados->isEnabled())
        return;
    CodEmpleado = qint16(empleado.codigo.toInt());
    NomEmpleado = empleado.datos;
    PanelEmpleados->setEnabled(false);
    try {
        BorrarBonoConAbono({lblNumBono->text(), lblNumSesiones->text(), lblUtil->text(), txtImporte->text(),
                            NomEmpleado, CodEmpleado});
    } catch (...) {
        PanelEmpleados->setEnabled(true);
        throw;
    }
    accept();
}
