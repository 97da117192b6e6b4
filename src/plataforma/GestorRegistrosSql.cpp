#include "plataforma/GestorRegistrosSql.h"

#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Transaccion.h"
#include "plataforma/HistorialCambios.h"
#include "plataforma/ListaCampos.h"
#include "plataforma/ValorColumna.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRegistros, "tarvelo.registros", QtWarningMsg)

namespace {

void exigirCondicion(const Condicion& condicion, const TablaBase& t)
{
    // Sin condición se tocarían todas las filas: nunca es lo que se quiere
    if (condicion.texto.trimmed().isEmpty())
        throw ErrorTarvelo(QStringLiteral("Falta la condición para modificar la tabla «%1».").arg(t.nombre));
}

}  // namespace

void GestorRegistrosSql::separar(const QList<Asignacion>& asig, QStringList& columnas, QVariantList& valores)
{
    for (const Asignacion& a : asig) {
        columnas << a.columna->nombre;
        valores << a.valor;
    }
}

QList<GestorRegistrosSql::Asignacion> GestorRegistrosSql::asignaciones(Conexion& conexion, const TablaBase& t,
                                                                       const QString& lista)
{
    QList<Asignacion> r;
    for (const ElementoLista& e : ListaCampos::leer(lista, t.nombre)) {
        const Columna* col = t.buscar(e.campo);
        if (!col)
            throw ErrorTarvelo(QStringLiteral("La tabla «%1» no tiene el campo «%2» (valor «%3»).")
                                   .arg(t.nombre, e.campo, e.valor));
        for (const Asignacion& a : r)
            if (a.columna == col)
                throw ErrorTarvelo(QStringLiteral("El campo «%2» aparece dos veces en la lista de la tabla «%1» "
                                                  "(valor «%3»).")
                                       .arg(t.nombre, e.campo, e.valor));
        r.append({col, ValorColumna::leer(e.valor, *col, t.nombre, conexion.motor())});
    }
    return r;
}

QList<QList<ElementoLista>> GestorRegistrosSql::leerFilas(Conexion& conexion, const TablaBase& t,
                                                          const QList<const Columna*>& columnas,
                                                          const Condicion& condicion)
{
    QStringList nombres;
    for (const Columna* col : columnas)
        nombres << citarNombre(col->nombre);
    Consulta c(conexion,
               QStringLiteral("select %1 from %2 where %3")
                   .arg(nombres.join(QStringLiteral(", ")), citarNombre(t.nombre), condicion.texto),
               condicion.valores);
    QList<QList<ElementoLista>> filas;
    while (c.siguiente()) {
        QList<ElementoLista> fila;
        for (int i = 0; i < columnas.size(); ++i)
            fila.append({columnas.at(i)->nombre, ValorColumna::texto(c.valor(i), columnas.at(i)->tipo)});
        filas << fila;
    }
    return filas;
}

namespace {
QString textoFilas(const QList<QList<ElementoLista>>& filas)
{
    QStringList r;
    for (const auto& fila : filas)
        r << ListaCampos::escribir(fila);
    return r.join(QLatin1Char('\n'));
}
}  // namespace

void GestorRegistrosSql::Insertar(Conexion& conexion, const QString& tabla, const QString& lista,
                                  const QString& tienda, bool multitienda, const QString&)
{
    const TablaBase& t = m_catalogo.tabla(conexion, tabla);
    const QList<Asignacion> asig = asignaciones(conexion, t, lista);
    QStringList columnas;
    QVariantList valores;
    separar(asig, columnas, valores);
    if (multitienda) {
        const Columna* colTienda = t.buscar(QStringLiteral("tienda"));
        if (colTienda && !columnas.contains(colTienda->nombre)) {
            columnas << colTienda->nombre;
            valores << ValorColumna::leer(tienda, *colTienda, t.nombre, conexion.motor());
        }
    }
    qCDebug(lcRegistros) << "Insertar en" << t.nombre << columnas;
    conexion.ejecutar(sentenciaInsertar(t, columnas), valores);
}

