// Páginas de ayuda del programa: bien formadas, con su título, enlaces y
// anclas que llevan a algún sitio, y que el visor las encuentra y las muestra
#include "plataforma/pantalla/Visorel.h"
#include "datos/Globales.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QXmlStreamReader>

namespace {

struct Pagina {
    QString titulo;
    QStringList h1;
    QSet<QString> anclas;
    QStringList enlaces;
    QString error;
};

// Las páginas se escriben como XHTML para poder comprobarlas con un lector estricto
Pagina leer(const QString& ruta)
{
    Pagina p;
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) {
        p.error = QStringLiteral("no se puede abrir");
        return p;
    }
    QXmlStreamReader x(&f);
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString n = x.name().toString();
        if (n == QLatin1String("title"))
            p.titulo = x.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        else if (n == QLatin1String("h1"))
            p.h1 << x.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        else if (n == QLatin1String("a")) {
            const auto a = x.attributes();
            if (a.hasAttribute(QLatin1String("name")))
                p.anclas.insert(a.value(QLatin1String("name")).toString());
            if (a.hasAttribute(QLatin1String("href")))
                p.enlaces << a.value(QLatin1String("href")).toString();
        }
    }
    if (x.hasError())
        p.error = QStringLiteral("línea %1: %2").arg(x.lineNumber()).arg(x.errorString());
    return p;
}

QString carpeta()
{
    return QStringLiteral(TARVELO_RECURSOS "/ayudas");
}

}  // namespace

class TstAyudas : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void paginas_data()
    {
        QTest::addColumn<QString>("fichero");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("menú principal") << "tarv1.html" << "Gestión de Bonos: menú principal";
        QTest::newRow("bonos de servicios") << "bonser1.html" << "Bonos de servicios";
        QTest::newRow("bonos de packs") << "bonser2.html" << "Bonos de packs de servicios";
        QTest::newRow("buscar clientes") << "buscar.html" << "Buscar clientes";
    }
    void paginas()
    {
        QFETCH(QString, fichero);
        QFETCH(QString, titulo);
        const Pagina p = leer(QDir(carpeta()).filePath(fichero));
        QVERIFY2(p.error.isEmpty(), qPrintable(p.error));
        QCOMPARE(p.titulo, titulo);
        QCOMPARE(p.h1, QStringList{titulo});

        // Cada enlace lleva a una página que existe y, si nombra un ancla, a un ancla que existe
        for (const QString& enlace : p.enlaces) {
            QVERIFY2(!enlace.contains(QLatin1String("://")), qPrintable(enlace + " sale fuera de la ayuda"));
            const QString destino = enlace.section(QLatin1Char('#'), 0, 0);
            const QString ancla = enlace.section(QLatin1Char('#'), 1);
            Pagina otra = destino.isEmpty() ? p : leer(QDir(carpeta()).filePath(destino));
            QVERIFY2(otra.error.isEmpty(), qPrintable(enlace + ": " + otra.error));
            if (!ancla.isEmpty())
                QVERIFY2(otra.anclas.contains(ancla), qPrintable(enlace + ": falta el ancla"));
        }
    }

    // El visor las encuentra en la carpeta "ayudas" del programa y las muestra como texto
    void enElVisor_data() { paginas_data(); }
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
