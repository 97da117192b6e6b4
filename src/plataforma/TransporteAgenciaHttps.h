#pragma once
// Envío de los mensajes de los registros de facturación a la agencia
// tributaria: SOAP por HTTPS, con el certificado de cliente del contribuyente
// que registró tarvelo-admin, y con una espera máxima.
#include "datos/ComponentesSuite.h"

#include <QList>
#include <QSslCertificate>
#include <QSslKey>
#include <QUrl>

class QNetworkAccessManager;

// Certificado de cliente sacado de un fichero PKCS#12
struct CertificadoCliente {
    QSslCertificate certificado;
    QSslKey clave;
    QList<QSslCertificate> cadena;
};

// Abre el fichero con su clave. Lanza ErrorTarvelo, con un mensaje que dice
// qué hacer, si no existe, no se puede leer o no se abre con esa clave.
CertificadoCliente abrirPkcs12(const QString& fichero, const QString& clave);

class TransporteAgenciaHttps : public TransporteAgencia {
public:
    // Direcciones del servicio de la agencia
    static const char* const kDireccionPruebas;
    static const char* const kDireccionProduccion;
    static constexpr int kEsperaMaxima = 20000;  // ms sin respuesta

    // Con la dirección de pruebas o de producción según cada envío, y el
    // certificado de la configuración de la suite
    TransporteAgenciaHttps();
    // A una dirección fija (sin certificado si es http), con su espera; las
    // pruebas dan además la autoridad que firma su servidor local
    TransporteAgenciaHttps(const QUrl& direccion, int esperaMs, const QList<QSslCertificate>& autoridades = {});
    ~TransporteAgenciaHttps() override;

    void enviar(const QByteArray& mensaje, bool pruebas, Terminado alTerminar) override;

private:
    QNetworkAccessManager& red();

    QUrl m_direccion;
    int m_esperaMs = kEsperaMaxima;
    QList<QSslCertificate> m_autoridades;
    QNetworkAccessManager* m_red = nullptr;
};
