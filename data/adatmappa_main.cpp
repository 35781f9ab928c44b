// Builds the delivered data folder at build time:
//   pelvano_adatmappa <data folder> <postal codes csv>
// A folder that already holds a database is left as it is.

#include "adatmappa.h"
#include "hiba.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: pelvano_adatmappa <data folder> <irsz.csv>\n");
        return 2;
    }
    try {
        if (Adatmappa::Keszit(args.at(1), args.at(2)))
            std::printf("Data folder built: %s\n", qPrintable(args.at(1)));
        else
            std::printf("Data folder kept: %s\n", qPrintable(args.at(1)));
    } catch (const PelvanoHiba& h) {
        std::fprintf(stderr, "%s\n", h.what());
        return 1;
    }
    return 0;
}
