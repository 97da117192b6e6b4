// El transporte HTTPS con el certificado de cliente contra un servidor TLS local que lo exige
#include "plataforma/ConfiguracionSuite.h"
#include "plataforma/TransporteAgenciaHttps.h"

#include <QLoggingCategory>
#include <QProcess>
#include <QSslServer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kClave = QStringLiteral("Secreta-123");
QStringList gRegistro;  // todo lo que se escribe en el registro, para buscar la clave
QtMessageHandler gAnterior = nullptr;

// Agencia de pega: exige un certificado de cliente de la CA de la prueba y
// contesta (o calla) cuando ha llegado el sobre entero
struct Agencia {
    QSslServer servidor;
    bool conexion = false;
    QString rechazo, sujeto;
    QByteArray recibido;

    Agencia(const QString& dir, bool calla)
    {
        QSslConfiguration c;
        c.setLocalCertificate(QSslCertificate::fromPath(dir + "/servidor.pem").value(0));
        QFile clave(dir + "/servidor.key");
        clave.open(QIODevice::ReadOnly);
        c.setPrivateKey(QSslKey(&clave, QSsl::Ec));
        c.setCaCertificates(QSslCertificate::fromPath(dir + "/ca.pem"));
        c.setPeerVerifyMode(QSslSocket::VerifyPeer);
        servidor.setSslConfiguration(c);
        servidor.listen(QHostAddress::LocalHost);
        QObject::connect(&servidor, &QSslServer::startedEncryptionHandshake, [this] { conexion = true; });
        QObject::connect(&servidor, &QSslServer::sslErrors, [this](QSslSocket*, const QList<QSslError>& e) {
            rechazo = e.value(0).errorString();
        });
        QObject::connect(&servidor, &QSslServer::pendingConnectionAvailable, [this, calla] {
            auto* s = static_cast<QSslSocket*>(servidor.nextPendingConnection());
            sujeto = s->peerCertificate().subjectInfo(QSslCertificate::CommonName).join('/');
            QObject::connect(s, &QSslSocket::readyRead, s, [this, s, calla] {
                recibido += s->readAll();
                if (!calla && recibido.endsWith("</e:Envelope>"))
                        s->write("HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: 10\r\nConnection: close\r\n\r\n"
                             "<ok>1</ok>");
            });
        });
    }
};

}  // namespace

