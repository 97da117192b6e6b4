#include "informes/DatosInformes.h"

#include "datos/Consulta.h"
#include "datos/Globales.h"
#include "datos/Valores.h"
#include "informes/DocumentoInforme.h"

#include <optional>

namespace {

using Fila = QList<QPair<QString, QVariant>>;

struct Tienda {
    QString nombre, direccion, cp, provincia, cif, telefono;
};

Tienda leerTienda()
{
    Tienda t;
    Consulta q(gConexion, QStringLiteral("Select nombre,direccion,poblacion,cif,cp,provincia,telefono from opciones"));
    if (q.siguiente())
        t = {q.texto(QStringLiteral("nombre")),    q.texto(QStringLiteral("direccion")), q.texto(QStringLiteral("cp")),
             q.texto(QStringLiteral("provincia")), q.texto(QStringLiteral("cif")),       q.texto(QStringLiteral("telefono"))};
    return t;
}

struct Cliente {
    QString nombre, direccion, nif, poblacion, provincia, cp;
};

// Sin fila, nada
std::optional<Cliente> leerCliente(const QVariant& codigo)
{
    std::optional<Cliente> c;
    Consulta q(gConexion, QStringLiteral("select nombre,apellidos,direccion,nif,poblacion,provincia,cp from clientes "
                                         "where codigo = ? "),
               {codigo});
    if (q.siguiente())
        c = {q.texto(QStringLiteral("nombre")) + QLatin1Char(' ') + q.texto(QStringLiteral("apellidos")),
             q.texto(QStringLiteral("direccion")), q.texto(QStringLiteral("nif")), q.texto(QStringLiteral("poblacion")),
             q.texto(QStringLiteral("provincia")), q.texto(QStringLiteral("cp"))};
    return c;
}

void factura(DocumentoInforme& doc, int numVenta, const QString& sufijo)
{
    doc.vaciar();
    const Tienda t = leerTienda();
    Cliente cli;
    cli.nombre = QStringLiteral("Generico");
    double descuento = 0;
    QDate fecha = QDate::currentDate();
    {
        Consulta q(gConexion, QStringLiteral("Select cliente,descuento,fechaventa from cabecera_factura%1 where "
                                             "numero = ? ").arg(sufijo),
                   {numVenta});
        if (q.siguiente()) {
            const QVariant codigo = q.valor(QStringLiteral("cliente"));
            if (codigo.toDouble() > 0)
                cli = leerCliente(codigo).value_or(cli);
            descuento = q.valor(QStringLiteral("descuento")).toDouble();
            fecha = q.fecha(QStringLiteral("fechaventa"));
        }
    }
    const bool conNombre = !gIdentificacionFiscal.isEmpty();
    const Fila cabecera{
        {QStringLiteral("texto1"), t.nombre},
        {QStringLiteral("texto2"), conNombre ? gIdentificacionFiscal + QStringLiteral(": ") + t.cif : t.cif},
        {QStringLiteral("TEXTO20"), conNombre ? gIdentificacionFiscal + QStringLiteral(": ") : QStringLiteral("C.I.F:")},
        {QStringLiteral("texto3"), t.direccion},
        {QStringLiteral("texto4"), t.cp},
        {QStringLiteral("texto5"), t.provincia},
        {QStringLiteral("texto6"), cli.nombre},
        {QStringLiteral("texto11"), QStringLiteral("Tlf: ") + t.telefono},
        {QStringLiteral("texto12"), cli.nif},
        {QStringLiteral("texto13"), QStringLiteral("Factura")},
        {QStringLiteral("texto14"), cli.direccion},
        {QStringLiteral("texto15"), cli.cp},
        {QStringLiteral("texto16"), cli.poblacion},
        {QStringLiteral("texto17"), cli.provincia},
        {QStringLiteral("Fecha1"), fecha},
        {QStringLiteral("numerico1"), numVenta},
        {QStringLiteral("numerico21"), descuento},
        {QStringLiteral("texto29"), gIva ? QStringLiteral("IVA incluido") : QStringLiteral("IVA No incluido")},
    };
    Consulta q(gConexion, QStringLiteral("Select * from detalle_factura%1 where num_factura = ? ").arg(sufijo),
               {numVenta});
    while (q.siguiente()) {
        const double unidades = q.valor(QStringLiteral("unidades")).toDouble();
        Fila f = cabecera;
        f << QPair<QString, QVariant>{QStringLiteral("texto9"), q.texto(QStringLiteral("producto"))}
          << QPair<QString, QVariant>{QStringLiteral("numerico4"), unidades}
          << QPair<QString, QVariant>{QStringLiteral("numerico5"), q.valor(QStringLiteral("descuento"))}
          << QPair<QString, QVariant>{QStringLiteral("numerico20"),
                                      q.valor(QStringLiteral("precio_unit")).toDouble() * unidades}
          << QPair<QString, QVariant>{QStringLiteral("numerico2"), q.valor(QStringLiteral("precio"))}
          << QPair<QString, QVariant>{QStringLiteral("numerico3"), q.valor(QStringLiteral("impuesto"))}
          << QPair<QString, QVariant>{QStringLiteral("numerico6"), q.valor(QStringLiteral("tipoimpuesto"))};
        doc.anadir(f);
    }
}

// Un número de la pantalla como lo lee el puesto; nulo si no es un número
QVariant numeroPantalla(const QString& texto)
{
    bool ok = false;
    const double v = Valores::leerNumero(texto, &ok);
    return ok && !texto.trimmed().isEmpty() ? QVariant(v) : QVariant(QMetaType::fromType<double>());
}

}  // namespace

