// La venta guardada de verdad al pulsar el empleado, en los dos motores:
// factura, bono y pago a cuenta en la base de datos, los documentos en su
// orden (y hechos: PDF y ticket), y una venta que falla no deja nada ni hueco
// en la serie. También la modificación de un bono ya vendido.
#include "EscritorGrabador.h"
#include "VentaPrueba.h"
#include "datos/Numeracion.h"
#include "datos/Semaforos.h"
#include "pantallas/venta/ImpresionVenta.h"
#include "AvisosPrueba.h"
#include "informes/DocumentoInforme.h"
#include "plataforma/informes/MotorInformesQt.h"
#include "registros/Bonos.h"
#include "../informes/LeerPdf.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

using namespace VentaPrueba;
using Doc = ImpresionVenta::Documento;

class TstVentaGuardada : public QObject {
    Q_OBJECT

    std::unique_ptr<Pantalla> p;
    QStringList m_impresos;

    void abrir(int modo, bool segunda, const std::function<void()>& antes = {})
    {
        QFETCH_GLOBAL(QString, motor);
        p = std::make_unique<Pantalla>(motor, modo, QLatin1Char(','));
        CierreVenta::ponerRegistro({});  // el de verdad
        ImpresionVenta::ponerImpresora([this](Doc d, SerieFactura, int numero, const VentaEnCurso&) {
            static const char* const nombres[] = {"ticket", "factura", "normativa", "hoja"};
            m_impresos << QStringLiteral("%1 %2").arg(QLatin1String(nombres[int(d)])).arg(numero);
        });
        gRegion = segunda ? QStringLiteral("Chile") : QStringLiteral("España");
        gNombreTienda = QStringLiteral("Centro");
        gConexion.ejecutar(QStringLiteral("update clientes set tienda = 'Centro'"));
        for (const char* c : {"Factura", "FacturaPeruChile"})
            SesionPrueba::ponerContador(gConexion, QLatin1String(c), 57);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("Bonos"), 300);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("PagosCuenta"), 40);
        if (antes)
            antes();
        p->abrir();
        if (segunda)
            p->marcar(QStringLiteral("chkFacturaPeruChile"));
    }
    static int filas(const QString& sql, const QVariantList& v = {}) { return SesionPrueba::filas(gConexion, sql, v); }
    static int contador(const char* indice) { return SesionPrueba::datonDe(gConexion, QLatin1String(indice)).toInt(); }
    // Filas de la venta en todas las tablas que escribe
    static int filasVenta()
    {
        int n = 0;
        for (const char* t : {"detalle_factura", "detalle_factura_1", "cabecera_factura", "cabecera_factura_1",
                              "cabecera_bonos", "cabecera_pago"})
            n += filas(QStringLiteral("select count(*) from %1").arg(QLatin1String(t)));
        return n;
    }

    // Hasta el panel de empleados: artículo, casillas, sesiones, cobro
    void hastaEmpleado(const QString& articulo, const QString& sesiones, const QString& forma, const QString& tarjeta,
                       const QString& efectivo, const QString& casillas = QStringLiteral("0000"))
    {
        p->elegir(articulo);
        const char* nombres[] = {"chkImprimir", "chk_Factura", "ch_Normativa", "chImpReport"};
        for (int i = 0; i < 4; ++i)
            if (p->w<QCheckBox>(QLatin1String(nombres[i]))->isChecked() != (casillas.at(i) == QLatin1Char('1')))
                p->marcar(QLatin1String(nombres[i]));
        p->teclear(sesiones);
        if (forma.isEmpty()) {  // depósito
            p->pulsar(QStringLiteral("cmdAceptarDinDep"));
            return;
        }
        p->pulsarPanel(QStringLiteral("PanelFormasPago"), forma);
        p->teclear(tarjeta);
        if (!efectivo.isEmpty()) {
            p->tocar(QStringLiteral("txtEntrega"));
            p->teclear(efectivo);
        }
        p->pulsar(p->visible(QStringLiteral("cmd_FinVenta")) ? QStringLiteral("cmd_FinVenta") : QStringLiteral("cmdDeuda"));
        if (p->visible(QStringLiteral("frInfoDeuda")))
            p->pulsar(QStringLiteral("cmdAceptarDeuda"));
    }
    void pulsarEmpleado() { p->pulsarPanel(QStringLiteral("PanelEmpleados"), QStringLiteral("Pedro R")); }

    // El motor de verdad, contando las composiciones
    struct MotorContado : MotorInformesQt {
        int& veces;
        explicit MotorContado(int& v) : veces(v) {}
        QString Componer(Conexion& c, const QString& plantilla) override
        {
            ++veces;
            return MotorInformesQt::Componer(c, plantilla);
        }
    };
    // Qué pantalla había delante cuando se avisó de dónde quedó el PDF
    struct AvisoDelante : AvisosPrueba {
        void avisar(const QString& texto, const QString& detalle) override
        {
            const QWidget* w = QApplication::activeModalWidget();
            AvisosPrueba::avisar((w ? w->objectName() : QString()) + QLatin1Char('|') + texto, detalle);
        }
    };

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init() { reiniciarGlobales(); }
    void cleanup()
    {
        p.reset();
        ImpresionVenta::ponerImpresora({});
        m_impresos.clear();
        Conexion::vigilarEscrituras({});
    }

    void cobro_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<bool>("segunda");
        QTest::addColumn<QString>("articulo");
        QTest::addColumn<QString>("sesiones");
        QTest::addColumn<QString>("forma");    // "" depósito
        QTest::addColumn<QString>("tarjeta");  // teclas tras elegir la forma
        QTest::addColumn<QString>("efectivo"); // teclas en la entrega, si hay
        QTest::addColumn<QString>("casillas"); // ticket, factura, normativa, hoja
        QTest::addColumn<QVariantList>("cabecera");  // total, pago, tarjeta, efectivo, característica
        QTest::addColumn<double>("resto");           // pago a cuenta; 0 sin él
        QTest::addColumn<QString>("impresos");
        QTest::newRow("efectivo 50 paga 50") << 0 << false << "Masaje" << "1" << "Efectivo" << "50" << "" << "0000"
            << QVariantList{50, 1, 0, 0, "B"} << 0.0 << "";
        QTest::newRow("efectivo 50 paga 30, packs") << 1 << false << "Masaje" << "1" << "Efectivo" << "30" << "" << "1100"
            << QVariantList{50, 1, 0, 0, "BP"} << 20.0 << "ticket 57,factura 57";
        QTest::newRow("efectivo 50 paga 30, segunda serie") << 0 << true << "Masaje" << "1" << "Efectivo" << "30" << "" << "1000"
            << QVariantList{50, 1, 0, 0, "BP"} << 20.0 << "factura 57";
        QTest::newRow("mixto 100 con 40 de tarjeta, segunda serie") << 0 << true << "Completo" << "1" << "Mixto" << "40" << "" << "0001"
            << QVariantList{100, 3, 40, 60, "B"} << 0.0 << "factura 57,hoja 57";
        QTest::newRow("tarjeta 40, packs, segunda serie") << 1 << true << "Limpieza" << "1" << "Tarjeta" << "" << "" << "0010"
            << QVariantList{40, 2, 0, 0, "B"} << 0.0 << "factura 57,normativa 57";
        QTest::newRow("mixto 30 de efectivo y 120 de tarjeta") << 1 << false << "Completo" << "1" << "Mixto" << "120" << "30" << "0110"
            << QVariantList{100, 3, 120, -20, "B"} << 0.0 << "factura 57,normativa 57";
        QTest::newRow("depósito") << 0 << false << "Corte" << "2" << "" << "" << "" << "0001"
            << QVariantList{50, 4, 0, 0, "B"} << 0.0 << "hoja 57";
    }
    void cobro()
    {
        QFETCH(int, modo);
        QFETCH(bool, segunda);
        QFETCH(QString, articulo);
        QFETCH(QString, sesiones);
        QFETCH(QString, forma);
        QFETCH(QString, tarjeta);
        QFETCH(QString, efectivo);
        QFETCH(QString, casillas);
        QFETCH(QVariantList, cabecera);
        QFETCH(double, resto);
        QFETCH(QString, impresos);
        p.reset();
        abrir(modo, segunda);
        p->clienteElegido = forma.isEmpty() ? QStringLiteral("1") : QStringLiteral("2");
        hastaEmpleado(articulo, sesiones, forma, tarjeta, efectivo, casillas);
        pulsarEmpleado();
        QVERIFY2(Mensajes::anotados().isEmpty(), qPrintable(Mensajes::anotados().join('\n')));
        QVERIFY(!p->visible(QStringLiteral("frFinAlta")));

        const QString s = segunda ? QStringLiteral("_1") : QString();
        Consulta c(gConexion, QStringLiteral("select total, pago, tarjeta, efectivo, caracteristicaventa, cliente, "
                                             "impuestoincluido from cabecera_factura%1 where numero = 57").arg(s));
        QVERIFY(c.siguiente());
        QCOMPARE((QVariantList{c.numero("total"), c.entero("pago"), c.numero("tarjeta"), c.numero("efectivo"),
                               c.texto("caracteristicaventa")}),
                 (QVariantList{cabecera[0].toDouble(), cabecera[1].toInt(), cabecera[2].toDouble(),
                               cabecera[3].toDouble(), cabecera[4]}));
        QCOMPARE(c.entero("impuestoincluido"), -1);
        c.cerrar();
        QCOMPARE(filas(QStringLiteral("select count(*) from detalle_factura%1 where num_factura = 57 and tipo_venta = ?")
                           .arg(s),
                       {modo ? QStringLiteral("BF") : QStringLiteral("B")}),
                 1);
        QCOMPARE(filas(QStringLiteral("select count(*) from cabecera_bonos where numbono = 300 and num_factura = 57 "
                                      "and facturaperuchile = ? and %1 is not null and %2 is null")
                           .arg(modo ? "familia" : "servicio", modo ? "servicio" : "familia"),
                       {segunda ? -1 : 0}),
                 1);
        QCOMPARE(filas(QStringLiteral("select count(*) from cabecera_pago where num_pago = 40 and num_factura = 57 "
                                      "and importe = ? and cliente = 2 and empleado = 2 and estado = 0"),
                       {resto}),
                 resto > 0 ? 1 : 0);
        QCOMPARE(filasVenta(), resto > 0 ? 4 : 3);
        // Solo lo que se sacó: el contador de facturas sigue al número usado
        QCOMPARE(contador(segunda ? "FacturaPeruChile" : "Factura"), 58);
        QCOMPARE(contador("PagosCuenta"), resto > 0 ? 41 : 40);
        QCOMPARE(filas(QStringLiteral("select dindep from clientes where codigo = 1")), forma.isEmpty() ? 50 : 100);
        QCOMPARE(m_impresos.join(QLatin1Char(',')), impresos);
        // Del bono a su factura
        QCOMPARE((QVariantList{ObtenerFacturaBono(QStringLiteral("300")), ObtenerFacturaBonoPeruChile(QStringLiteral("300")),
                               BonoConFacturaPeruChile(300), ObtenerFacturaBono(QStringLiteral("301")),
                               BonoConFacturaPeruChile(301)}),
                 (QVariantList{57, segunda ? 57 : 0, segunda, 0, false}));
    }

    // Los documentos de verdad: el PDF de cada uno en la carpeta del puesto,
    // con la pantalla de espera delante mientras se hace, y el ticket en su
    // dispositivo. Sin plantilla, una caja con el número del error y un
    // segundo intento callado; la venta queda guardada igual.
    void documentos_data()
    {
        QTest::addColumn<bool>("segunda");
        QTest::addColumn<QString>("casillas");
        QTest::addColumn<bool>("plantillas");
        QTest::addColumn<QStringList>("pdf");  // fichero: textos que lleva
        QTest::addColumn<int>("composiciones");
        QTest::newRow("ticket, factura y hoja") << false << "1101" << true
            << QStringList{"Factura 57:Luis Pérez:Bono: Masaje:41,32 €:50,00 €",
                           "Hoja de seguimiento 57:Bonos de Servicios:Luis Pérez:Precio: 50,00 €"}
            << 2;
        QTest::newRow("segunda serie con la normativa") << true << "1010" << true
            << QStringList{"Factura 57 segunda serie:Luis Pérez:Masaje", "Normativa UVA 57:CONSENTIMIENTO:Luis Pérez"}
            << 2;
        QTest::newRow("sin plantillas") << false << "0100" << false << QStringList{} << 2;
    }
    void documentos()
    {
        QFETCH(bool, segunda);
        QFETCH(QString, casillas);
        QFETCH(bool, plantillas);
        QFETCH(QStringList, pdf);
        QFETCH(int, composiciones);
        abrir(0, segunda);
        ImpresionVenta::ponerImpresora({});
        QTemporaryDir dir;
        DocumentoInforme::ponerCarpeta(dir.filePath(QStringLiteral("documentos")));
        gImpresoraTicket = dir.filePath(QStringLiteral("lp0"));
        int veces = 0;
        Componentes::sustituir(std::unique_ptr<MotorInformes>(std::make_unique<MotorContado>(veces)));
        AvisoDelante avisos;
        p->clienteElegido = QStringLiteral("2");
        hastaEmpleado(QStringLiteral("Masaje"), QStringLiteral("1"), QStringLiteral("Efectivo"), QStringLiteral("50"),
                      QString(), casillas);
        if (plantillas)
            ponerCarpetaPrograma(QCoreApplication::applicationDirPath());
        QElapsedTimer reloj;
        reloj.start();
        pulsarEmpleado();
        DocumentoInforme::ponerCarpeta({});
        // La espera dura lo que el documento, no unos segundos fijos
        QVERIFY2(reloj.elapsed() < 4000, qPrintable(QString::number(reloj.elapsed())));
        QVERIFY(!p->visible(QStringLiteral("frFinAlta")));
        QCOMPARE(filas(QStringLiteral("select count(*) from cabecera_factura%1 where numero = 57").arg(segunda ? "_1" : "")), 1);
        QCOMPARE(veces, composiciones);
        QCOMPARE(Mensajes::anotados(), plantillas ? QStringList{} : QStringList{QStringLiteral("501|No se encuentra la plantilla del informe Q_factura.rpt en la carpeta del programa. Vuelva a instalar el programa o avise al servicio técnico.")});
        QCOMPARE(avisos.anotados.size(), pdf.size());
        for (int i = 0; i < pdf.size(); ++i) {
            const QStringList textos = pdf.at(i).split(QLatin1Char(':'));
            const QString ruta = dir.filePath(QStringLiteral("documentos/%1.pdf").arg(textos.first()));
            QVERIFY2(avisos.anotados.at(i).startsWith(QStringLiteral("frmEsperar|")) && avisos.anotados.at(i).contains(ruta),
                     qPrintable(avisos.anotados.at(i)));
            const QString texto = leerPdf(ruta);
            for (const QString& t : textos.mid(1))
                QVERIFY2(texto.contains(t), qPrintable(t + QStringLiteral(" no está en:\n") + texto));
        }
        QFile ticket(gImpresoraTicket);
        QCOMPARE(ticket.open(QIODevice::ReadOnly) && ticket.readAll().contains("Factura n\xa7: 57"), casillas.at(0) == '1' && !segunda);
    }

    // Un fallo a mitad no deja nada de la venta, ni el depósito tocado, ni
    // hueco en la serie, y se dice en español; la pantalla sigue con la venta
    // y, pasado el fallo, el mismo empleado la guarda (PostgreSQL reconecta solo)
    void averia_data()
    {
        QTest::addColumn<QString>("averia");  // escritor que falla en una tabla, bloqueo, llena o corte
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<bool>("segunda");
        QTest::addColumn<QString>("dice");
        QTest::newRow("escritor: bono") << "escritor" << "cabecera_bonos" << false << "cabecera_bonos";
        QTest::newRow("escritor: pago a cuenta, segunda serie") << "escritor" << "Cabecera_Pago" << true << "Cabecera_Pago";
        QTest::newRow("SQLite bloqueada por otro programa") << "bloqueo" << "cabecera_bonos" << false
                                                            << "ocupada por otro puesto o por otro programa";
        QTest::newRow("SQLite llena") << "llena" << "cabecera_bonos" << false << "está llena";
        QTest::newRow("PostgreSQL: sesión cortada a mitad") << "corte" << "Cabecera_Pago" << true
                                                             << "a mitad de la operación, y no se ha guardado nada";
    }
    void averia()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, averia);
        QFETCH(QString, tabla);
        QFETCH(bool, segunda);
        QFETCH(QString, dice);
        const bool deSQLite = averia == QLatin1String("bloqueo") || averia == QLatin1String("llena");
        if (deSQLite != (motor == QLatin1String("sqlite")) && averia != QLatin1String("escritor"))
            QSKIP("Avería de otro motor");
        const bool deposito = !segunda;
        // Lleno: el nombre del servicio no cabe en la página de la línea y pide una página más
        const QString articulo = averia == QLatin1String("llena") ? QStringLiteral("Corte ") + QString(6000, u'x')
                                 : deposito                      ? QStringLiteral("Corte")
                                                                 : QStringLiteral("Masaje");
        abrir(0, segunda, [&] {
            if (averia == QLatin1String("llena"))
                gConexion.ejecutar(QStringLiteral("update servicios set nombre = ? where nombre = 'Corte'"), {articulo});
        });
        auto escritor = std::make_unique<EscritorGrabador>();
        EscritorGrabador* e = escritor.get();
        Componentes::sustituir(std::unique_ptr<GestorRegistros>(std::move(escritor)));
        QProcess bloqueo;
        std::function<void()> reparar = [e] { e->fallarEn.clear(); };
        if (averia == QLatin1String("escritor")) {
            e->fallarEn = tabla;
        } else if (averia == QLatin1String("bloqueo")) {
            gConexion.ejecutar(QStringLiteral("pragma busy_timeout = 300"));
            bloqueo.start(QStringLiteral(BLOQUEO_SQLITE), {gConexion.parametros().baseDatos});
            QVERIFY(bloqueo.waitForReadyRead(10000));
            QCOMPARE(bloqueo.readAllStandardOutput().trimmed(), QByteArray("bloqueada"));
            reparar = [&bloqueo] {
                bloqueo.closeWriteChannel();
                QVERIFY(bloqueo.waitForFinished(10000));
            };
        } else if (averia == QLatin1String("llena")) {
            gConexion.ejecutar(QStringLiteral("vacuum"));  // sin páginas libres
            Consulta n(gConexion, QStringLiteral("pragma page_count"));
            QVERIFY(n.siguiente());
            const int paginas = n.entero(QStringLiteral("page_count"));
            gConexion.ejecutar(QStringLiteral("pragma max_page_count = %1").arg(paginas));
            reparar = [] { gConexion.ejecutar(QStringLiteral("pragma max_page_count = 1000000")); };
        } else {
            // Otra conexión termina la sesión del puesto tras su segunda escritura de la transacción
            Consulta pid(gConexion, QStringLiteral("select pg_backend_pid() as pid"));
            QVERIFY(pid.siguiente());
            const int sesion = pid.entero(QStringLiteral("pid"));
            int escrituras = 0;
            Conexion::vigilarEscrituras([&, sesion](bool hecha) {
                if (!hecha || !gConexion.enTransaccion() || ++escrituras != 2)
                    return;
                Conexion otra;
                otra.abrir(gConexion.parametros());
                otra.ejecutar(QStringLiteral("select pg_terminate_backend(?)"), {sesion});
            });
            reparar = [] { Conexion::vigilarEscrituras({}); };
        }
        p->clienteElegido = deposito ? QStringLiteral("1") : QStringLiteral("2");
        if (deposito)
            hastaEmpleado(articulo, QStringLiteral("2"), QString(), QString(), QString(), "1100");
        else
            hastaEmpleado(articulo, QStringLiteral("1"), QStringLiteral("Efectivo"), "30", QString(), "1100");
        pulsarEmpleado();
        if (averia == QLatin1String("escritor"))
            QVERIFY(e->llamadas.last().startsWith(QStringLiteral("I ") + tabla));
        reparar();
        QCOMPARE(Mensajes::anotados().size(), 1);
        QVERIFY2(Mensajes::anotados().first().contains(dice), qPrintable(Mensajes::anotados().first()));
        QCOMPARE(filasVenta(), 0);
        QCOMPARE(filas(QStringLiteral("select dindep from clientes where codigo = 1")), 100);
        QCOMPARE(contador(segunda ? "FacturaPeruChile" : "Factura"), 57);
        QVERIFY(m_impresos.isEmpty());
        QVERIFY(!gConexion.enTransaccion());
        QVERIFY(p->visible(QStringLiteral("frEmpleados")));
        pulsarEmpleado();
        QCOMPARE(Mensajes::anotados().size(), 1);
        QVERIFY(!p->visible(QStringLiteral("frFinAlta")));
        QCOMPARE(filas(QStringLiteral("select count(*) from cabecera_factura%1 where numero = 57").arg(segunda ? "_1" : "")), 1);
        QCOMPARE(filasVenta(), deposito ? 3 : 4);
        QCOMPARE(filas(QStringLiteral("select dindep from clientes where codigo = 1")), deposito ? 50 : 100);
        QCOMPARE(m_impresos.first(), segunda ? QStringLiteral("factura 57") : QStringLiteral("ticket 57"));
    }

    // Ventas que se rechazan antes de guardar nada: un depósito que ya no
    // cubre el precio, o un contador que falta (todas saldrían con el 0)
    void rechazada_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("depósito gastado") << "update clientes set dindep = 40 where codigo = 1" << "ya no cubre";
        QTest::newRow("sin contador de facturas") << "delete from relaciones_fijas where indice = 'Factura'" << "«Factura»";
        QTest::newRow("sin contador de bonos") << "delete from relaciones_fijas where indice = 'Bonos'" << "«Bonos»";
    }
    void rechazada()
    {
        QFETCH(QString, sql);
        QFETCH(QString, mensaje);
        abrir(0, false);
        p->clienteElegido = QStringLiteral("1");
        hastaEmpleado(QStringLiteral("Corte"), QStringLiteral("2"), QString(), QString(), QString(), "1100");
        // Otro puesto cambia la base de datos entre la oferta y el empleado
        gConexion.ejecutar(sql);
        pulsarEmpleado();
        QCOMPARE(Mensajes::anotados().size(), 1);
        QVERIFY2(Mensajes::anotados().first().contains(mensaje), qPrintable(Mensajes::anotados().first()));
        QCOMPARE(filasVenta(), 0);
        QVERIFY(m_impresos.isEmpty());
        QCOMPARE(contador("PagosCuenta"), 40);
        if (!sql.contains(QLatin1String("Bonos")))
            QCOMPARE(contador("Bonos"), sql.contains(QLatin1String("Factura")) ? 300 : 301);
        QCOMPARE(filas(QStringLiteral("select dindep from clientes where codigo = 1")), sql.startsWith("update") ? 40 : 100);
        QVERIFY(p->visible(QStringLiteral("frEmpleados")));
    }

    // Un bono vendido se modifica en su serie y su factura (las dos tienen la 57), sin números, deuda ni ticket
    void modificacion_data()
    {
        QTest::addColumn<int>("fila");            // 1 el bono 301 (segunda serie), 2 el 300
        QTest::addColumn<QStringList>("teclas");  // sesiones, precio y descuento
        QTest::addColumn<QString>("fallar");
        QTest::addColumn<QString>("registros");  // precio tras cada Intro, facturas, bonos (y cuántos acaban antes), historial, impreso, avisos, listas, contadores
        const QString f1 = "50,0,Pedro R,1,50,0,", f2 = "100,0,Pedro R,1,100,0,", h = ",12,cabecera_bonos,num_sesiones|precio|fecha_hasta,";
        QTest::newRow("segunda serie, 10 % dos veces") << 1 << QStringList{"10", "", "10"} << "" << "90,00,81,00," + f1 +
            "81,9,Marta L,10,81,9,1,50,0,0,2,1,10,81,9,0,1,0" + h + "facturaperuchile = true and num_factura=57 and numbono=301,Centro,,factura 57,factura 57,hoja 57,1,418";
        QTest::newRow("primera serie, hasta las consumidas") << 2 << QStringList{"3", "45", ""} << "" << "45,45,45,0,Marta L,3,45,0," + f2 +
            "3,45,0,-1,1,0,1,100,0,0,2,1" + h + "num_factura=57 and numbono=300,Centro,,factura 57,hoja 57,1,418";
        QTest::newRow("falla el bono, nada a medias") << 1 << QStringList{"10", "", "10"} << "cabecera_bonos" << "90,00,81,00," + f1 + f2 + "1,50,0,0,2,0,1,100,0,0,2,0,factura 57,Gestion de Bonos|No se pudo cambiar «cabecera_bonos».,0,418";
    }
    void modificacion()
    {
        QFETCH(int, fila);
        QFETCH(QStringList, teclas);
        QFETCH(QString, fallar);
        QFETCH(QString, registros);
        abrir(0, true);
        p->clienteElegido = QStringLiteral("2");
        for (const QStringList& v : {QStringList{"chkBoleta", "Masaje", "50", "0000"}, QStringList{"chkFacturaPeruChile", "Completo", "100", "1000"}}) {
            p->w<QCheckBox>(v[0])->setChecked(true);
            hastaEmpleado(v[1], QStringLiteral("1"), QStringLiteral("Efectivo"), v[2], QString(), v[3]);  // la segunda, con ticket
            pulsarEmpleado();
        }
        gConexion.ejecutar(QStringLiteral("insert into detalle_bono (num_bono, fecha_consumo) values (300, ?), (300, ?), (300, ?)"), QVariantList(3, QDate::currentDate()));
        Componentes::sustituir(std::unique_ptr<GestorRegistros>(std::make_unique<EscritorGrabador>(fallar)));
        auto* lista = p->w<Rejilla>(QStringLiteral("grid_BonosActivos"));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualRect(lista->model()->index(fila - 1, 1)).center());
        p->pulsar(QStringLiteral("cmd_ModificarBono"));
        QVERIFY(!p->w(QStringLiteral("grid_BonosCaducados"))->isEnabled() && p->visible(QStringLiteral("cmdModificacionInfo")));
        for (int i = 0; i < 3; ++i) {
            p->tocar(QLatin1String(std::array{"txtSesiones", "lblPrecio", "txtDescuento"}[i]));
            p->teclear(teclas.at(i));
        }
        const auto intro = [this] { QTest::keyClick(p->caja(QStringLiteral("txtDescuento")), Qt::Key_Return); return p->texto(QStringLiteral("lblPrecio")); };
        QStringList hechos{intro(), intro()};
        p->w<QDateEdit>(QStringLiteral("dtpHasta"))->setDate(QDate::currentDate().addDays(30));
        p->marcar(QStringLiteral("chImpReport"));
        p->pulsar(QStringLiteral("cmd_FinVenta"));
        p->pulsarPanel(QStringLiteral("PanelEmpleados"), QStringLiteral("Marta L"));
        for (const char* sql : {"select f.total, f.descuento, f.empleado, d.unidades, d.precio, d.descuento from cabecera_factura f join detalle_factura d on d.num_factura = f.numero union all select f.total, f.descuento, f.empleado, d.unidades, d.precio, d.descuento from cabecera_factura_1 f join detalle_factura_1 d on d.num_factura = f.numero",
                                "select num_sesiones, precio, descuento, estado, empleado, (select count(*) from cabecera_bonos o where o.fecha_hasta < b.fecha_hasta) from cabecera_bonos b order by numbono",
                                "select operacion, tabla, campos, condicion, tienda, descripcion from historial"})
            for (Consulta c(gConexion, QLatin1String(sql)); c.siguiente();)
                for (int i = 0; i < 6; ++i)
                    hechos << c.valor(i).toString();
        hechos << m_impresos << Mensajes::anotados() << QString::number(lista->isEnabled()) << QString::number(contador("Factura") + contador("FacturaPeruChile") + contador("Bonos") + filas("select count(*) from cabecera_pago"));
        QCOMPARE(hechos.join(QLatin1Char(',')), registros);
    }

    // Con los semáforos encendidos se mira una vez si el número ya está usado
    void numeroUsado_data()
    {
        QTest::addColumn<bool>("segunda");
        for (bool segunda : {false, true})
            QTest::addRow("serie %d", segunda ? 2 : 1) << segunda;
    }
    void numeroUsado()
    {
        QFETCH(bool, segunda);
        abrir(0, segunda);
        SesionPrueba::activarSemaforos(gConexion);
        gSemaforosActivos = SemaforosActivos();
        CrearSemaforos();
        CrearSemaforo(QStringLiteral("FacturaPeruChile"));
        const QString tabla = segunda ? QStringLiteral("cabecera_factura_1") : QStringLiteral("cabecera_factura");
        gConexion.ejecutar(QStringLiteral("insert into %1 (numero) values (57)").arg(tabla));
        p->clienteElegido = QStringLiteral("2");
        hastaEmpleado(QStringLiteral("Masaje"), QStringLiteral("1"), QStringLiteral("Tarjeta"), QString(), QString());
        pulsarEmpleado();
        QCOMPARE(filas(QStringLiteral("select count(*) from %1 where numero = 58 and total = 50").arg(tabla)), 1);
        QCOMPARE(filas(QStringLiteral("select count(*) from cabecera_bonos where num_factura = 58")), 1);
        QCOMPARE(contador(segunda ? "FacturaPeruChile" : "Factura"), 59);
        QCOMPARE(filas(QStringLiteral("select count(*) from semaforos where estado = 'rojo'")), 0);
    }
};

QTEST_MAIN(TstVentaGuardada)
#include "tst_ventaguardada.moc"
