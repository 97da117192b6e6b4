// La cola de envío a la agencia contra un servidor de pega local con respuestas guionizadas y un reloj de pega
#include "AvisosPrueba.h"
#include "SesionPrueba.h"
#include "plataforma/TransporteAgenciaHttps.h"
#include "registros/verifactu/ColaEnvios.h"
#include "registros/verifactu/XmlRegistro.h"
#include "datos/Transaccion.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace VeriFactu;

namespace {

// Valida con xmllint el elemento de dentro del cuerpo SOAP
void validar(const QByteArray& soap, const char* esquema)
{
    const QString dentro = QString::fromUtf8(soap).section("Body>", 1, 1).section("</", 0, -2);
    QProcess x;
    x.start("xmllint", {"--noout", "--nonet", "--schema", QStringLiteral(TARVELO_XSD "/%1").arg(esquema), "-"});
    x.write(dentro.toUtf8());
    x.closeWriteChannel();
    QVERIFY2(x.waitForFinished() && x.exitCode() == 0, qPrintable(x.readAllStandardError() + dentro.left(300)));
}

QByteArray sobre(const QString& cuerpo)
{
    return ("<e:Envelope xmlns:e=\"http://schemas.xmlsoap.org/soap/envelope/\"><e:Body>" + cuerpo + "</e:Body></e:Envelope>").toUtf8();
}

// Agencia de pega: contesta cada petición con el siguiente paso del guion:
// "Silencio", "Fallo" (HTTP 500 con un fallo SOAP) o "EstadoEnvio/espera/estado de cada línea,..." (el último se repite)
struct Agencia {
    QTcpServer servidor;
    QStringList guion;
    QList<QByteArray> peticiones;

    Agencia()
    {
        servidor.listen(QHostAddress::LocalHost);
        QObject::connect(&servidor, &QTcpServer::newConnection, [this] {
            QTcpSocket* s = servidor.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                const QByteArray b = s->property("b").toByteArray() + s->readAll();
                s->setProperty("b", b);
                const auto largo = QRegularExpression("content-length: *(\\d+)", QRegularExpression::CaseInsensitiveOption).match(b);
                if (!b.contains("\r\n\r\n") || b.size() < b.indexOf("\r\n\r\n") + 4 + largo.captured(1).toInt())
                    return;
                validar(peticiones.emplaceBack(b.mid(b.indexOf("\r\n\r\n") + 4)), "SuministroLR.xsd");
                const QString paso = guion.takeFirst();
                if (paso == QLatin1String("Silencio"))
                    return;
                const bool fallo = paso == QLatin1String("Fallo");
                const QByteArray cuerpo = fallo ? sobre("<e:Fault><faultcode>e:Server</faultcode><faultstring>Servicio no disponible</faultstring>"
                                                        "</e:Fault>") : respuesta(paso, peticiones.last());
                s->write(QByteArray(fallo ? "HTTP/1.1 500 Error" : "HTTP/1.1 200 OK") + "\r\nContent-Type: text/xml\r\nConnection: close\r\n"
                         "Content-Length: " + QByteArray::number(cuerpo.size()) + "\r\n\r\n" + cuerpo);
            });
        });
    }
    static QByteArray respuesta(const QString& paso, const QByteArray& peticion)
    {
        const QStringList p = paso.split('/'), estados = p.value(2, "Correcto").split(',');
        QString r = QStringLiteral("<r:RespuestaRegFactuSistemaFacturacion xmlns:r=\"%1RespuestaSuministro.xsd\" xmlns:sf=\"%1SuministroInformacion.xsd\">"
                                   "<r:CSV>A1B2</r:CSV><r:Cabecera><sf:ObligadoEmision><sf:NombreRazon>Centro</sf:NombreRazon><sf:NIF>B12345674"
                                   "</sf:NIF></sf:ObligadoEmision></r:Cabecera><r:TiempoEsperaEnvio>%2</r:TiempoEsperaEnvio><r:EstadoEnvio>%3"
                                   "</r:EstadoEnvio>").arg(QString(kEspacioSuministro).section("SuministroInformacion.xsd", 0, 0), p.value(1), p[0]);
        int i = 0;
        for (const auto& m : QRegularExpression("<sf:IDFactura>(.*?)</sf:IDFactura>").globalMatch(QString::fromUtf8(peticion))) {
            const QString e = estados.value(i++, estados.last());
            const bool dup = e == QLatin1String("Duplicado");
            r += "<r:RespuestaLinea><r:IDFactura>" + m.captured(1) + "</r:IDFactura><r:Operacion><sf:TipoOperacion>Alta</sf:TipoOperacion>"
                 "</r:Operacion><r:EstadoRegistro>" + (dup ? "Incorrecto" : e) + "</r:EstadoRegistro>"
                 + (e == QLatin1String("Correcto") ? QString() : QStringLiteral("<r:CodigoErrorRegistro>%1</r:CodigoErrorRegistro><r:DescripcionErrorRegistro>"
                                                                               "Mensaje %1 de la agencia</r:DescripcionErrorRegistro>").arg(1100 + i))
                 + (dup ? "<r:RegistroDuplicado><sf:IdPeticionRegistroDuplicado>7</sf:IdPeticionRegistroDuplicado><sf:EstadoRegistroDuplicado>"
                          "Correcta</sf:EstadoRegistroDuplicado></r:RegistroDuplicado>" : "") + "</r:RespuestaLinea>";
        }
        const QByteArray s = sobre(r + "</r:RespuestaRegFactuSistemaFacturacion>");
        validar(s, "RespuestaSuministro.xsd");
        return s;
    }
};

