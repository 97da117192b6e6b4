#include "plataforma/pantalla/GestorPermisosSql.h"

#include "datos/Consulta.h"
#include "datos/Transaccion.h"
#include "plataforma/pantalla/ControlesPantalla.h"
#include "plataforma/pantalla/TraductorSql.h"

#include <QHash>
#include <QLoggingCategory>
#include <QSet>
#include <QWidget>

Q_LOGGING_CATEGORY(lcPermisos, "tarvelo.permisos", QtWarningMsg)

QString GestorPermisosSql::descripcion(const QWidget* control)
{
    // El texto original (sin traducir) dice mejor qué es; si no tiene, su ayuda o su clase
    const QString texto = TraductorSql::textoOriginal(control);
    if (!texto.isEmpty())
        return texto;
    if (!control->toolTip().isEmpty())
        return control->toolTip();
    return QString::fromLatin1(control->metaObject()->className());
}

void GestorPermisosSql::Aplicar(Conexion& c, QWidget* pantalla, int empleado)
{
    if (!pantalla)
        return;
    QMultiHash<QString, QWidget*> controles;
    for (QWidget* w : ControlesPantalla::conNombre(pantalla))
        controles.insert(w->objectName(), w);
    Consulta q(c, QStringLiteral("select control, visible, activo from permisos where pantalla = ? and empleado = ?"),
               {ControlesPantalla::nombrePantalla(pantalla), empleado});
    while (q.siguiente()) {
        const QString nombre = q.texto(QStringLiteral("control"));
        const QList<QWidget*> ws = controles.values(nombre);
        if (ws.isEmpty())
            qCInfo(lcPermisos) << "Permiso de un control que la pantalla no tiene:" << nombre;
        const bool visible = q.bandera(QStringLiteral("visible"));
        const bool activo = q.bandera(QStringLiteral("activo"));
        for (QWidget* w : ws) {
            if (!visible)
                w->setVisible(false);
            if (!activo)
                w->setEnabled(false);
        }
    }
}

void GestorPermisosSql::GrabarControles(Conexion& c, QWidget* pantalla)
{
    if (!pantalla)
        return;
    const QString nombrePantalla = ControlesPantalla::nombrePantalla(pantalla);
    Transaccion t(c);
    QSet<QString> vistos;
    for (QWidget* w : ControlesPantalla::conNombre(pantalla)) {
        const QString control = w->objectName();
        if (vistos.contains(control))
            continue;  // dos controles con el mismo nombre se restringen juntos
        vistos.insert(control);
        const QString d = descripcion(w);
        if (c.ejecutar(QStringLiteral("update controles_permisos set descripcion = ? where pantalla = ? and control = ?"),
                       {d, nombrePantalla, control}) == 0)
            c.ejecutar(QStringLiteral("insert into controles_permisos (pantalla, control, descripcion) values (?, ?, ?)"),
                       {nombrePantalla, control, d});
    }
    QStringList sobran;
    {
        Consulta q(c, QStringLiteral("select control from controles_permisos where pantalla = ?"), {nombrePantalla});
        while (q.siguiente())
            if (!vistos.contains(q.texto(QStringLiteral("control"))))
                sobran << q.texto(QStringLiteral("control"));
    }
    for (const QString& control : sobran)
        c.ejecutar(QStringLiteral("delete from controles_permisos where pantalla = ? and control = ?"),
                   {nombrePantalla, control});
    t.confirmar();
}
