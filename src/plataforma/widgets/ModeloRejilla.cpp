#include "plataforma/widgets/ModeloRejilla.h"

namespace {
constexpr QRgb kPuesto = 0xFF000000u;
}  // namespace

ModeloRejilla::ModeloRejilla(QObject* padre) : QAbstractTableModel(padre) {}

int ModeloRejilla::rowCount(const QModelIndex& padre) const
{
    if (padre.isValid())
        return 0;
    return m_conMapa ? int(m_mapa.size()) : m_filasDatos;
}

int ModeloRejilla::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : m_columnas;
}

int ModeloRejilla::vistaDeFila(int fila) const
{
    if (fila < 1)
        return -1;
    return m_conMapa ? m_inversa.at(fila) : fila - 1;
}

int ModeloRejilla::filaDeVista(int vista) const
{
    return m_conMapa ? m_mapa.at(vista) : vista + 1;
}

QVariant ModeloRejilla::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid())
        return {};
    const int fila = filaDeVista(indice.row());
    const int columna = indice.column();
    switch (rol) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return m_celdas.at(pos(fila, columna));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alineacion(columna) | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
        const QColor c = colorFondo(fila, columna);
        return c.isValid() ? QVariant(c) : QVariant();
    }
    case Qt::ForegroundRole: {
        const QColor c = colorTexto(fila, columna);
        return c.isValid() ? QVariant(c) : QVariant();
    }
    default:
        return {};
    }
}

QVariant ModeloRejilla::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || seccion < 0 || seccion >= m_columnas)
        return QAbstractTableModel::headerData(seccion, orientacion, rol);
    switch (rol) {
    case Qt::DisplayRole:
        return m_titulos.at(seccion);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alineacion(seccion) | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
        const QColor c = colorFondo(0, seccion);
        return c.isValid() ? QVariant(c) : QVariant();
    }
    case Qt::ForegroundRole: {
        const QColor c = colorTexto(0, seccion);
        return c.isValid() ? QVariant(c) : QVariant();
    }
    default:
        return {};
    }
}

void ModeloRejilla::celdasCambiadas(int fila, int desde, int hasta, const QList<int>& roles)
{
    if (fila == 0) {
        emit headerDataChanged(Qt::Horizontal, desde, hasta);
        return;
    }
    const int vista = vistaDeFila(fila);
    if (vista >= 0 && vista < rowCount())
        emit dataChanged(index(vista, desde), index(vista, hasta), roles);
}

void ModeloRejilla::cambiarForma(int filasDatos, int columnas)
{
    if (columnas == m_columnas) {
        // Solo cambian las filas: se recorta o se alarga por el final
        m_celdas.resize(qsizetype(filasDatos) * columnas);
    } else {
        QList<QString> nuevas(qsizetype(filasDatos) * columnas);
        const int filasComunes = qMin(filasDatos, m_filasDatos);
        const int columnasComunes = qMin(columnas, m_columnas);
        for (int f = 0; f < filasComunes; ++f)
            for (int c = 0; c < columnasComunes; ++c)
                nuevas[qsizetype(f) * columnas + c] = std::move(m_celdas[qsizetype(f) * m_columnas + c]);
        m_celdas = std::move(nuevas);
    }
    auto rehacerColores = [&](QList<QRgb>& colores) {
        if (colores.isEmpty())
            return;
        QList<QRgb> nuevos(qsizetype(filasDatos + 1) * columnas, 0);
        const int filasComunes = qMin(filasDatos, m_filasDatos) + 1;
        const int columnasComunes = qMin(columnas, m_columnas);
        for (int f = 0; f < filasComunes; ++f)
            for (int c = 0; c < columnasComunes; ++c)
                nuevos[qsizetype(f) * columnas + c] = colores[qsizetype(f) * m_columnas + c];
        colores = std::move(nuevos);
    };
    rehacerColores(m_fondos);
    rehacerColores(m_textos);
    if (!m_altos.isEmpty())
        m_altos.resize(filasDatos + 1, -1);
    m_titulos.resize(columnas);
    m_alineaciones.resize(columnas, Qt::AlignLeft);
    m_filasDatos = filasDatos;
    m_columnas = columnas;
}

