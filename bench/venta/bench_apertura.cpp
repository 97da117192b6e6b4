// Tiempo de abrir la pantalla de venta (de crearla a su primer dibujo) sobre
// una tienda grande, mediana de N aperturas en cada motor, al lado del tiempo
// de las mismas sentencias con los mismos valores ejecutadas a pelo por el
// controlador del motor, sin nuestras capas (y, en PostgreSQL, el tiempo que
// el propio servidor dice haber tardado con explain analyze).
//   bench_apertura [--bonos N] [--veces N]
// PostgreSQL si se da TARVELO_PG="host=... port=... user=...". Sin pantalla:
// QT_QPA_PLATFORM=offscreen.
#include "APelo.h"
#include "SesionMedida.h"
#include "datos/Componentes.h"
#include "datos/Globales.h"
#include "pantallas/venta/frmBonosServicios.h"
#include "plataforma/ConfiguracionSuite.h"
#include "principal/Cargadores.h"
#include "principal/Mensajes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <memory>

namespace {

QElapsedTimer reloj;
qint64 dibujada = -1;  // ns del primer dibujo de la venta

class Vigia : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && dibujada < 0 && o->objectName() == QLatin1String("frmBonosServicios"))
            dibujada = reloj.nsecsElapsed();
        return false;
    }
};

// ms de crear la venta hasta verla dibujada
double abrirVenta()
{
    dibujada = -1;
    const qint64 inicio = reloj.nsecsElapsed();
    auto venta = std::make_unique<frmBonosServicios>();
    venta->show();
    while (dibujada < 0 && reloj.nsecsElapsed() - inicio < 20'000'000'000)
        QCoreApplication::processEvents();
    if (dibujada < 0)
        qFatal("La venta no se llegó a dibujar");
    return (dibujada - inicio) / 1e6;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser opciones;
    opciones.addOptions({
        {QStringLiteral("bonos"), QStringLiteral("Bonos de la tienda grande."), QStringLiteral("n"),
         QStringLiteral("100000")},
        {QStringLiteral("veces"), QStringLiteral("Aperturas medidas."), QStringLiteral("n"), QStringLiteral("20")},
    });
    opciones.process(app);
    const int bonos = opciones.value(QStringLiteral("bonos")).toInt();
    const int veces = std::max(1, opciones.value(QStringLiteral("veces")).toInt());
    QTextStream out(stdout);
    Mensajes::activarModoPrueba(true);
    Vigia vigia;
    app.installEventFilter(&vigia);
    reloj.start();
    out << "Apertura de la venta de servicios a 1024x768 (ms; mediana de " << veces << " aperturas)\n";
    for (const QString& motor : BaseDatosPrueba::motores()) {
        out << motor << '\n';
        BaseDatosPrueba::Temporal db(motor, BaseDatosPrueba::Contenido::TiendaEInformes);
        OpcionesDemo o;
        o.bonosGenerados = bonos;
        QElapsedTimer siembra;
        siembra.start();
        const ResumenDemo r = SesionMedida::abrir(db, o);
        out << "  tienda sembrada: " << r.bonos << " bonos, " << r.clientes << " clientes (" << siembra.elapsed() / 1000
            << " s)\n";
        gAnchoPantalla = 1024 * 15.0;
        gAltoPantalla = 768 * 15.0;
        gModoFamilias = 0;
        abrirVenta();  // la primera carga fuentes e imágenes del disco

        QList<APelo::Sentencia> sentencias;
        Conexion::observarSentencias(
            [&](const QString& texto, const QVariantList& valores) { sentencias.append({texto, valores}); });
        abrirVenta();
        Conexion::observarSentencias({});

        QList<double> pantalla;
        for (int i = 0; i < veces; ++i)
            pantalla << abrirVenta();
        QSqlDatabase bd = gConexion.baseDatos();
        QList<double> pelo;
        for (int i = 0; i < veces; ++i)
            pelo << APelo::medir(bd, sentencias);
        out << QStringLiteral("  pantalla abierta y dibujada: %1\n").arg(SesionMedida::percentil(pantalla, 0.5), 0, 'f', 1);
        out << QStringLiteral("  sus %1 sentencias a pelo:     %2\n").arg(sentencias.size()).arg(SesionMedida::percentil(pelo, 0.5), 0, 'f', 1);
        if (gConexion.motor() == Motor::PostgreSQL)
            out << QStringLiteral("  según el servidor:            %1\n").arg(APelo::segunServidor(bd, sentencias), 0, 'f', 1);
        out.flush();
        SesionMedida::cerrar();
    }
    if (!Mensajes::anotados().isEmpty())
        out << "Mensajes: " << Mensajes::anotados().join(QStringLiteral("; ")) << '\n';
    return 0;
}
