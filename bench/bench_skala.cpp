// The figures of one size of office for the scaling table (bench/skala.sh):
// the register's main window opened on a data folder as the program opens
// it, its memory, the grid's first screen, and the operations that read the
// whole register, each the best of a few runs; one "name<TAB>value" line
// each (milliseconds, the memory in MB):
//   bench_skala <data folder> [repeats=3]

#include "foablak/tfrm_main.h"
#include "kapcsolat.h"
#include "kiadasnaplo.h"
#include "lekerdezes/keres.h"
#include "lekerdezes/szovegexport.h"
#include "meres.h"
#include "seged.h"
#include "tervlista.h"

#include <QApplication>
#include <QFile>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

namespace {
// The process's resident memory now, in MB.
double MemoriaMB() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> m = f.readAll().split(' ');
    return m.size() > 1 ? m.at(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1 << 20) : -1;
}

void Ki(const char* nev, double ertek) {
    std::printf("%s\t%.3f\n", nev, ertek);
}
} // namespace

int main(int argc, char** argv) {
    KepernyoNelkul();
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "0");
    qputenv("QT_ACCESSIBILITY", "0");
    QApplication app(argc, argv);
    BenchIroda iroda;
    if (!iroda.argumentumok(app.arguments(), "bench_skala", 3))
        return 2;
    const int n = iroda.ismetles;

    // The main window as the program opens it: a program folder whose INI
    // names the data folder.
    QTemporaryDir program;
    Seged::ProgramMappaBeallit(program.path());
    QFile ini(program.filePath(QStringLiteral("Pelvano.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write(QStringLiteral("[Database]\nPath=%1\n[Screen]\nFullScreen=0\nWidth=1000\n"
                             "Height=700\n")
                  .arg(iroda.forras.mappa)
                  .toUtf8());
    ini.close();
    const double elotte = MemoriaMB();
    QElapsedTimer t;
    t.start();
    Tfrm_Main w;
    if (!w.Inditas())
        return 1;
    w.show();
    QCoreApplication::processEvents();
    w.DBGrid1->viewport()->grab();
    Ki("window opened", t.nsecsElapsed() / 1e6);
    Ki("window memory", MemoriaMB() - elotte);
    Ki("grid's first screen", LegjobbIdo(n, [&] { w.DBGrid1->viewport()->grab(); }));

    Kapcsolat& k = w.Db1();
    TervListaModell lista(k);
    Ki("open plan list", LegjobbIdo(n, [&] {
           lista.nyit(QStringLiteral("tervszam"), false);
           lista.data(lista.index(0, 1));
       }));
    const int kozepso = lista.kulcs(lista.rowCount() / 2);
    Ki("order by subject + locate", LegjobbIdo(n, [&] {
           lista.nyit(QStringLiteral("Cim"), false);
           lista.data(lista.index(qMax(0, lista.sorKulcsa(kozepso)), 1));
       }));
    lista.nyit(QStringLiteral("tervezo_nev"), false);
    Ki("quick search", LegjobbIdo(n, [&] {
           lista.data(lista.index(qMax(0, lista.keresEleje(QStringLiteral("ko"))), 1));
       }));
    const QString keres = Keres::Sql(QStringLiteral("kov")).join(QLatin1Char('\n'));
    Ki("detailed search", LegjobbIdo(n, [&] {
           QSqlQuery q = k.lekerdez(keres);
           while (q.next()) {
           }
       }));
    KiadasNaploModell naplo(k);
    Ki("issue browser opened", LegjobbIdo(n, [&] {
           naplo.nyit(QLatin1Char('T'));
           naplo.index(0, 1).data();
       }));
    QTemporaryDir dir;
    const QString cel = dir.filePath(QStringLiteral("tervek.csv"));
    const QString sql = TervLista::Sql(QStringLiteral("tervszam")).join(QLatin1Char('\n'));
    Ki("plan list CSV", LegjobbIdo(n, [&] {
           OlvasoForras forras(k, sql, {});
           SzovegExport(forras, cel, QStringLiteral(";"));
       }));
    return 0;
}
