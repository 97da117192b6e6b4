// Entradas hostiles en cada campo de la búsqueda de clientes, la venta y el borrado de un bono, en los dos motores: la
// base solo cambia por lo que la acción debía guardar, ningún error del motor llega al usuario y el campo sigue sirviendo
#include "AvisosPrueba.h"
#include "VentaPrueba.h"
#include "pantallas/bajas/frmBorrarBonos.h"
#include "pantallas/busqueda/frmBuscar.h"

#include <QClipboard>
#include <QListWidget>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace VentaPrueba;

namespace {

const QStringList kCargas{"'", "\"", "' or 1=1 --", "%", "_", "\\", ";drop table clientes", "-1", QStringLiteral("9A'%_").repeated(1000),
                          QStringLiteral("a\tb\x01" "c\x7f" "d\ne\rf") + QChar(0) + "g", "Ωμέγα", "日本語", "Привет", "😀💇"};
// Los únicos avisos que una entrada mala puede dar
const QStringList kAvisosClaros{"Buscar|Debe rellenar algún dato para poder buscar", "Buscar|No existe ningún cliente con esas condiciones",
                                frmBonosServicios::titulo(0) + "|Escriba las sesiones y el precio del bono"};

// Cada tabla (no las del propio motor): cuántas filas tiene y el texto de todas ellas, en orden
using Foto = QMap<QString, QPair<int, QString>>;
Foto foto()
{
    Foto f;
    for (const QString& t : gConexion.baseDatos().tables().filter(QRegularExpression("^(?!sqlite_)"))) {
        QSqlQuery q("select * from " + t, gConexion.baseDatos());
        QStringList filas;
        while (q.next())
            for (int i = 0, n = q.record().count(); i < n; ++i)
                (i ? filas.last() : filas.emplace_back()) += q.value(i).toString() + '\x1f';
        filas.sort();
        f[t] = {int(filas.size()), filas.join('\x1e')};
    }
    return f;
}
// Las tablas que cambiaron, con las filas de más: "cabecera_bonos+1 relaciones_fijas+0"
QString cambios(const Foto& antes, const Foto& despues)
{
    QStringList r;
    for (auto it = despues.cbegin(); it != despues.cend(); ++it)
        if (antes.value(it.key()) != it.value())
            r << it.key() + QString::asprintf("%+d", it.value().first - antes.value(it.key()).first);
    return r.join(' ');
}

// Pulsa el botón a la vista de ese nombre o texto; con teclas, solo si es una del teclado en pantalla
void pulsar(QWidget* raiz, const QString& boton, const char* teclas = "")
{
    for (QAbstractButton* b : raiz->findChildren<QAbstractButton*>(QRegularExpression(teclas)))
        if (b->isVisible() && (b->objectName() == boton || b->text() == boton))
            return QTest::mouseClick(b, Qt::LeftButton);
}

// La carga en el campo con el foco (que un tabulador cambia): tecla a tecla y pegada, o con las teclas en pantalla.
// Cada tecla rehace el texto del campo: lo largo solo se pega, como de un método de entrada, y en pantalla bastan 500.
void escribir(bool enPantalla, QWidget* raiz, const QString& carga)
{
    static const QHash<char32_t, int> especiales{{U'\t', Qt::Key_Tab}, {U'\n', Qt::Key_Return}, {U'\x7f', Qt::Key_Delete}};
    static const QHash<QString, QString> rotulos{{" ", "ESPACIO"}, {"\n", "OK"}, {"\x7f", "BORRAR"}};
    for (const char32_t u : carga.left(enPantalla || carga.size() <= 500 ? 500 : 0).toUcs4()) {
        const QString c = QString::fromUcs4(&u, 1);
        const int k = u < 0x7f && QChar::isPrint(u) ? int(QChar::toUpper(u)) : int(Qt::Key_unknown);
        if (!enPantalla)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(especiales.value(u, k)), c, {});
        else
            pulsar(raiz, rotulos.value(c, c.toUpper()), "^(bt_letra|btnNumerico)");
    }
    QGuiApplication::clipboard()->setText(carga);
    if (!enPantalla)
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
}

}  // namespace

class TstHostil : public QObject {
    Q_OBJECT

    std::unique_ptr<Pantalla> p;
    AvisosPrueba m_avisos;  // los de las capas de abajo, de toda la prueba
    Foto m_foto;  // la base tras el caso anterior: lo de entre casos tampoco escribe
    QSet<QString> m_campos;

