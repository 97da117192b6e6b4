// Convenciones comunes de las pantallas: orden de carga, los tres botones de
// ajuste del puesto pulsados como lo haría una persona, la ayuda que sube y
// baja, y el botón de mantenimiento
#include "DatosBase.h"
#include "Modal.h"
#include "SesionConvenciones.h"
#include "pantallas/comun/ConvencionesPantalla.h"
#include "plataforma/DialogoEleccion.h"
#include "plataforma/pantalla/OpcionesVisualesPantalla.h"
#include "plataforma/pantalla/RedimensionadorPantalla.h"
#include "plataforma/pantalla/Visorel.h"
#include "principal/Mensajes.h"

#include <QDialog>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr double kT = 15.0;

// Pantalla de prueba de 1024 x 768 que usa las convenciones como cualquier otra
class frmPrueba : public DialogoPantalla {
public:
    explicit frmPrueba(bool opcionPropia = false)
    {
        setObjectName(QStringLiteral("frmPrueba"));
        setWindowTitle(QStringLiteral("Pantalla de prueba"));
        resize(1024, 768);
        conv = new ConvencionesPantalla(this, QStringLiteral("prueba.html"));
        conv->usarOpcionVisualPropia(opcionPropia);
        frSuperior = new QFrame(this);
        frSuperior->setObjectName(QStringLiteral("frSuperior"));
        frSuperior->setGeometry(0, 60, 1024, 100);
        fr_SeparacionH1 = new QFrame(this);
        fr_SeparacionH1->setObjectName(QStringLiteral("fr_SeparacionH1"));
        fr_SeparacionH1->setGeometry(0, 160, 1024, 10);
        conv->ponerDestinoAyuda(frSuperior, fr_SeparacionH1);
        precio = new QLabel(QStringLiteral("Precio"), frSuperior);
        precio->setObjectName(QStringLiteral("lblPrecio"));
        precio->setGeometry(20, 10, 300, 40);
        QFont f = precio->font();
        f.setPointSizeF(12);
        precio->setFont(f);
        conv->marcoAjustes()->move(800, 700);
        conv->cmd_Ayuda()->setGeometry(20, 690, 150, 60);
        Command1 = new QPushButton(QStringLiteral("Mantenimiento"), this);
        Command1->setObjectName(QStringLiteral("Command1"));
        Command1->setToolTip(QStringLiteral("Genera caption para traduccion Generar Atributos para permisos"));
        Command1->setGeometry(200, 690, 150, 60);
        connect(Command1, &QPushButton::clicked, conv, &ConvencionesPantalla::grabarMantenimiento);
    }

    void cargar(const std::function<void()>& contenido = {}) { conv->cargar(contenido); }

    ConvencionesPantalla* conv;
    QFrame* frSuperior;
    QFrame* fr_SeparacionH1;
    QLabel* precio;
    QPushButton* Command1;
};

// El escalado de verdad, contando las veces que se llama
int& escalados()
{
    static int n = 0;
    return n;
}
struct RedimensionadorContado : RedimensionadorPantalla {
    void Redimensionar(Conexion& c, QWidget* p, double a, double b, double ra, double rb) override
    {
        ++escalados();
        RedimensionadorPantalla::Redimensionar(c, p, a, b, ra, rb);
    }
};

// Sesión de 1024 x 768 diseñada a 1024 x 768: cargar no cambia el tamaño
void tamanosDeSesion()
{
    gAnchoDiseno = gAnchoPantalla = 1024 * kT;
    gAltoDiseno = gAltoPantalla = 768 * kT;
    gEsquemaColores = 1;
}

}  // namespace

class TstConvenciones : public QObject {
    Q_OBJECT

