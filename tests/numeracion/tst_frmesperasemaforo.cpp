// Pantalla de espera de turno: pasos de la barra, cierre, sitio y aspecto
#include "pantallas/espera/frmEsperaSemaforo.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTest>
#include <QTimer>

class TstFrmEsperaSemaforo : public QObject {
    Q_OBJECT

    // Muestra la pantalla y anota la barra después de cada paso del reloj
    static QList<int> pasos(frmEsperaSemaforo& f, int* resultado = nullptr)
    {
        QList<int> valores;
        auto* reloj = f.findChild<QTimer*>(QStringLiteral("Timer1"));
        auto* barra = f.findChild<QProgressBar*>(QStringLiteral("barra"));
        const auto enlace = connect(reloj, &QTimer::timeout, &f, [&] { valores << barra->value(); });
        const int r = f.exec();
        disconnect(enlace);
        if (resultado)
            *resultado = r;
        return valores;
    }

private Q_SLOTS:
    void cleanup() { frmEsperaSemaforo::ponerEscalaTiempo(1); }

    // Diez pasos de 10 y el undécimo la cierra: una vuelta dura once pasos del
    // reloj (1,1 s a escala real); al volver a mostrarla empieza de cero
    void onceTicksYSeCierra()
    {
        frmEsperaSemaforo::ponerEscalaTiempo(0.05);
        frmEsperaSemaforo f;
        const QList<int> esperados{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 100};
        int resultado = -1;
        f.ponerVuelta(0);
        QElapsedTimer reloj;
        reloj.start();
        QCOMPARE(pasos(f, &resultado), esperados);
        QVERIFY2(reloj.elapsed() >= 11 * frmEsperaSemaforo::intervaloPaso(), qPrintable(QString::number(reloj.elapsed())));
        QCOMPARE(resultado, int(QDialog::Accepted));
        QVERIFY(!f.isVisible());
        QVERIFY(!f.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());

        f.ponerVuelta(7);
        QCOMPARE(pasos(f), esperados);
        QCOMPARE(f.findChild<QLabel*>(QStringLiteral("lblVueltas"))->text(), QStringLiteral("7"));
    }

    void aspectoYSitio()
    {
        frmEsperaSemaforo::ponerEscalaTiempo(0.05);
        frmEsperaSemaforo f;
        f.ponerVuelta(12);
        QRect sitio;
        QStringList textos;
        QColor fondo;
        QTimer::singleShot(0, &f, [&] {
            sitio = f.frameGeometry();
            for (QLabel* l : f.findChildren<QLabel*>())
                if (l->isVisible())
                    textos << l->text();
            fondo = f.palette().color(QPalette::Window);
        });
        f.exec();
        QVERIFY(textos.contains(QStringLiteral("Esperando turno")));
        QVERIFY(textos.contains(QStringLiteral("12")));
        QCOMPARE(fondo, QColor(Qt::white));
        QVERIFY(f.autoFillBackground());
        // Abajo a la derecha, 500 twips por encima del borde inferior
        const QRect pantalla = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(sitio.right(), pantalla.right());
        QCOMPARE(sitio.bottom(), pantalla.bottom() - 33);
    }
};

QTEST_MAIN(TstFrmEsperaSemaforo)
#include "tst_frmesperasemaforo.moc"
