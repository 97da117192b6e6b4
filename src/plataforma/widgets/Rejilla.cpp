#include "plataforma/widgets/Rejilla.h"

#include "datos/Error.h"
#include "plataforma/widgets/ModeloRejilla.h"
#include "plataforma/widgets/OrdenRejilla.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLoggingCategory>
#include <cmath>

Q_LOGGING_CATEGORY(lcRejilla, "tarvelo.rejilla", QtWarningMsg)

Rejilla::Rejilla(QWidget* padre) : QTableView(padre), m_modelo(new ModeloRejilla(this))
{
    setModel(m_modelo);
    m_modelo->ponerColumnas(1);
    m_anchos.fill(-1, 1);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setAlternatingRowColors(false);
    // Alto fijo y uniforme: con cien mil filas no se mide ninguna
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setMinimumSectionSize(0);
    ajustarAltoNormal();
    connect(this, &QAbstractItemView::clicked, this, &Rejilla::alPulsarCelda);
    // Con el teclado la fila actual también cambia
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& actual) {
        if (!actual.isValid() || m_seleccionando)
            return;
        m_fila = m_filaFin = m_modelo->filaDeVista(actual.row());
        m_columna = m_columnaFin = actual.column();
    });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &Rejilla::alPulsarTitulo);
}

Rejilla::~Rejilla() = default;

int Rejilla::filas() const
{
    return m_modelo->filas();
}

int Rejilla::columnas() const
{
    return m_modelo->columnas();
}

void Rejilla::ponerFilas(int filas)
{
    if (filas < 1)
        throw ErrorTarvelo(QStringLiteral("La rejilla «%1» necesita al menos la fila de títulos (se pidieron %2 filas).")
                               .arg(objectName())
                               .arg(filas));
    m_modelo->ponerFilas(filas);
    aplicarAnchos();
    aplicarAltosPropios();
    m_fila = qMin(m_fila, filas - 1);
    m_filaFin = qMin(m_filaFin, filas - 1);
}

void Rejilla::ponerColumnas(int columnas)
{
    if (columnas < 1)
        throw ErrorTarvelo(QStringLiteral("La rejilla «%1» necesita al menos una columna (se pidieron %2).")
                               .arg(objectName())
                               .arg(columnas));
    if (columnas == m_modelo->columnas())
        return;
    m_modelo->ponerColumnas(columnas);
    m_anchos.resize(columnas, -1);
    // El modelo se rehízo: la vista vuelve a tomar anchos, columnas ocultas y altos
    aplicarAnchos();
    aplicarAltosPropios();
    m_columna = qMin(m_columna, columnas - 1);
    m_columnaFin = qMin(m_columnaFin, columnas - 1);
}

void Rejilla::aplicarAnchos()
{
    for (int c = 0; c < m_anchos.size(); ++c) {
        const double twips = m_anchos.at(c);
        if (twips < 0)
            continue;
        const int px = twipsAPixeles(twips);
        setColumnHidden(c, px == 0);
        if (px > 0)
            setColumnWidth(c, px);
    }
}

void Rejilla::comprobar(int fila, int columna) const
{
    if (fila < 0 || fila >= filas() || columna < 0 || columna >= columnas())
        throw ErrorTarvelo(QStringLiteral("La celda (%1, %2) está fuera de la rejilla «%3», que tiene %4 filas y %5 columnas.")
                               .arg(fila)
                               .arg(columna)
                               .arg(objectName())
                               .arg(filas())
                               .arg(columnas()));
}

QString Rejilla::texto(int fila, int columna) const
{
    comprobar(fila, columna);
    return m_modelo->texto(fila, columna);
}

void Rejilla::ponerTexto(int fila, int columna, const QString& texto)
{
    comprobar(fila, columna);
    m_modelo->ponerTexto(fila, columna, texto);
}

QStringList Rejilla::titulos() const
{
    QStringList t;
    for (int c = 0; c < columnas(); ++c)
        t.append(m_modelo->texto(0, c));
    return t;
}

void Rejilla::ponerTitulos(const QStringList& titulos)
{
    ponerColumnas(int(qMax<qsizetype>(1, titulos.size())));
    for (int c = 0; c < titulos.size(); ++c)
        m_modelo->ponerTexto(0, c, titulos.at(c));
}

