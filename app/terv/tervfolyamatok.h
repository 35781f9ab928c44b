#pragma once

// What the plan register's actions do through dialogs: a plan or a line
// edited in its dialog, deleted after the question "Valóban töröljem a
// sort?". The window-free operations they build on: tervmuveletek.h.

#include "torzs/torzs.h"

class Kapcsolat;
class QWidget;
class TablaModell;

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
