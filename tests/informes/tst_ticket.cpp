// El ticket de una factura en bytes ESC/POS, leído aquí byte a byte con su
// propia tabla de PC858 (no con el codificador), en un fichero de
// dispositivo y en una impresora de red de pega
#include "LeerPdf.h"
#include "SesionPrueba.h"
#include "plataforma/ConfigPuestoSql.h"
#include "plataforma/informes/TicketEscPos.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Ticket {
    QString texto;
    QList<int> paginas;  // ESC t
    int cortes = 0;      // GS V
    bool cortaAlFinal = false;
    QImage imagen;       // GS v 0, la última
};

// Lo que imprimiría la impresora
Ticket decodificar(const QByteArray& b)
{
    static const QHash<uchar, QChar> pc858{{0xD5, u'€'}, {0xA4, u'ñ'}, {0xA5, u'Ñ'}, {0xA0, u'á'}, {0x82, u'é'},
                                           {0xA1, u'í'}, {0xA2, u'ó'}, {0xA3, u'ú'}, {0xA7, u'º'}};
    Ticket t;
    for (int i = 0; i < b.size(); ++i) {
        const uchar c = uchar(b[i]);
        if (c == 0x1b) {
            const char orden = b.at(i + 1);
            if (orden == 't')
                t.paginas << uchar(b.at(i + 2));
            i += orden == '@' ? 1 : 2;
        } else if (c == 0x1d && b.at(i + 1) == 'v') {
            // Imagen: bytes por fila y filas, un bit por punto, el más alto a la izquierda
            const auto n = [&](int k) { return uchar(b.at(i + k)) | uchar(b.at(i + k + 1)) << 8; };
            const int bytesFila = n(4);
            const int filas = n(6);
            t.imagen = QImage(bytesFila * 8, filas, QImage::Format_Grayscale8);
            t.imagen.fill(Qt::white);
            for (int y = 0; y < filas; ++y)
                for (int x = 0; x < bytesFila * 8; ++x)
                    if (uchar(b.at(i + 8 + y * bytesFila + x / 8)) & (0x80 >> (x % 8)))
                        t.imagen.setPixel(x, y, qRgb(0, 0, 0));
            i += 7 + bytesFila * filas;
        } else if (c == 0x1d) {
            t.cortes += b.at(i + 1) == 'V';
            t.cortaAlFinal = i + 3 == b.size();
            i += 2;
        } else {
            t.texto += c == '\n' || (c >= 0x20 && c < 0x7f) ? QChar(c) : pc858.value(c, u'¿');
        }
    }
    return t;
}

}  // namespace

