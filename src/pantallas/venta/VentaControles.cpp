// Venta de bonos: cabecera con el cliente, catálogo, botones de abajo y las
// conexiones de todos los controles. Medidas de diseño en píxeles de la
// pantalla de 1024 x 739; la pantalla se escala al tamaño del puesto.
#include "pantallas/venta/frmBonosServicios.h"

#include "pantallas/comun/ConvencionesPantalla.h"
#include "pantallas/registros/EtiquetaPendientes.h"
#include "pantallas/menu/ImagenPantalla.h"
#include "datos/Globales.h"
#include "pantallas/venta/ControlesVenta.h"
#include "pantallas/venta/IconosVenta.h"
#include "plataforma/widgets/Rejilla.h"
#include "plataforma/widgets/Tactipan.h"
#include "principal/ManejadorErrores.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QTimer>

using namespace ControlesVenta;

namespace {
constexpr int kAncho = 1024;
constexpr int kArriba = 80;       // debajo de la raya de la cabecera
constexpr int kAltoCuerpo = 592;  // hasta los botones de abajo
constexpr int kXCatalogo = 440;
constexpr int kAnchoCatalogo = 568;
constexpr int kIntervaloLista = 10;  // ms por paso de la lista que entra
}  // namespace

void frmBonosServicios::crearControles()
{
    crearCabecera();
    crearListas();
    crearCatalogo();
    crearMarcoVenta();
    crearMarcosEncima();
    crearBotonesAbajo();

    tmrFoco = new QTimer(this);
    tmrFoco->setObjectName(QStringLiteral("tmrFoco"));
    tmrlista = new QTimer(this);
    tmrlista->setObjectName(QStringLiteral("tmrlista"));
    tmrlista->setInterval(ConvencionesPantalla::intervalo(kIntervaloLista));
}

void frmBonosServicios::crearCabecera()
{
    lblNomEmpresa = etiqueta(this, "lblNomEmpresa", QString(), QRect(16, 6, 300, 68), 24, true);
    lblNomEmpresa->setWordWrap(true);

    // El cliente de la venta: se toca para buscarlo
    Frame12 = marco(this, "Frame12", QRect(324, 8, 400, 64));
    Frame12->setFrameShape(QFrame::StyledPanel);
    txtCliente = caja(Frame12, "txtCliente", QRect(6, 7, 322, 50), 18, true, Qt::AlignLeft | Qt::AlignVCenter);
    txtCliente->setReadOnly(true);
    txtCliente->setCursor(Qt::PointingHandCursor);
    txtCliente->setToolTip(QStringLiteral("Toque para buscar el cliente"));
    cmdBuscarCli = boton(Frame12, "cmdBuscarCli", QString(), QRect(334, 7, 60, 50));
    cmdBuscarCli->setIcon(IconosVenta::icono(IconosVenta::Buscar));
    cmdBuscarCli->setIconSize(QSize(32, 32));
    cmdBuscarCli->setToolTip(QStringLiteral("Buscar cliente"));

    // Ajustes del puesto; la bandera ocupa su sitio y los corre a la izquierda
    Frame9 = new QFrame(this);
    Frame9->setObjectName(QStringLiteral("Frame9"));
    QFrame* ajustes = m_conv->marcoAjustes();
    ajustes->setParent(Frame9);
    ajustes->move(0, 0);
    Frame9->setGeometry(kAncho - 16 - ajustes->width(), 40 - ajustes->height() / 2, ajustes->width(),
                        ajustes->height());
    Bandera = new ImagenPantalla(this);
    Bandera->setObjectName(QStringLiteral("Bandera"));
    Bandera->setGeometry(kAncho - 16 - 84, 15, 84, 50);
    Bandera->hide();

    fr_SeparacionH1 = marco(this, "fr_SeparacionH1", QRect(16, 76, kAncho - 32, 4));
    fr_SeparacionH1->setFrameShape(QFrame::HLine);
    fr_SeparacionH1->setFrameShadow(QFrame::Sunken);
    // frFinAlta se arrima a la raya por su derecha
    fr_SeparacionV = marco(this, "fr_SeparacionV", QRect(kXCatalogo - 4, kArriba + 4, 4, kAltoCuerpo - 8));
    fr_SeparacionV->setFrameShape(QFrame::VLine);
    fr_SeparacionV->setFrameShadow(QFrame::Sunken);
}

