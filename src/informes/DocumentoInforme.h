#pragma once
// Un documento de la base de informes, de principio a fin en una transacción
// de su propia conexión ("dsn=ListBrisalo"): vaciar informes, llenarla,
// componer la plantilla y guardar el PDF. La tabla es de todos los puestos:
// mientras dura, los demás esperan para hacer el suyo, así que dos cajas que
// imprimen a la vez nunca mezclan sus filas. Después, fuera de la
// transacción, el documento va a la impresora.
//   DocumentoInforme doc(QStringLiteral("Factura 57"));
//   GenerarReportFactura(doc, 57);
//   doc.imprimir(QStringLiteral("Q_factura.rpt"));
#include "datos/Conexion.h"

#include <QPair>
#include <QString>
#include <QVariant>
#include <memory>

class Transaccion;

class DocumentoInforme {
public:
    // nombre: el del fichero PDF de la carpeta de documentos del puesto
    explicit DocumentoInforme(const QString& nombre);
    ~DocumentoInforme();
    DocumentoInforme(const DocumentoInforme&) = delete;
    DocumentoInforme& operator=(const DocumentoInforme&) = delete;

    // "delete * from informes"
    void vaciar();
    // Una fila: columna y valor
    void anadir(const QList<QPair<QString, QVariant>>& fila);

    // Compone la plantilla de la carpeta del programa, guarda el PDF y lo
    // manda a la impresora de documentos del puesto o, sin ella, a la del
    // sistema; sin ninguna, avisa de dónde quedó el PDF. Se puede repetir
    // tras un fallo: lo ya hecho no se rehace. Lanza ErrorInforme.
    void imprimir(const QString& plantilla);

    // El código QR tributario de la factura, arriba de la primera página
    void ponerQrTributario(const QString& url) { m_qrTributario = url; }

    QString rutaPdf() const;

    // Carpeta de documentos del puesto, donde queda siempre el PDF
    static QString carpeta();
    static void ponerCarpeta(const QString& carpeta);  // pruebas; vacía = la de siempre

private:
    Conexion m_conexion;
    std::unique_ptr<Transaccion> m_transaccion;
    QString m_nombre;
    QString m_qrTributario;
    QString m_documento;  // compuesto y guardado
    bool m_impreso = false;
};
