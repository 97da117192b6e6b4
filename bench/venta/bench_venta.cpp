// Tiempo desde que se toca una tecla del teclado numérico de la venta hasta
// que el precio nuevo está dibujado (mediana y percentil 95 de N toques), en
// cada motor, sobre la tienda de demostración: cada toque cambia las sesiones,
// recalcula el precio y mira el depósito del cliente en la base de datos.
//   bench_venta [toques, 200 por defecto]
// PostgreSQL si se da TARVELO_PG="host=... port=... user=...". Sin pantalla:
// QT_QPA_PLATFORM=offscreen.
#include "SesionMedida.h"
#include "datos/Componentes.h"
#include "datos/Globales.h"
#include "pantallas/venta/BusquedaCliente.h"
#include "pantallas/venta/frmBonosServicios.h"
#include "plataforma/ConfiguracionSuite.h"
#include "plataforma/widgets/BotonPanel.h"
#include "plataforma/widgets/Tactipan.h"
#include "principal/Cargadores.h"
#include "principal/Mensajes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTextStream>
#include <algorithm>

namespace {

QElapsedTimer reloj;
qint64 dibujado = -1;  // ns del último dibujo del precio

class Vigia : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o->objectName() == QLatin1String("lblPrecio"))
            dibujado = reloj.nsecsElapsed();
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int toques = argc > 1 ? std::max(10, QString::fromLocal8Bit(argv[1]).toInt()) : 200;
    QTextStream out(stdout);
    Mensajes::activarModoPrueba(true);
    Vigia vigia;
    app.installEventFilter(&vigia);
    reloj.start();
    out << "Del toque en el teclado numérico al precio dibujado (ms; mediana y p95 de " << toques << " toques)\n";
    for (const QString& motor : BaseDatosPrueba::motores()) {
        BaseDatosPrueba::Temporal db(motor, BaseDatosPrueba::Contenido::TiendaEInformes);
        SesionMedida::abrir(db);
        gAnchoPantalla = 1024 * 15.0;
        gAltoPantalla = 768 * 15.0;
        // Una clienta con depósito: cada precio nuevo lo vuelve a mirar
        BusquedaCliente::ponerApertura([](QWidget*) { gCodigoClienteBuscado = QStringLiteral("3"); });
        frmBonosServicios venta;
        venta.show();
        venta.activateWindow();
        if (!QTest::qWaitForWindowActive(&venta))
            qFatal("La venta no llega a mostrarse");
        QTest::mouseClick(venta.findChild<QWidget*>(QStringLiteral("cmdBuscarCli")), Qt::LeftButton);
        QTest::mouseClick(venta.findChild<Tactipan*>(QStringLiteral("PanelServicios"))->botonesPagina().value(2),
                          Qt::LeftButton);
        QList<double> ms;
        for (int i = 0; i < toques; ++i) {
            // Dos cifras y vuelta a empezar: el precio cambia en cada toque
            const QString tecla = i % 3 == 2 ? QStringLiteral("cmd_nuevoCobro")
                                             : QStringLiteral("btnNumerico_Cobro%1").arg(1 + i % 9);
            QWidget* boton = venta.findChild<QWidget*>(tecla);
            dibujado = -1;
            const qint64 tocado = reloj.nsecsElapsed();
            QTest::mouseClick(boton, Qt::LeftButton);
            // Vaciar las sesiones deja el precio como estaba: no hay nada que esperar
            if (i % 3 == 2) {
                QCoreApplication::processEvents();
                continue;
            }
            // Sin dormir entre vueltas: el tiempo medido no se redondea a la espera
            while (dibujado < 0 && reloj.nsecsElapsed() - tocado < 2'000'000'000)
                QCoreApplication::processEvents();
            if (dibujado < 0)
                qFatal("El precio no se llegó a dibujar");
            ms << (dibujado - tocado) / 1e6;
        }
        out << QStringLiteral("  %1 mediana %2  p95 %3\n")
                   .arg(motor, -10)
                   .arg(SesionMedida::percentil(ms, 0.5), 5, 'f', 2)
                   .arg(SesionMedida::percentil(ms, 0.95), 5, 'f', 2);
        out.flush();
        venta.close();
        BusquedaCliente::ponerApertura({});
        SesionMedida::cerrar();
    }
    return 0;
}
