#pragma once
// Sesión de una prueba sobre la base de datos temporal: gConexion abierta y
// una configuración de la suite propia, para que las reaperturas por el
// AbridorConexion vuelvan a la misma base de datos.
#include "BaseDatosPrueba.h"
#include "datos/Componentes.h"
#include "datos/Conexion.h"
#include "datos/Consulta.h"
#include "plataforma/ConfiguracionSuite.h"
#include "datos/Globales.h"

#include <QString>
#include <QVariantList>

namespace SesionPrueba {

inline void abrir(const BaseDatosPrueba::Temporal& db, const QString& puesto = QStringLiteral("PUESTO1"))
{
    ConfiguracionSuite::ponerRuta(db.carpeta() + QStringLiteral("/suite.ini"));
    ConfiguracionSuite::guardarTienda(db.tienda());
    ConfiguracionSuite::guardarOrigen(QStringLiteral("dsn=ListBrisalo"), db.informes());
    ConfiguracionSuite::guardarIdentificadorPuesto(puesto);
    Componentes::reiniciar();
    gConexion.abrir(db.tienda());
    gIdentificadorPuesto = puesto;
}

inline void cerrar()
{
    reiniciarGlobales();
    Componentes::reiniciar();
    ConfiguracionSuite::ponerRuta(QString());
}

// daton de una fila de contador; inválido si no hay fila
inline QVariant datonDe(Conexion& c, const QString& indice)
{
    Consulta q(c, QStringLiteral("select daton from relaciones_fijas where indice = ?"), {indice});
    return q.siguiente() ? q.valor(QStringLiteral("daton")) : QVariant();
}

inline int filas(Conexion& c, const QString& sql, const QVariantList& valores = {})
{
    return BaseDatosPrueba::numero(c, sql, valores);
}

// Facturas de una serie ("" o "_1") de una venta a medias: sin su única línea,
// sin su bono o con un pago a cuenta que no cuadra con lo que quedó a deber
inline int ventasAMedias(Conexion& c, const char* serie)
{
    return filas(c, QStringLiteral("select count(*) from cabecera_factura%1 f where (select count(*) from detalle_factura%1 d "
                                   "where d.num_factura = f.numero) <> 1 or (select count(*) from cabecera_bonos b where "
                                   "b.num_factura = f.numero and b.facturaperuchile = %2) <> 1 or (select count(*) from "
                                   "cabecera_pago p where p.num_factura = f.numero) <> (case when f.caracteristicaventa = "
                                   "'BP' then 1 else 0 end)")
                        .arg(QLatin1String(serie), *serie ? QStringLiteral("-1") : QStringLiteral("0")));
}

inline void ponerContador(Conexion& c, const QString& indice, const QVariant& daton)
{
    c.ejecutar(QStringLiteral("delete from relaciones_fijas where indice = ?"), {indice});
    c.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, daton) values (?, ?)"), {indice, daton});
}

inline void activarSemaforos(Conexion& c, const QString& valor = QStringLiteral("SI"))
{
    c.ejecutar(QStringLiteral("delete from relaciones_fijas where indice = 'ActivaSemaforos'"));
    c.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, datoa) values ('ActivaSemaforos', ?)"), {valor});
}

}  // namespace SesionPrueba
