#include "pantallas/venta/ImpresionVenta.h"

#include <QLoggingCategory>
#include <exception>

Q_LOGGING_CATEGORY(lcImpresionVenta, "tarvelo.venta.impresion", QtInfoMsg)

namespace ImpresionVenta {
namespace {

const char* nombre(Documento d)
{
    switch (d) {
    case Documento::Ticket:
        return "ticket";
    case Documento::Factura:
        return "factura (Q_factura.rpt)";
    case Documento::Normativa:
        return "formulario de la normativa (Q_BonosNormativaUVA.rpt)";
    case Documento::HojaBono:
        return "hoja del bono (Q_BonosServicios.rpt)";
    }
    return "";
}

Impresora& impresora()
{
    static Impresora i;
    return i;
}

void mandar(Documento d, SerieFactura serie, int numero, const VentaEnCurso& venta)
{
    if (impresora()) {
        impresora()(d, serie, numero, venta);
        qCInfo(lcImpresionVenta).noquote() << QStringLiteral("Impreso: %1 de la factura %2 de la serie %3")
                                                  .arg(QLatin1String(nombre(d)))
                                                  .arg(numero)
                                                  .arg(serie == SerieFactura::Primera ? 1 : 2);
        return;
    }
    qCInfo(lcImpresionVenta).noquote() << QStringLiteral("Aún no se imprimen documentos en este puesto: se imprimiría "
                                                         "%1 de la factura %2 de la serie %3")
                                              .arg(QLatin1String(nombre(d)))
                                              .arg(numero)
                                              .arg(serie == SerieFactura::Primera ? 1 : 2);
}

}  // namespace

void imprimir(SerieFactura serie, int numero, const VentaEnCurso& venta)
{
    if (serie == SerieFactura::Primera) {
        if (venta.ticket) {
            // Un ticket que no sale no para la venta
            try {
                mandar(Documento::Ticket, serie, numero, venta);
            } catch (const std::exception& e) {
                qCWarning(lcImpresionVenta) << "No se imprimió el ticket:" << e.what();
            }
        }
        if (venta.factura)
            mandar(Documento::Factura, serie, numero, venta);
        if (venta.normativa)
            mandar(Documento::Normativa, serie, numero, venta);
        if (venta.hojaBono)
            mandar(Documento::HojaBono, serie, numero, venta);
        return;
    }
    mandar(Documento::Factura, serie, numero, venta);
    if (venta.normativa)
        mandar(Documento::Normativa, serie, numero, venta);
    else if (venta.hojaBono)
        mandar(Documento::HojaBono, serie, numero, venta);
}

void ponerImpresora(const Impresora& i)
{
    impresora() = i;
}

}  // namespace ImpresionVenta
