// Arranque de verdad hasta el menú: la selección de tienda de la central y
// el menú principal, manejados como lo haría una persona
#include "PantallaPrueba.h"
#include "plataforma/widgets/BotonPanel.h"
#include "plataforma/widgets/Tactipan.h"
#include "principal/Arranque.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TstPrimerasPantallas : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    QStringList m_vistas;  // pantallas que se han visto, en orden
    std::vector<std::unique_ptr<QTimer>> m_vigias;

    void preparar(const QString& nombreTienda, const QString& multitienda)
    {
        QFETCH_GLOBAL(QString, motor);
        m_db = PantallaPrueba::abrir(motor);
        ConfiguracionSuite::guardarIdentificadorPuesto(QStringLiteral("PRUEBA-%1").arg(QCoreApplication::applicationPid()));
        gConexion.ejecutar(QStringLiteral("insert into opciones (iva, utilizacolores_fpago, numdecimales, "
                                          "utilizacolores_empleados, modopantallacaja, multitienda, nombretienda) "
                                          "values (-1, 0, 2, 0, 0, ?, ?)"),
                           {multitienda, nombreTienda});
        for (const char* t : {"Servidor", "Centro", "Delicias"})
            gConexion.ejecutar(QStringLiteral("insert into multitienda (nombre) values (?)"), {QLatin1String(t)});
        // Main abre su propia conexión
        gConexion.cerrar();
    }

    // Cuando se abra la pantalla, se anota y se pulsa en ella lo que diga pulsar
    void alAbrirse(const QString& nombre, std::function<QWidget*(QWidget*)> pulsar)
    {
        m_vigias.push_back(PantallaPrueba::alAbrirse(nombre, [this, pulsar](QWidget* pantalla) {
            m_vistas << pantalla->objectName() + QLatin1Char('|') + gTiendaSeleccionada;
            QWidget* boton = pulsar(pantalla);
            if (boton)
                QTest::mouseClick(boton, Qt::LeftButton);
            else
                pantalla->close();
        }));
    }

    static QWidget* tienda(QWidget* pantalla, const QString& nombre)
    {
        for (BotonPanel* b : pantalla->findChild<Tactipan*>(QStringLiteral("PanelTiendas"))->botonesPagina())
            if (b->text() == nombre)
                return b;
        return nullptr;
    }

    static QWidget* salir(QWidget* pantalla) { return pantalla->findChild<QPushButton*>(QStringLiteral("cmd_Salir")); }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        reiniciarGlobales();
        m_vistas.clear();
        Arranque::restablecerPantallas();
    }
    void cleanup()
    {
        m_vigias.clear();
        PantallaPrueba::cerrar();
        m_db.reset();
    }

    void primerasPantallas_data()
    {
        QTest::addColumn<QString>("multitienda");
        QTest::addColumn<QString>("nombreTienda");
        QTest::addColumn<QString>("elegida");
        QTest::addColumn<QStringList>("vistas");
        QTest::newRow("central elige") << "S" << "Servidor" << "Delicias"
            << QStringList{"frmSeleccionTienda|", "frmTarvelo|Delicias"};
        QTest::newRow("central sale") << "T" << "Servidor" << "" << QStringList{"frmSeleccionTienda|"};
        QTest::newRow("tienda de cadena") << "S" << "Centro" << "" << QStringList{"frmTarvelo|"};
        QTest::newRow("Servidor sin cadena") << "N" << "Servidor" << "" << QStringList{"frmTarvelo|"};
    }
    void primerasPantallas()
    {
        QFETCH(QString, multitienda);
        QFETCH(QString, nombreTienda);
        QFETCH(QString, elegida);
        QFETCH(QStringList, vistas);
        preparar(nombreTienda, multitienda);
        alAbrirse(QStringLiteral("frmSeleccionTienda"), [elegida](QWidget* p) {
            return elegida.isEmpty() ? salir(p) : tienda(p, elegida);
        });
        alAbrirse(QStringLiteral("frmTarvelo"), [](QWidget* p) {
            // El menú que se ve es el de verdad
            auto* titulo = p->findChild<QLabel*>(QStringLiteral("lblTitulo"));
            return titulo && titulo->text() == QLatin1String("SELECCIONE SU OPCION") ? salir(p) : nullptr;
        });
        QCOMPARE(Arranque::Main(), Arranque::Resultado::Terminado);
        QCOMPARE(m_vistas, vistas);
        QCOMPARE(gTiendaSeleccionada, elegida);
        QCOMPARE(Mensajes::anotados(), QStringList());
    }
};

QTEST_MAIN(TstPrimerasPantallas)
#include "tst_primeraspantallas.moc"
