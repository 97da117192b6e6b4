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

// Importes de un documento desde sus líneas: cada línea redondeada a
// céntimos una vez, y el desglose y los totales sumados en céntimos
struct Importes {
    QList<DetalleDesglose> desglose;
    qint64 cuota = 0;
    qint64 total = 0;
    QString descripcion;
};

class SumaLineas {
public:
    void linea(double tipo, qint64 total, qint64 cuota, const QString& producto)
    {
        auto& t = m_porTipo[centimos(tipo)];
        t.first += total - cuota;
        t.second += cuota;
        m_r.cuota += cuota;
        m_r.total += total;
        if (!producto.trimmed().isEmpty())
            m_productos << producto.trimmed();
    }
    // Sin líneas no hay qué registrar: lo dice con el documento
    Importes importes(const QString& documento, const QString& descripcion)
    {
        if (m_porTipo.isEmpty())
            throw ErrorTarvelo(QStringLiteral("%1 no tiene líneas: no se puede registrar.").arg(documento));
        for (auto i = m_porTipo.cbegin(); i != m_porTipo.cend(); ++i)
            m_r.desglose.append(
                {importeCentimos(i.key()), importeCentimos(i.value().first), importeCentimos(i.value().second)});
        m_r.descripcion = m_productos.isEmpty() ? descripcion
                                                : QStringLiteral("%1: %2").arg(descripcion, m_productos.join(QStringLiteral(", ")));
        return m_r;
    }

private:
    QMap<qint64, std::pair<qint64, qint64>> m_porTipo;  // tipo en centésimas -> (base, cuota)
    QStringList m_productos;
    Importes m_r;
};

Importes importesFactura(int numero, bool impuestoIncluido)
{
    SumaLineas suma;
    Consulta c(gConexion, QStringLiteral("select producto, precio, impuesto, tipoimpuesto from detalle_factura where "
                                         "num_factura = ? order by id"),
               {numero});
    while (c.siguiente()) {
        const qint64 precio = centimos(c.numero(QStringLiteral("precio")));
        const qint64 cuota = centimos(c.numero(QStringLiteral("impuesto")));
        suma.linea(c.numero(QStringLiteral("tipoimpuesto")), impuestoIncluido ? precio : precio + cuota, cuota,
                   c.texto(QStringLiteral("producto")));
    }
    return suma.importes(QStringLiteral("La factura %1").arg(numero), QStringLiteral("Bono"));
}

// Lo que cambia de un documento a otro; la cadena, la hora, la huella y el XML son comunes
struct Documento {
    QString tabla;  // la de su cabecera: a qué apunta el registro
    int numero = 0;
    QString numSerie;
    QDate fecha;
    int cliente = 0;
    Importes importes;
    QString tipoSinNif = QStringLiteral("F2");
    QString tipoConNif = QStringLiteral("F1");
    QList<IdFactura> rectificadas;  // solo en las rectificativas
    bool subsanacion = false;
    bool rechazoPrevio = false;
};

void registrar(const Documento& doc, const Modo& modo)
{
    // Siempre en el mismo orden: primero la fila del contador del documento
    // (al sacar su número) y luego la cadena. Dos puestos que facturan a la
    // vez esperan uno al otro sin bloquearse mutuamente, y el orden de la
    // cadena es el de los números.
    const Emisor emisor = emisorTienda();
    const int cadena = bloquearCadena(emisor.nif);
    const Ultimo ultimo = ultimoRegistro(cadena);
    QDateTime hora = horaServidor();
    // Un reloj del servidor que se atrasa no hace retroceder la cadena
    if (ultimo.hora.isValid() && hora < ultimo.hora)
        hora = ultimo.hora;

    DatosAlta d;
    Consulta cl(gConexion, QStringLiteral("select nif, nombre, apellidos from clientes where codigo = ?"), {doc.cliente});
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

    const Importes& imp = doc.importes;
    d.campos = {emisor.nif,
                doc.numSerie,
                fecha(doc.fecha.isValid() ? doc.fecha : hora.toTimeZone(modo.zona).date()),
                d.nifDestinatario.isEmpty() ? doc.tipoSinNif : doc.tipoConNif,
                importeCentimos(imp.cuota),
                importeCentimos(imp.total),
                ultimo.datos.huella,
                fechaHoraHuso(hora, modo.zona)};
    d.huella = huella(textoHuella(d.campos));
    d.nombreEmisor = emisor.nombre;
    d.descripcion = imp.descripcion;
    d.desglose = imp.desglose;
    d.rectificadas = doc.rectificadas;
    d.subsanacion = doc.subsanacion;
    d.rechazoPrevio = doc.rechazoPrevio;
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
                                      "numero_documento) values (?, ?, 'alta', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {cadena, ultimo.secuencia + 1, c.idEmisor, c.numSerie, c.fechaExpedicion, c.tipoFactura,
                        c.cuotaTotal, c.importeTotal, c.huellaAnterior, c.fechaHoraHuso, d.huella, xmlAlta(d),
                        urlQr(c.idEmisor, c.numSerie, c.fechaExpedicion, c.importeTotal, modo.pruebas), doc.tabla,
                        doc.numero});
}

