#pragma once
// Envío automático de los registros de facturación mientras el programa
// está abierto: un temporizador da un paso de la cola cada pocos segundos, y
// la cola decide si toca enviar. El envío no espera a la respuesta (llega
// después por el bucle de eventos): la pantalla no se para y vender nunca
// depende de la conexión con la agencia.
#include "registros/verifactu/ColaEnvios.h"

#include <QObject>
#include <QTimer>

class EnvioRegistros : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalo = 10000;  // ms entre pasos

    EnvioRegistros();

private:
    void paso();

    VeriFactu::ColaEnvios m_cola;
    QTimer m_temporizador;
    QString m_ultimoError;
};
