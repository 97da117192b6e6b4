#include "registros/verifactu/MensajeEnvio.h"

#include "registros/verifactu/XmlRegistro.h"

#include <QXmlStreamReader>

namespace VeriFactu {
namespace {

const char* const kEspacioLR = "https://www2.agenciatributaria.gob.es/static_files/common/internet/dep/aplicaciones/"
                               "es/aeat/tike/cont/ws/SuministroLR.xsd";

// Datos del registro de una línea de la respuesta, bajo cada elemento
bool leerDeLinea(QXmlStreamReader& x, const QString& padre, LineaRespuesta& l)
{
    const auto n = x.name();
    if (padre == QLatin1String("IDFactura") && n == QLatin1String("NumSerieFactura"))
        l.numSerie = x.readElementText().trimmed();
    else if (padre == QLatin1String("Operacion") && n == QLatin1String("TipoOperacion"))
        l.operacion = x.readElementText().trimmed();
    else if (padre != QLatin1String("RespuestaLinea"))
        return false;
    else if (n == QLatin1String("EstadoRegistro"))
        l.estado = x.readElementText().trimmed();
    else if (n == QLatin1String("CodigoErrorRegistro"))
        l.codigo = x.readElementText().trimmed().toInt();
    else if (n == QLatin1String("DescripcionErrorRegistro"))
        l.descripcion = x.readElementText().trimmed();
    else
        return false;
    return true;
}

}  // namespace

QByteArray mensajeSoap(const CabeceraEnvio& cabecera, const QStringList& registros)
{
    QString m = QStringLiteral(
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\">"
                    "<soapenv:Header/><soapenv:Body><sfLR:RegFactuSistemaFacturacion xmlns:sfLR=\"%1\" xmlns:sf=\"%2\">"
                    "<sfLR:Cabecera><sf:ObligadoEmision><sf:NombreRazon>%3</sf:NombreRazon><sf:NIF>%4</sf:NIF>"
                    "</sf:ObligadoEmision>")
                    .arg(QLatin1String(kEspacioLR), QLatin1String(kEspacioSuministro),
                         cabecera.nombre.left(120).toHtmlEscaped(), cabecera.nif.toHtmlEscaped());
    if (cabecera.incidencia)
        m += QStringLiteral("<sf:RemisionVoluntaria><sf:Incidencia>S</sf:Incidencia></sf:RemisionVoluntaria>");
    m += QStringLiteral("</sfLR:Cabecera>");
    for (const QString& r : registros)
        m += QStringLiteral("<sfLR:RegistroFactura>") + r + QStringLiteral("</sfLR:RegistroFactura>");
    m += QStringLiteral("</sfLR:RegFactuSistemaFacturacion></soapenv:Body></soapenv:Envelope>");
    return m.toUtf8();
}

RespuestaAgencia leerRespuesta(const QByteArray& cuerpo)
{
    RespuestaAgencia r;
    bool fallo = false;
    QStringList ruta;
    QXmlStreamReader x(cuerpo);
    while (!x.atEnd()) {
        const QXmlStreamReader::TokenType t = x.readNext();
        if (t == QXmlStreamReader::EndElement) {
            ruta.removeLast();
            continue;
        }
        if (t != QXmlStreamReader::StartElement)
            continue;
        const QString padre = ruta.value(ruta.size() - 1);
        const auto n = x.name();
        if (padre == QLatin1String("RespuestaRegFactuSistemaFacturacion") && n == QLatin1String("CSV")) {
            r.csv = x.readElementText().trimmed();
        } else if (padre == QLatin1String("RespuestaRegFactuSistemaFacturacion") && n == QLatin1String("EstadoEnvio")) {
            r.estadoEnvio = x.readElementText().trimmed();
        } else if (padre == QLatin1String("RespuestaRegFactuSistemaFacturacion")
                   && n == QLatin1String("TiempoEsperaEnvio")) {
            bool ok = false;
            const int s = x.readElementText().trimmed().toInt(&ok);
            r.espera = ok ? s : -1;
        } else if (padre == QLatin1String("Fault") && n == QLatin1String("faultstring")) {
            r.fallo = x.readElementText().trimmed();
        } else if (!r.lineas.isEmpty() && ruta.contains(QLatin1String("RespuestaLinea"))
                   && leerDeLinea(x, padre, r.lineas.last())) {
        } else {
            if (n == QLatin1String("Fault"))
                fallo = true;
            else if (n == QLatin1String("RespuestaLinea"))
                r.lineas.append(LineaRespuesta{});
            else if (n == QLatin1String("RegistroDuplicado") && !r.lineas.isEmpty())
                r.lineas.last().duplicado = true;
            ruta << n.toString();
        }
    }
    if (x.hasError() && !fallo)
        r.fallo = QStringLiteral("La respuesta no se puede leer (%1).").arg(x.errorString());
    else if (fallo)
        r.fallo = QStringLiteral("La agencia ha devuelto un fallo: %1").arg(r.fallo);
    else if (r.estadoEnvio.isEmpty())
        r.fallo = QStringLiteral("La respuesta no es la de la agencia a un envío de registros.");
    r.contestada = r.fallo.isEmpty();
    return r;
}

}  // namespace VeriFactu
