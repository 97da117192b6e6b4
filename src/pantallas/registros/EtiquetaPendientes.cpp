#include "pantallas/registros/EtiquetaPendientes.h"

#include "datos/Error.h"
#include "datos/Globales.h"
#include "pantallas/comun/ConvencionesPantalla.h"
#include "pantallas/registros/frmRegistrosFacturacion.h"
#include "registros/verifactu/ColaEnvios.h"

#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(lcPendientes, "tarvelo.verifactu.pendientes")

namespace {
constexpr int kIntervalo = 15000;  // ms entre cuentas
}

EtiquetaPendientes::EtiquetaPendientes(QWidget* padre) : QLabel(padre), m_temporizador(new QTimer(this))
{
    setObjectName(QStringLiteral("lblRegistrosSinEnviar"));
    QFont f = font();
    f.setPixelSize(16);
    f.setItalic(true);
    setFont(f);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setCursor(Qt::PointingHandCursor);
    hide();
    m_temporizador->setInterval(ConvencionesPantalla::intervalo(kIntervalo));
    connect(m_temporizador, &QTimer::timeout, this, &EtiquetaPendientes::actualizar);
    m_temporizador->start();
    actualizar();
}

QString EtiquetaPendientes::texto(int pendientes, bool falloUltimoEnvio, int porCorregir)
{
    QStringList partes;
    if (pendientes > 0)
        partes << (pendientes == 1 ? QStringLiteral("1 registro de facturación sin enviar")
                                   : QStringLiteral("%1 registros de facturación sin enviar").arg(pendientes)) +
                      (falloUltimoEnvio && porCorregir == 0 ? QStringLiteral(": el último envío falló (pulse para ver por qué)")
                                                            : QString());
    if (porCorregir > 0)
        partes << (porCorregir == 1 ? QStringLiteral("1 registro rechazado por la agencia: pulse aquí para corregirlo")
                                    : QStringLiteral("%1 registros rechazados por la agencia: pulse aquí para corregirlos")
                                          .arg(porCorregir));
    return partes.join(QStringLiteral(" · "));
}

void EtiquetaPendientes::actualizar()
{
    int n = 0;
    bool fallo = false;
    int porCorregir = 0;
    // Una base sin servidor no para la pantalla: sin cuenta, no se enseña
    try {
        if (gConexion.abierta() && !gConexion.enTransaccion()) {
            n = VeriFactu::registrosSinEnviar(gConexion);
            porCorregir = int(VeriFactu::registrosPorCorregir(gConexion).size());
            fallo = n > 0 && !VeriFactu::ultimoEnvio(gConexion).fallo.isEmpty();
        }
    } catch (const ErrorTarvelo& e) {
        qCInfo(lcPendientes).noquote() << e.descripcion();
    }
    setText(texto(n, fallo, porCorregir));
    // Lo que hay que corregir se ve más
    setStyleSheet(porCorregir > 0 ? QStringLiteral("color: #b00020; text-decoration: underline;") : QString());
    setVisible(n > 0 || porCorregir > 0);
}

void EtiquetaPendientes::mouseReleaseEvent(QMouseEvent* evento)
{
    QLabel::mouseReleaseEvent(evento);
    frmRegistrosFacturacion::abrir(window());
    actualizar();
}
