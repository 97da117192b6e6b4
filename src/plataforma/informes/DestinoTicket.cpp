#include "plataforma/informes/DestinoTicket.h"

#include "datos/Error.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>

namespace DestinoTicket {
namespace {

constexpr int kEsperaMs = 5000;

ErrorTarvelo fallo(const QString& destino, const QString& detalle)
{
    return ErrorTarvelo(QStringLiteral("No se ha podido imprimir el ticket en «%1».").arg(destino), detalle);
}

void aRed(const QString& destino, const QString& servidor, quint16 puerto, const QByteArray& bytes)
{
    QTcpSocket s;
    s.connectToHost(servidor, puerto);
    if (!s.waitForConnected(kEsperaMs))
        throw fallo(destino, s.errorString());
    s.write(bytes);
    while (s.bytesToWrite() > 0)
        if (!s.waitForBytesWritten(kEsperaMs))
            throw fallo(destino, s.errorString());
    s.disconnectFromHost();
    if (s.state() != QAbstractSocket::UnconnectedState)
        s.waitForDisconnected(kEsperaMs);
}

void aCups(const QString& cola, const QByteArray& bytes)
{
    QProcess lp;
    lp.start(QStringLiteral("lp"), {QStringLiteral("-d"), cola, QStringLiteral("-o"), QStringLiteral("raw")});
    if (!lp.waitForStarted(kEsperaMs))
        throw fallo(cola, lp.errorString());
    lp.write(bytes);
    lp.closeWriteChannel();
    if (!lp.waitForFinished(kEsperaMs) || lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0)
        throw fallo(cola, QString::fromLocal8Bit(lp.readAllStandardError()).trimmed());
}

}  // namespace

void enviar(const QString& destino, const QByteArray& bytes)
{
    static const QRegularExpression red(QStringLiteral(R"(^([^/:\s]+):(\d{1,5})$)"));
    const QString d = destino.trimmed();
    if (d.startsWith(QLatin1Char('/'))) {
        QFile f(d);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush())
            throw fallo(d, f.errorString());
        return;
    }
    if (const auto m = red.match(d); m.hasMatch()) {
        aRed(d, m.captured(1), quint16(m.captured(2).toUInt()), bytes);
        return;
    }
    aCups(d, bytes);
}

}  // namespace DestinoTicket
