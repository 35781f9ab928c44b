// The reports of a data folder: the plan list report of every plan and the
// issued items report of every drawing issue. For each: the preview's first
// page on screen (from the report's start), the paging of every page, and
// the process's peak memory after it; the plan list is also written as PDF.
//   bench_riport <data folder> [repeats] [--server "..."]
// (measured once whatever the repeats: the peak memory is the process's)

#include "kapcsolat.h"
#include "kiadasnaplo.h"
#include "kiadottlista.h"
#include "meres.h"
#include "oldalkeret.h"
#include "riportkimenet.h"
#include "tervlista.h"
#include "tervriport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {
double CsucsMemoriaMB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss / 1024.0; // kilobytes on Linux
}

// The report made, its preview opened and its first page painted; then
// every page laid out. Returns the report for further use.
Riport::Dokumentum Merd(const QString& nev, const std::function<Riport::Dokumentum()>& riport) {
    QElapsedTimer t;
    t.start();
    Riport::Dokumentum d = riport();
    double elsoLap;
    {
        Tfrm_Elonezet ablak(d);
        QImage kep(qRound(Riport::LapSzelesseg * 4), qRound(Riport::LapMagassag * 4),
                   QImage::Format_RGB32);
        kep.fill(Qt::white);
        QPainter p(&kep);
        Riport::FestLap(p, 4, d, ablak.lapok(), 0);
        elsoLap = t.nsecsElapsed() / 1e6;
    }
    t.restart();
    const qsizetype lapok = d.tordel().size();
    const double tordeles = t.nsecsElapsed() / 1e6;
    const QString n = nev + QStringLiteral(" (%1 pages): ").arg(lapok);
    Meres(n + QStringLiteral("preview's first page"), elsoLap);
    Meres(n + QStringLiteral("every page laid out"), tordeles);
    Meres(n + QStringLiteral("peak memory"), CsucsMemoriaMB(), nullptr, 0, "MB");
    return d;
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
    const Oldalkeret::Tulajdonos tulajdonos = Oldalkeret::TulajdonosOlvas(k);
    TervListaModell lista(k);
    QElapsedTimer t;
    t.start();
    lista.nyit(QStringLiteral("tervszam"), false);
    const double nyitas = t.nsecsElapsed() / 1e6;
    const QString nev = QStringLiteral("plan list report, %1 plans").arg(lista.rowCount());
    Meres(nev + QStringLiteral(": list opened"), nyitas);
    Meres(nev + QStringLiteral(": peak memory before the report"), CsucsMemoriaMB(), nullptr, 0,
          "MB");
    const Riport::Dokumentum d =
        Merd(nev, [&] { return TervRiport::Lista(lista, QStringLiteral("Tervszám"), tulajdonos); });
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("lista.pdf"));
    t.restart();
    const bool jo = RiportKimenet::PdfIr(d, fajl);
    const double pdf = t.nsecsElapsed() / 1e6;
    Meres(nev + QStringLiteral(": PDF written (%1, %2 MB)")
                    .arg(jo ? QStringLiteral("ok") : QStringLiteral("FAILED"))
                    .arg(QFileInfo(fajl).size() / 1e6, 0, 'f', 1),
          pdf);
    Meres(nev + QStringLiteral(": peak memory"), CsucsMemoriaMB(), nullptr, 0, "MB");

    const KiadasSzuro szuro{QLatin1Char('T'), false};
    const qint64 kiadasok =
        [&] {
            QSqlQuery q = k.sql(QStringLiteral("SELECT count(*) FROM tervkiad WHERE ezterv = 'T'"));
            q.next();
            return q;
        }()
            .value(0)
            .toLongLong();
    Merd(QStringLiteral("issued items report, %1 drawing issues").arg(kiadasok),
         [&] { return TrptKiadott::Lista(k, szuro, tulajdonos); });
    return jo ? 0 : 1;
}
