// Venta de bonos: carga de la pantalla, estados de la venta y parpadeo
#include "pantallas/venta/frmBonosServicios.h"

#include "datos/Componentes.h"
#include "datos/Dialecto.h"
#include "datos/Globales.h"
#include "datos/Valores.h"
#include "pantallas/comun/ConvencionesPantalla.h"
#include "pantallas/menu/IconosMenu.h"
#include "pantallas/menu/ImagenPantalla.h"
#include "pantallas/venta/BusquedaCliente.h"
#include "plataforma/ColorBgr.h"
#include "plataforma/widgets/Rejilla.h"
#include "plataforma/widgets/Tactipan.h"
#include "principal/Cargadores.h"
#include "registros/Clientes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTimer>

Q_LOGGING_CATEGORY(lcVenta, "tarvelo.venta", QtWarningMsg)

namespace {
constexpr int kIntervaloFoco = 500;  // ms
constexpr double kDias = 365;        // validez por defecto de un bono
const QString kSinCliente = QStringLiteral("Seleccione el Cliente");
const QString kBlanco = QStringLiteral("16777215");

int pixeles(double twips)
{
    return qRound(twips / ConvencionesPantalla::kTwipsPorPixel);
}
}  // namespace

frmBonosServicios::frmBonosServicios(QWidget* padre) : DialogoPantalla(padre)
{
    setObjectName(QStringLiteral("frmBonosServicios"));
    setWindowTitle(titulo(gModoFamilias));
    resize(1024, 739);
    m_conv = new ConvencionesPantalla(
        this, gModoFamilias == 1 ? QStringLiteral("bonser2.html") : QStringLiteral("bonser1.html"));
    // Esta pantalla guarda su propia opción visual: nunca toca la del puesto
    m_conv->usarOpcionVisualPropia(true);
    m_conv->ponerColoresPropios([this] { colorearPropio(); });
    crearControles();
    escalarPaneles();
    m_conv->ponerDestinoAyuda(fr_SeparacionH1, fr_SeparacionH1);
    conectar();
    cargar();
    tmrFoco->start(ConvencionesPantalla::intervalo(kIntervaloFoco));
}

frmBonosServicios::~frmBonosServicios() = default;

QString frmBonosServicios::titulo(int modoFamilias)
{
    return modoFamilias == 1 ? QStringLiteral("Bonos Pack Servicios") : QStringLiteral("Bonos Servicios");
}

void frmBonosServicios::cargar()
{
    m_conv->traducir();
    ponerBandera();
    bModificando = false;
    m_conv->aplicarOpcionVisual();
    CodCliente = QStringLiteral("0");
    txtCliente->setText(kSinCliente);
    frFinAlta->hide();
    frFinAlta->move(PanelSecciones->mapTo(this, QPoint(0, 0)));
    CargarEmpleados();
    for (Tactipan* panel : {PanelSecciones, PanelEmpleados, PanelServicios, PanelFormasPago})
        panel->inicializar();
    m_conv->ModificarTamano();
    cargarGrid();
    InicializarGridItem();
    CargarGridItem(QString());
    colocarPaneles();
    colorearme();
    m_conv->ColocarAyuda();
    pantallaInicial();
    m_conv->aplicarPermisos();
    // Las casillas de impresión empiezan así y luego guardan lo que elija el usuario
    chkImprimir->setChecked(!gImpresoraTicket.isEmpty());
    chk_Factura->setChecked(false);
    LimpiarDatosFnAlta();
}

void frmBonosServicios::ponerBandera()
{
    if (gBandera.isEmpty())
        return;
    Bandera->setToolTip(gNombreRegion);
    const QString ruta = rutaEnCarpetaPrograma(gBandera);
    if (!Bandera->cargar(ruta))
        qCWarning(lcVenta) << "No se pudo cargar la bandera" << ruta;
    Bandera->show();
    Frame9->move(Frame9->x() - Bandera->width(), Frame9->y());
}

