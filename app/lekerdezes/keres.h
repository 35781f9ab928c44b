#pragma once

// The detailed search: a piece of text looked for, regardless of letter
// case, in eleven columns of the plans and of their looked-up names.

#include <QString>
#include <QStringList>

namespace Keres {

// The searched columns, in the order the condition names them.
const QStringList& Oszlopok();

// The text as a quoted LIKE pattern: upper case by the workstation's rules,
// between "%" signs, single quotes doubled. "%" and "_" stay wildcards.
QString Minta(const QString& szoveg);

// The lines of the search: the plan register's query without its order, the
// condition, "ORDER BY terv.tervszam;".
QStringList Sql(const QString& szoveg);

} // namespace Keres
