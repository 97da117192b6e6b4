#include "plataforma/pantalla/TraductorSql.h"

#include "datos/Consulta.h"
#include "datos/Transaccion.h"
#include "plataforma/pantalla/ControlesPantalla.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLoggingCategory>
#include <QWidget>

Q_LOGGING_CATEGORY(lcTraductor, "tarvelo.traductor", QtWarningMsg)

namespace {

// Original y traducción que se puso: si el control ya no muestra esa
// traducción (la pantalla cambió el texto), lo que muestra es el original
const char* const kOriginalTexto = "tarveloTextoOriginal";
const char* const kTraducidoTexto = "tarveloTextoTraducido";
const char* const kOriginalAyuda = "tarveloAyudaOriginal";
const char* const kTraducidoAyuda = "tarveloAyudaTraducida";
const QString kSufijoAyuda = QStringLiteral(".ToolTipText");

// Texto que se ve: título de ventana, texto de botón o etiqueta, título de marco
bool tieneTexto(const QWidget* w, bool esPantalla)
{
    return esPantalla || qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLabel*>(w) ||
           qobject_cast<const QGroupBox*>(w);
}

QString textoVisto(const QWidget* w, bool esPantalla)
{
    if (esPantalla)
        return w->windowTitle();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    return {};
}

void ponerTexto(QWidget* w, bool esPantalla, const QString& t)
{
    if (esPantalla)
        w->setWindowTitle(t);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(t);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(t);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(t);
}

QString original(const QWidget* w, bool ayuda, const QString& visto)
{
    const QVariant o = w->property(ayuda ? kOriginalAyuda : kOriginalTexto);
    const QVariant t = w->property(ayuda ? kTraducidoAyuda : kTraducidoTexto);
    return o.isValid() && t.toString() == visto ? o.toString() : visto;
}

void recordar(QWidget* w, bool ayuda, const QString& orig, const QString& traducido)
{
    const bool hay = orig != traducido;
    w->setProperty(ayuda ? kOriginalAyuda : kOriginalTexto, hay ? QVariant(orig) : QVariant());
    w->setProperty(ayuda ? kTraducidoAyuda : kTraducidoTexto, hay ? QVariant(traducido) : QVariant());
}

}  // namespace

QString TraductorSql::idioma(Conexion& c)
{
    Consulta q(c, QStringLiteral("select valor from ajustes_suite where lower(clave) = lower(?)"),
               {QStringLiteral("Idioma")});
    const QString i = q.siguiente() ? q.texto(QStringLiteral("valor")).trimmed().toLower() : QString();
    return i.isEmpty() ? QString::fromLatin1(kIdiomaOriginal) : i;
}

QString TraductorSql::textoOriginal(const QWidget* control)
{
    return tieneTexto(control, false) ? original(control, false, textoVisto(control, false)) : QString();
}

QList<TraductorSql::Texto> TraductorSql::textos(QWidget* pantalla)
{
    QList<Texto> r;
    if (!pantalla)
        return r;
    QList<QWidget*> controles{pantalla};
    controles += ControlesPantalla::conNombre(pantalla);
    const QString nombrePantalla = ControlesPantalla::nombrePantalla(pantalla);
    for (QWidget* w : controles) {
        const bool esPantalla = w == pantalla;
        const QString clave = esPantalla ? nombrePantalla : w->objectName();
        if (tieneTexto(w, esPantalla)) {
            const QString t = original(w, false, textoVisto(w, esPantalla));
            if (!t.isEmpty())
                r.append({w, clave, t, false});
        }
        const QString ayuda = original(w, true, w->toolTip());
        if (!ayuda.isEmpty())
            r.append({w, clave + kSufijoAyuda, ayuda, true});
    }
    return r;
}

void TraductorSql::Aplicar(Conexion& c, QWidget* pantalla)
{
    if (!pantalla)
        return;
    const QString i = idioma(c);
    struct Traduccion {
        QString original;
        QString texto;
    };
    QHash<QString, Traduccion> tabla;
    if (i != QLatin1String(kIdiomaOriginal)) {
        Consulta q(c,
                   QStringLiteral("select control, texto_original, texto from traducciones "
                                  "where pantalla = ? and idioma = ?"),
                   {ControlesPantalla::nombrePantalla(pantalla), i});
        while (q.siguiente())
            tabla.insert(q.texto(QStringLiteral("control")),
                         {q.texto(QStringLiteral("texto_original")), q.texto(QStringLiteral("texto"))});
    }
    for (const Texto& t : textos(pantalla)) {
        const auto it = tabla.constFind(t.clave);
        const bool traducir = it != tabla.cend() && !it->texto.isEmpty() && it->original == t.original;
        if (it != tabla.cend() && !traducir && !it->texto.isEmpty())
            qCInfo(lcTraductor) << "Traducción sin aplicar: el original de" << t.clave << "ha cambiado";
        const QString nuevo = traducir ? it->texto : t.original;
        const bool esPantalla = t.control == pantalla && !t.ayuda;
        // El original se recuerda para volver a él y para grabarlo aunque se vea traducido
        recordar(t.control, t.ayuda, t.original, nuevo);
        if (t.ayuda) {
            if (t.control->toolTip() != nuevo)
                t.control->setToolTip(nuevo);
        } else if (textoVisto(t.control, esPantalla) != nuevo) {
            ponerTexto(t.control, esPantalla, nuevo);
        }
    }
}

void TraductorSql::GrabarTextos(Conexion& c, QWidget* pantalla)
{
    if (!pantalla)
        return;
    const QString nombrePantalla = ControlesPantalla::nombrePantalla(pantalla);
    const QString es = QString::fromLatin1(kIdiomaOriginal);
    Transaccion tr(c);
    QStringList otros;
    {
        Consulta q(c, QStringLiteral("select distinct idioma from traducciones where idioma <> ?"), {es});
        while (q.siguiente())
            otros << q.texto(QStringLiteral("idioma"));
    }
    for (const Texto& t : textos(pantalla)) {
        const int filas = c.ejecutar(QStringLiteral("update traducciones set texto_original = ?, texto = ? "
                                                    "where pantalla = ? and control = ? and idioma = ?"),
                                     {t.original, t.original, nombrePantalla, t.clave, es});
        if (filas == 0)
            c.ejecutar(QStringLiteral("insert into traducciones (pantalla, control, idioma, texto_original, texto) "
                                      "values (?, ?, ?, ?, ?)"),
                       {nombrePantalla, t.clave, es, t.original, t.original});
        for (const QString& otro : otros) {
            Consulta existe(c,
                            QStringLiteral("select count(*) as n from traducciones "
                                           "where pantalla = ? and control = ? and idioma = ?"),
                            {nombrePantalla, t.clave, otro});
            existe.siguiente();
            if (existe.entero(QStringLiteral("n")) == 0)
                c.ejecutar(QStringLiteral("insert into traducciones (pantalla, control, idioma, texto_original, texto) "
                                          "values (?, ?, ?, ?, null)"),
                           {nombrePantalla, t.clave, otro, t.original});
        }
    }
    tr.confirmar();
}
