// Copia de seguridad tomada con ocho puestos vendiendo, y su restauración: en
// una base nueva y sobre la de siempre, que se niega con el programa abierto
#include "CopiaSeguridad.h"
#include "Esquema.h"
#include "SesionPrueba.h"
#include "datos/Error.h"
#include "plataforma/PuestosEnUso.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace BaseDatosPrueba;

namespace {
constexpr int kPuestos = 8;
constexpr int kVentas = 40;

// Facturas de la base, comprobando que cada serie va seguida desde su primer
// número y que cada venta está entera: su línea, su bono y su pago a cuenta
int ventasEnteras(const ParametrosConexion& p)
{
    Conexion c;
    c.abrir(p);
    int total = 0;
    for (const auto& [s, primera] : {std::pair{"", 1000}, std::pair{"_1", 5000}}) {
        const int n = numero(c, QStringLiteral("select count(*) from cabecera_factura%1").arg(QLatin1String(s)));
        if (n > 0 && (numero(c, QStringLiteral("select min(numero) from cabecera_factura%1").arg(QLatin1String(s))) != primera
                      || numero(c, QStringLiteral("select max(numero) from cabecera_factura%1").arg(QLatin1String(s)))
                             != primera + n - 1))
            return -1;
        if (numero(c, QStringLiteral("select count(*) from cabecera_factura%1 f where (select count(*) from "
                                     "detalle_factura%1 d where d.num_factura = f.numero) <> 1 or (select count(*) from "
                                     "cabecera_bonos b where b.num_factura = f.numero and b.facturaperuchile = %2) <> 1 "
                                     "or (select count(*) from cabecera_pago p where p.num_factura = f.numero) <> "
                                     "(case when f.caracteristicaventa = 'BP' then 1 else 0 end)")
                          .arg(QLatin1String(s), *s ? QStringLiteral("-1") : QStringLiteral("0")))
            != 0)
            return -1;
        total += n;
    }
    return numero(c, QStringLiteral("select count(*) from cabecera_bonos")) == total ? total : -1;
}

bool informesAlDia(const ParametrosConexion& p)
{
    Conexion c;
    c.abrir(p);
    return Esquema::versionInstalada(c, Esquema::Base::Informes) == Esquema::versionActual(Esquema::Base::Informes);
}
}  // namespace

class TstCopia : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SesionPrueba::cerrar(); }

    void aMitadDeVentas_data() { filasMotores(); }
    void aMitadDeVentas()
    {
        QFETCH(QString, motor);
        Temporal db(motor, Contenido::TiendaEInformes);
        SesionPrueba::abrir(db);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("Factura"), 1000);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("FacturaPeruChile"), 5000);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("Bonos"), 1);
        SesionPrueba::ponerContador(gConexion, QStringLiteral("PagosCuenta"), 1);
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
                                                    QString::number(i + 1)});
        }
        QTRY_VERIFY_WITH_TIMEOUT(vendidas >= kPuestos * 2, 120000);
        QTemporaryDir destino;
        const QString copia = CopiaSeguridad::copiar(db.tienda(), db.informes(), destino.path(),
                                                     QDateTime(QDate(2024, 3, 5), QTime(9, 7, 30)));
        QCOMPARE(copia, destino.filePath(QStringLiteral("tarvelo-20240305-090730")));
        for (auto& p : puestos) {
            QVERIFY(p->state() == QProcess::NotRunning || p->waitForFinished(240000));
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        }
        QCOMPARE(ventasEnteras(db.tienda()), kPuestos * kVentas);

        // En una base nueva: una tienda con cada venta entera, tomada a mitad
        ParametrosConexion nueva = db.tienda(), nuevaInformes = db.informes();
        if (motor == QLatin1String("postgresql")) {
            nueva.baseDatos = QStringLiteral("tv_copia_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
            nuevaInformes.baseDatos = nueva.baseDatos + QStringLiteral("_inf");
        } else {
            nueva.baseDatos = destino.filePath(QStringLiteral("nueva/tienda.db"));
            nuevaInformes.baseDatos = destino.filePath(QStringLiteral("nueva/informes.db"));
        }
        CopiaSeguridad::restaurar(copia, nueva, nuevaInformes);
        const int enCopia = ventasEnteras(nueva);
        QVERIFY2(enCopia > 0 && enCopia < kPuestos * kVentas, qPrintable(QString::number(enCopia)));
        QVERIFY(informesAlDia(nuevaInformes));

        // Sobre la de siempre: no con el programa abierto en un puesto
        {
            QCoreApplication::setApplicationName(PuestosEnUso::kPrograma);
            Conexion abierta;
            abierta.abrir(db.tienda());
            QCoreApplication::setApplicationName(QStringLiteral("tst_copia"));
            const auto marca = PuestosEnUso::marcar(db.tienda(), QStringLiteral("CAJA 9"));
            QCOMPARE(PuestosEnUso::abiertos(db.tienda()).size(), 1);
            try {
                CopiaSeguridad::restaurar(copia, db.tienda(), db.informes());
                QFAIL("restauró con el programa abierto");
            } catch (const ErrorTarvelo& e) {
                QVERIFY2(e.descripcion().contains(QStringLiteral("abierto")), qPrintable(e.descripcion()));
            }
        }
        QCOMPARE(ventasEnteras(db.tienda()), kPuestos * kVentas);
        QVERIFY(PuestosEnUso::abiertos(db.tienda()).isEmpty());
        CopiaSeguridad::restaurar(copia, db.tienda(), db.informes());
        QCOMPARE(ventasEnteras(db.tienda()), enCopia);

        if (motor == QLatin1String("postgresql")) {
            Conexion c;
            c.abrir(servidorPostgres());
            for (const QString& b : {nueva.baseDatos, nuevaInformes.baseDatos})
                c.ejecutar(QStringLiteral("drop database if exists %1 with (force)").arg(b));
        }
    }
};

QTEST_GUILESS_MAIN(TstCopia)
#include "tst_copia.moc"
