#pragma once
// Las sentencias de una acción ejecutadas a pelo por el controlador del motor,
// sin nuestras capas, para ponerlas al lado de lo que tarda la acción; y, en
// PostgreSQL, lo que el servidor dice haber tardado (explain analyze).
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariantList>

namespace APelo {

struct Sentencia {
    QString texto;
    QVariantList valores;
};

// ms de las sentencias a pelo, leyendo cada fila y cada campo
inline double medir(const QSqlDatabase& bd, const QList<Sentencia>& sentencias)
{
    QElapsedTimer t;
    t.start();
    for (const Sentencia& s : sentencias) {
        QSqlQuery q(bd);
        q.setForwardOnly(true);
        bool bien;
        if (s.valores.isEmpty()) {
            bien = q.exec(s.texto);
        } else {
            bien = q.prepare(s.texto);
            for (int i = 0; bien && i < s.valores.size(); ++i)
                q.bindValue(i, s.valores.at(i));
            bien = bien && q.exec();
        }
        if (!bien)
            qFatal("A pelo falla: %s", qPrintable(q.lastError().text()));
        const int campos = q.record().count();
        while (q.next())
            for (int i = 0; i < campos; ++i)
                q.value(i);
    }
    return t.nsecsElapsed() / 1e6;
}

// ms que PostgreSQL dice haber tardado en planificar y ejecutar las consultas
inline double segunServidor(const QSqlDatabase& bd, const QList<Sentencia>& sentencias)
{
    double ms = 0;
    for (const Sentencia& s : sentencias) {
        if (!s.texto.trimmed().startsWith(QLatin1String("select"), Qt::CaseInsensitive))
            continue;
        // explain no se puede preparar: los valores van escritos como literales
        QString texto;
        bool enComillas = false;
        qsizetype siguiente = 0;
        for (const QChar c : s.texto) {
            if (c == QLatin1Char('\''))
                enComillas = !enComillas;
            if (c == QLatin1Char('?') && !enComillas) {
                QSqlField campo(QString(), s.valores.at(siguiente).metaType());
                campo.setValue(s.valores.at(siguiente++));
                texto += bd.driver()->formatValue(campo);
            } else {
                texto += c;
            }
        }
        QSqlQuery q(bd);
        if (!q.exec(QStringLiteral("explain (analyze, format json) ") + texto) || !q.next())
            qFatal("explain falla: %s", qPrintable(q.lastError().text()));
        const QJsonObject plan = QJsonDocument::fromJson(q.value(0).toByteArray()).array().first().toObject();
        ms += plan.value(QLatin1String("Planning Time")).toDouble() + plan.value(QLatin1String("Execution Time")).toDouble();
    }
    return ms;
}

}  // namespace APelo
