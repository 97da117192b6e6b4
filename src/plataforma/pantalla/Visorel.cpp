#include "plataforma/pantalla/Visorel.h"

#include "datos/Globales.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScrollBar>
#include <QScroller>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

Q_LOGGING_CATEGORY(lcVisorel, "tarvelo.ayuda", QtWarningMsg)

Visorel::Visorel(QWidget* padre) : QFrame(padre)
{
    setFrameShape(QFrame::Box);
    setLineWidth(2);
    setAutoFillBackground(true);
    // Fondo claro de papel, sea cual sea el esquema de la pantalla
    setProperty("conservarColores", true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(250, 250, 245));
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    // Letra algo mayor que la de la pantalla: se lee de pie, a un paso
    QFont letra = font();
    letra.setPointSizeF(letra.pointSizeF() * 1.2);
    setFont(letra);

    m_titulo = new QLabel(QStringLiteral("Ayuda"), this);
    m_titulo->setObjectName(QStringLiteral("lblTituloAyuda"));
    QFont negrita;
    negrita.setBold(true);
    negrita.setResolveMask(QFont::WeightResolved);
    m_titulo->setFont(negrita);

    m_botonCerrar = new QPushButton(QStringLiteral("Cerrar"), this);
    m_botonCerrar->setObjectName(QStringLiteral("cmdCerrarAyuda"));
    ajustarBoton();
    connect(m_botonCerrar, &QPushButton::clicked, this, [this] {
        m_cerrar = true;
        Q_EMIT pideCierre();
    });

    m_navegador = new QTextBrowser(this);
    m_navegador->setObjectName(QStringLiteral("txtAyuda"));
    m_navegador->setOpenExternalLinks(false);
    m_navegador->setOpenLinks(true);
    // En una pantalla táctil la página se arrastra con el dedo y la barra se puede tocar
    QScroller::grabGesture(m_navegador->viewport(), QScroller::LeftMouseButtonGesture);
    m_navegador->verticalScrollBar()->setStyleSheet(QStringLiteral("QScrollBar:vertical { width: 28px; }"));

    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(m_titulo, 1);
    cabecera->addWidget(m_botonCerrar);
    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(10, 8, 10, 10);
    capa->addLayout(cabecera);
    capa->addWidget(m_navegador, 1);
}

// La letra del visor la escalan la pantalla y las opciones visuales; los
// hijos la heredan y el botón crece con ella
void Visorel::changeEvent(QEvent* evento)
{
    QFrame::changeEvent(evento);
    if (evento->type() == QEvent::FontChange && m_botonCerrar)
        ajustarBoton();
}

void Visorel::ajustarBoton()
{
    const QFontMetrics m(font());
    m_botonCerrar->setMinimumSize(m.horizontalAdvance(m_botonCerrar->text()) + 4 * m.height(), 2 * m.height() + 12);
}

QString Visorel::carpetaAyudas()
{
    return QDir(carpetaPrograma()).filePath(QStringLiteral("ayudas"));
}

void Visorel::ponerPagina(const QString& pagina)
{
    m_pagina = pagina;
}

void Visorel::abrir()
{
    m_cerrar = false;
    const QString ruta = QDir::isAbsolutePath(m_pagina) ? m_pagina : QDir(carpetaAyudas()).filePath(m_pagina);
    const QFileInfo fichero(ruta);
    m_navegador->setSearchPaths({fichero.absolutePath(), carpetaAyudas()});
    m_encontrada = fichero.isFile() && fichero.isReadable();
    if (m_encontrada) {
        m_navegador->clearHistory();
        m_navegador->setSource(QUrl::fromLocalFile(fichero.absoluteFilePath()));
        return;
    }
    qCWarning(lcVisorel) << "No se encuentra la página de ayuda" << ruta;
    m_navegador->setHtml(QStringLiteral("<h2>Ayuda no disponible</h2><p>No se encuentra la página de ayuda "
                                        "<b>%1</b>.</p><p>Avise a quien mantiene el programa en la tienda.</p>")
                             .arg(fichero.fileName().toHtmlEscaped()));
}
