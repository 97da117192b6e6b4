// Búsqueda de clientes manejada como lo haría una persona: toques en los
// campos y en el teclado en pantalla, en los dos motores
#include "PantallaPrueba.h"
#include "pantallas/busqueda/frmBuscar.h"
#include "plataforma/ColorBgr.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

const QVariant kNulo(QMetaType::fromType<QString>());

// codigo, nombre, apellidos, telefono1, telefono2, email, codigocliente, nif, tienda, borrar
const QList<QVariantList> kClientes{
    {1, "ANABEL", "García Ruiz", "983111222", "600111222", "anabel@correo.es", "C001", "11111111H", "Centro", 0},
    {2, "ANA MARIA", "López Gil", "983333444", "611000000", "anamaria@correo.es", "C002", "22222222J", "Delicias", 0},
    {3, "MARIANA", "Ortiz Sanz", "915555666", "622000000", "mariana@correo.es", "C003", "33333333P", "Centro", 0},
    {4, "José", "Pérez Vidal", "983777888", kNulo, "jose@correo.es", "C004", "44444444A", kNulo, 0},
    {5, "Íñigo", "Ñúñez Mayo", kNulo, "633000000", "inigo@correo.es", "C005", "55555555K", "Centro", 0},
    {6, "Shaun", "O'Neill", "914000000", "644000000", "shaun@correo.es", "C006", "66666666Q", "Centro", 0},
    {7, "ANA", "Borrada Sanz", "983000000", "655000000", "ana@correo.es", "C007", "77777777B", "Centro", -1},
};

const QStringList kTodos{"ANA MARIA López Gil", "ANABEL García Ruiz", "José Pérez Vidal", "MARIANA Ortiz Sanz",
                         "Shaun O'Neill", "Íñigo Ñúñez Mayo"};
const QString kFaltanDatos = QStringLiteral("Buscar|Debe rellenar algún dato para poder buscar");
const QString kNinguno = QStringLiteral("Buscar|No existe ningún cliente con esas condiciones");

}  // namespace

