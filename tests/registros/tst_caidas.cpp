// Un puesto que se cae (SIGKILL) justo antes y justo después de cada
// escritura de cada acción: la venta en las dos series y en cada forma de
// pago, con deuda y con depósito, la modificación, la anulación y el borrado
// con abono. Tras cada caída la base está entera: cada acción está toda o no
// está, los contadores van por delante de los números usados, las facturas y
// los abonos no tienen huecos ni repetidos y SQLite dice "ok". Con los
// semáforos apagados, salvo en la prueba de uno que se queda en rojo.
#include "SesionPrueba.h"
#include "datos/Semaforos.h"

#include <QProcess>
#include <QTest>

namespace {

constexpr int kDeposito = 100000;

struct Salida {
    bool caido = false;
    int codigo = -1;
    QByteArray texto;
};

Salida puesto(const QString& suite, const QString& accion, int k, bool despues)
{
    QProcess p;
    p.start(QStringLiteral(PUESTO_CAIDA), {suite, accion, QString::number(k), despues ? "despues" : "antes"});
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::CrashExit, p.exitCode(), p.readAllStandardOutput() + p.readAllStandardError()};
}

int n(const QString& sql)
{
    return SesionPrueba::filas(gConexion, sql);
}

// Todo lo que tiene que cumplirse después de cualquier caída; "" si se cumple
QString incoherencia()
{
    for (const char* s : {"", "_1"})
        if (SesionPrueba::ventasAMedias(gConexion, s) != 0)
            return QStringLiteral("una venta a medias en la serie «%1»").arg(QLatin1String(s));
    const QList<std::pair<const char*, const char*>> reglas{
        {"un bono que no cuadra con su factura",
         "select count(*) from cabecera_bonos b where not exists (select 1 from detalle_factura d join "
         "cabecera_factura f on f.numero = d.num_factura where b.facturaperuchile = 0 and d.num_factura = "
         "b.num_factura and d.unidades = b.num_sesiones and d.precio = b.precio and f.total = b.precio) and not "
         "exists (select 1 from detalle_factura_1 d join cabecera_factura_1 f on f.numero = d.num_factura where "
         "b.facturaperuchile = -1 and d.num_factura = b.num_factura and d.unidades = b.num_sesiones and d.precio = "
         "b.precio and f.total = b.precio)"},
        {"una modificación sin su historial",
         "select (select count(*) from cabecera_bonos where precio = 77) - (select count(*) from historial where "
         "operacion = '12')"},
        {"una baja sin su historial",
         "select (select count(*) from cabecera_bonos where estado = -1) - (select count(*) from historial where "
         "operacion = '33')"},
        {"un abono sin su línea o sin su bono dado de baja",
         "select count(*) from cabecera_abono a where (select count(*) from detalle_abono d where d.num_abono = "
         "a.numero) <> 1 or not exists (select 1 from cabecera_bonos b where b.num_factura = a.num_factura and "
         "b.facturaperuchile = 0 and b.estado = -1)"},
        {"un contador detrás de un número usado",
         "select count(*) from relaciones_fijas r where (r.indice = 'Factura' and r.daton <> (select coalesce(max("
         "numero), 99) + 1 from cabecera_factura)) or (r.indice = 'FacturaPeruChile' and r.daton <> (select "
         "coalesce(max(numero), 199) + 1 from cabecera_factura_1)) or (r.indice = 'Abonos' and r.daton <> (select "
         "coalesce(max(numero), 499) + 1 from cabecera_abono)) or (r.indice = 'Bonos' and r.daton <= (select "
         "coalesce(max(numbono), 0) from cabecera_bonos)) or (r.indice = 'PagosCuenta' and r.daton <= (select "
         "coalesce(max(num_pago), 0) from cabecera_pago))"},
        {"un hueco o un repetido en las facturas o los abonos",
         "select (select count(*) - count(distinct numero) + coalesce(max(numero) - min(numero) + 1 - count(*), 0) "
         "from cabecera_factura) + (select count(*) - count(distinct numero) + coalesce(max(numero) - min(numero) + "
         "1 - count(*), 0) from cabecera_factura_1) + (select count(*) - count(distinct numero) + coalesce(max("
         "numero) - min(numero) + 1 - count(*), 0) from cabecera_abono)"},
        {"un depósito que no cuadra con lo cobrado de él",
         "select count(*) from clientes where codigo = 1 and dindep + 50 * (select count(*) from cabecera_factura "
         "where pago = 4) <> 100000"},
    };
    for (const auto& [que, sql] : reglas)
        if (n(QString::fromLatin1(sql)) != 0)
            return QString::fromUtf8(que);
    if (gConexion.motor() == Motor::SQLite) {
        Consulta c(gConexion, QStringLiteral("pragma integrity_check"));
        if (!c.siguiente() || c.valor(0).toString() != QLatin1String("ok"))
            return QStringLiteral("SQLite dice que la base está dañada");
    }
    return {};
}

}  // namespace

