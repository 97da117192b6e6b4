#include "plataforma/GestorTecladoPuesto.h"

#include "datos/Valores.h"

#include <QLineEdit>

namespace {
constexpr int kRetroceso = 8;
constexpr int kSuprimir = 127;
}  // namespace

int GestorTecladoPuesto::FiltrarTecla(int tecla, const QLineEdit* caja, int decimales)
{
    if (tecla >= '0' && tecla <= '9')
        return tecla;
    if (tecla == kRetroceso || tecla == kSuprimir || tecla == Qt::Key_Backspace || tecla == Qt::Key_Delete)
        return tecla;
    if (tecla != ',' && tecla != '.')
        return 0;
    if (decimales <= 0)
        return 0;
    QString resto;
    if (caja) {
        resto = caja->text();
        if (caja->hasSelectedText())
            resto.remove(caja->selectionStart(), caja->selectedText().size());
    }
    if (resto.contains(QLatin1Char(',')) || resto.contains(QLatin1Char('.')))
        return 0;
    return Valores::regionales().separadorDecimal.unicode();
}

QString GestorTecladoPuesto::FormatoFecha()
{
    return Valores::regionales().formatoFechaCorta;
}

QString GestorTecladoPuesto::SeparadorDecimal()
{
    return QString(Valores::regionales().separadorDecimal);
}
