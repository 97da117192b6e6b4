// Escritor de registros: de la lista de campos a los tipos de cada columna,
// en los dos motores y con los dos separadores decimales
#include "BaseDatosPrueba.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Valores.h"
#include "plataforma/GestorRegistrosSql.h"
#include "datos/Globales.h"

#include <QTest>

class TstGestorRegistros : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<Conexion> m_con;
    std::unique_ptr<GestorRegistrosSql> m_gestor;

    int filas(const QString& tabla)
    {
        return BaseDatosPrueba::numero(*m_con, QStringLiteral("select count(*) as n from %1").arg(tabla));
    }

    static void ponerAjustes(const QString& separador, const QString& formatoFecha)
    {
        AjustesRegionales a = AjustesRegionales::espanoles();
        a.separadorDecimal = separador.at(0);
        a.formatoFechaCorta = formatoFecha;
        Valores::ponerRegionales(a);
    }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        Valores::ponerRegionales(AjustesRegionales::espanoles());
        reiniciarGlobales();
        QFETCH_GLOBAL(QString, motor);
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        m_con = std::make_unique<Conexion>();
        m_con->abrir(m_db->tienda());
        m_gestor = std::make_unique<GestorRegistrosSql>();
    }

    void cleanup()
    {
        m_gestor.reset();
        m_con.reset();
        m_db.reset();
        Valores::ponerRegionales(AjustesRegionales::espanoles());
    }

    void formasDeValor_data()
    {
        QTest::addColumn<QString>("separador");
        QTest::addColumn<QString>("formatoFecha");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QVariant>("esperado");
        const auto fila = [](const char* nombre, const char* sep, const char* campo, const QString& texto,
                             const QVariant& esperado, const char* formato = "dd/MM/yyyy") {
            QTest::newRow(nombre) << QString::fromLatin1(sep) << QString::fromLatin1(formato)
                                  << QString::fromLatin1(campo) << texto << esperado;
        };
        fila("entero", ",", "pago", QStringLiteral("12"), 12);
        fila("entero escrito con decimales a cero", ".", "pago", QStringLiteral("7.0"), 7);
        fila("importe con coma, puesto con coma", ",", "total", QStringLiteral("12,5"), 12.5);
        fila("importe con coma, puesto con punto", ".", "total", QStringLiteral("12,5"), 12.5);
        fila("número del puesto con punto", ".", "total", QStringLiteral("1234.75"), 1234.75);
        fila("miles agrupados con coma decimal", ",", "total", QStringLiteral("1.234,5"), 1234.5);
        fila("miles agrupados con punto decimal", ".", "total", QStringLiteral("1,234.5"), 1234.5);
        fila("importe negativo", ",", "descuento", QStringLiteral("-2,25"), -2.25);
        fila("número con exponente", ",", "total", QStringLiteral("1,5E-05"), 1.5e-05);
        fila("marca -1", ",", "impuestoincluido", QStringLiteral("-1"), -1);
        fila("marca True", ",", "impuestoincluido", QStringLiteral("True"), -1);
        fila("marca False", ".", "impuestoincluido", QStringLiteral("False"), 0);
        fila("fecha tecleada sin ceros", ",", "fecha", QStringLiteral("6/12/2026"), QDate(2026, 12, 6));
        fila("fecha corta de otro puesto", ".", "fecha", QStringLiteral("12/06/2026"), QDate(2026, 12, 6),
             "MM/dd/yyyy");
        fila("fecha con hora detrás", ",", "fecha", QStringLiteral("06/12/2026 0:00:00"), QDate(2026, 12, 6));
        fila("fecha ISO", ".", "fechaventa", QStringLiteral("2026-02-28"), QDate(2026, 2, 28));
        fila("hora", ",", "hora", QStringLiteral("09:05:30"), QTime(9, 5, 30));
        fila("hora sin cero delante", ",", "hora_inicio", QStringLiteral("9:05:30"), QTime(9, 5, 30));
        fila("vacío en importe es nulo", ",", "total", QString(), QVariant());
        fila("vacío en fecha es nulo", ",", "fecha", QString(), QVariant());
        fila("vacío en texto es texto vacío", ",", "empleado", QString(), QString());
        fila("texto con signo igual", ",", "empleado", QStringLiteral("a=b=c"), QStringLiteral("a=b=c"));
        fila("texto con comilla", ",", "empleado", QStringLiteral("O'Hara; --"), QStringLiteral("O'Hara; --"));
        fila("texto con acentos", ".", "terminal", QStringLiteral("Caja Ñandú"), QStringLiteral("Caja Ñandú"));
    }
    void formasDeValor()
    {
        QFETCH(QString, separador);
        QFETCH(QString, formatoFecha);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QVariant, esperado);
        ponerAjustes(separador, formatoFecha);
        m_gestor->Insertar(*m_con, QStringLiteral("cabecera_factura"),
                           QStringLiteral("numero=1|%1=%2|").arg(campo, texto), QString(), false);

        Consulta c(*m_con, QStringLiteral("select %1 from cabecera_factura where numero = 1").arg(campo));
        QVERIFY(c.siguiente());
        if (!esperado.isValid()) {
            QVERIFY2(c.esNulo(campo), qPrintable(c.valor(campo).toString()));
            return;
        }
        QVERIFY(!c.esNulo(campo));
        switch (esperado.typeId()) {
        case QMetaType::Int:
            QCOMPARE(c.entero(campo), esperado.toInt());
            break;
        case QMetaType::Double:
            QCOMPARE(c.numero(campo), esperado.toDouble());
            break;
        case QMetaType::QDate:
            QCOMPARE(c.fecha(campo), esperado.toDate());
            break;
        case QMetaType::QTime:
            QCOMPARE(c.hora(campo), esperado.toTime());
            break;
        default:
            QCOMPARE(c.texto(campo), esperado.toString());
        }
        QVERIFY(!c.siguiente());
    }

    // Lo que no se lee como el tipo de su columna: error que nombra tabla,
    // campo y valor, y nada escrito
    void valoresQueNoSeLeen_data()
    {
        QTest::addColumn<QString>("separador");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        const auto fila = [](const char* nombre, const char* sep, const char* campo, const char* texto) {
            QTest::newRow(nombre) << QString::fromLatin1(sep) << QString::fromLatin1(campo) << QString::fromUtf8(texto);
        };
        fila("letras en entero", ",", "pago", "12a");
        fila("decimales en entero", ",", "pago", "3,5");
        fila("palabra en importe", ",", "total", "doce");
        fila("dos comas", ",", "total", "1,2,3");
        fila("grupos mal hechos", ",", "total", "12.34,5");
        fila("agrupado al revés del puesto", ".", "total", "1.234,5");
        fila("moneda pegada", ",", "total", "12,5 €");
        fila("fecha imposible", ",", "fecha", "31/02/2026");
        fila("fecha en palabras", ".", "fechaventa", "mañana");
        fila("hora imposible", ",", "hora", "25:00:00");
        fila("marca en palabras", ",", "impuestoincluido", "Quizá");
    }
    void valoresQueNoSeLeen()
    {
        QFETCH(QString, separador);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        ponerAjustes(separador, QStringLiteral("dd/MM/yyyy"));
        try {
            m_gestor->Insertar(*m_con, QStringLiteral("Cabecera_Factura"),
                               QStringLiteral("numero=1|%1=%2|empleado=Ana|").arg(campo.toUpper(), texto), QString(),
                               false);
            QFAIL("el valor tenía que dar error");
        } catch (const ErrorTarvelo& e) {
            const QString d = e.descripcion();
            QVERIFY2(d.contains(QLatin1String("cabecera_factura")), qPrintable(d));
            QVERIFY2(d.contains(campo, Qt::CaseInsensitive), qPrintable(d));
            QVERIFY2(d.contains(QStringLiteral("«%1»").arg(texto)), qPrintable(d));
        }
        QCOMPARE(filas(QStringLiteral("cabecera_factura")), 0);
    }

    void listasMalFormadas_data()
    {
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QStringList>("nombrados");
        const auto fila = [](const char* nombre, const char* tabla, const char* lista, QStringList nombrados) {
            QTest::newRow(nombre) << QString::fromLatin1(tabla) << QString::fromUtf8(lista) << nombrados;
        };
        fila("campo desconocido", "cabecera_factura", "numero=1|totalisimo=5|",
             {"cabecera_factura", "totalisimo", "«5»"});
        fila("elemento sin igual", "cabecera_factura", "numero=1|total|", {"cabecera_factura", "total"});
        fila("lista vacía", "cabecera_factura", "|", {"cabecera_factura"});
        fila("campo repetido", "cabecera_factura", "numero=1|NUMERO=2|", {"cabecera_factura", "NUMERO"});
        fila("tabla que no existe", "cabecera_facturas", "numero=1|", {"cabecera_facturas"});
    }
    void listasMalFormadas()
    {
        QFETCH(QString, tabla);
        QFETCH(QString, lista);
        QFETCH(QStringList, nombrados);
        try {
            m_gestor->Insertar(*m_con, tabla, lista, QString(), false);
            QFAIL("la lista tenía que dar error");
        } catch (const ErrorTarvelo& e) {
            for (const QString& n : nombrados)
                QVERIFY2(e.descripcion().contains(n), qPrintable(e.descripcion()));
        }
        QCOMPARE(filas(QStringLiteral("cabecera_factura")), 0);
    }

    // La tienda se pone sola solo en una cadena, si la tabla la tiene y la lista no la da
    void tienda_data()
    {
        QTest::addColumn<bool>("multitienda");
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QVariant>("esperada");
        QTest::newRow("cadena") << true << QStringLiteral("codigo=1|nombre=Ana|") << QVariant(QStringLiteral("Centro"));
        QTest::newRow("cadena con tienda en la lista")
            << true << QStringLiteral("codigo=1|Tienda=Norte|") << QVariant(QStringLiteral("Norte"));
        QTest::newRow("tienda sola") << false << QStringLiteral("codigo=1|nombre=Ana|") << QVariant();
        QTest::newRow("tienda sola con tienda en la lista")
            << false << QStringLiteral("codigo=1|tienda=Norte|") << QVariant(QStringLiteral("Norte"));
    }
    void tienda()
    {
        QFETCH(bool, multitienda);
        QFETCH(QString, lista);
        QFETCH(QVariant, esperada);
        m_gestor->Insertar(*m_con, QStringLiteral("clientes"), lista, QStringLiteral("Centro"), multitienda);
        Consulta c(*m_con, QStringLiteral("select tienda from clientes where codigo = 1"));
        QVERIFY(c.siguiente());
        if (esperada.isValid())
            QCOMPARE(c.texto(QStringLiteral("tienda")), esperada.toString());
        else
            QVERIFY(c.esNulo(QStringLiteral("tienda")));
    }

    // Una tabla sin columna tienda se escribe igual en una cadena
    void tablaSinTienda()
    {
        m_gestor->Insertar(*m_con, QStringLiteral("pasardatos"),
                           QStringLiteral("terminal=CAJA1|indice=Q_Tarvelo.exe|texto1=3,7,12|texto2=15|"),
                           QStringLiteral("Centro"), true);
        Consulta c(*m_con, QStringLiteral("select texto1 from pasardatos where terminal = 'CAJA1'"));
        QVERIFY(c.siguiente());
        QCOMPARE(c.texto(QStringLiteral("texto1")), QStringLiteral("3,7,12"));
    }
};

QTEST_MAIN(TstGestorRegistros)
#include "tst_gestorregistros.moc"
