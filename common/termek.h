#pragma once

// The product's version, as both programs show it (main window, about box,
// the maintenance tool's title).

#include <QString>

namespace Termek {

inline const QString Verzio = QStringLiteral("2.1.0.67");

} // namespace Termek
