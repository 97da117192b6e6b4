// Tienda de demostración en los dos motores: lo que promete (estados de los
// bonos, reglas de la configuración) y la tienda grande, coherente
#include "BaseDatosPrueba.h"
#include "Demo.h"
#include "datos/Consulta.h"
#include "datos/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <map>
#include <memory>

using namespace BaseDatosPrueba;

namespace {
const QDate kHoy(2026, 3, 15);

using BaseDatosPrueba::numero;

QStringList nombres(Conexion& c, const QString& sql, const QVariantList& valores)
{
    QStringList r;
    Consulta q(c, sql, valores);
    while (q.siguiente())
        r << q.valor(0).toString();
    return r;
}
}  // namespace

class TstDemo : public QObject {
    Q_OBJECT

    struct Sembrada {
        std::unique_ptr<Temporal> db;
        std::unique_ptr<Conexion> c;
    };
    // Una tienda sembrada por motor, para las comprobaciones que solo leen
    std::map<QString, Sembrada> m_tiendas;

    Conexion& tienda(const QString& motor)
    {
        Sembrada& s = m_tiendas[motor];
        if (!s.c) {
            s.db = std::make_unique<Temporal>(motor, Contenido::Tienda);
            s.c = std::make_unique<Conexion>();
            s.c->abrir(s.db->tienda());
            OpcionesDemo o;
            o.hoy = kHoy;
            o.puesto = QStringLiteral("PUESTO-PRUEBA");
            Demo::sembrar(*s.c, o);
        }
        return *s.c;
    }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { filasMotores(); }
    void cleanupTestCase() { m_tiendas.clear(); }

