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
        QTest::newRow("nombre con espacios") << QStringLiteral(" precio =5|") << Pares{{"precio", "5"}};
        QTest::newRow("sin la barra final") << QStringLiteral("a=1|b=2") << Pares{{"a", "1"}, {"b", "2"}};
        QTest::newRow("barras de más") << QStringLiteral("|a=1||b=2|") << Pares{{"a", "1"}, {"b", "2"}};
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
        QTest::newRow("solo barras") << QStringLiteral("||");
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
    // dos, el del puesto es el decimal y el otro agrupa de tres en tres (los
    // casos corrientes los prueba el escritor de registros en los dos motores)
    void leerDecimal_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("separador");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<double>("esperado");
        QTest::newRow("coma con puesto de punto") << "12,5" << "." << true << 12.5;
        QTest::newRow("negativo") << "-0,75" << "," << true << -0.75;
        QTest::newRow("con más") << "+3" << "." << true << 3.0;
        QTest::newRow("coma al final") << "7," << "," << true << 7.0;
        QTest::newRow("exponente grande") << "2E+20" << "." << true << 2e20;
        QTest::newRow("miles con coma decimal") << "1.234.567,5" << "," << true << 1234567.5;
        QTest::newRow("miles sin decimales") << "-1.234,0" << "," << true << -1234.0;
        QTest::newRow("vacío") << "" << "," << false << 0.0;
        QTest::newRow("signo solo") << "-" << "," << false << 0.0;
        QTest::newRow("separador solo") << "," << "," << false << 0.0;
        QTest::newRow("espacio dentro") << "1 234" << "," << false << 0.0;
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
        QTest::newRow("texto con comilla") << "nombre = ?" << QVariantList{QStringLiteral("O'Hara")}
                                           << "nombre = 'O''Hara'";
        QTest::newRow("fecha") << "fecha_hasta < ?" << QVariantList{QDate(2026, 12, 6)}
                               << "fecha_hasta < #12/06/2026#";
        QTest::newRow("decimal y marca") << "precio > ? and estado = ?" << QVariantList{2.5, true}
                                         << "precio > 2.5 and estado = -1";
        QTest::newRow("nulo") << "tienda = ?" << QVariantList{QVariant()} << "tienda = null";
        QTest::newRow("interrogación entre comillas") << "a = '?' and b = ? and c = \"?\"" << QVariantList{1}
                                                      << "a = '?' and b = 1 and c = \"?\"";
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
