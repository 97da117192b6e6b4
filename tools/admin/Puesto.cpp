#include "Puesto.h"

#include "DatosBase.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Transaccion.h"

namespace Puesto {
namespace {

bool hayFila(Conexion& c, const QString& sql, const QVariantList& valores)
{
    Consulta q(c, sql, valores);
    return q.siguiente();
}

void comprobar(Conexion& c, const DatosPuesto& d)
{
    if (d.identificador.trimmed().isEmpty())
        throw ErrorTarvelo(QStringLiteral("Falta el identificador del puesto."));
    if (d.terminal.trimmed().isEmpty())
        throw ErrorTarvelo(QStringLiteral("Falta el nombre de terminal del puesto %1.").arg(d.identificador));
    if (!d.apertura.isValid() || !d.cierre.isValid())
        throw ErrorTarvelo(QStringLiteral("Las horas de apertura y cierre deben ser horas válidas (HH:mm)."));
    if (d.anchoPantalla <= 0 || d.altoPantalla <= 0)
        throw ErrorTarvelo(QStringLiteral("El tamaño de pantalla debe ser mayor que cero."));
    if (!d.tipoNegocio.isEmpty() && !DatosBase::tipoNegocioValido(d.tipoNegocio))
        throw ErrorTarvelo(QStringLiteral("Tipo de negocio desconocido: «%1». Valores posibles: PELUQUERIA, "
                                          "ESTETICA, SPA, CLINICAS, PERFUMERIA, TPV.")
                               .arg(d.tipoNegocio));
    if (d.separadorDecimal != QLatin1String(",") && d.separadorDecimal != QLatin1String("."))
        throw ErrorTarvelo(QStringLiteral("El separador decimal debe ser \",\" o \".\"."));
    if (d.empleado != 0
        && !hayFila(c, QStringLiteral("select codigo from empleados where codigo = ?"), {d.empleado}))
        throw ErrorTarvelo(QStringLiteral("No existe el empleado %1.").arg(d.empleado));
    if (!hayFila(c, QStringLiteral("select esquema from esquemas_colores where esquema = ?"), {d.esquemaColores}))
        throw ErrorTarvelo(QStringLiteral("No existe el esquema de colores %1.").arg(d.esquemaColores));
}

}  // namespace

void registrar(Conexion& c, const DatosPuesto& d)
{
    comprobar(c, d);
    Transaccion t(c);
    // Sustituir filas: portátil entre los dos motores, sin "upsert"
    c.ejecutar(QStringLiteral("delete from opciones_terminal where identificador = ?"), {d.identificador});
    c.ejecutar(QStringLiteral("insert into opciones_terminal (identificador, terminal, animacionesactivas, empleado) "
                              "values (?, ?, ?, ?)"),
               {d.identificador, d.terminal, d.animaciones ? -1 : 0, d.empleado});
    c.ejecutar(QStringLiteral("delete from entradas where identificador = ?"), {d.identificador});
    c.ejecutar(QStringLiteral("insert into entradas (identificador, horaapertura, horacierre) values (?, ?, ?)"),
               {d.identificador, d.apertura, d.cierre});
    c.ejecutar(QStringLiteral("delete from impresoras where terminal = ? and tipo = 'T'"), {d.terminal});
    c.ejecutar(QStringLiteral("insert into impresoras (terminal, tipo, impresora) values (?, 'T', ?)"),
               {d.terminal, d.impresoraTicket});
    c.ejecutar(QStringLiteral("delete from puestos where identificador = ?"), {d.identificador});
    c.ejecutar(QStringLiteral("insert into puestos (identificador, ancho_pantalla, alto_pantalla, esquema_colores, "
                              "opcion_visual, tipo_negocio, separador_decimal, formato_fecha, formato_hora, "
                              "impresora_documentos, pagina_codigos_ticket) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               {d.identificador, d.anchoPantalla, d.altoPantalla, d.esquemaColores, d.opcionVisual,
                d.tipoNegocio.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(d.tipoNegocio),
                d.separadorDecimal, d.formatoFecha, d.formatoHora, d.impresoraDocumentos, d.paginaCodigosTicket});
    t.confirmar();
}

std::optional<DatosPuesto> leer(Conexion& c, const QString& identificador)
{
    DatosPuesto d;
    d.identificador = identificador;
    d.apertura = d.cierre = QTime();  // sin fila en entradas no hay horario
    bool alguna = false;
    {
        Consulta q(c, QStringLiteral("select terminal, animacionesactivas, empleado from opciones_terminal "
                                     "where identificador = ?"),
                   {identificador});
        if (q.siguiente()) {
            alguna = true;
            d.terminal = q.texto(QStringLiteral("terminal"));
            d.animaciones = q.bandera(QStringLiteral("animacionesactivas"));
            d.empleado = q.entero(QStringLiteral("empleado"));
        }
    }
    {
        Consulta q(c, QStringLiteral("select horaapertura, horacierre from entradas where identificador = ?"),
                   {identificador});
        if (q.siguiente()) {
            alguna = true;
            d.apertura = q.hora(QStringLiteral("horaapertura"));
            d.cierre = q.hora(QStringLiteral("horacierre"));
        }
    }
    {
        Consulta q(c, QStringLiteral("select impresora from impresoras where tipo = 'T' and terminal = ?"),
                   {d.terminal});
        d.impresoraTicket = q.siguiente() ? q.texto(QStringLiteral("impresora")) : QString();
    }
    {
        Consulta q(c, QStringLiteral("select * from puestos where identificador = ?"), {identificador});
        if (q.siguiente()) {
            alguna = true;
            d.anchoPantalla = q.valor(QStringLiteral("ancho_pantalla")).toDouble();
            d.altoPantalla = q.valor(QStringLiteral("alto_pantalla")).toDouble();
            d.esquemaColores = q.valor(QStringLiteral("esquema_colores")).toInt();
            d.opcionVisual = q.valor(QStringLiteral("opcion_visual")).toInt();
            d.tipoNegocio = q.texto(QStringLiteral("tipo_negocio"));
            d.separadorDecimal = q.texto(QStringLiteral("separador_decimal"));
            d.formatoFecha = q.texto(QStringLiteral("formato_fecha"));
            d.formatoHora = q.texto(QStringLiteral("formato_hora"));
            d.impresoraDocumentos = q.texto(QStringLiteral("impresora_documentos"));
            if (!q.esNulo(QStringLiteral("pagina_codigos_ticket")))
                d.paginaCodigosTicket = q.entero(QStringLiteral("pagina_codigos_ticket"));
        }
    }
    if (!alguna)
        return std::nullopt;
    return d;
}

QString describir(const DatosPuesto& d)
{
    const auto hora = [](const QTime& h) { return h.isValid() ? h.toString(QStringLiteral("HH:mm")) : QStringLiteral("-"); };
    QString t;
    t += QStringLiteral("Puesto:               %1\n").arg(d.identificador);
    t += QStringLiteral("Terminal:             %1\n").arg(d.terminal);
    t += QStringLiteral("Empleado por defecto: %1\n").arg(d.empleado);
    t += QStringLiteral("Animaciones:          %1\n").arg(d.animaciones ? QStringLiteral("sí") : QStringLiteral("no"));
    t += QStringLiteral("Impresora de tickets: %1\n")
             .arg(d.impresoraTicket.isEmpty() ? QStringLiteral("(ninguna)") : d.impresoraTicket);
    t += QStringLiteral("Página de códigos:    %1\n").arg(d.paginaCodigosTicket);
    t += QStringLiteral("Impresora de documentos: %1\n")
             .arg(d.impresoraDocumentos.isEmpty() ? QStringLiteral("(la del sistema)") : d.impresoraDocumentos);
    t += QStringLiteral("Horario:              %1 a %2\n").arg(hora(d.apertura), hora(d.cierre));
    t += QStringLiteral("Pantalla (twips):     %1 x %2\n").arg(d.anchoPantalla).arg(d.altoPantalla);
    t += QStringLiteral("Esquema de colores:   %1\n").arg(d.esquemaColores);
    t += QStringLiteral("Opción visual:        %1\n").arg(d.opcionVisual);
    t += QStringLiteral("Tipo de negocio:      %1\n")
             .arg(d.tipoNegocio.isEmpty() ? QStringLiteral("el de la instalación") : d.tipoNegocio);
    t += QStringLiteral("Separador decimal:    %1\n").arg(d.separadorDecimal);
    t += QStringLiteral("Formato de fecha:     %1\n").arg(d.formatoFecha);
    t += QStringLiteral("Formato de hora:      %1\n").arg(d.formatoHora);
    return t;
}

}  // namespace Puesto
