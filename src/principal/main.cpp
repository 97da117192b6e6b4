#include "principal/Arranque.h"
#include "principal/ManejadorErrores.h"
#include "plataforma/ConfiguracionSuite.h"
#include "plataforma/RegistroPuesto.h"

int main(int argc, char* argv[])
{
    AplicacionTarvelo app(argc, argv);
    AplicacionTarvelo::setApplicationName(QStringLiteral("q_tarvelo"));
    AplicacionTarvelo::setApplicationVersion(QStringLiteral(TARVELO_VERSION));
    AplicacionTarvelo::setApplicationDisplayName(QStringLiteral("Gestion de Bonos"));
    // Sin registro el programa sirve igual: solo no deja rastro
    RegistroPuesto::instalar({RegistroPuesto::ficheroPorDefecto(ConfiguracionSuite::identificadorPuesto())});
    const Arranque::Resultado r = Arranque::Main();
    RegistroPuesto::quitar();
    return r == Arranque::Resultado::Error ? 1 : 0;
}