class TstTransporteHttps : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    void openssl(const QString& args)
    {
        QProcess p;
        p.setWorkingDirectory(m_dir.path());
        p.start("openssl", QProcess::splitCommand(args));
        QVERIFY2(p.waitForFinished() && p.exitCode() == 0, qPrintable(args + p.readAllStandardError()));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QSslSocket::supportsSsl(), "Falta el soporte TLS de Qt (libqt6network6 con OpenSSL)");
        const QString ec = "-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 -subj ";
        const QString hoja = " -addext basicConstraints=critical,CA:FALSE -CA ca.pem -CAkey ca.key";
        openssl("req -x509 " + ec + "\"/CN=CA de prueba\" -keyout ca.key -out ca.pem");
        openssl("req -x509 " + ec + "/CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1,DNS:localhost -keyout servidor.key "
                "-out servidor.pem" + hoja);
        openssl("req -x509 " + ec + "\"/CN=Cliente de prueba\" -keyout cliente.key -out cliente.pem" + hoja);
        openssl("req -x509 " + ec + "\"/CN=Cliente autofirmado\" -keyout autofirmado.key -out autofirmado.pem");
        for (const QString n : {"cliente", "autofirmado"})
            openssl(QStringLiteral("pkcs12 -export -inkey %1.key -in %1.pem -out %1.p12 -passout pass:%2").arg(n, kClave));
        openssl("pkcs12 -export -legacy -inkey cliente.key -in cliente.pem -out legacy.p12 -passout pass:" + kClave);
        ConfiguracionSuite::ponerRuta(m_dir.filePath("suite.ini"));
        QLoggingCategory::setFilterRules("*.debug=true");
        gAnterior = qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
            gRegistro << texto;
            gAnterior(tipo, contexto, texto);
        });
    }
    void cleanupTestCase()
    {
        qInstallMessageHandler(gAnterior);
        ConfiguracionSuite::ponerRuta(QString());
    }

    void enviar_data()
    {
        QTest::addColumn<QString>("p12");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<bool>("conCa");       // el cliente confía en la CA que firma el servidor
        QTest::addColumn<QString>("servidor"); // contesta, calla, o mudo (acepta TCP y no hace el apretón TLS)
        QTest::addColumn<QString>("error");    // parte del error; "" si no lo hay
        QTest::addColumn<QString>("rechazo");  // parte del error que ve el servidor en el certificado del cliente
        QTest::addColumn<QString>("sujeto");   // cliente que ve el servidor al recibir el HTTP; "" si no recibe nada
        const QString espera = QStringLiteral("La agencia no ha contestado en 1 s.");
        QTest::newRow("certificado bueno") << "cliente" << kClave << true << "contesta" << "" << "" << "Cliente de prueba";
        QTest::newRow("PKCS#12 cifrado con RC2") << "legacy" << kClave << true << "contesta" << "" << "" << "Cliente de prueba";
        QTest::newRow("clave equivocada") << "cliente" << "Equivocada-987" << true << "contesta"
                                          << "no se abre con esa clave, o no es un certificado PKCS#12 (.p12 o .pfx) con su "
                                             "clave privada. Compruebe la clave y el fichero. Vuelva a registrar" << "" << "";
        QTest::newRow("cliente autofirmado") << "autofirmado" << kClave << true << "contesta"
                                             << "La agencia ha cerrado la conexión sin contestar" << "self-signed" << "";
        QTest::newRow("servidor desconocido") << "cliente" << kClave << false << "contesta"
                                              << "No se ha podido abrir la conexión segura" << "" << "";
        QTest::newRow("servidor que calla") << "cliente" << kClave << true << "calla" << espera << "" << "Cliente de prueba";
        QTest::newRow("servidor mudo") << "cliente" << kClave << true << "mudo" << espera << "" << "";
    }
    void enviar()
    {
        QFETCH(QString, p12);
        QFETCH(QString, clave);
        QFETCH(bool, conCa);
        QFETCH(QString, servidor);
        QFETCH(QString, error);
        QFETCH(QString, rechazo);
        QFETCH(QString, sujeto);
        ConfiguracionSuite::guardarCertificado({m_dir.filePath(p12 + ".p12"), clave});
        Agencia agencia(m_dir.path(), servidor == "calla");
        QTcpServer mudo;
        QVERIFY(mudo.listen(QHostAddress::LocalHost));
        const quint16 puerto = servidor == "mudo" ? mudo.serverPort() : agencia.servidor.serverPort();
        TransporteAgenciaHttps t(QUrl(QStringLiteral("https://127.0.0.1:%1/ws").arg(puerto)), 1000,
                                 conCa ? QSslCertificate::fromPath(m_dir.filePath("ca.pem")) : QList<QSslCertificate>());
        // Grande, para que viaje en muchos registros TLS
        const QByteArray mensaje = "<e:Envelope>" + QByteArray(300000, 'x') + "</e:Envelope>";
        gRegistro.clear();
        std::optional<RespuestaTransporte> r;
        t.enviar(mensaje, true, [&](const RespuestaTransporte& x) { r = x; });
        QTRY_VERIFY_WITH_TIMEOUT(r.has_value(), 5000);

        QVERIFY2(r->error.contains(error) && r->error.isEmpty() == error.isEmpty(), qPrintable(r->error));
        QCOMPARE(r->estadoHttp, error.isEmpty() ? 200 : 0);
        QCOMPARE(r->cuerpo, error.isEmpty() ? QByteArray("<ok>1</ok>") : QByteArray());
        QVERIFY2(agencia.rechazo.contains(rechazo) && agencia.rechazo.isEmpty() == rechazo.isEmpty(),
                 qPrintable(agencia.rechazo));
        QCOMPARE(agencia.sujeto, sujeto);
        const QByteArray& recibido = agencia.recibido;
        QCOMPARE(recibido.mid(recibido.indexOf("\r\n\r\n") + 4), sujeto.isEmpty() ? QByteArray() : mensaje);
        QCOMPARE(agencia.conexion, clave == kClave && servidor != "mudo");
        for (const QString& c : {kClave, QStringLiteral("Equivocada-987")})
            QVERIFY2(!r->error.contains(c) && gRegistro.filter(c).isEmpty(), qPrintable(gRegistro.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TstTransporteHttps)
#include "tst_transportehttps.moc"
