#pragma once

// Delimited text export: the data sets that can be exported, the text forms
// of their values, the windows-1250 encoding, and the two file formats — the
// plain one of SzovegExport (column names, every column, no qualifiers) and
// the one of the export dialog (captions, chosen columns, qualifiers, "BLOB"
// for large columns).

#include "ertekszoveg.h"
#include "sorolvaso.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>

class Kapcsolat;
class QAbstractItemModel;
class QSqlQuery;
class TervListaModell;

// A data set to export: its columns and a walk through its rows.
class ExportForras {
public:
    virtual ~ExportForras() = default;

    virtual int oszlopSzam() const = 0;
    virtual QString nev(int oszlop) const = 0;
    // The display label of the column; its name when it has none.
    virtual QString felirat(int oszlop) const { return nev(oszlop); }
    virtual OszlopFajta fajta(int oszlop) const = 0;
    // The number of rows; -1 when not known before the walk.
    virtual int sorSzam() const = 0;

    // Stands on the first row; false for an empty data set.
    virtual bool elso() = 0;
    // Moves to the next row; false when past the last.
    virtual bool kovetkezo() = 0;
    // A value of the current row (null for an empty column).
    virtual QVariant ertek(int oszlop) const = 0;
    // The value as the engine holds it, where the data set reads it so (a
    // large export then makes no Qt value of it); false otherwise.
    virtual bool nyers(int oszlop, NyersErtek& e) const {
        Q_UNUSED(oszlop);
        Q_UNUSED(e);
        return false;
    }
};

// The columns of a query's result: names as the engine gives them, kinds
// from the schema when the engine names the column's table, otherwise from
// the column's type, headings from `feliratok` (by column name in lower
// case) or the name.
class LekerdezesOszlopok : public ExportForras {
public:
    int oszlopSzam() const override { return int(m_nevek.size()); }
    QString nev(int oszlop) const override { return m_nevek.value(oszlop); }
    QString felirat(int oszlop) const override;
    OszlopFajta fajta(int oszlop) const override {
        return m_fajtak.value(oszlop, OszlopFajta::Szoveg);
    }

protected:
    explicit LekerdezesOszlopok(QHash<QString, QString> feliratok)
        : m_feliratok(std::move(feliratok)) {}
    void oszlop(const QString& nev, QMetaType::Type tipus, const QString& tabla);

private:
    QStringList m_nevek;
    QList<OszlopFajta> m_fajtak;
    QHash<QString, QString> m_feliratok;
};

// The rows of a reader as data set; kinds as for a query. A reader goes
// forward once: walked again, a data set of a SELECT is read anew.
class OlvasoForras : public LekerdezesOszlopok {
public:
    // The rows of `olvaso`, walked once.
    explicit OlvasoForras(std::unique_ptr<SorOlvaso> olvaso);
    // A SELECT of the connection, read straight through the engine at every
    // walk (nothing held in between); `feliratok` as for QueryForras.
    // Errors throw AdatbazisHiba.
    OlvasoForras(Kapcsolat& k, const QString& sql, QHash<QString, QString> feliratok = {});
    int sorSzam() const override { return -1; }
    bool elso() override;
    bool kovetkezo() override;
    QVariant ertek(int oszlop) const override;
    bool nyers(int oszlop, NyersErtek& e) const override;

private:
    void leir();

    Kapcsolat* m_k = nullptr;
    QString m_sql;
    std::unique_ptr<SorOlvaso> m_o;
    bool m_kezdve = false;
};

// A query as data set. The query must be active; it is walked from its first
// row and left where the walk ends.
class QueryForras : public LekerdezesOszlopok {
public:
    // `feliratok`: the headings of the columns a grid shows, by column name
    // (in lower case); the other columns are headed by their names.
    explicit QueryForras(QSqlQuery& query, QHash<QString, QString> feliratok = {});
    int sorSzam() const override;
    bool elso() override;
    bool kovetkezo() override;
    QVariant ertek(int oszlop) const override;

private:
    QSqlQuery& m_q;
};

// An item model as data set: names and captions from the horizontal header
// unless given, kinds as given (a missing one from the value's type). Rows
// are read one at a time through data(), so a lazily reading model stays
// lazy; a model that fetches more on demand is asked for more as the walk
// reaches its end.
class ModellForras : public ExportForras {
public:
    explicit ModellForras(QAbstractItemModel& modell, QStringList nevek = {},
                          QList<OszlopFajta> fajtak = {});
    int oszlopSzam() const override;
    QString nev(int oszlop) const override;
    QString felirat(int oszlop) const override;
    OszlopFajta fajta(int oszlop) const override;
    int sorSzam() const override;
    bool elso() override;
    bool kovetkezo() override;
    QVariant ertek(int oszlop) const override;
    int sor() const { return m_sor; }

private:
    QAbstractItemModel& m_m;
    QStringList m_nevek;
    QList<OszlopFajta> m_fajtak;
    int m_sor = -1;
};

