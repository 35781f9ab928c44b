// Times the detailed search over the plans of a data folder against the
// same statement in the sqlite3 tool:
// (or its office on a server against psql):
//   bench_keres <data folder> [repeats=3] [--server "..."]

#include "kapcsolat.h"
#include "lekerdezes/keres.h"
#include "meres.h"
#include "sqlitemotor.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    BenchIroda iroda;
    if (!iroda.argumentumok(a, "bench_keres", 3))
        return 2;
    const int ismetles = iroda.ismetles;
    Kapcsolat k;
    k.nyit(iroda.forras);
    for (const char* szoveg : {"kov", "tervező", "x-nincs-ilyen"}) {
        const QStringList sorok = Keres::Sql(QString::fromUtf8(szoveg));
        int talalat = 0;
        const double sajat = LegjobbIdo(ismetles, [&] {
            QSqlQuery q = k.lekerdez(sorok.join(QLatin1Char('\n')));
            talalat = 0;
            while (q.next())
                ++talalat;
        });
        const double eszkoz =
            LegjobbIdo(ismetles, [&] { iroda.futtat(sorok.join(QLatin1Char('\n'))); });
        Meres(QStringLiteral("detailed search \"%1\" (%2 plans)")
                  .arg(QString::fromUtf8(szoveg))
                  .arg(talalat),
              sajat, iroda.eszkoz(), eszkoz);
    }
    return 0;
}
