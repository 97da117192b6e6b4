// Tiempo de arranque: desde que se lanza el proceso hasta que la primera
// pantalla está a la vista, en la tienda de demostración y en una de 100.000
// bonos, con SQLite y (si hay TARVELO_PG) con PostgreSQL.
//
//   bench_arranque [--bonos N] [--veces N]
//
// El proceso hijo es este mismo programa con --hijo SUITE: arranca como el
// programa (Main) y cierra la primera pantalla en cuanto se muestra.
#include "BaseDatosPrueba.h"
#include "Demo.h"
#include "Esquema.h"
#include "plataforma/ConfiguracionSuite.h"
#include "principal/Arranque.h"
#include "datos/Globales.h"
#include "principal/ManejadorErrores.h"

#include <QCommandLineParser>
#include <QDialog>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

// En el hijo: avisa y cierra la primera ventana que se muestra
class Vigia : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow() && !m_visto) {
            m_visto = true;
            std::printf("MOSTRADA %s\n", qPrintable(o->objectName()));
            std::fflush(stdout);
            auto* w = static_cast<QWidget*>(o);
            QTimer::singleShot(0, w, [w] {
                if (auto* d = qobject_cast<QDialog*>(w))
                    d->reject();
                else
                    w->close();
            });
        }
        return false;
    }

private:
    bool m_visto = false;
};

int hijo(int argc, char** argv, const QString& suite)
{
    AplicacionTarvelo app(argc, argv);
    ConfiguracionSuite::ponerRuta(suite);
    Vigia vigia;
    app.installEventFilter(&vigia);
    return Arranque::Main() == Arranque::Resultado::Error ? 1 : 0;
}

double medirUna(const QString& programa, const QString& suite)
{
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(programa, {QStringLiteral("--hijo"), suite});
    while (p.waitForReadyRead(60000)) {
        if (p.readAll().contains("MOSTRADA")) {
            const double ms = t.nsecsElapsed() / 1e6;
            p.waitForFinished(30000);
            return ms;
        }
    }
    p.kill();
    std::fprintf(stderr, "el hijo no mostró ninguna pantalla: %s\n", p.readAllStandardError().constData());
    return -1;
}

void preparar(const ParametrosConexion& tienda, const ParametrosConexion& informes, int bonos, const QString& suite)
{
    Conexion c;
    c.abrir(tienda);
    Esquema::actualizar(c, Esquema::Base::Tienda);
    OpcionesDemo o;
    Demo::sembrar(c, o);
    if (bonos > 0)
        Demo::sembrarBonosGenerados(c, bonos);
    Conexion ci;
    ci.abrir(informes);
    Esquema::actualizar(ci, Esquema::Base::Informes);
    ConfiguracionSuite::ponerRuta(suite);
    ConfiguracionSuite::guardarTienda(tienda);
    ConfiguracionSuite::guardarOrigen(QStringLiteral("ListBrisalo"), informes);
    ConfiguracionSuite::guardarIdentificadorPuesto(o.puesto);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--hijo") == 0)
        return hijo(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    QCommandLineParser opciones;
    opciones.addOption({QStringLiteral("bonos"), QStringLiteral("Bonos de la tienda grande."), QStringLiteral("n"),
                        QStringLiteral("100000")});
    opciones.addOption({QStringLiteral("veces"), QStringLiteral("Arranques por caso."), QStringLiteral("n"),
                        QStringLiteral("5")});
    opciones.process(app);
    const int grande = opciones.value(QStringLiteral("bonos")).toInt();
    const int veces = opciones.value(QStringLiteral("veces")).toInt();

    std::printf("%-11s %-20s %10s %10s %10s\n", "motor", "tienda", "mediana", "mínimo", "máximo");
    for (const QString& motor : BaseDatosPrueba::motores()) {
        for (int bonos : {0, grande}) {
            BaseDatosPrueba::Temporal db(motor, BaseDatosPrueba::Contenido::Vacia);
            const QString suite = db.carpeta() + QStringLiteral("/suite.ini");
            preparar(db.tienda(), db.informes(), bonos, suite);
            QList<double> tiempos;
            for (int i = 0; i < veces; ++i)
                tiempos << medirUna(QCoreApplication::applicationFilePath(), suite);
            std::sort(tiempos.begin(), tiempos.end());
            const QString tienda = bonos ? QStringLiteral("%1 bonos más").arg(bonos) : QStringLiteral("demostración");
            std::printf("%-11s %-20s %8.1f ms %7.1f ms %7.1f ms\n", qPrintable(motor), qPrintable(tienda),
                        tiempos.at(tiempos.size() / 2), tiempos.first(), tiempos.last());
            std::fflush(stdout);
        }
    }
    return 0;
}
