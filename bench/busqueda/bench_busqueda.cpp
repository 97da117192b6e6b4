// Tiempo desde que se pulsa OK en el teclado de la búsqueda de clientes hasta
// que la lista de resultados se dibuja, sobre una tienda de 10.000 clientes,
// en cada motor: mediana (p50) y p95 de N veces por búsqueda. Al lado, lo
// que tarda la consulta sola.
//   bench_busqueda [veces, 30 por defecto] [clientes, 10000 por defecto]
// PostgreSQL si se da TARVELO_PG="host=... port=... user=...". Sin pantalla:
// QT_QPA_PLATFORM=offscreen.
#include "SesionMedida.h"
#include "DemoPartes.h"
#include "datos/Componentes.h"
#include "datos/Consulta.h"
#include "datos/Globales.h"
#include "datos/Transaccion.h"
#include "pantallas/busqueda/BusquedaClientes.h"
#include "pantallas/busqueda/frmBuscar.h"
#include "plataforma/ConfiguracionSuite.h"
#include "principal/Mensajes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <cmath>

namespace {

QElapsedTimer reloj;
qint64 instante = -1;  // ns del primer dibujo de la lista tras la pulsación

class Vigia : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && instante < 0)
            instante = reloj.nsecsElapsed();
        return false;
    }
};

// La tienda de demostración con clientes de más hasta llegar a los pedidos
int sembrar(const BaseDatosPrueba::Temporal& db, int clientes)
{
    int n = 0;
    SesionMedida::abrir(db, {}, [&](Conexion& c, const ResumenDemo& r) {
        {
            Transaccion t(c);
            Demo::sembrarClientesGenerados(c, r.clientes + 1, clientes - r.clientes, QDate::currentDate());
            t.confirmar();
        }
        if (c.motor() == Motor::PostgreSQL)
            c.ejecutar(QStringLiteral("analyze clientes"));
        n = BaseDatosPrueba::numero(c, QStringLiteral("select count(*) from clientes"));
    });
    return n;
}

struct Caso {
    const char* nombre;
    const char* campo;
    const char* texto;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int veces = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 30;
    const int clientes = argc > 2 ? std::max(100, QString::fromLocal8Bit(argv[2]).toInt()) : 10000;
    QTextStream out(stdout);
    Mensajes::activarModoPrueba(true);
    reloj.start();
    const Caso casos[] = {{"nombre ANA", "txtNombre", "ANA"},
                          {"nombre MAR", "txtNombre", "MAR"},
                          {"apellidos G", "txtApellidos", "G"},
                          {"móvil 61", "txtMovil", "61"},
                          {"todos (%)", "txtNombre", "%"}};
    out << "De la pulsación de OK a la lista dibujada (ms; p50 y p95 de " << veces
        << " veces) y la consulta sola (p50)\n";
    for (const QString& motor : BaseDatosPrueba::motores()) {
        BaseDatosPrueba::Temporal db(motor, BaseDatosPrueba::Contenido::TiendaEInformes);
        const int n = sembrar(db, clientes);
        out << motor << ": " << n << " clientes\n";
        gAnchoPantalla = gAnchoDiseno = 15360;
        gAltoPantalla = 768 * 15.0;
        gAltoDiseno = 11085;
        gEsquemaColores = 1;
        for (const Caso& caso : casos) {
            frmBuscar pantalla;
            pantalla.show();
            if (!QTest::qWaitForWindowActive(&pantalla))
                qFatal("La búsqueda no llega a mostrarse");
            auto* campo = pantalla.findChild<QLineEdit*>(QLatin1String(caso.campo));
            auto* lista = pantalla.findChild<QListWidget*>(QStringLiteral("ListBusClie"));
            QPushButton* ok = nullptr;
            for (QPushButton* b : pantalla.findChildren<QPushButton*>())
                if (b->text() == QLatin1String("OK"))
                    ok = b;
            Vigia vigia;
            lista->viewport()->installEventFilter(&vigia);
            QList<double> ms;
            int filas = 0;
            for (int i = 0; i < veces; ++i) {
                Mensajes::limpiarAnotados();
                // Lo escrito se queda; "*" se vacía al buscar y se vuelve a poner
                campo->setText(QString::fromUtf8(caso.texto));
                QTest::qWait(1);
                instante = -1;
                const qint64 pulsado = reloj.nsecsElapsed();
                QTest::mouseClick(ok, Qt::LeftButton);
                if (!QTest::qWaitFor([] { return instante >= 0; }, 5000))
                    qFatal("%s: la lista no se llegó a dibujar", caso.nombre);
                ms << (instante - pulsado) / 1e6;
                filas = lista->count();
                if (!Mensajes::anotados().isEmpty())
                    qFatal("%s: %s", caso.nombre, qPrintable(Mensajes::anotados().join(QLatin1Char(';'))));
            }
            // La consulta sola, con el mismo filtro
            FiltroClientes filtro;
            QString* destino = QLatin1String(caso.campo) == QLatin1String("txtNombre")      ? &filtro.nombre
                               : QLatin1String(caso.campo) == QLatin1String("txtApellidos") ? &filtro.apellidos
                                                                                           : &filtro.movil;
            *destino = QString::fromUtf8(caso.texto);
            QList<double> consulta;
            for (int i = 0; i < veces; ++i) {
                const qint64 t0 = reloj.nsecsElapsed();
                buscarClientes(gConexion, filtro);
                consulta << (reloj.nsecsElapsed() - t0) / 1e6;
            }
            out << QStringLiteral("  %1 %2 filas: %3  p95 %4   consulta %5\n")
                       .arg(QString::fromUtf8(caso.nombre), -12)
                       .arg(filas, 6)
                       .arg(SesionMedida::percentil(ms, 0.5), 6, 'f', 1)
                       .arg(SesionMedida::percentil(ms, 0.95), 6, 'f', 1)
                       .arg(SesionMedida::percentil(consulta, 0.5), 6, 'f', 1);
            out.flush();
        }
        SesionMedida::cerrar();
    }
    return 0;
}
