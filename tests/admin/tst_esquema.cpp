// Esquema de las dos bases en los dos motores: creación desde vacía,
// repetición, subida de versión, fallos a mitad, los tipos del sistema y el
// mismo resultado en los dos motores
#include "BaseDatosPrueba.h"
#include "Catalogo.h"
#include "Esquema.h"
#include "datos/Consulta.h"
#include "datos/Error.h"

#include <QSet>
#include <QTest>
#include <map>
#include <memory>

using namespace BaseDatosPrueba;

class TstEsquema : public QObject {
    Q_OBJECT

    // Bases ya creadas, una por motor, para las comprobaciones de solo lectura
    std::map<QString, std::unique_ptr<Temporal>> m_bases;

    const Temporal& base(const QString& motor)
    {
        auto& b = m_bases[motor];
        if (!b)
            b = std::make_unique<Temporal>(motor, Contenido::TiendaEInformes);
        return *b;
    }

    static int version(Conexion& c)
    {
        return Esquema::versionInstalada(c, Esquema::Base::Tienda);
    }

    // Pares ("base.tabla.columna", tipo) y ("base.tabla", "índice nombre") de
    // las dos bases, ordenados; el tipo sin largo ni zona horaria, y los
    // textos con largo o sin él como text
    QList<std::pair<QString, QString>> columnasDe(const QString& motor)
    {
        QList<std::pair<QString, QString>> r;
        for (const bool informes : {false, true}) {
            Conexion c;
            c.abrir(informes ? base(motor).informes() : base(motor).tienda());
            const QString sql = c.motor() == Motor::PostgreSQL
                ? QStringLiteral("select table_name from information_schema.tables where table_schema = current_schema()")
                : QStringLiteral("select name from sqlite_master where type = 'table' and name not like 'sqlite%'");
            QStringList tablas;
            for (Consulta q(c, sql); q.siguiente();)
                tablas << q.valor(0).toString().toLower();
            for (const QString& t : tablas) {
                const QString nombre = (informes ? QStringLiteral("informes.") : QStringLiteral("tienda.")) + t;
                for (const QString& col : Catalogo::columnas(c, t)) {
                    QString tipo = Catalogo::tipoColumna(c, t, col).section(QLatin1Char('('), 0, 0);
                    tipo.replace(QStringLiteral(" without time zone"), QString());
                    if (tipo == QLatin1String("varchar") || tipo == QLatin1String("character varying"))
                        tipo = QStringLiteral("text");  // SQLite no mira el largo; PostgreSQL no lo fija siempre
                    r.append({nombre + QLatin1Char('.') + col, tipo});
                }
                for (const QString& ix : Catalogo::indices(c, t))
                    if (ix.startsWith(QLatin1String("ix_")))
                        r.append({nombre, QStringLiteral("índice ") + ix});
            }
        }
        std::sort(r.begin(), r.end());
        return r;
    }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { filasMotores(); }
    void cleanupTestCase() { m_bases.clear(); }

    void creaDesdeVaciaYRepetirNoCambiaNada_data()
    {
        QTest::addColumn<int>("base");
        QTest::newRow("tienda") << int(Esquema::Base::Tienda);
        QTest::newRow("informes") << int(Esquema::Base::Informes);
    }
    void creaDesdeVaciaYRepetirNoCambiaNada()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(int, base);
        const auto b = Esquema::Base(base);
        Temporal db(motor, Contenido::Vacia);
        Conexion c;
        c.abrir(b == Esquema::Base::Tienda ? db.tienda() : db.informes());
        QCOMPARE(Esquema::versionInstalada(c, b), 0);
        QCOMPARE(Esquema::actualizar(c, b), Esquema::versionActual(b));
        const QStringList columnasDeVersion = Catalogo::columnas(c, QStringLiteral("version_esquema"));

