#include "principal/Cargadores.h"

#include "datos/Componentes.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Globales.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcCargadores, "tarvelo.cargadores")

namespace {
const QString kBlanco = QStringLiteral("16777215");

// Cierra la lista del panel con su entrada vacía final
void cerrarLista(ListaPanel& lista)
{
    lista.append(ElementoPanel{});
}
}  // namespace

QString RotacionPaleta::siguiente()
{
    if (m_contador > 3)
        m_contador = 0;
    return gColoresPaleta[m_contador++];
}

QString colorElemento(const QVariant& usaColorPropio, const QVariant& color, RotacionPaleta& rotacion)
{
    const QString marca = usaColorPropio.isNull() ? QString() : usaColorPropio.toString().trimmed();
    if (marca.isEmpty() || marca == QLatin1String("0"))
        return rotacion.siguiente();
    return color.isNull() ? kBlanco : color.toString();
}

void CargarColoresPaleta()
{
    const int esquema = Componentes::puesto().EsquemaColores(gConexion);
    for (int i = 0; i < 4; ++i)
        gColoresPaleta[i] = Componentes::colores().Color(gConexion, esquema, i + 1);
}

QString ObtenerImpresoraTicket()
{
    Consulta c(gConexion, QStringLiteral("Select impresora from impresoras where tipo = 'T' and terminal = ?"),
               {gTerminal});
    return c.siguiente() ? c.texto(QStringLiteral("impresora")) : QString();
}

QString ObtenerBandera()
{
    Consulta c(gConexion, QStringLiteral("Select bandera from configuracionregional"));
    if (!c.siguiente())
        return {};
    // El valor de la columna tal cual, si el fichero existe; la ruta se resuelve al cargar la imagen
    const QString valor = c.texto(QStringLiteral("bandera"));
    return !valor.isEmpty() && QFileInfo(rutaEnCarpetaPrograma(valor)).isFile() ? valor : QString();
}

QString ObtenerNombreRegion()
{
    Consulta c(gConexion, QStringLiteral("Select nombre from configuracionregional"));
    return c.siguiente() ? c.texto(QStringLiteral("nombre")) : QString();
}

QString ObtenerIdentificacionFiscal()
{
    Consulta c(gConexion, QStringLiteral("Select Identificacion_Fiscal from configuracionregional"));
    return c.siguiente() ? c.texto(QStringLiteral("Identificacion_Fiscal")) : QString();
}

void CargarFotos()
{
    QString carpeta = carpetaPrograma() + QStringLiteral("/fotos/fotos1");
    if (!carpeta.endsWith(QLatin1Char('/')))
        carpeta += QLatin1Char('/');
    gFotos = QStringList{QString()};
    // En el orden en que las da el sistema de ficheros
    const QStringList ficheros = QDir(carpeta).entryList(QDir::Files, QDir::Unsorted);
    for (const QString& f : ficheros)
        gFotos << carpeta + f;
    gNumFotos = int(gFotos.size()) - 1;
}

void CargarMultitienda()
{
    gNombreTienda.clear();
    gMultitienda = false;
    Consulta c(gConexion, QStringLiteral("Select multitienda, nombretienda from opciones"));
    if (!c.siguiente())
        return;
    const QString modo = c.texto(QStringLiteral("multitienda"));
    if (modo == QLatin1String("S") || modo == QLatin1String("T")) {
        gMultitienda = true;
        gNombreTienda = c.texto(QStringLiteral("nombretienda"));
    }
}

QString ObtenerCampoOrdenItemsCaja()
{
    const QString porDefecto = QStringLiteral("Nombre");
    Consulta c(gConexion, QStringLiteral("Select datoA,indice from relaciones_fijas where indice ='CampoOrdenItemsCaja'"));
    if (!c.siguiente()) {
        c.cerrar();
        // Otro puesto que arranca a la vez puede haberla añadido entretanto
        gConexion.ejecutar(QStringLiteral("insert into relaciones_fijas (indice, datoa) values ('CampoOrdenItemsCaja', ?) "
                                          "on conflict do nothing"),
                           {porDefecto});
        return porDefecto;
    }
    const QString dato = c.texto(QStringLiteral("datoA"));
    c.cerrar();
    if (dato.isEmpty()) {
        gConexion.ejecutar(QStringLiteral("update relaciones_fijas set datoa = ? where indice ='CampoOrdenItemsCaja'"),
                           {porDefecto});
        return porDefecto;
    }
    return dato;
}

void CargarListaTiendas()
{
    gTiendas.clear();
    Consulta c(gConexion, QStringLiteral("Select nombre from multitienda where nombre <> 'Servidor'"));
    while (c.siguiente()) {
        const QString nombre = c.texto(QStringLiteral("nombre"));
        ElementoPanel e;
        e.caption = e.datos = e.codigo = nombre;
        e.color = kBlanco;
        gTiendas << e;
    }
    cerrarLista(gTiendas);
}

