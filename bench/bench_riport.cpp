// Lays out the plan list report of every plan of a data folder and writes it
// as PDF; prints the times, the page count and the process's peak memory:
//   bench_riport <data folder> [repeats] [--server "..."]
// (measured once whatever the repeats: the peak memory is the process's)

#include "kapcsolat.h"
#include "meres.h"
#include "oldalkeret.h"
#include "riportkimenet.h"
#include "tervlista.h"
#include "tervriport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {
double CsucsMemoriaMB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss / 1024.0; // kilobytes on Linux
}
} // namespace

int main(int argc, char** argv) {
    KepernyoNelkul();
    QApplication app(argc, argv); // fonts for the layout
    BenchIroda iroda;
    if (!iroda.argumentumok(app.arguments(), "bench_riport", 1))
        return 2;
    Kapcsolat k;
    k.nyit(iroda.forras);
    TervListaModell lista(k);
    QElapsedTimer t;
    t.start();
    lista.nyit(QStringLiteral("tervszam"), false);
    const double nyitas = t.nsecsElapsed() / 1e6;
    const double elotte = CsucsMemoriaMB();
    t.restart();
    const Riport::Dokumentum d =
        TervRiport::Lista(lista, QStringLiteral("Tervszám"), Oldalkeret::TulajdonosOlvas(k));
    const double elrendezes = t.nsecsElapsed() / 1e6;
    t.restart();
    const int lapok = int(d.tordel().size());
    const double tordeles = t.nsecsElapsed() / 1e6;
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("lista.pdf"));
    t.restart();
    const bool jo = RiportKimenet::PdfIr(d, fajl);
    const double pdf = t.nsecsElapsed() / 1e6;
    const QString nev =
        QStringLiteral("plan list report (%1 plans, %2 pages): ").arg(lista.rowCount()).arg(lapok);
    Meres(nev + QStringLiteral("list opened"), nyitas);
    Meres(nev + QStringLiteral("layout"), elrendezes);
    Meres(nev + QStringLiteral("paging"), tordeles);
    Meres(nev + QStringLiteral("PDF written (%1, %2 MB)")
                    .arg(jo ? QStringLiteral("ok") : QStringLiteral("FAILED"))
                    .arg(QFileInfo(fajl).size() / 1e6, 0, 'f', 1),
          pdf);
    Meres(nev + QStringLiteral("peak memory before the layout"), elotte, nullptr, 0, "MB");
    Meres(nev + QStringLiteral("peak memory"), CsucsMemoriaMB(), nullptr, 0, "MB");
    return jo ? 0 : 1;
}
