#pragma once
// Sesión de las pruebas de pantallas: base de datos temporal en gConexion,
// configuración de la suite propia (identificador del puesto) y los
// componentes y variables de sesión como al arrancar.
#include "SesionPrueba.h"

#include <memory>

class SesionConvenciones {
public:
    explicit SesionConvenciones(const QString& motor, const QString& puesto = QStringLiteral("CAJA-1"))
        : m_db(std::make_unique<BaseDatosPrueba::Temporal>(motor))
    {
        reiniciarGlobales();
        SesionPrueba::abrir(*m_db, puesto);
    }
    ~SesionConvenciones() { SesionPrueba::cerrar(); }

    QString carpeta() const { return m_db->carpeta(); }

    static void sql(const QString& s, const QVariantList& v = {}) { gConexion.ejecutar(s, v); }

    // Filas de una consulta como textos "a|b|c", en el orden de la consulta
    static QStringList filas(const QString& s, const QVariantList& v = {})
    {
        QStringList r;
        Consulta q(gConexion, s, v);
        while (q.siguiente()) {
            QStringList campos;
            for (int i = 0; i < q.columnas(); ++i)
                campos << (q.valor(i).isNull() ? QStringLiteral("<nulo>") : q.valor(i).toString());
            r << campos.join(QLatin1Char('|'));
        }
        return r;
    }

private:
    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
};
