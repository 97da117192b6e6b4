// Ajustes del puesto: valores de fábrica, del puesto y de la instalación, y
// las elecciones (con respuesta preparada y pulsando en la pantalla)
#include "BaseDatosPrueba.h"
#include "Modal.h"
#include "datos/Consulta.h"
#include "plataforma/ConfigPuestoSql.h"
#include "plataforma/ConfiguracionSuite.h"
#include "plataforma/DialogoEleccion.h"
#include "datos/Globales.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

class TstConfigPuesto : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<Conexion> m_con;
    ConfigPuestoSql m_puesto;

    void abrir(const QString& motor)
    {
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        ConfiguracionSuite::ponerRuta(m_db->carpeta() + QStringLiteral("/suite.ini"));
        ConfiguracionSuite::guardarIdentificadorPuesto(QStringLiteral("CAJA-2"));
        m_con = std::make_unique<Conexion>();
        m_con->abrir(m_db->tienda());
    }

    void sql(const QString& s, const QVariantList& v = {}) { m_con->ejecutar(s, v); }

    int filasPuestos() { return BaseDatosPrueba::numero(*m_con, QStringLiteral("select count(*) from puestos")); }

    void sembrarEsquemas()
    {
        for (int i = 1; i <= 3; ++i)
            sql(QStringLiteral("insert into esquemas_colores (esquema, nombre, color1) values (?, ?, '255')"),
                {i, QStringLiteral("Esquema de prueba %1").arg(i)});
    }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        reiniciarGlobales();
        DialogoEleccion::quitarSiguienteRespuesta();
        QFETCH_GLOBAL(QString, motor);
        abrir(motor);
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
                           "separador_decimal) values ('CAJA-2', 19200, 15360, 3, '.')"));
        sql(QStringLiteral("insert into ajustes_suite (clave, valor) values ('TipoNegocio', 'ESTETICA'), "
                           "('EsquemaColores', '4'), ('OpcionVisual', '1'), ('FormatoFecha', 'MM/dd/yyyy'), "
                           "('SeparadorDecimal', ',')"));
        QCOMPARE(m_puesto.AnchoPantalla(*m_con), 19200.0);
        QCOMPARE(m_puesto.AltoPantalla(*m_con), 15360.0);
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
        QTest::newRow("punto y ISO") << "." << "yyyy-MM-dd" << "HH:mm" << true;
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
        QTest::newRow("otro tamaño") << QVariant(QSize(1280, 1024)) << true;
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
        const QSizeF esperado = cambia ? QSizeF(1280 * 15, 1024 * 15) : QSizeF(15360, 11520);
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

    // La elección de verdad: se abre modal con la opción en uso marcada, se
    // pulsa otra; cancelar deja la que había
    void elegirOpcionVisualPulsando()
    {
        QString enUso = QStringLiteral("Normal");
        for (const QString& pulsada : {QStringLiteral("Letra grande"), QStringLiteral("ninguna")}) {
            QStringList marcadas;
            auto vigia = Modal::alAbrirse(QStringLiteral("DialogoEleccion"), [&](QWidget* d) {
                for (QAbstractButton* b : d->findChildren<QAbstractButton*>())
                    if (b->isChecked())
                        marcadas << b->accessibleName();
                Modal::pulsarOpcion(d, pulsada);
            });
            QCOMPARE(m_puesto.ElegirOpcionVisual(*m_con), 1);
            QCOMPARE(marcadas, QStringList{enUso});
            QCOMPARE(m_puesto.OpcionVisual(*m_con), 1);
            enUso = QStringLiteral("Letra grande");
        }
    }
};

QTEST_MAIN(TstConfigPuesto)
#include "tst_configpuesto.moc"
