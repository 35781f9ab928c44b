#pragma once

// What several tests read and write around the code under test: a number or
// a record of a query, a user's stored password, whole files, typed text,
// the text of a PDF page.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QWidget>

class Kapcsolat;

namespace Teszt {

// The first column of the query's first row as a number; -1 without a row.
int Szam(Kapcsolat& k, const QString& sql, const QVariantMap& parameterek = {});

// The query's first row as "field=value" texts (null as "-"), in the order
// of `mezok`; {"<none>"} without a row.
QStringList Rekord(Kapcsolat& k, const QString& sql, const QStringList& mezok);

// The names of the name indexes (idx_…) of the connection's database, in
// order, on either engine.
QStringList NevIndexek(Kapcsolat& k);

// Every record of the schema's tables, table by table in key order, each as
// its values' texts ("<null>" for null, truth values as 1 and 0), then of
// the tables made by hand (by name, their records in the order of their
// values), with the columns made by hand too (a table of the schema that
// the database lacks reads as empty, a column as null), on either engine: for
// comparing databases value by value.
QStringList Tartalom(Kapcsolat& k);

// While it lives, the engine refuses a change of rows with `uzenet`, as a
// failing disk or a rule of the database would: `mikor` is "INSERT ON t",
// "UPDATE ON t" or "UPDATE OF c ON t" (with "DELETE" likewise), `feltetel`
// an optional condition over NEW (SQLite's and the server's trigger alike).
class Tiltas {
public:
    Tiltas(Kapcsolat& k, const QString& mikor, const QString& uzenet, const QString& feltetel = {});
    ~Tiltas();
    Tiltas(const Tiltas&) = delete;
    Tiltas& operator=(const Tiltas&) = delete;
    void vege();

private:
    Kapcsolat& m_k;
    QString m_nev;
    QString m_tabla;
};

// The rows of a query as maps from column name to value, on either engine
// alike: names in the schema's spelling (the server folds them to lower
// case), dates and date-times as the texts the embedded engine stores, a
// null as an untyped null.
QList<QMap<QString, QVariant>> Rekordok(Kapcsolat& k, const QString& sql,
                                        const QVariantMap& parameterek = {});

// The password text stored for the user; "<none>" when there is no such user.
QString TaroltJelszo(Kapcsolat& k, const QString& nev);

// A file's whole contents; "<unreadable>" when it cannot be read.
QByteArray FajlTartalom(const QString& fajl);
// Writes a file anew; false when it could not be written whole.
[[nodiscard]] bool FajlIr(const QString& fajl, const QByteArray& tartalom);

// Typing, accented letters included (QTest::keyClicks knows ASCII only).
void Gepel(QWidget* cel, const QString& szoveg);

// The child widget of that object name; a missing one ends the test run
// with its name rather than a crash.
template <typename T> T* Gyerek(QWidget* w, const QString& nev) {
    T* t = w->findChild<T*>(nev);
    if (!t)
        qFatal("missing widget %s", qPrintable(nev));
    return t;
}

// The text of a PDF file as pdftotext lays it out, of page `lap` only when
// it is above 0; a "<pdftotext failed: …>" text when the tool fails.
QString PdfSzoveg(const QString& fajl, int lap = 0);
// The number of pages of a PDF file; -1 when pdfinfo cannot tell.
int PdfLapok(const QString& fajl);

} // namespace Teszt
