#include "datos/ErrorBase.h"

#include <QRegularExpression>

namespace ErrorBase {
namespace {

// Regla: un disparador de la base rechaza la operación con su propio mensaje
enum class Clase {
    Ocupada, FaltaTabla, Rechazada, Regla, NoEsBase, Danada, SoloLectura, Llena, SinPermiso, NoSeAbre, Otra
};

Clase clase(const QSqlError& e, Motor motor)
{
    const QString codigo = e.nativeErrorCode();
    if (motor == Motor::SQLite) {
        if (codigo.toInt() == 1811)  // SQLITE_CONSTRAINT_TRIGGER: raise() de un disparador
            return Clase::Regla;
        // Código de SQLite: el primario va en el byte bajo del extendido
        switch (codigo.toInt() & 0xff) {
        case 5:  // SQLITE_BUSY
        case 6:  // SQLITE_LOCKED
            return Clase::Ocupada;
        case 8: return Clase::SoloLectura;
        case 11: return Clase::Danada;
        case 13: return Clase::Llena;  // SQLITE_FULL: disco lleno o tope de páginas
        case 14: return Clase::NoSeAbre;
        case 19: return Clase::Rechazada;
        case 26: return Clase::NoEsBase;
        default: break;
        }
        // SQLITE_ERROR (1) es genérico: solo el texto distingue una tabla o columna que falta
        const QString t = e.databaseText();
        if (t.startsWith(QLatin1String("no such table")) || t.startsWith(QLatin1String("no such column")))
            return Clase::FaltaTabla;
        return Clase::Otra;
    }
    if (codigo == QLatin1String("42P01") || codigo == QLatin1String("42703"))
        return Clase::FaltaTabla;
    if (codigo.startsWith(QLatin1String("23")))
        return Clase::Rechazada;
    if (codigo == QLatin1String("40001") || codigo == QLatin1String("40P01") || codigo == QLatin1String("55P03"))
        return Clase::Ocupada;
    if (codigo == QLatin1String("P0001"))  // raise exception de un disparador
        return Clase::Regla;
    if (codigo == QLatin1String("42501"))
        return Clase::SinPermiso;
    if (codigo == QLatin1String("53100"))  // disk_full
        return Clase::Llena;
    return Clase::Otra;
}

QString servidor(const ParametrosConexion& p)
{
    return QStringLiteral("%1:%2")
        .arg(p.servidor.isEmpty() ? QStringLiteral("localhost") : p.servidor)
        .arg(p.puerto ? p.puerto : 5432);
}

QString detalle(const QSqlError& e, const ParametrosConexion& p, const QString& sql)
{
    QStringList l{QStringLiteral("Base de datos: %1").arg(p.descripcion())};
    if (!sql.isEmpty())
        l << QStringLiteral("Sentencia: %1").arg(sql.simplified());
    const QString motor = textoMotor(e);
    if (!motor.isEmpty())
        l << QStringLiteral("Motor: %1").arg(motor);
    if (!e.nativeErrorCode().isEmpty())
        l << QStringLiteral("Código: %1").arg(e.nativeErrorCode());
    return l.join(QLatin1Char('\n'));
}

QString texto(Clase c, const ParametrosConexion& p)
{
    switch (c) {
    case Clase::Ocupada:
        return QStringLiteral("La base de datos está ocupada por otro puesto o por otro programa que la usa, y "
                              "no se ha guardado nada de esta operación. Espere unos segundos y vuelva a "
                              "intentarlo.");
    case Clase::FaltaTabla:
        return QStringLiteral("La base de datos no está al día: le falta una tabla o una columna que usa el "
                              "programa. Póngala al día con «tarvelo-admin actualizar».");
    case Clase::Rechazada:
        return QStringLiteral("La base de datos no ha admitido los datos: ya hay unos iguales o falta uno "
                              "obligatorio. Revíselos y vuelva a intentarlo.");
    case Clase::NoEsBase:
        return QStringLiteral("El fichero %1 no es una base de datos. Revise qué fichero indica para este "
                              "puesto la configuración de la suite.")
            .arg(p.baseDatos);
    case Clase::Danada:
        return QStringLiteral("La base de datos %1 está dañada. Recupere la última copia de seguridad.")
            .arg(p.baseDatos);
    case Clase::SoloLectura:
        return QStringLiteral("No se puede escribir en la base de datos %1. Compruebe que este usuario puede "
                              "escribir en el fichero y en su carpeta.")
            .arg(p.baseDatos);
    case Clase::NoSeAbre:
        return QStringLiteral("No se puede abrir la base de datos %1. Compruebe que el fichero existe y que "
                              "este usuario puede leerlo y escribirlo.")
            .arg(p.baseDatos);
    case Clase::Llena:
        return QStringLiteral("La base de datos está llena (no queda sitio en el disco donde está), y no se ha "
                              "guardado nada de esta operación. Libere espacio o avise al servicio técnico, y "
                              "vuelva a intentarlo.");
    case Clase::SinPermiso:
        return QStringLiteral("El usuario de la base de datos no tiene permiso para esta operación. Avise a "
                              "quien administra el servidor.");
    case Clase::Regla:
    case Clase::Otra:
        break;
    }
    return QStringLiteral("La base de datos no ha podido hacer la operación. Si vuelve a pasar, avise al "
                          "servicio técnico con los detalles de este mensaje.");
}

}  // namespace

QString textoMotor(const QSqlError& e)
{
    QString t = e.databaseText().trimmed();
    if (t.isEmpty())
        t = e.driverText().trimmed();
    t = t.section(QLatin1Char('\n'), 0, 0).trimmed();
    static const QRegularExpression prefijo(QStringLiteral("^(ERROR|FATAL|PANIC):\\s*"));
    static const QRegularExpression codigo(QStringLiteral("\\s*\\(\\w*\\)$"));
    static const QRegularExpression valorFinal(QStringLiteral(":\\s*\"[^\"]*\"$"));
    t.remove(prefijo);
    t.remove(codigo);
    t.replace(valorFinal, QStringLiteral(": «…»"));
    return t;
}

ErrorTarvelo deSentencia(const QSqlError& e, const ParametrosConexion& p, const QString& sql)
{
    const Clase c = clase(e, p.motor());
    return ErrorTarvelo(c == Clase::Regla ? textoMotor(e) : texto(c, p), detalle(e, p, sql));
}

ErrorTarvelo deApertura(const QSqlError& e, const ParametrosConexion& p)
{
    if (p.motor() == Motor::SQLite) {
        const Clase c = clase(e, p.motor());
        return ErrorTarvelo(texto(c == Clase::Otra ? Clase::NoSeAbre : c, p), detalle(e, p, {}));
    }
    return ErrorTarvelo(QStringLiteral("No se puede abrir la base de datos «%1» del servidor %2. Compruebe "
                                       "que el servidor está en marcha y que este puesto tiene red; si es así, "
                                       "revise la base, el usuario y la clave en la configuración de la suite.")
                            .arg(p.baseDatos, servidor(p)),
                        detalle(e, p, {}));
}

ErrorTarvelo sinServidor(const ParametrosConexion& p, const QSqlError& e, bool aMitad)
{
    if (aMitad)
        return ErrorTarvelo(QStringLiteral("Se ha perdido la conexión con el servidor de la base de datos (%1) a "
                                           "mitad de la operación, y no se ha guardado nada de ella. Cuando el "
                                           "servidor responda, vuelva a hacerla.")
                                .arg(servidor(p)),
                            detalle(e, p, {}));
    return ErrorTarvelo(QStringLiteral("No se puede llegar al servidor de la base de datos (%1). Compruebe que el "
                                       "servidor está en marcha y que este puesto tiene red, y vuelva a "
                                       "intentarlo.")
                            .arg(servidor(p)),
                        detalle(e, p, {}));
}

}  // namespace ErrorBase
