#include "plataforma/informes/TicketEscPos.h"

#include "datos/Error.h"
#include "datos/Globales.h"
#include "datos/Valores.h"
#include "plataforma/informes/CodigoQr.h"

#include <QStringEncoder>

namespace TicketEscPos {
namespace {

constexpr char ESC = 0x1b;
constexpr char GS = 0x1d;

QByteArray orden(std::initializer_list<char> bytes)
{
    return QByteArray(bytes.begin(), qsizetype(bytes.size()));
}

class Escritor {
public:
    explicit Escritor(int pagina)
    {
        if (!m_cp858.isValid())
            throw ErrorTarvelo(QStringLiteral("Este sistema no tiene la página de códigos PC858 del ticket."));
        m_bytes += orden({ESC, '@'});  // impresora como al encenderla
        m_bytes += orden({ESC, 't', char(pagina)});
    }
    void alinear(int a) { m_bytes += orden({ESC, 'a', char(a)}); }  // 0 izquierda, 1 centro
    void modo(int m) { m_bytes += orden({ESC, '!', char(m)}); }     // 0x08 negrita, 0x30 doble
    // Un carácter de control de un nombre sería una orden para la impresora
    void linea(QString texto)
    {
        for (QChar& c : texto)
            if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0))
                c = QLatin1Char(' ');
        // Sin partir un carácter de dos mitades: la mitad suelta saldría en la línea siguiente
        texto.truncate(kColumnas);
        if (!texto.isEmpty() && texto.back().isHighSurrogate())
            texto.chop(1);
        // Lo que no tiene la página sale como 0x7f: mejor un "?"
        m_bytes += QByteArray(m_cp858.encode(texto)).replace('\x7f', '?') + '\n';
    }
    // Concepto a la izquierda y el importe a la derecha
    void columnas(const QString& izquierda, const QString& derecha, int ancho = kColumnas)
    {
        const QString i = izquierda.left(ancho - derecha.size() - 1);
        linea(i + QString(ancho - i.size() - derecha.size(), QLatin1Char(' ')) + derecha);
    }
    void raya() { linea(QString(kColumnas, QLatin1Char('-'))); }
    void bytes(const QByteArray& b) { m_bytes += b; }
    QByteArray cortar()
    {
        m_bytes += orden({ESC, 'd', 4});     // papel hasta la cuchilla
        m_bytes += orden({GS, 'V', 1});      // corte parcial
        return m_bytes;
    }

private:
    QStringEncoder m_cp858{"IBM858"};
    QByteArray m_bytes;
};

}  // namespace

QByteArray componer(const DatosTicket& t, int paginaCodigos)
{
    const auto importe = [&t](double v) { return Valores::mostrarImporte(v, gNumDecimales) + QLatin1Char(' ') + t.moneda; };
    // Entregado y cambio vienen de la pantalla: se escriben como importes si lo son
    const auto texto = [&](const QString& v) {
        bool ok = false;
        const double n = Valores::leerNumero(v, &ok);
        return v.trimmed().isEmpty() ? QString() : ok ? importe(n) : v.trimmed();
    };
    Escritor e(paginaCodigos);
    e.alinear(1);
    if (!t.qrTributario.isEmpty()) {
        // Unos 35 mm de lado (sin el margen), con un número entero de puntos por módulo
        const CodigoQr qr(t.qrTributario.toUtf8());
        const int puntos = qMax(1, 35 * kPuntosPorMm / qr.lado());
        e.linea(QStringLiteral("QR tributario:"));
        e.bytes(qr.imagenEscPos(puntos));
        e.linea(QStringLiteral("VERI*FACTU"));
    }
    // Letra doble si el nombre cabe en media línea; si no, solo más alta
    const bool corto = t.tienda.size() <= kColumnas / 2;
    e.modo(corto ? 0x30 : 0x18);
    e.linea(t.tienda.left(corto ? kColumnas / 2 : kColumnas));
    e.modo(0);
    for (const QString& c : t.cabecera)
        if (!c.trimmed().isEmpty())
            e.linea(c.trimmed());
    e.alinear(0);
    e.raya();
    e.columnas(QStringLiteral("Fecha: ") + t.fecha, QStringLiteral("Hora: ") + t.hora);
    e.linea(QStringLiteral("Factura nº: %1").arg(t.numero));
    e.raya();
    double total = 0;
    for (const DatosTicket::Linea& l : t.lineas) {
        e.linea(l.producto);
        e.columnas(QStringLiteral("  %1 sesiones").arg(Valores::numeroATexto(l.unidades)), importe(l.bruto));
        if (l.descuento != 0)
            e.columnas(QStringLiteral("  Descuento"), importe(-l.descuento));
        total += l.precio;
    }
    if (!t.impuestoIncluido)
        total += t.impuesto;
    e.raya();
    e.modo(0x18);  // negrita y doble alto
    e.columnas(QStringLiteral("TOTAL"), importe(total));
    e.modo(0);
    e.columnas(QStringLiteral("IVA %1 % %2").arg(Valores::numeroATexto(t.tipoImpuesto),
                                                  t.impuestoIncluido ? QStringLiteral("incluido")
                                                                     : QStringLiteral("añadido")),
               importe(t.impuesto));
    e.columnas(QStringLiteral("Entregado"), texto(t.entregado));
    e.columnas(QStringLiteral("Cambio"), texto(t.cambio));
    e.raya();
    e.alinear(1);
    e.linea(QStringLiteral("Gracias por su visita"));
    return e.cortar();
}

}  // namespace TicketEscPos