void frmBonosServicios::crearCatalogo()
{
    fr_Padre = marco(this, "fr_Padre", QRect(kXCatalogo, kArriba, kAnchoCatalogo, kAltoCuerpo));
    Label22 = etiqueta(fr_Padre, "Label22", QString(), QRect(8, 4, kAnchoCatalogo - 16, 30), 16, true);
    PanelSecciones = new Tactipan(fr_Padre);
    PanelSecciones->setObjectName(QStringLiteral("PanelSecciones"));
    PanelSecciones->setGeometry(0, 36, kAnchoCatalogo, 150);

    fr_hijo = marco(fr_Padre, "fr_hijo", QRect(0, 190, kAnchoCatalogo, 50));
    // Su texto de diseño es el título de la columna de la lista
    Label23 = etiqueta(fr_hijo, "Label23",
                       gModoFamilias == 1 ? QStringLiteral("Pack de Servicios") : QStringLiteral("Servicios"),
                       QRect(8, 0, 400, 50), 18, true);
    // Los nombres de sección largos pasan a un segundo renglón en vez de cortarse
    Label23->setWordWrap(true);
    cmdLista = boton(fr_hijo, "cmdLista", QStringLiteral("Lista"), QRect(kAnchoCatalogo - 150, 3, 146, 44), 17);
    cmdLista->setIcon(IconosVenta::icono(IconosVenta::Lista));
    cmdLista->setIconSize(QSize(26, 26));

    PanelServicios = new Tactipan(fr_Padre);
    PanelServicios->setObjectName(QStringLiteral("PanelServicios"));
    PanelServicios->setGeometry(0, 244, kAnchoCatalogo, kAltoCuerpo - 244);

    frLista = marco(fr_Padre, "frLista", PanelServicios->geometry());
    grid_Item = new Rejilla(frLista);
    grid_Item->setObjectName(QStringLiteral("grid_Item"));
    grid_Item->setGeometry(0, 0, kAnchoCatalogo, frLista->height() - 62);
    grid_Item->setFont(letra(17));
    cmdTodos = boton(frLista, "cmdTodos", QStringLiteral("Todos"), QRect(0, frLista->height() - 56, 180, 54));
    cmdTactil = boton(frLista, "cmdTactil", QStringLiteral("Botones"), QRect(188, frLista->height() - 56, 180, 54));
    cmdTactil->setIcon(IconosVenta::icono(IconosVenta::Botones));
    cmdTactil->setIconSize(QSize(26, 26));
    frLista->hide();
}

void frmBonosServicios::crearBotonesAbajo()
{
    // Mantenimiento (discreto), cambio de vista del catálogo, ayuda y salir
    Command1 = boton(this, "Command1", QString(), QRect(16, 682, 48, 48));
    Command1->setToolTip(QStringLiteral("Genera caption para traduccion Generar Atributos para permisos"));
    Command1->setIconSize(QSize(28, 28));
    lblRegistrosSinEnviar = new EtiquetaPendientes(this);
    lblRegistrosSinEnviar->setGeometry(72, 676, kXCatalogo - 84, 56);
    Command3 = boton(this, "Command3", QStringLiteral("Botones"), QRect(kXCatalogo, 676, 140, 56));
    Command3->setIcon(IconosVenta::icono(IconosVenta::Botones));
    Command3->setIconSize(QSize(26, 26));
    Command2 = boton(this, "Command2", QStringLiteral("Lista"), QRect(kXCatalogo + 146, 676, 140, 56));
    Command2->setIcon(IconosVenta::icono(IconosVenta::Lista));
    Command2->setIconSize(QSize(26, 26));
    // Los dos de abajo dicen además qué vista del catálogo se está viendo
    Command2->setCheckable(true);
    Command3->setCheckable(true);
    QPushButton* ayuda = m_conv->cmd_Ayuda();
    ayuda->setFont(letra(20, true));
    ayuda->setGeometry(kXCatalogo + 292, 676, 130, 56);
    cmdSalir = boton(this, "cmdSalir", QStringLiteral("Salir"), QRect(kAncho - 16 - 140, 676, 140, 56), 20);
    cmdSalir->setIconSize(QSize(30, 30));
}