    // Cada regla es una consulta que cuenta lo que debe haber (? es "hoy")
    void reglas_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("minimo");
        QTest::addColumn<int>("maximo");
        const QList<std::tuple<const char*, const char*, int, int>> casos{
            {"bonos en vigor", "select count(*) from cabecera_bonos where estado = 0 and fecha_hasta >= ?", 10, 9999},
            {"bono que acaba hoy", "select count(*) from cabecera_bonos where estado = 0 and fecha_hasta = ?", 1, 9999},
            {"bonos caducados", "select count(*) from cabecera_bonos where estado = 0 and fecha_hasta < ?", 3, 9999},
            {"bonos inactivos", "select count(*) from cabecera_bonos where estado = -1 and fecha_alta < ?", 3, 9999},
            {"bonos consumidos del todo",
             "select count(*) from cabecera_bonos b where b.estado = -1 and b.num_sesiones = "
             "(select count(*) from detalle_bono d where d.num_bono = b.numbono) and b.fecha_alta < ?",
             2, 9999},
            {"inactivos sin acabar (anulados)",
             "select count(*) from cabecera_bonos b where b.estado = -1 and b.num_sesiones > "
             "(select count(*) from detalle_bono d where d.num_bono = b.numbono) and b.fecha_alta < ?",
             2, 9999},
            {"bonos de pack en vigor", "select count(*) from cabecera_bonos where familia is not null and "
                                       "servicio is null and estado = 0 and fecha_hasta >= ?", 2, 9999},
            {"ningún consumo futuro", "select count(*) from detalle_bono where fecha_consumo >= ?", 0, 0},
            {"cliente sin tienda", "select count(*) from clientes where tienda is null", 1, 1},
            {"clientes con depósito activo", "select count(*) from clientes where activardindep = -1 and dindep > 0",
             3, 9999},
            {"clientes con deuda pendiente",
             "select count(*) from cabecera_pago p where p.estado = 0 and p.importe > "
             "(select coalesce(sum(d.importe), 0) from detalle_pago d where d.num_pago = p.num_pago)", 2, 9999},
            {"facturas con pago a cuenta marcadas BP",
             "select count(*) from cabecera_factura f where f.caracteristicaventa = 'BP' and not exists "
             "(select 1 from cabecera_pago p where p.num_factura = f.numero)", 0, 0},
            {"secciones con color propio", "select count(*) from seccion where sec_color = -1 and color is not null",
             2, 9999},
            {"packs con sus servicios", "select count(*) from familias f where not exists (select 1 from "
                                        "detalle_familia d where d.familia = f.codigo)", 0, 0},
            {"empleados de caja con color propio", "select count(*) from empleados where baja = 0 and mostrar_caja = -1 "
                                                   "and emp_color = -1", 2, 9999},
            {"contadores", "select count(*) from relaciones_fijas where indice in ('Bonos', 'Factura', "
                           "'FacturaPeruChile', 'Abonos', 'PagosCuenta') and daton > 0", 5, 5},
            {"ajustes de caja y semáforos", "select count(*) from relaciones_fijas where (indice = 'CampoOrdenItemsCaja' "
                                            "and datoa = 'Nombre') or (indice = 'ActivaSemaforos' and datoa = 'SI')",
             2, 2},
            {"semáforos en verde", "select count(*) from semaforos where estado = 'verde' and nombre in "
                                   "('SemaforoFactura', 'SemaforoSalidaProd', 'SemaforoVentaTemp', 'SemaforoBono')",
             4, 4},
            {"negocio que vende packs", "select count(*) from ajustes_suite a join puestos p on p.tipo_negocio = "
                                        "a.valor where a.clave = 'TipoNegocio' and a.valor = 'ESTETICA'", 1, 1},
            {"puesto registrado", "select count(*) from opciones_terminal t join entradas e on e.identificador = "
                                  "t.identificador join puestos p on p.identificador = t.identificador join "
                                  "impresoras i on i.terminal = t.terminal and i.tipo = 'T' where t.identificador = "
                                  "'PUESTO-PRUEBA'", 1, 1},
        };
        for (const auto& [nombre, sql, minimo, maximo] : casos)
            QTest::newRow(nombre) << QString::fromUtf8(sql) << minimo << maximo;
    }
    void reglas()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, sql);
        QFETCH(int, minimo);
        QFETCH(int, maximo);
        const int n = numero(tienda(motor), sql, sql.contains(QLatin1Char('?')) ? QVariantList{kHoy} : QVariantList{});
        QVERIFY2(n >= minimo && n <= maximo, qPrintable(QStringLiteral("%1 (entre %2 y %3)").arg(n).arg(minimo).arg(maximo)));
    }

    // Las imágenes que nombra la tienda están en la carpeta del programa
    void imagenesNombradasExisten()
    {
        QFETCH_GLOBAL(QString, motor);
        Conexion& c = tienda(motor);
        const QDir fotos(QStringLiteral(TARVELO_RECURSOS "/fotos"));
        QStringList ficheros = nombres(c, QStringLiteral("select imagen from formapago where imagen is not null "
                                                         "union select imagen from empleados union select logo "
                                                         "from opciones"),
                                       {});
        QVERIFY(ficheros.size() >= 10);
        for (const QString& f : ficheros)
            QVERIFY2(QFileInfo::exists(fotos.filePath(f)), qPrintable(f));
        const QString bandera = nombres(c, QStringLiteral("select bandera from configuracionregional"), {}).value(0);
        QVERIFY2(QFileInfo::exists(QStringLiteral(TARVELO_RECURSOS "/") + bandera), qPrintable(bandera));
        QVERIFY(QDir(fotos.filePath(QStringLiteral("fotos1"))).entryList(QDir::Files).size() >= 4);
    }

    // Sembrar sobre una tienda que ya tiene datos no toca nada
    void noSiembraEncima()
    {
        QFETCH_GLOBAL(QString, motor);
        Temporal db(motor, Contenido::Tienda);
        Conexion c;
        c.abrir(db.tienda());
        OpcionesDemo o;
        o.hoy = kHoy;
        Demo::sembrar(c, o);
        const ResumenDemo antes = Demo::contar(c);
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, Demo::sembrar(c, o));
        const ResumenDemo despues = Demo::contar(c);
        QCOMPARE(despues.bonos, antes.bonos);
        QCOMPARE(despues.clientes, antes.clientes);
        QCOMPARE(despues.consumos, antes.consumos);
    }

    // La tienda grande: los bonos pedidos, coherentes con sus facturas,
    // consumos y contadores
    void tiendaGrandeCoherente()
    {
        QFETCH_GLOBAL(QString, motor);
        Temporal db(motor, Contenido::Tienda);
        Conexion c;
        c.abrir(db.tienda());
        OpcionesDemo o;
        o.hoy = kHoy;
        const int hechos = Demo::sembrar(c, o).bonos;
        o.bonosGenerados = 2000;
        Temporal db2(motor, Contenido::Tienda);
        Conexion c2;
        c2.abrir(db2.tienda());
        const ResumenDemo r = Demo::sembrar(c2, o);
        QCOMPARE(r.bonos, hechos + 2000);
        QCOMPARE(r.facturas, r.bonos);
        // Nada suelto: cada bono con su factura, su cliente y una línea del
        // mismo artículo, consumos y pagos dentro de lo vendido
        const char* const incoherencias[] = {
            "select count(*) - count(distinct numbono) from cabecera_bonos",
            "select count(*) - count(distinct numero) from cabecera_factura",
            "select count(*) from cabecera_bonos b where not exists (select 1 from detalle_factura l where "
            "l.num_factura = b.num_factura and l.codigo = coalesce(b.servicio, b.familia) and l.unidades = "
            "b.num_sesiones) or not exists (select 1 from clientes k where k.codigo = b.cliente)",
            "select count(*) from cabecera_bonos b where b.num_sesiones < (select count(*) from detalle_bono d "
            "where d.num_bono = b.numbono)",
            "select count(*) from detalle_bono d where not exists (select 1 from cabecera_bonos b where "
            "b.numbono = d.num_bono)",
            "select count(*) from cabecera_pago p where p.importe < (select coalesce(sum(d.importe), 0) from "
            "detalle_pago d where d.num_pago = p.num_pago)",
            // Los contadores siguen al último número usado
            "select count(*) from relaciones_fijas where (indice = 'Bonos' and daton <> (select max(numbono) + 1 "
            "from cabecera_bonos)) or (indice = 'Factura' and daton <> (select max(numero) + 1 from "
            "cabecera_factura)) or (indice = 'PagosCuenta' and daton <> (select max(num_pago) + 1 from "
            "cabecera_pago))",
        };
        QCOMPARE(numero(c2, QStringLiteral("select count(*) from detalle_factura")), r.bonos);
        for (const char* sql : incoherencias)
            QVERIFY2(numero(c2, QString::fromLatin1(sql)) == 0, sql);
    }
};

QTEST_GUILESS_MAIN(TstDemo)
#include "tst_demo.moc"
