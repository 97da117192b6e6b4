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

    void abrir(bool semaforos)
    {
        QFETCH_GLOBAL(QString, motor);
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

    // Tabla contador x semáforos
    static void filasContadores()
    {
        QTest::addColumn<QString>("indice");
        QTest::addColumn<bool>("semaforos");
        for (const Contador& c : kContadores)
            for (bool s : {false, true})
                QTest::addRow("%s/%s", c.indice, s ? "con semáforos" : "sin semáforos") << QString::fromLatin1(c.indice) << s;
    }

private:
    EsperaTurnoPantalla m_espera;

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
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
        QFETCH(QString, indice);
        QFETCH(bool, semaforos);
        abrir(semaforos);
        const Contador& c = contador(indice);
        // Los contadores son de 32 bits: ninguno vuelve a empezar tras 32767
        SesionPrueba::ponerContador(gConexion, indice, 32767);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("Otro"), 500);

        QCOMPARE(c.sacar(), 32767);
        QCOMPARE(SesionPrueba::datonDe(gConexion, indice).toInt(), 32768);
        QCOMPARE(c.sacar(), 32768);
        QCOMPARE(SesionPrueba::datonDe(gConexion, indice).toInt(), 32769);
        // Solo se mueve su contador, y ningún semáforo queda tomado
        QCOMPARE(SesionPrueba::datonDe(gConexion, QStringLiteral("Otro")).toInt(), 500);
        QCOMPARE(enRojo(), 0);

        // El avance ya está confirmado: otra conexión lo ve
        Conexion otra;
        otra.abrir(m_db->tienda());
        QCOMPARE(SesionPrueba::datonDe(otra, indice).toInt(), 32769);
    }

    void sinFilaDaCeroYNoCreaNada_data() { filasContadores(); }
    void sinFilaDaCeroYNoCreaNada()
    {
        QFETCH(QString, indice);
        QFETCH(bool, semaforos);
        abrir(semaforos);
        QCOMPARE(contador(indice).sacar(), 0);
        QCOMPARE(contador(indice).sacar(), 0);
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select count(*) as n from relaciones_fijas "
                                                                "where indice = ?"),
                                     {indice}),
                 0);
        QCOMPARE(enRojo(), 0);
    }

    void contadorVacioEsUnErrorYSueltaElSemaforo_data() { filasContadores(); }
    void contadorVacioEsUnErrorYSueltaElSemaforo()
    {
        QFETCH(QString, indice);
        QFETCH(bool, semaforos);
        abrir(semaforos);
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

    // Dentro de la transacción de una acción solo se sacan números de factura
    // y de abono (sin tocar el semáforo, que la acción toma antes) y un fallo los
    // devuelve; los demás contadores se rechazan sin consumir número
    void dentroDeTransaccion_data() { filasContadores(); }
    void dentroDeTransaccion()
    {
        QFETCH(QString, indice);
        QFETCH(bool, semaforos);
        abrir(semaforos);
        SesionPrueba::ponerContador(gConexion, indice, 7);
        const bool factura = indice.startsWith(QLatin1String("Factura")) || indice == QLatin1String("Abonos");
        {
            Transaccion t(gConexion);
            if (factura) {
                QCOMPARE(contador(indice).sacar(), 7);
                QCOMPARE(contador(indice).sacar(), 8);
            } else {
                QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, contador(indice).sacar());
            }
            QVERIFY(gConexion.enTransaccion());
            QCOMPARE(enRojo(), 0);
        }
        QCOMPARE(SesionPrueba::datonDe(gConexion, indice).toInt(), 7);
        QCOMPARE(contador(indice).sacar(), 7);
    }

    void existeFactura_data()
    {
        QTest::addColumn<bool>("semaforos");
        QTest::addColumn<bool>("segundaSerie");
        QTest::addColumn<int>("numero");
        QTest::addColumn<bool>("esperado");
        for (bool serie : {false, true}) {
            const char* s = serie ? "serie 1" : "serie 0";
            QTest::addRow("%s/57 guardada", s) << true << serie << 57 << true;
            QTest::addRow("%s/58 libre", s) << true << serie << 58 << false;
            QTest::addRow("%s/solo en la otra serie", s) << true << serie << 60 << false;
            // Con los semáforos apagados no se mira: siempre que no
            QTest::addRow("%s/apagados 57", s) << false << serie << 57 << false;
        }
    }
    void existeFactura()
    {
        QFETCH(bool, semaforos);
        QFETCH(bool, segundaSerie);
        QFETCH(int, numero);
        QFETCH(bool, esperado);
        abrir(semaforos);
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
