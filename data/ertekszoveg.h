#pragma once

// The text forms of stored values, as the grids, the reports and the export
// show them, and the kinds of columns that decide them.

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariant>

// The kind of a column decides its text form. Dates and date-times are
// stored as text, so the kind comes from the schema or the declared column
// type, never from the value.
enum class OszlopFajta { Szoveg, Egesz, Tort, Datum, DatumIdo, Memo, Blob };

namespace Ertek {

// The kind of a stored column by the schema: the first of the tables that
// has a column of that name (regardless of letter case); `nincs` when none.
OszlopFajta SemaFajta(const QStringList& tablak, const QString& oszlop,
                      OszlopFajta nincs = OszlopFajta::Szoveg);

// The kind a value's type suggests (for columns the schema does not know).
OszlopFajta TipusFajta(QMetaType::Type tipus);
OszlopFajta ErtekFajta(const QVariant& ertek);

// The plain text form of a value: null as nothing, whole numbers in decimal,
// other numbers in general format with up to 15 significant digits and the
// workstation's decimal separator, dates in the short date format, date-times
// as short date, space, long time (the time left out at midnight), text and
// memo whole. A stored date that cannot be read is written as stored.
QString Szoveg(const QVariant& ertek, OszlopFajta fajta);

// A stored date or date-time (a QDate/QDateTime, or ISO text as the embedded
// engine stores it); invalid when it cannot be read.
QDateTime DatumIdo(const QVariant& ertek);

} // namespace Ertek
