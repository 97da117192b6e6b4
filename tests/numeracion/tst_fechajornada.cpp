// Fecha de jornada según las horas de apertura y cierre del puesto
#include "SesionPrueba.h"
#include "datos/FechaJornada.h"

#include <QTest>

namespace {
const QVariant kSinHora = QVariant(QMetaType::fromType<QTime>());
const QVariant kSinFila = QVariant();
}  // namespace

class TstFechaJornada : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init() { reiniciarGlobales(); }
    void cleanup()
    {
        FechaJornada::ponerReloj({});
        SesionPrueba::cerrar();
        m_db.reset();
    }

    void fecha_data()
    {
        QTest::addColumn<QVariant>("apertura");  // inválido: el puesto no tiene fila
        QTest::addColumn<QVariant>("cierre");
        QTest::addColumn<QDateTime>("ahora");
        QTest::addColumn<QDate>("esperada");
        QTest::addColumn<QString>("rotura");  // sentencia que deja la consulta sin poder leerse

        const QDate hoy(2026, 3, 10);
        const QDate ayer(2026, 3, 9);
        auto a = [&](int h, int m) { return QDateTime(hoy, QTime(h, m)); };
        auto t = [](int h, int m = 0) { return QVariant(QTime(h, m)); };
        struct Caso {
            const char* nombre;
            QVariant apertura, cierre;
            QDateTime ahora;
            QDate esperada;
            const char* rotura = "";
        };
        const QList<Caso> casos{
            {"10-03 a las 02:59", t(10), t(3), a(2, 59), ayer},
            {"10-03 a las 00:00", t(10), t(3), a(0, 0), ayer},
            {"10-03 a las 03:00", t(10), t(3), a(3, 0), hoy},
            {"09-21 a las 02:00", t(9), t(21), a(2, 0), hoy},
            // Solo cuenta la hora: cerrar a las 03:59 es cerrar "a las 3"
            {"22:45-03:59 a las 03:30", t(22, 45), t(3, 59), a(3, 30), hoy},
            {"22:45-03:59 a las 02:50", t(22, 45), t(3, 59), a(2, 50), ayer},
            {"apertura nula a las 02:00", kSinHora, t(3), a(2, 0), ayer},
            {"cierre nulo a las 02:00", t(10), kSinHora, a(2, 0), ayer},
            {"cierre nulo a las 03:00", t(10), kSinHora, a(3, 0), hoy},
            {"las dos nulas a las 02:59", kSinHora, kSinHora, a(2, 59), ayer},
            {"sin fila a las 02:00", kSinFila, kSinFila, a(2, 0), hoy},
            {"iguales a las 02:00", t(3), t(3), a(2, 0), hoy},
            {"iguales a medianoche a las 00:30", t(0), t(0), a(0, 30), hoy},
            {"primero de mes", t(20), t(4), QDateTime(QDate(2026, 3, 1), QTime(1, 15)), QDate(2026, 2, 28)},
            {"primero de año", t(20), t(4), QDateTime(QDate(2027, 1, 1), QTime(3, 59)), QDate(2026, 12, 31)},
            // Si la consulta falla se usan también las horas 4 y 3
            {"sin tabla a las 02:00", kSinFila, kSinFila, a(2, 0), ayer, "drop table entradas"},
            {"sin columna a las 02:00", t(9), t(21), a(2, 0), ayer,
             "alter table entradas rename column horacierre to hora_cierre"},
        };
        for (const Caso& c : casos)
            QTest::newRow(c.nombre) << c.apertura << c.cierre << c.ahora << c.esperada << QString::fromLatin1(c.rotura);
    }
    void fecha()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QVariant, apertura);
        QFETCH(QVariant, cierre);
        QFETCH(QDateTime, ahora);
        QFETCH(QDate, esperada);
        QFETCH(QString, rotura);
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        SesionPrueba::abrir(*m_db, QStringLiteral("CAJA2"));
        // Otro puesto que cierra de madrugada no cuenta
        gConexion.ejecutar(QStringLiteral("insert into entradas (identificador, horaapertura, horacierre) "
                                          "values ('CAJA1', ?, ?)"),
                           {QTime(8, 0), QTime(5, 0)});
        if (apertura.isValid())
            gConexion.ejecutar(QStringLiteral("insert into entradas (identificador, horaapertura, horacierre) "
                                              "values (?, ?, ?)"),
                               {gIdentificadorPuesto, apertura, cierre});
        if (!rotura.isEmpty())
            gConexion.ejecutar(rotura);
        FechaJornada::ponerReloj([ahora] { return ahora; });
        QCOMPARE(ObtenerFechaJornada(), esperada);
    }
};

QTEST_MAIN(TstFechaJornada)
#include "tst_fechajornada.moc"
