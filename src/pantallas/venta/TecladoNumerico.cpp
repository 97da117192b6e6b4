#include "pantallas/venta/TecladoNumerico.h"

#include "datos/Componentes.h"
#include "pantallas/venta/ControlesVenta.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace TecladoNumerico {

namespace {
constexpr int kRetroceso = 8;
constexpr int kIntro = 13;
constexpr int kSuprimir = 127;
}  // namespace

void crear(QWidget* marco, QPushButton* (&teclas)[11], QPushButton*& borrar)
{
    const int orden[12] = {7, 8, 9, 4, 5, 6, 1, 2, 3, 0, 10, -1};
    for (int i = 0; i < 12; ++i) {
        const QRect zona((i % 3) * 81, (i / 3) * 64, 74, 58);
        const int n = orden[i];
        if (n < 0) {
            borrar = ControlesVenta::boton(marco, "cmd_nuevoCobro", QStringLiteral("C"), zona, 26);
            borrar->setToolTip(QStringLiteral("Vaciar el campo"));
            continue;
        }
        const QString texto = n == 10 ? Componentes::teclado().SeparadorDecimal() : QString::number(n);
        const QByteArray nombre = "btnNumerico_Cobro" + QByteArray::number(n);
        teclas[n] = ControlesVenta::boton(marco, nombre.constData(), texto, zona, 26);
    }
}

void escribir(QLineEdit* caja, const QString& caracter, int decimales)
{
    if (caja->selectedText().size() == caja->text().size())
        caja->clear();
    if (caracter == Componentes::teclado().SeparadorDecimal() && caja->text().isEmpty())
        return;
    const int aceptada = Componentes::teclado().FiltrarTecla(caracter.at(0).unicode(), caja, decimales);
    if (aceptada == 0)
        return;
    // Al final, y como lo tecleado: lo que la caja no admite no entra
    caja->end(false);
    caja->insert(QString(QChar(aceptada)));
}

int codigoTecla(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace:
        return kRetroceso;
    case Qt::Key_Delete:
        return kSuprimir;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kIntro;
    default:
        break;
    }
    const QString texto = e->text();
    if (texto.isEmpty() || !texto.at(0).isPrint())
        return 0;
    return texto.at(0).unicode();
}

void soloCifras(QLineEdit* caja, Cifras cifras)
{
    // [0-9] y no \d, que deja pasar las cifras de otras escrituras. Nueve
    // enteras caben en un entero de la base; quince en total, las que guarda
    // un importe: miles de nueves pegados no llegan a ser un número. Con más
    // del 100 % de descuento la venta saldría con el precio en negativo.
    const QString decimales = QStringLiteral("([.,][0-9]{0,6})?");
    const QString patron = cifras == Cifras::Enteras  ? QStringLiteral("[0-9]{0,9}")
                           : cifras == Cifras::Importe ? QStringLiteral("[0-9]{0,9}") + decimales
                                                       : QStringLiteral("100([.,]0{0,6})?|[0-9]{0,2}") + decimales;
    caja->setValidator(new QRegularExpressionValidator(QRegularExpression(patron), caja));
}

bool aplicarFiltro(QLineEdit* caja, int tecla, int aceptada)
{
    if (aceptada == 0)
        return true;
    if (aceptada == tecla)
        return false;
    // La coma o el punto, por el separador del puesto
    caja->insert(QString(QChar(aceptada)));
    return true;
}

}  // namespace TecladoNumerico
