// Otro programa que tiene bloqueada para escribir una base SQLite hasta que
// se le cierra la entrada; dice "bloqueada" en cuanto tiene el bloqueo.
//   bloqueo_sqlite <fichero>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QString::fromLocal8Bit(argv[1]));
    if (!db.open() || !QSqlQuery(db).exec(QStringLiteral("begin exclusive")))
        return 1;
    std::puts("bloqueada");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    QSqlQuery(db).exec(QStringLiteral("rollback"));
    return 0;
}
