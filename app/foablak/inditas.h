#pragma once

// The start-up's decisions that need no window: the program folder's
// sub-folders, the data folder that Pelvano.ini names, and the connection
// with the folder's lock.

#include "motor.h"
#include "pelvanoini.h"

class Kapcsolat;
class AdatZar;

#include <QString>

namespace Inditas {

// Creates the program folder's Data, Help and Archiv when missing; one that
// cannot be made throws PelvanoHiba naming it.
void MappakLetrehoz();

// The data folder of the INI entries, or the program folder's Data when
// they name none or a folder that does not exist (`visszaallitva` is then
// set, and the user is told).
QString AdatMappa(const IniErtekek& e, bool* visszaallitva = nullptr);

// Opens the connection on the data source (closing what it had open) and
// takes the data source's lock shared (see AdatZar). Throws AdatbazisHiba when the source
// holds no database, or when the maintenance tool works on it (the
// connection is then closed again). The lock is taken only once the source
// proved to hold a database, so nothing is left in a wrong folder.
void Kapcsolodik(Kapcsolat& db, AdatZar& zar, const Adatforras& forras);

} // namespace Inditas
