#pragma once

// The local SQL dialect of the programs (CREATE TABLE with AUTOINC, INT,
// CHAR(n), DATE, PRIMARY KEY (...); ALTER TABLE ... ADD ...; UPPER(...)
// LIKE; BEGIN IMMEDIATE; COLLATE NOCASE) turned into the SQL of the engine
// it runs on. Every statement of the programs and every statement typed by
// a user passes through here before it reaches the engine.

#include <QString>

namespace Dialektus {

// The engines the dialect is turned into.
enum class Cel { Sqlite, Postgres };

// The statement in the engine's SQL. Statements that need no change come
// back as they are.
QString MotorSql(const QString& helyi, Cel cel);
inline QString SqliteSql(const QString& helyi) {
    return MotorSql(helyi, Cel::Sqlite);
}

// The number of statements in a text (split at semicolons outside quotes
// and comments; an empty piece, such as after a closing semicolon, does not
// count).
int UtasitasSzam(const QString& sql);

// Every order over a text column is the Hungarian, case-insensitive order
// of names. In the ORDER BY of a query (the outermost one), each item that
// names a text column of the schema (directly, "t.c", or by its place in
// the select list) and has no collation of its own is ordered by the
// engine's means: a column named directly by `kulcsFuggveny` around it
// (a function giving its sort key, quicker for large results; not in a
// compound query), otherwise with `utotag` (" COLLATE …") after it. Other
// statements, and items over numbers, dates, expressions or tables the
// schema does not know, stay as they are.
QString MagyarSorrend(const QString& sql, const QString& kulcsFuggveny, const QString& utotag);

// The result columns named as the statement writes them (the embedded
// engine's rule; the server would fold them to lower case): each column of
// the first select list given by a plain name in mixed case gets that
// spelling as its label.
QString OszlopCimkek(const QString& sql);

// Nulls first in an ascending order and last in a descending one, as the
// embedded engine orders them: each item of a query's outermost ORDER BY
// without a NULLS clause of its own gets one (for the server, which orders
// them the other way).
QString NullElol(const QString& sql);

// The table whose structure the statement creates or changes (CREATE TABLE,
// ALTER TABLE), or empty for every other statement.
QString SzerkezetValtoTabla(const QString& sql);

} // namespace Dialektus