int ObtenerAnyosCaducidadMax(const QDate& hoy)
{
    // Solo cuenta la primera fila: sin el límite, PostgreSQL manda todos los bonos al puesto
    Consulta c(gConexion, QStringLiteral("Select fecha_hasta from cabecera_bonos limit 1"));
    if (!c.siguiente())
        return 1;
    // Un nulo detiene el arranque, como en las demás columnas que se leen sin valor por defecto
    const QDate primera = c.fechaEstricta(QStringLiteral("fecha_hasta"));
    // Fronteras de año entre las dos fechas; la lista alcanza al menos un año
    return std::max(1, hoy.year() - primera.year());
}

void CargarOpciones()
{
    {
        Consulta c(gConexion, QStringLiteral("Select iva,logo,UtilizaColores_FPago,NumDecimales,UtilizaColores_Empleados,"
                                             "modopantallacaja from opciones"));
        if (c.siguiente()) {
            gIva = c.bandera(QStringLiteral("iva"));
            gLogo = c.texto(QStringLiteral("logo"));
            gColoresFormaPago = c.bandera(QStringLiteral("UtilizaColores_FPago"));
            gNumDecimales = c.esNulo(QStringLiteral("NumDecimales")) ? 0 : c.entero(QStringLiteral("NumDecimales"));
            gColoresEmpleados = c.bandera(QStringLiteral("UtilizaColores_Empleados"));
            gModoPantallaCaja = c.entero(QStringLiteral("modopantallacaja"));
        }
    }
    {
        Consulta c(gConexion, QStringLiteral("Select terminal,animacionesActivas,empleado from opciones_terminal "
                                             "where identificador = ?"),
                   {gIdentificadorPuesto});
        if (c.siguiente()) {
            gTerminal = c.texto(QStringLiteral("terminal"));
            gAnimacionesActivas = c.bandera(QStringLiteral("animacionesActivas"));
            gEmpleadoTerminal = c.entero(QStringLiteral("empleado"));
        }
    }
    ConfigPuesto& puesto = Componentes::puesto();
    gAnchoPantalla = puesto.AnchoPantalla(gConexion);
    gAltoPantalla = puesto.AltoPantalla(gConexion);
    gAnchoDiseno = 15360;
    gAltoDiseno = 11085;
    gOpcionVisual = puesto.OpcionVisual(gConexion);
    gEsquemaColores = puesto.EsquemaColores(gConexion);
    if (gEsquemaColores == 0)
        gEsquemaColores = 1;
    gImpresoraTicket = ObtenerImpresoraTicket();
    gCarpetaFotos = carpetaPrograma() + QStringLiteral("/fotos/");
    gBandera = ObtenerBandera();
    gNombreRegion = ObtenerNombreRegion();
    gRegion = gNombreRegion;
    gTipoNegocio = puesto.TipoNegocio(gConexion);
    gIdentificacionFiscal = ObtenerIdentificacionFiscal();
    CargarFotos();
    CargarMultitienda();
    gCampoOrdenItemsCaja = ObtenerCampoOrdenItemsCaja();
    if (gNombreTienda == QLatin1String("Servidor") && gMultitienda)
        CargarListaTiendas();
    gAnyosCaducidadMax = ObtenerAnyosCaducidadMax();
}

void CargarFormasPago()
{
    gFormasPago.clear();
    RotacionPaleta rotacion;
    Consulta c(gConexion, QStringLiteral("SELECT codigo, nombre, imagen, color,fpa_color from formapago "
                                         "where borrar = false and codigo <> 4 order by posicion"));
    while (c.siguiente()) {
        ElementoPanel e;
        e.color = colorElemento(c.valor(QStringLiteral("fpa_color")), c.valor(QStringLiteral("color")), rotacion);
        const QString imagen = c.texto(QStringLiteral("imagen"));
        e.imagen = imagen.isEmpty() ? QString() : gCarpetaFotos + imagen;
        e.datos = c.texto(QStringLiteral("nombre"));
        e.codigo = c.texto(QStringLiteral("codigo"));
        gFormasPago << e;
    }
    cerrarLista(gFormasPago);
}

bool CargarEmpleados()
{
    gEmpleados.clear();
    try {
        RotacionPaleta rotacion;
        Consulta c(gConexion, QStringLiteral("SELECT Empleados.Nombre, Empleados.Apellidos, Empleados.Codigo, "
                                             "imagen,emp_color, color FROM Empleados where baja = 0 and "
                                             "mostrar_caja = -1 order by posicion"));
        while (c.siguiente()) {
            ElementoPanel e;
            e.codigo = c.texto(QStringLiteral("Codigo"));
            e.datos = c.texto(QStringLiteral("Nombre")) + QLatin1Char(' ') + c.texto(QStringLiteral("Apellidos")).left(1);
            const QString imagen = c.texto(QStringLiteral("imagen"));
            e.imagen = imagen.isEmpty() ? QString() : gCarpetaFotos + imagen;
            e.color = colorElemento(c.valor(QStringLiteral("emp_color")), c.valor(QStringLiteral("color")), rotacion);
            gEmpleados << e;
        }
        cerrarLista(gEmpleados);
        return true;
    } catch (const ErrorTarvelo& e) {
        qCWarning(lcCargadores).noquote() << "No se pudieron cargar los empleados:" << e.descripcion();
        cerrarLista(gEmpleados);
        return false;
    }
}
