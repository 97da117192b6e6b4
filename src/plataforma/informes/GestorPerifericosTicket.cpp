#include "plataforma/informes/GestorPerifericosTicket.h"

#include "datos/Componentes.h"
#include "datos/Consulta.h"
#include "datos/Globales.h"
#include "datos/Valores.h"
#include "plataforma/informes/DestinoTicket.h"
#include "plataforma/informes/TicketEscPos.h"

namespace {

QString moneda()
{
    if (gRegion == QLatin1String("Chile"))
        return QStringLiteral("$");
    if (gRegion == QLatin1String("Peru"))
        return QStringLiteral("S/");
    return QStringLiteral("€");
}

}  // namespace

DatosTicket GestorPerifericosTicket::leer(Conexion& c, int numFactura)
{
    DatosTicket t;
    t.numero = numFactura;
    t.moneda = moneda();
    {
        Consulta q(c, QStringLiteral("Select nombre,direccion,poblacion,cif,cp,provincia,telefono from opciones"));
        if (q.siguiente()) {
            t.tienda = q.texto(QStringLiteral("nombre"));
            const QString lugar = (q.texto(QStringLiteral("cp")) + QLatin1Char(' ') + q.texto(QStringLiteral("poblacion"))).trimmed();
            const QString cif = q.texto(QStringLiteral("cif"));
            t.cabecera << q.texto(QStringLiteral("direccion")) << lugar
                       << (cif.isEmpty() ? QString()
                                         : (gIdentificacionFiscal.isEmpty() ? QStringLiteral("C.I.F:")
                                                                            : gIdentificacionFiscal + QLatin1Char(':'))
                                               + QLatin1Char(' ') + cif);
            if (!q.texto(QStringLiteral("telefono")).isEmpty())
                t.cabecera << QStringLiteral("Tlf: ") + q.texto(QStringLiteral("telefono"));
        }
    }
    {
        Consulta q(c, QStringLiteral("Select fecha,hora,impuesto,impuestoincluido from cabecera_factura where "
                                     "numero = ? "),
                   {numFactura});
        if (q.siguiente()) {
            t.fecha = Valores::fechaCorta(q.fecha(QStringLiteral("fecha")));
            const QTime h = q.hora(QStringLiteral("hora"));
            t.hora = h.isValid() ? h.toString(QStringLiteral("HH:mm")) : QString();
            t.impuestoIncluido = q.valor(QStringLiteral("impuestoincluido")).toInt() != 0;
        }
    }
    Consulta q(c, QStringLiteral("Select * from detalle_factura where num_factura = ? "), {numFactura});
    while (q.siguiente()) {
        DatosTicket::Linea l;
        l.producto = q.texto(QStringLiteral("producto"));
        l.unidades = q.valor(QStringLiteral("unidades")).toDouble();
        l.bruto = q.valor(QStringLiteral("precio_unit")).toDouble() * l.unidades;
        l.descuento = q.valor(QStringLiteral("descuento")).toDouble();
        l.precio = q.valor(QStringLiteral("precio")).toDouble();
        t.impuesto += q.valor(QStringLiteral("impuesto")).toDouble();
        t.tipoImpuesto = q.valor(QStringLiteral("tipoimpuesto")).toDouble();
        t.lineas << l;
    }
    return t;
}

void GestorPerifericosTicket::ImprimirTicket(Conexion& c, const QString& impresora, int numFactura,
                                             const QString& entregado, const QString& cambio,
                                             const QString& qrTributario)
{
    if (impresora.trimmed().isEmpty())
        return;
    DatosTicket t = leer(c, numFactura);
    t.entregado = entregado;
    t.cambio = cambio;
    t.qrTributario = qrTributario;
    DestinoTicket::enviar(impresora, TicketEscPos::componer(t, Componentes::puesto().PaginaCodigosTicket(c)));
}
