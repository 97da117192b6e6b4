#include "pantallas/venta/ImpresionVenta.h"

#include "datos/Componentes.h"
#include "datos/Globales.h"
#include "informes/DatosInformes.h"
#include "informes/DocumentoInforme.h"
#include "pantallas/espera/frmEsperar.h"
#include "principal/ManejadorErrores.h"
#include "principal/Mensajes.h"
#include "registros/verifactu/UrlQr.h"

#include <QApplication>
#include <QLoggingCategory>
#include <exception>

Q_LOGGING_CATEGORY(lcImpresionVenta, "tarvelo.venta.impresion", QtInfoMsg)

namespace ImpresionVenta {
namespace {

Impresora& impresora()
{
    static Impresora i;
    return i;
}

void bono(const QString& nombre, const QString& plantilla, int numero, const VentaEnCurso& v)
{
    DocumentoInforme doc(QStringLiteral("%1 %2").arg(nombre).arg(numero));
    CrearReportBonos(doc, numero, {v.titulo, v.codCliente, v.nomServicio, v.sesiones, v.precio, v.entrega, v.cambio,
                                   v.desde, v.hasta});
    ImprimirReport(doc, plantilla);
}

void deVerdad(Documento d, SerieFactura serie, int numero, const VentaEnCurso& v)
{
    switch (d) {
    case Documento::Ticket:
        Componentes::perifericos().ImprimirTicket(gConexion, gImpresoraTicket, numero, v.entrega, v.cambio,
                                                  VeriFactu::urlQrGuardada(QStringLiteral("cabecera_factura"), numero));
        return;
    case Documento::Factura: {
        const bool primera = serie == SerieFactura::Primera;
        DocumentoInforme doc(QStringLiteral("Factura %1%2").arg(numero).arg(primera ? QString() : QStringLiteral(" segunda serie")));
        if (primera) {
            doc.ponerQrTributario(VeriFactu::urlQrGuardada(QStringLiteral("cabecera_factura"), numero));
            GenerarReportFactura(doc, numero);
        } else {
            GenerarReportFacturaPeruChile(doc, numero);
        }
        ImprimirReport(doc, QStringLiteral("Q_factura.rpt"));
        return;
    }
    case Documento::Normativa:
        bono(QStringLiteral("Normativa UVA"), QStringLiteral("Q_BonosNormativaUVA.rpt"), numero, v);
        return;
    case Documento::HojaBono:
        bono(QStringLiteral("Hoja de seguimiento"), QStringLiteral("Q_BonosServicios.rpt"), numero, v);
        return;
    }
}

void mandar(Documento d, SerieFactura serie, int numero, const VentaEnCurso& venta)
{
    try {
        if (impresora())
            impresora()(d, serie, numero, venta);
        else
            deVerdad(d, serie, numero, venta);
        static const char* const nombres[] = {"el ticket", "la factura", "la normativa", "la hoja del bono"};
        qCInfo(lcImpresionVenta).noquote() << QStringLiteral("Impreso: %1 de la factura %2 de la serie %3")
                                                  .arg(QLatin1String(nombres[int(d)]))
                                                  .arg(numero)
                                                  .arg(serie == SerieFactura::Primera ? 1 : 2);
    } catch (const ErrorTarvelo& e) {
        if (d == Documento::Ticket)  // un ticket que no sale no se dice
            qCWarning(lcImpresionVenta).noquote() << "No se imprimió el ticket:" << e.descripcion() << e.detalle();
        else
            ManejadorErrores::informar(e.descripcion(), e.detalle());
    } catch (const std::exception& e) {
        if (d != Documento::Ticket)
            throw;
        qCWarning(lcImpresionVenta) << "No se imprimió el ticket:" << e.what();
    }
}

}  // namespace

void imprimir(SerieFactura serie, int numero, const VentaEnCurso& venta)
{
    if (serie == SerieFactura::Primera) {
        if (venta.ticket)
            mandar(Documento::Ticket, serie, numero, venta);
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

void ImprimirReport(DocumentoInforme& documento, const QString& NombreR)
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    try {
        frmEsperar::mientras([&] { documento.imprimir(NombreR); });
    } catch (const ErrorInforme& e) {
        qCWarning(lcImpresionVenta).noquote() << NombreR << e.numero() << e.descripcion() << e.detalle();
        Mensajes::mostrar(QApplication::activeWindow(), QString::number(e.numero()), e.descripcion(),
                          Mensajes::Icono::Error, Mensajes::Botones::Aceptar, e.detalle());
        try {
            documento.imprimir(NombreR);
        } catch (const ErrorInforme& otra) {
            qCWarning(lcImpresionVenta).noquote() << "Segundo intento:" << NombreR << otra.descripcion();
        }
    }
    for (int i = 0; i < 2; ++i)
        QCoreApplication::processEvents();
}

}  // namespace ImpresionVenta
