#include "pantallas/espera/frmEsperar.h"

#include "datos/Componentes.h"
#include "datos/Globales.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

frmEsperar::frmEsperar(QWidget* padre) : DialogoPantalla(padre)
{
    setObjectName(QStringLiteral("frmEsperar"));
    setWindowTitle(QStringLiteral("Generando Reporte"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setModal(true);

    auto* titulo = new QLabel(QStringLiteral("Generando Reporte"), this);
    titulo->setObjectName(QStringLiteral("lblTitulo"));
    QFont grande = titulo->font();
    grande.setPointSize(18);
    grande.setBold(true);
    titulo->setFont(grande);
    titulo->setAlignment(Qt::AlignCenter);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);

    tmr_barra = new QTimer(this);
    tmr_barra->setObjectName(QStringLiteral("tmr_barra"));
    tmr_barra->setInterval(intervaloBarra());
    connect(tmr_barra, &QTimer::timeout, this, &frmEsperar::tmr_barra_Timer);

    auto* capas = new QVBoxLayout(this);
    capas->setContentsMargins(24, 20, 24, 24);
    capas->addWidget(titulo);
    capas->addWidget(ProgressBar1);
    setFixedSize(420, 130);
    if (gConexion.abierta())
        Componentes::colores().Aplicar(this, gEsquemaColores, gConexion);
    tmr_barra->start();
}

int frmEsperar::intervaloBarra()
{
    return qMax(1, ConvencionesPantalla::intervalo(50));
}

void frmEsperar::tmr_barra_Timer()
{
    // Vuelve a empezar mientras el documento no esté hecho
    ProgressBar1->setValue(ProgressBar1->value() >= 100 ? 0 : ProgressBar1->value() + 1);
}

void frmEsperar::mientras(const std::function<void()>& trabajo)
{
    frmEsperar pantalla(QApplication::activeWindow());
    std::exception_ptr error;
    QTimer::singleShot(0, &pantalla, [&] {
        try {
            trabajo();
        } catch (...) {
            error = std::current_exception();
        }
        pantalla.accept();
    });
    pantalla.exec();
    if (error)
        std::rethrow_exception(error);
}
