#pragma once

// The user table's maintenance without windows: the names in key order, and
// saving or deleting one user. Passwords are stored as hashes.

#include <QString>
#include <QStringList>

class Kapcsolat;

namespace Felhasznalok {

constexpr int NevHossz = 20;

inline const QString HianyosAdat = QStringLiteral("Hiányos adat megadás");
inline const QString HibasJelszo = QStringLiteral("Hibás jelszó megadás");

// The user names in key order.
QStringList Nevek(Kapcsolat& k);

// What the edit dialog hands over.
struct Adatok {
    QString regiNev;      // the user edited; empty for a new one
    QString nev;          // the user name as typed
    QString jelszo;       // the password box
    QString megerosites;  // "Jelszó még egyszer"
    bool jelszoUj = true; // the password box was typed in (else it shows the stored one)
};

// Checks and saves. Returns the message for the user when the data is
// refused ("Hiányos adat megadás": no password or the engine refused the
// save, for example a name that another user has; "Hibás jelszó megadás":
// the two password boxes differ), an empty text when saved. A new user gets
// no rights.
QString Ment(Kapcsolat& k, const Adatok& a);

// Deletes a user; false when there was no such user.
bool Torol(Kapcsolat& k, const QString& nev);

} // namespace Felhasznalok
