#include "registros/BajasBono.h"

#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/FechaJornada.h"
#include "datos/Globales.h"
#include "datos/Numeracion.h"
#include "datos/Transaccion.h"
#include "datos/Valores.h"
#include "registros/Bonos.h"
#include "registros/Facturas.h"
#include "registros/ListaRegistro.h"
#include "registros/verifactu/RegistroAlta.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcBajas, "tarvelo.registros.bajas", QtWarningMsg)

namespace {

int numeroBono(const QString& numbono)
{
    bool ok = false;
    const int numero = numbono.trimmed().toInt(&ok);
    if (!ok)
        throw ErrorTarvelo(QStringLiteral("El número de bono «%1» no es válido.").arg(numbono));
    return numero;
}

// Un campo de la factura tal como lo escribe el sistema: vacío si es nulo,
// los importes con el separador del puesto
QString valor(const Consulta& c, const char* campo)
{
    const QVariant v = c.valor(QLatin1String(campo));
    if (v.typeId() == QMetaType::Double && !v.isNull())
        return Valores::numeroATexto(v.toDouble());
    return c.texto(QLatin1String(campo));
}

QString hora(const Consulta& c, const char* campo)
{
    return Valores::horaTexto(c.hora(QLatin1String(campo)));
}

// El impuesto del abono va en negativo; sin impuesto, 0
QString impuestoNegado(const Consulta& c, const char* campo)
{
    const QString nombre = QLatin1String(campo);
    return Valores::numeroATexto(c.esNulo(nombre) ? 0.0 : -c.numero(nombre));
}

int marca(const Consulta& c, const char* campo)
{
    const QString nombre = QLatin1String(campo);
    return !c.esNulo(nombre) && c.bandera(nombre) ? -1 : 0;
}

}  // namespace

void AnularBono(const QString& numbono, const QString& empleado)
{
    const Condicion condicion(QStringLiteral("numbono=?"), {numeroBono(numbono)});
    const QString tabla = QStringLiteral("cabecera_bonos");
    Transaccion t(gConexion);
    GestorRegistros& r = Componentes::registros();
    r.Modificar(gConexion, tabla, QStringLiteral("estado=-1|"), gNombreTienda, gMultitienda, condicion, -1,
                QStringLiteral("33"), QString(), QStringLiteral(" por el empleado ") + empleado);
    r.ProcesarFilas(gConexion, tabla, gNombreTienda, gMultitienda, condicion);
    t.confirmar();
}

double CalcularImporte(double precio, double sesiones, double usadas)
{
    if (sesiones == 0)
        return precio;
    return Valores::redondear(precio - usadas * (precio / sesiones), gNumDecimales);
}

void GuardarDetalleAbono(SerieFactura serie, int numAbono, int numfac, const DevolucionBono& d)
{
    const int restantes =
        qRound(Valores::leerNumeroIndulgente(d.sesiones) - Valores::leerNumeroIndulgente(d.usadas));
    Consulta c(gConexion,
               QStringLiteral("Select * from %1 where num_factura = ?").arg(TablaDetalleFactura(serie)), {numfac});
    // Solo la primera línea de la factura
    if (!c.siguiente())
        return;
    ListaRegistro l;
    l.campo("codigo", valor(c, "codigo"))
        .campo("Producto", valor(c, "producto"))
        .campo("Unidades", restantes)
        .campo("Precio", d.importe)
        .campo("num_abono", numAbono)
        .campo("descuento", valor(c, "descuento"))
        .campo("precio_Unit", valor(c, "precio_unit"))
        .campo("Impuesto", impuestoNegado(c, "impuesto"))
        .campo("tipoimpuesto", valor(c, "tipoimpuesto"))
        .campo("codEmpleado", valor(c, "codempleado"))
        .campo("nombreEmpleado", valor(c, "nombreempleado"))
        .campo("tipo_venta", valor(c, "tipo_venta"))
        .campo("num_factura", valor(c, "num_factura"));
    c.cerrar();
    l.insertar(QStringLiteral("detalle_abono"));
}

void GuardarCabeceraAbono(SerieFactura serie, int numAbono, int numfac, const DevolucionBono& d)
{
    Consulta c(gConexion, QStringLiteral("Select * from %1 where numero= ?").arg(TablaCabeceraFactura(serie)),
               {numfac});
    if (!c.siguiente())
        return;
    ListaRegistro l;
    l.campo("Numero", numAbono)
        .campo("Fecha", Valores::fechaCorta(FechaJornada::ahora().date()))
        .campo("Cliente", valor(c, "cliente"))
        .campo("Empleado", d.nomEmpleado)
        .campo("total", d.importe)
        .campo("pago", valor(c, "pago"))
        .campo("descuento", valor(c, "descuento"))
        .campo("hora", hora(c, "hora"))
        .campo("Codigo_Empleado", d.codEmpleado)
        .campo("hora_inicio", hora(c, "hora_inicio"))
        .campo("borrar", marca(c, "borrar"))
        .campo("impuesto", impuestoNegado(c, "impuesto"))
        .campo("tarjeta", valor(c, "tarjeta"))
        .campo("efectivo", valor(c, "efectivo"))
        .campo("recargo", valor(c, "recargo"))
        .campo("impuestoincluido", marca(c, "impuestoincluido"))
        .campo("fechaventa", Valores::fechaCorta(ObtenerFechaJornada()))
        .campo("terminal", valor(c, "terminal"))
        .campo("num_factura", valor(c, "numero"));
    if (serie == SerieFactura::Segunda)
        l.campo("FacturaPeruChile", -1);
    l.campo("CaracteristicaVenta", valor(c, "caracteristicaventa"));
    c.cerrar();
    l.insertar(QStringLiteral("cabecera_abono"));
}

int BorrarBonoConAbono(const DevolucionBono& d)
{
    ExigirContador(QStringLiteral("Abonos"));
    const SerieFactura serie =
        BonoConFacturaPeruChile(numeroBono(d.numBono)) ? SerieFactura::Segunda : SerieFactura::Primera;
    const int numfac = ObtenerFacturaBono(d.numBono);
    // El abono de la primera serie es una factura rectificativa más de la cadena
    const VeriFactu::Modo verifactu = serie == SerieFactura::Primera ? VeriFactu::modoTienda() : VeriFactu::Modo{};
    Transaccion t(gConexion);
    // Primera escritura: el contador queda bloqueado hasta confirmar y un fallo devuelve el número
    const int numAbono = ObtenerNumeroAbono();
    GuardarDetalleAbono(serie, numAbono, numfac, d);
    GuardarCabeceraAbono(serie, numAbono, numfac, d);
    if (verifactu.activo)
        VeriFactu::RegistrarAltaAbono(numAbono, verifactu);
    AnularBono(d.numBono, d.nomEmpleado);
    t.confirmar();
    qCDebug(lcBajas) << "Bono" << d.numBono << "borrado con el abono" << numAbono << "de la factura" << numfac;
    return numAbono;
}
