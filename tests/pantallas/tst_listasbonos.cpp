// Listas de bonos de la venta, su consumo y sus botones, en los dos motores
#include "VentaPrueba.h"
#include "datos/Componentes.h"
#include "registros/ListasBonos.h"

#include <QHeaderView>
#include <QLabel>

using namespace VentaPrueba;

namespace {

const QDate kHoy = QDate::currentDate();

// Bonos que cubren cada lista: número, cliente, pack, estado, desde y hasta en días desde hoy, tienda
struct Bono {
    int num, cliente;
    bool pack;
    int estado, desde, hasta;
    const char* tienda;
};
const Bono kBonos[] = {
    {1, 1, false, 0, -180, 0, "Centro"},   {2, 2, false, 0, -10, 30, "Otra"},   {3, 3, false, 0, -200, -10, "Centro"},
    {4, 4, false, 0, -600, -400, "Centro"}, {5, 1, false, -1, -30, 100, "Centro"}, {6, 2, false, -1, -500, 100, "Centro"},
    {7, 3, true, 0, -190, -10, "Centro"},  {8, 4, true, 0, -20, 30, "Otra"},    {9, 1, true, -1, -30, -5, "Centro"},
    {10, 2, true, 0, -100, 0, "Centro"},
};

void sembrarBonos()
{
    Conexion& c = gConexion;
    c.ejecutar(QStringLiteral("update clientes set tienda = 'Centro' where codigo = 1"));
    c.ejecutar(QStringLiteral("update clientes set tienda = 'Otra' where codigo = 2"));
    c.ejecutar(QStringLiteral("insert into clientes (codigo, nombre, apellidos, tienda) values "
                              "(3, 'Mariana', 'Ruiz', 'Centro'), (4, 'Alba', 'Sanz', 'Centro')"));
    c.ejecutar(QStringLiteral("insert into detalle_familia (familia, servicio) values (5, 3), (5, 7)"));
    const QVariant nulo(QMetaType::fromType<int>());
    for (const Bono& b : kBonos)
        c.ejecutar(QStringLiteral("insert into cabecera_bonos (numbono, cliente, empleado, servicio, familia, precio, "
                                  "fecha_alta, fecha_desde, fecha_hasta, num_sesiones, estado, tienda) "
                                  "values (?, ?, 1, ?, ?, 100, ?, ?, ?, 5, ?, ?)"),
                   {b.num, b.cliente, b.pack ? nulo : QVariant(3), b.pack ? QVariant(5) : nulo, kHoy.addDays(b.desde),
                    kHoy.addDays(b.desde), kHoy.addDays(b.hasta), b.estado, QString::fromLatin1(b.tienda)});
}

// Sesiones de un bono: días desde hoy, empleado (99 no existe) y tienda
void consumir(int bono, const QList<std::tuple<int, int, const char*>>& sesiones)
{
    for (const auto& [dias, empleado, tienda] : sesiones)
        gConexion.ejecutar(QStringLiteral("insert into detalle_bono (num_bono, fecha_consumo, empleado, tienda) "
                                          "values (?, ?, ?, ?)"),
                           {bono, kHoy.addDays(dias), empleado, QString::fromLatin1(tienda)});
}

struct FactorFijo : Redimensionador {
    void Redimensionar(Conexion&, QWidget*, double, double, double, double) override {}
    double FactorAncho() override { return 1.25; }
};
struct LanzadorAnotador : Lanzador {
    QStringList& lanzados;
    explicit LanzadorAnotador(QStringList& l) : lanzados(l) {}
    void Arrancar(const QString& programa, const QString&, Conexion&) override { lanzados << programa; }
};

// Cada pestaña y su lista
const QHash<QString, const char*> kListas{{"lblBonosActivos", "grid_BonosActivos"},
                                          {"lblBonosCaducados", "grid_BonosCaducados"},
                                          {"lblHistorico", "grid_BonosInActivos"}};

}  // namespace

class TstListasBonos : public QObject {
    Q_OBJECT

    std::unique_ptr<Pantalla> p;
    QStringList m_lanzados;

