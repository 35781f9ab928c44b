// Times the issue browser's list without windows and the issued items
// report's delimited text on a data folder, against the same SQL in the
// sqlite3 tool, and prints each figure with its ratio to the tool's:
//   bench_kiadas <data folder> [repeats=3] [--server "..."]

#include "kapcsolat.h"
#include "kiadasnaplo.h"
#include "kintlevosegek.h"
#include "lapkod.h"
#include "lekerdezes/szovegexport.h"
#include "meres.h"
#include "sqlitemotor.h"

#include <QApplication>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

namespace {
BenchIroda iroda;
void Sor(const char* nev, double sajat, double eszkoz) {
    Meres(QString::fromUtf8(nev), sajat, iroda.eszkoz(), eszkoz);
}
} // namespace

int main(int argc, char** argv) {
    KepernyoNelkul();
    QApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (!iroda.argumentumok(a, "bench_kiadas", 3))
        return 2;
    const int ismetles = iroda.ismetles;
    Kapcsolat k;
    k.nyit(iroda.forras);
    const KiadasSzuro mind{QLatin1Char('T'), false}, kint{QLatin1Char('T'), true};

    KiadasNaploModell m(k);
    const double nyitas = LegjobbIdo(ismetles, [&] { m.nyit(QLatin1Char('T')); });
    std::printf("drawing issues listed: %d\n", m.rowCount());
    Sor("issue browser opened (all drawing issues)", nyitas,
        LegjobbIdo(ismetles, [&] { iroda.futtat(mind.sql()); }));
    const double szukit = LegjobbIdo(ismetles, [&] {
        m.setCsakKint(true);
        m.setCsakKint(false);
    });
    std::printf("outstanding: %d of %d\n", (m.setCsakKint(true), m.rowCount()),
                (m.setCsakKint(false), m.rowCount()));
    Sor("issue browser: outstanding on and off (no query)", szukit,
        LegjobbIdo(ismetles, [&] { iroda.futtat(kint.sql()); }));
    const double sorok = LegjobbIdo(ismetles, [&] {
        for (int r = 0; r < m.rowCount(); r += m.rowCount() / 50 + 1)
            m.index(r, 6).data();
    });
    Meres(QStringLiteral("issue browser: 50 screens of rows across the list"), sorok);

    QTemporaryDir dir;
    for (const auto& [nev, sz] : {std::pair{"issued-items CSV, outstanding drawing sets", kint},
                                  std::pair{"issued-items CSV, all drawing issues", mind}}) {
        const QString cel = dir.filePath(QStringLiteral("Kintlevo.csv"));
        const double sajat = LegjobbIdo(ismetles, [&] {
            OlvasoForras forras(k, sz.sql(), KiadasNaploModell::Feliratok());
            SzovegExportFormatum::FajlIras(cel,
                                           SzovegExportFormatum::HataroltSorok(
                                               forras, SzovegExportFormatum::HataroltBeallitas{}));
        });
        const qint64 meret = QFileInfo(cel).size();
        const double eszkoz = LegjobbIdo(
            ismetles, [&] { iroda.futtat(sz.sql(), dir.filePath(QStringLiteral("eszkoz.csv"))); });
        std::printf("%s: %.1f MB\n", nev, meret / 1e6);
        Sor(nev, sajat, eszkoz);
    }
    // What is out, by holder.
    int birtokosok = 0, tetelek = 0;
    const double kintIdo = LegjobbIdo(ismetles, [&] {
        const QList<Kintlevosegek::Birtokos> l =
            Kintlevosegek::Olvas(k, QDate::currentDate(), Kintlevosegek::AlapKuszob);
        birtokosok = int(l.size());
        tetelek = 0;
        for (const Kintlevosegek::Birtokos& b : l)
            tetelek += int(b.tetelek.size());
    });
    Meres(QStringLiteral("outstanding items per holder (%1 items, %2 holders)")
              .arg(tetelek)
              .arg(birtokosok),
          kintIdo);
    // An issue sheet read by its scanned code (the newest record out).
    QSqlQuery q = k.sql(QStringLiteral("SELECT max(tervkiad) FROM tervkiad WHERE kint='I'"));
    const int kulcs = q.next() ? q.value(0).toInt() : 0;
    if (kulcs > 0) {
        const double lapIdo = LegjobbIdo(ismetles, [&] { LapKod::Olvas(k, {kulcs, kulcs}); });
        Meres(QStringLiteral("issue sheet read by its code"), lapIdo);
    }
    return 0;
}
