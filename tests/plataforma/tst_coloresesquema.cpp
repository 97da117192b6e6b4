// Esquemas de colores: colores como texto BGR, valores de fábrica, y una
// pantalla coloreada de verdad respetando los controles con colores propios
#include "BaseDatosPrueba.h"
#include "datos/Error.h"
#include "plataforma/ColorBgr.h"
#include "plataforma/ColoresEsquemaSql.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TstColoresEsquema : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<Conexion> m_con;
    ColoresEsquemaSql m_colores;

    // Base nueva en el motor de la fila en curso; las pruebas sin base de datos no la abren
    void abrir()
    {
        QFETCH_GLOBAL(QString, motor);
        m_db = std::make_unique<BaseDatosPrueba::Temporal>(motor);
        m_con = std::make_unique<Conexion>();
        m_con->abrir(m_db->tienda());
    }

    void esquema(int numero, const QColor& fondo, const QColor& texto, const QColor& boton, const QColor& textoBoton)
    {
        m_con->ejecutar(QStringLiteral("insert into esquemas_colores (esquema, nombre, color_fondo, color_texto, "
                                       "color_boton, color_texto_boton) values (?, 'Prueba', ?, ?, ?, ?)"),
                        {numero, ColorBgr::aTexto(fondo), ColorBgr::aTexto(texto), ColorBgr::aTexto(boton),
                         ColorBgr::aTexto(textoBoton)});
    }

