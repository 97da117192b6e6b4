// VERI*FACTU: la huella con los ejemplos oficiales, importes y horas
#include "registros/verifactu/Huella.h"

#include <QTest>

using namespace VeriFactu;

class TstVerifactu : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
};

QTEST_GUILESS_MAIN(TstVerifactu)
#include "tst_verifactu.moc"