    QTemporaryDir m_programa;

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void initTestCase()
    {
        QVERIFY(m_programa.isValid());
        QDir(m_programa.path()).mkpath(QStringLiteral("ayudas"));
        QFile f(m_programa.filePath(QStringLiteral("ayudas/prueba.html")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><body><h1>Ayuda de prueba</h1><p>Texto de prueba.</p></body></html>");
        f.close();
        ponerCarpetaPrograma(m_programa.path());
        Mensajes::activarModoPrueba(true);
    }

    void init()
    {
        reiniciarGlobales();
        Componentes::reiniciar();
        DialogoEleccion::quitarSiguienteRespuesta();
        Mensajes::limpiarAnotados();
        ConvencionesPantalla::ponerEscalaTiempo(0);
        escalados() = 0;
    }

    void cleanup()
    {
        Componentes::reiniciar();
        DialogoEleccion::quitarSiguienteRespuesta();
        ConvencionesPantalla::ponerEscalaTiempo(1);
    }

    // fr_Zoom1: otro tamaño escala la pantalla y se guarda en el puesto; el
    // mismo tamaño otra vez no escala
    void zoomTamano()
    {
        QFETCH_GLOBAL(QString, motor);
        SesionConvenciones s(motor);
        tamanosDeSesion();
        Componentes::sustituir(std::unique_ptr<Redimensionador>(new RedimensionadorContado));
        frmPrueba p;
        p.cargar();
        QCOMPARE(escalados(), 1);
        QCOMPARE(p.size(), QSize(1024, 768));

        DialogoEleccion::ponerSiguienteRespuesta(QSize(1920, 1080));
        QTest::mouseClick(p.conv->fr_Zoom1(), Qt::LeftButton);
        QCOMPARE(escalados(), 2);
        QCOMPARE(p.size(), QSize(1920, 1080));
        QCOMPARE(p.frSuperior->geometry(), QRect(0, qRound(60 * 1080 / 768.0), 1920, qRound(100 * 1080 / 768.0)));
        QCOMPARE(p.precio->font().pointSizeF(), 12 * 1080 / 768.0);
        QCOMPARE(SesionConvenciones::filas(QStringLiteral("select ancho_pantalla, alto_pantalla from puestos "
                                                          "where identificador = 'CAJA-1'")),
                 QStringList{QStringLiteral("28800|16200")});
        // La ayuda aparcada sigue justo debajo del borde
        QCOMPARE(p.conv->topAyuda(), 1080 * kT);
        QCOMPARE(p.conv->Open1()->y(), 1080);

        // El mismo tamaño, eligiéndolo en la pantalla de elección
        auto vigia = Modal::elegirAlAbrirse(QStringLiteral("1920 x 1080"));
        QTest::mouseClick(p.conv->fr_Zoom1(), Qt::LeftButton);
        QVERIFY(!vigia->isActive());
        QCOMPARE(escalados(), 2);
        QCOMPARE(p.size(), QSize(1920, 1080));
    }

    // fr_Zoom2: la opción elegida se guarda en el puesto y se aplica; la
    // pantalla con opción propia no toca gOpcionVisual
    void zoomOpcionVisual_data()
    {
        QTest::addColumn<bool>("opcionPropia");
        QTest::newRow("del puesto") << false;
        QTest::newRow("propia") << true;
    }
    void zoomOpcionVisual()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(bool, opcionPropia);
        SesionConvenciones s(motor);
        tamanosDeSesion();
        frmPrueba p(opcionPropia);
        p.cargar();
        auto vigia = Modal::elegirAlAbrirse(QStringLiteral("Letra grande"));
        QTest::mouseClick(p.conv->fr_Zoom2(), Qt::LeftButton);
        QVERIFY(!vigia->isActive());
        QCOMPARE(OpcionesVisualesPantalla::opcionDe(&p), 1);
        QCOMPARE(p.precio->font().pointSizeF(), 12 * OpcionesVisualesPantalla::kFactorLetraGrande);
        QCOMPARE(gOpcionVisual, opcionPropia ? 0 : 1);
        QCOMPARE(p.conv->opcionVisualPropia(), opcionPropia ? 1 : 0);
        QCOMPARE(SesionConvenciones::filas(QStringLiteral("select opcion_visual from puestos")),
                 QStringList{QStringLiteral("1")});
        // Cancelar deja la opción en vigor
        DialogoEleccion::ponerSiguienteRespuesta(QVariant());
        QTest::mouseClick(p.conv->fr_Zoom2(), Qt::LeftButton);
        QCOMPARE(OpcionesVisualesPantalla::opcionDe(&p), 1);
        QCOMPARE(p.precio->font().pointSizeF(), 12 * OpcionesVisualesPantalla::kFactorLetraGrande);
    }

    // Los iconos de ajuste se leen en los cinco esquemas de fábrica: su tinta
    // contrasta con el fondo del botón al menos 3 a 1
    void iconosLegibles()
    {
        QFETCH_GLOBAL(QString, motor);
        SesionConvenciones s(motor);
        tamanosDeSesion();
        DatosBase::sembrar(gConexion, QStringLiteral("PELUQUERIA"));
        const auto luz = [](const QColor& c) {
            const auto lineal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * lineal(c.redF()) + 0.7152 * lineal(c.greenF()) + 0.0722 * lineal(c.blueF()) + 0.05;
        };
        for (int esquema = 1; esquema <= 5; ++esquema) {
            gEsquemaColores = esquema;
            frmPrueba p;
            p.cargar();
            // Los de trazos (las muestras de colores tienen sus propios colores)
            for (QToolButton* b : {p.conv->fr_Zoom1(), p.conv->fr_Zoom2()}) {
                // La tinta: el color más repetido de los píxeles opacos del icono
                const QImage icono = b->icon().pixmap(64).toImage();
                QHash<QRgb, int> cuenta;
                for (int y = 0; y < icono.height(); ++y)
                    for (int x = 0; x < icono.width(); ++x)
                        if (qAlpha(icono.pixel(x, y)) == 255)
                            ++cuenta[icono.pixel(x, y)];
                QVERIFY(!cuenta.isEmpty());
                const QColor tinta = QColor::fromRgb(std::max_element(cuenta.keyValueBegin(), cuenta.keyValueEnd(),
                                                                      [](auto a, auto b) { return a.second < b.second; })
                                                         ->first);
                const double a = luz(tinta), f = luz(b->palette().color(QPalette::Button));
                QVERIFY2(std::max(a, f) / std::min(a, f) >= 3,
                         qPrintable(QStringLiteral("esquema %1, %2").arg(esquema).arg(b->objectName())));
            }
        }
    }

    // Un fallo de la base de datos al pulsar un ajuste: mensaje y nada cambia
    void zoomConError()
    {
        QFETCH_GLOBAL(QString, motor);
        SesionConvenciones s(motor);
        tamanosDeSesion();
        frmPrueba p;
        p.cargar();
        gConexion.cerrar();
        DialogoEleccion::ponerSiguienteRespuesta(2);
        QTest::mouseClick(p.conv->fr_Zoom3(), Qt::LeftButton);
        QCOMPARE(Mensajes::anotados().size(), 1);
        QCOMPARE(gEsquemaColores, 1);
        QVERIFY(p.isEnabled());
    }

    // La ayuda sube hasta debajo del separador y, al cerrarla, baja hasta el borde
    void ayudaAbreYCierra()
    {
        frmPrueba p;
        p.conv->ColocarAyuda();
        Visorel* visor = p.conv->Open1();
        QTest::mouseClick(p.conv->cmd_Ayuda(), Qt::LeftButton);
        QVERIFY(p.conv->ayudaAbriendo());
        QCOMPARE(p.conv->paginaAyuda(), QDir(m_programa.path()).filePath(QStringLiteral("ayudas/prueba.html")));
        QCOMPARE(p.conv->topAyuda(), 768 * kT);
        QCOMPARE(visor->height(), 768 - 70);
        QVERIFY(!visor->isHidden());
        QVERIFY(visor->paginaEncontrada());
        QVERIFY(visor->navegador()->toPlainText().contains(QLatin1String("Texto de prueba")));

        // Arriba del marco superior (60) más el alto del separador (10)
        const double destino = 70 * kT;
        QCOMPARE(p.conv->destinoAyuda(), destino);
        QTRY_VERIFY(!p.conv->tmrAyuda()->isActive());
        QCOMPARE(p.conv->topAyuda(), destino);
        QCOMPARE(visor->y(), 70);

        QTest::mouseClick(visor->botonCerrar(), Qt::LeftButton);
        QVERIFY(visor->property("cerrar").toBool());
        QVERIFY(!p.conv->ayudaAbriendo());
        QTRY_VERIFY(!p.conv->tmrAyuda()->isActive());
        QCOMPARE(p.conv->topAyuda(), 768 * kT);
        QCOMPARE(visor->y(), 768);
        QVERIFY(visor->isHidden());
    }

    // Una página que no está se explica en el visor
    void ayudaSinPagina()
    {
        frmPrueba p;
        p.conv->ColocarAyuda();
        p.conv->ponerPaginaAyuda(QStringLiteral("no_existe.html"));
        QTest::mouseClick(p.conv->cmd_Ayuda(), Qt::LeftButton);
        Visorel* visor = p.conv->Open1();
        QVERIFY(!visor->paginaEncontrada());
        QVERIFY(visor->navegador()->toPlainText().contains(QStringLiteral("No se encuentra la página de ayuda")));
        QVERIFY(visor->navegador()->toPlainText().contains(QLatin1String("no_existe.html")));
    }

    // Command1 graba textos y controles; un permiso sobre un botón de ajuste
    // lo oculta en las pantallas que se carguen después. Al cargar, la
    // pantalla se traduce y los permisos alcanzan también a lo que crea su
    // contenido
    void mantenimiento()
    {
        QFETCH_GLOBAL(QString, motor);
        SesionConvenciones s(motor);
        tamanosDeSesion();
        {
            frmPrueba p;
            p.cargar();
            QTest::mouseClick(p.Command1, Qt::LeftButton);
        }
        QVERIFY(Mensajes::anotados().isEmpty());
        const QStringList textos = SesionConvenciones::filas(
            QStringLiteral("select control, texto_original from traducciones where pantalla = 'frmPrueba' "
                           "and idioma = 'es' order by control"));
        for (const char* t : {"cmd_Ayuda|Ayuda", "fr_Zoom1.ToolTipText|Tamaño de pantalla", "lblPrecio|Precio"})
            QVERIFY2(textos.contains(QString::fromUtf8(t)), t);
        const QStringList controles = SesionConvenciones::filas(
            QStringLiteral("select control from controles_permisos where pantalla = 'frmPrueba'"));
        for (const char* c : {"fr_Zoom1", "cmd_Ayuda", "Open1", "lblPrecio"})
            QVERIFY2(controles.contains(QLatin1String(c)), c);
        QVERIFY(!controles.contains(QLatin1String("cmdCerrarAyuda")));  // dentro del visor

        SesionConvenciones::sql(QStringLiteral("insert into permisos (pantalla, control, empleado, visible, activo) "
                                               "values ('frmPrueba', 'fr_Zoom1', 7, 0, -1), "
                                               "('frmPrueba', 'Command1', 7, -1, 0), "
                                               "('frmPrueba', 'lblTarde', 7, 0, -1)"));
        SesionConvenciones::sql(QStringLiteral("insert into ajustes_suite (clave, valor) values ('Idioma', 'en')"));
        SesionConvenciones::sql(QStringLiteral("insert into traducciones (pantalla, control, idioma, texto_original, "
                                               "texto) values ('frmPrueba', 'lblPrecio', 'en', 'Precio', 'Price')"));
        gEmpleadoTerminal = 7;
        frmPrueba p;
        QLabel* tarde = nullptr;
        p.cargar([&] { (tarde = new QLabel(QStringLiteral("Tarde"), &p))->setObjectName(QStringLiteral("lblTarde")); });
        QCOMPARE(p.precio->text(), QStringLiteral("Price"));
        QVERIFY(tarde->isHidden());
        QVERIFY(p.conv->fr_Zoom1()->isHidden());
        QVERIFY(!p.conv->fr_Zoom2()->isHidden());
        QVERIFY(!p.Command1->isEnabled());
    }
};

QTEST_MAIN(TstConvenciones)
#include "tst_convenciones.moc"
