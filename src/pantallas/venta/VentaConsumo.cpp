// Venta de bonos: el consumo del bono pulsado en una lista y los botones que
// actúan sobre él (citas en la agenda, modificar, anular, borrar).
#include "pantallas/venta/frmBonosServicios.h"

#include "datos/Componentes.h"
#include "datos/Error.h"
#include "datos/Globales.h"
#include "pantallas/bajas/frmAnularBonos.h"
#include "pantallas/bajas/frmBorrarBonos.h"
#include "plataforma/widgets/GestorRejillas.h"
#include "plataforma/widgets/Rejilla.h"
#include "principal/Mensajes.h"
#include "registros/ListasBonos.h"
#include "traspaso/Traspaso.h"

#include <QLoggingCategory>
#include <QPushButton>

Q_DECLARE_LOGGING_CATEGORY(lcListasVenta)

namespace {
BonoElegido bonoDeFila(const Rejilla& l, int f)
{
    return {l.texto(f, 0), l.texto(f, 1), l.texto(f, 2), l.texto(f, 5),
            l.texto(f, 6), l.texto(f, 7), l.texto(f, 8), l.texto(f, 9)};
}
}  // namespace

int frmBonosServicios::altoConsumoLleno() const
{
    // Sin botones, el consumo llega hasta donde acaban ellos
    return cmd_ModificarBono->geometry().bottom() + 1 - grid_consumo->y();
}

void frmBonosServicios::CargarGridConsumo(Rejilla& rejilla)
{
    GestorRejillas g;
    g.PrepararRejilla(*grid_consumo, QStringLiteral("Consumo;Empleado"),
                      anchoColumna(1200) + QStringLiteral("/centrado;") + anchoColumna(1700) + QStringLiteral("/izquierda;"));
    // La fecha se ve entera aunque la letra del puesto sea mayor que la de diseño
    const double fecha =
        (grid_consumo->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 12) * 1440.0 / grid_consumo->logicalDpiX();
    if (grid_consumo->anchoColumna(0) < fecha)
        grid_consumo->ponerAnchoColumna(0, fecha);
    const int r = rejilla.filaFinSeleccion();
    if (rejilla.texto(r, 0) == QLatin1String("Numero"))
        return;
    bool ok = false;
    const int numero = rejilla.texto(r, 0).trimmed().toInt(&ok);
    if (!ok)
        throw ErrorTarvelo(QStringLiteral("El número de bono «%1» de la lista no es válido.").arg(rejilla.texto(r, 0)));
    const bool conTienda = ListasBonos::filtroTienda();
    const ConsultaLista consulta = ListasBonos::consumo(numero, conTienda);
    g.LlenarRejilla(gConexion, consulta.texto, *grid_consumo, consulta.valores);
    const int usadas = grid_consumo->filas() - 1;

    const bool historico = &rejilla == grid_BonosInActivos;
    if (!historico) {
        // Deja sitio a los botones (hasta que se pulse el histórico)
        grid_consumo->resize(grid_consumo->width(), altoConsumoLleno() - cmd_ModificarBono->height() -
                                                        qRound(50 / ConvencionesPantalla::kTwipsPorPixel));
        // En la central se mira, pero no se toca
        for (QPushButton* b : {cmdBorrar, cmdProgramar, cmdAnulacion, cmd_ModificarBono})
            b->setVisible(!conTienda);
    } else {
        grid_consumo->resize(grid_consumo->width(), altoConsumoLleno());
        ocultarBotonesBono();
    }
    rejilla.ponerTexto(r, historico ? 7 : 6, QString::number(usadas));
    for (int i = 1; i < grid_consumo->filas(); ++i)
        if (grid_consumo->texto(i, 1).trimmed().isEmpty())
            grid_consumo->ponerTexto(i, 1, QStringLiteral("Venta Compartida"));
}

Rejilla* frmBonosServicios::listaVisible() const
{
    for (Rejilla* r : {grid_BonosActivos, grid_BonosCaducados, grid_BonosInActivos})
        if (!r->isHidden())
            return r;
    return nullptr;
}

void frmBonosServicios::accionBono(void (frmBonosServicios::*accion)(Rejilla&, int))
{
    // Una sola fila elegida y a la vista: un título elige la columna entera
    Rejilla* lista = listaVisible();
    const int fila = lista ? lista->filaActual() : 0;
    if (!lista || fila < 1 || fila != lista->filaFinSeleccion() || lista->filaOculta(fila)) {
        Mensajes::mostrar(this, titulo(gModoFamilias), QStringLiteral("Seleccione un bono de la lista"),
                          Mensajes::Icono::Aviso);
        return;
    }
    (this->*accion)(*lista, fila);
}

void frmBonosServicios::cmdProgramar_Click(Rejilla& lista, int fila)
{
    // Columnas 9 y 8: el servicio (o el pack) y el cliente
    ProgramarCitas(QLatin1String(kProgramaTarvelo), lista.texto(fila, 9), lista.texto(fila, 8), gIdentificadorPuesto,
                   gModoFamilias);
}

void frmBonosServicios::abrirBaja(const std::function<void(const QPoint& origen)>& pantalla)
{
    // Se pone encima del marco de la venta. Pase lo que pase en ella, la venta
    // vuelve a empezar con las listas al día
    const auto alCerrar = [this] {
        activateWindow();
        cargarGrid();
        LimpiarDatosFnAlta();
        frFinAlta->hide();
        bModificando = false;
    };
    try {
        pantalla(frFinAlta->mapToGlobal(QPoint(0, 0)));
    } catch (...) {
        alCerrar();
        throw;
    }
    alCerrar();
}

void frmBonosServicios::cmdBorrar_Click(Rejilla& lista, int fila)
{
    abrirBaja([&](const QPoint& origen) { frmBorrarBonos(bonoDeFila(lista, fila), origen, this).exec(); });
}

void frmBonosServicios::cmdAnulacion_Click(Rejilla& lista, int fila)
{
    abrirBaja([&](const QPoint& origen) { frmAnularBonos(bonoDeFila(lista, fila), origen, this).exec(); });
}

void frmBonosServicios::cmd_ModificarBono_Click(Rejilla& lista, int fila)
{
    // En el propio marco de la venta (VentaModificacion.cpp)
    empezarModificacion(lista, fila);
}
