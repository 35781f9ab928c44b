#pragma once

// A small banded report engine. A report is kept as data: a page header, a
// page footer and the body bands (group headers, details, group footers) in
// print order, each band a list of elements placed in millimetres from the
// band's top left corner. Paging turns the body into pages; one paint routine
// draws a page on any device (preview, printer, PDF).

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPainter;

namespace Riport {

// A4 portrait with 10 mm margins on every side.
constexpr double LapSzelesseg = 210.0;
constexpr double LapMagassag = 297.0;
constexpr double Margo = 10.0;
constexpr double SavSzelesseg = 190.2;
constexpr double NyomtathatoMagassag = LapMagassag - 2 * Margo;
constexpr double SzovegMagassag = 4.3; // a one-line text box
constexpr double VekonyVonal = 0.26;   // a thin line, in mm

struct Betu {
    QString csalad = QStringLiteral("Arial");
    double meret = 10;
    bool felkover = false;
    bool dolt = false;
    bool operator==(const Betu&) const = default;
    // The font sized for painting in hundredths of a millimetre.
    QFont qfont() const;
};

// Tahoma, the face of the reports' labels (italic), values and headings.
inline Betu Tahoma(double meret) {
    return Betu{QStringLiteral("Tahoma"), meret, false, false};
}
inline Betu TahomaDolt(double meret) {
    return Betu{QStringLiteral("Tahoma"), meret, false, true};
}
inline Betu TahomaFelkover(double meret) {
    return Betu{QStringLiteral("Tahoma"), meret, true, false};
}

// Kod: a QR code of the element's text (or field) filling the square of
// side szel from its top left corner, dark modules in szin.
enum class ElemFajta { Szoveg, Vonal, Keret, Kod };

struct Elem {
    ElemFajta fajta = ElemFajta::Szoveg;
    double bal = 0, fent = 0, szel = 0, mag = SzovegMagassag;
    QString szoveg;
    Betu betu;
    Qt::Alignment igazitas = Qt::AlignLeft;
    bool tordel = false;    // wraps inside its box instead of being cut
    bool oldalszam = false; // the page number is printed after szoveg
    // A field: the text is the value at this index of the band's record (in
    // the page header: of the record at which the page starts); -1: szoveg.
    int mezo = -1;
    double vastag = VekonyVonal; // line and frame width
    QColor szin = Qt::black;
    bool operator==(const Elem&) const = default;

    static Elem Szoveg(double bal, double fent, double szel, const QString& szoveg,
                       const Betu& betu, Qt::Alignment igazitas = Qt::AlignLeft);
    static Elem Mezo(double bal, double fent, double szel, int mezo, const Betu& betu,
                     Qt::Alignment igazitas = Qt::AlignLeft);
    // A horizontal line (mag 0) or a vertical one (szel 0).
    static Elem Vonal(double bal, double fent, double szel, double mag = 0,
                      double vastag = VekonyVonal, QColor szin = Qt::black);
    static Elem Keret(double bal, double fent, double szel, double mag,
                      double vastag = VekonyVonal);
    static Elem Kod(double bal, double fent, double oldal, const QString& szoveg);
};

enum class SavFajta { Fejlec, CsoportFej, Reszlet, CsoportLab, Lablec };

struct Sav {
    SavFajta fajta = SavFajta::Reszlet;
    double magassag = 0;
    QList<Elem> elemek;
    // Silver lines along the band's top or bottom edge (width in mm, 0: none).
    double ezustFelul = 0;
    double ezustAlul = 0;
    // Kept on one page with the band after it (a group header with its
    // first detail).
    bool kovetkezovel = false;
    // The record whose values the band's fields print. Body bands made from
    // one template share its element list, so a long report holds little
    // more than its values.
    QStringList ertekek;
};

// The printed text of an element of a band whose record is `ertekek`.
QString ElemSzoveg(const Elem& e, const QStringList& ertekek);

// One page: the body bands [elso, elso + db) printed below the header.
struct Lap {
    int elso = 0;
    int db = 0;
};

// The next record of a report's body: its values and the key whose change
// from the record before closes a group; false when there are no more.
using RekordForras = std::function<bool(QStringList& ertekek, QString& csoport)>;

// The body bands of a report in print order. Bands made from one template
// share it: only their values are kept, and beyond a few megabytes in a
// temporary file, so that a report of any length holds about the same
// memory. A body may be given as a source of records instead: its bands are
// made as they are asked for, so that the first pages can be shown while the
// rest is still being read. Copies share the bands (a report is made once and
// then read).
class Torzs {
public:
    Torzs();

