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
