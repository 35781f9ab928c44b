#pragma once

// The issue sheet ("Tervkivételezési lap"): the paper that goes out with an
// issue. The log records from a key on, grouped by plan: requester,
// authoriser, plan; the issued lines; the note and the date; the signature
// boxes of the issue and of the return at the foot of every page.

#include "oldalkeret.h"
#include "riport.h"

class Kapcsolat;
class QWidget;

namespace TrptKiadas {

// The sheet of the log records whose key is at least `kulcs`, in key order.
Riport::Dokumentum Lap(Kapcsolat& k, int kulcs, const Oldalkeret::Tulajdonos& tulajdonos,
                       const QDateTime& nyomtatva = QDateTime::currentDateTime());

} // namespace TrptKiadas

// Builds the issue sheet from `kulcs` on and shows it in the preview.
void PrintKiadas(Kapcsolat& k, int kulcs, QWidget* szulo = nullptr);