class TstCaidas : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    QString m_motor;
    int m_puntos = 0;

    void preparar()
    {
        QFETCH_GLOBAL(QString, motor);
        if (m_motor == motor)
            return;  // la base sigue de una acción a la siguiente, como en una tienda
        SesionPrueba::cerrar();
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        SesionPrueba::abrir(*m_db);
        m_motor = motor;
        for (const auto& [indice, n] : {std::pair{"Factura", 100}, {"FacturaPeruChile", 200}, {"Bonos", 300},
                                        {"PagosCuenta", 40}, {"Abonos", 500}})
            SesionPrueba::ponerContador(gConexion, QLatin1String(indice), n);
        SesionPrueba::activarSemaforos(gConexion, QStringLiteral("NO"));
        gConexion.ejecutar(QStringLiteral("insert into clientes (codigo, nombre, tienda, dindep, activardindep) "
                                          "values (1, 'Ana', 'Centro', ?, -1)"),
                           {kDeposito});
    }

private Q_SLOTS:
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void cleanupTestCase()
    {
        qInfo("Puntos de caída probados: %d", m_puntos);
        SesionPrueba::cerrar();
        m_db.reset();
    }

    void caidas_data()
    {
        QTest::addColumn<QString>("accion");
        for (const char* a : {"venta1", "venta2", "deuda", "mixto", "deposito", "modificar", "anular", "borrar"})
            QTest::newRow(a) << QString::fromLatin1(a);
    }
    void caidas()
    {
        QFETCH(QString, accion);
        preparar();
        const QString suite = m_db->carpeta() + QStringLiteral("/suite.ini");
        // Entera, para saber cuántas escrituras tiene
        Salida s = puesto(suite, accion, 0, false);
        QVERIFY2(!s.caido && s.codigo == 0, s.texto.constData());
        const int escrituras = s.texto.split(' ').value(1).trimmed().toInt();
        QVERIFY2(escrituras > 0, s.texto.constData());
        QCOMPARE(incoherencia(), QString());
        for (int k = 1; k <= escrituras; ++k) {
            for (bool despues : {false, true}) {
                s = puesto(suite, accion, k, despues);
                const QString donde = QStringLiteral("%1, %2 de la escritura %3").arg(accion, despues ? "después" : "antes").arg(k);
                QVERIFY2(s.caido, qPrintable(donde + QStringLiteral(": no se cayó\n") + QString::fromUtf8(s.texto)));
                ++m_puntos;
                const QString mal = incoherencia();
                QVERIFY2(mal.isEmpty(), qPrintable(donde + QStringLiteral(": ") + mal));
            }
        }
        // Y después de tanta caída, el puesto sigue trabajando
        s = puesto(suite, accion, 0, false);
        QVERIFY2(!s.caido && s.codigo == 0, s.texto.constData());
        QCOMPARE(incoherencia(), QString());
    }

    // Un puesto que se cae con el semáforo de las facturas en rojo: el arranque
    // no lo toca (las filas que ya hay guardan su estado), y quien lo pide
    // después espera sus vueltas, vende y lo deja en verde
    void semaforoTrasCaida()
    {
        preparar();
        SesionPrueba::activarSemaforos(gConexion, QStringLiteral("SI"));
        gSemaforosActivos = false;
        CrearSemaforos();
        const QString suite = m_db->carpeta() + QStringLiteral("/suite.ini");
        Salida s = puesto(suite, QStringLiteral("venta1"), 1, true);
        QVERIFY2(s.caido, s.texto.constData());
        const QString enRojo = QStringLiteral("select count(*) from semaforos where estado <> 'verde'");
        QCOMPARE(n(enRojo), 1);
        QCOMPARE(incoherencia(), QString());
        s = puesto(suite, QStringLiteral("venta1"), 0, false);
        QVERIFY2(!s.caido && s.codigo == 0, s.texto.constData());
        QVERIFY2(s.texto.contains(" VUELTAS " + QByteArray::number(kVueltasMaximasSemaforo)),
                 "no esperó las vueltas del semáforo en rojo");
        QCOMPARE(n(enRojo), 0);
        QCOMPARE(incoherencia(), QString());
        SesionPrueba::activarSemaforos(gConexion, QStringLiteral("NO"));
    }
};

QTEST_MAIN(TstCaidas)
#include "tst_caidas.moc"
