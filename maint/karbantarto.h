#pragma once

// The two operations of the maintenance tool on a data folder (or on the
// server's database the folder's Pelvano.ini names), without the window: "Karbantartás" rebuilds
// the keys and name indexes of eleven tables, checks the database and compacts it; "Verzióváltás"
// brings an older folder to the current structure. What they show goes to a Kijelzo: the window's
// progress bar, status line and message boxes, or the terminal.

#include "adatzar.h"
#include "kapcsolat.h"

#include <QString>
#include <QStringList>

class Kijelzo {
public:
    virtual ~Kijelzo() = default;
    virtual void maximum(int ertek) = 0; // the progress bar's maximum (its minimum is 1)
    virtual void lepes() = 0;            // the bar one step on
    virtual void alaphelyzet() = 0;      // the bar back at its minimum
    virtual void allapot(const QString& szoveg) = 0; // the status line, shown at once
    virtual void hiba(const QString& uzenet) = 0;    // error box
    virtual void uzenet(const QString& uzenet) = 0;  // information box
};

class Karbantarto {
public:
    explicit Karbantarto(Kijelzo& k);
    ~Karbantarto();

    // Each runs to its end; a folder that cannot be opened throws
    // AdatbazisHiba before anything is touched (the general error handling
    // shows it). False when the folder is missing or an error was shown.
    bool karbantartas(const QString& mappaSzoveg);
    bool verziovaltas(const QString& mappaSzoveg);
    // Moves the folder's database (or, for a folder of the old file engine,
    // what its take-over and version change make of it, on a copy) into
    // the empty database of the server (setSzerver): the schema, then every
    // record with its keys and the key counters, all or nothing (a failure
    // leaves the server's database without the tables). The folder is only
    // read. Ends with the record counts per table.
    bool szerverre(const QString& mappaSzoveg);

    // The database server the operations work on, when Pelvano.ini names
    // one (the folder keeps its meaning for everything else).
    void setSzerver(const QString& szerver) { m_szerver = szerver.trimmed(); }
    Adatforras forras() const { return {m_mappa, m_szerver}; }

    // The error of an operation on the server without one named.
    static const QString NincsSzerver;

    // A table that the maintenance rebuilds.
    struct Tabla {
        QString fajl;      // "terv_sor.DB"
        QStringList kulcs; // primary key columns
        QString index;     // named case-insensitive index, or empty
        QString indexOszlop;
    };
    static const QList<Tabla>& Tablak();

    // The folder text without one trailing separator.
    static QString MappaSzoveg(const QString& doboz);

private:
    // The folder of the box, checked, with the connection and lock of a
    // former operation let go. False (and the box) when it does not exist.
    bool mappaValaszt(const QString& doboz);
    void hiba(const QString& uzenet);

    Kijelzo& m_k;
    Kapcsolat m_db;
    AdatZar m_zar;
    QString m_mappa;
    QString m_szerver;
    bool m_hiba = false;
};
