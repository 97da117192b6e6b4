// Lectura de listas de campos y de números, y la condición legible
#include "datos/Error.h"
#include "datos/GestorRegistros.h"
#include "plataforma/ListaCampos.h"
#include "plataforma/ValorColumna.h"

#include <QDate>
#include <QTest>

using Pares = QList<QPair<QString, QString>>;

class TstListaCampos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void leer_data()
    {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<Pares>("esperado");
        QTest::newRow("un campo") << QStringLiteral("estado=-1|") << Pares{{"estado", "-1"}};
        QTest::newRow("varios") << QStringLiteral("a=1|b=x|c=|") << Pares{{"a", "1"}, {"b", "x"}, {"c", ""}};
        QTest::newRow("solo el primer igual separa") << QStringLiteral("nota=a=b=c|") << Pares{{"nota", "a=b=c"}};
        QTest::newRow("valor con espacios") << QStringLiteral("nombre= Ana |") << Pares{{"nombre", " Ana "}};
        QTest::newRow("nombre con espacios") << QStringLiteral(" precio =5|") << Pares{{"precio", "5"}};
        QTest::newRow("sin la barra final") << QStringLiteral("a=1|b=2") << Pares{{"a", "1"}, {"b", "2"}};
        QTest::newRow("barras de más") << QStringLiteral("|a=1||b=2|") << Pares{{"a", "1"}, {"b", "2"}};
        QTest::newRow("comillas tal cual") << QStringLiteral("n=O'Hara|") << Pares{{"n", "O'Hara"}};
    }
    void leer()
    {
        QFETCH(QString, lista);
        QFETCH(Pares, esperado);
        Pares leido;
        for (const ElementoLista& e : ListaCampos::leer(lista, QStringLiteral("t")))
            leido.append({e.campo, e.valor});
        QCOMPARE(leido, esperado);
    }

    void leerMal_data()
    {
        QTest::addColumn<QString>("lista");
        QTest::newRow("vacía") << QString();
        QTest::newRow("solo barras") << QStringLiteral("||");
        QTest::newRow("sin igual") << QStringLiteral("a=1|estado|");
        QTest::newRow("sin nombre") << QStringLiteral("=5|");
    }
    void leerMal()
    {
        QFETCH(QString, lista);
        try {
            ListaCampos::leer(lista, QStringLiteral("cabecera_bonos"));
            QFAIL("tenía que dar error");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(QLatin1String("cabecera_bonos")), qPrintable(e.descripcion()));
        }
    }

    void nombres()
    {
        QCOMPARE(ListaCampos::nombres(QStringLiteral("Num_Sesiones|Precio|fecha_hasta")),
                 (QStringList{"Num_Sesiones", "Precio", "fecha_hasta"}));
        QCOMPARE(ListaCampos::nombres(QString()), QStringList());
        QCOMPARE(ListaCampos::nombres(QStringLiteral("|a| |b|")), (QStringList{"a", "b"}));
    }

    // Números con los dos separadores: uno solo es siempre el decimal; con los
    // dos, el del puesto es el decimal y el otro agrupa de tres en tres
    void leerDecimal_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("separador");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<double>("esperado");
        QTest::newRow("entero") << "12" << "," << true << 12.0;
        QTest::newRow("coma") << "12,5" << "," << true << 12.5;
        QTest::newRow("coma con puesto de punto") << "12,5" << "." << true << 12.5;
        QTest::newRow("punto con puesto de coma") << "12.5" << "," << true << 12.5;
        QTest::newRow("negativo") << "-0,75" << "," << true << -0.75;
        QTest::newRow("con más") << "+3" << "." << true << 3.0;
        QTest::newRow("sin cero delante") << ",5" << "," << true << 0.5;
        QTest::newRow("coma al final") << "7," << "," << true << 7.0;
        QTest::newRow("exponente") << "1,5E-05" << "," << true << 1.5e-05;
        QTest::newRow("exponente grande") << "2E+20" << "." << true << 2e20;
        QTest::newRow("espacios alrededor") << " 4,25 " << "," << true << 4.25;
        QTest::newRow("miles con coma decimal") << "1.234.567,5" << "," << true << 1234567.5;
        QTest::newRow("miles con punto decimal") << "1,234.5" << "." << true << 1234.5;
        QTest::newRow("miles sin decimales") << "-1.234,0" << "," << true << -1234.0;
        QTest::newRow("miles al revés del puesto") << "1.234,5" << "." << false << 0.0;
        QTest::newRow("grupo corto") << "1.23,5" << "," << false << 0.0;
        QTest::newRow("dos comas") << "1,2,3" << "," << false << 0.0;
        QTest::newRow("vacío") << "" << "," << false << 0.0;
        QTest::newRow("letras") << "doce" << "," << false << 0.0;
        QTest::newRow("signo solo") << "-" << "," << false << 0.0;
        QTest::newRow("separador solo") << "," << "," << false << 0.0;
        QTest::newRow("espacio dentro") << "1 234" << "," << false << 0.0;
        QTest::newRow("moneda") << "12 €" << "," << false << 0.0;
    }
    void leerDecimal()
    {
        QFETCH(QString, texto);
        QFETCH(QString, separador);
        QFETCH(bool, valido);
        QFETCH(double, esperado);
        const auto d = ValorColumna::leerDecimal(texto, separador.at(0));
        QCOMPARE(d.has_value(), valido);
        if (valido)
            QCOMPARE(*d, esperado);
    }

    void legible_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QVariantList>("valores");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("sin valores") << "numbono=7" << QVariantList{} << "numbono=7";
        QTest::newRow("entero") << "numbono = ?" << QVariantList{7} << "numbono = 7";
        QTest::newRow("texto con comilla") << "nombre = ?" << QVariantList{QStringLiteral("O'Hara")}
                                           << "nombre = 'O''Hara'";
        QTest::newRow("decimal") << "precio > ?" << QVariantList{2.5} << "precio > 2.5";
        QTest::newRow("fecha") << "fecha_hasta < ?" << QVariantList{QDate(2026, 12, 6)}
                               << "fecha_hasta < #12/06/2026#";
        QTest::newRow("marca") << "estado = ?" << QVariantList{true} << "estado = -1";
        QTest::newRow("nulo") << "tienda = ?" << QVariantList{QVariant()} << "tienda = null";
        QTest::newRow("interrogación entre comillas") << "a = '?' and b = ? and c = \"?\"" << QVariantList{1}
                                                      << "a = '?' and b = 1 and c = \"?\"";
        QTest::newRow("varios en orden") << "codigo = ? and tienda = ?" << QVariantList{3, QStringLiteral("Centro")}
                                         << "codigo = 3 and tienda = 'Centro'";
        QTest::newRow("faltan valores") << "a = ? and b = ?" << QVariantList{1} << "a = 1 and b = ?";
    }
    void legible()
    {
        QFETCH(QString, texto);
        QFETCH(QVariantList, valores);
        QFETCH(QString, esperado);
        QCOMPARE(Condicion(texto, valores).legible(), esperado);
    }
};

QTEST_MAIN(TstListaCampos)
#include "tst_listacampos.moc"