void Rejilla::ponerDatos(QList<QString>&& celdas, int columnas)
{
    if (columnas < 1 || celdas.size() % columnas != 0)
        throw ErrorTarvelo(QStringLiteral("Datos de la rejilla «%1» incompletos: %2 celdas para %3 columnas.")
                               .arg(objectName())
                               .arg(celdas.size())
                               .arg(columnas));
    const QStringList t = titulos();
    m_modelo->ponerDatos(std::move(celdas), columnas);
    for (int c = 0; c < columnas && c < t.size(); ++c)
        m_modelo->ponerTexto(0, c, t.at(c));
    m_anchos.resize(columnas, -1);
    aplicarAnchos();
    m_fila = m_filaFin = filas() > 1 ? 1 : 0;
    m_columna = m_columnaFin = 0;
}

void Rejilla::ajustarAltoNormal()
{
    // Títulos y filas del mismo alto, como en la rejilla de la suite
    const int alto = qMax(fontMetrics().height() + 12, horizontalHeader()->sizeHint().height());
    verticalHeader()->setDefaultSectionSize(alto);
    m_altoTitulos = alto;
    horizontalHeader()->setFixedHeight(alto);
}

void Rejilla::changeEvent(QEvent* evento)
{
    QTableView::changeEvent(evento);
    if (evento->type() == QEvent::FontChange)
        ajustarAltoNormal();
}

int Rejilla::altoFila(int fila) const
{
    comprobar(fila, 0);
    if (fila == 0)
        return horizontalHeader()->isHidden() ? 0 : m_altoTitulos;
    const int propio = m_modelo->alto(fila);
    return propio >= 0 ? propio : verticalHeader()->defaultSectionSize();
}

void Rejilla::ponerAltoFila(int fila, int alto)
{
    comprobar(fila, 0);
    if (alto < 0)
        throw ErrorTarvelo(QStringLiteral("Alto de fila no válido en la rejilla «%1»: %2.").arg(objectName()).arg(alto));
    if (fila == 0) {
        horizontalHeader()->setVisible(alto > 0);
        if (alto > 0) {
            m_altoTitulos = alto;
            horizontalHeader()->setFixedHeight(alto);
        }
        return;
    }
    // El alto normal no se guarda: así mostrar cien mil filas no fija cien mil altos
    const int propio = alto == verticalHeader()->defaultSectionSize() ? -1 : alto;
    m_modelo->ponerAlto(fila, propio);
    if (m_modelo->vistaPendiente()) {
        programarVista();
        return;
    }
    const int v = m_modelo->vistaDeFila(fila);
    if (v >= 0)
        setRowHeight(v, alto);
}

void Rejilla::programarVista()
{
    if (m_vistaProgramada)
        return;
    m_vistaProgramada = true;
    QMetaObject::invokeMethod(this, &Rejilla::aplicarVista, Qt::QueuedConnection);
}

void Rejilla::aplicarVista()
{
    // Una sola vez por tanda de filas ocultadas o mostradas (el filtro de las listas)
    m_vistaProgramada = false;
    if (!m_modelo->vistaPendiente())
        return;
    m_modelo->rehacerVista();
    aplicarAnchos();
    aplicarAltosPropios();
    if (m_modelo->vistaDeFila(m_fila) >= 0 && m_fila == m_filaFin)
        seleccionarEnVista();
    else
        scrollToTop();
}

void Rejilla::aplicarAltosPropios()
{
    for (int f : m_modelo->filasConAltoPropio())
        if (const int v = m_modelo->vistaDeFila(f); v >= 0)
            setRowHeight(v, m_modelo->alto(f));
}

int Rejilla::twipsAPixeles(double twips) const
{
    return int(std::lround(twips * logicalDpiX() / 1440.0));
}

double Rejilla::anchoColumna(int columna) const
{
    comprobar(0, columna);
    const double propio = m_anchos.value(columna, -1);
    if (propio >= 0)
        return propio;
    return columnWidth(columna) * 1440.0 / logicalDpiX();
}

