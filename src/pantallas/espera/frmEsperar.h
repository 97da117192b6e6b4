#pragma once
// Pantalla de espera mientras se hace un documento: "Generando Reporte" y una
// barra que avanza. Se muestra modal y se cierra en cuanto el documento está
// hecho (no tras un tiempo fijo).
#include "pantallas/comun/ConvencionesPantalla.h"

#include <functional>

class QProgressBar;
class QTimer;

class frmEsperar : public DialogoPantalla {
    Q_OBJECT
public:
    explicit frmEsperar(QWidget* padre = nullptr);

    // Muestra la pantalla mientras dura el trabajo; un error del trabajo sale
    // después de cerrarla
    static void mientras(const std::function<void()>& trabajo);

    // Paso de la barra: 50 ms a la escala de tiempo de las pantallas
    static int intervaloBarra();

private:
    void tmr_barra_Timer();

    QProgressBar* ProgressBar1;
    QTimer* tmr_barra;
};
