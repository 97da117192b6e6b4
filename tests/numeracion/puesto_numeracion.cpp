// Un puesto de venta de pega para las pruebas de varios puestos a la vez:
// abre la base de datos de la configuración de la suite que se le da, saca
// números de bono y de factura, guarda cada venta en su transacción y
// escribe por la salida los números que ha sacado ("B n" y "F n").
//   puesto_numeracion <suite.ini> <ventas> <escala de tiempo> <puesto>
#include "datos/Componentes.h"
#include "datos/Error.h"
#include "datos/Numeracion.h"
#include "datos/Semaforos.h"
#include "datos/Transaccion.h"
#include "pantallas/espera/frmEsperaSemaforo.h"
#include "plataforma/ConfiguracionSuite.h"
#include "datos/Globales.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream salida(stdout);
    QTextStream errores(stderr);
    if (args.size() != 5) {
        errores << "uso: puesto_numeracion <suite.ini> <ventas> <escala> <puesto>\n";
        return 2;
    }
    const int ventas = args.at(2).toInt();
    frmEsperaSemaforo::ponerEscalaTiempo(args.at(3).toDouble());
    EsperaTurnoPantalla espera;
    ponerEsperaTurno(&espera);
    gIdentificadorPuesto = args.at(4);
    try {
        ConfiguracionSuite::ponerRuta(args.at(1));
        Componentes::abridor().Abrir(QString(), gConexion);
        gSemaforosActivos = SemaforosActivos();
        for (int i = 0; i < ventas; ++i) {
            // Como una venta: los números antes de empezar a guardar
            int factura = ObtenerNumeroFactura();
            if (ExisteFactura(factura))
                factura = ObtenerNumeroFactura();
            const int bono = ObtenerNumeroBono();
            Transaccion t(gConexion);
            gConexion.ejecutar(QStringLiteral("insert into cabecera_factura (numero, terminal) values (?, ?)"),
                               {factura, gIdentificadorPuesto});
            gConexion.ejecutar(QStringLiteral("insert into cabecera_bonos (numbono, num_factura, tienda) "
                                              "values (?, ?, ?)"),
                               {bono, factura, gIdentificadorPuesto});
            t.confirmar();
            salida << "F " << factura << "\nB " << bono << "\n";
        }
    } catch (const ErrorTarvelo& e) {
        salida.flush();
        errores << gIdentificadorPuesto << ": " << e.descripcion() << "\n";
        return 1;
    }
    gConexion.cerrar();
    return 0;
}
