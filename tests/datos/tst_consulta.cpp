// Lecturas por nombre de campo, nulos, errores y el guardián de transacciones
#include "BaseDatosPrueba.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Transaccion.h"

#include <QTest>

class TstConsulta : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<Conexion> m_con;

    int cuenta()
    {
        return BaseDatosPrueba::numero(*m_con, QStringLiteral("select count(*) as n from fichas"));
    }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        QFETCH_GLOBAL(QString, motor);
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor, BaseDatosPrueba::Contenido::Vacia);
        m_con = std::make_unique<Conexion>();
        m_con->abrir(m_db->tienda());
        m_con->ejecutar(QStringLiteral("create table fichas (codigo integer primary key, nombre varchar(40), "
                                       "alta date, hora time, marca smallint, importe double precision)"));
        m_con->ejecutar(QStringLiteral("insert into fichas values (1, 'Lucía', '2026-05-04', '10:30:00', -1, 12.5)"));
        m_con->ejecutar(QStringLiteral("insert into fichas (codigo) values (2)"));
    }

    void cleanup()
    {
        m_con.reset();
        m_db.reset();
    }

    void lecturas()
    {
        Consulta c(*m_con, QStringLiteral("select Fichas.Codigo, NOMBRE, alta, hora, marca, importe from fichas "
                                          "where codigo = ?"),
                   {1});
        QVERIFY(c.siguiente());
        QCOMPARE(c.entero(QStringLiteral("CODIGO")), 1);
        QCOMPARE(c.entero(QStringLiteral("fichas.codigo")), 1);
        QCOMPARE(c.texto(QStringLiteral("Nombre")), QStringLiteral("Lucía"));
        QCOMPARE(c.fecha(QStringLiteral("Alta")), QDate(2026, 5, 4));
        QCOMPARE(c.hora(QStringLiteral("HORA")), QTime(10, 30));
        QCOMPARE(c.bandera(QStringLiteral("marca")), true);
        QCOMPARE(c.numero(QStringLiteral("importe")), 12.5);
        QVERIFY(!c.siguiente());
    }

    void nulos()
    {
        Consulta c(*m_con, QStringLiteral("select * from fichas where codigo = 2"));
        QVERIFY(c.siguiente());
        QCOMPARE(c.texto(QStringLiteral("nombre")), QString());
        QVERIFY(!c.fecha(QStringLiteral("alta")).isValid());
        // Un nulo donde se espera una marca o un número se dice con el nombre del campo
        for (const QString campo : {QStringLiteral("marca"), QStringLiteral("importe")}) {
            try {
                if (campo == QLatin1String("marca"))
                    c.bandera(campo);
                else
                    c.numero(campo);
                QFAIL("un nulo tenía que dar error");
            } catch (const ErrorTarvelo& e) {
                QVERIFY2(e.descripcion().contains(campo), qPrintable(e.descripcion()));
            }
        }
        try {
            c.valor(QStringLiteral("inexistente"));
            QFAIL("un campo que no existe tenía que dar error");
        } catch (const ErrorTarvelo& e) {
            QVERIFY(e.descripcion().contains(QLatin1String("inexistente")));
        }
    }

    void errores()
    {
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, Consulta(*m_con, QStringLiteral("select * from no_existe")));
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, m_con->ejecutar(QStringLiteral("insert into fichas (codigo) values (1)")));
        // Tras un error, la conexión sigue sirviendo
        QCOMPARE(cuenta(), 2);
        m_con->cerrar();
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, m_con->ejecutar(QStringLiteral("delete from fichas")));
        m_con->reabrir();
        QCOMPARE(cuenta(), 2);
    }

    void transacciones()
    {
        // Un error a mitad deshace lo escrito antes
        try {
            Transaccion t(*m_con);
            m_con->ejecutar(QStringLiteral("insert into fichas (codigo) values (3)"));
            m_con->ejecutar(QStringLiteral("insert into fichas (codigo) values (1)"));
            t.confirmar();
            QFAIL("la clave repetida tenía que fallar");
        } catch (const ErrorTarvelo&) {
        }
        QVERIFY(!m_con->enTransaccion());
        QCOMPARE(cuenta(), 2);
        // Anidada: manda la de fuera
        {
            Transaccion fuera(*m_con);
            {
                Transaccion dentro(*m_con);
                m_con->ejecutar(QStringLiteral("insert into fichas (codigo) values (4)"));
                dentro.confirmar();
            }
            QVERIFY(m_con->enTransaccion());
            m_con->ejecutar(QStringLiteral("insert into fichas (codigo) values (5)"));
        }
        QCOMPARE(cuenta(), 2);
        {
            Transaccion t(*m_con);
            m_con->ejecutar(QStringLiteral("insert into fichas (codigo) values (6)"));
            t.confirmar();
        }
        QCOMPARE(cuenta(), 3);
    }

    // Otra conexión no ve lo que no se ha confirmado
    void aislamiento()
    {
        Conexion otra;
        otra.abrir(m_db->tienda());
        Transaccion t(*m_con);
        m_con->ejecutar(QStringLiteral("insert into fichas (codigo) values (7)"));
        Consulta c(otra, QStringLiteral("select count(*) as n from fichas"));
        QVERIFY(c.siguiente());
        QCOMPARE(c.entero(QStringLiteral("n")), 2);
    }
};

QTEST_GUILESS_MAIN(TstConsulta)
#include "tst_consulta.moc"
