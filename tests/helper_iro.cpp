// A second process writing into a data folder at the same time as another:
//   helper_iro <data folder> <tag> <count> [<server>]
// Inserts <count> plans named "<tag>-<i>", each in its own transaction that
// also reads the current maximum first (a read-then-write that must wait for
// the other writer instead of failing).

#include "kapcsolat.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 4 && a.size() != 5)
        return 2;
    try {
        Kapcsolat k(QStringLiteral("iro"));
        k.nyit(Adatforras{a.at(1), a.value(4)});
        const int n = a.at(3).toInt();
        for (int i = 0; i < n; ++i) {
            Tranzakcio t(k);
            QSqlQuery q = k.sql(QStringLiteral("SELECT MAX(Terv) FROM terv"));
            q.next();
            k.sql(QStringLiteral("INSERT INTO terv (Tervszam, szur) VALUES (:t, 'N')"),
                  {{QStringLiteral("t"), QStringLiteral("%1-%2").arg(a.at(2)).arg(i)}});
            t.kesz();
        }
    } catch (const PelvanoHiba& h) {
        std::fprintf(stderr, "%s\n", h.what());
        return 1;
    }
    return 0;
}
