// Registro del puesto: qué llega al fichero, sin claves, y la rotación por tamaño
#include "plataforma/RegistroPuesto.h"

#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

Q_LOGGING_CATEGORY(lcPrueba, "tarvelo.prueba", QtWarningMsg)
Q_LOGGING_CATEGORY(lcAjena, "ajena.prueba", QtWarningMsg)

static QString leer(const QString& f)
{
    QFile q(f);
    return q.open(QIODevice::ReadOnly) ? QString::fromUtf8(q.readAll()) : QString();
}

class TstRegistroPuesto : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    void cleanup() { RegistroPuesto::quitar(); }

    void contenido()
    {
        const QString f = m_dir.filePath(QStringLiteral("sub/puesto.log"));
        QVERIFY(RegistroPuesto::instalar({f}));
        qCInfo(lcPrueba) << "Número sacado de Factura : 1000";
        qCDebug(lcPrueba) << "sentencia con valores";
        qCInfo(lcAjena) << "de otra biblioteca";
        qCWarning(lcPrueba).noquote() << "Base host=x password=secreto user=y\nClave: 'otra clave' fin";
        RegistroPuesto::quitar();
        qCWarning(lcPrueba) << "ya sin registro";
        const QString t = leer(f);
        static const QRegularExpression info(
            QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT[\\d:.]+ INFO tarvelo.prueba: Número sacado de Factura : 1000\n"));
        QVERIFY2(info.match(t).hasMatch(), qPrintable(t));
        QVERIFY(t.contains(QStringLiteral(" AVISO tarvelo.prueba: Base host=x password=*** user=y\n    Clave: *** fin\n")));
        for (const char* fuera : {"sentencia con valores", "de otra biblioteca", "secreto", "otra clave", "ya sin"})
            QVERIFY2(!t.contains(QLatin1String(fuera)), fuera);
    }

    // Se guardan las últimas líneas, seguidas y enteras, y ningún fichero se pasa
    void rotaPorTamano()
    {
        const QString f = m_dir.filePath(QStringLiteral("rota.log"));
        QVERIFY(RegistroPuesto::instalar({f, 1000, 2}));
        for (int i = 0; i < 200; ++i)
            qCWarning(lcPrueba) << "línea" << i;
        RegistroPuesto::quitar();
        QVERIFY(!QFile::exists(f + QStringLiteral(".3")));
        static const QRegularExpression re(QStringLiteral("AVISO tarvelo.prueba: línea (\\d+)\n"));
        int siguiente = -1;
        for (const QString& g : {f + QStringLiteral(".2"), f + QStringLiteral(".1"), f}) {
            const QString t = leer(g);
            QVERIFY(t.size() <= 1000 && (t.size() > 500 || g == f));
            int lineas = 0;
            for (auto m = re.globalMatch(t); m.hasNext(); ++lineas) {
                const int n = m.next().captured(1).toInt();
                QVERIFY(siguiente < 0 || n == siguiente);
                siguiente = n + 1;
            }
            QCOMPARE(t.count(QLatin1Char('\n')), lineas);
        }
        QCOMPARE(siguiente, 200);
    }
};

QTEST_GUILESS_MAIN(TstRegistroPuesto)
#include "tst_registropuesto.moc"
