#include "pantallas/menu/frmSeleccionTienda.h"

#include "datos/Componentes.h"
#include "pantallas/menu/IconosMenu.h"
#include "plataforma/widgets/Tactipan.h"
#include "datos/Globales.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

// Diseño en píxeles de la pantalla de 1024 x 739 (15360 x 11085 twips)
constexpr int kAncho = 1024;
constexpr int kAlto = 739;
constexpr double kAnchoOriginal = 15360;
constexpr double kAltoOriginal = 11085;

QFont letra(int pixeles, bool negrita = false)
{
    QFont f;
    f.setPixelSize(pixeles);
    f.setBold(negrita);
    return f;
}

}  // namespace

frmSeleccionTienda::frmSeleccionTienda(QWidget* padre) : DialogoPantalla(padre)
{
    setObjectName(QStringLiteral("frmSeleccionTienda"));
    setWindowTitle(QStringLiteral("Seleccion de Tiendas"));
    resize(kAncho, kAlto);
    crearControles();

    gTiendaSeleccionada.clear();
    Componentes::traductor().Aplicar(gConexion, this);
    Componentes::opcionesVisuales().Aplicar(gConexion, this, gOpcionVisual);
    Componentes::colores().Aplicar(this, gEsquemaColores, gConexion);
    // Primero al tamaño de diseño en vigor y luego al de la pantalla del puesto
    Componentes::redimensionador().Redimensionar(gConexion, this, gAnchoDiseno, gAltoDiseno, kAnchoOriginal,
                                                 kAltoOriginal);
    Componentes::redimensionador().Redimensionar(gConexion, this, gAnchoPantalla, gAltoPantalla, gAnchoDiseno,
                                                 gAltoDiseno);
    CargarTiendas();
}

void frmSeleccionTienda::crearControles()
{
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(0, 0, kAncho, 110);

    lblTitulo = new QLabel(QStringLiteral("SELECCIONE LA TIENDA"), Frame1);
    lblTitulo->setObjectName(QStringLiteral("lblTitulo"));
    lblTitulo->setFont(letra(34, true));
    lblTitulo->setAlignment(Qt::AlignCenter);
    lblTitulo->setGeometry(20, 14, kAncho - 40, 48);

    lblSubtitulo = new QLabel(QStringLiteral("Pulse la tienda con la que va a trabajar"), Frame1);
    lblSubtitulo->setObjectName(QStringLiteral("lblSubtitulo"));
    lblSubtitulo->setFont(letra(21));
    lblSubtitulo->setAlignment(Qt::AlignCenter);
    lblSubtitulo->setGeometry(20, 64, kAncho - 40, 32);

    frFiltros = new QFrame(this);
    frFiltros->setObjectName(QStringLiteral("frFiltros"));
    frFiltros->setGeometry(20, 120, kAncho - 40, 520);

    PanelTiendas = new Tactipan(frFiltros);
    PanelTiendas->setObjectName(QStringLiteral("PanelTiendas"));
    PanelTiendas->setGeometry(0, 0, frFiltros->width(), frFiltros->height());

    lblSinTiendas = new QLabel(QStringLiteral("No hay otras tiendas en la cadena."), frFiltros);
    lblSinTiendas->setObjectName(QStringLiteral("lblSinTiendas"));
    lblSinTiendas->setFont(letra(24));
    lblSinTiendas->setAlignment(Qt::AlignCenter);
    lblSinTiendas->setGeometry(0, 0, frFiltros->width(), frFiltros->height());
    lblSinTiendas->hide();

    Command1 = new QPushButton(QStringLiteral("Aceptar"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(letra(20, true));
    Command1->setGeometry(kAncho - 20 - 164 - 20 - 164, 659, 164, 60);
    Command1->setFocusPolicy(Qt::NoFocus);

    cmd_Salir = new QPushButton(QStringLiteral("Salir"), this);
    cmd_Salir->setObjectName(QStringLiteral("cmd_Salir"));
    cmd_Salir->setFont(letra(20, true));
    cmd_Salir->setIconSize(QSize(30, 30));
    cmd_Salir->setIcon(IconosMenu::icono(IconosMenu::Salir, Qt::black));
    cmd_Salir->setGeometry(kAncho - 20 - 164, 659, 164, 60);
    cmd_Salir->setFocusPolicy(Qt::NoFocus);

    // Ninguno de los dos elige tienda: sin tienda el programa termina
    connect(cmd_Salir, &QPushButton::clicked, this, &QDialog::close);
    connect(Command1, &QPushButton::clicked, this, &QDialog::close);
    connect(PanelTiendas, &Tactipan::pulsado, this, &frmSeleccionTienda::pulsarTienda);
}

void frmSeleccionTienda::CargarTiendas()
{
    cmd_Salir->setIcon(IconosMenu::icono(IconosMenu::Salir, cmd_Salir->palette().color(QPalette::ButtonText)));
    if (gNombreTienda != QLatin1String("Servidor") || !gMultitienda) {
        PanelTiendas->hide();
        return;
    }
    const QColor fondoFiltros = frFiltros->palette().color(QPalette::Window);
    PanelTiendas->ponerColorFondo(fondoFiltros);
    PanelTiendas->ponerColorPaginas(fondoFiltros);
    PanelTiendas->ponerColorMarco(Frame1->palette().color(QPalette::Window));
    PanelTiendas->inicializar();
    PanelTiendas->reiniciar();
    PanelTiendas->cargar(gTiendas);
    colocarPanel();
    PanelTiendas->redibujar();
}

void frmSeleccionTienda::colocarPanel()
{
    int tiendas = 0;
    for (const ElementoPanel& e : gTiendas)
        tiendas += e.codigo.isEmpty() ? 0 : 1;
    lblSinTiendas->setVisible(tiendas == 0);
    // Botones grandes y el panel centrado: tres por fila (dos si son cuatro),
    // hasta tres filas; si no caben, cuatro por fila y páginas
    const int columnas = tiendas <= 3 ? std::max(tiendas, 1) : tiendas == 4 ? 2 : tiendas <= 9 ? 3 : 4;
    const int filas = std::clamp((tiendas + columnas - 1) / columnas, 1, 3);
    PanelTiendas->ponerCuadricula(columnas, filas);
    if (tiendas > 9) {
        PanelTiendas->setGeometry(frFiltros->rect());
        return;
    }
    const int anchoCelda = frFiltros->width() / 3;
    const int altoCelda = frFiltros->height() / 3;
    const QSize tam(columnas * anchoCelda, filas * altoCelda);
    PanelTiendas->setGeometry(QRect(QPoint((frFiltros->width() - tam.width()) / 2,
                                           (frFiltros->height() - tam.height()) / 2),
                                    tam));
}

void frmSeleccionTienda::pulsarTienda(const ElementoPanel& elemento)
{
    gTiendaSeleccionada = elemento.codigo;
    close();
}
