// Times the database archive of a data folder against "zip -1 -r" of the
// same folder:
//   bench_archivalas <data folder>

#include "eszkozok/archivalas.h"
#include "meres.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 2) {
        std::fprintf(stderr, "usage: bench_archivalas <data folder>\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString sajatZip = dir.filePath(QStringLiteral("archiv.zip"));
    const double sajat = LegjobbIdo(1, [&] { Archivalas::Keszit(a.at(1), sajatZip); });
    const QString zipZip = dir.filePath(QStringLiteral("zip.zip"));
    const double eszkoz = LegjobbIdo(1, [&] {
        QProcess p;
        p.setWorkingDirectory(a.at(1));
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral("zip"), {QStringLiteral("-1"), QStringLiteral("-r"),
                                        QStringLiteral("-q"), zipZip, QStringLiteral(".")});
        p.waitForFinished(-1);
    });
    std::printf("archive %9.1f ms (%.1f MB)   zip -1 -r %9.1f ms (%.1f MB)   ratio %5.2f\n", sajat,
                QFileInfo(sajatZip).size() / 1e6, eszkoz, QFileInfo(zipZip).size() / 1e6,
                sajat / eszkoz);
    return 0;
}
