#include "registros/Clientes.h"

#include "datos/Consulta.h"
#include "datos/Globales.h"

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
