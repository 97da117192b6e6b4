#include "datos/Conexion.h"

#include "datos/Dialecto.h"
#include "datos/Error.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QLoggingCategory>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTime>

Q_LOGGING_CATEGORY(lcSql, "tarvelo.sql", QtWarningMsg)

Motor ParametrosConexion::motor() const
{
    return driver.compare(QLatin1String("QPSQL"), Qt::CaseInsensitive) == 0 ? Motor::PostgreSQL
                                                                           : Motor::SQLite;
}

QString ParametrosConexion::descripcion() const
{
    if (motor() == Motor::SQLite)
        return QStringLiteral("SQLite %1").arg(baseDatos);
    return QStringLiteral("PostgreSQL %1@%2:%3/%4")
        .arg(usuario, servidor.isEmpty() ? QStringLiteral("localhost") : servidor)
        .arg(puerto ? puerto : 5432)
        .arg(baseDatos);
}

namespace {
QAtomicInt contadorConexiones;

QString textoError(const QSqlError& e)
{
    QString t = e.databaseText().trimmed();
    if (t.isEmpty())
        t = e.text().trimmed();
    return t;
}
}  // namespace

Conexion::Conexion()
    : m_nombreQt(QStringLiteral("tarvelo-%1").arg(contadorConexiones.fetchAndAddRelaxed(1)))
{
}

Conexion::~Conexion()
{
    // gConexion se destruye al salir del proceso, cuando el registro de
    // conexiones de Qt ya no existe: no se toca
    if (QCoreApplication::closingDown())
        return;
    cerrar();
    if (QSqlDatabase::contains(m_nombreQt))
        QSqlDatabase::removeDatabase(m_nombreQt);
}

QSqlDatabase Conexion::baseDatos() const
{
    return QSqlDatabase::database(m_nombreQt, false);
}

bool Conexion::abierta() const
{
    return QSqlDatabase::contains(m_nombreQt) && baseDatos().isOpen();
}

void Conexion::abrir(const ParametrosConexion& p)
{
    cerrar();
    if (QSqlDatabase::contains(m_nombreQt))
        QSqlDatabase::removeDatabase(m_nombreQt);
    if (!QSqlDatabase::isDriverAvailable(p.driver))
        throw ErrorTarvelo(QStringLiteral("No está instalado el controlador de base de datos %1.").arg(p.driver));
    m_parametros = p;
    m_tieneParametros = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(p.driver, m_nombreQt);
        db.setDatabaseName(p.baseDatos);
        if (!p.servidor.isEmpty())
            db.setHostName(p.servidor);
        if (p.puerto > 0)
            db.setPort(p.puerto);
        if (!p.usuario.isEmpty())
            db.setUserName(p.usuario);
        if (!p.clave.isEmpty())
            db.setPassword(p.clave);
        QString opciones = p.opciones;
        if (p.motor() == Motor::SQLite && !opciones.contains(QLatin1String("QSQLITE_BUSY_TIMEOUT")))
            opciones = opciones.isEmpty() ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000")
                                          : opciones + QStringLiteral(";QSQLITE_BUSY_TIMEOUT=15000");
        db.setConnectOptions(opciones);
        if (!db.open())
            throw ErrorTarvelo(QStringLiteral("No se puede abrir la base de datos (%1): %2")
                                   .arg(p.descripcion(), textoError(db.lastError())));
    }
    prepararSesion();
}

void Conexion::prepararSesion()
{
    if (motor() == Motor::SQLite) {
        Dialecto::registrarFuncionesSQLite(baseDatos());
        QSqlQuery q(baseDatos());
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    } else {
        QSqlQuery q(baseDatos());
        q.exec(QStringLiteral("SET client_min_messages TO warning"));
    }
}

void Conexion::reabrir()
{
    if (!m_tieneParametros)
        throw ErrorTarvelo(QStringLiteral("La conexión no se abrió nunca: no se puede volver a abrir."));
    const ParametrosConexion p = m_parametros;
    abrir(p);
}

void Conexion::cerrar()
{
    if (!QSqlDatabase::contains(m_nombreQt))
        return;
    QSqlDatabase db = baseDatos();
    if (db.isOpen()) {
        if (m_enTransaccion)
            db.rollback();
        db.close();
    }
    m_enTransaccion = false;
}