// Añade n registros de alta a la cadena 1 (con huellas de pega: la cola no las mira)
void anadirRegistros(int n)
{
    int sec = SesionPrueba::filas(gConexion, "select count(*) from verifactu_registros");
    const auto h = [](int i) { return i ? QString::number(i).rightJustified(64, '0') : QString(); };
    Transaccion t(gConexion);
    for (const int fin = sec + n; sec < fin; ++sec) {
        const DatosAlta d{{"B12345674", QStringLiteral("F-%1").arg(sec + 1), "01-03-2025", "F2", "2.10", "12.10", h(sec), "2025-03-01T10:00:00+01:00"},
                          h(sec + 1), "Centro", "Bono", {}, {}, "01", {{"21.00", "10.00", "2.10"}}};
        gConexion.ejecutar("insert into verifactu_registros (cadena, secuencia, tipo_registro, id_emisor, num_serie_factura, fecha_expedicion, "
                           "huella_anterior, fecha_hora_huso, huella, xml, documento, numero_documento) values (1, ?, 'alta', 'B12345674', ?, "
                           "'01-03-2025', ?, '2025-03-01T10:00:00+01:00', ?, ?, 'cabecera_factura', ?)",
                           {sec + 1, d.campos.numSerie, h(sec), h(sec + 1), xmlAlta(d), sec + 1});
    }
    t.confirmar();
}

}  // namespace