    Rejilla* rejilla(const char* nombre) const { return p->w<Rejilla>(QLatin1String(nombre)); }
    // Números de las filas que se ven, con "*" las marcadas de caducadas
    QStringList numeros(const char* nombre) const
    {
        Rejilla* r = rejilla(nombre);
        QStringList l;
        for (int f = 1; f < r->filas(); ++f)
            if (!r->filaOculta(f))
                l << r->texto(f, 0) + (r->colorFondo(f, 0) == QColor(Qt::yellow) ? QStringLiteral("*") : QString());
        return l;
    }
    int fila(Rejilla* r, const QString& numero) const
    {
        for (int f = 1; f < r->filas(); ++f)
            if (r->texto(f, 0) == numero)
                return f;
        qFatal("No está el bono %s", qPrintable(numero));
    }
    void pulsarFila(const char* lista, const QString& numero) const
    {
        Rejilla* r = rejilla(lista);
        QTest::mouseClick(r->viewport(), Qt::LeftButton, {},
                          r->visualRect(r->model()->index(fila(r, numero) - 1, 1)).center());
    }
    template <class... T>
    static void columnas(const std::array<const char*, sizeof...(T)>& nombres)
    {
        int i = 0;
        (QTest::addColumn<T>(nombres[i++]), ...);
    }
    template <class... T>
    static void fila(const char* nombre, const T&... v)
    {
        (QTest::newRow(nombre) << ... << v);
    }
    void abrir(int modo, bool enCentral = false, const std::function<void()>& antes = {})
    {
        QFETCH_GLOBAL(QString, motor);
        p = std::make_unique<Pantalla>(motor, modo, QLatin1Char(','));
        sembrarBonos();
        if (antes)
            antes();
        gMultitienda = enCentral;
        gNombreTienda = enCentral ? QStringLiteral("Servidor") : QStringLiteral("Centro");
        gTiendaSeleccionada = QStringLiteral("Centro");
        gAnyosCaducidadMax = 3;
        Componentes::sustituir(std::make_unique<FactorFijo>());
        Componentes::sustituir(std::make_unique<LanzadorAnotador>(m_lanzados));
        p->abrir();
    }

private Q_SLOTS:
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        reiniciarGlobales();
        m_lanzados.clear();
    }
    void cleanup() { p.reset(); }

    // Qué bono va en cada lista; en packs, todos los de estado 0 aunque sea en la central
    void listas_data()
    {
        columnas<int, bool, QStringList, QStringList>({"modo", "enCentral", "activos", "caducados"});
        fila("servicios", 0, false, QStringList{"2", "1"}, QStringList{"3*", "1"});
        fila("servicios/central", 0, true, QStringList{"1"}, QStringList{"3*", "1"});
        fila("packs", 1, false, QStringList{"10", "8", "7*"}, QStringList{"7*", "10"});
        fila("packs/central", 1, true, QStringList{"10", "8", "7*"}, QStringList{"7*", "10"});
    }
    void listas()
    {
        QFETCH(int, modo);
        QFETCH(bool, enCentral);
        QFETCH(QStringList, activos);
        QFETCH(QStringList, caducados);
        abrir(modo, enCentral);
        // Se empieza por los activos, con su pestaña marcada
        QVERIFY(p->visible(QStringLiteral("grid_BonosActivos")) && !p->visible(QStringLiteral("frCaducados")));
        const auto fondo = [this](const char* l) { return p->w(QLatin1String(l))->palette().color(QPalette::Window); };
        QVERIFY(fondo("lblBonosActivos") != fondo("lblHistorico"));
        QCOMPARE(numeros("grid_BonosActivos"), activos);
        // Rejilla preparada: anchos por el factor, ocultas y alineaciones
        Rejilla* a = rejilla("grid_BonosActivos");
        QCOMPARE(a->anchoColumna(0), 1000.0);
        QCOMPARE(a->alineacionColumna(0), Qt::AlignHCenter);
        QCOMPARE(a->anchoColumna(12), 1250.0);
        QCOMPARE(a->alineacionColumna(12), Qt::AlignLeft);
        for (int c : {8, 9, 10, 11, 13})
            QVERIFY(a->isColumnHidden(c));
        QCOMPARE(a->texto(0, 2), modo ? QStringLiteral("Familia") : QStringLiteral("Servicio"));

        p->pulsar(QStringLiteral("lblBonosCaducados"));
        QCOMPARE(numeros("grid_BonosCaducados"), caducados);
        QVERIFY(p->visible(QStringLiteral("frCaducados")));
        QCOMPARE(p->w<QLabel>(QStringLiteral("lblnumbonos"))->text(), QStringLiteral("(%1)").arg(caducados.size()));
        QVERIFY(fondo("lblBonosCaducados") != fondo("lblBonosActivos"));
        // El histórico es de servicios en los dos modos, con una columna más para las usadas
        p->pulsar(QStringLiteral("lblHistorico"));
        QVERIFY(!p->visible(QStringLiteral("frCaducados")));
        QCOMPARE(numeros("grid_BonosInActivos"), QStringList{"5"});
        Rejilla* h = rejilla("grid_BonosInActivos");
        QCOMPARE(h->columnas(), 8);
        QCOMPARE(h->anchoColumna(7), 1250.0);
        QCOMPARE(h->alineacionColumna(7), Qt::AlignLeft);
    }

    // Años de los caducados (el bono 4 acabó hace más de un año): cmdMas y cmdMenos dan la vuelta
    void anyos_data()
    {
        columnas<int, QString, QString, int>({"maximo", "pulsaciones", "rotulo", "bonos"});
        fila("+", 3, QString("+"), QString("2 años"), 3);
        fila("+ al máximo", 3, QString("+++"), QString("1 año"), 2);
        fila("- en 1", 3, QString("-"), QString("3 años"), 3);
        fila("- con máximo 1", 1, QString("-"), QString("1 años"), 2);
        fila("+ con máximo 1", 1, QString("+"), QString("1 año"), 2);
    }
    void anyos()
    {
        QFETCH(int, maximo);
        QFETCH(QString, pulsaciones);
        QFETCH(QString, rotulo);
        QFETCH(int, bonos);
        abrir(0);
        gAnyosCaducidadMax = maximo;
        for (QChar c : pulsaciones)
            p->pulsar(c == QLatin1Char('+') ? QStringLiteral("cmdMas") : QStringLiteral("cmdMenos"));
        QCOMPARE(p->w<QLabel>(QStringLiteral("lblCaducidad"))->text(), rotulo);
        QVERIFY(p->visible(QStringLiteral("grid_BonosCaducados")));
        QCOMPARE(numeros("grid_BonosCaducados").size(), bonos);
        QCOMPARE(p->w<QLabel>(QStringLiteral("lblnumbonos"))->text(), QStringLiteral("(%1)").arg(bonos));
    }

    // "an" y luego "a": en activos se juzga todo otra vez; en el histórico, lo oculto sigue oculto
    void filtro_data()
    {
        columnas<QString, QStringList>({"pestana", "visibles"});
        fila("activos", QString("lblBonosActivos"), QStringList{"Alba Sanz", "Mariana Ruiz", "Ana García"});
        fila("historico", QString("lblHistorico"), QStringList{"Ana García"});
    }
    void filtro()
    {
        QFETCH(QString, pestana);
        QFETCH(QStringList, visibles);
        abrir(0, false, [] {
            for (int c = 1; c <= 4; ++c)
                gConexion.ejecutar(QStringLiteral("insert into cabecera_bonos (numbono, cliente, servicio, fecha_desde, "
                                                  "fecha_hasta, estado) values (?, ?, 1, ?, ?, -1), (?, ?, 1, ?, ?, 0)"),
                                   {20 + c, c, kHoy, kHoy.addDays(9), 30 + c, c, kHoy, kHoy.addDays(9)});
        });
        p->pulsar(pestana);
        QLineEdit* buscar = p->caja(QStringLiteral("txtBuscar"));
        QTest::keyClicks(buscar, QStringLiteral("an"));
        QTest::keyClick(buscar, Qt::Key_Backspace);
        Rejilla* r = rejilla(kListas.value(pestana));
        QStringList nombres;
        for (int f = 1; f < r->filas(); ++f)
            if (!r->filaOculta(f) && r->texto(f, 0).toInt() > 20)
                nombres << r->texto(f, 1);
        QCOMPARE(nombres, visibles);
        // Cambiar de pestaña vacía el filtro y devuelve las filas a la lista que se veía
        p->pulsar(QStringLiteral("lblBonosCaducados"));
        QCOMPARE(buscar->text(), QString());
        for (int f = 1; f < r->filas(); ++f)
            QVERIFY(!r->filaOculta(f));
    }

    // Consumo del bono pulsado: por fecha, "Venta Compartida" sin empleado, las usadas en su fila
    void consumo_data()
    {
        columnas<QString, QString, bool, QStringList, bool>({"pestana", "numero", "enCentral", "empleados", "botones"});
        const QStringList todas{"Venta Compartida", "Marta López", "Pedro Ruiz"};
        fila("activos", QString("lblBonosActivos"), QString("1"), false, todas, true);
        fila("activos/central", QString("lblBonosActivos"), QString("1"), true, todas.mid(0, 2), false);
        fila("caducados", QString("lblBonosCaducados"), QString("1"), false, todas, true);
        fila("historico", QString("lblHistorico"), QString("5"), false, QStringList{"Venta Compartida"}, false);
        fila("sin consumo", QString("lblBonosActivos"), QString("2"), false, QStringList{}, true);
    }
    void consumo()
    {
        QFETCH(QString, pestana);
        QFETCH(QString, numero);
        QFETCH(bool, enCentral);
        QFETCH(QStringList, empleados);
        QFETCH(bool, botones);
        abrir(0, enCentral, [] {
            consumir(1, {{-5, 1, "Centro"}, {-20, 99, "Centro"}, {-1, 2, "Otra"}});
            consumir(5, {{-3, 99, "Centro"}});
        });
        Rejilla* consumo = rejilla("grid_consumo");
        const int lleno = consumo->height();
        p->pulsar(pestana);
        const bool historico = pestana == QLatin1String("lblHistorico");
        pulsarFila(kListas.value(pestana), numero);
        QStringList vistos;
        for (int f = 1; f < consumo->filas(); ++f) {
            vistos << consumo->texto(f, 1);
            QVERIFY(f == 1 || Valores::leerFecha(consumo->texto(f - 1, 0)) < Valores::leerFecha(consumo->texto(f, 0)));
        }
        QCOMPARE(vistos, empleados);
        QCOMPARE(consumo->anchoColumna(1), 2125.0);
        // La fecha cabe entera en su columna
        if (consumo->filas() > 1)
            QVERIFY(consumo->anchoColumna(0) * consumo->logicalDpiX() / 1440.0 >
                    consumo->fontMetrics().horizontalAdvance(consumo->texto(1, 0)));
        Rejilla* r = rejilla(kListas.value(pestana));
        QCOMPARE(r->texto(fila(r, numero), historico ? 7 : 6), QString::number(empleados.size()));
        for (const char* b : {"cmdBorrar", "cmdProgramar", "cmdAnulacion", "cmd_ModificarBono"})
            QCOMPARE(p->visible(QLatin1String(b)), botones);
        // Con activos o caducados el consumo deja sitio a los botones
        QCOMPARE(consumo->height() < lleno - 10, !historico);
    }

    // El bono 2 se desactiva cuando sus sesiones no pasan de las consumidas (5)
    void desactivar_data()
    {
        columnas<QString, int>({"sesiones", "estado"});
        fila("5", QString("5"), -1);
        fila("6", QString("6"), 0);
        fila("4", QString("4"), -1);
        fila("5,5", QString("5,5"), 0);
    }
    void desactivar()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, sesiones);
        QFETCH(int, estado);
        p = std::make_unique<Pantalla>(motor, 0, QLatin1Char(','));
        sembrarBonos();
        consumir(2, {{-1, 1, "Centro"}, {-2, 1, "Centro"}, {-3, 1, "Otra"}, {-4, 2, "Centro"}, {-5, 99, "Centro"}});
        consumir(1, {{-1, 1, "Centro"}});
        DesactivarBono(QStringLiteral("2"), sesiones);
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select estado from cabecera_bonos where numbono = 2")),
                 estado);
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select count(*) from cabecera_bonos where estado = -1")),
                 estado == -1 ? 4 : 3);
        QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, DesactivarBono(QStringLiteral("2"), QStringLiteral("cinco")));
    }

    // Los botones actúan sobre la fila elegida de la lista que se ve
    void botones_data()
    {
        columnas<int, QString, QString, QString>({"modo", "numero", "servicios", "cliente"});
        fila("servicios", 0, QString("2"), QString("3"), QString("2"));
        fila("packs", 1, QString("8"), QString("3,7"), QString("4"));
    }
    void botones()
    {
        QFETCH(int, modo);
        QFETCH(QString, numero);
        QFETCH(QString, servicios);
        QFETCH(QString, cliente);
        abrir(modo);
        // Un título elige la columna entera (y ordena por ella): no hay un bono elegido
        Rejilla* activos = rejilla("grid_BonosActivos");
        QTest::mouseClick(activos->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(activos->columnViewportPosition(1) + 5, 5));
        QVERIFY(activos->texto(1, 1) <= activos->texto(2, 1));
        p->pulsar(QStringLiteral("cmdProgramar"));
        QCOMPARE(Mensajes::anotados().size(), 1);
        QVERIFY(Mensajes::anotados().constFirst().endsWith(QStringLiteral("|Seleccione un bono de la lista")));
        // Cambiar de pestaña esconde los botones
        pulsarFila("grid_BonosActivos", numero);
        p->pulsar(QStringLiteral("lblBonosCaducados"));
        QVERIFY(!p->visible(QStringLiteral("cmdProgramar")));
        p->pulsar(QStringLiteral("lblBonosActivos"));
        QVERIFY(!p->visible(QStringLiteral("cmd_ModificarBono")));
        // A la agenda: el servicio (o los del pack) y el cliente del bono
        pulsarFila("grid_BonosActivos", numero);
        p->pulsar(QStringLiteral("cmdProgramar"));
        QCOMPARE(m_lanzados.size(), 1);
        Consulta c(gConexion, QStringLiteral("select texto1, texto2 from pasardatos where terminal = ?"),
                   {gIdentificadorPuesto});
        QVERIFY(c.siguiente());
        QCOMPARE(c.texto(QStringLiteral("texto1")) + QLatin1Char('|') + c.texto(QStringLiteral("texto2")),
                 servicios + QLatin1Char('|') + cliente);
        QCOMPARE(Mensajes::anotados().size(), 1);
    }
};

QTEST_MAIN(TstListasBonos)
#include "tst_listasbonos.moc"
