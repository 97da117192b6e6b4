// Ventas de bono guardadas por segundo (solo los registros: factura, bono,
// en su transacción) en cada motor, al lado de las mismas sentencias
// lanzadas a pelo por el cliente del motor (sqlite3, psql) en un proceso.
//   bench_registro [ventas por medida, 500 por defecto]
// PostgreSQL si se da TARVELO_PG="host=... port=... user=...".
#include "BaseDatosPrueba.h"
#include "SesionPrueba.h"
#include "datos/Valores.h"
#include "registros/RegistroVenta.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>

namespace {

void ponerContadores(Conexion& c)
{
    for (const char* indice : {"Factura", "FacturaPeruChile", "Bonos", "PagosCuenta"})
        SesionPrueba::ponerContador(c, QLatin1String(indice), 1);
}

double medirPrograma(int ventas)
{
    VentaEnCurso v;
    v.codCliente = QStringLiteral("1");
    v.codServicio = 1;
    v.nomServicio = QStringLiteral("Corte");
    v.clavePrecio = QStringLiteral("1|Corte|10|21|10|1,73553719008264");
    v.nomEmpleado = QStringLiteral("Marta L");
    v.codEmpleado = 1;
    v.formaPago = 1;
    v.sesiones = QStringLiteral("2");
    v.precio = v.entrega = QStringLiteral("20");
    v.fechaAlta = QStringLiteral("14/03/2025");
    v.desde = QDate(2025, 3, 14);
    v.hasta = QDate(2026, 3, 14);
    ponerContadores(gConexion);
    QElapsedTimer reloj;
    reloj.start();
    for (int i = 0; i < ventas; ++i)
        RegistrarVenta(SerieFactura::Primera, v);
    const double segundos = reloj.nsecsElapsed() / 1e9;
    if (SesionPrueba::filas(gConexion, QStringLiteral("select count(*) from cabecera_bonos")) != ventas)
        qFatal("no se guardaron todas las ventas");
    return ventas / segundos;
}

// Lo que escribe una venta pagada entera, con los valores ya puestos
double medirCliente(const BaseDatosPrueba::Temporal& db, const QString& motor, int ventas)
{
    for (const char* t : {"detalle_factura", "cabecera_factura", "cabecera_bonos"})
        gConexion.ejecutar(QStringLiteral("delete from %1").arg(QLatin1String(t)));
    ponerContadores(gConexion);
    const bool sqlite = motor == QLatin1String("sqlite");
    const QString guion = db.carpeta() + QStringLiteral("/guion.sql");
    {
        QFile f(guion);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("no se puede escribir el guion");
        QTextStream t(&f);
        if (sqlite)
            t << ".timeout 30000\nPRAGMA synchronous=NORMAL;\n";
        for (int n = 1; n <= ventas; ++n) {
            t << "update relaciones_fijas set daton = daton + 1 where indice = 'Bonos' returning daton - 1;\n"
              << (sqlite ? "begin immediate;\n" : "begin;\n")
              << "update relaciones_fijas set daton = daton + 1 where indice = 'Factura' returning daton - 1;\n"
              << "insert into detalle_factura (codigo, producto, unidades, precio, num_factura, descuento, "
                 "precio_unit, impuesto, tipoimpuesto, codempleado, nombreempleado, tipo_venta) values (1, 'Corte', "
                 "2, 20, "
              << n << ", 0, 10, 3.47, 21, 1, 'Marta L', 'B');\n"
              << "insert into cabecera_factura (numero, fecha, cliente, empleado, total, pago, descuento, hora, "
                 "codigo_empleado, hora_inicio, borrar, impuesto, tarjeta, efectivo, recargo, impuestoincluido, "
                 "fechaventa, terminal, caracteristicaventa) values ("
              << n << ", '2025-03-14', 1, 'Marta L', 20, 1, 0, '10:20:30', 1, '10:20:30', 0, 3.47, 0, 0, 0, -1, "
                 "'2025-03-14', 'CAJA1', 'B');\n"
              << "insert into cabecera_bonos (numbono, cliente, empleado, servicio, precio, descuento, fecha_alta, "
                 "fecha_desde, fecha_hasta, num_sesiones, estado, num_factura) values ("
              << n << ", 1, 1, 1, 20, 0, '2025-03-14', '2025-03-14', '2026-03-14', 2, 0, " << n << ");\n"
              << "commit;\n";
        }
    }
    const ParametrosConexion& p = db.tienda();
    QProcess proc;
    proc.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer reloj;
    reloj.start();
    if (sqlite) {
        proc.setStandardInputFile(guion);
        proc.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), p.baseDatos});
    } else {
        proc.start(QStringLiteral("psql"), {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                                            QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), p.servidor,
                                            QStringLiteral("-p"), QString::number(p.puerto), QStringLiteral("-U"),
                                            p.usuario, QStringLiteral("-d"), p.baseDatos, QStringLiteral("-f"), guion});
    }
    proc.waitForFinished(-1);
    const double segundos = reloj.nsecsElapsed() / 1e9;
    if (proc.exitCode() != 0)
        qFatal("el cliente falló: %s", proc.readAllStandardError().constData());
    if (SesionPrueba::filas(gConexion, QStringLiteral("select count(*) from cabecera_bonos")) != ventas)
        qFatal("el cliente no guardó todas las ventas");
    return ventas / segundos;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int ventas = argc > 1 ? QByteArray(argv[1]).toInt() : 500;
    QTextStream salida(stdout);
    salida << "Ventas guardadas por segundo (" << ventas << " por medida, un puesto)\n";
    salida << qSetFieldWidth(12) << Qt::left << "motor" << "programa" << "ms/venta" << "cliente" << "ms/venta"
           << "prog/cli" << qSetFieldWidth(0) << "\n";
    for (const QString& motor : BaseDatosPrueba::motores()) {
        BaseDatosPrueba::Temporal db(motor);
        SesionPrueba::abrir(db);
        gNumDecimales = 2;
        gIva = true;
        gTerminal = QStringLiteral("CAJA1");
        Valores::ponerRegionales(AjustesRegionales::espanoles());
        medirPrograma(20);  // el catálogo de columnas y las sentencias preparadas, fuera de la medida
        gConexion.ejecutar(QStringLiteral("delete from cabecera_bonos"));
        const double programa = medirPrograma(ventas);
        const double cliente = medirCliente(db, motor, ventas);
        salida << qSetFieldWidth(12) << Qt::left << motor << qSetRealNumberPrecision(0) << Qt::fixed << programa
               << qSetRealNumberPrecision(2) << 1000 / programa << qSetRealNumberPrecision(0) << cliente
               << qSetRealNumberPrecision(2) << 1000 / cliente << programa / cliente << qSetFieldWidth(0)
               << Qt::reset << "\n";
        salida.flush();
        SesionPrueba::cerrar();
    }
    return 0;
}
