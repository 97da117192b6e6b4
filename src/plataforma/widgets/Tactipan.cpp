#include "plataforma/widgets/Tactipan.h"

#include "plataforma/ColorBgr.h"
#include "plataforma/widgets/BotonPanel.h"

#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QPushButton>
#include <cmath>

Q_LOGGING_CATEGORY(lcPanel, "tarvelo.panel", QtWarningMsg)

namespace {
constexpr int kMargen = 8;
constexpr int kHueco = 6;
constexpr int kAltoPaginasMin = 64;

QPixmap cargarImagen(const QString& ruta)
{
    if (ruta.isEmpty())
        return {};
    QPixmap imagen;
    const QString clave = QStringLiteral("panel:") + ruta;
    if (QPixmapCache::find(clave, &imagen))
        return imagen;
    // Una imagen que falta o no se lee deja el botón sin imagen
    if (!QFileInfo(ruta).isFile() || !imagen.load(ruta)) {
        qCDebug(lcPanel) << "sin imagen:" << ruta;
        return {};
    }
    QPixmapCache::insert(clave, imagen);
    return imagen;
}

QString estiloPagina(const QColor& fondo)
{
    const QColor texto = BotonPanel::colorTextoSobre(fondo);
    return QStringLiteral("QPushButton { background: %1; color: %2; border: 2px solid %3; border-radius: 12px;"
                          " font-weight: bold; font-size: 22px; padding: 4px 18px; }"
                          "QPushButton:pressed { background: %3; }"
                          "QPushButton:disabled { background: %4; color: %5; border-color: %4; }")
        .arg(fondo.name(), texto.name(), fondo.darker(150).name(), fondo.lighter(160).name(),
             fondo.lighter(120).name());
}
}  // namespace

Tactipan::Tactipan(QWidget* padre)
    : QWidget(padre),
      m_anterior(new QPushButton(QStringLiteral("◀  Anterior"), this)),
      m_siguiente(new QPushButton(QStringLiteral("Siguiente  ▶"), this)),
      m_lblPagina(new QLabel(this)),
      m_colorFondo(0xE8, 0xEC, 0xF1),
      m_colorMarco(0x8A, 0x96, 0xA3),
      m_colorBoton(0x2E, 0x6F, 0xB5),
      m_colorPaginas(0x45, 0x5A, 0x64)
{
    setAttribute(Qt::WA_StyledBackground, false);
    m_anterior->setObjectName(QStringLiteral("cmdPaginaAnterior"));
    m_siguiente->setObjectName(QStringLiteral("cmdPaginaSiguiente"));
    m_lblPagina->setObjectName(QStringLiteral("lblPagina"));
    for (QPushButton* b : {m_anterior, m_siguiente}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(false);
        b->hide();
    }
    m_lblPagina->setAlignment(Qt::AlignCenter);
    m_lblPagina->hide();
    connect(m_anterior, &QPushButton::clicked, this, [this] { irAPagina(m_pagina - 1); });
    connect(m_siguiente, &QPushButton::clicked, this, [this] { irAPagina(m_pagina + 1); });
    ponerColorPaginas(m_colorPaginas);
    setMinimumSize(200, 120);
}

Tactipan::~Tactipan() = default;

void Tactipan::inicializar()
{
    reiniciar();
}

void Tactipan::reiniciar()
{
    m_lista.clear();
    m_visibles.clear();
    m_pulsado = ElementoPanel{};
    m_indicePulsado = -1;
    m_pagina = 0;
    calcularCuadricula();
    mostrarPagina();
}

void Tactipan::cargar(const ListaPanel& lista)
{
    m_lista = lista;
    m_visibles.clear();
    m_pagina = 0;
}

