#pragma once
// Colores de la suite guardados como texto del número decimal de un color
// BGR (rojo en el byte bajo): blanco "16777215", rojo "255", azul "16711680".
#include <QColor>
#include <QString>

namespace ColorBgr {

// Acepta también "&HBBGGRR" (forma hexadecimal del sistema heredado) y
// "#RRGGBB". Un texto que no es un color da porDefecto.
QColor aColor(const QString& texto, const QColor& porDefecto = QColor());

// Texto decimal del número BGR del color
QString aTexto(const QColor& color);

// Número BGR de un color
quint32 aNumero(const QColor& color);

}  // namespace ColorBgr
