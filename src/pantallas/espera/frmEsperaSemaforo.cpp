#include "pantallas/espera/frmEsperaSemaforo.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QtMath>

namespace {
double& escala()
{
    static double e = 1.0;
    return e;
}

constexpr int kIntervaloBase = 100;  // ms por paso
constexpr int kPasoBarra = 10;
constexpr int kMargenInferior = 33;  // 500 twips
}  // namespace

frmEsperaSemaforo::frmEsperaSemaforo(QWidget* padre) : DialogoPantalla(padre)
{
    setObjectName(QStringLiteral("frmEsperaSemaforo"));
    setWindowTitle(QStringLiteral("Esperando turno"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    setPalette(paleta);

    auto* titulo = new QLabel(QStringLiteral("Esperando turno"), this);
    titulo->setObjectName(QStringLiteral("lblTitulo"));
    QFont grande = titulo->font();
    grande.setPointSize(16);
    grande.setBold(true);
    titulo->setFont(grande);
    titulo->setAlignment(Qt::AlignCenter);

    lblVueltas = new QLabel(this);
    lblVueltas->setObjectName(QStringLiteral("lblVueltas"));
    lblVueltas->setAlignment(Qt::AlignCenter);
    QFont media = lblVueltas->font();
    media.setPointSize(14);
    lblVueltas->setFont(media);

    barra = new QProgressBar(this);
    barra->setObjectName(QStringLiteral("barra"));
    barra->setRange(0, 100);
    barra->setValue(0);
    barra->setTextVisible(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(intervaloPaso());
    connect(Timer1, &QTimer::timeout, this, &frmEsperaSemaforo::paso);

    auto* capas = new QVBoxLayout(this);
    capas->addWidget(titulo);
    capas->addWidget(lblVueltas);
    capas->addWidget(barra);
    setFixedSize(360, 140);
}

void frmEsperaSemaforo::ponerVuelta(int vuelta)
{
    m_vuelta = vuelta;
    lblVueltas->setText(QString::number(vuelta));
}

void frmEsperaSemaforo::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    // Cada vez que se muestra empieza de nuevo: 11 pasos hasta cerrarse
    lblVueltas->setText(QString::number(m_vuelta));
    barra->setValue(0);
    colocar();
    Timer1->start(intervaloPaso());
}

void frmEsperaSemaforo::colocar()
{
    QScreen* pantalla = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!pantalla)
        return;
    const QRect g = pantalla->geometry();
    move(g.x() + g.width() - width(), g.y() + g.height() - height() - kMargenInferior);
}

void frmEsperaSemaforo::paso()
{
    if (barra->value() >= 100) {
        Timer1->stop();
        accept();
        return;
    }
    barra->setValue(barra->value() + kPasoBarra);
}

void frmEsperaSemaforo::ponerEscalaTiempo(double e)
{
    escala() = e > 0 ? e : 1.0;
}

double frmEsperaSemaforo::escalaTiempo()
{
    return escala();
}

int frmEsperaSemaforo::intervaloPaso()
{
    return qMax(1, qRound(kIntervaloBase * escala()));
}

void EsperaTurnoPantalla::vuelta(int numero)
{
    if (!m_pantalla)
        m_pantalla = std::make_unique<frmEsperaSemaforo>();
    m_pantalla->ponerVuelta(numero);
    m_pantalla->exec();
}
