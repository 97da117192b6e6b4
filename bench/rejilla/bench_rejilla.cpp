// Medida: llenar una rejilla de las listas de bonos con 100.000 filas desde
// la base de datos (LlenarRejilla) frente a un QTableWidget con las mismas
// celdas, en cada motor: tiempo, memoria, orden por una columna y filtro.
//   bench_rejilla [filas]      (TARVELO_PG para medir también PostgreSQL)
#include "BaseDatosPrueba.h"
#include "datos/Consulta.h"
#include "datos/Transaccion.h"
#include "datos/Valores.h"
#include "plataforma/widgets/GestorRejillas.h"
#include "plataforma/widgets/Rejilla.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTableWidget>
#include <algorithm>
#include <malloc.h>

namespace {

const QString kTitulos = QStringLiteral(
    "Numero;Cliente;Servicio;F.Alta;Empleado;Sesio.;Ses. Utl.;Precio;COD.CLIENTE;cod. Servicio;F.Desde;F.Hasta;F Pago;Cod FPago");
const QString kFormato = QStringLiteral(
    "800/centrado;1800/izquierda;2850/Izquierda;1150/Centrado;1000/izquierda;800/Centrado;1000/Centrado;1000/Centrado;"
    "0/DERECHA;0/DERECHA;0/DERECHA;0/DERECHA;1000/Izquierda;0/Derecha");
const QString kConsulta = QStringLiteral(
    "select numbono, nombre & ' ' & apellidos as nomCli, servicio, fecha_alta, empleado, num_sesiones, ' ', precio, "
    "cliente, cod_servicio, fecha_desde, fecha_hasta, fpago, cod_fpago from bonos_medida order by numbono desc");

// Memoria residente del proceso en KiB
long residente()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linea : f.readAll().split('\n'))
        if (linea.startsWith("VmRSS:"))
            return linea.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

void soltarMemoria()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    malloc_trim(0);
}

