// Orden certificado: el certificado con que el programa envía los registros
// de facturación a la agencia tributaria
#include "AnalizadorOrden.h"
#include "OpcionesConexion.h"
#include "Ordenes.h"
#include "datos/Error.h"
#include "plataforma/ConfiguracionSuite.h"
#include "plataforma/TransporteAgenciaHttps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace Ordenes {
namespace {

// La clave, de la primera línea de la entrada estándar; en un terminal se
// pide sin que se vea lo que se escribe
QString leerClave()
{
    const bool terminal = isatty(STDIN_FILENO);
    termios antes{};
    if (terminal) {
        QTextStream(stderr) << "Clave del certificado: " << Qt::flush;
        tcgetattr(STDIN_FILENO, &antes);
        termios sinEco = antes;
        sinEco.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &sinEco);
    }
    QTextStream entrada(stdin);
    const QString clave = entrada.readLine();
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &antes);
        QTextStream(stderr) << '\n';
    }
    return clave;
}

}  // namespace

int certificado(const QStringList& args)
{
    AnalizadorOrden a(QStringLiteral("certificado"),
                      QStringLiteral("Registra el certificado del contribuyente (fichero PKCS#12, .p12 o .pfx) con que "
                                     "el programa envía los registros de facturación a la agencia tributaria "
                                     "(VERI*FACTU). La clave del fichero se lee de la entrada estándar, nunca de la "
                                     "línea de órdenes; en un terminal se pide sin que se vea. Se comprueba que el "
                                     "fichero se abre con ella y se guarda una copia junto a la configuración de la "
                                     "suite, con la clave, que solo lee su dueño. Ejemplo: tarvelo-admin certificado "
                                     "--fichero empresa.p12 < clave.txt"));
    a.parser().addOption({QStringLiteral("fichero"), QStringLiteral("Fichero PKCS#12 del certificado (obligatorio)."),
                          QStringLiteral("fichero")});
    OpcionesConexion::anadirSuite(a.parser());
    if (!a.analizar(args))
        return 0;
    OpcionesConexion::aplicarSuite(a.parser());
    const QString fichero = a.parser().value(QStringLiteral("fichero")).trimmed();
    if (fichero.isEmpty())
        throw ErrorTarvelo(QStringLiteral("Falta el fichero del certificado (--fichero)."));
    const QString clave = leerClave();
    const CertificadoCliente c = abrirPkcs12(fichero, clave);

    // Una copia que solo lee el dueño, junto a la configuración de la suite
    const QString copia = QFileInfo(ConfiguracionSuite::ruta()).absolutePath() + QStringLiteral("/certificado-verifactu.p12");
    QFile origen(fichero);
    const QByteArray datos = origen.open(QIODevice::ReadOnly) ? origen.readAll() : QByteArray();
    QDir().mkpath(QFileInfo(copia).absolutePath());
    QFile::remove(copia);
    QFile destino(copia);
    if (datos.isEmpty()
        || !destino.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || destino.write(datos) != datos.size() || !destino.flush())
        throw ErrorTarvelo(QStringLiteral("No se puede guardar la copia del certificado en %1. Compruebe los permisos "
                                          "de la carpeta.")
                               .arg(copia));
    destino.close();
    ConfiguracionSuite::guardarCertificado({copia, clave});
    QTextStream out(stdout);
    out << "Certificado de " << c.certificado.subjectDisplayName() << ", válido hasta "
        << c.certificado.expiryDate().toLocalTime().toString(QStringLiteral("dd/MM/yyyy")) << ", guardado en " << copia
        << ".\n";
    if (c.certificado.expiryDate() < QDateTime::currentDateTimeUtc())
        out << "Atención: el certificado está caducado; la agencia no aceptará los envíos.\n";
    return 0;
}

}  // namespace Ordenes
