#include "pantallas/busqueda/TecladoBuscar.h"

#include <QPushButton>

namespace {

// Rejilla de doce columnas y cuatro filas, en píxeles de la pantalla de diseño
constexpr int kLado = 76;
constexpr int kAlto = 64;
constexpr int kHueco = 6;
// Margen alrededor: al escalar, el redondeo no deja una tecla asomando fuera del marco
constexpr int kMargen = 2;

}  // namespace

TecladoBuscar::TecladoBuscar(QWidget* padre) : QFrame(padre)
{
    setObjectName(QStringLiteral("fr_Teclado"));
    resize(12 * kLado + 11 * kHueco + 2 * kMargen, 4 * kAlto + 3 * kHueco + 2 * kMargen);

    // Números y borrar; las letras como en el teclado español; OK alto a la derecha
    const QString filas[] = {QStringLiteral("1234567890"), QStringLiteral("QWERTYUIOP"),
                             QStringLiteral("ASDFGHJKLÑ"), QStringLiteral("ZXCVBNM,")};
    for (int f = 0; f < 4; ++f)
        for (int c = 0; c < filas[f].size(); ++c)
            crear(filas[f].at(c), filas[f].at(c).unicode(), c, f);
    crear(QStringLiteral("BORRAR"), 8, 10, 0, 2);
    crear(QStringLiteral("OK"), 13, 10, 1, 2, 2);
    crear(QStringLiteral("ESPACIO"), 32, 8, 3, 4);
}

void TecladoBuscar::crear(const QString& rotulo, int codigo, int columna, int fila, int ancho, int alto)
{
    auto* b = new QPushButton(rotulo, this);
    b->setObjectName(QStringLiteral("bt_letra%1").arg(m_teclas.size(), 2, 10, QLatin1Char('0')));
    b->setProperty("tag", codigo);
    b->setGeometry(kMargen + columna * (kLado + kHueco), kMargen + fila * (kAlto + kHueco),
                   ancho * kLado + (ancho - 1) * kHueco,
                   alto * kAlto + (alto - 1) * kHueco);
    QFont letra = b->font();
    letra.setPixelSize(rotulo.size() > 1 ? 20 : 28);
    letra.setBold(true);
    b->setFont(letra);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    // Dejar el dedo en BORRAR sigue borrando
    b->setAutoRepeat(codigo == 8);
    connect(b, &QPushButton::clicked, this, [this, codigo] { Q_EMIT pulsada(codigo); });
    m_teclas << b;
}

QPushButton* TecladoBuscar::tecla(int codigo) const
{
    for (QPushButton* b : m_teclas)
        if (b->property("tag").toInt() == codigo)
            return b;
    return nullptr;
}
