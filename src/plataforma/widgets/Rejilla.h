#pragma once
// Rejilla de textos con las reglas de la rejilla de la suite: la fila 0
// lleva los títulos (se ven como cabecera, pero el código la sigue leyendo
// como fila 0), las celdas se leen y escriben por (fila, columna) desde 0,
// una fila de alto 0 queda oculta, y hay fila y columna actuales, selección,
// orden genérico y colores por celda. Anchos de columna en twips.
#include <QColor>
#include <QTableView>

class ModeloRejilla;

class Rejilla : public QTableView {
    Q_OBJECT
public:
    enum class Orden { Ascendente, Descendente };

    explicit Rejilla(QWidget* padre = nullptr);
    ~Rejilla() override;

    // Filas y columnas, la fila de títulos incluida (al menos 1 fila)
    int filas() const;
    int columnas() const;
    void ponerFilas(int filas);
    void ponerColumnas(int columnas);

    // Celdas; fuera de la rejilla es un error con la posición
    QString texto(int fila, int columna) const;
    void ponerTexto(int fila, int columna, const QString& texto);
    QStringList titulos() const;
    void ponerTitulos(const QStringList& titulos);  // fija también las columnas

    // Carga de golpe: filas de datos tras la de títulos, todas de columnas() textos
    void ponerDatos(QList<QString>&& celdas, int columnas);

    // Alto de fila en píxeles: 0 la oculta; la fila 0 da el alto de la cabecera,
    // que es el de las demás filas (darle a una fila el alto de la 0 la vuelve a mostrar).
    // La vista se entera de las filas ocultas al volver al bucle de eventos.
    int altoFila(int fila) const;
    void ponerAltoFila(int fila, int alto);
    bool filaOculta(int fila) const { return fila > 0 && altoFila(fila) == 0; }

    // Ancho de columna en twips (1440 por pulgada): 0 la oculta
    double anchoColumna(int columna) const;
    void ponerAnchoColumna(int columna, double twips);
    Qt::Alignment alineacionColumna(int columna) const;
    void ponerAlineacionColumna(int columna, Qt::Alignment alineacion);

    // Fila y columna actuales, y fin de la selección (fila 0 = títulos)
    int filaActual() const { return m_fila; }
    int columnaActual() const { return m_columna; }
    int filaFinSeleccion() const { return m_filaFin; }
    int columnaFinSeleccion() const { return m_columnaFin; }
    void ponerFilaActual(int fila);
    void ponerColumnaActual(int columna);
    void ponerSeleccion(int fila, int columna, int filaFin, int columnaFin);

    // Orden genérico por una columna: números como números, fechas como
    // fechas, el resto como texto sin distinguir mayúsculas; estable.
    void ordenar(int columna, Orden orden);

    // Colores de celda; un color inválido vuelve al de la rejilla
    QColor colorFondo(int fila, int columna) const;
    QColor colorTexto(int fila, int columna) const;
    void ponerColorFondo(int fila, int columna, const QColor& color);
    void ponerColorTexto(int fila, int columna, const QColor& color);
    void ponerColorFondoFila(int fila, const QColor& color);

    // Conversión de twips a píxeles de esta pantalla
    int twipsAPixeles(double twips) const;

signals:
    // Clic en una celda o en un título (éste selecciona toda la columna)
    void pulsada(int fila, int columna);

protected:
    void changeEvent(QEvent* evento) override;

private:
    void comprobar(int fila, int columna) const;
    void ajustarAltoNormal();
    void aplicarAnchos();
    void aplicarAltosPropios();
    void programarVista();
    void aplicarVista();
    void alPulsarCelda(const QModelIndex& indice);
    void alPulsarTitulo(int columna);
    void seleccionarEnVista();

    ModeloRejilla* m_modelo;
    QList<double> m_anchos;  // twips por columna; negativo = sin fijar
    int m_altoTitulos = 0;
    bool m_vistaProgramada = false;
    bool m_seleccionando = false;
    int m_fila = 0;
    int m_columna = 0;
    int m_filaFin = 0;
    int m_columnaFin = 0;
};
