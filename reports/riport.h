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

enum class ElemFajta { Szoveg, Vonal, Keret };

struct Elem {
    ElemFajta fajta = ElemFajta::Szoveg;
    double bal = 0, fent = 0, szel = 0, mag = SzovegMagassag;
    QString szoveg;
    Betu betu;
    Qt::Alignment igazitas = Qt::AlignLeft;
    bool tordel = false;         // wraps inside its box instead of being cut
    bool oldalszam = false;      // the page number is printed after szoveg
    double vastag = VekonyVonal; // line and frame width
    QColor szin = Qt::black;

    static Elem Szoveg(double bal, double fent, double szel, const QString& szoveg,
                       const Betu& betu, Qt::Alignment igazitas = Qt::AlignLeft);
    // A horizontal line (mag 0) or a vertical one (szel 0).
    static Elem Vonal(double bal, double fent, double szel, double mag = 0,
                      double vastag = VekonyVonal, QColor szin = Qt::black);
    static Elem Keret(double bal, double fent, double szel, double mag,
                      double vastag = VekonyVonal);
};

enum class SavFajta { Fejlec, CsoportFej, Reszlet, CsoportLab, Lablec };

struct Sav {
    SavFajta fajta = SavFajta::Reszlet;
    double magassag = 0;
    QList<Elem> elemek;
    // Silver lines along the band's top or bottom edge (width in mm, 0: none).
    double ezustFelul = 0;
    double ezustAlul = 0;
};

// One page: the body bands [elso, elso + db) printed below the header.
struct Lap {
    int elso = 0;
    int db = 0;
};

struct Dokumentum {
    QString cim;       // the report title
    QString azonosito; // the report's identifier
    Sav fejlec;        // printed on every page
    Sav lablec;        // printed at the bottom of every page
    QList<Sav> torzs;  // group headers, details and group footers in order

    // Pages: as many body bands on each as fit between header and footer; a
    // band taller than the room still gets a page of its own. No body at
    // all still gives one page.
    QList<Lap> tordel() const;
};

// The visible part of a one-line text: the longest leading part that fits
// in the width (mm) in the font.
QString Levag(const QString& szoveg, const Betu& betu, double szelesseg);

// Paints page `lap` of the pages with the painter's origin at the paper's
// top left corner, `pxPerMm` device units to a millimetre.
void FestLap(QPainter& p, double pxPerMm, const Dokumentum& d, const QList<Lap>& lapok, int lap);

} // namespace Riport
