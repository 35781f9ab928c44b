#pragma once
// What the SQLite engine's files of the data layer share; nothing outside
// data/ includes this.

#include "eredmenytar.h"

#include <QSqlDatabase>
#include <memory>

struct sqlite3;

// The connection's SQLite handle (the same library as Qt's driver), or
// nullptr when the connection is not an open SQLite connection.
sqlite3* SqliteKezelo(const QSqlDatabase& db);

// The result store of a query (SQLite's SQL) on the connection.
std::unique_ptr<EredmenyTar> SqliteEredmenyTar(const QSqlDatabase& db, const QString& sql);
