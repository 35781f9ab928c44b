#pragma once

// The two reports of the plan register started from the main window with
// the output choice (their layouts: tervriport.h).

#include "tervriport.h"

class Kapcsolat;
class TervListaModell;
class QWidget;

namespace TervRiport {

// The two actions: the output choice, then the preview, the printer, or the
// delimited text export of the list ("lista.csv" / "adatlap.csv").
void TrptLista(Kapcsolat& k, TervListaModell& lista, const QString& sorrend, QWidget* szulo);
void TrptAdatlap(Kapcsolat& k, TervListaModell& lista, int sor, QWidget* szulo);

} // namespace TervRiport
