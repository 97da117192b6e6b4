#include "registros/verifactu/Rechazos.h"

#include "datos/Aviso.h"
#include "datos/Consulta.h"
#include "datos/Globales.h"
#include "datos/Transaccion.h"
#include "registros/verifactu/RegistroAlta.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRechazos, "tarvelo.verifactu.rechazos")

namespace VeriFactu {
namespace {

AvisoRechazos*& avisoInstalado()
{
    static AvisoRechazos* a = nullptr;
    return a;
}

// La última respuesta de cada registro de alta que es el último de su documento
const char* const kPorCorregir =
    "select r.id, r.cadena, r.secuencia, r.num_serie_factura, r.fecha_expedicion, r.documento, r.numero_documento, "
    "s.estado, s.codigo_error, s.descripcion_error from verifactu_registros r join verifactu_respuestas s on "
    "s.registro = r.id where r.tipo_registro = 'alta' and s.id = (select max(u.id) from verifactu_respuestas u where "
    "u.registro = r.id) and s.estado in ('Incorrecto', 'AceptadoConErrores') and r.secuencia = (select "
    "max(o.secuencia) from verifactu_registros o where o.cadena = r.cadena and o.tipo_registro = 'alta' and "
    "o.documento = r.documento and o.numero_documento = r.numero_documento)";

Rechazo leerRechazo(const Consulta& c)
{
    return {c.entero(QStringLiteral("id")),
            c.texto(QStringLiteral("num_serie_factura")),
            c.texto(QStringLiteral("fecha_expedicion")),
            c.texto(QStringLiteral("estado")),
            c.esNulo(QStringLiteral("codigo_error")) ? 0 : c.entero(QStringLiteral("codigo_error")),
            c.texto(QStringLiteral("descripcion_error"))};
}

}  // namespace

void ponerAvisoRechazos(AvisoRechazos* aviso)
{
    avisoInstalado() = aviso;
}

void mostrarRechazos(const QList<Rechazo>& rechazos)
{
    if (AvisoRechazos* a = avisoInstalado()) {
        a->rechazados(rechazos);
        return;
    }
    QStringList lineas;
    for (const Rechazo& r : rechazos)
        lineas << QStringLiteral("%1 (%2, código %3): %4")
                      .arg(r.numSerie, estadoLegible(r.estado))
                      .arg(r.codigo)
                      .arg(r.descripcion);
    avisar(QStringLiteral("La agencia tributaria no ha dado por buenos %1 registros de facturación. Hay que "
                          "corregirlos: la corrección va en un registro nuevo.")
               .arg(rechazos.size()),
           lineas.join(QLatin1Char('\n')));
}

QString estadoLegible(const QString& estado)
{
    if (estado == QLatin1String("Incorrecto"))
        return QStringLiteral("rechazado");
    if (estado == QLatin1String("AceptadoConErrores"))
        return QStringLiteral("aceptado con errores");
    return estado;
}

QList<Rechazo> registrosPorCorregir(Conexion& c)
{
    QList<Rechazo> r;
    for (Consulta q(c, QString::fromLatin1(kPorCorregir) + QStringLiteral(" order by r.cadena, r.secuencia"));
         q.siguiente();)
        r.append(leerRechazo(q));
    return r;
}

void CorregirRegistro(int registro)
{
    const Modo modo = modoTienda();
    if (!modo.activo)
        throw ErrorTarvelo(QStringLiteral("Los registros de facturación están apagados en esta tienda: para corregir "
                                          "uno, enciéndalos antes con «tarvelo-admin verifactu --lugar»."));
    Transaccion t(gConexion);
    // Con la cadena bloqueada, para que dos puestos no corrijan lo mismo (en
    // SQLite la transacción ya tiene el bloqueo de escritura)
    if (gConexion.motor() == Motor::PostgreSQL) {
        Consulta cadena(gConexion, QStringLiteral("select id from verifactu_cadenas where id = (select cadena from "
                                                  "verifactu_registros where id = ?) for update"),
                        {registro});
        cadena.siguiente();
    }
    Consulta q(gConexion, QString::fromLatin1(kPorCorregir) + QStringLiteral(" and r.id = ?"), {registro});
    if (!q.siguiente())
        throw ErrorTarvelo(QStringLiteral("Ese registro de facturación ya no está por corregir: quizá otro puesto "
                                          "lo acaba de corregir."));
    const Rechazo r = leerRechazo(q);
    const QString documento = q.texto(QStringLiteral("documento"));
    const int numero = q.entero(QStringLiteral("numero_documento"));
    q.cerrar();
    RegistrarSubsanacion(documento, numero, r.estado == QLatin1String("Incorrecto"), modo);
    t.confirmar();
    qCInfo(lcRechazos).noquote() << "Corregido el registro" << registro << "de" << r.numSerie;
}

}  // namespace VeriFactu
