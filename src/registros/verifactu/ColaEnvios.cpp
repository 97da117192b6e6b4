#include "registros/verifactu/ColaEnvios.h"

#include "datos/Consulta.h"
#include "datos/Globales.h"
#include "datos/Transaccion.h"
#include "registros/verifactu/MensajeEnvio.h"
#include "registros/verifactu/Modo.h"

#include <QHash>
#include <QLoggingCategory>
#include <QTimer>
#include <QXmlStreamReader>

Q_LOGGING_CATEGORY(lcCola, "tarvelo.verifactu.cola")

namespace VeriFactu {
namespace {

// Clase de los bloqueos consultivos de las cadenas (el otro número es la cadena)
constexpr int kClaseBloqueo = 0x5646;

QString texto(const QDateTime& t)
{
    return t.toUTC().toString(Qt::ISODate);
}

// Nombre del emisor tal como lo lleva el registro
QString nombreEmisor(const QString& xml)
{
    QXmlStreamReader x(xml);
    while (!x.atEnd())
        if (x.readNext() == QXmlStreamReader::StartElement && x.name() == QLatin1String("NombreRazonEmisor"))
            return x.readElementText().trimmed();
    return {};
}

}  // namespace

int registrosSinEnviar(Conexion& c)
{
    Consulta q(c, QStringLiteral("select count(*) as n from verifactu_registros r where not exists (select 1 from "
                                 "verifactu_respuestas s where s.registro = r.id)"));
    return q.siguiente() ? q.entero(QStringLiteral("n")) : 0;
}

UltimoEnvio ultimoEnvio(Conexion& c)
{
    Consulta q(c, QStringLiteral("select fin, error, espera from verifactu_envios order by id desc limit 1"));
    if (!q.siguiente())
        return {};
    return {true, QDateTime::fromString(q.texto(QStringLiteral("fin")), Qt::ISODate), q.texto(QStringLiteral("error")),
            q.entero(QStringLiteral("espera"))};
}

struct ColaEnvios::Envio {
    int cadena = 0;
    QDateTime inicio;
    bool incidencia = false;
    int ultimaSecuencia = 0;
    int esperaTrasFallo = kPrimeraEspera;
    QHash<QString, int> registros;  // "tipo|número de serie" -> id del registro
};

ColaEnvios::ColaEnvios(TransporteAgencia& transporte, Reloj reloj)
    : m_transporte(transporte), m_reloj(std::move(reloj)), m_vive(std::make_shared<bool>(true))
{
}

ColaEnvios::~ColaEnvios() = default;

bool ColaEnvios::esEmisor(int cadena)
{
    if (gConexion.motor() != Motor::PostgreSQL)
        return true;
    // El bloqueo dura lo que la sesión: si ya es de este puesto no se vuelve a
    // pedir (se acumularía); si la conexión se reabrió, se pide otra vez
    Consulta tengo(gConexion, QStringLiteral("select count(*) as n from pg_locks where locktype = 'advisory' and pid = "
                                             "pg_backend_pid() and classid = ? and objid = ? and objsubid = 2"),
                   {kClaseBloqueo, cadena});
    if (tengo.siguiente() && tengo.entero(QStringLiteral("n")) > 0)
        return true;
    tengo.cerrar();
    Consulta pido(gConexion, QStringLiteral("select pg_try_advisory_lock(cast(? as integer), cast(? as integer)) as si"),
                  {kClaseBloqueo, cadena});
    return pido.siguiente() && pido.valor(QStringLiteral("si")).toBool();
}

bool ColaEnvios::ejecutar(const QDateTime& ahora)
{
    if (m_enCurso)
        return false;
    // Apagados los registros, lo que ya se hizo tiene que llegar igual a la agencia
    const Modo modo = modoTienda();
    if (!modo.activo && registrosSinEnviar(gConexion) == 0)
        return false;
    QList<std::pair<int, QString>> cadenas;
    for (Consulta c(gConexion, QStringLiteral("select id, nif from verifactu_cadenas order by id")); c.siguiente();)
        cadenas.append({c.entero(QStringLiteral("id")), c.texto(QStringLiteral("nif"))});

    for (const auto& [cadena, nif] : cadenas) {
        if (!esEmisor(cadena))
            continue;
        const QString pendientes = QStringLiteral("from verifactu_registros r where cadena = ? and not exists (select 1 "
                                                  "from verifactu_respuestas s where s.registro = r.id)");
        Envio e{cadena, ahora};
        // Primero la espera, que se mira sin leer los registros
        Consulta u(gConexion, QStringLiteral("select fin, espera, estado from verifactu_envios where cadena = ? order by "
                                             "id desc limit 1"),
                   {cadena});
        if (u.siguiente()) {
            const bool fallido = u.esNulo(QStringLiteral("estado"));
            const int espera = u.entero(QStringLiteral("espera"));
            const QDateTime siguiente =
                QDateTime::fromString(u.texto(QStringLiteral("fin")), Qt::ISODate).addSecs(espera);
            u.cerrar();
            // Con 1.000 pendientes la agencia no pide esperar; tras un fallo, sí
            if (ahora < siguiente) {
                if (fallido)
                    continue;
                Consulta n(gConexion, QStringLiteral("select count(*) as n ") + pendientes, {cadena});
                if (!n.siguiente() || n.entero(QStringLiteral("n")) < kMaximoRegistros)
                    continue;
            }
            if (fallido)
                e.esperaTrasFallo = qMin(2 * espera, int(kEsperaMaxima));
        }
        u.cerrar();
        QStringList xml;
        int primera = 0;
        for (Consulta r(gConexion,
                        QStringLiteral("select id, secuencia, tipo_registro, num_serie_factura, xml ") + pendientes +
                            QStringLiteral(" order by secuencia limit %1").arg(kMaximoRegistros),
                        {cadena});
             r.siguiente();) {
            if (xml.isEmpty())
                primera = r.entero(QStringLiteral("secuencia"));
            e.registros.insert(r.texto(QStringLiteral("tipo_registro")) + QLatin1Char('|') +
                                   r.texto(QStringLiteral("num_serie_factura")),
                               r.entero(QStringLiteral("id")));
            xml << r.texto(QStringLiteral("xml"));
        }
        if (xml.isEmpty())
            continue;
        Consulta s(gConexion, QStringLiteral("select max(secuencia) as ultima, (select max(ultima_secuencia) from "
                                             "verifactu_envios where cadena = ? and estado is null) as fallida from "
                                             "verifactu_registros where cadena = ?"),
                   {cadena, cadena});
        s.siguiente();
        e.ultimaSecuencia = s.entero(QStringLiteral("ultima"));
        e.incidencia = !s.esNulo(QStringLiteral("fallida")) && s.entero(QStringLiteral("fallida")) >= primera;
        s.cerrar();

        const QByteArray mensaje = mensajeSoap({nif, nombreEmisor(xml.first()), e.incidencia}, xml);
        qCInfo(lcCola) << "Cadena" << cadena << ":" << xml.size() << "registros desde el" << primera
                       << (e.incidencia ? "con incidencia" : "");
        m_enCurso = true;
        std::weak_ptr<bool> vive = m_vive;
        m_transporte.enviar(mensaje, modo.pruebas,
                            [this, vive, e](const RespuestaTransporte& r) { anotar(vive, e, r); });
        return true;
    }
    return false;
}

void ColaEnvios::anotar(const std::weak_ptr<bool>& vive, const Envio& e, const RespuestaTransporte& r)
{
    if (vive.expired())
        return;
    // La respuesta que llega con una acción a medias (un diálogo abierto
    // dentro de su transacción) espera: no se deshace con ella
    if (gConexion.enTransaccion()) {
        QTimer::singleShot(500, [this, vive, e, r] { anotar(vive, e, r); });
        return;
    }
    m_enCurso = false;
    try {
        terminar(e, r);
    } catch (const ErrorTarvelo& error) {
        // Lo que no se anotó se vuelve a enviar, y la agencia lo dará por duplicado
        qCWarning(lcCola).noquote() << "No se pudo anotar la respuesta:" << error.descripcion();
    }
}

void ColaEnvios::terminar(const Envio& e, const RespuestaTransporte& transporte)
{
    RespuestaAgencia r;
    if (transporte.cuerpo.isEmpty())
        r.fallo = transporte.error.isEmpty() ? QStringLiteral("Respuesta vacía (HTTP %1).").arg(transporte.estadoHttp)
                                             : transporte.error;
    else
        r = leerRespuesta(transporte.cuerpo);
    if (!r.contestada && !transporte.error.isEmpty() && !r.fallo.contains(transporte.error))
        r.fallo = transporte.error + QLatin1Char(' ') + r.fallo;

    QList<Rechazo> rechazos;
    Transaccion t(gConexion);
    Consulta envio(gConexion,
                   QStringLiteral("insert into verifactu_envios (cadena, inicio, fin, incidencia, registros, "
                                  "ultima_secuencia, estado, csv, espera, error) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                                  "returning id"),
                   {e.cadena, texto(e.inicio), texto(m_reloj()), e.incidencia ? -1 : 0, int(e.registros.size()),
                    e.ultimaSecuencia, r.contestada ? QVariant(r.estadoEnvio) : QVariant(QMetaType(QMetaType::QString)),
                    r.csv.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(r.csv),
                    r.contestada ? (r.espera >= 0 ? r.espera : int(kPrimeraEspera)) : e.esperaTrasFallo,
                    r.contestada ? QVariant(QMetaType(QMetaType::QString)) : QVariant(r.fallo)});
    envio.siguiente();
    const int id = envio.entero(QStringLiteral("id"));
    envio.cerrar();
    for (const LineaRespuesta& l : r.lineas) {
        const QString tipo = l.operacion.compare(QLatin1String("Anulacion"), Qt::CaseInsensitive) == 0
                                 ? QStringLiteral("anulacion")
                                 : QStringLiteral("alta");
        const int registro = e.registros.value(tipo + QLatin1Char('|') + l.numSerie);
        if (!registro) {
            qCWarning(lcCola).noquote() << "Respuesta de un registro que no se envió:" << l.numSerie;
            continue;
        }
        const QString estado = l.duplicado ? QStringLiteral("Duplicado") : l.estado;
        gConexion.ejecutar(QStringLiteral("insert into verifactu_respuestas (envio, registro, estado, codigo_error, "
                                          "descripcion_error) values (?, ?, ?, ?, ?)"),
                           {id, registro, estado, l.codigo ? QVariant(l.codigo) : QVariant(QMetaType(QMetaType::Int)),
                            l.descripcion.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(l.descripcion)});
        if (estado == QLatin1String("Incorrecto") || estado == QLatin1String("AceptadoConErrores"))
            rechazos.append({registro, l.numSerie, {}, estado, l.codigo, l.descripcion});
    }
    t.confirmar();
    if (!r.contestada)
        qCWarning(lcCola).noquote() << "Envío sin respuesta de la agencia:" << r.fallo;
    if (!rechazos.isEmpty())
        mostrarRechazos(rechazos);
}

}  // namespace VeriFactu
