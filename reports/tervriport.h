#pragma once

// The layouts of the plan register's two reports: the plan list ("Egyszerű
// lista") of the main window's list as it stands, and the data sheet
// ("Adatlap") of one plan with its lines, each laid out as data.

#include "oldalkeret.h"
#include "riport.h"

class Kapcsolat;
class TervListaModell;

namespace TervRiport {

// The plan list: two printed rows per plan of the list, in its order and
// with its filter, under the order caption ("Sorrend: " + `sorrend`).
Riport::Dokumentum Lista(const TervListaModell& lista, const QString& sorrend,
                         const Oldalkeret::Tulajdonos& tulajdonos);

// The data sheet of the plan in row `sor` of the list (no plan for -1): its
// data in the page header, its lines (`terv_sor`) by line number below.
Riport::Dokumentum Adatlap(Kapcsolat& k, const TervListaModell& lista, int sor,
                           const Oldalkeret::Tulajdonos& tulajdonos);

} // namespace TervRiport
