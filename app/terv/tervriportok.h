#pragma once

// The two reports of the plan register: the plan list ("Egyszerű lista") of
// the main window's list as it stands, and the data sheet ("Adatlap") of one
// plan with its lines. Each is laid out as data by its own function, and
// started from the main window with the output choice.

#include "oldalkeret.h"
#include "riport.h"

class Kapcsolat;
class TervListaModell;
class QWidget;

namespace TervRiport {

// The plan list: two printed rows per plan of the list, in its order and
// with its filter, under the order caption ("Sorrend: " + `sorrend`).
Riport::Dokumentum Lista(const TervListaModell& lista, const QString& sorrend,
                         const Oldalkeret::Tulajdonos& tulajdonos);

// The data sheet of the plan in row `sor` of the list (no plan for -1): its
// data in the page header, its lines (`terv_sor`) by line number below.
Riport::Dokumentum Adatlap(Kapcsolat& k, const TervListaModell& lista, int sor,
                           const Oldalkeret::Tulajdonos& tulajdonos);

// The two actions: the output choice, then the preview, the printer, or the
// delimited text export of the list ("lista.csv" / "adatlap.csv").
void TrptLista(Kapcsolat& k, TervListaModell& lista, const QString& sorrend, QWidget* szulo);
void TrptAdatlap(Kapcsolat& k, TervListaModell& lista, int sor, QWidget* szulo);

} // namespace TervRiport
