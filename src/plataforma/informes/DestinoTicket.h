#pragma once
// Manda los bytes del ticket a la impresora del puesto, sin tocarlos:
//   /dev/usb/lp0 (o cualquier ruta)   fichero de dispositivo
//   servidor:puerto                   impresora de red (TCP, normalmente 9100)
//   nombre                            cola de CUPS, en bruto (lp -o raw)
// Lanza ErrorTarvelo si no llegan.
#include <QByteArray>
#include <QString>

namespace DestinoTicket {

void enviar(const QString& destino, const QByteArray& bytes);

}  // namespace DestinoTicket
