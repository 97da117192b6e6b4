#include "pantallas/busqueda/frmBuscar.h"

#include "datos/Componentes.h"
#include "datos/Globales.h"
#include "pantallas/busqueda/BusquedaClientes.h"
#include "pantallas/busqueda/ControlesTactiles.h"
#include "pantallas/busqueda/TecladoBuscar.h"
#include "pantallas/comun/ConvencionesPantalla.h"
#include "pantallas/menu/IconosMenu.h"
#include "plataforma/ColorBgr.h"
#include "plataforma/pantalla/OpcionesVisualesPantalla.h"
#include "principal/ManejadorErrores.h"
#include "principal/Mensajes.h"

#include <QApplication>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// Diseño en píxeles de la pantalla de 1024 x 739 (15360 x 11085 twips)
constexpr int kAncho = 1024;
constexpr int kAlto = 739;
constexpr int kYCampos = 80;
constexpr int kPasoCampos = 44;

const QString kTitulo = QStringLiteral("Buscar");

QFont letra(int pixeles, bool negrita = false)
{
    QFont f;
    f.setPixelSize(pixeles);
    f.setBold(negrita);
    return f;
}

bool esTelefono(const QLineEdit* campo)
{
    static const QStringList nombres{QStringLiteral("txtTelefono"), QStringLiteral("txtMovil"),
                                     QStringLiteral("txtFijoEmp"), QStringLiteral("txtMovilEmp")};
    return nombres.contains(campo->objectName());
}

void ponerFondo(QWidget* w, const QString& color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, ColorBgr::aColor(color, p.color(QPalette::Base)));
    w->setPalette(p);
}

QPushButton* boton(QWidget* padre, const char* nombre, const QString& texto, const QRect& sitio)
{
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(QLatin1String(nombre));
    b->setFont(letra(20, true));
    b->setGeometry(sitio);
    b->setFocusPolicy(Qt::NoFocus);
    // Intro en un campo busca; no debe pulsar además un botón por defecto
    b->setAutoDefault(false);
    return b;
}

}  // namespace

frmBuscar::~frmBuscar()
{
    // Al ocultarse, el diálogo quita el foco a su campo y este avisa a la
    // pantalla: que sea ahora, mientras lo de esta pantalla aún existe
    hide();
}

frmBuscar::frmBuscar(QWidget* padre) : DialogoPantalla(padre)
{
    setObjectName(QStringLiteral("frmBuscar"));
    setWindowTitle(QStringLiteral("Buscar Clientes"));
    resize(kAncho, kAlto);
    m_conv = new ConvencionesPantalla(this, QStringLiteral("buscar.html"));
    crearControles();
    m_conv->ponerDestinoAyuda(fr_SeparacionH1, fr_SeparacionH1);
    m_conv->ponerColoresPropios([this] { colorearCampos(); });
    m_conv->cargar([this] { Limpiar(); });
    colocarJuntoAlMenu();
}