void Rejilla::ponerAnchoColumna(int columna, double twips)
{
    comprobar(0, columna);
    if (!(twips >= 0) || !std::isfinite(twips))
        throw ErrorTarvelo(QStringLiteral("Ancho de columna no válido en la rejilla «%1»: %2.").arg(objectName()).arg(twips));
    m_anchos[columna] = twips;
    const int px = twipsAPixeles(twips);
    setColumnHidden(columna, px == 0);
    if (px > 0)
        setColumnWidth(columna, px);
}

Qt::Alignment Rejilla::alineacionColumna(int columna) const
{
    comprobar(0, columna);
    return m_modelo->alineacion(columna);
}

void Rejilla::ponerAlineacionColumna(int columna, Qt::Alignment alineacion)
{
    comprobar(0, columna);
    m_modelo->ponerAlineacion(columna, alineacion);
}

void Rejilla::ponerFilaActual(int fila)
{
    comprobar(fila, 0);
    m_fila = m_filaFin = fila;
    seleccionarEnVista();
}

void Rejilla::ponerColumnaActual(int columna)
{
    comprobar(0, columna);
    m_columna = m_columnaFin = columna;
    seleccionarEnVista();
}

void Rejilla::ponerSeleccion(int fila, int columna, int filaFin, int columnaFin)
{
    comprobar(fila, columna);
    comprobar(filaFin, columnaFin);
    m_fila = fila;
    m_columna = columna;
    m_filaFin = filaFin;
    m_columnaFin = columnaFin;
    seleccionarEnVista();
}

void Rejilla::seleccionarEnVista()
{
    if (m_modelo->vistaPendiente())
        aplicarVista();
    QItemSelectionModel* sel = selectionModel();
    const int v = m_modelo->vistaDeFila(m_fila);
    if (v < 0) {
        sel->clearSelection();
        return;
    }
    const QModelIndex actual = m_modelo->index(v, m_columna);
    // La selección la manda el código: el cambio de fila de la vista no la recorta
    m_seleccionando = true;
    sel->setCurrentIndex(actual, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_seleccionando = false;
    scrollTo(actual);
}

void Rejilla::alPulsarCelda(const QModelIndex& indice)
{
    if (!indice.isValid())
        return;
    m_fila = m_filaFin = m_modelo->filaDeVista(indice.row());
    m_columna = m_columnaFin = indice.column();
    emit pulsada(m_fila, m_columna);
}

void Rejilla::alPulsarTitulo(int columna)
{
    // Un clic en un título selecciona la columna entera: de la fila 1 a la última
    m_columna = m_columnaFin = columna;
    m_fila = filas() > 1 ? 1 : 0;
    m_filaFin = filas() - 1;
    emit pulsada(0, columna);
}

void Rejilla::ordenar(int columna, Orden orden)
{
    comprobar(0, columna);
    if (filas() <= 2)
        return;
    QList<QString> textos;
    textos.reserve(filas() - 1);
    for (int f = 1; f < filas(); ++f)
        textos.append(m_modelo->texto(f, columna));
    const QList<int> nuevo = OrdenRejilla::ordenGenerico(textos, orden == Orden::Descendente);
    // Fila y selección son posiciones, como en la rejilla de la suite: no siguen a los datos
    m_modelo->reordenar(nuevo);
    // Con filas ocultas el modelo se rehace entero: la vista vuelve a tomar anchos y altos
    aplicarAnchos();
    aplicarAltosPropios();
    if (m_fila > 0 && m_fila == m_filaFin)
        seleccionarEnVista();
    qCDebug(lcRejilla) << "ordenada" << objectName() << "por la columna" << columna;
}

QColor Rejilla::colorFondo(int fila, int columna) const
{
    comprobar(fila, columna);
    return m_modelo->colorFondo(fila, columna);
}

QColor Rejilla::colorTexto(int fila, int columna) const
{
    comprobar(fila, columna);
    return m_modelo->colorTexto(fila, columna);
}

void Rejilla::ponerColorFondo(int fila, int columna, const QColor& color)
{
    comprobar(fila, columna);
    m_modelo->ponerColorFondo(fila, columna, color);
}

void Rejilla::ponerColorTexto(int fila, int columna, const QColor& color)
{
    comprobar(fila, columna);
    m_modelo->ponerColorTexto(fila, columna, color);
}

void Rejilla::ponerColorFondoFila(int fila, const QColor& color)
{
    comprobar(fila, 0);
    m_modelo->ponerColorFondoFila(fila, color);
}
