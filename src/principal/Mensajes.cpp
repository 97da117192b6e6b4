#include "principal/Mensajes.h"

#include <QApplication>
#include <QAbstractButton>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QQueue>
#include <QTranslator>

Q_LOGGING_CATEGORY(lcMensajes, "tarvelo.mensajes")

namespace Mensajes {
namespace {
struct Estado {
    bool prueba = false;
    QQueue<Respuesta> respuestas;
    QStringList anotados;
};

Estado& estado()
{
    static Estado e;
    return e;
}

QMessageBox::Icon iconoQt(Icono i)
{
    switch (i) {
    case Icono::Informacion: return QMessageBox::Information;
    case Icono::Aviso: return QMessageBox::Warning;
    case Icono::Error: return QMessageBox::Critical;
    case Icono::Pregunta: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
}  // namespace

Respuesta mostrar(QWidget* padre, const QString& titulo, const QString& texto, Icono icono, Botones botones,
                  const QString& detalle)
{
    Estado& e = estado();
    if (e.prueba) {
        e.anotados << titulo + QLatin1Char('|') + texto;
        if (!e.respuestas.isEmpty())
            return e.respuestas.dequeue();
        return botones == Botones::SiNo ? Respuesta::No : Respuesta::Aceptar;
    }
    QMessageBox caja(iconoQt(icono), titulo, texto,
                     botones == Botones::SiNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, padre);
    caja.setDetailedText(detalle);
    if (botones == Botones::SiNo) {
        caja.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
        caja.button(QMessageBox::No)->setText(QStringLiteral("No"));
    }
    QFont f = caja.font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    caja.setFont(f);
    const int r = caja.exec();
    if (botones == Botones::SiNo)
        return r == QMessageBox::Yes ? Respuesta::Si : Respuesta::No;
    return Respuesta::Aceptar;
}

void error(QWidget* padre, const QString& texto, const QString& detalle)
{
    mostrar(padre, QStringLiteral("Gestion de Bonos"), texto, Icono::Error, Botones::Aceptar, detalle);
}

bool instalarTraduccionesQt()
{
    static QTranslator* qt = nullptr;
    if (qt)
        return true;
    auto* t = new QTranslator(qApp);
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!t->load(QStringLiteral("qtbase_es"), carpeta)) {
        qCWarning(lcMensajes) << "No están las traducciones de Qt al español en" << carpeta
                              << "(paquete qt6-translations-l10n): los botones de Qt salen en inglés";
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    qt = t;
    return true;
}

void activarModoPrueba(bool activo)
{
    estado().prueba = activo;
    estado().respuestas.clear();
    estado().anotados.clear();
}

void ponerSiguienteRespuesta(Respuesta r)
{
    estado().respuestas.enqueue(r);
}

QStringList anotados()
{
    return estado().anotados;
}

void limpiarAnotados()
{
    estado().anotados.clear();
}

}  // namespace Mensajes
