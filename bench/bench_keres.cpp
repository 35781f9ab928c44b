// Times the detailed search over the plans of a data folder against the
// same statement in the sqlite3 tool:
//   bench_keres <data folder> [repeats=3]

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
    if (a.size() < 2) {
        std::fprintf(stderr, "usage: bench_keres <data folder> [repeats]\n");
        return 2;
    }
    const int ismetles = a.size() > 2 ? qMax(1, a.at(2).toInt()) : 3;
    Kapcsolat k;
    k.nyit(a.at(1));
    const QString fajl = SqliteMotor::AdatFajl(a.at(1));
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
            LegjobbIdo(ismetles, [&] { Sqlite3Futtat(fajl, sorok.join(QLatin1Char('\n'))); });
        std::printf("search \"%s\": %d plans   %9.1f ms   sqlite3 %9.1f ms   ratio %5.2f\n", szoveg,
                    talalat, sajat, eszkoz, sajat / eszkoz);
    }
    return 0;
}