    // Un caso: la carga en el campo y la acción del campo, que dice qué debía guardar
    void caso(bool enPantalla, QWidget* raiz, QLineEdit* campo, int carga, const std::function<QString()>& accion)
    {
        m_campos << campo->objectName();
        const Foto antes = m_foto;
        QTest::mouseClick(campo, Qt::LeftButton);
        QCoreApplication::processEvents();  // lo que hace el campo al tocarlo
        escribir(enPantalla, raiz, kCargas.at(carga));
        const QString esperado = accion(), hubo = cambios(antes, m_foto = foto());
        const QByteArray donde = QStringLiteral("%1, carga %2: ").arg(campo->objectName()).arg(carga).toUtf8();
        QVERIFY2(hubo == esperado, donde + hubo.toUtf8() + " en vez de " + esperado.toUtf8());
        for (const QString& m : Mensajes::anotados() + m_avisos.anotados)
            QVERIFY2(kAvisosClaros.contains(m), donde + m.toUtf8());
        Mensajes::limpiarAnotados();
    }

    void buscar(bool enPantalla)
    {
        frmBuscar b;
        b.show();
        QVERIFY(QTest::qWaitForWindowActive(&b));
        // Cada campo con un dato de Ana que la encuentra (y que sigue en él al teclear la carga siguiente)
        for (int carga = 0; carga < kCargas.size() && !QTest::currentTestFailed(); ++carga)
            for (const QString& c : {"txtNombre=ANA", "txtApellidos=GARC", "txtTelefono=983", "txtMovil=600",
                                     "txtCodigo=C001", "txtEmail=ANA@", "txtDNI=1111"}) {
                auto* campo = b.findChild<QLineEdit*>(c.section('=', 0, 0));
                caso(enPantalla, &b, campo, carga, [&] {  // buscar no guarda nada
                    enPantalla ? pulsar(&b, "OK") : QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    return QString();
                });
                pulsar(&b, QStringLiteral("cmdLimpiar"));
                QTest::mouseClick(campo, Qt::LeftButton);
                QTest::keyClicks(campo, c.section('=', 1) + '\r');
                auto* lista = b.findChild<QListWidget*>(QStringLiteral("ListBusClie"));
                QVERIFY2(lista->count() == 1 && lista->item(0)->text() == "Ana García", qPrintable(c));
            }
    }

    // Terminar la venta como lo haría una persona: se guarda lo que se ve, o no se puede terminar
    QString terminarVenta()
    {
        const bool deuda = !p->visible("cmd_FinVenta");
        for (const char* boton : {"cmd_FinVenta", "cmdDeuda", "cmdAceptarDeuda"})
            if (p->visible(boton) && !p->visible("fr_Ocultar"))
                p->pulsar(boton);
        if (!p->visible("frEmpleados"))
            return {};
        const double sesiones = Valores::leerNumeroIndulgente(p->texto("txtSesiones"));
        const double precio = Valores::leerNumeroIndulgente(p->texto("lblPrecio"));
        p->pulsarPanel("PanelEmpleados", "Pedro R");
        // Lo guardado es lo que se veía, y ninguna venta sale por menos de nada
        Consulta q(gConexion, QStringLiteral("select num_sesiones, precio from cabecera_bonos order by numbono desc"));
        if (!q.siguiente() || q.valor("num_sesiones").toDouble() != sesiones || q.valor("precio").toDouble() != precio || precio < 0)
            return QStringLiteral("la venta de %1 sesiones por %2").arg(sesiones).arg(precio);
        return QStringLiteral("cabecera_bonos+1 cabecera_factura+1 %1detalle_factura+1 relaciones_fijas+0")
            .arg(deuda ? "cabecera_pago+1 " : "");
    }

