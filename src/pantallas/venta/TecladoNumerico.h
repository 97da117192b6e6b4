#pragma once
// Teclado numérico en pantalla (7 8 9 / 4 5 6 / 1 2 3 / 0 , C, como en una
// calculadora) y las teclas en las cajas de importes: lo comparten la venta
// y la devolución de un bono.
#include <QString>

class QKeyEvent;
class QLineEdit;
class QPushButton;
class QWidget;

namespace TecladoNumerico {

// Crea en marco btnNumerico_Cobro0..9, btnNumerico_Cobro10 (con el separador
// decimal del puesto) y cmd_nuevoCobro ("C", vacía la caja)
void crear(QWidget* marco, QPushButton* (&teclas)[11], QPushButton*& borrar);

// Escribe en la caja la tecla pulsada en pantalla: con todo seleccionado la
// sustituye, el separador nunca empieza un número y pasa por el filtro de
// teclas del puesto
void escribir(QLineEdit* caja, const QString& caracter, int decimales);

// Código de la tecla del teclado de verdad como carácter (8 retroceso, 13
// Intro, 127 suprimir); 0 para las que no escriben (flechas, tabulador...)
int codigoTecla(const QKeyEvent* evento);

// Solo cifras (y, si no son enteras, un separador), no demasiadas, también en
// lo que llega sin pasar por el filtro de teclas: lo pegado o arrastrado a la caja
enum class Cifras { Enteras, Importe, Porcentaje };
void soloCifras(QLineEdit* caja, Cifras cifras);

// Lo que contestó el filtro para la tecla: true si ya no debe llegar a la
// caja (rechazada, o cambiada por otra, que se escribe aquí)
bool aplicarFiltro(QLineEdit* caja, int tecla, int aceptada);

}  // namespace TecladoNumerico
