#include "pantallas/registros/frmRegistrosFacturacion.h"

#include "datos/Error.h"
#include "datos/Globales.h"
#include "pantallas/venta/ControlesVenta.h"
#include "principal/ManejadorErrores.h"
#include "principal/Mensajes.h"

#include <QApplication>
#include <QHeaderView>
#include <QPointer>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace ControlesVenta;

namespace {
QPointer<frmRegistrosFacturacion>& abierta()
{
    static QPointer<frmRegistrosFacturacion> p;
    return p;
}
}  // namespace

frmRegistrosFacturacion::frmRegistrosFacturacion(QWidget* padre) : DialogoPantalla(padre)
{
    setObjectName(QStringLiteral("frmRegistrosFacturacion"));
    setWindowTitle(QStringLiteral("Registros de facturación"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    m_conv = new ConvencionesPantalla(this, QStringLiteral("verifactu.html"));
    m_conv->marcoAjustes()->hide();

    auto* titulo = etiqueta(this, "lblTitulo", QStringLiteral("REGISTROS DE FACTURACIÓN"), {}, 24, true);
    lblEstado = etiqueta(this, "lblEstado", {}, {}, 17, true);
    lblEstado->setWordWrap(true);
    lblExplicacion = etiqueta(this, "lblExplicacion", {}, {}, 16);
    lblExplicacion->setWordWrap(true);

    grdRegistros = new QTableWidget(0, 5, this);
    grdRegistros->setObjectName(QStringLiteral("grdRegistros"));
    grdRegistros->setHorizontalHeaderLabels({QStringLiteral("Factura"), QStringLiteral("Fecha"),
                                             QStringLiteral("Estado"), QStringLiteral("Código"),
                                             QStringLiteral("Mensaje de la agencia")});
    grdRegistros->setFont(letra(16));
    grdRegistros->horizontalHeader()->setFont(letra(15, true));
    grdRegistros->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdRegistros->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    grdRegistros->verticalHeader()->hide();
    grdRegistros->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdRegistros->verticalHeader()->setMinimumSectionSize(44);  // filas que se eligen con el dedo
    grdRegistros->setWordWrap(true);
    grdRegistros->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRegistros->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRegistros->setEditTriggers(QAbstractItemView::NoEditTriggers);

    cmd_Corregir = boton(this, "cmd_Corregir", QStringLiteral("Corregir"), {}, 20);
    cmd_Cerrar = boton(this, "cmd_Cerrar", QStringLiteral("Cerrar"), {}, 20);
    QPushButton* ayuda = m_conv->cmd_Ayuda();
    for (QPushButton* b : {cmd_Corregir, cmd_Cerrar, ayuda})
        b->setMinimumSize(170, 60);

    auto* botones = new QHBoxLayout;
    botones->addWidget(ayuda);
    botones->addStretch();
    botones->addWidget(cmd_Cerrar);
    botones->addWidget(cmd_Corregir);
    auto* capas = new QVBoxLayout(this);
    capas->setContentsMargins(20, 16, 20, 16);
    capas->addWidget(titulo);
    capas->addWidget(lblEstado);
    capas->addWidget(lblExplicacion);
    capas->addWidget(grdRegistros, 1);
    capas->addLayout(botones);
    resize(920, 560);

    connect(cmd_Cerrar, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmd_Corregir, &QPushButton::clicked, this, [this] { ManejadorErrores::ejecutar([this] { corregir(); }); });
    connect(grdRegistros, &QTableWidget::itemSelectionChanged, this,
            [this] { cmd_Corregir->setEnabled(!grdRegistros->selectedItems().isEmpty()); });
    m_conv->cargar([this] { recargar(); });
}

void frmRegistrosFacturacion::recargar()
{
    m_registros = VeriFactu::registrosPorCorregir(gConexion);
    grdRegistros->setRowCount(0);
    for (const VeriFactu::Rechazo& r : m_registros) {
        const int fila = grdRegistros->rowCount();
        grdRegistros->insertRow(fila);
        const QStringList celdas{r.numSerie, r.fechaExpedicion, VeriFactu::estadoLegible(r.estado),
                                 r.codigo ? QString::number(r.codigo) : QString(), r.descripcion};
        for (int c = 0; c < celdas.size(); ++c)
            grdRegistros->setItem(fila, c, new QTableWidgetItem(celdas[c]));
    }
    lblEstado->setText(textoEstado(VeriFactu::registrosSinEnviar(gConexion), VeriFactu::ultimoEnvio(gConexion)));
    lblExplicacion->setText(
        m_registros.isEmpty()
            ? QStringLiteral("La agencia no ha rechazado ningún registro: no hay nada que corregir.")
            : QStringLiteral("La agencia tributaria no ha dado por buenos estos registros. Corrija antes lo que dice "
                             "su mensaje (por ejemplo, el NIF o el nombre del cliente en su ficha), elija el registro "
                             "y pulse «Corregir»: se hace un registro nuevo de la misma factura, con los datos de "
                             "ahora, que sale hacia la agencia en el próximo envío. La factura no cambia."));
    if (!m_registros.isEmpty())
        grdRegistros->selectRow(0);
    cmd_Corregir->setEnabled(!m_registros.isEmpty());
}

QString frmRegistrosFacturacion::textoEstado(int sinEnviar, const VeriFactu::UltimoEnvio& ultimo)
{
    const QString cuando = ultimo.fin.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    if (sinEnviar == 0)
        return ultimo.hubo ? QStringLiteral("No queda ningún registro por enviar (último envío: %1).").arg(cuando)
                           : QStringLiteral("No hay registros que enviar.");
    QString t = sinEnviar == 1 ? QStringLiteral("1 registro sin enviar.")
                               : QStringLiteral("%1 registros sin enviar.").arg(sinEnviar);
    if (!ultimo.hubo)
        return t + QStringLiteral(" Salen solos mientras el programa está abierto.");
    if (ultimo.fallo.isEmpty())
        return t + QStringLiteral(" Último envío: %1; los siguientes salen solos.").arg(cuando);
    const int minutos = qMax(1, (ultimo.espera + 59) / 60);
    return t + QStringLiteral(" El último intento (%1) falló: %2 Se vuelve a intentar solo dentro de %3 min; "
                              "mientras, se puede vender con normalidad.")
                   .arg(cuando, ultimo.fallo.trimmed())
                   .arg(minutos);
}

void frmRegistrosFacturacion::corregir()
{
    const int fila = grdRegistros->currentRow();
    if (fila < 0 || fila >= m_registros.size())
        return;
    const VeriFactu::Rechazo r = m_registros[fila];
    try {
        VeriFactu::CorregirRegistro(r.registro);
    } catch (const ErrorTarvelo&) {
        // Otro puesto pudo corregirlo: la lista que se ve es la de ahora
        recargar();
        throw;
    }
    recargar();
    Mensajes::mostrar(this, QStringLiteral("Registros de facturación"),
                      QStringLiteral("Hecho el registro de corrección de %1. Sale hacia la agencia en el próximo "
                                     "envío.")
                          .arg(r.numSerie),
                      Mensajes::Icono::Informacion);
}

void frmRegistrosFacturacion::abrir(QWidget* padre)
{
    if (abierta()) {
        abierta()->recargar();
        return;
    }
    frmRegistrosFacturacion pantalla(padre);
    abierta() = &pantalla;
    pantalla.exec();
}

void AvisoRechazosPantalla::rechazados(const QList<VeriFactu::Rechazo>&)
{
    // La pantalla lee de la base todo lo que queda por corregir
    if (gConexion.enTransaccion()) {
        QTimer::singleShot(2000, qApp, [this] { rechazados({}); });
        return;
    }
    ManejadorErrores::ejecutar([] { frmRegistrosFacturacion::abrir(QApplication::activeWindow()); });
}
