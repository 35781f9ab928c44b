#pragma once
// The rows of a query typed by a user, kept by the engine apart from the
// tables they came from. The query is read a part at a time, so that the
// first rows can be shown while the rest is still being read; once read,
// the query no longer holds the database (other workstations write freely)
// and every row can be read again at any position, the same rows however
// the tables change meanwhile.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

class SorOlvaso;

class EredmenyTar {
public:
    virtual ~EredmenyTar() = default;

    // The result's columns: names as the engine gives them, and where it
    // can tell, the table and column each one comes from (empty otherwise).
    virtual QStringList nevek() const = 0;
    virtual QStringList eredetiTablak() const = 0;
    virtual QStringList eredetiOszlopok() const = 0;

    // The rows kept so far, and whether the query has been read to its end.
    virtual int sorSzam() const = 0;
    virtual bool kesz() const = 0;

    // Reads at most `legfeljebb` further rows of the query into the store;
    // returns how many it read. An error of the engine throws AdatbazisHiba
    // (the rows kept so far stay readable, the query is read no further).
    virtual int olvas(int legfeljebb) = 0;

    // Hands the kept rows from `elso` (0-based), at most `db` of them, to
    // `sor`, one call per row with the row's values.
    virtual void sorok(int elso, int db,
                       const std::function<void(const QVariant* ertekek)>& sor) = 0;

    // The kept rows from the first, read once as the store holds them (for
    // a large export); nullptr when the store keeps no rows. The reader must
    // be gone before the store.
    virtual std::unique_ptr<SorOlvaso> olvaso() const = 0;
};
