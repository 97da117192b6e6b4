#include "pantallas/menu/frmTarvelo.h"

#include "datos/Componentes.h"
#include "pantallas/comun/ConvencionesPantalla.h"
#include "pantallas/registros/EtiquetaPendientes.h"
#include "pantallas/menu/BotonOpcion.h"
#include "pantallas/menu/ImagenPantalla.h"
#include "pantallas/venta/frmBonosServicios.h"
#include "plataforma/ColorBgr.h"
#include "datos/Globales.h"
#include "principal/ManejadorErrores.h"
#include "traspaso/Traspaso.h"

#include <QDateTime>
#include <QEvent>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

Q_LOGGING_CATEGORY(lcMenu, "tarvelo.menu", QtWarningMsg)

namespace {

// Medidas de diseño en píxeles de la pantalla de 1024 x 739 (15360 x 11085 twips)
constexpr int kAncho = 1024;
constexpr int kAlto = 739;
constexpr int kLadoOpcion = 110;
constexpr int kXEtiqueta = 170;
constexpr int kYOpciones = 228;
constexpr int kPasoOpciones = 130;
constexpr double kSolapeBoton = 50;  // twips del botón que quedan bajo su etiqueta
constexpr double kSaltoBoton = 100;  // twips que salta el botón en la animación
constexpr int kIntervaloMovBoton = 250;

QFont letra(int pixeles, bool negrita = false, bool cursiva = false)
{
    QFont f;
    f.setPixelSize(pixeles);
    f.setBold(negrita);
    f.setItalic(cursiva);
    return f;
}

int pixeles(double twips)
{
    return qRound(twips / ConvencionesPantalla::kTwipsPorPixel);
}

// Foto de diseño: la que se ve si la carpeta de fotos está vacía
QPixmap fotoDiseno()
{
    QPixmap pm(480, 360);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fondo(0, 0, 480, 360);
    fondo.setColorAt(0, QColor(250, 214, 196));
    fondo.setColorAt(1, QColor(196, 160, 214));
    p.fillRect(pm.rect(), fondo);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(QColor(255, 255, 255, 40 + i * 6));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(60 + i * 78, 80 + (i % 3) * 90), 38 + i * 5, 38 + i * 5);
    }
    IconosMenu::dibujar(p, QRectF(150, 90, 180, 180), IconosMenu::BonoPack, QColor(255, 255, 255));
    return pm;
}

}  // namespace

frmTarvelo::frmTarvelo(QWidget* padre) : DialogoPantalla(padre)
{
    setObjectName(QStringLiteral("frmTarvelo"));
    setWindowTitle(QStringLiteral("Gestion de Bonos"));
    resize(kAncho, kAlto);
    m_conv = new ConvencionesPantalla(this, QStringLiteral("tarv1.html"));
    crearControles();
    // La ayuda sube hasta la raya de debajo de la cabecera: logotipo y ajustes siguen a la vista
    m_conv->ponerDestinoAyuda(fr_SeparacionH1, fr_SeparacionH1);
    m_conv->ponerColoresPropios([this] { colorearOpciones(); });
    m_conv->cargar([this] { contenido(); });
    dejarBotonesEnReposo();
    mostrarImagen();
    RestriccionPrograma();
}

