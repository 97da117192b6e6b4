#include "EscritorBonos.h"

#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Valores.h"

#include <QTime>
#include <algorithm>

namespace {

QVariant nulo()
{
    return QVariant(QMetaType::fromType<int>());
}

double dosDecimales(double x)
{
    return Valores::redondear(x, 2);
}

// El impuesto contenido en un precio con impuesto incluido
double impuestoIncluido(double importe, double tipo)
{
    return dosDecimales(importe - importe / (1.0 + tipo / 100.0));
}

}  // namespace

EscritorBonos::EscritorBonos(Conexion& c, const QDate& hoy, const QString& terminal)
    : m_c(c), m_hoy(hoy), m_terminal(terminal)
{
    {
        Consulta q(c, QStringLiteral("select codigo, nombre, precio, iva from servicios"));
        while (q.siguiente())
            m_servicios.insert(q.entero(QStringLiteral("codigo")),
                               {q.texto(QStringLiteral("nombre")), q.numero(QStringLiteral("precio")),
                                q.numero(QStringLiteral("iva"))});
    }
    {
        Consulta q(c, QStringLiteral("select codigo, nombre, precio, iva from familias"));
        while (q.siguiente())
            m_familias.insert(q.entero(QStringLiteral("codigo")),
                              {q.texto(QStringLiteral("nombre")), q.numero(QStringLiteral("precio")),
                               q.numero(QStringLiteral("iva"))});
    }
    {
        Consulta q(c, QStringLiteral("select codigo, nombre, apellidos, baja, mostrar_caja from empleados "
                                     "order by posicion"));
        while (q.siguiente()) {
            const int codigo = q.entero(QStringLiteral("codigo"));
            m_nombresEmpleado.insert(codigo, q.texto(QStringLiteral("nombre")) + QLatin1Char(' ')
                                                 + q.texto(QStringLiteral("apellidos")).left(1));
            if (!q.bandera(QStringLiteral("baja")) && q.bandera(QStringLiteral("mostrar_caja")))
                m_empleadosCaja << codigo;
        }
    }
    {
        Consulta q(c, QStringLiteral("select codigo, tienda from clientes"));
        while (q.siguiente())
            m_tiendaCliente.insert(q.entero(QStringLiteral("codigo")), q.texto(QStringLiteral("tienda")));
    }
    for (const char* contador : {"Bonos", "Factura", "PagosCuenta", "Abonos"}) {
        Consulta q(c, QStringLiteral("select daton from relaciones_fijas where indice = ?"),
                   {QString::fromLatin1(contador)});
        if (!q.siguiente() || q.esNulo(QStringLiteral("daton")))
            throw ErrorTarvelo(QStringLiteral("Falta el contador %1 en Relaciones_fijas.").arg(contador));
        m_siguientes.insert(QString::fromLatin1(contador), q.entero(QStringLiteral("daton")));
    }
    if (m_empleadosCaja.isEmpty())
        throw ErrorTarvelo(QStringLiteral("La tienda no tiene empleados de caja."));

    m_cabBonos = std::make_unique<InsercionPorLotes>(
        c, QStringLiteral("cabecera_bonos"),
        QStringList{"numbono", "cliente", "empleado", "servicio", "familia", "precio", "descuento", "fecha_alta",
                    "fecha_desde", "fecha_hasta", "num_sesiones", "estado", "num_factura", "tienda"});
    m_detBonos = std::make_unique<InsercionPorLotes>(
        c, QStringLiteral("detalle_bono"), QStringList{"num_bono", "fecha_consumo", "empleado", "tienda"});
    m_cabFacturas = std::make_unique<InsercionPorLotes>(
        c, QStringLiteral("cabecera_factura"),
        QStringList{"numero", "fecha", "cliente", "empleado", "total", "pago", "descuento", "hora",
                    "codigo_empleado", "hora_inicio", "borrar", "impuesto", "tarjeta", "efectivo", "recargo",
                    "impuestoincluido", "fechaventa", "terminal", "caracteristicaventa", "tienda"});
    m_detFacturas = std::make_unique<InsercionPorLotes>(
        c, QStringLiteral("detalle_factura"),
        QStringList{"num_factura", "codigo", "producto", "unidades", "precio", "descuento", "precio_unit",
                    "impuesto", "tipoimpuesto", "codempleado", "nombreempleado", "tipo_venta", "tienda"});
    m_cabPagos = std::make_unique<InsercionPorLotes>(
        c, QStringLiteral("cabecera_pago"),
        QStringList{"num_pago", "num_factura", "cliente", "importe", "fecha", "estado", "empleado",
                    "observaciones", "tienda"});
    m_detPagos = std::make_unique<InsercionPorLotes>(
        c, QStringLiteral("detalle_pago"), QStringList{"num_pago", "importe", "fecha", "pago", "empleado", "tienda"});
    m_historial = std::make_unique<InsercionPorLotes>(
        c, QStringLiteral("historial"),
        QStringList{"fecha", "hora", "puesto", "empleado", "tabla", "operacion", "campos", "descripcion",
                    "condicion", "valores_anteriores", "valores_nuevos", "tienda"});
}

