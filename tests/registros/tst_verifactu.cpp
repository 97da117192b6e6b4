// VERI*FACTU: la huella con los ejemplos oficiales, importes, horas y el registro de alta de cada venta
#include "EscritorGrabador.h"
#include "SesionPrueba.h"
#include "registros/BajasBono.h"
#include "registros/ModificacionBono.h"
#include "registros/RegistroVenta.h"
#include "datos/Valores.h"
#include "registros/verifactu/Huella.h"
#include "registros/verifactu/Rechazos.h"
#include "registros/verifactu/UrlQr.h"

#include <QProcess>
#include <QTest>

using namespace VeriFactu;

class TstVerifactu : public QObject {
    Q_OBJECT

    // Tienda con el ajuste, región, NIF y un cliente: región|lugar|NIF de la tienda|NIF del cliente|tabla que falla
    static VentaEnCurso preparar(const BaseDatosPrueba::Temporal& db, const QStringList& a)
    {
        SesionPrueba::abrir(db);
        gRegion = a[0];
        gIva = true;  // precios con el impuesto incluido: el importe total es el precio cobrado
        gConexion.ejecutar("insert into relaciones_fijas (indice, datoa) values ('VeriFactu', ?)", {a[1]});
        gConexion.ejecutar("insert into opciones (nombre, cif) values ('Centro', ?)", {a[2]});
        gConexion.ejecutar("insert into clientes (codigo, nombre, nif) values (7, 'Lucía', ?)", {a[3]});
        for (const char* c : {"Factura", "FacturaPeruChile", "Bonos", "Abonos"})
            SesionPrueba::ponerContador(gConexion, QLatin1String(c), 1);
        Componentes::sustituir(std::unique_ptr<GestorRegistros>(std::make_unique<EscritorGrabador>(a.value(4))));
        Valores::ponerRegionales(AjustesRegionales::espanoles());
        return {.codCliente = "7", .codServicio = 1, .nomServicio = "Corte", .clavePrecio = "1|Corte|10|21|10|1,74",
                .formaPago = 1, .sesiones = "1", .precio = "10,5", .entrega = "10,5", .fechaAlta = "01/03/2025",
                .desde = QDate(2025, 3, 1), .hasta = QDate(2026, 3, 1)};
    }
    // Lo que dice xmllint de un registro frente a los esquemas de la agencia; vacío si vale
    static QString erroresXsd(const QString& xml)
    {
        QProcess x;
        x.start("xmllint", {"--noout", "--nonet", "--schema", TARVELO_XSD "/SuministroInformacion.xsd", "-"});
        x.write(xml.toUtf8());
        x.closeWriteChannel();
        return x.waitForFinished() && x.exitCode() == 0 ? QString() : QString::fromUtf8(x.readAllStandardError());
    }

private Q_SLOTS:
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void cleanup() { SesionPrueba::cerrar(); }

    // Los tres ejemplos como una cadena: cada uno lleva la huella calculada del anterior
    void ejemplosOficialesEncadenados()
    {
        CamposAlta a{"89890001K", "12345678/G33", fecha(QDate(2024, 1, 1)), "F1", importe(12.35), importe(123.45), "",
                     fechaHoraHuso(QDateTime(QDate(2024, 1, 1), QTime(18, 20, 30), QTimeZone::utc()),
                                   QTimeZone("Europe/Madrid"))};
        QCOMPARE(huella(textoHuella(a)), "3C464DAF61ACB827C65FDA19F352A4E3BDC2C640E9E9FC4CC058073F38F12F60");
        // Los blancos a los lados de un valor no cuentan; un salto de línea al final del texto, sí
        a = {a.idEmisor, " 12345679/G34\n", a.fechaExpedicion, a.tipoFactura, a.cuotaTotal, a.importeTotal,
             huella(textoHuella(a)), "2024-01-01T19:20:35+01:00"};
        const QString h2 = huella(textoHuella(a));
        QCOMPARE(h2, "F7B94CFD8924EDFF273501B01EE5153E4CE8F259766F88CF6ACB8935802A2B97");
        QVERIFY(huella(textoHuella(a) + QLatin1Char('\n')) != h2);
        const CamposAnulacion n{"89890001K", "12345679/G34", "01-01-2024", h2, "2024-01-01T19:20:40+01:00"};
        QCOMPARE(huella(textoHuella(n)), "177547C0D57AC74748561D054A9CEC14B4C4EA23D1BEFD6F2E69E3A388F90C68");
    }

