// Órdenes registrar-puesto y mostrar-puesto
#include "AnalizadorOrden.h"
#include "OpcionesConexion.h"
#include "Ordenes.h"
#include "Privilegios.h"
#include "Puesto.h"
#include "datos/Error.h"
#include "plataforma/ConfiguracionSuite.h"

#include <QTextStream>

namespace Ordenes {
namespace {

QTime leerHora(const QCommandLineParser& p, const QString& opcion, const QTime& porDefecto)
{
    if (!p.isSet(opcion))
        return porDefecto;
    const QString texto = p.value(opcion).trimmed();
    QTime h = QTime::fromString(texto, QStringLiteral("H:mm"));
    if (!h.isValid())
        h = QTime::fromString(texto, QStringLiteral("H:mm:ss"));
    if (!h.isValid())
        throw ErrorTarvelo(QStringLiteral("Hora no válida para --%1: «%2» (use HH:mm).").arg(opcion, texto));
    return h;
}

double leerTamano(const QCommandLineParser& p, const QString& opcion, double porDefecto)
{
    if (!p.isSet(opcion))
        return porDefecto;
    bool ok = false;
    const double v = p.value(opcion).trimmed().toDouble(&ok);
    if (!ok || v <= 0)
        throw ErrorTarvelo(QStringLiteral("Tamaño no válido para --%1: «%2» (twips, mayor que cero).")
                               .arg(opcion, p.value(opcion)));
    return v;
}

QString identificador(const QCommandLineParser& p)
{
    const QString id = p.isSet(QStringLiteral("puesto")) ? p.value(QStringLiteral("puesto")).trimmed()
                                                        : ConfiguracionSuite::identificadorPuesto();
    if (id.isEmpty())
        throw ErrorTarvelo(QStringLiteral("Falta el identificador del puesto (--puesto)."));
    return id;
}

}  // namespace

int registrarPuesto(const QStringList& args)
{
    AnalizadorOrden a(QStringLiteral("registrar-puesto"),
                      QStringLiteral("Da de alta un puesto de trabajo (o sustituye lo que tenía): terminal, empleado "
                                     "por defecto, impresoras de tickets y de documentos, horario, pantalla, colores y tipo de "
                                     "negocio. Guarda su identificador en la configuración de la suite y, si se "
                                     "dan opciones de conexión, también la conexión: en PostgreSQL, la del rol de "
                                     "los puestos (<base>_puesto)."));
    OpcionesConexion::anadir(a.parser());
    const DatosPuesto def;
    a.parser().addOptions({
        {QStringLiteral("puesto"), QStringLiteral("Identificador del puesto (por defecto, el de la suite)."),
         QStringLiteral("id")},
        {QStringLiteral("terminal"), QStringLiteral("Nombre de terminal (obligatorio)."), QStringLiteral("nombre")},
        {QStringLiteral("empleado"), QStringLiteral("Código del empleado por defecto (0: ninguno)."),
         QStringLiteral("codigo")},
        {QStringLiteral("impresora-ticket"),
         QStringLiteral("Impresora de tickets: fichero de dispositivo, servidor:puerto o cola de CUPS."),
         QStringLiteral("destino")},
        {QStringLiteral("pagina-codigos"),
         QStringLiteral("Número de la página de códigos con € y ñ (PC858) en la impresora de tickets (19)."),
         QStringLiteral("n")},
        {QStringLiteral("impresora-documentos"),
         QStringLiteral("Cola de CUPS de las facturas y hojas (por defecto, la del sistema)."), QStringLiteral("cola")},
        {QStringLiteral("apertura"), QStringLiteral("Hora de apertura (09:00)."), QStringLiteral("HH:mm")},
        {QStringLiteral("cierre"), QStringLiteral("Hora de cierre (21:00)."), QStringLiteral("HH:mm")},
        {QStringLiteral("ancho"), QStringLiteral("Ancho de pantalla en twips (15360)."), QStringLiteral("twips")},
        {QStringLiteral("alto"), QStringLiteral("Alto de pantalla en twips (11520)."), QStringLiteral("twips")},
        {QStringLiteral("esquema"), QStringLiteral("Esquema de colores (1)."), QStringLiteral("n")},
        {QStringLiteral("opcion-visual"), QStringLiteral("Opción visual (0)."), QStringLiteral("n")},
        {QStringLiteral("tipo-negocio"),
         QStringLiteral("PELUQUERIA, ESTETICA, SPA, CLINICAS, PERFUMERIA o TPV (por defecto, el de la "
                        "instalación)."),
         QStringLiteral("tipo")},
        {QStringLiteral("separador-decimal"), QStringLiteral("\",\" (por defecto) o \".\"."),
         QStringLiteral("separador")},
        {QStringLiteral("formato-fecha"), QStringLiteral("Formato de fecha corta (dd/MM/yyyy)."),
         QStringLiteral("formato")},
        {QStringLiteral("formato-hora"), QStringLiteral("Formato de hora (HH:mm:ss)."), QStringLiteral("formato")},
        {QStringLiteral("sin-animaciones"), QStringLiteral("Sin animaciones en las pantallas.")},
    });
    if (!a.analizar(args))
        return 0;
    const QCommandLineParser& p = a.parser();
    OpcionesConexion::aplicarSuite(p);

    DatosPuesto d;
    d.identificador = identificador(p);
    d.terminal = p.value(QStringLiteral("terminal")).trimmed();
    if (d.terminal.isEmpty())
        throw ErrorTarvelo(QStringLiteral("Falta el nombre de terminal (--terminal)."));
    d.empleado = a.entero(QStringLiteral("empleado"), 0, 0, 2147483647);
    d.impresoraTicket = p.value(QStringLiteral("impresora-ticket"));
    d.paginaCodigosTicket = a.entero(QStringLiteral("pagina-codigos"), def.paginaCodigosTicket, 0, 255);
    d.impresoraDocumentos = p.value(QStringLiteral("impresora-documentos")).trimmed();
    d.apertura = leerHora(p, QStringLiteral("apertura"), def.apertura);
    d.cierre = leerHora(p, QStringLiteral("cierre"), def.cierre);
    d.anchoPantalla = leerTamano(p, QStringLiteral("ancho"), def.anchoPantalla);
    d.altoPantalla = leerTamano(p, QStringLiteral("alto"), def.altoPantalla);
    d.esquemaColores = a.entero(QStringLiteral("esquema"), def.esquemaColores, 1, 32767);
    d.opcionVisual = a.entero(QStringLiteral("opcion-visual"), def.opcionVisual, 0, 32767);
    if (p.isSet(QStringLiteral("tipo-negocio")))
        d.tipoNegocio = p.value(QStringLiteral("tipo-negocio")).trimmed().toUpper();
    if (p.isSet(QStringLiteral("separador-decimal")))
        d.separadorDecimal = p.value(QStringLiteral("separador-decimal"));
    if (p.isSet(QStringLiteral("formato-fecha")))
        d.formatoFecha = p.value(QStringLiteral("formato-fecha"));
    if (p.isSet(QStringLiteral("formato-hora")))
        d.formatoHora = p.value(QStringLiteral("formato-hora"));
    d.animaciones = !p.isSet(QStringLiteral("sin-animaciones"));

    Conexion c;
    const ParametrosConexion tienda = OpcionesConexion::tienda(p);
    c.abrir(tienda);
    const bool guardarConexion = OpcionesConexion::dadas(p);
    // Un puesto no trabaja con quien puede cambiar el esquema o el historial
    if (guardarConexion && Privilegios::puedeCambiarEsquema(c))
        throw ErrorTarvelo(QStringLiteral("El puesto no puede trabajar con el usuario «%1», que puede cambiar el "
                                          "esquema de la base. Use el rol de los puestos, «%2», con la clave que se "
                                          "le dio en «tarvelo-admin crear --clave-puesto».")
                               .arg(tienda.usuario, Privilegios::roles(tienda.baseDatos).puesto));
    Puesto::registrar(c, d);
    if (guardarConexion)
        OpcionesConexion::guardarEnSuite(tienda, OpcionesConexion::informes(p, tienda));
    ConfiguracionSuite::guardarIdentificadorPuesto(d.identificador);
    QTextStream(stdout) << "Puesto " << d.identificador << " registrado en " << c.parametros().descripcion()
                        << ".\n";
    return 0;
}

int mostrarPuesto(const QStringList& args)
{
    AnalizadorOrden a(QStringLiteral("mostrar-puesto"),
                      QStringLiteral("Muestra la configuración de un puesto de trabajo: la de la suite y la que "
                                     "tiene en la base de datos."));
    OpcionesConexion::anadir(a.parser());
    a.parser().addOption({QStringLiteral("puesto"),
                          QStringLiteral("Identificador del puesto (por defecto, el de la suite)."),
                          QStringLiteral("id")});
    if (!a.analizar(args))
        return 0;
    OpcionesConexion::aplicarSuite(a.parser());
    const QString id = identificador(a.parser());
    Conexion c;
    c.abrir(OpcionesConexion::tienda(a.parser()));
    const auto d = Puesto::leer(c, id);
    if (!d)
        throw ErrorTarvelo(QStringLiteral("El puesto %1 no está registrado en %2. Use «tarvelo-admin "
                                          "registrar-puesto».")
                               .arg(id, c.parametros().descripcion()));
    const QString fichero = ConfiguracionSuite::certificado().fichero;
    const QString certificado = fichero.isEmpty() ? QStringLiteral("no registrado") : fichero;
    QTextStream out(stdout);
    out << "Configuración de la suite: " << ConfiguracionSuite::ruta() << '\n'
        << "Base de la tienda:    " << c.parametros().descripcion() << '\n'
        << "Base de informes:     " << OpcionesConexion::informes(a.parser(), c.parametros()).descripcion() << '\n'
        // La clave del certificado no sale nunca
        << "Certificado VERI*FACTU: " << certificado << "\n\n"
        << Puesto::describir(*d);
    return 0;
}

}  // namespace Ordenes
