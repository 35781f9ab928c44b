#pragma once

// What the master list windows do to their table, without a window: the
// table in name order, locating rows, the pending new or edited row, saving
// it and finding it again, deleting with the next current row, and the town
// of a postal code.

#include "torzs/torzs.h"

#include <QString>
#include <memory>
#include <optional>

class Kapcsolat;
class TablaModell;

// The table of one list window. Rows are the model's rows in name order; -1
// stands for "no row".
class TorzsTabla {
public:
    // Opens the member's table in name order; a missing table throws
    // AdatbazisHiba with the engine's message.
    TorzsTabla(Kapcsolat& kapcsolat, const TorzsLeiras& leiras);
    ~TorzsTabla();
    TorzsTabla(const TorzsTabla&) = delete;
    TorzsTabla& operator=(const TorzsTabla&) = delete;

    const TorzsLeiras& leiras() const { return m_leiras; }
    TablaModell& modell() { return *m_modell; }

    // Rows read so far and whether the table has none at all.
    int sorok() const;
    bool ures() const;

    // The row whose key is `kulcs`, or -1.
    int sorKulccsal(int kulcs);
    // The key of a row; 0 when there is no such row.
    int kulcs(int sor) const;
    // The first row whose name begins with `eleje` regardless of letter case
    // (an empty text: the first row); -1 when no name begins with it.
    int keres(const QString& eleje);

    // Starts a new row (insert state) and returns its row.
    int uj();
    // Puts the row into edit state and returns it; with no row (an empty
    // table) it starts a new row instead.
    int szerkeszt(int sor);
    // True while a new row or an edited row is pending.
    bool fuggo() const { return m_fuggo; }
    // Stores the pending row; the engine's refusal throws AdatbazisHiba and
    // leaves the row pending. Each stored row is on disk when this returns.
    void ment();
    // The row where the last stored record now stands, in name order.
    int mentettSor();
    // Drops whatever is pending.
    void elvet();

    // Deletes the row and returns the row that is current afterwards: the
    // following one, the preceding one when the last was deleted, -1 when
    // the table became empty. No row to delete throws AdatbazisHiba.
    int torol(int sor);

private:
    const TorzsLeiras& m_leiras;
    std::unique_ptr<TablaModell> m_modell;
    bool m_fuggo = false;
    bool m_ujSor = false;
    int m_szerkesztettKulcs = 0;
    int m_mentettKulcs = 0;
};

// The town of a postal code: the first `irsz` row (in key order) whose code
// equals `irsz` exactly, letter case and length included; std::nullopt when
// there is none. A missing table throws AdatbazisHiba.
std::optional<QString> IrszVaros(Kapcsolat& kapcsolat, const QString& irsz);

// The message when "Sor törlése" finds no row.
inline const QString NincsTorolhetoSor = QStringLiteral("Nincs törölhető sor.");
