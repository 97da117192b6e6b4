#include "datos/Conexion.h"

#include "datos/Dialecto.h"
#include "datos/Error.h"
#include "datos/ErrorBase.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QRegularExpression>
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
        throw ErrorTarvelo(QStringLiteral("Falta en este puesto el controlador de base de datos %1: instale el "
                                          "paquete libqt6sql6-psql o libqt6sql6-sqlite.")
                               .arg(p.driver));
    m_parametros = p;
    m_tieneParametros = true;
    m_perdida = false;
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
        // Esperas por omisión: SQLite aguarda hasta 15 s a otro puesto que escribe; con PostgreSQL,
        // un servidor que no contesta no deja el puesto esperando minutos al abrir ni al reabrir
        const auto omision = p.motor() == Motor::SQLite
                                 ? std::pair{QLatin1String("QSQLITE_BUSY_TIMEOUT"), QLatin1String("=15000")}
                                 : std::pair{QLatin1String("connect_timeout"), QLatin1String("=10")};
        QString opciones = p.opciones;
        if (!opciones.contains(omision.first))
            opciones += (opciones.isEmpty() ? QString() : QStringLiteral(";")) + omision.first + omision.second;
        // El servidor sabe así qué programa tiene abierta cada conexión (restaurar una copia lo mira)
        if (p.motor() == Motor::PostgreSQL && !opciones.contains(QLatin1String("application_name"))) {
            QString programa = QCoreApplication::applicationName();
            programa.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")));
            if (!programa.isEmpty())
                opciones += QStringLiteral(";application_name=") + programa;
        }
        db.setConnectOptions(opciones);
        if (!db.open())
            throw ErrorBase::deApertura(db.lastError(), p);
    }
    m_cerrada = false;
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
    m_perdida = false;
    m_cerrada = true;
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
        // Un carácter nulo (pegado) no cabe en un texto de PostgreSQL, y su
        // controlador, que escribe los valores en la sentencia, la cortaría ahí
        if (v.toString().contains(QChar(0)))
            return v.toString().remove(QChar(0));
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

Conexion::Observador& observador()
{
    static Conexion::Observador o;
    return o;
}

// Prepara y ejecuta; el error queda en q.lastError()
bool ejecutarPreparada(QSqlQuery& q, Motor motor, const QString& sql, const QVariantList& valores)
{
    const QString texto = Dialecto::reescribir(sql, motor);
    qCDebug(lcSql) << texto;
    if (observador()) {
        QVariantList ligados;
        for (const QVariant& v : valores)
            ligados << valorParaMotor(v, motor);
        observador()(texto, ligados);
    }
    // Sin valores no se prepara: el controlador de PostgreSQL prepara con
    // PREPARE, que no admite sentencias como create table o create database
    if (valores.isEmpty())
        return q.exec(texto);
    if (!q.prepare(texto))
        return false;
    for (int i = 0; i < valores.size(); ++i)
        q.bindValue(i, valorParaMotor(valores.at(i), motor));
    return q.exec();
}
}  // namespace

void Conexion::observarSentencias(const Observador& o)
{
    observador() = o;
}

namespace {
Conexion::Vigia& vigia()
{
    static Conexion::Vigia v;
    return v;
}

bool esEscritura(const QString& sql)
{
    const QString primera = sql.trimmed().section(QLatin1Char(' '), 0, 0).toLower();
    return primera == QLatin1String("insert") || primera == QLatin1String("update") || primera == QLatin1String("delete");
}

// Avisa a la vigía antes y después de una escritura
struct Escritura {
    explicit Escritura(bool escribe) : m_escribe(escribe && vigia())
    {
        if (m_escribe)
            vigia()(false);
    }
    void hecha() const
    {
        if (m_escribe)
            vigia()(true);
    }
    bool m_escribe;
};
}  // namespace

void Conexion::vigilarEscrituras(const Vigia& v)
{
    vigia() = v;
}

void Conexion::ejecutarEn(QSqlQuery& q, const QString& sql, const QVariantList& valores)
{
    const bool soloAdelante = q.isForwardOnly();
    const auto nueva = [&] {
        q = QSqlQuery(baseDatos());
        q.setForwardOnly(soloAdelante);
    };
    if (!abierta()) {
        asegurarAbierta();
        nueva();
    }
    const Escritura escritura(esEscritura(sql));
    if (ejecutarPreparada(q, motor(), sql, valores)) {
        escritura.hecha();
        return;
    }
    QSqlError error = q.lastError();
    if (perdida()) {
        if (m_enTransaccion)
            throw ErrorBase::sinServidor(m_parametros, error, true);
        recuperar(error);
        nueva();
        if (ejecutarPreparada(q, motor(), sql, valores)) {
            escritura.hecha();
            return;
        }
        error = q.lastError();
    }
    throw ErrorBase::deSentencia(error, m_parametros, sql);
}

