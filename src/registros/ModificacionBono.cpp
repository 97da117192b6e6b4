#include "registros/ModificacionBono.h"

#include "datos/Componentes.h"
#include "datos/Globales.h"
#include "datos/Transaccion.h"
#include "datos/Valores.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Numeracion.h"
#include "registros/BajasBono.h"
#include "registros/Bonos.h"
#include "registros/Importes.h"
#include "registros/Facturas.h"
#include "registros/ListaRegistro.h"
#include "registros/ListasBonos.h"
#include "registros/verifactu/RegistroAlta.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcModificacionBono, "tarvelo.registros.modificacion", QtWarningMsg)

namespace {

// El importe aplicado con Intro; sin aplicar ninguno, 0
QString descuento(const VentaEnCurso& v)
{
    return v.descuentoMod.trimmed().isEmpty() ? QStringLiteral("0") : v.descuentoMod;
}

QString tipoVenta()
{
    return gModoFamilias ? QStringLiteral("BF") : QStringLiteral("B");
}

void modificar(const QString& tabla, const ListaRegistro& lista, const Condicion& condicion, int historial = 0,
               const QString& codigo = QString(), const QString& campos = QString())
{
    Componentes::registros().Modificar(gConexion, tabla, lista.texto(), gNombreTienda, gMultitienda, condicion,
                                       historial, codigo, campos, QString());
}

}  // namespace

BonoModificado BonoAModificar(int numeroBono)
{
    BonoModificado b;
    b.numero = numeroBono;
    b.serie = BonoConFacturaPeruChile(numeroBono) ? SerieFactura::Segunda : SerieFactura::Primera;
    const QString texto = QString::number(numeroBono);
    b.factura = b.serie == SerieFactura::Segunda ? ObtenerFacturaBonoPeruChile(texto) : ObtenerFacturaBono(texto);
    return b;
}

// Precio y total van tal como se ven: el escritor los lee con el separador del puesto
void ModificarDetalleFactura(const VentaEnCurso& v)
{
    ListaRegistro l;
    l.campo("Unidades", v.sesiones)
        .campo("Precio", v.precio)
        .campo("descuento", descuento(v))
        .campo("codEmpleado", v.codEmpleado)
        .campo("nombreEmpleado", v.nomEmpleado)
        .campo("tipo_venta", tipoVenta());
    modificar(TablaDetalleFactura(v.bono.serie), l, Condicion(QStringLiteral("num_factura=?"), {v.bono.factura}));
}

void ModificarCabeceraFactura(const VentaEnCurso& v)
{
    ListaRegistro l;
    l.campo("Empleado", v.nomEmpleado)
        .campo("total", v.precio)
        .campo("pago", v.formaPago)
        .campo("descuento", descuento(v))
        .campo("Codigo_Empleado", v.codEmpleado);
    modificar(TablaCabeceraFactura(v.bono.serie), l, Condicion(QStringLiteral("numero=?"), {v.bono.factura}));
}

void ModificarCabeceraBono(const VentaEnCurso& v)
{
    const BonoModificado& b = v.bono;
    ListaRegistro l;
    l.campo("Empleado", v.codEmpleado)
        .campo("Precio", v.precio)
        // Aquí va el importe; al vender se guardó el porcentaje
        .campo("descuento", descuento(v))
        .campo("fecha_alta", v.fechaAlta)
        .campo("fecha_desde", Valores::fechaCorta(v.desde))
        .campo("fecha_hasta", Valores::fechaCorta(v.hasta))
        .campo("Num_Sesiones", v.sesiones)
        .campo("estado", 0);
    // La marca de la serie evita tocar un bono de la otra con la misma factura
    const QString serie =
        b.serie == SerieFactura::Segunda ? QStringLiteral("facturaperuchile = true and ") : QString();
    modificar(QStringLiteral("cabecera_bonos"), l,
              Condicion(serie + QStringLiteral("num_factura=? and numbono=?"), {b.factura, b.numero}), -1,
              QStringLiteral("12"), QStringLiteral("Num_Sesiones|Precio|fecha_hasta"));
    DesactivarBono(QString::number(b.numero), v.sesiones);
}

namespace {
// Con los registros de facturación la factura emitida no se toca: un cambio
// de precio es un abono por la diferencia (negativo si el bono sube), que es
// la factura rectificativa de la cadena. Sin cambio de precio no hay abono.
void RectificarPrecio(const VentaEnCurso& venta, const VeriFactu::Modo& modo)
{
    const BonoModificado& b = venta.bono;
    Consulta c(gConexion, QStringLiteral("select precio, num_sesiones from cabecera_bonos where numbono = ?"), {b.numero});
    if (!c.siguiente())
        throw ErrorTarvelo(QStringLiteral("No está el bono %1 que se iba a modificar.").arg(b.numero));
    const double devuelto = Valores::redondear(c.numero(QStringLiteral("precio")) - PrecioVenta(venta), 2);
    const QString sesiones = c.texto(QStringLiteral("num_sesiones"));
    c.cerrar();
    if (devuelto == 0)
        return;
    const int numAbono = ObtenerNumeroAbono();
    // Unidades del abono: las sesiones que se quitan (negativas si se añaden)
    const DevolucionBono d{QString::number(b.numero), sesiones, venta.sesiones, Valores::numeroATexto(devuelto),
                           venta.nomEmpleado, qint16(venta.codEmpleado)};
    GuardarDetalleAbono(b.serie, numAbono, b.factura, d);
    GuardarCabeceraAbono(b.serie, numAbono, b.factura, d);
    VeriFactu::RegistrarAltaAbono(numAbono, modo);
}
}  // namespace

void RegistrarModificacion(const VentaEnCurso& venta)
{
    const VeriFactu::Modo verifactu =
        venta.bono.serie == SerieFactura::Primera ? VeriFactu::modoTienda() : VeriFactu::Modo{};
    if (verifactu.activo)
        ExigirContador(QStringLiteral("Abonos"));
    Transaccion t(gConexion);
    if (verifactu.activo) {
        RectificarPrecio(venta, verifactu);
    } else {
        ModificarDetalleFactura(venta);
        ModificarCabeceraFactura(venta);
    }
    ModificarCabeceraBono(venta);
    t.confirmar();
    qCDebug(lcModificacionBono) << "Bono modificado:" << venta.bono.numero << "factura" << venta.bono.factura
                                << "serie" << (venta.bono.serie == SerieFactura::Primera ? 1 : 2);
}
