#pragma once

// The database archive: every file of the data folder in one zip file. The
// database itself is stored as a consistent snapshot taken through the
// engine, so other workstations may go on writing meanwhile; the engine's
// side files (journal, WAL) are left out, and the archive never holds
// itself.

#include "motor.h"
#include <QDate>

#include <QString>

class Kapcsolat;

namespace Archivalas {

// The archive folder: <program folder>/Archiv.
QString Mappa();
// The archive of a day in a folder: <mappa>/yyyymmdd.zip.
QString NapiFajl(const QString& mappa, const QDate& nap);
// The proposed archive: <program folder>/Archiv/yyyymmdd.zip.
QString JavasoltFajl(const QDate& nap = QDate::currentDate());

// Writes the archive `zipFajl` (replaced when it exists) of the data
// source: the data folder's files, its database (a server's as the embedded
// engine's database file, pelvano.sqlite) as a consistent snapshot. Throws
// PelvanoHiba with the message of what failed; an existing archive of that
// name then stays as it was.
void Keszit(const Adatforras& forras, const QString& zipFajl);
inline void Keszit(const QString& adatMappa, const QString& zipFajl) {
    Keszit(Adatforras{adatMappa, {}}, zipFajl);
}

// The archive of an open connection's folder, as the register makes it: the
// connection is closed while the folder is read and opened again on the
// same folder afterwards, whether or not the archive was written (whatever
// reads through the connection is closed by the caller before and opened
// after). Returns the failure's message, empty when the archive is complete;
// a folder that cannot be opened again throws AdatbazisHiba.
QString KeszitZarva(Kapcsolat& db, const QString& zipFajl);

} // namespace Archivalas
