// Los documentos de una venta de demostración para la documentación: la
// factura, la hoja de seguimiento y el formulario de la normativa en PDF, y
// una imagen del ticket dibujada desde sus bytes ESC/POS. La tienda registra
// sus facturas (VERI*FACTU, sede de pruebas): factura y ticket llevan el QR.
//   documentos <carpeta de salida>
#include "CreadorBase.h"
#include "Demo.h"
#include "Esquema.h"
#include "datos/Componentes.h"
#include "datos/Consulta.h"
#include "datos/Globales.h"
#include "informes/DatosInformes.h"
#include "informes/DocumentoInforme.h"
#include "plataforma/ConfiguracionSuite.h"
#include "plataforma/informes/GestorPerifericosTicket.h"
#include "plataforma/informes/TicketEscPos.h"
#include "principal/Cargadores.h"
#include "registros/RegistroVenta.h"
#include "registros/verifactu/UrlQr.h"

#include <QApplication>
#include <QPainter>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

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
    {
        Conexion c;
        c.abrir(tienda);
        Esquema::actualizar(c, Esquema::Base::Tienda);
        Demo::sembrar(c, OpcionesDemo{});
        c.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, datoa, daton) values ('VeriFactu', 'Madrid', 1)"));
    }
    ConfiguracionSuite::ponerRuta(carpeta + QStringLiteral("/suite.ini"));
    ConfiguracionSuite::guardarTienda(tienda);
    ConfiguracionSuite::guardarOrigen(QStringLiteral("dsn=ListBrisalo"), informes);
    gConexion.abrir(tienda);
}

// Seis sesiones del primer servicio de más de 30 al primer cliente con NIF
VentaEnCurso venta()
{
    VentaEnCurso v;
    Consulta cli(gConexion, QStringLiteral("select codigo from clientes where nif <> '' order by codigo"));
    cli.siguiente();
    v.codCliente = cli.texto(QStringLiteral("codigo"));
    Consulta s(gConexion, QStringLiteral("select codigo, nombre, precio, iva from servicios where precio > 30 "
                                         "order by codigo"));
    s.siguiente();
    const double precio = s.numero(QStringLiteral("precio"));
    const double iva = s.numero(QStringLiteral("iva"));
    const double impuesto = Componentes::numeros().ImporteImpuesto(precio, iva, gIva);
    v.titulo = QStringLiteral("Bonos de Servicios");
    v.codServicio = s.entero(QStringLiteral("codigo"));
    v.nomServicio = s.texto(QStringLiteral("nombre"));
    v.clavePrecio = QStringList{s.texto(QStringLiteral("codigo")), v.nomServicio, Valores::numeroATexto(precio),
                                Valores::numeroATexto(iva), Valores::numeroATexto(precio),
                                Valores::numeroATexto(impuesto)}
                        .join(QLatin1Char('|'));
    v.nomEmpleado = QStringLiteral("Marta L");
    v.codEmpleado = 1;
    v.formaPago = 1;
    v.sesiones = QStringLiteral("6");
    v.precio = Valores::mostrarImporte(precio * 6, gNumDecimales);
    const double entrega = std::ceil(precio * 6 / 50) * 50;
    v.entrega = Valores::mostrarImporte(entrega, gNumDecimales);
    v.cambio = Valores::mostrarImporte(entrega - precio * 6, gNumDecimales);
    v.fechaAlta = Valores::fechaCorta(QDate::currentDate());
    v.desde = QDate::currentDate();
    v.hasta = v.desde.addYears(1);
    return v;
}

