#pragma once
// What the SQLite engine's files of the data layer share; nothing outside
// data/ includes this.

#include "eredmenytar.h"
#include "motorhiba.h"
#include "sorolvaso.h"

#include <QSqlDatabase>
#include <QStringList>
#include <functional>
#include <memory>

class QSqlError;
struct sqlite3;
struct sqlite3_stmt;
class QSqlDriver;

// The connection's SQLite handle (the same library as Qt's driver), or
// nullptr when the connection is not an open SQLite connection.
sqlite3* SqliteKezelo(const QSqlDatabase& db);
sqlite3* SqliteKezelo(const QSqlDriver* driver);

// The statement of a text that holds exactly one (spaces, comments and
// semicolons may follow it); an empty one and a second statement throw
// AdatbazisHiba with the system's sentence, a faulty one with SQLite's.
sqlite3_stmt* EgyUtasitas(sqlite3* h, const QString& sql);

// A SELECT read straight through SQLite (see SorOlvaso).
std::unique_ptr<SorOlvaso> SqliteOlvaso(sqlite3* h, const QString& sql);

// A column of the statement's current row as Qt holds it: null, a 64-bit
// integer, a double, bytes for a blob, text otherwise.
QVariant SqliteErtek(sqlite3_stmt* st, int i);

// The kept rows of a result: a temporary table of an SQLite handle (its
// temporary storage a file, not memory), numbered from 1 in the order they
// were put in. Errors throw AdatbazisHiba.
class SorTar {
public:
    // On `h` (kept open by the caller while the store lives); `tabla` the
    // table's name in the temp schema ("temp.…"), `n` (at least one) its
    // number of columns.
    SorTar(sqlite3* h, const QString& tabla, int n);
    ~SorTar(); // the statements go; the table goes with eldob()
    // Drops the table (call while the handle is still open).
    void eldob();
    SorTar(const SorTar&) = delete;
    SorTar& operator=(const SorTar&) = delete;

    // A part of rows goes in between kezd() and vege(), in one go.
    void kezd();
    void vege();
    // The insert statement: its values bound (1-based) before tesz().
    sqlite3_stmt* beszuro() const { return m_beszur; }
    void kot(int i, const QVariant& v); // binds a value of Qt's (0-based)
    void tesz();
    void sorok(qint64 elso, int db, const std::function<void(const QVariant* ertekek)>& sor) const;
    // Every kept row from the first, read once.
    std::unique_ptr<SorOlvaso> olvaso() const;

private:
    void futtat(const QString& sql);
    sqlite3* m_h;
    QString m_tabla;
    int m_n;
    sqlite3_stmt* m_beszur = nullptr;
    sqlite3_stmt* m_olvaso = nullptr;
};

// The result store of a query (SQLite's SQL) on the connection.
std::unique_ptr<EredmenyTar> SqliteEredmenyTar(const QSqlDatabase& db, const QString& sql);

// The condition of an error of Qt's SQLite driver by its result code;
// Egyeb when the code tells none (or the error is not SQLite's).
MotorHelyzet SqliteHelyzet(const QSqlError& hiba);
// The whole text (MotorHibaSzoveg) of the last error on a handle.
QString SqliteUzenet(sqlite3* h);
