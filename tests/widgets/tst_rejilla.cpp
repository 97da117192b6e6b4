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

    void titulosEnFilaCero()
    {
        Rejilla& r = nueva();
        QCOMPARE(r.filas(), 1);
        r.ponerTitulos({QStringLiteral("Numero"), QStringLiteral("Cliente"), QStringLiteral("F.Alta")});
        QCOMPARE(r.columnas(), 3);
        QCOMPARE(r.texto(0, 1), QStringLiteral("Cliente"));
        // La fila 0 es la cabecera de la vista, no una fila de datos
        QCOMPARE(r.model()->rowCount(), 0);
        QCOMPARE(r.model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("F.Alta"));
        r.ponerTexto(0, 2, QStringLiteral("Fecha"));
        QCOMPARE(r.model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Fecha"));
        r.ponerFilas(3);
        r.ponerTexto(1, 0, QStringLiteral("17"));
        QCOMPARE(r.model()->rowCount(), 2);
        QCOMPARE(r.model()->index(0, 0).data().toString(), QStringLiteral("17"));
        QCOMPARE(r.titulos(), (QStringList{QStringLiteral("Numero"), QStringLiteral("Cliente"), QStringLiteral("Fecha")}));
    }

    void celdasYForma()
    {
        Rejilla& r = nueva();
        llenar(r, {QStringLiteral("A"), QStringLiteral("B")},
               {{QStringLiteral("a1"), QStringLiteral("b1")}, {QStringLiteral("a2"), QStringLiteral("b2")},
                {QStringLiteral("a3"), QStringLiteral("b3")}});
        QCOMPARE(r.texto(3, 1), QStringLiteral("b3"));
        // Más columnas: lo escrito se queda en su sitio y las nuevas están vacías
        r.ponerColumnas(3);
        QCOMPARE(r.texto(2, 0), QStringLiteral("a2"));
        QCOMPARE(r.texto(2, 1), QStringLiteral("b2"));
        QCOMPARE(r.texto(2, 2), QString());
        QCOMPARE(r.texto(0, 1), QStringLiteral("B"));
        // Menos filas y luego más: las que vuelven vienen vacías
        r.ponerFilas(2);
        QCOMPARE(r.filas(), 2);
        r.ponerFilas(4);
        QCOMPARE(r.texto(1, 0), QStringLiteral("a1"));
        QCOMPARE(r.texto(3, 0), QString());
        r.ponerColumnas(1);
        QCOMPARE(r.texto(1, 0), QStringLiteral("a1"));
        QCOMPARE(r.titulos(), QStringList{QStringLiteral("A")});
    }

    void fueraDeLaRejilla_data()
    {
        QTest::addColumn<int>("fila");
        QTest::addColumn<int>("columna");
        QTest::newRow("fila tras la última") << 3 << 0;
        QTest::newRow("fila negativa") << -1 << 0;
        QTest::newRow("columna tras la última") << 1 << 2;
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
        QVERIFY(r.altoFila(0) > 0);
        QCOMPARE(r.altoFila(2), r.altoFila(0));
        r.ponerAltoFila(2, 0);
        r.ponerAltoFila(4, 0);
        // La rejilla lo sabe en el acto; la vista, al volver al bucle de eventos
        QCOMPARE(r.altoFila(2), 0);
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
        QCOMPARE(r.altoFila(2), r.altoFila(0));
        QCOMPARE(r.rowHeight(1), r.altoFila(0));
        // Un alto propio distinto se aplica a esa fila
        r.ponerAltoFila(3, 55);
        QCOMPARE(r.altoFila(3), 55);
        QCOMPARE(r.rowHeight(2), 55);
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, r.ponerAltoFila(1, -5));
    }

    void filtroDeMuchasFilas()
    {
        // El filtro de las listas oculta y muestra miles de filas seguidas
        Rejilla& r = nueva();
        r.ponerTitulos({QStringLiteral("N")});
        r.ponerFilas(20001);
        for (int f = 1; f < r.filas(); ++f)
            r.ponerTexto(f, 0, QString::number(f));
        for (int f = 1; f < r.filas(); ++f)
            r.ponerAltoFila(f, f % 3 == 0 ? r.altoFila(0) : 0);
        QTRY_COMPARE(r.model()->rowCount(), 6666);
        QCOMPARE(r.model()->index(0, 0).data().toString(), QStringLiteral("3"));
        QCOMPARE(r.model()->index(6665, 0).data().toString(), QStringLiteral("19998"));
        for (int f = 1; f < r.filas(); ++f)
            r.ponerAltoFila(f, r.altoFila(0));
        QTRY_COMPARE(r.model()->rowCount(), 20000);
    }

    void ordenar_data()
    {
        QTest::addColumn<QStringList>("valores");
        QTest::addColumn<bool>("descendente");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("números, no como texto")
            << QStringList{"10", "9", "100", "1"} << false << QStringList{"1", "9", "10", "100"};
        QTest::newRow("números descendente")
            << QStringList{"10", "9", "100", "1"} << true << QStringList{"100", "10", "9", "1"};
        QTest::newRow("decimales con coma y con punto")
            << QStringList{"1,5", "1.25", "10", "-2"} << false << QStringList{"-2", "1.25", "1,5", "10"};
        QTest::newRow("texto sin mayúsculas")
            << QStringList{"beta", "Alfa", "gamma", "ALBA"} << false << QStringList{"ALBA", "Alfa", "beta", "gamma"};
        QTest::newRow("eñe entre ene y o")
            << QStringList{"Oso", "Ñandú", "Nube", "ángel"} << false << QStringList{"ángel", "Nube", "Ñandú", "Oso"};
        QTest::newRow("fechas como fechas")
            << QStringList{"02/01/2024", "01/02/2024", "31/12/2023", "15/01/2024"} << false
            << QStringList{"31/12/2023", "02/01/2024", "15/01/2024", "01/02/2024"};
        QTest::newRow("fechas descendente")
            << QStringList{"02/01/2024", "01/02/2024", "31/12/2023"} << true
            << QStringList{"01/02/2024", "02/01/2024", "31/12/2023"};
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

    void ordenEstable()
    {
        Rejilla& r = nueva();
        llenar(r, {QStringLiteral("Sesiones"), QStringLiteral("Cliente")},
               {{"5", "Ana"}, {"3", "Luis"}, {"5", "Berta"}, {"3", "Carla"}, {"5", "Dora"}});
        r.ordenar(0, Rejilla::Orden::Ascendente);
        QCOMPARE(columna(r, 1), (QStringList{"Luis", "Carla", "Ana", "Berta", "Dora"}));
        r.ordenar(0, Rejilla::Orden::Descendente);
        QCOMPARE(columna(r, 1), (QStringList{"Ana", "Berta", "Dora", "Luis", "Carla"}));
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

    void colores()
    {
        Rejilla& r = nueva();
        llenar(r, {QStringLiteral("A"), QStringLiteral("B")}, {{"1", "x"}, {"2", "y"}});
        QVERIFY(!r.colorFondo(1, 0).isValid());
        r.ponerColorFondo(2, 1, QColor(0xFF, 0xFF, 0));
        r.ponerColorTexto(1, 0, Qt::blue);
        QCOMPARE(r.colorFondo(2, 1), QColor(0xFF, 0xFF, 0));
        QVERIFY(!r.colorFondo(2, 0).isValid());
        QCOMPARE(r.model()->index(1, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xFF, 0));
        QCOMPARE(r.model()->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
        QVERIFY(!r.model()->index(0, 1).data(Qt::BackgroundRole).isValid());
        r.ponerColorFondoFila(1, Qt::white);
        QCOMPARE(r.colorFondo(1, 0), QColor(Qt::white));
        QCOMPARE(r.colorFondo(1, 1), QColor(Qt::white));
        // Un color inválido devuelve la celda al color de la rejilla
        r.ponerColorFondo(2, 1, QColor());
        QVERIFY(!r.colorFondo(2, 1).isValid());
        // Los colores de una fila que se quita no reaparecen al volver a crecer
        r.ponerFilas(2);
        r.ponerFilas(3);
        QVERIFY(!r.colorFondo(2, 1).isValid());
        QCOMPARE(r.colorFondo(1, 1), QColor(Qt::white));
    }

    void anchosYAlineacion()
    {
        Rejilla& r = nueva();
        llenar(r, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, {{"1", "2", "3"}});
        r.ponerAnchoColumna(0, 1440);
        QCOMPARE(r.columnWidth(0), r.logicalDpiX());
        QCOMPARE(r.anchoColumna(0), 1440.0);
        r.ponerAnchoColumna(1, 0);
        QVERIFY(r.isColumnHidden(1));
        r.ponerAnchoColumna(1, 720);
        QVERIFY(!r.isColumnHidden(1));
        QCOMPARE(r.columnWidth(1), r.logicalDpiX() / 2);
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, r.ponerAnchoColumna(2, -1));
        r.ponerAlineacionColumna(2, Qt::AlignRight);
        QCOMPARE(r.alineacionColumna(2), Qt::AlignRight);
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
        QCOMPARE(r.filaActual(), 2);
        QCOMPARE(r.filaFinSeleccion(), 2);
        QCOMPARE(r.columnaActual(), 1);
        QCOMPARE(r.texto(r.filaActual(), 0), QStringLiteral("8"));
        // Un clic en un título selecciona la columna entera: hasta la última fila
        QHeaderView* cabecera = r.horizontalHeader();
        const int x = cabecera->sectionViewportPosition(0) + cabecera->sectionSize(0) / 2;
        QTest::mouseClick(cabecera->viewport(), Qt::LeftButton, {}, QPoint(x, cabecera->height() / 2));
        QCOMPARE(espia.size(), 2);
        QCOMPARE(espia.at(1).at(0).toInt(), 0);
        QCOMPARE(r.columnaActual(), 0);
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
