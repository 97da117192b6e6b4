#include "registros/Facturas.h"

#include "datos/Componentes.h"
#include "datos/FechaJornada.h"
#include "datos/Globales.h"
#include "datos/Valores.h"
#include "registros/Importes.h"
#include "registros/ListaRegistro.h"

namespace {
constexpr qint16 kPagoMixto = 3;

void guardarDetalle(SerieFactura serie, int numero, const VentaEnCurso& v)
{
    const ImportesFactura i = CalcularImportesFactura(v);
    ListaRegistro l;
    l.campo("codigo", v.codServicio)
        .campo("Producto", v.nomServicio)
        .campo("Unidades", v.sesiones)
        .campo("Precio", NormalizarDecimal(v.precio))
        .campo("num_factura", numero)
        .campo("descuento", Valores::numeroATexto(i.descuento))
        .campo("precio_Unit", Valores::normalizarDecimal(i.precioUnidad))
        .campo("Impuesto", Valores::normalizarDecimal(Valores::redondear(i.impuestoLinea, 2)))
        .campo("tipoimpuesto", Valores::numeroATexto(i.tipo))
        .campo("codEmpleado", v.codEmpleado)
        .campo("nombreEmpleado", v.nomEmpleado)
        .campo("tipo_venta", gModoFamilias ? QStringLiteral("BF") : QStringLiteral("B"));
    l.insertar(TablaDetalleFactura(serie));
}

void guardarCabecera(SerieFactura serie, int numero, const VentaEnCurso& v)
{
    const QDate jornada = ObtenerFechaJornada();
    const ImportesFactura i = CalcularImportesFactura(v);
    const bool mixto = v.formaPago == kPagoMixto;
    const double tarjeta = Valores::leerNumeroIndulgente(NormalizarDecimal(v.pagoTarjeta));
    ListaRegistro l;
    l.campo("Numero", numero)
        .campo("Fecha", v.fechaAlta)
        .campo("Cliente", v.codCliente)
        .campo("Empleado", v.nomEmpleado)
        .campo("total", NormalizarDecimal(v.precio))
        .campo("pago", v.formaPago)
        .campo("descuento", Valores::numeroATexto(i.descuento))
        .campo("hora", Valores::horaTexto(FechaJornada::ahora().time()))
        .campo("Codigo_Empleado", v.codEmpleado)
        .campo("hora_inicio", Valores::horaTexto(FechaJornada::ahora().time()))
        .campo("borrar", 0)
        .campo("impuesto", Valores::normalizarDecimal(Valores::redondear(i.impuestoCabecera, 2)))
        // Solo el pago mixto reparte tarjeta y efectivo; los demás, aunque sean todo de uno, van a 0
        .campo("tarjeta", mixto ? NormalizarDecimal(v.pagoTarjeta) : QStringLiteral("0"))
        .campo("efectivo", mixto ? Valores::normalizarDecimal(Valores::redondear(PrecioVenta(v) - tarjeta, gNumDecimales))
                                 : QStringLiteral("0"))
        .campo("recargo", 0)
        .campo("impuestoincluido", gIva ? -1 : 0)
        .campo("fechaventa", Valores::fechaCorta(jornada))
        .campo("terminal", gTerminal)
        .campo("caracteristicaventa", QStringLiteral("B"));
    l.insertar(TablaCabeceraFactura(serie));
}
}  // namespace

QString TablaCabeceraFactura(SerieFactura serie)
{
    return serie == SerieFactura::Primera ? QStringLiteral("cabecera_factura") : QStringLiteral("cabecera_factura_1");
}

QString TablaDetalleFactura(SerieFactura serie)
{
    return serie == SerieFactura::Primera ? QStringLiteral("detalle_factura") : QStringLiteral("detalle_factura_1");
}

void guardarDetalleFactura(int numero, const VentaEnCurso& venta)
{
    guardarDetalle(SerieFactura::Primera, numero, venta);
}

void guardarCabeceraFactura(int numero, const VentaEnCurso& venta)
{
    guardarCabecera(SerieFactura::Primera, numero, venta);
}

void guardarDetalleFacturaPeruChile(int numero, const VentaEnCurso& venta)
{
    guardarDetalle(SerieFactura::Segunda, numero, venta);
}

void guardarCabeceraFacturaPeruChile(int numero, const VentaEnCurso& venta)
{
    guardarCabecera(SerieFactura::Segunda, numero, venta);
}