void frmBuscar::crearControles()
{
    frCabecera = new QFrame(this);
    frCabecera->setObjectName(QStringLiteral("frCabecera"));
    frCabecera->setGeometry(0, 0, kAncho, 64);

    lblTitulo = new QLabel(QStringLiteral("Buscar Clientes"), frCabecera);
    lblTitulo->setObjectName(QStringLiteral("lblTitulo"));
    lblTitulo->setFont(letra(30, true));
    lblTitulo->setGeometry(20, 8, 500, 48);

    QFrame* ajustes = m_conv->marcoAjustes();
    ajustes->setParent(frCabecera);
    ajustes->move(kAncho - 20 - ajustes->width(), 32 - ajustes->height() / 2);

    fr_SeparacionH1 = new QFrame(this);
    fr_SeparacionH1->setObjectName(QStringLiteral("fr_SeparacionH1"));
    fr_SeparacionH1->setFrameShape(QFrame::HLine);
    fr_SeparacionH1->setFrameShadow(QFrame::Sunken);
    fr_SeparacionH1->setGeometry(20, 64, kAncho - 40, 4);

    // Campos, de arriba abajo en el orden del ciclo del foco
    txtNombre = crearCampo("txtNombre", QStringLiteral("Nombre:"), 0);
    txtApellidos = crearCampo("txtApellidos", QStringLiteral("Apellidos:"), 1);
    txtTelefono = crearCampo("txtTelefono", QStringLiteral("Teléfono:"), 2);
    txtMovil = crearCampo("txtMovil", QStringLiteral("Movil:"), 3);
    txtCodigo = crearCampo("txtCodigo", QStringLiteral("Código:"), 4);
    txtEmail = crearCampo("txtEmail", QStringLiteral("Email:"), 5);
    txtDNI = crearCampo("txtDNI", QStringLiteral("D.N.I.:"), 6);
    for (int i = 1; i < m_ciclo.size(); ++i)
        setTabOrder(m_ciclo.at(i - 1), m_ciclo.at(i));

    // Las fechas no intervienen en la búsqueda: se conservan, sin mostrarse
    const auto fecha = [this](QLabel*& etiqueta, QDateEdit*& campo, const char* nombre, const QString& texto,
                              int x) {
        etiqueta = new QLabel(texto, this);
        etiqueta->setObjectName(QStringLiteral("lbl_") + QLatin1String(nombre));
        etiqueta->setGeometry(x, kYCampos + 7 * kPasoCampos, 120, 38);
        etiqueta->hide();
        campo = new QDateEdit(this);
        campo->setObjectName(QLatin1String(nombre));
        campo->setCalendarPopup(true);
        campo->setGeometry(x + 120, kYCampos + 7 * kPasoCampos, 120, 38);
        campo->hide();
    };
    fecha(lblFechaDesde, fechadesde, "fechadesde", QStringLiteral("Ultima Visita:"), 20);
    fecha(lblFechaHasta, fechahasta, "fechahasta", QStringLiteral("Hasta:"), 270);

    lblClientes = new QLabel(QStringLiteral("CLIENTES"), this);
    lblClientes->setObjectName(QStringLiteral("lblClientes"));
    lblClientes->setFont(letra(20, true));
    lblClientes->setGeometry(520, 74, 484, 30);

    ListBusClie = new QListWidget(this);
    ListBusClie->setObjectName(QStringLiteral("ListBusClie"));
    ListBusClie->setFont(letra(22));
    ListBusClie->setUniformItemSizes(true);
    hacerListaTactil(ListBusClie);
    ListBusClie->setGeometry(520, 106, 484, kYCampos + 7 * kPasoCampos - 6 - 106);
    // Códigos y tiendas, fila a fila con la lista
    for (QListWidget** l : {&Auxiliar, &AuxTienda}) {
        *l = new QListWidget(this);
        (*l)->hide();
    }
    Auxiliar->setObjectName(QStringLiteral("Auxiliar"));
    AuxTienda->setObjectName(QStringLiteral("AuxTienda"));

    fr_Teclado = new TecladoBuscar(this);
    fr_Teclado->move((kAncho - fr_Teclado->width()) / 2, 392);

    cmdbuscar = boton(this, "cmdbuscar", QStringLiteral("Buscar"), QRect(20, 675, 170, 56));
    cmdLimpiar = boton(this, "cmdLimpiar", QStringLiteral("Limpiar"), QRect(206, 675, 170, 56));
    QPushButton* ayuda = m_conv->cmd_Ayuda();
    ayuda->setFont(letra(20, true));
    ayuda->setAutoDefault(false);
    ayuda->setGeometry(kAncho - 20 - 164 - 16 - 154, 675, 154, 56);
    cmdSalir = boton(this, "cmdSalir", QStringLiteral("Salir"), QRect(kAncho - 20 - 164, 675, 164, 56));
    cmdSalir->setIconSize(QSize(28, 28));
    cmdSalir->setIcon(IconosMenu::icono(IconosMenu::Salir, Qt::black));

    // Ningún error sale al bucle de eventos: mensaje y la búsqueda sigue
    const auto guardado = [](auto accion) { return [accion] { ManejadorErrores::ejecutar(accion); }; };
    connect(cmdbuscar, &QPushButton::clicked, this, guardado([this] { Buscar(); }));
    connect(cmdLimpiar, &QPushButton::clicked, this, [this] { Limpiar(); });
    connect(cmdSalir, &QPushButton::clicked, this, &QDialog::reject);
    connect(fr_Teclado, &TecladoBuscar::pulsada, this, [this, guardado](int codigo) {
        if (codigo == 13)
            guardado([this] { Buscar(); })();
        else
            PulsarTecla(codigo);
    });
    for (QLineEdit* campo : std::as_const(m_ciclo))
        connect(campo, &QLineEdit::returnPressed, this, guardado([this] { Buscar(); }));
    connect(ListBusClie, &QListWidget::currentRowChanged, this, [this](int fila) {
        Auxiliar->setCurrentRow(fila);
        AuxTienda->setCurrentRow(fila);
    });
    connect(ListBusClie, &QListWidget::itemDoubleClicked, this, [this] { Elegir(); });
}

QLineEdit* frmBuscar::crearCampo(const char* nombre, const QString& etiqueta, int fila)
{
    const int y = kYCampos + fila * kPasoCampos;
    auto* rotulo = new QLabel(etiqueta, this);
    rotulo->setObjectName(QStringLiteral("lbl_") + QLatin1String(nombre).mid(3));
    rotulo->setFont(letra(20, true));
    rotulo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rotulo->setGeometry(20, y, 140, 38);

    auto* campo = new CampoTexto(this);
    campo->setObjectName(QLatin1String(nombre));
    campo->setFont(letra(22));
    campo->setGeometry(172, y, 324, 38);
    campo->alEnfocar = [this, campo] { alEnfocar(campo); };
    campo->alDesenfocar = [this, campo] { alDesenfocar(campo); };
    rotulo->setBuddy(campo);
    m_ciclo << campo;
    return campo;
}

void frmBuscar::colocarJuntoAlMenu()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmTarvelo") && w->isVisible()) {
            move(w->pos());
            return;
        }
}

