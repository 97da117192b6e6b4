// Venta de bonos: carga de las tres listas de bonos, sus pestañas, los años
// de la de caducados, el filtro por cliente y el orden por columna.
#include "pantallas/venta/frmBonosServicios.h"

#include "datos/Componentes.h"
#include "datos/Globales.h"
#include "datos/Valores.h"
#include "pantallas/registros/EtiquetaPendientes.h"
#include "pantallas/venta/FiltroListas.h"
#include "plataforma/ColorBgr.h"
#include "plataforma/widgets/GestorRejillas.h"
#include "plataforma/widgets/Rejilla.h"
#include "principal/ManejadorErrores.h"
#include "registros/ListasBonos.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

Q_DECLARE_LOGGING_CATEGORY(lcListasVenta)

namespace {

const QString kBlanco = QStringLiteral("16777215");
const QColor kCaducado(0xFF, 0xFF, 0x00);  // &HFFFF: amarillo
const QColor kEnVigor(Qt::white);

// El factor se lee en cada columna: el redimensionador puede cambiarlo entre dos
QString ancho(double base)
{
    return Valores::numeroATexto(base * Componentes::redimensionador().FactorAncho());
}

QString formatoActivos()
{
    return ancho(800) + QStringLiteral("/centrado;") + ancho(1800) + QStringLiteral("/izquierda;") + ancho(2850) +
           QStringLiteral("/Izquierda;") + ancho(1150) + QStringLiteral("/Centrado;") + ancho(1000) +
           QStringLiteral("/izquierda;") + ancho(800) + QStringLiteral("/Centrado;") + ancho(1000) +
           QStringLiteral("/Centrado;") + ancho(1000) +
           QStringLiteral("/Centrado;0/DERECHA;0/DERECHA;0/DERECHA;0/DERECHA;") + ancho(1000) +
           QStringLiteral("/Izquierda;0/Derecha");
}

QString formatoHistorico()
{
    return ancho(800) + QStringLiteral("/centrado;") + ancho(1800) + QStringLiteral("/izquierda;") + ancho(2850) +
           QStringLiteral("/Izquierda;") + ancho(1150) + QStringLiteral("/Centrado;") + ancho(1000) +
           QStringLiteral("/izquierda;") + ancho(800) + QStringLiteral("/Centrado;") + ancho(1000) +
           QStringLiteral("/Centrado;") + ancho(1000) + QStringLiteral("/Izquierda");
}

QString titulosActivos()
{
    return gModoFamilias != 0 ? QStringLiteral("Numero;Cliente;Familia;F.Alta;Empleado;Sesio.;Ses. Utl.;Precio;"
                                               "COD.CLIENTE;cod. Servicio;F.Desde;F.Hasta;F Pago;Cod FPago")
                              : QStringLiteral("Numero;Cliente;Servicio;F.Alta;Empleado;Sesio.;Ses. Utl.;Precio;"
                                               "COD.CLIENTE;cod. Servicio;F.Desde;F.Hasta;F Pago;Cod FPago");
}

}  // namespace

QString frmBonosServicios::anchoColumna(double base)
{
    return ancho(base);
}

void frmBonosServicios::conectarListas()
{
    const auto guardado = [](auto accion) { return [accion](auto&&...) { ManejadorErrores::ejecutar(accion); }; };
    for (QLabel* l : {lblBonosActivos, lblHistorico, lblBonosCaducados})
        l->installEventFilter(this);
    connect(cmdMas, &QPushButton::clicked, this, guardado([this] { cmdMas_Click(); }));
    connect(cmdMenos, &QPushButton::clicked, this, guardado([this] { cmdMenos_Click(); }));
    connect(txtBuscar, &QLineEdit::textChanged, this, guardado([this] { txtBuscar_Change(); }));
    for (Rejilla* r : {grid_BonosActivos, grid_BonosCaducados, grid_BonosInActivos})
        connect(r, &Rejilla::pulsada, this,
                [this, r](int fila, int) { ManejadorErrores::ejecutar([this, r, fila] { pulsarLista(*r, fila); }); });
    connect(cmdProgramar, &QPushButton::clicked, this, guardado([this] { accionBono(&frmBonosServicios::cmdProgramar_Click); }));
    connect(cmdBorrar, &QPushButton::clicked, this, guardado([this] { accionBono(&frmBonosServicios::cmdBorrar_Click); }));
    connect(cmdAnulacion, &QPushButton::clicked, this,
            guardado([this] { accionBono(&frmBonosServicios::cmdAnulacion_Click); }));
    connect(cmd_ModificarBono, &QPushButton::clicked, this,
            guardado([this] { accionBono(&frmBonosServicios::cmd_ModificarBono_Click); }));
}

