#pragma once
// La venta en curso tal como la deja la pantalla de venta al pulsar el
// empleado: lo que leen los procedimientos que la guardan.
#include <QDate>
#include <QString>

// Serie de facturas de la venta: la primera, o la segunda de las regiones que la tienen
enum class SerieFactura { Primera, Segunda };

// El bono que se modifica, tomado una sola vez de la lista al empezar
struct BonoModificado {
    int numero = 0;
    int factura = 0;  // 0 si el bono no tiene factura
    SerieFactura serie = SerieFactura::Primera;  // la del bono, no la que esté elegida al terminar
};

struct VentaEnCurso {
    QString titulo;        // el de la pantalla: bonos de servicios o de packs
    QString codCliente;    // "0" sin cliente
    int codServicio = 0;   // servicio o pack
    QString nomServicio;   // como se ve en la venta
    QString clavePrecio;   // datos del artículo: código|nombre|precio|iva|precio de una sesión|impuesto de una sesión
    QString nomEmpleado;   // nombre e inicial del apellido
    qint16 codEmpleado = 0;
    qint16 formaPago = 0;  // 0 sin elegir; 4 depósito; 3 mixto
    bool modificando = false;
    BonoModificado bono;   // solo al modificar
    bool usaDeposito = false;
    double valorDeposito = 0;

    // Textos de los campos, tal como se ven
    QString sesiones;
    QString precio;
    QString descuento;
    QString descuentoMod;  // importe del último descuento aplicado al modificar
    QString entrega;
    QString pagoTarjeta;
    QString cambio;
    QString fechaAlta;
    QDate desde;
    QDate hasta;

    // Documentos elegidos
    bool ticket = false;
    bool factura = false;
    bool normativa = false;
    bool hojaBono = false;
};
