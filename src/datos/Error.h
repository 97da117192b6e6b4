#pragma once
// Error único de la capa de datos y de los componentes: lleva la descripción
// que el manejador de errores muestra al usuario (qué falló y qué hacer) y,
// aparte, el detalle técnico (sentencia, mensaje del servidor) que va a los
// detalles de la caja y al registro. Ninguno de los dos lleva valores ni claves.
#include <QString>
#include <exception>
#include <string>

class ErrorTarvelo : public std::exception {
public:
    explicit ErrorTarvelo(QString descripcion, QString detalle = {})
        : m_descripcion(std::move(descripcion)), m_detalle(std::move(detalle)), m_utf8(m_descripcion.toStdString())
    {
    }
    const QString& descripcion() const noexcept { return m_descripcion; }
    const QString& detalle() const noexcept { return m_detalle; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_descripcion;
    QString m_detalle;
    std::string m_utf8;
};
