#pragma once
// Traducción de los textos de las pantallas con la tabla traducciones
// (pantalla, control, idioma, texto_original, texto).
//
// El idioma del puesto es el de ajustes_suite 'Idioma' ("es" si no hay):
// los textos con que se diseñan las pantallas son los de "es". Un texto
// traducido solo se pone si su texto_original es el que tiene hoy la
// pantalla: si el original cambió, se ve el nuevo original hasta que se
// traduzca otra vez.
//
// Textos de una pantalla: su título (control = el nombre de la pantalla), el
// de botones, casillas y etiquetas, el título de los marcos, y las ayudas
// emergentes (control = nombre + ".ToolTipText"). Solo de controles con nombre.
#include "datos/ComponentesSuite.h"

#include <QList>

class TraductorSql : public Traductor {
public:
    void Aplicar(Conexion& c, QWidget* pantalla) override;
    // Guarda cada texto como original ("es") y lo deja pendiente de traducir
    // en los demás idiomas que ya tenga la tabla; todo o nada
    void GrabarTextos(Conexion& c, QWidget* pantalla) override;

    static constexpr const char* kIdiomaOriginal = "es";
    static QString idioma(Conexion& c);

    struct Texto {
        QWidget* control;
        QString clave;     // nombre del control en la tabla
        QString original;  // el de diseño, aunque ahora se vea traducido
        bool ayuda;        // ayuda emergente y no texto
    };
    static QList<Texto> textos(QWidget* pantalla);
    // Texto de diseño de un control de la pantalla ("" si no tiene texto)
    static QString textoOriginal(const QWidget* control);
};
