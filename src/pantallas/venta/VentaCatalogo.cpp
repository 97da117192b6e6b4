// Venta de bonos: el catálogo. Secciones, y servicios o packs de la sección
// pulsada, en paneles táctiles y en la lista grid_Item. Cada artículo lleva
// en sus datos la ClavePrecio de la que la venta toma el precio.
#include "pantallas/venta/frmBonosServicios.h"

#include "datos/Componentes.h"
#include "datos/Consulta.h"
#include "datos/Error.h"
#include "datos/Globales.h"
#include "datos/Valores.h"
#include "pantallas/comun/ConvencionesPantalla.h"
#include "plataforma/ColorBgr.h"
#include "plataforma/widgets/GestorRejillas.h"
#include "plataforma/widgets/Rejilla.h"
#include "plataforma/widgets/Tactipan.h"
#include "principal/Cargadores.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTimer>

Q_LOGGING_CATEGORY(lcCatalogoVenta, "tarvelo.venta.catalogo", QtInfoMsg)

namespace {
const QString kBlanco = QStringLiteral("16777215");
constexpr double kPasoLista = 100;  // twips por paso de la lista que entra

// Los paneles se cargan pase lo que pase: lo que falle se salta y el panel
// se queda con lo que llegó a cargar, sin avisar
template <class F>
bool ignorandoErrores(const char* que, F&& cargar)
{
    try {
        return cargar();
    } catch (const ErrorTarvelo& e) {
        qCInfo(lcCatalogoVenta).noquote() << que << "se queda a medias:" << e.descripcion();
        return false;
    }
}

QString tablaItems()
{
    return gModoFamilias == 1 ? QStringLiteral("familias") : QStringLiteral("servicios");
}
}  // namespace

QString frmBonosServicios::ClavePrecio(const QString& codigo, const QString& nombre, double precio, double iva)
{
    GestorNumeros& numeros = Componentes::numeros();
    const double impuesto = numeros.ImporteImpuesto(precio, iva, gIva);
    const double precioSesion = numeros.Precio(precio, impuesto, gIva, 0, QString());
    // Un "|" en el nombre correría los campos de detrás
    QString nombreLimpio = nombre;
    nombreLimpio.replace(QLatin1Char('|'), QLatin1Char(' '));
    return QStringList{codigo, nombreLimpio, Valores::numeroATexto(precio), Valores::numeroATexto(iva),
                       Valores::numeroATexto(precioSesion), Valores::numeroATexto(impuesto)}
        .join(QLatin1Char('|'));
}

double frmBonosServicios::dObtenerPrecio(const QString& sesiones, const QString& datos)
{
    return Valores::leerNumeroIndulgente(sesiones) * Valores::leerNumeroIndulgente(datos.split(QLatin1Char('|')).value(4));
}

void frmBonosServicios::CargarPanelSecciones()
{
    CargarColoresPaleta();
    bCargarTablaDinamicaDeSecciones();
    PanelSecciones->cargar(Secciones);
    PanelSecciones->redibujar();
}

bool frmBonosServicios::bCargarTablaDinamicaDeSecciones()
{
    Secciones.clear();
    const bool cargado = ignorandoErrores("La lista de secciones", [this] {
        Consulta c(gConexion, QStringLiteral("SELECT Nombre, color, Codigo,sec_color FROM Seccion where borrar = 0 and "
                                             "codigo in (select seccion from %1 where borrar = 0) order by posicion")
                                  .arg(tablaItems()));
        // Las secciones sin color propio rotan por los cuatro de la paleta
        RotacionPaleta rotacion;
        while (c.siguiente()) {
            ElementoPanel e;
            e.caption = c.texto(QStringLiteral("nombre"));
            e.codigo = c.texto(QStringLiteral("codigo"));
            e.color = colorElemento(c.valor(QStringLiteral("sec_color")), c.valor(QStringLiteral("Color")), rotacion);
            Secciones << e;
        }
        return true;
    });
    Secciones << ElementoPanel{};
    return cargado;
}

bool frmBonosServicios::bCargarTablaDinamicaServiciosxSeccion(const QString& codSeccion)
{
    return cargarItems(QStringLiteral("Servicios"), codSeccion);
}

