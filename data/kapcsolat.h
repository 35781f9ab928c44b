#pragma once

// The database connection of a program on its data source (the data
// folder's embedded database, or the server Pelvano.ini names), and the SQL
// statements that run on it; the engine behind it is a Motor (motor.h).

#include "motor.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <memory>

class Kapcsolat {
public:
    static constexpr const char* AlapNev = "Pelvano";

    explicit Kapcsolat(QString nev = QString::fromLatin1(AlapNev));
    ~Kapcsolat();
    Kapcsolat(const Kapcsolat&) = delete;
    Kapcsolat& operator=(const Kapcsolat&) = delete;

    // Opens the connection on a data folder's embedded database, or on the
    // data source's server (closing it first when open). `ures`: a server
    // database that may still be without tables (for building a schema).
    void nyit(const QString& mappa) { nyit(Adatforras{mappa, {}}); }
    void nyit(const Adatforras& forras, bool ures = false);
    // Creates a new, empty database file and opens the connection on it.
    void letrehoz(const QString& fajl);
    // Closes the connection; every table and query on it is closed with it.
    void zar();
    bool nyitva() const;

    QString nev() const { return m_nev; }
    QString mappa() const { return m_forras.mappa; }
    const Adatforras& forras() const { return m_forras; }
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
    // A query that locks the rows it reads until the transaction ends, so
    // that another workstation's transaction on them waits (the text as it
    // is written, with what the engine needs at its end).
    QString sorZarral(const QString& lekerdezes) const { return lekerdezes + m_motor->sorZarolo(); }
    // The key the engine gave the row this connection inserted last.
    qint64 utolsoKulcs();
    // A SELECT read forward only (for reading through large results once).
    QSqlQuery lekerdez(const QString& szoveg, const QVariantMap& parameterek = {});
    // A SELECT read once from its first row to its last, each value as the
    // engine holds it (for large exports and reports).
    std::unique_ptr<SorOlvaso> olvaso(const QString& szoveg);
    // A query typed by a user, in the local dialect, with its rows kept
    // apart as they are read (see EredmenyTar).
    std::unique_ptr<EredmenyTar> eredmeny(const QString& szoveg);

    // Maintenance (see Motor).
    void tablaUjraepit(const QString& tabla, const QStringList& kulcs, const QString& index = {},
                       const QString& indexOszlop = {});
    QString epsegHiba();
    void tomorit();
    void kulcsSzamlalo(const QString& tabla, qint64 ertek);
    // A consistent snapshot of the whole database as a new embedded
    // database file (see Motor::pillanatkep).
    void pillanatkep(const QString& fajl);

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

    void motorValaszt(const Adatforras& forras);

    QString m_nev;
    Adatforras m_forras;
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