// El ticket como saldría del papel térmico: 42 columnas, el centrado, la
// letra doble y la negrita de sus órdenes, y el corte
QImage dibujarTicket(const QByteArray& bytes)
{
    constexpr int kAncho = 42, kPunto = 14, kMargen = 24;
    QFont letra(QStringLiteral("DejaVu Sans Mono"));
    letra.setPixelSize(kPunto * 2 - 6);
    const int columna = QFontMetrics(letra).horizontalAdvance(QLatin1Char('M'));
    QImage imagen(kAncho * columna + 2 * kMargen, 2000, QImage::Format_RGB32);
    imagen.fill(QColor(0xfb, 0xfb, 0xf6));
    QPainter p(&imagen);
    QStringDecoder pc858("IBM858");
    int y = kMargen, alineacion = 0, modo = 0;
    QByteArray linea;
    const auto escribir = [&] {
        const QString texto = pc858.decode(linea);
        QFont f = letra;
        f.setBold(modo & 0x08 || modo & 0x10);
        const int escalaX = modo & 0x20 ? 2 : 1, escalaY = modo & 0x10 ? 2 : 1;
        const int ancho = texto.size() * columna * escalaX;
        const int x = alineacion == 1 ? (imagen.width() - ancho) / 2 : kMargen;
        y += kPunto * 2 * escalaY;
        p.save();
        p.translate(x, y);
        p.scale(escalaX, escalaY);
        p.setFont(f);
        p.setPen(QColor(0x22, 0x22, 0x22));
        p.drawText(0, 0, texto);
        p.restore();
        linea.clear();
    };
    for (int i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == 0x1b) {
            const char orden = bytes.at(i + 1);
            if (orden == 'a')
                alineacion = bytes.at(i + 2);
            else if (orden == '!')
                modo = uchar(bytes.at(i + 2));
            else if (orden == 'd')
                y += bytes.at(i + 2) * kPunto;
            i += orden == '@' ? 1 : 2;
        } else if (c == 0x1d && bytes.at(i + 1) == 'v') {
            // Imagen de puntos: con la letra A de 12 puntos de ancho, 42 columnas son 504 puntos
            const auto n = [&](int k) { return uchar(bytes.at(i + k)) | uchar(bytes.at(i + k + 1)) << 8; };
            const int bytesFila = n(4), filas = n(6);
            QImage puntos(bytesFila * 8, filas, QImage::Format_RGB32);
            puntos.fill(imagen.pixel(0, 0));
            for (int f = 0; f < filas; ++f)
                for (int b = 0; b < bytesFila * 8; ++b)
                    if (uchar(bytes.at(i + 8 + f * bytesFila + b / 8)) & (0x80 >> (b % 8)))
                        puntos.setPixel(b, f, qRgb(0x22, 0x22, 0x22));
            const QImage escalada = puntos.scaledToWidth(bytesFila * 8 * kAncho * columna / (kAncho * 12),
                                                         Qt::FastTransformation);
            const int x0 = alineacion == 1 ? (imagen.width() - escalada.width()) / 2 : kMargen;
            p.drawImage(x0, y + kPunto / 2, escalada);
            y += escalada.height();
            i += 7 + bytesFila * filas;
        } else if (c == 0x1d) {
            y += kPunto * 2;
            p.setPen(QPen(QColor(0x99, 0x99, 0x99), 2, Qt::DashLine));
            p.drawLine(0, y, imagen.width(), y);
            i += 2;
        } else if (c == '\n') {
            escribir();
        } else {
            linea += c;
        }
    }
    p.end();
    return imagen.copy(0, 0, imagen.width(), y + kPunto);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString salida = app.arguments().value(1, QStringLiteral("docs/documentos"));
    QTemporaryDir dir;
    try {
        prepararTienda(dir.path());
        CargarOpciones();
        Valores::ponerRegionales(AjustesRegionales::espanoles());
        const VentaEnCurso v = venta();
        const int n = RegistrarVenta(SerieFactura::Primera, v);
        DocumentoInforme::ponerCarpeta(salida);
        {
            DocumentoInforme doc(QStringLiteral("factura"));
            doc.ponerQrTributario(VeriFactu::urlQrGuardada(QStringLiteral("cabecera_factura"), n));
            GenerarReportFactura(doc, n);
            doc.imprimir(QStringLiteral("Q_factura.rpt"));
        }
        const PantallaBono pantalla{v.titulo, v.codCliente, v.nomServicio, v.sesiones, v.precio,
                                    v.entrega, v.cambio,     v.desde,      v.hasta};
        for (const auto& [nombre, plantilla] : {std::pair{"hoja-seguimiento", "Q_BonosServicios.rpt"},
                                                std::pair{"normativa-uva", "Q_BonosNormativaUVA.rpt"}}) {
            DocumentoInforme doc{QString::fromLatin1(nombre)};
            CrearReportBonos(doc, n, pantalla);
            doc.imprimir(QLatin1String(plantilla));
        }
        DatosTicket t = GestorPerifericosTicket::leer(gConexion, n);
        t.entregado = v.entrega;
        t.cambio = v.cambio;
        t.qrTributario = VeriFactu::urlQrGuardada(QStringLiteral("cabecera_factura"), n);
        if (!dibujarTicket(TicketEscPos::componer(t, 19)).save(salida + QStringLiteral("/ticket.png")))
            throw ErrorTarvelo(QStringLiteral("No se pudo guardar la imagen del ticket."));
    } catch (const ErrorTarvelo& e) {
        QTextStream(stderr) << e.descripcion() << '\n' << e.detalle() << '\n';
        return 1;
    }
    return 0;
}