class TstColaEnvios : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void cleanup() { SesionPrueba::cerrar(); }

    // Pasos: "+n" añade registros; "R" reinicia el programa; "O" otro puesto toma la cadena; "A" apaga los registros;
    // "T=guion" llama a la cola en el segundo T, y "T=-" espera que no envíe
    void envios_data()
    {
        QTest::addColumn<QString>("pasos");
        QTest::addColumn<QString>("envios");      // registros, incidencia, estado y espera de cada uno
        QTest::addColumn<QString>("respuestas");  // estado de cada registro, por orden de la cadena
        QTest::newRow("correcto, y la espera que pide") << "+3 0=Correcto/120 +2 100=- 119=- R 120=Correcto/30 +1 149=- 150=Correcto/60"
                                                        << "3 N Correcto 120|2 N Correcto 30|1 N Correcto 60" << "Correcto×6";
        QTest::newRow("parcialmente correcto") << "+3 0=ParcialmenteCorrecto/60/Correcto,Incorrecto,AceptadoConErrores 61=-"
                                               << "3 N ParcialmenteCorrecto 60" << "Correcto,Incorrecto,AceptadoConErrores";
        QTest::newRow("fallo del servidor, luego incidencia") << "+2 0=Fallo +1 59=- 60=Fallo 179=- R 180=Correcto/60 +1 240=Correcto/60"
                                                              << "2 N - 60|3 S - 120|3 S Correcto 60|1 N Correcto 60" << "Correcto×4";
        QTest::newRow("sin respuesta") << "+1 0=Silencio 59=- 60=Silencio 60=- 180=Correcto/60"
                                       << "1 N - 60|1 S - 120|1 S Correcto 60" << "Correcto×1";
        QTest::newRow("duplicado") << "+2 0=ParcialmenteCorrecto/60/Duplicado,Correcto" << "2 N ParcialmenteCorrecto 60" << "Duplicado,Correcto";
        QTest::newRow("tope de 1000, sin esperar si hay 1000") << "+2001 0=Correcto/60 1=Correcto/60 60=- 61=Correcto/60"
                                                               << "1000 N Correcto 60|1000 N Correcto 60|1 N Correcto 60" << "Correcto×2001";
        QTest::newRow("otro puesto envía la cadena") << "+1 O 0=-" << "" << "";
        QTest::newRow("apagado, sale lo que quedó") << "+2 A 0=Correcto/60 60=-" << "2 N Correcto 60" << "Correcto×2";
    }
    void envios()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, pasos);
        if (pasos.contains(" O ") && motor == QLatin1String("sqlite"))
            QSKIP("En SQLite solo hay un puesto");
        BaseDatosPrueba::Temporal db(motor);
        SesionPrueba::abrir(db);
        gRegion = "España";
        gConexion.ejecutar("insert into relaciones_fijas (indice, datoa, daton) values ('VeriFactu', 'Madrid', 1)");
        gConexion.ejecutar("insert into verifactu_cadenas (nif, creada) values ('B12345674', 'hoy')");
        Agencia agencia;
        TransporteAgenciaHttps transporte(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(agencia.servidor.serverPort())), 1500);
        QDateTime ahora, cero(QDate(2025, 3, 1), QTime(9, 0), QTimeZone::utc());
        auto cola = std::make_unique<ColaEnvios>(transporte, [&] { return ahora; });
        AvisosPrueba avisos;
        Conexion otro;
        for (const QString& paso : pasos.split(' ')) {
            if (paso.startsWith('+')) {
                anadirRegistros(paso.mid(1).toInt());
            } else if (paso == QLatin1String("R")) {
                cola = std::make_unique<ColaEnvios>(transporte, [&] { return ahora; });
                gConexion.abrir(db.tienda());
            } else if (paso == QLatin1String("A")) {
                gConexion.ejecutar("update relaciones_fijas set datoa = '' where indice = 'VeriFactu'");
            } else if (paso == QLatin1String("O")) {
                otro.abrir(db.tienda());
                otro.ejecutar("select pg_advisory_lock(22086, 1)");
            } else {
                ahora = cero.addSecs(paso.section('=', 0, 0).toInt());
                const int primero = SesionPrueba::filas(gConexion, "select min(secuencia) from verifactu_registros r where not exists "
                                                                   "(select 1 from verifactu_respuestas s where s.registro = r.id)");
                agencia.guion << paso.section('=', 1);
                QCOMPARE(cola->ejecutar(ahora), agencia.guion.last() != QLatin1String("-"));
                if (agencia.guion.removeAll("-"))
                    continue;
                QTRY_VERIFY_WITH_TIMEOUT(!cola->enCurso(), 20000);
                // En el orden de la cadena, desde el primero que espera
                int n = primero;
                for (const auto& m : QRegularExpression("<sf:IDFactura><sf:IDEmisorFactura>B12345674</sf:IDEmisorFactura><sf:NumSerieFactura>F-(\\d+)<")
                                         .globalMatch(agencia.peticiones.last()))
                    QCOMPARE(m.captured(1).toInt(), n++);
            }
        }
        QStringList hechos, estados;
        for (Consulta e(gConexion, "select * from verifactu_envios order by id"); e.siguiente();) {
            hechos << QStringLiteral("%1 %2 %3 %4").arg(e.texto("registros"), e.bandera("incidencia") ? "S" : "N",
                                                        e.esNulo("estado") ? "-" : e.texto("estado"), e.texto("espera"));
            QCOMPARE(agencia.peticiones.value(hechos.size() - 1).contains("<sf:Incidencia>S</sf:Incidencia>"), e.bandera("incidencia"));
            QCOMPARE(e.esNulo("estado"), !e.texto("error").isEmpty());
        }
        for (Consulta r(gConexion, "select s.estado from verifactu_registros r join verifactu_respuestas s on s.registro = r.id order by r.secuencia");
             r.siguiente();)
            estados << r.texto("estado");
        QTEST(hechos.join('|'), "envios");
        QFETCH(QString, respuestas);
        if (respuestas.contains(QStringLiteral("×")))
            respuestas = QStringList(respuestas.section(QStringLiteral("×"), 1).toInt(), respuestas.section(QStringLiteral("×"), 0, 0)).join(',');
        QCOMPARE(estados.join(','), respuestas);
        // Lo rechazado y lo aceptado con errores se enseña con el mensaje de la agencia, y ya no queda nada sin enviar
        QCOMPARE(int(avisos.anotados.join('\n').count("Mensaje ")), int(estados.count("Incorrecto") + estados.count("AceptadoConErrores")));
        QCOMPARE(registrosSinEnviar(gConexion), SesionPrueba::filas(gConexion, "select count(*) from verifactu_registros") - int(estados.size()));
    }
};

QTEST_GUILESS_MAIN(TstColaEnvios)
#include "tst_colaenvios.moc"
