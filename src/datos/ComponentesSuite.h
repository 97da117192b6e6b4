#pragma once
// Interfaces de los componentes de la suite que usa el programa. Cada uno
// tiene su implementación en plataforma/; la sesión crea uno de cada al
// primer uso (Componentes.h) y las pruebas pueden sustituirlos.
#include "datos/Conexion.h"
#include "datos/Error.h"
#include "datos/Valores.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QWidget;
class QLineEdit;

// Configuración de la suite (fichero de la instalación): conexión, orígenes
// de datos, identificador del puesto y programas hermanos.
class AbridorConexion {
public:
    virtual ~AbridorConexion() = default;
    // Abre la conexión; cadena vacía = la base de datos de la tienda
    virtual void Abrir(const QString& cadena, Conexion& conexion) = 0;
    // Parámetros de un origen de datos con nombre ("dsn=ListBrisalo")
    virtual ParametrosConexion Origen(const QString& cadena) = 0;
};

class ConfigPuesto {
public:
    virtual ~ConfigPuesto() = default;
    virtual QString Identificador() = 0;
    virtual double AnchoPantalla(Conexion& c) = 0;  // twips
    virtual double AltoPantalla(Conexion& c) = 0;
    // Pregunta al usuario; devuelve true si cambió (y escribe el nuevo tamaño)
    virtual bool ElegirTamanoPantalla(Conexion& c, double& ancho, double& alto) = 0;
    virtual int EsquemaColores(Conexion& c) = 0;
    virtual int ElegirEsquemaColores(Conexion& c) = 0;
    virtual int OpcionVisual(Conexion& c) = 0;
    virtual int ElegirOpcionVisual(Conexion& c) = 0;
    virtual QString TipoNegocio(Conexion& c) = 0;
    virtual AjustesRegionales Regionales(Conexion& c) = 0;
    // Cola de CUPS de los documentos (facturas, hojas); vacía: la del sistema
    virtual QString ImpresoraDocumentos(Conexion& c) = 0;
    // Número de la página de códigos (con € y ñ) que pide la impresora de tickets
    virtual int PaginaCodigosTicket(Conexion& c) = 0;
};

// Motor de informes: plantillas de la carpeta del programa que leen la tabla
// informes de la base de informes. Sus fallos son ErrorInforme.
class MotorInformes {
public:
    virtual ~MotorInformes() = default;
    // El documento (HTML) de la plantilla con las filas de informes de esa conexión
    virtual QString Componer(Conexion& informes, const QString& rutaPlantilla) = 0;
    virtual void GuardarPdf(const QString& documento, const QString& ruta, const QString& titulo) = 0;
    virtual void Imprimir(const QString& documento, const QString& impresora, const QString& titulo) = 0;
    // Cola por defecto del sistema; vacía si no hay ninguna
    virtual QString ImpresoraPorDefecto() = 0;

    // Un documento que empieza por esta marca lleva, lo primero de la primera
    // página, el código QR tributario de esa dirección
    static QString marcaQrTributario(const QString& url)
    {
        return QStringLiteral("<!--qr-tributario:%1-->").arg(url);
    }
};

// Fallo del motor de informes, con su número (el título de la caja del error)
class ErrorInforme : public ErrorTarvelo {
public:
    enum Numero { SinPlantilla = 501, PlantillaMal = 502, CampoDesconocido = 503, SinPdf = 504, SinImpresora = 505 };
    ErrorInforme(Numero numero, const QString& descripcion, const QString& detalle = {})
        : ErrorTarvelo(descripcion, detalle), m_numero(numero)
    {
    }
    int numero() const { return m_numero; }

private:
    int m_numero;
};

// Periféricos del puesto: la impresora de tickets
class GestorPerifericos {
public:
    virtual ~GestorPerifericos() = default;
    // Ticket de la factura (primera serie) en la impresora del puesto: un
    // dispositivo, servidor:puerto o una cola de CUPS. Vacía: no imprime nada.
    // Con qrTributario, el código QR de la factura arriba.
    virtual void ImprimirTicket(Conexion& c, const QString& impresora, int numFactura, const QString& entregado,
                                const QString& cambio, const QString& qrTributario = {}) = 0;
};

