#pragma once
// Ticket de venta en bytes ESC/POS para papel de 80 mm (42 columnas): el
// código QR tributario si lo hay, la cabecera de la tienda, fecha y hora, número de factura, líneas, total,
// entregado, cambio y el corte. El texto va en PC858, que tiene "€" y "ñ";
// el número con que la impresora llama a esa página lo da el puesto.
#include <QByteArray>
#include <QList>
#include <QString>

struct DatosTicket {
    QString tienda;
    QStringList cabecera;  // dirección, identificación fiscal, teléfono...
    QString fecha;
    QString hora;
    int numero = 0;
    struct Linea {
        QString producto;
        double unidades = 0;
        double bruto = 0;      // antes del descuento
        double descuento = 0;  // importe
        double precio = 0;     // a pagar
    };
    QList<Linea> lineas;
    double impuesto = 0;
    double tipoImpuesto = 0;
    bool impuestoIncluido = true;
    QString entregado;  // importes ya escritos, como en la pantalla
    QString cambio;
    QString moneda = QStringLiteral("€");
    QString qrTributario;  // dirección del código QR de la factura; vacía, sin código
};

namespace TicketEscPos {

constexpr int kColumnas = 42;
constexpr int kPuntosPorMm = 8;  // 203 ppp, los de casi todas las impresoras de tickets

// Lanza ErrorTarvelo si el sistema no tiene la página PC858
QByteArray componer(const DatosTicket& t, int paginaCodigos);

}  // namespace TicketEscPos
