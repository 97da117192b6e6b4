// Las listas de campos de una venta, letra por letra, tal como llegan al
// escritor de registros: modo × serie × forma de pago × precio (de catálogo,
// tecleado, con descuento) × separador decimal × impuesto incluido
#include "EscritorGrabador.h"
#include "SesionPrueba.h"
#include "datos/FechaJornada.h"
#include "datos/Valores.h"
#include "registros/RegistroVenta.h"

#include <QTest>

Q_DECLARE_METATYPE(VentaEnCurso)

namespace {

// '#' es el separador decimal del puesto y '*' el otro, que agrupa
QString conSep(QString t, QChar sep)
{
    const QChar otro = sep == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    return t.replace(QLatin1Char('*'), otro).replace(QLatin1Char('#'), sep);
}

struct Precio {
    const char* nombre;
    const char* precio;      // como se ve
    const char* coma;        // en la forma con coma
    const char* descuento;   // tecleado (%)
    const char* importeDto;  // importe del descuento
    const char* linea[2];    // impuesto de la línea, con y sin impuesto incluido
    const char* cabecera[2];
    const char* resto;       // pagando 1.000 en efectivo
    const char* efectivo;    // mixto con 200,5 de tarjeta: entregado y guardado
    const char* efectivoComa;
    const char* deposito;    // lo que queda de 2.000
};

// 2 sesiones de 617,25 al 21 %. Tecleado: la línea sigue al precio y la cabecera no
const Precio kPrecios[] = {
    {"catálogo", "1*234#50", "1234,50", "", "0", {"214,25", "259,25"}, {"214,25", "259,25"}, "234#5", "1*034#00",
     "1034", "765#5"},
    {"tecleado", "1*200#00", "1200,00", "", "0", {"208,26", "252"}, {"214,25", "259,25"}, "200", "999#50", "999,5",
     "800"},
    {"descuento", "1*080#19", "1080,19", "12#5", "154#3125", {"187,47", "226,84"}, {"187,47", "226,84"}, "80#19",
     "879#69", "879,69", "919#81"},
};

}  // namespace

