// Pantalla de venta de bonos manejada como lo haría una persona, en los dos
// motores, en los dos modos (servicios y packs) y con "," y "." decimales
#include "VentaPrueba.h"
#include "pantallas/menu/ImagenPantalla.h"
#include "plataforma/ColorBgr.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>

using namespace VentaPrueba;

class TstFrmBonosServicios : public QObject {
    Q_OBJECT

    std::unique_ptr<Pantalla> p;
    QChar m_sep;

    void abrir(const QString& tipo = QStringLiteral("ESTETICA"))
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(int, modo);
        QFETCH(QChar, sep);
        m_sep = sep;
        p = std::make_unique<Pantalla>(motor, modo, sep, tipo);
    }
    QString deSep(const QString& texto) const { return conSep(texto, m_sep); }
    // Lo que solo depende de la pantalla (teclas, cálculo del precio) no se repite en PostgreSQL
    static bool soloUnMotor()
    {
        QFETCH_GLOBAL(QString, motor);
        return motor != QLatin1String("sqlite");
    }
    QString fondo(const QString& nombre) const
    {
        QWidget* w = p->w(nombre);
        return ColorBgr::aTexto(w->palette().color(qobject_cast<QLineEdit*>(w) ? QPalette::Base : QPalette::Button));
    }

