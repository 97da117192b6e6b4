// Varios puestos de verdad (procesos) sacando números y guardando ventas a la
// vez sobre la misma base de datos: ningún número repetido ni perdido.
#include "SesionPrueba.h"
#include "datos/Semaforos.h"
#include "principal/Cargadores.h"

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

// Un puesto de pega de la carpeta de la prueba, con la plataforma offscreen
std::unique_ptr<QProcess> lanzar(const QString& programa, const QStringList& argumentos)
{
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    auto p = std::make_unique<QProcess>();
    p->setProcessEnvironment(entorno);
    p->start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + programa, argumentos);
    return p;
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
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        QFETCH_GLOBAL(QString, motor);
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        SesionPrueba::abrir(*m_db);
    }
    void cleanup()
    {
        SesionPrueba::cerrar();
        m_db.reset();
    }

    void aLaVez_data()
    {
        QTest::addColumn<bool>("semaforos");
        QTest::newRow("con semáforos") << true;
        QTest::newRow("sin semáforos") << false;
    }
    void aLaVez()
    {
        QFETCH(bool, semaforos);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("Factura"), kPrimeraFactura);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("Bonos"), kPrimerBono);
        SesionPrueba::activarSemaforos(gConexion, semaforos ? QStringLiteral("SI") : QStringLiteral("NO"));
        CrearSemaforos();

        std::vector<std::unique_ptr<QProcess>> puestos;
        for (int i = 0; i < kPuestos; ++i) {
            puestos.push_back(lanzar(QStringLiteral("puesto_numeracion"),
                                     {m_db->carpeta() + QStringLiteral("/suite.ini"), QString::number(kVentas),
                                      QStringLiteral("0.02"), QStringLiteral("CAJA%1").arg(i + 1)}));
            QVERIFY2(puestos.back()->waitForStarted(10000), qPrintable(puestos.back()->errorString()));
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

    // Dos puestos que arrancan a la vez sobre una base a la que le falta una
    // fila que añade el arranque. Otra conexión retiene las escrituras hasta
    // que los dos la han buscado sin encontrarla: los dos la añaden y arrancan.
    void arranqueALaVez_data()
    {
        QTest::addColumn<QString>("falta");  // sentencia que quita las filas
        QTest::newRow("semáforos") << QStringLiteral("delete from semaforos");
        QTest::newRow("campo de orden") << QStringLiteral("delete from relaciones_fijas where indice = "
                                                          "'CampoOrdenItemsCaja'");
    }
    void arranqueALaVez()
    {
        QFETCH(QString, falta);
        SesionPrueba::activarSemaforos(gConexion);
        CrearSemaforos();
        ObtenerCampoOrdenItemsCaja();
        gConexion.ejecutar(falta);

        // Se puede leer, pero no escribir hasta que se suelte
        Conexion retiene;
        retiene.abrir(m_db->tienda());
        retiene.empezarTransaccion();
        const bool postgres = retiene.motor() == Motor::PostgreSQL;
        if (postgres)
            retiene.ejecutar(QStringLiteral("lock table semaforos, relaciones_fijas in exclusive mode"));
        std::vector<std::unique_ptr<QProcess>> puestos;
        for (int i = 0; i < 2; ++i) {
            puestos.push_back(lanzar(QStringLiteral("puesto_arranque"), {m_db->carpeta() + QStringLiteral("/suite.ini")}));
            while (!puestos.back()->canReadLine())
                QVERIFY2(puestos.back()->waitForReadyRead(20000), puestos.back()->readAllStandardError().constData());
        }
        for (auto& p : puestos)
            p->write("ya\n");
        if (postgres)
            QTRY_COMPARE_WITH_TIMEOUT(SesionPrueba::filas(gConexion, QStringLiteral(
                                          "select count(*) as n from pg_stat_activity where datname = "
                                          "current_database() and wait_event_type = 'Lock'")),
                                      2, 20000);
        else
            QTest::qWait(1000);  // SQLite no deja ver quién espera para escribir
        retiene.confirmarTransaccion();

        for (auto& p : puestos) {
            QVERIFY(p->waitForFinished(20000));
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        }
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select count(*) as n from semaforos "
                                                                "where estado = 'verde'")),
                 4);
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select count(*) as n from relaciones_fijas where "
                                                                "indice = 'CampoOrdenItemsCaja' and datoa = 'Nombre'")),
                 1);
    }
};

QTEST_MAIN(TstPuestos)
#include "tst_puestos.moc"