void frmBonosServicios::pantallaInicial()
{
    if (gModoFamilias == 1) {
        lblTitItem->setText(QStringLiteral("Pack a contratar:"));
        lblNomEmpresa->setText(QStringLiteral("Bonos de Pack de Servicios"));
        Label23->setText(QStringLiteral("Pack de Servicios"));
        Label22->setText(QStringLiteral("Seleccione la Seccion para localizar el Pack de Servicios"));
    } else {
        lblTitItem->setText(QStringLiteral("Servicio a contratar:"));
        lblNomEmpresa->setText(QStringLiteral("Bonos de Servicios"));
        Label23->setText(QStringLiteral("Servicios"));
        Label22->setText(QStringLiteral("Seleccione la Seccion para localizar el Servicio"));
    }
    mostrarLista(gModoPantallaCaja != 0);
    frBoleta->setVisible(modoBoleta());
    if (modoBoleta()) {
        colocarBoleta();
        chkBoleta->setChecked(true);
    }
}

bool frmBonosServicios::modoBoleta() const
{
    // Sin mirar mayúsculas ni acentos: "Perú" es "Peru"
    const QString tipo = Dialecto::plegar(gTipoNegocio.trimmed());
    const QString region = Dialecto::plegar(gRegion.trimmed());
    const bool tipoConBoleta = tipo == QLatin1String("estetica") || tipo == QLatin1String("peluqueria") ||
                               tipo == QLatin1String("clinicas");
    return tipoConBoleta && (region == QLatin1String("chile") || region == QLatin1String("peru"));
}

void frmBonosServicios::colocarBoleta()
{
    // Junto a chk_Factura (su misma izquierda), con el pie a la altura del de txtCambio
    QWidget* padre = frBoleta->parentWidget();
    const int izquierda = chk_Factura->mapTo(padre, QPoint(0, 0)).x();
    const int pie = txtCambio->mapTo(padre, QPoint(0, txtCambio->height())).y();
    frBoleta->move(izquierda, pie - frBoleta->height());
    ponerFondo(frBoleta, fondo(Frame10));
}

void frmBonosServicios::colorearme()
{
    m_conv->colorearme();
}

void frmBonosServicios::colorearPropio()
{
    // El fondo de txtCliente sin el parpadeo (podría estar con el color del foco)
    ColorNormal = ColorBgr::aTexto(palette().color(QPalette::Base));
    for (QFrame* f : {Frame7, Frame12, Frame13})
        ponerFondo(f, kBlanco);
    CargarPanelSecciones();
    CargarPanelEmpleados();
    cargarPanelItemInicial();
    ColorearPaneles();
    ColorFoco = Componentes::colores().ColorFoco(gConexion, gEsquemaColores);
    ponerFondo(cmdModificacionInfo, Componentes::colores().ColorMarca(gConexion, gEsquemaColores));
    // Estos toman el fondo de lo que los rodea
    for (QWidget* w : std::initializer_list<QWidget*>{cmd_FinVenta, cmd_ModificarBono, frDatosCobro, Frame8})
        ponerFondo(w, fondo(w->parentWidget()));
    ponerFondo(Label29, QStringLiteral("65535"));
    colorearPestanas();
    const QColor tinta = cmdSalir->palette().color(QPalette::ButtonText);
    cmdSalir->setIcon(IconosMenu::icono(IconosMenu::Salir, tinta));
    Command1->setIcon(IconosMenu::icono(IconosMenu::Mantenimiento, tinta));
    cargarPanelFormasPago();
    if (!frBoleta->isHidden())
        ponerFondo(frBoleta, fondo(Frame10));
}

void frmBonosServicios::colocarPaneles()
{
    const auto arriba = [this](QWidget* w) { return w->mapTo(this, QPoint(0, 0)); };
    const QPoint separadorH = arriba(fr_SeparacionH1);
    const QPoint separadorV = arriba(fr_SeparacionV);
    frFinAlta->move(separadorV.x() + fr_SeparacionV->width(), separadorH.y() + fr_SeparacionH1->height());
    // Los dos dentro de frFinAlta, arrimados a su derecha
    frDinDep->move(frFinAlta->width() - frDinDep->width() - pixeles(50), pixeles(50));
    frEmpleados->move(frFinAlta->width() - frEmpleados->width(), 0);
    // fr_Ocultar cubre desde las fechas hacia abajo hasta que haya sesiones
    moverOcultar(true);
    frInfoDeuda->setGeometry(Frame3->mapTo(frFinAlta, QPoint(0, 0)).x(), Frame3->mapTo(frFinAlta, QPoint(0, 0)).y(),
                             Frame3->width(), Frame3->height());
    frLista->setGeometry(PanelServicios->geometry());
    // La lista entra deslizándose desde donde empieza el panel (tmrlista)
    m_izquierdaLista = ConvencionesPantalla::twips(arriba(PanelServicios).x());
    grid_Item->move(pixeles(m_izquierdaLista), 0);
}

