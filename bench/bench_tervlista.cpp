// Times the plan list of the register without windows on a data folder (or
// its office on a server) and the same SQL in the engine's own tool, and
// prints each figure with its ratio to the tool's:
//   bench_tervlista <data folder> [repeats=3] [--server "..."]
// Build a large folder first with nagy_adatmappa.

#include "kapcsolat.h"
#include "meres.h"
#include "sqlitemotor.h"
#include "tervlista.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryFile>
#include <cstdio>
#include <functional>

namespace {

BenchIroda iroda;

double ido(const std::function<void()>& fv) {
    return LegjobbIdo(iroda.ismetles, fv);
}

// The tool running the statements, its output thrown away.
double eszkozIdo(const QString& sql) {
    return ido([&] { iroda.futtat(sql); });
}

void sor(const char* mi, double mi_ms, double eszkoz_ms) {
    Meres(QStringLiteral("plan list: ") + QString::fromUtf8(mi), mi_ms, iroda.eszkoz(), eszkoz_ms);
}

QString sqlSzoveg(const QString& oszlop) {
    return TervLista::Sql(oszlop).join(QLatin1Char('\n'));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (!iroda.argumentumok(a, "bench_tervlista", 3))
        return 2;
    Kapcsolat k;
    k.nyit(iroda.forras);
    TervListaModell qry(k);

    QSqlQuery n =
        k.sql(QStringLiteral("SELECT (SELECT count(*) FROM terv), (SELECT count(*) FROM terv_sor), "
                             "(SELECT count(*) FROM tervkiad)"));
    n.next();
    std::printf("plans %d, lines %d, issue records %d; best of %d runs\n\n", n.value(0).toInt(),
                n.value(1).toInt(), n.value(2).toInt(), iroda.ismetles);
    n.finish(); // an unfinished read would keep other processes from writing

    // Opening the plan list with its counter (count and position of the
    // first plan).
    QString szamlalo;
    const double nyitas = ido([&] {
        qry.nyit(QStringLiteral("tervszam"), false);
        szamlalo = QString::asprintf(" %d / %d", qry.rowCount(), qry.rowCount() > 0 ? 1 : 0);
        qry.data(qry.index(0, 1)); // the first block the grid shows
    });
    sor("open plan list + counter + first rows", nyitas,
        eszkozIdo(sqlSzoveg(QStringLiteral("tervszam"))));
    std::printf("   counter:%s\n", qPrintable(szamlalo));

    // The same with Qt's query model, which has to read every row to find a
    // plan's position (why the plan list reads its keys itself).
    const int kozepso = qry.kulcs(qry.rowCount() / 2);
    const double qtModell = ido([&] {
        QSqlQueryModel m;
        m.setQuery(k.motor().fordit(sqlSzoveg(QStringLiteral("tervszam"))), k.db());
        while (m.canFetchMore())
            m.fetchMore();
        for (int i = 0; i < m.rowCount(); ++i)
            if (m.data(m.index(i, 0)).toInt() == kozepso)
                break;
    });
    sor("(QSqlQueryModel: open and locate a middle plan)", qtModell,
        eszkozIdo(sqlSzoveg(QStringLiteral("tervszam"))));

    // Ordering by each column of the grid, keeping the current plan.
    const QStringList oszlopok{"Tervszam",   "datum",   "tervezo_nev",   "Cim",
                               "szakag_nev", "tervjel", "tervfajta_nev", "tervszakasz_nev",
                               "ugyfel_nev", "szur"};
    for (const QString& o : oszlopok) {
        const double t = ido([&] {
            qry.nyit(o, false);
            const int sor = qry.sorKulcsa(kozepso);
            qry.data(qry.index(qMax(0, sor), 1));
        });
        const QByteArray nev = QStringLiteral("order by %1 + locate").arg(o).toUtf8();
        sor(nev.constData(), t, eszkozIdo(sqlSzoveg(o)));
    }

    // Quick search for a two-letter prefix, ordered by designer.
    qry.nyit(QStringLiteral("tervezo_nev"), false);
    int talalt = -1;
    const double kereses = ido([&] {
        talalt = qry.keresEleje(QStringLiteral("ko"));
        qry.data(qry.index(qMax(0, talalt), 1));
    });
    QStringList like = TervLista::Sql(QStringLiteral("tervezo_nev"));
    like.insert(like.size() - 1, QStringLiteral("WHERE UPPER(tervezo_nev) LIKE 'KO%'"));
    sor("quick search \"ko\" (ordered by designer)", kereses,
        eszkozIdo(like.join(QLatin1Char('\n'))
                      .replace(QStringLiteral(";"), QStringLiteral(" LIMIT 1;"))));
    std::printf("   found row %d\n", talalt);

    // Filter on and off.
    const double szuroBe = ido([&] { qry.nyit(QStringLiteral("tervszam"), true); });
    QStringList szurt = TervLista::Sql(QStringLiteral("tervszam"));
    szurt.insert(szurt.size() - 1, QStringLiteral("WHERE szur='I'"));
    sor("filter on", szuroBe, eszkozIdo(szurt.join(QLatin1Char('\n'))));
    std::printf("   marked plans: %d\n", qry.rowCount());
    const double szuroKi = ido([&] { qry.nyit(QStringLiteral("tervszam"), false); });
    sor("filter off", szuroKi, eszkozIdo(sqlSzoveg(QStringLiteral("tervszam"))));

    // Marking one designer's plans and reopening the list on the current plan.
    QSqlQuery t = k.sql(
        QStringLiteral("SELECT tervezo FROM terv GROUP BY tervezo ORDER BY count(*) DESC LIMIT 1"));
    t.next();
    const int tervezo = t.value(0).toInt();
    t.finish();
    const QString jeloles =
        QStringLiteral("UPDATE terv SET szur='I' WHERE tervezo=%1;").arg(tervezo);
    const double jelolesIdo = ido([&] {
        k.sql(jeloles);
        qry.nyit(QStringLiteral("tervszam"), false);
        qry.sorKulcsa(kozepso);
    });
    sor("mark a designer's plans + reopen", jelolesIdo,
        eszkozIdo(jeloles + QLatin1Char('\n') + sqlSzoveg(QStringLiteral("tervszam"))));
    k.sql(QStringLiteral("UPDATE terv SET szur='N' WHERE tervezo=%1;").arg(tervezo));
    return 0;
}