EscritorBonos::~EscritorBonos() = default;

int EscritorBonos::siguiente(const QString& contador)
{
    return m_siguientes[contador]++;
}

int EscritorBonos::escribir(const BonoDemo& b)
{
    const auto& catalogo = b.pack ? m_familias : m_servicios;
    if (!catalogo.contains(b.item))
        throw ErrorTarvelo(QStringLiteral("No existe %1 %2 en el catálogo.")
                               .arg(b.pack ? QStringLiteral("el pack") : QStringLiteral("el servicio"))
                               .arg(b.item));
    if (!m_tiendaCliente.contains(b.cliente))
        throw ErrorTarvelo(QStringLiteral("No existe el cliente %1.").arg(b.cliente));
    if (!m_nombresEmpleado.contains(b.empleado))
        throw ErrorTarvelo(QStringLiteral("No existe el empleado %1.").arg(b.empleado));
    const Articulo art = catalogo.value(b.item);
    const QString tienda = m_tiendaCliente.value(b.cliente);
    const QVariant vTienda = tienda.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(tienda);
    const QString vendedor = m_nombresEmpleado.value(b.empleado);

    const int numbono = siguiente(QStringLiteral("Bonos"));
    const int factura = siguiente(QStringLiteral("Factura"));
    const double bruto = art.precio * b.sesiones;
    const double descuento = dosDecimales(bruto * b.descuento / 100.0);
    const double total = dosDecimales(bruto - descuento);
    const double impuesto = impuestoIncluido(total, art.iva);
    const QTime hora = QTime(10, 0).addSecs(60 * ((numbono * 37) % 540));
    const int estado = b.fin == BonoDemo::Fin::Vigente ? 0 : -1;

    m_cabBonos->anadir({numbono, b.cliente, b.empleado, b.pack ? nulo() : QVariant(b.item),
                        b.pack ? QVariant(b.item) : nulo(), total, b.descuento, b.alta, b.alta, b.hasta, b.sesiones,
                        estado, factura, vTienda});

    double tarjeta = 0, efectivo = 0;
    if (b.formaPago == 3) {  // mixto: algo más de la mitad con tarjeta
        tarjeta = dosDecimales(total * 0.6);
        efectivo = dosDecimales(total - tarjeta);
    }
    const QVariantList cabecera{factura, b.alta, b.cliente, vendedor, total, b.formaPago, descuento, hora,
                                b.empleado, hora, 0, impuesto, tarjeta, efectivo, 0, -1, b.alta, m_terminal,
                                b.pendiente > 0 ? QStringLiteral("BP") : QStringLiteral("B"), vTienda};
    m_cabFacturas->anadir(cabecera);
    const QVariantList linea{factura, b.item, art.nombre, b.sesiones, total, descuento, art.precio, impuesto,
                             art.iva, b.empleado, vendedor, b.pack ? QStringLiteral("BF") : QStringLiteral("B"),
                             vTienda};
    m_detFacturas->anadir(linea);

    // Consumos repartidos entre el alta y el último día de uso posible
    const QDate ultimo = std::min(b.hasta, m_hoy.addDays(-1));
    const qint64 dias = std::max<qint64>(0, b.alta.daysTo(ultimo));
    for (int i = 0; i < b.consumidos; ++i) {
        const QDate fecha = b.alta.addDays(dias * (i + 1) / (b.consumidos + 1));
        // De vez en cuando una sesión sin empleado conocido (venta compartida)
        const QVariant empleado = (numbono % 17 == 0 && i == 0)
                                      ? nulo()
                                      : QVariant(m_empleadosCaja.at((numbono + i) % m_empleadosCaja.size()));
        m_detBonos->anadir({numbono, fecha, empleado, vTienda});
        ++m_consumos;
    }

    if (b.pendiente > 0)
        escribirPago(b, factura, total);
    if (b.fin == BonoDemo::Fin::Anulado || b.fin == BonoDemo::Fin::Devuelto) {
        m_historial->anadir({std::min(m_hoy, b.hasta), QTime(12, 30), m_terminal, b.empleado,
                             QStringLiteral("cabecera_bonos"), QStringLiteral("33"), QString(),
                             QStringLiteral(" por el empleado ") + vendedor,
                             QStringLiteral("numbono=%1").arg(numbono), QStringLiteral("estado=0"),
                             QStringLiteral("estado=-1"), vTienda});
    }
    if (b.fin == BonoDemo::Fin::Devuelto)
        escribirAbono(b, factura, cabecera, linea, total, impuesto);
    ++m_bonos;
    return numbono;
}

