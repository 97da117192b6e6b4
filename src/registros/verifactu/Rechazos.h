#pragma once
// Registros de facturación que la agencia no dio por buenos (rechazados, o
// aceptados con errores) y su corrección. Un registro guardado no se cambia
// nunca: se corrige con otro registro de alta del mismo documento, hecho con
// sus datos de ahora (p. ej. el NIF del cliente ya corregido en su ficha),
// que va al final de la cadena y sale en el envío siguiente.
#include <QList>
#include <QString>

class Conexion;

namespace VeriFactu {

struct Rechazo {
    int registro = 0;
    QString numSerie;
    QString fechaExpedicion;
    QString estado;       // Incorrecto o AceptadoConErrores
    int codigo = 0;
    QString descripcion;  // el mensaje de la agencia
};

// Lo que se enseña al usuario cuando la agencia rechaza registros: lo
// implementa una pantalla y lo instala el arranque. Sin nada instalado, va
// por la vía de los avisos (datos/Aviso.h).
class AvisoRechazos {
public:
    virtual ~AvisoRechazos() = default;
    virtual void rechazados(const QList<Rechazo>& registros) = 0;
};
// No toma la propiedad; nullptr vuelve a los avisos
void ponerAvisoRechazos(AvisoRechazos* aviso);
void mostrarRechazos(const QList<Rechazo>& rechazos);

// Texto para el usuario del estado que dio la agencia
QString estadoLegible(const QString& estado);

// Los registros de alta cuya última respuesta fue un rechazo o una
// aceptación con errores y que aún no tienen corrección, en el orden de la cadena
QList<Rechazo> registrosPorCorregir(Conexion& c);

// Hace la corrección de ese registro, en su propia transacción. Lanza
// ErrorTarvelo si ya no hay que corregirlo (otro puesto lo hizo) o si falla.
void CorregirRegistro(int registro);

}  // namespace VeriFactu