void frmBuscar::colorearCampos()
{
    colorFoco = Componentes::colores().ColorFoco(gConexion, gEsquemaColores);
    colorNormal = ColorBgr::aTexto(ListBusClie->palette().color(QPalette::Base));
    for (QLineEdit* campo : std::as_const(m_ciclo))
        ponerFondo(campo, campo->hasFocus() ? colorFoco : colorNormal);
    cmdSalir->setIcon(IconosMenu::icono(IconosMenu::Salir, cmdSalir->palette().color(QPalette::ButtonText)));
    // OK y Buscar hacen lo mismo: los dos con el segundo color de botón del esquema
    const QColor color = ColorBgr::aColor(Componentes::colores().Color(gConexion, gEsquemaColores, 2));
    for (QPushButton* b : {fr_Teclado->tecla(13), cmdbuscar}) {
        QPalette p = b->palette();
        p.setColor(QPalette::Button, color);
        p.setColor(QPalette::ButtonText, OpcionesVisualesPantalla::textoContrastado(color));
        b->setPalette(p);
    }
}

void frmBuscar::alEnfocar(QLineEdit* campo)
{
    campoActual = campo;
    ponerFondo(campo, colorFoco);
    // Nombre y apellidos se seleccionan enteros: la primera tecla los sustituye
    if (campo == txtNombre || campo == txtApellidos)
        campo->selectAll();
    else
        campo->deselect();
}

void frmBuscar::alDesenfocar(QLineEdit* campo)
{
    ponerFondo(campo, colorNormal);
}

void frmBuscar::Buscar()
{
    const FiltroClientes filtro{txtNombre->text(), txtApellidos->text(), txtTelefono->text(), txtMovil->text(),
                                txtEmail->text(),  txtCodigo->text(),    txtDNI->text()};
    if (filtro.vacio()) {
        Mensajes::mostrar(this, kTitulo, QStringLiteral("Debe rellenar algún dato para poder buscar"),
                          Mensajes::Icono::Informacion);
        return;
    }
    ListBusClie->clear();
    Auxiliar->clear();
    AuxTienda->clear();
    FiltroClientes consulta = filtro;
    // Un "*" solo en el nombre es "todos"
    if (txtNombre->text() == QLatin1String("*")) {
        txtNombre->clear();
        consulta.nombre.clear();
    }
    const QList<ClienteHallado> hallados = buscarClientes(gConexion, consulta);
    if (hallados.isEmpty()) {
        Mensajes::mostrar(this, kTitulo, QStringLiteral("No existe ningún cliente con esas condiciones"),
                          Mensajes::Icono::Informacion);
    } else {
        QStringList nombres, codigos, tiendas;
        for (const ClienteHallado& c : hallados) {
            nombres << c.nombre;
            codigos << c.codigo;
            tiendas << c.tienda;
        }
        ListBusClie->addItems(nombres);
        Auxiliar->addItems(codigos);
        AuxTienda->addItems(tiendas);
    }
    // El "%" que buscó todos se queda como "*", que también los busca
    for (QLineEdit* campo : {txtNombre, txtApellidos, txtTelefono, txtMovil, txtCodigo, txtDNI})
        if (campo->text() == QLatin1String("%")) {
            campo->setText(QStringLiteral("*"));
            break;
        }
    if (ListBusClie->count() > 0)
        SiguienteCampo();
}

void frmBuscar::SiguienteCampo()
{
    const int i = m_ciclo.indexOf(campoActual);
    QLineEdit* siguiente = m_ciclo.at((i + 1) % m_ciclo.size());
    campoActual = siguiente;
    siguiente->setFocus(Qt::OtherFocusReason);
}

void frmBuscar::PulsarTecla(int codigo)
{
    QLineEdit* campo = campoActual;
    if (!campo || campo->isReadOnly() || !campo->isEnabled())
        return;
    const QString texto = campo->text();
    if (codigo == 8) {
        if (!texto.isEmpty())
            campo->setText(texto.chopped(1));
        return;
    }
    if (codigo == 13)
        return;
    // Los códigos de las teclas son los de Windows-1252, que para estas coinciden con Latin-1
    const QChar caracter(codigo);
    if (esTelefono(campo) && !(caracter >= QLatin1Char('0') && caracter <= QLatin1Char('9')))
        return;
    const bool todoSeleccionado = campo->selectedText().size() == texto.size();
    campo->setText((todoSeleccionado ? QString() : texto) + caracter);
}

void frmBuscar::Limpiar()
{
    for (QLineEdit* campo : std::as_const(m_ciclo))
        campo->clear();
    fechadesde->setDate(QDate(2000, 1, 1));
    fechahasta->setDate(QDate::currentDate());
    ListBusClie->clear();
    Auxiliar->clear();
    AuxTienda->clear();
    campoActual = txtNombre;
    txtNombre->setFocus(Qt::OtherFocusReason);
}

void frmBuscar::Elegir()
{
    const int fila = ListBusClie->currentRow();
    if (fila < 0 || fila >= Auxiliar->count())
        return;
    gCodigoClienteBuscado = Auxiliar->item(fila)->text();
    gTiendaClienteBuscado = AuxTienda->item(fila)->text();
    accept();
}
