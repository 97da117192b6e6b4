#include "principal/ManejadorErrores.h"

#include "datos/Error.h"
#include "datos/Globales.h"
#include "principal/Mensajes.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcErrores, "tarvelo.errores")

namespace ManejadorErrores {

void informar(const QString& descripcion)
{
    qCWarning(lcErrores).noquote() << descripcion;
    // Lo que quedara a medias en la conexión de la sesión no se guarda
    if (gConexion.enTransaccion())
        gConexion.deshacerTransaccion();
    Mensajes::error(QApplication::activeWindow(), descripcion);
}

bool ejecutar(const std::function<void()>& accion)
{
    try {
        accion();
        return true;
    } catch (const ErrorTarvelo& e) {
        informar(e.descripcion());
    } catch (const std::exception& e) {
        informar(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

}  // namespace ManejadorErrores

AplicacionTarvelo::AplicacionTarvelo(int& argc, char** argv) : QApplication(argc, argv) {}

bool AplicacionTarvelo::notify(QObject* receptor, QEvent* evento)
{
    bool resultado = false;
    ManejadorErrores::ejecutar([&] { resultado = QApplication::notify(receptor, evento); });
    return resultado;
}
