#pragma once

// Passwords are stored as Argon2id hashes. A typed password counts with its
// first 20 characters, the width of the password boxes.

#include <QString>

namespace Jelszo {

constexpr int TipusoltHossz = 20;

// The typed password as it counts (cut to 20 characters).
QString Vagott(const QString& tipusolt);
// The hash to store for a typed password.
QString Hash(const QString& tipusolt);
// Whether a stored value is a hash (otherwise it is an old plain text).
bool HashE(const QString& tarolt);
// Whether the typed password matches the stored value: a hash is verified,
// any other stored value is compared as plain text; an empty stored value
// never matches.
bool Egyezik(const QString& tarolt, const QString& tipusolt);

} // namespace Jelszo
