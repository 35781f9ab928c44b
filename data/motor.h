#pragma once

// The engine interface: what is specific to a database engine (how a data
// folder's database is opened, the dialect, per-connection functions, the
// width rule of text columns, the Hungarian order, maintenance) lives behind
// Motor, so that a second engine is one new implementation of it.

#include "eredmenytar.h"
#include "motorhiba.h"
#include "sorolvaso.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlField>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <functional>
#include <memory>

// Where a program's data lives: its data folder, and the database server
// when Pelvano.ini names one (a libpq connection string). Without a server
// the database is the folder's embedded one; with one, the folder keeps
// everything else.
struct Adatforras {
    QString mappa;
    QString szerver;
    bool szerveren() const { return !szerver.trimmed().isEmpty(); }
};

class Motor {
public:
    // The engine of a data source.
    static std::unique_ptr<Motor> Letrehoz(const Adatforras& forras);

    virtual ~Motor() = default;
    virtual QString driver() const = 0;
    // Sets up and opens `db` on the data source; a source without a usable
    // database throws AdatbazisHiba with the engine's message. `ures`: the
    // database may still be without tables (a schema is to be built in it).
    virtual void megnyit(QSqlDatabase& db, const Adatforras& forras, bool ures = false) = 0;
    // The local dialect in the engine's SQL.
    virtual QString fordit(const QString& helyi) const = 0;
    // Runs a statement (the engine's SQL) on `q` (a query of `db`) with its
    // named parameters; false when it failed (q.lastError() tells why). A
    // statement that waits for another workstation tells the waiting
    // listener (Kapcsolat::varakozasKezdodik) and gives up after the
    // waiting time.
    virtual bool vegrehajt(QSqlDatabase& db, QSqlQuery& q, const QString& sql,
                           const QVariantMap& parameterek) = 0;
    // The connection's own table names (the engine's bookkeeping left out).
    virtual QStringList tablak(const QSqlDatabase& db) const = 0;
    // After a table was created or changed: renew what the engine keeps per
    // table beside the columns (the width rule of text columns).
    virtual void szerkezetValtozott(QSqlDatabase& db, const QString& tabla) = 0;
    // The ORDER BY expression of a name column in Hungarian,
    // case-insensitive order.
    virtual QString nevSorrend(const QString& oszlop) const = 0;
    // What a query's text gets at its end to lock the rows it reads until
    // the transaction ends (empty where a transaction holds the whole
    // database already).
    virtual QString sorZarolo() const = 0;
    // The key the engine assigned to the row last inserted on `db`.
    virtual qint64 utolsoKulcs(QSqlDatabase& db) = 0;
    // Reads a SELECT from its first row to its last, converting only the
    // named result columns (matched regardless of letter case; a missing one
    // reads as null) and handing them to `sor`, one call per row. Returns
    // the names of all result columns. Errors throw AdatbazisHiba.
    virtual QStringList atolvas(QSqlDatabase& db, const QString& sql, const QStringList& oszlopok,
                                const std::function<void(const QVariant* ertekek)>& sor) = 0;
    // Reads a SELECT (the engine's SQL) from its first row to its last,
    // each value as the engine holds it. Errors throw AdatbazisHiba. The
    // reader must be gone before the connection closes. By default Qt's
    // driver reads it.
    virtual std::unique_ptr<SorOlvaso> olvaso(QSqlDatabase& db, const QString& sql);
    // For atolvas: the place of each asked column among the result's
    // columns (letter case does not matter), -1 for one it lacks.
    static QList<int> OszlopHelyek(const QStringList& nevek, const QStringList& oszlopok) {
        QList<int> helyek;
        for (const QString& o : oszlopok) {
            int hely = -1;
            for (int i = 0; i < nevek.size() && hely < 0; ++i)
                if (nevek.at(i).compare(o, Qt::CaseInsensitive) == 0)
                    hely = i;
            helyek << hely;
        }
        return helyek;
    }
    // A value as a literal of the engine's SQL (null as NULL).
    virtual QString literal(const QSqlDatabase& db, const QVariant& v) const {
        if (v.isNull())
            return QStringLiteral("NULL");
        QSqlField f(QString(), v.metaType());
        f.setValue(v);
        return db.driver()->formatValue(f);
    }
    // A query typed by a user, given in the engine's SQL, with its rows kept
    // apart as they are read (nothing is read yet). Errors throw
    // AdatbazisHiba. The store must be gone before the connection closes.
    virtual std::unique_ptr<EredmenyTar> eredmenyTar(QSqlDatabase& db, const QString& sql) = 0;

    // Maintenance, with the folder to itself. Rebuilds a table with its
    // stored indexes anew: the rows copied into a fresh table with the
    // primary key on `kulcs`, then the named case-insensitive index on
    // `indexOszlop` (none when `index` is empty); keys never reused stay
    // so. All or nothing: a missing table or rows that break the key throw
    // AdatbazisHiba and leave the table as it was.
    virtual void tablaUjraepit(QSqlDatabase& db, const QString& tabla, const QStringList& kulcs,
                               const QString& index, const QString& indexOszlop) = 0;
    // The engine's check of the whole database: empty when sound, otherwise
    // what it found.
    virtual QString epsegHiba(QSqlDatabase& db) = 0;
    // Gives the free space of the database back (and renews the engine's
    // statistics).
    virtual void tomorit(QSqlDatabase& db) = 0;
    // The table's key counter (of its AUTOINC column) at least `ertek`:
    // the next key given is greater.
    virtual void kulcsSzamlalo(QSqlDatabase& db, const QString& tabla, qint64 ertek) = 0;
    // The highest key the table's counter has given (0 when none yet, or
    // the table has no AUTOINC column).
    virtual qint64 kulcsSzamlaloOlvas(QSqlDatabase& db, const QString& tabla) = 0;

    // Writes a consistent snapshot of the whole database (taken in one read
    // transaction while others may write) as a new embedded database file:
    // the form every archive holds, whichever engine it came from.
    virtual void pillanatkep(QSqlDatabase& db, const QString& fajl) = 0;
};
