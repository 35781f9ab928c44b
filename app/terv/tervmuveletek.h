#pragma once

// Editing the plan register from the main window: a plan through the plan
// dialog (new, edit, delete), and the numbered lines of the current plan
// through the line dialog (new, edit, delete with renumbering). The main
// window hands over what it owns (the key of the current plan, its line
// table and the current line) and afterwards re-reads what the operation
// says.

#include "torzs/torzs.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

class Kapcsolat;
class QWidget;
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

// New plan (`uj`) or the plan `aktualisTerv` edited in the plan dialog; with
// an empty list (0) editing opens a new plan as well. `valaszto` opens the
// master lists in pick mode for the dialog's pick buttons.
// Returns the key the plan list should stand on after it is reopened: the
// stored plan's key after OK, `aktualisTerv` after cancel or a refused store.
// A plan that is no longer in the table is reported and nothing is edited;
// an engine error is shown by the general error handling.
int TervSzerkesztes(Kapcsolat& k, int aktualisTerv, bool uj, const TorzsValaszto& valaszto,
                    QWidget* szulo = nullptr);

// Asks "Valóban töröljem a sort?" ("Megerősítés") and deletes the `terv`
// record of `aktualisTerv` (only that record; its lines and issue records
// stay). Returns true when the user said yes: the plan list is then reopened
// standing on its first plan, whether or not a record was there to delete.
bool TervTorles(Kapcsolat& k, int aktualisTerv, QWidget* szulo = nullptr);

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

// New line of plan `terv` (`uj`) or the line in row `aktualisSor` of
// `tblSor` (the main window's line table of the current plan) edited in the
// line dialog. A new line without a plan (terv 0) or an edit without a line
// is refused with an error box. Returns the row of the line table that the
// line grid should stand on afterwards (the line just stored, else the row
// it stood on).
int SorSzerkesztes(Kapcsolat& k, TablaModell& tblSor, int aktualisSor, bool uj, int terv,
                   QWidget* szulo = nullptr);

// Asks "Valóban töröljem a sort?" ("Megerősítés"), then deletes the line in
// row `aktualisSor` of `tblSor` and renumbers its plan's lines (see
// SorTorlesSzamozassal); the line table is read again. Without a line an
// error box says so. Returns true when a line was deleted.
bool SorTorles(Kapcsolat& k, TablaModell& tblSor, int aktualisSor, QWidget* szulo = nullptr);
