#include "pantallas/bajas/PantallaBajaBono.h"

#include "datos/Globales.h"
#include "pantallas/venta/ControlesVenta.h"
#include "pantallas/venta/IconosVenta.h"
#include "plataforma/widgets/Tactipan.h"
#include "principal/ManejadorErrores.h"

#include <QPainter>

using namespace ControlesVenta;

namespace {
// Tamaño de diseño de todas las pantallas, en twips
constexpr double kAnchoOriginal = 15360;
constexpr double kAltoOriginal = 11085;
// Sobre el marco de la venta, un poco más abajo y a la derecha (330 y 30 twips)
const QPoint kDesplazamiento(2, 22);
constexpr QSize kBotonEmpleado(170, 120);
}  // namespace

PantallaBajaBono::PantallaBajaBono(const char* nombre, const BonoElegido& bono, QWidget* padre)
    : DialogoPantalla(padre)
{
    setObjectName(QLatin1String(nombre));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    resize(kAncho, kAlto);
    m_conv = new ConvencionesPantalla(this, QString());
    // Ni ajustes ni ayuda: es un paso corto encima de la venta
    m_conv->marcoAjustes()->hide();
    m_conv->cmd_Ayuda()->hide();
    crearControles(bono);
}

void PantallaBajaBono::crearControles(const BonoElegido& bono)
{
    lblNomEmpresa = etiqueta(this, "lblNomEmpresa", QStringLiteral("ELIMINACION DE BONO"), QRect(16, 8, 392, 44), 26,
                             true);
    lblNumBono = etiqueta(this, "lblNumBono", bono.numero, QRect(408, 8, 136, 44), 20, true,
                          Qt::AlignRight | Qt::AlignVCenter);
    lblNumBono->setToolTip(QStringLiteral("Número de bono"));
    lblcodItem = etiqueta(this, "lblcodItem", bono.codItem, QRect(), 10);
    lblcodItem->hide();

    // Sin tapar el borde de la pantalla
    Frame2 = marco(this, "Frame2", QRect(3, 60, kAncho - 6, kAlto - 63));
    // Una fila por dato: el rótulo y, a su derecha, el valor
    const auto dato = [this](QLabel*& rotulo, const char* nombreRotulo, const QString& texto, QLabel*& valor,
                             const char* nombre, const QString& contenido, int fila) {
        const int y = 4 + fila * 46;
        rotulo = etiqueta(Frame2, nombreRotulo, texto, QRect(16, y, 196, 42), 16);
        valor = etiqueta(Frame2, nombre, contenido, QRect(216, y, 328, 42), 19, true);
        valor->setWordWrap(true);
    };
    dato(Label3, "Label3", QStringLiteral("Nombre del Cliente:"), lblCliente, "lblCliente", bono.cliente, 0);
    dato(Label5, "Label5", QString(), lblNomItem, "lblNomItem", bono.item, 1);
    dato(Label4, "Label4", QStringLiteral("Cantidad Contratada:"), lblNumSesiones, "lblNumSesiones", bono.sesiones, 2);
    // Las usadas se ponen en la lista al pulsar la fila: sin pulsarla, ninguna
    const QString usadas = bono.usadas.trimmed().isEmpty() ? QStringLiteral("0") : bono.usadas;
    dato(Label2, "Label2", QStringLiteral("Sesiones Utilizadas:"), lblUtil, "lblUtil", usadas, 3);

    const auto conIcono = [](QPushButton* b, IconosVenta::Tipo icono) {
        b->setIcon(IconosVenta::icono(icono));
        b->setIconSize(QSize(28, 28));
        return b;
    };
    cmd_FinVenta = conIcono(boton(Frame2, "cmd_FinVenta", QStringLiteral("Aceptar"), QRect(374, 446, 170, 56), 20),
                            IconosVenta::Finalizar);
    // Fuera de Frame2: también se puede salir sin escribir nada al elegir el empleado
    cmd_Regresar = conIcono(boton(this, "cmd_Regresar", QStringLiteral("Cancelar"), QRect(16, 506, 170, 56), 20),
                            IconosVenta::Volver);

    frEmpleados = marco(this, "frEmpleados", QRect(0, 0, 528, 440));
    frEmpleados->setFrameShape(QFrame::StyledPanel);
    lblNomEmpleado = etiqueta(frEmpleados, "lblNomEmpleado", QStringLiteral("Seleccione el empleado"),
                              QRect(12, 4, 504, 36), 21, true);
    PanelEmpleados = new Tactipan(frEmpleados);
    PanelEmpleados->setObjectName(QStringLiteral("PanelEmpleados"));
    PanelEmpleados->setGeometry(4, 44, 520, 392);
    frEmpleados->hide();

    Command1 = boton(this, "Command1", QStringLiteral("Genera caption para traduccion"), QRect(), 10);
    Command1->hide();

    connect(Command1, &QPushButton::clicked, m_conv, &ConvencionesPantalla::grabarMantenimiento);
    connect(cmd_Regresar, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmd_FinVenta, &QPushButton::clicked, this, [this] { ManejadorErrores::ejecutar([this] { aceptar(); }); });
    connect(PanelEmpleados, &Tactipan::pulsado, this, [this](const ElementoPanel& e) {
        ManejadorErrores::ejecutar([this, e] { pulsarEmpleado(e); });
    });
}

