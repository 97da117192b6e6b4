// Alta y lectura de puestos de trabajo en los dos motores; los datos que no
// valen se rechazan sin escribir nada
#include "BaseDatosPrueba.h"
#include "DatosBase.h"
#include "Puesto.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "plataforma/ConfigPuestoSql.h"
#include "plataforma/ConfiguracionSuite.h"

#include <QTest>
#include <functional>

using namespace BaseDatosPrueba;

namespace {

int filas(Conexion& c, const QString& tabla)
{
    return numero(c, QStringLiteral("select count(*) as n from %1").arg(tabla));
}

DatosPuesto ejemplo()
{
    DatosPuesto d;
    d.identificador = QStringLiteral("RECEPCION");
    d.terminal = QStringLiteral("CAJA2");
    d.empleado = 3;
    d.animaciones = false;
    d.impresoraTicket = QStringLiteral("192.168.1.50:9100");
    d.paginaCodigosTicket = 16;
    d.impresoraDocumentos = QStringLiteral("Oficina");
    d.apertura = QTime(10, 0);
    d.cierre = QTime(3, 0);
    d.anchoPantalla = 19200;
    d.altoPantalla = 10800;
    d.esquemaColores = 4;
    d.opcionVisual = 2;
    d.tipoNegocio = QStringLiteral("ESTETICA");
    d.separadorDecimal = QStringLiteral(".");
    d.formatoFecha = QStringLiteral("MM/dd/yyyy");
    d.formatoHora = QStringLiteral("hh:mm AP");
    return d;
}

}  // namespace

using Cambio = std::function<void(DatosPuesto&)>;
Q_DECLARE_METATYPE(Cambio)

class TstPuesto : public QObject {
    Q_OBJECT

    std::unique_ptr<Temporal> m_db;
    std::unique_ptr<Conexion> m_c;

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { filasMotores(); }
    void init()
    {
        QFETCH_GLOBAL(QString, motor);
        m_db = std::make_unique<Temporal>(motor, Contenido::Tienda);
        m_c = std::make_unique<Conexion>();
        m_c->abrir(m_db->tienda());
        DatosBase::sembrar(*m_c);
        m_c->ejecutar(QStringLiteral("insert into empleados (codigo, nombre, apellidos) values (3, 'Javier', 'López')"));
    }
    void cleanup()
    {
        m_c.reset();
        m_db.reset();
    }

    // Sin tipo de negocio, el puesto sigue el de la instalación: un puesto
    // nuevo de un centro de estética no debe esconder los bonos de packs
    void tipoDeNegocioDeLaInstalacion()
    {
        Conexion& c = *m_c;
        c.ejecutar(QStringLiteral("delete from ajustes_suite where clave = 'TipoNegocio'"));
        c.ejecutar(QStringLiteral("insert into ajustes_suite (clave, valor) values ('TipoNegocio', 'SPA')"));
        DatosPuesto d = ejemplo();
        d.tipoNegocio.clear();
        Puesto::registrar(c, d);
        Consulta q(c, QStringLiteral("select tipo_negocio from puestos where identificador = ?"), {d.identificador});
        QVERIFY(q.siguiente());
        QVERIFY(q.esNulo(QStringLiteral("tipo_negocio")));
        q.cerrar();
        ConfiguracionSuite::ponerRuta(m_db->carpeta() + QStringLiteral("/suite.ini"));
        ConfiguracionSuite::guardarIdentificadorPuesto(d.identificador);
        QCOMPARE(ConfigPuestoSql().TipoNegocio(c), QStringLiteral("SPA"));
        ConfiguracionSuite::ponerRuta(QString());
    }

    void registrarYLeer()
    {
        Conexion& c = *m_c;
        const DatosPuesto d = ejemplo();
        Puesto::registrar(c, d);
        const auto leido = Puesto::leer(c, d.identificador);
        QVERIFY(leido.has_value());
        // Todos los datos, como los enseña mostrar-puesto
        QCOMPARE(Puesto::describir(*leido), Puesto::describir(d));

        // Lo que lee el arranque, con sus mismas consultas
        Consulta q(c, QStringLiteral("Select impresora from impresoras where tipo = 'T' and terminal = ?"), {d.terminal});
        QVERIFY(q.siguiente());
        QCOMPARE(q.texto(QStringLiteral("impresora")), d.impresoraTicket);
        QVERIFY(!Puesto::leer(c, QStringLiteral("OTRO")).has_value());
    }

    // Registrar otra vez sustituye: una fila por puesto en cada tabla
    void registrarDosVecesSustituye()
    {
        Conexion& c = *m_c;
        DatosPuesto d = ejemplo();
        Puesto::registrar(c, d);
        d.empleado = 0;
        d.impresoraTicket = QStringLiteral("/dev/usb/lp0");
        d.cierre = QTime(22, 30);
        Puesto::registrar(c, d);
        for (const char* tabla : {"opciones_terminal", "entradas", "impresoras", "puestos"})
            QCOMPARE(filas(c, QString::fromLatin1(tabla)), 1);
        const auto leido = Puesto::leer(c, d.identificador);
        QVERIFY(leido.has_value());
        QCOMPARE(Puesto::describir(*leido), Puesto::describir(d));
    }

    void datosQueNoValen_data()
    {
        QTest::addColumn<Cambio>("cambio");
        QTest::addColumn<QString>("mensaje");
        const QList<std::tuple<const char*, Cambio, const char*>> casos{
            {"sin identificador", [](DatosPuesto& d) { d.identificador = QStringLiteral("  "); }, "identificador"},
            {"sin terminal", [](DatosPuesto& d) { d.terminal.clear(); }, "terminal"},
            {"empleado que no existe", [](DatosPuesto& d) { d.empleado = 99; }, "empleado 99"},
            {"esquema que no existe", [](DatosPuesto& d) { d.esquemaColores = 42; }, "esquema de colores 42"},
            {"tipo de negocio", [](DatosPuesto& d) { d.tipoNegocio = QStringLiteral("BARBERIA"); }, "BARBERIA"},
            {"separador decimal", [](DatosPuesto& d) { d.separadorDecimal = QStringLiteral(";"); }, "separador"},
            {"hora no válida", [](DatosPuesto& d) { d.cierre = QTime(); }, "horas"},
            {"pantalla sin tamaño", [](DatosPuesto& d) { d.anchoPantalla = 0; }, "tamaño"},
        };
        for (const auto& [nombre, cambio, mensaje] : casos)
            QTest::newRow(nombre) << cambio << QString::fromUtf8(mensaje);
    }
    void datosQueNoValen()
    {
        QFETCH(Cambio, cambio);
        QFETCH(QString, mensaje);
        Conexion& c = *m_c;
        DatosPuesto d = ejemplo();
        cambio(d);
        try {
            Puesto::registrar(c, d);
            QFAIL("Debía rechazar el puesto");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(mensaje), qPrintable(e.descripcion()));
        }
        for (const char* tabla : {"opciones_terminal", "entradas", "impresoras", "puestos"})
            QCOMPARE(filas(c, QString::fromLatin1(tabla)), 0);
    }
};

QTEST_GUILESS_MAIN(TstPuesto)
#include "tst_puesto.moc"
