#include "plataforma/pantalla/OpcionesVisualesPantalla.h"

#include "plataforma/ColoresEsquemaSql.h"
#include "plataforma/pantalla/ControlesPantalla.h"
#include "plataforma/pantalla/Escalado.h"

#include <QEvent>
#include <QLoggingCategory>
#include <QPointer>
#include <QWidget>

Q_LOGGING_CATEGORY(lcOpciones, "tarvelo.opcionesvisuales", QtWarningMsg)

namespace {

enum Opcion { Normal = 0, LetraGrande = 1, AltoContraste = 2 };

double factorLetra(int opcion)
{
    return opcion == LetraGrande ? OpcionesVisualesPantalla::kFactorLetraGrande : 1.0;
}

// Luminancia relativa (sRGB), para elegir el texto que más contrasta
double luminancia(const QColor& c)
{
    auto canal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
}

// Vuelve a contrastar los textos cada vez que alguien cambia la paleta de la
// pantalla o de uno de sus controles (colorearme va después de esta opción)
class Contraste : public QObject {
public:
    explicit Contraste(QWidget* pantalla) : QObject(pantalla), m_pantalla(pantalla)
    {
        setObjectName(QStringLiteral("tarveloAltoContraste"));
    }

    void vigilar()
    {
        m_pantalla->installEventFilter(this);
        for (QWidget* w : ControlesPantalla::recorrer(m_pantalla))
            w->installEventFilter(this);
        contrastar(m_pantalla);
        for (QWidget* w : ControlesPantalla::recorrer(m_pantalla))
            if (w->testAttribute(Qt::WA_SetPalette) && !ColoresEsquemaSql::conservaColores(w))
                contrastar(w);
    }

    // Deja los textos con los colores que tenían antes de contrastarlos
    void dejar()
    {
        QList<QWidget*> todos{m_pantalla};
        todos += ControlesPantalla::recorrer(m_pantalla);
        m_ocupado = true;
        for (QWidget* w : todos) {
            w->removeEventFilter(this);
            const QVariantList antes = w->property("tarveloTextosOriginales").toList();
            if (antes.size() != kRoles.size())
                continue;
            QPalette p = w->palette();
            for (int i = 0; i < kRoles.size(); ++i)
                for (const auto g : {QPalette::Active, QPalette::Inactive})
                    p.setColor(g, kRoles.at(i).second, antes.at(i).value<QColor>());
            w->setPalette(p);
            w->setProperty("tarveloTextosOriginales", QVariant());
        }
        m_ocupado = false;
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::PaletteChange && !m_ocupado) {
            auto* w = static_cast<QWidget*>(o);
            if (w == m_pantalla || (w->testAttribute(Qt::WA_SetPalette) && !ColoresEsquemaSql::conservaColores(w)))
                contrastar(w);
        }
        return false;
    }

private:
    // Fondo y texto que se contrastan
    inline static const QList<QPair<QPalette::ColorRole, QPalette::ColorRole>> kRoles{
        {QPalette::Window, QPalette::WindowText}, {QPalette::Button, QPalette::ButtonText},
        {QPalette::Base, QPalette::Text}};

    void contrastar(QWidget* w)
    {
        m_ocupado = true;
        QPalette p = w->palette();
        QVariantList antes;
        for (const auto& [fondo, texto] : kRoles) {
            antes << p.color(QPalette::Active, texto);
            for (const auto g : {QPalette::Active, QPalette::Inactive})
                p.setColor(g, texto, OpcionesVisualesPantalla::textoContrastado(p.color(g, fondo)));
        }
        // Los colores de quien cambió la paleta son los que se devuelven al dejarlo
        w->setProperty("tarveloTextosOriginales", antes);
        w->setPalette(p);
        m_ocupado = false;
    }

    QPointer<QWidget> m_pantalla;
    bool m_ocupado = false;
};

Contraste* contrasteDe(QWidget* pantalla)
{
    return pantalla->findChild<Contraste*>(QStringLiteral("tarveloAltoContraste"), Qt::FindDirectChildrenOnly);
}

void ponerNegrita(QWidget* pantalla, bool negrita)
{
    QList<QWidget*> todos{pantalla};
    todos += ControlesPantalla::recorrer(pantalla);
    // Los pesos se toman antes de cambiar ninguno: los hijos heredan del padre
    QList<int> pesos;
    for (QWidget* w : todos)
        pesos << int(w->font().weight());
    for (int i = 0; i < todos.size(); ++i) {
        QWidget* w = todos.at(i);
        QFont f = w->font();
        if (negrita) {
            w->setProperty("tarveloPesoOriginal", pesos.at(i));
            f.setWeight(QFont::Bold);
        } else {
            const QVariant peso = w->property("tarveloPesoOriginal");
            if (!peso.isValid())
                continue;
            f.setWeight(QFont::Weight(peso.toInt()));
            w->setProperty("tarveloPesoOriginal", QVariant());
        }
        w->setFont(f);
    }
}

}  // namespace

QColor OpcionesVisualesPantalla::textoContrastado(const QColor& fondo)
{
    const double l = luminancia(fondo);
    // Contraste con negro (l + 0.05) / 0.05 frente a blanco 1.05 / (l + 0.05)
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? QColor(Qt::black) : QColor(Qt::white);
}

int OpcionesVisualesPantalla::opcionDe(const QWidget* pantalla)
{
    return pantalla->property("tarveloOpcionVisual").toInt();
}

void OpcionesVisualesPantalla::Aplicar(Conexion&, QWidget* pantalla, int opcion)
{
    aplicar(pantalla, opcion);
}

void OpcionesVisualesPantalla::aplicar(QWidget* pantalla, int opcion)
{
    if (!pantalla)
        return;
    if (opcion != Normal && opcion != LetraGrande && opcion != AltoContraste) {
        qCWarning(lcOpciones) << "Opción visual desconocida, se usa la normal:" << opcion;
        opcion = Normal;
    }
    const int anterior = opcionDe(pantalla);
    if (anterior == opcion)
        return;

    // Deshacer la anterior
    if (anterior == AltoContraste) {
        if (Contraste* c = contrasteDe(pantalla)) {
            c->dejar();
            delete c;
        }
        ponerNegrita(pantalla, false);
    }
    // Letra: de la anterior a la nueva, todas las medidas tomadas antes de cambiar ninguna
    const double f = factorLetra(opcion) / factorLetra(anterior);
    if (f != 1.0) {
        QList<QPair<QWidget*, double>> letras{{pantalla, Escalado::letra(pantalla)}};
        for (QWidget* w : ControlesPantalla::recorrer(pantalla))
            letras.append({w, Escalado::letra(w)});
        for (const auto& [w, tamano] : letras)
            Escalado::ponerLetra(w, tamano * f);
    }
    if (opcion == AltoContraste) {
        ponerNegrita(pantalla, true);
        (new Contraste(pantalla))->vigilar();
    }
    pantalla->setProperty("tarveloOpcionVisual", opcion);
}