class TstFrmBuscar : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<frmBuscar> m_pantalla;

    void abrir()
    {
        QFETCH_GLOBAL(QString, motor);
        m_db = PantallaPrueba::abrir(motor);
        for (const QVariantList& c : kClientes)
            gConexion.ejecutar(QStringLiteral("insert into clientes (codigo, nombre, apellidos, telefono1, telefono2, "
                                              "email, codigocliente, nif, tienda, borrar) values (?,?,?,?,?,?,?,?,?,?)"),
                               c);
        m_pantalla = std::make_unique<frmBuscar>();
        m_pantalla->show();
        if (!QTest::qWaitForWindowActive(m_pantalla.get()))
            qFatal("La búsqueda no llega a mostrarse");
    }

    template <class T = QLineEdit>
    T* control(const QString& nombre)
    {
        T* w = m_pantalla->findChild<T*>(nombre);
        if (!w)
            qFatal("Falta el control %s", qPrintable(nombre));
        return w;
    }

    QPushButton* tecla(const QString& rotulo)
    {
        for (QPushButton* b : m_pantalla->findChildren<QPushButton*>())
            if (b->objectName().startsWith(QLatin1String("bt_letra")) && b->text() == rotulo)
                return b;
        return nullptr;
    }

    // Toca el campo y escribe: con el teclado en pantalla lo que tiene tecla
    // ("ESPACIO", "BORRAR"... por su rótulo) y con el del equipo lo demás
    void teclear(const QString& campo, const QStringList& pulsaciones)
    {
        QLineEdit* c = control(campo);
        QTest::mouseClick(c, Qt::LeftButton);
        for (const QString& p : pulsaciones) {
            if (QPushButton* t = tecla(p))
                QTest::mouseClick(t, Qt::LeftButton);
            else
                QTest::keyClicks(c, p);
        }
    }
    static QStringList letras(const QString& texto)
    {
        QStringList l;
        for (QChar c : texto)
            l << (c == QLatin1Char(' ') ? QStringLiteral("ESPACIO") : QString(c));
        return l;
    }

    QStringList lista(const char* nombre)
    {
        QStringList l;
        auto* w = control<QListWidget>(QLatin1String(nombre));
        for (int i = 0; i < w->count(); ++i)
            l << w->item(i)->text();
        return l;
    }

    QString enfocado() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

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

    // Cada entrada "campo=texto"; despues, el texto que queda en un campo
    void buscar_data()
    {
        QTest::addColumn<QStringList>("entradas");
        QTest::addColumn<QString>("como");
        QTest::addColumn<QStringList>("hallados");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("despues");
        {
            const auto fila = [](const char* caso) -> QTestData& { return QTest::newRow(caso); };
            fila("prefijo") << QStringList{"txtNombre=ANA"} << "OK"
                            << QStringList{"ANA MARIA López Gil", "ANABEL García Ruiz"} << "" << "";
            fila("sin acentos") << QStringList{"txtNombre=JOSE"} << "Buscar" << QStringList{"José Pérez Vidal"} << ""
                                << "";
            fila("eñe") << QStringList{"txtNombre=IÑ", "txtApellidos=ÑUÑ"} << "Intro"
                        << QStringList{"Íñigo Ñúñez Mayo"} << "" << "";
            fila("dos campos") << QStringList{"txtNombre=ANA", "txtApellidos=LOP"} << "OK"
                               << QStringList{"ANA MARIA López Gil"} << "" << "";
            fila("teléfono sin letras") << QStringList{"txtTelefono=9A8B3"} << "OK"
                                        << QStringList{"ANA MARIA López Gil", "ANABEL García Ruiz", "José Pérez Vidal"}
                                        << "" << "txtTelefono=983";
            // Cada campo con su columna: si uno mirase otra, no saldría nadie
            fila("móvil, código, correo y dni")
                << QStringList{"txtMovil=61", "txtCodigo=C002", "txtEmail=ANAM", "txtDNI=2222"} << "OK"
                << QStringList{"ANA MARIA López Gil"} << "" << "";
            fila("comilla") << QStringList{"txtApellidos=O'N"} << "OK" << QStringList{"Shaun O'Neill"} << "" << "";
            fila("inyección") << QStringList{"txtNombre=' OR 1=1 --"} << "OK" << QStringList{} << kNinguno << "";
            fila("guion bajo") << QStringList{"txtNombre=_NA"} << "OK"
                               << QStringList{"ANA MARIA López Gil", "ANABEL García Ruiz"} << "" << "";
            fila("por ciento") << QStringList{"txtNombre=%"} << "OK" << kTodos << "" << "txtNombre=*";
            fila("solo el primer %") << QStringList{"txtNombre=%", "txtApellidos=%"} << "OK" << kTodos << ""
                                     << "txtApellidos=%";
            fila("asterisco") << QStringList{"txtNombre=*"} << "OK" << kTodos << "" << "txtNombre=";
            fila("nada escrito") << QStringList{} << "OK" << QStringList{} << kFaltanDatos << "";
        }
    }
    void buscar()
    {
        QFETCH(QStringList, entradas);
        QFETCH(QString, como);
        QFETCH(QStringList, hallados);
        QFETCH(QString, mensaje);
        QFETCH(QString, despues);
        abrir();
        for (const QString& e : entradas)
            teclear(e.section(QLatin1Char('='), 0, 0), letras(e.section(QLatin1Char('='), 1)));
        if (como == QLatin1String("Intro"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else
            QTest::mouseClick(como == QLatin1String("OK") ? tecla(como) : control<QPushButton>("cmdbuscar"),
                              Qt::LeftButton);
        QCOMPARE(lista("ListBusClie"), hallados);
        QCOMPARE(Mensajes::anotados(), mensaje.isEmpty() ? QStringList{} : QStringList{mensaje});
        // Las tres listas a la par
        QCOMPARE(lista("Auxiliar").size(), hallados.size());
        QCOMPARE(lista("AuxTienda").size(), hallados.size());
        if (!despues.isEmpty())
            QCOMPARE(control(despues.section(QLatin1Char('='), 0, 0))->text(), despues.section(QLatin1Char('='), 1));
        // Nada de lo tecleado cambia la tabla
        QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select count(*) from clientes")), 7);
    }

    // Un toque en una fila elige la misma en las listas ocultas; el doble
    // toque devuelve código y tienda, y "Salir" cierra sin cliente
    void elegir_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("tienda");
        QTest::newRow("con tienda") << "ANA MARIA López Gil" << "2" << "Delicias";
        QTest::newRow("tienda nula") << "José Pérez Vidal" << "4" << "";
        QTest::newRow("Salir") << "" << "" << "";
    }
    void elegir()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, codigo);
        QFETCH(QString, tienda);
        abrir();
        gTiendaClienteBuscado = QStringLiteral("de antes");
        teclear(QStringLiteral("txtNombre"), {"*"});
        QTest::mouseClick(tecla(QStringLiteral("OK")), Qt::LeftButton);
        auto* l = control<QListWidget>(QStringLiteral("ListBusClie"));
        if (nombre.isEmpty()) {
            QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdSalir")), Qt::LeftButton);
            QCOMPARE(m_pantalla->result(), int(QDialog::Rejected));
        } else {
            const int fila = kTodos.indexOf(nombre);
            const QPoint centro = l->visualItemRect(l->item(fila)).center();
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, centro);
            QCOMPARE(control<QListWidget>(QStringLiteral("Auxiliar"))->currentRow(), fila);
            QCOMPARE(control<QListWidget>(QStringLiteral("AuxTienda"))->currentRow(), fila);
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, centro);
            QCOMPARE(m_pantalla->result(), int(QDialog::Accepted));
            QCOMPARE(gTiendaClienteBuscado, tienda);
        }
        QVERIFY(!m_pantalla->isVisible());
        QCOMPARE(gCodigoClienteBuscado, codigo);
    }

    // Teclas sobre un campo recién tocado que ya tenía texto: nombre y
    // apellidos, seleccionados enteros, se sustituyen; los demás se amplían
    void teclas_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QStringList>("teclas");
        QTest::addColumn<QString>("despues");
        {
            const auto fila = [](const char* caso) -> QTestData& { return QTest::newRow(caso); };
            fila("nombre sustituido") << "txtNombre" << "MARIA" << QStringList{"J", "O"} << "JO";
            fila("apellidos sustituidos") << "txtApellidos" << "LOPEZ" << QStringList{"Ñ"} << "Ñ";
            fila("teléfono ampliado") << "txtTelefono" << "983" << QStringList{"1", "A", "ESPACIO", ","} << "9831";
            fila("móvil sin letras") << "txtMovil" << "6" << QStringList{"X", "0"} << "60";
            fila("código ampliado") << "txtCodigo" << "C1" << QStringList{"2", "ESPACIO", ","} << "C12 ,";
            fila("borrar con todo seleccionado") << "txtNombre" << "ANA" << QStringList{"BORRAR"} << "AN";
            fila("borrar de más") << "txtEmail" << "ab" << QStringList{"BORRAR", "BORRAR", "BORRAR", "Z"} << "Z";
        }
    }
    void teclas()
    {
        QFETCH(QString, campo);
        QFETCH(QString, antes);
        QFETCH(QStringList, teclas);
        QFETCH(QString, despues);
        abrir();
        control(campo)->setText(antes);
        // Se llega al campo desde otro, como quien lo toca para corregirlo
        QTest::mouseClick(control(QStringLiteral("txtDNI")), Qt::LeftButton);
        teclear(campo, teclas);
        QCOMPARE(control(campo)->text(), despues);
        QCOMPARE(enfocado(), campo);
        // El campo con el foco lleva el color de foco del esquema; los demás, el de la lista
        const QColor foco = ColorBgr::aColor(Componentes::colores().ColorFoco(gConexion, gEsquemaColores));
        const QColor normal = control<QListWidget>(QStringLiteral("ListBusClie"))->palette().color(QPalette::Base);
        QVERIFY(foco != normal);
        for (QLineEdit* c : m_pantalla->findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^txt"))))
            QCOMPARE(c->palette().color(QPalette::Base), c->objectName() == campo ? foco : normal);
    }

    // Tras una búsqueda con clientes el foco pasa al campo siguiente del ciclo
    void cicloDelFoco_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("siguiente");
        QTest::newRow("nombre") << "txtNombre" << "ANA" << "txtApellidos";
        QTest::newRow("código") << "txtCodigo" << "C" << "txtEmail";
        QTest::newRow("dni vuelve al nombre") << "txtDNI" << "1" << "txtNombre";
        QTest::newRow("sin clientes se queda") << "txtMovil" << "7" << "txtMovil";
    }
    void cicloDelFoco()
    {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, siguiente);
        abrir();
        teclear(campo, letras(texto));
        QTest::mouseClick(tecla(QStringLiteral("OK")), Qt::LeftButton);
        QCOMPARE(enfocado(), siguiente);
        // El teclado escribe ya en el campo nuevo
        QTest::mouseClick(tecla(QStringLiteral("9")), Qt::LeftButton);
        QVERIFY(control(siguiente)->text().endsWith(QLatin1Char('9')));
    }

    void limpiar()
    {
        abrir();
        // Las fechas no buscan: no se ven, pero empiezan y vuelven a sus valores
        auto* desde = control<QDateEdit>(QStringLiteral("fechadesde"));
        auto* hasta = control<QDateEdit>(QStringLiteral("fechahasta"));
        QVERIFY(!desde->isVisible() && !hasta->isVisible());
        QCOMPARE(desde->date(), QDate(2000, 1, 1));
        teclear(QStringLiteral("txtNombre"), {"A"});
        teclear(QStringLiteral("txtDNI"), {"1"});
        QTest::mouseClick(tecla(QStringLiteral("OK")), Qt::LeftButton);
        QCOMPARE(lista("ListBusClie").size(), 1);
        desde->setDate(QDate(2020, 5, 5));
        hasta->setDate(QDate(2021, 5, 5));
        QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdLimpiar")), Qt::LeftButton);
        for (QLineEdit* c : m_pantalla->findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^txt"))))
            QVERIFY2(c->text().isEmpty(), qPrintable(c->objectName()));
        QVERIFY(lista("ListBusClie").isEmpty() && lista("Auxiliar").isEmpty() && lista("AuxTienda").isEmpty());
        QCOMPARE(desde->date(), QDate(2000, 1, 1));
        QCOMPARE(hasta->date(), QDate::currentDate());
        QCOMPARE(enfocado(), QStringLiteral("txtNombre"));
    }

    // Teclas grandes, y nada cortado ni fuera de la pantalla, a cada tamaño
    void tamanos_data()
    {
        QTest::addColumn<QSize>("puesto");
        QTest::addColumn<int>("opcionVisual");
        QTest::newRow("1024x768") << QSize(1024, 768) << 0;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 0;
        QTest::newRow("letra grande") << QSize(1024, 768) << 1;
    }
    void tamanos()
    {
        QFETCH(QSize, puesto);
        QFETCH(int, opcionVisual);
        QFETCH_GLOBAL(QString, motor);
        m_db = PantallaPrueba::abrir(motor);
        gAnchoPantalla = puesto.width() * 15.0;
        gAltoPantalla = puesto.height() * 15.0;
        gOpcionVisual = opcionVisual;
        m_pantalla = std::make_unique<frmBuscar>();
        QCOMPARE(m_pantalla->size(), puesto);
        const QRect pantalla = m_pantalla->rect();
        int teclas = 0;
        for (QWidget* w : m_pantalla->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(m_pantalla.get()) || w->width() == 0)
                continue;
            // Dentro de la pantalla y de lo que lo contiene, sin asomar ni un píxel
            QVERIFY2(pantalla.contains(QRect(w->mapTo(m_pantalla.get(), QPoint(0, 0)), w->size())) &&
                         w->parentWidget()->rect().contains(w->geometry()),
                     qPrintable(w->objectName()));
            QString texto;
            if (auto* b = qobject_cast<QPushButton*>(w))
                texto = b->text();
            else if (auto* e = qobject_cast<QLabel*>(w))
                texto = e->text();
            const int hueco = qobject_cast<QPushButton*>(w) && !static_cast<QPushButton*>(w)->icon().isNull()
                                  ? static_cast<QPushButton*>(w)->iconSize().width() + 8
                                  : 0;
            QVERIFY2(w->fontMetrics().horizontalAdvance(texto) + hueco <= w->width(), qPrintable(w->objectName()));
            if (w->objectName().startsWith(QLatin1String("bt_letra"))) {
                ++teclas;
                QVERIFY2(w->width() >= 70 && w->height() >= 60, qPrintable(w->objectName()));
            }
        }
        QCOMPARE(teclas, 10 + 27 + 4);
    }
};

QTEST_MAIN(TstFrmBuscar)
#include "tst_frmbuscar.moc"