void ModeloRejilla::calcularMapa()
{
    m_mapa.clear();
    m_inversa.clear();
    m_vistaPendiente = false;
    m_conMapa = !m_altos.isEmpty() && std::find(m_altos.cbegin() + 1, m_altos.cend(), 0) != m_altos.cend();
    if (!m_conMapa)
        return;
    m_inversa.fill(-1, filas());
    m_mapa.reserve(m_filasDatos);
    for (int f = 1; f <= m_filasDatos; ++f) {
        if (m_altos.at(f) == 0)
            continue;
        m_inversa[f] = int(m_mapa.size());
        m_mapa.append(f);
    }
}

void ModeloRejilla::rehacerVista()
{
    beginResetModel();
    calcularMapa();
    endResetModel();
}

void ModeloRejilla::ponerFilas(int filas)
{
    const int datos = filas - 1;
    if (datos == m_filasDatos)
        return;
    if (m_conMapa || m_vistaPendiente) {
        beginResetModel();
        cambiarForma(datos, m_columnas);
        calcularMapa();
        endResetModel();
    } else if (datos < m_filasDatos) {
        beginRemoveRows({}, datos, m_filasDatos - 1);
        cambiarForma(datos, m_columnas);
        endRemoveRows();
    } else {
        beginInsertRows({}, m_filasDatos, datos - 1);
        cambiarForma(datos, m_columnas);
        endInsertRows();
    }
}

void ModeloRejilla::ponerColumnas(int columnas)
{
    if (columnas == m_columnas)
        return;
    beginResetModel();
    cambiarForma(m_filasDatos, columnas);
    calcularMapa();
    endResetModel();
}

const QString& ModeloRejilla::texto(int fila, int columna) const
{
    if (fila == 0)
        return m_titulos.at(columna);
    return m_celdas.at(pos(fila, columna));
}

void ModeloRejilla::ponerTexto(int fila, int columna, const QString& texto)
{
    QString& celda = fila == 0 ? m_titulos[columna] : m_celdas[pos(fila, columna)];
    if (celda == texto)
        return;
    celda = texto;
    celdasCambiadas(fila, columna, columna, {Qt::DisplayRole});
}

void ModeloRejilla::ponerDatos(QList<QString>&& celdas, int columnas)
{
    Q_ASSERT(columnas > 0 && celdas.size() % columnas == 0);
    beginResetModel();
    const int filasDatos = int(celdas.size() / columnas);
    m_celdas.clear();
    m_fondos.clear();
    m_textos.clear();
    m_altos.clear();
    m_filasDatos = 0;
    cambiarForma(0, columnas);
    m_celdas = std::move(celdas);
    m_filasDatos = filasDatos;
    calcularMapa();
    endResetModel();
}

Qt::Alignment ModeloRejilla::alineacion(int columna) const
{
    return m_alineaciones.value(columna, Qt::AlignLeft);
}

void ModeloRejilla::ponerAlineacion(int columna, Qt::Alignment alineacion)
{
    m_alineaciones[columna] = alineacion & Qt::AlignHorizontal_Mask;
    if (rowCount() > 0)
        emit dataChanged(index(0, columna), index(rowCount() - 1, columna), {Qt::TextAlignmentRole});
    emit headerDataChanged(Qt::Horizontal, columna, columna);
}

QColor ModeloRejilla::leerColor(const QList<QRgb>& colores, int fila, int columna) const
{
    if (colores.isEmpty())
        return {};
    const QRgb c = colores.at(posColor(fila, columna));
    return (c & kPuesto) ? QColor::fromRgb(c) : QColor();
}

