#pragma once

// Issue and return of the paper of a plan line: its drawing set ("tervrajz")
// and its correspondence ("tervirat", "levelezés"). An issue updates the line
// and appends a record to the issue log `tervkiad`; a return resets the line
// and stamps the open log record of its kind. Each issue and each return is
// one transaction: the line and the log never disagree.

#include "hiba.h"
#include "kiadasnaplo.h"
#include "lapkod.h"

#include <QDate>
#include <QString>
#include <QStringList>

class Kapcsolat;

enum class KiadasFajta { Tervrajz, Levelezes };

// The columns and texts of one kind.
struct KiadasMezok {
    QString bent;        // in-office flag: tbent / lbent
    QString datum;       // issue date: dat_tkiad / dat_lkiad
    QString kinel;       // holder: tkiadva / lkiadva
    QString ezterv;      // log code: T / L
    QString marKiadva;   // "A tervrajz már kiadásra került."
    QString nincsKiadva; // "A tervrajz még nincs kiadva."
    QString kerdes;      // "Valóban visszaérkezett a tervrajz?"
};
const KiadasMezok& Mezok(KiadasFajta fajta);

// An operation refused because of the line's state (already out, not out,
// no line); the message is the one for the user.
class KiadasElutasitva : public PelvanoHiba {
public:
    using PelvanoHiba::PelvanoHiba;
};

// What the user gives for an issue.
struct KiadasAdat {
    QString kinek;
    QString engedelyezo;
    QString megjegyzes;
};

namespace Kiadas {

// Field widths of the values an issue writes.
constexpr int KinelSzel = 20;
constexpr int EngedelyezoSzel = 75;
constexpr int MegjegyzesSzel = 255;

// The note as stored: every line of the box followed by CR LF; an empty box
// gives an empty note.
QString Megjegyzes(const QString& doboz);

// The pick lists of the dialogs: every recipient and every authoriser of the
// log, in the engine's order.
QStringList Cimzettek(Kapcsolat& k);
QStringList Engedelyezok(Kapcsolat& k);

// The state of one kind of a line as stored now.
struct SorAllapot {
    bool van = false; // the line exists
    QString bent;     // its flag
    QString kiadni;   // its group-issue mark
};
SorAllapot Allapot(Kapcsolat& k, int terv, int sor, KiadasFajta fajta);

// Refuses (KiadasElutasitva with the user's message) an issue of a kind that
// is out ('N') or a return of a kind that is in ('I'), and either on a line
// that is gone. Any other flag content passes both.
void Ellenoriz(const SorAllapot& a, KiadasFajta fajta, bool kiadas);

// Issues one kind of line `sor` of plan `terv` in one transaction, writing
// in this order: the line (flag 'N', issue date `ma`, holder), the log record,
// the line again (its `tervkiad` the new key; `kiadni` 'N' for a drawing
// set). The flag is tested again inside the transaction: when the kind is
// already out, KiadasElutasitva with its message and nothing is stored.
// Returns the new log key. Engine errors throw AdatbazisHiba (nothing is
// stored then).
int Kiad(Kapcsolat& k, int terv, int sor, KiadasFajta fajta, const KiadasAdat& adat,
         const QDate& ma = QDate::currentDate());

// Returns one kind of a line in one transaction: the line's flag 'I', its
// issue date and holder empty; the open log record of the same kind of the
// line (the latest, if several) gets `dat_vissza` `ma` and `kint` 'N'. When
// there is no such record only the line is reset. A kind that is not out:
// KiadasElutasitva. Returns the key of the stamped record (0: none).
int Visszavesz(Kapcsolat& k, int terv, int sor, KiadasFajta fajta,
               const QDate& ma = QDate::currentDate());

// The return of the paper that log record `kulcs` issued, as Visszavesz
// returns its line and kind, when that record is what is out: it is open and
// the newest open record of its line and kind, and the line is out.
// Otherwise KiadasElutasitva and nothing is stored; the test is made inside
// the transaction, so a return or a new issue at another workstation since
// the record was read is never taken for this one.
void VisszaveszRekord(Kapcsolat& k, int kulcs, const QDate& ma = QDate::currentDate());

// Takes back every record of an issue sheet that is out, each by
// VisszaveszRekord in its own transaction. A record refused (returned or
// issued again at another workstation since the sheet was read) is passed
// over, its message kept; an engine error ends the walk (AdatbazisHiba), the
// returns before it stay.
struct LapVisszavetel {
    int visszaveve = 0;
    QStringList elutasitva;
};
LapVisszavetel VisszaveszLap(Kapcsolat& k, const LapKod::Lap& lap,
                             const QDate& ma = QDate::currentDate());

// Issues one kind of a line when it is in, takes it back when it is out
// (each as above, the state read first): what a workstation does that
// toggles lines. True when it issued.
bool KiadVagyVisszavesz(Kapcsolat& k, int terv, int sor, KiadasFajta fajta, const KiadasAdat& adat);

// The marked lines of a plan for the group issue dialog's list: the four
// lines of its query (parameter :pterv).
QStringList JeloltSorokSql();

// Group issue of the drawing sets of plan `terv`: every line marked for it,
// in line-number order, is issued as a single issue would issue it, each
// line in its own transaction. A line found unmarked or already out inside
// its transaction is passed over. `kulcsok` gets the keys of the first and
// the last record written (both stay 0 when none was). An engine error ends
// the walk (AdatbazisHiba); the lines issued before it stay issued. Returns
// the number of lines issued.
int CsoportKiad(Kapcsolat& k, int terv, const KiadasAdat& adat, LapKod::Tartomany& kulcsok,
                const QDate& ma = QDate::currentDate());

// Sets the group-issue mark of a line ('I' or 'N').
void Jelol(Kapcsolat& k, int terv, int sor, bool jelolt);

// Toggles the mark of a line whose drawing set is in; refused
// (KiadasElutasitva) while it is out.
void JelolValt(Kapcsolat& k, int terv, int sor);

} // namespace Kiadas
