#pragma once
// A query's rows read once from the first to the last, each value as the
// engine holds it (a number, or text as UTF-8 bytes) without making a Qt
// value of it: what a large export or a list reads through. The columns'
// names, tables and types are those Qt's driver gives the same query.

#include <QMetaType>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

// One value of the current row; what it points to holds until the reader
// moves on.
struct NyersErtek {
    enum class Fajta : unsigned char { Null, Egesz, Tort, Szoveg, Bajtok, Ertek };
    Fajta fajta = Fajta::Null;
    qint64 egesz = 0;
    double tort = 0;
    const char* adat = nullptr; // Szoveg (UTF-8) and Bajtok
    qsizetype hossz = 0;
    const QVariant* ertek = nullptr; // Ertek: a value the engine gave as Qt's

    // The value as Qt's: null, a 64-bit integer, a double, text, bytes.
    QVariant valtozo() const;
};

class SorOlvaso {
public:
    virtual ~SorOlvaso() = default;

    int oszlopSzam() const { return int(m_nevek.size()); }
    const QStringList& nevek() const { return m_nevek; }
    // The table a column comes from as it is stored (empty for an
    // expression), and its type as Qt's driver gives it.
    QString tabla(int oszlop) const { return m_tablak.value(oszlop); }
    QMetaType::Type tipus(int oszlop) const {
        return m_tipusok.value(oszlop, QMetaType::UnknownType);
    }

    // Moves to the next row (the first at the first call); false past the
    // last. An error of the engine throws AdatbazisHiba.
    virtual bool kovetkezo() = 0;
    virtual NyersErtek ertek(int oszlop) const = 0;

protected:
    QStringList m_nevek;
    QStringList m_tablak;
    QList<QMetaType::Type> m_tipusok;
};

// The reader of any engine: an executed query of Qt's driver, read forward.
class QueryOlvaso : public SorOlvaso {
public:
    explicit QueryOlvaso(QSqlQuery q);
    bool kovetkezo() override;
    NyersErtek ertek(int oszlop) const override;

private:
    QSqlQuery m_q;
    QList<QVariant> m_sor;
};

// The rows of a query read once more straight through its engine, apart
// from the query itself (which stays where it is): on the embedded engine a
// statement without bound values, read again from its text. nullptr where
// the engine reads no faster than the query does (then walk the query).
// Errors of the statement throw AdatbazisHiba.
std::unique_ptr<SorOlvaso> KozvetlenOlvaso(const QSqlQuery& q);
