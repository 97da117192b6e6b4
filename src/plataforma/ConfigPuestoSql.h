#pragma once
// Ajustes de cada puesto en la tabla puestos (una fila por identificador),
// con los valores de toda la instalación en ajustes_suite (clave, valor):
//   AnchoPantalla, AltoPantalla (twips), EsquemaColores, OpcionVisual,
//   TipoNegocio, SeparadorDecimal, FormatoFecha, FormatoHora, ImpresoraDocumentos,
//   PaginaCodigosTicket.
// Lo que no está en ninguna de las dos toma su valor de fábrica: la pantalla
// principal (15 twips por píxel; 15360 x 11085 sin pantalla), el esquema 1,
// la opción visual 0, el tipo de negocio vacío, los ajustes regionales del
// sistema, sin impresora de documentos propia y la página 19 (PC858). Que falte la fila nunca es un error. Un tamaño de pantalla mayor
// que el monitor se lee reducido al monitor.
#include "datos/ComponentesSuite.h"

#include <QList>
#include <QPair>
#include <QSizeF>
#include <QVariant>

class ConfigPuestoSql : public ConfigPuesto {
public:
    QString Identificador() override;
    double AnchoPantalla(Conexion& c) override;
    double AltoPantalla(Conexion& c) override;
    bool ElegirTamanoPantalla(Conexion& c, double& ancho, double& alto) override;
    int EsquemaColores(Conexion& c) override;
    int ElegirEsquemaColores(Conexion& c) override;
    int OpcionVisual(Conexion& c) override;
    int ElegirOpcionVisual(Conexion& c) override;
    QString TipoNegocio(Conexion& c) override;
    AjustesRegionales Regionales(Conexion& c) override;
    QString ImpresoraDocumentos(Conexion& c) override;
    int PaginaCodigosTicket(Conexion& c) override;

    static constexpr int kPaginaCodigosTicket = 19;

    // Tamaño de fábrica en twips: el del monitor
    static QSizeF tamanoPorDefecto();
    // Monitor del programa en píxeles; vacío sin pantalla
    static QSize tamanoMonitor();
    // Tamaños que se ofrecen, en píxeles
    static QList<QSize> tamanosOfrecidos();
    // Opciones visuales que se ofrecen: número y nombre
    static QList<QPair<int, QString>> opcionesVisuales();

    // Guarda unos valores en la fila del puesto (la crea si no existe)
    void guardar(Conexion& c, const QList<QPair<QString, QVariant>>& valores);

private:
    // Valor del puesto o, si no lo tiene, de la instalación; nulo si ninguno
    QVariant leer(Conexion& c, const char* columna, const char* clave);
    static double queCabe(double twips, int pixelesMonitor);
};