void frmBonosServicios::conectar()
{
    // Ningún error sale al bucle de eventos: mensaje y la pantalla sigue
    const auto guardado = [](auto accion) { return [accion](auto&&...) { ManejadorErrores::ejecutar(accion); }; };
    const auto pulsar = [this, guardado](QPushButton* b, auto accion) {
        connect(b, &QPushButton::clicked, this, guardado(accion));
    };

    pulsar(cmdBuscarCli, [this] { cmdBuscarCli_Click(); });
    pulsar(cmdSalir, [this] { close(); });
    pulsar(Command1, [this] { Command1_Click(); });
    pulsar(cmdLista, [this] { mostrarLista(true); });
    pulsar(Command2, [this] { mostrarLista(true); });
    pulsar(cmdTactil, [this] { mostrarLista(false); });
    pulsar(Command3, [this] { mostrarLista(false); });
    pulsar(cmdTodos, [this] { cmdTodos_Click(); });
    conectarListas();
    connect(PanelSecciones, &Tactipan::pulsado, this,
            [this](const ElementoPanel& e) { ManejadorErrores::ejecutar([this, e] { pulsarSeccion(e); }); });
    connect(PanelServicios, &Tactipan::pulsado, this,
            [this](const ElementoPanel& e) { ManejadorErrores::ejecutar([this, e] { pulsarItemPanel(e); }); });
    connect(grid_Item, &Rejilla::pulsada, this,
            [this](int fila, int) { ManejadorErrores::ejecutar([this, fila] { pulsarItemLista(fila); }); });
    connect(tmrlista, &QTimer::timeout, this, [this] { tmrlista_Timer(); });
    connect(tmrFoco, &QTimer::timeout, this, [this] { tmrFoco_Timer(); });

    // Línea de venta
    for (int i = 0; i <= 10; ++i) {
        const QString caracter = btnNumerico_Cobro[i]->text();
        pulsar(btnNumerico_Cobro[i], [this, caracter] { pulsarTeclado(caracter); });
    }
    pulsar(cmd_nuevoCobro, [this] { cmd_nuevoCobro_Click(); });
    for (QLineEdit* e : {txtSesiones, lblPrecio, txtDescuento, txtEntrega, txtPagoTarjeta, txtCliente})
        e->installEventFilter(this);
    connect(txtSesiones, &QLineEdit::textChanged, this, guardado([this] { txtSesiones_Change(); }));
    connect(txtDescuento, &QLineEdit::textChanged, this, guardado([this] { txtDescuento_Change(); }));
    connect(lblPrecio, &QLineEdit::textChanged, this, guardado([this] { lblPrecio_Change(); }));
    connect(txtEntrega, &QLineEdit::textChanged, this, guardado([this] { txtEntrega_Change(); }));
    connect(txtPagoTarjeta, &QLineEdit::textChanged, this, guardado([this] { txtPagoTarjeta_Change(); }));
    connect(dtpDesde, &QDateEdit::dateChanged, this, [this] { alCambiarFecha(); });
    connect(dtpHasta, &QDateEdit::dateChanged, this, [this] { alCambiarFecha(); });
    // La boleta lleva ticket; la factura de la segunda serie, no
    connect(chkBoleta, &QCheckBox::clicked, this, [this] { chkImprimir->setChecked(chkBoleta->isChecked()); });
    // Las dos hojas del bono se excluyen
    connect(ch_Normativa, &QCheckBox::clicked, this, [this](bool marcada) {
        if (marcada)
            chImpReport->setChecked(false);
    });
    connect(chImpReport, &QCheckBox::clicked, this, [this](bool marcada) {
        if (marcada)
            ch_Normativa->setChecked(false);
    });

    // Cobro
    connect(PanelFormasPago, &Tactipan::pulsado, this,
            [this](const ElementoPanel& e) { ManejadorErrores::ejecutar([this, e] { pulsarFormaPago(e); }); });
    connect(PanelEmpleados, &Tactipan::pulsado, this,
            [this](const ElementoPanel& e) { ManejadorErrores::ejecutar([this, e] { pulsarEmpleado(e); }); });
    pulsar(cmd_FinVenta, [this] { MostrarEmpleados(); });
    pulsar(cmdDeuda, [this] { cmdDeuda_Click(); });
    pulsar(cmdAceptarDeuda, [this] { cmdAceptarDeuda_Click(); });
    pulsar(cmdCancelarDeuda, [this] { cmdCancelarDeuda_Click(); });
    pulsar(cmdAceptarDinDep, [this] { cmdAceptarDinDep_Click(); });
    pulsar(cmdCancelar, [this] { cmdCancelar_Click(); });
    pulsar(cmd_Regresar, [this] { CerrarFinAlta(); });
}
