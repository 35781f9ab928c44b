// Times the free SQL window on large results against the sqlite3 tool:
// the query to its first screen, the rest read in the background, a jump to
// the last row, and the export of every row:
//   bench_sql <data folder> [repeats=3] [--server "..."]

#include "fajlparbeszed.h"
#include "kapcsolat.h"
#include "lekerdezes/szabadsql.h"
#include "lekerdezes/tfrm_sql.h"
#include "meres.h"
#include "sqlitemotor.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <Qsci/qsciscintilla.h>
#include <cstdio>

namespace {

// Paints the grid at once, as the screen would show it.
void Rajzol(QTableView* racs) {
    racs->viewport()->repaint();
}

} // namespace

int main(int argc, char** argv) {
    KepernyoNelkul();
    QApplication app(argc, argv);
    const QStringList a = app.arguments();
    BenchIroda iroda;
    if (!iroda.argumentumok(a, "bench_sql", 3))
        return 2;
    const int ismetles = iroda.ismetles;
    Kapcsolat k;
    k.nyit(iroda.forras);
    QTemporaryDir ki;
    FajlParbeszed::tesztBekapcsol();

    for (const char* szoveg :
         {"SELECT * FROM tervkiad", "SELECT * FROM terv_sor ORDER BY rajzszam"}) {
        const QString sql = QString::fromUtf8(szoveg);
        Tfrm_SQL ablak(k);
        ablak.show();
        ablak.Memo1->setText(sql);
        auto* modell = ablak.findChild<SqlEredmenyModell*>();

        const double elsoKep = LegjobbIdo(ismetles, [&] {
            ablak.aFuttat->trigger();
            Rajzol(ablak.DBGrid1);
        });
        QElapsedTimer t;
        t.start();
        while (!modell->kesz())
            app.processEvents();
        const double mind = t.nsecsElapsed() / 1e6;
        const int sorok = modell->rowCount();
        const double vege = LegjobbIdo(ismetles, [&] {
            ablak.DBGrid1->scrollToBottom();
            Rajzol(ablak.DBGrid1);
            ablak.DBGrid1->scrollToTop();
            Rajzol(ablak.DBGrid1);
        });
        const double eszkoz = LegjobbIdo(ismetles, [&] { iroda.futtat(sql); });
        const QString nev = QStringLiteral("free SQL \"%1\" (%2 rows): ").arg(sql).arg(sorok);
        Meres(nev + QStringLiteral("first screen (tool: all rows)"), elsoKep, iroda.eszkoz(),
              eszkoz);
        Meres(nev + QStringLiteral("the rest read in the background"), mind);
        Meres(nev + QStringLiteral("to the bottom and back"), vege);

        const QString csv = ki.filePath(QStringLiteral("sql.csv"));
        const double exp = LegjobbIdo(ismetles, [&] {
            FajlParbeszed::kovetkezo(csv);
            ablak.aExport->trigger();
        });
        const double eszkozCsv = LegjobbIdo(ismetles, [&] {
            iroda.futtat(sql, ki.filePath(QStringLiteral("eszkoz.csv")), QStringLiteral("|"));
        });
        Meres(nev + QStringLiteral("export"), exp, iroda.eszkoz(), eszkozCsv);
    }
    return 0;
}