// Lo devuelto por un abono, en negativo: la rectificación por diferencias de
// su factura. El importe es el devuelto; su cuota, la del tipo de la línea
// sobre ese importe (la línea del abono copia la cuota entera de la factura).
Importes importesAbono(int numAbono, bool impuestoIncluido)
{
    SumaLineas suma;
    Consulta c(gConexion, QStringLiteral("select producto, precio, tipoimpuesto from detalle_abono where num_abono = ? "
                                         "order by id"),
               {numAbono});
    while (c.siguiente()) {
        const double tipo = c.numero(QStringLiteral("tipoimpuesto"));
        const double precio = c.numero(QStringLiteral("precio"));
        const qint64 cuota = -centimos(impuestoIncluido ? precio * tipo / (100 + tipo) : precio * tipo / 100);
        suma.linea(tipo, impuestoIncluido ? -centimos(precio) : -centimos(precio) + cuota, cuota,
                   c.texto(QStringLiteral("producto")));
    }
    return suma.importes(QStringLiteral("El abono %1").arg(numAbono), QStringLiteral("Devolución del bono"));
}

}  // namespace

QString numSerieFactura(int numero)
{
    return QStringLiteral("F-%1").arg(numero);
}

QString numSerieAbono(int numero)
{
    return QStringLiteral("A-%1").arg(numero);
}

namespace {

// La cabecera de un documento: su fecha, su cliente, si el impuesto va
// incluido y, en un abono, la factura que rectifica
struct Cabecera {
    Documento doc;
    bool impuestoIncluido = true;
    int factura = 0;
};

Cabecera leerCabecera(const QString& tabla, int numero, const QString& numSerie, const QString& queEs)
{
    Consulta c(gConexion, QStringLiteral("select * from %1 where numero = ?").arg(tabla), {numero});
    if (!c.siguiente())
        throw ErrorTarvelo(QStringLiteral("No está %1 %2 que se iba a registrar.").arg(queEs).arg(numero));
    Cabecera r;
    r.doc.tabla = tabla;
    r.doc.numero = numero;
    r.doc.numSerie = numSerie;
    r.doc.fecha = c.fecha(QStringLiteral("fecha"));
    r.doc.cliente = c.texto(QStringLiteral("cliente")).toInt();
    r.impuestoIncluido = c.bandera(QStringLiteral("impuestoincluido"));
    r.factura = tabla == QLatin1String("cabecera_abono") ? c.entero(QStringLiteral("num_factura")) : numero;
    return r;
}

}  // namespace

AltaGuardada altaGuardada(const QString& documento, int numero)
{
    Consulta c(gConexion, QStringLiteral("select id_emisor, num_serie_factura, fecha_expedicion, tipo_factura, url_qr "
                                         "from verifactu_registros where documento = ? and numero_documento = ? and "
                                         "tipo_registro = 'alta' order by secuencia desc limit 1"),
               {documento, numero});
    AltaGuardada a;
    if (!c.siguiente())
        return a;
    a.existe = true;
    a.factura = {c.texto(QStringLiteral("id_emisor")), c.texto(QStringLiteral("num_serie_factura")),
                 c.texto(QStringLiteral("fecha_expedicion"))};
    a.tipoFactura = c.texto(QStringLiteral("tipo_factura"));
    a.urlQr = c.texto(QStringLiteral("url_qr"));
    return a;
}

namespace {

Documento documentoFactura(int numero)
{
    Cabecera c = leerCabecera(QStringLiteral("cabecera_factura"), numero, numSerieFactura(numero),
                              QStringLiteral("la factura"));
    c.doc.importes = importesFactura(numero, c.impuestoIncluido);
    return c.doc;
}

Documento documentoAbono(int numAbono)
{
    const Cabecera c = leerCabecera(QStringLiteral("cabecera_abono"), numAbono, numSerieAbono(numAbono),
                                    QStringLiteral("el abono"));
    Documento d = c.doc;
    const int factura = c.factura;
    d.importes = importesAbono(numAbono, c.impuestoIncluido);
    // R5 rectifica una simplificada (F2) y R1 una completa (F1); la factura
    // anterior al registro se rectifica según su cliente, como se habría registrado
    d.tipoSinNif = QStringLiteral("R5");
    d.tipoConNif = QStringLiteral("R1");
    const AltaGuardada rectificada = altaGuardada(QStringLiteral("cabecera_factura"), factura);
    if (rectificada.existe) {
        d.rectificadas << rectificada.factura;
        if (rectificada.tipoFactura == QLatin1String("F2"))
            d.tipoConNif = d.tipoSinNif;
        else
            d.tipoSinNif = d.tipoConNif;
    } else {
        Consulta f(gConexion, QStringLiteral("select fecha from cabecera_factura where numero = ?"), {factura});
        const QDate fechaFactura = f.siguiente() ? f.fecha(QStringLiteral("fecha")) : QDate();
        d.rectificadas << IdFactura{emisorTienda().nif, numSerieFactura(factura),
                                    fecha(fechaFactura.isValid() ? fechaFactura : d.fecha)};
    }
    return d;
}

}  // namespace

void RegistrarAltaFactura(int numero, const Modo& modo)
{
    registrar(documentoFactura(numero), modo);
}

void RegistrarAltaAbono(int numAbono, const Modo& modo)
{
    registrar(documentoAbono(numAbono), modo);
}

void RegistrarSubsanacion(const QString& documento, int numero, bool rechazoPrevio, const Modo& modo)
{
    Documento d = documento == QLatin1String("cabecera_abono") ? documentoAbono(numero) : documentoFactura(numero);
    d.subsanacion = true;
    d.rechazoPrevio = rechazoPrevio;
    registrar(d, modo);
}

}  // namespace VeriFactu
