#pragma once

// The fourteen tables of a data folder: names, columns, types, widths,
// primary keys and the named case-insensitive name indexes.

#include <QList>
#include <QString>
#include <QStringList>

namespace Sema {

enum class Tipus {
    AutoInc,  // integer assigned by the engine, never reused
    Egesz,    // 32-bit integer, null allowed
    Szoveg,   // text of at most `szelesseg` characters
    Datum,    // calendar date, stored as YYYY-MM-DD
    DatumIdo, // date and time, stored as YYYY-MM-DD HH:MM:SS
    Memo,     // text of any length
};

struct Oszlop {
    QString nev;
    Tipus tipus;
    int szelesseg = 0; // for Szoveg
};

struct Tabla {
    QString nev;     // as SQL names it
    QString fajlNev; // the name the programs open it by ("terv.db")
    QList<Oszlop> oszlopok;
    QStringList kulcs; // primary key columns
    QString nevIndex;  // named case-insensitive index, or empty
    QString nevOszlop; // the column of that index
};

// Every table, in the order of the schema.
const QList<Tabla>& Tablak();
// A table by name, regardless of letter case and of a ".db" extension;
// nullptr when the schema has no such table.
const Tabla* TablaNevvel(const QString& nev);

// A column's type in the local SQL dialect (AUTOINC, INT, CHAR(n), DATE,
// TIMESTAMP, MEMO).
QString TipusSql(const Oszlop& o);
// The table's CREATE TABLE statement in the local SQL dialect (the one the
// maintenance tool writes), with its primary key clause.
QString LetrehozoSql(const Tabla& t);
// The statement that creates the table's name index, or empty.
QString NevIndexSql(const Tabla& t);

// Width of the user name and of the stored password (a password hash).
constexpr int FelhasznaloSzelesseg = 20;
constexpr int JelszoSzelesseg = 128;

} // namespace Sema
