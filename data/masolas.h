#pragma once

// Copying a whole database between connections, record by record, every
// value and key kept and the key counters carried over: the server's
// snapshot written as an embedded database (the archive), and a data folder
// moved to a server.

#include <QList>
#include <QPair>
#include <QString>
#include <functional>

class Kapcsolat;

namespace Masolas {

// Copies every table of the schema from `honnan` into `hova` (where the
// schema stands, its tables empty), with the columns and tables made by
// hand beside the schema, in one transaction of `hova`: all or nothing. The source is read in one
// read-only snapshot when its engine has them (so other workstations may write meanwhile).
// `tablaKesz` is told each table's name and record count as it is done. Returns the record counts
// per table, in the schema's order, then the tables made by hand. Errors throw AdatbazisHiba.
QList<QPair<QString, qint64>>
Tablak(Kapcsolat& honnan, Kapcsolat& hova,
       const std::function<void(const QString&, qint64)>& tablaKesz = {});

} // namespace Masolas
