#include "registros/verifactu/VerificacionCadena.h"

#include "datos/Consulta.h"
#include "registros/verifactu/Huella.h"

#include <QDateTime>

namespace VeriFactu {
namespace {

// Lo que falla del registro en curso, o nada
QString motivoDe(const Consulta& r, const ResultadoCadena& cadena, const QString& huellaAnterior,
                 const QDateTime& horaAnterior, QDateTime& hora)
{
    const auto t = [&](const char* campo) { return r.texto(QLatin1String(campo)); };
    const int secuencia = r.entero(QStringLiteral("secuencia"));
    if (secuencia != cadena.registros + 1)
        return QStringLiteral("la secuencia salta del %1 al %2: faltan registros").arg(cadena.registros).arg(secuencia);
    if (t("id_emisor") != cadena.nif)
        return QStringLiteral("su NIF emisor (%1) no es el de la cadena").arg(t("id_emisor"));
    if (t("huella_anterior") != huellaAnterior)
        return QStringLiteral("no enlaza con el registro anterior: su huella anterior no es la de aquel");
    const bool alta = t("tipo_registro") == QLatin1String("alta");
    const QString texto = alta ? textoHuella(CamposAlta{t("id_emisor"), t("num_serie_factura"), t("fecha_expedicion"),
                                                        t("tipo_factura"), t("cuota_total"), t("importe_total"),
                                                        t("huella_anterior"), t("fecha_hora_huso")})
                               : textoHuella(CamposAnulacion{t("id_emisor"), t("num_serie_factura"),
                                                             t("fecha_expedicion"), t("huella_anterior"),
                                                             t("fecha_hora_huso")});
    if (huella(texto) != t("huella"))
        return QStringLiteral("su huella no corresponde a sus datos: se ha cambiado después de hacerlo");
    hora = QDateTime::fromString(t("fecha_hora_huso"), Qt::ISODate);
    if (!hora.isValid())
        return QStringLiteral("su fecha y hora («%1») no se entienden").arg(t("fecha_hora_huso"));
    if (horaAnterior.isValid() && hora < horaAnterior)
        return QStringLiteral("su hora es anterior a la del registro anterior");
    // El XML que se envía lleva los mismos textos que la huella
    const QString xml = t("xml");
    const QList<std::pair<const char*, const char*>> etiquetas =
        alta ? QList<std::pair<const char*, const char*>>{{"NumSerieFactura", "num_serie_factura"},
                                                          {"TipoFactura", "tipo_factura"},
                                                          {"CuotaTotal", "cuota_total"},
                                                          {"ImporteTotal", "importe_total"}}
             : QList<std::pair<const char*, const char*>>{{"NumSerieFacturaAnulada", "num_serie_factura"}};
    for (const auto& [etiqueta, campo] : etiquetas + QList<std::pair<const char*, const char*>>{
                                                         {"FechaHoraHusoGenRegistro", "fecha_hora_huso"},
                                                         {"Huella", "huella"}})
        if (!xml.contains(QStringLiteral("<sf:%1>%2</sf:%1>").arg(QLatin1String(etiqueta), t(campo).toHtmlEscaped())))
            return QStringLiteral("su XML no lleva el mismo %1 que el registro").arg(QLatin1String(etiqueta));
    return {};
}

}  // namespace

QList<ResultadoCadena> verificarCadenas(Conexion& c)
{
    QList<std::pair<int, QString>> cadenas;
    for (Consulta q(c, QStringLiteral("select id, nif from verifactu_cadenas order by nif")); q.siguiente();)
        cadenas.append({q.entero(QStringLiteral("id")), q.texto(QStringLiteral("nif"))});
    QList<ResultadoCadena> resultados;
    for (const auto& [id, nif] : cadenas) {
        ResultadoCadena res{nif};
        QString huellaAnterior;
        QDateTime horaAnterior;
        Consulta r(c, QStringLiteral("select * from verifactu_registros where cadena = ? order by secuencia"), {id});
        while (r.siguiente()) {
            QDateTime hora;
            res.motivo = motivoDe(r, res, huellaAnterior, horaAnterior, hora);
            if (!res.correcta()) {
                res.secuenciaMala = r.entero(QStringLiteral("secuencia"));
                break;
            }
            ++res.registros;
            huellaAnterior = r.texto(QStringLiteral("huella"));
            horaAnterior = hora;
        }
        resultados << res;
    }
    return resultados;
}

}  // namespace VeriFactu
