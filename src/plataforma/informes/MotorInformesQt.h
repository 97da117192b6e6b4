#pragma once
// Motor de informes de Qt: compone la plantilla con las filas de informes y
// la pinta en A4 con QTextDocument, a un PDF (QPdfWriter) o a una cola de
// CUPS (QPrinter). Las imágenes de la plantilla se buscan desde la carpeta
// del programa ("fotos/logo.png").
#include "datos/ComponentesSuite.h"

class MotorInformesQt : public MotorInformes {
public:
    QString Componer(Conexion& informes, const QString& rutaPlantilla) override;
    void GuardarPdf(const QString& documento, const QString& ruta, const QString& titulo) override;
    void Imprimir(const QString& documento, const QString& impresora, const QString& titulo) override;
    QString ImpresoraPorDefecto() override;
};
