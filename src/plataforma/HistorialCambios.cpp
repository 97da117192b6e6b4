#include "plataforma/HistorialCambios.h"

#include "datos/Error.h"
#include "plataforma/ConfiguracionSuite.h"
#include "plataforma/ValorColumna.h"
#include "datos/Globales.h"

#include <QDateTime>

namespace HistorialCambios {

void anotar(Conexion& conexion, CatalogoColumnas& catalogo, const EntradaHistorial& e)
{
    const TablaBase& t = catalogo.tabla(conexion, QStringLiteral("historial"));
    const QDateTime ahora = QDateTime::currentDateTime();
    const QString puesto = gIdentificadorPuesto.isEmpty() ? ConfiguracionSuite::identificadorPuesto()
                                                          : gIdentificadorPuesto;
    // Todo va como texto por el mismo camino que las listas: vale el tipo que tenga cada columna
    const QList<QPair<const char*, QString>> datos{
        {"fecha", ahora.date().toString(Qt::ISODate)},
        {"hora", ahora.time().toString(QStringLiteral("HH:mm:ss"))},
        {"puesto", puesto},
        {"empleado", QString::number(gEmpleadoTerminal)},
        {"tabla", e.tabla},
        {"operacion", e.operacion},
        {"campos", e.campos},
        {"descripcion", e.descripcion},
        {"condicion", e.condicion},
        {"valores_anteriores", e.valoresAnteriores},
        {"valores_nuevos", e.valoresNuevos},
        {"tienda", e.tienda},
    };
    QStringList columnas;
    QVariantList valores;
    for (const auto& [nombre, texto] : datos) {
        const Columna* col = t.buscar(QLatin1String(nombre));
        if (!col)
            throw ErrorTarvelo(QStringLiteral("La tabla «%1» no tiene la columna «%2»: no se puede anotar el cambio.")
                                   .arg(t.nombre, QLatin1String(nombre)));
        columnas << col->nombre;
        valores << ValorColumna::leer(texto, *col, t.nombre, conexion.motor());
    }
    conexion.ejecutar(sentenciaInsertar(t, columnas), valores);
}

}  // namespace HistorialCambios
