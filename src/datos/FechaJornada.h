#pragma once
// Fecha de jornada: la de hoy, salvo en un puesto que cierra pasada la
// medianoche, que apunta lo vendido antes de la hora de cierre en el día en
// que empezó el turno (horas de apertura y cierre de la tabla entradas).
#include <QDate>
#include <QDateTime>
#include <functional>

QDate ObtenerFechaJornada();

namespace FechaJornada {

// Reloj de la jornada; las pruebas ponen el suyo. Uno vacío vuelve al del sistema.
void ponerReloj(std::function<QDateTime()> reloj);
QDateTime ahora();

}  // namespace FechaJornada
