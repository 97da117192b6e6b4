#include "plataforma/pantalla/RedimensionadorPantalla.h"

#include "datos/Error.h"
#include "plataforma/pantalla/ControlesPantalla.h"
#include "plataforma/pantalla/Escalado.h"

#include <QLayout>
#include <QLoggingCategory>
#include <QWidget>
#include <cmath>

Q_LOGGING_CATEGORY(lcEscala, "tarvelo.escala", QtWarningMsg)

namespace {

constexpr double kTwipsPorPixel = 15.0;

struct Medidas {
    QWidget* w;
    QRectF geometria;
    double letra;
    bool colocar;  // lo coloca quien lo escala, no una capa
};

bool valido(double v)
{
    return std::isfinite(v) && v > 0;
}

}  // namespace

double RedimensionadorPantalla::factorAnchoDe(const QWidget* pantalla)
{
    const QVariant v = pantalla->property("tarveloFactorAncho");
    return v.isValid() ? v.toDouble() : 1.0;
}

void RedimensionadorPantalla::Redimensionar(Conexion&, QWidget* pantalla, double anchoDestino, double altoDestino,
                                            double anchoReferencia, double altoReferencia)
{
    if (!pantalla)
        return;
    if (!valido(anchoDestino) || !valido(altoDestino) || !valido(anchoReferencia) || !valido(altoReferencia))
        throw ErrorTarvelo(QStringLiteral("No se puede escalar la pantalla de %1 x %2 a %3 x %4 twips: "
                                          "los tamaños tienen que ser mayores que cero.")
                               .arg(anchoReferencia)
                               .arg(altoReferencia)
                               .arg(anchoDestino)
                               .arg(altoDestino));
    const double fx = anchoDestino / anchoReferencia;
    const double fy = altoDestino / altoReferencia;
    // La ventana queda del tamaño de destino aunque no estuviera del de referencia
    const QRectF g = Escalado::geometria(pantalla);
    escalar(pantalla, fx, fy);
    Escalado::ponerGeometria(pantalla, QRectF(g.x() * fx, g.y() * fy, anchoDestino / kTwipsPorPixel,
                                              altoDestino / kTwipsPorPixel));
    m_factorAncho = factorAnchoDe(pantalla);
}

void RedimensionadorPantalla::escalar(QWidget* pantalla, double fx, double fy)
{
    if (!pantalla || !valido(fx) || !valido(fy))
        return;
    // La letra sigue al menor de los factores acumulados desde el diseño, no al
    // de este paso: así cualquier camino de tamaños lleva a la misma letra
    const double anchoAntes = factorAnchoDe(pantalla);
    const double altoAntes = pantalla->property("tarveloFactorAlto").isValid()
                                 ? pantalla->property("tarveloFactorAlto").toDouble()
                                 : 1.0;
    const double fl = std::min(anchoAntes * fx, altoAntes * fy) / std::min(anchoAntes, altoAntes);
    qCDebug(lcEscala) << "Escala" << pantalla->objectName() << fx << fy;

    // Primero se toman todas las medidas: al cambiar la letra o el tamaño de
    // un padre, los hijos cambian con él y ya no servirían
    QList<Medidas> medidas;
    medidas.append({pantalla, Escalado::geometria(pantalla), Escalado::letra(pantalla), true});
    for (QWidget* w : ControlesPantalla::recorrer(pantalla))
        medidas.append({w, Escalado::geometria(w), Escalado::letra(w), !Escalado::enCapa(w)});

    for (const Medidas& m : medidas) {
        Escalado::ponerLetra(m.w, m.letra * fl);
        Escalado::escalarIcono(m.w, fl);
        Escalado::escalarLimites(m.w, fx, fy);
        Escalado::escalarCapa(m.w->layout(), fx, fy, fl);
    }
    for (const Medidas& m : medidas)
        if (m.colocar)
            Escalado::ponerGeometria(m.w, QRectF(m.geometria.x() * fx, m.geometria.y() * fy,
                                                 m.geometria.width() * fx, m.geometria.height() * fy));
    pantalla->setProperty("tarveloFactorAncho", anchoAntes * fx);
    pantalla->setProperty("tarveloFactorAlto", altoAntes * fy);
}
