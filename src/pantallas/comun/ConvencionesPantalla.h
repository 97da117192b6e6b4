#pragma once
// Lo que comparten todas las pantallas: la base DialogoPantalla, el orden de carga (traducción,
// contenido, opción visual, tamaño, colores, ayuda, permisos), los tres
// botones de ajuste del puesto fr_Zoom1..fr_Zoom3 (fr_Zoom4 no hace nada) y
// la ayuda que sube desde el borde inferior.
//
// Uso en una pantalla (DialogoPantalla):
//   m_conv = new ConvencionesPantalla(this, QStringLiteral("tarv1.html"));
//   capa->addWidget(m_conv->marcoAjustes());   // fr_Zoom1..fr_Zoom4, en una esquina
//   capa->addWidget(m_conv->cmd_Ayuda());      // o colocarlo con setGeometry
//   m_conv->ponerDestinoAyuda(frSuperior, fr_SeparacionH1);  // opcional
//   m_conv->cargar([this] { contenido(); });   // al final del constructor
//   connect(Command1, &QPushButton::clicked, m_conv, &ConvencionesPantalla::grabarMantenimiento);
// La pantalla se diseña a 1024 x 739 píxeles (gAnchoDiseno x gAltoDiseno) con
// setGeometry o con capas; ModificarTamano la lleva al tamaño del puesto.
// Quien cargue en otro orden llama a los pasos sueltos.
#include <QDialog>
#include <QString>
#include <functional>

class QFrame;
class QPushButton;
class QTimer;
class QToolButton;
class QWidget;
class Visorel;

// Base de toda pantalla: se cierra solo con sus propios botones. Un diálogo
// corriente se cierra con Escape o con el aspa del gestor de ventanas; en el
// menú eso acabaría el programa sin "Salir" y en la espera cortaría la vuelta.
class DialogoPantalla : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
};

class ConvencionesPantalla : public QObject {
    Q_OBJECT
public:
    // paginaAyuda: fichero dentro de carpetaPrograma()/ayudas ("bonser1.html")
    ConvencionesPantalla(DialogoPantalla* pantalla, const QString& paginaAyuda);

    // Controles que crea en la pantalla (hijos suyos)
    QFrame* marcoAjustes() const { return m_marcoAjustes; }  // contiene fr_Zoom1..fr_Zoom4
    QToolButton* fr_Zoom1() const { return m_zoom1; }
    QToolButton* fr_Zoom2() const { return m_zoom2; }
    QToolButton* fr_Zoom3() const { return m_zoom3; }
    QFrame* fr_Zoom4() const { return m_zoom4; }
    QPushButton* cmd_Ayuda() const { return m_ayuda; }
    Visorel* Open1() const { return m_visor; }
    QTimer* tmrAyuda() const { return m_tmrAyuda; }

    // Carga completa en el orden de siempre; contenido es lo propio de la pantalla
    void cargar(const std::function<void()>& contenido);

    // Pasos sueltos, todos con gConexion y las variables de la sesión
    void traducir();
    void aplicarOpcionVisual();  // gOpcionVisual o la opción propia
    void ModificarTamano();      // de gAnchoDiseno x gAltoDiseno a gAnchoPantalla x gAltoPantalla
    void redimensionar(double anchoDestino, double altoDestino, double anchoReferencia, double altoReferencia);
    void colorearme();           // ColoresEsquema con gEsquemaColores y, después, lo propio
    void ColocarAyuda();
    void aplicarPermisos();      // de gEmpleadoTerminal

    // Colores que la pantalla añade después del esquema (se llama en cada colorearme)
    void ponerColoresPropios(const std::function<void()>& colorear) { m_coloresPropios = colorear; }
    // La pantalla de venta guarda su propia opción visual (empieza en 0) y
    // nunca lee ni escribe gOpcionVisual
    void usarOpcionVisualPropia(bool propia) { m_opcionPropia = propia; }
    int opcionVisualPropia() const { return m_opcionVisual; }

    // Página de ayuda (cambia, p. ej., con el modo de la pantalla de venta)
    void ponerPaginaAyuda(const QString& pagina) { m_pagina = pagina; }
    // La ayuda sube hasta la parte de arriba de marcoSuperior más el alto del
    // separador; sin ellos, hasta arriba del todo
    void ponerDestinoAyuda(QWidget* marcoSuperior, QWidget* separador);

    // Variables de la ayuda
    QString paginaAyuda() const { return m_paginaAyuda; }
    bool ayudaAbriendo() const { return m_ayudaAbriendo; }
    double topAyuda() const { return m_topAyuda; }   // twips
    double destinoAyuda() const;                     // twips

    // Escala de tiempo de los temporizadores de las pantallas (1 = real);
    // las pruebas la acortan. intervalo(250) es el de un temporizador de 250 ms
    static void ponerEscalaTiempo(double escala);
    static double escalaTiempo();
    static int intervalo(int milisegundos);

    static constexpr double kTwipsPorPixel = 15.0;
    static double twips(int pixeles) { return pixeles * kTwipsPorPixel; }

public Q_SLOTS:
    void pulsarZoom1();  // tamaño de pantalla
    void pulsarZoom2();  // opción visual
    void pulsarZoom3();  // esquema de colores
    void pulsarAyuda();
    // Command1: textos para traducir y controles para los permisos
    void grabarMantenimiento();

private:
    void pasoAyuda();
    void alCerrarVisor();
    void crearControles();

    DialogoPantalla* m_pantalla;
    QString m_pagina;
    QString m_paginaAyuda;
    bool m_ayudaAbriendo = false;
    double m_topAyuda = 0;
    bool m_opcionPropia = false;
    int m_opcionVisual = 0;
    std::function<void()> m_coloresPropios;
    QWidget* m_marcoSuperior = nullptr;
    QWidget* m_separador = nullptr;

    QFrame* m_marcoAjustes = nullptr;
    QToolButton* m_zoom1 = nullptr;
    QToolButton* m_zoom2 = nullptr;
    QToolButton* m_zoom3 = nullptr;
    QFrame* m_zoom4 = nullptr;
    QPushButton* m_ayuda = nullptr;
    Visorel* m_visor = nullptr;
    QTimer* m_tmrAyuda = nullptr;
};
