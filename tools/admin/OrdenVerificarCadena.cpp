// Orden verificar-cadena
#include "AnalizadorOrden.h"
#include "OpcionesConexion.h"
#include "Ordenes.h"
#include "registros/verifactu/VerificacionCadena.h"

#include <QTextStream>

namespace Ordenes {

int verificarCadena(const QStringList& args)
{
    AnalizadorOrden a(QStringLiteral("verificar-cadena"),
                      QStringLiteral("Comprueba las cadenas de registros de facturación (VERI*FACTU) de la tienda: "
                                     "vuelve a calcular cada huella desde los textos guardados y mira que cada "
                                     "registro enlace con el anterior, que la secuencia no tenga huecos, que las horas "
                                     "no retrocedan y que el XML lleve los mismos datos. Dice el primer registro malo "
                                     "de cada cadena y, si hay alguno, acaba con código 1."));
    OpcionesConexion::anadir(a.parser());
    if (!a.analizar(args))
        return 0;
    OpcionesConexion::aplicarSuite(a.parser());
    Conexion c;
    c.abrir(OpcionesConexion::tienda(a.parser()));
    QTextStream out(stdout);
    const QList<VeriFactu::ResultadoCadena> cadenas = VeriFactu::verificarCadenas(c);
    if (cadenas.isEmpty())
        out << "No hay registros de facturación en esta tienda.\n";
    bool bien = true;
    for (const VeriFactu::ResultadoCadena& r : cadenas) {
        if (r.correcta()) {
            out << "Cadena del NIF " << r.nif << ": " << r.registros << " registros, correcta.\n";
            continue;
        }
        bien = false;
        out << "Cadena del NIF " << r.nif << ": MAL en el registro " << r.secuenciaMala << " (tras " << r.registros
            << " correctos): " << r.motivo << ".\n";
    }
    return bien ? 0 : 1;
}

}  // namespace Ordenes
