#include "principal/Arranque.h"
#include "principal/ManejadorErrores.h"

int main(int argc, char* argv[])
{
    AplicacionTarvelo app(argc, argv);
    AplicacionTarvelo::setApplicationName(QStringLiteral("q_tarvelo"));
    AplicacionTarvelo::setApplicationDisplayName(QStringLiteral("Gestion de Bonos"));
    const Arranque::Resultado r = Arranque::Main();
    return r == Arranque::Resultado::Error ? 1 : 0;
}
