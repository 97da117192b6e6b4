// Números de documento: lectura y avance de los contadores, en los dos motores
#include "SesionPrueba.h"
#include "datos/Error.h"
#include "datos/Numeracion.h"
#include "datos/Semaforos.h"
#include "datos/Transaccion.h"
#include "pantallas/espera/frmEsperaSemaforo.h"

#include <QTest>
#include <functional>

namespace {

struct Contador {
    const char* indice;
    const char* semaforo;  // "" sin semáforo
    int (*sacar)();
};

const Contador kContadores[] = {
    {"Bonos", "Bono", ObtenerNumeroBono},
    {"Factura", "Factura", ObtenerNumeroFactura},
    {"FacturaPeruChile", "FacturaPeruChile", ObtenerNumeroFacturaPeruChile},
    {"Abonos", "", ObtenerNumeroAbono},
    {"PagosCuenta", "", ObtenerNumPagoCuenta},
};

const Contador& contador(const QString& indice)
{
    for (const Contador& c : kContadores)
        if (indice == QLatin1String(c.indice))
            return c;
    qFatal("contador desconocido");
}

}  // namespace

class TstNumeracion : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;

    void abrir(const QString& motor, bool semaforos)
    {
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        SesionPrueba::abrir(*m_db);
        if (semaforos) {
            SesionPrueba::activarSemaforos(gConexion);
            gSemaforosActivos = SemaforosActivos();
            CrearSemaforos();
            CrearSemaforo(QStringLiteral("FacturaPeruChile"));
        }
    }

    int enRojo()
    {
        return SesionPrueba::filas(gConexion, QStringLiteral("select count(*) as n from semaforos where estado = 'rojo'"));
    }

    // Tabla motor x contador x semáforos
    static void filasContadores()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("indice");
        QTest::addColumn<bool>("semaforos");
        for (const QString& motor : BaseDatosPrueba::motores())
            for (const Contador& c : kContadores)
                for (bool s : {false, true})
                    QTest::addRow("%s/%s/%s", qPrintable(motor), c.indice, s ? "con semáforos" : "sin semáforos")
                        << motor << QString::fromLatin1(c.indice) << s;
    }

private:
    EsperaTurnoPantalla m_espera;

