// Another workstation holding the database for a while:
//   helper_tarto <data folder> <milliseconds> [server]
// Takes the write lock, says "tartva" on its output, keeps the lock for the
// given time, then commits. On a server (its connection string the third
// argument) every table is locked against writing, as the embedded
// engine's write lock holds the whole database.

#include "kapcsolat.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 3 && a.size() != 4)
        return 2;
    try {
        Kapcsolat k(QStringLiteral("tarto"));
        const Adatforras forras{a.at(1), a.value(3)};
        k.nyit(forras);
        Tranzakcio t(k);
        k.sql(QStringLiteral("INSERT INTO terv (Tervszam) VALUES ('tarto')"));
        if (forras.szerveren())
            for (const QString& tabla : k.tablak())
                k.sql(QStringLiteral("LOCK TABLE %1 IN EXCLUSIVE MODE").arg(tabla));
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
