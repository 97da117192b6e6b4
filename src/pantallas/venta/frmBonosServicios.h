#pragma once
// Venta de bonos de servicios (gModoFamilias 0) o de packs (1): catálogo en
// paneles táctiles o en lista, el marco de la venta con sesiones, precio,
// descuento y teclado numérico, la forma de pago con el cambio, el depósito
// y la deuda del cliente, y el empleado que la hizo. A la izquierda, las
// listas de bonos de la tienda.
//
// Las funciones miembro están repartidas por zonas de la pantalla:
//   frmBonosServicios.cpp  carga, estados y parpadeo
//   VentaControles.cpp     cabecera, catálogo y botones de abajo
//   VentaMarco.cpp         el marco de la venta (frFinAlta) y los que se le ponen encima
//   VentaCatalogo.cpp      secciones, servicios y packs, lista del catálogo
//   VentaLinea.cpp         sesiones, precio, descuento, fechas y teclado numérico
//   VentaCobro.cpp         formas de pago, cambio, depósito, deuda y empleado
//   VentaModificacion.cpp  modificación de un bono ya vendido en el marco de la venta
//   VentaListas.cpp        zona de las listas de bonos
//   VentaListasCarga.cpp   carga de las listas, pestañas, filtro y orden
//   VentaConsumo.cpp       consumo del bono elegido y sus botones
#include "datos/ElementoPanel.h"
#include "registros/VentaEnCurso.h"

#include "pantallas/comun/ConvencionesPantalla.h"

class EtiquetaPendientes;
class ImagenPantalla;
class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class Rejilla;
struct ConsultaLista;
class Tactipan;

class frmBonosServicios : public DialogoPantalla {
    Q_OBJECT
public:
    explicit frmBonosServicios(QWidget* padre = nullptr);
    ~frmBonosServicios() override;

    // Título de la ventana de cada modo
    static QString titulo(int modoFamilias);

    // Datos de un artículo del catálogo: código|nombre|precio|iva|precio de una sesión|impuesto de una sesión
    static QString ClavePrecio(const QString& codigo, const QString& nombre, double precio, double iva);
    // Sesiones por el precio de una sesión de los datos del artículo
    static double dObtenerPrecio(const QString& sesiones, const QString& datos);

    // La venta que se está haciendo, tal como la guardan los registros
    VentaEnCurso ventaEnCurso() const;

    ConvencionesPantalla* convenciones() const { return m_conv; }

    // Listas de bonos: las dos primeras (caducados de 1 año), o cada una.
    // Las vuelven a cargar las pantallas que anulan o borran un bono.
    void cargarGrid();
    void CargarGridBonosActivos();
    void CargarGridBonosCaducados(qint16 anyos);
    void CargarGridBonosInActivos();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    // Creación de los controles, por zonas
    void crearControles();
    void crearCabecera();
    void crearCatalogo();
    void crearBotonesAbajo();
    void crearListas();
    void crearMarcoVenta();
    void crearLineaVenta(QWidget* padre);
    void crearCobro(QWidget* padre);
    void colocarCantidades();
    void crearTeclado(QWidget* padre);
    void crearImpresion(QWidget* padre);
    void crearMarcosEncima();
    void conectar();

    // Carga y estados
    void cargar();
    void ponerBandera();
    void pantallaInicial();
    bool modoBoleta() const;  // tipo de negocio y región con segunda serie de facturas
    void colocarBoleta();
    void colorearme();
    void colorearPropio();
    void colocarPaneles();
    void escalarPaneles();
    void PantallaCobrar(const QString& servicio, const QString& valor);
    void CargarDatosFinAlta(const QString& NomServicio, int codigo);
    void CerrarFinAlta();
    void LimpiarDatosFnAlta();
    void ponerFechasIniciales();
    void pulsarItem(const QString& caption, const QString& codigo, const QString& datos);
    void cmdBuscarCli_Click();
    bool esCentral() const;
    void Command1_Click();
    void tmrFoco_Timer();
    void ponerFondo(QWidget* w, const QString& color);
    QString fondo(const QWidget* w) const;

    // Catálogo
    void CargarPanelSecciones();
    bool bCargarTablaDinamicaDeSecciones();
    bool bCargarTablaDinamicaServiciosxSeccion(const QString& codSeccion);
    bool bCargarTablaDinamicaFamiliasxSeccion(const QString& codSeccion);
    bool cargarItems(const QString& tabla, const QString& codSeccion);
    QString campoOrden(const QString& tabla) const;
    void cargarPanelItemInicial();
    QString obtenercolorSeccion(const QString& cod) const;
    void ColorearPaneles();
    void InicializarGridItem();
    void CargarGridItem(const QString& seccion);
    void pulsarSeccion(const ElementoPanel& seccion);
    void pulsarItemPanel(const ElementoPanel& item);
    void pulsarItemLista(int fila);
    void cmdTodos_Click();
    void mostrarLista(bool visible);
    void tmrlista_Timer();

