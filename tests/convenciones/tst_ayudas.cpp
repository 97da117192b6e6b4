// Páginas de ayuda del programa: el visor las encuentra en la carpeta
// "ayudas" del programa y las muestra como texto, con su título
#include "plataforma/pantalla/Visorel.h"
#include "datos/Globales.h"

#include <QTest>
#include <QTextBrowser>

class TstAyudas : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void enElVisor_data()
    {
        QTest::addColumn<QString>("fichero");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("menú principal") << "tarv1.html" << "Gestión de Bonos: menú principal";
        QTest::newRow("bonos de servicios") << "bonser1.html" << "Bonos de servicios";
        QTest::newRow("bonos de packs") << "bonser2.html" << "Bonos de packs de servicios";
        QTest::newRow("buscar clientes") << "buscar.html" << "Buscar clientes";
    }
    void enElVisor()
    {
        QFETCH(QString, fichero);
        QFETCH(QString, titulo);
        ponerCarpetaPrograma(QStringLiteral(TARVELO_RECURSOS));
        Visorel v;
        v.ponerPagina(fichero);
        v.abrir();
        QVERIFY(v.paginaEncontrada());
        QVERIFY(!v.cerrar());
        const QString texto = v.navegador()->toPlainText();
        QVERIFY(texto.startsWith(titulo));
        QVERIFY2(!texto.contains(QLatin1Char('<')), "se ve HTML sin interpretar");
        QVERIFY(texto.size() > 500);
    }
};

QTEST_MAIN(TstAyudas)
#include "tst_ayudas.moc"
