// Tiempo desde que se pulsa una opción del menú principal hasta que se ve la
// pantalla siguiente (su primer dibujo), mediana de N veces, en cada motor y
// a dos tamaños de pantalla. En Listados, hasta que se arranca el programa
// de listados con la fila de traspaso ya escrita.
//   bench_menu [veces, 30 por defecto]
// PostgreSQL si se da TARVELO_PG="host=... port=... user=...". Sin pantalla:
// QT_QPA_PLATFORM=offscreen.
#include "SesionMedida.h"
#include "datos/Componentes.h"
#include "pantallas/menu/frmTarvelo.h"
#include "plataforma/ConfiguracionSuite.h"
#include "principal/Cargadores.h"
#include "datos/Globales.h"
#include "principal/Mensajes.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <algorithm>

namespace {

QElapsedTimer reloj;
qint64 instante = -1;  // ns en que se vio la pantalla siguiente

// La pantalla de venta se da por vista en su primer dibujo; entonces se cierra
class Vigia : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && instante < 0 && o->objectName() == QLatin1String("frmBonosServicios")) {
            instante = reloj.nsecsElapsed();
            auto* pantalla = static_cast<QWidget*>(o);
            QTimer::singleShot(0, pantalla, [pantalla] { static_cast<QDialog*>(pantalla)->reject(); });
        }
        return false;
    }
};

class LanzadorMedido : public Lanzador {
public:
    void Arrancar(const QString&, const QString&, Conexion&) override { instante = reloj.nsecsElapsed(); }
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int veces = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 30;
    QTextStream out(stdout);
    Mensajes::activarModoPrueba(true);
    Vigia vigia;
    app.installEventFilter(&vigia);
    reloj.start();
    out << "Del toque en una opción del menú a la pantalla siguiente (ms; mediana, mínimo y máximo de " << veces
        << " veces)\n";
    for (const QString& motor : BaseDatosPrueba::motores()) {
        BaseDatosPrueba::Temporal db(motor, BaseDatosPrueba::Contenido::TiendaEInformes);
        SesionMedida::abrir(db);
        Componentes::sustituir(std::make_unique<LanzadorMedido>());
        for (const QSize tam : {QSize(1024, 768), QSize(1920, 1080)}) {
            gAnchoPantalla = tam.width() * 15.0;
            gAltoPantalla = tam.height() * 15.0;
            frmTarvelo menu;
            menu.show();
            if (!QTest::qWaitForWindowExposed(&menu))
                qFatal("El menú no llega a mostrarse");
            for (const char* opcion : {"cmd_BServicios", "cmd_BFamilias", "cmd_BListados"}) {
                auto* boton = menu.findChild<QWidget*>(QLatin1String(opcion));
                QList<double> ms;
                for (int i = 0; i < veces; ++i) {
                    instante = -1;
                    const qint64 pulsado = reloj.nsecsElapsed();
                    QTest::mouseClick(boton, Qt::LeftButton);
                    if (instante < 0)
                        qFatal("%s: la pantalla siguiente no se llegó a ver", opcion);
                    ms << (instante - pulsado) / 1e6;
                }
                out << QStringLiteral("  %1 %2 %3: %4 (%5 - %6)\n")
                           .arg(motor, -10)
                           .arg(QStringLiteral("%1x%2").arg(tam.width()).arg(tam.height()), -9)
                           .arg(QLatin1String(opcion), -14)
                           .arg(SesionMedida::percentil(ms, 0.5), 6, 'f', 1)
                           .arg(*std::min_element(ms.begin(), ms.end()), 0, 'f', 1)
                           .arg(*std::max_element(ms.begin(), ms.end()), 0, 'f', 1);
                out.flush();
            }
        }
        SesionMedida::cerrar();
    }
    if (!Mensajes::anotados().isEmpty())
        out << "Mensajes: " << Mensajes::anotados().join(QStringLiteral("; ")) << '\n';
    return 0;
}
