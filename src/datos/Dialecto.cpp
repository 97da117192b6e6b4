#include "datos/Dialecto.h"

#include "datos/Error.h"

#include <QHash>
#include <QMutex>
#include <QSqlDriver>
#include <sqlite3.h>
#include <vector>

namespace Dialecto {
namespace {

enum class Tipo { Espacio, Cadena, Citado, Fecha, Palabra, Numero, Parametro, Simbolo, Grupo, Hecho };

// Un trozo del texto; los paréntesis se anidan en Grupo para poder
// reconocer los operandos de & y de like.
struct Nodo {
    Tipo tipo;
    QString texto;
    std::vector<Nodo> hijos;  // solo Grupo: lo que va entre los paréntesis
};

// Como en los dos motores, todo lo que no es ASCII puede ir en un nombre
bool esLetra(QChar c)
{
    return c.unicode() >= 0x80 || c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') ||
           c == QLatin1Char('.');
}

bool esCifra(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Un número empieza en k: una cifra, o un punto seguido de una ("1", ".5")
bool empiezaNumero(const QString& s, int k)
{
    return esCifra(s.at(k)) || (s.at(k) == QLatin1Char('.') && k + 1 < s.size() && esCifra(s.at(k + 1)));
}

bool esEspacio(QChar c)
{
    return c.unicode() < 0x80 && c.isSpace();
}

std::vector<Nodo> trocear(const QString& s, int& i, bool dentroDeGrupo)
{
    std::vector<Nodo> nodos;
    const int n = s.size();
    while (i < n) {
        const QChar c = s.at(i);
        const int inicio = i;
        if (esEspacio(c)) {
            while (i < n && esEspacio(s.at(i)))
                ++i;
            nodos.push_back({Tipo::Espacio, s.mid(inicio, i - inicio), {}});
        } else if (c == QLatin1Char('\'')) {
            ++i;
            while (i < n) {
                if (s.at(i) == QLatin1Char('\'')) {
                    if (i + 1 < n && s.at(i + 1) == QLatin1Char('\'')) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            nodos.push_back({Tipo::Cadena, s.mid(inicio, i - inicio), {}});
        } else if (c == QLatin1Char('"') || c == QLatin1Char('[')) {
            const QChar cierre = c == QLatin1Char('"') ? QLatin1Char('"') : QLatin1Char(']');
            ++i;
            // Dentro de las comillas dobles, "" es una comilla
            while (i < n && (s.at(i) != cierre || (c == QLatin1Char('"') && i + 1 < n && s.at(i + 1) == cierre)))
                i += s.at(i) == cierre ? 2 : 1;
            if (i < n)
                ++i;
            QString dentro = s.mid(inicio + 1, i - inicio - 2);
            nodos.push_back({Tipo::Citado, QLatin1Char('"') + dentro + QLatin1Char('"'), {}});
        } else if (c == QLatin1Char('#')) {
            const int fin = s.indexOf(QLatin1Char('#'), i + 1);
            if (fin < 0) {
                nodos.push_back({Tipo::Simbolo, QStringLiteral("#"), {}});
                ++i;
            } else {
                nodos.push_back({Tipo::Fecha, s.mid(i + 1, fin - i - 1).trimmed(), {}});
                i = fin + 1;
            }
        } else if (c == QLatin1Char('(')) {
            ++i;
            Nodo g{Tipo::Grupo, QString(), trocear(s, i, true)};
            nodos.push_back(std::move(g));
        } else if (c == QLatin1Char(')')) {
            ++i;
            if (dentroDeGrupo)
                return nodos;
            nodos.push_back({Tipo::Simbolo, QStringLiteral(")"), {}});
        } else if (c == QLatin1Char('?')) {
            // "?" y, en SQLite, "?NNN"
            ++i;
            while (i < n && esCifra(s.at(i)))
                ++i;
            nodos.push_back({Tipo::Parametro, s.mid(inicio, i - inicio), {}});
        } else if ((c == QLatin1Char(':') || c == QLatin1Char('@')) && i + 1 < n && esLetra(s.at(i + 1)) &&
                   !esCifra(s.at(i + 1)) && s.at(i + 1) != QLatin1Char('.')) {
            // Parámetros con nombre (":nombre", y "@nombre" en SQLite)
            ++i;
            while (i < n && esLetra(s.at(i)) && s.at(i) != QLatin1Char('.'))
                ++i;
            nodos.push_back({Tipo::Parametro, s.mid(inicio, i - inicio), {}});
        } else if (empiezaNumero(s, i)) {
            while (i < n && (esCifra(s.at(i)) || s.at(i) == QLatin1Char('.')))
                ++i;
            // Exponente: "39e3", "1E+17"
            if (i + 1 < n && (s.at(i) == QLatin1Char('e') || s.at(i) == QLatin1Char('E'))) {
                int j = i + 1;
                if (s.at(j) == QLatin1Char('+') || s.at(j) == QLatin1Char('-'))
                    ++j;
                if (j < n && esCifra(s.at(j))) {
                    i = j;
                    while (i < n && esCifra(s.at(i)))
                        ++i;
                }
            }
            nodos.push_back({Tipo::Numero, s.mid(inicio, i - inicio), {}});
        } else if (esLetra(c)) {
            // ".1" es un número, también tras una palabra ("select.1")
            while (i < n && esLetra(s.at(i)) && (i == inicio || s.at(i) != QLatin1Char('.') || !empiezaNumero(s, i)))
                ++i;
            nodos.push_back({Tipo::Palabra, s.mid(inicio, i - inicio), {}});
        } else {
            static const QStringList dobles = {QStringLiteral("<>"), QStringLiteral("<="), QStringLiteral(">="),
                                               QStringLiteral("!="), QStringLiteral("||"), QStringLiteral("::")};
            const QString dos = s.mid(i, 2);
            if (dobles.contains(dos)) {
                i += 2;
                nodos.push_back({Tipo::Simbolo, dos, {}});
            } else {
                ++i;
                nodos.push_back({Tipo::Simbolo, QString(c), {}});
            }
        }
    }
    return nodos;
}

QString unir(const std::vector<Nodo>& nodos);

QString textoDe(const Nodo& n)
{
    if (n.tipo == Tipo::Grupo)
        return QLatin1Char('(') + unir(n.hijos) + QLatin1Char(')');
    return n.texto;
}

QString unir(const std::vector<Nodo>& nodos)
{
    QString r;
    for (const Nodo& n : nodos)
        r += textoDe(n);
    return r;
}

bool esPalabra(const Nodo& n, const char* palabra)
{
    return n.tipo == Tipo::Palabra && n.texto.compare(QLatin1String(palabra), Qt::CaseInsensitive) == 0;
}

bool esSimbolo(const Nodo& n, const char* simbolo)
{
    return n.tipo == Tipo::Simbolo && n.texto == QLatin1String(simbolo);
}

// Índice del nodo significativo anterior/siguiente (saltando espacios); -1 si no hay
int anterior(const std::vector<Nodo>& v, int i)
{
    for (--i; i >= 0; --i)
        if (v[i].tipo != Tipo::Espacio)
            return i;
    return -1;
}

int siguienteNodo(const std::vector<Nodo>& v, int i)
{
    for (++i; i < int(v.size()); ++i)
        if (v[i].tipo != Tipo::Espacio)
            return i;
    return -1;
}

bool esOperando(const Nodo& n)
{
    switch (n.tipo) {
    case Tipo::Cadena: case Tipo::Citado: case Tipo::Fecha: case Tipo::Numero:
    case Tipo::Parametro: case Tipo::Grupo: case Tipo::Hecho:
        return true;
    case Tipo::Palabra:
        return true;
    default:
        return false;
    }
}

// Nombre de función delante de un grupo, aunque haya espacios entre los dos
// ("count (*)"); las palabras de la sintaxis que van delante de un grupo no lo son
bool esFuncion(const Nodo& n)
{
    static const QStringList sintaxis{"in", "exists", "values", "and", "or", "not", "where", "select", "from",
                                      "on", "as", "when", "then", "else", "like", "is", "set", "into", "by",
                                      "between", "case", "having", "union", "all", "distinct", "join", "using"};
    return n.tipo == Tipo::Palabra && !sintaxis.contains(n.texto.toLower());
}

// Partes de un nombre cualificado escritas juntas: tabla."campo", "tabla".campo
bool pegados(const Nodo& a, const Nodo& b)
{
    const auto nombre = [](const Nodo& n) { return n.tipo == Tipo::Palabra || n.tipo == Tipo::Citado; };
    return nombre(a) && nombre(b) &&
           (a.texto.endsWith(QLatin1Char('.')) || b.texto.startsWith(QLatin1Char('.')));
}

// Operando que termina en fin: una llamada a función ocupa el nombre y su grupo
int inicioOperando(const std::vector<Nodo>& v, int fin)
{
    const int previo = anterior(v, fin);
    if (v[fin].tipo == Tipo::Grupo && previo >= 0 && esFuncion(v[previo]))
        return previo;
    int inicio = fin;
    while (inicio > 0 && pegados(v[inicio - 1], v[inicio]))
        --inicio;
    return inicio;
}

int finOperando(const std::vector<Nodo>& v, int inicio)
{
    const int grupo = siguienteNodo(v, inicio);
    if (esFuncion(v[inicio]) && grupo >= 0 && v[grupo].tipo == Tipo::Grupo)
        return grupo;
    int fin = inicio;
    while (fin + 1 < int(v.size()) && pegados(v[fin], v[fin + 1]))
        ++fin;
    return fin;
}

QString textoRango(const std::vector<Nodo>& v, int desde, int hasta)
{
    QString r;
    for (int i = desde; i <= hasta; ++i)
        r += textoDe(v[i]);
    return r;
}

QString fechaLiteral(const QString& dentro, Motor motor)
{
    // mm/dd/yyyy (el mes y el día pueden venir con una cifra)
    const QStringList partes = dentro.section(QLatin1Char(' '), 0, 0).split(QLatin1Char('/'));
    if (partes.size() != 3)
        throw ErrorTarvelo(QStringLiteral("Fecha no válida en la consulta: #%1#").arg(dentro));
    bool ok1, ok2, ok3;
    const int mes = partes[0].toInt(&ok1), dia = partes[1].toInt(&ok2), anyo = partes[2].toInt(&ok3);
    const QDate f(anyo, mes, dia);
    if (!ok1 || !ok2 || !ok3 || !f.isValid())
        throw ErrorTarvelo(QStringLiteral("Fecha no válida en la consulta: #%1#").arg(dentro));
    const QString iso = f.toString(QStringLiteral("yyyy-MM-dd"));
    return motor == Motor::PostgreSQL ? QStringLiteral("date '%1'").arg(iso) : QStringLiteral("'%1'").arg(iso);
}

QString comoTexto(const QString& operando, const Nodo& n)
{
    if (n.tipo == Tipo::Cadena)
        return operando;
    return QStringLiteral("coalesce(cast(%1 as text),'')").arg(operando);
}

void reescribirLista(std::vector<Nodo>& v, Motor motor)
{
    // Primero lo de dentro de los paréntesis
    for (Nodo& n : v)
        if (n.tipo == Tipo::Grupo)
            reescribirLista(n.hijos, motor);

    // Palabras sueltas, fechas, "delete *", "= null"
    bool enSet = false;
    for (int i = 0; i < int(v.size()); ++i) {
        Nodo& n = v[i];
        if (n.tipo == Tipo::Fecha) {
            n = {Tipo::Hecho, fechaLiteral(n.texto, motor), {}};
        } else if (esPalabra(n, "set")) {
            enSet = true;
        } else if (esPalabra(n, "where")) {
            enSet = false;
        } else if (esPalabra(n, "true")) {
            // Tras un "-" pegado, "--" abriría un comentario
            const bool trasMenos = i > 0 && esSimbolo(v[i - 1], "-");
            n = {Tipo::Numero, trasMenos ? QStringLiteral(" -1") : QStringLiteral("-1"), {}};
        } else if (esPalabra(n, "false")) {
            n = {Tipo::Numero, QStringLiteral("0"), {}};
        } else if (esPalabra(n, "delete")) {
            const int j = siguienteNodo(v, i);
            if (j >= 0 && esSimbolo(v[j], "*")) {
                v.erase(v.begin() + j);
                if (j < int(v.size()) && v[j].tipo == Tipo::Espacio && v[j - 1].tipo == Tipo::Espacio)
                    v.erase(v.begin() + j);
            }
        } else if (esPalabra(n, "null")) {
            const int j = anterior(v, i);
            // "= null & x" compara con una concatenación, no con nulo
            const int k = siguienteNodo(v, i);
            if (j < 0 || (k >= 0 && esSimbolo(v[k], "&")))
                continue;
            QString es;
            if (esSimbolo(v[j], "<>") || esSimbolo(v[j], "!="))
                es = QStringLiteral("is not");
            else if (esSimbolo(v[j], "=") && !enSet)
                es = QStringLiteral("is");
            if (es.isEmpty())
                continue;
            // "campo<>null": el operador iba pegado a lo que tiene a los lados
            if (j > 0 && v[j - 1].tipo != Tipo::Espacio)
                es.prepend(QLatin1Char(' '));
            if (j + 1 == i)
                es.append(QLatin1Char(' '));
            v[j] = {Tipo::Palabra, es, {}};
        }
    }

    // Cadenas de "a & b & c"
    for (int i = 0; i < int(v.size()); ++i) {
        if (!esSimbolo(v[i], "&"))
            continue;
        const int finIzq = anterior(v, i);
        if (finIzq < 0 || !esOperando(v[finIzq]))
            continue;
        const int iniIzq = inicioOperando(v, finIzq);
        QStringList partes{comoTexto(textoRango(v, iniIzq, finIzq), v[finIzq])};
        int fin = finIzq;
        int op = i;
        while (op >= 0 && esSimbolo(v[op], "&")) {
            const int ini = siguienteNodo(v, op);
            if (ini < 0 || !esOperando(v[ini]))
                throw ErrorTarvelo(QStringLiteral("Falta el operando de «&» en la consulta: %1").arg(unir(v)));
            const int f = finOperando(v, ini);
            partes << comoTexto(textoRango(v, ini, f), v[ini]);
            fin = f;
            op = siguienteNodo(v, fin);
        }
        Nodo hecho{Tipo::Hecho, QLatin1Char('(') + partes.join(QStringLiteral(" || ")) + QLatin1Char(')'), {}};
        v.erase(v.begin() + iniIzq, v.begin() + fin + 1);
        v.insert(v.begin() + iniIzq, std::move(hecho));
        i = iniIzq;
    }

    // like sin mayúsculas ni acentos: en SQLite lo hace la función registrada
    if (motor != Motor::PostgreSQL)
        return;
    for (int i = 0; i < int(v.size()); ++i) {
        if (!esPalabra(v[i], "like"))
            continue;
        int finIzq = anterior(v, i);
        bool negado = false;
        if (finIzq >= 0 && esPalabra(v[finIzq], "not")) {
            negado = true;
            finIzq = anterior(v, finIzq);
        }
        const int iniDer = siguienteNodo(v, i);
        if (finIzq < 0 || iniDer < 0 || !esOperando(v[finIzq]) || !esOperando(v[iniDer]))
            continue;
        const int iniIzq = inicioOperando(v, finIzq);
        const int finDer = finOperando(v, iniDer);
        // Sin carácter de escape, como el like del sistema: una barra inversa tecleada es un carácter más
        const QString texto = QStringLiteral("unaccent(cast(%1 as text)) %2ilike unaccent(cast(%3 as text)) escape ''")
                                  .arg(textoRango(v, iniIzq, finIzq), negado ? QStringLiteral("not ") : QString(),
                                       textoRango(v, iniDer, finDer));
        v.erase(v.begin() + iniIzq, v.begin() + finDer + 1);
        v.insert(v.begin() + iniIzq, Nodo{Tipo::Hecho, texto, {}});
        i = iniIzq;
    }
}

}  // namespace

QString reescribir(const QString& sql, Motor motor)
{
    static QMutex mutex;
    static QHash<QString, QString> cache[2];
    const int m = motor == Motor::PostgreSQL ? 1 : 0;
    {
        QMutexLocker l(&mutex);
        const auto it = cache[m].constFind(sql);
        if (it != cache[m].constEnd())
            return *it;
    }
    int i = 0;
    std::vector<Nodo> nodos = trocear(sql, i, false);
    reescribirLista(nodos, motor);
    const QString r = unir(nodos);
    QMutexLocker l(&mutex);
    if (cache[m].size() > 4000)
        cache[m].clear();
    cache[m].insert(sql, r);
    return r;
}

QString plegar(const QString& texto)
{
    bool ascii = true;
    for (QChar c : texto)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return texto.toLower();
    const QString d = texto.normalized(QString::NormalizationForm_D);
    QString r;
    r.reserve(d.size());
    for (QChar c : d)
        if (c.category() != QChar::Mark_NonSpacing)
            r.append(c);
    return r.toCaseFolded();
}

bool coincideLike(const QString& textoOriginal, const QString& patronOriginal, QChar escape)
{
    const QString t = plegar(textoOriginal);
    const QString p = plegar(patronOriginal);
    const QChar esc = escape.isNull() ? QChar() : plegar(QString(escape)).at(0);
    // Comodines con vuelta atrás al último %
    int ti = 0, pi = 0, estrellaP = -1, estrellaT = 0;
    while (ti < t.size()) {
        if (pi < p.size()) {
            QChar pc = p.at(pi);
            if (!esc.isNull() && pc == esc && pi + 1 < p.size()) {
                if (p.at(pi + 1) == t.at(ti)) {
                    pi += 2;
                    ++ti;
                    continue;
                }
            } else if (pc == QLatin1Char('%')) {
                estrellaP = pi++;
                estrellaT = ti;
                continue;
            } else if (pc == QLatin1Char('_') || pc == t.at(ti)) {
                ++pi;
                ++ti;
                continue;
            }
        }
        if (estrellaP < 0)
            return false;
        pi = estrellaP + 1;
        ti = ++estrellaT;
    }
    while (pi < p.size() && p.at(pi) == QLatin1Char('%'))
        ++pi;
    return pi == p.size();
}

namespace {
QString textoArg(sqlite3_value* v)
{
    const auto* datos = static_cast<const char16_t*>(sqlite3_value_text16(v));
    const int bytes = sqlite3_value_bytes16(v);
    return QString::fromUtf16(datos, bytes / 2);
}

void funcionLike(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    // like(patrón, texto [, escape]) es "texto LIKE patrón [ESCAPE e]"
    const QString patron = textoArg(argv[0]);
    const QString texto = textoArg(argv[1]);
    QChar esc;
    if (argc == 3) {
        const QString e = textoArg(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        esc = e.at(0);
    }
    sqlite3_result_int(ctx, coincideLike(texto, patron, esc) ? 1 : 0);
}

void funcionUnaccent(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString r = plegar(textoArg(argv[0]));
    sqlite3_result_text16(ctx, r.utf16(), int(r.size() * 2), SQLITE_TRANSIENT);
}
}  // namespace

void registrarFuncionesSQLite(const QSqlDatabase& db)
{
    const QVariant h = db.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        throw ErrorTarvelo(QStringLiteral("La conexión SQLite no da acceso a su manejador."));
    sqlite3* s = *static_cast<sqlite3* const*>(h.data());
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_function(s, "like", 2, flags, nullptr, funcionLike, nullptr, nullptr) != SQLITE_OK
        || sqlite3_create_function(s, "like", 3, flags, nullptr, funcionLike, nullptr, nullptr) != SQLITE_OK
        || sqlite3_create_function(s, "unaccent", 1, flags, nullptr, funcionUnaccent, nullptr, nullptr) != SQLITE_OK)
        throw ErrorTarvelo(QStringLiteral("No se pudieron registrar las funciones de texto en SQLite."));
}

}  // namespace Dialecto
