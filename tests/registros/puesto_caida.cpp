// Un puesto que hace una acción que escribe y se mata (SIGKILL) justo antes o
// justo después de su escritura k, como un corte de luz: para la prueba de
// caídas. Sin k (0) la hace entera y dice cuántas escrituras tuvo.
//   puesto_caida <suite.ini> <acción> <k> <antes|despues>
// Acciones: venta1 venta2 deuda mixto deposito modificar anular borrar. Las
// tres últimas venden antes su bono (sin contar esas escrituras).
#include "datos/Componentes.h"
#include "datos/Conexion.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Semaforos.h"
#include "datos/Globales.h"
#include "datos/Valores.h"
#include "plataforma/ConfiguracionSuite.h"
#include "registros/BajasBono.h"
#include "registros/ModificacionBono.h"
#include "registros/RegistroVenta.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>

namespace {

VentaEnCurso venta(qint16 formaPago, const QString& entrega)
{
    VentaEnCurso v;
    v.codCliente = QStringLiteral("1");
    v.codServicio = 1;
    v.nomServicio = QStringLiteral("Corte");
    v.clavePrecio = QStringLiteral("1|Corte|10|21|10|1,73553719008264");
    v.nomEmpleado = QStringLiteral("Marta L");
    v.codEmpleado = 1;
    v.formaPago = formaPago;
    v.sesiones = QStringLiteral("5");
    v.precio = QStringLiteral("50");
    v.entrega = entrega;
    v.pagoTarjeta = formaPago == 3 ? QStringLiteral("20") : QString();
    v.usaDeposito = formaPago == 4;
    v.fechaAlta = Valores::fechaCorta(QDate::currentDate());
    v.desde = QDate::currentDate();
    v.hasta = v.desde.addYears(1);
    return v;
}

int g_escrituras = 0;

// Las vueltas de espera de un semáforo se cuentan sin dormir: lo que se
// prueba es cuántas da antes de seguir, no cuánto duran
struct EsperaContada : EsperaTurno {
    int vueltas = 0;
    void vuelta(int) override { ++vueltas; }
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    QTextStream salida(stdout);
    EsperaContada espera;
    if (a.size() != 5) {
        QTextStream(stderr) << "uso: puesto_caida <suite.ini> <acción> <k> <antes|despues>\n";
        return 2;
    }
    const QString accion = a.at(2);
    const int matarEn = a.at(3).toInt();
    const bool despues = a.at(4) == QLatin1String("despues");
    gIdentificadorPuesto = gTerminal = QStringLiteral("CAJA1");
    gNombreTienda = QStringLiteral("Centro");
    gNumDecimales = 2;
    gIva = true;
    Valores::ponerRegionales(AjustesRegionales::espanoles());
    try {
        ConfiguracionSuite::ponerRuta(a.at(1));
        Componentes::abridor().Abrir(QString(), gConexion);
        gSemaforosActivos = SemaforosActivos();
        ponerEsperaTurno(&espera);
        int bono = 0;
        int factura = 0;
        if (accion == QLatin1String("modificar") || accion == QLatin1String("anular") ||
            accion == QLatin1String("borrar")) {
            factura = RegistrarVenta(SerieFactura::Primera, venta(1, QStringLiteral("50")));
            Consulta c(gConexion, QStringLiteral("select numbono from cabecera_bonos where num_factura = ? and "
                                                 "facturaperuchile = 0"),
                       {factura});
            bono = c.siguiente() ? c.entero(QStringLiteral("numbono")) : 0;
        }
        // Desde aquí cuenta cada escritura, y en la k se muere
        Conexion::vigilarEscrituras([&](bool hecha) {
            if (!hecha)
                ++g_escrituras;
            if (matarEn > 0 && g_escrituras == matarEn && hecha == despues)
                std::raise(SIGKILL);
        });
        if (accion == QLatin1String("venta1")) {
            RegistrarVenta(SerieFactura::Primera, venta(1, QStringLiteral("50")));
        } else if (accion == QLatin1String("venta2")) {
            RegistrarVenta(SerieFactura::Segunda, venta(2, QString()));
        } else if (accion == QLatin1String("deuda")) {
            RegistrarVenta(SerieFactura::Primera, venta(1, QStringLiteral("30")));
        } else if (accion == QLatin1String("mixto")) {
            RegistrarVenta(SerieFactura::Segunda, venta(3, QStringLiteral("30")));
        } else if (accion == QLatin1String("deposito")) {
            RegistrarVenta(SerieFactura::Primera, venta(4, QStringLiteral("50")));
        } else if (accion == QLatin1String("modificar")) {
            VentaEnCurso v = venta(1, QStringLiteral("50"));
            v.modificando = true;
            v.bono = BonoAModificar(bono);
            v.sesiones = QStringLiteral("9");
            v.precio = QStringLiteral("77");
            RegistrarModificacion(v);
        } else if (accion == QLatin1String("anular")) {
            AnularBono(QString::number(bono), QStringLiteral("Pedro R"));
        } else if (accion == QLatin1String("borrar")) {
            BorrarBonoConAbono({QString::number(bono), QStringLiteral("5"), QStringLiteral("0"), QStringLiteral("40"),
                                QStringLiteral("Pedro R"), 2});
        } else {
            QTextStream(stderr) << "acción desconocida: " << accion << '\n';
            return 2;
        }
    } catch (const ErrorTarvelo& e) {
        QTextStream(stderr) << e.descripcion() << '\n';
        return 1;
    }
    salida << "ESCRITURAS " << g_escrituras << " VUELTAS " << espera.vueltas << Qt::endl;
    gConexion.cerrar();
    return 0;
}
