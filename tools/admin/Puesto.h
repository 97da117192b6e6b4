#pragma once
// Alta y consulta de un puesto de trabajo: sus filas en opciones_terminal,
// entradas, impresoras (impresora de tickets, tipo 'T') y puestos (con la
// impresora de documentos y la página de códigos del ticket).
#include "datos/Conexion.h"

#include <QString>
#include <QTime>
#include <optional>

struct DatosPuesto {
    QString identificador;
    QString terminal;
    int empleado = 0;  // empleado por defecto del puesto (0: ninguno)
    bool animaciones = true;
    QString impresoraTicket;  // fichero de dispositivo, servidor:puerto o cola de CUPS
    int paginaCodigosTicket = 19;  // la de PC858 (con € y ñ) en la impresora de tickets
    QString impresoraDocumentos;   // cola de CUPS; vacía: la del sistema
    QTime apertura{9, 0};
    QTime cierre{21, 0};
    double anchoPantalla = 15360;  // twips (1024 x 768 a 15 twips por punto)
    double altoPantalla = 11520;
    int esquemaColores = 1;
    int opcionVisual = 0;
    QString tipoNegocio;  // vacío: el de la instalación (ajustes_suite)
    QString separadorDecimal = QStringLiteral(",");
    QString formatoFecha = QStringLiteral("dd/MM/yyyy");
    QString formatoHora = QStringLiteral("HH:mm:ss");
};

namespace Puesto {

// Da de alta (o sustituye) el puesto, todo o nada. Lanza ErrorTarvelo con
// un mensaje claro si un dato no vale (empleado o esquema que no existen...).
void registrar(Conexion& c, const DatosPuesto& d);

// Lo que la base de datos tiene del puesto; nada si no tiene ninguna fila
std::optional<DatosPuesto> leer(Conexion& c, const QString& identificador);

// Texto legible para mostrar-puesto
QString describir(const DatosPuesto& d);

}  // namespace Puesto
