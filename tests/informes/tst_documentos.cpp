// Los tres documentos de la venta hechos de sus datos y leídos de vuelta del
// PDF, en los dos motores, y lo que queda en la tabla informes
#include "AvisosPrueba.h"
#include "LeerPdf.h"
#include "SesionPrueba.h"
#include "informes/DatosInformes.h"
#include "informes/DocumentoInforme.h"

#include <QTemporaryDir>
#include <QTest>

class TstDocumentos : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    QTemporaryDir m_documentos;

    void tienda(const QString& motor)
    {
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor, BaseDatosPrueba::Contenido::TiendaEInformes);
        SesionPrueba::abrir(*m_db);
        DocumentoInforme::ponerCarpeta(m_documentos.path());
        Valores::ponerRegionales(AjustesRegionales::espanoles());
        gNumDecimales = 2;
        gIva = true;
        Conexion& c = gConexion;
        c.ejecutar(QStringLiteral("insert into opciones (nombre, direccion, poblacion, cif, cp, provincia, telefono) "
                                  "values ('Salón Aurora', 'Calle Mayor 3', 'Alcalá', 'B12345678', '28801', "
                                  "'Madrid', '918887766')"));
        c.ejecutar(QStringLiteral("insert into clientes (codigo, nombre, apellidos, nif, direccion, poblacion, "
                                  "provincia, cp) values (2, 'Lucía', 'Peña <Ruiz>', '50111222X', 'Plaza Sol 1', "
                                  "'Toledo', 'Toledo', '45001')"));
        // La factura 57 en las dos series, con líneas distintas
        for (const QString& s : {QString(), QStringLiteral("_1")}) {
            c.ejecutar(QStringLiteral("insert into cabecera_factura%1 (numero, cliente, descuento, fechaventa) "
                                      "values (57, ?, 6, ?)").arg(s),
                       {s.isEmpty() ? 2 : 0, QDate(2025, 3, 14)});
            c.ejecutar(QStringLiteral("insert into detalle_factura%1 (num_factura, producto, unidades, precio, "
                                      "descuento, precio_unit, impuesto, tipoimpuesto) values (57, ?, 5, 54, 6, 12, "
                                      "9.37, 21)").arg(s),
                       {s.isEmpty() ? QStringLiteral("Masaje relajante") : QStringLiteral("Limpieza facial")});
        }
    }

    static QStringList informes()
    {
        QStringList filas;
        Conexion c;
        c.abrir(Componentes::abridor().Origen(QStringLiteral("dsn=ListBrisalo")));
        Consulta q(c, QStringLiteral("select * from informes order by id"));
        while (q.siguiente())
            filas << QStringLiteral("%1-%2|%3|%4|%5")
                         .arg(q.texto(QStringLiteral("numerico10")), q.texto(QStringLiteral("numerico11")),
                              q.texto(QStringLiteral("texto2")), q.texto(QStringLiteral("TEXTO20")),
                              q.texto(QStringLiteral("numerico20")));
        return filas;
    }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void cleanup()
    {
        SesionPrueba::cerrar();
        m_db.reset();
        DocumentoInforme::ponerCarpeta({});
    }

    void documento_data()
    {
        QTest::addColumn<QString>("documento");
        QTest::addColumn<QString>("identificacion");  // gIdentificacionFiscal
        QTest::addColumn<QString>("cliente");
        QTest::addColumn<QString>("sesiones");
        QTest::addColumn<QStringList>("esta");     // en el PDF
        QTest::addColumn<QStringList>("noEsta");
        QTest::addColumn<QString>("filas");        // de informes: sesiones|texto2|TEXTO20|numerico20
        QTest::addColumn<QString>("qr");           // tributario
        QTest::newRow("factura con cliente") << "factura" << "" << "" << ""
            << QStringList{"Salón Aurora", "Lucía Peña <Ruiz>", "C.I.F: 50111222X", "B12345678", "Tlf: 918887766",
                           "14/03/2025", "Bono: Masaje relajante", "60,00", "6,00", "44,63 €", "9,37 €", "54,00 €",
                           "IVA incluido"}
            << QStringList{"Generico", "Limpieza"} << "-|B12345678|C.I.F:|60"
            << "https://prewww2.aeat.es/wlpl/TIKE-CONT/ValidarQR?nif=89890001K&numserie=12345678%26G33&fecha=01-01-"
               "2024&importe=241.4";
        QTest::newRow("misma factura de la segunda serie, cliente 0, RUT") << "factura2" << "RUT" << "" << ""
            << QStringList{"Generico", "RUT: B12345678", "RUT:", "Bono: Limpieza facial"}
            << QStringList{"Lucía", "Masaje", "C.I.F"} << "-|RUT: B12345678|RUT: |60" << "";
        QTest::newRow("hoja de 5 sesiones") << "hoja" << "" << "2" << "5"
            << QStringList{"Bonos de Servicios", "Lucía Peña", "Masaje relajante", "5 sesiones",
                           "del 01/04/2025 al 31/03/2026", "Factura nº 57", "Precio: 75,00 €", "Cambio: 5,00 €"}
            << QStringList{"Generico"} << "1-2|Calle Mayor 3||,3-4|Calle Mayor 3||,5-|Calle Mayor 3||" << "";
        QTest::newRow("normativa de 6 sesiones, cliente que no existe") << "normativa" << "" << "99" << "6"
            << QStringList{"CONSENTIMIENTO INFORMADO", "Firma del cliente", "6 sesiones"}
            << QStringList{"Generico", "Lucía"} << "1-2|Calle Mayor 3||,3-4|Calle Mayor 3||,5-6|Calle Mayor 3||" << "";
    }
    void documento()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, documento);
        QFETCH(QString, identificacion);
        QFETCH(QString, cliente);
        QFETCH(QString, sesiones);
        QFETCH(QStringList, esta);
        QFETCH(QStringList, noEsta);
        QFETCH(QString, filas);
        QFETCH(QString, qr);
        tienda(motor);
        gIdentificacionFiscal = identificacion;
        AvisosPrueba avisos;
        QString ruta;
        {
            DocumentoInforme doc(documento);
            doc.ponerQrTributario(qr);
            if (documento == QLatin1String("factura"))
                GenerarReportFactura(doc, 57);
            else if (documento == QLatin1String("factura2"))
                GenerarReportFacturaPeruChile(doc, 57);
            else
                CrearReportBonos(doc, 57, {QStringLiteral("Bonos de Servicios"), cliente,
                                           QStringLiteral("Masaje relajante"), sesiones, QStringLiteral("75,00"),
                                           QStringLiteral("80"), QStringLiteral("5,00"), QDate(2025, 4, 1),
                                           QDate(2026, 3, 31)});
            doc.imprimir(documento.startsWith(QLatin1String("factura")) ? QStringLiteral("Q_factura.rpt")
                         : documento == QLatin1String("hoja")           ? QStringLiteral("Q_BonosServicios.rpt")
                                                                        : QStringLiteral("Q_BonosNormativaUVA.rpt"));
            ruta = doc.rutaPdf();
        }
        QCOMPARE(informes().join(QLatin1Char(',')), filas);
        const QString texto = leerPdf(ruta);
        for (const QString& s : esta)
            QVERIFY2(texto.contains(s), qPrintable(s + QStringLiteral(" no está en:\n") + texto));
        for (const QString& s : noEsta)
            QVERIFY2(!texto.contains(s), qPrintable(s + QStringLiteral(" sobra en:\n") + texto));
        QCOMPARE(texto.count(QStringLiteral("__/__/__")), sesiones.toInt());
        // El código QR, lo primero de la página entre su rótulo y "VERI*FACTU", de 30 a 40 mm y en vectores
        constexpr int ppp = 150;
        const QImage pagina = paginaPdf(ruta, ppp);
        QCOMPARE(leerQr(pagina), qr.isEmpty() ? QStringList() : QStringList{qr});
        QCOMPARE(texto.trimmed().startsWith(QStringLiteral("QR tributario:")), !qr.isEmpty());
        if (!qr.isEmpty()) {
            const QRectF arriba = palabraPdf(ruta, QStringLiteral("tributario:"));
            const QRectF abajo = palabraPdf(ruta, QStringLiteral("VERI*FACTU"));
            QVERIFY(arriba.bottom() > 0 && arriba.bottom() < 25 && abajo.top() > arriba.bottom());
            const QRect simbolo = cajaOscura(pagina, int(arriba.bottom() / 25.4 * ppp) + 1, int(abajo.top() / 25.4 * ppp));
            const double lado = simbolo.width() * 25.4 / ppp;
            QVERIFY2(lado >= 30 && lado <= 40 && qAbs(simbolo.height() - simbolo.width()) <= 2, qPrintable(QString::number(lado)));
            QVERIFY(abajo.top() < palabraPdf(ruta, QStringLiteral("Aurora")).top());
            QProcess imagenes;
            imagenes.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), ruta});
            QVERIFY(imagenes.waitForFinished(30000));
            // La única imagen es el logotipo (apaisado): ninguna cuadrada
            const QByteArray lista = imagenes.readAllStandardOutput();
            for (const QByteArray& l : lista.split('\n').mid(2)) {
                const QList<QByteArray> c = l.simplified().split(' ');
                QVERIFY2(c.size() < 5 || c.at(3) != c.at(4), lista.constData());
            }
        }
        // Sin impresora en el puesto ni en el sistema, el aviso dice dónde quedó
        QCOMPARE(avisos.anotados.size(), 1);
        QVERIFY2(avisos.anotados.first().contains(ruta), qPrintable(avisos.anotados.first()));
    }
};

QTEST_MAIN(TstDocumentos)
#include "tst_documentos.moc"
