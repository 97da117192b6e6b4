#include "pantallas/comun/EtiquetaPendientes.h"

#include "datos/Error.h"
#include "datos/Globales.h"
#include "pantallas/comun/ConvencionesPantalla.h"
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
    hide();
    m_temporizador->setInterval(ConvencionesPantalla::intervalo(kIntervalo));
    connect(m_temporizador, &QTimer::timeout, this, &EtiquetaPendientes::actualizar);
    m_temporizador->start();
    actualizar();
}

QString EtiquetaPendientes::texto(int pendientes)
{
    return pendientes == 1 ? QStringLiteral("1 registro de facturación sin enviar")
                           : QStringLiteral("%1 registros de facturación sin enviar").arg(pendientes);
}

void EtiquetaPendientes::actualizar()
{
    int n = 0;
    // Una base sin servidor no para la pantalla: sin cuenta, no se enseña
    try {
        if (gConexion.abierta() && !gConexion.enTransaccion())
            n = VeriFactu::registrosSinEnviar(gConexion);
    } catch (const ErrorTarvelo& e) {
        qCInfo(lcPendientes).noquote() << e.descripcion();
    }
    setText(texto(n));
    setVisible(n > 0);
}
