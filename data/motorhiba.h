#pragma once

// What a user reads of a database error. For the engine's common conditions
// a Hungarian sentence says what happened and what to do; the engine's own
// text follows on its own line, so that an administrator still sees it. The
// caller puts its fixed prefix in front ("SQL hiba:\r\n", "Hiba: ", …).

#include "hiba.h"

#include <QString>

class QSqlError;

// A database error: the text of MotorHibaSzoveg (or of a refusal of the
// data layer itself), to be shown behind the caller's Hungarian words.
class AdatbazisHiba : public PelvanoHiba {
public:
    using PelvanoHiba::PelvanoHiba;
};

// The conditions that get a sentence of their own.
enum class MotorHelyzet {
    Egyeb,          // any other error: the engine's text alone
    Foglalt,        // another workstation holds the database (busy, locked)
    CsakOlvashato,  // the database cannot be written
    Megtelt,        // the disk is full
    NemNyithato,    // the database file cannot be opened
    NemAdatbazis,   // the file is not a database (or is empty)
    Serult,         // the database file is damaged
    NincsTabla,     // a table named by the statement is missing
    NincsOszlop,    // a column named by the statement is missing
    TobbUtasitas,   // several statements given at once
    UresUtasitas,   // nothing to run
    NincsKapcsolat, // the connection is not open
};

// The Hungarian sentence of a condition; empty for Egyeb.
QString HelyzetMondat(MotorHelyzet helyzet);

// The text of an error: the sentence of its condition (for Egyeb the one
// its text names: the texts of the engines we run on, "database is locked",
// "no such table: x", …), then the engine's own text on its own
// line ("\r\n"); either is left out when missing, and the text is never
// empty.
QString MotorHibaSzoveg(MotorHelyzet helyzet, const QString& motorSzoveg);

// The engine's text of a failed Qt SQL operation: the database's message,
// or the driver's when the database gave none.
QString MotorSzoveg(const QSqlError& hiba);

// The whole text of a failed Qt SQL operation (MotorHibaSzoveg of its
// condition and text).
QString MotorUzenet(const QSqlError& hiba);
