// Dos cajas (procesos) imprimiendo hojas de bono a la vez sobre la misma
// tabla informes: cada documento lleva solo sus filas
#include "LeerPdf.h"
#include "SesionPrueba.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TstDosPuestos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SesionPrueba::cerrar(); }

    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void aLaVez()
    {
        QFETCH_GLOBAL(QString, motor);
        constexpr int kHojas = 12;
        BaseDatosPrueba::Temporal db(motor, BaseDatosPrueba::Contenido::TiendaEInformes);
        SesionPrueba::abrir(db);
        QTemporaryDir documentos;
        std::vector<std::unique_ptr<QProcess>> puestos;
        for (int k : {1, 2}) {
            auto p = std::make_unique<QProcess>();
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p->start(QCoreApplication::applicationDirPath() + QStringLiteral("/puesto_informe"),
                     {db.carpeta() + QStringLiteral("/suite.ini"), QString::number(kHojas), QString::number(k),
                      documentos.path()});
            puestos.push_back(std::move(p));
        }
        for (auto& p : puestos) {
            QVERIFY(p->waitForFinished(120000));
            QCOMPARE(p->exitCode(), 0);
        }
        for (int k : {1, 2})
            for (int j = 0; j < kHojas; ++j) {
                const QString texto = leerPdf(documentos.filePath(QStringLiteral("%1.pdf").arg(100 * k + j)));
                const QString id = QStringLiteral("%1 / %2").arg(k).arg(j);
                QVERIFY2(texto.contains(QStringLiteral("Servicio P%1").arg(k)), qPrintable(id + texto));
                QVERIFY2(!texto.contains(QStringLiteral("Servicio P%1").arg(3 - k)), qPrintable(id + texto));
                QCOMPARE(texto.count(QStringLiteral("__/__/__")), 20 + j);
            }
    }
};

QTEST_MAIN(TstDosPuestos)
#include "tst_dospuestos.moc"
