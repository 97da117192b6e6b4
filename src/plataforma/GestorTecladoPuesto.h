#pragma once
// Teclado de las cajas numéricas y formatos del puesto (de sus ajustes
// regionales, Valores::regionales()).
//
// FiltrarTecla recibe el código de carácter de la tecla pulsada:
//  - cifras: siempre;
//  - retroceso (8) y suprimir (127, o las teclas Qt::Key_Backspace/Key_Delete): siempre;
//  - "," o ".": con decimales > 0 y sin separador en el resto de la caja
//    (lo seleccionado se va a sustituir), se devuelve el separador del puesto;
//  - todo lo demás: 0 (rechazada).
#include "datos/ComponentesSuite.h"

class GestorTecladoPuesto : public GestorTeclado {
public:
    int FiltrarTecla(int tecla, const QLineEdit* caja, int decimales) override;
    QString FormatoFecha() override;
    QString SeparadorDecimal() override;
};
