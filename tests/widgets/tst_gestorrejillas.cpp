// Preparación de rejillas con los textos de formato de las listas, y llenado
// desde una consulta en los dos motores con nulos, fechas y números
#include "BaseDatosPrueba.h"
#include "datos/Error.h"
#include "datos/Valores.h"
#include "plataforma/widgets/GestorRejillas.h"
#include "plataforma/widgets/Rejilla.h"

#include <QTest>

using Formatos = QList<FormatoColumna>;
Q_DECLARE_METATYPE(FormatoColumna)

namespace {
constexpr auto I = Qt::AlignLeft;
constexpr auto C = Qt::AlignHCenter;
constexpr auto D = Qt::AlignRight;

FormatoColumna f(double ancho, Qt::Alignment alineacion)
{
    return FormatoColumna{ancho, alineacion};
}

AjustesRegionales regionales(QChar separador, const QString& fecha)
{
    AjustesRegionales a;
    a.separadorDecimal = separador;
    a.formatoFechaCorta = fecha;
    return a;
}
}  // namespace

class TstGestorRejillas : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<Conexion> m_con;
    std::unique_ptr<Rejilla> m_r;

    // Base nueva en el motor de la fila en curso; las pruebas sin base de datos no la abren
    void abrir()
    {
        QFETCH_GLOBAL(QString, motor);
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor, BaseDatosPrueba::Contenido::Vacia);
        m_con = std::make_unique<Conexion>();
        m_con->abrir(m_db->tienda());
        m_con->ejecutar(QStringLiteral("create table bonos (numbono integer, nombre varchar(40), apellidos varchar(40), "
                                       "fecha_hasta date, precio double precision, sesiones smallint, hora time)"));
        const QString alta = QStringLiteral("insert into bonos values (?, ?, ?, ?, ?, ?, ?)");
        m_con->ejecutar(alta, {1, QStringLiteral("Lucía"), QStringLiteral("Pérez"), QDate(2024, 5, 31), 40.5, 10,
                               QTime(10, 30)});
        m_con->ejecutar(alta, {2, QStringLiteral("Ana"), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
        m_con->ejecutar(alta, {3, QStringLiteral("Rosa"), QStringLiteral("Gil"), QDate(2023, 12, 1), 1234.25, 5,
                               QTime(9, 0)});
    }

private Q_SLOTS:
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void cleanup()
    {
        m_r.reset();
        m_con.reset();
        m_db.reset();
        Valores::ponerRegionales(AjustesRegionales::espanoles());
    }

    void leerFormato_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<Formatos>("esperado");
        QTest::newRow("mayúsculas como vengan")
            << "960/centrado;3420/Izquierda;0/DERECHA" << Formatos{f(960, C), f(3420, I), f(0, D)};
        QTest::newRow("con punto y coma final") << "1200/centrado;1700/izquierda;" << Formatos{f(1200, C), f(1700, I)};
        QTest::newRow("anchos con coma decimal")
            << "1230,5/centrado;0/derecha" << Formatos{f(1230.5, C), f(0, D)};
        QTest::newRow("blancos alrededor") << " 1000 / Derecha " << Formatos{f(1000, D)};
        QTest::newRow("vacío") << "" << Formatos{};
    }
    void leerFormato()
    {
        QFETCH(QString, formato);
        QFETCH(Formatos, esperado);
        QCOMPARE(GestorRejillas::leerFormato(formato), esperado);
    }

    void formatoMalo_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QString>("nombra");  // lo que el mensaje tiene que decir
        QTest::newRow("alineación desconocida") << "1000/centro" << "centro";
        QTest::newRow("ancho negativo") << "-5/Derecha" << "-5";
        QTest::newRow("sin ancho") << "/Derecha" << "columna 0";
        QTest::newRow("entrada vacía en medio") << "1000/Derecha;;1000/Derecha" << "columna 1";
    }
    void formatoMalo()
    {
        QFETCH(QString, formato);
        QFETCH(QString, nombra);
        m_r = std::make_unique<Rejilla>();
        m_r->ponerTitulos({QStringLiteral("Antes")});
        try {
            GestorRejillas().PrepararRejilla(*m_r, QStringLiteral("A;B;C"), formato);
            QFAIL("un formato malo tenía que dar error");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(nombra), qPrintable(e.descripcion()));
            QVERIFY2(e.descripcion().startsWith(QStringLiteral("Formato de rejilla no válido")), qPrintable(e.descripcion()));
        }
        // La rejilla queda como estaba
        QCOMPARE(m_r->titulos(), QStringList{QStringLiteral("Antes")});
    }

    void prepararRejilla()
    {
        m_r = std::make_unique<Rejilla>();
        Rejilla& r = *m_r;
        GestorRejillas g;
        g.PrepararRejilla(r, QStringLiteral("Codigo;Servicios de la seccion Manos;Precio;CaptionLabel"),
                          QStringLiteral("1000/centrado;6000/izquierda;1200/Derecha;0/Derecha"));
        QCOMPARE(r.texto(0, 1), QStringLiteral("Servicios de la seccion Manos"));
        QCOMPARE(r.columnWidth(1), r.twipsAPixeles(6000));
        QVERIFY(r.isColumnHidden(3));
        QCOMPARE(r.alineacionColumna(2), D);
        // Preparar otra vez conserva las filas de datos y cambia los títulos
        r.ponerFilas(3);
        r.ponerTexto(2, 0, QStringLiteral("17"));
        g.PrepararRejilla(r, QStringLiteral("Consumo;Empleado"), QStringLiteral("1200/centrado;1700/izquierda;"));
        QCOMPARE(r.columnas(), 2);
        QCOMPARE(r.filas(), 3);
        QCOMPARE(r.texto(2, 0), QStringLiteral("17"));
        QCOMPARE(r.titulos(), (QStringList{QStringLiteral("Consumo"), QStringLiteral("Empleado")}));
        // Títulos y formato de distinto número de columnas: error y nada cambia
        try {
            g.PrepararRejilla(r, QStringLiteral("A;B;C"), QStringLiteral("1200/centrado;1700/izquierda"));
            QFAIL("tenía que dar error");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(QStringLiteral("3 títulos")), qPrintable(e.descripcion()));
        }
        QCOMPARE(r.columnas(), 2);
        QCOMPARE(r.texto(0, 0), QStringLiteral("Consumo"));
    }

    void llenarRejilla_data()
    {
        QTest::addColumn<QChar>("separador");
        QTest::addColumn<QString>("formatoFecha");
        QTest::addColumn<QStringList>("fila1");
        QTest::newRow("coma") << QChar(u',') << "dd/MM/yyyy"
                              << QStringList{"1", "Lucía Pérez", "31/05/2024", "40,5", "10", "10:30:00"};
        QTest::newRow("punto") << QChar(u'.') << "MM/dd/yyyy"
                               << QStringList{"1", "Lucía Pérez", "05/31/2024", "40.5", "10", "10:30:00"};
    }
    void llenarRejilla()
    {
        QFETCH(QChar, separador);
        QFETCH(QString, formatoFecha);
        QFETCH(QStringList, fila1);
        abrir();
        Valores::ponerRegionales(regionales(separador, formatoFecha));
        m_r = std::make_unique<Rejilla>();
        Rejilla& r = *m_r;
        GestorRejillas g;
        g.PrepararRejilla(r, QStringLiteral("Numero;Cliente;F.Hasta;Precio;Sesio.;Hora"),
                          QStringLiteral("800/centrado;1800/izquierda;0/DERECHA;1000/Centrado;800/Centrado;800/Centrado"));
        g.LlenarRejilla(*m_con,
                        QStringLiteral("select numbono, nombre & ' ' & apellidos as nomCli, fecha_hasta, precio, "
                                       "sesiones, hora from bonos where numbono >= ? order by numbono"),
                        r, {1});
        QCOMPARE(r.filas(), 4);
        QCOMPARE(r.texto(0, 2), QStringLiteral("F.Hasta"));
        // La preparación sigue en pie tras llenar
        QVERIFY(r.isColumnHidden(2));
        QStringList f1, f2;
        for (int c = 0; c < 6; ++c) {
            f1.append(r.texto(1, c));
            f2.append(r.texto(2, c));
        }
        QCOMPARE(f1, fila1);
        // Los nulos son textos vacíos
        QCOMPARE(f2, (QStringList{"2", "Ana ", "", "", "", ""}));
        // La fecha de la rejilla se vuelve a leer como fecha
        QCOMPARE(Valores::leerFecha(r.texto(1, 2)), QDate(2024, 5, 31));
        QCOMPARE(Valores::leerNumero(r.texto(3, 3)), 1234.25);
    }

    // Sin registros, con más columnas que títulos, y con un error
    void llenarVaciaYOtraForma()
    {
        abrir();
        m_r = std::make_unique<Rejilla>();
        Rejilla& r = *m_r;
        GestorRejillas g;
        g.PrepararRejilla(r, QStringLiteral("Consumo;Empleado"), QStringLiteral("1200/centrado;1700/izquierda;"));
        r.ponerFilas(5);
        r.ponerColorFondoFila(2, Qt::yellow);
        // Sin registros queda solo la fila de títulos
        g.LlenarRejilla(*m_con, QStringLiteral("select fecha_hasta, nombre from bonos where numbono = ?"), r, {99});
        QCOMPARE(r.filas(), 1);
        QCOMPARE(r.titulos(), (QStringList{QStringLiteral("Consumo"), QStringLiteral("Empleado")}));
        // Una columna por columna de la consulta, aunque haya más que títulos
        g.LlenarRejilla(*m_con, QStringLiteral("select numbono, nombre, sesiones from bonos order by numbono"), r);
        QCOMPARE(r.columnas(), 3);
        QCOMPARE(r.filas(), 4);
        QCOMPARE(r.texto(0, 2), QString());
        QCOMPARE(r.texto(3, 1), QStringLiteral("Rosa"));
        // Los colores de la carga anterior no pasan a la nueva
        QVERIFY(!r.colorFondo(2, 0).isValid());
        // Con menos columnas que las preparadas, las de más quedan vacías
        r.ponerTexto(1, 2, QStringLiteral("x"));
        g.LlenarRejilla(*m_con, QStringLiteral("select nombre from bonos order by numbono"), r);
        QCOMPARE(r.columnas(), 3);
        QCOMPARE(r.texto(1, 2), QString());
        g.LlenarRejilla(*m_con, QStringLiteral("select numbono, nombre, sesiones from bonos order by numbono"), r);
        // Una consulta que falla deja lo que se mostraba
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, g.LlenarRejilla(*m_con, QStringLiteral("select nada from bonos"), r));
        QCOMPARE(r.filas(), 4);
        QCOMPARE(r.texto(3, 1), QStringLiteral("Rosa"));
    }

    void textoDeValor_data()
    {
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("fecha y hora ISO") << QVariant(QStringLiteral("2024-02-29 17:05:00")) << "29/02/2024 17:05:00";
        QTest::newRow("fecha a medianoche") << QVariant(QDateTime(QDate(2024, 3, 1), QTime(0, 0))) << "01/03/2024";
        QTest::newRow("hora de SQLite con milésimas") << QVariant(QStringLiteral("09:05:00.000")) << "09:05:00";
        QTest::newRow("parece fecha y no lo es") << QVariant(QStringLiteral("2024-13-45")) << "2024-13-45";
        QTest::newRow("doble largo") << QVariant(2.0 / 3.0) << "0,666666666666667";
        QTest::newRow("marca") << QVariant(true) << "-1";
    }
    void textoDeValor()
    {
        QFETCH(QVariant, valor);
        QFETCH(QString, esperado);
        Valores::ponerRegionales(AjustesRegionales::espanoles());
        QCOMPARE(GestorRejillas::textoDeValor(valor), esperado);
    }
};

QTEST_MAIN(TstGestorRejillas)
#include "tst_gestorrejillas.moc"
