#pragma once
// Órdenes de tarvelo-admin. Cada una recibe sus argumentos (el primero, el
// nombre de la orden), escribe en la salida y devuelve el código de salida.
#include <QStringList>

namespace Ordenes {

int ejecutar(const QStringList& argumentos);  // argumentos del programa entero

int crear(const QStringList& args);
int actualizar(const QStringList& args);
int demo(const QStringList& args);
int registrarPuesto(const QStringList& args);
int mostrarPuesto(const QStringList& args);
int copia(const QStringList& args);
int restaurar(const QStringList& args);
int verificarCadena(const QStringList& args);
int verifactu(const QStringList& args);
int certificado(const QStringList& args);

}  // namespace Ordenes
