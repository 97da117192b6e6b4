// Permisos de los empleados: ocultar y desactivar controles según la tabla
// permisos, solo para ese empleado y esa pantalla; grabar los controles de
// una pantalla para repartir permisos
#include "SesionConvenciones.h"
#include "plataforma/pantalla/GestorPermisosSql.h"
#include "plataforma/pantalla/TraductorSql.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

struct Pantalla {
    QDialog d;
    QPushButton* familias;
    QLabel* lblFamilias;
    QFrame* marco;
    QPushButton* listados;
    QPushButton* itemPanel;

    Pantalla()
    {
        d.setObjectName(QStringLiteral("frmTarvelo"));
        familias = new QPushButton(QStringLiteral("Packs"), &d);
        familias->setObjectName(QStringLiteral("cmd_BFamilias"));
        lblFamilias = new QLabel(QStringLiteral("Bonos Pack Servicios"), &d);
        lblFamilias->setObjectName(QStringLiteral("lbl_BFamilias"));
        marco = new QFrame(&d);
        marco->setObjectName(QStringLiteral("Frame9"));
        listados = new QPushButton(marco);
        listados->setObjectName(QStringLiteral("cmd_BListados"));
        listados->setToolTip(QStringLiteral("Listados de la tienda"));
        auto* panel = new QWidget(&d);
        panel->setObjectName(QStringLiteral("PanelTiendas"));
        itemPanel = new QPushButton(QStringLiteral("Centro"), panel);
        itemPanel->setObjectName(QStringLiteral("btnTienda1"));
        new QPushButton(QStringLiteral("Sin nombre"), &d);
    }

    QWidget* control(const QString& nombre) { return d.findChild<QWidget*>(nombre); }
};

void permiso(const QString& pantalla, const QString& control, int empleado, int visible, int activo)
{
    SesionConvenciones::sql(QStringLiteral("insert into permisos (pantalla, control, empleado, visible, activo) "
                                           "values (?, ?, ?, ?, ?)"),
                            {pantalla, control, empleado, visible, activo});
}

QStringList controles()
{
    return SesionConvenciones::filas(QStringLiteral("select control, descripcion from controles_permisos "
                                                    "where pantalla = 'frmTarvelo' order by control"));
}

}  // namespace

class TstPermisos : public QObject {
    Q_OBJECT

    GestorPermisosSql m_permisos;
    std::unique_ptr<SesionConvenciones> m_sesion;

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        QFETCH_GLOBAL(QString, motor);
        m_sesion = std::make_unique<SesionConvenciones>(motor);
    }
    void cleanup() { m_sesion.reset(); }

    void aplicar_data()
    {
        QTest::addColumn<QString>("pantalla");  // de la fila de permisos
        QTest::addColumn<int>("empleado");      // de la fila de permisos
        QTest::addColumn<int>("visible");
        QTest::addColumn<int>("activo");
        QTest::addColumn<bool>("oculto");
        QTest::addColumn<bool>("desactivado");
        QTest::newRow("oculto") << "frmTarvelo" << 7 << 0 << -1 << true << false;
        QTest::newRow("desactivado") << "frmTarvelo" << 7 << -1 << 0 << false << true;
        QTest::newRow("con todo permitido") << "frmTarvelo" << 7 << -1 << -1 << false << false;
        QTest::newRow("bandera 1 como cierta") << "frmTarvelo" << 7 << 1 << 1 << false << false;
        QTest::newRow("de otro empleado") << "frmTarvelo" << 8 << 0 << 0 << false << false;
        QTest::newRow("de otra pantalla") << "frmBonosServicios" << 7 << 0 << 0 << false << false;
    }
    void aplicar()
    {
        QFETCH(QString, pantalla);
        QFETCH(int, empleado);
        QFETCH(int, visible);
        QFETCH(int, activo);
        QFETCH(bool, oculto);
        QFETCH(bool, desactivado);
        // El mismo control dentro de un marco y uno de un panel con el nombre de la fila
        for (const char* control : {"cmd_BFamilias", "cmd_BListados", "btnTienda1"})
            permiso(pantalla, QLatin1String(control), empleado, visible, activo);
        // Un permiso de un control que la pantalla no tiene no es un error
        permiso(QStringLiteral("frmTarvelo"), QStringLiteral("cmdQueNoExiste"), 7, 0, 0);

        Pantalla p;
        m_permisos.Aplicar(gConexion, &p.d, 7);
        QCOMPARE(p.familias->isHidden(), oculto);
        QCOMPARE(p.familias->isEnabled(), !desactivado);
        QCOMPARE(p.listados->isHidden(), oculto);
        QCOMPARE(p.listados->isEnabled(), !desactivado);
        // Lo de dentro de un panel es del panel, no de los permisos
        QVERIFY(!p.itemPanel->isHidden());
        QVERIFY(p.itemPanel->isEnabled());
        // Lo que no tiene fila se queda como estaba
        QVERIFY(!p.lblFamilias->isHidden());
        QVERIFY(!p.marco->isHidden());
    }

    // Se graban los controles con nombre (sin lo de dentro de los paneles),
    // con su texto de diseño, su ayuda o su clase como descripción
    void grabar()
    {
        SesionConvenciones::sql(QStringLiteral("insert into controles_permisos (pantalla, control, descripcion) "
                                               "values ('frmOtra', 'cmd_Salir', 'Salir')"));
        {
            Pantalla p;
            m_permisos.GrabarControles(gConexion, &p.d);
        }
        QCOMPARE(controles(), QStringList({QStringLiteral("Frame9|QFrame"),
                                           QStringLiteral("PanelTiendas|QWidget"),
                                           QStringLiteral("cmd_BFamilias|Packs"),
                                           QStringLiteral("cmd_BListados|Listados de la tienda"),
                                           QStringLiteral("lbl_BFamilias|Bonos Pack Servicios")}));

        // La pantalla cambió: un control menos, otro texto. Se ve traducida, pero
        // la descripción es su texto en español
        SesionConvenciones::sql(QStringLiteral("insert into ajustes_suite (clave, valor) values ('Idioma', 'en')"));
        SesionConvenciones::sql(QStringLiteral("insert into traducciones (pantalla, control, idioma, texto_original, "
                                               "texto) values ('frmTarvelo', 'cmd_BFamilias', 'en', 'Bonos de packs', "
                                               "'Pack vouchers')"));
        Pantalla p;
        p.familias->setText(QStringLiteral("Bonos de packs"));
        delete p.lblFamilias;
        TraductorSql().Aplicar(gConexion, &p.d);
        QCOMPARE(p.familias->text(), QStringLiteral("Pack vouchers"));
        m_permisos.GrabarControles(gConexion, &p.d);
        QCOMPARE(controles(), QStringList({QStringLiteral("Frame9|QFrame"),
                                           QStringLiteral("PanelTiendas|QWidget"),
                                           QStringLiteral("cmd_BFamilias|Bonos de packs"),
                                           QStringLiteral("cmd_BListados|Listados de la tienda")}));
        // Los de otra pantalla siguen
        QCOMPARE(SesionConvenciones::filas(QStringLiteral("select control from controles_permisos "
                                                          "where pantalla = 'frmOtra'")),
                 QStringList{QStringLiteral("cmd_Salir")});
    }
};

QTEST_MAIN(TstPermisos)
#include "tst_permisos.moc"
