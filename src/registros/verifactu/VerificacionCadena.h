#pragma once
// Comprobación de las cadenas de registros de facturación guardadas: cada
// huella se vuelve a calcular desde los textos guardados, cada registro
// enlaza con el anterior, la secuencia no tiene huecos, las horas no
// retroceden y el XML lleva los mismos textos. Encuentra lo que se haya
// cambiado a espaldas del programa.
#include "datos/Conexion.h"

#include <QList>
#include <QString>

namespace VeriFactu {

struct ResultadoCadena {
    QString nif;
    int registros = 0;
    int secuenciaMala = 0;  // el primer registro malo (0 si está bien)
    QString motivo;         // vacío si la cadena está bien

    bool correcta() const { return motivo.isEmpty(); }
};

// Una por cadena de la base, en orden de NIF
QList<ResultadoCadena> verificarCadenas(Conexion& c);

}  // namespace VeriFactu
