#include "datos/Numeracion.h"

#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Semaforos.h"
#include "datos/Globales.h"

#include <QLoggingCategory>
#include <limits>

Q_LOGGING_CATEGORY(lcNumeracion, "tarvelo.numeracion", QtWarningMsg)

namespace {

// Lee y avanza el contador en la misma sentencia (y se confirma al terminarla)
int avanzarContador(const QString& contador)
{
    Consulta c(gConexion,
               QStringLiteral("update relaciones_fijas set daton = daton + 1 where indice = ? "
                              "returning daton - 1 as numero"),
               {contador});
    if (!c.siguiente())
        return 0;
    const QVariant v = c.valor(QStringLiteral("numero"));
    // Hay que terminarla ya: en SQLite retiene el bloqueo de escritura hasta entonces
    c.cerrar();
    if (v.isNull())
        throw ErrorTarvelo(QStringLiteral("El contador «%1» de Relaciones_fijas no tiene valor (daton vacío).")
                               .arg(contador));
    bool ok = false;
    const double numero = v.toDouble(&ok);
    if (!ok || numero < std::numeric_limits<int>::min() || numero > std::numeric_limits<int>::max())
        throw ErrorTarvelo(QStringLiteral("El contador «%1» de Relaciones_fijas tiene «%2», que no es un número válido.")
                               .arg(contador, v.toString()));
    qCInfo(lcNumeracion).noquote() << "Número sacado de" << contador << ":" << numero;
    return static_cast<int>(numero);
}

// dentro: el contador admite que se saque dentro de la transacción de la acción
int sacarNumero(const QString& contador, const QString& semaforo = QString(), bool dentro = false)
{
    if (gConexion.enTransaccion()) {
        // Dentro de una transacción el contador queda bloqueado toda la acción:
        // solo las facturas y los abonos, que no pueden tener huecos, pagan ese
        // precio. El semáforo lo toma la acción antes de abrir la transacción.
        if (dentro)
            return avanzarContador(contador);
        throw ErrorTarvelo(QStringLiteral("No se puede sacar un número de «%1» con cambios sin guardar en curso: "
                                          "los números se sacan antes de empezar a guardar.")
                               .arg(contador));
    }
    if (semaforo.isEmpty())
        return avanzarContador(contador);
    TomarSemaforo(semaforo);
    int numero = 0;
    try {
        numero = avanzarContador(contador);
    } catch (...) {
        // Que un fallo no deje el semáforo en rojo para los demás puestos
        try {
            LiberarSemaforo(semaforo);
        } catch (const ErrorTarvelo& e) {
            qCWarning(lcNumeracion) << "No se pudo soltar el semáforo" << semaforo << e.descripcion();
        }
        throw;
    }
    LiberarSemaforo(semaforo);
    return numero;
}

bool existeEn(const QString& sql, int numero)
{
    if (!gSemaforosActivos)
        return false;
    Consulta c(gConexion, sql, {numero});
    return c.siguiente() && c.entero(QStringLiteral("cantidad")) > 0;
}

}  // namespace

int ObtenerNumeroBono()
{
    return sacarNumero(QStringLiteral("Bonos"), QStringLiteral("Bono"));
}

int ObtenerNumeroFactura()
{
    return sacarNumero(QStringLiteral("Factura"), QStringLiteral("Factura"), true);
}

int ObtenerNumeroFacturaPeruChile()
{
    return sacarNumero(QStringLiteral("FacturaPeruChile"), QStringLiteral("FacturaPeruChile"), true);
}

int ObtenerNumeroAbono()
{
    return sacarNumero(QStringLiteral("Abonos"), QString(), true);
}

int ObtenerNumPagoCuenta()
{
    return sacarNumero(QStringLiteral("PagosCuenta"));
}

bool ExisteFactura(int numero)
{
    return existeEn(QStringLiteral("Select count(numero)as cantidad from cabecera_Factura where numero = ?"), numero);
}

bool ExisteFacturaPeruChile(int numero)
{
    return existeEn(QStringLiteral("Select count(numero)as cantidad from cabecera_Factura_1 where numero = ?"),
                    numero);
}

void ExigirContador(const QString& indice)
{
    Consulta c(gConexion, QStringLiteral("select count(*) as cantidad from relaciones_fijas where indice = ?"), {indice});
    if (c.siguiente() && c.entero(QStringLiteral("cantidad")) > 0)
        return;
    throw ErrorTarvelo(QStringLiteral("Falta el contador «%1» en Relaciones_fijas: sin él todos los documentos "
                                      "saldrían con el número 0, así que no se ha guardado nada. Avise al servicio "
                                      "técnico para que lo cree.")
                           .arg(indice));
}
