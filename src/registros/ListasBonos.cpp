#include "registros/ListasBonos.h"

#include "datos/Componentes.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Globales.h"
#include "datos/Valores.h"

namespace ListasBonos {
namespace {

// Las dos primeras listas comparten columnas; cambia el catálogo del bono
QString seleccion(bool packs)
{
    return packs ? QStringLiteral("familias.Nombre, Cabecera_Bonos.Fecha_Alta, Empleados.Nombre & ' ' & "
                                  "Empleados.Apellidos AS nom, Cabecera_Bonos.Num_Sesiones, ' ', Cabecera_Bonos.Precio, "
                                  "Cabecera_Bonos.Cliente, Cabecera_Bonos.Familia, Cabecera_Bonos.Fecha_Desde, "
                                  "Cabecera_Bonos.Fecha_Hasta, FormaPago.Nombre,FormaPago.codigo")
                 : QStringLiteral("Servicios.Nombre, Cabecera_Bonos.Fecha_Alta, Empleados.Nombre & ' ' & "
                                  "Empleados.Apellidos AS nom, Cabecera_Bonos.Num_Sesiones, ' ', Cabecera_Bonos.Precio, "
                                  "Cabecera_Bonos.Cliente, Cabecera_Bonos.Servicio, Cabecera_Bonos.Fecha_Desde, "
                                  "Cabecera_Bonos.Fecha_Hasta, FormaPago.Nombre,FormaPago.codigo");
}

QString origen(bool packs)
{
    return packs ? QStringLiteral(
                       " FROM ((((Cabecera_Bonos INNER JOIN Clientes ON Cabecera_Bonos.Cliente = Clientes.Codigo) "
                       "INNER JOIN familias ON Cabecera_Bonos.familia = familias.Codigo) LEFT JOIN Empleados ON "
                       "Cabecera_Bonos.Empleado = Empleados.Codigo) LEFT JOIN Cabecera_Factura ON "
                       "Cabecera_Bonos.Num_Factura = Cabecera_Factura.Numero) LEFT JOIN FormaPago ON "
                       "Cabecera_Factura.Pago = FormaPago.Codigo ")
                 : QStringLiteral(
                       " FROM ((((Cabecera_Bonos INNER JOIN Clientes ON Cabecera_Bonos.Cliente = Clientes.Codigo) "
                       "INNER JOIN Servicios ON Cabecera_Bonos.Servicio = Servicios.Codigo) LEFT JOIN Empleados ON "
                       "Cabecera_Bonos.Empleado = Empleados.Codigo) LEFT JOIN Cabecera_Factura ON "
                       "Cabecera_Bonos.Num_Factura = Cabecera_Factura.Numero) LEFT JOIN FormaPago ON "
                       "Cabecera_Factura.Pago = FormaPago.Codigo ");
}

// Tras cada "?" va un blanco: el texto que sigue iba pegado a la comilla
void anadirTienda(ConsultaLista& c)
{
    if (!filtroTienda())
        return;
    c.texto += QStringLiteral("and cabecera_bonos.tienda like ? and Clientes.tienda like ? ");
    c.valores << gTiendaSeleccionada << gTiendaSeleccionada;
}

}  // namespace

bool filtroTienda()
{
    return gNombreTienda == QLatin1String("Servidor") && gMultitienda;
}

ConsultaLista activos(const QDate& hoy)
{
    const bool packs = gModoFamilias != 0;
    ConsultaLista c;
    c.texto = QStringLiteral("SELECT  distinct(Cabecera_Bonos.NumBono), Clientes.Nombre & ' ' & Clientes.Apellidos AS "
                             "nomCli, ") +
              seleccion(packs) + origen(packs);
    // En packs el "or" deja todos los de estado 0, acaben cuando acaben; la
    // tienda solo estrecha la segunda parte
    c.texto += packs ? QStringLiteral(" Where (((Cabecera_Bonos.Estado) = 0)) Or (((Cabecera_Bonos.Estado) = 0) And "
                                      "((Cabecera_Bonos.Fecha_Hasta) >= ? )) ")
                     : QStringLiteral("Where (((Cabecera_Bonos.Estado) = 0)) "
                                      "   and (((Cabecera_Bonos.Fecha_Hasta) >= ? ) "
                                      "  And ((Cabecera_Bonos.Estado) = 0)) ");
    c.valores << hoy;
    anadirTienda(c);
    c.texto += packs ? QStringLiteral(" ORDER BY Cabecera_Bonos.NumBono DESC")
                     : QStringLiteral("order by cabecera_bonos.numbono desc");
    return c;
}

ConsultaLista caducados(int anyos, const QDate& hoy)
{
    const bool packs = gModoFamilias != 0;
    ConsultaLista c;
    c.texto = QStringLiteral("SELECT  Cabecera_Bonos.NumBono, Clientes.Nombre & ' ' & Clientes.Apellidos AS nomCli, ") +
              seleccion(packs) + origen(packs) +
              QStringLiteral("Where (((Cabecera_Bonos.Estado) = 0)) "
                             "   and (((Cabecera_Bonos.Fecha_Hasta) between ? and ? ) "
                             "  And ((Cabecera_Bonos.Estado) = 0)) "
                             "order by cabecera_bonos.Fecha_Desde");
    c.valores << hoy.addYears(-anyos) << hoy;
    return c;
}

ConsultaLista inactivos(const QDate& hoy)
{
    ConsultaLista c;
    c.texto = QStringLiteral(
        "SELECT Cabecera_Bonos.NumBono, Clientes.Nombre & ' ' & Clientes.Apellidos as nomCli, Servicios.Nombre, "
        "Cabecera_Bonos.Fecha_Alta, Empleados.Nombre & ' ' & Empleados.Apellidos as nom, Cabecera_Bonos.Num_Sesiones, "
        "Cabecera_Bonos.Precio"
        "  FROM ((Cabecera_Bonos INNER JOIN Clientes ON Cabecera_Bonos.Cliente = Clientes.Codigo) INNER JOIN "
        "Servicios ON Cabecera_Bonos.Servicio = Servicios.Codigo) LEFT JOIN Empleados ON Cabecera_Bonos.Empleado = "
        "Empleados.Codigo "
        " Where estado = -1 and (fecha_desde >= ? or fecha_hasta <= ? ) order by Cabecera_Bonos.NumBono desc");
    c.valores << hoy.addDays(-365) << hoy;
    return c;
}

ConsultaLista consumo(int numBono, bool conTienda)
{
    ConsultaLista c;
    c.texto = QStringLiteral("SELECT Detalle_Bono.Fecha_Consumo, Empleados.Nombre & ' ' & Empleados.Apellidos "
                             "  FROM Detalle_Bono LEFT JOIN Empleados ON Detalle_Bono.Empleado = Empleados.Codigo "
                             " where Detalle_Bono.num_bono = ? ");
    c.valores << numBono;
    if (conTienda) {
        c.texto += QStringLiteral(" and Detalle_Bono.tienda like ? ");
        c.valores << gTiendaSeleccionada;
    }
    // Sin orden cada motor da las sesiones a su manera
    c.texto += QStringLiteral("order by Detalle_Bono.Fecha_Consumo");
    return c;
}

}  // namespace ListasBonos

void DesactivarBono(const QString& numbono, const QString& numSesiones)
{
    bool ok = false;
    const int numero = numbono.trimmed().toInt(&ok);
    if (!ok)
        throw ErrorTarvelo(QStringLiteral("El número de bono «%1» no es válido.").arg(numbono));
    const double sesiones = Valores::leerNumero(numSesiones, &ok);
    if (!ok)
        throw ErrorTarvelo(QStringLiteral("El número de sesiones «%1» no es válido.").arg(numSesiones));
    const ConsultaLista q = ListasBonos::consumo(numero, false);
    int consumidas = 0;
    {
        Consulta c(gConexion, q.texto, q.valores);
        while (c.siguiente())
            ++consumidas;
    }
    if (sesiones <= consumidas)
        Componentes::registros().Modificar(gConexion, QStringLiteral("cabecera_bonos"), QStringLiteral("Estado=-1|"),
                                           gNombreTienda, gMultitienda, Condicion(QStringLiteral("numbono=?"), {numero}),
                                           0, QString(), QString(), QString());
}
