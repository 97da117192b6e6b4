#pragma once
// Registro (log) del puesto: los mensajes de las categorías tarvelo.* van a un
// fichero en la carpeta de datos del usuario, con fecha, nivel y categoría.
// Cuando el fichero pasa del tamaño máximo se rota (.log -> .log.1 -> ...),
// y la copia más antigua se borra: el registro nunca llena el disco. Los
// mensajes siguen yendo también a donde iban (la salida de errores).
#include <QString>

namespace RegistroPuesto {

struct Ajustes {
    QString fichero;                   // vacío: ficheroPorDefecto()
    qint64 tamanoMaximo = 1024 * 1024;  // bytes de cada fichero
    int copias = 4;                    // ficheros rotados que se guardan
};

// <datos del usuario>/q_tarvelo-<puesto>.log (QStandardPaths::AppLocalDataLocation)
QString ficheroPorDefecto(const QString& puesto);

// Instala el registro; también enciende los mensajes informativos de las
// categorías del programa (arranque, números sacados, documentos impresos).
// Devuelve false (y el programa sigue sin registro) si no se puede escribir.
bool instalar(const Ajustes& ajustes);
void quitar();

// Quita de un texto lo que parezca una clave (password=..., clave=...)
QString sinClaves(QString texto);

}  // namespace RegistroPuesto
