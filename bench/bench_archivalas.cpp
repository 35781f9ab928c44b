// Times the database archive of a data folder against "zip -1 -r" of the
// same folder:
//   bench_archivalas <data folder> [repeats=1]

#include "eszkozok/archivalas.h"
#include "meres.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    BenchIroda iroda;
    if (!iroda.argumentumok(app.arguments(), "bench_archivalas", 1))
        return 2;
    const QString mappa = iroda.forras.mappa;
    QTemporaryDir dir;
    const QString sajatZip = dir.filePath(QStringLiteral("archiv.zip"));
    const double sajat = LegjobbIdo(iroda.ismetles, [&] {
        QFile::remove(sajatZip);
        Archivalas::Keszit(mappa, sajatZip);
    });
    const QString zipZip = dir.filePath(QStringLiteral("zip.zip"));
    const double eszkoz = LegjobbIdo(iroda.ismetles, [&] {
        QFile::remove(zipZip);
        QProcess p;
        p.setWorkingDirectory(mappa);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral("zip"), {QStringLiteral("-1"), QStringLiteral("-r"),
                                        QStringLiteral("-q"), zipZip, QStringLiteral(".")});
        p.waitForFinished(-1);
    });
    Meres(QStringLiteral("archive of the data folder (%1 MB; zip -1 -r: %2 MB)")
              .arg(QFileInfo(sajatZip).size() / 1e6, 0, 'f', 1)
              .arg(QFileInfo(zipZip).size() / 1e6, 0, 'f', 1),
          sajat, "zip", eszkoz);
    return 0;
}
