#pragma once

// The output choice of the reports (preview, print, CSV) answered by a test.

#include "modalis.h"

class Tfrm_Hatarolt;

namespace Teszt {

// The dialogs of one output choice.
struct KimenetValasztas {
    std::unique_ptr<Modalis> valaszto;
    std::unique_ptr<Modalis> csv;
};

// Answers the next output choice with the option (0 preview, 1 print, 2 CSV,
// -1 "Mégsem"). For option 2 the export dialog that follows is expected:
// `csv` runs on it (it closes the dialog; without `csv` it is cancelled).
[[nodiscard]] KimenetValasztas Kimenet(int opcio, std::function<void(Tfrm_Hatarolt*)> csv = {});

} // namespace Teszt
