#include "datos/Consulta.h"

#include "datos/Error.h"

#include <QSqlRecord>

Consulta::Consulta(Conexion& conexion, const QString& sql, const QVariantList& valores)
    : m_consulta(conexion.baseDatos()), m_sql(sql)
{
    m_consulta.setForwardOnly(true);
    conexion.ejecutarEn(m_consulta, sql, valores);
    // Los campos, una vez: cada lectura por nombre los recorre
    m_registro = m_consulta.record();
}

Consulta::~Consulta()
{
    cerrar();
}

void Consulta::cerrar()
{
    // En SQLite una consulta sin terminar retiene el bloqueo: se suelta en cuanto se acaba
    if (m_consulta.isActive())
        m_consulta.finish();
}

bool Consulta::siguiente()
{
    if (!m_consulta.isActive())
        return false;
    if (m_consulta.next())
        return true;
    cerrar();
    return false;
}

int Consulta::columnas() const
{
    return m_registro.count();
}

QString Consulta::nombreColumna(int i) const
{
    return m_registro.fieldName(i);
}

int Consulta::indice(const QString& campo) const
{
    const QSqlRecord& r = m_registro;
    for (int i = 0; i < r.count(); ++i)
        if (r.fieldName(i).compare(campo, Qt::CaseInsensitive) == 0)
            return i;
    // Un campo calificado ("Tabla.Campo") se busca también por su nombre solo
    const int punto = campo.lastIndexOf(QLatin1Char('.'));
    if (punto >= 0)
        return indice(campo.mid(punto + 1));
    return -1;
}

bool Consulta::existeCampo(const QString& campo) const
{
    return indice(campo) >= 0;
}

QVariant Consulta::valor(const QString& campo) const
{
    const int i = indice(campo);
    if (i < 0)
        throw ErrorTarvelo(QStringLiteral("El campo «%1» no está en el resultado de la consulta.").arg(campo),
                           QStringLiteral("Sentencia: %1").arg(m_sql.simplified()));
    return m_consulta.value(i);
}

QVariant Consulta::valor(int i) const
{
    return m_consulta.value(i);
}

QString Consulta::texto(const QString& campo) const
{
    const QVariant v = valor(campo);
    return v.isNull() ? QString() : v.toString();
}

// El valor guardado no se muestra: solo el campo
ErrorTarvelo Consulta::noValido(const QString& campo, const char* tipo) const
{
    return ErrorTarvelo(QStringLiteral("El campo «%1» de la base de datos no tiene %2, como se esperaba. Corríjalo "
                                       "o avise al servicio técnico.")
                            .arg(campo, QString::fromLatin1(tipo)),
                        QStringLiteral("Sentencia: %1").arg(m_sql.simplified()));
}

QVariant Consulta::valorEstricto(const QString& campo, const char* tipo) const
{
    const QVariant v = valor(campo);
    if (v.isNull())
        throw ErrorTarvelo(QStringLiteral("Falta un dato en la base de datos: el campo «%1» no tiene valor y se "
                                          "esperaba %2. Complételo o avise al servicio técnico.")
                               .arg(campo, QString::fromLatin1(tipo)),
                           QStringLiteral("Sentencia: %1").arg(m_sql.simplified()));
    return v;
}

int Consulta::entero(const QString& campo) const
{
    const QVariant v = valorEstricto(campo, "un número");
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        throw noValido(campo, "un número");
    return static_cast<int>(d);
}

double Consulta::numero(const QString& campo) const
{
    const QVariant v = valorEstricto(campo, "un número");
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        throw noValido(campo, "un número");
    return d;
}

bool Consulta::bandera(const QString& campo) const
{
    const QVariant v = valorEstricto(campo, "una marca (-1 o 0)");
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    const QString t = v.toString().trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok)
        throw noValido(campo, "una marca (-1 o 0)");
    return d != 0;
}

QDate Consulta::fecha(const QString& campo) const
{
    return fechaDeValor(valor(campo));
}

QDate Consulta::fechaEstricta(const QString& campo) const
{
    const QVariant v = valorEstricto(campo, "una fecha");
    const QDate f = fechaDeValor(v);
    if (!f.isValid())
        throw ErrorTarvelo(QStringLiteral("El campo «%1» tiene «%2», que no es una fecha.").arg(campo, v.toString()));
    return f;
}

QTime Consulta::hora(const QString& campo) const
{
    return horaDeValor(valor(campo));
}

QDate fechaDeValor(const QVariant& v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    const QString t = v.toString().trimmed();
    return QDate::fromString(t.left(10), Qt::ISODate);
}

QTime horaDeValor(const QVariant& v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QTime)
        return v.toTime();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().time();
    QString t = v.toString().trimmed();
    const int espacio = t.indexOf(QLatin1Char(' '));
    const int te = t.indexOf(QLatin1Char('T'));
    if (te > 0)
        t = t.mid(te + 1);
    else if (espacio > 0)
        t = t.mid(espacio + 1);
    QTime h = QTime::fromString(t.left(8), QStringLiteral("HH:mm:ss"));
    if (!h.isValid())
        h = QTime::fromString(t.left(5), QStringLiteral("HH:mm"));
    return h;
}