bool frmBonosServicios::bCargarTablaDinamicaFamiliasxSeccion(const QString& codSeccion)
{
    return cargarItems(QStringLiteral("Familias"), codSeccion);
}

bool frmBonosServicios::cargarItems(const QString& tabla, const QString& codSeccion)
{
    Items.clear();
    const bool cargado = ignorandoErrores("La lista de artículos", [&] {
        const bool packs = tabla == QLatin1String("Familias");
        // Todos los artículos son de la sección que se carga (la lista de packs ni la trae)
        const QString columnas = packs ? QStringLiteral("Nombre, Codigo,color,precio,iva")
                                       : QStringLiteral("Nombre, Codigo,color,precio,iva,seccion");
        // El color de la sección se busca antes: otra consulta a mitad de la lectura la cortaría
        const QString colorSeccion = PanelSecciones->indicePulsado() >= 0 ? PanelSecciones->colorPulsado()
                                                                          : obtenercolorSeccion(codSeccion);
        Consulta c(gConexion,
                   QStringLiteral("SELECT %1 FROM %2 where seccion = ? and borrar = 0 and mostrarencaja = -1 order by %3")
                       .arg(columnas, tabla, campoOrden(tabla)),
                   {codSeccion.toLongLong()});
        while (c.siguiente()) {
            ElementoPanel e;
            e.caption = c.texto(QStringLiteral("nombre"));
            e.codigo = c.texto(QStringLiteral("codigo"));
            e.datos = ClavePrecio(c.texto(QStringLiteral("codigo")), c.texto(QStringLiteral("Nombre")),
                                  c.esNulo(QStringLiteral("precio")) ? 0 : c.numero(QStringLiteral("precio")),
                                  c.esNulo(QStringLiteral("iva")) ? 0 : c.numero(QStringLiteral("iva")));
            e.color = c.texto(QStringLiteral("color"));
            if (e.color.isEmpty())
                e.color = colorSeccion;
            Items << e;
        }
        return true;
    });
    Items << ElementoPanel{};
    return cargado;
}

QString frmBonosServicios::campoOrden(const QString& tabla) const
{
    // Solo una columna de la tabla: cualquier otra cosa ordena por nombre
    const QString porDefecto = QStringLiteral("Nombre");
    const QString campo = gCampoOrdenItemsCaja.trimmed();
    if (campo.isEmpty())
        return porDefecto;
    Consulta c(gConexion, QStringLiteral("select * from %1 where 1 = 0").arg(tabla));
    for (int i = 0; i < c.columnas(); ++i)
        if (c.nombreColumna(i).compare(campo, Qt::CaseInsensitive) == 0)
            return c.nombreColumna(i);
    qCInfo(lcCatalogoVenta) << "El orden de los artículos" << campo << "no es una columna de" << tabla << ": por nombre";
    return porDefecto;
}

void frmBonosServicios::cargarPanelItemInicial()
{
    PanelServicios->reiniciar();
    const QString primera = Secciones.value(0).codigo;
    if (!primera.isEmpty()) {
        if (gModoFamilias == 1)
            bCargarTablaDinamicaFamiliasxSeccion(primera);
        else
            bCargarTablaDinamicaServiciosxSeccion(primera);
    } else {
        Items = {ElementoPanel{}};
    }
    PanelServicios->cargar(Items);
    PanelServicios->redibujar();
}

QString frmBonosServicios::obtenercolorSeccion(const QString& cod) const
{
    Consulta c(gConexion, QStringLiteral("Select color from seccion where codigo = ?"), {cod.toLongLong()});
    return c.siguiente() ? c.texto(QStringLiteral("Color")) : kBlanco;
}

void frmBonosServicios::ColorearPaneles()
{
    const QColor padre = ColorBgr::aColor(fondo(fr_Padre));
    const QColor hijo = ColorBgr::aColor(fondo(fr_hijo));
    const QColor boton = ColorBgr::aColor(fondo(m_conv->cmd_Ayuda()));
    for (Tactipan* panel : {PanelSecciones, PanelServicios, PanelFormasPago}) {
        panel->ponerColorFondo(padre);
        panel->ponerColorMarco(hijo);
        panel->ponerColorBoton(boton);
        panel->ponerColorPaginas(boton.darker(135));
    }
    // La franja del título de los artículos, con el color de los botones
    ponerFondo(fr_hijo, fondo(m_conv->cmd_Ayuda()));
}

