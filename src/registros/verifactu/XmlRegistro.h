#pragma once
// XML de un registro de alta (RegistroAlta del esquema de la agencia), con
// los mismos textos que entran en su huella.
#include "registros/verifactu/Huella.h"

#include <QList>
#include <QString>

namespace VeriFactu {

// Espacio de nombres de los datos del suministro (SuministroInformacion.xsd)
extern const char* const kEspacioSuministro;

// Una fila del desglose: lo de un tipo de impuesto, operación sujeta y no exenta (S1)
struct DetalleDesglose {
    QString tipoImpositivo;
    QString base;
    QString cuota;
};

// Una factura por sus datos de identificación
struct IdFactura {
    QString idEmisor;
    QString numSerie;
    QString fechaExpedicion;
};

// Registro anterior de la cadena (el primero no lo tiene)
struct Anterior {
    QString idEmisor;
    QString numSerie;
    QString fechaExpedicion;
    QString huella;
};

struct DatosAlta {
    CamposAlta campos;            // los de la huella
    QString huella;
    QString nombreEmisor;
    QString descripcion;          // de la operación
    QString nombreDestinatario;   // solo en F1
    QString nifDestinatario;      // solo en F1
    QString impuesto = QStringLiteral("01");  // IVA; en Canarias, "03" (IGIC)
    QList<DetalleDesglose> desglose;
    QList<IdFactura> rectificadas;  // en una rectificativa (por diferencias)
    // Corrección de un registro anterior del mismo documento que la agencia
    // aceptó con errores, o que rechazó (rechazoPrevio)
    bool subsanacion = false;
    bool rechazoPrevio = false;
    bool primero = true;
    Anterior anterior;            // si no es el primero
    QString numeroInstalacion;
};

// Elemento RegistroAlta entero, con su espacio de nombres declarado
QString xmlAlta(const DatosAlta& d);

}  // namespace VeriFactu
