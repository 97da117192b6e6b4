// Varios puestos de verdad (procesos) sacando números y guardando ventas a la
// vez sobre la misma base de datos: ningún número repetido ni perdido.
#include "SesionPrueba.h"
#include "datos/Semaforos.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QTest>

namespace {
constexpr int kPuestos = 8;
constexpr int kVentas = 10;
constexpr int kPrimeraFactura = 1000;
constexpr int kPrimerBono = 32760;  // cruza 32767 por el camino

QList<int> rango(int desde, int cuantos)
{
    QList<int> r;
    for (int i = 0; i < cuantos; ++i)
        r << desde + i;
    return r;
}

QList<int> ordenados(QList<int> l)
{
    std::sort(l.begin(), l.end());
    return l;
}
}  // namespace

class TstPuestos : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;

    QList<int> columna(const QString& sql)
    {
        QList<int> l;
        Consulta c(gConexion, sql);
        while (c.siguiente())
            l << c.entero(QStringLiteral("n"));
        return l;
    }

private Q_SLOTS:
    void cleanup()
    {
        SesionPrueba::cerrar();
        m_db.reset();
    }

    void aLaVez_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<bool>("semaforos");
        for (const QString& motor : BaseDatosPrueba::motores())
            for (bool s : {true, false})
                QTest::addRow("%s/%s", qPrintable(motor), s ? "con semáforos" : "sin semáforos") << motor << s;
    }
    void aLaVez()
    {
        QFETCH(QString, motor);
        QFETCH(bool, semaforos);
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        SesionPrueba::abrir(*m_db);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("Factura"), kPrimeraFactura);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("Bonos"), kPrimerBono);
        SesionPrueba::activarSemaforos(gConexion, semaforos ? QStringLiteral("SI") : QStringLiteral("NO"));
        CrearSemaforos();

        const QString programa = QCoreApplication::applicationDirPath() + QStringLiteral("/puesto_numeracion");
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        std::vector<std::unique_ptr<QProcess>> puestos;
        for (int i = 0; i < kPuestos; ++i) {
            auto p = std::make_unique<QProcess>();
            p->setProcessEnvironment(entorno);
            p->start(programa, {m_db->carpeta() + QStringLiteral("/suite.ini"), QString::number(kVentas),
                                QStringLiteral("0.02"), QStringLiteral("CAJA%1").arg(i + 1)});
            QVERIFY2(p->waitForStarted(10000), qPrintable(p->errorString()));
            puestos.push_back(std::move(p));
        }

        QList<int> facturas, bonos;
        const QDeadlineTimer limite(30000);
        for (auto& p : puestos) {
            if (!p->waitForFinished(int(qMax<qint64>(1, limite.remainingTime())))) {
                for (auto& q : puestos)
                    q->kill();
                QFAIL("algún puesto no terminó a tiempo");
            }
            const QByteArray errores = p->readAllStandardError();
            QVERIFY2(p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0, errores.constData());
            for (const QByteArray& linea : p->readAllStandardOutput().split('\n')) {
                if (linea.startsWith("F "))
                    facturas << linea.mid(2).toInt();
                else if (linea.startsWith("B "))
                    bonos << linea.mid(2).toInt();
            }
        }

        const int total = kPuestos * kVentas;
        // Cada número una vez y ninguno perdido: son justo los del contador
        QCOMPARE(ordenados(bonos), rango(kPrimerBono, total));
        QCOMPARE(ordenados(facturas), rango(kPrimeraFactura, total));
        QCOMPARE(SesionPrueba::datonDe(gConexion, QStringLiteral("Bonos")).toInt(), kPrimerBono + total);
        QCOMPARE(SesionPrueba::datonDe(gConexion, QStringLiteral("Factura")).toInt(), kPrimeraFactura + total);
        // Y están guardados todos, cada bono con su factura
        QCOMPARE(columna(QStringLiteral("select numbono as n from cabecera_bonos order by numbono")),
                 rango(kPrimerBono, total));
        QCOMPARE(columna(QStringLiteral("select numero as n from cabecera_factura order by numero")),
                 rango(kPrimeraFactura, total));
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select count(*) as n from cabecera_bonos b "
                                                                "where not exists (select 1 from cabecera_factura f "
                                                                "where f.numero = b.num_factura and "
                                                                "f.terminal = b.tienda)")),
                 0);
        // Nadie se deja un semáforo tomado
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select count(*) as n from semaforos "
                                                                "where estado <> 'verde'")),
                 0);
    }
};

QTEST_MAIN(TstPuestos)
#include "tst_puestos.moc"
