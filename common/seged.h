#pragma once

// Helper routines shared by Pelvano and Pelvano_Upd: message boxes, the
// program folder, tolerant conversions of database values, the text input
// dialog.

#include <QFont>
#include <QSize>
#include <QString>
#include <QVariant>

class QWidget;

namespace Seged {

// The wait cursor for the lifetime of the object (also when an error leaves
// the scope).
class HomokOra {
public:
    HomokOra();
    ~HomokOra();
    HomokOra(const HomokOra&) = delete;
    HomokOra& operator=(const HomokOra&) = delete;
};

// The wait cursor from now until control is back in the event loop: for a
// wait that begins inside an operation (another workstation holding the
// database) and ends with it. Calls while it shows add nothing.
void HomokOraMuveletVegeig();

// Lengths of texts as the tables count them: in characters (code points),
// a character outside the Basic Multilingual Plane (an emoji, say) counting
// once, and never split.
qsizetype KarakterSzam(QStringView szoveg);
// The first `n` characters of the text.
QString KarakterEleje(const QString& szoveg, qsizetype n);

// Message boxes. Every box of both programs goes through these, so that tests
// can record them and answer them (see UzenetTeszt in uzenetteszt.h).
void HibaAblak(const QString& uzenet, QWidget* szulo = nullptr);   // "Hiba", error icon, OK
void UzenetAblak(const QString& uzenet, QWidget* szulo = nullptr); // "Üzenet", information, OK
// Yes / No question with the caller's caption; Yes is the default. True for yes.
bool KerdesAblak(const QString& kerdes, const QString& cim, QWidget* szulo = nullptr);

// The general error handling: an error no operation handled, shown in an
// error box titled with the program's title. A full stop is added when the
// message's last character sorts after the full stop.
void AltalanosHiba(const QString& uzenet, QWidget* szulo = nullptr);
QString AltalanosHibaSzoveg(const QString& uzenet);
// The program's title for the general error box ("Pelvano",
// "Pelvano - adatbázis karbantartás").
void ProgramCimBeallit(const QString& cim);
QString ProgramCim();

// The program folder: the folder of the program file, never ending with a
// separator; lower-cased only where the file system ignores letter case.
QString ProgramMappa();
// The rule itself, for a given program file path.
QString ProgramMappaSzamit(const QString& programFajl, bool kisbetusFajlrendszer);
// Replaces the program folder (tests; the programs never call it).
void ProgramMappaBeallit(const QString& mappa);
// A path under the program folder: ProgramMappa() + "/" + nev.
QString ProgramUtvonal(const QString& nev);

// A database value as text (null gives the empty text).
QString VarSzoveg(const QVariant& ertek);
// A database value as integer (null gives 0); a value that is no number
// throws PelvanoHiba.
qint32 VarEgesz(const QVariant& ertek);

// Average character width (of the 52 letters, integer division) and height.
QSize AtlagBetumeret(const QFont& betu);

// Modal text input: caption, prompt, in/out value. True when confirmed by OK.
bool BevitelAblak(const QString& cim, const QString& kerdes, QString& ertek);

} // namespace Seged
