#pragma once

// The window-free operations of the plan register: the plans' references to
// the master data and their drop-down entries, a new plan row and its date,
// the numbered lines of a plan (the next number, a new line, deletion with
// renumbering). The dialog flows that use them: tervfolyamatok.h.

#include "torzs/torzs.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

class Kapcsolat;
class TablaModell;

// One of the plan's six references to the master data, as the plan dialog
// offers it in a drop-down list; the master table is Torzs(fajta).
struct TervHivatkozas {
    TorzsFajta fajta;
    QString oszlop;     // the plan's column ("Ugyfel")
    bool nevSorrendben; // drop-down in Hungarian name order; else in key order
};
// Client, type, designer, discipline, plan kind, plan stage (in this order).
const QList<TervHivatkozas>& TervHivatkozasok();
const TervHivatkozas& TervHivatkozasa(TorzsFajta fajta);

// One entry of a drop-down list: the master record's key and name.
struct TorzsTetel {
    int kulcs;
    QString nev;
    bool operator==(const TorzsTetel&) const = default;
};
// The master records of a drop-down list in its order. Errors throw
// AdatbazisHiba.
QList<TorzsTetel> TorzsTetelek(Kapcsolat& k, const TervHivatkozas& h);

// ------------------------------------------------------------------ plans

// Inserts a new plan row into `tbl` (a model on "terv") with the defaults of
// a new plan: Levelezes 'N', datum `ma`, szur 'N'. Returns the row.
int UjTervSor(TablaModell& tbl, const QDate& ma);

// The date the plan dialog's date box shows for a stored `datum`: the stored
// date, or `ma` when it is empty or no date.
QDate TervDatuma(const QVariant& datum, const QDate& ma);

// Filter marking: the mark `jel` set on the plans that `feltetel` (a
// condition the program builds) chooses; every plan's mark cleared. Errors
// throw AdatbazisHiba.
void SzuresJelol(Kapcsolat& k, const QString& feltetel, const QString& jel);
void SzuresMegszuntet(Kapcsolat& k);

// ------------------------------------------------------------------ lines

// The number a new line of plan `terv` gets: the highest stored `sor` of the
// plan plus 1 (1 for a plan without lines). Reads the table itself.
int KovetkezoSorszam(Kapcsolat& k, int terv);

// Inserts a new line of plan `terv` into the line table with the next number
// and both paper copies in the office. Returns the row (not stored yet).
int UjSor(Kapcsolat& k, TablaModell& tblSor, int terv);

// Deletes line `sor` of plan `terv` and numbers the plan's remaining lines
// 1, 2, 3, ... in their previous order, in one transaction: either all of it
// is stored or nothing. Errors throw AdatbazisHiba.
void SorTorlesSzamozassal(Kapcsolat& k, int terv, const QVariant& sor);
