#include "plataforma/CatalogoColumnas.h"

#include "datos/Consulta.h"
#include "datos/Error.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcCatalogo, "tarvelo.registros.catalogo", QtWarningMsg)

const Columna* TablaBase::buscar(const QString& campo) const
{
    const QString buscado = campo.trimmed();
    for (const Columna& c : columnas)
        if (c.nombre.compare(buscado, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

TipoColumna CatalogoColumnas::tipoDe(const QString& tipoDeclarado)
{
    const QString t = tipoDeclarado.trimmed().toLower();
    if (t.isEmpty())
        return TipoColumna::Texto;  // SQLite sin tipo declarado: se guarda tal cual
    if (t.contains(QLatin1String("timestamp")) || t.contains(QLatin1String("datetime")))
        return TipoColumna::FechaHora;
    if (t.startsWith(QLatin1String("date")))
        return TipoColumna::Fecha;
    if (t.startsWith(QLatin1String("time")))
        return TipoColumna::Hora;
    if (t.startsWith(QLatin1String("bool")))
        return TipoColumna::Logico;
    if (t.contains(QLatin1String("char")) || t.contains(QLatin1String("text")) || t.contains(QLatin1String("clob"))
        || t.contains(QLatin1String("uuid")))
        return TipoColumna::Texto;
    if (t.contains(QLatin1String("int")) && !t.contains(QLatin1String("interval")) && !t.contains(QLatin1String("point")))
        return TipoColumna::Entero;
    if (t.contains(QLatin1String("real")) || t.contains(QLatin1String("floa")) || t.contains(QLatin1String("doub"))
        || t.contains(QLatin1String("numeric")) || t.contains(QLatin1String("decimal"))
        || t.contains(QLatin1String("money")))
        return TipoColumna::Decimal;
    return TipoColumna::Texto;
}

const TablaBase& CatalogoColumnas::tabla(Conexion& conexion, const QString& nombre)
{
    const QString buscado = nombre.trimmed();
    // El mismo objeto Conexion puede volver a abrirse contra otra base de datos
    const QString clave = conexion.nombreQt() + QLatin1Char('\n') + conexion.parametros().descripcion()
                          + QLatin1Char('\n') + buscado.toLower();
    const auto it = m_tablas.constFind(clave);
    if (it != m_tablas.constEnd())
        return it.value();

    TablaBase t;
    if (conexion.motor() == Motor::SQLite) {
        {
            Consulta c(conexion,
                       QStringLiteral("select name from sqlite_master where type in ('table', 'view') "
                                      "and lower(name) = lower(?)"),
                       {buscado});
            if (c.siguiente())
                t.nombre = c.texto(QStringLiteral("name"));
        }
        if (!t.nombre.isEmpty()) {
            Consulta c(conexion, QStringLiteral("select name, type from pragma_table_info(?) order by cid"),
                       {t.nombre});
            while (c.siguiente())
                t.columnas.append({c.texto(QStringLiteral("name")), c.texto(QStringLiteral("type")), {}});
        }
    } else {
        Consulta c(conexion,
                   QStringLiteral("select table_name, column_name, data_type from information_schema.columns "
                                  "where table_schema = current_schema() and lower(table_name) = lower(?) "
                                  "order by ordinal_position"),
                   {buscado});
        while (c.siguiente()) {
            t.nombre = c.texto(QStringLiteral("table_name"));
            t.columnas.append({c.texto(QStringLiteral("column_name")), c.texto(QStringLiteral("data_type")), {}});
        }
    }
    if (t.nombre.isEmpty() || t.columnas.isEmpty())
        throw ErrorTarvelo(QStringLiteral("No existe la tabla «%1» en la base de datos (%2).")
                               .arg(buscado, conexion.parametros().descripcion()));
    for (Columna& col : t.columnas)
        col.tipo = tipoDe(col.tipoDeclarado);
    qCDebug(lcCatalogo) << "Columnas de" << t.nombre << t.columnas.size();
    return m_tablas.insert(clave, t).value();
}

QString citarNombre(const QString& nombre)
{
    QString n = nombre;
    n.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

QString sentenciaInsertar(const TablaBase& tabla, const QStringList& columnas)
{
    QStringList nombres, marcas;
    for (const QString& c : columnas) {
        nombres << citarNombre(c);
        marcas << QStringLiteral("?");
    }
    return QStringLiteral("insert into %1 (%2) values (%3)")
        .arg(citarNombre(tabla.nombre), nombres.join(QStringLiteral(", ")), marcas.join(QStringLiteral(", ")));
}

QString sentenciaActualizar(const TablaBase& tabla, const QStringList& columnas, const QString& condicion)
{
    QStringList asignaciones;
    for (const QString& c : columnas)
        asignaciones << citarNombre(c) + QStringLiteral(" = ?");
    return QStringLiteral("update %1 set %2 where %3")
        .arg(citarNombre(tabla.nombre), asignaciones.join(QStringLiteral(", ")), condicion);
}
