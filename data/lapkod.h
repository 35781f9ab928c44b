#pragma once

// The code of an issue sheet: the log keys of the issue it went out with,
// printed on the sheet as a QR code and beneath it in digits, and read back
// from what a bar code scanner types.
//
// A single issue writes one record; a group issue writes one record per
// line, with consecutive keys. The code names the first key and, for more
// than one record, the last: "00125" or "00125.00127". Only digits and the
// full stop are used: a scanner set to another keyboard layout than the
// workstation's still types them as printed (the full stop is on the same key
// in the US and the Hungarian layout).

#include "hiba.h"
#include "kiadotttetel.h"

#include <QList>
#include <QString>

#include <optional>

class Kapcsolat;

namespace LapKod {

struct Tartomany {
    int elso = 0;
    int utolso = 0;
    bool operator==(const Tartomany&) const = default;
};

// "00125" for one key, "00125.00127" for several; each key with at least
// five digits, as the sheet prints its serial number.
QString Szoveg(const Tartomany& t);

// The keys of a typed or scanned code; nullopt when it is not one. Spaces
// around it are dropped; "ö" is taken for a zero (what a scanner set to the
// US layout types for "0" on a Hungarian keyboard); "-" and "/" are taken
// for the full stop (typed by hand). The first key must be positive and the
// last not below it.
std::optional<Tartomany> Ertelmez(const QString& beolvasott);

// Where a record of a sheet stands now.
enum class Allapot {
    Kint,       // out, and this record is what the line is out with
    Visszaveve, // returned (stamped)
    NemEzzel,   // open, but the line is in or out with a newer issue
    SorNincs,   // the line has been deleted
};

struct Tetel : KiadottTetel {
    int kulcs = 0;
    QString kinek;
    QDate vissza; // the return date of a returned record
    Allapot allapot = Allapot::Kint;

    // "kint", "visszavéve <date>", "nincs kint ezzel a lappal", "a sor törölve".
    QString allapotSzoveg() const;
};

// The records a code names: the log record of its first key and those of
// the same issue up to its last key (same plan, kind, recipient,
// authoriser, date and note; records of other issues written meanwhile
// between them are left out), in key order.
struct Lap {
    Tartomany kod;
    QList<Tetel> tetelek;
    int kint() const; // how many are out with this sheet
};

// An unknown code (no record of its first key) or a code whose plan has been
// deleted, with the user's message.
class NincsLap : public PelvanoHiba {
public:
    using PelvanoHiba::PelvanoHiba;
};

// Reads the records of a code; NincsLap or AdatbazisHiba.
Lap Olvas(Kapcsolat& k, const Tartomany& kod);

} // namespace LapKod
