#include "Catalogo.h"

#include "datos/Consulta.h"

namespace Catalogo {

bool existeTabla(Conexion& c, const QString& tabla)
{
    const QString sql = c.motor() == Motor::PostgreSQL
        ? QStringLiteral("select count(*) as n from information_schema.tables "
                         "where table_schema = current_schema() and table_name = ?")
        : QStringLiteral("select count(*) as n from sqlite_master where type = 'table' and lower(name) = ?");
    Consulta q(c, sql, {tabla.toLower()});
    return q.siguiente() && q.entero(QStringLiteral("n")) > 0;
}

namespace {
// Filas (nombre, tipo) de las columnas de una tabla
QList<QPair<QString, QString>> columnasConTipo(Conexion& c, const QString& tabla)
{
    QList<QPair<QString, QString>> lista;
    if (c.motor() == Motor::PostgreSQL) {
        Consulta q(c,
                   QStringLiteral("select column_name as nombre, data_type as tipo from information_schema.columns "
                                  "where table_schema = current_schema() and table_name = ? "
                                  "order by ordinal_position"),
                   {tabla.toLower()});
        while (q.siguiente())
            lista.append({q.texto(QStringLiteral("nombre")).toLower(), q.texto(QStringLiteral("tipo")).toLower()});
    } else {
        Consulta q(c, QStringLiteral("select name as nombre, type as tipo from pragma_table_info(?)"),
                   {tabla.toLower()});
        while (q.siguiente())
            lista.append({q.texto(QStringLiteral("nombre")).toLower(), q.texto(QStringLiteral("tipo")).toLower()});
    }
    return lista;
}
}  // namespace

QStringList columnas(Conexion& c, const QString& tabla)
{
    QStringList nombres;
    for (const auto& par : columnasConTipo(c, tabla))
        nombres << par.first;
    return nombres;
}

QString tipoColumna(Conexion& c, const QString& tabla, const QString& columna)
{
    for (const auto& par : columnasConTipo(c, tabla))
        if (par.first == columna.toLower())
            return par.second;
    return QString();
}

QStringList indices(Conexion& c, const QString& tabla)
{
    const QString sql = c.motor() == Motor::PostgreSQL
        ? QStringLiteral("select indexname as nombre from pg_indexes "
                         "where schemaname = current_schema() and tablename = ?")
        : QStringLiteral("select name as nombre from sqlite_master where type = 'index' and lower(tbl_name) = ?");
    Consulta q(c, sql, {tabla.toLower()});
    QStringList nombres;
    while (q.siguiente())
        nombres << q.texto(QStringLiteral("nombre")).toLower();
    return nombres;
}

}  // namespace Catalogo