bool frmBonosServicios::pestanaPulsada(QObject* objeto, QEvent* evento)
{
    if (evento->type() != QEvent::MouseButtonRelease || static_cast<QMouseEvent*>(evento)->button() != Qt::LeftButton)
        return false;
    for (QLabel* l : {lblBonosActivos, lblHistorico, lblBonosCaducados}) {
        if (objeto == l) {
            ManejadorErrores::ejecutar([this, l] { pulsarPestana(l); });
            return true;
        }
    }
    return false;
}

void frmBonosServicios::cargarGrid()
{
    CargarGridBonosActivos();
    CargarGridBonosCaducados(1);
    // Sin bono elegido en las listas nuevas, el consumo que se veía ya no es de nadie
    if (grid_consumo->filas() > 1)
        grid_consumo->ponerFilas(1);
    // Tras una venta, una modificación o una baja puede haber registros nuevos
    lblRegistrosSinEnviar->actualizar();
}

void frmBonosServicios::llenarLista(Rejilla& rejilla, const QString& titulos, const QString& formato,
                                    const ConsultaLista& consulta)
{
    QElapsedTimer reloj;
    reloj.start();
    GestorRejillas g;
    g.PrepararRejilla(rejilla, titulos, formato);
    g.LlenarRejilla(gConexion, consulta.texto, rejilla, consulta.valores);
    qCDebug(lcListasVenta) << rejilla.objectName() << rejilla.filas() - 1 << "bonos en" << reloj.elapsed() << "ms";
}

void frmBonosServicios::CargarGridBonosActivos()
{
    llenarLista(*grid_BonosActivos, titulosActivos(), formatoActivos(), ListasBonos::activos(QDate::currentDate()));
    marcarCaducados(*grid_BonosActivos);
    ocultarBotonesBono();
}

void frmBonosServicios::CargarGridBonosCaducados(qint16 anyos)
{
    llenarLista(*grid_BonosCaducados, titulosActivos(), formatoActivos(),
                ListasBonos::caducados(anyos, QDate::currentDate()));
    marcarCaducados(*grid_BonosCaducados);
    ocultarBotonesBono();
}

void frmBonosServicios::CargarGridBonosInActivos()
{
    llenarLista(*grid_BonosInActivos, QStringLiteral("Numero;Cliente;Servicio;F.Alta;Empleado;Sesio.;Precio;Ses. Utl."),
                formatoHistorico(), ListasBonos::inactivos(QDate::currentDate()));
}

void frmBonosServicios::marcarCaducados(Rejilla& rejilla)
{
    const QDate hoy = QDate::currentDate();
    bool hayCaducados = false;
    for (int r = 1; r < rejilla.filas(); ++r) {
        // Una fecha que no se lee cuenta como que acaba hoy
        const QDate hasta = Valores::leerFecha(rejilla.texto(r, 11));
        const bool caducado = hasta.isValid() && hasta < hoy;
        rejilla.ponerColorFondoFila(r, caducado ? kCaducado : kEnVigor);
        hayCaducados = hayCaducados || caducado;
    }
    Label29->setVisible(hayCaducados);
    Label30->setVisible(hayCaducados);
}

void frmBonosServicios::ocultarBotonesBono()
{
    for (QPushButton* b : {cmdBorrar, cmdProgramar, cmdAnulacion, cmd_ModificarBono})
        b->hide();
}

