// The program's icon as PNG pictures at the sizes desktops look for:
//   pelvano_ikonkep <folder>
// writes <folder>/pelvano-<n>.png for n = 16, 22, 24, 32, 48, 64, 128, 256.
// Run by the build (offscreen); needs no display.

#include "ikonok.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: pelvano_ikonkep <folder>\n");
        return 2;
    }
    const QDir mappa(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(mappa.path()))
        return 1;
    const QIcon ikon = Ikon::Kep(Ikon::Program);
    for (int n : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString fajl = mappa.filePath(QStringLiteral("pelvano-%1.png").arg(n));
        if (!ikon.pixmap(n, n).scaled(n, n).save(fajl)) {
            std::fprintf(stderr, "pelvano_ikonkep: %s not saved\n", qPrintable(fajl));
            return 1;
        }
    }
    return 0;
}
