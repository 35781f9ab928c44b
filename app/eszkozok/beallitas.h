#pragma once

// The shared settings of every workstation on a data folder (the one record
// of `beallit`), read and written in this one place: by the start-up and by
// the settings dialog alike.

class Kapcsolat;

namespace Beallitas {

// The shared login switch: `vanbelep` of the settings table's first record.
bool VanBelep(Kapcsolat& k);
// Stores the switch in the first record (a new record on an empty table).
void VanBelepMent(Kapcsolat& k, bool kell);

} // namespace Beallitas