private Q_SLOTS:
    void init()
    {
        reiniciarGlobales();
        frmEsperaSemaforo::ponerEscalaTiempo(0.01);
        ponerEsperaTurno(&m_espera);
    }
    void cleanup()
    {
        SesionPrueba::cerrar();
        m_db.reset();
        frmEsperaSemaforo::ponerEscalaTiempo(1);
        ponerEsperaTurno(nullptr);
    }

    void sacaElSiguienteYAvanza_data() { filasContadores(); }
    void sacaElSiguienteYAvanza()
    {
        QFETCH(QString, motor);
        QFETCH(QString, indice);
        QFETCH(bool, semaforos);
        abrir(motor, semaforos);
        const Contador& c = contador(indice);
        SesionPrueba::ponerContador(gConexion, indice, 100);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("Otro"), 500);

        QCOMPARE(c.sacar(), 100);
        QCOMPARE(SesionPrueba::datonDe(gConexion, indice).toInt(), 101);
        QCOMPARE(c.sacar(), 101);
        QCOMPARE(SesionPrueba::datonDe(gConexion, indice).toInt(), 102);
        // Solo se mueve su contador, y ningún semáforo queda tomado
        QCOMPARE(SesionPrueba::datonDe(gConexion, QStringLiteral("Otro")).toInt(), 500);
        QCOMPARE(enRojo(), 0);

        // El avance ya está confirmado: otra conexión lo ve
        Conexion otra;
        otra.abrir(m_db->tienda());
        QCOMPARE(SesionPrueba::datonDe(otra, indice).toInt(), 102);
    }

    void sinFilaDaCeroYNoCreaNada_data() { filasContadores(); }
    void sinFilaDaCeroYNoCreaNada()
    {
        QFETCH(QString, motor);
        QFETCH(QString, indice);
        QFETCH(bool, semaforos);
        abrir(motor, semaforos);
        QCOMPARE(contador(indice).sacar(), 0);
        QCOMPARE(contador(indice).sacar(), 0);
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select count(*) as n from relaciones_fijas "
                                                                "where indice = ?"),
                                     {indice}),
                 0);
        QCOMPARE(enRojo(), 0);
    }

    // Los contadores son de 32 bits: ninguno vuelve a empezar en 32767
    void sinTopeDe16Bits_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("indice");
        QTest::addColumn<int>("inicial");
        for (const QString& motor : BaseDatosPrueba::motores())
            for (const Contador& c : kContadores) {
                QTest::addRow("%s/%s/32767", qPrintable(motor), c.indice) << motor << QString::fromLatin1(c.indice)
                                                                          << 32767;
                QTest::addRow("%s/%s/65535", qPrintable(motor), c.indice) << motor << QString::fromLatin1(c.indice)
                                                                          << 65535;
                QTest::addRow("%s/%s/2147483646", qPrintable(motor), c.indice)
                    << motor << QString::fromLatin1(c.indice) << 2147483646;
            }
    }
    void sinTopeDe16Bits()
    {
        QFETCH(QString, motor);
        QFETCH(QString, indice);
        QFETCH(int, inicial);
        abrir(motor, false);
        SesionPrueba::ponerContador(gConexion, indice, inicial);
        QCOMPARE(contador(indice).sacar(), inicial);
        QCOMPARE(SesionPrueba::datonDe(gConexion, indice).toLongLong(), qint64(inicial) + 1);
    }

    void contadorVacioEsUnErrorYSueltaElSemaforo_data() { filasContadores(); }
    void contadorVacioEsUnErrorYSueltaElSemaforo()
    {
        QFETCH(QString, motor);
        QFETCH(QString, indice);
        QFETCH(bool, semaforos);
        abrir(motor, semaforos);
        SesionPrueba::ponerContador(gConexion, indice, QVariant(QMetaType::fromType<int>()));
        try {
            contador(indice).sacar();
            QFAIL("un contador vacío tenía que dar error");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(indice), qPrintable(e.descripcion()));
        }
        // Un fallo al sacar no deja a los demás puestos esperando
        QCOMPARE(enRojo(), 0);
    }

    // Dentro de la transacción de una acción el contador quedaría bloqueado
    // hasta el final: se rechaza y no se consume número
    void conTransaccionAbiertaSeRechaza_data() { filasContadores(); }
    void conTransaccionAbiertaSeRechaza()
    {
        QFETCH(QString, motor);
        QFETCH(QString, indice);
        QFETCH(bool, semaforos);
        abrir(motor, semaforos);
        SesionPrueba::ponerContador(gConexion, indice, 7);
        {
            Transaccion t(gConexion);
            QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, contador(indice).sacar());
            QVERIFY(gConexion.enTransaccion());
        }
        QCOMPARE(SesionPrueba::datonDe(gConexion, indice).toInt(), 7);
        QCOMPARE(enRojo(), 0);
        QCOMPARE(contador(indice).sacar(), 7);
    }

    void existeFactura_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<bool>("semaforos");
        QTest::addColumn<bool>("segundaSerie");
        QTest::addColumn<int>("numero");
        QTest::addColumn<bool>("esperado");
        for (const QString& motor : BaseDatosPrueba::motores()) {
            const QByteArray nombre = motor.toUtf8();
            const char* m = nombre.constData();
            for (bool serie : {false, true}) {
                const char* s = serie ? "serie 1" : "serie 0";
                QTest::addRow("%s/%s/57 guardada", m, s) << motor << true << serie << 57 << true;
                QTest::addRow("%s/%s/58 libre", m, s) << motor << true << serie << 58 << false;
                QTest::addRow("%s/%s/solo en la otra serie", m, s) << motor << true << serie << 60 << false;
                // Con los semáforos apagados no se mira: siempre que no
                QTest::addRow("%s/%s/apagados 57", m, s) << motor << false << serie << 57 << false;
            }
        }
    }
    void existeFactura()
    {
        QFETCH(QString, motor);
        QFETCH(bool, semaforos);
        QFETCH(bool, segundaSerie);
        QFETCH(int, numero);
        QFETCH(bool, esperado);
        abrir(motor, semaforos);
        const QString propia = segundaSerie ? QStringLiteral("cabecera_factura_1") : QStringLiteral("cabecera_factura");
        const QString otra = segundaSerie ? QStringLiteral("cabecera_factura") : QStringLiteral("cabecera_factura_1");
        gConexion.ejecutar(QStringLiteral("insert into %1 (numero) values (?)").arg(propia), {57});
        gConexion.ejecutar(QStringLiteral("insert into %1 (numero) values (?)").arg(propia), {57});
        gConexion.ejecutar(QStringLiteral("insert into %1 (numero) values (?)").arg(otra), {60});
        QCOMPARE(segundaSerie ? ExisteFacturaPeruChile(numero) : ExisteFactura(numero), esperado);
    }
};

QTEST_MAIN(TstNumeracion)
#include "tst_numeracion.moc"
