// Esquema de las dos bases en los dos motores: creación desde vacía,
// repetición, subida de versión, fallos a mitad, y que cada tabla y columna
// que usa el programa exista con su tipo
#include "BaseDatosPrueba.h"
#include "Catalogo.h"
#include "Esquema.h"
#include "datos/Consulta.h"
#include "datos/Error.h"

#include <QTest>
#include <map>
#include <memory>

using namespace BaseDatosPrueba;

class TstEsquema : public QObject {
    Q_OBJECT

    // Bases ya creadas, una por motor, para las comprobaciones de solo lectura
    std::map<QString, std::unique_ptr<Temporal>> m_bases;

    const Temporal& base(const QString& motor)
    {
        auto& b = m_bases[motor];
        if (!b)
            b = std::make_unique<Temporal>(motor, Contenido::TiendaEInformes);
        return *b;
    }

    static int version(Conexion& c)
    {
        return Esquema::versionInstalada(c, Esquema::Base::Tienda);
    }

private Q_SLOTS:
    void cleanupTestCase() { m_bases.clear(); }

    void creaDesdeVaciaYRepetirNoCambiaNada_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<int>("base");
        for (const QString& m : motores()) {
            QTest::newRow(qPrintable(m + QStringLiteral("/tienda"))) << m << int(Esquema::Base::Tienda);
            QTest::newRow(qPrintable(m + QStringLiteral("/informes"))) << m << int(Esquema::Base::Informes);
        }
    }
    void creaDesdeVaciaYRepetirNoCambiaNada()
    {
        QFETCH(QString, motor);
        QFETCH(int, base);
        const auto b = Esquema::Base(base);
        Temporal db(motor, Contenido::Vacia);
        Conexion c;
        c.abrir(b == Esquema::Base::Tienda ? db.tienda() : db.informes());
        QCOMPARE(Esquema::versionInstalada(c, b), 0);
        QCOMPARE(Esquema::actualizar(c, b), Esquema::versionActual(b));
        const QStringList columnasDeVersion = Catalogo::columnas(c, QStringLiteral("version_esquema"));

        QCOMPARE(Esquema::actualizar(c, b), Esquema::versionActual(b));
        QCOMPARE(Esquema::versionInstalada(c, b), Esquema::versionActual(b));
        Consulta q(c, QStringLiteral("select count(*) as n, max(version) as v from version_esquema"));
        QVERIFY(q.siguiente());
        QCOMPARE(q.entero(QStringLiteral("n")), Esquema::versionActual(b));  // una fila por versión, sin repetir
        QCOMPARE(q.entero(QStringLiteral("v")), Esquema::versionActual(b));
        QCOMPARE(Catalogo::columnas(c, QStringLiteral("version_esquema")), columnasDeVersion);
    }

    // Una base en la versión 1 sube a la última sin perder lo que tenía
    void subeDeVersionConservandoLosDatos_data() { filasMotores(); }
    void subeDeVersionConservandoLosDatos()
    {
        QFETCH(QString, motor);
        Temporal db(motor, Contenido::Tienda);
        Conexion c;
        c.abrir(db.tienda());
        c.ejecutar(QStringLiteral("insert into clientes (codigo, nombre) values (7, 'Lucía')"));
        // Se vuelve a la versión 1: sin las tablas de la 2 ni su fila de versión
        for (const char* t : {"historial", "puestos", "ajustes_suite", "esquemas_colores", "traducciones",
                              "controles_permisos", "permisos"})
            c.ejecutar(QStringLiteral("drop table %1").arg(QLatin1String(t)));
        c.ejecutar(QStringLiteral("delete from version_esquema where version > 1"));
        if (c.motor() == Motor::PostgreSQL)
            c.ejecutar(QStringLiteral("alter table pasardatos alter column terminal type varchar(200)"));
        QCOMPARE(version(c), 1);

        QCOMPARE(Esquema::actualizar(c, Esquema::Base::Tienda), Esquema::versionActual(Esquema::Base::Tienda));
        QVERIFY(Catalogo::existeTabla(c, QStringLiteral("puestos")));
        QVERIFY(Catalogo::existeTabla(c, QStringLiteral("permisos")));
        Consulta q(c, QStringLiteral("select nombre from clientes where codigo = 7"));
        QVERIFY(q.siguiente());
        QCOMPARE(q.texto(QStringLiteral("nombre")), QStringLiteral("Lucía"));
        // La clave del traspaso a los listados (puesto y texto de informes) no tiene largo fijo
        c.ejecutar(QStringLiteral("insert into pasardatos (terminal, indice) values (?, 'Q_Tarvelo.exe')"),
                   {QStringLiteral("CAJA1") + QString(300, QLatin1Char('x'))});
    }

    void baseMasNuevaQueElPrograma_data() { filasMotores(); }
    void baseMasNuevaQueElPrograma()
    {
        QFETCH(QString, motor);
        Temporal db(motor, Contenido::Tienda);
        Conexion c;
        c.abrir(db.tienda());
        c.ejecutar(QStringLiteral("insert into version_esquema (version, aplicada) values (99, 'futuro')"));
        try {
            Esquema::actualizar(c, Esquema::Base::Tienda);
            QFAIL("Debía negarse a tocar una base más nueva");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(QStringLiteral("versión 99")), qPrintable(e.descripcion()));
        }
        QCOMPARE(version(c), 99);
    }

    // Si una sentencia de una versión falla, no queda nada de esa versión
    void unFalloAMitadNoDejaLaVersionAMedias_data() { filasMotores(); }
    void unFalloAMitadNoDejaLaVersionAMedias()
    {
        QFETCH(QString, motor);
        Temporal db(motor, Contenido::Vacia);
        Conexion c;
        c.abrir(db.tienda());
        // Una vista con el nombre de una tabla: el índice sobre ella falla
        c.ejecutar(QStringLiteral("create view servicios as select 1 as seccion"));
        try {
            Esquema::actualizar(c, Esquema::Base::Tienda);
            QFAIL("La actualización debía fallar");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(QStringLiteral("versión 1")), qPrintable(e.descripcion()));
        }
        QCOMPARE(version(c), 0);
        QVERIFY(!Catalogo::existeTabla(c, QStringLiteral("relaciones_fijas")));
        QVERIFY(!Catalogo::existeTabla(c, QStringLiteral("version_esquema")));
    }

    // Cada tabla y columna que leen o escriben el programa y los componentes
    void columnasQueUsaElPrograma_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<bool>("informes");
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<QStringList>("columnas");
        const QList<std::tuple<bool, const char*, const char*>> tablas{
            {false, "cabecera_bonos", "numbono cliente empleado servicio familia precio descuento fecha_alta "
                                      "fecha_desde fecha_hasta num_sesiones estado num_factura facturaperuchile "
                                      "tienda"},
            {false, "detalle_bono", "num_bono fecha_consumo empleado tienda"},
            {false, "cabecera_factura", "numero fecha cliente empleado total pago descuento hora codigo_empleado "
                                        "hora_inicio borrar impuesto tarjeta efectivo recargo impuestoincluido "
                                        "fechaventa terminal caracteristicaventa tienda"},
            {false, "cabecera_factura_1", "numero fecha cliente empleado total pago descuento hora codigo_empleado "
                                          "hora_inicio borrar impuesto tarjeta efectivo recargo impuestoincluido "
                                          "fechaventa terminal caracteristicaventa tienda"},
            {false, "detalle_factura", "codigo producto unidades precio num_factura descuento precio_unit "
                                       "impuesto tipoimpuesto codempleado nombreempleado tipo_venta"},
            {false, "detalle_factura_1", "codigo producto unidades precio num_factura descuento precio_unit "
                                         "impuesto tipoimpuesto codempleado nombreempleado tipo_venta"},
            {false, "cabecera_pago", "num_pago num_factura cliente importe fecha estado empleado observaciones"},
            {false, "detalle_pago", "num_pago importe"},
            {false, "cabecera_abono", "numero fecha cliente empleado total pago descuento hora codigo_empleado "
                                      "hora_inicio borrar impuesto tarjeta efectivo recargo impuestoincluido "
                                      "fechaventa terminal num_factura facturaperuchile caracteristicaventa"},
            {false, "detalle_abono", "codigo producto unidades precio num_abono descuento precio_unit impuesto "
                                     "tipoimpuesto codempleado nombreempleado tipo_venta num_factura"},
            {false, "relaciones_fijas", "indice daton datoa"},
            {false, "semaforos", "nombre estado"},
            {false, "pasardatos", "terminal indice texto1 texto2"},
            {false, "clientes", "codigo borrar nombre apellidos telefono1 telefono2 email codigocliente nif "
                                "direccion poblacion provincia cp dindep activardindep tienda"},
            {false, "seccion", "codigo nombre color sec_color borrar posicion"},
            {false, "servicios", "codigo nombre color precio iva seccion borrar mostrarencaja posicion"},
            {false, "familias", "codigo nombre color precio iva seccion borrar mostrarencaja posicion"},
            {false, "detalle_familia", "familia servicio"},
            {false, "empleados", "codigo nombre apellidos imagen emp_color color baja mostrar_caja posicion"},
            {false, "formapago", "codigo nombre imagen color fpa_color borrar posicion"},
            {false, "opciones", "iva logo utilizacolores_fpago numdecimales utilizacolores_empleados "
                                "modopantallacaja multitienda nombretienda nombre direccion poblacion cif cp "
                                "provincia telefono agenda"},
            {false, "opciones_terminal", "identificador terminal animacionesactivas empleado"},
            {false, "configuracionregional", "bandera nombre identificacion_fiscal"},
            {false, "impresoras", "impresora tipo terminal"},
            {false, "multitienda", "nombre"},
            {false, "entradas", "identificador horaapertura horacierre"},
            {false, "historial", "id fecha hora puesto empleado tabla operacion campos descripcion condicion "
                                 "valores_anteriores valores_nuevos tienda"},
            {false, "puestos", "identificador ancho_pantalla alto_pantalla esquema_colores opcion_visual "
                               "tipo_negocio separador_decimal formato_fecha formato_hora"},
            {false, "ajustes_suite", "clave valor"},
            {false, "esquemas_colores", "esquema nombre color1 color2 color3 color4 color_foco color_marca "
                                        "color_fondo color_texto color_boton color_texto_boton"},
            {false, "traducciones", "pantalla control idioma texto_original texto"},
            {false, "controles_permisos", "pantalla control descripcion"},
            {false, "permisos", "pantalla control empleado visible activo"},
            {false, "version_esquema", "version"},
            {true, "informes", "texto1 texto2 texto3 texto4 texto5 texto6 texto7 texto8 texto9 texto11 texto12 "
                               "texto13 texto14 texto15 texto16 texto17 texto20 texto22 texto29 texto30 numerico1 "
                               "numerico2 numerico3 numerico4 numerico5 numerico6 numerico10 numerico11 "
                               "numerico20 numerico21 fecha1 fecha2"},
            {true, "listadostemporal", "list1"},
            {true, "version_esquema", "version"},
        };
        for (const QString& m : motores())
            for (const auto& [informes, tabla, columnas] : tablas)
                QTest::newRow(qPrintable(QStringLiteral("%1/%2%3").arg(m, informes ? QStringLiteral("informes.") : QString(),
                                                                    QLatin1String(tabla))))
                    << m << informes << QString::fromLatin1(tabla)
                    << QString::fromLatin1(columnas).split(QLatin1Char(' '));
    }
    void columnasQueUsaElPrograma()
    {
        QFETCH(QString, motor);
        QFETCH(bool, informes);
        QFETCH(QString, tabla);
        QFETCH(QStringList, columnas);
        Conexion c;
        c.abrir(informes ? base(motor).informes() : base(motor).tienda());
        QVERIFY2(Catalogo::existeTabla(c, tabla), qPrintable(tabla));
        const QStringList hay = Catalogo::columnas(c, tabla);
        for (const QString& columna : columnas)
            QVERIFY2(hay.contains(columna), qPrintable(tabla + QLatin1Char('.') + columna));
    }

    // Tipos: banderas smallint, fechas date, horas time, importes double,
    // códigos y contadores integer (de 32 bits)
    void tiposDeColumna_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QString>("tipo");
        const char* const casos[][3] = {
            {"cabecera_bonos", "estado", "smallint"},
            {"cabecera_bonos", "facturaperuchile", "smallint"},
            {"cabecera_bonos", "fecha_hasta", "date"},
            {"cabecera_bonos", "precio", "double precision"},
            {"cabecera_bonos", "numbono", "integer"},
            {"cabecera_factura", "hora", "time"},
            {"cabecera_factura", "fechaventa", "date"},
            {"cabecera_factura", "impuestoincluido", "smallint"},
            {"cabecera_factura", "total", "double precision"},
            {"detalle_factura", "tipoimpuesto", "double precision"},
            {"detalle_bono", "fecha_consumo", "date"},
            {"relaciones_fijas", "daton", "integer"},
            {"entradas", "horaapertura", "time"},
            {"clientes", "dindep", "double precision"},
            {"clientes", "activardindep", "smallint"},
            {"clientes", "codigo", "integer"},
            {"opciones", "iva", "smallint"},
            {"formapago", "fpa_color", "smallint"},
            {"cabecera_pago", "importe", "double precision"},
            {"historial", "fecha", "date"},
            {"puestos", "ancho_pantalla", "double precision"},
            {"permisos", "visible", "smallint"},
        };
        for (const QString& m : motores())
            for (const auto& caso : casos)
                QTest::newRow(qPrintable(QStringLiteral("%1/%2.%3").arg(m, QLatin1String(caso[0]),
                                                                        QLatin1String(caso[1]))))
                    << m << QString::fromLatin1(caso[0]) << QString::fromLatin1(caso[1])
                    << QString::fromLatin1(caso[2]);
    }
    void tiposDeColumna()
    {
        QFETCH(QString, motor);
        QFETCH(QString, tabla);
        QFETCH(QString, columna);
        QFETCH(QString, tipo);
        Conexion c;
        c.abrir(base(motor).tienda());
        QString hay = Catalogo::tipoColumna(c, tabla, columna);
        hay.replace(QStringLiteral(" without time zone"), QString());  // así lo nombra PostgreSQL
        QCOMPARE(hay, tipo);
    }

    // Un contador que pasa de 32767 no da la vuelta
    void contadoresDe32Bits_data() { filasMotores(); }
    void contadoresDe32Bits()
    {
        QFETCH(QString, motor);
        Temporal db(motor, Contenido::Tienda);
        Conexion c;
        c.abrir(db.tienda());
        c.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, daton) values ('Bonos', 32767)"));
        c.ejecutar(QStringLiteral("update relaciones_fijas set daton = daton + 1 where indice = 'Bonos'"));
        Consulta q(c, QStringLiteral("select daton from relaciones_fijas where indice = 'Bonos'"));
        QVERIFY(q.siguiente());
        QCOMPARE(q.entero(QStringLiteral("daton")), 32768);
    }

    // Índices de las consultas de las listas de bonos y de la búsqueda de clientes
    void indices_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<QString>("indice");
        const char* const casos[][2] = {
            {"cabecera_bonos", "ix_cabecera_bonos_estado_hasta"}, {"cabecera_bonos", "ix_cabecera_bonos_numbono"},
            {"cabecera_bonos", "ix_cabecera_bonos_factura"},      {"detalle_bono", "ix_detalle_bono_num_bono"},
            {"cabecera_factura", "ix_cabecera_factura_numero"},   {"detalle_factura", "ix_detalle_factura_num"},
            {"clientes", "ix_clientes_nombre"},                   {"cabecera_pago", "ix_cabecera_pago_cliente"},
            {"detalle_pago", "ix_detalle_pago_num"},              {"detalle_familia", "ix_detalle_familia_familia"},
        };
        for (const QString& m : motores())
            for (const auto& caso : casos)
                QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(m, QLatin1String(caso[1]))))
                    << m << QString::fromLatin1(caso[0]) << QString::fromLatin1(caso[1]);
    }
    void indices()
    {
        QFETCH(QString, motor);
        QFETCH(QString, tabla);
        QFETCH(QString, indice);
        Conexion c;
        c.abrir(base(motor).tienda());
        QVERIFY2(Catalogo::indices(c, tabla).contains(indice), qPrintable(indice));
    }

    void extensionSinAcentosEnPostgres()
    {
        if (!hayServidorPostgres())
            QSKIP("Sin servidor PostgreSQL");
        Conexion c;
        c.abrir(base(QStringLiteral("postgresql")).tienda());
        Consulta q(c, QStringLiteral("select unaccent('Íñigo Muñoz') as t"));
        QVERIFY(q.siguiente());
        QCOMPARE(q.texto(QStringLiteral("t")), QStringLiteral("Inigo Munoz"));
    }
};

QTEST_GUILESS_MAIN(TstEsquema)
#include "tst_esquema.moc"
