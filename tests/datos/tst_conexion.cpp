// La conexión perdida se recupera sola, y los fallos del motor se dicen en
// español sin sentencias, mensajes del motor ni valores a la vista
#include "BaseDatosPrueba.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Transaccion.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// La descripción y el detalle del error que lanza la acción ("" si no falla)
std::pair<QString, QString> errorDe(const std::function<void()>& accion)
{
    try {
        accion();
    } catch (const ErrorTarvelo& e) {
        return {e.descripcion(), e.detalle()};
    }
    return {};
}

// Un servidor de PostgreSQL propio, para pararlo y arrancarlo sin tocar el compartido
class ServidorPropio {
public:
    ~ServidorPropio()
    {
        if (m_puerto)
            parar();
    }
    // La primera vez busca un puerto libre de los de las pruebas; después, el mismo
    bool arrancar()
    {
        for (int intento = 0; intento < 10; ++intento) {
            const int puerto = m_puerto ? m_puerto : 55450 + (QCoreApplication::applicationPid() + intento * 7) % 50;
            if (script({QStringLiteral("arrancar"), m_dir.path(), QString::number(puerto)}) == 0) {
                m_puerto = puerto;
                return true;
            }
        }
        return false;
    }
    void parar() { script({QStringLiteral("parar"), m_dir.path()}); }
    ParametrosConexion parametros() const
    {
        return BaseDatosPrueba::servidorPostgres(QStringLiteral("host=127.0.0.1 port=%1 user=postgres").arg(m_puerto));
    }

private:
    static int script(const QStringList& argumentos)
    {
        return QProcess::execute(QStringLiteral(TARVELO_FUENTES "/tools/pg-prueba.sh"), argumentos);
    }
    QTemporaryDir m_dir;
    int m_puerto = 0;
};

bool hayBinariosPostgres()
{
    return !QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty();
}

}  // namespace

class TstConexion : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<Conexion> m_con;

    void abrir(const QString& motor)
    {
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor, BaseDatosPrueba::Contenido::Vacia);
        m_con = std::make_unique<Conexion>();
        m_con->abrir(m_db->tienda());
        m_con->ejecutar(QStringLiteral("create table fichas (codigo integer primary key, nombre varchar(40))"));
        m_con->ejecutar(QStringLiteral("insert into fichas values (1, 'Lucía')"));
    }

    int cuenta(Conexion& c) { return BaseDatosPrueba::numero(c, QStringLiteral("select count(*) from fichas")); }

    // Termina la sesión del servidor de la conexión, como un reinicio o un corte
    void cortar()
    {
        const int pid = BaseDatosPrueba::numero(*m_con, QStringLiteral("select pg_backend_pid()"));
        Conexion otra;
        otra.abrir(m_db->tienda());
        otra.ejecutar(QStringLiteral("select pg_terminate_backend(?)"), {pid});
        const QString sigue = QStringLiteral("select count(*) from pg_stat_activity where pid = ?");
        QTRY_COMPARE(BaseDatosPrueba::numero(otra, sigue, {pid}), 0);
    }

