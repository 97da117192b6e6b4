// Capturas de las pantallas para la documentación: se dibujan sin
// pantalla (plataforma offscreen) sobre una tienda de demostración nueva en
// SQLite y se guardan como PNG en la carpeta que se indique.
//   capturas CARPETA_SALIDA
#include "CreadorBase.h"
#include "capturas_venta.h"
#include "Demo.h"
#include "Esquema.h"
#include "datos/Componentes.h"
#include "datos/Error.h"
#include "pantallas/busqueda/frmBuscar.h"
#include "pantallas/comun/ConvencionesPantalla.h"
#include "pantallas/menu/frmSeleccionTienda.h"
#include "pantallas/menu/frmTarvelo.h"
#include "pantallas/venta/frmBonosServicios.h"
#include "plataforma/ConfiguracionSuite.h"
#include "principal/Arranque.h"
#include "datos/Globales.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

namespace {

struct Captura {
    QString fichero;
    bool menu;  // menú principal o selección de tienda
    int esquema;
    bool bandera;
    QSize tamano;
    QString tipoNegocio;
    int opcionVisual = 0;
    bool ayuda = false;  // con la ayuda abierta
    QString busqueda;    // búsqueda de clientes, con esto tecleado en el nombre
};

void prepararTienda(const QString& carpeta)
{
    ParametrosConexion tienda, informes;
    tienda.baseDatos = carpeta + QStringLiteral("/tienda.db");
    informes.baseDatos = carpeta + QStringLiteral("/informes.db");
    CreadorBase::crearSiFalta(informes);
    {
        Conexion ci;
        ci.abrir(informes);
        Esquema::actualizar(ci, Esquema::Base::Informes);
    }
    Conexion c;
    c.abrir(tienda);
    Esquema::actualizar(c, Esquema::Base::Tienda);
    OpcionesDemo o;
    o.central = true;  // con la lista de tiendas de la cadena
    Demo::sembrar(c, o);
    ConfiguracionSuite::ponerRuta(carpeta + QStringLiteral("/suite.ini"));
    ConfiguracionSuite::guardarTienda(tienda);
    ConfiguracionSuite::guardarOrigen(QStringLiteral("dsn=ListBrisalo"), informes);
    ConfiguracionSuite::guardarIdentificadorPuesto(o.puesto);
}

QImage dibujar(QDialog& pantalla, bool ayuda, const QString& busqueda = QString())
{
    pantalla.move(0, 0);
    pantalla.show();
    if (!QTest::qWaitForWindowActive(&pantalla))
        throw ErrorTarvelo(QStringLiteral("La pantalla %1 no llega a mostrarse.").arg(pantalla.objectName()));
    // Lo tecleado con el teclado de la pantalla, y OK
    const auto pulsar = [&pantalla](const QString& rotulo) {
        for (QPushButton* b : pantalla.findChildren<QPushButton*>())
            if (b->objectName().startsWith(QLatin1String("bt_letra")) && b->text() == rotulo)
                QTest::mouseClick(b, Qt::LeftButton);
    };
    for (const QChar c : busqueda)
        pulsar(QString(c));
    if (!busqueda.isEmpty())
        pulsar(QStringLiteral("OK"));
    if (ayuda) {
        QTest::mouseClick(pantalla.findChild<QWidget*>(QStringLiteral("cmd_Ayuda")), Qt::LeftButton);
        auto* subida = pantalla.findChild<QTimer*>(QStringLiteral("tmrAyuda"));
        if (!subida || !QTest::qWaitFor([subida] { return !subida->isActive(); }, 5000))
            throw ErrorTarvelo(QStringLiteral("La ayuda de %1 no termina de subir.").arg(pantalla.objectName()));
    }
    QTest::qWait(50);
    QImage imagen = pantalla.grab().toImage();
    pantalla.close();
    return imagen;
}

// El menú y la venta con registros de facturación que no han llegado a la agencia
void capturarPendientes(const QDir& salida)
{
    gConexion.ejecutar(QStringLiteral("insert into verifactu_cadenas (nif, creada) values ('B12345674', 'captura')"));
    QString anterior;
    for (int i = 1; i <= 3; ++i) {
        const QString huella = QString::number(i).repeated(64);
        gConexion.ejecutar(QStringLiteral("insert into verifactu_registros (cadena, secuencia, tipo_registro, id_emisor, "
                                          "num_serie_factura, fecha_expedicion, huella_anterior, fecha_hora_huso, huella, "
                                          "xml, documento, numero_documento) values (1, ?, 'alta', 'B12345674', ?, "
                                          "'01-03-2025', ?, '2025-03-01T10:00:00+01:00', ?, '', 'cabecera_factura', ?)"),
                           {i, QStringLiteral("F-%1").arg(i), anterior, huella, i});
        anterior = huella;
    }
    gAnchoPantalla = 1024 * 15.0;
    gAltoPantalla = 768 * 15.0;
    frmTarvelo menu;
    const QString ruta = salida.filePath(QStringLiteral("menu-registros-sin-enviar-1024x768.png"));
    if (!dibujar(menu, false).save(ruta))
        throw ErrorTarvelo(QStringLiteral("No se puede guardar %1.").arg(ruta));
    frmBonosServicios venta;
    const QString rutaVenta = salida.filePath(QStringLiteral("frmBonosServicios-registros-sin-enviar-1024x768.png"));
    if (!dibujar(venta, false).save(rutaVenta))
        throw ErrorTarvelo(QStringLiteral("No se puede guardar %1.").arg(rutaVenta));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "Uso: capturas CARPETA_SALIDA\n";
        return 2;
    }
    const QDir salida(QString::fromLocal8Bit(argv[1]));
    if (!salida.mkpath(QStringLiteral("."))) {
        err << "No se puede crear la carpeta " << salida.absolutePath() << '\n';
        return 1;
    }
    try {
        QTemporaryDir temporal;
        prepararTienda(temporal.path());
        // Fotos, logotipo y bandera: los de la carpeta del programa
        ponerCarpetaPrograma(QCoreApplication::applicationDirPath());
        Arranque::cargarSesion();
        const QString bandera = gBandera;
        // La ayuda sube de golpe
        ConvencionesPantalla::ponerEscalaTiempo(0);
        // Siempre la misma foto, para que las capturas no cambien de una vez a otra
        if (gNumFotos > 1) {
            gFotos = QStringList{QString(), gFotos.at(1)};
            gNumFotos = 1;
        }
        const QList<Captura> capturas{
            {QStringLiteral("menu-clasico-bandera-1024x768.png"), true, 1, true, {1024, 768}, "ESTETICA"},
            {QStringLiteral("menu-rosa-sin-bandera-1024x768.png"), true, 2, false, {1024, 768}, "ESTETICA"},
            {QStringLiteral("menu-noche-peluqueria-1024x768.png"), true, 4, true, {1024, 768}, "PELUQUERIA"},
            {QStringLiteral("menu-verde-1920x1080.png"), true, 3, true, {1920, 1080}, "SPA"},
            {QStringLiteral("menu-letra-grande-1024x768.png"), true, 5, true, {1024, 768}, "CLINICAS", 1},
            {QStringLiteral("menu-ayuda-1024x768.png"), true, 1, true, {1024, 768}, "ESTETICA", 0, true},
            {QStringLiteral("tiendas-1024x768.png"), false, 1, false, {1024, 768}, "ESTETICA"},
            {QStringLiteral("tiendas-1920x1080.png"), false, 2, false, {1920, 1080}, "ESTETICA"},
            {QStringLiteral("frmBuscar-1024x768.png"), false, 1, false, {1024, 768}, "ESTETICA", 0, false, "A"},
            {QStringLiteral("frmBuscar-1920x1080.png"), false, 3, false, {1920, 1080}, "ESTETICA", 0, false, "MA"},
        };
        for (const Captura& c : capturas) {
            gEsquemaColores = c.esquema;
            gBandera = c.bandera ? bandera : QString();
            gTipoNegocio = c.tipoNegocio;
            gOpcionVisual = c.opcionVisual;
            gAnchoPantalla = c.tamano.width() * 15.0;
            gAltoPantalla = c.tamano.height() * 15.0;
            gAnchoDiseno = 15360;
            gAltoDiseno = 11085;
            QImage imagen;
            if (!c.busqueda.isEmpty()) {
                frmBuscar f;
                imagen = dibujar(f, false, c.busqueda);
            } else if (c.menu) {
                frmTarvelo f;
                imagen = dibujar(f, c.ayuda);
            } else {
                frmSeleccionTienda f;
                imagen = dibujar(f, false);
            }
            const QString ruta = salida.filePath(c.fichero);
            if (!imagen.save(ruta))
                throw ErrorTarvelo(QStringLiteral("No se puede guardar %1.").arg(ruta));
            QTextStream(stdout) << ruta << " (" << imagen.width() << " x " << imagen.height() << ")\n";
        }
        gEsquemaColores = 1;
        gBandera = bandera;
        gTipoNegocio = QStringLiteral("ESTETICA");
        gOpcionVisual = 0;
        // La venta, en una tienda de la cadena: la central no vende
        gNombreTienda = QStringLiteral("Centro");
        capturarVenta(salida);
        capturarPendientes(salida);
        gConexion.cerrar();
    } catch (const ErrorTarvelo& e) {
        err << e.descripcion() << '\n';
        return 1;
    }
    return 0;
}
