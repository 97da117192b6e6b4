#include "Demo.h"

#include "DemoPartes.h"
#include "Puesto.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Transaccion.h"

namespace Demo {
namespace {
int filas(Conexion& c, const QString& tabla)
{
    // El nombre de la tabla es de este programa, nunca del usuario
    Consulta q(c, QStringLiteral("select count(*) as n from %1").arg(tabla));
    return q.siguiente() ? q.entero(QStringLiteral("n")) : 0;
}
}  // namespace

bool tieneDatos(Conexion& c)
{
    return filas(c, QStringLiteral("opciones")) > 0;
}

ResumenDemo contar(Conexion& c)
{
    ResumenDemo r;
    r.secciones = filas(c, QStringLiteral("seccion"));
    r.servicios = filas(c, QStringLiteral("servicios"));
    r.familias = filas(c, QStringLiteral("familias"));
    r.clientes = filas(c, QStringLiteral("clientes"));
    r.empleados = filas(c, QStringLiteral("empleados"));
    r.formasPago = filas(c, QStringLiteral("formapago"));
    r.bonos = filas(c, QStringLiteral("cabecera_bonos"));
    r.consumos = filas(c, QStringLiteral("detalle_bono"));
    r.facturas = filas(c, QStringLiteral("cabecera_factura"));
    r.pagosCuenta = filas(c, QStringLiteral("cabecera_pago"));
    r.abonos = filas(c, QStringLiteral("cabecera_abono"));
    return r;
}

ResumenDemo sembrar(Conexion& c, const OpcionesDemo& o)
{
    if (tieneDatos(c))
        throw ErrorTarvelo(QStringLiteral("La base de datos ya tiene una tienda: no se siembra la demostración "
                                          "encima."));
    if (o.bonosGenerados < 0)
        throw ErrorTarvelo(QStringLiteral("El número de bonos no puede ser negativo."));
    {
        Transaccion t(c);
        sembrarConfiguracion(c, o);
        sembrarCatalogo(c);
        sembrarEmpleadosYFormasPago(c);
        sembrarClientes(c, o.hoy);

        DatosPuesto puesto;
        puesto.identificador = o.puesto;
        puesto.terminal = o.terminal;
        puesto.empleado = 1;
        puesto.impresoraTicket = o.impresoraTicket;
        puesto.tipoNegocio = o.tipoNegocio;
        Puesto::registrar(c, puesto);

        sembrarBonos(c, o.hoy, o.terminal);
        sembrarBonosGenerados(c, o.bonosGenerados, o.hoy);
        t.confirmar();
    }
    return contar(c);
}

}  // namespace Demo