void frmTarvelo::crearControles()
{
    // Cabecera: logotipo, título de la edición, ajustes del puesto y bandera
    frCabecera = new QFrame(this);
    frCabecera->setObjectName(QStringLiteral("frCabecera"));
    frCabecera->setGeometry(0, 0, kAncho, 104);

    ImgEmpresa = new ImagenPantalla(frCabecera);
    ImgEmpresa->setObjectName(QStringLiteral("ImgEmpresa"));
    ImgEmpresa->setGeometry(20, 12, 240, 80);
    ImgEmpresa->hide();

    Label4 = new QLabel(tituloDiseno(), frCabecera);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(letra(26, true, true));
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setGeometry(270, 12, 440, 80);

    Frame9 = new QFrame(frCabecera);
    Frame9->setObjectName(QStringLiteral("Frame9"));
    QFrame* ajustes = m_conv->marcoAjustes();
    ajustes->setParent(Frame9);
    Frame9->setGeometry(kAncho - 20 - ajustes->width(), 52 - ajustes->height() / 2, ajustes->width(),
                        ajustes->height());
    ajustes->move(0, 0);

    // La bandera ocupa el sitio de Frame9, que se corre a la izquierda
    Bandera = new ImagenPantalla(frCabecera);
    Bandera->setObjectName(QStringLiteral("Bandera"));
    Bandera->setGeometry(Frame9->geometry().right() + 1 - 84, 27, 84, 50);
    Bandera->hide();

    fr_SeparacionH1 = new QFrame(this);
    fr_SeparacionH1->setObjectName(QStringLiteral("fr_SeparacionH1"));
    fr_SeparacionH1->setFrameShape(QFrame::HLine);
    fr_SeparacionH1->setFrameShadow(QFrame::Sunken);
    fr_SeparacionH1->setGeometry(20, 104, kAncho - 40, 4);

    lblTitulo = new QLabel(QStringLiteral("SELECCIONE SU OPCION"), this);
    lblTitulo->setObjectName(QStringLiteral("lblTitulo"));
    lblTitulo->setFont(letra(34, true));
    lblTitulo->setAlignment(Qt::AlignCenter);
    lblTitulo->setGeometry(20, 120, kAncho - 40, 48);

    lblSubtitulo = new QLabel(QStringLiteral("Seleccione el tipo de bono con el que desea trabajar"), this);
    lblSubtitulo->setObjectName(QStringLiteral("lblSubtitulo"));
    lblSubtitulo->setFont(letra(21));
    lblSubtitulo->setAlignment(Qt::AlignCenter);
    lblSubtitulo->setGeometry(20, 168, kAncho - 40, 32);

    crearOpcion(cmd_BServicios, lbl_BServicios, 0, "cmd_BServicios", "lbl_BServicios",
                QStringLiteral("Bonos Servicios"));
    crearOpcion(cmd_BFamilias, lbl_BFamilias, 1, "cmd_BFamilias", "lbl_BFamilias",
                QStringLiteral("Bonos Pack Servicios"));
    crearOpcion(cmd_BListados, lbl_BListados, 2, "cmd_BListados", "lbl_BListados", QStringLiteral("Listados"));

    Image2 = new ImagenPantalla(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->ponerMarco(true);
    Image2->ponerImagen(fotoDiseno());
    Image2->setGeometry(590, 224, 400, 300);

    // Abajo: mantenimiento (discreto), registros de facturación sin enviar, ayuda y salir
    lblRegistrosSinEnviar = new EtiquetaPendientes(this);
    lblRegistrosSinEnviar->setGeometry(84, 665, 560, 54);

    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("Genera caption para traduccion Generar Atributos para permisos"));
    Command1->setGeometry(20, 671, 48, 48);
    Command1->setIconSize(QSize(28, 28));
    Command1->setFocusPolicy(Qt::NoFocus);

    QPushButton* ayuda = m_conv->cmd_Ayuda();
    ayuda->setFont(letra(20, true));
    ayuda->setGeometry(666, 659, 154, 60);

    cmd_Salir = new QPushButton(QStringLiteral("Salir"), this);
    cmd_Salir->setObjectName(QStringLiteral("cmd_Salir"));
    cmd_Salir->setFont(letra(20, true));
    cmd_Salir->setIconSize(QSize(30, 30));
    // Los iconos se ponen ya (en negro) para que se escalen con la pantalla;
    // al colorear toman el color del texto de los botones
    cmd_Salir->setIcon(IconosMenu::icono(IconosMenu::Salir, Qt::black));
    Command1->setIcon(IconosMenu::icono(IconosMenu::Mantenimiento, Qt::black));
    cmd_Salir->setGeometry(kAncho - 20 - 164, 659, 164, 60);
    cmd_Salir->setFocusPolicy(Qt::NoFocus);

    tmrMovBoton = new QTimer(this);
    tmrMovBoton->setObjectName(QStringLiteral("tmrMovBoton"));
    tmrMovBoton->setInterval(ConvencionesPantalla::intervalo(kIntervaloMovBoton));

    // Ningún error sale al bucle de eventos: mensaje y el menú sigue
    const auto guardado = [](auto accion) { return [accion] { ManejadorErrores::ejecutar(accion); }; };
    connect(cmd_BServicios, &QAbstractButton::clicked, this, guardado([this] { elegirModo(0); }));
    connect(cmd_BFamilias, &QAbstractButton::clicked, this, guardado([this] { elegirModo(1); }));
    connect(cmd_BListados, &QAbstractButton::clicked, this, guardado([this] { elegirListados(); }));
    connect(cmd_Salir, &QPushButton::clicked, this, &QDialog::close);
    connect(Command1, &QPushButton::clicked, m_conv, &ConvencionesPantalla::grabarMantenimiento);
    connect(tmrMovBoton, &QTimer::timeout, this, &frmTarvelo::MoverBoton);
}

