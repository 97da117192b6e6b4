// Traducción de pantallas: grabar los textos originales, traducir según el
// idioma del puesto, no aplicar traducciones de un original que cambió y
// volver al español
#include "SesionConvenciones.h"
#include "plataforma/pantalla/TraductorSql.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Una pantalla con textos de todas las clases y controles que no se traducen
struct Pantalla {
    QDialog d;
    QPushButton* salir;
    QLabel* servicios;
    QGroupBox* datos;
    QLineEdit* cliente;
    QPushButton* itemPanel;

    Pantalla()
    {
        d.setObjectName(QStringLiteral("frmPrueba"));
        d.setWindowTitle(QStringLiteral("Gestion de Bonos"));
        salir = new QPushButton(QStringLiteral("Salir"), &d);
        salir->setObjectName(QStringLiteral("cmd_Salir"));
        salir->setToolTip(QStringLiteral("Cerrar el programa"));
        servicios = new QLabel(QStringLiteral("Bonos Servicios"), &d);
        servicios->setObjectName(QStringLiteral("lbl_BServicios"));
        datos = new QGroupBox(QStringLiteral("Datos del bono"), &d);
        datos->setObjectName(QStringLiteral("frDatos"));
        cliente = new QLineEdit(QStringLiteral("Juan Pérez"), datos);
        cliente->setObjectName(QStringLiteral("txtCliente"));
        auto* bandera = new QLabel(&d);
        bandera->setObjectName(QStringLiteral("Bandera"));
        new QLabel(QStringLiteral("Sin nombre"), &d);
        auto* panel = new QWidget(&d);
        panel->setObjectName(QStringLiteral("PanelServicios"));
        itemPanel = new QPushButton(QStringLiteral("Corte"), panel);
        itemPanel->setObjectName(QStringLiteral("btnItem1"));
    }
};

QStringList originales(const QString& idioma)
{
    return SesionConvenciones::filas(QStringLiteral("select control, texto_original, texto from traducciones "
                                                    "where pantalla = 'frmPrueba' and idioma = ? order by control"),
                                     {idioma});
}

void traduccion(const QString& control, const QString& original, const QVariant& texto)
{
    SesionConvenciones::sql(QStringLiteral("insert into traducciones (pantalla, control, idioma, texto_original, "
                                           "texto) values ('frmPrueba', ?, 'en', ?, ?)"),
                            {control, original, texto});
}

void idioma(const QString& valor)
{
    SesionConvenciones::sql(QStringLiteral("delete from ajustes_suite where clave = 'Idioma'"));
    SesionConvenciones::sql(QStringLiteral("insert into ajustes_suite (clave, valor) values ('Idioma', ?)"), {valor});
}

}  // namespace

class TstTraductor : public QObject {
    Q_OBJECT

    TraductorSql m_traductor;
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

    void idiomaDelPuesto_data()
    {
        QTest::addColumn<QString>("guardado");  // "<sin>": sin fila
        QTest::addColumn<QString>("esperado");
        QTest::newRow("sin ajuste") << "<sin>" << "es";
        QTest::newRow("vacío") << "  " << "es";
        QTest::newRow("inglés") << "en" << "en";
        QTest::newRow("mayúsculas y espacios") << " PT " << "pt";
    }
    void idiomaDelPuesto()
    {
        QFETCH(QString, guardado);
        QFETCH(QString, esperado);
        if (guardado != QLatin1String("<sin>"))
            idioma(guardado);
        QCOMPARE(TraductorSql::idioma(gConexion), esperado);
    }