private Q_SLOTS:
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void cleanup()
    {
        m_con.reset();
        m_db.reset();
    }

    void colorBgr_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QColor>("esperado");  // inválido: no es un color
        QTest::newRow("rojo") << "255" << QColor(255, 0, 0);
        QTest::newRow("azul") << "16711680" << QColor(0, 0, 255);
        QTest::newRow("mezcla") << "12648447" << QColor(255, 255, 192);
        QTest::newRow("con espacios") << " 255 " << QColor(255, 0, 0);
        QTest::newRow("guardado como decimal") << "255.0" << QColor(255, 0, 0);
        QTest::newRow("hexadecimal heredado") << "&HFF0000&" << QColor(0, 0, 255);
        QTest::newRow("html") << "#336699" << QColor(0x33, 0x66, 0x99);
        QTest::newRow("vacío") << "" << QColor();
        QTest::newRow("color del sistema") << "-2147483633" << QColor();
        QTest::newRow("demasiado grande") << "16777216" << QColor();
        QTest::newRow("con decimales") << "255.5" << QColor();
    }
    // Y de vuelta a texto da el mismo color
    void colorBgr()
    {
        QFETCH(QString, texto);
        QFETCH(QColor, esperado);
        const QColor porDefecto(1, 2, 3);
        const QColor c = ColorBgr::aColor(texto, porDefecto);
        QCOMPARE(c, esperado.isValid() ? esperado : porDefecto);
        if (esperado.isValid())
            QCOMPARE(ColorBgr::aColor(ColorBgr::aTexto(c)), c);
    }

    // Colores de una fila, con lo que falta o no se lee tomado de fábrica
    void colores()
    {
        abrir();
        m_con->ejecutar(QStringLiteral("insert into esquemas_colores (esquema, nombre, color1, color2, color3, color4, "
                                       "color_foco, color_marca) values (2, 'Rosa', '255', '&HFF00&', '16711680', "
                                       "'', '12648447', null)"));
        const EsquemaColores fabrica = EsquemaColores::deFabrica(2);
        QCOMPARE(m_colores.Color(*m_con, 2, 2), QStringLiteral("65280"));
        QCOMPARE(m_colores.Color(*m_con, 2, 4), ColorBgr::aTexto(fabrica.colores[3]));
        QCOMPARE(m_colores.ColorFoco(*m_con, 2), QStringLiteral("12648447"));
        QCOMPARE(m_colores.ColorMarca(*m_con, 2), ColorBgr::aTexto(fabrica.marca));
        QCOMPARE(ColoresEsquemaSql::leer(*m_con, 2).nombre, QStringLiteral("Rosa"));

        // Un esquema sin fila: todo de fábrica, y distinto entre sí para que los paneles se distingan
        QStringList paleta;
        for (int i = 1; i <= 4; ++i)
            paleta << m_colores.Color(*m_con, 7, i);
        QCOMPARE(paleta.size(), 4);
        QCOMPARE(QSet<QString>(paleta.begin(), paleta.end()).size(), 4);
        QCOMPARE(m_colores.ColorMarca(*m_con, 7), QStringLiteral("255"));
        QVERIFY(m_colores.ColorFoco(*m_con, 7) != ColorBgr::aTexto(Qt::white));

        for (int fuera : {0, 5})
            QVERIFY_THROWS_EXCEPTION(ErrorTarvelo, m_colores.Color(*m_con, 2, fuera));
    }

    void aplicar()
    {
        abrir();
        const QColor fondo(10, 40, 90), texto(250, 240, 200), boton(200, 30, 60), textoBoton(5, 5, 5);
        esquema(3, fondo, texto, boton, textoBoton);

        QWidget pantalla;
        pantalla.resize(400, 300);
        auto* marco = new QFrame(&pantalla);
        marco->setObjectName(QStringLiteral("frDatos"));
        marco->setGeometry(200, 0, 200, 150);
        auto* etiqueta = new QLabel(QStringLiteral("Precio"), marco);
        etiqueta->setObjectName(QStringLiteral("lblPrecio"));
        auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), marco);
        aceptar->setObjectName(QStringLiteral("cmd_FinVenta"));
        auto* propio = new QPushButton(QStringLiteral("Otro"), &pantalla);
        propio->setObjectName(QStringLiteral("cmdOtro"));
        QPalette verde = propio->palette();
        verde.setColor(QPalette::Button, Qt::green);
        propio->setPalette(verde);
        auto* panel = new QWidget(&pantalla);
        panel->setObjectName(QStringLiteral("PanelServicios"));
        auto* item = new QPushButton(QStringLiteral("Corte"), panel);
        auto* logo = new QLabel(&pantalla);
        logo->setObjectName(QStringLiteral("imgLogo"));
        auto* marca = new QPushButton(QStringLiteral("Modificando"), &pantalla);
        marca->setObjectName(QStringLiteral("cmdModificacionInfo"));
        marca->setProperty("conservarColores", true);
        const QColor botonAntes = item->palette().color(QPalette::Button);
        const QColor textoLogoAntes = logo->palette().color(QPalette::WindowText);
        const QColor marcaAntes = marca->palette().color(QPalette::Button);
        QVERIFY(botonAntes != boton);

        m_colores.Aplicar(&pantalla, 3, *m_con);

        QCOMPARE(pantalla.palette().color(QPalette::Window), fondo);
        QVERIFY(pantalla.autoFillBackground());
        QVERIFY(marco->autoFillBackground());
        QCOMPARE(marco->palette().color(QPalette::Window), fondo);
        QCOMPARE(etiqueta->palette().color(QPalette::WindowText), texto);
        QCOMPARE(aceptar->palette().color(QPalette::Button), boton);
        QCOMPARE(aceptar->palette().color(QPalette::ButtonText), textoBoton);
        QCOMPARE(propio->palette().color(QPalette::Button), boton);
        QCOMPARE(item->palette().color(QPalette::Button), botonAntes);
        QCOMPARE(logo->palette().color(QPalette::WindowText), textoLogoAntes);
        QCOMPARE(marca->palette().color(QPalette::Button), marcaAntes);
        // Y se ve: el fondo pintado de la pantalla y del marco es el del esquema
        const QImage imagen = pantalla.grab().toImage();
        QCOMPARE(imagen.pixelColor(100, 290), fondo);
        QCOMPARE(imagen.pixelColor(390, 140), fondo);
    }
};

QTEST_MAIN(TstColoresEsquema)
#include "tst_coloresesquema.moc"