    // Línea de venta
    int FiltrarTecla(QLineEdit* caja, int tecla);
    int filtroTeclado(int tecla, QLineEdit* caja, int decimales);
    bool teclaEnCaja(QLineEdit* caja, QKeyEvent* evento);
    void pulsarTeclado(const QString& caracter);
    void cmd_nuevoCobro_Click();
    void txtSesiones_Change();
    void txtDescuento_Change();
    void aplicarDescuentoModificacion();
    void alCambiarFecha();
    void alEntrarFoco(QLineEdit* caja);
    void enfocar(QLineEdit* caja);
    void alSalirFoco(QLineEdit* caja);
    void moverOcultar(bool arriba);
    void avisoOcultar();
    void mostrarFinVenta();  // al modificar: cualquier cambio ofrece terminar

    // Cobro
    void pulsarFormaPago(const ElementoPanel& forma);
    void lblPrecio_Change();
    void txtEntrega_Change();
    void txtPagoTarjeta_Change();
    void calcularCambio();
    void ponerBotonesCobro();
    double importe(const QLineEdit* caja) const;
    QString importeTexto(double valor) const;
    void cmdDeuda_Click();
    void cmdAceptarDeuda_Click();
    void cmdCancelarDeuda_Click();
    void DineroDeposito(const QString& codCli);
    void retirarDeposito();
    void bloquearCobro(bool bloquear);
    void cmdAceptarDinDep_Click();
    void cmdCancelar_Click();
    void MostrarEmpleados();
    void CargarPanelEmpleados();
    void cargarPanelFormasPago();
    void pulsarEmpleado(const ElementoPanel& empleado);
    void FinalizarVenta();
    void FinalizarVentaPeruChile();
    void terminarVenta(SerieFactura serie);
    void tomarEmpleado();

    // Modificación de un bono ya vendido
    void empezarModificacion(Rejilla& lista, int fila);
    void PantallaCobrarModificar(Rejilla& lista, int fila);
    void marcarModificando(bool modificando);

    // Listas de bonos
    void conectarListas();
    bool pestanaPulsada(QObject* objeto, QEvent* evento);
    void llenarLista(Rejilla& rejilla, const QString& titulos, const QString& formato, const ConsultaLista& consulta);
    static QString anchoColumna(double base);  // ancho de diseño por el factor de la pantalla
    void marcarCaducados(Rejilla& rejilla);
    void ocultarBotonesBono();
    void pulsarPestana(QLabel* pestana);
    void colorearPestanas();
    void cmdMas_Click();
    void cmdMenos_Click();
    void txtBuscar_Change();
    void pulsarLista(Rejilla& rejilla, int fila);
    void HabilitarGrids();
    void DeshabilitarGrids();
    void habilitarListas(bool habilitar);

    // Consumo del bono elegido y sus botones
    void CargarGridConsumo(Rejilla& rejilla);
    int altoConsumoLleno() const;
    Rejilla* listaVisible() const;
    void accionBono(void (frmBonosServicios::*accion)(Rejilla& lista, int fila));
    void cmdProgramar_Click(Rejilla& lista, int fila);
    void abrirBaja(const std::function<void(const QPoint& origen)>& pantalla);
    void cmdBorrar_Click(Rejilla& lista, int fila);
    void cmdAnulacion_Click(Rejilla& lista, int fila);
    void cmd_ModificarBono_Click(Rejilla& lista, int fila);

    ConvencionesPantalla* m_conv = nullptr;

    // Cabecera
    QLabel* lblNomEmpresa;
    QFrame* Frame12;
    QLineEdit* txtCliente;
    QPushButton* cmdBuscarCli;
    QFrame* Frame9;
    ImagenPantalla* Bandera;
    QFrame* fr_SeparacionH1;
    QFrame* fr_SeparacionV;

    // Catálogo
    QFrame* fr_Padre;
    QFrame* fr_hijo;
    QLabel* Label22;
    Tactipan* PanelSecciones;
    QLabel* Label23;
    QPushButton* cmdLista;
    Tactipan* PanelServicios;
    QFrame* frLista;
    Rejilla* grid_Item;
    QPushButton* cmdTodos;
    QPushButton* cmdTactil;
    QPushButton* Command2;
    QPushButton* Command3;

