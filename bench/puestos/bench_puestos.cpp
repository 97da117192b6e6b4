// Ocho puestos (procesos) × 500 ventas de bono a la vez sobre la misma base,
// en cada motor: ventas por segundo, percentil 95 del tiempo de guardar una
// venta, números repetidos, ventas perdidas y si cuadran los totales.
//   bench_puestos [ventas por puesto, 500] [puestos, 8] [--semaforos]
// PostgreSQL si se da TARVELO_PG="host=... port=... user=...".
#include "SesionMedida.h"
#include "SesionPrueba.h"
#include "datos/Semaforos.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QTextStream>
#include <memory>
#include <vector>

namespace {

// Series en rangos apartados: un pago a cuenta se cuadra con su factura por el número
constexpr int kPrimeraFactura[2] = {1, 1000000};

struct Resultado {
    double porSegundo = 0;
    double p95 = 0;       // ms
    double mediana = 0;   // ms
    int repetidas = 0;    // números de factura dados dos veces, en cualquier serie
    int perdidas = 0;     // vendidas que no están en la base, o en la base sin haberse vendido
    bool cuadran = false; // suma de lo vendido = suma de las facturas; pagos a cuenta = ventas con resto
};

Resultado medir(const QString& motor, int puestos, int ventas, bool semaforos)
{
    BaseDatosPrueba::Temporal db(motor);
    SesionPrueba::abrir(db);
    SesionPrueba::ponerContador(gConexion, QStringLiteral("Factura"), kPrimeraFactura[0]);
    SesionPrueba::ponerContador(gConexion, QStringLiteral("FacturaPeruChile"), kPrimeraFactura[1]);
    for (const char* c : {"Bonos", "PagosCuenta"})
        SesionPrueba::ponerContador(gConexion, QLatin1String(c), 1);
    SesionPrueba::activarSemaforos(gConexion, semaforos ? QStringLiteral("SI") : QStringLiteral("NO"));
    gSemaforosActivos = false;
    CrearSemaforos();
    CrearSemaforo(QStringLiteral("FacturaPeruChile"));

    std::vector<std::unique_ptr<QProcess>> procesos;
    QElapsedTimer reloj;
    reloj.start();
    for (int i = 0; i < puestos; ++i) {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(PUESTO_VENTA),
                 {db.carpeta() + QStringLiteral("/suite.ini"), QString::number(ventas), QString::number(i + 1)});
        procesos.push_back(std::move(p));
    }
    QList<double> tiempos;
    QList<int> facturas[2];
    double vendido = 0;
    int conResto = 0;
    for (auto& p : procesos) {
        p->waitForFinished(-1);
        if (p->exitStatus() != QProcess::NormalExit || p->exitCode() != 0)
            QTextStream(stderr) << "Un puesto falló: " << p->readAllStandardError() << Qt::endl;
        for (const QByteArray& linea : p->readAllStandardOutput().split('\n')) {
            const QList<QByteArray> c = linea.split(' ');
            if (c.size() != 6 || c[0] != "V")
                continue;
            facturas[c[1].toInt()] << c[2].toInt();
            vendido += c[3].toDouble();
            conResto += c[4].toInt() > 0;
            tiempos << c[5].toDouble() / 1000.0;
        }
    }
    const double segundos = reloj.nsecsElapsed() / 1e9;

    Resultado r;
    r.porSegundo = tiempos.size() / segundos;
    r.p95 = SesionMedida::percentil(tiempos, 0.95);
    r.mediana = SesionMedida::percentil(tiempos, 0.5);
    for (int s : {0, 1}) {
        r.repetidas += int(facturas[s].size() - QSet<int>(facturas[s].begin(), facturas[s].end()).size());
        QList<int> enBase;
        Consulta q(gConexion, QStringLiteral("select numero from cabecera_factura%1").arg(s ? "_1" : ""));
        while (q.siguiente())
            enBase << q.entero(QStringLiteral("numero"));
        const QSet<int> vendidas(facturas[s].begin(), facturas[s].end());
        const QSet<int> guardadas(enBase.begin(), enBase.end());
        r.perdidas += int((vendidas - guardadas).size() + (guardadas - vendidas).size());
    }
    r.perdidas += puestos * ventas - int(tiempos.size());
    Consulta suma(gConexion, QStringLiteral("select (select sum(total) from cabecera_factura) + "
                                            "(select sum(total) from cabecera_factura_1) as suma"));
    suma.siguiente();
    const bool sumas = qRound64(suma.numero(QStringLiteral("suma")) * 100) == qRound64(vendido * 100);
    const int pagos = SesionPrueba::filas(gConexion, QStringLiteral("select count(*) from cabecera_pago where importe = 5"));
    const int aMedias = SesionPrueba::ventasAMedias(gConexion, "") + SesionPrueba::ventasAMedias(gConexion, "_1");
    r.cuadran = sumas && pagos == conResto && aMedias == 0;
    if (!r.cuadran)
        QTextStream(stderr) << motor << ": total " << suma.numero(QStringLiteral("suma")) << " frente a " << vendido
                            << ", pagos a cuenta " << pagos << " frente a " << conResto << ", a medias " << aMedias
                            << Qt::endl;
    SesionPrueba::cerrar();
    return r;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool semaforos = args.removeAll(QStringLiteral("--semaforos")) > 0;
    const int ventas = args.value(0, QStringLiteral("500")).toInt();
    const int puestos = args.value(1, QStringLiteral("8")).toInt();
    QTextStream salida(stdout);
    salida << puestos << " puestos × " << ventas << " ventas, semáforos " << (semaforos ? "sí" : "no") << "\n"
           << "motor        ventas/s  mediana ms  p95 ms  repetidas  perdidas  totales\n";
    for (const QString& motor : BaseDatosPrueba::motores()) {
        const Resultado r = medir(motor, puestos, ventas, semaforos);
        salida << QStringLiteral("%1 %2 %3 %4 %5 %6  %7\n")
                      .arg(motor, -10)
                      .arg(r.porSegundo, 9, 'f', 1)
                      .arg(r.mediana, 11, 'f', 1)
                      .arg(r.p95, 7, 'f', 1)
                      .arg(r.repetidas, 10)
                      .arg(r.perdidas, 9)
                      .arg(r.cuadran ? QStringLiteral("cuadran") : QStringLiteral("NO CUADRAN"));
        salida.flush();
    }
    return 0;
}
