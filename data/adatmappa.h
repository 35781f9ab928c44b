#pragma once

// Building a data folder, or a server database: the fourteen tables, their
// name indexes and the records delivered with the system.

#include <QString>

class Kapcsolat;

namespace Adatmappa {

// The user delivered with the system and its initial password.
inline const QString KezdoFelhasznalo = QStringLiteral("rendszergazda");
inline const QString KezdoJelszo = QStringLiteral("pelvano");

// The postal codes delivered with the system (a file name for
// IrszBetolt: the list built into the programs).
QString SzallitottIrsz();

// Creates every table of the schema and its name index on an open
// connection (through the local dialect, as the maintenance tool does).
void SemaLetrehoz(Kapcsolat& k);

// The delivered records: one `beallit` (vanbelep 'N'), one `tulajdonos`, the
// user "rendszergazda" with both rights.
void KezdoAdatok(Kapcsolat& k);

// Reads the postal codes (a "id;irsz;varos" UTF-8 file with a heading line)
// into `irsz`; returns how many were stored. A missing or malformed file
// throws PelvanoHiba.
int IrszBetolt(Kapcsolat& k, const QString& csvFajl);

// Builds a complete data folder in `mappa` (created when missing): schema,
// delivered records and, when `irszCsv` is not empty, the postal codes. The
// database is built under a temporary name and moved into place at the end;
// a folder that already holds a database is never touched. Returns false
// (and leaves everything as it was) when a database was already there.
bool Keszit(const QString& mappa, const QString& irszCsv);

// The same in a database of the server named by the connection string:
// the schema with the delivered records (and the postal codes when
// `irszCsv` is not empty). False, with nothing changed, when the database
// already holds a table of the schema; a failure leaves none of them.
bool SzerverenKeszit(const QString& szerver, const QString& irszCsv);

} // namespace Adatmappa