private Q_SLOTS:
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init() { reiniciarGlobales(); }
    void cleanup() { p.reset(); }

    // Pulsar un artículo sin cliente abre la búsqueda; la central no vende
    void clienteAlPulsar_data()
    {
        columnasBase();
        QTest::addColumn<QString>("elegido");
        QTest::addColumn<bool>("central");
        QTest::addColumn<bool>("venta");
        filas([](const QByteArray& n, int modo, QChar s) {
            QTest::addRow("%s/elige", n.data()) << modo << s << "1" << false << true;
            QTest::addRow("%s/cancela", n.data()) << modo << s << "" << false << false;
            QTest::addRow("%s/central", n.data()) << modo << s << "1" << true << false;
        });
    }
    void clienteAlPulsar()
    {
        QFETCH(QString, elegido);
        QFETCH(bool, central);
        QFETCH(bool, venta);
        abrir();
        gMultitienda = central;
        gNombreTienda = central ? QStringLiteral("Servidor") : QStringLiteral("Centro");
        p->clienteElegido = elegido;
        // Con impresora de tickets el ticket empieza marcado; la factura, nunca
        gImpresoraTicket = venta ? QStringLiteral("lp0") : QString();
        // La bandera, relativa a la carpeta del programa como la guarda la tienda
        gBandera = QStringLiteral("fotos/bandera.png");
        PantallaPrueba::escribirImagen(rutaEnCarpetaPrograma(gBandera), Qt::red);
        p->abrir();
        QVERIFY(!p->w<ImagenPantalla>(QStringLiteral("Bandera"))->imagen().isNull());
        QCOMPARE(p->w<QCheckBox>(QStringLiteral("chkImprimir"))->isChecked(), venta);
        QVERIFY(!p->w<QCheckBox>(QStringLiteral("chk_Factura"))->isChecked());
        p->elegir(QStringLiteral("Corte"));
        QCOMPARE(p->busquedas, central ? 0 : 1);
        QCOMPARE(p->visible(QStringLiteral("frFinAlta")), venta);
        if (central) {
            // Tampoco cuenta lo que devuelva la búsqueda
            p->pulsar(QStringLiteral("cmdBuscarCli"));
            QCOMPARE(p->busquedas, 1);
        }
        if (!venta) {
            QCOMPARE(p->texto(QStringLiteral("txtCliente")), QStringLiteral("Seleccione el Cliente"));
            // El cliente no se escribe: tocarlo abre la búsqueda
            p->tocar(QStringLiteral("txtCliente"));
            QCOMPARE(p->busquedas, 2);
            QVERIFY(p->caja(QStringLiteral("txtCliente"))->isReadOnly());
            return;
        }
        QCOMPARE(p->w<QLabel>(QStringLiteral("lblNomServicio"))->text(), QStringLiteral("Corte"));
        QCOMPARE(p->w<QLabel>(QStringLiteral("lblCliente"))->text(), QStringLiteral("Ana García"));
        QCOMPARE(p->w<QDateEdit>(QStringLiteral("dtpHasta"))->date(), QDate::currentDate().addDays(365));
        QVERIFY(p->caja(QStringLiteral("txtSesiones"))->hasFocus());
        // El bono no acaba antes de empezar
        p->w<QDateEdit>(QStringLiteral("dtpDesde"))->setDate(QDate::currentDate().addDays(400));
        QVERIFY(p->w<QDateEdit>(QStringLiteral("dtpHasta"))->date() >= QDate::currentDate().addDays(400));
        p->marcar(QStringLiteral("chk_Factura"));
        p->teclear(QStringLiteral("3"));
        // Volver deja el cliente y vacía la venta; el siguiente artículo va directo
        p->pulsar(QStringLiteral("cmd_Regresar"));
        QVERIFY(!p->visible(QStringLiteral("frFinAlta")));
        QCOMPARE(p->texto(QStringLiteral("txtCliente")), QStringLiteral("Ana García"));
        p->elegir(QStringLiteral("Tinte"));
        QCOMPARE(p->busquedas, 1);
        QCOMPARE(p->texto(QStringLiteral("txtSesiones")), QString());
        QCOMPARE(p->texto(QStringLiteral("lblPrecio")), QString());
        QCOMPARE(p->w<QDateEdit>(QStringLiteral("dtpDesde"))->date(), QDate::currentDate());
        // La elección de la factura se guarda mientras la pantalla sigue abierta
        QVERIFY(p->w<QCheckBox>(QStringLiteral("chk_Factura"))->isChecked());
    }

    // Lo que ya debía el cliente: pagos a cuenta en estado 0 menos lo pagado contra ellos
    void deudaAnterior_data()
    {
        columnasBase();
        QTest::addColumn<double>("debido");
        QTest::addColumn<double>("pagado");
        QTest::addColumn<QString>("debe");
        filas([](const QByteArray& n, int modo, QChar s) {
            if (modo == 1)
                return;
            QTest::addRow("%s/sin pagos a cuenta", n.data()) << modo << s << 0.0 << 0.0 << "";
            QTest::addRow("%s/pagada", n.data()) << modo << s << 90.0 << 90.0 << "";
            QTest::addRow("%s/en parte", n.data()) << modo << s << 90.0 << 40.5 << "49#50";
        });
    }
    void deudaAnterior()
    {
        QFETCH(double, debido);
        QFETCH(double, pagado);
        QFETCH(QString, debe);
        abrir();
        if (debido > 0) {
            gConexion.ejecutar(QStringLiteral("insert into cabecera_pago (num_pago, cliente, importe, estado) values "
                                              "(7, 2, ?, 0), (8, 2, 500, -1), (9, 1, 300, 0)"),
                               {debido});
            gConexion.ejecutar(QStringLiteral("insert into detalle_pago (num_pago, importe) values (7, ?), (8, 100)"),
                               {pagado});
        }
        p->clienteElegido = QStringLiteral("2");
        p->abrir();
        p->hastaCobro(QStringLiteral("Masaje"), QStringLiteral("1"), QStringLiteral("Efectivo"));
        p->teclear(QStringLiteral("30"));
        p->pulsar(QStringLiteral("cmdDeuda"));
        QCOMPARE(p->visible(QStringLiteral("Frame6")), !debe.isEmpty());
        if (!debe.isEmpty())
            QCOMPARE(p->w<QLabel>(QStringLiteral("lblDeudaCliente"))->text(), deSep(debe));
        // Cancelar vuelve a ofrecer la deuda
        p->pulsar(QStringLiteral("cmdCancelarDeuda"));
        QVERIFY(!p->visible(QStringLiteral("frInfoDeuda")));
        QVERIFY(p->visible(QStringLiteral("cmdDeuda")));
    }

    // Precio de las sesiones y del descuento, del panel o de la lista
    void precio_data()
    {
        columnasBase();
        QTest::addColumn<bool>("lista");
        QTest::addColumn<QString>("articulo");
        QTest::addColumn<QString>("sesiones");
        QTest::addColumn<QString>("descuento");
        QTest::addColumn<bool>("iva");
        QTest::addColumn<QString>("precio");
        filas([](const QByteArray& n, int modo, QChar s) {
            for (bool lista : {false, true}) {
                const QByteArray d = n + (lista ? "/lista" : "/panel");
                QTest::addRow("%s/3x25", d.data()) << modo << s << lista << "Corte" << "3" << "" << true << "75";
                QTest::addRow("%s/15%% IVA incluido", d.data())
                    << modo << s << lista << "Tinte" << "10" << "15" << true << "170#00";
                if (lista)
                    continue;
                QTest::addRow("%s/100 entre 3", d.data())
                    << modo << s << lista << "Tercio" << "1" << "" << true << "33#33";
                QTest::addRow("%s/15%% más IVA", d.data())
                    << modo << s << lista << "Tinte" << "10" << "15" << false << "205#70";
            }
        });
    }
    void precio()
    {
        if (soloUnMotor())
            QSKIP("No depende del motor: basta con SQLite");
        QFETCH(bool, lista);
        QFETCH(QString, articulo);
        QFETCH(QString, sesiones);
        QFETCH(QString, descuento);
        QFETCH(bool, iva);
        QFETCH(QString, precio);
        abrir();
        p->clienteElegido = QStringLiteral("2");
        gIva = iva;
        p->abrir();
        p->elegir(articulo, lista);
        p->teclear(sesiones);
        if (!descuento.isEmpty()) {
            p->tocar(QStringLiteral("txtDescuento"));
            p->teclear(descuento);
        }
        QCOMPARE(p->texto(QStringLiteral("lblPrecio")), deSep(precio));
    }

    // Qué acepta cada campo, del teclado numérico o del de verdad
    void teclas_data()
    {
        columnasBase();
        QTest::addColumn<QString>("campo");
        QTest::addColumn<bool>("teclado");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("esperado");
        filas([](const QByteArray& n, int modo, QChar s) {
            const auto fila = [&](const char* caso, const char* campo, bool teclado, const char* teclas,
                                  const char* esperado) {
                QTest::addRow("%s/%s", n.data(), caso) << modo << s << campo << teclado << teclas << esperado;
            };
            fila("sesiones sin coma, teclado numérico", "txtSesiones", false, "1,5", "15");
            fila("sesiones sin coma", "txtSesiones", true, "1,5", "15");
            fila("sesiones sin punto", "txtSesiones", true, "1.5", "15");
            fila("sesiones sin letras", "txtSesiones", true, "a2", "2");
            fila("precio sin coma delante", "lblPrecio", false, ",5", "5");
            fila("precio con decimales", "lblPrecio", false, "1,5", "1#5");
            fila("precio con una sola coma", "lblPrecio", false, "1,5,", "1#5");
            fila("precio tecleado con punto", "lblPrecio", true, "1.5", "1#5");
            fila("precio tecleado con coma", "lblPrecio", true, "1,5", "1#5");
            fila("borrar", "lblPrecio", false, "12C3", "3");
        });
    }
    void teclas()
    {
        if (soloUnMotor())
            QSKIP("No depende del motor: basta con SQLite");
        QFETCH(QString, campo);
        QFETCH(bool, teclado);
        QFETCH(QString, teclas);
        QFETCH(QString, esperado);
        abrir();
        p->clienteElegido = QStringLiteral("2");
        p->abrir();
        // La tecla decimal lleva el separador del puesto
        QCOMPARE(p->w<QPushButton>(QStringLiteral("btnNumerico_Cobro10"))->text(), QString(m_sep));
        p->elegir(QStringLiteral("Corte"));
        p->tocar(campo);
        if (teclado)
            QTest::keyClicks(p->caja(campo), teclas);
        else
            p->teclear(teclas);
        QCOMPARE(p->texto(campo), deSep(esperado));
    }

    // Sin sesiones (vacío o "0") se tapa el cobro y el precio se queda
    void vaciarSesiones_data()
    {
        columnasBase();
        QTest::addColumn<QString>("teclas");
        filas([](const QByteArray& n, int modo, QChar s) {
            QTest::addRow("%s/vaciar", n.data()) << modo << s << "C";
            QTest::addRow("%s/cero", n.data()) << modo << s << "C0";
        });
    }
    void vaciarSesiones()
    {
        QFETCH(QString, teclas);
        abrir();
        p->clienteElegido = QStringLiteral("2");
        p->abrir();
        auto* ocultar = p->w(QStringLiteral("fr_Ocultar"));
        const int arriba = ocultar->y();
        p->hastaCobro(QStringLiteral("Corte"), QStringLiteral("3"), QStringLiteral("Efectivo"));
        QVERIFY(!ocultar->isVisible());
        p->tocar(QStringLiteral("txtSesiones"));
        p->teclear(teclas);
        QVERIFY(ocultar->isVisible());
        QCOMPARE(ocultar->y(), arriba);
        QVERIFY(!p->visible(QStringLiteral("cmd_FinVenta")));
        QCOMPARE(p->texto(QStringLiteral("lblPrecio")), QStringLiteral("75"));
        // Con sesiones otra vez, la forma de pago elegida sigue a la vista
        p->teclear(QStringLiteral("2"));
        QVERIFY(!ocultar->isVisible());
        QCOMPARE(p->texto(QStringLiteral("lblPrecio")), QStringLiteral("50"));
    }

    // Formas de pago 2 y 3, el cambio, la deuda y el código que llega al guardar
    void cobro_data()
    {
        columnasBase();
        QTest::addColumn<QString>("articulo");
        QTest::addColumn<QString>("forma");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("entrega");
        QTest::addColumn<QString>("cambio");
        QTest::addColumn<bool>("terminar");
        QTest::addColumn<int>("codigo");
        filas([](const QByteArray& n, int modo, QChar s) {
            // Limpieza 40, Masaje 50, Completo 100
            QTest::addRow("%s/código 2", n.data()) << modo << s << "Limpieza" << "Tarjeta" << "" << "40" << "0#00"
                                                   << true << 2;
            QTest::addRow("%s/mixto con efectivo", n.data())
                << modo << s << "Completo" << "Mixto" << "30" << "70#00" << "0#00" << true << 3;
            QTest::addRow("%s/mixto de más", n.data())
                << modo << s << "Completo" << "Mixto" << "120" << "0#00" << "20#00" << true << 3;
            QTest::addRow("%s/efectivo con cambio", n.data())
                << modo << s << "Masaje" << "Efectivo" << "60" << "60" << "10#00" << true << 1;
            QTest::addRow("%s/efectivo corto", n.data())
                << modo << s << "Masaje" << "Efectivo" << "30" << "30" << "0#00" << false << 1;
        });
    }
    void cobro()
    {
        QFETCH(QString, articulo);
        QFETCH(QString, forma);
        QFETCH(QString, teclas);
        QFETCH(QString, entrega);
        QFETCH(QString, cambio);
        QFETCH(bool, terminar);
        QFETCH(int, codigo);
        abrir();
        // Luis tiene depósito pero no la marca: nunca se le ofrece
        p->clienteElegido = QStringLiteral("2");
        p->abrir();
        p->hastaCobro(articulo, QStringLiteral("1"), forma);
        QVERIFY(!p->visible(QStringLiteral("frDinDep")));
        QCOMPARE(p->visible(QStringLiteral("txtPagoTarjeta")), codigo == 3);
        p->teclear(teclas);
        QCOMPARE(p->texto(QStringLiteral("txtEntrega")), deSep(entrega));
        QCOMPARE(p->texto(QStringLiteral("txtCambio")), deSep(cambio));
        QCOMPARE(p->visible(QStringLiteral("cmd_FinVenta")), terminar);
        QCOMPARE(p->visible(QStringLiteral("cmdDeuda")), !terminar);
        if (terminar) {
            p->pulsar(QStringLiteral("cmd_FinVenta"));
        } else {
            p->pulsar(QStringLiteral("cmdDeuda"));
            QCOMPARE(p->w<QLabel>(QStringLiteral("lblInfoDeuda"))->text(),
                     deSep(QStringLiteral("El cliente Luis Pérez nos va a deber 20#00")));
            QVERIFY(!p->visible(QStringLiteral("Frame6")));
            p->pulsar(QStringLiteral("cmdAceptarDeuda"));
        }
        QVERIFY(!p->w(QStringLiteral("frDatosCobro"))->isEnabled());
        p->pulsarPanel(QStringLiteral("PanelEmpleados"), QStringLiteral("Pedro R"));
        QCOMPARE(p->ventas.size(), 1);
        const VentaEnCurso& v = p->ventas[0];
        QCOMPARE(int(v.formaPago), codigo);
        QCOMPARE(v.codCliente, QStringLiteral("2"));
        QCOMPARE(int(v.codEmpleado), 2);
        QCOMPARE(v.nomEmpleado, QStringLiteral("Pedro R"));
        QCOMPARE(v.codServicio, articulo == QLatin1String("Limpieza") ? 5 : articulo == QLatin1String("Masaje") ? 6 : 7);
        QCOMPARE(v.entrega, deSep(entrega));
        QVERIFY(!p->visible(QStringLiteral("frFinAlta")));
    }

    // Depósito: se ofrece si cubre de sobra el precio y se retira si deja de hacerlo
    void deposito_data()
    {
        columnasBase();
        QTest::addColumn<QString>("sesiones");
        QTest::addColumn<bool>("ofrecido");
        QTest::addColumn<QString>("luego");
        filas([](const QByteArray& n, int modo, QChar s) {
            QTest::addRow("%s/1 y luego 0", n.data()) << modo << s << "1" << true << "C0";
            QTest::addRow("%s/1 y luego 10", n.data()) << modo << s << "1" << true << "0";
            QTest::addRow("%s/igual al precio", n.data()) << modo << s << "4" << false << "";
            QTest::addRow("%s/acepta", n.data()) << modo << s << "2" << true << "cmdAceptarDinDep";
            QTest::addRow("%s/cancela", n.data()) << modo << s << "2" << true << "cmdCancelar";
        });
    }
    void deposito()
    {
        QFETCH(QString, sesiones);
        QFETCH(bool, ofrecido);
        QFETCH(QString, luego);
        abrir();
        p->abrir();
        p->elegir(QStringLiteral("Corte"));
        p->teclear(sesiones);
        QCOMPARE(p->visible(QStringLiteral("frDinDep")), ofrecido);
        if (!ofrecido)
            return;
        QCOMPARE(p->w<QLabel>(QStringLiteral("lblFormaPago"))->text(), QStringLiteral("DEPOSITO"));
        QCOMPARE(p->texto(QStringLiteral("txtEntrega")), p->texto(QStringLiteral("lblPrecio")));
        QVERIFY(p->caja(QStringLiteral("txtEntrega"))->isReadOnly());
        // Hasta contestar solo se puede cambiar la línea de la venta
        QVERIFY(!p->w(QStringLiteral("PanelFormasPago"))->isEnabled());
        QVERIFY(p->caja(QStringLiteral("txtSesiones"))->isEnabled());
        if (luego == QLatin1String("cmdAceptarDinDep")) {
            p->pulsar(luego);
            p->pulsarPanel(QStringLiteral("PanelEmpleados"), QStringLiteral("Marta L"));
            QCOMPARE(p->ventas.size(), 1);
            QCOMPARE(int(p->ventas[0].formaPago), 4);
            QVERIFY(p->ventas[0].usaDeposito);
            // Aceptar no toca el depósito: se descuenta al guardar la venta
            QCOMPARE(SesionPrueba::filas(gConexion, QStringLiteral("select dindep from clientes where codigo = 1")), 100);
            return;
        }
        if (luego == QLatin1String("cmdCancelar"))
            p->pulsar(luego);
        else
            p->teclear(luego);
        QVERIFY(!p->visible(QStringLiteral("frDinDep")));
        QVERIFY(p->w(QStringLiteral("PanelFormasPago"))->isEnabled());
        QVERIFY(!p->caja(QStringLiteral("txtEntrega"))->isReadOnly());
        QCOMPARE(p->w<QLabel>(QStringLiteral("lblFormaPago"))->text(), QString());
        QCOMPARE(p->texto(QStringLiteral("txtEntrega")), deSep(QStringLiteral("0#00")));
    }

    // El empleado se pulsa una vez por venta; la serie, según negocio y región
    void empleado_data()
    {
        columnasBase();
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("region");
        QTest::addColumn<bool>("boleta");
        filas([](const QByteArray& n, int modo, QChar s) {
            QTest::addRow("%s/ESTETICA Chile", n.data()) << modo << s << "ESTETICA" << "Chile" << true;
            QTest::addRow("%s/PELUQUERIA Perú", n.data()) << modo << s << "PELUQUERIA" << "Perú" << true;
            QTest::addRow("%s/Clínicas peru", n.data()) << modo << s << "Clínicas" << "peru" << true;
            QTest::addRow("%s/SPA Chile", n.data()) << modo << s << "SPA" << "Chile" << false;
            QTest::addRow("%s/ESTETICA España", n.data()) << modo << s << "ESTETICA" << "España" << false;
        });
    }
    void empleado()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, region);
        QFETCH(bool, boleta);
        abrir(tipo);
        gRegion = region;
        p->clienteElegido = QStringLiteral("2");
        p->abrir();
        QCOMPARE(p->w(QStringLiteral("frBoleta"))->isVisibleTo(p->w(QStringLiteral("frFinAlta"))), boleta);
        QCOMPARE(p->w<QCheckBox>(QStringLiteral("chkBoleta"))->isChecked(), boleta);
        for (bool segunda : {false, true}) {
            p->hastaCobro(QStringLiteral("Corte"), QStringLiteral("1"), QStringLiteral("Tarjeta"));
            if (segunda && boleta)
                p->marcar(QStringLiteral("chkFacturaPeruChile"));
            p->pulsar(QStringLiteral("cmd_FinVenta"));
            // Un segundo toque mientras se guarda no vende otra vez
            p->alRegistrar = [this] { p->pulsarPanel(QStringLiteral("PanelEmpleados"), QStringLiteral("Marta L")); };
            p->pulsarPanel(QStringLiteral("PanelEmpleados"), QStringLiteral("Marta L"));
            p->alRegistrar = {};
            QCOMPARE(p->series.size(), segunda ? 2 : 1);
            QCOMPARE(p->series.last(), segunda && boleta ? CierreVenta::Serie::Segunda : CierreVenta::Serie::Primera);
            QVERIFY(!p->visible(QStringLiteral("frFinAlta")));
            QVERIFY(p->w(QStringLiteral("PanelEmpleados"))->isEnabled());
        }
    }

    // Colores de las secciones y de los artículos; lo que sale en la lista
    void catalogo_data()
    {
        columnasBase();
        filas([](const QByteArray& n, int modo, QChar s) {
            if (s == QLatin1Char(','))
                QTest::addRow("%s", n.data()) << modo << s;
        });
    }
    void catalogo()
    {
        QFETCH(int, modo);
        abrir();
        // La sección 1 tiene color guardado, pero en el panel toma el de la paleta
        gConexion.ejecutar(QStringLiteral("update seccion set color = '16711680' where codigo = 1"));
        for (int i = 3; i <= 5; ++i) {
            gConexion.ejecutar(QStringLiteral("insert into seccion (codigo, nombre, sec_color, borrar, posicion) "
                                              "values (?, ?, null, 0, ?)"),
                               {i, QStringLiteral("Sección %1").arg(i), i});
            for (const char* tabla : {"servicios", "familias"})
                gConexion.ejecutar(QStringLiteral("insert into %1 (codigo, nombre, precio, iva, seccion, borrar, "
                                                  "mostrarencaja) values (?, 'Otro', 1, 21, ?, 0, -1)")
                                       .arg(QLatin1String(tabla)),
                                   {10 + i, i});
        }
        gConexion.ejecutar(QStringLiteral("update seccion set sec_color = 0, posicion = 6 where codigo = 2"));
        p->abrir();
        const QStringList secciones{"Peluquería", "Sección 3", "Sección 4", "Sección 5", "Estética"};
        for (int i = 0; i < secciones.size(); ++i)
            QCOMPARE(p->boton(QStringLiteral("PanelSecciones"), secciones[i])->colorFondo(),
                     ColorBgr::aColor(gColoresPaleta[size_t(i % 4)]));
        // Antes de pulsar una sección los artículos toman el color guardado de la suya
        QCOMPARE(p->boton(QStringLiteral("PanelServicios"), QStringLiteral("Corte"))->colorFondo(), QColor(0, 0, 255));
        p->pulsarPanel(QStringLiteral("PanelSecciones"), QStringLiteral("Peluquería"));
        QCOMPARE(p->boton(QStringLiteral("PanelServicios"), QStringLiteral("Corte"))->colorFondo(),
                 ColorBgr::aColor(gColoresPaleta[0]));
        QVERIFY(p->boton(QStringLiteral("PanelServicios"), QStringLiteral("Varios")));
        // La lista no tiene nunca el servicio 2; los packs, sí
        auto* lista = p->w<Rejilla>(QStringLiteral("grid_Item"));
        QStringList nombres;
        for (int r = 1; r < lista->filas(); ++r)
            nombres << lista->texto(r, 1);
        const QStringList esperados = modo == 1 ? QStringList{"Corte", "Tinte", "Varios"} : QStringList{"Corte", "Tinte"};
        QCOMPARE(nombres, esperados);
        p->pulsar(QStringLiteral("Command2"));
        // Aún sin cliente, la lista entra entera en su sitio
        QTRY_COMPARE(lista->x(), 0);
        p->pulsar(QStringLiteral("cmdTodos"));
        QCOMPARE(lista->filas() - 1, modo == 1 ? 10 : 9);
    }

    // El orden del panel es una columna de la tabla o, si no, el nombre
    void orden_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QStringList>("orden");
        const QStringList porNombre{"Corte", "Tinte", "Varios"};
        QTest::newRow("precio") << "PRECIO" << QStringList{"Varios", "Tinte", "Corte"};
        QTest::newRow("nombre") << "Nombre" << porNombre;
        QTest::newRow("no es columna") << "precio desc" << porNombre;
        QTest::newRow("sentencia") << "1; drop table servicios" << porNombre;
    }
    void orden()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, campo);
        QFETCH(QStringList, orden);
        p = std::make_unique<Pantalla>(motor, 0, QLatin1Char(','));
        gCampoOrdenItemsCaja = campo;
        frmBonosServicios& venta = p->abrir();
        QStringList vistos;
        for (BotonPanel* b : venta.findChild<Tactipan*>(QStringLiteral("PanelServicios"))->botonesPagina())
            vistos << b->text();
        QCOMPARE(vistos, orden);
    }

    // Parpadeo del campo que espera; en el pago mixto, el botón de terminar
    void parpadeo_data()
    {
        columnasBase();
        filas([](const QByteArray& n, int modo, QChar s) {
            QTest::addRow("%s", n.data()) << modo << s;
        });
    }
    void parpadeo()
    {
        abrir();
        p->clienteElegido = QStringLiteral("2");
        p->abrir();
        p->elegir(QStringLiteral("Completo"));
        const QString foco = Componentes::colores().ColorFoco(gConexion, gEsquemaColores);
        QTRY_COMPARE(fondo(QStringLiteral("txtSesiones")), foco);
        QTRY_VERIFY(fondo(QStringLiteral("txtSesiones")) != foco);
        // Mixto de 100: 40 con tarjeta y 60 en efectivo cubren el precio
        p->teclear(QStringLiteral("1"));
        p->pulsarPanel(QStringLiteral("PanelFormasPago"), QStringLiteral("Mixto"));
        p->teclear(QStringLiteral("40"));
        QCOMPARE(p->texto(QStringLiteral("txtEntrega")), deSep(QStringLiteral("60#00")));
        p->tocar(QStringLiteral("txtEntrega"));
        QTRY_COMPARE(fondo(QStringLiteral("cmd_FinVenta")), foco);
        QTRY_VERIFY(fondo(QStringLiteral("cmd_FinVenta")) != foco);
        QVERIFY(fondo(QStringLiteral("txtEntrega")) != foco);
    }
};

QTEST_MAIN(TstFrmBonosServicios)
#include "tst_frmbonosservicios.moc"
