#include "Lotes.h"

#include "datos/Error.h"

#include <algorithm>

namespace {
// En PostgreSQL cuenta la ida y vuelta de cada sentencia: lotes grandes (muy
// por debajo del límite de 65535 parámetros). En SQLite no hay red y ligar un
// parámetro por posición cuesta más cuantos más tiene la sentencia: lotes
// pequeños.
int maxParametros(Motor motor)
{
    return motor == Motor::PostgreSQL ? 4000 : 100;
}
constexpr int kMaxFilas = 400;
}  // namespace

InsercionPorLotes::InsercionPorLotes(Conexion& c, const QString& tabla, const QStringList& columnas)
    : m_conexion(c), m_tabla(tabla), m_columnas(columnas)
{
    if (columnas.isEmpty())
        throw ErrorTarvelo(QStringLiteral("Inserción en %1 sin columnas.").arg(tabla));
    m_filasPorLote = std::clamp(maxParametros(c.motor()) / int(columnas.size()), 1, kMaxFilas);
    m_sentenciaLlena = sentencia(m_filasPorLote);
}

QString InsercionPorLotes::sentencia(int filas) const
{
    QString marcas = QStringLiteral("(?");
    for (int i = 1; i < m_columnas.size(); ++i)
        marcas += QStringLiteral(",?");
    marcas += QLatin1Char(')');
    QStringList grupos;
    grupos.reserve(filas);
    for (int i = 0; i < filas; ++i)
        grupos << marcas;
    return QStringLiteral("insert into %1 (%2) values %3")
        .arg(m_tabla, m_columnas.join(QLatin1Char(',')), grupos.join(QLatin1Char(',')));
}

void InsercionPorLotes::anadir(const QVariantList& fila)
{
    if (fila.size() != m_columnas.size())
        throw ErrorTarvelo(QStringLiteral("Fila de %1 con %2 valores para %3 columnas.")
                               .arg(m_tabla)
                               .arg(fila.size())
                               .arg(m_columnas.size()));
    m_pendientes += fila;
    if (++m_filasPendientes == m_filasPorLote) {
        m_conexion.ejecutar(m_sentenciaLlena, m_pendientes);
        m_escritas += m_filasPendientes;
        m_pendientes.clear();
        m_filasPendientes = 0;
    }
}

void InsercionPorLotes::terminar()
{
    if (m_filasPendientes == 0)
        return;
    m_conexion.ejecutar(sentencia(m_filasPendientes), m_pendientes);
    m_escritas += m_filasPendientes;
    m_pendientes.clear();
    m_filasPendientes = 0;
}