void frmBonosServicios::pulsarPestana(QLabel* pestana)
{
    // Vaciar el filtro devuelve las filas a la lista que se veía
    txtBuscar->clear();
    if (pestana == lblBonosActivos && grid_BonosActivos->filas() <= 2)
        CargarGridBonosActivos();
    else if (pestana == lblHistorico && grid_BonosInActivos->filas() <= 2)
        CargarGridBonosInActivos();
    else if (pestana == lblBonosCaducados && grid_BonosCaducados->filas() <= 2)
        CargarGridBonosCaducados(qint16(lblCaducidad->property("tag").toString().toInt()));
    m_pestana = pestana;
    colorearPestanas();
    grid_BonosActivos->setVisible(pestana == lblBonosActivos);
    grid_BonosInActivos->setVisible(pestana == lblHistorico);
    grid_BonosCaducados->setVisible(pestana == lblBonosCaducados);
    // Ningún botón actúa sobre una lista que no se ve
    ocultarBotonesBono();
    if (pestana != lblBonosCaducados) {
        frCaducados->hide();
        return;
    }
    lblnumbonos->move(Label24->x() + Label24->width() + qRound(50 / ConvencionesPantalla::kTwipsPorPixel),
                      lblnumbonos->y());
    lblnumbonos->setText(QStringLiteral("(%1)").arg(grid_BonosCaducados->filas() - 1));
    frCaducados->show();
}

void frmBonosServicios::colorearPestanas()
{
    if (!m_pestana)
        m_pestana = lblBonosActivos;
    const QString marcada = ColorBgr::aTexto(m_conv->fr_Zoom2()->palette().color(QPalette::Button));
    for (QLabel* l : {lblBonosActivos, lblHistorico, lblBonosCaducados})
        ponerFondo(l, l == m_pestana ? marcada : kBlanco);
}

void frmBonosServicios::cmdMas_Click()
{
    const int n = lblCaducidad->property("tag").toString().toInt();
    if (n + 1 <= gAnyosCaducidadMax) {
        lblCaducidad->setProperty("tag", QString::number(n + 1));
        lblCaducidad->setText(QStringLiteral("%1 años").arg(n + 1));
    } else {
        lblCaducidad->setProperty("tag", QStringLiteral("1"));
        lblCaducidad->setText(QStringLiteral("1 año"));
    }
    grid_BonosCaducados->ponerFilas(2);
    pulsarPestana(lblBonosCaducados);
}

void frmBonosServicios::cmdMenos_Click()
{
    const int n = lblCaducidad->property("tag").toString().toInt();
    const int nuevo = n - 1 >= 1 ? n - 1 : gAnyosCaducidadMax;
    lblCaducidad->setProperty("tag", QString::number(nuevo));
    lblCaducidad->setText(QStringLiteral("%1 años").arg(nuevo));
    grid_BonosCaducados->ponerFilas(2);
    pulsarPestana(lblBonosCaducados);
}

void frmBonosServicios::txtBuscar_Change()
{
    const QString texto = txtBuscar->text();
    Rejilla* visible = nullptr;
    for (Rejilla* r : {grid_BonosActivos, grid_BonosInActivos, grid_BonosCaducados}) {
        if (!r->isHidden()) {
            visible = r;
            break;
        }
    }
    if (!visible)
        return;
    if (texto.isEmpty())
        FiltroListas::MostrarTodasLasFilas(*visible);
    else if (visible == grid_BonosActivos)
        FiltroListas::FiltrarClienteContiene(texto, *visible);
    else
        FiltroListas::FiltrarClienteEmpieza(texto, *visible);
}

void frmBonosServicios::pulsarLista(Rejilla& rejilla, int fila)
{
    // Un título ordena por su columna (no por F.Alta), una vez a más y otra a menos
    if (fila == 0 && &rejilla != grid_BonosInActivos && rejilla.filaFinSeleccion() == rejilla.filas() - 1 &&
        rejilla.columnaActual() != 3) {
        const bool ascendente = m_ordenListas != 1;
        m_ordenListas = ascendente ? 1 : 2;
        rejilla.ordenar(rejilla.columnaActual(), ascendente ? Rejilla::Orden::Ascendente : Rejilla::Orden::Descendente);
    }
    CargarGridConsumo(rejilla);
}

void frmBonosServicios::HabilitarGrids()
{
    habilitarListas(true);
}

void frmBonosServicios::DeshabilitarGrids()
{
    habilitarListas(false);
}

void frmBonosServicios::habilitarListas(bool habilitar)
{
    // Mientras se modifica un bono no se elige otro: ni otra fila, ni otra
    // lista, ni otro botón sobre el que se está modificando
    for (QWidget* w : std::initializer_list<QWidget*>{grid_BonosActivos, grid_BonosCaducados, grid_BonosInActivos,
                                                      grid_consumo, Frame13, txtBuscar, frCaducados, cmd_ModificarBono,
                                                      cmdProgramar, cmdAnulacion, cmdBorrar})
        w->setEnabled(habilitar);
}
