#pragma once
// Analizador de las opciones de una orden con ayuda y errores en español
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

class AnalizadorOrden {
public:
    AnalizadorOrden(const QString& orden, const QString& descripcion);

    QCommandLineParser& parser() { return m_parser; }

    // Analiza; false si solo había que mostrar la ayuda (ya mostrada).
    // Lanza ErrorTarvelo si una opción es desconocida o le falta el valor.
    bool analizar(const QStringList& args);

    // Valor entero de una opción (ErrorTarvelo si no lo es o se sale del rango)
    int entero(const QString& opcion, int porDefecto, int minimo, int maximo) const;

private:
    QString m_orden;
    QCommandLineParser m_parser;
};
