#pragma once

// The daily archive: at start-up, when the INI asks for it, today's archive
// (<archive folder>/yyyymmdd.zip, as the archive action makes it) unless it
// is there already; after it the daily archives older than the days to keep
// are deleted. Only files named yyyymmdd.zip (a real date) are ever deleted.

#include "motor.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace NapiArchiv {

// Whether the day's archive is still to be made.
bool Esedekes(const QString& mappa, const QDate& nap);

// Deletes the daily archives dated more than `megtart` days before `nap`;
// the names deleted.
QStringList Ritkit(const QString& mappa, const QDate& nap, int megtart);

// Makes the day's archive of the data source (nothing is left of a failed
// one) and then thins the folder. Throws PelvanoHiba with the reason.
void Keszit(const Adatforras& forras, const QString& mappa, const QDate& nap, int megtart);

} // namespace NapiArchiv
