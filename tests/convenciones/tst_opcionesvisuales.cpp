// Opciones visuales: letra grande y su vuelta atrás exacta, alto contraste
// que aguanta que la pantalla se coloree después y que se deshace entero
#include "plataforma/ColoresEsquemaSql.h"
#include "plataforma/pantalla/OpcionesVisualesPantalla.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

struct Pantalla {
    QDialog d;
    QFrame* marco;
    QLabel* etiqueta;  // hereda la letra del marco
    QPushButton* boton;  // letra propia
    QPushButton* itemPanel;

    Pantalla()
    {
        QFont base = d.font();
        base.setPointSizeF(10);
        d.setFont(base);
        marco = new QFrame(&d);
        marco->setObjectName(QStringLiteral("frDatos"));
        etiqueta = new QLabel(QStringLiteral("Precio"), marco);
        etiqueta->setObjectName(QStringLiteral("lblPrecio"));
        boton = new QPushButton(QStringLiteral("Aceptar"), marco);
        boton->setObjectName(QStringLiteral("cmd_FinVenta"));
        QFont grande = boton->font();
        grande.setPointSizeF(16);
        boton->setFont(grande);
        auto* panel = new QWidget(&d);
        panel->setObjectName(QStringLiteral("PanelServicios"));
        itemPanel = new QPushButton(QStringLiteral("Corte"), panel);
    }

    QList<double> letras() const
    {
        return {d.font().pointSizeF(), etiqueta->font().pointSizeF(), boton->font().pointSizeF(),
                itemPanel->font().pointSizeF()};
    }
};

EsquemaColores esquemaOscuro()
{
    EsquemaColores e = EsquemaColores::deFabrica(5);
    e.fondo = QColor(20, 30, 60);
    e.texto = QColor(60, 60, 90);  // casi no se lee sobre el fondo
    e.boton = QColor(240, 230, 140);
    e.textoBoton = QColor(200, 200, 120);
    return e;
}

}  // namespace

class TstOpcionesVisuales : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Letra tras pasar de una opción a otra, relativa a la de diseño
    void letra_data()
    {
        QTest::addColumn<QList<int>>("opciones");
        QTest::addColumn<double>("factor");
        QTest::addColumn<bool>("negrita");
        QTest::newRow("letra grande") << QList<int>{1} << 1.25 << false;
        QTest::newRow("grande dos veces") << QList<int>{1, 1} << 1.25 << false;
        QTest::newRow("alto contraste") << QList<int>{2} << 1.0 << true;
        QTest::newRow("grande y luego contraste") << QList<int>{1, 2} << 1.0 << true;
        QTest::newRow("contraste y luego grande") << QList<int>{2, 1} << 1.25 << false;
        QTest::newRow("ida y vuelta varias veces") << QList<int>{1, 2, 1, 0, 1, 0} << 1.0 << false;
        QTest::newRow("desconocida es normal") << QList<int>{1, 9} << 1.0 << false;
    }
    void letra()
    {
        QFETCH(QList<int>, opciones);
        QFETCH(double, factor);
        QFETCH(bool, negrita);
        Pantalla p;
        const QList<double> antes = p.letras();
        for (int o : opciones)
            OpcionesVisualesPantalla::aplicar(&p.d, o);
        const QList<double> despues = p.letras();
        // El botón del panel hereda del panel: crece con la pantalla
        for (int i = 0; i < antes.size(); ++i)
            QCOMPARE(despues.at(i), antes.at(i) * factor);
        QCOMPARE(p.boton->font().bold(), negrita);
        QCOMPARE(p.etiqueta->font().bold(), negrita);
    }

    // El contraste se rehace cuando la pantalla se colorea después
    void contrasteTrasColorear()
    {
        Pantalla p;
        OpcionesVisualesPantalla::aplicar(&p.d, 2);
        const EsquemaColores e = esquemaOscuro();
        ColoresEsquemaSql::aplicar(&p.d, e);

        QCOMPARE(p.d.palette().color(QPalette::Window), e.fondo);
        QCOMPARE(p.d.palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(p.etiqueta->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(p.boton->palette().color(QPalette::Button), e.boton);
        QCOMPARE(p.boton->palette().color(QPalette::ButtonText), QColor(Qt::black));

        // Otro esquema claro: el texto pasa a negro
        EsquemaColores claro = e;
        claro.fondo = QColor(250, 250, 230);
        claro.texto = QColor(200, 200, 200);
        ColoresEsquemaSql::aplicar(&p.d, claro);
        QCOMPARE(p.etiqueta->palette().color(QPalette::WindowText), QColor(Qt::black));

        // Volver a normal deja los colores del esquema en vigor y quita la negrita
        OpcionesVisualesPantalla::aplicar(&p.d, 0);
        QCOMPARE(p.d.palette().color(QPalette::Window), claro.fondo);
        QCOMPARE(p.d.palette().color(QPalette::WindowText), claro.texto);
        QCOMPARE(p.etiqueta->palette().color(QPalette::WindowText), claro.texto);
        QVERIFY(!p.boton->font().bold());
        // Y ya no se contrasta al colorear
        ColoresEsquemaSql::aplicar(&p.d, e);
        QCOMPARE(p.etiqueta->palette().color(QPalette::WindowText), e.texto);
    }
};

QTEST_MAIN(TstOpcionesVisuales)
#include "tst_opcionesvisuales.moc"