class TstTicket : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    QTemporaryDir m_dir;

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void cleanup()
    {
        SesionPrueba::cerrar();
        m_db.reset();
    }

    void imprimir_data()
    {
        QTest::addColumn<QString>("destino");  // fichero, red o nada
        QTest::addColumn<int>("pagina");       // del puesto; -1 sin ajuste
        QTest::addColumn<bool>("iva");
        QTest::addColumn<QStringList>("lineas");
        QTest::newRow("dispositivo, página de fábrica") << "fichero" << -1 << true
            << QStringList{"Salón Aurora", "C.I.F: B12345678", "Fecha: 14/03/2025", "Hora: 10:05",
                           "Factura nº: 57", "Depilación V señora", "  5 sesiones", "60,00 €", "-6,00 €",
                           "TOTAL", "54,00 €", "IVA 21 % incluido", "9,37 €", "Entregado", "60,00 €", "Cambio",
                           "6,00 €"};
        QTest::newRow("red, página 16, IVA aparte") << "red" << 16 << false << QStringList{"TOTAL", "63,37 €", "IVA 21 % añadido"};
        QTest::newRow("sin impresora") << "" << -1 << true << QStringList{};
    }
    void imprimir()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, destino);
        QFETCH(int, pagina);
        QFETCH(bool, iva);
        QFETCH(QStringList, lineas);
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        SesionPrueba::abrir(*m_db);
        Valores::ponerRegionales(AjustesRegionales::espanoles());
        gNumDecimales = 2;
        Conexion& c = gConexion;
        c.ejecutar(QStringLiteral("insert into opciones (nombre, direccion, cif, cp, poblacion) values ('Salón "
                                  "Aurora', 'Calle Mayor 3', 'B12345678', '28801', 'Alcalá')"));
        c.ejecutar(QStringLiteral("insert into cabecera_factura (numero, fecha, hora, impuestoincluido) values "
                                  "(57, ?, ?, ?)"),
                   {QDate(2025, 3, 14), QTime(10, 5, 30), iva ? -1 : 0});
        // Un nombre con una orden de corte dentro (GS V) no corta el papel
        c.ejecutar(QStringLiteral("insert into detalle_factura (num_factura, producto, unidades, precio, descuento, "
                                  "precio_unit, impuesto, tipoimpuesto) values (57, ?, 5, 54, 6, 12, 9.37, 21)"),
                   {QStringLiteral("Depilación\x1dV\x01señora")});
        if (pagina >= 0)
            ConfigPuestoSql().guardar(c, {{QStringLiteral("pagina_codigos_ticket"), pagina}});

        QTcpServer servidor;
        QString impresora;
        if (destino == QLatin1String("red")) {
            QVERIFY(servidor.listen(QHostAddress::LocalHost));
            impresora = QStringLiteral("127.0.0.1:%1").arg(servidor.serverPort());
        } else if (destino == QLatin1String("fichero")) {
            impresora = m_dir.filePath(QStringLiteral("lp0"));
        }
        Componentes::perifericos().ImprimirTicket(c, impresora, 57, QStringLiteral("60"), QStringLiteral("6,00"));

        QByteArray bytes;
        if (destino == QLatin1String("red")) {
            QVERIFY(servidor.waitForNewConnection(5000));
            QTcpSocket* s = servidor.nextPendingConnection();
            while (s->state() == QAbstractSocket::ConnectedState && s->waitForReadyRead(2000))
                bytes += s->readAll();
            bytes += s->readAll();
        } else if (destino == QLatin1String("fichero")) {
            QFile f(impresora);
            QVERIFY(f.open(QIODevice::ReadOnly));
            bytes = f.readAll();
        }
        if (destino.isEmpty())
            return;  // sin impresora no intenta nada: una cola "" de CUPS lanzaría
        const Ticket t = decodificar(bytes);
        QCOMPARE(t.paginas, QList<int>{pagina < 0 ? 19 : pagina});
        QCOMPARE(t.cortes, 1);
        QVERIFY(t.cortaAlFinal);
        QVERIFY2(!t.texto.contains(u'¿'), qPrintable(t.texto));
        qsizetype desde = 0;  // en este orden
        for (const QString& l : lineas) {
            desde = t.texto.indexOf(l, desde);
            QVERIFY2(desde >= 0, qPrintable(l + QStringLiteral(" no está (o no en su sitio) en:\n") + t.texto));
        }
        for (const QString& l : t.texto.split(QLatin1Char('\n')))
            QVERIFY2(l.size() <= 42, qPrintable(l));
    }

    // El código QR tributario, arriba, en puntos enteros: se lee y mide de 30 a 40 mm sin el margen
    void qrTributario()
    {
        DatosTicket d;
        d.tienda = QStringLiteral("Salón Aurora");
        d.qrTributario = QStringLiteral("https://www2.agenciatributaria.gob.es/wlpl/TIKE-CONT/ValidarQR?nif=B12345678"
                                        "&numserie=A%2F57&fecha=14-03-2025&importe=54.00");
        const Ticket t = decodificar(TicketEscPos::componer(d, 19));
        QVERIFY(t.texto.startsWith(QStringLiteral("QR tributario:\nVERI*FACTU\nSalón Aurora")));
        QCOMPARE(leerQr(t.imagen), QStringList{d.qrTributario});
        const double lado = cajaOscura(t.imagen).width() / double(TicketEscPos::kPuntosPorMm);
        QVERIFY2(lado >= 30 && lado <= 40, qPrintable(QString::number(lado)));
        QVERIFY(t.imagen.width() <= 72 * TicketEscPos::kPuntosPorMm);  // cabe en el papel
    }
};

QTEST_MAIN(TstTicket)
#include "tst_ticket.moc"
