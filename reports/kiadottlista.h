#pragma once

// The layout of the issued items report: the issue log of one kind of
// paper, all issues or only what is still out, with plan, line, issue date,
// recipient and return date.

#include "kiadasnaplo.h"
#include "oldalkeret.h"
#include "riport.h"

class Kapcsolat;

namespace TrptKiadott {

// The report of the records the selection chooses, in issue order.
Riport::Dokumentum Lista(Kapcsolat& k, const KiadasSzuro& szuro,
                         const Oldalkeret::Tulajdonos& tulajdonos);

} // namespace TrptKiadott
