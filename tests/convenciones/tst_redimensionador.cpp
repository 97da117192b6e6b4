// Escalado de pantallas: geometría y letra proporcionales, controles en
// capas, vuelta atrás exacta, factor de ancho de las rejillas y tamaños que
// no valen
#include "datos/Error.h"
#include "plataforma/pantalla/RedimensionadorPantalla.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

constexpr double kT = 15.0;  // twips por píxel

// Pantalla de 1024 x 768 con controles colocados a mano y una columna en capa
struct Pantalla {
    QDialog d;
    QFrame* marco;
    QPushButton* boton;
    QLabel* etiqueta;
    QFrame* columna;
    QPushButton* enCapa;
    QWidget* panel;
    QPushButton* itemPanel;

    Pantalla()
    {
        d.setObjectName(QStringLiteral("frmPrueba"));
        d.resize(1024, 768);
        QFont base = d.font();
        base.setPointSizeF(10);
        d.setFont(base);
        marco = new QFrame(&d);
        marco->setObjectName(QStringLiteral("frDatos"));
        marco->setGeometry(10, 20, 500, 300);
        boton = new QPushButton(QStringLiteral("Aceptar"), marco);
        boton->setObjectName(QStringLiteral("cmd_FinVenta"));
        boton->setGeometry(30, 40, 200, 80);
        QFont grande = boton->font();
        grande.setPointSizeF(16);
        boton->setFont(grande);
        QPixmap icono(16, 16);
        icono.fill(Qt::red);
        boton->setIcon(QIcon(icono));
        boton->setIconSize(QSize(40, 40));
        etiqueta = new QLabel(QStringLiteral("Precio"), marco);
        etiqueta->setObjectName(QStringLiteral("lblPrecio"));
        etiqueta->setGeometry(250, 41, 123, 33);

        columna = new QFrame(&d);
        columna->setObjectName(QStringLiteral("frColumna"));
        columna->setGeometry(600, 100, 300, 400);
        auto* capa = new QVBoxLayout(columna);
        capa->setContentsMargins(8, 8, 8, 8);
        capa->setSpacing(10);
        enCapa = new QPushButton(QStringLiteral("Salir"), columna);
        enCapa->setObjectName(QStringLiteral("cmd_Salir"));
        enCapa->setMinimumSize(120, 60);
        capa->addWidget(enCapa);

        panel = new QWidget(&d);
        panel->setObjectName(QStringLiteral("PanelServicios"));
        panel->setGeometry(10, 400, 400, 300);
        itemPanel = new QPushButton(QStringLiteral("Corte"), panel);
        itemPanel->setGeometry(5, 5, 100, 50);
    }

    // Lo que se compara entre una escala y su vuelta
    QList<QVariant> medidas() const
    {
        QList<QVariant> m;
        for (const QWidget* w : std::initializer_list<const QWidget*>{&d, marco, boton, etiqueta, columna, enCapa,
                                                                      panel})
            m << w->geometry() << w->font().pointSizeF() << w->minimumSize() << w->maximumSize();
        m << boton->iconSize() << columna->layout()->contentsMargins().left() << columna->layout()->spacing();
        return m;
    }
};

// Una geometría escalada, a medio píxel como mucho de la exacta
void cerca(const QRect& real, const QRectF& esperado)
{
    const QRectF d(real.x() - esperado.x(), real.y() - esperado.y(), real.width() - esperado.width(),
                   real.height() - esperado.height());
    QVERIFY2(qMax(qMax(qAbs(d.x()), qAbs(d.y())), qMax(qAbs(d.width()), qAbs(d.height()))) <= 0.5 + 1e-9,
             qPrintable(QDebug::toString(real)));
}

QRectF por(const QRect& r, double fx, double fy)
{
    return QRectF(r.x() * fx, r.y() * fy, r.width() * fx, r.height() * fy);
}

}  // namespace

class TstRedimensionador : public QObject {
    Q_OBJECT

