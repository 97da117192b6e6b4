#include "registros/verifactu/RegistroAlta.h"

#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Globales.h"
#include "registros/verifactu/UrlQr.h"
#include "registros/verifactu/XmlRegistro.h"

#include <QMap>
#include <QRegularExpression>

namespace VeriFactu {
namespace {

// NIF tal como lo escribe la agencia: mayúsculas, sin blancos, puntos ni guiones
QString nifLimpio(const QString& nif)
{
    static const QRegularExpression separadores(QStringLiteral("[\\s.\\-]"));
    return nif.toUpper().remove(separadores);
}

struct Emisor {
    QString nif;
    QString nombre;
};

Emisor emisorTienda()
{
    Consulta c(gConexion, QStringLiteral("select cif, nombre from opciones order by id"));
    Emisor e;
    if (c.siguiente())
        e = {nifLimpio(c.texto(QStringLiteral("cif"))), c.texto(QStringLiteral("nombre")).trimmed()};
    if (e.nif.size() != 9)
        throw ErrorTarvelo(QStringLiteral("El NIF de la tienda («%1») no sirve para los registros de facturación: "
                                          "debe tener 9 caracteres. Corríjalo en las opciones de la tienda.")
                               .arg(e.nif));
    if (e.nombre.isEmpty())
        e.nombre = e.nif;
    return e;
}

// Bloquea la cadena del NIF hasta el final de la transacción y da su número.
// En SQLite la transacción ya tiene el bloqueo de escritura de toda la base.
int bloquearCadena(const QString& nif)
{
    const QString sql = QStringLiteral("select id from verifactu_cadenas where nif = ?") +
                        (gConexion.motor() == Motor::PostgreSQL ? QStringLiteral(" for update") : QString());
    for (int vez = 0; vez < 2; ++vez) {
        {
            Consulta c(gConexion, sql, {nif});
            if (c.siguiente())
                return c.entero(QStringLiteral("id"));
        }
        // La primera factura del NIF abre su cadena; si otro puesto la abre a
        // la vez, esta espera a que confirme y no hace nada
        gConexion.ejecutar(QStringLiteral("insert into verifactu_cadenas (nif, creada) values (?, ?) on conflict do "
                                          "nothing"),
                           {nif, QDateTime::currentDateTimeUtc().toString(Qt::ISODate)});
    }
    throw ErrorTarvelo(QStringLiteral("No se pudo abrir la cadena de registros de facturación del NIF %1.").arg(nif));
}

// La hora del servidor de la base de datos, leída ya con la cadena bloqueada
QDateTime horaServidor()
{
    const QString sql = gConexion.motor() == Motor::PostgreSQL
                            ? QStringLiteral("select cast(floor(extract(epoch from clock_timestamp())) as bigint) as s")
                            : QStringLiteral("select cast(strftime('%s', 'now') as integer) as s");
    Consulta c(gConexion, sql);
    if (!c.siguiente())
        throw ErrorTarvelo(QStringLiteral("El servidor de la base de datos no ha dado la hora."));
    return QDateTime::fromSecsSinceEpoch(c.valor(QStringLiteral("s")).toLongLong(), QTimeZone::utc());
}

struct Ultimo {
    int secuencia = 0;
    Anterior datos;
    QDateTime hora;
};

Ultimo ultimoRegistro(int cadena)
{
    Consulta c(gConexion, QStringLiteral("select secuencia, id_emisor, num_serie_factura, fecha_expedicion, huella, "
                                         "fecha_hora_huso from verifactu_registros where cadena = ? order by "
                                         "secuencia desc limit 1"),
               {cadena});
    Ultimo u;
    if (c.siguiente()) {
        u.secuencia = c.entero(QStringLiteral("secuencia"));
        u.datos = {c.texto(QStringLiteral("id_emisor")), c.texto(QStringLiteral("num_serie_factura")),
                   c.texto(QStringLiteral("fecha_expedicion")), c.texto(QStringLiteral("huella"))};
        u.hora = QDateTime::fromString(c.texto(QStringLiteral("fecha_hora_huso")), Qt::ISODate);
    }
    return u;
}

// Importes de la factura desde sus filas: cada línea redondeada a céntimos
// una vez, y el desglose y los totales sumados en céntimos
struct Importes {
    QList<DetalleDesglose> desglose;
    qint64 cuota = 0;
    qint64 total = 0;
    QString descripcion;
};

Importes importesFactura(int numero, bool impuestoIncluido)
{
    QMap<qint64, std::pair<qint64, qint64>> porTipo;  // tipo en centésimas -> (base, cuota)
    QStringList productos;
    Importes r;
    Consulta c(gConexion, QStringLiteral("select producto, precio, impuesto, tipoimpuesto from detalle_factura where "
                                         "num_factura = ? order by id"),
               {numero});
    while (c.siguiente()) {
        const qint64 precio = centimos(c.numero(QStringLiteral("precio")));
        const qint64 cuota = centimos(c.numero(QStringLiteral("impuesto")));
        const qint64 total = impuestoIncluido ? precio : precio + cuota;
        auto& t = porTipo[centimos(c.numero(QStringLiteral("tipoimpuesto")))];
        t.first += total - cuota;
        t.second += cuota;
        r.cuota += cuota;
        r.total += total;
        productos << c.texto(QStringLiteral("producto")).trimmed();
    }
    if (porTipo.isEmpty())
        throw ErrorTarvelo(QStringLiteral("La factura %1 no tiene líneas: no se puede registrar.").arg(numero));
    for (auto i = porTipo.cbegin(); i != porTipo.cend(); ++i)
        r.desglose.append({importeCentimos(i.key()), importeCentimos(i.value().first), importeCentimos(i.value().second)});
    productos.removeAll(QString());
    r.descripcion = productos.isEmpty() ? QStringLiteral("Bono de servicios")
                                        : QStringLiteral("Bono: %1").arg(productos.join(QStringLiteral(", ")));
    return r;
}

}  // namespace

QString numSerieFactura(int numero)
{
    return QStringLiteral("F-%1").arg(numero);
}

void RegistrarAltaFactura(int numero, const Modo& modo)
{
    // Siempre en el mismo orden: primero la fila del contador del documento
    // (al sacar su número) y luego la cadena. Dos puestos que facturan a la
    // vez esperan uno al otro sin bloquearse mutuamente, y el orden de la
    // cadena es el de los números de factura.
    const Emisor emisor = emisorTienda();
    const int cadena = bloquearCadena(emisor.nif);
    const Ultimo ultimo = ultimoRegistro(cadena);
    QDateTime hora = horaServidor();
    // Un reloj del servidor que se atrasa no hace retroceder la cadena
    if (ultimo.hora.isValid() && hora < ultimo.hora)
        hora = ultimo.hora;

    Consulta f(gConexion, QStringLiteral("select fecha, cliente, impuestoincluido from cabecera_factura where numero = ?"),
               {numero});
    if (!f.siguiente())
        throw ErrorTarvelo(QStringLiteral("No está la factura %1 que se iba a registrar.").arg(numero));
    const QDate fechaFactura = f.fecha(QStringLiteral("fecha"));
    const QString cliente = f.texto(QStringLiteral("cliente"));
    const bool impuestoIncluido = f.bandera(QStringLiteral("impuestoincluido"));
    f.cerrar();

    DatosAlta d;
    Consulta cl(gConexion, QStringLiteral("select nif, nombre, apellidos from clientes where codigo = ?"),
                {cliente.toInt()});
    if (cl.siguiente()) {
        const QString nif = nifLimpio(cl.texto(QStringLiteral("nif")));
        // Solo un NIF bien formado identifica al destinatario; con otro la
        // factura queda como simplificada, sin él
        if (nif.size() == 9) {
            d.nifDestinatario = nif;
            d.nombreDestinatario =
                (cl.texto(QStringLiteral("nombre")).trimmed() + QLatin1Char(' ') + cl.texto(QStringLiteral("apellidos")))
                    .trimmed();
            if (d.nombreDestinatario.isEmpty())
                d.nombreDestinatario = nif;
        }
    }
    cl.cerrar();

    const Importes imp = importesFactura(numero, impuestoIncluido);
    d.campos = {emisor.nif,
                numSerieFactura(numero),
                fecha(fechaFactura.isValid() ? fechaFactura : hora.toTimeZone(modo.zona).date()),
                d.nifDestinatario.isEmpty() ? QStringLiteral("F2") : QStringLiteral("F1"),
                importeCentimos(imp.cuota),
                importeCentimos(imp.total),
                ultimo.datos.huella,
                fechaHoraHuso(hora, modo.zona)};
    d.huella = huella(textoHuella(d.campos));
    d.nombreEmisor = emisor.nombre;
    d.descripcion = imp.descripcion;
    d.desglose = imp.desglose;
    // En Canarias no hay IVA: el impuesto de las líneas es el IGIC
    if (modo.zona.id() == "Atlantic/Canary")
        d.impuesto = QStringLiteral("03");
    d.primero = ultimo.secuencia == 0;
    d.anterior = ultimo.datos;
    d.numeroInstalacion = gIdentificadorPuesto.isEmpty() ? gTerminal : gIdentificadorPuesto;
    if (d.numeroInstalacion.isEmpty())
        d.numeroInstalacion = QStringLiteral("1");

    const CamposAlta& c = d.campos;
    gConexion.ejecutar(QStringLiteral("insert into verifactu_registros (cadena, secuencia, tipo_registro, id_emisor, "
                                      "num_serie_factura, fecha_expedicion, tipo_factura, cuota_total, importe_total, "
                                      "huella_anterior, fecha_hora_huso, huella, xml, url_qr, documento, "
                                      "numero_documento) values (?, ?, 'alta', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                      "'cabecera_factura', ?)"),
                       {cadena, ultimo.secuencia + 1, c.idEmisor, c.numSerie, c.fechaExpedicion, c.tipoFactura,
                        c.cuotaTotal, c.importeTotal, c.huellaAnterior, c.fechaHoraHuso, d.huella, xmlAlta(d),
                        urlQr(c.idEmisor, c.numSerie, c.fechaExpedicion, c.importeTotal, modo.pruebas), numero});
}

}  // namespace VeriFactu
