#pragma once
// El mensaje con que se envían los registros a la agencia (el SOAP de
// RegFactuSistemaFacturacion) y la lectura de lo que contesta.
#include <QList>
#include <QString>
#include <QStringList>

namespace VeriFactu {

struct CabeceraEnvio {
    QString nif;     // del obligado a expedir las facturas
    QString nombre;
    bool incidencia = false;  // registros que no se pudieron enviar a su hora
};

// Sobre SOAP con la cabecera y los registros (su XML tal como se guardó)
QByteArray mensajeSoap(const CabeceraEnvio& cabecera, const QStringList& registros);

// Lo que la agencia dice de un registro
struct LineaRespuesta {
    QString numSerie;
    QString operacion;      // Alta o Anulacion
    QString estado;         // Correcto, AceptadoConErrores o Incorrecto
    int codigo = 0;
    QString descripcion;
    bool duplicado = false; // ya lo tenía
};

struct RespuestaAgencia {
    bool contestada = false;  // con una respuesta de la agencia; si no, fallo dice por qué
    QString fallo;
    QString csv;
    QString estadoEnvio;
    int espera = -1;          // TiempoEsperaEnvio en segundos; -1 si no vino
    QList<LineaRespuesta> lineas;
};

// Lee el cuerpo de una respuesta HTTP: la de la agencia o un fallo SOAP
RespuestaAgencia leerRespuesta(const QByteArray& cuerpo);

}  // namespace VeriFactu
