// Traspaso de trabajo a la agenda y a los listados, en los dos motores
#include "SesionPrueba.h"
#include "datos/Error.h"
#include "traspaso/Traspaso.h"

#include <QFileInfo>
#include <QTest>

namespace {

// Lanzador que anota lo que se le pide: "programa|texto|conexión abierta o cerrada"
struct Llamadas {
    QStringList anotadas;
    QString fallo;  // si no está vacío, el arranque falla con este mensaje
};

class LanzadorGrabador : public Lanzador {
public:
    explicit LanzadorGrabador(Llamadas& l) : m_llamadas(l) {}
    void Arrancar(const QString& programa, const QString& texto, Conexion& c) override
    {
        m_llamadas.anotadas << programa + QLatin1Char('|') + texto + QLatin1Char('|') +
                                   (c.abierta() ? QStringLiteral("abierta") : QStringLiteral("cerrada"));
        if (!m_llamadas.fallo.isEmpty())
            throw ErrorTarvelo(m_llamadas.fallo);
    }

private:
    Llamadas& m_llamadas;
};

}  // namespace

class TstTraspaso : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    Llamadas m_llamadas;

    void fila(const QString& terminal, const QString& indice, const QString& texto1)
    {
        gConexion.ejecutar(QStringLiteral("insert into pasardatos (terminal, indice, texto1, texto2) values (?,?,?,?)"),
                           {terminal, indice, texto1, QStringLiteral("antes")});
    }

    // Filas de un terminal, "indice|texto1|texto2", por indice
    QStringList filasDe(const QString& terminal)
    {
        Consulta c(gConexion, QStringLiteral("select * from pasardatos where terminal = ? order by indice, id"),
                   {terminal});
        QStringList l;
        while (c.siguiente())
            l << c.texto(QStringLiteral("indice")) + QLatin1Char('|') + c.texto(QStringLiteral("texto1")) +
                     QLatin1Char('|') + c.texto(QStringLiteral("texto2"));
        return l;
    }

    void pack(int familia, const QList<int>& servicios)
    {
        for (int s : servicios)
            gConexion.ejecutar(QStringLiteral("insert into detalle_familia (familia, servicio) values (?, ?)"),
                               {familia, s});
    }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        reiniciarGlobales();
        QFETCH_GLOBAL(QString, motor);
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor, BaseDatosPrueba::Contenido::TiendaEInformes);
        SesionPrueba::abrir(*m_db, QStringLiteral("CAJA1"));
        m_llamadas = {};
        Componentes::sustituir(std::make_unique<LanzadorGrabador>(m_llamadas));
    }
    void cleanup()
    {
        SesionPrueba::cerrar();
        m_db.reset();
    }

    void serviciosDePack_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("tres servicios") << QStringLiteral("5") << QStringLiteral("3,7,12");
        QTest::newRow("en su orden") << QStringLiteral("6") << QStringLiteral("12,3");
        QTest::newRow("sin servicios") << QStringLiteral("9") << QString();
    }
    void serviciosDePack()
    {
        QFETCH(QString, codigo);
        QFETCH(QString, esperado);
        pack(5, {3, 7});
        pack(6, {12});
        pack(5, {12});
        pack(6, {3});
        QCOMPARE(ServiciosDePack(codigo), esperado);
    }

    void programarCitas_data()
    {
        QTest::addColumn<int>("familias");
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<int>("previas");  // filas que ya tenía el puesto
        QTest::addColumn<bool>("opciones");
        QTest::addColumn<QString>("texto1");
        QTest::addColumn<QString>("lanzado");
        const QString agenda = QStringLiteral("Q_AgendaCitas.exe|Agenda de Citas|cerrada");
        const QString nada = QStringLiteral("||cerrada");
        QTest::newRow("servicio") << 0 << QStringLiteral("15") << 0 << true << QStringLiteral("15") << agenda;
        QTest::newRow("una fila previa") << 0 << QStringLiteral("15") << 1 << true << QStringLiteral("15") << agenda;
        QTest::newRow("dos filas previas") << 1 << QStringLiteral("5") << 2 << true << QStringLiteral("3,7,12") << agenda;
        QTest::newRow("pack sin servicios") << 1 << QStringLiteral("9") << 0 << true << QString() << agenda;
        QTest::newRow("sin opciones") << 0 << QStringLiteral("15") << 0 << false << QStringLiteral("15") << nada;
    }
    void programarCitas()
    {
        QFETCH(int, familias);
        QFETCH(QString, codigo);
        QFETCH(int, previas);
        QFETCH(bool, opciones);
        QFETCH(QString, texto1);
        QFETCH(QString, lanzado);
        pack(5, {3, 7, 12});
        if (opciones)
            gConexion.ejecutar(QStringLiteral("insert into opciones (nombre, agenda) values ('Tienda', 0)"));
        // Las de otro puesto no se tocan; de las propias se quita la primera por indice
        fila(QStringLiteral("CAJA2"), QStringLiteral("A.exe"), QStringLiteral("otro"));
        QStringList quedan;
        if (previas >= 2) {
            fila(QStringLiteral("CAJA1"), QStringLiteral("Z.exe"), QStringLiteral("segunda"));
            quedan << QStringLiteral("Z.exe|segunda|antes");
        }
        if (previas >= 1)
            fila(QStringLiteral("CAJA1"), QStringLiteral("B.exe"), QStringLiteral("primera"));

        ProgramarCitas(QStringLiteral("Q_Tarvelo.exe"), codigo, QStringLiteral("321"), QStringLiteral("CAJA1"),
                       familias);

        quedan.prepend(QStringLiteral("Q_Tarvelo.exe|") + texto1 + QStringLiteral("|321"));
        QCOMPARE(filasDe(QStringLiteral("CAJA1")), quedan);
        QCOMPARE(filasDe(QStringLiteral("CAJA2")), QStringList{QStringLiteral("A.exe|otro|antes")});
        QCOMPARE(m_llamadas.anotadas, QStringList{lanzado});
        // texto1 es un texto: sin servicios, vacío y no nulo
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select count(*) as n from pasardatos where texto1 is null")),
                 0);
        // La sesión sigue con su conexión renovada
        QVERIFY(gConexion.abierta());
        QCOMPARE(filasDe(QStringLiteral("CAJA1")).size(), quedan.size());
    }

    // El fallo del lanzador llega tal cual y la sesión sigue con su conexión
    void programaQueNoArranca()
    {
        gConexion.ejecutar(QStringLiteral("insert into opciones (nombre) values ('Tienda')"));
        m_llamadas.fallo = QStringLiteral("No está instalado el programa Q_AgendaCitas.exe.");
        try {
            ProgramarCitas(QStringLiteral("Q_Tarvelo.exe"), QStringLiteral("15"), QStringLiteral("321"),
                           QStringLiteral("CAJA1"), 0);
            QFAIL("el fallo del lanzador tenía que llegar");
        } catch (const ErrorTarvelo& e) {
            QCOMPARE(e.descripcion(), m_llamadas.fallo);
        }
        QVERIFY(gConexion.abierta());
        QCOMPARE(filasDe(QStringLiteral("CAJA1")), QStringList{QStringLiteral("Q_Tarvelo.exe|15|321")});
    }

    void packNoNumerico()
    {
        fila(QStringLiteral("CAJA1"), QStringLiteral("B.exe"), QStringLiteral("primera"));
        try {
            ProgramarCitas(QStringLiteral("Q_Tarvelo.exe"), QStringLiteral("5'x"), QStringLiteral("321"),
                           QStringLiteral("CAJA1"), 1);
            QFAIL("un pack que no es un número tenía que dar error");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(QStringLiteral("5'x")), qPrintable(e.descripcion()));
        }
        // Nada a medias: la fila anterior sigue y no se ha arrancado nada
        QCOMPARE(filasDe(QStringLiteral("CAJA1")), QStringList{QStringLiteral("B.exe|primera|antes")});
        QVERIFY(m_llamadas.anotadas.isEmpty());
    }

    void pasarAListados_data()
    {
        QTest::addColumn<QString>("list1");  // nulo: sin fila en listadostemporal
        QTest::addColumn<QString>("clave");
        QTest::addColumn<bool>("falla");
        QTest::newRow("con listado") << QStringLiteral("_L7") << QStringLiteral("CAJA1_L7") << false;
        QTest::newRow("sin listado") << QString() << QStringLiteral("CAJA1") << false;
        // El arranque de los listados no avisa si falla
        QTest::newRow("no arranca") << QStringLiteral("_L7") << QStringLiteral("CAJA1_L7") << true;
    }
    void pasarAListados()
    {
        QFETCH(QString, list1);
        QFETCH(QString, clave);
        QFETCH(bool, falla);
        if (!list1.isNull()) {
            Conexion listados;
            listados.abrir(m_db->informes());
            listados.ejecutar(QStringLiteral("insert into listadostemporal (list1) values (?)"), {list1});
        }
        fila(clave, QStringLiteral("B.exe"), QStringLiteral("primera"));
        fila(clave, QStringLiteral("C.exe"), QStringLiteral("segunda"));
        if (falla)
            m_llamadas.fallo = QStringLiteral("No está instalado el programa Q_Listados.exe.");
        QCOMPARE(ObtenerListadoTemporal(), list1.isNull() ? QString() : list1);

        PasarAListados(QStringLiteral("Q_Tarvelo.exe"));

        QCOMPARE(filasDe(clave), QStringList({QStringLiteral("C.exe|segunda|antes"),
                                              QStringLiteral("Q_Tarvelo.exe|LstBon|Listado")}));
        QCOMPARE(m_llamadas.anotadas, QStringList{QStringLiteral("Q_Listados.exe|Listado|abierta")});
        QVERIFY(gConexion.abierta());
    }

    // Sin base de datos de listados se avisa y no se deja nada escrito, ni un fichero vacío
    void listadosInalcanzables_data()
    {
        QTest::addColumn<QString>("fichero");  // dentro de la carpeta de la prueba
        QTest::newRow("fichero que falta") << QStringLiteral("/listados.db");
        QTest::newRow("carpeta que falta") << QStringLiteral("/no/existe/informes.db");
    }
    void listadosInalcanzables()
    {
        QFETCH(QString, fichero);
        ParametrosConexion perdida;
        perdida.baseDatos = m_db->carpeta() + fichero;
        ConfiguracionSuite::guardarOrigen(QStringLiteral("ListBrisalo"), perdida);
        try {
            PasarAListados(QStringLiteral("Q_Tarvelo.exe"));
            QFAIL("sin base de datos de listados tenía que avisar");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(perdida.baseDatos), qPrintable(e.descripcion()));
        }
        QVERIFY(!QFileInfo::exists(perdida.baseDatos));
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select count(*) as n from pasardatos")), 0);
        QVERIFY(m_llamadas.anotadas.isEmpty());
    }
};

QTEST_MAIN(TstTraspaso)
#include "tst_traspaso.moc"
