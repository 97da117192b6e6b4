#include "informes/DocumentoInforme.h"

#include "datos/Aviso.h"
#include "datos/Componentes.h"
#include "datos/Globales.h"
#include "datos/Transaccion.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString& carpetaPuesta()
{
    static QString c;
    return c;
}

}  // namespace

DocumentoInforme::DocumentoInforme(const QString& nombre) : m_nombre(nombre)
{
    Componentes::abridor().Abrir(QStringLiteral("dsn=ListBrisalo"), m_conexion);
    m_transaccion = std::make_unique<Transaccion>(m_conexion);
    // SQLite ya toma la base entera al empezar; PostgreSQL, la tabla
    if (m_conexion.motor() == Motor::PostgreSQL)
        m_conexion.ejecutar(QStringLiteral("lock table informes in exclusive mode"));
}

DocumentoInforme::~DocumentoInforme() = default;

void DocumentoInforme::vaciar()
{
    m_conexion.ejecutar(QStringLiteral("delete * from informes"));
}

void DocumentoInforme::anadir(const QList<QPair<QString, QVariant>>& fila)
{
    QStringList columnas, marcas;
    QVariantList valores;
    for (const auto& [columna, valor] : fila) {
        columnas << columna.toLower();
        marcas << QStringLiteral("?");
        valores << valor;
    }
    m_conexion.ejecutar(QStringLiteral("insert into informes (%1) values (%2)")
                            .arg(columnas.join(QLatin1Char(',')), marcas.join(QLatin1Char(','))),
                        valores);
}

QString DocumentoInforme::carpeta()
{
    if (!carpetaPuesta().isEmpty())
        return carpetaPuesta();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Gestion de Bonos");
}

void DocumentoInforme::ponerCarpeta(const QString& c)
{
    carpetaPuesta() = c;
}

QString DocumentoInforme::rutaPdf() const
{
    return carpeta() + QLatin1Char('/') + m_nombre + QStringLiteral(".pdf");
}

void DocumentoInforme::imprimir(const QString& plantilla)
{
    MotorInformes& motor = Componentes::informes();
    if (m_documento.isEmpty()) {
        QString documento = motor.Componer(m_conexion, carpetaPrograma() + QLatin1Char('/') + plantilla);
        if (!m_qrTributario.isEmpty())
            documento.prepend(MotorInformes::marcaQrTributario(m_qrTributario));
        if (!QDir().mkpath(carpeta()))
            throw ErrorInforme(ErrorInforme::SinPdf,
                               QStringLiteral("No se puede crear la carpeta de documentos %1.").arg(carpeta()));
        motor.GuardarPdf(documento, rutaPdf(), m_nombre);
        m_transaccion->confirmar();
        m_documento = documento;
    }
    if (m_impreso)
        return;
    QString impresora = gConexion.abierta() ? Componentes::puesto().ImpresoraDocumentos(gConexion) : QString();
    if (impresora.isEmpty())
        impresora = motor.ImpresoraPorDefecto();
    if (impresora.isEmpty()) {
        m_impreso = true;
        avisar(QStringLiteral("Este puesto no tiene impresora de documentos. El documento se ha guardado en %1")
                   .arg(QDir::toNativeSeparators(rutaPdf())));
        return;
    }
    motor.Imprimir(m_documento, impresora, m_nombre);
    m_impreso = true;
}
