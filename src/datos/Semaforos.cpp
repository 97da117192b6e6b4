#include "datos/Semaforos.h"

#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Globales.h"

#include <QEventLoop>
#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(lcSemaforos, "tarvelo.semaforos", QtWarningMsg)

namespace {

QString nombreFila(const QString& nombre)
{
    return QStringLiteral("Semaforo") + nombre;
}

// Toma en una sola sentencia: de dos puestos que lo intentan a la vez solo
// uno cambia la fila de verde a rojo.
bool tomarSiVerde(const QString& nombre)
{
    return gConexion.ejecutar(
               QStringLiteral("update semaforos set estado='rojo' where nombre = ? and estado = 'verde'"),
               {nombreFila(nombre)}) > 0;
}

enum class Estado { SinFila, Verde, Rojo, Otro };

Estado estadoSemaforo(const QString& nombre)
{
    Consulta c(gConexion, QStringLiteral("select estado from semaforos where nombre = ?"), {nombreFila(nombre)});
    if (!c.siguiente())
        return Estado::SinFila;
    const QString estado = c.texto(QStringLiteral("estado"));
    if (estado == QLatin1String("rojo"))
        return Estado::Rojo;
    if (estado == QLatin1String("verde"))
        return Estado::Verde;
    return Estado::Otro;
}

// Sin pantalla instalada (herramientas, pruebas de datos): una pausa de lo que dura una vuelta
class EsperaSinPantalla : public EsperaTurno {
public:
    void vuelta(int) override
    {
        QEventLoop bucle;
        QTimer::singleShot(kDuracionVueltaMs, &bucle, &QEventLoop::quit);
        bucle.exec();
    }
};

EsperaTurno*& esperaInstalada()
{
    static EsperaTurno* e = nullptr;
    return e;
}

EsperaTurno& esperaTurno()
{
    static EsperaSinPantalla sinPantalla;
    return esperaInstalada() ? *esperaInstalada() : sinPantalla;
}

}  // namespace

void ponerEsperaTurno(EsperaTurno* espera)
{
    esperaInstalada() = espera;
}

bool SemaforosActivos()
{
    Consulta c(gConexion, QStringLiteral("Select datoa from relaciones_fijas where indice = 'ActivaSemaforos'"));
    return c.siguiente() && c.texto(QStringLiteral("datoa")) == QLatin1String("SI");
}

void CrearSemaforos()
{
    for (const char* nombre : {"Factura", "SalidaProd", "VentaTemp", "Bono"})
        CrearSemaforo(QString::fromLatin1(nombre));
}

void CrearSemaforo(const QString& nombre)
{
    // El que ya existe conserva su estado. En una sola sentencia: dos puestos
    // que arrancan a la vez pueden no encontrar la fila los dos.
    gConexion.ejecutar(QStringLiteral("insert into semaforos (nombre,estado) values (?,'verde') on conflict do nothing"),
                       {nombreFila(nombre)});
}

void BorrarSemaforosAntiguos()
{
    gConexion.ejecutar(QStringLiteral("delete from relaciones_fijas where indice like 'Semaforo%'"));
}

void TomarSemaforo(const QString& nombre)
{
    if (!gSemaforosActivos)
        return;
    // Esperar turno con una transacción abierta la dejaría bloqueando a los demás puestos
    if (gConexion.enTransaccion())
        throw ErrorTarvelo(QStringLiteral("No se puede tomar el semáforo «%1» con cambios sin guardar en curso.")
                               .arg(nombre));
    // No hace falta cerrar y reabrir la conexión para ver lo que confirman los
    // otros puestos: fuera de una transacción, cada lectura ya lo ve.
    EsperarSemaforo(nombre);
}

void EsperarSemaforo(const QString& nombre)
{
    EsperaTurno& espera = esperaTurno();
    struct AlTerminar {
        EsperaTurno& e;
        ~AlTerminar() { e.terminar(); }
    } alTerminar{espera};
    int vuelta = 0;
    for (;;) {
        if (tomarSiVerde(nombre))
            return;
        switch (estadoSemaforo(nombre)) {
        case Estado::SinFila:
            return;  // sin fila no se espera ni se marca nada
        case Estado::Verde:
            continue;  // lo soltaron entre las dos sentencias: otra vez a tomarlo
        case Estado::Otro:
            PonerSemaforoRojo(nombre);  // ni rojo ni verde cuenta como libre
            return;
        case Estado::Rojo:
            break;
        }
        if (vuelta >= kVueltasMaximasSemaforo) {
            // Nadie lo suelta (un puesto que se quedó a medias): se sigue como si estuviera libre
            qCWarning(lcSemaforos) << "Semáforo" << nombre << "sigue en rojo tras" << vuelta
                                   << "vueltas; se toma igualmente";
            PonerSemaforoRojo(nombre);
            return;
        }
        espera.vuelta(vuelta);
        ++vuelta;
    }
}

void LiberarSemaforo(const QString& nombre)
{
    if (!gSemaforosActivos)
        return;
    gConexion.ejecutar(QStringLiteral("update semaforos set estado='verde' where nombre = ?"), {nombreFila(nombre)});
}

bool SemaforoLibre(const QString& nombre)
{
    Consulta c(gConexion, QStringLiteral("Select * from semaforos where nombre = ? and estado = 'rojo'"),
               {nombreFila(nombre)});
    return !c.siguiente();
}

void PonerSemaforoRojo(const QString& nombre)
{
    gConexion.ejecutar(QStringLiteral("update semaforos set estado='rojo' where nombre = ?"), {nombreFila(nombre)});
}

SemaforoTomado::SemaforoTomado(const QString& nombre) : m_nombre(nombre)
{
    TomarSemaforo(m_nombre);
}

SemaforoTomado::~SemaforoTomado()
{
    // Un fallo al soltarlo no tapa el error de la acción ni deja el destructor lanzando
    try {
        LiberarSemaforo(m_nombre);
    } catch (const ErrorTarvelo& e) {
        qCWarning(lcSemaforos) << "No se pudo soltar el semáforo" << m_nombre << e.descripcion();
    }
}