void frmBonosServicios::resizeEvent(QResizeEvent* evento)
{
    DialogoPantalla::resizeEvent(evento);
    escalarPaneles();
}

void frmBonosServicios::escalarPaneles()
{
    // Los botones de los paneles crecen con la pantalla, como todo lo demás
    const double fx = width() / 1024.0;
    const double fy = height() / 739.0;
    const std::pair<Tactipan*, QSize> paneles[] = {{PanelSecciones, {100, 60}},
                                                   {PanelServicios, {170, 80}},
                                                   {PanelFormasPago, {88, 62}},
                                                   {PanelEmpleados, {170, 120}}};
    for (const auto& [panel, diseno] : paneles)
        panel->ponerTamanoMinimoBoton(QSize(qRound(diseno.width() * fx), qRound(diseno.height() * fy)));
}

void frmBonosServicios::PantallaCobrar(const QString& servicio, const QString& valor)
{
    // Una venta nueva deja la modificación que hubiera a medias: no se guarda como tal
    marcarModificando(false);
    for (QWidget* w : std::initializer_list<QWidget*>{frFinAlta, fr_Ocultar, txtEntrega, txtCambio, Label16,
                                                      Label17, cmdDeuda, frFPago, frCantidades})
        w->show();
    frFinAlta->raise();
    cmd_FinVenta->hide();
    chImpReport->setChecked(false);
    ch_Normativa->setChecked(false);
    CargarDatosFinAlta(servicio, int(Valores::leerNumeroIndulgente(valor)));
}

void frmBonosServicios::CargarDatosFinAlta(const QString& NomServicio, int codigo)
{
    codServicio = codigo;
    frDatosCobro->setEnabled(true);
    cmd_FinVenta->hide();
    lblNomServicio->setText(NomServicio);
    lblCliente->setText(txtCliente->text());
    ponerFechasIniciales();
    enfocar(txtSesiones);
}

void frmBonosServicios::ponerFechasIniciales()
{
    const QDate hoy = QDate::currentDate();
    txtFechaAlta->setText(hoy.toString(Componentes::teclado().FormatoFecha()));
    dtpDesde->setDate(hoy);
    dtpHasta->setMinimumDate(hoy);
    dtpHasta->setDate(hoy.addDays(qint64(kDias)));
}

void frmBonosServicios::CerrarFinAlta()
{
    HabilitarGrids();
    cargarGrid();
    LimpiarDatosFnAlta();
    frFinAlta->hide();
    marcarModificando(false);
    // De vuelta en el catálogo: el siguiente empleado es de la siguiente venta
    PanelEmpleados->setEnabled(true);
}

void frmBonosServicios::LimpiarDatosFnAlta()
{
    for (QLineEdit* e : {txtSesiones, txtDescuento, txtCambio, lblPrecio, txtEntrega, txtPagoTarjeta})
        e->clear();
    lblNomServicio->clear();
    lblCliente->clear();
    lblFormaPago->clear();
    lblDescuentoMod->clear();
    cmd_FinVenta->hide();
    ponerFechasIniciales();
    frEmpleados->hide();
    frDinDep->hide();
    frInfoDeuda->hide();
    // Lo que quedaba de la venta anterior no pasa a la siguiente
    FormaPago = 0;
    m_nombreFormaPago.clear();
    bUsaDeposito = false;
    ValorDeposito = 0;
    txtEntrega->setReadOnly(false);
    Label9->hide();
    txtPagoTarjeta->hide();
    Label16->setText(QStringLiteral("Entrega Cliente"));
    colocarCantidades();
    bloquearCobro(false);
    moverOcultar(true);
    fr_Ocultar->show();
}

