#include "plataforma/TransporteAgenciaHttps.h"

#include "plataforma/ConfiguracionSuite.h"

#include <QFile>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QTimer>
#include <openssl/provider.h>

Q_LOGGING_CATEGORY(lcTransporte, "tarvelo.verifactu.transporte")

const char* const TransporteAgenciaHttps::kDireccionPruebas =
    "https://prewww1.aeat.es/wlpl/TIKE-CONT/ws/SistemaFacturacion/VerifactuSOAP";
const char* const TransporteAgenciaHttps::kDireccionProduccion =
    "https://www1.agenciatributaria.gob.es/wlpl/TIKE-CONT/ws/SistemaFacturacion/VerifactuSOAP";

CertificadoCliente abrirPkcs12(const QString& fichero, const QString& clave)
{
    if (fichero.isEmpty())
        throw ErrorTarvelo(QStringLiteral("No hay certificado para enviar los registros de facturación. Regístrelo "
                                          "con «tarvelo-admin certificado --fichero FICHERO.p12»."));
    QFile f(fichero);
    if (!f.exists())
        throw ErrorTarvelo(QStringLiteral("No existe el fichero del certificado %1.").arg(fichero));
    if (!f.open(QIODevice::ReadOnly))
        throw ErrorTarvelo(QStringLiteral("No se puede leer el fichero del certificado %1 (%2).")
                               .arg(fichero, f.errorString()));
    CertificadoCliente c;
    const auto abrir = [&] {
        f.seek(0);
        return QSslCertificate::importPkcs12(&f, &c.clave, &c.certificado, &c.cadena, clave.toUtf8())
               && !c.certificado.isNull() && !c.clave.isNull();
    };
    // Los .p12 exportados por programas de antes cifran el certificado con
    // RC2, que OpenSSL 3 solo abre con el proveedor "legacy": se carga (una
    // vez, sin quitar el de siempre) solo si hace falta
    const auto abrirConLegacy = [&] {
        static OSSL_PROVIDER* const legacy = OSSL_PROVIDER_try_load(nullptr, "legacy", 1);
        return legacy && abrir();
    };
    if (!abrir() && !abrirConLegacy())
        throw ErrorTarvelo(QStringLiteral("El fichero %1 no se abre con esa clave, o no es un certificado PKCS#12 "
                                          "(.p12 o .pfx) con su clave privada. Compruebe la clave y el fichero.")
                               .arg(fichero));
    return c;
}

namespace {

// El error de la red, con lo que hay que mirar cuando falla la conexión segura
QString explicar(const QNetworkReply& r)
{
    const QString certificado = QStringLiteral("que el certificado registrado con «tarvelo-admin certificado» sea el "
                                               "del contribuyente y esté en vigor");
    if (r.error() == QNetworkReply::SslHandshakeFailedError)
        return QStringLiteral("No se ha podido abrir la conexión segura con la agencia (%1). Compruebe la fecha y la "
                              "hora del puesto, %2, y que estén instalados los certificados de las autoridades "
                              "(paquete ca-certificates).")
            .arg(r.errorString(), certificado);
    // Así rechaza el servidor un certificado de cliente cuando el apretón ya
    // se ha dado por bueno en este lado
    if (r.error() == QNetworkReply::RemoteHostClosedError)
        return QStringLiteral("La agencia ha cerrado la conexión sin contestar (%1). Si se repite, compruebe %2.")
            .arg(r.errorString(), certificado);
    return r.errorString();
}

}  // namespace

TransporteAgenciaHttps::TransporteAgenciaHttps() = default;

TransporteAgenciaHttps::TransporteAgenciaHttps(const QUrl& direccion, int esperaMs,
                                               const QList<QSslCertificate>& autoridades)
    : m_direccion(direccion), m_esperaMs(esperaMs), m_autoridades(autoridades)
{
}

TransporteAgenciaHttps::~TransporteAgenciaHttps()
{
    delete m_red;
}

QNetworkAccessManager& TransporteAgenciaHttps::red()
{
    if (!m_red)
        m_red = new QNetworkAccessManager;
    return *m_red;
}

void TransporteAgenciaHttps::enviar(const QByteArray& mensaje, bool pruebas, Terminado alTerminar)
{
    const QUrl direccion = m_direccion.isEmpty()
                               ? QUrl(QString::fromLatin1(pruebas ? kDireccionPruebas : kDireccionProduccion))
                               : m_direccion;
    QNetworkRequest peticion(direccion);
    peticion.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/xml; charset=UTF-8"));
    peticion.setRawHeader("SOAPAction", "\"\"");
    peticion.setTransferTimeout(m_esperaMs);
    if (direccion.scheme() == QLatin1String("https")) {
        CertificadoCliente c;
        try {
            const ConfiguracionSuite::Certificado guardado = ConfiguracionSuite::certificado();
            c = abrirPkcs12(guardado.fichero, guardado.clave);
        } catch (const ErrorTarvelo& e) {
            // Sin certificado no se sale: cuenta como un envío sin respuesta.
            // Aquí nadie teclea la clave: se arregla registrándolo otra vez
            QString d = e.descripcion();
            if (!d.contains(QLatin1String("tarvelo-admin")))
                d += QStringLiteral(" Vuelva a registrar el certificado con «tarvelo-admin certificado».");
            QTimer::singleShot(0, [alTerminar, d] { alTerminar({false, 0, {}, d}); });
            return;
        }
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.setLocalCertificate(c.certificado);
        ssl.setPrivateKey(c.clave);
        ssl.setLocalCertificateChain(QList<QSslCertificate>{c.certificado} + c.cadena);
        ssl.addCaCertificates(m_autoridades);
        peticion.setSslConfiguration(ssl);
    }
    QNetworkReply* r = red().post(peticion, mensaje);
    QObject::connect(r, &QNetworkReply::finished, r, [r, alTerminar, ms = m_esperaMs] {
        r->deleteLater();
        RespuestaTransporte t;
        const QVariant estado = r->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        t.conRespuesta = estado.isValid();
        t.estadoHttp = estado.toInt();
        t.cuerpo = r->isOpen() ? r->readAll() : QByteArray();
        if (r->error() == QNetworkReply::OperationCanceledError)
            t.error = QStringLiteral("La agencia no ha contestado en %1 s.").arg(ms / 1000.0);
        else if (r->error() != QNetworkReply::NoError)
            t.error = explicar(*r);
        qCInfo(lcTransporte).noquote() << r->url().toString() << "HTTP" << t.estadoHttp << t.cuerpo.size() << "bytes"
                                       << t.error;
        alTerminar(t);
    });
}
