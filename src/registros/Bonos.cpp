#include "registros/Bonos.h"

#include "datos/Consulta.h"
#include "datos/Globales.h"
#include "datos/Valores.h"
#include "registros/Importes.h"
#include "registros/ListaRegistro.h"

namespace {

ListaRegistro listaBono(int numfac, int numeroBono, const VentaEnCurso& v)
{
    ListaRegistro l;
    l.campo("NumBono", numeroBono)
        .campo("Cliente", v.codCliente)
        // En el bono va el código del empleado; en la factura, su nombre
        .campo("Empleado", v.codEmpleado)
        .campo(gModoFamilias ? "Familia" : "Servicio", v.codServicio)
        .campo("Precio", NormalizarDecimal(v.precio))
        // El porcentaje tecleado; la factura guarda el importe
        .campo("descuento", NormalizarDecimal(v.descuento.isEmpty() ? QStringLiteral("0") : v.descuento))
        .campo("fecha_alta", v.fechaAlta)
        .campo("fecha_desde", Valores::fechaCorta(v.desde))
        .campo("fecha_hasta", Valores::fechaCorta(v.hasta))
        .campo("Num_Sesiones", v.sesiones)
        .campo("estado", 0)
        .campo("Num_factura", numfac);
    return l;
}

// Primera fila de una consulta por número de bono (que se liga como número)
QVariant primerValor(const QString& sql, const QString& numeroBono, const QString& campo)
{
    bool numerico = false;
    const qlonglong numero = numeroBono.trimmed().toLongLong(&numerico);
    if (!numerico)
        return {};
    Consulta c(gConexion, sql, {numero});
    return c.siguiente() ? c.valor(campo) : QVariant();
}

}  // namespace

void guardarCabeceraBono(int numfac, int numeroBono, const VentaEnCurso& venta)
{
    listaBono(numfac, numeroBono, venta).insertar(QStringLiteral("cabecera_bonos"));
}

void guardarCabeceraBonoPeruChile(int numfac, int numeroBono, const VentaEnCurso& venta)
{
    listaBono(numfac, numeroBono, venta).campo("facturaPeruChile", QStringLiteral("True")).insertar(
        QStringLiteral("cabecera_bonos"));
}

int ObtenerFacturaBono(const QString& numeroBono)
{
    return primerValor(QStringLiteral("Select num_factura from cabecera_bonos where numbono = ?"), numeroBono,
                       QStringLiteral("num_factura"))
        .toInt();
}

int ObtenerFacturaBonoPeruChile(const QString& numeroBono)
{
    return primerValor(QStringLiteral("Select num_factura from cabecera_bonos where FacturaPeruChile = true and "
                                      "numbono = ?"),
                       numeroBono, QStringLiteral("num_factura"))
        .toInt();
}

bool BonoConFacturaPeruChile(int numeroBono)
{
    const QVariant v = primerValor(QStringLiteral("Select facturaperuchile from cabecera_bonos where numbono = ?"),
                                   QString::number(numeroBono), QStringLiteral("facturaperuchile"));
    return v.isValid() && !v.isNull() && v.toInt() != 0;
}
