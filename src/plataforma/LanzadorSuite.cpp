#include "plataforma/LanzadorSuite.h"

#include "datos/Error.h"
#include "plataforma/ConfiguracionSuite.h"
#include "datos/Globales.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcLanzador, "tarvelo.lanzador", QtWarningMsg)

namespace {

QString nombreVisible(const QString& programa, const QString& texto)
{
    return texto.trimmed().isEmpty() ? QStringLiteral("«%1»").arg(programa)
                                     : QStringLiteral("«%1» (%2)").arg(texto, programa);
}

// Ejecutable de la orden: ruta (absoluta o relativa a la carpeta del programa) o nombre en el PATH
QString buscarEjecutable(const QString& ejecutable)
{
    if (ejecutable.contains(QLatin1Char('/'))) {
        const QFileInfo fi(QDir(carpetaPrograma()).absoluteFilePath(ejecutable));
        return fi.isFile() && fi.isExecutable() ? fi.absoluteFilePath() : QString();
    }
    const QString junto = QStandardPaths::findExecutable(ejecutable, {carpetaPrograma()});
    return junto.isEmpty() ? QStandardPaths::findExecutable(ejecutable) : junto;
}

}  // namespace

void LanzadorSuite::Arrancar(const QString& programa, const QString& texto, Conexion&)
{
    if (programa.trimmed().isEmpty())
        throw ErrorTarvelo(QStringLiteral("No se ha indicado qué programa de la suite hay que arrancar."));
    const QString visible = nombreVisible(programa, texto);
    const QString orden = ConfiguracionSuite::programa(programa).trimmed();
    if (orden.isEmpty())
        throw ErrorTarvelo(QStringLiteral("El programa %1 no está configurado en este puesto (%2, sección "
                                          "[programas]).")
                               .arg(visible, ConfiguracionSuite::ruta()));
    QStringList partes = QProcess::splitCommand(orden);
    if (partes.isEmpty())
        throw ErrorTarvelo(QStringLiteral("La orden del programa %1 está vacía.").arg(visible));
    const QString ejecutable = buscarEjecutable(partes.takeFirst());
    if (ejecutable.isEmpty())
        throw ErrorTarvelo(QStringLiteral("El programa %1 no está instalado en este puesto: no se encuentra «%2».")
                               .arg(visible, QProcess::splitCommand(orden).constFirst()));
    qint64 pid = 0;
    if (!QProcess::startDetached(ejecutable, partes, carpetaPrograma(), &pid))
        throw ErrorTarvelo(QStringLiteral("No se pudo arrancar el programa %1 («%2»).").arg(visible, ejecutable));
    qCInfo(lcLanzador) << "Arrancado" << programa << ejecutable << partes << "pid" << pid;
}