void EscritorBonos::escribirPago(const BonoDemo& b, int factura, double total)
{
    const QString tienda = m_tiendaCliente.value(b.cliente);
    const QVariant vTienda = tienda.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(tienda);
    const double pendiente = std::min(dosDecimales(b.pendiente), total);
    const int numPago = siguiente(QStringLiteral("PagosCuenta"));
    m_cabPagos->anadir({numPago, factura, b.cliente, pendiente, b.alta, 0, b.empleado, QString(), vTienda});
    ++m_pagos;
    // Lo pagado después, en uno o dos plazos
    double resto = std::min(dosDecimales(b.pagadoDespues), pendiente);
    const int plazos = resto > 40 ? 2 : 1;
    for (int i = 0; i < plazos && resto > 0; ++i) {
        const double importe = i + 1 == plazos ? resto : dosDecimales(resto / 2);
        const QDate fecha = std::min(b.alta.addDays(15 * (i + 1)), m_hoy);
        m_detPagos->anadir({numPago, importe, fecha, 1, b.empleado, vTienda});
        resto = dosDecimales(resto - importe);
    }
}

void EscritorBonos::escribirAbono(const BonoDemo& b, int factura, const QVariantList& cabecera,
                                  const QVariantList& linea, double total, double impuesto)
{
    const int numero = siguiente(QStringLiteral("Abonos"));
    const int restantes = b.sesiones - b.consumidos;
    const double devuelto = dosDecimales(total - b.consumidos * (total / b.sesiones));
    const QDate fecha = std::min(m_hoy, b.hasta);
    // Copia de la línea y de la cabecera de la factura del bono
    m_c.ejecutar(QStringLiteral("insert into detalle_abono (num_abono, codigo, producto, unidades, precio, descuento, "
                                "precio_unit, impuesto, tipoimpuesto, codempleado, nombreempleado, tipo_venta, "
                                "num_factura, tienda) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                 {numero, linea.at(1), linea.at(2), restantes, devuelto, linea.at(5), linea.at(6), -impuesto,
                  linea.at(8), linea.at(9), linea.at(10), linea.at(11), factura, linea.at(12)});
    m_c.ejecutar(QStringLiteral("insert into cabecera_abono (numero, fecha, cliente, empleado, total, pago, descuento, "
                                "hora, codigo_empleado, hora_inicio, borrar, impuesto, tarjeta, efectivo, recargo, "
                                "impuestoincluido, fechaventa, terminal, num_factura, facturaperuchile, "
                                "caracteristicaventa, tienda) "
                                "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?)"),
                 {numero, fecha, cabecera.at(2), m_nombresEmpleado.value(b.empleado), devuelto, cabecera.at(5),
                  cabecera.at(6), cabecera.at(7), b.empleado, cabecera.at(9), 0, -impuesto, cabecera.at(12),
                  cabecera.at(13), 0, -1, fecha, m_terminal, factura, cabecera.at(18), cabecera.at(19)});
    ++m_abonos;
}

void EscritorBonos::terminar()
{
    for (auto* lote : {m_cabBonos.get(), m_detBonos.get(), m_cabFacturas.get(), m_detFacturas.get(),
                       m_cabPagos.get(), m_detPagos.get(), m_historial.get()})
        lote->terminar();
    for (auto it = m_siguientes.cbegin(); it != m_siguientes.cend(); ++it)
        m_c.ejecutar(QStringLiteral("update relaciones_fijas set daton = ? where indice = ?"), {it.value(), it.key()});
}
