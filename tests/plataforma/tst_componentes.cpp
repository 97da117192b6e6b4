// Teclado de las cajas numéricas, cuentas de impuestos, arranque de programas
// hermanos, apertura de la conexión y el registro de componentes de la sesión
#include "AvisosPrueba.h"
#include "BaseDatosPrueba.h"
#include "datos/Componentes.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Valores.h"
#include "plataforma/AbridorConexionSuite.h"
#include "plataforma/ConfiguracionSuite.h"
#include "plataforma/GestorNumerosSuite.h"
#include "plataforma/GestorRegistrosSql.h"
#include "plataforma/GestorTecladoPuesto.h"
#include "plataforma/LanzadorSuite.h"
#include "datos/Globales.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Escritor que solo cuenta: para ver qué instancia da el registro
class RegistrosQueCuentan : public GestorRegistros {
public:
    int llamadas = 0;
    void Insertar(Conexion&, const QString&, const QString&, const QString&, bool, const QString&) override
    {
        ++llamadas;
    }
    void Modificar(Conexion&, const QString&, const QString&, const QString&, bool, const Condicion&, int,
                   const QString&, const QString&, const QString&) override
    {
        ++llamadas;
    }
    void ProcesarFilas(Conexion&, const QString&, const QString&, bool, const Condicion&) override { ++llamadas; }
};
}  // namespace

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
        QTest::newRow("cero en caja vacía") << int('0') << "" << -1 << 2 << "," << int('0');
        QTest::newRow("cifra tras la coma") << int('5') << "12,3" << -1 << 2 << "," << int('5');
        QTest::newRow("retroceso") << 8 << "12" << -1 << 0 << "," << 8;
        QTest::newRow("suprimir") << 127 << "12" << -1 << 0 << "," << 127;
        QTest::newRow("tecla de retroceso de Qt") << int(Qt::Key_Backspace) << "12" << -1 << 0 << ","
                                                  << int(Qt::Key_Backspace);
        QTest::newRow("coma con decimales") << int(',') << "12" << -1 << 2 << "," << int(',');
        QTest::newRow("punto da la coma del puesto") << int('.') << "12" << -1 << 2 << "," << int(',');
        QTest::newRow("coma da el punto del puesto") << int(',') << "12" << -1 << 2 << "." << int('.');
        QTest::newRow("punto con puesto de punto") << int('.') << "12" << -1 << 2 << "." << int('.');
        QTest::newRow("coma en caja vacía") << int(',') << "" << -1 << 2 << "," << int(',');
        QTest::newRow("coma sin decimales") << int(',') << "12" << -1 << 0 << "," << 0;
        QTest::newRow("punto sin decimales") << int('.') << "12" << -1 << 0 << "." << 0;
        QTest::newRow("segunda coma") << int(',') << "12,5" << -1 << 2 << "," << 0;
        QTest::newRow("punto tras coma") << int('.') << "12,5" << -1 << 2 << "," << 0;
        QTest::newRow("coma tras punto") << int(',') << "12.5" << -1 << 2 << "." << 0;
        QTest::newRow("coma sustituyendo la coma seleccionada") << int(',') << "12,5" << 2 << 2 << "," << int(',');
        QTest::newRow("coma con la coma fuera de la selección") << int(',') << "12,5" << 3 << 2 << "," << 0;
        QTest::newRow("letra") << int('a') << "12" << -1 << 2 << "," << 0;
        QTest::newRow("menos") << int('-') << "" << -1 << 2 << "," << 0;
        QTest::newRow("espacio") << int(' ') << "12" << -1 << 2 << "," << 0;
        QTest::newRow("intro") << 13 << "12" << -1 << 2 << "," << 0;
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

    void formatosDelPuesto()
    {
        AjustesRegionales a;
        a.separadorDecimal = QLatin1Char('.');
        a.formatoFechaCorta = QStringLiteral("MM/dd/yyyy");
        Valores::ponerRegionales(a);
        GestorTecladoPuesto teclado;
        QCOMPARE(teclado.SeparadorDecimal(), QStringLiteral("."));
        QCOMPARE(teclado.FormatoFecha(), QStringLiteral("MM/dd/yyyy"));
        Valores::ponerRegionales(AjustesRegionales::espanoles());
        QCOMPARE(teclado.SeparadorDecimal(), QStringLiteral(","));
        QCOMPARE(teclado.FormatoFecha(), QStringLiteral("dd/MM/yyyy"));
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
        QTest::newRow("incluido 10 %") << 55.0 << 10.0 << true << 5.0 << 55.0;
        QTest::newRow("añadido 10 %") << 20.0 << 10.0 << false << 2.0 << 22.0;
        QTest::newRow("sin impuesto") << 20.0 << 0.0 << true << 0.0 << 20.0;
        QTest::newRow("sin impuesto añadido") << 20.0 << 0.0 << false << 0.0 << 20.0;
        QTest::newRow("devolución incluido") << -121.0 << 21.0 << true << -21.0 << -121.0;
        QTest::newRow("importe cero") << 0.0 << 21.0 << false << 0.0 << 0.0;
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

    // 20 con el 21 % incluido: el impuesto es la parte que va dentro, sin redondear
    void impuestoIncluidoSinRedondear()
    {
        GestorNumerosSuite n;
        const double t = n.ImporteImpuesto(20.0, 21.0, true);
        QVERIFY(qAbs(t - (20.0 - 20.0 / 1.21)) < 1e-12);
        QCOMPARE(Valores::redondear(t, 2), 3.47);
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

    // Un fichero de SQLite que no existe no se crea vacío: se dice
    void abridorFicheroQueNoExiste()
    {
        ParametrosConexion p;
        p.baseDatos = m_dir.filePath(QStringLiteral("no-esta.db"));
        ConfiguracionSuite::guardarTienda(p);
        Conexion c;
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, Componentes::abridor().Abrir(QString(), c));
        QVERIFY(!QFile::exists(p.baseDatos));
    }

    void abridor_data() { BaseDatosPrueba::filasMotores(); }
    void abridor()
    {
        QFETCH(QString, motor);
        BaseDatosPrueba::Temporal db(motor, BaseDatosPrueba::Contenido::TiendaEInformes);
        ConfiguracionSuite::guardarTienda(db.tienda());
        ConfiguracionSuite::guardarOrigen(QStringLiteral("ListBrisalo"), db.informes());
        AbridorConexionSuite abridor;
        Conexion c;
        abridor.Abrir(QString(), c);
        QVERIFY(c.abierta());
        c.ejecutar(QStringLiteral("insert into ajustes_suite (clave, valor) values ('Prueba', 'tienda')"));

        // Cerrada, se vuelve a abrir igual
        c.cerrar();
        QVERIFY(!c.abierta());
        abridor.Abrir(QString(), c);
        {
            Consulta q(c, QStringLiteral("select valor from ajustes_suite where clave = 'Prueba'"));
            QVERIFY(q.siguiente());
        }

        // El origen con nombre va a la base de informes
        const ParametrosConexion origen = abridor.Origen(QStringLiteral("dsn=ListBrisalo"));
        QCOMPARE(origen.baseDatos, db.informes().baseDatos);
        Conexion informes;
        abridor.Abrir(QStringLiteral("dsn=ListBrisalo"), informes);
        Consulta q(informes, QStringLiteral("select count(*) as n from listadostemporal"));
        QVERIFY(q.siguiente());
    }

    // Uno de cada por sesión; sustituible en las pruebas; reiniciar vuelve a los de verdad
    void registroDeLaSesion()
    {
        GestorRegistros* primero = &Componentes::registros();
        QCOMPARE(&Componentes::registros(), primero);
        QVERIFY(dynamic_cast<GestorRegistrosSql*>(primero));

        auto falso = std::make_unique<RegistrosQueCuentan>();
        RegistrosQueCuentan* puntero = falso.get();
        Componentes::sustituir(std::move(falso));
        Conexion c;
        Componentes::registros().Insertar(c, QStringLiteral("t"), QStringLiteral("a=1|"), QString(), false);
        QCOMPARE(puntero->llamadas, 1);

        Componentes::reiniciar();
        QVERIFY(dynamic_cast<GestorRegistrosSql*>(&Componentes::registros()));
        QVERIFY(dynamic_cast<AbridorConexionSuite*>(&Componentes::abridor()));
        QVERIFY(dynamic_cast<LanzadorSuite*>(&Componentes::lanzador()));
        QCOMPARE(&Componentes::puesto(), &Componentes::puesto());
        QCOMPARE(&Componentes::colores(), &Componentes::colores());
    }
};

QTEST_MAIN(TstComponentes)
#include "tst_componentes.moc"
