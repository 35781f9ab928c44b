#pragma once

// The plan list: the main query of the register with its order line.

#include <QStringList>

namespace TervLista {

// The lines of the main query ordered by `rendezOszlop` ("ORDER BY " + the
// column + ";" as its last line).
QStringList Sql(const QString& rendezOszlop);

} // namespace TervLista
