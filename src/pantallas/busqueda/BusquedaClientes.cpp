#include "pantallas/busqueda/BusquedaClientes.h"

#include "datos/Consulta.h"

#include <QStringList>

bool FiltroClientes::vacio() const
{
    return nombre.isEmpty() && apellidos.isEmpty() && telefono.isEmpty() && movil.isEmpty() && email.isEmpty() &&
           codigo.isEmpty() && dni.isEmpty();
}

QList<ClienteHallado> buscarClientes(Conexion& c, const FiltroClientes& filtro)
{
    const std::pair<const QString&, const char*> campos[] = {
        {filtro.nombre, "Nombre"}, {filtro.apellidos, "Apellidos"}, {filtro.telefono, "Telefono1"},
        {filtro.movil, "telefono2"}, {filtro.email, "email"}, {filtro.codigo, "codigocliente"},
        {filtro.dni, "nif"}};
    QString condicion;
    QVariantList valores;
    for (const auto& [texto, columna] : campos) {
        if (texto.isEmpty())
            continue;
        condicion += QStringLiteral(" and %1 like ? ").arg(QLatin1String(columna));
        valores << texto + QLatin1Char('%');
    }
    Consulta q(c,
               QStringLiteral("Select * from Clientes  where codigo <> null and borrar = false") + condicion +
                   QStringLiteral(" order by nombre"),
               valores);
    QList<ClienteHallado> r;
    while (q.siguiente())
        r.append({q.texto(QStringLiteral("Codigo")),
                  q.texto(QStringLiteral("Nombre")) + QLatin1Char(' ') + q.texto(QStringLiteral("Apellidos")),
                  q.texto(QStringLiteral("Tienda"))});
    return r;
}
