#pragma once
// Plantillas de informe: HTML del texto enriquecido de Qt con los campos de la
// tabla informes entre llaves y una sección de filas que se repite.
//   {campo} {campo|formato}    valor de la primera fila (dentro de <!--filas-->, de la fila)
//   {suma:a-b+c|formato}       suma de todas las filas
//   <!--filas--> ... <!--/filas-->                      una vez por fila
//   <!--si campo--> ... <!--si no--> ... <!--fin si-->  campo no vacío ni 0
//   <!--si campo=texto--> ...                            campo igual a texto
// Formatos: importe (decimales de la tienda), entero, numero, fecha. Los
// valores se escapan: un "<" de un nombre no rompe el documento.
#include <QString>
#include <QStringList>
#include <QVariantList>

struct FilasInforme {
    QStringList columnas;  // en minúsculas
    QList<QVariantList> filas;
};

namespace PlantillaInforme {

// Lanza ErrorInforme si la plantilla usa un campo que no es de informes o
// tiene mal una marca
QString componer(const QString& plantilla, const FilasInforme& datos, const QString& nombre);

}  // namespace PlantillaInforme