    // Listas de bonos
    QFrame* Frame13;
    QLabel* lblBonosActivos;
    QLabel* lblHistorico;
    QLabel* lblBonosCaducados;
    QLabel* Label28;
    QLineEdit* txtBuscar;
    Rejilla* grid_BonosActivos;
    Rejilla* grid_BonosCaducados;
    Rejilla* grid_BonosInActivos;
    QFrame* frCaducados;
    QLabel* Label24;
    QLabel* lblnumbonos;
    QLabel* lblCaducidad;
    QPushButton* cmdMas;
    QPushButton* cmdMenos;
    QLabel* Label15;
    QLabel* Label29;
    QLabel* Label30;
    Rejilla* grid_consumo;
    QPushButton* cmd_ModificarBono;
    QPushButton* cmdProgramar;
    QPushButton* cmdAnulacion;
    QPushButton* cmdBorrar;

    // Marco de la venta
    QFrame* frFinAlta;
    QFrame* Frame7;
    QLabel* lblTitItem;
    QLabel* lblNomServicio;
    QLabel* lblTitCliente;
    QLabel* lblCliente;
    QFrame* frDatosCobro;
    QFrame* Frame8;
    QLabel* lblTitFechas[3];  // rótulos de las fechas: se tapan con ellas
    QLineEdit* txtFechaAlta;
    QDateEdit* dtpDesde;
    QDateEdit* dtpHasta;
    QLineEdit* txtSesiones;
    QLineEdit* lblPrecio;
    QLineEdit* txtDescuento;
    QLabel* lblDescuentoMod;
    QLabel* lblTitDescuentoMod;
    QFrame* frFPago;
    QLabel* Label21;
    QLabel* lblFormaPago;
    Tactipan* PanelFormasPago;
    QFrame* frCantidades;
    QLabel* Label9;
    QLineEdit* txtPagoTarjeta;
    QLabel* Label16;
    QLineEdit* txtEntrega;
    QLabel* Label17;
    QLineEdit* txtCambio;
    QFrame* frBotonesCobro;
    QPushButton* cmdDeuda;
    QPushButton* cmd_FinVenta;
    QFrame* Frame3;
    QFrame* fr_numerico;
    QPushButton* btnNumerico_Cobro[11];
    QPushButton* cmd_nuevoCobro;
    QFrame* Frame10;
    QCheckBox* chkImprimir;
    QCheckBox* chk_Factura;
    QCheckBox* ch_Normativa;
    QCheckBox* chImpReport;
    QFrame* frBoleta;
    QCheckBox* chkBoleta;
    QCheckBox* chkFacturaPeruChile;
    QButtonGroup* m_grupoBoleta;
    QPushButton* cmd_Regresar;
    QPushButton* cmdModificacionInfo;
    QLabel* lblNomEmpleado;
    QFrame* fr_Ocultar;
    QLabel* lblAvisoOcultar;  // qué falta para seguir

    // Encima del marco de la venta
    QFrame* frEmpleados;
    QLabel* lblTitEmpleados;
    Tactipan* PanelEmpleados;
    QFrame* frDinDep;
    QLabel* lblTitDinDep;
    QLabel* lblNomDinDep;
    QLabel* lblValorDinDep;
    QPushButton* cmdAceptarDinDep;
    QPushButton* cmdCancelar;
    QFrame* frInfoDeuda;
    QLabel* lblInfoDeuda;
    QFrame* Frame6;
    QLabel* lblTitDeudaCliente;
    QLabel* lblDeudaCliente;
    QPushButton* cmdAceptarDeuda;
    QPushButton* cmdCancelarDeuda;

    // Abajo
    QPushButton* Command1;
    QPushButton* cmdSalir;
    EtiquetaPendientes* lblRegistrosSinEnviar;

    QTimer* tmrFoco;
    QTimer* tmrlista;

    // Estado de la pantalla
    ListaPanel Secciones;
    ListaPanel Items;
    QString CodCliente = QStringLiteral("0");
    QString NomItem;
    QString CodItem;
    QString m_datosItem;  // ClavePrecio del artículo pulsado, del panel o de la lista
    int codServicio = 0;
    QString NomEmpleado;
    qint16 CodEmpleado = 0;
    qint16 FormaPago = 0;
    QString m_nombreFormaPago;  // lblFormaPago de la forma elegida, para volver a él
    double ValorDeposito = 0;
    bool bUsaDeposito = false;
    QLineEdit* txtFoco = nullptr;
    QString ColorFoco;
    QString ColorNormal;
    bool bModificando = false;
    BonoModificado m_bonoModificado;  // el que se modifica, tomado al empezar
    bool bCalculando = false;
    bool m_fijandoPrecio = false;
    double m_izquierdaLista = 0;  // twips de grid_Item dentro de frLista
    qint16 m_ordenListas = 0;     // 1 a más, 2 a menos; lo comparten activos y caducados
    QLabel* m_pestana = nullptr;  // la de la lista que se ve
};
