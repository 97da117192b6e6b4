// Panel táctil: páginas, entradas vacías, pulsación, colores, imágenes y reinicio
#include "plataforma/ColorBgr.h"
#include "plataforma/widgets/BotonPanel.h"
#include "plataforma/widgets/Tactipan.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ElementoPanel)

namespace {

ElementoPanel elemento(int n, const QString& color = QStringLiteral("16777215"), const QString& imagen = {})
{
    return ElementoPanel{QStringLiteral("Servicio %1").arg(n), color, imagen, QStringLiteral("datos %1").arg(n),
                         QString(), QString::number(n)};
}

// Lista como la cargan las pantallas: n elementos y la última entrada vacía
ListaPanel lista(int n)
{
    ListaPanel l;
    for (int i = 1; i <= n; ++i)
        l.append(elemento(i, QString::number(i * 40503 % 16777216)));
    l.append(ElementoPanel{});
    return l;
}

QStringList textos(const Tactipan& panel)
{
    QStringList t;
    for (BotonPanel* b : panel.botonesPagina())
        t.append(b->text());
    return t;
}

}  // namespace

class TstTactipan : public QObject {
    Q_OBJECT

    std::unique_ptr<Tactipan> m_panel;

    Tactipan& nuevo(const ListaPanel& l, int columnas = 4, int filas = 3)
    {
        m_panel = std::make_unique<Tactipan>();
        m_panel->resize(800, 600);
        m_panel->ponerCuadricula(columnas, filas);
        m_panel->inicializar();
        m_panel->show();
        m_panel->cargar(l);
        m_panel->redibujar();
        return *m_panel;
    }

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<ElementoPanel>(); }
    void cleanup() { m_panel.reset(); }

    void paginas_data()
    {
        QTest::addColumn<int>("columnas");  // 0: según el tamaño mínimo de botón
        QTest::addColumn<int>("filas");
        QTest::addColumn<int>("elementos");
        QTest::addColumn<int>("porPagina");
        QTest::addColumn<int>("paginas");
        QTest::addColumn<int>("enUltima");
        // Cuadrícula fija de 4 x 3
        QTest::newRow("justos: la entrada vacía no abre página") << 4 << 3 << 12 << 12 << 1 << 12;
        QTest::newRow("uno de más") << 4 << 3 << 13 << 12 << 2 << 1;
        QTest::newRow("doscientos") << 4 << 3 << 200 << 12 << 17 << 8;
        // 800 x 600, botón mínimo 150 x 90, márgenes 8 y huecos 6: 5 x 6; con
        // páginas la franja de abajo quita una fila
        QTest::newRow("automática sin páginas") << 0 << 0 << 30 << 30 << 1 << 30;
        QTest::newRow("automática con páginas") << 0 << 0 << 31 << 25 << 2 << 6;
    }
    void paginas()
    {
        QFETCH(int, columnas);
        QFETCH(int, filas);
        QFETCH(int, elementos);
        QFETCH(int, porPagina);
        QFETCH(int, paginas);
        QFETCH(int, enUltima);
        Tactipan& p = nuevo(lista(elementos), columnas, filas);
        QCOMPARE(p.elementosDibujados(), elementos);
        QCOMPARE(p.elementosPorPagina(), porPagina);
        QCOMPARE(p.paginas(), paginas);
        QCOMPARE(p.botonSiguiente()->isVisible(), paginas > 1);
        // Solo existen los botones de una página, por muchos elementos que haya
        QCOMPARE(p.botonesPagina().size(), qMin(elementos, porPagina));
        QVERIFY(p.findChildren<BotonPanel*>().size() <= porPagina);
        p.irAPagina(paginas - 1);
        QCOMPARE(p.botonesPagina().size(), enUltima);
        if (elementos > 0)
            QCOMPARE(p.botonesPagina().constLast()->text(), QStringLiteral("Servicio %1").arg(elementos));
        // Los botones no se salen del panel ni pisan la franja de páginas
        for (BotonPanel* b : p.botonesPagina()) {
            QVERIFY(p.rect().contains(b->geometry()));
            if (paginas > 1)
                QVERIFY(b->geometry().bottom() < p.botonAnterior()->geometry().top());
        }
    }

    void botonesDePagina()
    {
        Tactipan& p = nuevo(lista(30));
        QPushButton* anterior = p.botonAnterior();
        QPushButton* siguiente = p.botonSiguiente();
        QVERIFY(!anterior->isEnabled());
        QTest::mouseClick(siguiente, Qt::LeftButton);
        QTest::mouseClick(siguiente, Qt::LeftButton);
        QCOMPARE(p.pagina(), 2);
        QCOMPARE(textos(p).constFirst(), QStringLiteral("Servicio 25"));
        QVERIFY(!siguiente->isEnabled());
        QTest::mouseClick(anterior, Qt::LeftButton);
        QCOMPARE(textos(p).constFirst(), QStringLiteral("Servicio 13"));
    }

    // Se dibuja lo que tiene texto o código; la posición que se da al pulsar es
    // la de la lista cargada, con las entradas sin dibujar
    void entradasVacias()
    {
        ListaPanel l;
        l << ElementoPanel{} << elemento(1) << ElementoPanel{QString(), QStringLiteral("255"), {}, {}, {}, QStringLiteral("7")}
          << ElementoPanel{QStringLiteral("Sin código"), {}, {}, {}, {}, {}}
          << ElementoPanel{QString(), QStringLiteral("255"), {}, QStringLiteral("solo datos"), {}, {}} << ElementoPanel{};
        Tactipan& p = nuevo(l);
        QCOMPARE(textos(p), (QStringList{QStringLiteral("Servicio 1"), QString(), QStringLiteral("Sin código")}));
        QTest::mouseClick(p.botonesPagina().at(1), Qt::LeftButton);
        QCOMPARE(p.indicePulsado(), 2);
        QCOMPARE(p.codigoPulsado(), QStringLiteral("7"));
        // Una lista que solo tiene la entrada vacía (consulta sin filas) deja el panel vacío
        p.reiniciar();
        p.cargar(ListaPanel{ElementoPanel{}});
        p.redibujar();
        QVERIFY(p.botonesPagina().isEmpty());
    }

    void pulsar_data()
    {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("boton");
        QTest::addColumn<int>("numero");  // del elemento pulsado
        QTest::newRow("último de la primera página") << 0 << 11 << 12;
        QTest::newRow("última página") << 2 << 0 << 25;
    }
    void pulsar()
    {
        QFETCH(int, pagina);
        QFETCH(int, boton);
        QFETCH(int, numero);
        Tactipan& p = nuevo(lista(25));
        QSignalSpy espia(&p, &Tactipan::pulsado);
        p.irAPagina(pagina);
        BotonPanel* b = p.botonesPagina().at(boton);
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        QCOMPARE(espia.size(), 1);
        QCOMPARE(espia.at(0).at(0).value<ElementoPanel>(), lista(25).at(numero - 1));
        QCOMPARE(p.datosPulsado(), QStringLiteral("datos %1").arg(numero));
        QCOMPARE(p.indicePulsado(), numero - 1);
    }

    // Las pantallas recargan el panel al pulsarlo (secciones): no puede romperse
    void pulsarYRecargarDesdeLaSenal()
    {
        Tactipan& p = nuevo(lista(3));
        connect(&p, &Tactipan::pulsado, &p, [&p](const ElementoPanel&) {
            p.reiniciar();
            p.cargar(lista(20));
            p.redibujar();
        });
        QTest::mouseClick(p.botonesPagina().at(1), Qt::LeftButton);
        QCOMPARE(p.elementosDibujados(), 20);
    }

    void colores_data()
    {
        QTest::addColumn<bool>("usar");
        QTest::addColumn<QString>("colorElemento");
        QTest::addColumn<QColor>("esperado");
        const QColor boton(0x20, 0x40, 0x60);
        QTest::newRow("propio") << true << "16711680" << QColor(0, 0, 255);
        QTest::newRow("propio vacío toma el del panel") << true << "" << boton;
        QTest::newRow("propio ilegible toma el del panel") << true << "rosa" << boton;
        QTest::newRow("apagado") << false << "255" << boton;
    }
    void colores()
    {
        QFETCH(bool, usar);
        QFETCH(QString, colorElemento);
        QFETCH(QColor, esperado);
        Tactipan& p = nuevo({});
        p.ponerColorBoton(QColor(0x20, 0x40, 0x60));
        p.ponerUsarColoresElementos(usar);
        p.cargar(ListaPanel{elemento(1, colorElemento), ElementoPanel{}});
        p.redibujar();
        QCOMPARE(p.botonesPagina().at(0)->colorFondo(), esperado);
        // El color que se da del pulsado es el del elemento, se pinte o no
        QTest::mouseClick(p.botonesPagina().at(0), Qt::LeftButton);
        QCOMPARE(p.colorPulsado(), colorElemento);
    }

    // Cambiar el interruptor o el color del panel repinta lo que ya se ve
    void cambiarInterruptorRepinta()
    {
        Tactipan& p = nuevo(lista(3));
        QCOMPARE(p.botonesPagina().at(0)->colorFondo(), ColorBgr::aColor(lista(3).at(0).color));
        p.ponerUsarColoresElementos(false);
        p.ponerColorBoton(Qt::darkRed);
        for (BotonPanel* b : p.botonesPagina())
            QCOMPARE(b->colorFondo(), QColor(Qt::darkRed));
    }

    void textoLegible_data()
    {
        QTest::addColumn<QColor>("fondo");
        QTest::addColumn<QColor>("texto");
        QTest::newRow("amarillo") << QColor(Qt::yellow) << QColor(Qt::black);
        QTest::newRow("azul marino") << QColor(0, 0, 128) << QColor(Qt::white);
        QTest::newRow("gris oscuro") << QColor(0x66, 0x66, 0x66) << QColor(Qt::white);
        QTest::newRow("gris medio, algo más claro") << QColor(0x80, 0x80, 0x80) << QColor(Qt::black);
    }
    void textoLegible()
    {
        QFETCH(QColor, fondo);
        QFETCH(QColor, texto);
        QCOMPARE(BotonPanel::colorTextoSobre(fondo), texto);
    }

    // Sin imagen (no está, o es una carpeta) el botón sigue ahí con su texto y se pulsa
    void imagenes()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("tarjeta.png"));
        QPixmap imagen(64, 48);
        imagen.fill(Qt::darkCyan);
        QVERIFY(imagen.save(ruta));
        Tactipan& p = nuevo(ListaPanel{elemento(1, QStringLiteral("255"), ruta),
                                       elemento(2, QStringLiteral("255"), dir.filePath(QStringLiteral("no_esta.png"))),
                                       elemento(3, QStringLiteral("255"), dir.path()), ElementoPanel{}});
        const QList<BotonPanel*> b = p.botonesPagina();
        QCOMPARE(b.size(), 3);
        QVERIFY(b.at(0)->tieneImagen());
        QVERIFY(!b.at(1)->tieneImagen());
        QVERIFY(!b.at(2)->tieneImagen());
        QTest::mouseClick(b.at(1), Qt::LeftButton);
        QCOMPARE(p.codigoPulsado(), QStringLiteral("2"));
        // En un botón bajo con imagen, dos renglones caben enteros: la imagen cede su alto
        BotonPanel bajo;
        const QString texto = QStringLiteral("Efectivo y tarjeta");
        bajo.mostrar(texto, Qt::cyan, imagen, QColor());
        bajo.resize(86, 62);
        const QRect zona = bajo.zonaTexto();
        QVERIFY(QFontMetrics(bajo.letraTexto()).boundingRect(zona, Qt::AlignCenter | Qt::TextWordWrap, texto).height() <=
                zona.height());
    }

    void reiniciarYRedibujar()
    {
        Tactipan& p = nuevo(lista(30));
        p.irAPagina(2);
        QTest::mouseClick(p.botonesPagina().at(0), Qt::LeftButton);
        p.reiniciar();
        QVERIFY(p.botonesPagina().isEmpty());
        QCOMPARE(p.pagina(), 0);
        QCOMPARE(p.indicePulsado(), -1);
        QCOMPARE(p.codigoPulsado(), QString());
        // Cargar otra lista vuelve a la primera página
        p.cargar(lista(30));
        p.redibujar();
        p.irAPagina(1);
        p.cargar(lista(40));
        p.redibujar();
        QCOMPARE(p.pagina(), 0);
    }
};

QTEST_MAIN(TstTactipan)
#include "tst_tactipan.moc"
