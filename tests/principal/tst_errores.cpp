// La caja de un error de la base de datos como la ve el usuario: la frase en
// español, lo técnico tras el botón de los detalles y los botones en español
#include "BaseDatosPrueba.h"
#include "datos/Consulta.h"
#include "principal/ManejadorErrores.h"
#include "principal/Mensajes.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class TstErrores : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { BaseDatosPrueba::filasMotores(); }
    void cajaDeError()
    {
        QFETCH_GLOBAL(QString, motor);
        QVERIFY(Mensajes::instalarTraduccionesQt());
        BaseDatosPrueba::Temporal db(motor, BaseDatosPrueba::Contenido::Vacia);
        Conexion c;
        c.abrir(db.tienda());

        QString texto, detalle;
        QStringList botones;
        QTimer vigia;
        connect(&vigia, &QTimer::timeout, [&] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caja)
                return;
            texto = caja->text();
            detalle = caja->detailedText();
            for (QAbstractButton* b : caja->findChildren<QAbstractButton*>())
                botones << b->text().remove(QLatin1Char('&'));
            caja->button(QMessageBox::Ok)->click();
        });
        vigia.start(10);
        QVERIFY(!ManejadorErrores::ejecutar([&] { Consulta q(c, QStringLiteral("select * from no_existe")); }));

        QCOMPARE(texto, QStringLiteral("La base de datos no está al día: le falta una tabla o una columna que usa el "
                                       "programa. Póngala al día con «tarvelo-admin actualizar»."));
        QVERIFY2(detalle.contains(QLatin1String("Sentencia: select * from no_existe")), qPrintable(detalle));
        botones.sort();
        QCOMPARE(botones, QStringList({QStringLiteral("Aceptar"), QStringLiteral("Mostrar los detalles...")}));
    }
};

QTEST_MAIN(TstErrores)
#include "tst_errores.moc"
