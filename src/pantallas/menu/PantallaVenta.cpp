#include "pantallas/menu/PantallaVenta.h"

#include "pantallas/comun/ConvencionesPantalla.h"
#include "pantallas/menu/IconosMenu.h"
#include "datos/Globales.h"

#include <QLabel>
#include <QPushButton>

namespace PantallaVenta {
namespace {

Apertura& apertura()
{
    static Apertura a;
    return a;
}

QFont letra(int pixeles, bool negrita)
{
    QFont f;
    f.setPixelSize(pixeles);
    f.setBold(negrita);
    return f;
}

// Pantalla de venta provisional: el título del modo, un aviso y "Volver".
// Sigue las convenciones de todas las pantallas (colores del puesto, ayuda).
void abrirProvisional(QWidget* padre)
{
    DialogoPantalla d(padre);
    d.setObjectName(QStringLiteral("frmBonosServicios"));
    d.setWindowTitle(titulo(gModoFamilias));
    d.resize(1024, 739);
    auto* conv = new ConvencionesPantalla(&d, gModoFamilias == 1 ? QStringLiteral("bonser2.html")
                                                                 : QStringLiteral("bonser1.html"));
    conv->marcoAjustes()->setGeometry(1024 - 20 - conv->marcoAjustes()->width(), 20,
                                      conv->marcoAjustes()->width(), conv->marcoAjustes()->height());

    auto* lblTitulo = new QLabel(titulo(gModoFamilias), &d);
    lblTitulo->setObjectName(QStringLiteral("lblTitulo"));
    lblTitulo->setFont(letra(34, true));
    lblTitulo->setGeometry(40, 20, 700, 60);

    auto* lblAviso = new QLabel(QStringLiteral("La venta de bonos todavía no está disponible en este puesto."), &d);
    lblAviso->setObjectName(QStringLiteral("lblAviso"));
    lblAviso->setFont(letra(22, false));
    lblAviso->setAlignment(Qt::AlignCenter);
    lblAviso->setWordWrap(true);
    lblAviso->setGeometry(112, 260, 800, 120);

    auto* volver = new QPushButton(QStringLiteral("Volver"), &d);
    volver->setObjectName(QStringLiteral("cmd_Salir"));
    volver->setFont(letra(20, true));
    volver->setGeometry(840, 659, 164, 60);
    volver->setFocusPolicy(Qt::NoFocus);
    conv->cmd_Ayuda()->setGeometry(670, 659, 150, 60);
    QObject::connect(volver, &QPushButton::clicked, &d, &QDialog::close);

    conv->ponerColoresPropios([volver] {
        volver->setIcon(IconosMenu::icono(IconosMenu::Salir, volver->palette().color(QPalette::ButtonText)));
        volver->setIconSize(QSize(30, 30));
    });
    conv->cargar({});
    d.exec();
}

}  // namespace

void mostrar(QWidget* padre)
{
    if (apertura())
        apertura()(padre);
    else
        abrirProvisional(padre);
}

void ponerApertura(const Apertura& a)
{
    apertura() = a;
}

QString titulo(int modoFamilias)
{
    return modoFamilias == 1 ? QStringLiteral("Bonos Pack Servicios") : QStringLiteral("Bonos Servicios");
}

}  // namespace PantallaVenta
