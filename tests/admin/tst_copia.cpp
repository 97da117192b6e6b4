// Copia de seguridad tomada con ocho puestos vendiendo, y su restauración: en
// una base nueva y sobre la de siempre, que se niega con el programa abierto
#include "CopiaSeguridad.h"
#include "Esquema.h"
#include "SesionPrueba.h"
#include "datos/Error.h"
#include "plataforma/PuestosEnUso.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace BaseDatosPrueba;

namespace {
constexpr int kPuestos = 8;
constexpr int kVentas = 40;

// Facturas de la base si cada serie va seguida desde su primer número y cada
// venta está entera; -1 si no
int ventasEnteras(const ParametrosConexion& p)
{
    Conexion c;
    c.abrir(p);
    int total = 0;
    for (const auto& [s, primera] : {std::pair{"", 1000}, std::pair{"_1", 5000}}) {
        Consulta q(c, QStringLiteral("select count(*) as n, coalesce(min(numero), %1) as desde, coalesce(max(numero), "
                                     "%1 - 1) as hasta from cabecera_factura%2").arg(primera).arg(QLatin1String(s)));
        q.siguiente();
        const int n = q.entero(QStringLiteral("n"));
        if (q.entero(QStringLiteral("desde")) != primera || q.entero(QStringLiteral("hasta")) != primera + n - 1
            || SesionPrueba::ventasAMedias(c, s) != 0)
            return -1;
        total += n;
    }
    return numero(c, QStringLiteral("select count(*) from cabecera_bonos")) == total ? total : -1;
}

}  // namespace

class TstCopia : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SesionPrueba::cerrar(); }

    void initTestCase_data() { filasMotores(); }
    void aMitadDeVentas()
    {
        QFETCH_GLOBAL(QString, motor);
        Temporal db(motor, Contenido::TiendaEInformes);
        SesionPrueba::abrir(db);
        for (const auto& [contador, desde] : std::initializer_list<std::pair<const char*, int>>{
                 {"Factura", 1000}, {"FacturaPeruChile", 5000}, {"Bonos", 1}, {"PagosCuenta", 1}})
            SesionPrueba::ponerContador(gConexion, QString::fromLatin1(contador), desde);
        gConexion.cerrar();

        std::vector<std::unique_ptr<QProcess>> puestos;
        int vendidas = 0;
        for (int i = 0; i < kPuestos; ++i) {
            auto& p = puestos.emplace_back(std::make_unique<QProcess>());
            connect(p.get(), &QProcess::readyReadStandardOutput, this, [&vendidas, q = p.get()] {
                while (q->canReadLine())
                    vendidas += q->readLine().startsWith("V ");
            });
            p->start(QStringLiteral(PUESTO_VENTA), {db.carpeta() + QStringLiteral("/suite.ini"), QString::number(kVentas),
                                                    QString::number(i + 1), db.carpeta() + QStringLiteral("/seguir")});
        }
        QTRY_VERIFY_WITH_TIMEOUT(vendidas >= kPuestos * 2, 120000);
        QTemporaryDir destino;
        const QString copia = CopiaSeguridad::copiar(db.tienda(), db.informes(), destino.path(),
                                                     QDateTime(QDate(2024, 3, 5), QTime(9, 7, 30)));
        QCOMPARE(copia, destino.filePath(QStringLiteral("tarvelo-20240305-090730")));
        // Hasta aquí ningún puesto pasa de las tres cuartas partes: la copia no las ve todas
        QFile seguir(db.carpeta() + QStringLiteral("/seguir"));
        QVERIFY(seguir.open(QIODevice::WriteOnly));
        seguir.close();
        for (auto& p : puestos) {
            QVERIFY(p->state() == QProcess::NotRunning || p->waitForFinished(240000));
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        }
        QCOMPARE(ventasEnteras(db.tienda()), kPuestos * kVentas);

        // En una base nueva: una tienda con cada venta entera, tomada a mitad
        Temporal nueva(motor, Contenido::Vacia);
        CopiaSeguridad::restaurar(copia, nueva.tienda(), nueva.informes());
        const int enCopia = ventasEnteras(nueva.tienda());
        QVERIFY2(enCopia > 0 && enCopia < kPuestos * kVentas, qPrintable(QString::number(enCopia)));
        Conexion informes;
        informes.abrir(nueva.informes());
        QCOMPARE(Esquema::versionInstalada(informes, Esquema::Base::Informes), Esquema::versionActual(Esquema::Base::Informes));

        // Sobre la de siempre: no con el programa abierto en un puesto
        {
            QCoreApplication::setApplicationName(PuestosEnUso::kPrograma);
            Conexion abierta;
            abierta.abrir(db.tienda());
            QCoreApplication::setApplicationName(QStringLiteral("tst_copia"));
            const auto marca = PuestosEnUso::marcar(db.tienda(), QStringLiteral("CAJA 9"));
            QCOMPARE(PuestosEnUso::abiertos(db.tienda()).size(), 1);
            QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, CopiaSeguridad::restaurar(copia, db.tienda(), db.informes()));
        }
        QCOMPARE(ventasEnteras(db.tienda()), kPuestos * kVentas);
        QVERIFY(PuestosEnUso::abiertos(db.tienda()).isEmpty());
        CopiaSeguridad::restaurar(copia, db.tienda(), db.informes());
        QCOMPARE(ventasEnteras(db.tienda()), enCopia);

    }
};

QTEST_GUILESS_MAIN(TstCopia)
#include "tst_copia.moc"