    void urlDelQrOficial()
    {
        QCOMPARE(urlQr("89890001K", "12345678&G33", "01-01-2024", "241.4", true),
                 "https://prewww2.aeat.es/wlpl/TIKE-CONT/ValidarQR?nif=89890001K&numserie=12345678%26G33&fecha=01-01-2024&importe=241.4");
    }

    void importes_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("un decimal lleva su cero") << 241.4 << "241.40";
        QTest::newRow("1.005 no baja") << 1.005 << "1.01";
        QTest::newRow("negativo, mitad lejos del cero") << -1.005 << "-1.01";
        QTest::newRow("negativo que redondea a cero") << -0.004 << "0.00";
        QTest::newRow("cero") << 0.0 << "0.00";
    }
    void importes()
    {
        QFETCH(double, valor);
        QTEST(importe(valor), "texto");
    }

    void husos_data()
    {
        QTest::addColumn<QByteArray>("zona");
        QTest::addColumn<QDateTime>("instante");
        QTest::addColumn<QString>("texto");
        const auto utc = [](int mes, int dia, int h) { return QDateTime(QDate(2024, mes, dia), QTime(h, 5, 30, 999), QTimeZone::utc()); };
        QTest::newRow("Madrid, tras el cambio") << QByteArray("Europe/Madrid") << utc(3, 31, 1) << "2024-03-31T03:05:30+02:00";
        QTest::newRow("Canarias, invierno") << QByteArray("Atlantic/Canary") << utc(1, 1, 18) << "2024-01-01T18:05:30+00:00";
        QTest::newRow("Canarias, verano") << QByteArray("Atlantic/Canary") << utc(7, 1, 18) << "2024-07-01T19:05:30+01:00";
    }
    void husos()
    {
        QFETCH(QByteArray, zona);
        QFETCH(QDateTime, instante);
        QTEST(fechaHoraHuso(instante, QTimeZone(zona)), "texto");
    }

    // Dos ventas: o dos registros encadenados con la factura, o ninguno
    void altaConLaFactura_data()
    {
        QTest::addColumn<QString>("ajustes");  // región|lugar|NIF de la tienda|NIF del cliente|tabla que falla
        QTest::addColumn<QString>("esperado");  // tipo de factura, nada sin registros, o parte del error
        QTest::newRow("cliente sin NIF") << "España|Madrid|B-1234567-4||" << "F2";
        QTest::newRow("cliente con NIF, Canarias") << "España|canarias|B12345674|12345678-z|" << "F1";
        QTest::newRow("segunda serie") << "España|Madrid|B12345674||" << "";
        QTest::newRow("fuera de España") << "Chile|Madrid|B12345674||" << "";
        QTest::newRow("apagado") << "España||B12345674||" << "";
        QTest::newRow("lugar desconocido") << "España|Lisboa|B12345674||" << "«Lisboa»";
        QTest::newRow("tienda sin NIF") << "España|Madrid|||" << "NIF de la tienda";
        QTest::newRow("fallo tras el registro") << "España|Madrid|B12345674||cabecera_bonos" << "cabecera_bonos";
    }
    void altaConLaFactura()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, ajustes);
        QFETCH(QString, esperado);
        const QStringList a = ajustes.split(QLatin1Char('|'));
        BaseDatosPrueba::Temporal db(motor);
        const VentaEnCurso v = preparar(db, a);
        const bool falla = !esperado.isEmpty() && !esperado.startsWith(QLatin1Char('F'));
        const bool segunda = QTest::currentDataTag() == QLatin1String("segunda serie");
        for (int i = 0; i < 2; ++i) {
            try {
                RegistrarVenta(segunda ? SerieFactura::Segunda : SerieFactura::Primera, v);
            } catch (const ErrorTarvelo& e) {
                QVERIFY2(falla && e.descripcion().contains(esperado), qPrintable(e.descripcion()));
            }
        }
        const int n = SesionPrueba::filas(gConexion, "select count(*) from verifactu_registros");
        QCOMPARE(n + SesionPrueba::filas(gConexion, "select count(*) from verifactu_cadenas"), falla || esperado.isEmpty() ? 0 : 3);
        QCOMPARE(SesionPrueba::filas(gConexion, "select count(*) from cabecera_factura"), falla || segunda ? 0 : 2);
        QString anterior;
        for (Consulta r(gConexion, "select r.*, d.precio, d.impuesto from verifactu_registros r join detalle_factura d on "
                                   "d.num_factura = r.numero_documento order by secuencia");
             r.siguiente();) {
            const auto t = [&](const char* campo) { return r.texto(QLatin1String(campo)); };
            const CamposAlta c{t("id_emisor"), t("num_serie_factura"), t("fecha_expedicion"), t("tipo_factura"),
                               t("cuota_total"), t("importe_total"), t("huella_anterior"), t("fecha_hora_huso")};
            QCOMPARE(QStringList({c.idEmisor, c.tipoFactura, c.fechaExpedicion, c.huellaAnterior, c.cuotaTotal, c.importeTotal}),
                     QStringList({"B12345674", esperado, "01-03-2025", anterior, importe(r.numero("impuesto")), "10.50"}));
            anterior = t("huella");
            QCOMPARE(huella(textoHuella(c)), anterior);
            QVERIFY(qAbs(QDateTime::fromString(c.fechaHoraHuso, Qt::ISODate).secsTo(QDateTime::currentDateTimeUtc())) < 60);
            QCOMPARE(t("xml").contains("<sf:NIF>12345678Z</sf:NIF>"), esperado == QLatin1String("F1"));
            QCOMPARE(t("xml").contains("<sf:Impuesto>03</sf:Impuesto>"), esperado == QLatin1String("F1"));  // Canarias
            QCOMPARE(erroresXsd(t("xml")), QString());
        }
        if (n == 0)
            return;
        // La base no deja cambiar ni borrar, ni dar un segundo hijo al mismo anterior
        for (const char* sql : {"update verifactu_registros set importe_total = '1.00'", "delete from verifactu_cadenas",
                                "delete from verifactu_registros where secuencia = 2",
                                "insert into verifactu_registros (cadena, secuencia, tipo_registro, id_emisor, num_serie_factura, "
                                "fecha_expedicion, huella_anterior, fecha_hora_huso, huella, xml, documento, numero_documento) "
                                "select cadena, 3, tipo_registro, id_emisor, 'F9', fecha_expedicion, huella_anterior, "
                                "fecha_hora_huso, huella, xml, documento, 9 from verifactu_registros where secuencia = 2"})
            QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, gConexion.ejecutar(QLatin1String(sql)));
        // verificar-cadena la da por buena, y encuentra un registro cambiado a espaldas del programa
        const auto verificar = [&] {
            QProcess p;
            p.start(TARVELO_ADMIN, {"verificar-cadena", "--suite", db.carpeta() + "/suite.ini"});
            return p.waitForFinished() ? QString::number(p.exitCode()) + p.readAllStandardOutput() : QString();
        };
        QCOMPARE(verificar(), "0Cadena del NIF B12345674: 2 registros, correcta.\n");
        gConexion.ejecutar(motor == QLatin1String("sqlite") ? "drop trigger verifactu_registros_sin_cambios"
                                                             : "set session_replication_role = replica");
        gConexion.ejecutar("update verifactu_registros set importe_total = '1.00' where secuencia = 2");
        const QString salida = verificar();
        QVERIFY2(salida.startsWith('1') && salida.contains("registro 2 (tras 1 correctos): su huella"), qPrintable(salida));
    }

    // El borrado con devolución de la primera serie: una rectificativa por
    // diferencias, en negativo, de la factura del bono
    void abono_data()
    {
        QTest::addColumn<QString>("ajustes");
        QTest::addColumn<bool>("segunda");
        QTest::addColumn<QString>("esperado");  // tipo; vacío sin registro del abono
        QTest::newRow("de una simplificada") << "España|Madrid|B12345674|" << false << "R5";
        QTest::newRow("de una completa") << "España|Madrid|B12345674|12345678Z" << false << "R1";
        QTest::newRow("segunda serie") << "España|Madrid|B12345674|" << true << "";
    }
    void abono()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, ajustes);
        QFETCH(bool, segunda);
        QFETCH(QString, esperado);
        BaseDatosPrueba::Temporal db(motor);
        const int factura = RegistrarVenta(segunda ? SerieFactura::Segunda : SerieFactura::Primera,
                                           preparar(db, ajustes.split(QLatin1Char('|'))));
        BorrarBonoConAbono({"1", "1", "0", "5,25", "Pedro R", 2});
        Consulta r(gConexion, "select * from verifactu_registros where documento = 'cabecera_abono'");
        QCOMPARE(r.siguiente(), !esperado.isEmpty());
        if (esperado.isEmpty())
            return;
        const auto t = [&](const char* campo) { return r.texto(QLatin1String(campo)); };
        // 5,25 con el 21 % incluido: 0,91 de cuota
        QCOMPARE(QStringList({t("tipo_factura"), t("num_serie_factura"), t("importe_total"), t("cuota_total"),
                              t("numero_documento")}),
                 QStringList({esperado, "A-1", "-5.25", "-0.91", "1"}));
        QVERIFY2(t("xml").contains(QStringLiteral("<sf:TipoRectificativa>I</sf:TipoRectificativa><sf:FacturasRectificadas>"
                                                  "<sf:IDFacturaRectificada><sf:IDEmisorFactura>B12345674</sf:IDEmisorFactura>"
                                                  "<sf:NumSerieFactura>F-%1</sf:NumSerieFactura>").arg(factura)),
                 qPrintable(t("xml")));
        QVERIFY(t("xml").contains("<sf:BaseImponibleOimporteNoSujeto>-4.34</sf:BaseImponibleOimporteNoSujeto>"));
        QCOMPARE(erroresXsd(t("xml")), QString());
    }

    // Con los registros, la factura emitida no cambia al modificar el bono: un
    // cambio de precio es una rectificativa por la diferencia
    void modificacion_data()
    {
        QTest::addColumn<QString>("precio");
        QTest::addColumn<QString>("importe");  // de la rectificativa; vacío sin ella
        QTest::newRow("baja") << "8" << "-2.50";
        QTest::newRow("sube") << "12,5" << "2.00";
        QTest::newRow("mismo precio, más sesiones") << "10,5" << "";
    }
    void modificacion()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, precio);
        QFETCH(QString, importe);
        BaseDatosPrueba::Temporal db(motor);
        VentaEnCurso v = preparar(db, {"España", "Madrid", "B12345674", ""});
        const int factura = RegistrarVenta(SerieFactura::Primera, v);
        v.modificando = true;
        v.bono = BonoAModificar(1);
        v.precio = precio;
        v.sesiones = "3";
        RegistrarModificacion(v);
        QCOMPARE(SesionPrueba::filas(gConexion, "select count(*) from cabecera_factura f join detalle_factura d on "
                                                "d.num_factura = f.numero where f.numero = ? and f.total = 10.5 and "
                                                "d.precio = 10.5 and d.unidades = 1", {factura}), 1);
        QCOMPARE(SesionPrueba::filas(gConexion, "select count(*) from cabecera_bonos where num_sesiones = 3 and precio = ?",
                                     {Valores::leerNumeroIndulgente(precio)}), 1);
        Consulta r(gConexion, "select * from verifactu_registros where documento = 'cabecera_abono'");
        QCOMPARE(r.siguiente(), !importe.isEmpty());
        if (importe.isEmpty())
            return;
        QCOMPARE(QStringList({r.texto("tipo_factura"), r.texto("importe_total")}), QStringList({"R5", importe}));
        QCOMPARE(erroresXsd(r.texto("xml")), QString());
    }

    // Lo que la agencia no dio por bueno se corrige con un registro nuevo del
    // mismo documento, hecho con los datos de ahora; lo demás no se corrige
    void correccion_data()
    {
        QTest::addColumn<QString>("documento");
        QTest::addColumn<QString>("estado");   // lo que contestó la agencia del último registro
        QTest::addColumn<QString>("esperado"); // tipo y marcas del registro nuevo, o parte del error
        QTest::newRow("factura rechazada, NIF del cliente corregido") << "cabecera_factura" << "Incorrecto"
                                                                      << "F1 <sf:Subsanacion>S</sf:Subsanacion><sf:RechazoPrevio>S</sf:RechazoPrevio>";
        QTest::newRow("abono aceptado con errores") << "cabecera_abono" << "AceptadoConErrores" << "R1 <sf:Subsanacion>S</sf:Subsanacion><sf:TipoFactura>";
        QTest::newRow("correcto") << "cabecera_factura" << "Correcto" << "ya no está por corregir";
        QTest::newRow("duplicado") << "cabecera_abono" << "Duplicado" << "ya no está por corregir";
        QTest::newRow("apagados tras el rechazo") << "cabecera_factura" << "Incorrecto" << "apagados";
    }
    void correccion()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, documento);
        QFETCH(QString, estado);
        QFETCH(QString, esperado);
        BaseDatosPrueba::Temporal db(motor);
        const bool abono = documento == QLatin1String("cabecera_abono");
        RegistrarVenta(SerieFactura::Primera, preparar(db, {"España", "Madrid", "B12345674", abono ? "12345678Z" : ""}));
        if (abono)
            BorrarBonoConAbono({"1", "1", "0", "5,25", "Pedro R", 2});
        const int ultimo = SesionPrueba::filas(gConexion, "select max(id) from verifactu_registros");
        gConexion.ejecutar("insert into verifactu_envios (cadena, inicio, fin, registros, ultima_secuencia, estado, espera) "
                           "values (1, 'a', 'b', 1, 1, 'ParcialmenteCorrecto', 60)");
        gConexion.ejecutar("insert into verifactu_respuestas (envio, registro, estado, codigo_error, descripcion_error) "
                           "select 1, id, case when id = ? then ? else 'Correcto' end, 4109, 'El NIF no está identificado' "
                           "from verifactu_registros", {ultimo, estado});
        const bool porCorregir = estado.startsWith('I') || estado.startsWith('A');
        QCOMPARE(registrosPorCorregir(gConexion).size(), porCorregir ? 1 : 0);
        gConexion.ejecutar("update clientes set nif = '12345678Z'");
        if (QTest::currentDataTag() == QLatin1String("apagados tras el rechazo"))
            gConexion.ejecutar("update relaciones_fijas set datoa = '' where indice = 'VeriFactu'");
        try {
            CorregirRegistro(ultimo);
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(esperado), qPrintable(e.descripcion()));
            QCOMPARE(SesionPrueba::filas(gConexion, "select max(id) from verifactu_registros"), ultimo);
            return;
        }
        Consulta r(gConexion, "select n.*, v.huella as anterior from verifactu_registros n join verifactu_registros v on "
                              "v.id = ? where n.id > v.id", {ultimo});
        QVERIFY(r.siguiente());
        const auto t = [&](const char* campo) { return r.texto(QLatin1String(campo)); };
        QCOMPARE(QStringList({t("documento"), t("num_serie_factura"), t("huella_anterior"), t("tipo_factura")}),
                 QStringList({documento, abono ? "A-1" : "F-1", t("anterior"), esperado.section(' ', 0, 0)}));
        QVERIFY2(t("xml").contains(esperado.section(' ', 1)), qPrintable(t("xml")));
        QCOMPARE(erroresXsd(t("xml")), QString());
        QVERIFY(!r.siguiente());
        QVERIFY(registrosPorCorregir(gConexion).isEmpty());
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, CorregirRegistro(ultimo));
    }
};

QTEST_GUILESS_MAIN(TstVerifactu)
#include "tst_verifactu.moc"
