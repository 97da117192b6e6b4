#include "plataforma/RegistroPuesto.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutex>
#include <QRegularExpression>
#include <QStandardPaths>
#include <memory>

namespace RegistroPuesto {
namespace {

struct Estado {
    QMutex mutex;
    Ajustes ajustes;
    QFile fichero;
    QtMessageHandler anterior = nullptr;
    bool instalado = false;
};

Estado& estado()
{
    static Estado e;
    return e;
}

const char* nivel(QtMsgType t)
{
    switch (t) {
    case QtDebugMsg: return "DEBUG";
    case QtInfoMsg: return "INFO";
    case QtWarningMsg: return "AVISO";
    case QtCriticalMsg: return "ERROR";
    case QtFatalMsg: return "FATAL";
    }
    return "?";
}

QString copia(const QString& fichero, int n)
{
    return fichero + QLatin1Char('.') + QString::number(n);
}

// Con el mutex tomado
void rotar(Estado& e)
{
    const QString f = e.ajustes.fichero;
    e.fichero.close();
    QFile::remove(copia(f, e.ajustes.copias));
    for (int n = e.ajustes.copias - 1; n >= 1; --n)
        QFile::rename(copia(f, n), copia(f, n + 1));
    if (e.ajustes.copias > 0)
        QFile::rename(f, copia(f, 1));
    else
        QFile::remove(f);
    e.fichero.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

void escribir(QtMsgType tipo, const QMessageLogContext& contexto, const QString& mensaje)
{
    Estado& e = estado();
    {
        QMutexLocker bloqueo(&e.mutex);
        const QByteArray linea = QStringLiteral("%1 %2 %3: %4\n")
                                     .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs),
                                          QLatin1String(nivel(tipo)),
                                          QLatin1String(contexto.category ? contexto.category : "default"),
                                          sinClaves(mensaje).replace(QLatin1Char('\n'), QLatin1String("\n    ")))
                                     .toUtf8();
        if (e.fichero.isOpen() && e.fichero.size() > 0 && e.fichero.size() + linea.size() > e.ajustes.tamanoMaximo)
            rotar(e);
        if (e.fichero.isOpen()) {
            e.fichero.write(linea);
            e.fichero.flush();
        }
    }
    if (e.anterior)
        e.anterior(tipo, contexto, mensaje);
}

}  // namespace

QString ficheroPorDefecto(const QString& puesto)
{
    QString id = puesto;
    id.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/q_tarvelo-")
           + id + QStringLiteral(".log");
}

bool instalar(const Ajustes& ajustes)
{
    quitar();
    Estado& e = estado();
    QMutexLocker bloqueo(&e.mutex);
    e.ajustes = ajustes;
    if (e.ajustes.fichero.isEmpty())
        e.ajustes.fichero = ficheroPorDefecto(QString());
    QDir().mkpath(QFileInfo(e.ajustes.fichero).absolutePath());
    e.fichero.setFileName(e.ajustes.fichero);
    if (!e.fichero.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return false;
    // Las categorías del programa callan lo informativo por defecto; en el
    // registro se quiere (las reglas de QT_LOGGING_RULES siguen mandando)
    QLoggingCategory::setFilterRules(QStringLiteral("tarvelo.*.info=true"));
    e.anterior = qInstallMessageHandler(escribir);
    e.instalado = true;
    return true;
}

void quitar()
{
    Estado& e = estado();
    QMutexLocker bloqueo(&e.mutex);
    if (!e.instalado)
        return;
    qInstallMessageHandler(e.anterior);
    QLoggingCategory::setFilterRules(QString());
    e.anterior = nullptr;
    e.fichero.close();
    e.instalado = false;
}

QString sinClaves(QString texto)
{
    static const QRegularExpression clave(
        QStringLiteral("\\b(password|clave|pwd|PGPASSWORD)(\\s*[=:]\\s*)('[^']*'|\"[^\"]*\"|[^\\s;,]+)"),
        QRegularExpression::CaseInsensitiveOption);
    return texto.replace(clave, QStringLiteral("\\1\\2***"));
}

}  // namespace RegistroPuesto
