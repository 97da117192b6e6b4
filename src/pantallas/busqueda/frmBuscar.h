#pragma once
// Búsqueda de clientes: por cualquier combinación de nombre, apellidos,
// teléfonos, código, correo y D.N.I., con un teclado en pantalla que escribe
// en el último campo que tuvo el foco. Un doble toque en un cliente deja su
// código en gCodigoClienteBuscado y su tienda en gTiendaClienteBuscado ("" si
// no tiene) y cierra; "Salir" cierra sin elegir. Quien la abre vacía antes
// gCodigoClienteBuscado.
#include "pantallas/comun/ConvencionesPantalla.h"

#include <QList>

class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TecladoBuscar;

class frmBuscar : public DialogoPantalla {
    Q_OBJECT
public:
    explicit frmBuscar(QWidget* padre = nullptr);
    ~frmBuscar() override;

    ConvencionesPantalla* convenciones() const { return m_conv; }

private:
    void crearControles();
    QLineEdit* crearCampo(const char* nombre, const QString& etiqueta, int fila);
    void colocarJuntoAlMenu();
    void colorearCampos();

    void Buscar();
    void PulsarTecla(int codigo);
    void Limpiar();
    void Elegir();
    void SiguienteCampo();
    void alEnfocar(QLineEdit* campo);
    void alDesenfocar(QLineEdit* campo);

    ConvencionesPantalla* m_conv;
    QFrame* frCabecera;
    QFrame* fr_SeparacionH1;
    QLabel* lblTitulo;
    QLineEdit* txtNombre;
    QLineEdit* txtApellidos;
    QLineEdit* txtTelefono;
    QLineEdit* txtMovil;
    QLineEdit* txtCodigo;
    QLineEdit* txtEmail;
    QLineEdit* txtDNI;
    QLabel* lblFechaDesde;
    QLabel* lblFechaHasta;
    QDateEdit* fechadesde;
    QDateEdit* fechahasta;
    QLabel* lblClientes;
    QListWidget* ListBusClie;
    QListWidget* Auxiliar;
    QListWidget* AuxTienda;
    TecladoBuscar* fr_Teclado;
    QPushButton* cmdbuscar;
    QPushButton* cmdLimpiar;
    QPushButton* cmdSalir;

    // Campos en el orden del ciclo del foco
    QList<QLineEdit*> m_ciclo;
    QLineEdit* campoActual = nullptr;  // destino del teclado en pantalla
    QString colorFoco;                 // colores como número de color en texto
    QString colorNormal;
};
