#pragma once
// Menú principal: bonos de servicios, bonos de packs y listados, con el
// logotipo de la tienda, la bandera de la región, una foto al azar y el
// título de la edición según el tipo de negocio. Al cerrarse, el programa
// termina.
#include "pantallas/comun/ConvencionesPantalla.h"

class BotonOpcion;
class EtiquetaPendientes;
class ImagenPantalla;
class QAbstractButton;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

class frmTarvelo : public DialogoPantalla {
    Q_OBJECT
public:
    explicit frmTarvelo(QWidget* padre = nullptr);

    // Título de la edición de un tipo de negocio, comparado tal cual
    // (mayúsculas incluidas); "" si no tiene
    static QString tituloEdicion(const QString& tipoNegocio);
    static QString tituloDiseno();

    ConvencionesPantalla* convenciones() const { return m_conv; }

    // Animación de los botones (en twips, como el resto de las medidas)
    QAbstractButton* botonAnimado() const { return m_botonAnimado; }
    double destinoBoton() const { return m_destinoBoton; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void crearControles();
    void crearOpcion(BotonOpcion*& boton, QLabel*& etiqueta, int fila, const char* nombreBoton,
                     const char* nombreEtiqueta, const QString& texto);
    void contenido();
    void ponerBandera();
    void ponerLogo();
    void ponerTituloEdicion();
    void colorearOpciones();
    void mostrarImagen();
    void RestriccionPrograma();
    void dejarBotonesEnReposo();

    void elegirModo(int modoFamilias);
    void elegirListados();

    void CargarBoton(QAbstractButton* boton, QLabel* etiqueta);
    void MoverBoton();

    ConvencionesPantalla* m_conv;
    QFrame* frCabecera;
    QFrame* fr_SeparacionH1;
    QFrame* Frame9;
    ImagenPantalla* ImgEmpresa;
    ImagenPantalla* Bandera;
    ImagenPantalla* Image2;
    QLabel* Label4;
    QLabel* lblTitulo;
    QLabel* lblSubtitulo;
    BotonOpcion* cmd_BServicios;
    BotonOpcion* cmd_BFamilias;
    BotonOpcion* cmd_BListados;
    QLabel* lbl_BServicios;
    QLabel* lbl_BFamilias;
    QLabel* lbl_BListados;
    QPushButton* cmd_Salir;
    QPushButton* Command1;
    QTimer* tmrMovBoton;
    EtiquetaPendientes* lblRegistrosSinEnviar;

    QAbstractButton* m_botonAnimado = nullptr;
    double m_destinoBoton = 0;
};
