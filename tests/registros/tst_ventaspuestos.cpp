// Ocho puestos de verdad (procesos) vendiendo bonos a la vez sobre la misma
// base de datos: números únicos, cada serie sin huecos y cada venta entera
#include "SesionPrueba.h"
#include "datos/Semaforos.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>

namespace {
constexpr int kPuestos = 8;
constexpr int kVentas = 50;
constexpr int kPrimeraFactura[2] = {1000, 5000};
constexpr int kPrimerBono = 32700;

QList<int> rango(int desde, int cuantos)
{
    QList<int> r;
    for (int i = 0; i < cuantos; ++i)
        r << desde + i;
    return r;
}

QList<int> columna(const QString& sql)
{
    QList<int> l;
    Consulta c(gConexion, sql);
    while (c.siguiente())
        l << c.entero(QStringLiteral("n"));
    return l;
}
}  // namespace

class TstVentasPuestos : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void cleanup()
    {
        SesionPrueba::cerrar();
        m_db.reset();
    }

    void aLaVez_data()
    {
        QTest::addColumn<bool>("semaforos");
        for (bool s : {false, true})
            QTest::newRow(s ? "con semáforos" : "sin semáforos") << s;
    }
    void aLaVez()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(bool, semaforos);
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        SesionPrueba::abrir(*m_db);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("Factura"), kPrimeraFactura[0]);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("FacturaPeruChile"), kPrimeraFactura[1]);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("Bonos"), kPrimerBono);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("PagosCuenta"), 1);
        SesionPrueba::activarSemaforos(gConexion, semaforos ? QStringLiteral("SI") : QStringLiteral("NO"));
        gConexion.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, datoa) values ('VeriFactu', 'Madrid')"));
        gConexion.ejecutar(QStringLiteral("insert into opciones (nombre, cif) values ('Centro', 'B12345674')"));
        gSemaforosActivos = false;
        CrearSemaforos();
        CrearSemaforo(QStringLiteral("FacturaPeruChile"));

        std::vector<std::unique_ptr<QProcess>> puestos;
        for (int i = 0; i < kPuestos; ++i) {
            auto p = std::make_unique<QProcess>();
            p->start(QCoreApplication::applicationDirPath() + QStringLiteral("/puesto_venta"),
                     {m_db->carpeta() + QStringLiteral("/suite.ini"), QString::number(kVentas), QString::number(i + 1)});
            QVERIFY2(p->waitForStarted(10000), qPrintable(p->errorString()));
            puestos.push_back(std::move(p));
        }
        QList<int> facturas[2];
        double vendido = 0;
        int conResto = 0;
        const QDeadlineTimer limite(240000);
        for (auto& p : puestos) {
            if (!p->waitForFinished(int(qMax<qint64>(1, limite.remainingTime())))) {
                for (auto& q : puestos)
                    q->kill();
                QFAIL("algún puesto no terminó a tiempo");
            }
            QVERIFY2(p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0, p->readAllStandardError().constData());
            for (const QByteArray& linea : p->readAllStandardOutput().split('\n')) {
                const QList<QByteArray> c = linea.split(' ');
                if (c.size() < 5 || c[0] != "V")
                    continue;
                facturas[c[1].toInt()] << c[2].toInt();
                vendido += c[3].toDouble();
                conResto += c[4].toInt() > 0;
            }
        }
        const int total = kPuestos * kVentas;
        for (int s : {0, 1}) {
            std::sort(facturas[s].begin(), facturas[s].end());
            // Cada serie sin huecos ni repetidos, y guardada así
            QCOMPARE(facturas[s], rango(kPrimeraFactura[s], total / 2));
            QCOMPARE(columna(QStringLiteral("select numero as n from cabecera_factura%1 order by numero")
                                 .arg(s ? "_1" : "")),
                     facturas[s]);
        }
        QCOMPARE(columna(QStringLiteral("select numbono as n from cabecera_bonos order by numbono")),
                 rango(kPrimerBono, total));
        // Los contadores quedan en el siguiente libre (el de bonos, pasado de 32767)
        QCOMPARE(SesionPrueba::datonDe(gConexion, QStringLiteral("Bonos")).toInt(), kPrimerBono + total);
        QCOMPARE(SesionPrueba::datonDe(gConexion, QStringLiteral("Factura")).toInt(), kPrimeraFactura[0] + total / 2);
        // Cada venta entera: su línea y su bono; un pago a cuenta justo cuando quedó a deber
        for (const char* s : {"", "_1"})
            QCOMPARE(SesionPrueba::ventasAMedias(gConexion, s), 0);
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select count(*) from cabecera_pago where importe = 5")),
                 conResto);
        QCOMPARE(columna(QStringLiteral("select num_pago as n from cabecera_pago order by num_pago")), rango(1, conResto));
        // Una cadena de registros, lineal: cada uno sigue al anterior, sin huecos ni horas que retroceden
        QCOMPARE(columna(QStringLiteral("select numero_documento as n from verifactu_registros order by secuencia")),
                 facturas[0]);
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select count(*) from verifactu_registros r join "
                     "verifactu_registros a on a.cadena = 1 and r.cadena = 1 and a.secuencia = r.secuencia - 1 and "
                     "a.huella = r.huella_anterior and a.fecha_hora_huso <= r.fecha_hora_huso")), total / 2 - 1);
        Consulta suma(gConexion, QStringLiteral("select (select sum(total) from cabecera_factura) + "
                                                "(select sum(total) from cabecera_factura_1) as suma"));
        QVERIFY(suma.siguiente());
        QCOMPARE(qRound64(suma.numero(QStringLiteral("suma")) * 100), qRound64(vendido * 100));
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select count(*) from semaforos where estado <> 'verde'")),
                 0);
    }
};

QTEST_MAIN(TstVentasPuestos)
#include "tst_ventaspuestos.moc"
