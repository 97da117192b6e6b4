#pragma once
// Panel táctil de botones de colores: cada botón es un ElementoPanel (texto,
// color, imagen, datos, código). Cuando los botones no caben, el panel pasa
// a páginas con dos botones grandes de página anterior y siguiente.
//
// Uso de las pantallas: colores del panel, inicializar() una vez, y para
// cada lista reiniciar(), cargar(lista) y redibujar(). Al pulsar un botón se
// emite pulsado() y el elemento queda como elemento pulsado.
#include "datos/ElementoPanel.h"

#include <QColor>
#include <QList>
#include <QSize>
#include <QWidget>

class BotonPanel;
class QPushButton;
class QLabel;

class Tactipan : public QWidget {
    Q_OBJECT
public:
    explicit Tactipan(QWidget* padre = nullptr);
    ~Tactipan() override;

    // Operaciones de las pantallas
    void inicializar();                    // panel vacío, sin elemento pulsado
    void cargar(const ListaPanel& lista);  // se ve al redibujar
    void reiniciar();                      // vacía la lista y vuelve a la primera página
    void redibujar();

    // Elemento pulsado la última vez (vacío hasta la primera pulsación)
    const ElementoPanel& elementoPulsado() const { return m_pulsado; }
    int indicePulsado() const { return m_indicePulsado; }  // posición en la lista cargada; -1
    QString captionPulsado() const { return m_pulsado.caption; }
    QString codigoPulsado() const { return m_pulsado.codigo; }
    QString datosPulsado() const { return m_pulsado.datos; }
    QString colorPulsado() const { return m_pulsado.color; }  // el del elemento, como texto BGR

    // Colores del panel. Con los colores de los elementos apagados todos los
    // botones llevan colorBoton; encendidos (por defecto), cada uno el suyo.
    void ponerColorFondo(const QColor& color);
    void ponerColorMarco(const QColor& color);
    void ponerColorBoton(const QColor& color);
    void ponerColorPaginas(const QColor& color);
    QColor colorFondo() const { return m_colorFondo; }
    QColor colorMarco() const { return m_colorMarco; }
    QColor colorBoton() const { return m_colorBoton; }
    QColor colorPaginas() const { return m_colorPaginas; }
    void ponerUsarColoresElementos(bool usar);
    bool usarColoresElementos() const { return m_usarColoresElementos; }

    // Botones por página: columnas y filas fijas, o 0 para calcularlas con el
    // tamaño mínimo de botón según el espacio del panel
    void ponerCuadricula(int columnas, int filas);
    void ponerTamanoMinimoBoton(const QSize& tamano);

    // Páginas (desde 0)
    int pagina() const { return m_pagina; }
    int paginas() const;
    int elementosPorPagina() const { return m_porPagina; }
    void irAPagina(int pagina);

    // Elementos que se dibujan (sin las entradas vacías) y los de la página
    int elementosDibujados() const { return int(m_visibles.size()); }
    QList<BotonPanel*> botonesPagina() const;
    QPushButton* botonAnterior() const { return m_anterior; }
    QPushButton* botonSiguiente() const { return m_siguiente; }

signals:
    void pulsado(const ElementoPanel& elemento);

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    void calcularCuadricula();
    void colocarBotones();
    void mostrarPagina();
    void pulsar(int visible);
    QColor colorDe(const ElementoPanel& e) const;

    ListaPanel m_lista;
    QList<int> m_visibles;  // posiciones de m_lista que se dibujan
    QList<BotonPanel*> m_botones;
    QPushButton* m_anterior;
    QPushButton* m_siguiente;
    QLabel* m_lblPagina;

    ElementoPanel m_pulsado;
    int m_indicePulsado = -1;

    QColor m_colorFondo;
    QColor m_colorMarco;
    QColor m_colorBoton;
    QColor m_colorPaginas;
    bool m_usarColoresElementos = true;

    int m_columnasFijas = 0;
    int m_filasFijas = 0;
    QSize m_minimoBoton{150, 90};
    int m_columnas = 1;
    int m_filas = 1;
    int m_porPagina = 1;
    int m_pagina = 0;
    bool m_conPaginas = false;
};
