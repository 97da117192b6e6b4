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
    void abrir(const QString& motor, const QStringList& tiendas, const QString& nombreTienda = "Servidor",
               const QString& multitienda = "S")
    {
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
    void init() { reiniciarGlobales(); }
    void cleanup()
    {
        m_pantalla.reset();
        PantallaPrueba::cerrar();
        m_db.reset();
    }

    void tiendas_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QStringList>("tiendas");
        QTest::addColumn<QStringList>("ofrecidas");
        for (const QString& m : BaseDatosPrueba::motores()) {
            const QByteArray n = m.toUtf8();
            QTest::addRow("%s/cadena", n.data()) << m << QStringList{"Servidor", "Centro", "Delicias", "Parquesol"}
                                                 << QStringList{"Centro", "Delicias", "Parquesol"};
            QTest::addRow("%s/Servidor en medio", n.data()) << m << QStringList{"Norte", "Servidor", "Sur"}
                                                            << QStringList{"Norte", "Sur"};
            QTest::addRow("%s/solo la central", n.data()) << m << QStringList{"Servidor"} << QStringList{};
            QTest::addRow("%s/sin tiendas", n.data()) << m << QStringList{} << QStringList{};
            QStringList muchas{"Servidor"}, ofrecidas;
            for (int i = 1; i <= 15; ++i)
                muchas << QStringLiteral("Tienda %1").arg(i, 2, 10, QLatin1Char('0'));
            ofrecidas = muchas.mid(1);
            QTest::addRow("%s/más de una página", n.data()) << m << muchas << ofrecidas;
        }
    }
    void tiendas()
    {
        QFETCH(QString, motor);
        QFETCH(QStringList, tiendas);
        QFETCH(QStringList, ofrecidas);
        abrir(motor, tiendas);
        pantalla();
        QVERIFY(panel()->isVisible());
        QCOMPARE(panel()->elementosDibujados(), ofrecidas.size());
        QStringList vistas = this->ofrecidas();
        vistas.sort();
        QCOMPARE(vistas, ofrecidas);
        QVERIFY(!vistas.contains(QStringLiteral("Servidor")));
        // Sin tiendas se dice; con ellas, botones grandes para el dedo
        QCOMPARE(m_pantalla->findChild<QWidget*>(QStringLiteral("lblSinTiendas"))->isVisible(), ofrecidas.isEmpty());
        for (BotonPanel* b : panel()->botonesPagina()) {
            if (!b->isVisible())
                continue;
            QVERIFY2(b->width() >= 200 && b->height() >= 100,
                     qPrintable(QStringLiteral("%1: %2 x %3").arg(b->text()).arg(b->width()).arg(b->height())));
        }
    }

    void pulsarTienda_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<int>("boton");
        for (const QString& m : BaseDatosPrueba::motores()) {
            QTest::addRow("%s/primera", qPrintable(m)) << m << 0;
            QTest::addRow("%s/tercera", qPrintable(m)) << m << 2;
        }
    }
    void pulsarTienda()
    {
        QFETCH(QString, motor);
        QFETCH(int, boton);
        abrir(motor, {"Servidor", "Centro", "Delicias", "Parquesol"});
        pantalla();
        BotonPanel* b = panel()->botonesPagina().value(boton);
        QVERIFY(b);
        const QString nombre = b->text();
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(gTiendaSeleccionada, nombre);
        QVERIFY(!m_pantalla->isVisible());
    }

    // "Salir" y "Aceptar" cierran sin tienda, aunque hubiera una de antes
    void cerrarSinElegir_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("texto");
        for (const QString& m : BaseDatosPrueba::motores()) {
            QTest::addRow("%s/Salir", qPrintable(m)) << m << "cmd_Salir" << "Salir";
            QTest::addRow("%s/Aceptar", qPrintable(m)) << m << "Command1" << "Aceptar";
        }
    }
    void cerrarSinElegir()
    {
        QFETCH(QString, motor);
        QFETCH(QString, boton);
        QFETCH(QString, texto);
        abrir(motor, {"Servidor", "Centro"});
        gTiendaSeleccionada = QStringLiteral("Centro");
        pantalla();
        QCOMPARE(gTiendaSeleccionada, QString());
        auto* b = m_pantalla->findChild<QPushButton*>(boton);
        QVERIFY(b);
        QCOMPARE(b->text(), texto);
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(!m_pantalla->isVisible());
        QCOMPARE(gTiendaSeleccionada, QString());
    }

    // Fuera de la central de una cadena no hay panel de tiendas
    void fueraDeLaCentral_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("nombreTienda");
        QTest::addColumn<QString>("multitienda");
        for (const QString& m : BaseDatosPrueba::motores()) {
            QTest::addRow("%s/tienda de la cadena", qPrintable(m)) << m << "Centro" << "S";
            QTest::addRow("%s/Servidor sin cadena", qPrintable(m)) << m << "Servidor" << "N";
        }
    }
    void fueraDeLaCentral()
    {
        QFETCH(QString, motor);
        QFETCH(QString, nombreTienda);
        QFETCH(QString, multitienda);
        abrir(motor, {"Servidor", "Centro"}, nombreTienda, multitienda);
        pantalla();
        QVERIFY(!panel()->isVisible());
    }

    // Se escala del diseño al tamaño de diseño en vigor y de ahí al del puesto
    void escala_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QSize>("diseno");
        QTest::addColumn<QSize>("puesto");
        for (const QString& m : BaseDatosPrueba::motores()) {
            QTest::addRow("%s/1024x768", qPrintable(m)) << m << QSize(1024, 739) << QSize(1024, 768);
            QTest::addRow("%s/1920x1080", qPrintable(m)) << m << QSize(1024, 739) << QSize(1920, 1080);
            QTest::addRow("%s/otro diseño", qPrintable(m)) << m << QSize(1280, 800) << QSize(1920, 1080);
        }
    }
    void escala()
    {
        QFETCH(QString, motor);
        QFETCH(QSize, diseno);
        QFETCH(QSize, puesto);
        abrir(motor, {"Servidor", "Centro", "Delicias"});
        gAnchoDiseno = diseno.width() * 15.0;
        gAltoDiseno = diseno.height() * 15.0;
        gAnchoPantalla = puesto.width() * 15.0;
        gAltoPantalla = puesto.height() * 15.0;
        pantalla();
        QCOMPARE(m_pantalla->size(), puesto);
        // Lo de dentro guarda su sitio en proporción a la pantalla
        auto* salir = m_pantalla->findChild<QPushButton*>(QStringLiteral("cmd_Salir"));
        const double fx = puesto.width() / 1024.0, fy = puesto.height() / 739.0;
        QVERIFY(qAbs(salir->x() + salir->width() - 1004 * fx) <= 2);
        QVERIFY(qAbs(salir->y() - 659 * fy) <= 2);
        QVERIFY(salir->geometry().bottom() < m_pantalla->height());
    }
};

QTEST_MAIN(TstFrmSeleccionTienda)
#include "tst_frmselecciontienda.moc"
