// Semáforos entre puestos y la espera de turno, en los dos motores
#include "SesionPrueba.h"
#include "datos/Error.h"
#include "datos/Semaforos.h"
#include "datos/Transaccion.h"
#include "pantallas/espera/frmEsperaSemaforo.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Anota cada vez que aparece la pantalla de espera, con su número de vuelta
class ObservadorEspera : public QObject {
public:
    QStringList vueltas;
    std::function<void(int)> alMostrar;

    ObservadorEspera() { qApp->installEventFilter(this); }
    ~ObservadorEspera() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        auto* espera = qobject_cast<frmEsperaSemaforo*>(objeto);
        if (espera && evento->type() == QEvent::Show) {
            vueltas << espera->findChild<QLabel*>(QStringLiteral("lblVueltas"))->text();
            if (alMostrar)
                alMostrar(vueltas.size() - 1);
        }
        return false;
    }
};

QStringList vueltasHasta(int n)
{
    QStringList v;
    for (int i = 0; i < n; ++i)
        v << QString::number(i);
    return v;
}

}  // namespace

class TstSemaforos : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;

    void encender()
    {
        SesionPrueba::activarSemaforos(gConexion);
        gSemaforosActivos = SemaforosActivos();
        QVERIFY(gSemaforosActivos);
        CrearSemaforos();
    }

    QString estado(const QString& nombre)
    {
        Consulta c(gConexion, QStringLiteral("select estado from semaforos where nombre = ?"), {nombre});
        return c.siguiente() ? c.texto(QStringLiteral("estado")) : QStringLiteral("(sin fila)");
    }

    void ponerEstado(const QString& nombre, const QString& valor)
    {
        gConexion.ejecutar(QStringLiteral("update semaforos set estado = ? where nombre = ?"), {valor, nombre});
    }

