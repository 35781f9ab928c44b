#pragma once
// What the SQLite engine's files of the data layer share; nothing outside
// data/ includes this.

#include "eredmenytar.h"
#include "motorhiba.h"

#include <QSqlDatabase>
#include <memory>

class QSqlError;
struct sqlite3;

// The connection's SQLite handle (the same library as Qt's driver), or
// nullptr when the connection is not an open SQLite connection.
sqlite3* SqliteKezelo(const QSqlDatabase& db);

// The result store of a query (SQLite's SQL) on the connection.
std::unique_ptr<EredmenyTar> SqliteEredmenyTar(const QSqlDatabase& db, const QString& sql);

// The condition of an error of Qt's SQLite driver by its result code;
// Egyeb when the code tells none (or the error is not SQLite's).
MotorHelyzet SqliteHelyzet(const QSqlError& hiba);
// The whole text (MotorHibaSzoveg) of the last error on a handle.
QString SqliteUzenet(sqlite3* h);
