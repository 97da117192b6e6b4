#include "registros/ModificacionBono.h"

#include "datos/Componentes.h"
#include "datos/Globales.h"
#include "datos/Transaccion.h"
#include "datos/Valores.h"
#include "registros/Bonos.h"
#include "registros/Facturas.h"
#include "registros/ListaRegistro.h"
#include "registros/ListasBonos.h"

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

void RegistrarModificacion(const VentaEnCurso& venta)
{
    Transaccion t(gConexion);
    ModificarDetalleFactura(venta);
    ModificarCabeceraFactura(venta);
    ModificarCabeceraBono(venta);
    t.confirmar();
    qCDebug(lcModificacionBono) << "Bono modificado:" << venta.bono.numero << "factura" << venta.bono.factura
                                << "serie" << (venta.bono.serie == SerieFactura::Primera ? 1 : 2);
}
