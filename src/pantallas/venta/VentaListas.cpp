// Venta de bonos: la zona de las listas de bonos de la tienda (activos,
// histórico y caducados), con el consumo del bono elegido y los botones que
// actúan sobre él. Aquí se dispone; se llenan en VentaListasCarga.cpp.
#include "pantallas/venta/frmBonosServicios.h"

#include "datos/Globales.h"
#include "pantallas/venta/ControlesVenta.h"
#include "plataforma/widgets/Rejilla.h"

#include <QLoggingCategory>
#include <QPainter>

Q_LOGGING_CATEGORY(lcListasVenta, "tarvelo.venta.listas", QtInfoMsg)

using namespace ControlesVenta;

namespace {
constexpr int kX = 16;
constexpr int kAncho = 412;

Rejilla* rejilla(QWidget* padre, const char* nombre, const QRect& zona, const QString& titulos)
{
    auto* r = new Rejilla(padre);
    r->setObjectName(QLatin1String(nombre));
    r->setGeometry(zona);
    r->setFont(letra(14));
    r->ponerTitulos(titulos.split(QLatin1Char(';')));
    return r;
}

// Pestaña de rótulo con las letras espaciadas ("B o n o s   C a d u c a d o s"):
// si no cabe en un renglón, se parte entre palabras (el hueco más largo), no
// entre letras
class Pestana : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QString texto = text().trimmed();
        int hueco = 1;
        for (int i = 0, n = 0; i < texto.size(); ++i) {
            n = texto.at(i) == QLatin1Char(' ') ? n + 1 : 0;
            hueco = qMax(hueco, n);
        }
        const QString separador(hueco, QLatin1Char(' '));
        const QFontMetrics medidas(font());
        QStringList renglones;
        QString actual;
        for (const QString& palabra : texto.split(separador, Qt::SkipEmptyParts)) {
            const QString junto = actual.isEmpty() ? palabra.trimmed() : actual + separador + palabra.trimmed();
            if (!actual.isEmpty() && medidas.horizontalAdvance(junto) > contentsRect().width()) {
                renglones << actual;
                actual = palabra.trimmed();
            } else {
                actual = junto;
            }
        }
        renglones << actual;
        QPainter p(this);
        p.setPen(palette().color(foregroundRole()));
        p.setFont(font());
        p.drawText(contentsRect(), int(alignment()), renglones.join(QLatin1Char('\n')));
    }
};

QLabel* pestana(QWidget* padre, const char* nombre, const QString& texto, int x, int ancho)
{
    auto* l = new Pestana(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    l->setFont(letra(13, true));
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(x, 0, ancho, 50);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}
}  // namespace

void frmBonosServicios::crearListas()
{
    // Pestañas de las tres listas sobre una franja blanca
    Frame13 = marco(this, "Frame13", QRect(kX, 84, kAncho, 50));
    lblBonosActivos = pestana(Frame13, "lblBonosActivos", QStringLiteral("B  o  n  o  s    A  c  t  i  v  o  s "), 0,
                              137);
    lblHistorico = pestana(Frame13, "lblHistorico", QStringLiteral("H i s t o r i c o  d e  B o n o s"), 137, 138);
    lblBonosCaducados = pestana(Frame13, "lblBonosCaducados", QStringLiteral("B o n o s   C a d u c a d o s"), 275,
                                137);

    Label28 = etiqueta(this, "Label28", QStringLiteral("Buscar cliente con bonos x nombre:"), QRect(kX, 140, 170, 40),
                       13);
    Label28->setWordWrap(true);
    txtBuscar = caja(this, "txtBuscar", QRect(kX + 174, 140, kAncho - 174, 40), 16, false,
                     Qt::AlignLeft | Qt::AlignVCenter);

    const QString articulo = gModoFamilias == 1 ? QStringLiteral("Familia") : QStringLiteral("Servicio");
    const QString columnas = QStringLiteral("Numero;Cliente;%1;F.Alta;Empleado;Sesio.;Ses. Utl.;Precio;COD.CLIENTE;"
                                            "cod. Servicio;F.Desde;F.Hasta;F Pago;Cod FPago")
                                 .arg(articulo);
    const QRect zonaLista(kX, 186, kAncho, 248);
    grid_BonosActivos = rejilla(this, "grid_BonosActivos", zonaLista, columnas);
    grid_BonosCaducados = rejilla(this, "grid_BonosCaducados", zonaLista, columnas);
    grid_BonosCaducados->hide();
    grid_BonosInActivos = rejilla(this, "grid_BonosInActivos", zonaLista,
                                  QStringLiteral("Numero;Cliente;Servicio;F.Alta;Empleado;Sesio.;Precio;Ses. Utl."));
    grid_BonosInActivos->hide();

    frCaducados = marco(this, "frCaducados", QRect(kX, 438, kAncho, 42));
    Label24 = etiqueta(frCaducados, "Label24", QStringLiteral("Bonos caducados"), QRect(0, 0, 140, 42), 14, true);
    lblnumbonos = etiqueta(frCaducados, "lblnumbonos", QString(), QRect(143, 0, 42, 42), 14);
    lblCaducidad = etiqueta(frCaducados, "lblCaducidad", QStringLiteral("1 año"), QRect(186, 0, 88, 42), 15, true,
                            Qt::AlignCenter);
    lblCaducidad->setProperty("tag", QStringLiteral("1"));
    cmdMenos = boton(frCaducados, "cmdMenos", QStringLiteral("−"), QRect(278, 0, 64, 42), 22);
    cmdMas = boton(frCaducados, "cmdMas", QStringLiteral("+"), QRect(348, 0, 64, 42), 22);
    frCaducados->hide();

    Label15 = etiqueta(this, "Label15", QStringLiteral("D e t a l l e s  de  C o n s u m o"), QRect(kX, 482, 230, 26),
                       13, true);
    Label29 = etiqueta(this, "Label29", QString(), QRect(kX + 236, 485, 20, 20), 12);
    Label30 = etiqueta(this, "Label30", QStringLiteral("Bonos caducados x fecha"), QRect(kX + 260, 482, 152, 26), 12);
    Label29->hide();
    Label30->hide();
    // Hasta el pie de los botones: se acorta cuando se muestran
    grid_consumo = rejilla(this, "grid_consumo", QRect(kX, 510, kAncho, 162), QStringLiteral("Consumo;Empleado"));

    // Lo que se puede hacer con el bono elegido: se ofrece al elegirlo
    const char* nombres[] = {"cmd_ModificarBono", "cmdProgramar", "cmdAnulacion", "cmdBorrar"};
    const QString textos[] = {QStringLiteral("Modificar"), QStringLiteral("Citas"), QStringLiteral("Anular"),
                              QStringLiteral("Borrar")};
    QPushButton** botones[] = {&cmd_ModificarBono, &cmdProgramar, &cmdAnulacion, &cmdBorrar};
    for (int i = 0; i < 4; ++i) {
        *botones[i] = boton(this, nombres[i], textos[i], QRect(kX + i * 104, 620, 100, 52), 16);
        (*botones[i])->hide();
    }
}