void ModeloRejilla::ponerColor(QList<QRgb>& colores, int fila, int columna, const QColor& color)
{
    if (colores.isEmpty()) {
        if (!color.isValid())
            return;
        colores.fill(0, qsizetype(filas()) * m_columnas);
    }
    colores[posColor(fila, columna)] = color.isValid() ? (color.rgb() | kPuesto) : 0;
    celdasCambiadas(fila, columna, columna, {Qt::BackgroundRole, Qt::ForegroundRole});
}

void ModeloRejilla::ponerColorFondoFila(int fila, const QColor& color)
{
    if (m_fondos.isEmpty()) {
        if (!color.isValid())
            return;
        m_fondos.fill(0, qsizetype(filas()) * m_columnas);
    }
    const QRgb valor = color.isValid() ? (color.rgb() | kPuesto) : 0;
    std::fill_n(m_fondos.begin() + posColor(fila, 0), m_columnas, valor);
    celdasCambiadas(fila, 0, m_columnas - 1, {Qt::BackgroundRole});
}

int ModeloRejilla::alto(int fila) const
{
    return m_altos.isEmpty() ? -1 : m_altos.at(fila);
}

void ModeloRejilla::ponerAlto(int fila, int alto)
{
    if (m_altos.isEmpty()) {
        if (alto < 0)
            return;
        m_altos.fill(-1, filas());
    }
    const bool estabaOculta = m_altos.at(fila) == 0;
    m_altos[fila] = alto;
    if (estabaOculta != (alto == 0))
        m_vistaPendiente = true;
}

QList<int> ModeloRejilla::filasConAltoPropio() const
{
    QList<int> lista;
    for (int f = 1; f < m_altos.size(); ++f)
        if (m_altos.at(f) > 0)
            lista.append(f);
    return lista;
}

void ModeloRejilla::reordenar(const QList<int>& orden)
{
    Q_ASSERT(orden.size() == m_filasDatos);
    const bool conMapa = m_conMapa || m_vistaPendiente;
    if (conMapa)
        beginResetModel();
    else
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<QString> celdas(m_celdas.size());
    for (int nueva = 0; nueva < m_filasDatos; ++nueva) {
        const qsizetype origen = qsizetype(orden.at(nueva)) * m_columnas;
        const qsizetype destino = qsizetype(nueva) * m_columnas;
        for (int c = 0; c < m_columnas; ++c)
            celdas[destino + c] = std::move(m_celdas[origen + c]);
    }
    m_celdas = std::move(celdas);
    // Los colores y los altos van con su fila; la 0 no se mueve
    auto mover = [&](QList<QRgb>& colores) {
        if (colores.isEmpty())
            return;
        QList<QRgb> nuevos(colores.size());
        std::copy_n(colores.cbegin(), m_columnas, nuevos.begin());
        for (int nueva = 0; nueva < m_filasDatos; ++nueva)
            std::copy_n(colores.cbegin() + posColor(orden.at(nueva) + 1, 0), m_columnas,
                        nuevos.begin() + posColor(nueva + 1, 0));
        colores = std::move(nuevos);
    };
    mover(m_fondos);
    mover(m_textos);
    if (!m_altos.isEmpty()) {
        QList<int> altos(m_altos.size(), -1);
        for (int nueva = 0; nueva < m_filasDatos; ++nueva)
            altos[nueva + 1] = m_altos.at(orden.at(nueva) + 1);
        m_altos = std::move(altos);
    }
    if (conMapa) {
        calcularMapa();
        endResetModel();
        return;
    }
    // Los índices persistentes (la fila actual de la vista) siguen a su fila
    QList<int> inversa(m_filasDatos);
    for (int nueva = 0; nueva < m_filasDatos; ++nueva)
        inversa[orden.at(nueva)] = nueva;
    const QModelIndexList antes = persistentIndexList();
    QModelIndexList despues;
    despues.reserve(antes.size());
    for (const QModelIndex& i : antes)
        despues.append(index(inversa.at(i.row()), i.column()));
    changePersistentIndexList(antes, despues);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
