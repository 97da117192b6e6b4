#pragma once
// Cola de envío de los registros de facturación a la agencia tributaria.
//
// Cada cadena (NIF emisor) la envía un solo puesto: en PostgreSQL, el que
// tiene su bloqueo consultivo (pg_try_advisory_lock, mientras dure su
// sesión); en SQLite, el único puesto. Se envían hasta 1.000 registros por
// mensaje, en el orden de la cadena. Tras cada envío se espera lo que pidió
// la agencia (60 s mientras no diga otra cosa), salvo que ya haya 1.000
// pendientes; tras un fallo (sin respuesta, o un fallo del servidor) se
// reintenta con una espera que dobla la anterior, de 60 s a una hora, y los
// registros que quedaron pendientes van después con Incidencia=S. La espera
// y el último envío se leen de la base en cada paso: un reinicio los respeta.
//
// Cada respuesta, y cada fallo, son filas nuevas. Un registro rechazado no
// se vuelve a enviar: su corrección es un registro nuevo.
#include "datos/ComponentesSuite.h"
#include "registros/verifactu/Rechazos.h"

#include <QDateTime>
#include <QList>
#include <functional>
#include <memory>

namespace VeriFactu {

// Registros de todas las cadenas de la tienda de los que la agencia aún no
// ha dicho nada
int registrosSinEnviar(Conexion& c);

// Cómo fue el último intento de envío de la tienda (de cualquier cadena)
struct UltimoEnvio {
    bool hubo = false;
    QDateTime fin;     // UTC
    QString fallo;     // vacío si la agencia contestó
    int espera = 0;    // s hasta el siguiente
};
UltimoEnvio ultimoEnvio(Conexion& c);

class ColaEnvios {
public:
    static constexpr int kMaximoRegistros = 1000;
    static constexpr int kPrimeraEspera = 60;    // s
    static constexpr int kEsperaMaxima = 3600;   // s: al menos un intento por hora

    using Reloj = std::function<QDateTime()>;
    // La cola usa gConexion; el reloj da la hora del final de cada envío
    ColaEnvios(TransporteAgencia& transporte, Reloj reloj);
    ~ColaEnvios();

    // Un paso: si a esta hora toca enviar alguna cadena de la que este puesto
    // es el emisor, empieza su envío y devuelve true. Mientras un envío está
    // en curso no empieza otro. Lanza ErrorTarvelo si falla la base de datos.
    bool ejecutar(const QDateTime& ahora);
    bool enCurso() const { return m_enCurso; }

private:
    struct Envio;
    bool esEmisor(int cadena);
    void anotar(const std::weak_ptr<bool>& vive, const Envio& envio, const RespuestaTransporte& respuesta);
    void terminar(const Envio& envio, const RespuestaTransporte& respuesta);

    TransporteAgencia& m_transporte;
    Reloj m_reloj;
    bool m_enCurso = false;
    std::shared_ptr<bool> m_vive;  // una respuesta que llega con la cola ya destruida no se anota
};

}  // namespace VeriFactu
