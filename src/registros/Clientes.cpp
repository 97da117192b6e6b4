#include "registros/Clientes.h"

#include "datos/Componentes.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Globales.h"
#include "datos/Valores.h"

namespace {
// Los códigos de cliente son numéricos: se ligan como número
bool codigoNumerico(const QString& codigo, qlonglong& numero)
{
    bool ok = false;
    numero = codigo.trimmed().toLongLong(&ok);
    return ok;
}
}  // namespace

QString NombreCliente(const QString& codigo)
{
    qlonglong numero = 0;
    if (!codigoNumerico(codigo, numero))
        return {};
    Consulta c(gConexion, QStringLiteral("Select Nombre,Apellidos from Clientes where codigo = ?"), {numero});
    if (!c.siguiente())
        return {};
    return c.texto(QStringLiteral("Nombre")) + QLatin1Char(' ') + c.texto(QStringLiteral("Apellidos"));
}

bool ClienteConDineroDeposito(const QString& codigo, double& valor)
{
    valor = 0;
    qlonglong numero = 0;
    if (!codigoNumerico(codigo, numero))
        return false;
    Consulta c(gConexion, QStringLiteral("Select dindep,activardindep from clientes where codigo = ?"), {numero});
    if (!c.siguiente())
        return false;
    valor = c.esNulo(QStringLiteral("dindep")) ? 0 : c.numero(QStringLiteral("dindep"));
    return c.bandera(QStringLiteral("activardinDep"));
}

void DescontarDeposito(const QString& codigo, double precio)
{
    qlonglong numero = 0;
    double deposito = 0;
    bool activo = false;
    if (codigoNumerico(codigo, numero)) {
        Consulta c(gConexion, QStringLiteral("Select dindep,activardindep from clientes where codigo = ? and tienda = ?"),
                   {numero, gNombreTienda});
        if (c.siguiente()) {
            deposito = c.esNulo(QStringLiteral("dindep")) ? 0 : c.numero(QStringLiteral("dindep"));
            activo = c.bandera(QStringLiteral("activardindep"));
        }
    }
    if (!activo || deposito < precio)
        throw ErrorTarvelo(QStringLiteral("El dinero en depósito del cliente (%1) ya no cubre el precio del bono (%2): "
                                          "no se ha guardado la venta. Elija otra forma de pago.")
                               .arg(Valores::mostrarImporte(deposito, gNumDecimales),
                                    Valores::mostrarImporte(precio, gNumDecimales)));
    Componentes::registros().Modificar(gConexion, QStringLiteral("Clientes"),
                                       QStringLiteral("dindep=") + Valores::numeroATexto(deposito - precio) +
                                           QLatin1Char('|'),
                                       gNombreTienda, gMultitienda,
                                       Condicion(QStringLiteral("codigo = ? and tienda = ?"), {numero, gNombreTienda}),
                                       0, QString(), QString(), QString());
}
