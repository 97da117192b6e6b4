// tarvelo-admin: administración de las bases de datos de la suite
#include "Ordenes.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvelo-admin"));
    return Ordenes::ejecutar(QCoreApplication::arguments());
}