// The plan list of the main window as data set: field names, the list's
// captions, kinds from the schema of the tables it joins.
std::unique_ptr<ModellForras> TervListaForras(TervListaModell& modell);

namespace SzovegExportFormatum {

// The kinds of columns and the text forms of values (see ertekszoveg.h).
using Ertek::ErtekFajta;
using Ertek::SemaFajta;
using Ertek::Szoveg;

// windows-1250 bytes of a text; a character the code page cannot hold is
// written as "?".
QByteArray Cp1250(const QString& szoveg);
void Cp1250Hozzafuz(QByteArray& cel, const QString& szoveg);

// A value between qualifiers: the qualifier inside the value is doubled, so
// that readers of the file get the value back; without a qualifier the value
// stays as it is.
QString Jelolt(const QString& ertek, const QString& jelolo);

// The choices of the dialog.
inline const QString Pontosvesszo = QStringLiteral(";");
inline const QString Tabulator = QStringLiteral("\t");
inline const QString Vesszo = QStringLiteral(",");
inline const QString Idezojel = QStringLiteral("\"");
inline const QString Aposztrof = QStringLiteral("'");

struct HataroltBeallitas {
    QString hatarolo = Pontosvesszo;
    QString jelolo = Idezojel;
    QList<bool> oszlopok; // ticked columns; a missing entry counts as ticked
};

// The lines of the dialog's format, gathered in memory as windows-1250 bytes,
// every line ending with CR LF. `lepes` is called before each row with the
// number of rows done; when it returns false the walk ends there (the lines
// so far stay).
QByteArray HataroltSorok(ExportForras& forras, const HataroltBeallitas& b,
                         const std::function<bool(int)>& lepes = {});

// Bytes gathered for a file: an append is a copy while the room lasts.
class KiPuffer {
public:
    explicit KiPuffer(qsizetype meret = 256 * 1024) { m_adat.resize(meret); }
    // Room for `n` further bytes; they count once lep() is told the end.
    char* hely(qsizetype n) {
        if (m_adat.size() - m_hossz < n)
            m_adat.resize(qMax(m_adat.size() * 2, m_hossz + n));
        return m_adat.data() + m_hossz;
    }
    void lep(const char* vege) { m_hossz = vege - m_adat.constData(); }
    void tesz(const char* p, qsizetype n) {
        char* cel = hely(n);
        std::memcpy(cel, p, size_t(n));
        m_hossz += n;
    }
    void tesz(const QByteArray& b) { tesz(b.constData(), b.size()); }
    qsizetype meret() const { return m_hossz; }
    QByteArrayView adat() const { return QByteArrayView(m_adat.constData(), m_hossz); }
    void urit() { m_hossz = 0; }
    // Every `c` from byte `tol` on doubled.
    void ketszerez(qsizetype tol, char c);
    // The bytes gathered, the buffer left empty.
    QByteArray atad() {
        m_adat.resize(m_hossz);
        m_hossz = 0;
        return std::exchange(m_adat, QByteArray());
    }

private:
    QByteArray m_adat;
    qsizetype m_hossz = 0;
};

// Appends the plain text form of a value read as the engine holds it, as
// windows-1250 bytes: the bytes of Cp1250Hozzafuz(cel, Szoveg(e.valtozo(),
// fajta)), for the common kinds without a Qt value in between. It keeps the
// dates it formatted (one writer per export, the workstation's formats
// being those of its start).
class NyersIro {
public:
    void hozzafuz(KiPuffer& cel, const NyersErtek& e, OszlopFajta fajta);

private:
    QHash<QByteArray, QByteArray> m_datumok[2];
};

// Writes the bytes as the whole file in one piece: the file is replaced only
// when everything was written, so a failure leaves an existing file as it
// was. Throws PelvanoHiba with the system's message.
void FajlIras(const QString& fajl, const QByteArray& tartalom);

} // namespace SzovegExportFormatum

// Writes every column of the query into the file in the plain format, with
// the separator after every value. The query is opened when it is not open
// (and closed again at the end) and left on the row where it was found. When
// the file cannot be created the error box shows "File megnyitási hiba\r\n"
// and the system's message; a query that cannot be opened and a failure
// after the file was created throw (AdatbazisHiba, PelvanoHiba).
void SzovegExport(QSqlQuery& query, const QString& fajl, const QString& hatarolo);
// The same for any data set, walked from its first row.
void SzovegExport(ExportForras& forras, const QString& fajl, const QString& hatarolo);
