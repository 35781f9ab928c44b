#pragma once

// QR codes of short texts (libqrencode), for printing.

#include <QString>

#include <vector>

namespace QrKod {

// The modules of a symbol, row by row, without the quiet zone around it.
struct Matrix {
    int oldal = 0; // modules on a side; 0: the text could not be encoded
    std::vector<bool> modulok;
    bool sotet(int x, int y) const { return modulok[std::size_t(y) * oldal + x]; }
};

// The smallest symbol that holds `szoveg` (UTF-8) at error correction level
// M (15 % of the symbol may be lost or soiled).
Matrix Kodol(const QString& szoveg);

} // namespace QrKod
