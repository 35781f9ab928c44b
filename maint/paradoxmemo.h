#pragma once

// Memo and blob values of the old file engine's tables. A memo field of a
// table record holds the first part of the text, then ten bytes that point
// into the table's .MB file: the position (a 4 KiB block, and in its lowest
// byte the entry of a sub-allocated block, or 0xFF for a block of its own),
// the length and a modification number. The .MB file is read here, every
// position and length checked against the file: a damaged file gives an
// error, never a read outside it.

#include <QByteArray>
#include <QString>
#include <optional>

namespace ParadoxMemo {

// The value of a memo field `mezo` (the field's bytes in the record): null
// when the field is empty, the text kept in the record when it fits there,
// otherwise the blob from `mb` (the whole .MB file; empty when the table has
// none). An error says what is wrong in `hiba` and returns std::nullopt.
std::optional<QByteArray> Ertek(const QByteArray& mezo, const QByteArray& mb, bool* ures,
                                QString* hiba);

// The blob at `mutato` with `hossz` bytes in the .MB file.
std::optional<QByteArray> Blob(const QByteArray& mb, quint32 mutato, quint32 hossz, QString* hiba);

} // namespace ParadoxMemo
