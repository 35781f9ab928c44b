#pragma once

// The database connection of a program on its data folder, and the SQL
// statements that run on it. What is specific to the engine (file, dialect,
// per-connection functions, width rule) lives behind Motor, so that a second
// engine touches only that interface.

#include "eredmenytar.h"
#include "motorhiba.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <memory>

class Motor {
public:
    virtual ~Motor() = default;
    virtual QString driver() const = 0;
    // Sets up and opens `db` on the data folder; a folder without a usable
    // database throws AdatbazisHiba with the engine's message.
    virtual void megnyit(QSqlDatabase& db, const QString& mappa) = 0;
    // The local dialect in the engine's SQL.
    virtual QString fordit(const QString& helyi) const = 0;
    // After a table was created or changed: renew what the engine keeps per
    // table beside the columns (the width rule of text columns).
    virtual void szerkezetValtozott(QSqlDatabase& db, const QString& tabla) = 0;
    // The ORDER BY expression of a name column in Hungarian,
    // case-insensitive order.
    virtual QString nevSorrend(const QString& oszlop) const = 0;
    // The key the engine assigned to the row last inserted on `db`.
    virtual qint64 utolsoKulcs(QSqlDatabase& db) = 0;
    // Reads a SELECT from its first row to its last, converting only the
    // named result columns (matched regardless of letter case; a missing one
    // reads as null) and handing them to `sor`, one call per row. Returns
    // the names of all result columns. Errors throw AdatbazisHiba.
    virtual QStringList atolvas(QSqlDatabase& db, const QString& sql, const QStringList& oszlopok,
                                const std::function<void(const QVariant* ertekek)>& sor) = 0;
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
    // Gives the free space of the database file back.
    virtual void tomorit(QSqlDatabase& db) = 0;
    // The table's key counter (of its AUTOINC column) at least `ertek`:
    // the next key given is greater.
    virtual void kulcsSzamlalo(QSqlDatabase& db, const QString& tabla, qint64 ertek) = 0;
};

class SqliteMotor : public Motor {
public:
    static QString AdatFajl(const QString& mappa); // mappa + "/pelvano.sqlite"
    QString driver() const override { return QStringLiteral("QSQLITE"); }
    void megnyit(QSqlDatabase& db, const QString& mappa) override;
    QString fordit(const QString& helyi) const override;
    void szerkezetValtozott(QSqlDatabase& db, const QString& tabla) override;
    QString nevSorrend(const QString& oszlop) const override;
    qint64 utolsoKulcs(QSqlDatabase& db) override;
    QStringList atolvas(QSqlDatabase& db, const QString& sql, const QStringList& oszlopok,
                        const std::function<void(const QVariant* ertekek)>& sor) override;
    std::unique_ptr<EredmenyTar> eredmenyTar(QSqlDatabase& db, const QString& sql) override;
    void tablaUjraepit(QSqlDatabase& db, const QString& tabla, const QStringList& kulcs,
                       const QString& index, const QString& indexOszlop) override;
    QString epsegHiba(QSqlDatabase& db) override;
    void tomorit(QSqlDatabase& db) override;
    void kulcsSzamlalo(QSqlDatabase& db, const QString& tabla, qint64 ertek) override;
    // Opens (creating when missing) a database file for building a new data
    // folder; the same per-connection set-up as megnyit.
    void letrehoz(QSqlDatabase& db, const QString& fajl);

private:
    void beallit(QSqlDatabase& db);
};

class Kapcsolat {
public:
    static constexpr const char* AlapNev = "Pelvano";

    explicit Kapcsolat(QString nev = QString::fromLatin1(AlapNev));
    ~Kapcsolat();
    Kapcsolat(const Kapcsolat&) = delete;
    Kapcsolat& operator=(const Kapcsolat&) = delete;

