#pragma once
// Si la tienda registra sus facturas para VERI*FACTU, y en qué huso horario.
// Se enciende con la fila 'VeriFactu' de relaciones_fijas, cuyo datoa dice
// dónde está la tienda: "Madrid" (península, Baleares, Ceuta y Melilla) o
// "Canarias"; su daton distinto de 0 lleva a la sede de pruebas de la agencia
// (para probar una instalación antes de facturar de verdad). Solo cuenta en las tiendas de España: en las demás regiones,
// como en la segunda serie de facturas, nunca hay registros.
#include <QTimeZone>

namespace VeriFactu {

struct Modo {
    bool activo = false;
    QTimeZone zona;  // la de la tienda cuando está activo
    bool pruebas = false;  // también apagado: la sede a la que sale lo que quedó sin enviar
};

// Lee el ajuste de la base de datos de la sesión. Un valor que no es ninguno
// de los dos, o una zona que falta en la máquina, es un error que lo dice.
Modo modoTienda();

}  // namespace VeriFactu
