#pragma once
// Conexión de sesión con la base de datos de la tienda (SQLite o PostgreSQL).
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVariantList>
#include <functional>

class QSqlQuery;

enum class Motor { SQLite, PostgreSQL };

// Dónde está la base de datos; lo resuelve AbridorConexion desde la
// configuración de la suite, o lo dan las pruebas directamente.
struct ParametrosConexion {
    QString driver = QStringLiteral("QSQLITE");  // QSQLITE o QPSQL
    QString baseDatos;                            // fichero (SQLite) o nombre (PostgreSQL)
    QString servidor;
    int puerto = 0;
    QString usuario;
    QString clave;
    QString opciones;

    Motor motor() const;
    // Texto legible para mensajes: nunca incluye la clave
    QString descripcion() const;
};

class Conexion {
public:
    Conexion();
    ~Conexion();
    Conexion(const Conexion&) = delete;
    Conexion& operator=(const Conexion&) = delete;

    // Abre con los parámetros dados; lanza ErrorTarvelo si no puede.
    void abrir(const ParametrosConexion& parametros);
    // Vuelve a abrir con los últimos parámetros (cerrar y reabrir el mismo objeto)
    void reabrir();
    void cerrar();
    bool abierta() const;
    bool tieneParametros() const { return m_tieneParametros; }

    Motor motor() const { return m_parametros.motor(); }
    const ParametrosConexion& parametros() const { return m_parametros; }
    QSqlDatabase baseDatos() const;
    QString nombreQt() const { return m_nombreQt; }

    // Ejecuta una sentencia (texto del sistema, con parámetros ligados) y
    // devuelve las filas afectadas. Lanza ErrorTarvelo si falla.
    int ejecutar(const QString& sql, const QVariantList& valores = {});

    // La única vía de las sentencias (ejecutar, Consulta). Si la conexión se
    // había perdido (el servidor se reinició, la red se cortó) y no hay una
    // transacción abierta, se reabre una vez y se repite; si no se puede, o
    // se perdió a mitad de una transacción, lanza el error para el usuario.
    void ejecutarEn(QSqlQuery& q, const QString& sql, const QVariantList& valores);

    // Transacciones (ver Transaccion.h para el guardián de una acción)
    void empezarTransaccion();
    void confirmarTransaccion();
    void deshacerTransaccion();
    bool enTransaccion() const { return m_enTransaccion; }

    // Cada sentencia tal como va al motor (ya reescrita) con los valores que
    // se le ligan, de todas las conexiones; las medidas la repiten sin
    // nuestras capas. Uno vacío deja de observar.
    using Observador = std::function<void(const QString& texto, const QVariantList& valores)>;
    static void observarSentencias(const Observador& observador);

    // Justo antes (hecha = false) y justo después (true) de cada escritura
    // (insert, update, delete y la confirmación de una transacción), de
    // todas las conexiones: las pruebas de caídas paran el proceso ahí.
    using Vigia = std::function<void(bool hecha)>;
    static void vigilarEscrituras(const Vigia& vigia);

private:
    void prepararSesion();
    bool empezar(QSqlError* error);
    void asegurarAbierta();
    bool perdida();
    void recuperar(const QSqlError& causa);

    QString m_nombreQt;
    ParametrosConexion m_parametros;
    bool m_tieneParametros = false;
    bool m_enTransaccion = false;
    bool m_perdida = false;  // perdida y sin reabrir: la próxima sentencia lo intenta
    bool m_cerrada = true;   // cerrada aquí a propósito (o nunca abierta)
};
