// Creación y actualización del esquema en los dos motores
#include "BaseDatosPrueba.h"
#include "Catalogo.h"
#include "Esquema.h"
#include "datos/Consulta.h"

#include <QTest>

using namespace BaseDatosPrueba;

class TstEsquema : public QObject {
    Q_OBJECT
private slots:
    void creaDesdeVaciaYEsRepetible_data();
    void creaDesdeVaciaYEsRepetible();
};

void TstEsquema::creaDesdeVaciaYEsRepetible_data()
{
    filasMotores();
}

void TstEsquema::creaDesdeVaciaYEsRepetible()
{
    QFETCH(QString, motor);
    Temporal db(motor, Contenido::Vacia);
    for (auto base : {Esquema::Base::Tienda, Esquema::Base::Informes}) {
        Conexion c;
        c.abrir(base == Esquema::Base::Tienda ? db.tienda() : db.informes());
        QCOMPARE(Esquema::versionInstalada(c, base), 0);
        QCOMPARE(Esquema::actualizar(c, base), Esquema::versionActual(base));
        QCOMPARE(Esquema::actualizar(c, base), Esquema::versionActual(base));
        Consulta q(c, QStringLiteral("select count(*) as n from version_esquema"));
        QVERIFY(q.siguiente());
        QCOMPARE(q.entero(QStringLiteral("n")), Esquema::versionActual(base));
    }
}

QTEST_GUILESS_MAIN(TstEsquema)
#include "tst_esquema.moc"
