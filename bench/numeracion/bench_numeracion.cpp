// Números sacados por segundo con 1, 2, 4 y 8 puestos (procesos) a la vez, en
// cada motor, al lado de la misma sentencia lanzada a pelo por el cliente del
// motor (sqlite3, psql) con el mismo número de procesos.
//   bench_numeracion [números por medida, 4000 por defecto] [con semáforos, 200]
// PostgreSQL si se da TARVELO_PG="host=... port=... user=...".
#include "BaseDatosPrueba.h"
#include "datos/Consulta.h"
#include "plataforma/ConfiguracionSuite.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <memory>
#include <vector>

namespace {

const QString kSentencia = QStringLiteral(
    "update relaciones_fijas set daton = daton + 1 where indice = 'Factura' returning daton - 1 as numero;");

QTextStream& salida()
{
    static QTextStream s(stdout);
    return s;
}

void ponerSemaforos(const ParametrosConexion& p, bool activos)
{
    Conexion c;
    c.abrir(p);
    c.ejecutar(QStringLiteral("delete from relaciones_fijas where indice in ('Factura', 'ActivaSemaforos')"));
    c.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, daton) values ('Factura', 1)"));
    c.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, datoa) values ('ActivaSemaforos', ?)"),
               {activos ? QStringLiteral("SI") : QStringLiteral("NO")});
    c.ejecutar(QStringLiteral("delete from semaforos"));
    c.ejecutar(QStringLiteral("insert into semaforos (nombre, estado) values ('SemaforoFactura', 'verde')"));
}

int contador(const ParametrosConexion& p)
{
    Conexion c;
    c.abrir(p);
    Consulta q(c, QStringLiteral("select daton from relaciones_fijas where indice = 'Factura'"));
    return q.siguiente() ? q.entero(QStringLiteral("daton")) : -1;
}

void esperarTodos(std::vector<std::unique_ptr<QProcess>>& procesos)
{
    for (auto& p : procesos) {
        p->waitForFinished(-1);
        if (p->exitStatus() != QProcess::NormalExit || p->exitCode() != 0)
            qFatal("un proceso falló: %s", p->readAllStandardError().constData());
    }
}

// Números por segundo de P puestos del programa, contados desde que todos están conectados
double medirPrograma(const BaseDatosPrueba::Temporal& db, int puestos, int total, bool semaforos)
{
    ponerSemaforos(db.tienda(), semaforos);
    const int cada = total / puestos;
    std::vector<std::unique_ptr<QProcess>> procesos;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (int i = 0; i < puestos; ++i) {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(entorno);
        p->start(QCoreApplication::applicationDirPath() + QStringLiteral("/puesto_medida"),
                 {db.carpeta() + QStringLiteral("/suite.ini"), QString::number(cada)});
        procesos.push_back(std::move(p));
    }
    for (auto& p : procesos)
        while (!p->canReadLine())
            if (!p->waitForReadyRead(30000))
                qFatal("un puesto no llegó a conectarse: %s", p->readAllStandardError().constData());
    QElapsedTimer reloj;
    reloj.start();
    for (auto& p : procesos)
        p->write("ya\n");
    esperarTodos(procesos);
    const double segundos = reloj.nsecsElapsed() / 1e9;
    if (contador(db.tienda()) != 1 + cada * puestos)
        qFatal("el contador no cuadra");
    return cada * puestos / segundos;
}

// La misma sentencia, N veces por proceso, con el cliente del motor
double medirCliente(const BaseDatosPrueba::Temporal& db, const QString& motor, int puestos, int total)
{
    ponerSemaforos(db.tienda(), false);
    const int cada = total / puestos;
    const QString guion = db.carpeta() + QStringLiteral("/guion.sql");
    {
        QFile f(guion);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("no se puede escribir el guion");
        QTextStream t(&f);
        if (motor == QLatin1String("sqlite"))
            t << ".timeout 30000\nPRAGMA synchronous=NORMAL;\n";
        for (int i = 0; i < cada; ++i)
            t << kSentencia << '\n';
    }
    const ParametrosConexion& p = db.tienda();
    std::vector<std::unique_ptr<QProcess>> procesos;
    QElapsedTimer reloj;
    reloj.start();
    for (int i = 0; i < puestos; ++i) {
        auto proc = std::make_unique<QProcess>();
        proc->setStandardOutputFile(QProcess::nullDevice());
        if (motor == QLatin1String("sqlite")) {
            proc->setStandardInputFile(guion);
            proc->start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), p.baseDatos});
        } else {
            proc->start(QStringLiteral("psql"), {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                                                 QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), p.servidor,
                                                 QStringLiteral("-p"), QString::number(p.puerto), QStringLiteral("-U"),
                                                 p.usuario, QStringLiteral("-d"), p.baseDatos, QStringLiteral("-f"),
                                                 guion});
        }
        procesos.push_back(std::move(proc));
    }
    esperarTodos(procesos);
    const double segundos = reloj.nsecsElapsed() / 1e9;
    if (contador(db.tienda()) != 1 + cada * puestos)
        qFatal("el contador no cuadra tras el cliente");
    return cada * puestos / segundos;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int total = argc > 1 ? QByteArray(argv[1]).toInt() : 4000;
    const int totalSemaforos = argc > 2 ? QByteArray(argv[2]).toInt() : 200;
    salida() << "Números por segundo (" << total << " por medida; con semáforos, " << totalSemaforos
             << " y la espera de turno a escala real)\n";
    salida() << qSetFieldWidth(11) << Qt::left << "motor" << "puestos" << "programa" << "semáforos" << "cliente"
             << "prog/cli" << "sem/cli" << qSetFieldWidth(0) << "\n";
    for (const QString& motor : BaseDatosPrueba::motores()) {
        BaseDatosPrueba::Temporal db(motor);
        ConfiguracionSuite::ponerRuta(db.carpeta() + QStringLiteral("/suite.ini"));
        ConfiguracionSuite::guardarTienda(db.tienda());
        for (int puestos : {1, 2, 4, 8}) {
            const double programa = medirPrograma(db, puestos, total, false);
            const double semaforos = medirPrograma(db, puestos, totalSemaforos, true);
            const double cliente = medirCliente(db, motor, puestos, total);
            salida() << qSetFieldWidth(11) << Qt::left << motor << puestos << qSetRealNumberPrecision(0) << Qt::fixed
                     << programa << semaforos << cliente << qSetRealNumberPrecision(2) << programa / cliente
                     << semaforos / cliente << qSetFieldWidth(0) << Qt::reset << "\n";
            salida().flush();
        }
    }
    return 0;
}
