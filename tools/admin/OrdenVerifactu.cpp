// Orden verifactu: enciende, apaga o muestra el registro de las facturas
#include "AnalizadorOrden.h"
#include "OpcionesConexion.h"
#include "Ordenes.h"
#include "datos/Error.h"
#include "datos/Globales.h"
#include "datos/Transaccion.h"
#include "registros/verifactu/Modo.h"

#include <QTextStream>

namespace Ordenes {

int verifactu(const QStringList& args)
{
    AnalizadorOrden a(QStringLiteral("verifactu"),
                      QStringLiteral("Enciende o apaga los registros de facturación (VERI*FACTU) de la tienda, que "
                                     "solo se hacen en España y en la primera serie. Sin opciones, dice cómo está."));
    OpcionesConexion::anadir(a.parser());
    a.parser().addOptions({
        {QStringLiteral("lugar"), QStringLiteral("Dónde está la tienda, por su hora: «Madrid» (península, Baleares, "
                                                 "Ceuta y Melilla) o «Canarias». Lo enciende."),
         QStringLiteral("lugar")},
        {QStringLiteral("pruebas"), QStringLiteral("Con --lugar: usa la sede de pruebas de la agencia tributaria (para "
                                                   "probar la instalación antes de facturar de verdad).")},
        {QStringLiteral("apagar"), QStringLiteral("Lo apaga: las facturas siguientes no dejan registro.")},
    });
    if (!a.analizar(args))
        return 0;
    OpcionesConexion::aplicarSuite(a.parser());
    const QCommandLineParser& p = a.parser();
    if (p.isSet(QStringLiteral("lugar")) && p.isSet(QStringLiteral("apagar")))
        throw ErrorTarvelo(QStringLiteral("Use --lugar para encenderlo o --apagar para apagarlo, no las dos."));
    Conexion& c = gConexion;
    c.abrir(OpcionesConexion::tienda(p));
    // El ajuste se mira como en una tienda de España, la única región en que cuenta
    gRegion = QStringLiteral("España");
    if (p.isSet(QStringLiteral("lugar")) || p.isSet(QStringLiteral("apagar"))) {
        Transaccion t(c);
        // Apagado, la fila queda sin lugar y con su sede: lo que quedó sin
        // enviar sigue saliendo hacia la misma
        const bool pruebas = p.isSet(QStringLiteral("lugar")) ? p.isSet(QStringLiteral("pruebas"))
                                                              : VeriFactu::modoTienda().pruebas;
        c.ejecutar(QStringLiteral("delete from relaciones_fijas where indice = 'VeriFactu'"));
        c.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, datoa, daton) values ('VeriFactu', ?, ?)"),
                   {p.isSet(QStringLiteral("lugar")) ? p.value(QStringLiteral("lugar")).trimmed() : QString(),
                    pruebas ? 1 : 0});
        // Un lugar que no vale no se queda guardado
        VeriFactu::modoTienda();
        t.confirmar();
    }
    const VeriFactu::Modo m = VeriFactu::modoTienda();
    QTextStream out(stdout);
    if (!m.activo)
        out << "Registros de facturación: apagados.\n";
    else
        out << "Registros de facturación: encendidos, con la hora de " << m.zona.id()
            << (m.pruebas ? ", en la sede de pruebas de la agencia" : "") << ".\n"
            << "Solo en las tiendas de España (la región de la tienda) y en la primera serie.\n";
    c.cerrar();
    return 0;
}

}  // namespace Ordenes
