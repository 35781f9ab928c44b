#pragma once

// A table of the old file engine, read through pelvano_paradox (a process
// of its own beside the program, so that a damaged file cannot end the
// maintenance tool): field names and kinds, and every record with its
// values decoded from the table's code page.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

struct ParadoxTabla {
    enum class Fajta { Szoveg, Datum, Ido, DatumIdo, Egesz, Tort, Logikai, Memo, Bajtok };
    struct Mezo {
        QString nev;
        Fajta fajta;
        int hossz; // bytes in the record
    };
    int kodlap = 0;     // the table's code page (0 when it names none)
    qint64 autoinc = 0; // the next value of the table's auto-increment field
    QList<Mezo> mezok;
    // Per record, per field: null, QString (texts, memos, ISO dates and
    // times), qint64, double, bool or QByteArray.
    QVector<QVector<QVariant>> sorok;

    // Reads a .DB file. Throws PelvanoHiba with the reason when the file
    // cannot be read (missing, damaged, its .MB missing or damaged).
    static ParadoxTabla Olvas(const QString& dbFajl);
    // The reader program: next to the running program, unless set.
    static QString Olvaso();
    static void setOlvaso(const QString& program);
};
