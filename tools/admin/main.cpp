// tarvelo-admin: administración de las bases de datos de la suite
#include "Esquema.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return 0;
}
