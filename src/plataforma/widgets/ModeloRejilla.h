#pragma once
// Modelo de textos de la Rejilla: la fila 0 (títulos) es la cabecera y las
// filas de datos 1..n-1 son las del modelo. Las celdas se guardan seguidas
// (fila por fila) para llenar y ordenar deprisa; los colores solo ocupan
// memoria cuando se usan.
//
// Las filas ocultas (alto 0) no se le dan a la vista: ocultarlas una a una
// en la cabecera de la vista cuesta segundos con cien mil filas. El modelo
// anota los cambios y rehace de una vez la lista de filas visibles.
#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QStringList>

class ModeloRejilla : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloRejilla(QObject* padre = nullptr);

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

    // Numeración de la rejilla: fila 0 = títulos
    int filas() const { return m_filasDatos + 1; }
    int columnas() const { return m_columnas; }
    void ponerFilas(int filas);
    void ponerColumnas(int columnas);
    const QString& texto(int fila, int columna) const;
    void ponerTexto(int fila, int columna, const QString& texto);
    void ponerDatos(QList<QString>&& celdas, int columnas);

    Qt::Alignment alineacion(int columna) const;
    void ponerAlineacion(int columna, Qt::Alignment alineacion);

    QColor colorFondo(int fila, int columna) const { return leerColor(m_fondos, fila, columna); }
    QColor colorTexto(int fila, int columna) const { return leerColor(m_textos, fila, columna); }
    void ponerColorFondo(int fila, int columna, const QColor& color) { ponerColor(m_fondos, fila, columna, color); }
    void ponerColorTexto(int fila, int columna, const QColor& color) { ponerColor(m_textos, fila, columna, color); }
    void ponerColorFondoFila(int fila, const QColor& color);

    // Alto propio de cada fila de datos (-1 sin fijar, 0 oculta); viaja con la fila al ordenar
    int alto(int fila) const;
    void ponerAlto(int fila, int alto);
    QList<int> filasConAltoPropio() const;  // alto > 0

    // Filas de la rejilla y filas de la vista: -1 si la fila está oculta
    int vistaDeFila(int fila) const;
    int filaDeVista(int vista) const;
    // Ocultar o mostrar filas deja el cambio pendiente hasta rehacerVista()
    bool vistaPendiente() const { return m_vistaPendiente; }
    void rehacerVista();

    // Reordena las filas de datos: nuevo orden como posiciones de datos antiguas
    void reordenar(const QList<int>& orden);

private:
    // Colores por celda, 0 = sin color (el bit alfa marca los puestos)
    QColor leerColor(const QList<QRgb>& colores, int fila, int columna) const;
    void ponerColor(QList<QRgb>& colores, int fila, int columna, const QColor& color);
    // Posición en m_celdas de una celda de datos (fila >= 1)
    qsizetype pos(int fila, int columna) const { return qsizetype(fila - 1) * m_columnas + columna; }
    // Posición en las listas de colores: todas las filas, la 0 incluida
    qsizetype posColor(int fila, int columna) const { return qsizetype(fila) * m_columnas + columna; }
    void cambiarForma(int filasDatos, int columnas);
    void calcularMapa();
    void celdasCambiadas(int fila, int desde, int hasta, const QList<int>& roles);

    QStringList m_titulos;
    QList<QString> m_celdas;  // datos: m_filasDatos * m_columnas
    QList<Qt::Alignment> m_alineaciones;
    QList<QRgb> m_fondos;  // vacía o filas() * columnas()
    QList<QRgb> m_textos;
    QList<int> m_altos;  // vacía o filas() (la 0 sin uso)
    int m_filasDatos = 0;
    int m_columnas = 0;

    // Con filas ocultas, la vista ve solo m_mapa (filas de la rejilla)
    bool m_conMapa = false;
    bool m_vistaPendiente = false;
    QList<int> m_mapa;     // vista -> fila
    QList<int> m_inversa;  // fila -> vista o -1 (índice 0 sin uso)
};
