#include "principal/PantallaProvisional.h"

#include "principal/Globales.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace PantallaProvisional {
namespace {
QPushButton* botonGrande(const QString& texto, QWidget* padre)
{
    auto* b = new QPushButton(texto, padre);
    b->setMinimumHeight(70);
    QFont f = b->font();
    f.setPointSize(16);
    b->setFont(f);
    return b;
}
}  // namespace

void menuPrincipal()
{
    QDialog d;
    d.setObjectName(QStringLiteral("frmTarvelo"));
    d.setWindowTitle(QStringLiteral("Gestion de Bonos"));
    d.resize(1024, 768);
    auto* capa = new QVBoxLayout(&d);
    auto* titulo = new QLabel(QStringLiteral("SELECCIONE SU OPCION"), &d);
    QFont f = titulo->font();
    f.setPointSize(24);
    f.setBold(true);
    titulo->setFont(f);
    titulo->setAlignment(Qt::AlignCenter);
    capa->addWidget(titulo);
    auto* datos = new QLabel(&d);
    datos->setAlignment(Qt::AlignCenter);
    datos->setText(QStringLiteral("Puesto %1 · Terminal %2\nTienda: %3\n%4 formas de pago · %5 fotos")
                       .arg(gIdentificadorPuesto, gTerminal.isEmpty() ? QStringLiteral("-") : gTerminal,
                            gTiendaSeleccionada.isEmpty() ? (gNombreTienda.isEmpty() ? QStringLiteral("única")
                                                                                     : gNombreTienda)
                                                          : gTiendaSeleccionada)
                       .arg(gFormasPago.size() - 1)
                       .arg(gNumFotos));
    capa->addWidget(datos, 1);
    auto* salir = botonGrande(QStringLiteral("Salir"), &d);
    salir->setObjectName(QStringLiteral("cmd_Salir"));
    QObject::connect(salir, &QPushButton::clicked, &d, &QDialog::accept);
    capa->addWidget(salir);
    d.exec();
}

void seleccionTienda()
{
    gTiendaSeleccionada.clear();
    QDialog d;
    d.setObjectName(QStringLiteral("frmSeleccionTienda"));
    d.setWindowTitle(QStringLiteral("Seleccion de Tiendas"));
    d.resize(1024, 768);
    auto* capa = new QVBoxLayout(&d);
    for (const ElementoPanel& e : gTiendas) {
        if (e.codigo.isEmpty())
            continue;
        auto* b = botonGrande(e.caption, &d);
        const QString codigo = e.codigo;
        QObject::connect(b, &QPushButton::clicked, &d, [&d, codigo] {
            gTiendaSeleccionada = codigo;
            d.accept();
        });
        capa->addWidget(b);
    }
    capa->addStretch(1);
    auto* salir = botonGrande(QStringLiteral("Salir"), &d);
    salir->setObjectName(QStringLiteral("cmd_Salir"));
    QObject::connect(salir, &QPushButton::clicked, &d, &QDialog::reject);
    capa->addWidget(salir);
    d.exec();
}

}  // namespace PantallaProvisional
