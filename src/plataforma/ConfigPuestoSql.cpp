#include "plataforma/ConfigPuestoSql.h"

#include "datos/Consulta.h"
#include "datos/Transaccion.h"
#include "plataforma/ColoresEsquemaSql.h"
#include "plataforma/ConfiguracionSuite.h"
#include "plataforma/DialogoEleccion.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <optional>

Q_LOGGING_CATEGORY(lcPuesto, "tarvelo.puesto", QtWarningMsg)

namespace {

constexpr double kTwipsPorPixel = 15.0;

bool vacio(const QVariant& v)
{
    return !v.isValid() || v.isNull() || v.toString().trimmed().isEmpty();
}

std::optional<double> numero(const QVariant& v)
{
    if (vacio(v))
        return std::nullopt;
    bool ok = false;
    const double d = Valores::leerNumero(v.toString(), &ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

// Un formato vale si una fecha (u hora) escrita con él se lee igual
bool formatoFechaValido(const QString& f)
{
    const QDate prueba(2026, 12, 6);
    return f.contains(QLatin1String("yyyy")) && QDate::fromString(prueba.toString(f), f) == prueba;
}

bool formatoHoraValido(const QString& f)
{
    // Sin segundos también vale ("HH:mm"); lo que no se lee de vuelta, no
    const QTime prueba(17, 45, 30);
    const QTime leida = QTime::fromString(prueba.toString(f), f);
    return leida.isValid() && leida.hour() == 17 && leida.minute() == 45;
}

}  // namespace

QString ConfigPuestoSql::Identificador()
{
    return ConfiguracionSuite::identificadorPuesto();
}

QVariant ConfigPuestoSql::leer(Conexion& c, const char* columna, const char* clave)
{
    {
        Consulta q(c, QStringLiteral("select %1 from puestos where identificador = ?").arg(QLatin1String(columna)),
                   {Identificador()});
        if (q.siguiente() && !vacio(q.valor(0)))
            return q.valor(0);
    }
    Consulta q(c, QStringLiteral("select valor from ajustes_suite where lower(clave) = lower(?)"),
               {QLatin1String(clave)});
    if (q.siguiente() && !vacio(q.valor(0)))
        return q.valor(0);
    return {};
}

void ConfigPuestoSql::guardar(Conexion& c, const QList<QPair<QString, QVariant>>& valores)
{
    if (valores.isEmpty())
        return;
    QStringList asignaciones, columnas, marcas;
    QVariantList datos;
    for (const auto& [columna, valor] : valores) {
        asignaciones << columna + QStringLiteral(" = ?");
        columnas << columna;
        marcas << QStringLiteral("?");
        datos << valor;
    }
    const QString id = Identificador();
    Transaccion t(c);
    const int filas = c.ejecutar(
        QStringLiteral("update puestos set %1 where identificador = ?").arg(asignaciones.join(QStringLiteral(", "))),
        datos + QVariantList{id});
    if (filas == 0)
        c.ejecutar(QStringLiteral("insert into puestos (identificador, %1) values (?, %2)")
                       .arg(columnas.join(QStringLiteral(", ")), marcas.join(QStringLiteral(", "))),
                   QVariantList{id} + datos);
    t.confirmar();
}

QSize ConfigPuestoSql::tamanoMonitor()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {};
    // La pantalla del programa: la de su ventana activa; al arrancar, la principal
    const QWindow* ventana = QGuiApplication::focusWindow();
    const QScreen* s = ventana && ventana->screen() ? ventana->screen() : QGuiApplication::primaryScreen();
    return s && !s->size().isEmpty() ? s->size() : QSize();
}

QSizeF ConfigPuestoSql::tamanoPorDefecto()
{
    const QSize px = tamanoMonitor();
    return px.isValid() ? QSizeF(px) * kTwipsPorPixel : QSizeF(15360, 11085);
}

double ConfigPuestoSql::queCabe(double twips, int pixelesMonitor)
{
    return pixelesMonitor > 0 ? std::min(twips, pixelesMonitor * kTwipsPorPixel) : twips;
}

QList<QSize> ConfigPuestoSql::tamanosOfrecidos()
{
    return {{800, 600},   {1024, 768},  {1280, 720},  {1280, 800},  {1280, 1024},
            {1366, 768},  {1440, 900},  {1600, 900},  {1680, 1050}, {1920, 1080}};
}

QList<QPair<int, QString>> ConfigPuestoSql::opcionesVisuales()
{
    return {{0, QStringLiteral("Normal")}, {1, QStringLiteral("Letra grande")}, {2, QStringLiteral("Alto contraste")}};
}

// Un tamaño guardado mayor que el monitor (p. ej. elegido en otro) se reduce
// al que cabe: si no, "Salir" y los ajustes quedarían fuera de la pantalla
double ConfigPuestoSql::AnchoPantalla(Conexion& c)
{
    const auto v = numero(leer(c, "ancho_pantalla", "AnchoPantalla"));
    return v && *v > 0 ? queCabe(*v, tamanoMonitor().width()) : tamanoPorDefecto().width();
}

double ConfigPuestoSql::AltoPantalla(Conexion& c)
{
    const auto v = numero(leer(c, "alto_pantalla", "AltoPantalla"));
    return v && *v > 0 ? queCabe(*v, tamanoMonitor().height()) : tamanoPorDefecto().height();
}

bool ConfigPuestoSql::ElegirTamanoPantalla(Conexion& c, double& ancho, double& alto)
{
    const QSize actual(qRound(ancho / kTwipsPorPixel), qRound(alto / kTwipsPorPixel));
    // Solo los que caben en el monitor del programa, el suyo entero incluido
    const QSize monitor = tamanoMonitor();
    QList<QSize> tamanos;
    for (const QSize& s : tamanosOfrecidos() + QList<QSize>{monitor, actual})
        if (!s.isEmpty() && !tamanos.contains(s) && (monitor.isEmpty() || monitor.expandedTo(s) == monitor))
            tamanos << s;
    std::sort(tamanos.begin(), tamanos.end(), [](const QSize& a, const QSize& b) {
        return a.width() != b.width() ? a.width() < b.width() : a.height() < b.height();
    });
    QList<OpcionEleccion> opciones;
    for (const QSize& s : tamanos)
        opciones.append({QStringLiteral("%1 x %2").arg(s.width()).arg(s.height()), s, {}});
    const int i = DialogoEleccion::elegir(QStringLiteral("Tamaño de pantalla"),
                                          QStringLiteral("Elija el tamaño de la pantalla de este puesto:"), opciones,
                                          int(tamanos.indexOf(actual)));
    if (i < 0 || tamanos.at(i) == actual)
        return false;
    const double nuevoAncho = tamanos.at(i).width() * kTwipsPorPixel;
    const double nuevoAlto = tamanos.at(i).height() * kTwipsPorPixel;
    guardar(c, {{QStringLiteral("ancho_pantalla"), nuevoAncho}, {QStringLiteral("alto_pantalla"), nuevoAlto}});
    ancho = nuevoAncho;
    alto = nuevoAlto;
    return true;
}

int ConfigPuestoSql::EsquemaColores(Conexion& c)
{
    const auto v = numero(leer(c, "esquema_colores", "EsquemaColores"));
    return v ? int(*v) : 1;
}

int ConfigPuestoSql::ElegirEsquemaColores(Conexion& c)
{
    const int actual = EsquemaColores(c);
    QList<::EsquemaColores> esquemas = ColoresEsquemaSql::todos(c);
    if (esquemas.isEmpty())
        esquemas << ::EsquemaColores::deFabrica(1);
    QList<OpcionEleccion> opciones;
    int indiceActual = -1;
    for (const ::EsquemaColores& e : esquemas) {
        if (e.esquema == actual)
            indiceActual = int(opciones.size());
        opciones.append({e.nombre, e.esquema, {e.colores.begin(), e.colores.end()}});
    }
    const int i = DialogoEleccion::elegir(QStringLiteral("Colores"),
                                          QStringLiteral("Elija el esquema de colores de este puesto:"), opciones,
                                          indiceActual);
    if (i < 0)
        return actual;
    const int elegido = esquemas.at(i).esquema;
    if (elegido != actual)
        guardar(c, {{QStringLiteral("esquema_colores"), elegido}});
    return elegido;
}

int ConfigPuestoSql::OpcionVisual(Conexion& c)
{
    const auto v = numero(leer(c, "opcion_visual", "OpcionVisual"));
    return v ? int(*v) : 0;
}

int ConfigPuestoSql::ElegirOpcionVisual(Conexion& c)
{
    const int actual = OpcionVisual(c);
    QList<OpcionEleccion> opciones;
    int indiceActual = -1;
    for (const auto& [numero, nombre] : opcionesVisuales()) {
        if (numero == actual)
            indiceActual = int(opciones.size());
        opciones.append({nombre, numero, {}});
    }
    const int i = DialogoEleccion::elegir(QStringLiteral("Opción visual"),
                                          QStringLiteral("Elija cómo se ven las pantallas en este puesto:"), opciones,
                                          indiceActual);
    if (i < 0)
        return actual;
    const int elegida = opciones.at(i).dato.toInt();
    if (elegida != actual)
        guardar(c, {{QStringLiteral("opcion_visual"), elegida}});
    return elegida;
}

QString ConfigPuestoSql::TipoNegocio(Conexion& c)
{
    return leer(c, "tipo_negocio", "TipoNegocio").toString().trimmed();
}

AjustesRegionales ConfigPuestoSql::Regionales(Conexion& c)
{
    AjustesRegionales a = AjustesRegionales::delSistema();
    const QString separador = leer(c, "separador_decimal", "SeparadorDecimal").toString().trimmed();
    if (separador == QLatin1String(",") || separador == QLatin1String("."))
        a.separadorDecimal = separador.at(0);
    else if (!separador.isEmpty())
        qCWarning(lcPuesto) << "Separador decimal no válido, se usa el del sistema:" << separador;
    const QString fecha = leer(c, "formato_fecha", "FormatoFecha").toString().trimmed();
    if (formatoFechaValido(fecha))
        a.formatoFechaCorta = fecha;
    else if (!fecha.isEmpty())
        qCWarning(lcPuesto) << "Formato de fecha no válido, se usa el del sistema:" << fecha;
    const QString hora = leer(c, "formato_hora", "FormatoHora").toString().trimmed();
    if (formatoHoraValido(hora))
        a.formatoHora = hora;
    else if (!hora.isEmpty())
        qCWarning(lcPuesto) << "Formato de hora no válido, se usa el del sistema:" << hora;
    return a;
}

QString ConfigPuestoSql::ImpresoraDocumentos(Conexion& c)
{
    return leer(c, "impresora_documentos", "ImpresoraDocumentos").toString().trimmed();
}

int ConfigPuestoSql::PaginaCodigosTicket(Conexion& c)
{
    bool ok = false;
    const int n = leer(c, "pagina_codigos_ticket", "PaginaCodigosTicket").toString().trimmed().toInt(&ok);
    return ok && n >= 0 && n <= 255 ? n : kPaginaCodigosTicket;
}
