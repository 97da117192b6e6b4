#include "plataforma/ColoresEsquemaSql.h"

#include "datos/Consulta.h"
#include "datos/Error.h"
#include "plataforma/ColorBgr.h"

#include <QGroupBox>
#include <QWidget>

namespace {

const QString kColumnas = QStringLiteral(
    "esquema, nombre, color1, color2, color3, color4, color_foco, color_marca, color_fondo, color_texto, "
    "color_boton, color_texto_boton");

EsquemaColores deFila(const Consulta& c)
{
    const int esquema = c.entero(QStringLiteral("esquema"));
    EsquemaColores e = EsquemaColores::deFabrica(esquema);
    const QString nombre = c.texto(QStringLiteral("nombre")).trimmed();
    if (!nombre.isEmpty())
        e.nombre = nombre;
    for (int i = 0; i < 4; ++i)
        e.colores[i] = ColorBgr::aColor(c.texto(QStringLiteral("color%1").arg(i + 1)), e.colores[i]);
    e.foco = ColorBgr::aColor(c.texto(QStringLiteral("color_foco")), e.foco);
    e.marca = ColorBgr::aColor(c.texto(QStringLiteral("color_marca")), e.marca);
    e.fondo = ColorBgr::aColor(c.texto(QStringLiteral("color_fondo")), e.fondo);
    e.texto = ColorBgr::aColor(c.texto(QStringLiteral("color_texto")), e.texto);
    e.boton = ColorBgr::aColor(c.texto(QStringLiteral("color_boton")), e.boton);
    e.textoBoton = ColorBgr::aColor(c.texto(QStringLiteral("color_texto_boton")), e.textoBoton);
    return e;
}

void ponerColores(QPalette& p, const EsquemaColores& e)
{
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::Window, e.fondo);
        p.setColor(g, QPalette::WindowText, e.texto);
        p.setColor(g, QPalette::Button, e.boton);
        p.setColor(g, QPalette::ButtonText, e.textoBoton);
    }
    p.setColor(QPalette::Disabled, QPalette::Window, e.fondo);
    p.setColor(QPalette::Disabled, QPalette::Button, e.boton);
}

// Un control que se queda con sus colores deja de heredar los de la pantalla
void fijarPaleta(QWidget* w)
{
    if (w->property("tarveloPaletaFijada").toBool())
        return;
    QPalette p = w->palette();
    p.setResolveMask(~QPalette::ResolveMask(0));
    w->setPalette(p);
    w->setProperty("tarveloPaletaFijada", true);
}

bool esMarco(const QWidget* w)
{
    return w->metaObject() == &QFrame::staticMetaObject || qobject_cast<const QGroupBox*>(w);
}

void colorearHijos(QWidget* padre, const EsquemaColores& e)
{
    for (QObject* o : padre->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow())
            continue;
        if (ColoresEsquemaSql::conservaColores(w)) {
            fijarPaleta(w);
            continue;
        }
        // Quien tenía paleta propia la recibe entera; los demás la heredan
        if (w->testAttribute(Qt::WA_SetPalette)) {
            QPalette p = w->palette();
            ponerColores(p, e);
            w->setPalette(p);
        }
        if (esMarco(w))
            w->setAutoFillBackground(true);
        colorearHijos(w, e);
    }
}

}  // namespace

EsquemaColores EsquemaColores::deFabrica(int esquema)
{
    EsquemaColores e;
    e.esquema = esquema;
    e.nombre = QStringLiteral("Esquema %1").arg(esquema);
    e.colores = {QColor(153, 204, 255), QColor(204, 255, 204), QColor(255, 255, 153), QColor(255, 204, 229)};
    e.foco = QColor(255, 255, 192);
    e.marca = QColor(255, 0, 0);
    e.fondo = QColor(236, 240, 244);
    e.texto = QColor(0, 0, 0);
    e.boton = QColor(214, 222, 232);
    e.textoBoton = QColor(0, 0, 0);
    return e;
}

EsquemaColores ColoresEsquemaSql::leer(Conexion& c, int esquema)
{
    Consulta q(c, QStringLiteral("select %1 from esquemas_colores where esquema = ?").arg(kColumnas), {esquema});
    return q.siguiente() ? deFila(q) : EsquemaColores::deFabrica(esquema);
}

QList<EsquemaColores> ColoresEsquemaSql::todos(Conexion& c)
{
    QList<EsquemaColores> r;
    Consulta q(c, QStringLiteral("select %1 from esquemas_colores order by esquema").arg(kColumnas));
    while (q.siguiente())
        r << deFila(q);
    return r;
}

QString ColoresEsquemaSql::Color(Conexion& c, int esquema, int numero)
{
    if (numero < 1 || numero > 4)
        throw ErrorTarvelo(QStringLiteral("Los esquemas de colores tienen los colores 1 a 4; se ha pedido el %1.")
                               .arg(numero));
    return ColorBgr::aTexto(leer(c, esquema).colores[numero - 1]);
}

QString ColoresEsquemaSql::ColorFoco(Conexion& c, int esquema)
{
    return ColorBgr::aTexto(leer(c, esquema).foco);
}

QString ColoresEsquemaSql::ColorMarca(Conexion& c, int esquema)
{
    return ColorBgr::aTexto(leer(c, esquema).marca);
}

void ColoresEsquemaSql::Aplicar(QWidget* pantalla, int esquema, Conexion& c)
{
    if (!pantalla)
        return;
    aplicar(pantalla, leer(c, esquema));
}

bool ColoresEsquemaSql::conservaColores(const QWidget* w)
{
    if (w->property("conservarColores").toBool())
        return true;
    const QString n = w->objectName();
    for (const char* prefijo : {"Panel", "grid_", "img", "Image", "pic", "dtp"})
        if (n.startsWith(QLatin1String(prefijo)))
            return true;
    return false;
}

void ColoresEsquemaSql::aplicar(QWidget* pantalla, const EsquemaColores& e)
{
    // Primero se fijan los que conservan sus colores, antes de que hereden los nuevos
    colorearHijos(pantalla, e);
    QPalette p = pantalla->palette();
    ponerColores(p, e);
    pantalla->setPalette(p);
    pantalla->setAutoFillBackground(true);
}