void frmBonosServicios::pulsarItem(const QString& caption, const QString& codigo, const QString& datos)
{
    // La instalación central de una cadena no vende
    if (esCentral())
        return;
    NomItem = caption;
    CodItem = codigo;
    m_datosItem = datos;
    if (Valores::leerNumeroIndulgente(CodCliente) <= 0)
        cmdBuscarCli_Click();
    else
        PantallaCobrar(NomItem, CodItem);
}

void frmBonosServicios::cmdBuscarCli_Click()
{
    gCodigoClienteBuscado.clear();
    BusquedaCliente::abrir(this);
    if (esCentral())
        return;
    const QString codigo = gCodigoClienteBuscado.trimmed();
    if (codigo.isEmpty() || codigo == QLatin1String("-1"))
        return;
    CodCliente = codigo;
    txtCliente->setText(NombreCliente(CodCliente));
    if (!NomItem.isEmpty() && !CodItem.isEmpty())
        PantallaCobrar(NomItem, CodItem);
    tmrlista->start();
}

bool frmBonosServicios::esCentral() const
{
    return gMultitienda && gNombreTienda == QLatin1String("Servidor");
}

void frmBonosServicios::Command1_Click()
{
    m_conv->grabarMantenimiento();
}

void frmBonosServicios::tmrFoco_Timer()
{
    if (!txtFoco)
        return;
    const auto alternar = [this](QWidget* w) { ponerFondo(w, fondo(w) == ColorFoco ? ColorNormal : ColorFoco); };
    if (txtFoco != txtEntrega) {
        alternar(txtFoco);
        return;
    }
    // En el pago mixto lo entregado es el efectivo más la tarjeta
    double entregado = importe(txtEntrega);
    if (FormaPago == 3)
        entregado += importe(txtPagoTarjeta);
    if (importe(lblPrecio) <= entregado) {
        ponerFondo(txtEntrega, ColorNormal);
        alternar(cmd_FinVenta);
    } else {
        alternar(txtEntrega);
    }
}

void frmBonosServicios::ponerFondo(QWidget* w, const QString& color)
{
    const QColor c = ColorBgr::aColor(color, Qt::white);
    QPalette p = w->palette();
    if (qobject_cast<QLineEdit*>(w)) {
        p.setColor(QPalette::Base, c);
    } else if (qobject_cast<QPushButton*>(w)) {
        p.setColor(QPalette::Button, c);
    } else {
        p.setColor(QPalette::Window, c);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

QString frmBonosServicios::fondo(const QWidget* w) const
{
    if (qobject_cast<const QLineEdit*>(w))
        return ColorBgr::aTexto(w->palette().color(QPalette::Base));
    if (qobject_cast<const QPushButton*>(w))
        return ColorBgr::aTexto(w->palette().color(QPalette::Button));
    return ColorBgr::aTexto(w->palette().color(QPalette::Window));
}

VentaEnCurso frmBonosServicios::ventaEnCurso() const
{
    VentaEnCurso v;
    v.codCliente = CodCliente;
    v.codServicio = codServicio;
    v.nomServicio = lblNomServicio->text();
    v.clavePrecio = m_datosItem;
    v.nomEmpleado = NomEmpleado;
    v.codEmpleado = CodEmpleado;
    v.formaPago = FormaPago;
    v.modificando = bModificando;
    v.bono = m_bonoModificado;
    v.usaDeposito = bUsaDeposito;
    v.valorDeposito = ValorDeposito;
    v.titulo = lblNomEmpresa->text();
    v.sesiones = txtSesiones->text();
    v.precio = lblPrecio->text();
    v.descuento = txtDescuento->text();
    v.descuentoMod = lblDescuentoMod->text();
    v.entrega = txtEntrega->text();
    v.pagoTarjeta = txtPagoTarjeta->text();
    v.cambio = txtCambio->text();
    v.fechaAlta = txtFechaAlta->text();
    v.desde = dtpDesde->date();
    v.hasta = dtpHasta->date();
    v.ticket = chkImprimir->isChecked();
    v.factura = chk_Factura->isChecked();
    v.normativa = ch_Normativa->isChecked();
    v.hojaBono = chImpReport->isChecked();
    return v;
}