namespace {
// Los motores no ligan igual fechas, horas, banderas ni textos vacíos: se normalizan aquí
QVariant valorParaMotor(const QVariant& v, Motor motor)
{
    switch (v.typeId()) {
    case QMetaType::QString:
        // Un texto vacío se guarda como texto; el nulo se pide con un QVariant nulo
        if (!v.isNull() && v.toString().isNull())
            return QStringLiteral("");
        return v;
    case QMetaType::Bool:
        return v.toBool() ? -1 : 0;
    case QMetaType::QDate:
        if (motor == Motor::SQLite)
            return v.toDate().isValid() ? QVariant(v.toDate().toString(QStringLiteral("yyyy-MM-dd")))
                                        : QVariant(QMetaType::fromType<QString>());
        return v;
    case QMetaType::QTime:
        if (motor == Motor::SQLite)
            return v.toTime().isValid() ? QVariant(v.toTime().toString(QStringLiteral("HH:mm:ss")))
                                        : QVariant(QMetaType::fromType<QString>());
        return v;
    case QMetaType::QDateTime:
        if (motor == Motor::SQLite)
            return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return v;
    default:
        return v;
    }
}
}  // namespace

// Prepara y ejecuta; compartido con Consulta
bool ejecutarPreparada(QSqlQuery& q, Conexion& c, const QString& sql, const QVariantList& valores,
                       QString* error)
{
    const QString texto = Dialecto::reescribir(sql, c.motor());
    qCDebug(lcSql) << texto << valores;
    // Sin valores no se prepara: el controlador de PostgreSQL prepara con
    // PREPARE, que no admite sentencias como create table o create database
    if (valores.isEmpty()) {
        if (!q.exec(texto)) {
            *error = textoError(q.lastError());
            return false;
        }
        return true;
    }
    if (!q.prepare(texto)) {
        *error = textoError(q.lastError());
        return false;
    }
    for (int i = 0; i < valores.size(); ++i)
        q.bindValue(i, valorParaMotor(valores.at(i), c.motor()));
    if (!q.exec()) {
        *error = textoError(q.lastError());
        return false;
    }
    return true;
}

int Conexion::ejecutar(const QString& sql, const QVariantList& valores)
{
    if (!abierta())
        throw ErrorTarvelo(QStringLiteral("La conexión con la base de datos está cerrada."));
    QSqlQuery q(baseDatos());
    QString error;
    if (!ejecutarPreparada(q, *this, sql, valores, &error))
        throw ErrorTarvelo(QStringLiteral("Error de base de datos: %1\nSentencia: %2").arg(error, sql));
    const int filas = q.numRowsAffected();
    q.finish();
    return filas;
}

void Conexion::empezarTransaccion()
{
    if (m_enTransaccion)
        throw ErrorTarvelo(QStringLiteral("Ya hay una transacción en curso en esta conexión."));
    if (motor() == Motor::SQLite) {
        // IMMEDIATE: se toma el bloqueo de escritura al empezar, no a mitad de la acción
        QSqlQuery q(baseDatos());
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
            throw ErrorTarvelo(QStringLiteral("No se puede empezar la transacción: %1").arg(textoError(q.lastError())));
    } else if (!baseDatos().transaction()) {
        throw ErrorTarvelo(QStringLiteral("No se puede empezar la transacción: %1").arg(textoError(baseDatos().lastError())));
    }
    m_enTransaccion = true;
}

void Conexion::confirmarTransaccion()
{
    if (!m_enTransaccion)
        return;
    bool ok;
    QString error;
    if (motor() == Motor::SQLite) {
        QSqlQuery q(baseDatos());
        ok = q.exec(QStringLiteral("COMMIT"));
        error = textoError(q.lastError());
    } else {
        ok = baseDatos().commit();
        error = textoError(baseDatos().lastError());
    }
    if (!ok) {
        deshacerTransaccion();
        throw ErrorTarvelo(QStringLiteral("No se pudieron guardar los cambios: %1").arg(error));
    }
    m_enTransaccion = false;
}

void Conexion::deshacerTransaccion()
{
    if (!m_enTransaccion)
        return;
    m_enTransaccion = false;
    if (!abierta())
        return;
    if (motor() == Motor::SQLite) {
        QSqlQuery q(baseDatos());
        q.exec(QStringLiteral("ROLLBACK"));
    } else {
        baseDatos().rollback();
    }
}
