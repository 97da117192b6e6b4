#include "plataforma/LanzadorSuite.h"

#include "datos/Aviso.h"
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
    return QStringLiteral("«%1»").arg(texto.trimmed().isEmpty() ? programa : texto.trimmed());
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
    const QString visible = nombreVisible(programa, texto);
    const QString orden = ConfiguracionSuite::programa(programa).trimmed();
    const QString donde = QStringLiteral("la sección [programas] de %1").arg(ConfiguracionSuite::ruta());
    if (programa.trimmed().isEmpty()) {
        avisar(QStringLiteral("No se puede abrir el programa pedido: no se ha dicho cuál. Revise las opciones de la "
                              "tienda."));
        return;
    }
    const QStringList partes = QProcess::splitCommand(orden);
    if (partes.isEmpty()) {
        avisar(QStringLiteral("No se puede abrir %1: no está configurado en este puesto. Añada la línea "
                              "«%2=orden del programa» en %3.")
                   .arg(visible, programa, donde));
        return;
    }
    const QString ejecutable = buscarEjecutable(partes.constFirst());
    if (ejecutable.isEmpty()) {
        avisar(QStringLiteral("No se puede abrir %1: no está instalado en este puesto. Instálelo o corrija su orden "
                              "en %2.")
                   .arg(visible, donde),
               QStringLiteral("No se encuentra «%1».").arg(partes.constFirst()));
        return;
    }
    qint64 pid = 0;
    if (!QProcess::startDetached(ejecutable, partes.mid(1), carpetaPrograma(), &pid)) {
        avisar(QStringLiteral("No se ha podido abrir %1. Vuelva a intentarlo; si sigue sin abrirse, avise al servicio "
                              "técnico.")
                   .arg(visible),
               QStringLiteral("No arranca «%1».").arg(ejecutable));
        return;
    }
    qCInfo(lcLanzador) << "Arrancado" << programa << ejecutable << partes.mid(1) << "pid" << pid;
}
