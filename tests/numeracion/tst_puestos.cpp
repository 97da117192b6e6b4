// Varios puestos de verdad (procesos) arrancando a la vez sobre la misma base
// de datos (las ventas a la vez, en tst_ventaspuestos)
#include "SesionPrueba.h"
#include "datos/Semaforos.h"
#include "principal/Cargadores.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

namespace {
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