void GestorRegistrosSql::Modificar(Conexion& conexion, const QString& tabla, const QString& lista,
                                   const QString& tienda, bool, const Condicion& condicion, int historial,
                                   const QString& codigo, const QString& campos, const QString& descripcion)
{
    const TablaBase& t = m_catalogo.tabla(conexion, tabla);
    exigirCondicion(condicion, t);
    const QList<Asignacion> asig = asignaciones(conexion, t, lista);
    QStringList columnas;
    QVariantList valores;
    separar(asig, columnas, valores);
    const QString sql = sentenciaActualizar(t, columnas, condicion.texto);
    qCDebug(lcRegistros) << "Modificar" << t.nombre << columnas << condicion.legible();

    if (historial == 0) {
        conexion.ejecutar(sql, valores + condicion.valores);
        return;
    }

    // Campos vigilados: los nombrados; sin nombres, los que cambia la lista
    QList<const Columna*> vigilados;
    const QStringList nombres = ListaCampos::nombres(campos);
    if (nombres.isEmpty()) {
        for (const Asignacion& a : asig)
            vigilados << a.columna;
    } else {
        for (const QString& n : nombres) {
            const Columna* col = t.buscar(n);
            if (!col)
                throw ErrorTarvelo(QStringLiteral("La tabla «%1» no tiene el campo «%2» que se pide anotar en el "
                                                  "historial.")
                                       .arg(t.nombre, n));
            if (!vigilados.contains(col))
                vigilados << col;
        }
    }

    Transaccion tr(conexion);
    const QList<QList<ElementoLista>> antes = leerFilas(conexion, t, vigilados, condicion);
    conexion.ejecutar(sql, valores + condicion.valores);
    // Lo nuevo sale de lo de antes con lo que pone la lista: la condición puede
    // dejar de cumplirse tras el cambio (estado=0 -> estado=-1)
    QList<QList<ElementoLista>> despues = antes;
    for (auto& fila : despues)
        for (ElementoLista& e : fila)
            for (const Asignacion& a : asig)
                if (a.columna->nombre == e.campo)
                    e.valor = ValorColumna::texto(a.valor, a.columna->tipo);
    QStringList nombresVigilados;
    for (const Columna* col : vigilados)
        nombresVigilados << col->nombre;
    HistorialCambios::anotar(conexion, m_catalogo,
                             {t.nombre, codigo, nombresVigilados.join(QLatin1Char('|')), descripcion,
                              condicion.legible(), textoFilas(antes), textoFilas(despues),
                              tienda});
    tr.confirmar();
}

void GestorRegistrosSql::ProcesarFilas(Conexion& conexion, const QString& tabla, const QString& tienda,
                                       bool multitienda, const Condicion& condicion)
{
    const TablaBase& t = m_catalogo.tabla(conexion, tabla);
    exigirCondicion(condicion, t);
    QList<const Columna*> todas;
    for (const Columna& col : t.columnas)
        todas << &col;
    if (!multitienda) {
        // Fuera de una cadena no hay nada que anotar; la lectura dice si la condición vale
        leerFilas(conexion, t, todas, condicion);
        return;
    }
    Transaccion tr(conexion);
    const QList<QList<ElementoLista>> filas = leerFilas(conexion, t, todas, condicion);
    if (!filas.isEmpty()) {
        QStringList nombres;
        for (const Columna* col : todas)
            nombres << col->nombre;
        HistorialCambios::anotar(conexion, m_catalogo,
                                 {t.nombre, operacionProcesar(), nombres.join(QLatin1Char('|')),
                                  QStringLiteral("Filas para poner al día las demás tiendas de la cadena"),
                                  condicion.legible(), QString(), textoFilas(filas), tienda});
    }
    tr.confirmar();
}
