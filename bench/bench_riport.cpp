// The reports of a data folder: the plan list report of every plan and the
// issued items report of every drawing issue. For each: the preview's first
// page on screen (from the report's start), the paging of every page, and
// the peak memory it took; the plan list is also written as PDF.
//   bench_riport <data folder> [repeats] [--server "..."]
// (measured once whatever the repeats)

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
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {
// A line of /proc/self/status in MB ("VmRSS": now, "VmHWM": the peak).
double StatuszMB(const char* nev) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& sor : f.readAll().split('\n'))
        if (sor.startsWith(nev))
            return sor.mid(qstrlen(nev) + 1).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

// The peak so far forgotten: what a report holds is measured from here.
void CsucsNullaz() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// The report made, its preview opened and its first page painted; then
// every page laid out; the memory this took above what the process held
// before. Returns the report for further use.
Riport::Dokumentum Merd(const QString& nev, const std::function<Riport::Dokumentum()>& riport) {
    const double elotte = StatuszMB("VmRSS");
    CsucsNullaz();
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
    Meres(n + QStringLiteral("memory before"), elotte, nullptr, 0, "MB");
    Meres(n + QStringLiteral("peak memory while made and paged, above that"),
          StatuszMB("VmHWM") - elotte, nullptr, 0, "MB");
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
    const Riport::Dokumentum d =
        Merd(nev, [&] { return TervRiport::Lista(lista, QStringLiteral("Tervszám"), tulajdonos); });
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("lista.pdf"));
    const double elotte = StatuszMB("VmRSS");
    CsucsNullaz();
    t.restart();
    const bool jo = RiportKimenet::PdfIr(d, fajl);
    const double pdf = t.nsecsElapsed() / 1e6;
    Meres(nev + QStringLiteral(": PDF written (%1, %2 MB)")
                    .arg(jo ? QStringLiteral("ok") : QStringLiteral("FAILED"))
                    .arg(QFileInfo(fajl).size() / 1e6, 0, 'f', 1),
          pdf);
    Meres(nev + QStringLiteral(": peak memory while the PDF was written, above the memory before"),
          StatuszMB("VmHWM") - elotte, nullptr, 0, "MB");

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
