// Números y fechas como texto, con coma y con punto como separador
#include "datos/Valores.h"

#include <QTest>

class TstValores : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Valores::ponerRegionales(AjustesRegionales::espanoles()); }

    void numeroATexto_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("coma");
        QTest::addColumn<QString>("punto");
        QTest::newRow("entero") << 12.0 << "12" << "12";
        QTest::newRow("decimal") << 12.5 << "12,5" << "12.5";
        QTest::newRow("sin agrupar miles") << 12345.67 << "12345,67" << "12345.67";
        QTest::newRow("negativo") << -3.25 << "-3,25" << "-3.25";
        QTest::newRow("quince cifras") << 2.0 / 3.0 << "0,666666666666667" << "0.666666666666667";
        QTest::newRow("suma con error binario") << 0.1 + 0.2 << "0,3" << "0.3";
    }

    void numeroATexto()
    {
        QFETCH(double, valor);
        QFETCH(QString, coma);
        QFETCH(QString, punto);
        QCOMPARE(Valores::numeroATexto(valor, QLatin1Char(',')), coma);
        QCOMPARE(Valores::numeroATexto(valor, QLatin1Char('.')), punto);
        QCOMPARE(Valores::normalizarDecimal(valor), coma);
    }

    void redondear_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("decimales");
        QTest::addColumn<double>("esperado");
        QTest::newRow("mitad arriba") << 1.005 << 2 << 1.01;
        QTest::newRow("periódico") << 200.0 / 3.0 << 2 << 66.67;
        QTest::newRow("mitad negativa lejos del cero") << -2.5 << 0 << -3.0;
        QTest::newRow("por debajo de la mitad") << 2.4999 << 0 << 2.0;
        QTest::newRow("impuesto de 21") << 12.1 * 21 / 121 << 2 << 2.1;
        QTest::newRow("pequeño a cero") << 0.004 << 2 << 0.0;
        QTest::newRow("pequeño a un céntimo") << 0.005 << 2 << 0.01;
    }

    void redondear()
    {
        QFETCH(double, valor);
        QFETCH(int, decimales);
        QFETCH(double, esperado);
        QCOMPARE(Valores::redondear(valor, decimales), esperado);
    }

    void mostrarImporte_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("decimales");
        QTest::addColumn<QString>("coma");
        QTest::addColumn<QString>("punto");
        QTest::newRow("dos decimales") << 12.5 << 2 << "12,50" << "12.50";
        QTest::newRow("sin decimales") << 12.5 << 0 << "13" << "13";
        QTest::newRow("mitad") << 1.005 << 2 << "1,01" << "1.01";
        QTest::newRow("sin menos cero") << -0.001 << 2 << "0,00" << "0.00";
    }

    void mostrarImporte()
    {
        QFETCH(double, valor);
        QFETCH(int, decimales);
        QFETCH(QString, coma);
        QFETCH(QString, punto);
        QCOMPARE(Valores::mostrarImporte(valor, decimales, QLatin1Char(',')), coma);
        QCOMPARE(Valores::mostrarImporte(valor, decimales, QLatin1Char('.')), punto);
    }

    void leerNumero_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<double>("valor");
        QTest::addColumn<double>("indulgente");
        QTest::newRow("vacío es cero") << "" << true << 0.0 << 0.0;
        QTest::newRow("coma") << "12,5" << true << 12.5 << 12.5;
        QTest::newRow("punto") << "12.5" << true << 12.5 << 12.5;
        QTest::newRow("espacios, también dentro") << " 1 234,5 " << true << 1234.5 << 1234.5;
        QTest::newRow("negativo") << "-3,25" << true << -3.25 << -3.25;
        QTest::newRow("solo decimales") << ",5" << true << 0.5 << 0.5;
        QTest::newRow("letras detrás") << "12abc" << false << 0.0 << 12.0;
        QTest::newRow("dos separadores") << "1.234,5" << false << 0.0 << 1.234;
        QTest::newRow("letras") << "abc" << false << 0.0 << 0.0;
        QTest::newRow("exponente de los muy grandes") << "1E+17" << true << 1e17 << 1e17;
    }

    void leerNumero()
    {
        QFETCH(QString, texto);
        QFETCH(bool, valido);
        QFETCH(double, valor);
        QFETCH(double, indulgente);
        bool ok = !valido;
        QCOMPARE(Valores::leerNumero(texto, &ok), valor);
        QCOMPARE(ok, valido);
        QCOMPARE(Valores::leerNumeroIndulgente(texto), indulgente);
    }

    void separadorDelPuesto()
    {
        AjustesRegionales a;
        a.separadorDecimal = QLatin1Char('.');
        Valores::ponerRegionales(a);
        QCOMPARE(Valores::numeroATexto(3.5), QStringLiteral("3.5"));
        QCOMPARE(Valores::mostrarImporte(3.5, 2), QStringLiteral("3.50"));
        // La forma con coma de los registros no depende del puesto
        QCOMPARE(Valores::normalizarDecimal(3.5), QStringLiteral("3,5"));
    }

    void fechas_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QDate>("fecha");
        QTest::newRow("española") << "dd/MM/yyyy" << "06/12/2026" << QDate(2026, 12, 6);
        QTest::newRow("española escrita corta") << "dd/MM/yyyy" << "6/12/2026" << QDate(2026, 12, 6);
        QTest::newRow("americana") << "MM/dd/yyyy" << "12/06/2026" << QDate(2026, 12, 6);
        QTest::newRow("iso") << "dd/MM/yyyy" << "2026-12-06" << QDate(2026, 12, 6);
        QTest::newRow("mala") << "dd/MM/yyyy" << "31/02/2026" << QDate();
    }

    void fechas()
    {
        QFETCH(QString, formato);
        QFETCH(QString, texto);
        QFETCH(QDate, fecha);
        AjustesRegionales a;
        a.formatoFechaCorta = formato;
        Valores::ponerRegionales(a);
        QCOMPARE(Valores::leerFecha(texto), fecha);
        if (fecha.isValid())
            QCOMPARE(Valores::leerFecha(Valores::fechaCorta(fecha)), fecha);
    }
};

QTEST_GUILESS_MAIN(TstValores)
#include "tst_valores.moc"
