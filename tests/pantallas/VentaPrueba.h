#pragma once
// Una tienda pequeña para las pruebas de la pantalla de venta, y la pantalla
// manejada como lo haría una persona: por los nombres de sus controles,
// tocando los botones de los paneles y del teclado numérico.
#include "PantallaPrueba.h"
#include "datos/Valores.h"
#include "pantallas/venta/BusquedaCliente.h"
#include "pantallas/venta/CierreVenta.h"
#include "pantallas/venta/frmBonosServicios.h"
#include "plataforma/widgets/BotonPanel.h"
#include "plataforma/widgets/Rejilla.h"
#include "plataforma/widgets/Tactipan.h"
#include "principal/Cargadores.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace VentaPrueba {

// Mismo catálogo de servicios y de packs: cada caso vale en los dos modos
inline void sembrar()
{
    Conexion& c = gConexion;
    c.ejecutar(QStringLiteral("insert into seccion (codigo, nombre, color, sec_color, borrar, posicion) values "
                              "(1, 'Peluquería', null, 0, 0, 1), (2, 'Estética', '255', -1, 0, 2)"));
    for (const char* tabla : {"servicios", "familias"}) {
        const QString sql = QStringLiteral("insert into %1 (codigo, nombre, color, precio, iva, seccion, borrar, "
                                           "mostrarencaja) values (?, ?, ?, ?, 21, ?, 0, -1)")
                                .arg(QLatin1String(tabla));
        c.ejecutar(sql, {1, QStringLiteral("Corte"), QVariant(), 25.0, 1});
        c.ejecutar(sql, {2, QStringLiteral("Varios"), QVariant(), 10.0, 1});
        c.ejecutar(sql, {3, QStringLiteral("Tinte"), QVariant(), 20.0, 1});
        c.ejecutar(sql, {4, QStringLiteral("Tercio"), QVariant(), 100.0 / 3, 2});
        c.ejecutar(sql, {5, QStringLiteral("Limpieza"), QStringLiteral("65280"), 40.0, 2});
        c.ejecutar(sql, {6, QStringLiteral("Masaje"), QVariant(), 50.0, 2});
        c.ejecutar(sql, {7, QStringLiteral("Completo"), QVariant(), 100.0, 2});
    }
    c.ejecutar(QStringLiteral("insert into clientes (codigo, nombre, apellidos, dindep, activardindep) values "
                              "(1, 'Ana', 'García', 100, -1), (2, 'Luis', 'Pérez', 1000, 0)"));
    c.ejecutar(QStringLiteral("insert into empleados (codigo, nombre, apellidos, baja, mostrar_caja, posicion) values "
                              "(1, 'Marta', 'López', 0, -1, 1), (2, 'Pedro', 'Ruiz', 0, -1, 2)"));
    c.ejecutar(QStringLiteral("insert into formapago (codigo, nombre, borrar, posicion) values (1, 'Efectivo', 0, 1), "
                              "(2, 'Tarjeta', 0, 2), (3, 'Mixto', 0, 3), (4, 'Depósito', 0, 4)"));
}

// Columnas modo y separador decimal, las primeras de cada tabla (el motor va en initTestCase_data)
inline void columnasBase()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<QChar>("sep");
}

// Filas modo × separador decimal de una tabla de casos
inline void filas(const std::function<void(const QByteArray& nombre, int modo, QChar sep)>& caso)
{
    for (int modo : {0, 1})
        for (QChar sep : {QLatin1Char(','), QLatin1Char('.')})
            caso(QStringLiteral("%1/%2").arg(modo ? QStringLiteral("packs") : QStringLiteral("servicios")).arg(sep).toUtf8(),
                 modo, sep);
}

// "12#5" con el separador del puesto
inline QString conSep(QString texto, QChar sep)
{
    return texto.replace(QLatin1Char('#'), sep);
}

class Pantalla {
public:
    Pantalla(const QString& motor, int modo, QChar sep, const QString& tipo = QStringLiteral("ESTETICA"))
    {
        m_db = PantallaPrueba::abrir(motor, tipo);
        sembrar();
        gModoFamilias = modo;
        gNumDecimales = 2;
        gIva = true;
        AjustesRegionales a = AjustesRegionales::espanoles();
        a.separadorDecimal = sep;
        Valores::ponerRegionales(a);
        CargarFormasPago();
        BusquedaCliente::ponerApertura([this](QWidget*) {
            ++busquedas;
            gCodigoClienteBuscado = clienteElegido;
        });
        CierreVenta::ponerRegistro([this](CierreVenta::Serie s, const VentaEnCurso& v) {
            series << s;
            ventas << v;
            // Una sola vez: si el panel no se bloquea, la prueba no da vueltas sin fin
            if (auto otra = std::exchange(alRegistrar, nullptr))
                otra();
        });
    }
    ~Pantalla()
    {
        m_venta.reset();
        BusquedaCliente::ponerApertura({});
        CierreVenta::ponerRegistro({});
        Valores::ponerRegionales(AjustesRegionales::espanoles());
        PantallaPrueba::cerrar();
    }

