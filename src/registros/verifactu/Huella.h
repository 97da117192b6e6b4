#pragma once
// Huella de los registros de facturación de VERI*FACTU: los textos exactos de
// los campos que entran en ella, y su SHA-256. El mismo texto de cada campo
// va a la huella y al XML del registro: por eso todo campo sale de aquí.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTimeZone>

namespace VeriFactu {

// Campos encadenados de un registro de alta, ya en su texto
struct CamposAlta {
    QString idEmisor;
    QString numSerie;
    QString fechaExpedicion;  // dd-mm-aaaa
    QString tipoFactura;      // F1, F2, R1, R5...
    QString cuotaTotal;
    QString importeTotal;
    QString huellaAnterior;   // vacía en el primero de la cadena
    QString fechaHoraHuso;    // aaaa-mm-ddThh:mm:ss+hh:mm
};

// Campos encadenados de un registro de anulación
struct CamposAnulacion {
    QString idEmisor;
    QString numSerie;
    QString fechaExpedicion;
    QString huellaAnterior;
    QString fechaHoraHuso;
};

// Pares nombre=valor unidos por "&", cada valor sin blancos a los lados
QString textoHuella(const CamposAlta& c);
QString textoHuella(const CamposAnulacion& c);

// SHA-256 del texto en UTF-8: 64 cifras hexadecimales en mayúsculas
QString huella(const QString& texto);

// Importe redondeado a céntimos (mitades lejos del cero) y escrito siempre
// con punto y dos decimales: "241.40", "-12.35", "0.00". Con dos decimales
// fijos el texto depende solo de los céntimos, y quien lo rehaga (la
// verificación de la cadena, la agencia con el XML) escribe el mismo; el
// esquema de la agencia admite de 0 a 2 decimales, y el ejemplo oficial del QR
// con "241.4" no obliga a quitar el cero.
QString importe(double valor);
// Lo mismo desde céntimos enteros (sumas hechas sin coma flotante)
QString importeCentimos(qint64 centimos);
// Céntimos de un importe, redondeado una sola vez como importe()
qint64 centimos(double valor);

// Fecha de expedición: dd-mm-aaaa
QString fecha(const QDate& f);

// Instante en la hora local de la zona, con su desplazamiento: "+01:00" en
// invierno en la península, "+00:00" en Canarias (nunca "Z"). Sin fracciones
// de segundo.
QString fechaHoraHuso(const QDateTime& instante, const QTimeZone& zona);

}  // namespace VeriFactu
