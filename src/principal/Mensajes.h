#pragma once
// Cuadros de mensaje del programa. En las pruebas no se muestran: se anotan
// y se contestan con la respuesta preparada.
#include <QString>
#include <QStringList>

class QWidget;

namespace Mensajes {

enum class Icono { Informacion, Aviso, Error, Pregunta };
enum class Botones { Aceptar, SiNo };
enum class Respuesta { Aceptar, Si, No };

Respuesta mostrar(QWidget* padre, const QString& titulo, const QString& texto, Icono icono,
                  Botones botones = Botones::Aceptar);

// Mensaje de error con el título del programa
void error(QWidget* padre, const QString& texto);

// Pruebas: los mensajes no se muestran; se anotan y se contestan
void activarModoPrueba(bool activo);
void ponerSiguienteRespuesta(Respuesta r);
QStringList anotados();  // "título|texto" de cada mensaje, en orden
void limpiarAnotados();

}  // namespace Mensajes
