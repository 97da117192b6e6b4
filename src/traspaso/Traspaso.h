#pragma once
// Traspaso de trabajo a los programas hermanos de la suite: se deja una fila
// en pasardatos con la clave del puesto (una por clave) y se arranca el
// programa con el Lanzador.
#include <QString>

// Programa que deja las filas (indice de pasardatos)
inline constexpr auto kProgramaTarvelo = "Q_Tarvelo.exe";

// Pasa a la agenda las sesiones de un bono: texto1 es el servicio o, con
// familias distinto de 0, el pack (se guardan sus servicios separados por ",").
void ProgramarCitas(const QString& indice, const QString& texto1, const QString& texto2, const QString& terminal,
                    int familias);

// Servicios del pack en su orden, separados por "," ("" sin servicios)
QString ServiciosDePack(const QString& pack);

// list1 de la base de datos de listados ("" si no hay fila)
QString ObtenerListadoTemporal();

// Pasa el trabajo al programa de listados
void PasarAListados(const QString& indice);
