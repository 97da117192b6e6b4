#include "registros/Importes.h"

#include "datos/Componentes.h"
#include "datos/Globales.h"
#include "datos/Valores.h"

namespace {
constexpr qint16 kPagoMixto = 3;

// Elemento n de los datos del artículo, como número
double elemento(const VentaEnCurso& v, int n)
{
    return Valores::leerNumeroIndulgente(v.clavePrecio.split(QLatin1Char('|')).value(n));
}
}  // namespace

QString NormalizarDecimal(QString& texto)
{
    if (Componentes::teclado().SeparadorDecimal() == QLatin1String(".")) {
        texto.remove(QLatin1Char(','));
        texto.replace(QLatin1Char('.'), QLatin1Char(','));
    } else {
        texto.remove(QLatin1Char('.'));
    }
    return texto;
}

QString NormalizarDecimal(const QString& texto)
{
    QString copia = texto;
    return NormalizarDecimal(copia);
}

double PrecioVenta(const VentaEnCurso& venta)
{
    return Valores::leerNumeroIndulgente(NormalizarDecimal(venta.precio));
}

ImportesFactura CalcularImportesFactura(const VentaEnCurso& v)
{
    GestorNumeros& numeros = Componentes::numeros();
    ImportesFactura r;
    const double sesiones = Valores::leerNumeroIndulgente(v.sesiones);
    r.precioUnidad = elemento(v, 2);
    r.tipo = elemento(v, 3);
    r.impuestoLinea = r.impuestoCabecera = elemento(v, 5) * sesiones;
    double catalogo = r.precioUnidad * sesiones;
    // Solo la línea sigue a un precio que no es el de catálogo; la cabecera no
    if (PrecioVenta(v) != catalogo)
        r.impuestoLinea = numeros.ImporteImpuesto(PrecioVenta(v), r.tipo, gIva);
    if (!v.descuento.isEmpty()) {
        r.descuento = Valores::leerNumeroIndulgente(v.descuento) / 100 * catalogo;
        catalogo -= r.descuento;
        r.impuestoLinea = r.impuestoCabecera = numeros.ImporteImpuesto(catalogo, r.tipo, gIva);
    }
    return r;
}

double RestoPendiente(const VentaEnCurso& v)
{
    double pagado = Valores::leerNumeroIndulgente(NormalizarDecimal(v.entrega));
    if (v.formaPago == kPagoMixto)
        pagado += Valores::leerNumeroIndulgente(NormalizarDecimal(v.pagoTarjeta));
    // A los decimales del puesto: un pago exacto no deja una deuda de céntimos de coma flotante
    const double resto = Valores::redondear(PrecioVenta(v) - pagado, gNumDecimales);
    return resto > 0 ? resto : 0;
}
