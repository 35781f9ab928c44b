#pragma once

// Timing for the benchmarks: the best of a number of runs, in milliseconds.

#include <QElapsedTimer>
#include <QtGlobal>
#include <functional>

inline double LegjobbIdo(int ismetles, const std::function<void()>& fv) {
    double legjobb = 1e18;
    for (int i = 0; i < ismetles; ++i) {
        QElapsedTimer t;
        t.start();
        fv();
        legjobb = qMin(legjobb, t.nsecsElapsed() / 1e6);
    }
    return legjobb;
}

#include <QProcess>
#include <QString>
#include <cstdio>

// The sqlite3 tool running `sql` on a database file, its output written to
// `kimenet` (thrown away when empty), extra arguments before the file.
inline void Sqlite3Futtat(const QString& fajl, const QString& sql, const QStringList& arg = {},
                          const QString& kimenet = QString()) {
    QProcess p;
    p.setStandardOutputFile(kimenet.isEmpty() ? QProcess::nullDevice() : kimenet);
    p.start(QStringLiteral("sqlite3"),
            QStringList{QStringLiteral("-batch")} + arg + QStringList{fajl, sql});
    p.waitForFinished(-1);
    if (p.exitCode() != 0)
        std::fprintf(stderr, "sqlite3: %s\n", p.readAllStandardError().constData());
}
