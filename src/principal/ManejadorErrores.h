#pragma once
// El único manejador de los errores que nadie atrapa: un mensaje en español
// con la descripción del error y, en los detalles de la caja, lo técnico; la
// transacción de la acción ya se deshizo al salir de su ámbito. Ningún error
// cruza el bucle de eventos de Qt.
#include "datos/Aviso.h"

#include <QApplication>
#include <functional>

// Los avisos de las capas de abajo (datos, plataforma), en la caja de mensajes
class AvisoEnPantalla : public Aviso {
public:
    void avisar(const QString& texto, const QString& detalle) override;
};

// La aplicación del programa: guarda cada evento con el manejador, pone los
// textos de Qt en español y muestra los avisos de las capas de abajo
class AplicacionTarvelo : public QApplication {
public:
    AplicacionTarvelo(int& argc, char** argv);
    ~AplicacionTarvelo() override;
    bool notify(QObject* receptor, QEvent* evento) override;

private:
    AvisoEnPantalla m_aviso;
};

namespace ManejadorErrores {

// Ejecuta una acción; si falla, deshace lo abierto en gConexion, muestra el
// error y devuelve false.
bool ejecutar(const std::function<void()>& accion);

// Muestra la descripción de un error, con su detalle técnico tras el botón de
// los detalles (y anota los dos en el registro)
void informar(const QString& descripcion, const QString& detalle = {});

}  // namespace ManejadorErrores
