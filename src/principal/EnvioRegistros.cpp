#include "principal/EnvioRegistros.h"

#include "datos/Componentes.h"
#include "datos/Globales.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcEnvio, "tarvelo.verifactu.envio")

EnvioRegistros::EnvioRegistros()
    : m_cola(Componentes::transporteAgencia(), [] { return QDateTime::currentDateTimeUtc(); })
{
    connect(&m_temporizador, &QTimer::timeout, this, &EnvioRegistros::paso);
    m_temporizador.start(kIntervalo);
}

void EnvioRegistros::paso()
{
    // Nunca dentro de la transacción de una acción (un diálogo abierto desde ella)
    if (!gConexion.abierta() || gConexion.enTransaccion())
        return;
    try {
        m_cola.ejecutar(QDateTime::currentDateTimeUtc());
        m_ultimoError.clear();
    } catch (const ErrorTarvelo& e) {
        // Lo que falle aquí no llega al usuario: se vuelve a intentar en el paso siguiente
        if (e.descripcion() != m_ultimoError)
            qCWarning(lcEnvio).noquote() << "No se pudo enviar los registros de facturación:" << e.descripcion();
        m_ultimoError = e.descripcion();
    }
}