    void append(const Sav& s);
    // The bands of the records of `forras`, grouped as TorzsEpito groups
    // them, made when asked for.
    void forras(Sav reszlet, Sav csoportFej, Sav csoportLab, RekordForras forras);

    // Every band made.
    qsizetype size() const;
    bool isEmpty() const { return !van(0); }
    // Whether band i exists (bands made up to it).
    bool van(qsizetype i) const;
    // Band i with its values; band i must exist.
    Sav at(qsizetype i) const;
    Sav first() const { return at(0); }
    // The template of band i (without values) and its values.
    const Sav& sablon(qsizetype i) const;
    QStringList ertekek(qsizetype i) const;

    class const_iterator {
    public:
        const_iterator(const Torzs* t, qsizetype i) : m_t(t), m_i(i) {}
        Sav operator*() const { return m_t->at(m_i); }
        const_iterator& operator++() {
            ++m_i;
            return *this;
        }
        bool operator!=(const const_iterator& o) const { return m_i != o.m_i; }

    private:
        const Torzs* m_t;
        qsizetype m_i;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    struct Adat;
    std::shared_ptr<Adat> m_a;
};

struct Dokumentum {
    QString cim;       // the report title
    QString azonosito; // the report's identifier
    Sav fejlec;        // printed on every page
    Sav lablec;        // printed at the bottom of every page
    Torzs torzs;       // group headers, details and group footers in order

    // Pages: as many body bands on each as fit between header and footer; a
    // band taller than the room still gets a page of its own; a band kept
    // with the next one goes over to the next page with it. No body at all
    // still gives one page.
    QList<Lap> tordel() const;
    // The record of a page: the values of its first body band.
    QStringList lapErtekek(const QList<Lap>& lapok, int lap) const;
};

// Pages a report a piece at a time (the preview shows the pages done while
// the rest is made); the pages in the end are those of Dokumentum::tordel.
class Lapozo {
public:
    explicit Lapozo(const Dokumentum& d);
    // Pages up to `savok` more body bands; false when every page is done.
    bool halad(qsizetype savok);
    // The pages finished so far; every page once halad returned false.
    const QList<Lap>& lapok() const { return m_lapok; }
    bool kesz() const { return m_kesz; }

private:
    const Dokumentum& m_d;
    double m_hely;
    QList<Lap> m_lapok;
    Lap m_lap;
    double m_foglalt = 0;
    qsizetype m_i = 0;
    bool m_kesz = false;
};

// The grouping of records into bands: each record prints the detail
// template; a change of the group key from the record before closes the
// group (its footer, with the values of its last record) and opens a new
// one (its header, with the values of its first record). A template of
// height 0 prints nothing.
class Csoportosito {
public:
    Csoportosito(Sav reszlet, Sav csoportFej, Sav csoportLab);
    using Kimenet = std::function<void(const Sav& sablon, const QStringList& ertekek)>;
    void rekord(const QStringList& ertekek, const QString& csoport, const Kimenet& ki);
    void vege(const Kimenet& ki);

private:
    Sav m_reszlet, m_fej, m_lab;
    bool m_nyitott = false;
    QString m_csoport;
    QStringList m_utolso;
};

// Fills the body of a report from records in order, grouped as Csoportosito
// groups them.
class TorzsEpito {
public:
    TorzsEpito(Dokumentum& d, Sav reszlet, Sav csoportFej = {}, Sav csoportLab = {});
    void rekord(const QStringList& ertekek, const QString& csoport = QString());
    // Closes the last group.
    void vege();

private:
    Torzs m_torzs;
    Csoportosito m_csoport;
    Csoportosito::Kimenet m_ki;
};

// The visible part of a one-line text: the longest leading part that fits
// in the width (mm) in the font.
QString Levag(const QString& szoveg, const Betu& betu, double szelesseg);

// Paints page `lap` of the pages with the painter's origin at the paper's
// top left corner, `pxPerMm` device units to a millimetre.
void FestLap(QPainter& p, double pxPerMm, const Dokumentum& d, const QList<Lap>& lapok, int lap);

} // namespace Riport
