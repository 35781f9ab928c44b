// Lays out the plan list report of every plan of a data folder and writes it
// as PDF; prints the times, the page count and the process's peak memory:
//   bench_riport <data folder>

#include "kapcsolat.h"
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
    QApplication app(argc, argv); // fonts for the layout
    const QStringList a = app.arguments();
    if (a.size() < 2) {
        std::fprintf(stderr, "usage: bench_riport <data folder>\n");
        return 2;
    }
    Kapcsolat k;
    k.nyit(a.at(1));
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
    std::printf("plan list report of %d plans, %d pages\n", lista.rowCount(), lapok);
    std::printf("  list opened        %9.1f ms\n", nyitas);
    std::printf("  layout             %9.1f ms\n", elrendezes);
    std::printf("  paging             %9.1f ms\n", tordeles);
    std::printf("  PDF written        %9.1f ms (%s, %.1f MB)\n", pdf, jo ? "ok" : "FAILED",
                QFileInfo(fajl).size() / 1e6);
    std::printf("  peak memory        %9.1f MB (%.1f MB before the layout)\n", CsucsMemoriaMB(),
                elotte);
    return jo ? 0 : 1;
}
