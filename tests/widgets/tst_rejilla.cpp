// Rejilla: títulos en la fila 0, celdas, filas ocultas, orden genérico,
// colores, anchos en twips y selección con el ratón
#include "datos/Error.h"
#include "datos/Valores.h"
#include "plataforma/widgets/Rejilla.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

namespace {

// Rejilla de títulos y filas dadas por columnas de texto
void llenar(Rejilla& r, const QStringList& titulos, const QList<QStringList>& filas)
{
    r.ponerTitulos(titulos);
    r.ponerFilas(int(filas.size()) + 1);
    for (int f = 0; f < filas.size(); ++f)
        for (int c = 0; c < filas.at(f).size(); ++c)
            r.ponerTexto(f + 1, c, filas.at(f).at(c));
}

QStringList columna(const Rejilla& r, int c)
{
    QStringList t;
    for (int f = 1; f < r.filas(); ++f)
        t.append(r.texto(f, c));
    return t;
}

}  // namespace

class TstRejilla : public QObject {
    Q_OBJECT

    std::unique_ptr<Rejilla> m_r;

    Rejilla& nueva()
    {
        m_r = std::make_unique<Rejilla>();
        m_r->setObjectName(QStringLiteral("grid_Prueba"));
        m_r->resize(600, 400);
        return *m_r;
    }

private Q_SLOTS:
    void init() { Valores::ponerRegionales(AjustesRegionales::espanoles()); }
    void cleanup() { m_r.reset(); }