        QCOMPARE(Esquema::actualizar(c, b), Esquema::versionActual(b));
        QCOMPARE(Esquema::versionInstalada(c, b), Esquema::versionActual(b));
        Consulta q(c, QStringLiteral("select count(*) as n, max(version) as v from version_esquema"));
        QVERIFY(q.siguiente());
        QCOMPARE(q.entero(QStringLiteral("n")), Esquema::versionActual(b));  // una fila por versión, sin repetir
        QCOMPARE(q.entero(QStringLiteral("v")), Esquema::versionActual(b));
        QCOMPARE(Catalogo::columnas(c, QStringLiteral("version_esquema")), columnasDeVersion);
    }

    // Una base en la versión 1 sube a la última sin perder lo que tenía
    void subeDeVersionConservandoLosDatos()
    {
        QFETCH_GLOBAL(QString, motor);
        Temporal db(motor, Contenido::Tienda);
        Conexion c;
        c.abrir(db.tienda());
        c.ejecutar(QStringLiteral("insert into clientes (codigo, nombre) values (7, 'Lucía')"));
        // Se vuelve a la versión 1: sin las tablas de la 2 ni su fila de versión
        for (const char* t : {"historial", "puestos", "ajustes_suite", "esquemas_colores", "traducciones",
                              "controles_permisos", "permisos"})
            c.ejecutar(QStringLiteral("drop table %1").arg(QLatin1String(t)));
        c.ejecutar(QStringLiteral("delete from version_esquema where version > 1"));
        if (c.motor() == Motor::PostgreSQL)
            c.ejecutar(QStringLiteral("alter table pasardatos alter column terminal type varchar(200)"));
        QCOMPARE(version(c), 1);

        QCOMPARE(Esquema::actualizar(c, Esquema::Base::Tienda), Esquema::versionActual(Esquema::Base::Tienda));
        QVERIFY(Catalogo::existeTabla(c, QStringLiteral("puestos")));
        QVERIFY(Catalogo::existeTabla(c, QStringLiteral("permisos")));
        Consulta q(c, QStringLiteral("select nombre from clientes where codigo = 7"));
        QVERIFY(q.siguiente());
        QCOMPARE(q.texto(QStringLiteral("nombre")), QStringLiteral("Lucía"));
        // La clave del traspaso a los listados (puesto y texto de informes) no tiene largo fijo
        c.ejecutar(QStringLiteral("insert into pasardatos (terminal, indice) values (?, 'Q_Tarvelo.exe')"),
                   {QStringLiteral("CAJA1") + QString(300, QLatin1Char('x'))});
    }

    void baseMasNuevaQueElPrograma()
    {
        QFETCH_GLOBAL(QString, motor);
        Temporal db(motor, Contenido::Tienda);
        Conexion c;
        c.abrir(db.tienda());
        c.ejecutar(QStringLiteral("insert into version_esquema (version, aplicada) values (99, 'futuro')"));
        try {
            Esquema::actualizar(c, Esquema::Base::Tienda);
            QFAIL("Debía negarse a tocar una base más nueva");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(QStringLiteral("versión 99")), qPrintable(e.descripcion()));
        }
        QCOMPARE(version(c), 99);
    }

    // Si una sentencia de una versión falla, no queda nada de esa versión
    void unFalloAMitadNoDejaLaVersionAMedias()
    {
        QFETCH_GLOBAL(QString, motor);
        Temporal db(motor, Contenido::Vacia);
        Conexion c;
        c.abrir(db.tienda());
        // Una vista con el nombre de una tabla: el índice sobre ella falla
        c.ejecutar(QStringLiteral("create view servicios as select 1 as seccion"));
        try {
            Esquema::actualizar(c, Esquema::Base::Tienda);
            QFAIL("La actualización debía fallar");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(QStringLiteral("versión 1")), qPrintable(e.descripcion()));
        }
        QCOMPARE(version(c), 0);
        QVERIFY(!Catalogo::existeTabla(c, QStringLiteral("relaciones_fijas")));
        QVERIFY(!Catalogo::existeTabla(c, QStringLiteral("version_esquema")));
    }

    // Los tipos que usa el sistema y ninguno más: banderas smallint, fechas
    // date, horas time, importes double, códigos y contadores integer (de 32
    // bits) y textos
    void soloLosTiposDelSistema()
    {
        QFETCH_GLOBAL(QString, motor);
        const QSet<QString> tipos{QStringLiteral("smallint"), QStringLiteral("integer"), QStringLiteral("double precision"),
                                  QStringLiteral("date"), QStringLiteral("time"), QStringLiteral("text")};
        for (const auto& [columna, tipo] : columnasDe(motor))
            QVERIFY2(tipos.contains(tipo) || tipo.startsWith(QStringLiteral("índice ")),
                     qPrintable(columna + QStringLiteral(": ") + tipo));
    }

    // El mismo script da en los dos motores las mismas tablas, columnas, tipos e índices
    void igualEnLosDosMotores()
    {
        QFETCH_GLOBAL(QString, motor);
        if (motor != QLatin1String("postgresql"))
            QSKIP("Solo en la fila de PostgreSQL");
        QCOMPARE(columnasDe(QStringLiteral("postgresql")), columnasDe(QStringLiteral("sqlite")));
    }

    // Un contador que pasa de 32767 no da la vuelta
    void contadoresDe32Bits()
    {
        QFETCH_GLOBAL(QString, motor);
        Temporal db(motor, Contenido::Tienda);
        Conexion c;
        c.abrir(db.tienda());
        c.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, daton) values ('Bonos', 32767)"));
        c.ejecutar(QStringLiteral("update relaciones_fijas set daton = daton + 1 where indice = 'Bonos'"));
        Consulta q(c, QStringLiteral("select daton from relaciones_fijas where indice = 'Bonos'"));
        QVERIFY(q.siguiente());
        QCOMPARE(q.entero(QStringLiteral("daton")), 32768);
    }

    void extensionSinAcentosEnPostgres()
    {
        QFETCH_GLOBAL(QString, motor);
        if (motor != QLatin1String("postgresql"))
            QSKIP("Solo en la fila de PostgreSQL");
        Conexion c;
        c.abrir(base(QStringLiteral("postgresql")).tienda());
        Consulta q(c, QStringLiteral("select unaccent('Íñigo Muñoz') as t"));
        QVERIFY(q.siguiente());
        QCOMPARE(q.texto(QStringLiteral("t")), QStringLiteral("Inigo Munoz"));
    }
};

QTEST_GUILESS_MAIN(TstEsquema)
#include "tst_esquema.moc"
