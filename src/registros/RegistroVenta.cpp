#include "registros/RegistroVenta.h"

#include "datos/Globales.h"
#include "datos/Numeracion.h"
#include "datos/Semaforos.h"
#include "datos/Transaccion.h"
#include "registros/Bonos.h"
#include "registros/Clientes.h"
#include "registros/Facturas.h"
#include "registros/Importes.h"
#include "registros/PagosCuenta.h"
#include "registros/verifactu/RegistroAlta.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRegistroVenta, "tarvelo.registros.venta", QtWarningMsg)

namespace {
constexpr qint16 kPagoDeposito = 4;

// Lo que cambia de una serie a otra
struct Serie {
    const char* contador;
    int (*sacar)();
    bool (*existe)(int);
    void (*detalle)(int, const VentaEnCurso&);
    void (*cabecera)(int, const VentaEnCurso&);
    void (*bono)(int, int, const VentaEnCurso&);
    void (*pago)(int, double, int);
};

const Serie kPrimera{"Factura",          ObtenerNumeroFactura,  ExisteFactura,         guardarDetalleFactura,
                     guardarCabeceraFactura, guardarCabeceraBono, GuardarPagoCuenta};
const Serie kSegunda{"FacturaPeruChile",           ObtenerNumeroFacturaPeruChile,   ExisteFacturaPeruChile,
                     guardarDetalleFacturaPeruChile, guardarCabeceraFacturaPeruChile, guardarCabeceraBonoPeruChile,
                     GuardarPagoCuentaPeruChile};
}  // namespace

int RegistrarVenta(SerieFactura serieFactura, const VentaEnCurso& venta)
{
    const Serie& s = serieFactura == SerieFactura::Primera ? kPrimera : kSegunda;
    const QString contador = QString::fromLatin1(s.contador);
    ExigirContador(contador);
    ExigirContador(QStringLiteral("Bonos"));

    // Los registros de facturación, solo de la primera serie y en España
    const VeriFactu::Modo verifactu =
        serieFactura == SerieFactura::Primera ? VeriFactu::modoTienda() : VeriFactu::Modo{};
    const double resto = RestoPendiente(venta);
    const int numeroBono = ObtenerNumeroBono();
    const int numeroPago = resto > 0 ? ObtenerNumPagoCuenta() : 0;

    // El semáforo de la serie, antes de la transacción y suelto después de ella
    const SemaforoTomado turno(contador);
    Transaccion t(gConexion);
    int numero = s.sacar();
    // Una sola comprobación: si el siguiente también estuviera usado, se usa igual
    if (s.existe(numero))
        numero = s.sacar();
    s.detalle(numero, venta);
    s.cabecera(numero, venta);
    if (verifactu.activo)
        VeriFactu::RegistrarAltaFactura(numero, verifactu);
    s.bono(numero, numeroBono, venta);
    if (resto > 0)
        s.pago(numero, resto, numeroPago);
    if (venta.formaPago == kPagoDeposito && venta.usaDeposito)
        DescontarDeposito(venta.codCliente, PrecioVenta(venta));
    t.confirmar();
    qCDebug(lcRegistroVenta) << "Venta guardada: factura" << contador << numero << "bono" << numeroBono
                            << "pendiente" << resto;
    return numero;
}
