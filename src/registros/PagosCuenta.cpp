#include "registros/PagosCuenta.h"

#include "datos/Consulta.h"
#include "datos/Globales.h"

namespace {
// El código va ligado como número: un código que no lo es no tiene deuda
double sumar(const QString& sql, qlonglong cliente)
{
    Consulta c(gConexion, sql, {cliente});
    if (!c.siguiente() || c.esNulo(QStringLiteral("importetotal")))
        return 0;
    return c.numero(QStringLiteral("importetotal"));
}
}  // namespace

bool ObtenerDeudaCliente(const QString& codigoCliente, double& deuda)
{
    deuda = 0;
    bool numerico = false;
    const qlonglong cliente = codigoCliente.trimmed().toLongLong(&numerico);
    if (!numerico)
        return false;
    const double debido = sumar(QStringLiteral("Select sum(importe) as importeTotal from cabecera_pago "
                                               "where cliente = ? and estado = 0"),
                                cliente);
    if (debido <= 0) {
        deuda = debido;
        return false;
    }
    const double pagado = sumar(QStringLiteral("Select sum(importe) as importetotal from detalle_pago where num_pago in "
                                               "(SElect num_pago from cabecera_pago where cliente = ? and estado = 0)"),
                                cliente);
    deuda = debido - pagado;
    return deuda > 0;
}
