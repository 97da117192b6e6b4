#pragma once
// Datos sin los que una instalación nueva no arranca: esquemas de colores,
// filas de los contadores y ajustes de Relaciones_fijas, semáforos y el tipo
// de negocio. Solo añade lo que falta: repetirlo no cambia nada.
#include "datos/Conexion.h"

#include <QString>

namespace DatosBase {

// Contadores de documentos y ajustes que el programa lee y avanza
extern const char* const kContadores[5];  // Bonos, Factura, FacturaPeruChile, Abonos, PagosCuenta

void sembrar(Conexion& c, const QString& tipoNegocio = QStringLiteral("PELUQUERIA"));

// Pone el contador en `siguiente` si está por debajo (no lo hace retroceder)
void adelantarContador(Conexion& c, const QString& indice, int siguiente);

// Tipos de negocio que conoce la suite
bool tipoNegocioValido(const QString& tipo);

}  // namespace DatosBase
