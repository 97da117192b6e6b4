// Reescritura del dialecto, con un oráculo: si los motores sabían analizar el
// texto de entrada, cada uno tiene que saber analizar lo que la reescritura
// le da.
// SQLite siempre (en memoria); PostgreSQL si TARVELO_PG dice dónde hay un
// servidor ("host=... port=... user=...").
#include "Comun.h"
#include "datos/Dialecto.h"
#include "datos/Error.h"

#include <QRegularExpression>

#include <libpq-fe.h>
#include <sqlite3.h>

namespace {

enum class Analisis { Bien, Mal, NoSabe };

sqlite3* g_sqlite = nullptr;
PGconn* g_pg = nullptr;

// Sin tablas: "no existe la tabla" es que el texto se entendió
Analisis enSqlite(const QByteArray& sql)
{
    sqlite3_stmt* st = nullptr;
    const char* resto = nullptr;
    const int rc = sqlite3_prepare_v2(g_sqlite, sql.constData(), int(sql.size()), &st, &resto);
    sqlite3_finalize(st);
    if (rc == SQLITE_OK)
        return resto && QByteArray(resto).trimmed().isEmpty() ? Analisis::Bien : Analisis::NoSabe;
    const QByteArray error(sqlite3_errmsg(g_sqlite));
    if (error.contains("syntax error") || error.contains("unrecognized token") || error.contains("incomplete input"))
        return Analisis::Mal;
    return Analisis::Bien;
}

// PostgreSQL analiza al preparar; los errores de la clase 42 de nombres que
// no existen son de después de entender el texto
Analisis enPostgres(const QByteArray& texto)
{
    // Los "?" van al servidor como $1, $2... (lo hace el controlador de Qt)
    QByteArray sql;
    char comilla = 0;
    int n = 0;
    for (const char c : texto) {
        if (comilla == 0 && c == '?') {
            sql += '$' + QByteArray::number(++n);
            continue;
        }
        if (c == '\'' || c == '"')
            comilla = comilla == 0 ? c : comilla == c ? 0 : comilla;
        sql += c;
    }
    PGresult* r = PQprepare(g_pg, "", sql.constData(), 0, nullptr);
    Analisis a = Analisis::Bien;
    if (PQresultStatus(r) != PGRES_COMMAND_OK) {
        const QByteArray estado(PQresultErrorField(r, PG_DIAG_SQLSTATE));
        if (estado == "42601")
            a = Analisis::Mal;
        else if (!estado.startsWith("42"))
            a = Analisis::NoSabe;
    }
    PQclear(r);
    return a;
}

void comprobar(const char* motor, Analisis (*analizar)(const QByteArray&), const QString& entrada, Motor m)
{
    QString reescrito;
    try {
        reescrito = Dialecto::reescribir(entrada, m);
    } catch (const ErrorTarvelo&) {
        return;  // lo que no sabe reescribir lo dice
    }
    if (analizar(reescrito.toUtf8()) == Analisis::Mal)
        hallazgo(motor, entrada + QStringLiteral("\n  ->  ") + reescrito);
}

// Un nombre seguido de una cadena ("apellidos 'x'") es otra cosa en cada
// motor (alias en SQLite, literal con tipo en PostgreSQL), y dos cadenas
// separadas por un salto de línea PostgreSQL las junta: no lo escribe ningún
// texto del sistema y esas entradas no se miran
bool nombreAntesDeCadena(const QString& s)
{
    bool enCadena = false;
    bool espacio = false;
    QChar previo;
    for (const QChar c : s) {
        if (c == QLatin1Char('\'')) {
            if (!enCadena && (previo.isLetterOrNumber() || previo == QLatin1Char('_') || previo.unicode() >= 0x80 ||
                              (previo == QLatin1Char('\'') && espacio) || previo == QLatin1Char(')') ||
                              previo == QLatin1Char('"')))
                return true;
            enCadena = !enCadena;
        }
        if (!enCadena && c.isSpace()) {
            espacio = true;
        } else if (!enCadena) {
            previo = c;
            espacio = false;
        }
    }
    return false;
}

// Los operadores del sistema son los de siempre; PostgreSQL admite cualquier
// tira de + - * / < > = ~ ! @ # % ^ & | ` ? como operador y SQLite usa "#",
// "@" y "$" para parámetros: lo que se sale de ahí no es de este dialecto.
// "#" solo abre las fechas (#mm/dd/yyyy#), y el punto de un nombre
// cualificado va pegado a él.
bool operadoresAjenos(const QString& s)
{
    static const QRegularExpression fecha(QStringLiteral("#\\d{1,2}/\\d{1,2}/\\d{4}#"));
    static const QRegularExpression cadena(QStringLiteral("'[^']*'"));
    static const QRegularExpression tira(QStringLiteral("[-+*/<>=~!@#%^&|`?$]+"));
    static const QStringList propios{"+", "-", "*", "/", "<", ">", "=", "<>", "<=", ">=", "!=", "||", "&", "%", "?"};
    static const QRegularExpression puntoSuelto(QStringLiteral("\\s\\.|\\.\\s"));
    const QString fuera = QString(s).remove(fecha).remove(cadena);
    // "?NNN" es de SQLite: el controlador de PostgreSQL solo cambia "?" por $n
    static const QRegularExpression numerado(QStringLiteral("\\?\\d"));
    if (fuera.contains(puntoSuelto) || fuera.contains(numerado))
        return true;
    // true y false como alias ("select fa false"), que el sistema no escribe
    static const QRegularExpression booleano(QStringLiteral("(\\S+)\\s+(true|false)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QStringList delante{"and", "or", "not", "then", "else", "when", "is", "select", "where", "set",
                                     "by", "in", "values", "on", "having", "case", "distinct", "all"};
    // Los dos motores toman cualquier carácter no ASCII como letra de un nombre
    const auto deNombre = [](QChar c) {
        return c.unicode() >= 0x80 || c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
    };
    for (auto m = booleano.globalMatch(fuera); m.hasNext();) {
        const QString previo = m.next().captured(1);
        const QChar ultimo = previo.back();
        qsizetype inicio = previo.size();
        while (inicio > 0 && deNombre(previo.at(inicio - 1)))
            --inicio;
        if ((deNombre(ultimo) || ultimo == QLatin1Char(')') || ultimo == QLatin1Char('"')) &&
            !delante.contains(previo.mid(inicio).toLower()))
            return true;
    }
    for (auto m = tira.globalMatch(fuera); m.hasNext();)
        if (!propios.contains(m.next().captured()))
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    sqlite3_open(":memory:", &g_sqlite);
    const QByteArray pg = qgetenv("TARVELO_PG");
    if (!pg.isEmpty()) {
        g_pg = PQconnectdb(pg.constData());
        if (PQstatus(g_pg) != CONNECTION_OK) {
            std::fprintf(stderr, "Sin PostgreSQL (%s): solo SQLite\n", PQerrorMessage(g_pg));
            PQfinish(g_pg);
            g_pg = nullptr;
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tam)
{
    const QString entrada = textoDe(datos, tam);
    // Los dos motores cortan en el primer nulo
    if (entrada.contains(QChar()) || tam > 2000 || nombreAntesDeCadena(entrada) || operadoresAjenos(entrada))
        return 0;
    // Solo lo que entienden los dos: cada motor tiene rarezas propias
    const QByteArray original = entrada.toUtf8();
    if (enSqlite(original) != Analisis::Bien)
        return 0;
    if (g_pg && PQstatus(g_pg) != CONNECTION_OK)
        PQreset(g_pg);
    if (g_pg && enPostgres(original) != Analisis::Bien)
        return 0;
    comprobar("SQLite no entiende la reescritura", enSqlite, entrada, Motor::SQLite);
    if (g_pg)
        comprobar("PostgreSQL no entiende la reescritura", enPostgres, entrada, Motor::PostgreSQL);
    return 0;
}
