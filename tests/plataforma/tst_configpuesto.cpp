// Ajustes del puesto: valores de fábrica, del puesto y de la instalación, y
// las tres elecciones (con respuesta preparada y pulsando en la pantalla).
// Corre sobre un monitor de 1366 x 768: hay tamaños que no caben.
#include "BaseDatosPrueba.h"
#include "datos/Consulta.h"
#include "plataforma/ConfigPuestoSql.h"
#include "plataforma/ConfiguracionSuite.h"
#include "plataforma/DialogoEleccion.h"
#include "datos/Globales.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

class TstConfigPuesto : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<Conexion> m_con;
    ConfigPuestoSql m_puesto;

    void sql(const QString& s, const QVariantList& v = {}) { m_con->ejecutar(s, v); }

    int filasPuestos()
    {
        Consulta c(*m_con, QStringLiteral("select count(*) as n from puestos"));
        c.siguiente();
        return c.entero(QStringLiteral("n"));
    }

    void sembrarEsquemas()
    {
        for (int i = 1; i <= 3; ++i)
            sql(QStringLiteral("insert into esquemas_colores (esquema, nombre, color1) values (?, ?, '255')"),
                {i, QStringLiteral("Esquema de prueba %1").arg(i)});
    }

    // Pulsa en la elección modal que se abra el botón con ese texto; sin
    // encontrarlo, la cancela para que la prueba no se quede esperando
    struct Pulsacion {
        bool vista = false;
        bool marcadaEnUso = false;
        QStringList nombres;
    };
    static void pulsarCuandoSeAbra(const QString& texto, const QString& enUso, Pulsacion* p)
    {
        QTimer::singleShot(0, [=] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d) {
                pulsarCuandoSeAbra(texto, enUso, p);
                return;
            }
            p->vista = true;
            QAbstractButton* objetivo = nullptr;
            for (QAbstractButton* b : d->findChildren<QAbstractButton*>()) {
                if (!b->objectName().startsWith(QLatin1String("cmdOpcion")))
                    continue;
                p->nombres << b->accessibleName();
                if (b->accessibleName() == enUso && b->isChecked())
                    p->marcadaEnUso = true;
                if (b->accessibleName() == texto)
                    objetivo = b;
            }
            if (objetivo)
                QTest::mouseClick(objetivo, Qt::LeftButton);
            else
                d->reject();
        });
    }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        reiniciarGlobales();
        DialogoEleccion::quitarSiguienteRespuesta();
        QFETCH_GLOBAL(QString, motor);
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        ConfiguracionSuite::ponerRuta(m_db->carpeta() + QStringLiteral("/suite.ini"));
        ConfiguracionSuite::guardarIdentificadorPuesto(QStringLiteral("CAJA-2"));
        m_con = std::make_unique<Conexion>();
        m_con->abrir(m_db->tienda());
    }

    void cleanup()
    {
        m_con.reset();
        m_db.reset();
        ConfiguracionSuite::ponerRuta(QString());
        DialogoEleccion::quitarSiguienteRespuesta();
    }

    // Sin fila del puesto ni ajustes de la instalación: valores de fábrica, sin errores
    void valoresDeFabrica()
    {
        QCOMPARE(m_puesto.Identificador(), QStringLiteral("CAJA-2"));
        const QSize pantalla = QGuiApplication::primaryScreen()->size();
        QVERIFY(!pantalla.isEmpty());
        QCOMPARE(m_puesto.AnchoPantalla(*m_con), pantalla.width() * 15.0);
        QCOMPARE(m_puesto.AltoPantalla(*m_con), pantalla.height() * 15.0);
        QCOMPARE(m_puesto.EsquemaColores(*m_con), 1);
        QCOMPARE(m_puesto.OpcionVisual(*m_con), 0);
        QCOMPARE(m_puesto.TipoNegocio(*m_con), QString());
        const AjustesRegionales a = m_puesto.Regionales(*m_con);
        const AjustesRegionales sistema = AjustesRegionales::delSistema();
        QCOMPARE(a.separadorDecimal, sistema.separadorDecimal);
        QCOMPARE(a.formatoFechaCorta, sistema.formatoFechaCorta);
        QCOMPARE(a.formatoHora, sistema.formatoHora);
        QCOMPARE(filasPuestos(), 0);
    }

    // Lo del puesto manda; lo que el puesto no tiene sale de la instalación;
    // la fila de otro puesto no cuenta
    void puestoEInstalacion()
    {
        sql(QStringLiteral("insert into puestos (identificador, ancho_pantalla, alto_pantalla, esquema_colores, "
                           "opcion_visual, tipo_negocio, separador_decimal, formato_fecha, formato_hora) "
                           "values ('OTRA', 1, 2, 5, 2, 'SPA', '.', 'yyyy-MM-dd', 'HH:mm')"));
        sql(QStringLiteral("insert into puestos (identificador, ancho_pantalla, alto_pantalla, esquema_colores, "
                           "separador_decimal) values ('CAJA-2', 15360, 11520, 3, '.')"));
        sql(QStringLiteral("insert into ajustes_suite (clave, valor) values ('TipoNegocio', 'ESTETICA'), "
                           "('EsquemaColores', '4'), ('OpcionVisual', '1'), ('FormatoFecha', 'MM/dd/yyyy'), "
                           "('SeparadorDecimal', ',')"));
        QCOMPARE(m_puesto.AnchoPantalla(*m_con), 15360.0);
        QCOMPARE(m_puesto.AltoPantalla(*m_con), 11520.0);
        QCOMPARE(m_puesto.EsquemaColores(*m_con), 3);
        QCOMPARE(m_puesto.OpcionVisual(*m_con), 1);
        QCOMPARE(m_puesto.TipoNegocio(*m_con), QStringLiteral("ESTETICA"));
        const AjustesRegionales a = m_puesto.Regionales(*m_con);
        QCOMPARE(a.separadorDecimal, QLatin1Char('.'));
        QCOMPARE(a.formatoFechaCorta, QStringLiteral("MM/dd/yyyy"));
        QCOMPARE(a.formatoHora, AjustesRegionales::delSistema().formatoHora);
    }

    // Ajustes regionales que no sirven se ignoran (se queda el del sistema)
    void regionalesNoValidos_data()
    {
        QTest::addColumn<QString>("separador");
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QString>("hora");
        QTest::addColumn<bool>("validos");
        QTest::newRow("válidos") << "," << "d/M/yyyy" << "H:mm:ss" << true;
        QTest::newRow("separador raro") << ";" << "año" << "hh" << false;
        QTest::newRow("fecha sin año entero") << "', '" << "dd/MM/yy" << "x" << false;
    }
    void regionalesNoValidos()
    {
        QFETCH(QString, separador);
        QFETCH(QString, fecha);
        QFETCH(QString, hora);
        QFETCH(bool, validos);
        m_puesto.guardar(*m_con, {{QStringLiteral("separador_decimal"), separador},
                                  {QStringLiteral("formato_fecha"), fecha},
                                  {QStringLiteral("formato_hora"), hora}});
        const AjustesRegionales a = m_puesto.Regionales(*m_con);
        const AjustesRegionales s = AjustesRegionales::delSistema();
        QCOMPARE(a.separadorDecimal, validos ? separador.at(0) : s.separadorDecimal);
        QCOMPARE(a.formatoFechaCorta, validos ? fecha : s.formatoFechaCorta);
        QCOMPARE(a.formatoHora, validos ? hora : s.formatoHora);
    }

    // Guardar crea la fila del puesto la primera vez y después la cambia
    void guardarUnaFila()
    {
        m_puesto.guardar(*m_con, {{QStringLiteral("opcion_visual"), 2}});
        m_puesto.guardar(*m_con, {{QStringLiteral("esquema_colores"), 4}});
        QCOMPARE(filasPuestos(), 1);
        QCOMPARE(m_puesto.OpcionVisual(*m_con), 2);
        QCOMPARE(m_puesto.EsquemaColores(*m_con), 4);
    }

    void elegirTamano_data()
    {
        QTest::addColumn<QVariant>("respuesta");
        QTest::addColumn<bool>("cambia");
        QTest::newRow("otro tamaño") << QVariant(QSize(1280, 720)) << true;
        QTest::newRow("mayor que el monitor") << QVariant(QSize(1280, 1024)) << false;
        QTest::newRow("el mismo") << QVariant(QSize(1024, 768)) << false;
        QTest::newRow("cancelar") << QVariant() << false;
    }
    void elegirTamano()
    {
        QFETCH(QVariant, respuesta);
        QFETCH(bool, cambia);
        m_puesto.guardar(*m_con, {{QStringLiteral("ancho_pantalla"), 15360.0}, {QStringLiteral("alto_pantalla"), 11520.0}});
        double ancho = m_puesto.AnchoPantalla(*m_con);
        double alto = m_puesto.AltoPantalla(*m_con);
        DialogoEleccion::ponerSiguienteRespuesta(respuesta);
        QCOMPARE(m_puesto.ElegirTamanoPantalla(*m_con, ancho, alto), cambia);
        const QSizeF esperado = cambia ? QSizeF(1280 * 15, 720 * 15) : QSizeF(15360, 11520);
        QCOMPARE(QSizeF(ancho, alto), esperado);
        QCOMPARE(QSizeF(m_puesto.AnchoPantalla(*m_con), m_puesto.AltoPantalla(*m_con)), esperado);
    }

    void elegirEsquema_data()
    {
        QTest::addColumn<QVariant>("respuesta");
        QTest::addColumn<int>("esperado");
        QTest::newRow("otro") << QVariant(3) << 3;
        QTest::newRow("cancelar") << QVariant() << 2;
        QTest::newRow("uno que no existe") << QVariant(9) << 2;
    }
    void elegirEsquema()
    {
        QFETCH(QVariant, respuesta);
        QFETCH(int, esperado);
        sembrarEsquemas();
        m_puesto.guardar(*m_con, {{QStringLiteral("esquema_colores"), 2}});
        DialogoEleccion::ponerSiguienteRespuesta(respuesta);
        QCOMPARE(m_puesto.ElegirEsquemaColores(*m_con), esperado);
        QCOMPARE(m_puesto.EsquemaColores(*m_con), esperado);
    }

    // La elección de verdad: se abre modal, marca la opción en uso y se pulsa otra
    void elegirTamanoPulsando()
    {
        double ancho = 800 * 15, alto = 600 * 15;
        Pulsacion p;
        pulsarCuandoSeAbra(QStringLiteral("1366 x 768"), QStringLiteral("800 x 600"), &p);
        QVERIFY(m_puesto.ElegirTamanoPantalla(*m_con, ancho, alto));
        QVERIFY(p.vista);
        QVERIFY(p.marcadaEnUso);
        QCOMPARE(p.nombres, (QStringList{"800 x 600", "1024 x 768", "1280 x 720", "1366 x 768"}));
        QCOMPARE(ancho, 1366 * 15.0);
        QCOMPARE(m_puesto.AltoPantalla(*m_con), 768 * 15.0);
    }

    // Un tamaño guardado que no cabe en el monitor (elegido en otro, o a mano)
    // se lee reducido al monitor
    void tamanoGuardadoQueNoCabe_data()
    {
        QTest::addColumn<QSize>("guardado");
        QTest::addColumn<QSize>("leido");
        QTest::newRow("mayor") << QSize(1920, 1080) << QSize(1366, 768);
        QTest::newRow("más alto") << QSize(1280, 1024) << QSize(1280, 768);
        QTest::newRow("cabe") << QSize(1024, 600) << QSize(1024, 600);
    }
    void tamanoGuardadoQueNoCabe()
    {
        QFETCH(QSize, guardado);
        QFETCH(QSize, leido);
        m_puesto.guardar(*m_con, {{QStringLiteral("ancho_pantalla"), guardado.width() * 15.0},
                                  {QStringLiteral("alto_pantalla"), guardado.height() * 15.0}});
        QCOMPARE(QSizeF(m_puesto.AnchoPantalla(*m_con), m_puesto.AltoPantalla(*m_con)), QSizeF(leido) * 15);
    }
};

QTEST_MAIN(TstConfigPuesto)
#include "tst_configpuesto.moc"
