#pragma once

// The issue sheet ("Tervkivételezési lap"): the paper that goes out with an
// issue. The log records from a key on, grouped by plan: requester,
// authoriser, plan; the issued lines; the note and the date; the signature
// boxes of the issue and of the return at the foot of every page. Every page
// header carries the sheet's code (the keys of its issue) as a QR code with
// its digits beneath, for taking the paper back by scanning it.

#include "lapkod.h"
#include "oldalkeret.h"
#include "riport.h"

class Kapcsolat;
class QWidget;

namespace TrptKiadas {

// The sheet of the issue whose records have the keys `kulcsok`: the log
// records whose key is at least the first, in key order (records written
// meanwhile by others included); its code names `kulcsok`.
Riport::Dokumentum Lap(Kapcsolat& k, const LapKod::Tartomany& kulcsok,
                       const Oldalkeret::Tulajdonos& tulajdonos,
                       const QDateTime& nyomtatva = QDateTime::currentDateTime());

// Where the code stands in the page header (mm from the band's corner), in
// the free space between the serial number and the title.
constexpr double KodBal = 48.5, KodFent = 1.2, KodOldal = 14.0;

} // namespace TrptKiadas

// Builds the issue sheet of the records `kulcsok` and shows it in the
// preview.
void PrintKiadas(Kapcsolat& k, const LapKod::Tartomany& kulcsok, QWidget* szulo = nullptr);