void Tactipan::redibujar()
{
    m_visibles.clear();
    m_visibles.reserve(m_lista.size());
    for (int i = 0; i < m_lista.size(); ++i) {
        const ElementoPanel& e = m_lista.at(i);
        // La última entrada vacía de las listas (y cualquier otra sin texto ni código) no es un botón
        if (e.caption.isEmpty() && e.codigo.isEmpty())
            continue;
        m_visibles.append(i);
    }
    calcularCuadricula();
    m_pagina = qBound(0, m_pagina, paginas() - 1);
    mostrarPagina();
    update();
}

int Tactipan::paginas() const
{
    if (m_visibles.isEmpty())
        return 1;
    return int((m_visibles.size() + m_porPagina - 1) / m_porPagina);
}

void Tactipan::irAPagina(int pagina)
{
    const int nueva = qBound(0, pagina, paginas() - 1);
    if (nueva == m_pagina)
        return;
    m_pagina = nueva;
    mostrarPagina();
}

void Tactipan::ponerColorFondo(const QColor& color)
{
    m_colorFondo = color;
    update();
}

void Tactipan::ponerColorMarco(const QColor& color)
{
    m_colorMarco = color;
    mostrarPagina();
    update();
}

void Tactipan::ponerColorBoton(const QColor& color)
{
    m_colorBoton = color;
    mostrarPagina();
}

void Tactipan::ponerColorPaginas(const QColor& color)
{
    m_colorPaginas = color;
    const QString estilo = estiloPagina(color);
    m_anterior->setStyleSheet(estilo);
    m_siguiente->setStyleSheet(estilo);
    update();
}

void Tactipan::ponerUsarColoresElementos(bool usar)
{
    m_usarColoresElementos = usar;
    mostrarPagina();
}

void Tactipan::ponerCuadricula(int columnas, int filas)
{
    m_columnasFijas = qMax(0, columnas);
    m_filasFijas = qMax(0, filas);
    calcularCuadricula();
    m_pagina = qBound(0, m_pagina, paginas() - 1);
    mostrarPagina();
}

void Tactipan::ponerTamanoMinimoBoton(const QSize& tamano)
{
    m_minimoBoton = tamano.expandedTo(QSize(40, 30));
    calcularCuadricula();
    m_pagina = qBound(0, m_pagina, paginas() - 1);
    mostrarPagina();
}

QList<BotonPanel*> Tactipan::botonesPagina() const
{
    QList<BotonPanel*> lista;
    for (BotonPanel* b : m_botones)
        if (!b->isHidden())
            lista.append(b);
    return lista;
}

QColor Tactipan::colorDe(const ElementoPanel& e) const
{
    if (!m_usarColoresElementos)
        return m_colorBoton;
    return ColorBgr::aColor(e.color, m_colorBoton);
}

void Tactipan::calcularCuadricula()
{
    const int ancho = qMax(1, width() - 2 * kMargen);
    const int alto = qMax(1, height() - 2 * kMargen);
    auto cuantas = [](int espacio, int minimo) { return qMax(1, (espacio + kHueco) / (minimo + kHueco)); };
    m_columnas = m_columnasFijas > 0 ? m_columnasFijas : cuantas(ancho, m_minimoBoton.width());
    m_filas = m_filasFijas > 0 ? m_filasFijas : cuantas(alto, m_minimoBoton.height());
    m_conPaginas = m_visibles.size() > qsizetype(m_columnas) * m_filas;
    if (m_conPaginas && m_filasFijas == 0) {
        // La franja de páginas quita sitio a los botones
        const int franja = qMax(kAltoPaginasMin, m_minimoBoton.height() * 3 / 4);
        m_filas = cuantas(qMax(1, alto - franja - kHueco), m_minimoBoton.height());
    }
    m_porPagina = m_columnas * m_filas;
}

