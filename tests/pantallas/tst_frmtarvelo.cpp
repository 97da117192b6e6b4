// Menú principal manejado como lo haría una persona, en los dos motores
#include "PantallaPrueba.h"
#include "datos/Error.h"
#include "pantallas/menu/BotonOpcion.h"
#include "pantallas/menu/ImagenPantalla.h"
#include "pantallas/menu/frmSeleccionTienda.h"
#include "pantallas/menu/frmTarvelo.h"
#include "plataforma/ColoresEsquemaSql.h"
#include "principal/Cargadores.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// Lanzador que anota "programa|texto|abierta/cerrada"
class LanzadorGrabador : public Lanzador {
public:
    explicit LanzadorGrabador(QStringList& anotadas) : m_anotadas(anotadas) {}
    void Arrancar(const QString& programa, const QString& texto, Conexion& c) override
    {
        m_anotadas << programa + QLatin1Char('|') + texto + QLatin1Char('|') +
                          (c.abierta() ? QStringLiteral("abierta") : QStringLiteral("cerrada"));
    }

private:
    QStringList& m_anotadas;
};

// Posiciones por las que pasa un control
class Posiciones : public QObject {
public:
    explicit Posiciones(QWidget* w) { w->installEventFilter(this); }
    QList<int> xs;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Move)
            xs << static_cast<QWidget*>(o)->x();
        return false;
    }
};

}  // namespace

class TstFrmTarvelo : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<frmTarvelo> m_menu;

    void abrir(const QString& motor, const QString& tipo = QStringLiteral("ESTETICA"))
    {
        m_db = PantallaPrueba::abrir(motor, tipo);
    }

    frmTarvelo& menu()
    {
        m_menu = std::make_unique<frmTarvelo>();
        m_menu->show();
        if (!QTest::qWaitForWindowExposed(m_menu.get()))
            qFatal("El menú no llega a mostrarse");
        return *m_menu;
    }

    template <class T = QWidget>
    T* control(const char* nombre)
    {
        T* w = m_menu->findChild<T*>(QLatin1String(nombre));
        if (!w)
            qFatal("Falta el control %s", nombre);
        return w;
    }

    QString carpetaFotos() const { return m_db->carpeta() + QStringLiteral("/fotos/"); }

