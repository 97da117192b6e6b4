// Carga de cada lista de bonos de la venta sobre una tienda grande (mediana
// de N cargas), al lado de su consulta ejecutada a pelo por el controlador
// del motor (y, en PostgreSQL, de lo que dice el servidor); y una tecla del
// filtro por cliente, de la pulsación a la rejilla dibujada.
//   bench_listas [--bonos N] [--veces N]
// PostgreSQL si se da TARVELO_PG="host=... port=... user=...". Sin pantalla:
// QT_QPA_PLATFORM=offscreen.
#include "APelo.h"
#include "SesionMedida.h"
#include "datos/Globales.h"
#include "pantallas/venta/frmBonosServicios.h"
#include "plataforma/widgets/Rejilla.h"
#include "principal/Mensajes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QTest>
#include <QTextStream>

namespace {

double ms(const QElapsedTimer& t)
{
    return t.nsecsElapsed() / 1e6;
}

// Una tecla en el filtro hasta ver la rejilla redibujada
double tecla(QLineEdit* buscar, Rejilla* lista, const QString& texto)
{
    QElapsedTimer t;
    t.start();
    buscar->setText(texto);
    QCoreApplication::processEvents();
    lista->viewport()->repaint();
    return ms(t);
}

int visibles(const Rejilla* r)
{
    int n = 0;
    for (int f = 1; f < r->filas(); ++f)
        n += r->filaOculta(f) ? 0 : 1;
    return n;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser opciones;
    opciones.addOptions({
        {QStringLiteral("bonos"), QStringLiteral("Bonos de la tienda grande."), QStringLiteral("n"),
         QStringLiteral("100000")},
        {QStringLiteral("veces"), QStringLiteral("Cargas medidas de cada lista."), QStringLiteral("n"),
         QStringLiteral("5")},
    });
    opciones.process(app);
    const int bonos = opciones.value(QStringLiteral("bonos")).toInt();
    const int veces = std::max(1, opciones.value(QStringLiteral("veces")).toInt());
    QTextStream out(stdout);
    Mensajes::activarModoPrueba(true);
    out << "Listas de bonos de la venta de servicios (ms; mediana de " << veces << ")\n";
    for (const QString& motor : BaseDatosPrueba::motores()) {
        out << motor << '\n';
        BaseDatosPrueba::Temporal db(motor, BaseDatosPrueba::Contenido::TiendaEInformes);
        OpcionesDemo o;
        o.bonosGenerados = bonos;
        const ResumenDemo r = SesionMedida::abrir(db, o);
        out << "  tienda sembrada: " << r.bonos << " bonos\n";
        gAnchoPantalla = 1024 * 15.0;
        gAltoPantalla = 768 * 15.0;
        gModoFamilias = 0;
        frmBonosServicios venta;
        venta.show();
        QCoreApplication::processEvents();
        QSqlDatabase bd = gConexion.baseDatos();

        struct Lista {
            const char* nombre;
            const char* rejilla;
            std::function<void()> cargar;
        };
        const Lista listas[] = {
            {"activos", "grid_BonosActivos", [&] { venta.CargarGridBonosActivos(); }},
            {"caducados (3 años)", "grid_BonosCaducados", [&] { venta.CargarGridBonosCaducados(3); }},
            {"histórico", "grid_BonosInActivos", [&] { venta.CargarGridBonosInActivos(); }},
        };
        for (const Lista& l : listas) {
            QList<APelo::Sentencia> sentencias;
            Conexion::observarSentencias(
                [&](const QString& texto, const QVariantList& valores) { sentencias.append({texto, valores}); });
            l.cargar();
            Conexion::observarSentencias({});
            QList<double> carga, pelo;
            for (int i = 0; i < veces; ++i) {
                QElapsedTimer t;
                t.start();
                l.cargar();
                carga << ms(t);
                pelo << APelo::medir(bd, sentencias);
            }
            auto* rejilla = venta.findChild<Rejilla*>(QLatin1String(l.rejilla));
            out << QStringLiteral("  %1: %2 filas; carga %3, su consulta a pelo %4")
                       .arg(QString::fromUtf8(l.nombre))
                       .arg(rejilla->filas() - 1)
                       .arg(SesionMedida::percentil(carga, 0.5), 0, 'f', 1)
                       .arg(SesionMedida::percentil(pelo, 0.5), 0, 'f', 1);
            if (gConexion.motor() == Motor::PostgreSQL)
                out << QStringLiteral(", según el servidor %1").arg(APelo::segunServidor(bd, sentencias), 0, 'f', 1);
            out << '\n';
        }

        // Filtro: en activos (contiene) y en el histórico (empieza por)
        auto* buscar = venta.findChild<QLineEdit*>(QStringLiteral("txtBuscar"));
        for (const auto& [pestana, nombre] : {std::pair{"lblBonosActivos", "grid_BonosActivos"},
                                              std::pair{"lblHistorico", "grid_BonosInActivos"}}) {
            QTest::mouseClick(venta.findChild<QWidget*>(QLatin1String(pestana)), Qt::LeftButton);
            auto* lista = venta.findChild<Rejilla*>(QLatin1String(nombre));
            QList<double> primera, segunda, vaciar;
            int quedan = 0;
            for (int i = 0; i < veces; ++i) {
                primera << tecla(buscar, lista, QStringLiteral("a"));
                segunda << tecla(buscar, lista, QStringLiteral("an"));
                quedan = visibles(lista);
                vaciar << tecla(buscar, lista, QString());
            }
            const double filas = lista->filas() - 1;
            const double a = SesionMedida::percentil(primera, 0.5);
            out << QStringLiteral("  filtro en %1 (%2 filas): \"a\" %3 (%4 por 10.000 filas), \"an\" %5 (quedan %6), "
                                  "vaciar %7\n")
                       .arg(QLatin1String(nombre))
                       .arg(filas)
                       .arg(a, 0, 'f', 1)
                       .arg(a * 10000 / std::max(1.0, filas), 0, 'f', 1)
                       .arg(SesionMedida::percentil(segunda, 0.5), 0, 'f', 1)
                       .arg(quedan)
                       .arg(SesionMedida::percentil(vaciar, 0.5), 0, 'f', 1);
        }
        out.flush();
        venta.close();
        SesionMedida::cerrar();
    }
    if (!Mensajes::anotados().isEmpty())
        out << "Mensajes: " << Mensajes::anotados().join(QStringLiteral("; ")) << '\n';
    return 0;
}
