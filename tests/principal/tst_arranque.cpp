// Arranque: un ejemplar por puesto, semáforos y errores
#include "BaseDatosPrueba.h"
#include "datos/Componentes.h"
#include "datos/Consulta.h"
#include "plataforma/ConfiguracionSuite.h"
#include "principal/Arranque.h"
#include "principal/EjemplarUnico.h"
#include "datos/Globales.h"
#include "principal/Mensajes.h"

#include <QApplication>
#include <QLockFile>
#include <QProcess>
#include <QTest>

class TstArranque : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<QTemporaryDir> m_bloqueos;  // el bloqueo de ejemplar único, fuera de /tmp
    QStringList m_pantallas;        // pantallas mostradas, en orden

    void preparar(const QString& motor)
    {
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        ConfiguracionSuite::ponerRuta(m_db->carpeta() + QStringLiteral("/suite.ini"));
        ConfiguracionSuite::guardarTienda(m_db->tienda());
        ConfiguracionSuite::guardarIdentificadorPuesto(QStringLiteral("PRUEBA-%1").arg(QCoreApplication::applicationPid()));
        ponerCarpetaPrograma(m_db->carpeta());
        Conexion c;
        c.abrir(m_db->tienda());
        c.ejecutar(QStringLiteral("insert into opciones (iva, UtilizaColores_FPago, NumDecimales, "
                                  "UtilizaColores_Empleados, modopantallacaja) values (-1, 0, 2, 0, 0)"));
        c.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, datoa) values ('SemaforoViejo', 'x')"));
    }

    void sql(const QString& s, const QVariantList& v = {})
    {
        Conexion c;
        c.abrir(m_db->tienda());
        c.ejecutar(s, v);
    }

    int cuenta(const QString& s)
    {
        Conexion c;
        c.abrir(m_db->tienda());
        return BaseDatosPrueba::numero(c, s);
    }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        reiniciarGlobales();
        Componentes::reiniciar();
        Mensajes::activarModoPrueba(true);
        m_bloqueos = std::make_unique<QTemporaryDir>();
        EjemplarUnico::ponerCarpeta(m_bloqueos->path());
        m_pantallas.clear();
        Arranque::ponerPantallas({[this] { m_pantallas << QStringLiteral("tiendas"); },
                                  [this] {
                                      m_pantallas << QStringLiteral("menu");
                                      // Con el menú abierto, la sesión ya está cargada
                                      QVERIFY(gConexion.abierta());
                                  }});
    }

    void cleanup()
    {
        Arranque::restablecerPantallas();
        reiniciarGlobales();
        Componentes::reiniciar();
        Mensajes::activarModoPrueba(false);
        ConfiguracionSuite::ponerRuta(QString());
        EjemplarUnico::ponerCarpeta(QString());
        m_db.reset();
    }

    void semaforos_data()
    {
        QTest::addColumn<QString>("dato");
        QTest::addColumn<int>("filas");
        QTest::newRow("SI") << "SI" << 4;
        QTest::newRow("NO") << "NO" << 0;
    }

    void semaforos()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, dato);
        QFETCH(int, filas);
        preparar(motor);
        sql(QStringLiteral("insert into relaciones_fijas (indice, datoa) values ('ActivaSemaforos', ?)"), {dato});
        QCOMPARE(Arranque::Main(), Arranque::Resultado::Terminado);
        QCOMPARE(gSemaforosActivos, filas > 0);
        QCOMPARE(cuenta(QStringLiteral("select count(*) as n from semaforos")), filas);
        // Las filas antiguas de semáforos se borran siempre
        QCOMPARE(cuenta(QStringLiteral("select count(*) as n from relaciones_fijas where indice like 'Semaforo%'")), 0);
    }

    void otroEjemplar()
    {
        QFETCH_GLOBAL(QString, motor);
        preparar(motor);
        QLockFile primero(EjemplarUnico::ficheroBloqueo(ConfiguracionSuite::identificadorPuesto()));
        QVERIFY(primero.tryLock(0));
        QCOMPARE(Arranque::Main(), Arranque::Resultado::OtroEjemplar);
        QVERIFY(m_pantallas.isEmpty());
        QVERIFY(!gConexion.abierta());
        QVERIFY(Mensajes::anotados().isEmpty());
        // El primero sigue con su bloqueo
        QVERIFY(primero.isLocked());
        primero.unlock();
        QCOMPARE(Arranque::Main(), Arranque::Resultado::Terminado);
        QCOMPARE(m_pantallas, QStringList{"menu"});
    }

    // Un error de arranque (aquí, una tabla que falta): mensaje en español que
    // dice qué hacer, y fin sin abortar
    void errores()
    {
        QFETCH_GLOBAL(QString, motor);
        preparar(motor);
        sql(QStringLiteral("drop table formapago"));
        QCOMPARE(Arranque::Main(), Arranque::Resultado::Error);
        QVERIFY(m_pantallas.isEmpty());
        QCOMPARE(Mensajes::anotados().size(), 1);
        QVERIFY2(Mensajes::anotados().first().contains(QLatin1String("tarvelo-admin actualizar")),
                 qPrintable(Mensajes::anotados().first()));
    }

    void sinBaseDeDatos()
    {
        QTemporaryDir dir;
        ConfiguracionSuite::ponerRuta(dir.filePath(QStringLiteral("suite.ini")));
        ParametrosConexion p;
        p.driver = QStringLiteral("QPSQL");
        p.servidor = QStringLiteral("127.0.0.1");
        p.puerto = 1;  // nadie escucha
        p.baseDatos = QStringLiteral("tienda");
        ConfiguracionSuite::guardarTienda(p);
        QCOMPARE(Arranque::Main(), Arranque::Resultado::Error);
        QCOMPARE(Mensajes::anotados().size(), 1);
        QVERIFY2(Mensajes::anotados().first().contains(QLatin1String("No se puede abrir la base de datos")),
                 qPrintable(Mensajes::anotados().first()));
    }

    // Dos procesos de verdad en el mismo puesto: el segundo termina enseguida
    // y el primero trae su ventana al frente
    void segundoArranque()
    {
        preparar(QStringLiteral("sqlite"));
        const QString programa = QCoreApplication::applicationDirPath() + QStringLiteral("/q_tarvelo");
        QVERIFY2(QFileInfo::exists(programa), "falta q_tarvelo junto a las pruebas");
        QTemporaryDir carpeta;
        // La configuración junto al ejecutable es la del puesto: se copia el programa
        const QString copia = carpeta.filePath(QStringLiteral("q_tarvelo"));
        QVERIFY(QFile::copy(programa, copia));
        QVERIFY(QFile::copy(ConfiguracionSuite::ruta(), carpeta.filePath(QStringLiteral("suite.ini"))));
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("TMPDIR"), m_bloqueos->path());
        QProcess primero, segundo;
        primero.setProcessEnvironment(entorno);
        segundo.setProcessEnvironment(entorno);
        QByteArray avisos;
        connect(&primero, &QProcess::readyReadStandardError, this, [&] { avisos += primero.readAllStandardError(); });
        primero.start(copia, {});
        QVERIFY(primero.waitForStarted());
        // Espera a que el primero escuche (ya tiene el bloqueo)
        const QString id = ConfiguracionSuite::identificadorPuesto();
        QTRY_VERIFY2_WITH_TIMEOUT(QFileInfo::exists(EjemplarUnico::nombreEnchufe(id)), avisos.constData(), 10000);
        QVERIFY(!QLockFile(EjemplarUnico::ficheroBloqueo(id)).tryLock(0));
        QElapsedTimer t;
        t.start();
        segundo.start(copia, {});
        QVERIFY(segundo.waitForFinished(10000));
        QCOMPARE(segundo.exitCode(), 0);
        QVERIFY(t.elapsed() < 5000);
        QTRY_VERIFY_WITH_TIMEOUT(avisos.contains("la ventana al frente"), 10000);
        QCOMPARE(primero.state(), QProcess::Running);
        primero.kill();
        primero.waitForFinished();
    }

    // Al frente: la pantalla en uso (modal, como el menú) deja de estar minimizada
    void alFrente()
    {
        EjemplarUnico primero(QStringLiteral("CAJA")), segundo(QStringLiteral("CAJA"));
        QVERIFY(primero.tomar());
        QWidget menu;
        menu.setWindowModality(Qt::ApplicationModal);
        menu.showMinimized();
        QCoreApplication::processEvents();
        QVERIFY(menu.isMinimized());
        QVERIFY(!segundo.tomar());
        QTRY_VERIFY(!menu.isMinimized());
    }
};

QTEST_MAIN(TstArranque)
#include "tst_arranque.moc"