void frmTarvelo::crearOpcion(BotonOpcion*& boton, QLabel*& etiqueta, int fila, const char* nombreBoton,
                             const char* nombreEtiqueta, const QString& texto)
{
    const IconosMenu::Tipo dibujos[] = {IconosMenu::BonoServicio, IconosMenu::BonoPack, IconosMenu::Listado};
    const int y = kYOpciones + fila * kPasoOpciones;
    boton = new BotonOpcion(dibujos[fila], this);
    boton->setObjectName(QLatin1String(nombreBoton));
    boton->setAccessibleName(texto);
    // En reposo el botón queda 50 twips bajo su etiqueta
    boton->setGeometry(kXEtiqueta - kLadoOpcion + pixeles(kSolapeBoton), y, kLadoOpcion, kLadoOpcion);

    etiqueta = new QLabel(texto, this);
    etiqueta->setObjectName(QLatin1String(nombreEtiqueta));
    etiqueta->setFont(letra(30, true));
    etiqueta->setIndent(24);
    // Con letra grande el texto pasa a dos renglones antes que cortarse
    etiqueta->setWordWrap(true);
    etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    etiqueta->setGeometry(kXEtiqueta, y, 390, kLadoOpcion);
    etiqueta->setCursor(Qt::PointingHandCursor);
    etiqueta->setMouseTracking(true);
    etiqueta->installEventFilter(this);
    boton->raise();
}

void frmTarvelo::contenido()
{
    ponerBandera();
    ponerLogo();
    ponerTituloEdicion();
}

void frmTarvelo::ponerBandera()
{
    if (gBandera.isEmpty())
        return;
    Bandera->setToolTip(gNombreRegion);
    Frame9->move(Frame9->x() - Bandera->width(), Frame9->y());
    const QString ruta = rutaEnCarpetaPrograma(gBandera);
    if (!Bandera->cargar(ruta))
        qCWarning(lcMenu) << "No se pudo cargar la bandera" << ruta;
    Bandera->show();
}

void frmTarvelo::ponerLogo()
{
    if (gLogo.isEmpty())
        return;
    ImgEmpresa->show();
    // Un logotipo que no se puede cargar no se enseña, y sin mensaje
    if (!ImgEmpresa->cargar(gCarpetaFotos + gLogo)) {
        qCInfo(lcMenu) << "No se pudo cargar el logotipo" << gCarpetaFotos + gLogo;
        ImgEmpresa->hide();
    }
}

QString frmTarvelo::tituloEdicion(const QString& tipoNegocio)
{
    static const QHash<QString, QString> titulos{
        {QStringLiteral("PELUQUERIA"), QStringLiteral("Edición Peluquería")},
        {QStringLiteral("ESTETICA"), QStringLiteral("Edición Estética")},
        {QStringLiteral("SPA"), QStringLiteral("Edición Spa y Balneario")},
        {QStringLiteral("PERFUMERIA"), QStringLiteral("Edición Perfumería")},
        {QStringLiteral("TPV"), QStringLiteral("Edición Punto de Venta")},
        {QStringLiteral("CLINICAS"), QStringLiteral("Edición Clínicas")},
    };
    return titulos.value(tipoNegocio);
}

QString frmTarvelo::tituloDiseno()
{
    return QStringLiteral("Edición Profesional");
}

void frmTarvelo::ponerTituloEdicion()
{
    const QString titulo = tituloEdicion(gTipoNegocio);
    if (!titulo.isEmpty())
        Label4->setText(titulo);
}

void frmTarvelo::colorearOpciones()
{
    // Cada opción con uno de los colores de botón del esquema del puesto
    BotonOpcion* botones[] = {cmd_BServicios, cmd_BFamilias, cmd_BListados};
    for (int i = 0; i < 3; ++i)
        botones[i]->ponerColor(ColorBgr::aColor(Componentes::colores().Color(gConexion, gEsquemaColores, i + 1)));
    const QColor tinta = cmd_Salir->palette().color(QPalette::ButtonText);
    cmd_Salir->setIcon(IconosMenu::icono(IconosMenu::Salir, tinta));
    Command1->setIcon(IconosMenu::icono(IconosMenu::Mantenimiento, tinta));
}