    frmBonosServicios& abrir()
    {
        m_venta = std::make_unique<frmBonosServicios>();
        m_venta->show();
        m_venta->activateWindow();
        if (!QTest::qWaitForWindowActive(m_venta.get()))
            qFatal("La venta no llega a mostrarse");
        return *m_venta;
    }

    template <class T = QWidget>
    T* w(const QString& nombre) const
    {
        T* control = m_venta->findChild<T*>(nombre);
        if (!control)
            qFatal("Falta el control %s", qPrintable(nombre));
        return control;
    }
    QLineEdit* caja(const QString& nombre) const { return w<QLineEdit>(nombre); }
    QString texto(const QString& nombre) const { return caja(nombre)->text(); }
    bool visible(const QString& nombre) const { return w(nombre)->isVisible(); }

    void pulsar(const QString& nombre) const { QTest::mouseClick(w(nombre), Qt::LeftButton); }
    // Una casilla se toca en su cuadro
    void marcar(const QString& nombre) const
    {
        QWidget* c = w(nombre);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(14, c->height() / 2));
    }

    BotonPanel* boton(const QString& panel, const QString& texto) const
    {
        for (BotonPanel* b : w<Tactipan>(panel)->botonesPagina())
            if (b->text() == texto)
                return b;
        return nullptr;
    }
    void pulsarPanel(const QString& panel, const QString& texto) const
    {
        BotonPanel* b = boton(panel, texto);
        if (!b) {
            QStringList hay;
            for (BotonPanel* x : w<Tactipan>(panel)->botonesPagina())
                hay << x->text();
            qFatal("No hay botón %s en %s (%s)", qPrintable(texto), qPrintable(panel), qPrintable(hay.join(',')));
        }
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // Teclado numérico: cifras, "," (la tecla decimal) y "C"
    void teclear(const QString& teclas) const
    {
        for (QChar t : teclas) {
            if (t == QLatin1Char('C'))
                pulsar(QStringLiteral("cmd_nuevoCobro"));
            else if (t == QLatin1Char(','))
                pulsar(QStringLiteral("btnNumerico_Cobro10"));
            else
                pulsar(QStringLiteral("btnNumerico_Cobro") + t);
        }
    }
    void tocar(const QString& campo) const
    {
        QTest::mouseClick(caja(campo), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    // Elegir un artículo del panel (o de la lista) y, si se pide, el cliente
    void elegir(const QString& articulo, bool lista = false)
    {
        if (!lista) {
            if (!boton(QStringLiteral("PanelServicios"), articulo))
                pulsarPanel(QStringLiteral("PanelSecciones"), QStringLiteral("Estética"));
            pulsarPanel(QStringLiteral("PanelServicios"), articulo);
            return;
        }
        // La lista entra deslizándose cuando ya hay cliente
        pulsar(QStringLiteral("Command2"));
        pulsar(QStringLiteral("cmdBuscarCli"));
        auto* rejilla = w<Rejilla>(QStringLiteral("grid_Item"));
        if (!QTest::qWaitFor([rejilla] { return rejilla->x() == 0; }, 5000))
            qFatal("La lista no llega a su sitio");
        for (int r = 1; r < rejilla->filas(); ++r) {
            if (rejilla->texto(r, 1) != articulo)
                continue;
            QTest::mouseClick(rejilla->viewport(), Qt::LeftButton, {},
                              rejilla->visualRect(rejilla->model()->index(r - 1, 1)).center());
            return;
        }
        qFatal("No hay %s en la lista", qPrintable(articulo));
    }

    // Venta hasta las cantidades: artículo, sesiones y forma de pago
    void hastaCobro(const QString& articulo, const QString& sesiones, const QString& forma)
    {
        elegir(articulo);
        teclear(sesiones);
        pulsarPanel(QStringLiteral("PanelFormasPago"), forma);
    }

    QString clienteElegido = QStringLiteral("1");
    int busquedas = 0;
    QList<CierreVenta::Serie> series;
    QList<VentaEnCurso> ventas;
    std::function<void()> alRegistrar;

private:
    std::unique_ptr<BaseDatosPrueba::Temporal> m_db;
    std::unique_ptr<frmBonosServicios> m_venta;
};

}  // namespace VentaPrueba