private Q_SLOTS:
    void init() { reiniciarGlobales(); }
    void cleanup()
    {
        m_menu.reset();
        PantallaPrueba::cerrar();
        m_db.reset();
    }

    void restriccionYEdicion_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<bool>("packs");
        QTest::addColumn<QString>("titulo");
        for (const QString& m : BaseDatosPrueba::motores()) {
            const QByteArray n = m.toUtf8();
            QTest::addRow("%s/PELUQUERIA", n.data()) << m << "PELUQUERIA" << false << "Edición Peluquería";
            // La restricción no mira mayúsculas; el título sí
            QTest::addRow("%s/peluqueria", n.data()) << m << "peluqueria" << false << frmTarvelo::tituloDiseno();
            QTest::addRow("%s/Peluqueria", n.data()) << m << "Peluqueria" << false << frmTarvelo::tituloDiseno();
            QTest::addRow("%s/ESTETICA", n.data()) << m << "ESTETICA" << true << "Edición Estética";
            QTest::addRow("%s/SPA", n.data()) << m << "SPA" << true << "Edición Spa y Balneario";
            QTest::addRow("%s/PERFUMERIA", n.data()) << m << "PERFUMERIA" << true << "Edición Perfumería";
            QTest::addRow("%s/TPV", n.data()) << m << "TPV" << true << "Edición Punto de Venta";
            QTest::addRow("%s/CLINICAS", n.data()) << m << "CLINICAS" << true << "Edición Clínicas";
            QTest::addRow("%s/Estetica", n.data()) << m << "Estetica" << true << frmTarvelo::tituloDiseno();
            QTest::addRow("%s/sin tipo", n.data()) << m << "" << true << frmTarvelo::tituloDiseno();
        }
    }
    void restriccionYEdicion()
    {
        QFETCH(QString, motor);
        QFETCH(QString, tipo);
        QFETCH(bool, packs);
        QFETCH(QString, titulo);
        abrir(motor, tipo);
        menu();
        QCOMPARE(control("cmd_BFamilias")->isVisible(), packs);
        QCOMPARE(control("lbl_BFamilias")->isVisible(), packs);
        QVERIFY(control("cmd_BServicios")->isVisible());
        QVERIFY(control("cmd_BListados")->isVisible());
        QCOMPARE(control<QLabel>("Label4")->text(), titulo);
        // Las opciones que se ven quedan a la misma distancia, sin hueco, y
        // centradas donde van las tres
        const int ys = control("cmd_BServicios")->y(), yf = control("cmd_BFamilias")->y();
        const int yl = control("cmd_BListados")->y();
        if (packs)
            QCOMPARE(yl - yf, yf - ys);
        else
            QVERIFY2(qAbs((ys + yl) / 2 - yf) <= 1, qPrintable(QStringLiteral("%1 %2 %3").arg(ys).arg(yf).arg(yl)));
        QVERIFY(yl - ys >= control("cmd_BServicios")->height());
        QCOMPARE(control("lbl_BServicios")->y(), ys);
        QCOMPARE(control("lbl_BListados")->y(), yl);
    }

    void foto_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<int>("fotos");
        for (const QString& m : BaseDatosPrueba::motores()) {
            const QByteArray n = m.toUtf8();
            QTest::addRow("%s/sin fotos", n.data()) << m << 0;
            QTest::addRow("%s/una", n.data()) << m << 1;
            QTest::addRow("%s/cinco", n.data()) << m << 5;
        }
    }
    void foto()
    {
        QFETCH(QString, motor);
        QFETCH(int, fotos);
        abrir(motor);
        for (int i = 0; i < fotos; ++i)
            PantallaPrueba::escribirImagen(carpetaFotos() + QStringLiteral("fotos1/f%1.png").arg(i),
                                           QColor::fromHsv(i * 60, 200, 200), QSize(40 + i, 30));
        CargarFotos();
        QCOMPARE(gNumFotos, fotos);
        menu();
        auto* foto = control<ImagenPantalla>("Image2");
        if (fotos == 0) {
            // La de diseño, que no sale de ningún fichero
            QCOMPARE(foto->ruta(), QString());
            QVERIFY(!foto->imagen().isNull());
            return;
        }
        QVERIFY2(gFotos.mid(1).contains(foto->ruta()), qPrintable(foto->ruta()));
        // Se ve la foto de ese fichero, no otra
        QCOMPARE(foto->imagen().toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(foto->ruta()).convertToFormat(QImage::Format_RGB32));
    }

    void logo_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("logo");
        QTest::addColumn<bool>("visible");
        for (const QString& m : BaseDatosPrueba::motores()) {
            const QByteArray n = m.toUtf8();
            QTest::addRow("%s/sin logo", n.data()) << m << "" << false;
            QTest::addRow("%s/logo", n.data()) << m << "logo.png" << true;
            QTest::addRow("%s/no existe", n.data()) << m << "falta.png" << false;
            QTest::addRow("%s/no es una imagen", n.data()) << m << "roto.png" << false;
        }
    }
    void logo()
    {
        QFETCH(QString, motor);
        QFETCH(QString, logo);
        QFETCH(bool, visible);
        abrir(motor);
        PantallaPrueba::escribirImagen(carpetaFotos() + QStringLiteral("logo.png"), Qt::darkMagenta, {360, 120});
        QFile roto(carpetaFotos() + QStringLiteral("roto.png"));
        QVERIFY(roto.open(QIODevice::WriteOnly));
        roto.write("esto no es un PNG");
        roto.close();
        gLogo = logo;
        menu();
        auto* img = control<ImagenPantalla>("ImgEmpresa");
        QCOMPARE(img->isVisible(), visible);
        if (visible)
            QCOMPARE(img->ruta(), carpetaFotos() + logo);
        QCOMPARE(Mensajes::anotados(), QStringList());
    }

    void bandera_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<bool>("conBandera");
        for (const QString& m : BaseDatosPrueba::motores()) {
            QTest::addRow("%s/sin bandera", qPrintable(m)) << m << false;
            QTest::addRow("%s/con bandera", qPrintable(m)) << m << true;
        }
    }
    void bandera()
    {
        QFETCH(QString, motor);
        QFETCH(bool, conBandera);
        abrir(motor);
        gNombreRegion = QStringLiteral("España");
        if (conBandera) {
            gBandera = carpetaFotos() + QStringLiteral("bandera.png");
            PantallaPrueba::escribirImagen(gBandera, Qt::red);
        }
        menu();
        auto* bandera = control<ImagenPantalla>("Bandera");
        auto* marco = control("Frame9");
        QCOMPARE(bandera->isVisible(), conBandera);
        // Los ajustes quedan siempre dentro de la pantalla y sin tapar la bandera
        QVERIFY(marco->geometry().right() < m_menu->width());
        if (!conBandera)
            return;
        QCOMPARE(bandera->toolTip(), QStringLiteral("España"));
        QCOMPARE(bandera->ruta(), gBandera);
        QCOMPARE(marco->geometry().right() + 1, bandera->x());
        QVERIFY(!marco->geometry().intersects(bandera->geometry()));
    }

    void elegirModo_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("pulsado");
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("titulo");
        for (const QString& m : BaseDatosPrueba::motores()) {
            const QByteArray n = m.toUtf8();
            QTest::addRow("%s/botón servicios", n.data()) << m << "cmd_BServicios" << 0 << "Bonos Servicios";
            QTest::addRow("%s/etiqueta servicios", n.data()) << m << "lbl_BServicios" << 0 << "Bonos Servicios";
            QTest::addRow("%s/botón packs", n.data()) << m << "cmd_BFamilias" << 1 << "Bonos Pack Servicios";
            QTest::addRow("%s/etiqueta packs", n.data()) << m << "lbl_BFamilias" << 1 << "Bonos Pack Servicios";
        }
    }
    void elegirModo()
    {
        QFETCH(QString, motor);
        QFETCH(QString, pulsado);
        QFETCH(int, modo);
        QFETCH(QString, titulo);
        abrir(motor);
        gModoFamilias = 1 - modo;
        menu();
        QString visto;
        int modoAlAbrirse = -1;
        auto vigia = PantallaPrueba::alAbrirse(QStringLiteral("frmBonosServicios"), [&](QWidget* pantalla) {
            visto = pantalla->objectName() + QLatin1Char('|') + pantalla->windowTitle();
            modoAlAbrirse = gModoFamilias;
            QTest::mouseClick(pantalla->findChild<QPushButton*>(QStringLiteral("cmdSalir")), Qt::LeftButton);
        });
        QTest::mouseClick(control(qPrintable(pulsado)), Qt::LeftButton);
        QTRY_COMPARE(visto, QStringLiteral("frmBonosServicios|") + titulo);
        QCOMPARE(modoAlAbrirse, modo);
        QCOMPARE(gModoFamilias, modo);
        // Al volver de la venta, el menú sigue abierto
        QVERIFY(m_menu->isVisible());
        QCOMPARE(Mensajes::anotados(), QStringList());
    }

    void listados_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("pulsado");
        QTest::addColumn<QString>("list1");
        for (const QString& m : BaseDatosPrueba::motores()) {
            const QByteArray n = m.toUtf8();
            QTest::addRow("%s/botón", n.data()) << m << "cmd_BListados" << "";
            QTest::addRow("%s/etiqueta", n.data()) << m << "lbl_BListados" << "";
            QTest::addRow("%s/con listado temporal", n.data()) << m << "cmd_BListados" << "L7";
        }
    }
    void listados()
    {
        QFETCH(QString, motor);
        QFETCH(QString, pulsado);
        QFETCH(QString, list1);
        abrir(motor);
        if (!list1.isEmpty()) {
            Conexion informes;
            informes.abrir(m_db->informes());
            informes.ejecutar(QStringLiteral("insert into listadostemporal (list1) values (?)"), {list1});
        }
        QStringList lanzados;
        Componentes::sustituir(std::make_unique<LanzadorGrabador>(lanzados));
        menu();
        QTest::mouseClick(control(qPrintable(pulsado)), Qt::LeftButton);
        QCOMPARE(lanzados, QStringList{QStringLiteral("Q_Listados.exe|Listado|abierta")});
        Consulta c(gConexion, QStringLiteral("select terminal, indice, texto1, texto2 from pasardatos"));
        QVERIFY(c.siguiente());
        QCOMPARE(c.texto(QStringLiteral("terminal")), QStringLiteral("CAJA1") + list1);
        QCOMPARE(c.texto(QStringLiteral("indice")), QStringLiteral("Q_Tarvelo.exe"));
        QCOMPARE(c.texto(QStringLiteral("texto1")), QStringLiteral("LstBon"));
        QCOMPARE(c.texto(QStringLiteral("texto2")), QStringLiteral("Listado"));
        QVERIFY(!c.siguiente());
        QVERIFY(m_menu->isVisible());
    }

    void salir_data() { BaseDatosPrueba::filasMotores(); }
    void salir()
    {
        QFETCH(QString, motor);
        abrir(motor);
        menu();
        QTest::mouseClick(control("cmd_Salir"), Qt::LeftButton);
        QVERIFY(!m_menu->isVisible());
    }

    // Con animaciones, pasar por una etiqueta hace saltar su botón a la
    // izquierda un instante; sin ellas, nada se mueve
    void animacion_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<bool>("activas");
        QTest::addColumn<QString>("etiqueta");
        QTest::addColumn<QString>("boton");
        for (const QString& m : BaseDatosPrueba::motores()) {
            const QByteArray n = m.toUtf8();
            for (bool activas : {false, true}) {
                const char* a = activas ? "activas" : "apagadas";
                QTest::addRow("%s/%s/servicios", n.data(), a) << m << activas << "lbl_BServicios" << "cmd_BServicios";
                QTest::addRow("%s/%s/packs", n.data(), a) << m << activas << "lbl_BFamilias" << "cmd_BFamilias";
                QTest::addRow("%s/%s/listados", n.data(), a) << m << activas << "lbl_BListados" << "cmd_BListados";
            }
        }
    }
    void animacion()
    {
        QFETCH(QString, motor);
        QFETCH(bool, activas);
        QFETCH(QString, etiqueta);
        QFETCH(QString, boton);
        abrir(motor);
        gAnimacionesActivas = activas;
        menu();
        QWidget* b = control(qPrintable(boton));
        QWidget* l = control(qPrintable(etiqueta));
        auto* timer = m_menu->findChild<QTimer*>(QStringLiteral("tmrMovBoton"));
        QVERIFY(timer);
        const int reposo = b->x();
        // En reposo el botón asoma 50 twips bajo su etiqueta
        QCOMPARE(reposo, qRound((l->x() * 15.0 - (b->width() * 15.0 - 50)) / 15.0));
        Posiciones pos(b);
        QTest::mouseMove(l, l->rect().center());
        QTest::mouseMove(l, l->rect().center() + QPoint(10, 0));
        if (!activas) {
            QTest::qWait(50);
            QVERIFY(!timer->isActive());
            QVERIFY(pos.xs.isEmpty());
            QCOMPARE(m_menu->botonAnimado(), nullptr);
            return;
        }
        QCOMPARE(timer->interval(), ConvencionesPantalla::intervalo(250));
        QTRY_VERIFY(!timer->isActive());
        QCOMPARE(m_menu->botonAnimado(), b);
        QCOMPARE(pos.xs.value(0), reposo - 7);  // 100 twips
        QCOMPARE(b->x(), reposo);
    }

    // Pasar a otra etiqueta devuelve a su sitio el botón que se movía
    void animacionOtraEtiqueta_data() { BaseDatosPrueba::filasMotores(); }
    void animacionOtraEtiqueta()
    {
        QFETCH(QString, motor);
        abrir(motor);
        gAnimacionesActivas = true;
        ConvencionesPantalla::ponerEscalaTiempo(4);  // el salto dura un segundo
        menu();
        QWidget* servicios = control("cmd_BServicios");
        QWidget* listados = control("cmd_BListados");
        const int reposo = servicios->x();
        QTest::mouseMove(control("lbl_BServicios"));
        QTRY_COMPARE(servicios->x(), reposo - 7);
        QTest::mouseMove(control("lbl_BListados"));
        QCOMPARE(servicios->x(), reposo);
        QCOMPARE(m_menu->botonAnimado(), listados);
    }

    // Command1 graba los textos para traducir y los controles para los permisos
    void mantenimiento_data() { BaseDatosPrueba::filasMotores(); }
    void mantenimiento()
    {
        QFETCH(QString, motor);
        abrir(motor);
        menu();
        auto* boton = control<QPushButton>("Command1");
        QCOMPARE(boton->toolTip(), QStringLiteral("Genera caption para traduccion Generar Atributos para permisos"));
        QTest::mouseClick(boton, Qt::LeftButton);
        const auto texto = [](const char* controlTabla) {
            Consulta c(gConexion, QStringLiteral("select texto_original from traducciones where pantalla = "
                                                 "'frmTarvelo' and control = ? and idioma = 'es'"),
                       {QLatin1String(controlTabla)});
            return c.siguiente() ? c.texto(QStringLiteral("texto_original")) : QStringLiteral("(sin fila)");
        };
        QCOMPARE(texto("frmTarvelo"), QStringLiteral("Gestion de Bonos"));
        QCOMPARE(texto("lbl_BServicios"), QStringLiteral("Bonos Servicios"));
        QCOMPARE(texto("lbl_BFamilias"), QStringLiteral("Bonos Pack Servicios"));
        QCOMPARE(texto("lbl_BListados"), QStringLiteral("Listados"));
        QCOMPARE(texto("cmd_Salir"), QStringLiteral("Salir"));
        QCOMPARE(texto("lblTitulo"), QStringLiteral("SELECCIONE SU OPCION"));
        QCOMPARE(texto("Command1.ToolTipText"),
                 QStringLiteral("Genera caption para traduccion Generar Atributos para permisos"));
        for (const char* nombre : {"cmd_BServicios", "cmd_BFamilias", "cmd_BListados", "cmd_Salir"}) {
            Consulta c(gConexion, QStringLiteral("select control from controles_permisos where pantalla = "
                                                 "'frmTarvelo' and control = ?"),
                       {QLatin1String(nombre)});
            QVERIFY2(c.siguiente(), nombre);
        }
        QCOMPARE(Mensajes::anotados(), QStringList());
    }

    // Traducción al cargar y permisos del empleado del puesto
    void traduccionYPermisos_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<int>("empleado");
        QTest::addColumn<bool>("listados");
        for (const QString& m : BaseDatosPrueba::motores()) {
            QTest::addRow("%s/empleado sin permiso", qPrintable(m)) << m << 3 << false;
            QTest::addRow("%s/otro empleado", qPrintable(m)) << m << 4 << true;
        }
    }
    void traduccionYPermisos()
    {
        QFETCH(QString, motor);
        QFETCH(int, empleado);
        QFETCH(bool, listados);
        abrir(motor);
        gConexion.ejecutar(QStringLiteral("delete from ajustes_suite where clave = 'Idioma'"));
        gConexion.ejecutar(QStringLiteral("insert into ajustes_suite (clave, valor) values ('Idioma', 'ca')"));
        const QString sql = QStringLiteral("insert into traducciones (pantalla, control, idioma, texto_original, "
                                           "texto) values ('frmTarvelo', ?, 'ca', ?, ?)");
        gConexion.ejecutar(sql, {QStringLiteral("lbl_BServicios"), QStringLiteral("Bonos Servicios"),
                                 QStringLiteral("Bons de serveis")});
        gConexion.ejecutar(sql, {QStringLiteral("frmTarvelo"), QStringLiteral("Gestion de Bonos"),
                                 QStringLiteral("Gestió de bons")});
        gConexion.ejecutar(QStringLiteral("insert into permisos (pantalla, control, empleado, visible, activo) "
                                          "values ('frmTarvelo', 'cmd_BListados', 3, 0, 0)"));
        gEmpleadoTerminal = empleado;
        menu();
        QCOMPARE(control<QLabel>("lbl_BServicios")->text(), QStringLiteral("Bons de serveis"));
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("Gestió de bons"));
        QCOMPARE(control("cmd_BListados")->isVisible(), listados);
    }

    // El tamaño elegido se guarda para el puesto y la pantalla se escala;
    // elegir el que ya tenía no toca nada
    void tamano_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QSize>("elegido");
        QTest::addColumn<bool>("cambia");
        for (const QString& m : BaseDatosPrueba::motores()) {
            QTest::addRow("%s/el mismo", qPrintable(m)) << m << QSize(1024, 739) << false;
            QTest::addRow("%s/otro", qPrintable(m)) << m << QSize(1280, 800) << true;
            QTest::addRow("%s/cancelar", qPrintable(m)) << m << QSize() << false;
        }
    }
    void tamano()
    {
        QFETCH(QString, motor);
        QFETCH(QSize, elegido);
        QFETCH(bool, cambia);
        abrir(motor);
        menu();
        QWidget* b = control("cmd_BServicios");
        const QRect antes = b->geometry();
        const QFont letraAntes = control("lbl_BServicios")->font();
        DialogoEleccion::ponerSiguienteRespuesta(elegido.isValid() ? QVariant(elegido) : QVariant());
        QTest::mouseClick(control("fr_Zoom1"), Qt::LeftButton);
        Consulta c(gConexion, QStringLiteral("select ancho_pantalla, alto_pantalla from puestos where identificador = "
                                             "'CAJA1'"));
        if (!cambia) {
            QCOMPARE(m_menu->size(), QSize(1024, 739));
            QCOMPARE(b->geometry(), antes);
            QCOMPARE(control("lbl_BServicios")->font(), letraAntes);
            QVERIFY(!c.siguiente());
            return;
        }
        QCOMPARE(m_menu->size(), elegido);
        QVERIFY(c.siguiente());
        QCOMPARE(c.numero(QStringLiteral("ancho_pantalla")), 1280 * 15.0);
        QCOMPARE(c.numero(QStringLiteral("alto_pantalla")), 800 * 15.0);
        QCOMPARE(b->width(), qRound(antes.width() * 1280 / 1024.0));
        QCOMPARE(b->y(), qRound(antes.y() * 800 / 739.0));
        QVERIFY(control("lbl_BServicios")->font().pixelSize() > letraAntes.pixelSize());
    }

    // Un esquema cambiado en el menú colorea el menú y las pantallas que se
    // abren después, que lo leen al cargar
    void esquema_data() { BaseDatosPrueba::filasMotores(); }
    void esquema()
    {
        QFETCH(QString, motor);
        abrir(motor);
        const EsquemaColores clasico = ColoresEsquemaSql::leer(gConexion, 1);
        const EsquemaColores noche = ColoresEsquemaSql::leer(gConexion, 4);
        QVERIFY(clasico.fondo != noche.fondo);
        menu();
        QCOMPARE(m_menu->palette().color(QPalette::Window), clasico.fondo);
        DialogoEleccion::ponerSiguienteRespuesta(4);
        QTest::mouseClick(control("fr_Zoom3"), Qt::LeftButton);
        QCOMPARE(gEsquemaColores, 4);
        QCOMPARE(m_menu->palette().color(QPalette::Window), noche.fondo);
        QCOMPARE(control<BotonOpcion>("cmd_BServicios")->color(), noche.colores[0]);
        QCOMPARE(control<BotonOpcion>("cmd_BFamilias")->color(), noche.colores[1]);
        QCOMPARE(control<BotonOpcion>("cmd_BListados")->color(), noche.colores[2]);

        QColor fondoVenta;
        auto vigia = PantallaPrueba::alAbrirse(QStringLiteral("frmBonosServicios"), [&](QWidget* pantalla) {
            fondoVenta = pantalla->palette().color(QPalette::Window);
            pantalla->close();
        });
        QTest::mouseClick(control("cmd_BServicios"), Qt::LeftButton);
        QTRY_COMPARE(fondoVenta, noche.fondo);
        frmSeleccionTienda tiendas;
        QCOMPARE(tiendas.palette().color(QPalette::Window), noche.fondo);
        // Y el puesto lo conserva para la próxima vez
        QCOMPARE(Componentes::puesto().EsquemaColores(gConexion), 4);
    }

    // Un fallo en una opción se cuenta en un mensaje y el menú sigue
    void errorEnOpcion_data() { BaseDatosPrueba::filasMotores(); }
    void errorEnOpcion()
    {
        QFETCH(QString, motor);
        abrir(motor);
        // Sin la tabla de los packs, la lista del catálogo no se puede leer
        gConexion.ejecutar(QStringLiteral("drop table familias"));
        menu();
        QTest::mouseClick(control("cmd_BFamilias"), Qt::LeftButton);
        QCOMPARE(Mensajes::anotados().size(), 1);
        QVERIFY2(Mensajes::anotados().first().contains(QStringLiteral("familias")),
                 qPrintable(Mensajes::anotados().first()));
        QVERIFY(m_menu->isVisible());
    }
};

QTEST_MAIN(TstFrmTarvelo)
#include "tst_frmtarvelo.moc"
