#pragma once
// Columnas de las tablas tal como las da la propia base de datos (nombre y
// tipo), guardadas por conexión y tabla durante la sesión.
#include "datos/Conexion.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

enum class TipoColumna { Texto, Entero, Decimal, Logico, Fecha, Hora, FechaHora };

struct Columna {
    QString nombre;         // como la nombra la base de datos
    QString tipoDeclarado;  // como lo da el motor ("double precision", "varchar(40)", ...)
    TipoColumna tipo = TipoColumna::Texto;
};

struct TablaBase {
    QString nombre;  // como la nombra la base de datos
    QList<Columna> columnas;

    // Busca sin distinguir mayúsculas; nullptr si no está
    const Columna* buscar(const QString& campo) const;
};

class CatalogoColumnas {
public:
    // Lanza ErrorTarvelo si la tabla no existe
    const TablaBase& tabla(Conexion& conexion, const QString& nombre);
    // Olvida lo guardado (tras cambiar el esquema)
    void olvidar() { m_tablas.clear(); }

    static TipoColumna tipoDe(const QString& tipoDeclarado);

private:
    QHash<QString, TablaBase> m_tablas;
};

// Nombre entre comillas dobles, tal cual: siempre el que da la base de datos
QString citarNombre(const QString& nombre);

// insert into "tabla" ("a", "b") values (?, ?)
QString sentenciaInsertar(const TablaBase& tabla, const QStringList& columnas);
// update "tabla" set "a" = ?, "b" = ? where condicion
QString sentenciaActualizar(const TablaBase& tabla, const QStringList& columnas, const QString& condicion);
