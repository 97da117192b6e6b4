#pragma once
// Código QR (ISO 18004) con corrección de errores M: la matriz de módulos,
// dibujada como rectángulos (vectores en un PDF) o como imagen de puntos
// enteros por módulo para la impresora de tickets.
#include <QByteArray>

class QPainter;
class QRectF;

class CodigoQr {
public:
    static constexpr int kMargen = 4;  // módulos claros alrededor, los que pide la norma

    // Lanza ErrorTarvelo si el texto no cabe en un código QR
    explicit CodigoQr(const QByteArray& texto);

    int lado() const { return m_lado; }  // módulos por lado, sin el margen
    bool oscuro(int x, int y) const { return m_modulos.at(y * m_lado + x) != 0; }

    // En la zona (cuadrada), margen incluido
    void pintar(QPainter& p, const QRectF& zona) const;
    // Orden de imagen de la impresora de tickets (GS v 0), margen incluido
    QByteArray imagenEscPos(int puntosPorModulo) const;

private:
    int m_lado = 0;
    QByteArray m_modulos;  // fila a fila; distinto de 0, oscuro
};
