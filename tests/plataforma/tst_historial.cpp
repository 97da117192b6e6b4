// Modificar con y sin historial, todo o nada, y ProcesarFilas
#include "BaseDatosPrueba.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Transaccion.h"
#include "datos/Valores.h"
#include "plataforma/GestorRegistrosSql.h"
#include "datos/Globales.h"

#include <QTest>

namespace {
const QString kBono = QStringLiteral(
    "numbono=%1|cliente=12|empleado=3|servicio=5|precio=%2|descuento=0|fecha_alta=01/03/2026|"
    "fecha_desde=01/03/2026|fecha_hasta=%3|num_sesiones=%4|estado=0|num_factura=%5|");
}

class TstHistorial : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<Conexion> m_con;
    std::unique_ptr<GestorRegistrosSql> m_gestor;

    void abrir(const QString& motor)
    {
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        m_con = std::make_unique<Conexion>();
        m_con->abrir(m_db->tienda());
        m_gestor = std::make_unique<GestorRegistrosSql>();
        // Dos bonos de la misma factura y uno de otra
        m_gestor->Insertar(*m_con, QStringLiteral("cabecera_bonos"), kBono.arg(7).arg(QStringLiteral("50"))
                               .arg(QStringLiteral("31/12/2026")).arg(5).arg(40), QStringLiteral("Centro"), true);
        m_gestor->Insertar(*m_con, QStringLiteral("cabecera_bonos"), kBono.arg(8).arg(QStringLiteral("20,5"))
                               .arg(QStringLiteral("30/06/2026")).arg(2).arg(40), QStringLiteral("Centro"), true);
        m_gestor->Insertar(*m_con, QStringLiteral("cabecera_bonos"), kBono.arg(9).arg(QStringLiteral("10"))
                               .arg(QStringLiteral("30/06/2026")).arg(1).arg(41), QStringLiteral("Centro"), true);
    }

    int contar(const QString& sql, const QVariantList& valores = {})
    {
        return BaseDatosPrueba::numero(*m_con, sql, valores);
    }

    int entradasHistorial() { return contar(QStringLiteral("select count(*) as n from historial")); }

    QVariant campoBono(int numbono, const QString& campo)
    {
        Consulta c(*m_con, QStringLiteral("select %1 from cabecera_bonos where numbono = ?").arg(campo), {numbono});
        return c.siguiente() ? c.valor(campo) : QVariant();
    }

    // Cambia historial por una tabla igual con una columna obligatoria que el
    // escritor no rellena: su anotación fallará después de la actualización
    void romperHistorial()
    {
        m_con->ejecutar(QStringLiteral("drop table historial"));
        m_con->ejecutar(QStringLiteral(
            "create table historial (id integer, fecha date, hora time, puesto text, empleado integer, tabla text, "
            "operacion text, campos text, descripcion text, condicion text, valores_anteriores text, "
            "valores_nuevos text, tienda text, obligatoria integer not null)"));
    }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        Valores::ponerRegionales(AjustesRegionales::espanoles());
        reiniciarGlobales();
        gIdentificadorPuesto = QStringLiteral("CAJA-2");
        gEmpleadoTerminal = 14;
        QFETCH_GLOBAL(QString, motor);
        abrir(motor);
    }

    void cleanup()
    {
        m_gestor.reset();
        m_con.reset();
        m_db.reset();
        reiniciarGlobales();
    }

    void modificarSinHistorial()
    {
        m_gestor->Modificar(*m_con, QStringLiteral("Cabecera_Bonos"), QStringLiteral("Precio=60,25|Num_Sesiones=6|"),
                            QStringLiteral("Centro"), true, Condicion(QStringLiteral("num_factura=40")), 0, QString(),
                            QString(), QString());
        QCOMPARE(campoBono(7, QStringLiteral("precio")).toDouble(), 60.25);
        QCOMPARE(campoBono(8, QStringLiteral("num_sesiones")).toInt(), 6);
        QCOMPARE(campoBono(9, QStringLiteral("precio")).toDouble(), 10.0);
        QCOMPARE(entradasHistorial(), 0);

        // Condición con valores ligados y una fecha en el dialecto del sistema
        m_gestor->Modificar(*m_con, QStringLiteral("cabecera_bonos"), QStringLiteral("estado=-1|"),
                            QStringLiteral("Centro"), true,
                            Condicion(QStringLiteral("numbono = ? and fecha_hasta < #07/01/2026#"), {8}), 0, QString(),
                            QString(), QString());
        QCOMPARE(campoBono(8, QStringLiteral("estado")).toInt(), -1);
        QCOMPARE(campoBono(7, QStringLiteral("estado")).toInt(), 0);
    }

    // El cambio de un bono: quién, cuándo, qué y los valores de antes y después
    void modificarConHistorial()
    {
        m_gestor->Modificar(*m_con, QStringLiteral("cabecera_bonos"),
                            QStringLiteral("Empleado=4|Precio=45,5|descuento=4,5|fecha_alta=01/03/2026|"
                                           "fecha_desde=01/03/2026|fecha_hasta=15/01/2027|Num_Sesiones=6|estado=0|"),
                            QStringLiteral("Centro"), true, QStringLiteral("num_factura=40 and numbono=7"), -1,
                            QStringLiteral("12"), QStringLiteral("Num_Sesiones|Precio|fecha_hasta"), QString());
        QCOMPARE(campoBono(7, QStringLiteral("num_sesiones")).toInt(), 6);

        Consulta c(*m_con, QStringLiteral("select * from historial"));
        QVERIFY(c.siguiente());
        QCOMPARE(c.fecha(QStringLiteral("fecha")), QDate::currentDate());
        QVERIFY(qAbs(c.hora(QStringLiteral("hora")).secsTo(QTime::currentTime())) < 120);
        QCOMPARE(c.texto(QStringLiteral("puesto")), QStringLiteral("CAJA-2"));
        QCOMPARE(c.entero(QStringLiteral("empleado")), 14);
        QCOMPARE(c.texto(QStringLiteral("tabla")), QStringLiteral("cabecera_bonos"));
        QCOMPARE(c.texto(QStringLiteral("operacion")), QStringLiteral("12"));
        QCOMPARE(c.texto(QStringLiteral("campos")), QStringLiteral("num_sesiones|precio|fecha_hasta"));
        QCOMPARE(c.texto(QStringLiteral("descripcion")), QString());
        QCOMPARE(c.texto(QStringLiteral("condicion")), QStringLiteral("num_factura=40 and numbono=7"));
        QCOMPARE(c.texto(QStringLiteral("valores_anteriores")),
                 QStringLiteral("num_sesiones=5|precio=50|fecha_hasta=2026-12-31|"));
        QCOMPARE(c.texto(QStringLiteral("valores_nuevos")),
                 QStringLiteral("num_sesiones=6|precio=45,5|fecha_hasta=2027-01-15|"));
        QCOMPARE(c.texto(QStringLiteral("tienda")), QStringLiteral("Centro"));
        QVERIFY(!c.siguiente());
    }

    // Anulación: sin campos nombrados se vigilan los de la lista; varias filas,
    // una línea de valores por fila; la condición con sus valores en su sitio
    void anulacionVariasFilas()
    {
        const Condicion condicion(QStringLiteral("num_factura = ? and estado = 0"), {40});
        m_gestor->Modificar(*m_con, QStringLiteral("cabecera_bonos"), QStringLiteral("estado=-1|"),
                            QStringLiteral("Centro"), true, condicion, -1, QStringLiteral("33"), QString(),
                            QStringLiteral(" por el empleado Ana"));
        Consulta c(*m_con, QStringLiteral("select * from historial"));
        QVERIFY(c.siguiente());
        QCOMPARE(c.texto(QStringLiteral("operacion")), QStringLiteral("33"));
        QCOMPARE(c.texto(QStringLiteral("campos")), QStringLiteral("estado"));
        QCOMPARE(c.texto(QStringLiteral("descripcion")), QStringLiteral(" por el empleado Ana"));
        QCOMPARE(c.texto(QStringLiteral("condicion")), QStringLiteral("num_factura = 40 and estado = 0"));
        QCOMPARE(c.texto(QStringLiteral("valores_anteriores")), QStringLiteral("estado=0|\nestado=0|"));
        QCOMPARE(c.texto(QStringLiteral("valores_nuevos")), QStringLiteral("estado=-1|\nestado=-1|"));
        QVERIFY(!c.siguiente());
        QCOMPARE(contar(QStringLiteral("select count(*) as n from cabecera_bonos where estado = -1")), 2);
    }

    // Lo que falla no deja nada: ni el cambio, ni su anotación, ni la transacción abierta
    void fallos_data()
    {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QString>("condicion");
        QTest::addColumn<QString>("vigilados");
        QTest::addColumn<bool>("historialRoto");
        QTest::addColumn<QString>("nombrado");  // lo que tiene que decir el mensaje
        // Un campo vigilado que no existe se dice antes de tocar nada
        QTest::newRow("campo vigilado desconocido")
            << "precio=1|" << "numbono=7" << "Num_Sesiones|Sesiones_Gratis" << false << "Sesiones_Gratis";
        // Si el historial no se puede anotar, la actualización tampoco queda
        QTest::newRow("historial que falla") << "num_sesiones=9|" << "numbono=7" << "num_sesiones" << true << "";
        QTest::newRow("actualización que falla") << "estado=|" << "numbono=7" << "" << false << "";
        QTest::newRow("sin condición") << "estado=-1|" << "  " << "" << false << "";
    }
    void fallos()
    {
        QFETCH(QString, lista);
        QFETCH(QString, condicion);
        QFETCH(QString, vigilados);
        QFETCH(bool, historialRoto);
        QFETCH(QString, nombrado);
        if (historialRoto)
            romperHistorial();
        try {
            m_gestor->Modificar(*m_con, QStringLiteral("cabecera_bonos"), lista, QString(), false, Condicion(condicion),
                                -1, QStringLiteral("12"), vigilados, QString());
            QFAIL("tenía que dar error");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(nombrado), qPrintable(e.descripcion()));
        }
        QVERIFY(!m_con->enTransaccion());
        QCOMPARE(contar(QStringLiteral("select count(*) from cabecera_bonos where estado = 0 and precio = 50 and "
                                       "num_sesiones = 5 and numbono = 7")),
                 1);
        QCOMPARE(contar(QStringLiteral("select count(*) from cabecera_bonos where estado = -1")), 0);
        QCOMPARE(entradasHistorial(), 0);
    }

    // Dentro de la transacción de una acción: el escritor se une a ella, y si
    // la acción no termina no queda nada de lo escrito, historial incluido
    void dentroDeUnaAccion()
    {
        {
            Transaccion accion(*m_con);
            m_gestor->Insertar(*m_con, QStringLiteral("cabecera_bonos"),
                               kBono.arg(10).arg(QStringLiteral("5")).arg(QStringLiteral("01/01/2027")).arg(1).arg(42),
                               QStringLiteral("Centro"), true);
            m_gestor->Modificar(*m_con, QStringLiteral("cabecera_bonos"), QStringLiteral("precio=99|"), QString(),
                                false, QStringLiteral("numbono=7"), -1, QStringLiteral("12"),
                                QStringLiteral("precio"), QString());
            QVERIFY(m_con->enTransaccion());
            try {
                m_gestor->Modificar(*m_con, QStringLiteral("cabecera_bonos"), QStringLiteral("precio=mucho|"),
                                    QString(), false, QStringLiteral("numbono=8"), 0, QString(), QString(), QString());
                QFAIL("tenía que dar error");
            } catch (const ErrorTarvelo&) {
            }
        }
        QVERIFY(!m_con->enTransaccion());
        QCOMPARE(contar(QStringLiteral("select count(*) as n from cabecera_bonos")), 3);
        QCOMPARE(campoBono(7, QStringLiteral("precio")).toDouble(), 50.0);
        QCOMPARE(entradasHistorial(), 0);
    }

    // ProcesarFilas deja la fila; en una cadena anota cómo queda
    void procesarFilas_data()
    {
        QTest::addColumn<bool>("multitienda");
        QTest::newRow("cadena") << true;
        QTest::newRow("tienda sola") << false;
    }
    void procesarFilas()
    {
        QFETCH(bool, multitienda);
        const Condicion condicion(QStringLiteral("numbono=8"));
        m_gestor->Modificar(*m_con, QStringLiteral("cabecera_bonos"), QStringLiteral("estado=-1|"),
                            QStringLiteral("Centro"), multitienda, condicion, -1, QStringLiteral("33"), QString(),
                            QString());
        m_gestor->ProcesarFilas(*m_con, QStringLiteral("cabecera_bonos"), QStringLiteral("Centro"), multitienda,
                                condicion);
        QCOMPARE(campoBono(8, QStringLiteral("estado")).toInt(), -1);
        QCOMPARE(contar(QStringLiteral("select count(*) as n from cabecera_bonos")), 3);

        const int procesadas = contar(QStringLiteral("select count(*) as n from historial where operacion = ?"),
                                      {GestorRegistrosSql::operacionProcesar()});
        QCOMPARE(procesadas, multitienda ? 1 : 0);
        if (multitienda) {
            Consulta c(*m_con, QStringLiteral("select valores_nuevos, condicion from historial where operacion = ?"),
                       {GestorRegistrosSql::operacionProcesar()});
            QVERIFY(c.siguiente());
            const QString fila = c.texto(QStringLiteral("valores_nuevos"));
            for (const char* parte : {"numbono=8|", "estado=-1|", "precio=20,5|", "fecha_hasta=2026-06-30|",
                                      "tienda=Centro|"})
                QVERIFY2(fila.contains(QLatin1String(parte)), qPrintable(fila));
            QCOMPARE(c.texto(QStringLiteral("condicion")), QStringLiteral("numbono=8"));
        }
    }

};

QTEST_MAIN(TstHistorial)
#include "tst_historial.moc"