private Q_SLOTS:
    void cleanup()
    {
        m_con.reset();
        m_db.reset();
    }

    void mensajes_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("valores");
        QTest::addColumn<QString>("dice");      // en la descripción
        QTest::addColumn<QString>("detalle");   // en el detalle
        for (const QString& m : BaseDatosPrueba::motores()) {
            const QByteArray n = m.toUtf8();
            QTest::addRow("%s/falta la tabla", n.data())
                << m << "select * from no_existe where codigo = ?" << QVariantList{4711}
                << "tarvelo-admin actualizar" << "Sentencia: select * from no_existe where codigo = ?";
            QTest::addRow("%s/clave repetida", n.data())
                << m << "insert into fichas (codigo, nombre) values (?, ?)"
                << QVariantList{1, QStringLiteral("Secreta")} << "no ha admitido los datos" << "Motor: ";
            if (m == QLatin1String("postgresql"))
                QTest::addRow("%s/valor que no es del tipo", n.data())
                    << m << "select * from fichas where codigo = ?" << QVariantList{QStringLiteral("Secreta")}
                    << "no ha podido hacer la operación" << "Código: 22P02";
        }
    }
    void mensajes()
    {
        QFETCH(QString, motor);
        QFETCH(QString, sql);
        QFETCH(QVariantList, valores);
        QFETCH(QString, dice);
        QFETCH(QString, detalle);
        abrir(motor);
        const auto [descripcion, tecnico] = errorDe([&] { Consulta q(*m_con, sql, valores); });
        QVERIFY2(descripcion.contains(dice), qPrintable(descripcion));
        QVERIFY2(tecnico.contains(detalle), qPrintable(tecnico));
        // Ni la sentencia ni el motor en la frase; ni los valores ni "()" en ninguna parte
        QVERIFY2(!descripcion.contains(QLatin1String("from")) && !descripcion.contains(QLatin1String("ERROR")),
                 qPrintable(descripcion));
        for (const QString& texto : {descripcion, tecnico})
            for (const char* prohibido : {"4711", "Secreta", "()", "DETAIL"})
                QVERIFY2(!texto.contains(QLatin1String(prohibido)), qPrintable(texto));
        // La misma vía para ejecutar
        QCOMPARE(errorDe([&] { m_con->ejecutar(sql, valores); }).first, descripcion);
    }

    // Un fichero que no es una base de datos se dice con su ruta
    void ficheroQueNoEsBase()
    {
        QTemporaryDir dir;
        ParametrosConexion p;
        p.baseDatos = dir.filePath(QStringLiteral("tienda.db"));
        QFile f(p.baseDatos);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.close();
        Conexion c;
        const QString descripcion = errorDe([&] {
            c.abrir(p);
            Consulta q(c, QStringLiteral("select * from opciones"));
        }).first;
        QVERIFY2(descripcion.contains(QStringLiteral("El fichero %1 no es una base de datos").arg(p.baseDatos)),
                 qPrintable(descripcion));
    }

    // Con la sesión del servidor terminada, la acción siguiente reabre y sigue
    void sesionTerminada_data()
    {
        QTest::addColumn<QString>("accion");
        if (!BaseDatosPrueba::hayServidorPostgres())
            return;
        for (const char* a : {"consulta", "ejecutar", "transaccion"})
            QTest::newRow(a) << a;
    }
    void sesionTerminada()
    {
        if (!BaseDatosPrueba::hayServidorPostgres())
            QSKIP("Sin servidor PostgreSQL (TARVELO_PG)");
        QFETCH(QString, accion);
        abrir(QStringLiteral("postgresql"));
        cortar();
        if (accion == QLatin1String("consulta")) {
            QCOMPARE(cuenta(*m_con), 1);
        } else if (accion == QLatin1String("ejecutar")) {
            QCOMPARE(m_con->ejecutar(QStringLiteral("insert into fichas values (2, 'Ana')")), 1);
            QCOMPARE(cuenta(*m_con), 2);
        } else {
            Transaccion t(*m_con);
            m_con->ejecutar(QStringLiteral("insert into fichas values (2, 'Ana')"));
            t.confirmar();
            QCOMPARE(cuenta(*m_con), 2);
        }
    }

    // Perdida a mitad de una transacción: no se repite nada, se dice, y la acción siguiente ya sirve
    void sesionTerminadaEnTransaccion()
    {
        if (!BaseDatosPrueba::hayServidorPostgres())
            QSKIP("Sin servidor PostgreSQL (TARVELO_PG)");
        abrir(QStringLiteral("postgresql"));
        const QString descripcion = errorDe([&] {
            Transaccion t(*m_con);
            m_con->ejecutar(QStringLiteral("insert into fichas values (2, 'Ana')"));
            cortar();
            m_con->ejecutar(QStringLiteral("insert into fichas values (3, 'Eva')"));
            t.confirmar();
        }).first;
        QVERIFY2(descripcion.contains(QStringLiteral("a mitad de la operación, y no se ha guardado nada")),
                 qPrintable(descripcion));
        QVERIFY(!m_con->enTransaccion());
        QCOMPARE(cuenta(*m_con), 1);
    }

    // Servidor parado: se dice que no se llega, una y otra vez; al volver, se sigue sin reiniciar el programa
    void servidorReiniciado()
    {
        if (!hayBinariosPostgres()) {
            if (qEnvironmentVariableIntValue("TARVELO_PG_OBLIGATORIO") == 1)
                QFAIL("TARVELO_PG_OBLIGATORIO=1 pero no hay binarios de PostgreSQL para un servidor propio");
            QSKIP("Sin binarios de PostgreSQL en /usr/lib/postgresql: no se puede arrancar un servidor propio");
        }
        ServidorPropio servidor;
        QVERIFY(servidor.arrancar());
        Conexion c;
        c.abrir(servidor.parametros());
        c.ejecutar(QStringLiteral("create table fichas (codigo integer)"));

        servidor.parar();
        const QString sinServidor = QStringLiteral("No se puede llegar al servidor de la base de datos (127.0.0.1:%1)")
                                        .arg(servidor.parametros().puerto);
        for (int vez = 0; vez < 2; ++vez) {
            const QString d = errorDe([&] { cuenta(c); }).first;
            QVERIFY2(d.startsWith(sinServidor), qPrintable(d));
        }
        QVERIFY(servidor.arrancar());
        QCOMPARE(cuenta(c), 0);
        // Reiniciado mientras no se usaba: la acción siguiente no se entera
        servidor.parar();
        QVERIFY(servidor.arrancar());
        Transaccion t(c);
        c.ejecutar(QStringLiteral("insert into fichas values (1)"));
        t.confirmar();
        QCOMPARE(cuenta(c), 1);
    }
};

QTEST_GUILESS_MAIN(TstConexion)
#include "tst_conexion.moc"
