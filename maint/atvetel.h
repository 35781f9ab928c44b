#pragma once

// The take-over of a data folder of the old file engine: its tables (one
// .DB file each, memos in .MB files) copied into a new database of the
// folder before the version change brings them to the current structure.
// The old files are only read. All or nothing: when a file cannot be read,
// no database is left behind.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class Kijelzo;

namespace Atvetel {

// The old engine's table files of the folder, by name.
QStringList Tablak(const QString& mappa);

// A folder that holds old tables and no database yet.
bool Szukseges(const QString& mappa);

// Takes every table over, showing each in the status line. Returns the
// number of records taken over per table file. A table that cannot be read
// throws PelvanoHiba with "Hiba az átvétel közben:\r\n", the file's name and
// the reason.
QList<QPair<QString, int>> Vegrehajt(const QString& mappa, Kijelzo& k);

// The text of the information box: the records taken over, per table.
QString Osszegzes(const QList<QPair<QString, int>>& darabok);

} // namespace Atvetel
