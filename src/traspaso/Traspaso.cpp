#include "traspaso/Traspaso.h"

#include "datos/Componentes.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Transaccion.h"
#include "datos/Globales.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcTraspaso, "tarvelo.traspaso", QtWarningMsg)

namespace {

// Se quita la primera fila que haya para la clave y se deja la nuestra, todo junto
void dejarFila(const QString& terminal, const QString& indice, const QString& texto1, const QString& texto2)
{
    Transaccion t(gConexion);
    QVariant primera;
    {
        Consulta c(gConexion, QStringLiteral("Select * from pasardatos where terminal = ? order by indice"),
                   {terminal});
        if (c.siguiente())
            primera = c.valor(QStringLiteral("id"));
    }
    if (primera.isValid())
        gConexion.ejecutar(QStringLiteral("delete from pasardatos where id = ?"), {primera});
    gConexion.ejecutar(QStringLiteral("insert into pasardatos (indice,texto1,texto2,terminal) values (?,?,?,?)"),
                       {indice, texto1, texto2, terminal});
    t.confirmar();
}

// El programa hermano puede haber cambiado la base de datos: conexión nueva
void renovarConexion()
{
    gConexion.cerrar();
    Componentes::abridor().Abrir(QString(), gConexion);
}

}  // namespace

QString ServiciosDePack(const QString& pack)
{
    bool ok = false;
    const int codigo = pack.trimmed().toInt(&ok);
    if (!ok)
        throw ErrorTarvelo(QStringLiteral("El código de pack «%1» no es un número.").arg(pack));
    // En el orden en que se guardaron los servicios del pack
    Consulta c(gConexion, QStringLiteral("Select * from detalle_familia where familia = ? order by id"), {codigo});
    QString servicios;
    while (c.siguiente())
        servicios += QLatin1Char(',') + c.texto(QStringLiteral("servicio"));
    return servicios.mid(1);
}

void ProgramarCitas(const QString& indice, const QString& texto1, const QString& texto2, const QString& terminal,
                    int familias)
{
    const QString servicios = familias != 0 ? ServiciosDePack(texto1) : texto1;
    dejarFila(terminal, indice, servicios, texto2);

    QString programa;
    QString texto;
    {
        Consulta c(gConexion, QStringLiteral("Select agenda from opciones"));
        if (c.siguiente()) {
            programa = QStringLiteral("Q_AgendaCitas.exe");
            texto = QStringLiteral("Agenda de Citas");
        }
    }
    gConexion.cerrar();
    try {
        Componentes::lanzador().Arrancar(programa, texto, gConexion);
    } catch (...) {
        // La fila queda escrita; la sesión sigue con su conexión
        renovarConexion();
        throw;
    }
    renovarConexion();
}

QString ObtenerListadoTemporal()
{
    Conexion listados;
    // Por el abridor, que avisa de un fichero que falta en lugar de crearlo vacío
    Componentes::abridor().Abrir(QStringLiteral("dsn=ListBrisalo"), listados);
    Consulta c(listados, QStringLiteral("Select list1 from listadostemporal"));
    return c.siguiente() ? c.texto(QStringLiteral("list1")) : QString();
}

void PasarAListados(const QString& indice)
{
    const QString clave = gIdentificadorPuesto + ObtenerListadoTemporal();
    dejarFila(clave, indice, QStringLiteral("LstBon"), QStringLiteral("Listado"));
    renovarConexion();
    // Los errores se pasan por alto; si el programa no arranca, el lanzador ya lo ha dicho en pantalla
    try {
        Componentes::lanzador().Arrancar(QStringLiteral("Q_Listados.exe"), QStringLiteral("Listado"), gConexion);
    } catch (const ErrorTarvelo& e) {
        qCWarning(lcTraspaso) << "No se pudo arrancar el programa de listados:" << e.descripcion();
    }
}
