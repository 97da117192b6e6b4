#pragma once
// Importes de los registros de una venta: la forma con coma de los textos de
// la pantalla y las cuentas de impuesto y descuento de la factura.
#include "registros/VentaEnCurso.h"

#include <QString>

// Texto de un número de la pantalla en la forma con coma de los registros:
// sin agrupar y con coma decimal. Con el separador "." del puesto se quitan
// las comas y el punto pasa a coma; con cualquier otro se quitan los puntos.
// También deja el resultado en el propio texto.
QString NormalizarDecimal(QString& texto);
QString NormalizarDecimal(const QString& texto);

// Cuentas de la línea y de la cabecera de la factura de una venta
struct ImportesFactura {
    double descuento = 0;        // importe del descuento (0 sin descuento)
    double impuestoLinea = 0;    // sin redondear
    double impuestoCabecera = 0; // sin redondear
    double tipo = 0;             // tipo de impuesto del artículo (%)
    double precioUnidad = 0;     // precio de catálogo de una sesión
};
ImportesFactura CalcularImportesFactura(const VentaEnCurso& venta);

// Precio de la venta como número (lo que se guarda en su forma con coma)
double PrecioVenta(const VentaEnCurso& venta);

// Lo que queda por pagar: el precio menos lo entregado (más la tarjeta en el
// pago mixto), a los decimales del puesto; nunca negativo
double RestoPendiente(const VentaEnCurso& venta);
