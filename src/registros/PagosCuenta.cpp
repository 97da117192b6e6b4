#include "registros/PagosCuenta.h"

#include "datos/Componentes.h"
#include "datos/Consulta.h"
#include "datos/Globales.h"
#include "datos/Valores.h"
#include "registros/ListaRegistro.h"

namespace {
// El código va ligado como número: un código que no lo es no tiene deuda
double sumar(const QString& sql, const QVariantList& valores)
{
    Consulta c(gConexion, sql, valores);
    if (!c.siguiente() || c.esNulo(QStringLiteral("importetotal")))
        return 0;
    return c.numero(QStringLiteral("importetotal"));
}

void guardarPago(const QString& cabecera, int numeroFactura, double resto, int numeroPago)
{
    Consulta c(gConexion, QStringLiteral("Select * from %1 where numero = ?").arg(cabecera), {numeroFactura});
    if (!c.siguiente())
        return;
    ListaRegistro l;
    l.campo("Num_pago", numeroPago)
        .campo("Num_factura", numeroFactura)
        .campo("cliente", c.texto(QStringLiteral("cliente")))
        // Con el separador del puesto, no en la forma con coma
        .campo("importe", Valores::numeroATexto(resto))
        .campo("fecha", Valores::fechaCorta(c.fecha(QStringLiteral("fechaVenta"))))
        .campo("estado", 0)
        .campo("empleado", c.texto(QStringLiteral("codigo_empleado")))
        .campo("observaciones", QString());
    c.cerrar();
    l.insertar(QStringLiteral("Cabecera_Pago"));
    Componentes::registros().Modificar(gConexion, cabecera == QLatin1String("cabecera_factura")
                                                      ? QStringLiteral("Cabecera_Factura")
                                                      : QStringLiteral("Cabecera_Factura_1"),
                                       QStringLiteral("CaracteristicaVenta=BP|"), gNombreTienda, gMultitienda,
                                       Condicion(QStringLiteral("numero = ?"), {numeroFactura}), 0, QString(),
                                       QString(), QString());
}
}  // namespace

void GuardarPagoCuenta(int numeroFactura, double resto, int numeroPago)
{
    guardarPago(QStringLiteral("cabecera_factura"), numeroFactura, resto, numeroPago);
}

void GuardarPagoCuentaPeruChile(int numeroFactura, double resto, int numeroPago)
{
    guardarPago(QStringLiteral("cabecera_factura_1"), numeroFactura, resto, numeroPago);
}

bool ObtenerDeudaCliente(const QString& codigoCliente, double& deuda)
{
    deuda = 0;
    bool numerico = false;
    const qlonglong cliente = codigoCliente.trimmed().toLongLong(&numerico);
    if (!numerico)
        return false;
    const double debido = sumar(QStringLiteral("Select sum(importe) as importeTotal from cabecera_pago "
                                               "where cliente = ? and estado = 0"),
                                {cliente});
    if (debido <= 0) {
        deuda = debido;
        return false;
    }
    const double pagado = sumar(QStringLiteral("Select sum(importe) as importetotal from detalle_pago where num_pago in "
                                               "(SElect num_pago from cabecera_pago where cliente = ? and estado = 0)"),
                                {cliente});
    deuda = debido - pagado;
    return deuda > 0;
}

double DeudaFactura(int numeroFactura, const QString& codigoCliente)
{
    bool numerico = false;
    const qlonglong cliente = codigoCliente.trimmed().toLongLong(&numerico);
    if (!numerico)
        return 0;
    const double debido = sumar(QStringLiteral("Select sum(importe) as importetotal from cabecera_pago "
                                               "where num_factura = ? and cliente = ? and estado = 0"),
                                {numeroFactura, cliente});
    const double pagado = sumar(QStringLiteral("Select sum(importe) as importetotal from detalle_pago where num_pago in "
                                               "(Select num_pago from cabecera_pago where num_factura = ? and "
                                               "cliente = ? and estado = 0)"),
                                {numeroFactura, cliente});
    return debido - pagado;
}