void Tactipan::colocarBotones()
{
    const QRect zona = rect().adjusted(kMargen, kMargen, -kMargen, -kMargen);
    int altoBotones = zona.height();
    if (m_conPaginas) {
        const int franja = qMax(kAltoPaginasMin, m_minimoBoton.height() * 3 / 4);
        altoBotones = zona.height() - franja - kHueco;
        const int anchoPagina = qMax(160, zona.width() / 3);
        const int y = zona.bottom() - franja + 1;
        m_anterior->setGeometry(zona.left(), y, anchoPagina, franja);
        m_siguiente->setGeometry(zona.right() - anchoPagina + 1, y, anchoPagina, franja);
        m_lblPagina->setGeometry(zona.left() + anchoPagina, y, zona.width() - 2 * anchoPagina, franja);
    }
    const double anchoCelda = double(zona.width() + kHueco) / m_columnas;
    const double altoCelda = double(altoBotones + kHueco) / m_filas;
    for (int i = 0; i < m_botones.size(); ++i) {
        const int f = i / m_columnas;
        const int c = i % m_columnas;
        const int x = zona.left() + int(std::lround(c * anchoCelda));
        const int y = zona.top() + int(std::lround(f * altoCelda));
        const int x2 = zona.left() + int(std::lround((c + 1) * anchoCelda)) - kHueco;
        const int y2 = zona.top() + int(std::lround((f + 1) * altoCelda)) - kHueco;
        m_botones[i]->setGeometry(x, y, qMax(1, x2 - x), qMax(1, y2 - y));
    }
}

void Tactipan::mostrarPagina()
{
    // Los botones de una página se reutilizan: con doscientos elementos solo existen los de una página
    const int primero = m_pagina * m_porPagina;
    const int hacen = qBound(0, int(m_visibles.size()) - primero, m_porPagina);
    while (m_botones.size() < hacen) {
        auto* b = new BotonPanel(this);
        const int posicion = int(m_botones.size());
        b->setObjectName(QStringLiteral("boton%1").arg(posicion));
        connect(b, &BotonPanel::clicked, this, [this, posicion] { pulsar(posicion); });
        m_botones.append(b);
    }
    for (int i = 0; i < m_botones.size(); ++i) {
        BotonPanel* b = m_botones.at(i);
        const int v = primero + i;
        if (i >= m_porPagina || v >= m_visibles.size()) {
            b->hide();
            continue;
        }
        const ElementoPanel& e = m_lista.at(m_visibles.at(v));
        b->mostrar(e.caption, colorDe(e), cargarImagen(e.imagen), m_colorMarco);
        b->show();
    }
    m_anterior->setVisible(m_conPaginas);
    m_siguiente->setVisible(m_conPaginas);
    m_lblPagina->setVisible(m_conPaginas);
    if (m_conPaginas) {
        m_anterior->setEnabled(m_pagina > 0);
        m_siguiente->setEnabled(m_pagina < paginas() - 1);
        m_lblPagina->setText(QStringLiteral("<span style='font-size:20px; font-weight:bold; color:%3'>%1 / %2</span>")
                                 .arg(m_pagina + 1)
                                 .arg(paginas())
                                 .arg(BotonPanel::colorTextoSobre(m_colorFondo).name()));
    }
    colocarBotones();
}

void Tactipan::pulsar(int posicion)
{
    const int v = m_pagina * m_porPagina + posicion;
    if (v < 0 || v >= m_visibles.size())
        return;
    m_indicePulsado = m_visibles.at(v);
    m_pulsado = m_lista.at(m_indicePulsado);
    emit pulsado(m_pulsado);
}

void Tactipan::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    // Conserva el primer elemento a la vista al cambiar cuántos caben por página
    const int primero = m_pagina * m_porPagina;
    calcularCuadricula();
    m_pagina = qBound(0, primero / qMax(1, m_porPagina), paginas() - 1);
    mostrarPagina();
}

void Tactipan::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath forma;
    forma.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 10, 10);
    p.fillPath(forma, m_colorFondo);
    p.setPen(QPen(m_colorMarco, 2));
    p.drawPath(forma);
}
