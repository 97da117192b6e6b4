// Teclado de las cajas numéricas, cuentas de impuestos, arranque de programas
// hermanos y apertura de la conexión
#include "AvisosPrueba.h"
#include "BaseDatosPrueba.h"
#include "datos/Componentes.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Valores.h"
#include "plataforma/AbridorConexionSuite.h"
#include "plataforma/ConfiguracionSuite.h"
#include "plataforma/LanzadorSuite.h"
#include "datos/Globales.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class TstComponentes : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void init()
    {
        reiniciarGlobales();
        Componentes::reiniciar();
        Valores::ponerRegionales(AjustesRegionales::espanoles());
        ConfiguracionSuite::ponerRuta(m_dir.filePath(QStringLiteral("suite-%1.ini")
                                                         .arg(QString::fromLatin1(QTest::currentTestFunction()))));
    }

    void cleanup()
    {
        Componentes::reiniciar();
        Valores::ponerRegionales(AjustesRegionales::espanoles());
        ConfiguracionSuite::ponerRuta(QString());
    }

    void filtrarTecla_data()
    {
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("seleccionDesde");  // -1 sin selección
        QTest::addColumn<int>("decimales");
        QTest::addColumn<QString>("separador");
        QTest::addColumn<int>("esperada");
        QTest::newRow("cifra") << int('7') << "12" << -1 << 0 << "," << int('7');
        QTest::newRow("retroceso") << 8 << "12" << -1 << 0 << "," << 8;
        QTest::newRow("coma con decimales") << int(',') << "12" << -1 << 2 << "," << int(',');
        QTest::newRow("punto da la coma del puesto") << int('.') << "12" << -1 << 2 << "," << int(',');
        QTest::newRow("coma da el punto del puesto") << int(',') << "12" << -1 << 2 << "." << int('.');
        QTest::newRow("coma sin decimales") << int(',') << "12" << -1 << 0 << "," << 0;
        QTest::newRow("segunda coma") << int(',') << "12,5" << -1 << 2 << "," << 0;
        QTest::newRow("punto tras coma") << int('.') << "12,5" << -1 << 2 << "," << 0;
        QTest::newRow("coma sustituyendo la coma seleccionada") << int(',') << "12,5" << 2 << 2 << "," << int(',');
        QTest::newRow("coma con la coma fuera de la selección") << int(',') << "12,5" << 3 << 2 << "," << 0;
        QTest::newRow("letra") << int('a') << "12" << -1 << 2 << "," << 0;
        QTest::newRow("menos") << int('-') << "" << -1 << 2 << "," << 0;
    }
    void filtrarTecla()
    {
        QFETCH(int, tecla);
        QFETCH(QString, texto);
        QFETCH(int, seleccionDesde);
        QFETCH(int, decimales);
        QFETCH(QString, separador);
        QFETCH(int, esperada);
        AjustesRegionales a = AjustesRegionales::espanoles();
        a.separadorDecimal = separador.at(0);
        Valores::ponerRegionales(a);
        QLineEdit caja(texto);
        if (seleccionDesde >= 0)
            caja.setSelection(seleccionDesde, int(texto.size()) - seleccionDesde);
        QCOMPARE(Componentes::teclado().FiltrarTecla(tecla, &caja, decimales), esperada);
    }

    // Con iva los precios llevan el impuesto dentro; sin iva se les suma
    void impuestos_data()
    {
        QTest::addColumn<double>("importe");
        QTest::addColumn<double>("tipo");
        QTest::addColumn<bool>("iva");
        QTest::addColumn<double>("impuesto");
        QTest::addColumn<double>("precio");
        QTest::newRow("incluido 21 %") << 121.0 << 21.0 << true << 21.0 << 121.0;
        QTest::newRow("añadido 21 %") << 100.0 << 21.0 << false << 21.0 << 121.0;
        QTest::newRow("añadido 10 %") << 20.0 << 10.0 << false << 2.0 << 22.0;
        QTest::newRow("devolución incluido") << -121.0 << 21.0 << true << -21.0 << -121.0;
        // La parte que va dentro, sin redondear (3,4710...)
        QTest::newRow("incluido sin redondear") << 20.0 << 21.0 << true << 20.0 - 20.0 / 1.21 << 20.0;
    }
    void impuestos()
    {
        QFETCH(double, importe);
        QFETCH(double, tipo);
        QFETCH(bool, iva);
        QFETCH(double, impuesto);
        QFETCH(double, precio);
        GestorNumeros& n = Componentes::numeros();
        const double t = n.ImporteImpuesto(importe, tipo, iva);
        QVERIFY2(qAbs(t - impuesto) < 1e-9, qPrintable(QString::number(t, 'g', 17)));
        const double p = n.Precio(importe, t, iva, 0, QString());
        QVERIFY2(qAbs(p - precio) < 1e-9, qPrintable(QString::number(p, 'g', 17)));
    }

    // Si no puede arrancar el programa, lo dice al usuario con su nombre visible y qué hacer, y vuelve
    void lanzadorSinPrograma_data()
    {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QString>("orden");  // lo que dice la configuración
        QTest::addColumn<QString>("dice");
        QTest::newRow("sin configurar") << "Q_AgendaCitas.exe" << ""
                                        << "No se puede abrir «Agenda de Citas»: no está configurado en este "
                                           "puesto. Añada la línea «Q_AgendaCitas.exe=orden del programa» en la "
                                           "sección [programas] de ";
        QTest::newRow("no instalado") << "Q_Listados.exe" << "/opt/suite/no-existe/q_listados --puesto 1"
                                      << "no está instalado en este puesto. Instálelo o corrija su orden en la "
                                         "sección [programas] de ";
        QTest::newRow("no está en el PATH") << "Q_Listados.exe" << "q_listados_que_no_hay"
                                            << "|No se encuentra «q_listados_que_no_hay».";
        QTest::newRow("sin nombre") << "" << "" << "no se ha dicho cuál";
    }
    void lanzadorSinPrograma()
    {
        QFETCH(QString, programa);
        QFETCH(QString, orden);
        QFETCH(QString, dice);
        if (!orden.isEmpty())
            ConfiguracionSuite::guardarPrograma(programa, orden);
        AvisosPrueba avisos;
        Conexion c;
        Componentes::lanzador().Arrancar(programa, QStringLiteral("Agenda de Citas"), c);
        QCOMPARE(avisos.anotados.size(), 1);
        QVERIFY2(avisos.anotados.constFirst().contains(dice), qPrintable(avisos.anotados.constFirst()));
    }

    // Un programa configurado arranca aparte y el control vuelve en seguida
    void lanzadorArranca()
    {
        const QString marca = m_dir.filePath(QStringLiteral("arrancado"));
        ConfiguracionSuite::guardarPrograma(QStringLiteral("Q_Listados.exe"),
                                            QStringLiteral("touch \"%1\"").arg(marca));
        AvisosPrueba avisos;
        Conexion c;
        LanzadorSuite().Arrancar(QStringLiteral("Q_Listados.exe"), QStringLiteral("Listado"), c);
        QTRY_VERIFY(QFile::exists(marca));
        QCOMPARE(avisos.anotados, QStringList());
    }

    void abridorSinConfiguracion()
    {
        Conexion c;
        try {
            Componentes::abridor().Abrir(QString(), c);
            QFAIL("tenía que dar error");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(QLatin1String("no indica la base de datos")),
                     qPrintable(e.descripcion()));
            // Apunta a la orden que sí guarda la base de datos en esa configuración
            QVERIFY2(e.descripcion().contains(QStringLiteral("«tarvelo-admin crear --suite %1 --basedatos …»")
                                                  .arg(ConfiguracionSuite::ruta())),
                     qPrintable(e.descripcion()));
        }
        QVERIFY(!c.abierta());
    }

    void abridor_data() { BaseDatosPrueba::filasMotores(); }
    void abridor()
    {
        QFETCH(QString, motor);
        BaseDatosPrueba::Temporal db(motor, BaseDatosPrueba::Contenido::TiendaEInformes);
        ConfiguracionSuite::guardarTienda(db.tienda());
        ConfiguracionSuite::guardarOrigen(QStringLiteral("ListBrisalo"), db.informes());
        AbridorConexionSuite abridor;
        Conexion tienda, informes;
        abridor.Abrir(QString(), tienda);
        abridor.Abrir(QStringLiteral("dsn=ListBrisalo"), informes);
        // Cada nombre lleva a su base: la de la tienda y la de informes
        QCOMPARE(BaseDatosPrueba::numero(tienda, QStringLiteral("select count(*) from ajustes_suite")), 0);
        QCOMPARE(BaseDatosPrueba::numero(informes, QStringLiteral("select count(*) from listadostemporal")), 0);
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, Consulta(informes, QStringLiteral("select * from ajustes_suite")));
    }
};

QTEST_MAIN(TstComponentes)
#include "tst_componentes.moc"
