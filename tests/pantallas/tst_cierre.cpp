// Una pantalla se cierra solo con sus propios botones: ni Escape ni el aspa
// del gestor de ventanas la cierran
#include "PantallaPrueba.h"
#include "pantallas/espera/frmEsperaSemaforo.h"
#include "pantallas/menu/frmSeleccionTienda.h"
#include "pantallas/menu/frmTarvelo.h"

#include <QCloseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWindow>

class TstCierre : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;

    static std::unique_ptr<QDialog> crear(const QString& pantalla)
    {
        if (pantalla == QLatin1String("frmTarvelo"))
            return std::make_unique<frmTarvelo>();
        if (pantalla == QLatin1String("frmSeleccionTienda"))
            return std::make_unique<frmSeleccionTienda>();
        return std::make_unique<frmEsperaSemaforo>();
    }

private Q_SLOTS:
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void cleanup()
    {
        frmEsperaSemaforo::ponerEscalaTiempo(1);
        PantallaPrueba::cerrar();
        m_db.reset();
    }

    void soloConSusBotones_data()
    {
        QTest::addColumn<QString>("pantalla");
        QTest::addColumn<QString>("boton");  // "" = se cierra sola al acabar la vuelta
        QTest::newRow("menú") << "frmTarvelo" << "cmd_Salir";
        QTest::newRow("tiendas") << "frmSeleccionTienda" << "cmd_Salir";
        QTest::newRow("espera") << "frmEsperaSemaforo" << "";
    }
    void soloConSusBotones()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, pantalla);
        QFETCH(QString, boton);
        m_db = PantallaPrueba::abrir(motor);
        frmEsperaSemaforo::ponerEscalaTiempo(0.2);
        const std::unique_ptr<QDialog> d = crear(pantalla);
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        auto* barra = d->findChild<QProgressBar*>(QStringLiteral("barra"));

        QWidget* foco = d->focusWidget() ? d->focusWidget() : d.get();
        QTest::keyClick(foco, Qt::Key_Escape);
        // El aspa: el gestor de ventanas manda el cierre a la ventana
        QCloseEvent aspa;
        QCoreApplication::sendEvent(d->windowHandle(), &aspa);
        QVERIFY(d->isVisible());
        if (barra)
            QVERIFY(barra->value() < 100);

        if (boton.isEmpty()) {
            QTRY_VERIFY(!d->isVisible());
            QCOMPARE(barra->value(), 100);
            QCOMPARE(d->result(), int(QDialog::Accepted));
        } else {
            QTest::mouseClick(d->findChild<QPushButton*>(boton), Qt::LeftButton);
            QVERIFY(!d->isVisible());
        }
    }
};

QTEST_MAIN(TstCierre)
#include "tst_cierre.moc"
