#pragma once

// The issue actions of the main window on its current line: issue of the
// drawing set or of the correspondence through the issue dialog, return of
// either, and the group-issue mark. Each reads the line's state as stored,
// refuses with the user's message what the state does not allow, and reads
// the line table again afterwards.

#include "kiadas/kiadas.h"

class Kapcsolat;
class QWidget;
class TablaModell;

// Issue of a kind of the line in row `sor` of `tblSor` (-1: the plan has no
// line). A drawing set is marked for group issue before the dialog opens.
void KiadasIndit(Kapcsolat& k, TablaModell& tblSor, int sor, KiadasFajta fajta,
                 QWidget* szulo = nullptr);

// Return of a kind of the line after the question "Valóban visszaérkezett
// ...?" ("Megerősítés").
void Visszavetel(Kapcsolat& k, TablaModell& tblSor, int sor, KiadasFajta fajta,
                 QWidget* szulo = nullptr);

// The group issue of plan `terv`; the line table is read again afterwards.
void CsoportKiadas(Kapcsolat& k, TablaModell& tblSor, int terv, QWidget* szulo = nullptr);

// Returns by the issue sheet's code ("Visszavétel kóddal"); the line table
// is read again afterwards.
void KodosVisszavetel(Kapcsolat& k, TablaModell& tblSor, QWidget* szulo = nullptr);

// Toggles the group-issue mark of the line.
void KiadJelol(Kapcsolat& k, TablaModell& tblSor, int sor, QWidget* szulo = nullptr);
