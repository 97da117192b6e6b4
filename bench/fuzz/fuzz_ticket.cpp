// Ticket ESC/POS: sean cuales sean los textos y los importes, solo salen las
// órdenes del ticket, ninguna línea pasa de las columnas del papel y acaba
// con el corte; un nombre con caracteres de control no manda a la impresora.
// La imagen del código QR cabe en el papel y sus bytes son los que dice.
#include "Comun.h"
#include "datos/Error.h"
#include "datos/Globales.h"
#include "plataforma/informes/TicketEscPos.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QString texto(FuzzedDataProvider& f)
{
    const std::string s = f.ConsumeRandomLengthString(80);
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

double importe(FuzzedDataProvider& f)
{
    return f.ConsumeIntegral<int32_t>() / 100.0;
}

// Recorre los bytes: las órdenes que el ticket usa y líneas de texto
void comprobar(const QByteArray& b, const QString& detalle)
{
    if (!b.startsWith("\x1b@") || !b.endsWith("\x1b" "d\x04\x1dV\x01"))
        hallazgo("el ticket no empieza por la inicialización o no acaba con el corte", detalle);
    int columna = 0;
    for (qsizetype i = 0; i < b.size(); ++i) {
        const uchar c = uchar(b[i]);
        if (c == 0x1d && i + 7 < b.size() && b[i + 1] == 'v') {
            const int bytesFila = uchar(b[i + 4]) | uchar(b[i + 5]) << 8;
            const int filas = uchar(b[i + 6]) | uchar(b[i + 7]) << 8;
            if (columna != 0 || bytesFila * 8 > 72 * TicketEscPos::kPuntosPorMm || i + 8 + bytesFila * filas > b.size())
                hallazgo("una imagen que no cabe en el papel o en el ticket", detalle);
            i += 7 + qsizetype(bytesFila) * filas;
        } else if (c == 0x1b || c == 0x1d) {
            const char orden = i + 1 < b.size() ? b[i + 1] : 0;
            const bool conocida = c == 0x1b ? QByteArray("@tad!").contains(orden) : orden == 'V';
            if (!conocida || columna != 0)
                hallazgo("una orden de impresora que el ticket no pone", detalle);
            i += orden == '@' ? 1 : 2;
        } else if (c == '\n') {
            columna = 0;
        } else if (c < 0x20 || c == 0x7f) {
            hallazgo("un carácter de control dentro de una línea", detalle);
        } else if (++columna > TicketEscPos::kColumnas) {
            hallazgo("una línea más ancha que el papel", detalle);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tam)
{
    FuzzedDataProvider f(datos, tam);
    gNumDecimales = f.ConsumeIntegralInRange(0, 4);
    DatosTicket t;
    t.tienda = texto(f);
    for (int i = f.ConsumeIntegralInRange(0, 3); i > 0; --i)
        t.cabecera << texto(f);
    t.fecha = texto(f);
    t.hora = texto(f);
    t.numero = f.ConsumeIntegral<int>();
    for (int i = f.ConsumeIntegralInRange(0, 3); i > 0; --i)
        t.lineas.append({texto(f), double(f.ConsumeIntegralInRange(-999, 9999)), importe(f), importe(f), importe(f)});
    t.impuesto = importe(f);
    t.tipoImpuesto = f.ConsumeIntegralInRange(0, 10000) / 100.0;
    t.impuestoIncluido = f.ConsumeBool();
    t.entregado = texto(f);
    t.cambio = texto(f);
    if (f.ConsumeBool())
        t.moneda = texto(f);
    if (f.ConsumeBool())
        t.qrTributario = texto(f);
    QByteArray bytes;
    try {
        bytes = TicketEscPos::componer(t, f.ConsumeIntegralInRange(0, 255));
    } catch (const ErrorTarvelo&) {
        return 0;  // sin la página de códigos
    }
    comprobar(bytes, QString::fromLatin1(bytes.toHex(' ')));
    return 0;
}
