#pragma once

// What is out now, by holder: every drawing set and every bundle of
// correspondence whose line says it is out, with its open log record (the
// newest of its kind for the line), grouped by holder in Hungarian name
// order, each with the days it has been out.

#include "kiadotttetel.h"

#include <QDate>
#include <QList>
#include <QString>

class Kapcsolat;

namespace Kintlevosegek {

// The days out from which an item is overdue, when Pelvano.ini says nothing
// ([Kintlevoseg] Napok).
constexpr int AlapKuszob = 30;

struct Tetel : KiadottTetel {
    int napok = 0;       // days out until the day asked
    bool lejart = false; // out for more days than the threshold
};

struct Birtokos {
    QString nev;
    QList<Tetel> tetelek; // the longest out first
    int leghosszabb = 0;  // the most days an item of this holder is out

    // "<name> — <n> tétel, a leghosszabb <days> napja kint".
    QString cim() const;
};

// The holders of everything out on day `nap`, items over `kuszob` days
// marked overdue. Throws AdatbazisHiba.
QList<Birtokos> Olvas(Kapcsolat& k, const QDate& nap, int kuszob);

} // namespace Kintlevosegek