class TstListasVenta : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    EscritorGrabador* m_escritor = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(QStringLiteral("sqlite"));
        SesionPrueba::abrir(*m_db);
        auto escritor = std::make_unique<EscritorGrabador>();
        m_escritor = escritor.get();
        Componentes::sustituir(std::unique_ptr<GestorRegistros>(std::move(escritor)));
        FechaJornada::ponerReloj([] { return QDateTime(QDate(2025, 3, 15), QTime(10, 20, 30)); });
        gConexion.ejecutar(QStringLiteral("insert into clientes (codigo, nombre, dindep, activardindep, tienda) "
                                          "values (2, 'Luis', 2000, -1, 'Centro')"));
    }
    void cleanupTestCase()
    {
        FechaJornada::ponerReloj({});
        Valores::ponerRegionales(AjustesRegionales::espanoles());
        SesionPrueba::cerrar();
    }
    void init()
    {
        for (const char* t : {"detalle_factura", "detalle_factura_1", "cabecera_factura", "cabecera_factura_1",
                              "cabecera_bonos", "cabecera_pago"})
            gConexion.ejecutar(QStringLiteral("delete from %1").arg(QLatin1String(t)));
        gConexion.ejecutar(QStringLiteral("update clientes set dindep = 2000"));
        for (const char* c : {"Factura", "FacturaPeruChile"})
            SesionPrueba::ponerContador(gConexion, QLatin1String(c), 58);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("Bonos"), 300);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("PagosCuenta"), 40);
        gNumDecimales = 2;
        gTerminal = QStringLiteral("CAJA1");
        gNombreTienda = QStringLiteral("Centro");
        m_escritor->llamadas.clear();
    }

    void listas_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QChar>("sep");
        QTest::addColumn<bool>("iva");
        QTest::addColumn<int>("serie");
        QTest::addColumn<VentaEnCurso>("venta");
        QTest::addColumn<QStringList>("esperado");
        for (int modo : {0, 1})
            for (int serie : {0, 1})
                for (int forma : {1, 2, 3, 4})
                    for (const Precio& p : kPrecios)
                        for (QChar sep : {QLatin1Char(','), QLatin1Char('.')})
                            for (bool iva : {true, false}) {
                                VentaEnCurso v;
                                v.codCliente = QStringLiteral("2");
                                v.codServicio = 7;
                                v.nomServicio = QStringLiteral("Completo");
                                v.clavePrecio = conSep(iva ? QStringLiteral("7|Completo|617#25|21|617#25|107#126033057851")
                                                           : QStringLiteral("7|Completo|617#25|21|746#8725|129#6225"),
                                                       sep);
                                v.nomEmpleado = QStringLiteral("Pedro R");
                                v.codEmpleado = 2;
                                v.formaPago = qint16(forma);
                                v.sesiones = QStringLiteral("2");
                                v.precio = conSep(QLatin1String(p.precio), sep);
                                v.descuento = conSep(QLatin1String(p.descuento), sep);
                                v.entrega = forma == 1 ? conSep(QStringLiteral("1*000#00"), sep)
                                            : forma == 3 ? conSep(QLatin1String(p.efectivo), sep)
                                                         : v.precio;
                                v.pagoTarjeta = forma == 3 ? conSep(QStringLiteral("200#5"), sep) : QStringLiteral("0");
                                v.usaDeposito = forma == 4;
                                v.fechaAlta = QStringLiteral("14/03/2025");
                                v.desde = QDate(2025, 3, 14);
                                v.hasta = QDate(2026, 3, 14);

                                const QString s = serie ? QStringLiteral("_1") : QString();
                                const QString dto = conSep(QLatin1String(p.importeDto), sep);
                                QStringList e;
                                e << QStringLiteral("I detalle_factura%1 codigo=7|Producto=Completo|Unidades=2|Precio=%2|"
                                                    "num_factura=58|descuento=%3|precio_Unit=617,25|Impuesto=%4|"
                                                    "tipoimpuesto=21|codEmpleado=2|nombreEmpleado=Pedro R|tipo_venta=%5|")
                                         .arg(s, QLatin1String(p.coma), dto, QLatin1String(p.linea[iva ? 0 : 1]),
                                              modo ? QStringLiteral("BF") : QStringLiteral("B"));
                                e << QStringLiteral("I cabecera_factura%1 Numero=58|Fecha=14/03/2025|Cliente=2|"
                                                    "Empleado=Pedro R|total=%2|pago=%3|descuento=%4|hora=10:20:30|"
                                                    "Codigo_Empleado=2|hora_inicio=10:20:30|borrar=0|impuesto=%5|"
                                                    "tarjeta=%6|efectivo=%7|recargo=0|impuestoincluido=%8|"
                                                    "fechaventa=15/03/2025|terminal=CAJA1|caracteristicaventa=B|")
                                         .arg(s, QLatin1String(p.coma))
                                         .arg(forma)
                                         .arg(dto, QLatin1String(p.cabecera[iva ? 0 : 1]),
                                              forma == 3 ? QStringLiteral("200,5") : QStringLiteral("0"),
                                              forma == 3 ? QLatin1String(p.efectivoComa) : QStringLiteral("0"),
                                              iva ? QStringLiteral("-1") : QStringLiteral("0"));
                                e << QStringLiteral("I cabecera_bonos NumBono=300|Cliente=2|Empleado=2|%1=7|Precio=%2|"
                                                    "descuento=%3|fecha_alta=14/03/2025|fecha_desde=14/03/2025|"
                                                    "fecha_hasta=14/03/2026|Num_Sesiones=2|estado=0|Num_factura=58|%4")
                                         .arg(modo ? QStringLiteral("Familia") : QStringLiteral("Servicio"),
                                              QLatin1String(p.coma), *p.descuento ? QStringLiteral("12,5") : QStringLiteral("0"),
                                              serie ? QStringLiteral("facturaPeruChile=True|") : QString());
                                if (forma == 1)
                                    e << QStringLiteral("I Cabecera_Pago Num_pago=40|Num_factura=58|cliente=2|importe=%1|"
                                                        "fecha=15/03/2025|estado=0|empleado=2|observaciones=|")
                                             .arg(conSep(QLatin1String(p.resto), sep))
                                      << QStringLiteral("M Cabecera_Factura%1 CaracteristicaVenta=BP| numero = 58 0").arg(s);
                                if (forma == 4)
                                    e << QStringLiteral("M Clientes dindep=%1| codigo = 2 and tienda = 'Centro' 0")
                                             .arg(conSep(QLatin1String(p.deposito), sep));
                                QTest::addRow("%s/serie %d/forma %d/%s/%c/%s", modo ? "packs" : "servicios", serie + 1,
                                              forma, p.nombre, sep.toLatin1(), iva ? "iva incluido" : "sin iva")
                                    << modo << sep << iva << serie << v << e;
                            }
    }
    void listas()
    {
        QFETCH(int, modo);
        QFETCH(QChar, sep);
        QFETCH(bool, iva);
        QFETCH(int, serie);
        QFETCH(VentaEnCurso, venta);
        QFETCH(QStringList, esperado);
        gModoFamilias = modo;
        gIva = iva;
        AjustesRegionales a = AjustesRegionales::espanoles();
        a.separadorDecimal = sep;
        Valores::ponerRegionales(a);
        QCOMPARE(RegistrarVenta(serie ? SerieFactura::Segunda : SerieFactura::Primera, venta), 58);
        QCOMPARE(m_escritor->llamadas, esperado);
    }
};

QTEST_MAIN(TstListasVenta)
#include "tst_listasventa.moc"