int Conexion::ejecutar(const QString& sql, const QVariantList& valores)
{
    QSqlQuery q(baseDatos());
    ejecutarEn(q, sql, valores);
    const int filas = q.numRowsAffected();
    q.finish();
    return filas;
}

// Una conexión cerrada a propósito sigue cerrada; una perdida se intenta reabrir
void Conexion::asegurarAbierta()
{
    if (abierta())
        return;
    // Cerrada sin que nadie la cerrara: la cerró el controlador al perder el servidor
    if (m_tieneParametros && !m_cerrada)
        m_perdida = true;
    if (!m_perdida)
        throw ErrorTarvelo(QStringLiteral("La conexión con la base de datos está cerrada."));
    if (m_enTransaccion)
        throw ErrorBase::sinServidor(m_parametros, baseDatos().lastError(), true);
    recuperar(baseDatos().lastError());
}

// Tras un fallo en una conexión que estaba abierta: ¿sirve aún? Solo
// PostgreSQL la pierde (el servidor se reinicia, termina la sesión, se corta
// la red); tras algunos de esos fallos el controlador ya la ha cerrado.
bool Conexion::perdida()
{
    if (motor() != Motor::PostgreSQL)
        return false;
    if (abierta()) {
        QSqlQuery prueba(baseDatos());
        if (prueba.exec(QStringLiteral("select 1")))
            return false;
        // Dentro de una transacción que ya falló, el servidor contesta, aunque sea con un error
        if (prueba.lastError().nativeErrorCode() == QLatin1String("25P02"))
            return false;
    }
    m_perdida = true;
    return true;
}

void Conexion::recuperar(const QSqlError& causa)
{
    const QString motivo = ErrorBase::textoMotor(causa);
    qCWarning(lcSql).noquote() << QStringLiteral("Conexión perdida con %1%2: se vuelve a abrir")
                                      .arg(m_parametros.descripcion(),
                                           motivo.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(motivo));
    QSqlDatabase db = baseDatos();
    db.close();
    if (!db.open()) {
        m_perdida = true;
        throw ErrorBase::sinServidor(m_parametros, db.lastError(), false);
    }
    m_perdida = false;
    prepararSesion();
}

bool Conexion::empezar(QSqlError* error)
{
    if (motor() == Motor::SQLite) {
        // IMMEDIATE: se toma el bloqueo de escritura al empezar, no a mitad de la acción
        QSqlQuery q(baseDatos());
        if (q.exec(QStringLiteral("BEGIN IMMEDIATE")))
            return true;
        *error = q.lastError();
        return false;
    }
    if (baseDatos().transaction())
        return true;
    *error = baseDatos().lastError();
    return false;
}

void Conexion::empezarTransaccion()
{
    if (m_enTransaccion)
        throw ErrorTarvelo(QStringLiteral("Ya hay una transacción en curso en esta conexión."));
    asegurarAbierta();
    QSqlError error;
    if (!empezar(&error)) {
        if (!perdida())
            throw ErrorBase::deSentencia(error, m_parametros, QStringLiteral("begin"));
        recuperar(error);
        if (!empezar(&error))
            throw ErrorBase::deSentencia(error, m_parametros, QStringLiteral("begin"));
    }
    m_enTransaccion = true;
}

void Conexion::confirmarTransaccion()
{
    if (!m_enTransaccion)
        return;
    bool ok;
    QSqlError error;
    const Escritura escritura(true);
    if (motor() == Motor::SQLite) {
        QSqlQuery q(baseDatos());
        ok = q.exec(QStringLiteral("COMMIT"));
        error = q.lastError();
    } else {
        ok = baseDatos().commit();
        error = baseDatos().lastError();
    }
    if (!ok) {
        const bool sinServidor = perdida();
        deshacerTransaccion();
        throw sinServidor ? ErrorBase::sinServidor(m_parametros, error, true)
                          : ErrorBase::deSentencia(error, m_parametros, QStringLiteral("commit"));
    }
    m_enTransaccion = false;
    escritura.hecha();
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