    // Opens the connection on a data folder (closing it first when open).
    void nyit(const QString& mappa);
    // Creates a new, empty database file and opens the connection on it.
    void letrehoz(const QString& fajl);
    // Closes the connection; every table and query on it is closed with it.
    void zar();
    bool nyitva() const;

    QString nev() const { return m_nev; }
    QString mappa() const { return m_mappa; }
    QSqlDatabase db() const;
    Motor& motor() { return *m_motor; }

    // The connection's table names, without extension.
    QStringList tablak() const;
    // A table's column names; a missing table throws AdatbazisHiba.
    QStringList oszlopok(const QString& tabla) const;
    // The table's name as the database spells it (a ".db" extension and the
    // letter case of the caller do not matter); empty when missing.
    QString tablaNev(const QString& nev) const;

    // Runs a statement given as lines; named integer (or other) parameters
    // are bound by name (":pterv" -> {"pterv", 12}). A SELECT leaves its
    // result in the returned query. Errors throw AdatbazisHiba.
    QSqlQuery sql(const QStringList& sorok, const QVariantMap& parameterek = {});
    QSqlQuery sql(const QString& szoveg, const QVariantMap& parameterek = {}) {
        return sql(QStringList{szoveg}, parameterek);
    }
    // A SELECT read forward only (for reading through large results once).
    QSqlQuery lekerdez(const QString& szoveg, const QVariantMap& parameterek = {});
    // A query typed by a user, in the local dialect, with its rows kept
    // apart as they are read (see EredmenyTar).
    std::unique_ptr<EredmenyTar> eredmeny(const QString& szoveg);

    // Maintenance (see Motor).
    void tablaUjraepit(const QString& tabla, const QStringList& kulcs, const QString& index = {},
                       const QString& indexOszlop = {});
    QString epsegHiba();
    void tomorit();
    void kulcsSzamlalo(const QString& tabla, qint64 ertek);

    // How long a statement waits for another workstation's hold on the
    // database before it fails, and who is told, once per statement, that
    // it has begun to wait (the programs show the wait cursor then). Both
    // hold for every connection of the process.
    static constexpr int AlapVarakozasMs = 10000;
    static void setVarakozasIdo(int ms);
    static int varakozasIdo();
    static void setVarakozasJelzo(std::function<void()> jelzo);
    // Tells the listener (the engines call it when they begin to wait).
    static void varakozasKezdodik();

    // Every statement text run through sql() / lekerdez(), as the program
    // wrote it, is handed to the listener (tests follow the statements).
    void setFigyelo(std::function<void(const QString&)> figyelo) { m_figyelo = std::move(figyelo); }

    // Starts a transaction that takes the write lock at once, so that a
    // concurrent writer waits (busy timeout) instead of failing.
    void tranzakcioKezd();
    void tranzakcioVege();
    void tranzakcioVissza();

private:
    QSqlQuery vegrehajt(const QString& szoveg, const QVariantMap& parameterek, bool csakElore);

    QString m_nev;
    QString m_mappa;
    std::unique_ptr<Motor> m_motor;
    std::function<void(const QString&)> m_figyelo;
};

// A transaction of several steps: committed by kesz(), rolled back when the
// scope is left without it.
class Tranzakcio {
public:
    explicit Tranzakcio(Kapcsolat& k) : m_k(k) { m_k.tranzakcioKezd(); }
    ~Tranzakcio() {
        if (!m_kesz) {
            try {
                m_k.tranzakcioVissza();
            } catch (...) {
            }
        }
    }
    void kesz() {
        m_k.tranzakcioVege();
        m_kesz = true;
    }

private:
    Kapcsolat& m_k;
    bool m_kesz = false;
};

// A table or column name for SQL: between double quotes, inner quotes
// doubled.
QString SqlNev(const QString& nev);
// Date and date-time values as the tables store them.
QString DatumSzoveg(const QDate& d);         // YYYY-MM-DD
QString DatumIdoSzoveg(const QDateTime& dt); // YYYY-MM-DD HH:MM:SS
