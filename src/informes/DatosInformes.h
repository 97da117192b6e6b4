#pragma once
// Filas de informes de cada documento de la venta. Cada función vacía la
// tabla y la llena; quien llama imprime después la plantilla con el mismo
// documento.
#include <QDate>
#include <QString>

class DocumentoInforme;

// Factura de la primera serie (Q_factura.rpt): una fila por línea, leída de
// la base de datos por su número
void GenerarReportFactura(DocumentoInforme& doc, int numVenta);
// La misma factura de la segunda serie
void GenerarReportFacturaPeruChile(DocumentoInforme& doc, int numVenta);

// La venta tal como queda en la pantalla al terminarla
struct PantallaBono {
    QString titulo;      // "Bonos de Servicios" o "Bonos de Pack de Servicios"
    QString codCliente;
    QString servicio;    // lo vendido, como se ve
    QString sesiones;    // textos de la pantalla
    QString precio;
    QString entrega;
    QString cambio;
    QDate desde;
    QDate hasta;
};

// Hoja de seguimiento del bono y formulario de la normativa UVA: una fila por
// cada dos sesiones (1 y 2, 3 y 4, 5...)
void CrearReportBonos(DocumentoInforme& doc, int numero, const PantallaBono& p);
