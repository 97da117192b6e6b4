#pragma once
// Texto de un PDF tal como lo lee pdftotext (con su disposición)
#include <QProcess>
#include <QString>

inline QString leerPdf(const QString& ruta)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ruta, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<pdftotext falló: %1>").arg(QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Textos de los códigos QR de una imagen, como los lee zbarimg
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

inline QStringList leerQr(const QImage& imagen)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("qr.png"));
    imagen.save(ruta);
    QProcess p;
    p.start(QStringLiteral("zbarimg"), {QStringLiteral("--xml"), QStringLiteral("-q"), ruta});
    p.waitForFinished(30000);
    static const QRegularExpression simbolo(
        QStringLiteral("<symbol type='QR-Code'.*?<data><!\\[CDATA\\[(.*?)\\]\\]></data>"),
        QRegularExpression::DotMatchesEverythingOption);
    QStringList r;
    for (auto m = simbolo.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); m.hasNext();)
        r << m.next().captured(1);
    return r;
}

// Lo que ocupan los puntos oscuros de las filas [desde, hasta) de una imagen
inline QRect cajaOscura(const QImage& imagen, int desde = 0, int hasta = -1)
{
    QRect caja;
    for (int y = qMax(0, desde); y < (hasta < 0 ? imagen.height() : qMin(hasta, imagen.height())); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if (qGray(imagen.pixel(x, y)) < 128)
                caja |= QRect(x, y, 1, 1);
    return caja;
}

// La primera página de un PDF, en una imagen de ppp puntos por pulgada
inline QImage paginaPdf(const QString& ruta, int ppp)
{
    QTemporaryDir dir;
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(ppp), QStringLiteral("-f"),
                                         QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"), ruta,
                                         dir.filePath(QStringLiteral("p"))});
    p.waitForFinished(30000);
    return QImage(dir.filePath(QStringLiteral("p.png")));
}

// Dónde está una palabra de la primera página, en mm desde arriba a la izquierda
inline QRectF palabraPdf(const QString& ruta, const QString& palabra)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                          QStringLiteral("-l"), QStringLiteral("1"), ruta, QStringLiteral("-")});
    p.waitForFinished(30000);
    static const QRegularExpression caja(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    constexpr double mm = 25.4 / 72;
    for (auto m = caja.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); m.hasNext();) {
        const QRegularExpressionMatch w = m.next();
        if (w.captured(5) == palabra)
            return QRectF(QPointF(w.captured(1).toDouble() * mm, w.captured(2).toDouble() * mm),
                          QPointF(w.captured(3).toDouble() * mm, w.captured(4).toDouble() * mm));
    }
    return {};
}
