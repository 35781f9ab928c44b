#pragma once

// The local SQL dialect of the programs (CREATE TABLE with AUTOINC, INT,
// CHAR(n), DATE, PRIMARY KEY (...); ALTER TABLE ... ADD ...) turned into the
// SQL of the embedded engine. Every statement of the programs and every
// statement typed by a user passes through here before it reaches SQLite.

#include <QString>

namespace Dialektus {

// The statement in SQLite's SQL. Statements that need no change come back
// as they are.
QString SqliteSql(const QString& helyi);

// The table whose structure the statement creates or changes (CREATE TABLE,
// ALTER TABLE), or empty for every other statement.
QString SzerkezetValtoTabla(const QString& sql);

} // namespace Dialektus
