#pragma once
// Una base de datos nueva para cada prueba, en cada motor: SQLite siempre,
// PostgreSQL cuando se da un servidor en TARVELO_PG ("host=... port=... user=...").
// Con TARVELO_PG_OBLIGATORIO=1 (en CI) la falta del servidor es un fallo, no un salto.
#include "datos/Conexion.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace BaseDatosPrueba {

// Motores con los que probar: "sqlite" y, si hay servidor, "postgresql"
QStringList motores();

// Añade la columna "motor" y una fila por motor a la tabla _data() en curso
void filasMotores();

// Salta la prueba (QSKIP) si el motor no está disponible; lo llama cada prueba
bool hayServidorPostgres();

enum class Contenido { Vacia, Tienda, TiendaEInformes };

// Base de datos de usar y tirar: se borra al destruirse
class Temporal {
public:
    Temporal(const QString& motor, Contenido contenido = Contenido::Tienda);
    ~Temporal();
    Temporal(const Temporal&) = delete;
    Temporal& operator=(const Temporal&) = delete;

    const ParametrosConexion& tienda() const { return m_tienda; }
    const ParametrosConexion& informes() const { return m_informes; }
    QString carpeta() const;  // carpeta temporal propia de la prueba

private:
    struct Datos;
    std::unique_ptr<Datos> d;
    ParametrosConexion m_tienda;
    ParametrosConexion m_informes;
};

// Primer valor de la primera fila como entero (-1 si no hay filas): cuentas y sumas
int numero(Conexion& c, const QString& sql, const QVariantList& valores = {});

// Parámetros del servidor PostgreSQL de las pruebas (base "postgres"), de un
// texto "host=... port=... user=... password=..." (por defecto, TARVELO_PG)
ParametrosConexion servidorPostgres(const QString& texto = qEnvironmentVariable("TARVELO_PG"));

}  // namespace BaseDatosPrueba
