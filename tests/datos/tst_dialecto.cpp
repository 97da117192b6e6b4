// El dialecto del sistema ejecutado de verdad en los dos motores
#include "BaseDatosPrueba.h"
#include "datos/Consulta.h"
#include "datos/Dialecto.h"
#include "datos/Error.h"

#include <QTest>

class TstDialecto : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<Conexion> m_con;

    void abrir(const QString& motor)
    {
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor, BaseDatosPrueba::Contenido::Vacia);
        m_con = std::make_unique<Conexion>();
        m_con->abrir(m_db->tienda());
        if (m_con->motor() == Motor::PostgreSQL)
            m_con->ejecutar(QStringLiteral("create extension if not exists unaccent"));
        m_con->ejecutar(QStringLiteral("create table personas (id integer, nombre varchar(60), apellidos varchar(60), "
                                       "fecha date, activo smallint, importe double precision)"));
        const QList<QVariantList> filas = {
            {1, QStringLiteral("José"), QStringLiteral("Pérez"), QDate(2026, 1, 15), -1, 10.5},
            {2, QStringLiteral("ANABEL"), QStringLiteral("García"), QDate(2026, 2, 1), 0, 20.0},
            {3, QStringLiteral("MARIANA"), QVariant(QMetaType::fromType<QString>()), QDate(2025, 12, 31), -1, 0.0},
            {4, QStringLiteral("Ñandú"), QStringLiteral("O'Brien"), QDate(2026, 3, 1), 0, 7.25},
            {5, QStringLiteral("a & b = null true"), QStringLiteral("Literal"), QDate(2026, 3, 2), 0, 1.0},
            {6, QStringLiteral("C:\\fotos\\"), QStringLiteral("Ruta"), QDate(2026, 1, 20), 0, 2.0},
        };
        for (const QVariantList& f : filas)
            m_con->ejecutar(QStringLiteral("insert into personas (id, nombre, apellidos, fecha, activo, importe) "
                                           "values (?, ?, ?, ?, ?, ?)"),
                            f);
    }

    QList<int> ids(const QString& sql, const QVariantList& valores = {})
    {
        QList<int> r;
        Consulta c(*m_con, sql, valores);
        while (c.siguiente())
            r << c.entero(QStringLiteral("id"));
        std::sort(r.begin(), r.end());
        return r;
    }