void PantallaBajaBono::cargar(const QPoint& origen)
{
    m_conv->traducir();
    m_conv->colorearme();
    escalar();
    // Después de escalar: el redimensionador mueve también la ventana
    move(origen + kDesplazamiento);
    CargarPanelEmpleados();
    frEmpleados->move((width() - frEmpleados->width()) / 2, Frame2->y());
    m_conv->aplicarPermisos();
    Label5->setText(gModoFamilias != 0 ? QStringLiteral("Pack Contratado:") : QStringLiteral("Servicio Contratado:"));
}

void PantallaBajaBono::escalar()
{
    if (gAnchoPantalla <= 0 || gAltoPantalla <= 0 || gAnchoDiseno <= 0 || gAltoDiseno <= 0)
        return;
    // Como toda pantalla: del diseño al tamaño de diseño en vigor y de este al
    // del puesto, pero esta, que es más pequeña, conserva su proporción
    const auto paso = [this](double fx, double fy) {
        const double ancho = ConvencionesPantalla::twips(width());
        const double alto = ConvencionesPantalla::twips(height());
        m_conv->redimensionar(ancho * fx, alto * fy, ancho, alto);
    };
    paso(gAnchoDiseno / kAnchoOriginal, gAltoDiseno / kAltoOriginal);
    paso(gAnchoPantalla / gAnchoDiseno, gAltoPantalla / gAltoDiseno);
}

void PantallaBajaBono::CargarPanelEmpleados()
{
    const QColor fondo = frEmpleados->palette().color(QPalette::Window);
    PanelEmpleados->inicializar();
    PanelEmpleados->reiniciar();
    PanelEmpleados->ponerColorFondo(fondo);
    PanelEmpleados->ponerColorMarco(fondo);
    PanelEmpleados->ponerColorBoton(fondo);
    PanelEmpleados->ponerColorPaginas(fondo);
    PanelEmpleados->ponerTamanoMinimoBoton(QSize(kBotonEmpleado.width() * width() / kAncho,
                                                 kBotonEmpleado.height() * height() / kAlto));
    PanelEmpleados->cargar(conTextoDeDatos(gEmpleados));
    PanelEmpleados->ponerUsarColoresElementos(gColoresEmpleados);
    PanelEmpleados->redibujar();
}

void PantallaBajaBono::MostrarEmpleados()
{
    Frame2->hide();
    frEmpleados->show();
    frEmpleados->raise();
}

void PantallaBajaBono::paintEvent(QPaintEvent* evento)
{
    DialogoPantalla::paintEvent(evento);
    // Sin marco de ventana: un borde la separa de la venta que queda debajo
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}
