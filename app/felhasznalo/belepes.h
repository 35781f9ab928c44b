#pragma once

// The login check, the login log and the password change, without a window.

#include "foablak/tbeall.h"

#include <QDateTime>
#include <QString>

class Kapcsolat;

class Belepes {
public:
    explicit Belepes(Kapcsolat& kapcsolat) : m_k(kapcsolat) {}

    // The user whose name equals `nev` exactly (letter case counts) and whose
    // stored password matches `jelszo`: sets the rights in `beall` and
    // returns true. Otherwise shows "Érvénytelen felhasználó, vagy jelszó"
    // and returns false.
    bool JelszoEllenoriz(const QString& nev, const QString& jelszo, TBeall& beall);

    // "OK": checks, appends the attempt to the login log with its moment and
    // outcome, sets the current user name. A stored password that is still
    // plain text is replaced by its hash after a successful login.
    bool Bejelentkezik(const QString& nev, const QString& jelszo, TBeall& beall);

    // "Új jelszó": checks the current password, asks for the new one twice
    // and stores it. Returns true when the password was changed.
    bool UjJelszo(const QString& nev, const QString& jelszo, TBeall& beall);

    // The moment written into the log (tests may fix it).
    void setIdo(const QDateTime& ido) { m_ido = ido; }

private:
    QDateTime most() const { return m_ido.isValid() ? m_ido : QDateTime::currentDateTime(); }
    void jelszoTarol(const QString& nev, const QString& jelszo);

    Kapcsolat& m_k;
    QDateTime m_ido;
};
