#include "pantallas/comun/ConvencionesPantalla.h"

#include "datos/Componentes.h"
#include "datos/Transaccion.h"
#include "pantallas/comun/IconosAjuste.h"
#include "plataforma/pantalla/Visorel.h"
#include "datos/Globales.h"
#include "principal/ManejadorErrores.h"

#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

Q_LOGGING_CATEGORY(lcConvenciones, "tarvelo.pantallas", QtWarningMsg)

namespace {

double& escala()
{
    static double e = 1.0;
    return e;
}

constexpr int kIntervaloAyuda = 1;     // ms
constexpr double kPasoAyuda = 100;     // twips por tick
constexpr double kMargenAyuda = 100;   // twips a la derecha del visor
constexpr QSize kVisorDiseno(600, 420);  // 9000 x 6300 twips a 1024 de ancho

}  // namespace

void DialogoPantalla::keyPressEvent(QKeyEvent* evento)
{
    if (evento->matches(QKeySequence::Cancel)) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void DialogoPantalla::closeEvent(QCloseEvent* evento)
{
    // Espontáneo = lo pide el gestor de ventanas; close() desde un botón no lo es
    if (evento->spontaneous()) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

ConvencionesPantalla::ConvencionesPantalla(DialogoPantalla* pantalla, const QString& paginaAyuda)
    : QObject(pantalla), m_pantalla(pantalla), m_pagina(paginaAyuda)
{
    setObjectName(QStringLiteral("convenciones"));
    crearControles();
}

void ConvencionesPantalla::crearControles()
{
    m_marcoAjustes = new QFrame(m_pantalla);
    m_marcoAjustes->setObjectName(QStringLiteral("frAjustes"));
    auto* capa = new QHBoxLayout(m_marcoAjustes);
    capa->setContentsMargins(4, 4, 4, 4);
    capa->setSpacing(6);

    const auto boton = [this, capa](const char* nombre, IconosAjuste::Tipo tipo, const QString& ayuda) {
        auto* b = new QToolButton(m_marcoAjustes);
        b->setObjectName(QLatin1String(nombre));
        b->setIcon(IconosAjuste::icono(tipo));
        b->setIconSize(QSize(32, 32));
        b->setMinimumSize(56, 48);
        b->setToolTip(ayuda);
        b->setAccessibleName(ayuda);
        b->setFocusPolicy(Qt::NoFocus);
        capa->addWidget(b);
        return b;
    };
    m_zoom1 = boton("fr_Zoom1", IconosAjuste::Tamano, QStringLiteral("Tamaño de pantalla"));
    m_zoom2 = boton("fr_Zoom2", IconosAjuste::OpcionVisual, QStringLiteral("Opción visual"));
    m_zoom3 = boton("fr_Zoom3", IconosAjuste::Colores, QStringLiteral("Colores"));
    // El cuarto no tiene acción: no se muestra para no ofrecer un botón que no hace nada
    m_zoom4 = new QFrame(m_marcoAjustes);
    m_zoom4->setObjectName(QStringLiteral("fr_Zoom4"));
    m_zoom4->hide();
    m_marcoAjustes->adjustSize();

    m_ayuda = new QPushButton(QStringLiteral("Ayuda"), m_pantalla);
    m_ayuda->setObjectName(QStringLiteral("cmd_Ayuda"));
    m_ayuda->setIcon(IconosAjuste::icono(IconosAjuste::Ayuda));
    m_ayuda->setIconSize(QSize(32, 32));
    m_ayuda->setMinimumSize(130, 56);
    QFont letra = m_ayuda->font();
    letra.setPointSizeF(letra.pointSizeF() * 1.3);
    letra.setBold(true);
    m_ayuda->setFont(letra);
    m_ayuda->setFocusPolicy(Qt::NoFocus);

    m_visor = new Visorel(m_pantalla);
    m_visor->setObjectName(QStringLiteral("Open1"));
    m_visor->resize(kVisorDiseno);
    m_visor->hide();

    m_tmrAyuda = new QTimer(this);
    m_tmrAyuda->setObjectName(QStringLiteral("tmrAyuda"));
    m_tmrAyuda->setInterval(intervalo(kIntervaloAyuda));

    // Ningún error sale al bucle de eventos: mensaje y la pantalla sigue
    const auto guardado = [](auto accion) { return [accion] { ManejadorErrores::ejecutar(accion); }; };
    connect(m_zoom1, &QToolButton::clicked, this, guardado([this] { pulsarZoom1(); }));
    connect(m_zoom2, &QToolButton::clicked, this, guardado([this] { pulsarZoom2(); }));
    connect(m_zoom3, &QToolButton::clicked, this, guardado([this] { pulsarZoom3(); }));
    connect(m_ayuda, &QPushButton::clicked, this, guardado([this] { pulsarAyuda(); }));
    connect(m_tmrAyuda, &QTimer::timeout, this, &ConvencionesPantalla::pasoAyuda);
    connect(m_visor, &Visorel::pideCierre, this, &ConvencionesPantalla::alCerrarVisor);
}

void ConvencionesPantalla::cargar(const std::function<void()>& contenido)
{
    traducir();
    if (contenido)
        contenido();
    aplicarOpcionVisual();
    ModificarTamano();
    colorearme();
    ColocarAyuda();
    aplicarPermisos();
}

void ConvencionesPantalla::traducir()
{
    Componentes::traductor().Aplicar(gConexion, m_pantalla);
}

void ConvencionesPantalla::aplicarOpcionVisual()
{
    Componentes::opcionesVisuales().Aplicar(gConexion, m_pantalla, m_opcionPropia ? m_opcionVisual : gOpcionVisual);
}

void ConvencionesPantalla::ModificarTamano()
{
    // Sin los tamaños de la sesión (aún no cargados) la pantalla se queda como se diseñó
    if (gAnchoPantalla <= 0 || gAltoPantalla <= 0 || gAnchoDiseno <= 0 || gAltoDiseno <= 0) {
        qCInfo(lcConvenciones) << "Sin tamaños de pantalla en la sesión: no se escala" << m_pantalla->objectName();
        return;
    }
    redimensionar(gAnchoPantalla, gAltoPantalla, gAnchoDiseno, gAltoDiseno);
}

void ConvencionesPantalla::redimensionar(double anchoDestino, double altoDestino, double anchoReferencia,
                                         double altoReferencia)
{
    Componentes::redimensionador().Redimensionar(gConexion, m_pantalla, anchoDestino, altoDestino, anchoReferencia,
                                                 altoReferencia);
    // El visor se ha escalado con la pantalla: su posición en twips también
    if (altoReferencia > 0)
        m_topAyuda *= altoDestino / altoReferencia;
}

void ConvencionesPantalla::colorearme()
{
    Componentes::colores().Aplicar(m_pantalla, gEsquemaColores, gConexion);
    // Los iconos de ajuste, en el color del texto de sus botones
    for (auto [boton, tipo] : {std::pair{m_zoom1, IconosAjuste::Tamano}, std::pair{m_zoom2, IconosAjuste::OpcionVisual},
                               std::pair{m_zoom3, IconosAjuste::Colores}})
        boton->setIcon(IconosAjuste::icono(tipo, boton->palette().color(QPalette::ButtonText)));
    if (m_coloresPropios)
        m_coloresPropios();
}

void ConvencionesPantalla::ColocarAyuda()
{
    m_topAyuda = twips(m_pantalla->height());
    const double izquierda = twips(m_pantalla->width()) - twips(m_visor->width()) - kMargenAyuda;
    m_visor->move(qRound(izquierda / kTwipsPorPixel), qRound(m_topAyuda / kTwipsPorPixel));
}

void ConvencionesPantalla::aplicarPermisos()
{
    Componentes::permisos().Aplicar(gConexion, m_pantalla, gEmpleadoTerminal);
}

void ConvencionesPantalla::ponerDestinoAyuda(QWidget* marcoSuperior, QWidget* separador)
{
    m_marcoSuperior = marcoSuperior;
    m_separador = separador;
}

double ConvencionesPantalla::destinoAyuda() const
{
    if (!m_marcoSuperior || !m_separador)
        return 0;
    const int arriba = m_marcoSuperior->mapTo(m_pantalla, QPoint(0, 0)).y();
    return twips(arriba) + twips(m_separador->height());
}

void ConvencionesPantalla::pulsarZoom1()
{
    gAnchoDiseno = twips(m_pantalla->width());
    gAltoDiseno = twips(m_pantalla->height());
    if (Componentes::puesto().ElegirTamanoPantalla(gConexion, gAnchoPantalla, gAltoPantalla))
        ModificarTamano();
}

void ConvencionesPantalla::pulsarZoom2()
{
    const int opcion = Componentes::puesto().ElegirOpcionVisual(gConexion);
    if (m_opcionPropia)
        m_opcionVisual = opcion;
    else
        gOpcionVisual = opcion;
    aplicarOpcionVisual();
}

void ConvencionesPantalla::pulsarZoom3()
{
    gEsquemaColores = Componentes::puesto().ElegirEsquemaColores(gConexion);
    colorearme();
}

void ConvencionesPantalla::pulsarAyuda()
{
    m_ayudaAbriendo = true;
    m_paginaAyuda = QDir(carpetaPrograma()).filePath(QStringLiteral("ayudas/") + m_pagina);
    const double alto = twips(m_pantalla->height()) - destinoAyuda();
    m_visor->resize(m_visor->width(), qRound(alto / kTwipsPorPixel));
    m_visor->ponerPagina(m_paginaAyuda);
    m_visor->abrir();
    // Vuelva a pulsarse o no mientras sube, empieza desde el borde de abajo
    m_topAyuda = twips(m_pantalla->height());
    m_visor->move(m_visor->x(), qRound(m_topAyuda / kTwipsPorPixel));
    m_visor->show();
    m_visor->raise();
    m_tmrAyuda->start(intervalo(kIntervaloAyuda));
}

void ConvencionesPantalla::alCerrarVisor()
{
    if (!m_visor->property("cerrar").toBool())
        return;
    m_ayudaAbriendo = false;
    m_tmrAyuda->start(intervalo(kIntervaloAyuda));
}

void ConvencionesPantalla::pasoAyuda()
{
    if (m_ayudaAbriendo) {
        const double destino = destinoAyuda();
        if (m_topAyuda <= destino) {
            m_topAyuda = destino;
            m_tmrAyuda->stop();
        } else {
            m_topAyuda -= kPasoAyuda;
        }
    } else {
        const double abajo = twips(m_pantalla->height());
        if (m_topAyuda >= abajo) {
            m_topAyuda = abajo;
            m_tmrAyuda->stop();
            m_visor->hide();
        } else {
            m_topAyuda += kPasoAyuda;
        }
    }
    m_visor->move(m_visor->x(), qRound(m_topAyuda / kTwipsPorPixel));
}

void ConvencionesPantalla::grabarMantenimiento()
{
    ManejadorErrores::ejecutar([this] {
        Transaccion t(gConexion);
        Componentes::traductor().GrabarTextos(gConexion, m_pantalla);
        Componentes::permisos().GrabarControles(gConexion, m_pantalla);
        t.confirmar();
    });
}

void ConvencionesPantalla::ponerEscalaTiempo(double e)
{
    escala() = e < 0 ? 0 : e;
}

double ConvencionesPantalla::escalaTiempo()
{
    return escala();
}

int ConvencionesPantalla::intervalo(int milisegundos)
{
    return qMax(0, qRound(milisegundos * escala()));
}
