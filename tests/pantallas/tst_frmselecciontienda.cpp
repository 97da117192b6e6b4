// Selección de tienda de la instalación central, en los dos motores
#include "PantallaPrueba.h"
#include "pantallas/menu/frmSeleccionTienda.h"
#include "plataforma/widgets/BotonPanel.h"
#include "plataforma/widgets/Tactipan.h"
#include "principal/Cargadores.h"

#include <QPushButton>
#include <QTest>

class TstFrmSeleccionTienda : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<frmSeleccionTienda> m_pantalla;

    // La tienda como la deja el arranque: opciones de la cadena y sus tiendas
    void abrir(const QStringList& tiendas, const QString& nombreTienda = "Servidor", const QString& multitienda = "S")
    {
        QFETCH_GLOBAL(QString, motor);
        m_db = PantallaPrueba::abrir(motor);
        gConexion.ejecutar(QStringLiteral("insert into opciones (iva, multitienda, nombretienda) values (-1, ?, ?)"),
                           {multitienda, nombreTienda});
        for (const QString& t : tiendas)
            gConexion.ejecutar(QStringLiteral("insert into multitienda (nombre) values (?)"), {t});
        CargarMultitienda();
        if (gNombreTienda == QLatin1String("Servidor") && gMultitienda)
            CargarListaTiendas();
    }

    frmSeleccionTienda& pantalla()
    {
        m_pantalla = std::make_unique<frmSeleccionTienda>();
        m_pantalla->show();
        if (!QTest::qWaitForWindowExposed(m_pantalla.get()))
            qFatal("La selección de tienda no llega a mostrarse");
        return *m_pantalla;
    }

    Tactipan* panel() { return m_pantalla->findChild<Tactipan*>(QStringLiteral("PanelTiendas")); }

    QStringList ofrecidas()
    {
        QStringList l;
        for (int p = 0; p < panel()->paginas(); ++p) {
            panel()->irAPagina(p);
            for (BotonPanel* b : panel()->botonesPagina())
                if (b->isVisible())
                    l << b->text();
        }
        panel()->irAPagina(0);
        return l;
    }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init() { reiniciarGlobales(); }
    void cleanup()
    {
        m_pantalla.reset();
        PantallaPrueba::cerrar();
        m_db.reset();
    }

    void tiendas_data()
    {
        QTest::addColumn<QStringList>("tiendas");
        QTest::addColumn<QStringList>("ofrecidas");
        QTest::newRow("sin la central") << QStringList{"Norte", "Servidor", "Sur"} << QStringList{"Norte", "Sur"};
        QTest::newRow("solo la central") << QStringList{"Servidor"} << QStringList{};
        QStringList muchas{"Servidor"};
        for (int i = 1; i <= 15; ++i)
            muchas << QStringLiteral("Tienda %1").arg(i, 2, 10, QLatin1Char('0'));
        QTest::newRow("más de una página") << muchas << muchas.mid(1);
    }
    void tiendas()
    {
        QFETCH(QStringList, tiendas);
        QFETCH(QStringList, ofrecidas);
        abrir(tiendas);
        pantalla();
        QStringList vistas = this->ofrecidas();
        vistas.sort();
        QCOMPARE(vistas, ofrecidas);
        // Sin tiendas se dice; con ellas, botones grandes para el dedo, y la
        // pulsada es la elegida
        QCOMPARE(m_pantalla->findChild<QWidget*>(QStringLiteral("lblSinTiendas"))->isVisible(), ofrecidas.isEmpty());
        if (ofrecidas.isEmpty())
            return;
        BotonPanel* b = panel()->botonesPagina().constLast();
        QVERIFY2(b->width() >= 200 && b->height() >= 100, qPrintable(QStringLiteral("%1 x %2").arg(b->width()).arg(b->height())));
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(gTiendaSeleccionada, b->text());
        QVERIFY(!m_pantalla->isVisible());
    }

    // "Salir" y "Aceptar" cierran sin tienda, aunque hubiera una de antes
    void cerrarSinElegir_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::newRow("Salir") << "cmd_Salir";
        QTest::newRow("Aceptar") << "Command1";
    }
    void cerrarSinElegir()
    {
        QFETCH(QString, boton);
        abrir({"Servidor", "Centro"});
        gTiendaSeleccionada = QStringLiteral("Centro");
        pantalla();
        QCOMPARE(gTiendaSeleccionada, QString());
        QTest::mouseClick(m_pantalla->findChild<QPushButton*>(boton), Qt::LeftButton);
        QVERIFY(!m_pantalla->isVisible());
        QCOMPARE(gTiendaSeleccionada, QString());
    }

    // Se escala del diseño al tamaño de diseño en vigor y de ahí al del puesto
    void escala_data()
    {
        QTest::addColumn<QSize>("diseno");
        QTest::addColumn<QSize>("puesto");
        QTest::newRow("1920x1080") << QSize(1024, 739) << QSize(1920, 1080);
        QTest::newRow("otro diseño") << QSize(1280, 800) << QSize(1920, 1080);
    }
    void escala()
    {
        QFETCH(QSize, diseno);
        QFETCH(QSize, puesto);
        abrir({"Servidor", "Centro", "Delicias"});
        gAnchoDiseno = diseno.width() * 15.0;
        gAltoDiseno = diseno.height() * 15.0;
        gAnchoPantalla = puesto.width() * 15.0;
        gAltoPantalla = puesto.height() * 15.0;
        pantalla();
        QCOMPARE(m_pantalla->size(), puesto);
        // Lo de dentro crece con ella y no se sale
        auto* salir = m_pantalla->findChild<QPushButton*>(QStringLiteral("cmd_Salir"));
        QVERIFY(salir->width() > 164);  // su ancho de diseño
        QVERIFY(m_pantalla->rect().contains(salir->geometry()));
    }
};

QTEST_MAIN(TstFrmSeleccionTienda)
#include "tst_frmselecciontienda.moc"