void frmBonosServicios::InicializarGridItem()
{
    const double f = Componentes::redimensionador().FactorAncho();
    const auto ancho = [f](double base) { return Valores::numeroATexto(base * f, QLatin1Char('.')); };
    GestorRejillas().PrepararRejilla(
        *grid_Item, QStringLiteral("Codigo;%1;Precio;CaptionLabel").arg(Label23->text()),
        QStringLiteral("%1/centrado;%2/izquierda;%3/derecha;0/derecha").arg(ancho(1000), ancho(6000), ancho(1200)));
    Label23->setText(QStringLiteral("Clic aqui para mostrar todos los ") + Label23->text());
}

void frmBonosServicios::CargarGridItem(const QString& seccion)
{
    QString sql = gModoFamilias == 1
                      ? QStringLiteral("Select codigo,nombre,precio,iva from familias where borrar = 0 and mostrarencaja = -1")
                      : QStringLiteral("Select codigo,nombre,precio,iva from servicios where borrar=false and codigo <> 2 "
                                       "and mostrarencaja = -1");
    QVariantList valores;
    if (!seccion.isEmpty()) {
        sql += QStringLiteral(" and seccion = ?");
        valores << seccion.toLongLong();
    }
    sql += QStringLiteral(" order by nombre");
    GestorRejillas().LlenarRejilla(gConexion, sql, *grid_Item, valores);
    for (int r = 1; r < grid_Item->filas(); ++r) {
        const double iva = qRound(Valores::leerNumeroIndulgente(grid_Item->texto(r, 3)));
        grid_Item->ponerTexto(r, 3, ClavePrecio(grid_Item->texto(r, 0), grid_Item->texto(r, 1),
                                                Valores::leerNumeroIndulgente(grid_Item->texto(r, 2)), iva));
    }
}

void frmBonosServicios::pulsarSeccion(const ElementoPanel& seccion)
{
    Label23->setText(QStringLiteral("Servicios de la seccion ") + seccion.caption);
    PanelServicios->reiniciar();
    CargarGridItem(seccion.codigo);
    if (gModoFamilias == 1)
        bCargarTablaDinamicaFamiliasxSeccion(seccion.codigo);
    else
        bCargarTablaDinamicaServiciosxSeccion(seccion.codigo);
    PanelServicios->cargar(Items);
    PanelServicios->redibujar();
}

void frmBonosServicios::pulsarItemPanel(const ElementoPanel& item)
{
    pulsarItem(item.caption, item.codigo, item.datos);
}

void frmBonosServicios::pulsarItemLista(int fila)
{
    // La fila de los títulos no es un artículo
    if (fila < 1 || fila >= grid_Item->filas())
        return;
    bModificando = false;
    pulsarItem(grid_Item->texto(fila, 1), grid_Item->texto(fila, 0), grid_Item->texto(fila, 3));
}

void frmBonosServicios::cmdTodos_Click()
{
    Label23->setText(QStringLiteral("Servicios de todas las Secciones"));
    CargarGridItem(QString());
}

void frmBonosServicios::mostrarLista(bool visible)
{
    frLista->setVisible(visible);
    if (visible) {
        frLista->raise();
        // Sin cliente elegido la lista aún no ha entrado: se desliza ahora, si no no se podría usar
        if (m_izquierdaLista > 0)
            tmrlista->start();
    }
    cmdLista->setVisible(!visible);
    Command2->setChecked(visible);
    Command3->setChecked(!visible);
}

void frmBonosServicios::tmrlista_Timer()
{
    if (m_izquierdaLista > 0) {
        m_izquierdaLista = qMax(0.0, m_izquierdaLista - kPasoLista);
    } else {
        m_izquierdaLista = 0;
        tmrlista->stop();
    }
    grid_Item->move(qRound(m_izquierdaLista / ConvencionesPantalla::kTwipsPorPixel), grid_Item->y());
}
