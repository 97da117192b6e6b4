// Reglas de los cargadores de configuración, en los dos motores
#include "SesionPrueba.h"
#include "datos/Componentes.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "plataforma/ConfiguracionSuite.h"
#include "principal/Cargadores.h"
#include "datos/Globales.h"

#include <QTest>

namespace {
const QString kBlanco = QStringLiteral("16777215");
}

class TstCargadores : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;

    void sql(const QString& s, const QVariantList& v = {}) { gConexion.ejecutar(s, v); }

    void formaPago(int codigo, int posicion, const QVariant& fpaColor, const QVariant& color, int borrar = 0,
                   const QVariant& imagen = QVariant(QMetaType::fromType<QString>()))
    {
        sql(QStringLiteral("insert into formapago (codigo, nombre, imagen, color, fpa_color, borrar, posicion) "
                           "values (?, ?, ?, ?, ?, ?, ?)"),
            {codigo, QStringLiteral("Forma %1").arg(codigo), imagen, color, fpaColor, borrar, posicion});
    }

    static QVariant nulo() { return QVariant(QMetaType::fromType<QString>()); }
    static QVariant nuloEntero() { return QVariant(QMetaType::fromType<int>()); }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        reiniciarGlobales();
        QFETCH_GLOBAL(QString, motor);
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        SesionPrueba::abrir(*m_db, QStringLiteral("CAJA1"));
        ponerCarpetaPrograma(m_db->carpeta());
        gColoresPaleta = {QStringLiteral("100"), QStringLiteral("101"), QStringLiteral("102"), QStringLiteral("103")};
        gCarpetaFotos = m_db->carpeta() + QStringLiteral("/fotos/");
    }
    void cleanup()
    {
        SesionPrueba::cerrar();
        m_db.reset();
    }

    void rotacionDePaleta()
    {
        // Cinco sin color propio (nulo, 0) y dos con él; la 4 y las borradas no salen
        formaPago(1, 1, nuloEntero(), 5);
        formaPago(2, 2, 0, 5);
        formaPago(3, 3, -1, 255);
        formaPago(4, 4, nuloEntero(), 5);
        formaPago(5, 5, 0, nuloEntero(), 0, QStringLiteral("tarjeta.png"));
        formaPago(6, 6, -1, nuloEntero());
        formaPago(7, 7, 0, 5);
        formaPago(8, 8, 0, 5, -1);
        formaPago(9, 9, 0, 5);
        CargarFormasPago();
        QStringList codigos, colores;
        for (const ElementoPanel& e : gFormasPago) {
            codigos << e.codigo;
            colores << e.color;
        }
        QCOMPARE(codigos, (QStringList{"1", "2", "3", "5", "6", "7", "9", ""}));
        QCOMPARE(colores, (QStringList{"100", "101", "255", "102", kBlanco, "103", "100", ""}));
        QCOMPARE(gFormasPago.at(0).datos, QStringLiteral("Forma 1"));
        QCOMPARE(gFormasPago.at(0).imagen, QString());
        QCOMPARE(gFormasPago.at(3).imagen, gCarpetaFotos + QStringLiteral("tarjeta.png"));
        QCOMPARE(gFormasPago.last(), ElementoPanel{});
    }

    void listasVacias()
    {
        CargarFormasPago();
        QVERIFY(CargarEmpleados());
        CargarListaTiendas();
        for (const ListaPanel* l : {&gFormasPago, &gEmpleados, &gTiendas}) {
            QCOMPARE(l->size(), 1);
            QCOMPARE(l->first(), ElementoPanel{});
        }
    }

    void empleados()
    {
        const QString ins = QStringLiteral("insert into empleados (codigo, nombre, apellidos, imagen, emp_color, color, "
                                           "baja, mostrar_caja, posicion) values (?, ?, ?, ?, ?, ?, ?, ?, ?)");
        sql(ins, {1, "Lucía", "Martín Gil", "lucia.png", -1, 65280, 0, -1, 2});
        sql(ins, {2, "Pedro", "Sanz", nulo(), 0, 65280, 0, -1, 1});
        sql(ins, {3, "Baja", "Antigua", nulo(), 0, 0, -1, -1, 3});
        sql(ins, {4, "Oculta", "Fuera", nulo(), 0, 0, 0, 0, 4});
        QVERIFY(CargarEmpleados());
        QCOMPARE(gEmpleados.size(), 3);
        QCOMPARE(gEmpleados.at(0).datos, QStringLiteral("Pedro S"));
        QCOMPARE(gEmpleados.at(0).color, QStringLiteral("100"));
        QCOMPARE(gEmpleados.at(1).datos, QStringLiteral("Lucía M"));
        QCOMPARE(gEmpleados.at(1).codigo, QStringLiteral("1"));
        QCOMPARE(gEmpleados.at(1).color, QStringLiteral("65280"));
        QCOMPARE(gEmpleados.at(1).imagen, gCarpetaFotos + QStringLiteral("lucia.png"));
    }

    void empleadosConError()
    {
        // Sin conexión abierta el error se atrapa y se informa
        gConexion.cerrar();
        QVERIFY(!CargarEmpleados());
        QCOMPARE(gEmpleados.size(), 1);
    }

    void multitienda_data()
    {
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<bool>("multi");
        QTest::addColumn<QString>("tienda");
        QTest::newRow("S") << QVariant("S") << true << "Centro";
        QTest::newRow("T") << QVariant("T") << true << "Centro";
        QTest::newRow("N") << QVariant("N") << false << "";
        QTest::newRow("nulo") << nulo() << false << "";
        QTest::newRow("minúscula") << QVariant("s") << false << "";
    }

    void multitienda()
    {
        QFETCH(QVariant, valor);
        QFETCH(bool, multi);
        QFETCH(QString, tienda);
        sql(QStringLiteral("insert into opciones (iva, UtilizaColores_FPago, UtilizaColores_Empleados, "
                           "modopantallacaja, multitienda, nombretienda) values (-1, 0, 0, 0, ?, 'Centro')"),
            {valor});
        gMultitienda = !multi;
        gNombreTienda = QStringLiteral("antes");
        CargarMultitienda();
        QCOMPARE(gMultitienda, multi);
        QCOMPARE(gNombreTienda, tienda);
    }

    void listaDeTiendas()
    {
        for (const char* t : {"Servidor", "Centro", "Playa"})
            sql(QStringLiteral("insert into multitienda (nombre) values (?)"), {QString::fromUtf8(t)});
        CargarListaTiendas();
        QStringList nombres;
        for (const ElementoPanel& e : gTiendas)
            nombres << e.caption;
        nombres.sort();
        QCOMPARE(nombres, (QStringList{"", "Centro", "Playa"}));
    }

    void campoOrden_data()
    {
        QTest::addColumn<bool>("hayFila");
        QTest::addColumn<QVariant>("dato");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("sin fila") << false << QVariant() << "Nombre";
        QTest::newRow("vacío") << true << QVariant("") << "Nombre";
        QTest::newRow("nulo") << true << nulo() << "Nombre";
        QTest::newRow("con valor") << true << QVariant("posicion") << "posicion";
    }

    void campoOrden()
    {
        QFETCH(bool, hayFila);
        QFETCH(QVariant, dato);
        QFETCH(QString, esperado);
        if (hayFila)
            sql(QStringLiteral("insert into relaciones_fijas (indice, datoa) values ('CampoOrdenItemsCaja', ?)"), {dato});
        QCOMPARE(ObtenerCampoOrdenItemsCaja(), esperado);
        // Queda una fila, reparada
        Consulta c(gConexion, QStringLiteral("select datoa from relaciones_fijas where indice = 'CampoOrdenItemsCaja'"));
        QVERIFY(c.siguiente());
        QCOMPARE(c.texto(QStringLiteral("datoa")), esperado);
        QVERIFY(!c.siguiente());
    }

    void bandera()
    {
        sql(QStringLiteral("insert into configuracionregional (bandera, nombre, identificacion_fiscal) "
                           "values ('fotos/no_existe.png', 'España', 'NIF')"));
        QCOMPARE(ObtenerBandera(), QString());
        QCOMPARE(ObtenerNombreRegion(), QStringLiteral("España"));
        QCOMPARE(ObtenerIdentificacionFiscal(), QStringLiteral("NIF"));
    }

    void anyosCaducidad_data()
    {
        QTest::addColumn<QVariant>("fechaHasta");  // inválido: sin bonos
        QTest::addColumn<int>("esperado");         // -1: detiene el arranque
        const QVariant nula(QMetaType::fromType<QDate>());
        QTest::newRow("sin bonos") << QVariant() << 1;
        QTest::newRow("tres años") << QVariant(QDate(2023, 12, 31)) << 3;
        QTest::newRow("un día y un año") << QVariant(QDate(2025, 12, 31)) << 1;
        QTest::newRow("este año") << QVariant(QDate(2026, 1, 10)) << 1;
        QTest::newRow("futuro") << QVariant(QDate(2027, 6, 1)) << 1;
        QTest::newRow("nula") << nula << -1;
    }

    void anyosCaducidad()
    {
        QFETCH(QVariant, fechaHasta);
        QFETCH(int, esperado);
        if (fechaHasta.isValid())
            sql(QStringLiteral("insert into cabecera_bonos (numbono, fecha_hasta) values (1, ?)"), {fechaHasta});
        try {
            QCOMPARE(ObtenerAnyosCaducidadMax(QDate(2026, 1, 1)), esperado);
        } catch (const ErrorTarvelo& e) {
            QCOMPARE(esperado, -1);
            QVERIFY2(e.descripcion().contains(QStringLiteral("fecha_hasta")), qPrintable(e.descripcion()));
        }
    }

    void opciones()
    {
        sql(QStringLiteral("insert into opciones (iva, logo, UtilizaColores_FPago, NumDecimales, "
                           "UtilizaColores_Empleados, modopantallacaja) values (-1, null, -1, null, 0, 2)"));
        sql(QStringLiteral("insert into impresoras (tipo, terminal, impresora) values ('T', 'OTRO', 'lp0')"));
        gEmpleadoTerminal = 9;
        CargarOpciones();
        QCOMPARE(gIva, true);
        QCOMPARE(gLogo, QString());
        QCOMPARE(gColoresFormaPago, true);
        QCOMPARE(gNumDecimales, 0);
        QCOMPARE(gColoresEmpleados, false);
        QCOMPARE(gModoPantallaCaja, 2);
        // Sin fila del puesto: valores vacíos, y sin impresora del terminal ""
        QCOMPARE(gTerminal, QString());
        QCOMPARE(gEmpleadoTerminal, 9);
        QCOMPARE(gAnimacionesActivas, false);
        QCOMPARE(gImpresoraTicket, QString());
        QCOMPARE(gCampoOrdenItemsCaja, QStringLiteral("Nombre"));

        sql(QStringLiteral("insert into opciones_terminal (identificador, terminal, animacionesactivas, empleado) "
                           "values ('CAJA1', 'OTRO', -1, 3)"));
        CargarOpciones();
        QCOMPARE(gTerminal, QStringLiteral("OTRO"));
        QCOMPARE(gAnimacionesActivas, true);
        QCOMPARE(gEmpleadoTerminal, 3);
        QCOMPARE(gImpresoraTicket, QStringLiteral("lp0"));
    }

    // Un nulo en una marca que se lee sin valor por defecto detiene el arranque
    void nuloSinDefecto_data()
    {
        QTest::addColumn<QString>("columna");
        for (const char* c : {"iva", "UtilizaColores_FPago", "UtilizaColores_Empleados", "modopantallacaja",
                              "AnimacionesActivas", "empleado"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }

    void nuloSinDefecto()
    {
        QFETCH(QString, columna);
        // El esquema propio no admite esos nulos; una base escrita por otra versión de la suite sí
        sql(QStringLiteral("drop table opciones"));
        sql(QStringLiteral("drop table opciones_terminal"));
        sql(QStringLiteral("create table opciones (iva smallint, logo varchar(100), utilizacolores_fpago smallint, "
                           "numdecimales smallint, utilizacolores_empleados smallint, modopantallacaja smallint, "
                           "multitienda varchar(1), nombretienda varchar(50))"));
        sql(QStringLiteral("create table opciones_terminal (identificador varchar(100), terminal varchar(50), "
                           "animacionesactivas smallint, empleado integer)"));
        sql(QStringLiteral("insert into opciones (iva, UtilizaColores_FPago, NumDecimales, UtilizaColores_Empleados, "
                           "modopantallacaja) values (-1, 0, 2, 0, 1)"));
        sql(QStringLiteral("insert into opciones_terminal (identificador, terminal, animacionesactivas, empleado) "
                           "values ('CAJA1', 'T1', 0, 1)"));
        const QString tabla = (columna == QLatin1String("AnimacionesActivas") || columna == QLatin1String("empleado"))
                                  ? QStringLiteral("opciones_terminal")
                                  : QStringLiteral("opciones");
        sql(QStringLiteral("update %1 set %2 = null").arg(tabla, columna));
        try {
            CargarOpciones();
            QFAIL("un nulo tenía que detener la carga");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(columna, Qt::CaseInsensitive), qPrintable(e.descripcion()));
        }
    }
};

QTEST_MAIN(TstCargadores)
#include "tst_cargadores.moc"
