#pragma once

// The six master lists (clients, plan types, designers, disciplines, plan
// kinds, plan stages): one list window and one edit dialog pattern with six
// members, in browse mode and in pick mode.

#include <QList>
#include <QString>
#include <functional>

class Kapcsolat;
class QWidget;

enum class TorzsFajta { Ugyfel, Tipus, Tervezo, Szakag, Tervfajta, Tervszakasz };

// One column of a list window's grid.
struct TorzsOszlop {
    QString oszlop; // "Ugyfel_nev"
    QString cim;    // column title ("ügyfél")
    int szelesseg;  // pixels
};

// What tells the members apart.
struct TorzsLeiras {
    TorzsFajta fajta;
    const char* ablakNev;    // "Tfrm_TorzsUgyfel"
    QString cim;             // list window title ("Ügyfelek")
    QString tabla;           // "ugyfel"
    QString kulcsOszlop;     // "Ugyfel"
    QString nevOszlop;       // "Ugyfel_nev"
    QString szerkesztoCim;   // "Ügyfél szerkesztés"
    QString nevCimke;        // label of the name field ("név")
    QList<TorzsOszlop> racs; // the grid's columns, in order
    int szelesseg;           // the list window's size inside its frame
    int magassag;            // (pixels)
    bool nyomtat;            // the list has the action "Nyomtat"
};
const TorzsLeiras& Torzs(TorzsFajta fajta);

// A pick-mode call as the plan dialog and the filter marking make it.
using TorzsValaszto = std::function<int(TorzsFajta fajta, int kulcs)>;
