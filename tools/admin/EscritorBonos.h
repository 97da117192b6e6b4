#pragma once
// Escribe bonos de la demostración como los habría dejado la venta: cabecera
// del bono, factura de una línea (serie 0), consumos, pago a cuenta con lo
// pagado después, y para las devoluciones el abono. Numera con los
// contadores de Relaciones_fijas y los deja en el siguiente número.
#include "Lotes.h"
#include "datos/Conexion.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <memory>

struct BonoDemo {
    enum class Fin { Vigente, Anulado, Consumido, Devuelto };

    int cliente = 0;
    int empleado = 1;
    bool pack = false;
    int item = 0;        // servicio o familia
    int sesiones = 10;
    double descuento = 0;  // porcentaje
    QDate alta;
    QDate hasta;          // la validez empieza el día del alta
    Fin fin = Fin::Vigente;
    int consumidos = 0;
    int formaPago = 1;
    double pendiente = 0;       // lo que quedó a deber en la venta
    double pagadoDespues = 0;   // lo pagado luego contra esa deuda
};

class EscritorBonos {
public:
    EscritorBonos(Conexion& c, const QDate& hoy, const QString& terminal = QStringLiteral("CAJA1"));
    ~EscritorBonos();

    // Devuelve el número del bono
    int escribir(const BonoDemo& b);
    // Escribe lo pendiente y adelanta los contadores
    void terminar();

    int bonos() const { return m_bonos; }
    int consumos() const { return m_consumos; }
    int pagos() const { return m_pagos; }
    int abonos() const { return m_abonos; }

private:
    struct Articulo {
        QString nombre;
        double precio = 0;
        double iva = 0;
    };
    int siguiente(const QString& contador);
    void escribirPago(const BonoDemo& b, int factura, double total);
    void escribirAbono(const BonoDemo& b, int factura, const QVariantList& cabecera, const QVariantList& linea,
                       double total, double impuesto);

    Conexion& m_c;
    QDate m_hoy;
    QString m_terminal;
    QHash<int, Articulo> m_servicios;
    QHash<int, Articulo> m_familias;
    QHash<int, QString> m_nombresEmpleado;  // "Nombre I"
    QList<int> m_empleadosCaja;
    QHash<int, QString> m_tiendaCliente;
    QHash<QString, int> m_siguientes;
    std::unique_ptr<InsercionPorLotes> m_cabBonos, m_detBonos, m_cabFacturas, m_detFacturas, m_cabPagos,
        m_detPagos, m_historial;
    int m_bonos = 0, m_consumos = 0, m_pagos = 0, m_abonos = 0;
};
