#pragma once
// Ayudas para crear los controles de la pantalla de venta con su nombre, su
// letra (en píxeles, que la pantalla escala) y sin robar el foco a los campos.
#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ControlesVenta {

inline QFont letra(int pixeles, bool negrita = false)
{
    QFont f;
    f.setPixelSize(pixeles);
    f.setBold(negrita);
    return f;
}

inline QFrame* marco(QWidget* padre, const char* nombre, const QRect& zona)
{
    auto* f = new QFrame(padre);
    f->setObjectName(QLatin1String(nombre));
    f->setGeometry(zona);
    return f;
}

inline QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, const QRect& zona, int pixeles,
                        bool negrita = false, Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    l->setFont(letra(pixeles, negrita));
    l->setAlignment(alineacion);
    l->setGeometry(zona);
    return l;
}

// Botón táctil: no se queda con el foco, que es del campo que parpadea
inline QPushButton* boton(QWidget* padre, const char* nombre, const QString& texto, const QRect& zona,
                          int pixeles = 18, bool negrita = true)
{
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(QLatin1String(nombre));
    b->setFont(letra(pixeles, negrita));
    b->setGeometry(zona);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

inline QLineEdit* caja(QWidget* padre, const char* nombre, const QRect& zona, int pixeles, bool negrita = true,
                       Qt::Alignment alineacion = Qt::AlignRight | Qt::AlignVCenter)
{
    auto* e = new QLineEdit(padre);
    e->setObjectName(QLatin1String(nombre));
    e->setFont(letra(pixeles, negrita));
    e->setAlignment(alineacion);
    e->setGeometry(zona);
    return e;
}

inline QCheckBox* casilla(QWidget* padre, const char* nombre, const QString& texto, const QRect& zona)
{
    auto* c = new QCheckBox(texto, padre);
    c->setObjectName(QLatin1String(nombre));
    c->setFont(letra(15));
    c->setGeometry(zona);
    c->setFocusPolicy(Qt::NoFocus);
    c->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 24px; height: 24px; }"));
    return c;
}

}  // namespace ControlesVenta
