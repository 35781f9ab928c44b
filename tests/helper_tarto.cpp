// Another workstation holding the database for a while:
//   helper_tarto <data folder> <milliseconds>
// Takes the write lock, says "tartva" on its output, keeps the lock for the
// given time, then commits.

#include "kapcsolat.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 3)
        return 2;
    try {
        Kapcsolat k(QStringLiteral("tarto"));
        k.nyit(a.at(1));
        Tranzakcio t(k);
        k.sql(QStringLiteral("INSERT INTO terv (Tervszam) VALUES ('tarto')"));
        std::printf("tartva\n");
        std::fflush(stdout);
        QThread::msleep(a.at(2).toULong());
        t.kesz();
    } catch (const PelvanoHiba& h) {
        std::fprintf(stderr, "%s\n", h.what());
        return 1;
    }
    return 0;
}
