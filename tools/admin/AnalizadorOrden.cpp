#include "AnalizadorOrden.h"

#include "datos/Error.h"

#include <QTextStream>

AnalizadorOrden::AnalizadorOrden(const QString& orden, const QString& descripcion) : m_orden(orden)
{
    m_parser.setApplicationDescription(descripcion);
    m_parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Muestra esta ayuda.")});
}

bool AnalizadorOrden::analizar(const QStringList& args)
{
    // El primer argumento hace de nombre del programa en la ayuda
    QStringList todos = args;
    if (!todos.isEmpty())
        todos[0] = QStringLiteral("tarvelo-admin ") + m_orden;
    if (!m_parser.parse(todos)) {
        const QStringList desconocidas = m_parser.unknownOptionNames();
        const QString motivo = desconocidas.isEmpty()
                                   ? QStringLiteral("Falta el valor de una opción (%1)").arg(m_parser.errorText())
                                   : QStringLiteral("Opción desconocida: «%1»").arg(desconocidas.constFirst());
        throw ErrorTarvelo(QStringLiteral("%1. Vea tarvelo-admin %2 --help").arg(motivo, m_orden));
    }
    if (m_parser.isSet(QStringLiteral("help"))) {
        // La ayuda de Qt viene con títulos en inglés: se traducen
        QString texto = m_parser.helpText();
        texto = texto.section(QLatin1Char('\n'), 1);  // la línea de uso lleva la ruta del ejecutable
        texto.replace(QStringLiteral("Options:"), QStringLiteral("Opciones:"));
        QTextStream(stdout) << "Uso: tarvelo-admin " << m_orden << " [opciones]\n" << texto;
        return false;
    }
    if (!m_parser.positionalArguments().isEmpty())
        throw ErrorTarvelo(QStringLiteral("Argumento de más: «%1». Vea tarvelo-admin %2 --help")
                               .arg(m_parser.positionalArguments().constFirst(), m_orden));
    return true;
}

int AnalizadorOrden::entero(const QString& opcion, int porDefecto, int minimo, int maximo) const
{
    if (!m_parser.isSet(opcion))
        return porDefecto;
    bool ok = false;
    const int v = m_parser.value(opcion).trimmed().toInt(&ok);
    if (!ok || v < minimo || v > maximo)
        throw ErrorTarvelo(QStringLiteral("Valor no válido para --%1: «%2» (de %3 a %4).")
                               .arg(opcion, m_parser.value(opcion))
                               .arg(minimo)
                               .arg(maximo));
    return v;
}
