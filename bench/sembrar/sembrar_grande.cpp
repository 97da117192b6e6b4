// Tiempo de sembrar una tienda grande (por defecto, 100.000 bonos con sus
// facturas y consumos) en cada motor, y de las consultas de las listas de
// bonos sobre ella.
//   bench_sembrar_grande [--bonos N] [--pg "host=... port=... user=..."]
// Sin --pg se usa TARVELO_PG; sin servidor, solo SQLite.
#include "BaseDatosPrueba.h"
#include "CreadorBase.h"
#include "Demo.h"
#include "Esquema.h"
#include "datos/Consulta.h"
#include "datos/Error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUuid>

namespace {

QTextStream out(stdout);

// Cuenta las filas de una consulta de lista, como la lee la pantalla
qint64 medirConsulta(Conexion& c, const QString& sql, int* filas)
{
    QElapsedTimer t;
    t.start();
    Consulta q(c, sql);
    *filas = 0;
    while (q.siguiente())
        ++*filas;
    return t.elapsed();
}

void medir(const QString& motor, const ParametrosConexion& p, int bonos)
{
    Conexion c;
    c.abrir(p);
    Esquema::actualizar(c, Esquema::Base::Tienda);
    OpcionesDemo o;
    o.bonosGenerados = bonos;
    QElapsedTimer t;
    t.start();
    const ResumenDemo r = Demo::sembrar(c, o);
    const qint64 ms = t.elapsed();
    const int filas = r.bonos * 3 + r.consumos + r.clientes;  // bono, factura y línea por bono
    out << motor << ": " << r.bonos << " bonos, " << r.consumos << " consumos, " << r.clientes << " clientes en "
        << ms << " ms (" << qint64(r.bonos) * 1000 / std::max<qint64>(ms, 1) << " bonos/s, unas "
        << qint64(filas) * 1000 / std::max<qint64>(ms, 1) << " filas/s)\n";

    const QString hoy = QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy"));
    const QString desde = QDate::currentDate().addYears(-1).toString(QStringLiteral("MM/dd/yyyy"));
    const QString seleccion = QStringLiteral(
        "SELECT  Cabecera_Bonos.NumBono, Clientes.Nombre & ' ' & Clientes.Apellidos AS nomCli, Servicios.Nombre, "
        "Cabecera_Bonos.Fecha_Alta, Empleados.Nombre & ' ' & Empleados.Apellidos AS nom, Cabecera_Bonos.Num_Sesiones, "
        "' ', Cabecera_Bonos.Precio, Cabecera_Bonos.Cliente, Cabecera_Bonos.Servicio, Cabecera_Bonos.Fecha_Desde, "
        "Cabecera_Bonos.Fecha_Hasta, FormaPago.Nombre,FormaPago.codigo FROM ((((Cabecera_Bonos INNER JOIN Clientes ON "
        "Cabecera_Bonos.Cliente = Clientes.Codigo) INNER JOIN Servicios ON Cabecera_Bonos.Servicio = "
        "Servicios.Codigo) LEFT JOIN Empleados ON Cabecera_Bonos.Empleado = Empleados.Codigo) LEFT JOIN "
        "Cabecera_Factura ON Cabecera_Bonos.Num_Factura = Cabecera_Factura.Numero) LEFT JOIN FormaPago ON "
        "Cabecera_Factura.Pago = FormaPago.Codigo ");
    int n = 0;
    qint64 ms2 = medirConsulta(c,
                               seleccion + QStringLiteral("Where (((Cabecera_Bonos.Estado) = 0))    and "
                                                          "(((Cabecera_Bonos.Fecha_Hasta) >= #%1#)   And "
                                                          "((Cabecera_Bonos.Estado) = 0)) order by "
                                                          "cabecera_bonos.numbono desc")
                                               .arg(hoy),
                               &n);
    out << "  lista de bonos activos: " << n << " filas en " << ms2 << " ms\n";
    ms2 = medirConsulta(c,
                        seleccion + QStringLiteral("Where (((Cabecera_Bonos.Estado) = 0))    and "
                                                   "(((Cabecera_Bonos.Fecha_Hasta) between #%1# and #%2#)   And "
                                                   "((Cabecera_Bonos.Estado) = 0)) order by "
                                                   "cabecera_bonos.Fecha_Desde")
                                        .arg(desde, hoy),
                        &n);
    out << "  lista de bonos caducados (1 año): " << n << " filas en " << ms2 << " ms\n";
    ms2 = medirConsulta(c,
                        QStringLiteral("Select Nombre, Apellidos from Clientes where codigo <> null and borrar = "
                                       "false and Nombre like 'ana%' order by nombre"),
                        &n);
    out << "  búsqueda de clientes 'ana%': " << n << " filas en " << ms2 << " ms\n";
    out.flush();
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser opciones;
    opciones.addOptions({
        {QStringLiteral("bonos"), QStringLiteral("Bonos generados."), QStringLiteral("n"), QStringLiteral("100000")},
        {QStringLiteral("pg"), QStringLiteral("Servidor PostgreSQL (\"host=... port=... user=...\")."),
         QStringLiteral("texto")},
    });
    opciones.process(app);
    const int bonos = opciones.value(QStringLiteral("bonos")).toInt();
    const QString pg = opciones.isSet(QStringLiteral("pg")) ? opciones.value(QStringLiteral("pg"))
                                                            : qEnvironmentVariable("TARVELO_PG");
    try {
        QTemporaryDir dir;
        ParametrosConexion sqlite;
        sqlite.baseDatos = dir.filePath(QStringLiteral("tienda.db"));
        medir(QStringLiteral("SQLite"), sqlite, bonos);
        if (!pg.isEmpty()) {
            ParametrosConexion p = BaseDatosPrueba::servidorPostgres(pg);
            p.baseDatos = QStringLiteral("tv_medida_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
            CreadorBase::crearSiFalta(p);
            const auto borrar = qScopeGuard([&] {
                try {
                    ParametrosConexion s = BaseDatosPrueba::servidorPostgres(pg);
                    s.baseDatos = QStringLiteral("postgres");
                    Conexion c;
                    c.abrir(s);
                    c.ejecutar(QStringLiteral("drop database if exists %1 with (force)").arg(p.baseDatos));
                } catch (const ErrorTarvelo& e) {
                    QTextStream(stderr) << "No se pudo borrar " << p.baseDatos << ": " << e.descripcion() << '\n';
                }
            });
            medir(QStringLiteral("PostgreSQL"), p, bonos);
        }
    } catch (const ErrorTarvelo& e) {
        QTextStream(stderr) << "Error: " << e.descripcion() << '\n';
        return 1;
    }
    return 0;
}