private Q_SLOTS:
    void cleanup()
    {
        m_con.reset();
        m_db.reset();
    }

    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }

    // Filtros en los dos motores: el mismo texto da las mismas filas
    void filtros_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("valores");
        QTest::addColumn<QList<int>>("esperado");
        struct Caso {
            const char* nombre;
            QString sql;
            QVariantList valores;
            QList<int> esperado;
        };
        const QString base = QStringLiteral("select id from personas where ");
        const QList<Caso> casos = {
            {"like sin acentos: JOSE encuentra José", base + "nombre like ?", {"JOSE"}, {1}},
            {"like por el principio: ana no encuentra MARIANA", base + "nombre like ?", {"ana%"}, {2}},
            {"like por el final", base + "nombre like ?", {"%ana"}, {3}},
            {"like de eñe mayúscula", base + "nombre like ?", {"ñ%"}, {4}},
            {"like sin eñe en el teclado", base + "nombre like ?", {"nandu"}, {4}},
            {"comodín de un carácter", base + "nombre like ?", {"_os_"}, {1}},
            {"comodín escrito por el usuario", base + "apellidos like ?", {"%"}, {1, 2, 4, 5, 6}},
            {"comilla escrita por el usuario", base + "apellidos like ?", {"o'b%"}, {4}},
            // La barra inversa no escapa nada
            {"barra inversa tecleada", base + "nombre like ?", {"c:\\f%"}, {6}},
            {"barra inversa al final", base + "nombre like ?", {"%\\"}, {6}},
            {"not like", base + "nombre not like ? and id < 5", {"%a%"}, {1}},
            {"like en texto entre comillas", base + "nombre like 'ana%'", {}, {2}},
            {"true es -1", base + "activo = true", {}, {1, 3}},
            {"false es 0", base + "activo = false and id < 5", {}, {2, 4}},
            {"= null es is null", base + "apellidos = null", {}, {3}},
            {"<> null es is not null", base + "apellidos <> null and id < 3", {}, {1, 2}},
            {"<>null pegado al campo", base + "apellidos<>null and id < 3", {}, {1, 2}},
            {"fecha entre almohadillas", base + "fecha = #01/15/2026#", {}, {1}},
            {"fecha de una cifra", base + "fecha >= #3/1/2026#", {}, {4, 5}},
            {"between de fechas", base + "fecha between #12/31/2025# and #01/15/2026#", {}, {1, 3}},
            {"fecha ligada", base + "fecha < ?", {QDate(2026, 1, 1)}, {3}},
            {"texto entre comillas intacto", base + "nombre = 'a & b = null true'", {}, {5}},
            {"concatenación con nulo", base + "nombre & ' ' & apellidos = 'MARIANA '", {}, {3}},
            {"concatenación con número", base + "id & '-' & nombre = ?", {"2-ANABEL"}, {2}},
            {"concatenación dentro de paréntesis", base + "(nombre & apellidos) like ?", {"jose%perez"}, {1}},
            {"concatenación con like", base + "nombre & ' ' & apellidos like ?", {"%garcia"}, {2}},
            {"subconsulta", base + "id in (select id from personas where activo = true) and nombre like ?",
             {"m%"}, {3}},
        };
        for (const Caso& c : casos)
            QTest::newRow(c.nombre) << c.sql << c.valores << c.esperado;
    }

    void filtros()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, sql);
        QFETCH(QVariantList, valores);
        QFETCH(QList<int>, esperado);
        abrir(motor);
        QCOMPARE(ids(sql, valores), esperado);
    }

    // Sentencias que escriben
    void escrituras()
    {
        QFETCH_GLOBAL(QString, motor);
        abrir(motor);
        QCOMPARE(m_con->ejecutar(QStringLiteral("delete * from personas where id = 5")), 1);
        // En el set, "= null" es una asignación
        m_con->ejecutar(QStringLiteral("update personas set apellidos = null where id = ?"), {1});
        QCOMPARE(ids(QStringLiteral("select id from personas where apellidos = null")), (QList<int>{1, 3}));
        m_con->ejecutar(QStringLiteral("update personas set activo = true where nombre like ?"), {"ana%"});
        QCOMPARE(ids(QStringLiteral("select id from personas where activo = -1")), (QList<int>{1, 2, 3}));
        Consulta c(*m_con, QStringLiteral("select nombre & ' ' & apellidos as completo from personas where id = 4"));
        QVERIFY(c.siguiente());
        QCOMPARE(c.texto(QStringLiteral("COMPLETO")), QStringLiteral("Ñandú O'Brien"));
    }

    // Lo que va entre comillas no se toca; lo de fuera sí
    void reescritura_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("salida");
        QTest::newRow("comillas intactas") << "select 'true & #1/1/2020# like' from t"
                                           << "select 'true & #1/1/2020# like' from t";
        QTest::newRow("comilla doblada") << "select 'it''s true' where x = true" << "select 'it''s true' where x = -1";
        QTest::newRow("true dentro de un nombre") << "select trueno, falsete from t" << "select trueno, falsete from t";
    }

    void reescritura()
    {
        QFETCH(QString, entrada);
        QFETCH(QString, salida);
        QCOMPARE(Dialecto::reescribir(entrada, Motor::SQLite), salida);
    }

    void fechaMalEscrita()
    {
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, Dialecto::reescribir(QStringLiteral("where f = #13/45/2025#"), Motor::SQLite));
    }

    void like_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("patron");
        QTest::addColumn<bool>("coincide");
        QTest::newRow("mayúsculas") << "ÁRBOL" << "arbol" << true;
        QTest::newRow("porcentaje vacío") << "" << "%" << true;
        QTest::newRow("porcentajes seguidos") << "abc" << "a%%c" << true;
        QTest::newRow("vuelta atrás") << "aXbXc" << "a%b%c" << true;
        QTest::newRow("no coincide") << "abc" << "a%d" << false;
        QTest::newRow("subrayado exige carácter") << "ab" << "ab_" << false;
        QTest::newRow("cedilla") << "Françoise" << "franc%" << true;
        QTest::newRow("diéresis") << "Güell" << "guell" << true;
    }

    void like()
    {
        QFETCH(QString, texto);
        QFETCH(QString, patron);
        QFETCH(bool, coincide);
        QCOMPARE(Dialecto::coincideLike(texto, patron), coincide);
    }

    void likeConEscape()
    {
        QVERIFY(Dialecto::coincideLike(QStringLiteral("50%"), QStringLiteral("50!%"), QLatin1Char('!')));
        QVERIFY(!Dialecto::coincideLike(QStringLiteral("500"), QStringLiteral("50!%"), QLatin1Char('!')));
    }
};

QTEST_GUILESS_MAIN(TstDialecto)
#include "tst_dialecto.moc"
