#pragma once
// Pantalla de espera de turno: se muestra mientras otro puesto tiene el
// semáforo y se cierra sola cuando la barra llega al final (11 pasos).
#include "datos/Semaforos.h"
#include "pantallas/comun/ConvencionesPantalla.h"

#include <memory>

class QLabel;
class QProgressBar;
class QTimer;

class frmEsperaSemaforo : public DialogoPantalla {
    Q_OBJECT
public:
    explicit frmEsperaSemaforo(QWidget* padre = nullptr);

    // Número de vuelta que se muestra; se da antes de mostrarla
    void ponerVuelta(int vuelta);
    int vuelta() const { return m_vuelta; }

    // Escala de tiempo de los pasos (1 = 100 ms); las pruebas la acortan
    static void ponerEscalaTiempo(double escala);
    static double escalaTiempo();
    static int intervaloPaso();  // ms

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void paso();
    void colocar();

    QLabel* lblVueltas;
    QProgressBar* barra;
    QTimer* Timer1;
    int m_vuelta = 0;
};

// La espera de turno de los semáforos con esta pantalla: una por espera,
// mostrada en cada vuelta
class EsperaTurnoPantalla : public EsperaTurno {
public:
    void vuelta(int numero) override;
    void terminar() override { m_pantalla.reset(); }

private:
    std::unique_ptr<frmEsperaSemaforo> m_pantalla;
};
