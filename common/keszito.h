#pragma once

// How the maker of Pelvano can be reached: printed in every report footer,
// behind the help menu's links and in the about box.

#include <QString>

namespace Keszito {

inline const QString Nev = QStringLiteral("Sorvani Bt.");
inline const QString Web = QStringLiteral("www.pelvano.hu");
inline const QString Honlap = QStringLiteral("https://www.pelvano.hu");
inline const QString Email = QStringLiteral("info@pelvano.hu");
inline const QString Telefon = QStringLiteral("+36 1 555 0167");

} // namespace Keszito