    // Grabar, traducir, grabar con la pantalla traducida y volver al español
    void idaYVuelta()
    {
        {
            Pantalla p;
            m_traductor.GrabarTextos(gConexion, &p.d);
        }
        const QStringList esperados{
            QStringLiteral("cmd_Salir|Salir|Salir"),
            QStringLiteral("cmd_Salir.ToolTipText|Cerrar el programa|Cerrar el programa"),
            QStringLiteral("frDatos|Datos del bono|Datos del bono"),
            QStringLiteral("frmPrueba|Gestion de Bonos|Gestion de Bonos"),
            QStringLiteral("lbl_BServicios|Bonos Servicios|Bonos Servicios"),
        };
        QCOMPARE(originales(QStringLiteral("es")), esperados);

        idioma(QStringLiteral("en"));
        traduccion(QStringLiteral("cmd_Salir"), QStringLiteral("Salir"), QStringLiteral("Exit"));
        traduccion(QStringLiteral("cmd_Salir.ToolTipText"), QStringLiteral("Cerrar el programa"),
                   QStringLiteral("Close the program"));
        traduccion(QStringLiteral("frmPrueba"), QStringLiteral("Gestion de Bonos"), QStringLiteral("Vouchers"));
        // Traducida de un texto que ya no es el de la pantalla: no se aplica
        traduccion(QStringLiteral("lbl_BServicios"), QStringLiteral("Bonos de Servicios"),
                   QStringLiteral("Service vouchers"));
        // Sin traducir todavía: se queda el original
        traduccion(QStringLiteral("frDatos"), QStringLiteral("Datos del bono"), QVariant());

        Pantalla p;
        m_traductor.Aplicar(gConexion, &p.d);
        QCOMPARE(p.salir->text(), QStringLiteral("Exit"));
        QCOMPARE(p.salir->toolTip(), QStringLiteral("Close the program"));
        QCOMPARE(p.d.windowTitle(), QStringLiteral("Vouchers"));
        QCOMPARE(p.servicios->text(), QStringLiteral("Bonos Servicios"));
        QCOMPARE(p.datos->title(), QStringLiteral("Datos del bono"));
        QCOMPARE(p.cliente->text(), QStringLiteral("Juan Pérez"));
        QCOMPARE(p.itemPanel->text(), QStringLiteral("Corte"));

        // Aplicar dos veces no traduce lo traducido
        m_traductor.Aplicar(gConexion, &p.d);
        QCOMPARE(p.salir->text(), QStringLiteral("Exit"));

        // Grabar con la pantalla en inglés guarda los originales en español; lo que
        // la pantalla cambió después de traducirse es su nuevo original
        p.datos->setTitle(QStringLiteral("Datos de la venta"));
        m_traductor.GrabarTextos(gConexion, &p.d);
        QStringList nuevos = esperados;
        nuevos[2] = QStringLiteral("frDatos|Datos de la venta|Datos de la venta");
        QCOMPARE(originales(QStringLiteral("es")), nuevos);
        // Las traducciones hechas no se tocan; lo que falta en inglés queda pendiente
        QCOMPARE(originales(QStringLiteral("en")),
                 QStringList({QStringLiteral("cmd_Salir|Salir|Exit"),
                              QStringLiteral("cmd_Salir.ToolTipText|Cerrar el programa|Close the program"),
                              QStringLiteral("frDatos|Datos del bono|<nulo>"),
                              QStringLiteral("frmPrueba|Gestion de Bonos|Vouchers"),
                              QStringLiteral("lbl_BServicios|Bonos de Servicios|Service vouchers")}));

        // De vuelta al español, la pantalla recupera sus textos
        idioma(QStringLiteral("es"));
        m_traductor.Aplicar(gConexion, &p.d);
        QCOMPARE(p.salir->text(), QStringLiteral("Salir"));
        QCOMPARE(p.salir->toolTip(), QStringLiteral("Cerrar el programa"));
        QCOMPARE(p.d.windowTitle(), QStringLiteral("Gestion de Bonos"));
        QCOMPARE(p.datos->title(), QStringLiteral("Datos de la venta"));
    }

    // Grabar en una tienda que ya traduce a dos idiomas deja pendientes los
    // textos nuevos en los dos, y los de otra pantalla no se mezclan
    void pendientesEnCadaIdioma()
    {
        for (const char* i : {"en", "pt"})
            SesionConvenciones::sql(QStringLiteral("insert into traducciones (pantalla, control, idioma, "
                                                   "texto_original, texto) values ('frmOtra', 'cmd_X', ?, 'X', 'Y')"),
                                    {QLatin1String(i)});
        Pantalla p;
        m_traductor.GrabarTextos(gConexion, &p.d);
        for (const char* i : {"en", "pt"}) {
            const QStringList filas = originales(QLatin1String(i));
            QCOMPARE(filas.size(), 5);
            for (const QString& f : filas)
                QVERIFY2(f.endsWith(QLatin1String("|<nulo>")), qPrintable(f));
        }
        QCOMPARE(SesionConvenciones::filas(QStringLiteral("select texto from traducciones where pantalla = 'frmOtra'")),
                 QStringList({QStringLiteral("Y"), QStringLiteral("Y")}));
    }
};

QTEST_MAIN(TstTraductor)
#include "tst_traductor.moc"
