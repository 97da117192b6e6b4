#pragma once
// Error único de la capa de datos y de los componentes: lleva la descripción
// que el manejador de errores muestra al usuario.
#include <QString>
#include <exception>
#include <string>

class ErrorTarvelo : public std::exception {
public:
    explicit ErrorTarvelo(QString descripcion)
        : m_descripcion(std::move(descripcion)), m_utf8(m_descripcion.toStdString()) {}
    const QString& descripcion() const noexcept { return m_descripcion; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_descripcion;
    std::string m_utf8;
};
