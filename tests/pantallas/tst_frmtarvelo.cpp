// Menú principal manejado como lo haría una persona, en los dos motores
#include "PantallaPrueba.h"
#include "datos/Error.h"
#include "pantallas/menu/BotonOpcion.h"
#include "pantallas/menu/ImagenPantalla.h"
#include "pantallas/menu/frmTarvelo.h"
#include "plataforma/ColoresEsquemaSql.h"
#include "principal/Cargadores.h"
#include "registros/RegistroVenta.h"
#include "pantallas/registros/frmRegistrosFacturacion.h"
#include "datos/Transaccion.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

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

}  // namespace

class TstFrmTarvelo : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<frmTarvelo> m_menu;

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
    // Cada prueba, en los dos motores
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init()
    {
        reiniciarGlobales();
        QFETCH_GLOBAL(QString, motor);
        m_db = PantallaPrueba::abrir(motor);
    }
    void cleanup()
    {
        m_menu.reset();
        PantallaPrueba::cerrar();
        m_db.reset();
    }

    // Los packs solo se ofrecen fuera de peluquería; el tipo no mira mayúsculas
    void restriccion_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<bool>("packs");
        QTest::newRow("PELUQUERIA") << "PELUQUERIA" << false;
        QTest::newRow("Peluqueria") << "Peluqueria" << false;
        QTest::newRow("ESTETICA") << "ESTETICA" << true;
        QTest::newRow("sin tipo") << "" << true;
    }
    void restriccion()
    {
        QFETCH(QString, tipo);
        QFETCH(bool, packs);
        gTipoNegocio = tipo;
        menu();
        QCOMPARE(control("cmd_BFamilias")->isVisible(), packs);
        QCOMPARE(control("lbl_BFamilias")->isVisible(), packs);
        QVERIFY(control("cmd_BServicios")->isVisible());
        QVERIFY(control("cmd_BListados")->isVisible());
    }

    void foto_data()
    {
        QTest::addColumn<int>("fotos");
        QTest::newRow("sin fotos") << 0;
        QTest::newRow("cinco") << 5;
    }
    void foto()
    {
        QFETCH(int, fotos);
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
        QTest::addColumn<QString>("logo");
        QTest::addColumn<bool>("visible");
        QTest::newRow("sin logo") << "" << false;
        QTest::newRow("logo") << "logo.png" << true;
        QTest::newRow("no existe") << "falta.png" << false;
        QTest::newRow("no es una imagen") << "roto.png" << false;
    }
    void logo()
    {
        QFETCH(QString, logo);
        QFETCH(bool, visible);
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
        QTest::addColumn<bool>("conBandera");
        QTest::newRow("sin bandera") << false;
        QTest::newRow("con bandera") << true;
    }
    void bandera()
    {
        QFETCH(bool, conBandera);
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
        QTest::addColumn<QString>("pulsado");
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("botón servicios") << "cmd_BServicios" << 0 << "Bonos Servicios";
        QTest::newRow("etiqueta packs") << "lbl_BFamilias" << 1 << "Bonos Pack Servicios";
    }
    void elegirModo()
    {
        QFETCH(QString, pulsado);
        QFETCH(int, modo);
        QFETCH(QString, titulo);
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
        QTest::addColumn<QString>("pulsado");
        QTest::addColumn<QString>("list1");
        QTest::newRow("etiqueta") << "lbl_BListados" << "";
        QTest::newRow("botón con listado temporal") << "cmd_BListados" << "L7";
    }
    void listados()
    {
        QFETCH(QString, pulsado);
        QFETCH(QString, list1);
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
        QCOMPARE(BaseDatosPrueba::numero(gConexion, QStringLiteral("select count(*) from pasardatos where terminal = ?"),
                                         {QStringLiteral("CAJA1") + list1}),
                 1);
        QVERIFY(m_menu->isVisible());
    }

    void salir()
    {
        menu();
        QTest::mouseClick(control("cmd_Salir"), Qt::LeftButton);
        QVERIFY(!m_menu->isVisible());
    }

    // Un esquema cambiado en el menú colorea el menú (que se carga con las
    // convenciones) y las pantallas que se abren después, que lo leen al cargar
    void esquema()
    {
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
            QTest::mouseClick(pantalla->findChild<QPushButton*>(QStringLiteral("cmdSalir")), Qt::LeftButton);
        });
        QTest::mouseClick(control("cmd_BServicios"), Qt::LeftButton);
        QTRY_COMPARE(fondoVenta, noche.fondo);
    }

    // Un registro que la agencia rechaza se ve en el menú; al pulsar, su
    // mensaje, y «Corregir» hace el registro nuevo y lo quita de la lista
    void registroRechazado()
    {
        gRegion = QStringLiteral("España");
        gConexion.ejecutar("insert into relaciones_fijas (indice, datoa) values ('VeriFactu', 'Madrid')");
        gConexion.ejecutar("insert into opciones (nombre, cif) values ('Centro', 'B12345674')");
        gConexion.ejecutar("insert into clientes (codigo, nombre, nif) values (7, 'Lucía', '12345678Z')");
        for (const char* c : {"Factura", "Bonos"})
            SesionPrueba::ponerContador(gConexion, QLatin1String(c), 1);
        RegistrarVenta(SerieFactura::Primera, {.codCliente = "7", .codServicio = 1, .nomServicio = "Corte",
                                               .clavePrecio = "1|Corte|10|21|10|1,74", .formaPago = 1, .sesiones = "1",
                                               .precio = "10", .entrega = "10", .fechaAlta = "01/03/2025",
                                               .desde = QDate(2025, 3, 1), .hasta = QDate(2026, 3, 1)});
        gConexion.ejecutar("insert into verifactu_envios (cadena, inicio, fin, registros, ultima_secuencia, estado, espera) "
                           "values (1, '2025-03-01T10:00:00Z', '2025-03-01T10:00:01Z', 1, 1, 'Incorrecto', 60)");
        gConexion.ejecutar("insert into verifactu_respuestas (envio, registro, estado, codigo_error, descripcion_error) values "
                           "(1, 1, 'Incorrecto', 4109, 'El NIF del destinatario no está identificado')");
        menu();
        auto* etiqueta = control<QLabel>("lblRegistrosSinEnviar");
        QVERIFY(etiqueta->isVisible());
        QCOMPARE(etiqueta->text(), QStringLiteral("1 registro rechazado por la agencia: pulse aquí para corregirlo"));
        // Cuando llega el rechazo la pantalla se abre sola, pero no con una acción a medias
        int abierta = 0;
        auto aviso = Modal::alAbrirse(QStringLiteral("frmRegistrosFacturacion"), [&](QWidget* pantalla) {
            ++abierta;
            QTest::mouseClick(pantalla->findChild<QPushButton*>(QStringLiteral("cmd_Cerrar")), Qt::LeftButton);
        });
        AvisoRechazosPantalla rechazos;
        {
            Transaccion t(gConexion);
            rechazos.rechazados({});
            QTest::qWait(100);
            QCOMPARE(abierta, 0);
            t.confirmar();
        }
        QTRY_COMPARE_WITH_TIMEOUT(abierta, 1, 5000);
        QStringList vistas;
        auto vigia = Modal::alAbrirse(QStringLiteral("frmRegistrosFacturacion"), [&](QWidget* pantalla) {
            auto* lista = pantalla->findChild<QTableWidget*>(QStringLiteral("grdRegistros"));
            for (int c = 0; c < lista->columnCount(); ++c)
                vistas << lista->item(0, c)->text();
            QTest::mouseClick(pantalla->findChild<QPushButton*>(QStringLiteral("cmd_Corregir")), Qt::LeftButton);
            vistas << QString::number(lista->rowCount())
                   << pantalla->findChild<QLabel*>(QStringLiteral("lblEstado"))->text().section(QStringLiteral(": "), 0, 0);
            QTest::mouseClick(pantalla->findChild<QPushButton*>(QStringLiteral("cmd_Cerrar")), Qt::LeftButton);
        });
        QTest::mouseClick(etiqueta, Qt::LeftButton);
        QCOMPARE(vistas, QStringList({"F-1", "01-03-2025", "rechazado", "4109", "El NIF del destinatario no está identificado", "0",
                                  "1 registro sin enviar. Último envío"}));
        QCOMPARE(Mensajes::anotados().join('\n'), QStringLiteral("Registros de facturación|Hecho el registro de corrección de F-1. "
                                                                 "Sale hacia la agencia en el próximo envío."));
        QVERIFY(VeriFactu::registrosPorCorregir(gConexion).isEmpty());
        // Ahora solo queda el registro nuevo, aún sin enviar
        QCOMPARE(etiqueta->text(), QStringLiteral("1 registro de facturación sin enviar"));
    }

    // Un fallo en una opción se cuenta en un mensaje y el menú sigue
    void errorEnOpcion()
    {
        // Sin la tabla de los packs, la lista del catálogo no se puede leer
        gConexion.ejecutar(QStringLiteral("drop table familias"));
        menu();
        QTest::mouseClick(control("cmd_BFamilias"), Qt::LeftButton);
        QCOMPARE(Mensajes::anotados().size(), 1);
        QVERIFY2(Mensajes::anotados().first().contains(QStringLiteral("le falta una tabla")),
                 qPrintable(Mensajes::anotados().first()));
        QVERIFY(m_menu->isVisible());
    }
};

QTEST_MAIN(TstFrmTarvelo)
#include "tst_frmtarvelo.moc"
