#pragma once
// El único manejador de los errores que nadie atrapa: un mensaje en español
// con la descripción del error; la transacción de la acción ya se deshizo al
// salir de su ámbito. Ningún error cruza el bucle de eventos de Qt.
#include <QApplication>
#include <functional>

class AplicacionTarvelo : public QApplication {
public:
    AplicacionTarvelo(int& argc, char** argv);
    bool notify(QObject* receptor, QEvent* evento) override;
};

namespace ManejadorErrores {

// Ejecuta una acción; si falla, deshace lo abierto en gConexion, muestra el
// error y devuelve false.
bool ejecutar(const std::function<void()>& accion);

// Muestra la descripción de un error (y lo anota en el registro)
void informar(const QString& descripcion);

}  // namespace ManejadorErrores