private:
    EsperaTurnoPantalla m_espera;

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        reiniciarGlobales();
        QFETCH_GLOBAL(QString, motor);
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        SesionPrueba::abrir(*m_db);
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

    void activos_data()
    {
        QTest::addColumn<QVariant>("datoa");  // inválido: sin fila
        QTest::addColumn<bool>("esperado");
        QTest::newRow("SI") << QVariant(QStringLiteral("SI")) << true;
        QTest::newRow("si") << QVariant(QStringLiteral("si")) << false;
        QTest::newRow("SI con blanco") << QVariant(QStringLiteral("SI ")) << false;
        QTest::newRow("nulo") << QVariant(QMetaType::fromType<QString>()) << false;
        QTest::newRow("sin fila") << QVariant() << false;
    }
    void activos()
    {
        QFETCH(QVariant, datoa);
        QFETCH(bool, esperado);
        if (datoa.isValid())
            gConexion.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, datoa) values ('ActivaSemaforos', ?)"),
                               {datoa});
        QCOMPARE(SemaforosActivos(), esperado);
    }

    void crearLosQueFaltan()
    {
        // Uno que ya estaba en rojo lo sigue estando
        gConexion.ejecutar(QStringLiteral("insert into semaforos (nombre, estado) values ('SemaforoBono', 'rojo')"));
        CrearSemaforos();
        CrearSemaforos();
        Consulta c(gConexion, QStringLiteral("select nombre, estado from semaforos order by nombre"));
        QStringList filas;
        while (c.siguiente())
            filas << c.texto(QStringLiteral("nombre")) + QLatin1Char('=') + c.texto(QStringLiteral("estado"));
        QCOMPARE(filas, QStringList({QStringLiteral("SemaforoBono=rojo"), QStringLiteral("SemaforoFactura=verde"),
                                     QStringLiteral("SemaforoSalidaProd=verde"),
                                     QStringLiteral("SemaforoVentaTemp=verde")}));
    }

    void borrarAntiguos()
    {
        for (const char* indice : {"SemaforoFactura", "Semaforo", "SEMAFOROBono", "Bonos", "ActivaSemaforos"})
            gConexion.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, daton) values (?, 1)"),
                               {QString::fromLatin1(indice)});
        gConexion.ejecutar(QStringLiteral("insert into semaforos (nombre, estado) values ('SemaforoFactura', 'rojo')"));
        BorrarSemaforosAntiguos();
        Consulta c(gConexion, QStringLiteral("select indice from relaciones_fijas order by indice"));
        QStringList quedan;
        while (c.siguiente())
            quedan << c.texto(QStringLiteral("indice"));
        QCOMPARE(quedan, QStringList({QStringLiteral("ActivaSemaforos"), QStringLiteral("Bonos")}));
        QCOMPARE(estado(QStringLiteral("SemaforoFactura")), QStringLiteral("rojo"));
    }

    void tomarYSoltar()
    {
        encender();
        ObservadorEspera observador;
        QVERIFY(SemaforoLibre(QStringLiteral("Factura")));
        TomarSemaforo(QStringLiteral("Factura"));
        QCOMPARE(estado(QStringLiteral("SemaforoFactura")), QStringLiteral("rojo"));
        QVERIFY(!SemaforoLibre(QStringLiteral("Factura")));
        QCOMPARE(estado(QStringLiteral("SemaforoBono")), QStringLiteral("verde"));
        LiberarSemaforo(QStringLiteral("Factura"));
        QCOMPARE(estado(QStringLiteral("SemaforoFactura")), QStringLiteral("verde"));
        QVERIFY(SemaforoLibre(QStringLiteral("Factura")));
        QVERIFY(observador.vueltas.isEmpty());
    }

    // Apagados no hacen nada: ni marcan, ni esperan, ni cierran la conexión
    // (una tabla temporal es de la conexión y desaparece al reabrir)
    void apagadosYEncendidos()
    {
        CrearSemaforos();
        ponerEstado(QStringLiteral("SemaforoBono"), QStringLiteral("rojo"));
        gConexion.ejecutar(QStringLiteral("create temporary table marca_conexion (x integer)"));
        ObservadorEspera observador;

        TomarSemaforo(QStringLiteral("Factura"));
        TomarSemaforo(QStringLiteral("Bono"));
        LiberarSemaforo(QStringLiteral("Bono"));
        QVERIFY(observador.vueltas.isEmpty());
        QCOMPARE(estado(QStringLiteral("SemaforoFactura")), QStringLiteral("verde"));
        QCOMPARE(estado(QStringLiteral("SemaforoBono")), QStringLiteral("rojo"));
        gConexion.ejecutar(QStringLiteral("insert into marca_conexion values (1)"));
        // Apagados tampoco estorba una transacción abierta
        {
            Transaccion t(gConexion);
            TomarSemaforo(QStringLiteral("Factura"));
            QVERIFY(gConexion.enTransaccion());
            t.confirmar();
        }

        // Encendidos, tomar no cierra la conexión: la tabla temporal sigue ahí
        encender();
        TomarSemaforo(QStringLiteral("Factura"));
        QCOMPARE(gConexion.ejecutar(QStringLiteral("insert into marca_conexion values (2)")), 1);
        QCOMPARE(estado(QStringLiteral("SemaforoFactura")), QStringLiteral("rojo"));
    }

    void encendidosConTransaccionAbiertaSeRechaza()
    {
        encender();
        Transaccion t(gConexion);
        gConexion.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, daton) values ('Pendiente', 1)"));
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, TomarSemaforo(QStringLiteral("Factura")));
        QVERIFY(gConexion.enTransaccion());
        t.confirmar();
        QCOMPARE(SesionPrueba::datonDe(gConexion, QStringLiteral("Pendiente")).toInt(), 1);
        QCOMPARE(estado(QStringLiteral("SemaforoFactura")), QStringLiteral("verde"));
    }

    // El de la segunda serie no se crea al arrancar: sin fila ni espera ni marca
    void sinFilaNoEspera()
    {
        encender();
        ObservadorEspera observador;
        TomarSemaforo(QStringLiteral("FacturaPeruChile"));
        QVERIFY(observador.vueltas.isEmpty());
        QCOMPARE(estado(QStringLiteral("SemaforoFacturaPeruChile")), QStringLiteral("(sin fila)"));
        QVERIFY(SemaforoLibre(QStringLiteral("FacturaPeruChile")));
        LiberarSemaforo(QStringLiteral("FacturaPeruChile"));
        QCOMPARE(estado(QStringLiteral("SemaforoFacturaPeruChile")), QStringLiteral("(sin fila)"));
    }

    // Un puesto que se cayó con el semáforo tomado: el siguiente espera las
    // 25 vueltas (0 a 24) y sigue
    void rojoAbandonado()
    {
        encender();
        ponerEstado(QStringLiteral("SemaforoFactura"), QStringLiteral("rojo"));
        ObservadorEspera observador;
        TomarSemaforo(QStringLiteral("Factura"));
        QCOMPARE(observador.vueltas, vueltasHasta(25));
        QCOMPARE(estado(QStringLiteral("SemaforoFactura")), QStringLiteral("rojo"));
        LiberarSemaforo(QStringLiteral("Factura"));
        QCOMPARE(estado(QStringLiteral("SemaforoFactura")), QStringLiteral("verde"));
    }

    // El otro puesto lo suelta durante la tercera vuelta: se toma al acabarla
    void soltadoDuranteLaEspera()
    {
        encender();
        ponerEstado(QStringLiteral("SemaforoBono"), QStringLiteral("rojo"));
        Conexion otroPuesto;
        otroPuesto.abrir(m_db->tienda());
        ObservadorEspera observador;
        observador.alMostrar = [&](int vez) {
            if (vez == 2)
                otroPuesto.ejecutar(QStringLiteral("update semaforos set estado='verde' where nombre = 'SemaforoBono'"));
        };
        TomarSemaforo(QStringLiteral("Bono"));
        QCOMPARE(observador.vueltas, vueltasHasta(3));
        QCOMPARE(estado(QStringLiteral("SemaforoBono")), QStringLiteral("rojo"));
        QCOMPARE(estado(QStringLiteral("SemaforoFactura")), QStringLiteral("verde"));
    }

    // Un estado que no es ni rojo ni verde cuenta como libre y se toma
    void estadoDesconocido()
    {
        encender();
        ponerEstado(QStringLiteral("SemaforoVentaTemp"), QStringLiteral("ambar"));
        ObservadorEspera observador;
        TomarSemaforo(QStringLiteral("VentaTemp"));
        QVERIFY(observador.vueltas.isEmpty());
        QCOMPARE(estado(QStringLiteral("SemaforoVentaTemp")), QStringLiteral("rojo"));
    }
};

QTEST_MAIN(TstSemaforos)
#include "tst_semaforos.moc"
