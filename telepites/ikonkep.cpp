// The program's icon as PNG pictures at the sizes desktops look for:
//   pelvano_ikonkep <folder> <size>...
// writes <folder>/pelvano-<size>.png for each size (pixels on a side).
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
    if (argc < 3) {
        std::fprintf(stderr, "usage: pelvano_ikonkep <folder> <size>...\n");
        return 2;
    }
    const QDir mappa(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(mappa.path()))
        return 1;
    const QIcon ikon = Ikon::Kep(Ikon::Program);
    for (int i = 2; i < argc; ++i) {
        const int n = QByteArray(argv[i]).toInt();
        if (n <= 0) {
            std::fprintf(stderr, "pelvano_ikonkep: not a size: %s\n", argv[i]);
            return 2;
        }
        const QString fajl = mappa.filePath(QStringLiteral("pelvano-%1.png").arg(n));
        if (!ikon.pixmap(n, n).scaled(n, n).save(fajl)) {
            std::fprintf(stderr, "pelvano_ikonkep: %s not saved\n", qPrintable(fajl));
            return 1;
        }
    }
    return 0;
}
