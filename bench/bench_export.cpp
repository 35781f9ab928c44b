// Times the plain delimited export of the issue log and of the plan list's
// main query against the sqlite3 tool writing CSV of the same query:
// (or its office on a server against psql):
//   bench_export <data folder> [repeats=1] [--server "..."]

#include "kapcsolat.h"
#include "lekerdezes/szovegexport.h"
#include "meres.h"
#include "sqlitemotor.h"
#include "tervlista.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

int main(int argc, char** argv) {
    KepernyoNelkul();
    QApplication app(argc, argv); // the export's message boxes need widgets
    const QStringList a = app.arguments();
    BenchIroda iroda;
    if (!iroda.argumentumok(a, "bench_export", 1))
        return 2;
    const int ismetles = iroda.ismetles;
    Kapcsolat k;
    k.nyit(iroda.forras);
    QTemporaryDir dir;
    const QList<QPair<const char*, QString>> lekerdezesek{
        {"issue log", QStringLiteral("SELECT * FROM tervkiad;")},
        {"plan list's main query",
         TervLista::Sql(QStringLiteral("tervszam")).join(QLatin1Char('\n'))}};
    for (const auto& [nev, sql] : lekerdezesek) {
        const QString cel = dir.filePath(QStringLiteral("export.csv"));
        const double sajat = LegjobbIdo(ismetles, [&] {
            QSqlQuery q(k.db());
            q.setForwardOnly(true);
            q.prepare(k.motor().fordit(sql));
            SzovegExport(q, cel, QStringLiteral(";"));
        });
        const qint64 meret = QFileInfo(cel).size();
        const QString eszkozCel = dir.filePath(QStringLiteral("sqlite3.csv"));
        const double eszkoz = LegjobbIdo(ismetles, [&] { iroda.futtat(sql, eszkozCel); });
        Meres(QStringLiteral("SzovegExport of the %1 (%2 MB)")
                  .arg(QString::fromUtf8(nev))
                  .arg(meret / 1e6, 0, 'f', 1),
              sajat, iroda.eszkoz(), eszkoz);
    }
    return 0;
}
