#include "principal/ManejadorErrores.h"

#include "datos/Error.h"
#include "datos/Globales.h"
#include "principal/Mensajes.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcErrores, "tarvelo.errores")

namespace ManejadorErrores {

void informar(const QString& descripcion, const QString& detalle)
{
    qCWarning(lcErrores).noquote() << descripcion << (detalle.isEmpty() ? QString() : QLatin1Char('\n') + detalle);
    // Lo que quedara a medias en la conexión de la sesión no se guarda
    if (gConexion.enTransaccion())
        gConexion.deshacerTransaccion();
    Mensajes::error(QApplication::activeWindow(), descripcion, detalle);
}

bool ejecutar(const std::function<void()>& accion)
{
    try {
        accion();
        return true;
    } catch (const ErrorTarvelo& e) {
        informar(e.descripcion(), e.detalle());
    } catch (const std::exception& e) {
        informar(QStringLiteral("Ha fallado algo inesperado en el programa. Si vuelve a pasar, avise al servicio "
                                "técnico con los detalles de este mensaje."),
                 QString::fromLocal8Bit(e.what()));
    }
    return false;
}

}  // namespace ManejadorErrores

void AvisoEnPantalla::avisar(const QString& texto, const QString& detalle)
{
    qCInfo(lcErrores).noquote() << texto << detalle;
    Mensajes::mostrar(QApplication::activeWindow(), QStringLiteral("Gestion de Bonos"), texto, Mensajes::Icono::Aviso,
                      Mensajes::Botones::Aceptar, detalle);
}

AplicacionTarvelo::AplicacionTarvelo(int& argc, char** argv) : QApplication(argc, argv)
{
    Mensajes::instalarTraduccionesQt();
    ponerAviso(&m_aviso);
}

AplicacionTarvelo::~AplicacionTarvelo()
{
    ponerAviso(nullptr);
}

bool AplicacionTarvelo::notify(QObject* receptor, QEvent* evento)
{
    bool resultado = false;
    ManejadorErrores::ejecutar([&] { resultado = QApplication::notify(receptor, evento); });
    return resultado;
}
