// A running Pelvano as far as the data folder's lock goes:
//   helper_zar <data folder>
// Holds the folder's lock shared, says "zarva" on its output, and keeps it
// until its input closes or it is killed.

#include "mappazar.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 2)
        return 2;
    MappaZar zar;
    if (zar.zar(a.at(1), MappaZar::Mod::Megosztott) != MappaZar::Eredmeny::Kesz)
        return 1;
    std::printf("zarva\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
