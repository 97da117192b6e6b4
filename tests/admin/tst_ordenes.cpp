// tarvelo-admin como lo usa quien instala: órdenes, opciones, mensajes,
// ficheros de la suite y bases creadas (el programa de verdad, en un proceso)
#include "BaseDatosPrueba.h"
#include "Esquema.h"
#include "Puesto.h"
#include "datos/Consulta.h"
#include "plataforma/ConfiguracionSuite.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <unistd.h>

using namespace BaseDatosPrueba;

namespace {

struct Salida {
    int codigo = -1;
    QString texto;
    QString errores;
};

// comoUsuario: como root se corre con el usuario nobody, para quien un fichero
// de solo lectura sí lo es
Salida admin(const QStringList& args, bool comoUsuario = false, const QByteArray& entrada = {})
{
    QProcess p;
    if (comoUsuario && geteuid() == 0)
        p.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                       QStringLiteral("--clear-groups"), QStringLiteral("--"),
                                                       QStringLiteral(TARVELO_ADMIN)} + args);
    else
        p.start(QStringLiteral(TARVELO_ADMIN), args);
    p.write(entrada);
    p.closeWriteChannel();
    if (!p.waitForFinished(300000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

using BaseDatosPrueba::numero;

QStringList opcionesServidor(const QString& base)
{
    const ParametrosConexion s = servidorPostgres();
    QStringList a{QStringLiteral("--motor"), QStringLiteral("postgresql"), QStringLiteral("--basedatos"), base};
    if (!s.servidor.isEmpty())
        a << QStringLiteral("--servidor") << s.servidor;
    if (s.puerto)
        a << QStringLiteral("--puerto") << QString::number(s.puerto);
    if (!s.usuario.isEmpty())
        a << QStringLiteral("--usuario") << s.usuario;
    if (!s.clave.isEmpty())
        a << QStringLiteral("--clave") << s.clave;
    return a;
}

void borrarEnServidor(const QString& base)
{
    Conexion c;
    c.abrir(servidorPostgres());
    c.ejecutar(QStringLiteral("drop database if exists %1 with (force)").arg(base));
}

}  // namespace

class TstOrdenes : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString ruta(const QString& f) const { return m_dir->filePath(f); }
    QTemporaryDir m_certificado;  // c.p12 (clave «secreto-ñ») y c.pem, que no es un PKCS#12

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QProcess::execute("sh", {"-c", "cd '" + m_certificado.path() + "' && openssl req -x509 -newkey rsa:2048 -nodes -keyout "
                                         "k.pem -out c.pem -days 30 -subj /CN=Centro && openssl pkcs12 -export -in c.pem -inkey k.pem "
                                         "-out c.p12 -passout pass:secreto-ñ"}) == 0);
    }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() { m_dir.reset(); }

    void ayudaEnEspanol_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("contiene");
        QTest::newRow("general") << QStringList{QStringLiteral("--help")} << QStringLiteral("registrar-puesto");
        QTest::newRow("de una orden") << QStringList{QStringLiteral("registrar-puesto"), QStringLiteral("--help")}
                                      << QStringLiteral("Uso: tarvelo-admin registrar-puesto [opciones]");
    }
    void ayudaEnEspanol()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, contiene);
        const Salida s = admin(args);
        QCOMPARE(s.codigo, 0);
        QVERIFY2(s.texto.contains(contiene), qPrintable(s.texto));
        QVERIFY(!s.texto.contains(QStringLiteral("Usage")));
        QVERIFY(!s.texto.contains(QStringLiteral("Displays")));
    }

    // Lo que no vale: código 1, un mensaje en español y nada creado
    void entradaQueNoVale_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("mensaje");
        const QString base = QStringLiteral("@/tienda.db");
        const QList<std::tuple<const char*, QStringList, const char*>> casos{
            {"sin orden", {}, "Uso:"},
            {"orden desconocida", {"borrar-todo"}, "Orden desconocida"},
            {"opción desconocida", {"crear", "--basedatos", base, "--tamano", "3"}, "Opción desconocida"},
            {"falta el valor", {"crear", "--basedatos"}, "Falta el valor"},
            {"motor desconocido", {"crear", "--motor", "oracle", "--basedatos", base}, "Motor desconocido"},
            {"puerto que no es un número", {"crear", "--motor", "postgresql", "--basedatos", "x", "--puerto", "abc"},
             "Puerto no válido"},
            {"opción de servidor con SQLite", {"crear", "--basedatos", base, "--servidor", "h"}, "--servidor"},
            {"nombre de base de PostgreSQL", {"crear", "--motor", "postgresql", "--basedatos", "x; drop"},
             "Nombre de base de datos no válido"},
            {"tipo de negocio", {"crear", "--basedatos", base, "--tipo-negocio", "FRUTERIA"},
             "Tipo de negocio desconocido"},
            {"bonos negativos", {"demo", "--carpeta", "@/demo", "--bonos", "-5"}, "--bonos"},
            {"actualizar lo que no existe", {"actualizar", "--basedatos", base}, "No existe la base"},
            {"puesto sin terminal", {"registrar-puesto", "--basedatos", base}, "--terminal"},
            {"hora de apertura", {"registrar-puesto", "--basedatos", base, "--terminal", "C", "--apertura", "25:00"},
             "Hora no válida"},
            {"argumento suelto", {"demo", "--carpeta", "@/demo", "sobrante"}, "Argumento de más"},
            {"copia sin destino", {"copia", "--basedatos", base}, "--destino"},
            {"restaurar sin copia", {"restaurar", "--basedatos", base}, "--copia"},
            {"cifrado desconocido", {"mostrar-puesto", "--motor", "postgresql", "--basedatos", "x", "--sslmode", "si"},
             "Modo de cifrado no válido"},
            {"clave de puesto con SQLite", {"crear", "--basedatos", base, "--clave-puesto", "k"}, "solo vale con"},
            {"certificado que no existe", {"certificado", "--fichero", "@/c.p12"}, "No existe el fichero"},
            {"clave del certificado", {"certificado", "--fichero", m_certificado.filePath("c.p12")}, "no se abre con esa clave"},
            {"no es un PKCS#12", {"certificado", "--fichero", m_certificado.filePath("c.pem")}, "no se abre con esa clave"},
        };
        for (const auto& [nombre, args, mensaje] : casos)
            QTest::newRow(nombre) << args << QString::fromUtf8(mensaje);
    }
    void entradaQueNoVale()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, mensaje);
        for (QString& a : args)
            a.replace(QLatin1Char('@'), m_dir->path());
        // --suite tras la orden, para que la última opción siga siendo la del caso
        if (!args.isEmpty())
            args = args.mid(0, 1) + QStringList{QStringLiteral("--suite"), ruta(QStringLiteral("suite.ini"))} + args.mid(1);
        const Salida s = admin(args);
        QCOMPARE(s.codigo, 1);
        QVERIFY2((s.errores + s.texto).contains(mensaje), qPrintable(s.errores + s.texto));
        QVERIFY(!QFileInfo::exists(ruta(QStringLiteral("tienda.db"))));
        QVERIFY(!QFileInfo::exists(ruta(QStringLiteral("demo"))));
        QVERIFY(!QFileInfo::exists(ruta(QStringLiteral("suite.ini"))));
    }

    // Encender, apagar y mirar los registros de facturación; un lugar que no vale no se guarda
    void verifactu()
    {
        const QString base = ruta(QStringLiteral("tienda.db"));
        const QStringList suite{QStringLiteral("--suite"), ruta(QStringLiteral("suite.ini"))};
        QCOMPARE(admin(QStringList{QStringLiteral("crear"), QStringLiteral("--basedatos"), base} + suite).codigo, 0);
        const QList<std::tuple<QStringList, int, const char*>> pasos{
            {{"--lugar", "canarias", "--pruebas"}, 0, "encendidos, con la hora de Atlantic/Canary, en la sede de pruebas"},
            {{"--lugar", "Lisboa"}, 1, "«Lisboa»"},
            {{}, 0, "encendidos, con la hora de Atlantic/Canary"},
            {{"--lugar", "Madrid", "--apagar"}, 1, "no las dos"},
            {{"--apagar"}, 0, "apagados"},
        };
        for (const auto& [args, codigo, dice] : pasos) {
            const Salida s = admin(QStringList{QStringLiteral("verifactu"), QStringLiteral("--basedatos"), base} + suite + args);
            QCOMPARE(s.codigo, codigo);
            QVERIFY2((s.texto + s.errores).contains(QString::fromUtf8(dice)), qPrintable(s.texto + s.errores));
        }
    }

    // La orden de la ejecución de la demostración: tienda, informes, puesto y suite
    void demoEnCarpetaYSuite()
    {
        const QString suite = ruta(QStringLiteral("bin/suite.ini"));
        const QStringList args{QStringLiteral("demo"), QStringLiteral("--carpeta"), ruta(QStringLiteral("demo")),
                               QStringLiteral("--suite"), suite, QStringLiteral("--puesto"), QStringLiteral("CAJA9")};
        Salida s = admin(args);
        QVERIFY2(s.codigo == 0, qPrintable(s.errores));
        QVERIFY(s.texto.contains(QStringLiteral("Tienda de demostración creada")));

        ConfiguracionSuite::ponerRuta(suite);
        QCOMPARE(ConfiguracionSuite::tienda().baseDatos, ruta(QStringLiteral("demo/tienda.db")));
        QCOMPARE(ConfiguracionSuite::origen(QStringLiteral("dsn=ListBrisalo")).baseDatos,
                 ruta(QStringLiteral("demo/informes.db")));
        QCOMPARE(ConfiguracionSuite::identificadorPuesto(), QStringLiteral("CAJA9"));

        Conexion c;
        c.abrir(ConfiguracionSuite::tienda());
        QCOMPARE(numero(c, QStringLiteral("select count(*) from opciones_terminal where identificador = 'CAJA9'")), 1);
        const int bonos = numero(c, QStringLiteral("select count(*) from cabecera_bonos"));
        QVERIFY(bonos > 0);
        Conexion ci;
        ci.abrir(ConfiguracionSuite::origen(QStringLiteral("ListBrisalo")));
        QCOMPARE(Esquema::versionInstalada(ci, Esquema::Base::Informes), Esquema::versionActual(Esquema::Base::Informes));

        // Otra vez, con otro puesto: la tienda no cambia y el puesto nuevo se da de alta
        s = admin({QStringLiteral("demo"), QStringLiteral("--carpeta"), ruta(QStringLiteral("demo")),
                   QStringLiteral("--suite"), suite, QStringLiteral("--puesto"), QStringLiteral("CAJA10")});
        QVERIFY2(s.codigo == 0, qPrintable(s.errores));
        QVERIFY(s.texto.contains(QStringLiteral("ya existe")));
        QCOMPARE(numero(c, QStringLiteral("select count(*) from cabecera_bonos")), bonos);
        QCOMPARE(numero(c, QStringLiteral("select count(*) from opciones_terminal")), 2);
        QCOMPARE(ConfiguracionSuite::identificadorPuesto(), QStringLiteral("CAJA10"));

        // mostrar-puesto lee el puesto de la suite
        s = admin({QStringLiteral("mostrar-puesto"), QStringLiteral("--suite"), suite});
        QCOMPARE(s.codigo, 0);
        QVERIFY(s.texto.contains(QStringLiteral("CAJA10")));
        QVERIFY(s.texto.contains(QStringLiteral("09:00 a 21:00")));
        s = admin({QStringLiteral("mostrar-puesto"), QStringLiteral("--suite"), suite, QStringLiteral("--puesto"),
                   QStringLiteral("NADIE")});
        QCOMPARE(s.codigo, 1);
        QVERIFY(s.errores.contains(QStringLiteral("no está registrado")));
        // El certificado de los envíos a la agencia: se guarda con su clave, y mostrar-puesto dice cuál es, nunca la clave
        s = admin({"certificado", "--suite", suite, "--fichero", m_certificado.filePath("c.p12")}, false, "secreto-ñ\n");
        QVERIFY2(s.codigo == 0 && s.texto.contains("Centro, válido hasta"), qPrintable(s.errores));
        s = admin({QStringLiteral("mostrar-puesto"), QStringLiteral("--suite"), suite});
        QVERIFY2(s.texto.contains(ruta("bin/certificado-verifactu.p12")) && !s.texto.contains("secreto"), qPrintable(s.texto));
        QCOMPARE(QFile::permissions(suite) & QFileDevice::ReadOther, QFileDevice::Permissions());

        // Copia de la suite y vuelta atrás: los bonos borrados después vuelven
        s = admin({QStringLiteral("copia"), QStringLiteral("--suite"), suite, QStringLiteral("--destino"),
                   ruta(QStringLiteral("copias"))});
        const QString copia = s.texto.section(QStringLiteral("Copia hecha en "), 1).trimmed();
        QVERIFY2(s.codigo == 0 && QFileInfo(copia + QStringLiteral("/informes.db")).isFile(), qPrintable(s.errores));
        c.ejecutar(QStringLiteral("delete from cabecera_bonos"));
        QCOMPARE(admin({QStringLiteral("restaurar"), QStringLiteral("--suite"), suite, QStringLiteral("--copia"), copia}).codigo, 0);
        QCOMPARE(numero(c, QStringLiteral("select count(*) from cabecera_bonos")), bonos);
        ConfiguracionSuite::ponerRuta(QString());
    }

    void registrarPuestoPorOpciones()
    {
        const QString suite = ruta(QStringLiteral("suite.ini"));
        const QString base = ruta(QStringLiteral("tienda.db"));
        Salida s = admin({QStringLiteral("crear"), QStringLiteral("--basedatos"), base, QStringLiteral("--suite"), suite});
        QVERIFY2(s.codigo == 0, qPrintable(s.errores));
        QVERIFY(QFileInfo::exists(ruta(QStringLiteral("informes.db"))));
        s = admin({QStringLiteral("registrar-puesto"), QStringLiteral("--suite"), suite, QStringLiteral("--puesto"),
                   QStringLiteral("ESTETICA-1"), QStringLiteral("--terminal"), QStringLiteral("CAJA3"),
                   QStringLiteral("--apertura"), QStringLiteral("10:00"), QStringLiteral("--cierre"),
                   QStringLiteral("3:00"), QStringLiteral("--impresora-ticket"), QStringLiteral("ticket:9100"),
                   QStringLiteral("--pagina-codigos"), QStringLiteral("16"), QStringLiteral("--impresora-documentos"),
                   QStringLiteral("Oficina"),
                   QStringLiteral("--esquema"), QStringLiteral("2"), QStringLiteral("--tipo-negocio"),
                   QStringLiteral("estetica"), QStringLiteral("--sin-animaciones")});
        QVERIFY2(s.codigo == 0, qPrintable(s.errores));
        Conexion c;
        ParametrosConexion p;
        p.baseDatos = base;
        c.abrir(p);
        const auto d = Puesto::leer(c, QStringLiteral("ESTETICA-1"));
        QVERIFY(d.has_value());
        QCOMPARE(d->terminal, QStringLiteral("CAJA3"));
        QCOMPARE(d->animaciones, false);
        QCOMPARE(d->apertura, QTime(10, 0));
        QCOMPARE(d->cierre, QTime(3, 0));
        QCOMPARE(d->impresoraTicket, QStringLiteral("ticket:9100"));
        QCOMPARE(d->paginaCodigosTicket, 16);
        QCOMPARE(d->impresoraDocumentos, QStringLiteral("Oficina"));
        QCOMPARE(d->esquemaColores, 2);
        QCOMPARE(d->tipoNegocio, QStringLiteral("ESTETICA"));
        QSettings ini(suite, QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("puesto/identificador")).toString(), QStringLiteral("ESTETICA-1"));
    }

    // Una configuración de la suite que no se puede escribir: código 1 y un
    // mensaje que lo dice, nunca "guardada"
    void suiteQueNoSePuedeEscribir_data()
    {
        QTest::addColumn<QString>("estorbo");  // lo que hay en la carpeta antes
        QTest::addColumn<QString>("suite");
        QTest::newRow("carpeta que no se puede crear") << "fichero:carpeta" << "carpeta/suite.ini";
        QTest::newRow("la ruta es una carpeta") << "carpeta:suite.ini" << "suite.ini";
        QTest::newRow("fichero de solo lectura") << "solo lectura:suite.ini" << "suite.ini";
    }
    void suiteQueNoSePuedeEscribir()
    {
        QFETCH(QString, estorbo);
        QFETCH(QString, suite);
        const QString tipo = estorbo.section(QLatin1Char(':'), 0, 0);
        const QString nombre = ruta(estorbo.section(QLatin1Char(':'), 1));
        QFile f(nombre);
        if (tipo == QLatin1String("carpeta"))
            QVERIFY(QDir().mkdir(nombre));
        else
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("[puesto]\nidentificador=CAJA1\n") > 0);
        f.close();
        if (tipo == QLatin1String("solo lectura"))
            QVERIFY(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777)));
        const Salida s = admin({QStringLiteral("crear"), QStringLiteral("--basedatos"), ruta(QStringLiteral("tienda.db")),
                                QStringLiteral("--suite"), ruta(suite)},
                               true);
        QCOMPARE(s.codigo, 1);
        QVERIFY2(s.errores.contains(QStringLiteral("No se puede")) && s.errores.contains(m_dir->path()),
                 qPrintable(s.errores));
        QVERIFY(!s.texto.contains(QStringLiteral("guardada")));
    }

    // El fichero que guarda una clave solo lo lee su dueño, también si ya existía
    void claveSoloParaElDueno()
    {
        const QString suite = ruta(QStringLiteral("suite.ini"));
        ConfiguracionSuite::ponerRuta(suite);
        const auto quitar = qScopeGuard([] { ConfiguracionSuite::ponerRuta(QString()); });
        ConfiguracionSuite::guardarIdentificadorPuesto(QStringLiteral("CAJA1"));
        QVERIFY(QFile::setPermissions(suite, QFileDevice::Permissions(0x6644)));
        ParametrosConexion p;
        p.driver = QStringLiteral("QPSQL");
        p.baseDatos = QStringLiteral("tienda");
        p.clave = QStringLiteral("secreto");
        ConfiguracionSuite::guardarTienda(p);
        ConfiguracionSuite::guardarIdentificadorPuesto(QStringLiteral("CAJA2"));
        const auto dueno = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                           | QFileDevice::WriteUser;
        QCOMPARE(QFile::permissions(suite), dueno);
        QCOMPARE(ConfiguracionSuite::tienda().clave, QStringLiteral("secreto"));
        // Uno nuevo con clave nace así
        ConfiguracionSuite::ponerRuta(ruta(QStringLiteral("nueva/suite.ini")));
        ConfiguracionSuite::guardarOrigen(QStringLiteral("dsn=ListBrisalo"), p);
        QCOMPARE(QFile::permissions(ruta(QStringLiteral("nueva/suite.ini"))), dueno);
    }

    // En PostgreSQL crear hace las dos bases en UTF-8 con C.UTF-8
    void crearEnPostgres()
    {
        if (!hayServidorPostgres())
            QSKIP("Sin servidor PostgreSQL");
        const QString base = QStringLiteral("tv_admin_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
        const QString suite = ruta(QStringLiteral("suite.ini"));
        Salida s = admin(QStringList{QStringLiteral("crear")} << opcionesServidor(base) << QStringLiteral("--suite")
                                                                << suite);
        const auto limpiar = qScopeGuard([&] {
            borrarEnServidor(base);
            borrarEnServidor(base + QStringLiteral("_informes"));
        });
        QVERIFY2(s.codigo == 0, qPrintable(s.errores));
        Conexion servidor;
        servidor.abrir(servidorPostgres());
        for (const QString& b : {base, base + QStringLiteral("_informes")}) {
            Consulta q(servidor, QStringLiteral("select datcollate, datctype, pg_encoding_to_char(encoding) as cod "
                                                "from pg_database where datname = ?"),
                       {b});
            QVERIFY2(q.siguiente(), qPrintable(b));
            QCOMPARE(q.texto(QStringLiteral("datcollate")), QStringLiteral("C.UTF-8"));
            QCOMPARE(q.texto(QStringLiteral("datctype")), QStringLiteral("C.UTF-8"));
            QCOMPARE(q.texto(QStringLiteral("cod")), QStringLiteral("UTF8"));
        }
        // La suite apunta a las bases creadas; actualizar desde la suite no cambia nada
        s = admin({QStringLiteral("actualizar"), QStringLiteral("--suite"), suite});
        QVERIFY2(s.codigo == 0, qPrintable(s.errores));
        QCOMPARE(s.texto.count(QStringLiteral("al día")), 2);
        // La demostración sobre la base de la suite
        s = admin({QStringLiteral("demo"), QStringLiteral("--suite"), suite, QStringLiteral("--bonos"),
                   QStringLiteral("300")});
        QVERIFY2(s.codigo == 0, qPrintable(s.errores));
        ConfiguracionSuite::ponerRuta(suite);
        Conexion c;
        c.abrir(ConfiguracionSuite::tienda());
        ConfiguracionSuite::ponerRuta(QString());
        QVERIFY(numero(c, QStringLiteral("select count(*) from cabecera_bonos")) > 300);
        c.cerrar();
    }

    // Los roles de la tienda: el de los puestos lee, da de alta y cambia
    // filas, pero ni cambia el esquema ni reescribe el historial; un puesto no
    // se registra con quien puede hacerlo
    void rolesEnPostgres()
    {
        if (!hayServidorPostgres())
            QSKIP("Sin servidor PostgreSQL");
        const QString base = QStringLiteral("tv_roles_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
        const QString suite = ruta(QStringLiteral("suite.ini"));
        const auto limpiar = qScopeGuard([&] {
            borrarEnServidor(base);
            borrarEnServidor(base + QStringLiteral("_informes"));
            Conexion c;
            c.abrir(servidorPostgres());
            for (const char* rol : {"_puesto", "_dueno"})
                c.ejecutar(QStringLiteral("drop role if exists %1%2").arg(base, QLatin1String(rol)));
        });
        const QStringList crear = QStringList{QStringLiteral("crear"), QStringLiteral("--suite"), suite,
                                              QStringLiteral("--clave-puesto"), QStringLiteral("caja-secreta")}
                                  << opcionesServidor(base);
        for (int vez = 0; vez < 2; ++vez) {  // repetirlo no cambia nada
            const Salida s = admin(crear);
            QVERIFY2(s.codigo == 0, qPrintable(s.errores));
        }
        ParametrosConexion puesto = servidorPostgres();
        puesto.baseDatos = base;
        puesto.usuario = base + QStringLiteral("_puesto");
        Conexion c;
        c.abrir(puesto);
        const QList<std::pair<const char*, bool>> sentencias{
            {"select count(*) from clientes", true},
            {"update relaciones_fijas set daton = daton where indice = 'Bonos'", true},
            {"delete from relaciones_fijas where indice like 'Semaforo%'", true},
            {"insert into historial (tabla, operacion, descripcion) values ('cabecera_bonos', '33', 'x')", true},
            {"create table intrusa (a integer)", false},
            {"alter table clientes add column intrusa integer", false},
            {"drop table cabecera_factura", false},
            {"delete from clientes", false},
            {"update historial set descripcion = 'otra'", false},
            {"delete from historial", false},
            {"truncate historial", false},
            {"insert into verifactu_cadenas (nif, creada) values ('B00000011', 'hoy')", true},
        };
        for (const auto& [sql, permitida] : sentencias) {
            bool hecha = true;
            try {
                c.ejecutar(QString::fromLatin1(sql));
            } catch (const ErrorTarvelo&) {
                hecha = false;
            }
            QVERIFY2(hecha == permitida, sql);
        }
        ParametrosConexion informes = puesto;
        informes.baseDatos = base + QStringLiteral("_informes");
        Conexion ci;
        ci.abrir(informes);
        ci.ejecutar(QStringLiteral("delete from informes"));
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, ci.ejecutar(QStringLiteral("create table intrusa (a integer)")));

        // Registrar el puesto: no con el superusuario, sí con el rol de los puestos
        const QStringList registrar{QStringLiteral("registrar-puesto"), QStringLiteral("--suite"), suite,
                                    QStringLiteral("--puesto"), QStringLiteral("CAJA9"), QStringLiteral("--terminal"),
                                    QStringLiteral("T9")};
        Salida s = admin(registrar + opcionesServidor(base));
        QVERIFY(s.codigo != 0);
        QVERIFY2(s.errores.contains(base + QStringLiteral("_puesto")), qPrintable(s.errores));
        QStringList comoPuesto = opcionesServidor(base);
        comoPuesto[comoPuesto.indexOf(servidorPostgres().usuario)] = puesto.usuario;
        s = admin(registrar + comoPuesto + QStringList{QStringLiteral("--clave"), QStringLiteral("caja-secreta")});
        QVERIFY2(s.codigo == 0, qPrintable(s.errores));
        QCOMPARE(QSettings(suite, QSettings::IniFormat).value(QStringLiteral("tienda/usuario")).toString(), puesto.usuario);
        // Y con él se vende: facturas de las dos series, bonos, pagos a cuenta y registros de facturación
        c.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, datoa) values ('VeriFactu', 'Madrid')"));
        c.ejecutar(QStringLiteral("insert into opciones (nombre, cif) values ('Centro', 'B12345674')"));
        QProcess venta;
        venta.start(QStringLiteral(PUESTO_VENTA),
                    {suite, QStringLiteral("6"), QStringLiteral("1")});
        QVERIFY(venta.waitForFinished(120000));
        QVERIFY2(venta.exitCode() == 0, venta.readAllStandardError().constData());
        QCOMPARE(QString::fromUtf8(venta.readAllStandardOutput()).count(QStringLiteral("V ")), 6);
        QCOMPARE(numero(c, QStringLiteral("select count(*) from verifactu_registros")), 3);
        s = admin({QStringLiteral("mostrar-puesto"), QStringLiteral("--suite"), suite});
        QVERIFY2(s.codigo == 0 && s.texto.contains(QStringLiteral("CAJA9")), qPrintable(s.errores));
        QVERIFY(!(s.texto + s.errores).contains(QStringLiteral("caja-secreta")));
        // El modo de cifrado llega a la conexión: este servidor no tiene SSL
        s = admin(registrar + comoPuesto + QStringList{QStringLiteral("--sslmode"), QStringLiteral("require")});
        QVERIFY(s.codigo != 0);
    }
};

QTEST_GUILESS_MAIN(TstOrdenes)
#include "tst_ordenes.moc"