// Transporte de los mensajes de los registros de facturación a la agencia
// tributaria (SOAP por HTTPS con el certificado del contribuyente). El envío
// no espera: alTerminar se llama después, desde el bucle de eventos, con la
// respuesta o con el fallo (también si se acaba la espera sin respuesta).
struct RespuestaTransporte {
    bool conRespuesta = false;  // el servidor contestó (con el código HTTP que sea)
    int estadoHttp = 0;
    QByteArray cuerpo;
    QString error;              // sin respuesta, o un código HTTP de error: qué pasó
};
class TransporteAgencia {
public:
    using Terminado = std::function<void(const RespuestaTransporte&)>;
    virtual ~TransporteAgencia() = default;
    // pruebas: a la sede de pruebas de la agencia, no a la de producción
    virtual void enviar(const QByteArray& mensaje, bool pruebas, Terminado alTerminar) = 0;
};

class ColoresEsquema {
public:
    virtual ~ColoresEsquema() = default;
    virtual void Aplicar(QWidget* pantalla, int esquema, Conexion& c) = 0;
    virtual QString Color(Conexion& c, int esquema, int numero) = 0;  // numero 1..4
    virtual QString ColorFoco(Conexion& c, int esquema) = 0;
    virtual QString ColorMarca(Conexion& c, int esquema) = 0;
};

class GestorTeclado {
public:
    virtual ~GestorTeclado() = default;
    // Tecla a aceptar en una caja numérica, 0 para rechazarla
    virtual int FiltrarTecla(int tecla, const QLineEdit* caja, int decimales) = 0;
    virtual QString FormatoFecha() = 0;
    virtual QString SeparadorDecimal() = 0;
};

class GestorNumeros {
public:
    virtual ~GestorNumeros() = default;
    // Impuesto contenido en el importe (iva true) o que se le añade (iva false)
    virtual double ImporteImpuesto(double importe, double tipo, bool iva) = 0;
    virtual double Precio(double importe, double impuesto, bool iva, int modo, const QString& texto) = 0;
};

class Lanzador {
public:
    virtual ~Lanzador() = default;
    // Arranca un programa hermano de la suite por su nombre de fichero
    virtual void Arrancar(const QString& programa, const QString& texto, Conexion& c) = 0;
};

// Traducción de los textos de las pantallas (tabla traducciones). Los textos
// con que se diseñan las pantallas son los originales, en español ("es").
class Traductor {
public:
    virtual ~Traductor() = default;
    // Pone a la pantalla los textos del idioma del puesto
    virtual void Aplicar(Conexion& c, QWidget* pantalla) = 0;
    // Mantenimiento: guarda los textos de la pantalla como originales
    virtual void GrabarTextos(Conexion& c, QWidget* pantalla) = 0;
};

// Permisos de cada empleado sobre los controles de las pantallas (tablas
// permisos y controles_permisos).
class GestorPermisos {
public:
    virtual ~GestorPermisos() = default;
    // Oculta o desactiva los controles que el empleado no puede usar
    virtual void Aplicar(Conexion& c, QWidget* pantalla, int empleado) = 0;
    // Mantenimiento: guarda los controles de la pantalla para repartir permisos
    virtual void GrabarControles(Conexion& c, QWidget* pantalla) = 0;
};

// Opciones visuales del puesto: 0 normal, 1 letra grande, 2 alto contraste
class OpcionesVisuales {
public:
    virtual ~OpcionesVisuales() = default;
    // Aplicar otra opción deshace la anterior
    virtual void Aplicar(Conexion& c, QWidget* pantalla, int opcion) = 0;
};

// Escala una pantalla entera (geometría y letra de todo lo que contiene) de
// un tamaño de referencia a uno de destino, ambos en twips (15 por píxel).
class Redimensionador {
public:
    virtual ~Redimensionador() = default;
    virtual void Redimensionar(Conexion& c, QWidget* pantalla, double anchoDestino, double altoDestino,
                               double anchoReferencia, double altoReferencia) = 0;
    // Factor por el que las rejillas multiplican sus anchos de columna de
    // diseño (twips de la pantalla de 15360 de ancho): el acumulado de la
    // última pantalla escalada; 1 si aún no se escaló ninguna
    virtual double FactorAncho() = 0;
};
