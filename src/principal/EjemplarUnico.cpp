#include "principal/EjemplarUnico.h"

#include <QApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QWidget>

Q_LOGGING_CATEGORY(lcEjemplar, "tarvelo.arranque.ejemplar")

namespace {

constexpr int kEsperaAviso = 2000;  // ms

QString& carpetaFijada()
{
    static QString c;
    return c;
}

QString base(const QString& puesto)
{
    QString id = puesto;
    id.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
    const QString carpeta = carpetaFijada().isEmpty() ? QDir::tempPath() : carpetaFijada();
    return carpeta + QStringLiteral("/q_tarvelo-") + id;
}

}  // namespace

EjemplarUnico::EjemplarUnico(const QString& puesto) : m_puesto(puesto), m_bloqueo(ficheroBloqueo(puesto)) {}

EjemplarUnico::~EjemplarUnico()
{
    if (m_servidor)
        m_servidor->close();
}

void EjemplarUnico::ponerCarpeta(const QString& carpeta)
{
    carpetaFijada() = carpeta;
}

QString EjemplarUnico::ficheroBloqueo(const QString& puesto)
{
    return base(puesto) + QStringLiteral(".lock");
}

QString EjemplarUnico::nombreEnchufe(const QString& puesto)
{
    return base(puesto) + QStringLiteral(".socket");
}

bool EjemplarUnico::tomar()
{
    if (!m_bloqueo.tryLock(0)) {
        qCInfo(lcEjemplar) << "Ya hay otro ejemplar en este puesto:" << m_bloqueo.fileName();
        avisarAlQueCorre();
        return false;
    }
    // Con el bloqueo en la mano, un enchufe que quede es de un ejemplar que acabó mal
    const QString nombre = nombreEnchufe(m_puesto);
    QLocalServer::removeServer(nombre);
    m_servidor = new QLocalServer(this);
    connect(m_servidor, &QLocalServer::newConnection, this, &EjemplarUnico::atender);
    // Sin enchufe el programa sirve igual: solo no podrá traerse al frente
    if (!m_servidor->listen(nombre))
        qCWarning(lcEjemplar) << "No se puede escuchar en" << nombre << ":" << m_servidor->errorString();
    return true;
}

void EjemplarUnico::avisarAlQueCorre()
{
    QLocalSocket s;
    s.connectToServer(nombreEnchufe(m_puesto));
    if (!s.waitForConnected(kEsperaAviso)) {
        qCWarning(lcEjemplar) << "El otro ejemplar no contesta:" << s.errorString();
        return;
    }
    s.write("al frente\n");
    s.waitForBytesWritten(kEsperaAviso);
    s.disconnectFromServer();
}

void EjemplarUnico::atender()
{
    while (QLocalSocket* s = m_servidor->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        qCInfo(lcEjemplar) << "Otro arranque en este puesto: la ventana al frente";
        traerAlFrente();
    }
}

void EjemplarUnico::traerAlFrente()
{
    // La pantalla en uso es la modal de más arriba (el menú, o lo que se abrió sobre él)
    QWidget* enUso = QApplication::activeModalWidget();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowType() == Qt::Popup)
            continue;
        if (w->isMinimized())
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        if (!enUso)
            enUso = w;
    }
    if (!enUso)
        return;
    enUso->raise();
    enUso->activateWindow();
}