void frmTarvelo::mostrarImagen()
{
    if (gNumFotos <= 0)
        return;
    // Cada vez una semilla nueva tomada del reloj
    QRandomGenerator azar(quint32(QDateTime::currentMSecsSinceEpoch()));
    int i = int(gNumFotos * azar.generateDouble() + 1);
    if (i <= 0)
        i = 1;
    if (i >= gFotos.size())
        return;
    if (!Image2->cargar(gFotos.at(i)))
        qCWarning(lcMenu) << "No se pudo cargar la foto" << gFotos.at(i);
}

void frmTarvelo::RestriccionPrograma()
{
    // Las peluquerías no venden bonos de packs
    if (gTipoNegocio.toUpper() != QLatin1String("PELUQUERIA"))
        return;
    cmd_BFamilias->hide();
    lbl_BFamilias->hide();
    // Las dos opciones que quedan se reparten el sitio de las tres, sin hueco en medio
    const int paso = cmd_BFamilias->y() - cmd_BServicios->y();
    const int y = cmd_BServicios->y() + paso / 2;
    cmd_BServicios->move(cmd_BServicios->x(), y);
    lbl_BServicios->move(lbl_BServicios->x(), y);
    cmd_BListados->move(cmd_BListados->x(), y + paso);
    lbl_BListados->move(lbl_BListados->x(), y + paso);
}

void frmTarvelo::dejarBotonesEnReposo()
{
    // Tras escalar, cada botón vuelve a su sitio exacto junto a su etiqueta
    const std::pair<QAbstractButton*, QLabel*> opciones[] = {
        {cmd_BServicios, lbl_BServicios}, {cmd_BFamilias, lbl_BFamilias}, {cmd_BListados, lbl_BListados}};
    for (const auto& [boton, etiqueta] : opciones) {
        const double destino = ConvencionesPantalla::twips(etiqueta->x()) -
                               (ConvencionesPantalla::twips(boton->width()) - kSolapeBoton);
        boton->move(pixeles(destino), boton->y());
    }
}

void frmTarvelo::elegirModo(int modoFamilias)
{
    gModoFamilias = modoFamilias;
    frmBonosServicios venta(this);
    venta.exec();
}

void frmTarvelo::elegirListados()
{
    PasarAListados(QString::fromLatin1(kProgramaTarvelo));
}

bool frmTarvelo::eventFilter(QObject* objeto, QEvent* evento)
{
    const std::pair<QLabel*, QAbstractButton*> opciones[] = {
        {lbl_BServicios, cmd_BServicios}, {lbl_BFamilias, cmd_BFamilias}, {lbl_BListados, cmd_BListados}};
    for (const auto& [etiqueta, boton] : opciones) {
        if (objeto != etiqueta)
            continue;
        switch (evento->type()) {
        case QEvent::MouseMove:
        case QEvent::Enter:
            if (gAnimacionesActivas)
                CargarBoton(boton, etiqueta);
            break;
        case QEvent::MouseButtonRelease: {
            // Pulsar la etiqueta es pulsar su botón
            const auto* raton = static_cast<QMouseEvent*>(evento);
            if (raton->button() == Qt::LeftButton && etiqueta->rect().contains(raton->position().toPoint()) &&
                boton->isEnabled())
                boton->click();
            return true;
        }
        default:
            break;
        }
        break;
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmTarvelo::CargarBoton(QAbstractButton* boton, QLabel* etiqueta)
{
    // El que se movía vuelve a su sitio
    if (m_botonAnimado && m_botonAnimado != boton)
        m_botonAnimado->move(pixeles(m_destinoBoton), m_botonAnimado->y());
    m_botonAnimado = boton;
    m_destinoBoton = ConvencionesPantalla::twips(etiqueta->x()) -
                     (ConvencionesPantalla::twips(boton->width()) - kSolapeBoton);
    if (!tmrMovBoton->isActive())
        tmrMovBoton->start(ConvencionesPantalla::intervalo(kIntervaloMovBoton));
}

void frmTarvelo::MoverBoton()
{
    if (!m_botonAnimado) {
        tmrMovBoton->stop();
        return;
    }
    // En reposo salta a la izquierda; en el siguiente paso vuelve y se para
    const int destino = pixeles(m_destinoBoton);
    if (m_botonAnimado->x() != destino) {
        m_botonAnimado->move(destino, m_botonAnimado->y());
        tmrMovBoton->stop();
    } else {
        m_botonAnimado->move(destino - pixeles(kSaltoBoton), m_botonAnimado->y());
    }
}
