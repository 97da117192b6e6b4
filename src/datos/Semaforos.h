#pragma once
// Semáforos con nombre de la tabla semaforos: rojo (tomado) o verde (libre).
// Los nombres se dan sin el prefijo "Semaforo". Con los semáforos apagados
// (gSemaforosActivos falso) tomar y soltar no hacen nada.
#include <QString>

// true si Relaciones_fijas 'ActivaSemaforos' tiene DatoA exactamente "SI"
bool SemaforosActivos();

// Crea en verde los que falten: Factura, SalidaProd, VentaTemp y Bono
void CrearSemaforos();
void CrearSemaforo(const QString& nombre);

// Borra las filas de semáforos del sitio antiguo (Relaciones_fijas)
void BorrarSemaforosAntiguos();

// Espera su turno y lo deja en rojo.
// No se puede llamar con una transacción abierta en gConexion.
void TomarSemaforo(const QString& nombre);
void LiberarSemaforo(const QString& nombre);

// Semáforo tomado mientras dura el ámbito; se suelta aunque salga un error
class SemaforoTomado {
public:
    explicit SemaforoTomado(const QString& nombre);
    ~SemaforoTomado();
    SemaforoTomado(const SemaforoTomado&) = delete;
    SemaforoTomado& operator=(const SemaforoTomado&) = delete;

private:
    QString m_nombre;
};

// true si no hay fila en rojo con ese nombre (sin fila cuenta como libre)
bool SemaforoLibre(const QString& nombre);
void PonerSemaforoRojo(const QString& nombre);

// Espera, con la pantalla de espera, hasta tomar el semáforo (en una sola
// sentencia) o hasta agotar las vueltas; entonces lo pone en rojo igualmente.
// Un nombre sin fila no espera ni marca nada.
void EsperarSemaforo(const QString& nombre);

// Vueltas de espera antes de seguir como si estuviera libre
constexpr int kVueltasMaximasSemaforo = 25;
constexpr int kDuracionVueltaMs = 1100;  // lo que tarda una vuelta sin pantalla

// Lo que se muestra en cada vuelta de espera: la pantalla de espera de turno,
// que instala el arranque. Sin nada instalado, cada vuelta es una pausa.
class EsperaTurno {
public:
    virtual ~EsperaTurno() = default;
    // Una vuelta (0, 1, ...): vuelve cuando acaba
    virtual void vuelta(int numero) = 0;
    // Se acabó de esperar, con el semáforo tomado o no
    virtual void terminar() {}
};

// No toma la propiedad; nullptr vuelve a la pausa sin pantalla
void ponerEsperaTurno(EsperaTurno* espera);
