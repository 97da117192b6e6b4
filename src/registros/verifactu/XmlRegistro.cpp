#include "registros/verifactu/XmlRegistro.h"

#include <QXmlStreamWriter>

namespace VeriFactu {

const char* const kEspacioSuministro = "https://www2.agenciatributaria.gob.es/static_files/common/internet/dep/"
                                       "aplicaciones/es/aeat/tike/cont/ws/SuministroInformacion.xsd";

namespace {

// El sistema informático que genera los registros, tal como lo declara su
// productor en la declaración responsable (ayudas/verifactu.html). El NIF del
// productor se pone en la versión que se entrega a las tiendas.
const char* const kProductorNombre = "Equipo de desarrollo de Gestión de Bonos";
const char* const kProductorNif = "B00000000";
const char* const kSistemaNombre = "Gestión de Bonos";
const char* const kSistemaId = "GB";
#ifndef TARVELO_VERSION_SIF
#define TARVELO_VERSION_SIF "0"
#endif

class Escritor {
public:
    explicit Escritor(QString* destino) : w(destino) {}

    void abrir(const char* nombre) { w.writeStartElement(QLatin1String(kEspacioSuministro), QLatin1String(nombre)); }
    void cerrar() { w.writeEndElement(); }
    void campo(const char* nombre, const QString& valor)
    {
        w.writeTextElement(QLatin1String(kEspacioSuministro), QLatin1String(nombre), valor.trimmed());
    }
    void campo(const char* nombre, const char* valor) { campo(nombre, QString::fromUtf8(valor)); }

    QXmlStreamWriter w;
};

}  // namespace

QString xmlAlta(const DatosAlta& d)
{
    QString xml;
    Escritor e(&xml);
    e.w.writeNamespace(QLatin1String(kEspacioSuministro), QStringLiteral("sf"));
    const CamposAlta& c = d.campos;
    e.abrir("RegistroAlta");
    e.campo("IDVersion", "1.0");
    e.abrir("IDFactura");
    e.campo("IDEmisorFactura", c.idEmisor);
    e.campo("NumSerieFactura", c.numSerie);
    e.campo("FechaExpedicionFactura", c.fechaExpedicion);
    e.cerrar();
    e.campo("NombreRazonEmisor", d.nombreEmisor.left(120));
    if (d.subsanacion) {
        e.campo("Subsanacion", "S");
        if (d.rechazoPrevio)
            e.campo("RechazoPrevio", "S");
    }
    e.campo("TipoFactura", c.tipoFactura);
    if (!d.rectificadas.isEmpty()) {
        e.campo("TipoRectificativa", "I");  // por diferencias
        e.abrir("FacturasRectificadas");
        for (const IdFactura& f : d.rectificadas) {
            e.abrir("IDFacturaRectificada");
            e.campo("IDEmisorFactura", f.idEmisor);
            e.campo("NumSerieFactura", f.numSerie);
            e.campo("FechaExpedicionFactura", f.fechaExpedicion);
            e.cerrar();
        }
        e.cerrar();
    }
    e.campo("DescripcionOperacion", d.descripcion.left(500));
    if (!d.nifDestinatario.isEmpty()) {
        e.abrir("Destinatarios");
        e.abrir("IDDestinatario");
        e.campo("NombreRazon", d.nombreDestinatario.left(120));
        e.campo("NIF", d.nifDestinatario);
        e.cerrar();
        e.cerrar();
    }
    e.abrir("Desglose");
    for (const DetalleDesglose& l : d.desglose) {
        e.abrir("DetalleDesglose");
        e.campo("Impuesto", d.impuesto);
        e.campo("ClaveRegimen", "01");  // régimen general
        e.campo("CalificacionOperacion", "S1");
        e.campo("TipoImpositivo", l.tipoImpositivo);
        e.campo("BaseImponibleOimporteNoSujeto", l.base);
        e.campo("CuotaRepercutida", l.cuota);
        e.cerrar();
    }
    e.cerrar();
    e.campo("CuotaTotal", c.cuotaTotal);
    e.campo("ImporteTotal", c.importeTotal);
    e.abrir("Encadenamiento");
    if (d.primero) {
        e.campo("PrimerRegistro", "S");
    } else {
        e.abrir("RegistroAnterior");
        e.campo("IDEmisorFactura", d.anterior.idEmisor);
        e.campo("NumSerieFactura", d.anterior.numSerie);
        e.campo("FechaExpedicionFactura", d.anterior.fechaExpedicion);
        e.campo("Huella", d.anterior.huella);
        e.cerrar();
    }
    e.cerrar();
    e.abrir("SistemaInformatico");
    e.campo("NombreRazon", kProductorNombre);
    e.campo("NIF", kProductorNif);
    e.campo("NombreSistemaInformatico", kSistemaNombre);
    e.campo("IdSistemaInformatico", kSistemaId);
    e.campo("Version", TARVELO_VERSION_SIF);
    e.campo("NumeroInstalacion", d.numeroInstalacion.left(100));
    e.campo("TipoUsoPosibleSoloVerifactu", "S");
    e.campo("TipoUsoPosibleMultiOT", "N");
    e.campo("IndicadorMultiplesOT", "N");
    e.cerrar();
    e.campo("FechaHoraHusoGenRegistro", c.fechaHoraHuso);
    e.campo("TipoHuella", "01");  // SHA-256
    e.campo("Huella", d.huella);
    e.cerrar();
    return xml;
}

}  // namespace VeriFactu
