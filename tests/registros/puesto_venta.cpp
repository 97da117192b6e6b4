// Un puesto de venta de pega para la prueba de varios puestos vendiendo a la
// vez: guarda ventas de bono de verdad, alternando las dos series, y escribe
// por la salida cada una ("V serie factura precio resto microsegundos"). Con <seguir>, a
// las tres cuartas partes espera a que exista ese fichero: quien copia la
// base a mitad de ventas sabe así que no acaban antes de la copia.
//   puesto_venta <suite.ini> <ventas> <puesto> [<seguir>]
#include "datos/Componentes.h"
#include "datos/Error.h"
#include "datos/Globales.h"
#include "datos/Semaforos.h"
#include "datos/Valores.h"
#include "plataforma/ConfiguracionSuite.h"
#include "registros/RegistroVenta.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QThread>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream salida(stdout);
    QTextStream errores(stderr);
    if (args.size() != 4 && args.size() != 5) {
        errores << "uso: puesto_venta <suite.ini> <ventas> <puesto> [<seguir>]\n";
        return 2;
    }
    const int ventas = args.at(2).toInt();
    const int puesto = args.at(3).toInt();
    gIdentificadorPuesto = gTerminal = QStringLiteral("CAJA%1").arg(puesto);
    gNombreTienda = QStringLiteral("Centro");
    gNumDecimales = 2;
    gIva = true;
    gRegion = QStringLiteral("España");  // con la fila 'VeriFactu', cada factura de la primera serie se registra
    Valores::ponerRegionales(AjustesRegionales::espanoles());
    try {
        ConfiguracionSuite::ponerRuta(args.at(1));
        Componentes::abridor().Abrir(QString(), gConexion);
        gSemaforosActivos = SemaforosActivos();
        for (int i = 0; i < ventas; ++i) {
            if (args.size() == 5 && i == ventas * 3 / 4)
                while (!QFile::exists(args.at(4)))
                    QThread::msleep(20);
            VentaEnCurso v;
            v.codCliente = QString::number(puesto);
            v.codServicio = 1 + i % 3;
            v.nomServicio = QStringLiteral("Corte");
            v.clavePrecio = QStringLiteral("1|Corte|10|21|10|1,73553719008264");
            v.nomEmpleado = QStringLiteral("Marta L");
            v.codEmpleado = 1;
            v.formaPago = 1;
            v.sesiones = QString::number(1 + i % 5);
            const double precio = 10.0 * (1 + i % 5) + puesto / 100.0;
            v.precio = Valores::numeroATexto(precio);
            // Una de cada tres queda a deber 5
            v.entrega = Valores::numeroATexto(i % 3 == 0 ? precio - 5 : precio);
            v.fechaAlta = Valores::fechaCorta(QDate::currentDate());
            v.desde = QDate::currentDate();
            v.hasta = v.desde.addYears(1);
            const SerieFactura serie = i % 2 ? SerieFactura::Segunda : SerieFactura::Primera;
            QElapsedTimer reloj;
            reloj.start();
            const int factura = RegistrarVenta(serie, v);
            const qint64 tiempo = reloj.nsecsElapsed() / 1000;
            salida << "V " << (i % 2) << ' ' << factura << ' ' << Valores::numeroATexto(precio, QLatin1Char('.')) << ' '
                   << (i % 3 == 0 ? 5 : 0) << ' ' << tiempo << Qt::endl;  // cada venta, en cuanto se guarda
        }
    } catch (const ErrorTarvelo& e) {
        salida.flush();
        errores << gTerminal << ": " << e.descripcion() << "\n";
        return 1;
    }
    gConexion.cerrar();
    return 0;
}
