#pragma once
// Tienda de demostración: un salón de peluquería y estética de una cadena
// (tienda "Centro"), con catálogo, clientes, empleados, formas de pago,
// configuración, el puesto de trabajo y bonos en todos sus estados con sus
// facturas, consumos, pagos a cuenta y un abono.
#include "datos/Conexion.h"

#include <QDate>
#include <QString>

struct OpcionesDemo {
    QString puesto = QStringLiteral("CAJA1");  // identificador del puesto que se da de alta
    QString terminal = QStringLiteral("CAJA1");
    QString impresoraTicket;                   // vacío: sin impresora de tickets
    int bonosGenerados = 0;                     // bonos de más, para una tienda grande
    bool central = false;                       // la instalación central de la cadena ("Servidor")
    // Peluquería y estética: con bonos de packs (las peluquerías solas no los venden)
    QString tipoNegocio = QStringLiteral("ESTETICA");
    QDate hoy = QDate::currentDate();           // fechas relativas a este día
};

struct ResumenDemo {
    int secciones = 0;
    int servicios = 0;
    int familias = 0;
    int clientes = 0;
    int empleados = 0;
    int formasPago = 0;
    int bonos = 0;
    int consumos = 0;
    int facturas = 0;
    int pagosCuenta = 0;
    int abonos = 0;
};

namespace Demo {

// true si la base ya tiene una tienda (fila en opciones)
bool tieneDatos(Conexion& c);

// Filas de cada cosa que hay en la base
ResumenDemo contar(Conexion& c);

// Siembra la tienda en una base con el esquema al día y sin datos; todo en
// una transacción. Lanza ErrorTarvelo si la base ya tiene datos.
ResumenDemo sembrar(Conexion& c, const OpcionesDemo& opciones);

// Añade n bonos generados (con sus clientes de más, facturas y consumos) a
// una tienda ya sembrada, en una transacción. Devuelve los bonos escritos.
int sembrarBonosGenerados(Conexion& c, int n, const QDate& hoy = QDate::currentDate());

}  // namespace Demo
