#pragma once

// The start-up's decisions that need no window: the program folder's
// sub-folders and the data folder that Pelvano.ini names.

#include "pelvanoini.h"

#include <QString>

namespace Inditas {

// Creates the program folder's Data, Help and Archiv when missing; one that
// cannot be made throws PelvanoHiba naming it.
void MappakLetrehoz();

// The data folder of the INI entries, or the program folder's Data when
// they name none or a folder that does not exist (`visszaallitva` is then
// set, and the user is told).
QString AdatMappa(const IniErtekek& e, bool* visszaallitva = nullptr);

} // namespace Inditas
