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

// detalle: lo técnico, que la caja guarda tras el botón de los detalles
Respuesta mostrar(QWidget* padre, const QString& titulo, const QString& texto, Icono icono,
                  Botones botones = Botones::Aceptar, const QString& detalle = {});

// Mensaje de error con el título del programa
void error(QWidget* padre, const QString& texto, const QString& detalle = {});

// Los botones y textos propios de Qt (Aceptar, Mostrar detalles...) en
// español, con las traducciones de Qt instaladas en el sistema. false si no están.
bool instalarTraduccionesQt();

// Pruebas: los mensajes no se muestran; se anotan y se contestan
void activarModoPrueba(bool activo);
void ponerSiguienteRespuesta(Respuesta r);
QStringList anotados();  // "título|texto" de cada mensaje, en orden
void limpiarAnotados();

}  // namespace Mensajes