    // La fila 0 son los títulos, la cabecera de la vista; crecer y menguar
    // deja lo escrito en su sitio y lo nuevo vacío
    void titulosYCeldas()
    {
        Rejilla& r = nueva();
        llenar(r, {QStringLiteral("A"), QStringLiteral("B")}, {{"a1", "b1"}, {"a2", "b2"}, {"a3", "b3"}});
        QCOMPARE(r.model()->rowCount(), 3);
        QCOMPARE(r.model()->index(0, 1).data().toString(), QStringLiteral("b1"));
        r.ponerTexto(0, 1, QStringLiteral("Cliente"));
        QCOMPARE(r.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Cliente"));
        r.ponerColumnas(3);
        QCOMPARE(r.texto(2, 1), QStringLiteral("b2"));
        QCOMPARE(r.texto(2, 2), QString());
        r.ponerFilas(2);
        r.ponerFilas(4);
        QCOMPARE(r.texto(1, 0), QStringLiteral("a1"));
        QCOMPARE(r.texto(3, 0), QString());
        r.ponerColumnas(1);
        QCOMPARE(r.titulos(), QStringList{QStringLiteral("A")});
    }

    void fueraDeLaRejilla_data()
    {
        QTest::addColumn<int>("fila");
        QTest::addColumn<int>("columna");
        QTest::newRow("fila tras la última") << 3 << 0;
        QTest::newRow("columna negativa") << 0 << -1;
    }
    void fueraDeLaRejilla()
    {
        QFETCH(int, fila);
        QFETCH(int, columna);
        Rejilla& r = nueva();
        llenar(r, {QStringLiteral("A"), QStringLiteral("B")}, {{QStringLiteral("x"), QStringLiteral("y")}, {}});
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, r.texto(fila, columna));
        try {
            r.ponerTexto(fila, columna, QStringLiteral("z"));
            QFAIL("escribir fuera tenía que dar error");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(QStringLiteral("grid_Prueba")), qPrintable(e.descripcion()));
            QVERIFY2(e.descripcion().contains(QStringLiteral("(%1, %2)").arg(fila).arg(columna)),
                     qPrintable(e.descripcion()));
        }
        QCOMPARE(r.texto(1, 1), QStringLiteral("y"));
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, r.ponerFilas(0));
        QCOMPARE(r.filas(), 3);
    }

    void filasOcultas()
    {
        Rejilla& r = nueva();
        llenar(r, {QStringLiteral("Cliente")},
               {{QStringLiteral("Ana")}, {QStringLiteral("Luis")}, {QStringLiteral("Marta")}, {QStringLiteral("Rosa")}});
        r.ponerAltoFila(2, 0);
        r.ponerAltoFila(4, 0);
        // La rejilla lo sabe en el acto; la vista, al volver al bucle de eventos
        QVERIFY(r.filaOculta(2));
        QVERIFY(!r.filaOculta(3));
        QTRY_COMPARE(r.model()->rowCount(), 2);
        QCOMPARE(r.model()->index(0, 0).data().toString(), QStringLiteral("Ana"));
        QCOMPARE(r.model()->index(1, 0).data().toString(), QStringLiteral("Marta"));
        // Oculta sigue leyéndose y escribiéndose por su fila
        QCOMPARE(r.texto(2, 0), QStringLiteral("Luis"));
        r.ponerTexto(2, 0, QStringLiteral("Luisa"));
        r.ponerTexto(3, 0, QStringLiteral("Martina"));
        QCOMPARE(r.model()->index(1, 0).data().toString(), QStringLiteral("Martina"));
        // Un clic en la vista da la fila de la rejilla, no la de la vista
        r.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r));
        QTest::mouseClick(r.viewport(), Qt::LeftButton, {}, r.visualRect(r.model()->index(1, 0)).center());
        QCOMPARE(r.filaActual(), 3);
        // Se vuelve a ver con el alto de la fila 0
        r.ponerAltoFila(2, r.altoFila(0));
        QTRY_COMPARE(r.model()->rowCount(), 3);
        QCOMPARE(r.model()->index(1, 0).data().toString(), QStringLiteral("Luisa"));
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, r.ponerAltoFila(1, -5));
    }

    void ordenar_data()
    {
        QTest::addColumn<QStringList>("valores");
        QTest::addColumn<bool>("descendente");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("números, no como texto")
            << QStringList{"10", "9", "100", "1"} << false << QStringList{"1", "9", "10", "100"};
        QTest::newRow("decimales con coma y con punto")
            << QStringList{"1,5", "1.25", "10", "-2"} << false << QStringList{"-2", "1.25", "1,5", "10"};
        QTest::newRow("texto sin mayúsculas")
            << QStringList{"beta", "Alfa", "gamma", "ALBA"} << false << QStringList{"ALBA", "Alfa", "beta", "gamma"};
        QTest::newRow("eñe entre ene y o")
            << QStringList{"Oso", "Ñandú", "Nube", "ángel"} << false << QStringList{"ángel", "Nube", "Ñandú", "Oso"};
        QTest::newRow("fechas como fechas")
            << QStringList{"02/01/2024", "01/02/2024", "31/12/2023", "15/01/2024"} << false
            << QStringList{"31/12/2023", "02/01/2024", "15/01/2024", "01/02/2024"};
        QTest::newRow("vacíos primero, números, fechas y textos")
            << QStringList{"Zeta", "3", "", "01/01/2020", " ", "2"} << false
            << QStringList{"", " ", "2", "3", "01/01/2020", "Zeta"};
    }
    void ordenar()
    {
        QFETCH(QStringList, valores);
        QFETCH(bool, descendente);
        QFETCH(QStringList, esperado);
        Rejilla& r = nueva();
        QList<QStringList> filas;
        for (int i = 0; i < valores.size(); ++i)
            filas.append({valores.at(i), QString::number(i)});
        llenar(r, {QStringLiteral("Valor"), QStringLiteral("Pos")}, filas);
        r.ordenar(0, descendente ? Rejilla::Orden::Descendente : Rejilla::Orden::Ascendente);
        QCOMPARE(columna(r, 0), esperado);
        // Cada fila se mueve entera y los títulos no se mueven
        for (int f = 1; f < r.filas(); ++f)
            QCOMPARE(valores.at(r.texto(f, 1).toInt()), r.texto(f, 0));
        QCOMPARE(r.texto(0, 0), QStringLiteral("Valor"));
    }

    void ordenLlevaColoresYAltos()
    {
        Rejilla& r = nueva();
        llenar(r, {QStringLiteral("N")}, {{"3"}, {"1"}, {"2"}});
        r.ponerColorFondoFila(1, Qt::yellow);  // la del 3
        r.ponerColorTexto(3, 0, Qt::red);      // la del 2
        r.ponerAltoFila(2, 0);                 // la del 1
        r.ordenar(0, Rejilla::Orden::Ascendente);
        QCOMPARE(columna(r, 0), (QStringList{"1", "2", "3"}));
        QCOMPARE(r.colorFondo(3, 0), QColor(Qt::yellow));
        QVERIFY(!r.colorFondo(1, 0).isValid());
        QCOMPARE(r.colorTexto(2, 0), QColor(Qt::red));
        QVERIFY(r.filaOculta(1));
        QVERIFY(!r.filaOculta(2));
        // La vista enseña las dos visibles en su nuevo orden
        QTRY_COMPARE(r.model()->rowCount(), 2);
        QCOMPARE(r.model()->index(0, 0).data().toString(), QStringLiteral("2"));
        QCOMPARE(r.model()->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
    }

    // Colores por celda, en la vista; un color inválido devuelve la celda al de
    // la rejilla, y una fila que se quita no los conserva
    void colores()
    {
        Rejilla& r = nueva();
        llenar(r, {QStringLiteral("A"), QStringLiteral("B")}, {{"1", "x"}, {"2", "y"}});
        r.ponerColorFondo(2, 1, Qt::yellow);
        r.ponerColorTexto(1, 0, Qt::blue);
        QVERIFY(!r.colorFondo(2, 0).isValid());
        QCOMPARE(r.model()->index(1, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
        QCOMPARE(r.model()->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
        r.ponerColorFondo(2, 1, QColor());
        QVERIFY(!r.colorFondo(2, 1).isValid());
        r.ponerColorFondo(2, 1, Qt::yellow);
        r.ponerFilas(2);
        r.ponerFilas(3);
        QVERIFY(!r.colorFondo(2, 1).isValid());
    }

    void anchosYAlineacion()
    {
        Rejilla& r = nueva();
        llenar(r, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, {{"1", "2", "3"}});
        r.ponerAnchoColumna(0, 1440);
        QCOMPARE(r.columnWidth(0), r.logicalDpiX());
        r.ponerAnchoColumna(1, 0);
        QVERIFY(r.isColumnHidden(1));
        r.ponerAnchoColumna(1, 720);
        QVERIFY(!r.isColumnHidden(1));
        QCOMPARE(r.columnWidth(1), r.logicalDpiX() / 2);
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, r.ponerAnchoColumna(2, -1));
        r.ponerAlineacionColumna(2, Qt::AlignRight);
        const auto alineacion = r.model()->index(0, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        QCOMPARE(alineacion & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }

    void clicEnCeldaYEnTitulo()
    {
        Rejilla& r = nueva();
        llenar(r, {QStringLiteral("Numero"), QStringLiteral("Cliente")},
               {{"7", "Ana"}, {"8", "Luis"}, {"9", "Marta"}, {"10", "Rosa"}});
        r.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r));
        QSignalSpy espia(&r, &Rejilla::pulsada);
        const QRect celda = r.visualRect(r.model()->index(1, 1));
        QTest::mouseClick(r.viewport(), Qt::LeftButton, {}, celda.center());
        QCOMPARE(espia.size(), 1);
        QCOMPARE(espia.at(0).at(0).toInt(), 2);
        QCOMPARE(espia.at(0).at(1).toInt(), 1);
        QCOMPARE(r.filaFinSeleccion(), 2);
        // Un clic en un título selecciona la columna entera: hasta la última fila
        QHeaderView* cabecera = r.horizontalHeader();
        const int x = cabecera->sectionViewportPosition(0) + cabecera->sectionSize(0) / 2;
        QTest::mouseClick(cabecera->viewport(), Qt::LeftButton, {}, QPoint(x, cabecera->height() / 2));
        QCOMPARE(espia.size(), 2);
        QCOMPARE(espia.at(1).at(0).toInt(), 0);
        QCOMPARE(r.filaActual(), 1);
        QCOMPARE(r.filaFinSeleccion(), r.filas() - 1);
        // Ordenar no mueve la selección: sigue siendo la última fila
        r.ordenar(0, Rejilla::Orden::Descendente);
        QCOMPARE(r.filaFinSeleccion(), 4);
        QCOMPARE(r.texto(r.filaFinSeleccion(), 0), QStringLiteral("7"));
    }

    void filaActualPorCodigo()
    {
        Rejilla& r = nueva();
        llenar(r, {QStringLiteral("N")}, {{"1"}, {"2"}, {"3"}});
        r.ponerFilaActual(3);
        QCOMPARE(r.currentIndex().row(), 2);
        QCOMPARE(r.filaFinSeleccion(), 3);
        r.ponerSeleccion(1, 0, 3, 0);
        QCOMPARE(r.filaActual(), 1);
        QCOMPARE(r.filaFinSeleccion(), 3);
        // Con el teclado también cambia la fila actual
        r.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r));
        r.ponerFilaActual(1);
        QTest::keyClick(&r, Qt::Key_Down);
        QCOMPARE(r.filaActual(), 2);
        QCOMPARE(r.filaFinSeleccion(), 2);
        // Menos filas recorta la fila actual
        r.ponerFilaActual(3);
        r.ponerFilas(2);
        QCOMPARE(r.filaActual(), 1);
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, r.ponerFilaActual(5));
    }
};

QTEST_MAIN(TstRejilla)
#include "tst_rejilla.moc"
