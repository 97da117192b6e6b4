// Capturas de la pantalla de venta en cada uno de sus estados, y de la
// anulación y el borrado de un bono encima de ella, a los dos tamaños de
// pantalla: se llega a cada estado tocando lo que tocaría una recepcionista
// en la tienda de demostración.
#include "capturas_venta.h"

#include "datos/Error.h"
#include "datos/Globales.h"
#include "pantallas/venta/BusquedaCliente.h"
#include "pantallas/venta/frmBonosServicios.h"
#include "plataforma/widgets/BotonPanel.h"
#include "plataforma/widgets/Rejilla.h"
#include "plataforma/widgets/Tactipan.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QTest>
#include <QTextStream>
#include <functional>

namespace {

class Conductor {
public:
    explicit Conductor(frmBonosServicios& p) : m_p(p) {}

    QWidget* w(const char* nombre) const
    {
        if (m_p.objectName() == QLatin1String(nombre))
            return &m_p;
        auto* control = m_p.findChild<QWidget*>(QLatin1String(nombre));
        if (!control)
            throw ErrorTarvelo(QStringLiteral("La venta no tiene %1.").arg(QLatin1String(nombre)));
        return control;
    }
    void pulsar(const char* nombre) const
    {
        QTest::mouseClick(w(nombre), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // El botón n del panel (0 el primero de la página)
    void pulsarPanel(const char* panel, int n) const
    {
        const QList<BotonPanel*> botones = static_cast<Tactipan*>(w(panel))->botonesPagina();
        if (n >= botones.size())
            throw ErrorTarvelo(QStringLiteral("El panel %1 no tiene %2 botones.").arg(QLatin1String(panel)).arg(n + 1));
        QTest::mouseClick(botones.at(n), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    void teclear(const QString& teclas) const
    {
        for (QChar t : teclas) {
            const QByteArray nombre = t == QLatin1Char(',') ? QByteArray("btnNumerico_Cobro10")
                                                            : "btnNumerico_Cobro" + QString(t).toLatin1();
            pulsar(nombre.constData());
        }
    }
    // Una fila de una lista de bonos, como la toca el dedo
    void pulsarFila(const char* rejilla, int fila) const
    {
        auto* r = static_cast<Rejilla*>(w(rejilla));
        if (fila >= r->filas())
            throw ErrorTarvelo(QStringLiteral("La lista %1 no tiene %2 bonos.").arg(QLatin1String(rejilla)).arg(fila));
        QTest::mouseClick(r->viewport(), Qt::LeftButton, {}, r->visualRect(r->model()->index(fila - 1, 1)).center());
        QCoreApplication::processEvents();
    }
    void esperarLista() const
    {
        auto* lista = static_cast<Rejilla*>(w("grid_Item"));
        QTest::qWaitFor([lista] { return lista->x() == 0; }, 5000);
    }

private:
    frmBonosServicios& m_p;
};

struct Estado {
    const char* nombre;
    int modo;
    QString cliente;  // el que devuelve la búsqueda
    std::function<void(const Conductor&)> pasos;
    QString region = QStringLiteral("España");
};

QList<Estado> estados()
{
    // Clientes de la demostración: 1 sin depósito, 3 con 150 en depósito, 12 con deuda anterior
    const auto venta = [](const Conductor& c) {
        c.pulsar("cmdBuscarCli");
        c.pulsarPanel("PanelServicios", gModoFamilias == 1 ? 0 : 2);
    };
    const auto cantidades = [venta](const Conductor& c) {
        venta(c);
        c.teclear(QStringLiteral("5"));
        c.pulsarPanel("PanelFormasPago", 0);
        c.teclear(QStringLiteral("150"));
    };
    return {
        {"catalogo", 0, QStringLiteral("1"), [](const Conductor&) {}},
        {"catalogo-packs", 1, QStringLiteral("1"), [](const Conductor&) {}},
        {"lista", 0, QStringLiteral("1"),
         [](const Conductor& c) {
             c.pulsar("Command2");
             c.pulsar("cmdBuscarCli");
             c.esperarLista();
         }},
        {"sesiones", 0, QStringLiteral("1"), venta},
        {"forma-pago", 0, QStringLiteral("1"),
         [venta](const Conductor& c) {
             venta(c);
             c.teclear(QStringLiteral("5"));
         }},
        {"cantidades", 0, QStringLiteral("1"), cantidades},
        {"mixto", 1, QStringLiteral("1"),
         [venta](const Conductor& c) {
             venta(c);
             c.teclear(QStringLiteral("2"));
             c.pulsarPanel("PanelFormasPago", 2);
             c.teclear(QStringLiteral("40"));
         }},
        {"deposito", 0, QStringLiteral("3"),
         [venta](const Conductor& c) {
             venta(c);
             c.teclear(QStringLiteral("2"));
         }},
        {"deuda", 0, QStringLiteral("12"),
         [venta](const Conductor& c) {
             venta(c);
             c.teclear(QStringLiteral("3"));
             c.pulsarPanel("PanelFormasPago", 0);
             c.teclear(QStringLiteral("20"));
             c.pulsar("cmdDeuda");
         }},
        {"empleado", 0, QStringLiteral("1"),
         [cantidades](const Conductor& c) {
             cantidades(c);
             c.pulsar("cmd_FinVenta");
         }},
        {"boleta-chile", 0, QStringLiteral("1"), cantidades, QStringLiteral("Chile")},
        // Las tres listas con el consumo del bono pulsado
        {"lista-activos", 0, QStringLiteral("1"), [](const Conductor& c) { c.pulsarFila("grid_BonosActivos", 2); }},
        {"lista-caducados", 0, QStringLiteral("1"),
         [](const Conductor& c) {
             c.pulsar("lblBonosCaducados");
             c.pulsar("cmdMas");
             c.pulsarFila("grid_BonosCaducados", 1);
         }},
        {"lista-historico", 0, QStringLiteral("1"),
         [](const Conductor& c) {
             c.pulsar("lblHistorico");
             c.pulsarFila("grid_BonosInActivos", 2);
         }},
        // Un bono vendido a medias de modificar: otras sesiones y un 10 % aplicado con Intro
        {"modificacion", 0, QStringLiteral("1"),
         [](const Conductor& c) {
             c.pulsarFila("grid_BonosActivos", 2);
             c.pulsar("cmd_ModificarBono");
             c.teclear(QStringLiteral("8"));
             c.pulsar("txtDescuento");
             c.teclear(QStringLiteral("10"));
             QTest::keyClick(c.w("txtDescuento"), Qt::Key_Return);
         }},
        {"ayuda", 0, QStringLiteral("1"),
         [](const Conductor& c) {
             c.pulsar("cmd_Ayuda");
             auto* subida = c.w("frmBonosServicios")->findChild<QTimer*>(QStringLiteral("tmrAyuda"));
             QTest::qWaitFor([subida] { return !subida->isActive(); }, 5000);
         }},
    };
}

}  // namespace

namespace {

void guardar(const QImage& imagen, const QDir& salida, const QString& nombre, const QSize& tamano)
{
    const QString ruta =
        salida.filePath(QStringLiteral("%1-%2x%3.png").arg(nombre).arg(tamano.width()).arg(tamano.height()));
    if (!imagen.save(ruta))
        throw ErrorTarvelo(QStringLiteral("No se puede guardar %1.").arg(ruta));
    QTextStream(stdout) << ruta << " (" << imagen.width() << " x " << imagen.height() << ")\n";
}

// La venta con la pantalla que se le pone encima, como se ven en el puesto
QImage conEncima(QWidget& venta, QWidget& encima)
{
    QImage imagen = venta.grab().toImage();
    QPainter pintor(&imagen);
    pintor.drawImage(encima.mapToGlobal(QPoint(0, 0)) - venta.mapToGlobal(QPoint(0, 0)), encima.grab().toImage());
    return imagen;
}

// Anular y borrar el segundo bono activo: el bono (y lo que se devuelve) y luego el empleado
void capturarBajas(frmBonosServicios& venta, const QDir& salida, const QSize& tamano)
{
    const Conductor c(venta);
    for (const auto& [boton, pantalla] : {std::pair{"cmdAnulacion", "frmAnularBonos"}, std::pair{"cmdBorrar", "frmBorrarBonos"}}) {
        c.pulsarFila("grid_BonosActivos", 2);
        QTimer vigia;
        QObject::connect(&vigia, &QTimer::timeout, &vigia, [&, pantalla = QLatin1String(pantalla)] {
            QWidget* m = QApplication::activeModalWidget();
            if (!m || m->objectName() != pantalla || !m->isVisible())
                return;
            vigia.stop();
            QTest::qWait(50);
            guardar(conEncima(venta, *m), salida, pantalla + QStringLiteral("-bono"), tamano);
            QTest::mouseClick(m->findChild<QWidget*>(QStringLiteral("cmd_FinVenta")), Qt::LeftButton);
            QTest::qWait(50);
            guardar(conEncima(venta, *m), salida, pantalla + QStringLiteral("-empleado"), tamano);
            QTest::mouseClick(m->findChild<QWidget*>(QStringLiteral("cmd_Regresar")), Qt::LeftButton);
        });
        vigia.start(10);
        c.pulsar(boton);
        if (vigia.isActive())
            throw ErrorTarvelo(QStringLiteral("La pantalla %1 no llega a abrirse.").arg(QLatin1String(pantalla)));
    }
}

}  // namespace

void capturarVenta(const QDir& salida)
{
    QString cliente;
    BusquedaCliente::ponerApertura([&cliente](QWidget*) { gCodigoClienteBuscado = cliente; });
    const QString tipo = gTipoNegocio;
    for (const QSize tamano : {QSize(1024, 768), QSize(1920, 1080)}) {
        for (const Estado& e : estados()) {
            gModoFamilias = e.modo;
            gRegion = e.region;
            gTipoNegocio = tipo;
            gAnchoPantalla = tamano.width() * 15.0;
            gAltoPantalla = tamano.height() * 15.0;
            gAnchoDiseno = 15360;
            gAltoDiseno = 11085;
            cliente = e.cliente;
            frmBonosServicios venta;
            venta.move(0, 0);
            venta.show();
            venta.activateWindow();
            if (!QTest::qWaitForWindowActive(&venta))
                throw ErrorTarvelo(QStringLiteral("La venta no llega a mostrarse."));
            e.pasos(Conductor(venta));
            QTest::qWait(50);
            guardar(venta.grab().toImage(), salida, QStringLiteral("frmBonosServicios-") + QLatin1String(e.nombre),
                    tamano);
            // Tras la lista de activos, las bajas del bono sobre la misma venta
            if (QLatin1String(e.nombre) == QLatin1String("lista-activos"))
                capturarBajas(venta, salida, tamano);
            venta.close();
        }
    }
    BusquedaCliente::ponerApertura({});
}