void GenerarReportFactura(DocumentoInforme& doc, int numVenta)
{
    factura(doc, numVenta, QString());
}

void GenerarReportFacturaPeruChile(DocumentoInforme& doc, int numVenta)
{
    factura(doc, numVenta, QStringLiteral("_1"));
}

void CrearReportBonos(DocumentoInforme& doc, int numero, const PantallaBono& p)
{
    doc.vaciar();
    const Tienda t = leerTienda();
    const Cliente c = leerCliente(p.codCliente.trimmed().toInt()).value_or(Cliente{});
    const Fila comunes{
        {QStringLiteral("texto30"), p.titulo},       {QStringLiteral("texto1"), t.nombre},
        {QStringLiteral("texto2"), t.direccion},     {QStringLiteral("texto3"), t.cp},
        {QStringLiteral("texto5"), t.provincia},     {QStringLiteral("texto6"), t.cif},
        {QStringLiteral("texto7"), c.nombre},        {QStringLiteral("texto8"), c.direccion},
        {QStringLiteral("texto9"), c.cp},            {QStringLiteral("texto11"), c.provincia},
        {QStringLiteral("texto12"), c.nif},          {QStringLiteral("texto13"), p.servicio},
        {QStringLiteral("numerico1"), numeroPantalla(p.sesiones)},
        {QStringLiteral("Fecha1"), p.desde},         {QStringLiteral("fecha2"), p.hasta},
        {QStringLiteral("numerico5"), numero},       {QStringLiteral("numerico2"), numeroPantalla(p.precio)},
        {QStringLiteral("numerico3"), numeroPantalla(p.entrega)},
        {QStringLiteral("numerico4"), numeroPantalla(p.cambio)},
        {QStringLiteral("Texto22"), QStringLiteral("Fecha:  __/__/__")},
    };
    const qint64 sesiones = qint64(Valores::leerNumeroIndulgente(p.sesiones));
    for (qint64 i = 1; i <= sesiones; i += 2) {
        Fila f = comunes;
        f << QPair<QString, QVariant>{QStringLiteral("numerico10"), i};
        if (sesiones >= i + 1)
            f << QPair<QString, QVariant>{QStringLiteral("numerico11"), i + 1};
        doc.anadir(f);
    }
}