    void venta(bool enPantalla)
    {
        frmBonosServicios& v = p->abrir();
        auto* lista = p->w<Rejilla>("grid_BonosActivos");
        // El filtro de la lista (txtBuscar) no tiene teclado en pantalla
        const QStringList campos = QStringList{"txtSesiones", "lblPrecio", "txtDescuento", "txtEntrega", "txtPagoTarjeta", "txtBuscar"};
        for (int carga = 0; carga < kCargas.size() && !QTest::currentTestFailed(); ++carga)
            for (const QString& c : campos.mid(0, enPantalla ? 5 : 6)) {
                const bool enLista = c == "txtBuscar";
                // Sesiones 2 de Corte (25), pago mixto: todos los campos a la vista
                if (p->visible("frFinAlta") == enLista)
                    enLista ? p->pulsar("cmd_Regresar") : p->hastaCobro("Corte", "2", "Mixto");
                // Si la carga no cambió nada a la vista, terminar sería una venta normal más
                const auto vista = [&] {
                    QStringList t;
                    for (QLineEdit* e : p->w("frFinAlta")->findChildren<QLineEdit*>())
                        t << e->text();
                    return t;
                };
                caso(enPantalla, &v, p->caja(c), carga, [&, antes = vista()] {
                    return enLista || vista() == antes ? QString() : terminarVenta();
                });
                if (enLista) {
                    // El filtro vuelve a dejar a la vista solo el bono de Ana
                    QTest::keyClick(p->caja(c), Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClicks(p->caja(c), "ana");
                    for (int f = 1; f < lista->filas(); ++f)
                        QCOMPARE(lista->filaOculta(f), lista->texto(f, 1) != "Ana García");
                } else if (p->visible("frFinAlta")) {
                    p->tocar(c);
                    p->teclear("C3");
                    QCOMPARE(p->texto(c), QStringLiteral("3"));
                }
            }
    }

    void borrar(bool enPantalla)
    {
        p->abrir();
        for (int carga = 0; carga < kCargas.size() && !QTest::currentTestFailed(); ++carga) {
            // Uno de los bonos de Luis por 100 en 10 sesiones, de la factura 57
            frmBorrarBonos b({QString::number(100 + carga), "Luis Pérez", "Masaje", "10", "0", "100", "2", "6"}, QPoint());
            b.show();
            QVERIFY(QTest::qWaitForWindowActive(&b));
            auto* importe = b.findChild<QLineEdit*>(QStringLiteral("txtImporte"));
            auto* empleados = b.findChild<QWidget*>(QStringLiteral("frEmpleados"));
            caso(enPantalla, &b, importe, carga, [&] {
                pulsar(&b, QStringLiteral("cmd_FinVenta"));
                if (!empleados->isVisible())
                    return QString();
                const double visto = Valores::leerNumeroIndulgente(importe->text());
                pulsar(&b, QStringLiteral("Pedro R"));
                Consulta q(gConexion, QStringLiteral("select total from cabecera_abono order by numero desc"));
                if (!q.siguiente() || q.valor("total").toDouble() != visto)
                    return QStringLiteral("el abono de %1").arg(visto);
                return QStringLiteral("cabecera_abono+1 cabecera_bonos+0 detalle_abono+1 historial+1 relaciones_fijas+0");
            });
            // Si no se borró, un importe normal aún se acepta
            for (const char* t : {"C", "1", "2", "cmd_FinVenta"})
                if (b.isVisible())
                    pulsar(&b, t);
            QVERIFY(!b.isVisible() || (importe->text() == "12" && empleados->isVisible()));
        }
    }

private Q_SLOTS:
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void init() { reiniciarGlobales(); }
    void cleanup() { p.reset(); }
    void cleanupTestCase() { qInfo() << "cargas × campos =" << kCargas.size() * m_campos.size(); }

    void cargas_data()
    {
        QTest::addColumn<QString>("pantalla");
        QTest::addColumn<bool>("enPantalla");
        for (const char* pantalla : {"frmBuscar", "frmBonosServicios", "frmBorrarBonos"})
            for (bool enPantalla : {false, true})
                QTest::addRow("%s/%s", pantalla, enPantalla ? "en pantalla" : "teclado") << QString(pantalla) << enPantalla;
    }
    void cargas()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, pantalla);
        QFETCH(bool, enPantalla);
        p = std::make_unique<Pantalla>(motor, 0, QLatin1Char(','));
        p->clienteElegido = QStringLiteral("2");
        CierreVenta::ponerRegistro({});  // el de verdad
        gConexion.ejecutar(QStringLiteral("update clientes set telefono1 = '983111222', telefono2 = '600111222', email = "
                                          "'ana@correo.es', codigocliente = 'C001', nif = '11111111H' where codigo = 1"));
        // Un bono de Ana (el 99) y, de la factura 57, los de Luis que se borran
        for (int bono = 99; bono < 100 + kCargas.size(); ++bono)
            gConexion.ejecutar(QStringLiteral("insert into cabecera_bonos (numbono, cliente, servicio, precio, fecha_desde, "
                                              "fecha_hasta, num_sesiones, num_factura, estado) values (?, ?, 6, 100, ?, ?, 10, 57, 0)"),
                               {bono, bono == 99 ? 1 : 2, QDate::currentDate(), QDate::currentDate().addDays(30)});
        gConexion.ejecutar(QStringLiteral("insert into cabecera_factura (numero, cliente, pago, borrar) values (57, 2, 1, -1)"));
        gConexion.ejecutar(QStringLiteral("insert into detalle_factura (num_factura, codigo, producto, precio, descuento, "
                                          "precio_unit, impuesto, tipoimpuesto, tipo_venta) values (57, 6, 'Masaje', 100, 0, "
                                          "10, 17.36, 21, 'B')"));
        for (const char* contador : {"Factura", "Bonos", "PagosCuenta", "Abonos"})
            SesionPrueba::ponerContador(gConexion, QLatin1String(contador), 500);
        m_foto = foto();  // abrir la pantalla tampoco escribe
        pantalla == "frmBuscar" ? buscar(enPantalla) : pantalla == "frmBonosServicios" ? venta(enPantalla) : borrar(enPantalla);
    }
};

QTEST_MAIN(TstHostil)
#include "tst_hostil.moc"
