// Bonos de la tienda de demostración: los hechos a mano cubren cada estado
// y cada caso de las listas; los generados dan una tienda grande.
#include "DemoPartes.h"
#include "EscritorBonos.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Transaccion.h"

#include <QRandomGenerator>

namespace Demo {
namespace {

using Fin = BonoDemo::Fin;

struct Hecho {
    int cliente;
    int empleado;
    bool pack;
    int item;
    int sesiones;
    double descuento;
    int altaHaceDias;
    int validezDias;
    Fin fin;
    int consumidos;
    int formaPago;
    double pendiente;
    double pagadoDespues;
};

// El primero es el más antiguo: de él sale hasta dónde llega la lista de caducados
const Hecho kHechos[] = {
    // caducados hace años, sin acabar
    {13, 2, false, 14, 5, 0, 1190, 180, Fin::Vigente, 2, 1, 0, 0},
    {14, 1, false, 3, 10, 0, 800, 365, Fin::Vigente, 6, 2, 0, 0},
    // en vigor, de servicios
    {1, 1, false, 3, 10, 0, 40, 365, Fin::Vigente, 3, 1, 0, 0},
    {2, 3, false, 6, 10, 10, 25, 365, Fin::Vigente, 4, 2, 0, 0},
    {3, 1, false, 16, 6, 0, 60, 180, Fin::Vigente, 2, 4, 0, 0},  // pagado con su depósito
    {4, 2, false, 22, 8, 0, 15, 180, Fin::Vigente, 1, 3, 0, 0},  // pago mixto
    {6, 4, false, 27, 6, 15, 90, 365, Fin::Vigente, 3, 2, 0, 0},
    {7, 3, false, 8, 10, 0, 10, 365, Fin::Vigente, 0, 1, 0, 0},
    {9, 2, false, 10, 4, 0, 120, 365, Fin::Vigente, 2, 5, 0, 0},
    {10, 1, false, 30, 5, 5, 30, 180, Fin::Vigente, 1, 2, 0, 0},
    {11, 4, false, 35, 10, 0, 20, 90, Fin::Vigente, 4, 1, 0, 0},   // solárium
    {12, 2, false, 25, 8, 0, 45, 365, Fin::Vigente, 3, 1, 60, 0},   // debe 60
    {15, 1, false, 13, 3, 0, 70, 365, Fin::Vigente, 1, 2, 90, 40},  // debe 90, ha pagado 40
    {16, 3, false, 21, 10, 0, 100, 365, Fin::Vigente, 5, 1, 50, 50},  // deuda ya pagada
    {17, 4, false, 31, 5, 0, 180, 180, Fin::Vigente, 3, 2, 0, 0},     // acaba hoy
    {18, 1, false, 19, 6, 0, 5, 365, Fin::Vigente, 0, 1, 0, 0},
    {19, 2, false, 36, 10, 0, 35, 120, Fin::Vigente, 6, 1, 0, 0},
    {20, 1, false, 9, 5, 0, 50, 365, Fin::Vigente, 2, 3, 0, 0},
    {49, 5, false, 21, 10, 0, 30, 365, Fin::Vigente, 2, 1, 0, 0},  // tienda Delicias
    {50, 6, false, 25, 6, 0, 60, 365, Fin::Vigente, 1, 2, 0, 0},   // tienda Delicias
    {58, 1, false, 3, 5, 0, 20, 365, Fin::Vigente, 1, 1, 0, 0},    // cliente sin tienda
    // en vigor, de packs
    {21, 1, true, 1, 3, 0, 20, 180, Fin::Vigente, 1, 2, 0, 0},
    {22, 3, true, 2, 10, 0, 30, 365, Fin::Vigente, 4, 1, 0, 0},
    {23, 4, true, 3, 6, 10, 60, 365, Fin::Vigente, 2, 2, 0, 0},
    {24, 2, true, 6, 4, 0, 10, 180, Fin::Vigente, 0, 5, 100, 0},  // debe 100
    {25, 1, true, 4, 5, 0, 400, 180, Fin::Vigente, 2, 1, 0, 0},   // pack caducado, sigue en estado 0
    // caducados en el último año
    {26, 2, false, 17, 4, 0, 300, 180, Fin::Vigente, 2, 2, 0, 0},
    {27, 3, false, 6, 10, 0, 200, 90, Fin::Vigente, 7, 1, 0, 0},
    {28, 4, false, 33, 5, 0, 250, 120, Fin::Vigente, 0, 2, 0, 0},
    {29, 1, true, 5, 6, 0, 330, 180, Fin::Vigente, 3, 1, 0, 0},
    // consumidos del todo
    {30, 2, false, 21, 5, 0, 150, 365, Fin::Consumido, 5, 1, 0, 0},
    {31, 1, false, 3, 10, 0, 300, 365, Fin::Consumido, 10, 2, 0, 0},
    {32, 3, false, 7, 4, 0, 90, 180, Fin::Consumido, 4, 1, 0, 0},
    {33, 4, true, 3, 4, 0, 200, 365, Fin::Consumido, 4, 2, 0, 0},
    {34, 2, false, 36, 10, 0, 700, 180, Fin::Consumido, 10, 1, 0, 0},
    // anulados
    {35, 1, false, 30, 5, 0, 100, 365, Fin::Anulado, 1, 2, 0, 0},
    {36, 3, false, 11, 4, 0, 500, 365, Fin::Anulado, 2, 1, 0, 0},
    {37, 4, true, 6, 3, 0, 50, 180, Fin::Anulado, 0, 1, 0, 0},
    // borrados con devolución (abono)
    {38, 2, false, 16, 6, 0, 80, 365, Fin::Devuelto, 2, 2, 0, 0},
    {39, 1, false, 24, 10, 0, 60, 180, Fin::Devuelto, 3, 1, 0, 0},
};

}  // namespace

void sembrarBonos(Conexion& c, const QDate& hoy, const QString& terminal)
{
    EscritorBonos escritor(c, hoy, terminal);
    for (const Hecho& h : kHechos) {
        BonoDemo b;
        b.cliente = h.cliente;
        b.empleado = h.empleado;
        b.pack = h.pack;
        b.item = h.item;
        b.sesiones = h.sesiones;
        b.descuento = h.descuento;
        b.alta = hoy.addDays(-h.altaHaceDias);
        b.hasta = b.alta.addDays(h.validezDias);
        b.fin = h.fin;
        b.consumidos = h.consumidos;
        b.formaPago = h.formaPago;
        b.pendiente = h.pendiente;
        b.pagadoDespues = h.pagadoDespues;
        escritor.escribir(b);
    }
    escritor.terminar();
}

int sembrarBonosGenerados(Conexion& c, int n, const QDate& hoy)
{
    if (n <= 0)
        return 0;
    if (!tieneDatos(c))
        throw ErrorTarvelo(QStringLiteral("Antes de generar bonos hay que sembrar la tienda de demostración."));
    // Toda la siembra cabe en la caché de SQLite: no se escribe a medias al WAL
    if (c.motor() == Motor::SQLite)
        c.ejecutar(QStringLiteral("PRAGMA cache_size = -65536"));
    Transaccion t(c);
    int primerCliente = 1;
    {
        Consulta q(c, QStringLiteral("select max(codigo) as m from clientes"));
        if (q.siguiente() && !q.esNulo(QStringLiteral("m")))
            primerCliente = q.entero(QStringLiteral("m")) + 1;
    }
    // Un cliente de más por cada veinte bonos
    const int nuevos = std::max(1, n / 20);
    sembrarClientesGenerados(c, primerCliente, nuevos, hoy);

    QList<int> servicios, familias;
    {
        Consulta q(c, QStringLiteral("select codigo from servicios where borrar = 0 and mostrarencaja = -1"));
        while (q.siguiente())
            servicios << q.entero(QStringLiteral("codigo"));
    }
    {
        Consulta q(c, QStringLiteral("select codigo from familias where borrar = 0 and mostrarencaja = -1"));
        while (q.siguiente())
            familias << q.entero(QStringLiteral("codigo"));
    }
    QList<int> empleados;
    {
        Consulta q(c, QStringLiteral("select codigo from empleados where baja = 0 and mostrar_caja = -1"));
        while (q.siguiente())
            empleados << q.entero(QStringLiteral("codigo"));
    }

    // Semilla fija: la misma tienda grande cada vez
    QRandomGenerator azar(20240501u + quint32(n));
    const int sesionesPosibles[] = {4, 5, 6, 8, 10, 12};
    EscritorBonos escritor(c, hoy);
    for (int i = 0; i < n; ++i) {
        BonoDemo b;
        b.cliente = primerCliente + azar.bounded(nuevos);
        b.empleado = empleados.at(azar.bounded(int(empleados.size())));
        b.pack = !familias.isEmpty() && azar.bounded(5) == 0;
        b.item = b.pack ? familias.at(azar.bounded(int(familias.size())))
                        : servicios.at(azar.bounded(int(servicios.size())));
        b.sesiones = sesionesPosibles[azar.bounded(int(std::size(sesionesPosibles)))];
        b.descuento = azar.bounded(4) == 0 ? 10 : 0;
        b.alta = hoy.addDays(-azar.bounded(1095));
        b.hasta = b.alta.addDays(azar.bounded(2) ? 365 : 180);
        const int tipo = azar.bounded(100);
        if (tipo < 25) {
            b.fin = Fin::Consumido;
            b.consumidos = b.sesiones;
        } else if (tipo < 33) {
            b.fin = Fin::Anulado;
            b.consumidos = azar.bounded(b.sesiones);
        } else {
            b.fin = Fin::Vigente;  // en vigor o caducado según la fecha
            b.consumidos = azar.bounded(b.sesiones);
        }
        b.formaPago = 1 + azar.bounded(3);
        if (azar.bounded(12) == 0) {
            b.pendiente = 20 + azar.bounded(40);
            b.pagadoDespues = azar.bounded(2) ? b.pendiente : 0;
        }
        escritor.escribir(b);
    }
    escritor.terminar();
    t.confirmar();
    return escritor.bonos();
}

}  // namespace Demo
