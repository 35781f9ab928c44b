#pragma once

// Pelvano.ini: a plain INI file of [sections] and key=value lines, read and
// written by both programs.
//
// - Section and key names match regardless of letter case (ASCII letters).
// - Lines that are not entries (comments, blank lines, garbage, binary bytes)
//   and every entry that the program does not set stay byte for byte.
// - Setting a value rewrites its line in place, with the key spelled as the
//   caller spells it; a new key goes after the last line of its section, a
//   new section at the end of the file.
// - Values are read as UTF-8 when they are valid UTF-8, otherwise as
//   windows-1250 (files saved by older editors); they are written as UTF-8.
// - Saving writes the whole file at once through a temporary file, so a
//   failed save leaves the previous file as it was.

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class IniFajl {
public:
    // A larger file is not an INI file of ours: it is not read, and it is
    // never overwritten (see betolt).
    static constexpr qint64 MaxMeret = 1024 * 1024;

    IniFajl() = default;
    explicit IniFajl(const QString& fajl) { betolt(fajl); }

    // Reads the file. A missing file reads as empty and is fine to save.
    // A file that exists but cannot be read, or is larger than MaxMeret,
    // reads as empty and returns false; saving over it is then refused, so
    // that a file we did not understand is never replaced by a few lines.
    bool betolt(const QString& fajl);
    // Writes to the file last loaded (or given to setFajl); false on failure
    // (hibaSzoveg tells why).
    bool ment();
    void setFajl(const QString& fajl) { m_fajl = fajl; }
    QString fajl() const { return m_fajl; }
    QString hibaSzoveg() const { return m_hiba; }

    // The value of an entry, std::nullopt when missing. Surrounding blanks
    // and one pair of surrounding quotes are removed.
    std::optional<QString> ertek(const QString& szakasz, const QString& kulcs) const;
    QString szoveg(const QString& szakasz, const QString& kulcs,
                   const QString& alap = QString()) const;
    // A decimal 32-bit integer; the default when missing or anything else
    // ("12abc", "", a number too large).
    qint32 egesz(const QString& szakasz, const QString& kulcs, qint32 alap) const;
    // An integer other than 0 is true; the default when it is no integer.
    bool logikai(const QString& szakasz, const QString& kulcs, bool alap) const;

    void beallit(const QString& szakasz, const QString& kulcs, const QString& ertek);
    void beallitEgesz(const QString& szakasz, const QString& kulcs, qint32 ertek);
    // Written as "1" or "0".
    void beallitLogikai(const QString& szakasz, const QString& kulcs, bool ertek);

    // The bytes that ment() writes.
    QByteArray tartalom() const;

private:
    struct Sor {
        QByteArray szoveg; // the line without its ending
        QByteArray veg;    // "\n", "\r\n" or empty for an unterminated last line
    };
    enum class Fajta { Egyeb, Szakasz, Bejegyzes };
    struct Elemzes {
        Fajta fajta = Fajta::Egyeb;
        QByteArray nev;   // section or key name, trimmed
        QByteArray ertek; // raw value bytes of an entry, trimmed
    };

    static Elemzes elemez(const QByteArray& sor);
    // Index of the line of the entry, or -1.
    qsizetype keres(const QByteArray& szakasz, const QByteArray& kulcs) const;
    QByteArray sorveg() const;

    QList<Sor> m_sorok;
    QString m_fajl;
    QString m_hiba;
    bool m_mentheto = true;
};
