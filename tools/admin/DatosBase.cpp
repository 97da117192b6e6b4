#include "DatosBase.h"

#include "Colores.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Transaccion.h"

#include <QStringList>

namespace DatosBase {

const char* const kContadores[5] = {"Bonos", "Factura", "FacturaPeruChile", "Abonos", "PagosCuenta"};

namespace {

bool existe(Conexion& c, const QString& sql, const QVariantList& valores)
{
    Consulta q(c, sql, valores);
    return q.siguiente();
}

void fijaSiFalta(Conexion& c, const QString& indice, const QVariant& daton, const QVariant& datoa)
{
    if (existe(c, QStringLiteral("select indice from relaciones_fijas where indice = ?"), {indice}))
        return;
    c.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, daton, datoa) values (?, ?, ?)"),
               {indice, daton, datoa});
}

struct Esquema {
    int numero;
    const char* nombre;
    QColor c1, c2, c3, c4, foco, marca, fondo, texto, boton, textoBoton;
};

// Colores de los botones (1 a 4) y de la pantalla de cada esquema
const Esquema kEsquemas[] = {
    {1, "Clásico", QColor(255, 214, 170), QColor(170, 210, 255), QColor(200, 240, 200), QColor(255, 245, 160),
     QColor(255, 255, 140), QColor(255, 0, 0), QColor(232, 236, 244), QColor(20, 20, 20), QColor(206, 216, 236),
     QColor(20, 20, 20)},
    {2, "Rosa salón", QColor(248, 187, 208), QColor(225, 190, 231), QColor(255, 224, 178), QColor(178, 223, 219),
     QColor(255, 249, 196), QColor(198, 40, 40), QColor(252, 236, 242), QColor(60, 30, 45), QColor(240, 200, 218),
     QColor(60, 30, 45)},
    {3, "Verde spa", QColor(165, 214, 167), QColor(128, 203, 196), QColor(220, 231, 117), QColor(188, 170, 164),
     QColor(255, 241, 118), QColor(230, 81, 0), QColor(232, 245, 233), QColor(27, 60, 35), QColor(200, 230, 201),
     QColor(27, 60, 35)},
    {4, "Noche", QColor(92, 107, 192), QColor(0, 137, 123), QColor(142, 36, 170), QColor(251, 140, 0),
     QColor(255, 213, 79), QColor(255, 82, 82), QColor(38, 42, 54), QColor(236, 239, 244), QColor(62, 68, 84),
     QColor(236, 239, 244)},
    {5, "Arena", QColor(215, 204, 200), QColor(255, 204, 128), QColor(188, 170, 164), QColor(240, 244, 195),
     QColor(255, 236, 179), QColor(183, 28, 28), QColor(250, 246, 238), QColor(62, 39, 35), QColor(230, 220, 205),
     QColor(62, 39, 35)},
};

void sembrarEsquemas(Conexion& c)
{
    for (const Esquema& e : kEsquemas) {
        if (existe(c, QStringLiteral("select esquema from esquemas_colores where esquema = ?"), {e.numero}))
            continue;
        c.ejecutar(QStringLiteral("insert into esquemas_colores (esquema, nombre, color1, color2, color3, color4, "
                                  "color_foco, color_marca, color_fondo, color_texto, color_boton, "
                                  "color_texto_boton) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {e.numero, QString::fromUtf8(e.nombre), textoColor(e.c1), textoColor(e.c2), textoColor(e.c3),
                    textoColor(e.c4), textoColor(e.foco), textoColor(e.marca), textoColor(e.fondo),
                    textoColor(e.texto), textoColor(e.boton), textoColor(e.textoBoton)});
    }
}

}  // namespace

bool tipoNegocioValido(const QString& tipo)
{
    static const QStringList tipos{QStringLiteral("PELUQUERIA"), QStringLiteral("ESTETICA"), QStringLiteral("SPA"),
                                   QStringLiteral("CLINICAS"),   QStringLiteral("PERFUMERIA"), QStringLiteral("TPV")};
    return tipos.contains(tipo);
}

void sembrar(Conexion& c, const QString& tipoNegocio)
{
    if (!tipoNegocioValido(tipoNegocio))
        throw ErrorTarvelo(QStringLiteral("Tipo de negocio desconocido: «%1». Valores posibles: PELUQUERIA, "
                                          "ESTETICA, SPA, CLINICAS, PERFUMERIA, TPV.")
                               .arg(tipoNegocio));
    Transaccion t(c);
    // Los contadores guardan el siguiente número que se dará
    for (const char* indice : kContadores)
        fijaSiFalta(c, QString::fromLatin1(indice), 1, QVariant(QMetaType::fromType<QString>()));
    fijaSiFalta(c, QStringLiteral("CampoOrdenItemsCaja"), QVariant(QMetaType::fromType<int>()),
                QStringLiteral("Nombre"));
    fijaSiFalta(c, QStringLiteral("ActivaSemaforos"), QVariant(QMetaType::fromType<int>()), QStringLiteral("SI"));
    for (const char* nombre : {"Factura", "SalidaProd", "VentaTemp", "Bono"}) {
        const QString semaforo = QStringLiteral("Semaforo") + QString::fromLatin1(nombre);
        if (!existe(c, QStringLiteral("select nombre from semaforos where nombre = ?"), {semaforo}))
            c.ejecutar(QStringLiteral("insert into semaforos (nombre, estado) values (?, 'verde')"), {semaforo});
    }
    if (!existe(c, QStringLiteral("select clave from ajustes_suite where clave = 'TipoNegocio'"), {}))
        c.ejecutar(QStringLiteral("insert into ajustes_suite (clave, valor) values ('TipoNegocio', ?)"),
                   {tipoNegocio});
    sembrarEsquemas(c);
    t.confirmar();
}

void adelantarContador(Conexion& c, const QString& indice, int siguiente)
{
    c.ejecutar(QStringLiteral("update relaciones_fijas set daton = ? where indice = ? and "
                              "(daton is null or daton < ?)"),
               {siguiente, indice, siguiente});
}

}  // namespace DatosBase
