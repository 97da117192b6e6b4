#include "plataforma/DialogoEleccion.h"

#include <QApplication>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

std::optional<QVariant>& respuestaPreparada()
{
    static std::optional<QVariant> r;
    return r;
}

// Tiras de colores de un esquema, como icono del botón
QIcon muestraDeColores(const QList<QColor>& colores)
{
    constexpr int ancho = 28, alto = 22, hueco = 4;
    QPixmap pm(colores.size() * (ancho + hueco), alto);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    for (int i = 0; i < colores.size(); ++i) {
        p.setPen(Qt::black);
        p.setBrush(colores.at(i));
        p.drawRect(i * (ancho + hueco), 0, ancho - 1, alto - 1);
    }
    return QIcon(pm);
}

}  // namespace

DialogoEleccion::DialogoEleccion(const QString& titulo, const QString& pregunta,
                                 const QList<OpcionEleccion>& opciones, int actual, QWidget* padre)
    : QDialog(padre)
{
    setWindowTitle(titulo);
    setObjectName(QStringLiteral("DialogoEleccion"));
    QFont letra = font();
    letra.setPointSize(16);
    setFont(letra);

    auto* principal = new QVBoxLayout(this);
    auto* etiqueta = new QLabel(pregunta, this);
    etiqueta->setObjectName(QStringLiteral("lblPregunta"));
    etiqueta->setWordWrap(true);
    principal->addWidget(etiqueta);

    auto* rejilla = new QGridLayout;
    rejilla->setSpacing(12);
    const int porFila = opciones.size() > 6 ? 3 : 2;
    for (int i = 0; i < opciones.size(); ++i) {
        const OpcionEleccion& o = opciones.at(i);
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("cmdOpcion%1").arg(i));
        b->setMinimumSize(220, 90);
        b->setCheckable(true);
        b->setChecked(i == actual);
        b->setAccessibleName(o.texto);
        b->setText(i == actual ? QStringLiteral("%1  (en uso)").arg(o.texto) : o.texto);
        if (!o.muestras.isEmpty()) {
            b->setIcon(muestraDeColores(o.muestras));
            b->setIconSize(QSize(o.muestras.size() * 32, 22));
        }
        connect(b, &QPushButton::clicked, this, [this, i] {
            m_elegida = i;
            accept();
        });
        rejilla->addWidget(b, i / porFila, i % porFila);
    }
    principal->addLayout(rejilla);

    auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("cmdCancelar"));
    cancelar->setMinimumSize(220, 80);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    principal->addWidget(cancelar, 0, Qt::AlignRight);
}

int DialogoEleccion::elegir(const QString& titulo, const QString& pregunta, const QList<OpcionEleccion>& opciones,
                            int actual)
{
    if (respuestaPreparada().has_value()) {
        const QVariant dato = *respuestaPreparada();
        respuestaPreparada().reset();
        for (int i = 0; i < opciones.size(); ++i)
            if (dato.isValid() && opciones.at(i).dato == dato)
                return i;
        return -1;
    }
    DialogoEleccion d(titulo, pregunta, opciones, actual, QApplication::activeWindow());
    d.exec();
    return d.elegida();
}

void DialogoEleccion::ponerSiguienteRespuesta(const QVariant& dato)
{
    respuestaPreparada() = dato;
}

void DialogoEleccion::quitarSiguienteRespuesta()
{
    respuestaPreparada().reset();
}
