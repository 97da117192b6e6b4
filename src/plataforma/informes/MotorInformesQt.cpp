#include "plataforma/informes/MotorInformesQt.h"

#include "datos/Consulta.h"
#include "datos/Globales.h"
#include "plataforma/informes/CodigoQr.h"
#include "plataforma/informes/PlantillaInforme.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QUrl>

namespace {

constexpr qreal kMargenMm = 14;

constexpr qreal kLadoQrMm = 35;
constexpr int kObjetoQr = QTextFormat::UserObject + 1;
const QString kImagenQr = QStringLiteral("qr-tributario");

// El código QR dentro del texto, dibujado con rectángulos: en el PDF son vectores
class ObjetoQr : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    // lado: el del símbolo, sin el margen claro alrededor
    ObjetoQr(const QString& url, qreal lado)
        : m_qr(url.toUtf8()), m_lado(lado * (m_qr.lado() + 2 * CodigoQr::kMargen) / m_qr.lado())
    {
    }
    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override { return {m_lado, m_lado}; }
    void drawObject(QPainter* p, const QRectF& zona, QTextDocument*, int, const QTextFormat&) override
    {
        m_qr.pintar(*p, zona);
    }

private:
    CodigoQr m_qr;
    qreal m_lado;
};

// Con la marca del código QR tributario, lo pone lo primero: "QR tributario:",
// el código (de kLadoQrMm) y "VERI*FACTU", en la letra del documento
std::unique_ptr<ObjetoQr> ponerQr(QString& html, QTextDocument& doc, const QPagedPaintDevice& dispositivo)
{
    static const QRegularExpression marca(QStringLiteral("^<!--qr-tributario:([^>]*)-->"));
    const QRegularExpressionMatch m = marca.match(html);
    if (!m.hasMatch())
        return {};
    auto objeto = std::make_unique<ObjetoQr>(m.captured(1), kLadoQrMm / 25.4 * dispositivo.logicalDpiX());
    html = QStringLiteral("<p>QR tributario:</p><p><img src=\"%1\"></p><p>VERI*FACTU</p>").arg(kImagenQr) +
           html.mid(m.capturedLength());
    doc.documentLayout()->registerHandler(kObjetoQr, objeto.get());
    return objeto;
}

// La imagen de la marca pasa a ser el objeto que dibuja el código
void cambiarImagenQr(QTextDocument& doc)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isImageFormat() || f.charFormat().toImageFormat().name() != kImagenQr)
                continue;
            QTextCursor c(&doc);
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            QTextCharFormat formato;
            formato.setObjectType(kObjetoQr);
            c.insertText(QString(QChar::ObjectReplacementCharacter), formato);
            return;
        }
}

// Pinta el documento página a página en el dispositivo (PDF o impresora)
void pintar(QString html, QPagedPaintDevice& dispositivo)
{
    dispositivo.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(kMargenMm, kMargenMm, kMargenMm, kMargenMm),
                                          QPageLayout::Millimeter));
    QTextDocument doc;
    // Antes del HTML: si no, la letra sale a la resolución de la pantalla
    doc.documentLayout()->setPaintDevice(&dispositivo);
    QFont letra(QStringLiteral("DejaVu Sans"));
    letra.setPointSizeF(9.5);
    doc.setDefaultFont(letra);
    doc.setDocumentMargin(0);
    doc.setBaseUrl(QUrl::fromLocalFile(carpetaPrograma() + QLatin1Char('/')));
    const std::unique_ptr<ObjetoQr> qr = ponerQr(html, doc, dispositivo);
    doc.setHtml(html);
    if (qr)
        cambiarImagenQr(doc);
    const QRectF pagina = dispositivo.pageLayout().paintRectPixels(dispositivo.logicalDpiX());
    doc.setPageSize(pagina.size());
    QPainter p(&dispositivo);
    for (int i = 0; i < doc.pageCount(); ++i) {
        if (i > 0)
            dispositivo.newPage();
        p.save();
        p.translate(0, -i * pagina.height());
        doc.drawContents(&p, QRectF(0, i * pagina.height(), pagina.width(), pagina.height()));
        p.restore();
    }
}

}  // namespace

QString MotorInformesQt::Componer(Conexion& informes, const QString& rutaPlantilla)
{
    const QString nombre = QFileInfo(rutaPlantilla).fileName();
    QFile f(rutaPlantilla);
    if (!f.open(QIODevice::ReadOnly))
        throw ErrorInforme(ErrorInforme::SinPlantilla,
                           QStringLiteral("No se encuentra la plantilla del informe %1 en la carpeta del programa. "
                                          "Vuelva a instalar el programa o avise al servicio técnico.")
                               .arg(nombre),
                           rutaPlantilla + QStringLiteral(": ") + f.errorString());
    const QString plantilla = QString::fromUtf8(f.readAll());
    FilasInforme datos;
    Consulta q(informes, QStringLiteral("select * from informes order by id"));
    for (int i = 0; i < q.columnas(); ++i)
        datos.columnas << q.nombreColumna(i).toLower();
    while (q.siguiente()) {
        QVariantList fila;
        for (int i = 0; i < q.columnas(); ++i)
            fila << q.valor(i);
        datos.filas << fila;
    }
    return PlantillaInforme::componer(plantilla, datos, nombre);
}

void MotorInformesQt::GuardarPdf(const QString& documento, const QString& ruta, const QString& titulo)
{
    QSaveFile f(ruta);
    if (f.open(QIODevice::WriteOnly)) {
        QPdfWriter pdf(&f);
        pdf.setResolution(300);
        pdf.setTitle(titulo);
        pdf.setCreator(QStringLiteral("Gestion de Bonos"));
        pintar(documento, pdf);
    }
    if (!f.commit())
        throw ErrorInforme(ErrorInforme::SinPdf,
                           QStringLiteral("No se ha podido guardar el documento %1. Compruebe que hay sitio en el "
                                          "disco y permiso para escribir en la carpeta.")
                               .arg(ruta),
                           f.errorString());
}

void MotorInformesQt::Imprimir(const QString& documento, const QString& impresora, const QString& titulo)
{
    if (QPrinterInfo::printerInfo(impresora).isNull())
        throw ErrorInforme(ErrorInforme::SinImpresora,
                           QStringLiteral("No existe la impresora de documentos «%1» en este puesto. Revise la "
                                          "impresora del puesto (tarvelo-admin mostrar-puesto).")
                               .arg(impresora));
    QPrinter p(QPrinter::HighResolution);
    p.setPrinterName(impresora);
    p.setDocName(titulo);
    pintar(documento, p);
}

QString MotorInformesQt::ImpresoraPorDefecto()
{
    return QPrinterInfo::defaultPrinter().printerName();
}

#include "MotorInformesQt.moc"