void sembrar(Conexion& con, int filas)
{
    con.ejecutar(QStringLiteral(
        "create table bonos_medida (numbono integer, nombre varchar(50), apellidos varchar(50), servicio varchar(50), "
        "fecha_alta date, empleado varchar(50), num_sesiones integer, precio double precision, cliente integer, "
        "cod_servicio integer, fecha_desde date, fecha_hasta date, fpago varchar(30), cod_fpago integer)"));
    const QStringList nombres = {"Lucía", "Ana", "Marta", "Rosa", "Carmen", "Pilar", "Nuria", "Elena"};
    const QStringList apellidos = {"Pérez", "García", "López", "Martín", "Sánchez", "Gil", "Ruiz", "Ortega"};
    const QStringList servicios = {"Corte señora", "Tinte raíz", "Manicura", "Depilación láser", "Masaje"};
    const QStringList pagos = {"Efectivo", "Tarjeta", "Mixto"};
    constexpr int kPorSentencia = 200;  // 14 valores por fila
    QString sentencia = QStringLiteral("insert into bonos_medida values ");
    for (int i = 0; i < kPorSentencia; ++i)
        sentencia += (i ? QStringLiteral(",") : QString()) + QStringLiteral("(?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    const QDate hoy = QDate(2024, 6, 1);
    Transaccion t(con);
    QVariantList valores;
    for (int n = 1; n <= filas; ++n) {
        const QDate alta = hoy.addDays(-(n % 700));
        valores << n << nombres.at(n % nombres.size()) << apellidos.at((n / 8) % apellidos.size())
                << servicios.at(n % servicios.size()) << alta << QStringLiteral("Empleada %1").arg(n % 12)
                << (5 + n % 10) << (n % 97) * 7.35 << (n % 5000) << (n % 40) << alta << alta.addYears(1)
                << pagos.at(n % pagos.size()) << (1 + n % 3);
        if (n % kPorSentencia == 0) {
            con.ejecutar(sentencia, valores);
            valores.clear();
        }
    }
    if (!valores.isEmpty()) {
        QString resto = QStringLiteral("insert into bonos_medida values ");
        for (int i = 0; i < valores.size() / 14; ++i)
            resto += (i ? QStringLiteral(",") : QString()) + QStringLiteral("(?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        con.ejecutar(resto, valores);
    }
    t.confirmar();
}

struct Medida {
    double llenar = 0;  // ms
    double ordenar = 0;
    double filtrar = 0;
    long kib = 0;
};

Medida medirRejilla(Conexion& con)
{
    Medida m;
    soltarMemoria();
    const long antes = residente();
    QElapsedTimer reloj;
    auto* r = new Rejilla;
    r->resize(1000, 600);
    reloj.start();
    GestorRejillas g;
    g.PrepararRejilla(*r, kTitulos, kFormato);
    g.LlenarRejilla(con, kConsulta, *r);
    r->show();
    QCoreApplication::processEvents();
    m.llenar = reloj.nsecsElapsed() / 1e6;
    malloc_trim(0);
    m.kib = residente() - antes;
    reloj.restart();
    r->ordenar(1, Rejilla::Orden::Ascendente);
    QCoreApplication::processEvents();
    m.ordenar = reloj.nsecsElapsed() / 1e6;
    // Filtro de cliente de las listas: oculta las filas que no contienen "AN"
    reloj.restart();
    const int altoTitulos = r->altoFila(0);
    for (int f = 1; f < r->filas(); ++f)
        r->ponerAltoFila(f, r->texto(f, 1).toUpper().contains(QLatin1String("AN")) ? altoTitulos : 0);
    QCoreApplication::processEvents();
    m.filtrar = reloj.nsecsElapsed() / 1e6;
    delete r;
    return m;
}

Medida medirTableWidget(Conexion& con)
{
    Medida m;
    soltarMemoria();
    const long antes = residente();
    QElapsedTimer reloj;
    auto* t = new QTableWidget;
    t->resize(1000, 600);
    reloj.start();
    t->setColumnCount(14);
    t->setHorizontalHeaderLabels(kTitulos.split(QLatin1Char(';')));
    {
        Consulta c(con, kConsulta);
        int fila = 0;
        // Filas por bloques: crecer de una en una cuesta mucho más
        while (c.siguiente()) {
            if (fila == t->rowCount())
                t->setRowCount(fila + 10000);
            for (int i = 0; i < 14; ++i)
                t->setItem(fila, i, new QTableWidgetItem(GestorRejillas::textoDeValor(c.valor(i))));
            ++fila;
        }
        t->setRowCount(fila);
    }
    t->show();
    QCoreApplication::processEvents();
    m.llenar = reloj.nsecsElapsed() / 1e6;
    malloc_trim(0);
    m.kib = residente() - antes;
    reloj.restart();
    t->sortItems(1, Qt::AscendingOrder);
    QCoreApplication::processEvents();
    m.ordenar = reloj.nsecsElapsed() / 1e6;
    reloj.restart();
    for (int f = 0; f < t->rowCount(); ++f)
        t->setRowHidden(f, !t->item(f, 1)->text().toUpper().contains(QLatin1String("AN")));
    QCoreApplication::processEvents();
    m.filtrar = reloj.nsecsElapsed() / 1e6;
    delete t;
    return m;
}

// Lo que cuesta solo leer la consulta, sin rejilla: la parte de la base de datos
Medida medirConsulta(Conexion& con)
{
    Medida m;
    QElapsedTimer reloj;
    reloj.start();
    Consulta c(con, kConsulta);
    qsizetype leidos = 0;
    while (c.siguiente())
        for (int i = 0; i < 14; ++i)
            leidos += c.valor(i).isValid();
    m.llenar = reloj.nsecsElapsed() / 1e6;
    Q_ASSERT(leidos > 0);
    return m;
}

Medida mediana(QList<Medida> v)
{
    auto med = [&](auto campo) {
        QList<double> x;
        for (const Medida& m : v)
            x.append(double(m.*campo));
        std::sort(x.begin(), x.end());
        return x.at(x.size() / 2);
    };
    Medida r;
    r.llenar = med(&Medida::llenar);
    r.ordenar = med(&Medida::ordenar);
    r.filtrar = med(&Medida::filtrar);
    r.kib = long(med(&Medida::kib));
    return r;
}

void imprimir(const char* motor, const char* que, const Medida& m)
{
    std::printf("%-11s %-13s %10.0f %10.0f %10.0f %10.1f\n", motor, que, m.llenar, m.ordenar, m.filtrar, m.kib / 1024.0);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int filas = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    Valores::ponerRegionales(AjustesRegionales::espanoles());
    constexpr int kVueltas = 3;
    std::printf("%d filas, 14 columnas; mediana de %d vueltas\n", filas, kVueltas);
    std::printf("%-11s %-13s %10s %10s %10s %10s\n", "motor", "rejilla", "llenar ms", "ordenar ms", "filtrar ms",
                "memoria MiB");
    for (const QString& motor : BaseDatosPrueba::motores()) {
        BaseDatosPrueba::Temporal db(motor, BaseDatosPrueba::Contenido::Vacia);
        Conexion con;
        con.abrir(db.tienda());
        sembrar(con, filas);
        QList<Medida> rejilla, tabla, consulta;
        for (int i = 0; i < kVueltas; ++i) {
            consulta.append(medirConsulta(con));
            rejilla.append(medirRejilla(con));
            tabla.append(medirTableWidget(con));
        }
        imprimir(qPrintable(motor), "solo consulta", mediana(consulta));
        imprimir(qPrintable(motor), "Rejilla", mediana(rejilla));
        imprimir(qPrintable(motor), "QTableWidget", mediana(tabla));
        std::fflush(stdout);
    }
    return 0;
}
