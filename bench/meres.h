#pragma once

// Timing for the benchmarks: the best of a number of runs, in milliseconds.

#include <QElapsedTimer>
#include <QtGlobal>
#include <functional>

// The programs measure without a display: the offscreen platform, chosen
// before the application object is made.
inline void KepernyoNelkul() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

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

#include "motor.h"
#include "sqlitemotor.h"

// The office a benchmark runs on: a generated data folder, or with
// `--server "…"` among the arguments the same office moved into that
// server's database (Pelvano_Upd --server "…" --szerverre <folder>); and the
// reference tool of its engine running the same SQL: sqlite3 on the
// folder's database file, psql on the server (the statement as the server
// engine translates it).
struct BenchIroda {
    Adatforras forras;
    int ismetles = 3;
    QStringList tobbi; // the arguments after the repeats

    // <data folder> [repeats] [--server "…"]; false (the usage printed) when
    // the folder is missing.
    bool argumentumok(QStringList a, const char* program, int alapIsmetles) {
        ismetles = alapIsmetles;
        const qsizetype s = a.indexOf(QStringLiteral("--server"));
        if (s > 0 && s + 1 < a.size()) {
            forras.szerver = a.at(s + 1);
            a.remove(s, 2);
        }
        if (a.size() < 2) {
            std::fprintf(stderr, "usage: %s <data folder> [repeats] [--server \"...\"]\n", program);
            return false;
        }
        forras.mappa = a.at(1);
        if (a.size() > 2)
            ismetles = qMax(1, a.at(2).toInt());
        tobbi = a.mid(3);
        return true;
    }
    const char* eszkoz() const { return forras.szerveren() ? "psql" : "sqlite3"; }

    // Runs `sql` (the system's SQL) in the tool: its output thrown away, or
    // written to `kimenet` as CSV with a heading (`hatarolo` between fields
    // when given).
    void futtat(const QString& sql, const QString& kimenet = QString(),
                const QString& hatarolo = QString()) const {
        if (!forras.szerveren()) {
            QStringList arg;
            if (!kimenet.isEmpty())
                arg << QStringLiteral("-csv") << QStringLiteral("-header");
            if (!hatarolo.isEmpty())
                arg << QStringLiteral("-separator") << hatarolo;
            Sqlite3Futtat(SqliteMotor::AdatFajl(forras.mappa), sql, arg, kimenet);
            return;
        }
        QString s = Motor::Letrehoz(forras)->fordit(sql).trimmed();
        while (s.endsWith(QLatin1Char(';')))
            s.chop(1);
        QStringList arg{QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-d"),
                        forras.szerver};
        if (kimenet.isEmpty())
            arg << QStringLiteral("-A") << QStringLiteral("-t");
        else
            arg << QStringLiteral("--csv");
        if (!hatarolo.isEmpty())
            arg << QStringLiteral("-P") << QStringLiteral("csv_fieldsep=") + hatarolo;
        arg << QStringLiteral("-o") << (kimenet.isEmpty() ? QStringLiteral("/dev/null") : kimenet)
            << QStringLiteral("-c") << s;
        QProcess p;
        p.start(QStringLiteral("psql"), arg);
        p.waitForFinished(-1);
        if (p.exitCode() != 0)
            std::fprintf(stderr, "psql: %s\n", p.readAllStandardError().constData());
    }
};

// One figure of the table bench/mind.sh gathers from every benchmark: the
// operation, our figure (in `egyseg`), and the reference tool's on the same
// data in the same run with the ratio (no tool: `eszkoz` null).
inline void Meres(const QString& muvelet, double sajat, const char* eszkoz = nullptr,
                  double referencia = 0, const char* egyseg = "ms") {
    const QByteArray m = muvelet.leftJustified(60).toUtf8();
    if (eszkoz)
        std::printf("| %s | %10.1f %s | %-8s | %10.1f %s | %6.2f |\n", m.constData(), sajat, egyseg,
                    eszkoz, referencia, egyseg, referencia > 0 ? sajat / referencia : 0.0);
    else
        std::printf("| %s | %10.1f %s | %-8s | %13s | %6s |\n", m.constData(), sajat, egyseg, "",
                    "", "");
    std::fflush(stdout);
}
