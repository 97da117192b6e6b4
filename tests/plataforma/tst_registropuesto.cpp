// Registro del puesto: qué llega al fichero, sin claves, y la rotación por tamaño
#include "plataforma/RegistroPuesto.h"

#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

Q_LOGGING_CATEGORY(lcPrueba, "tarvelo.prueba", QtWarningMsg)
Q_LOGGING_CATEGORY(lcAjena, "ajena.prueba", QtWarningMsg)

namespace {
QString leer(const QString& f)
{
    QFile q(f);
    return q.open(QIODevice::ReadOnly) ? QString::fromUtf8(q.readAll()) : QString();
}
}  // namespace

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
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT[\\d:.]+ INFO tarvelo.prueba: Número sacado de "
                                                   "Factura : 1000\n"))
                     .match(t)
                     .hasMatch(),
                 qPrintable(t));
        QVERIFY(t.contains(QStringLiteral(" AVISO tarvelo.prueba: Base host=x password=*** user=y\n    Clave: *** fin\n")));
        for (const char* fuera : {"sentencia con valores", "de otra biblioteca", "secreto", "otra clave", "ya sin"})
            QVERIFY2(!t.contains(QLatin1String(fuera)), fuera);
    }

    void rotaPorTamano()
    {
        const QString f = m_dir.filePath(QStringLiteral("rota.log"));
        QVERIFY(RegistroPuesto::instalar({f, 1000, 2}));
        for (int i = 0; i < 200; ++i)
            qCWarning(lcPrueba) << "línea" << i;
        RegistroPuesto::quitar();
        QVERIFY(!QFile::exists(f + QStringLiteral(".3")));
        // Lo guardado son las últimas líneas, seguidas y sin cortar, y ningún fichero se pasa
        QList<int> numeros;
        for (const QString& g : {f + QStringLiteral(".2"), f + QStringLiteral(".1"), f}) {
            QVERIFY2(QFile(g).size() > 500 || g == f, qPrintable(g));
            QVERIFY(QFile(g).size() <= 1000);
            const QString t = leer(g);
            static const QRegularExpression re(QStringLiteral("AVISO tarvelo.prueba: línea (\\d+)\n"));
            int lineas = 0;
            for (auto m = re.globalMatch(t); m.hasNext(); ++lineas)
                numeros << m.next().captured(1).toInt();
            QCOMPARE(t.count(QLatin1Char('\n')), lineas);
        }
        QCOMPARE(numeros.constLast(), 199);
        for (int i = 1; i < numeros.size(); ++i)
            QCOMPARE(numeros.at(i), numeros.at(i - 1) + 1);
        QVERIFY(numeros.size() > 10);
    }
};

QTEST_GUILESS_MAIN(TstRegistroPuesto)
#include "tst_registropuesto.moc"
