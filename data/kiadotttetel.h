#pragma once

// One issued paper of a plan line as the issue windows and reports show it:
// the plan, the line, the kind, the issue date and the authoriser.

#include <QChar>
#include <QDate>
#include <QString>

struct KiadottTetel {
    int terv = 0;
    int sor = 0;
    QString tervszam;
    QString targy;       // the plan's subject
    QString reszmuvelet; // the line's sub-task
    QChar fajta;         // 'T' drawing set, 'L' correspondence
    QDate kiadva;        // the issue date
    QString engedelyezo; // the authoriser of the issue

    // "tervrajz" or "levelezés".
    QString fajtaNev() const;
    // The line number in two digits, the issue date in the short date
    // format.
    QString sorSzoveg() const;
    QString kiadvaSzoveg() const;
};
