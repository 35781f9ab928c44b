#pragma once

// The common page frame of the reports: the title box, the owner box with the
// firm's details and the page footer.

#include "keszito.h"
#include "riport.h"

#include <QDateTime>

class Kapcsolat;

namespace Oldalkeret {

// The maker's web address printed in every page footer.
inline const QString KeszitoWeb = Keszito::Web;
// The program's title, printed at the footer's left top.
inline const QString ProgramCim = QStringLiteral("Pelvano");

constexpr double TulajdonosVonalBal = 140.2;
constexpr double TulajdonosVonalHossz = 49.3;

struct Tulajdonos {
    QString nev, varos, cim, telefon;
};

// The one record of `tulajdonos`; empty fields when the table is empty.
Tulajdonos TulajdonosOlvas(Kapcsolat& k);

// The tops (mm) of the owner box's lines and texts in a page header.
struct TulajdonosHely {
    double vonalFent, vonalLent, nev, varos, cim, telefon;
};

// Four right-aligned lines (name Tahoma 10 bold, the rest Arial 10) between
// two lines 49.3 mm long.
void TulajdonosDoboz(Riport::Sav& sav, const Tulajdonos& t, const TulajdonosHely& hely);

// The title at the band's left edge, 1.3 mm from the top, between two lines
// of the given length.
void CimDoboz(Riport::Sav& sav, const QString& cim, const Riport::Betu& betu, double vonalHossz,
              double vonalFent, double vonalLent);

// The common footer items in Courier New 8, their first row at `fent`: the
// program's title and the time of printing, the report title below it, then
// the page number, the maker's web address and the report's identifier.
void LablecElemek(Riport::Sav& sav, const QString& riportCim, const QString& azonosito, double fent,
                  const QDateTime& nyomtatva = QDateTime::currentDateTime());

// The page header of a plan report: the title (Tahoma 16 bold) between
// lines `cimVonal` long at 0.0 and `cimVonalLent`, the owner box, the silver
// line along its bottom.
Riport::Sav Fejlec(double magassag, const QString& cim, double cimVonal, double cimVonalLent,
                   const Tulajdonos& t, const TulajdonosHely& hely);

// The page footer, 14.6 mm high, silver line along its top, the common items.
Riport::Sav Lablec(const QString& riportCim, const QString& azonosito,
                   const QDateTime& nyomtatva = QDateTime::currentDateTime());

} // namespace Oldalkeret
