#pragma once
// Números y fechas como texto, de una sola manera en todo el programa.
#include <QChar>
#include <QDate>
#include <QString>
#include <QTime>

// Ajustes regionales del puesto (de ConfigPuesto; por defecto, los del sistema)
struct AjustesRegionales {
    QChar separadorDecimal = QLatin1Char(',');
    QString formatoFechaCorta = QStringLiteral("dd/MM/yyyy");
    QString formatoHora = QStringLiteral("HH:mm:ss");

    static AjustesRegionales delSistema();
    static AjustesRegionales espanoles();
};

namespace Valores {

// Ajustes en vigor en la sesión (los pone ConfigPuesto al arrancar)
const AjustesRegionales& regionales();
void ponerRegionales(const AjustesRegionales& a);

// Número como texto al modo del sistema heredado: hasta 15 cifras
// significativas, sin agrupar, con el separador decimal indicado.
QString numeroATexto(double valor, QChar separador);
QString numeroATexto(double valor);  // con el separador del puesto

// Forma con coma de los importes de los registros: sin agrupar, coma decimal
QString normalizarDecimal(double valor);

// Redondeo a N decimales con las mitades lejos del cero, sobre el texto de 15 cifras
double redondear(double valor, int decimales);

// Importe para pantalla con N decimales (redondeado como redondear)
QString mostrarImporte(double valor, int decimales, QChar separador);
QString mostrarImporte(double valor, int decimales);

// Lee un número de un texto. Acepta "," y "." como separador decimal si solo
// hay uno, y el exponente con que se escriben los muy grandes ("1E+17"); un
// texto vacío es 0. Estricto: basura -> ok=false.
// Indulgente: lee la parte numérica inicial (como Val) y nunca falla.
double leerNumero(const QString& texto, bool* ok = nullptr);
double leerNumeroIndulgente(const QString& texto);

// Fechas y horas en la forma corta del puesto
QString fechaCorta(const QDate& f);
QDate leerFecha(const QString& texto);  // forma corta, dd/MM/yyyy, ISO; inválida si no
QString horaTexto(const QTime& h);
QTime leerHora(const QString& texto);

}  // namespace Valores