    Conexion m_sinUso;  // el escalado no usa la base de datos

private Q_SLOTS:
    void proporcional_data()
    {
        QTest::addColumn<QSize>("destino");  // píxeles; la referencia es 1024 x 768
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("mismo tamaño") << QSize(1024, 768);
    }
    void proporcional()
    {
        QFETCH(QSize, destino);
        Pantalla p;
        const double fx = destino.width() / 1024.0, fy = destino.height() / 768.0, fl = std::min(fx, fy);
        const QRect marco = p.marco->geometry(), boton = p.boton->geometry(), etiqueta = p.etiqueta->geometry();
        const QRect columna = p.columna->geometry(), panel = p.panel->geometry();
        const QRect item = p.itemPanel->geometry();

        RedimensionadorPantalla r;
        r.Redimensionar(m_sinUso, &p.d, destino.width() * kT, destino.height() * kT, 1024 * kT, 768 * kT);

        QCOMPARE(p.d.size(), destino);
        cerca(p.marco->geometry(), por(marco, fx, fy));
        cerca(p.boton->geometry(), por(boton, fx, fy));
        cerca(p.etiqueta->geometry(), por(etiqueta, fx, fy));
        cerca(p.columna->geometry(), por(columna, fx, fy));
        cerca(p.panel->geometry(), por(panel, fx, fy));
        // Lo de dentro de un panel lo coloca el panel
        QCOMPARE(p.itemPanel->geometry(), item);
        // Letra por el menor de los factores, la propia y la heredada
        QCOMPARE(p.boton->font().pointSizeF(), 16 * fl);
        QCOMPARE(p.etiqueta->font().pointSizeF(), 10 * fl);
        QCOMPARE(p.itemPanel->font().pointSizeF(), 10 * fl);
        QCOMPARE(p.boton->iconSize(), QSize(qRound(40 * fl), qRound(40 * fl)));
        // El control en capa: su mínimo y los márgenes de la capa
        QCOMPARE(p.enCapa->minimumSize(), QSize(qRound(120 * fx), qRound(60 * fy)));
        QCOMPARE(p.columna->layout()->contentsMargins().left(), qRound(8 * fx));
        QCOMPARE(p.columna->layout()->contentsMargins().top(), qRound(8 * fy));
        QCOMPARE(p.columna->layout()->spacing(), qRound(10 * fl));
        QCOMPARE(r.FactorAncho(), fx);
    }

    // Ir y volver por varios tamaños deja cada medida exactamente como estaba
    void idaYVuelta()
    {
        Pantalla p;
        p.enCapa->setFixedSize(130, 55);  // un tamaño fijo también crece y vuelve
        const QList<QVariant> antes = p.medidas();
        RedimensionadorPantalla r;
        const QList<QSize> tamanos{{1920, 1080}, {1366, 768}, {800, 600}, {1280, 1024}, {1024, 768}};
        QSize desde(1024, 768);
        for (const QSize& hasta : tamanos) {
            r.Redimensionar(m_sinUso, &p.d, hasta.width() * kT, hasta.height() * kT, desde.width() * kT,
                            desde.height() * kT);
            desde = hasta;
        }
        QCOMPARE(p.medidas(), antes);
        QCOMPARE(r.FactorAncho(), 1.0);
    }

    // Dos escalas seguidas (diseño -> diseño del puesto -> pantalla) dan lo
    // mismo que una; el factor de ancho es el acumulado de la última pantalla
    void dosEscalas()
    {
        Pantalla una, dos;
        RedimensionadorPantalla r;
        QCOMPARE(r.FactorAncho(), 1.0);
        r.Redimensionar(m_sinUso, &una.d, 1920 * kT, 1080 * kT, 1024 * kT, 768 * kT);
        r.Redimensionar(m_sinUso, &dos.d, 1280 * kT, 960 * kT, 1024 * kT, 768 * kT);
        QCOMPARE(r.FactorAncho(), 1.25);
        r.Redimensionar(m_sinUso, &dos.d, 1920 * kT, 1080 * kT, 1280 * kT, 960 * kT);
        QCOMPARE(r.FactorAncho(), 1.875);
        QCOMPARE(dos.medidas(), una.medidas());
        // Cada pantalla guarda el suyo
        QCOMPARE(RedimensionadorPantalla::factorAnchoDe(&una.d), 1.875);
    }

    void tamanosNoValidos_data()
    {
        QTest::addColumn<QList<double>>("tamanos");  // destino ancho, alto; referencia ancho, alto
        QTest::newRow("destino cero") << QList<double>{0, 11520, 15360, 11520};
        QTest::newRow("referencia cero") << QList<double>{15360, 11520, 15360, 0};
        QTest::newRow("infinito") << QList<double>{qInf(), 11520, 15360, 11520};
    }
    void tamanosNoValidos()
    {
        QFETCH(QList<double>, tamanos);
        Pantalla p;
        const QList<QVariant> antes = p.medidas();
        RedimensionadorPantalla r;
        try {
            r.Redimensionar(m_sinUso, &p.d, tamanos[0], tamanos[1], tamanos[2], tamanos[3]);
            QFAIL("Un tamaño que no vale tiene que dar un error");
        } catch (const ErrorTarvelo& e) {
            QVERIFY2(e.descripcion().contains(QLatin1String("mayores que cero")), qPrintable(e.descripcion()));
        }
        QCOMPARE(p.medidas(), antes);
    }
};

QTEST_MAIN(TstRedimensionador)
#include "tst_redimensionador.moc"
