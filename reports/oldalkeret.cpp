#include "oldalkeret.h"

#include "kapcsolat.h"

#include <QLocale>
#include <QSqlQuery>
#include <QVariant>

namespace Oldalkeret {

using Riport::Betu;
using Riport::Elem;
using Riport::Sav;

Tulajdonos TulajdonosOlvas(Kapcsolat& k) {
    QSqlQuery q = k.sql(QStringLiteral("SELECT tulajdonos, varos, cim, telefon FROM tulajdonos"));
    Tulajdonos t;
    if (q.next()) {
        t.nev = q.value(0).toString();
        t.varos = q.value(1).toString();
        t.cim = q.value(2).toString();
        t.telefon = q.value(3).toString();
    }
    return t;
}

void TulajdonosDoboz(Sav& sav, const Tulajdonos& t, const TulajdonosHely& hely) {
    const double jobb = Riport::SavSzelesseg;
    const double szel = jobb - TulajdonosVonalBal;
    const Betu nevBetu = Riport::TahomaFelkover(10);
    const Betu betu{QStringLiteral("Arial"), 10, false, false};
    sav.elemek << Elem::Vonal(TulajdonosVonalBal, hely.vonalFent, TulajdonosVonalHossz)
               << Elem::Szoveg(TulajdonosVonalBal, hely.nev, szel, t.nev, nevBetu, Qt::AlignRight)
               << Elem::Szoveg(TulajdonosVonalBal, hely.varos, szel, t.varos, betu, Qt::AlignRight)
               << Elem::Szoveg(TulajdonosVonalBal, hely.cim, szel, t.cim, betu, Qt::AlignRight)
               << Elem::Szoveg(TulajdonosVonalBal, hely.telefon, szel, t.telefon, betu,
                               Qt::AlignRight)
               << Elem::Vonal(TulajdonosVonalBal, hely.vonalLent, TulajdonosVonalHossz);
}

void CimDoboz(Sav& sav, const QString& cim, const Betu& betu, double vonalHossz, double vonalFent,
              double vonalLent) {
    Elem szoveg = Elem::Szoveg(0, 1.3, 120, cim, betu);
    szoveg.mag = betu.meret * 25.4 / 72.0 * 1.3;
    sav.elemek << Elem::Vonal(0, vonalFent, vonalHossz) << szoveg
               << Elem::Vonal(0, vonalLent, vonalHossz);
}

Sav Fejlec(double magassag, const QString& cim, double cimVonal, double cimVonalLent,
           const Tulajdonos& t, const TulajdonosHely& hely) {
    Sav s;
    s.fajta = Riport::SavFajta::Fejlec;
    s.magassag = magassag;
    s.ezustAlul = Riport::VekonyVonal;
    CimDoboz(s, cim, Riport::TahomaFelkover(16), cimVonal, 0.0, cimVonalLent);
    TulajdonosDoboz(s, t, hely);
    return s;
}

void LablecElemek(Sav& s, const QString& riportCim, const QString& azonosito, double fent,
                  const QDateTime& nyomtatva) {
    const Betu b{QStringLiteral("Courier New"), 8, false, false};
    const double w = Riport::SavSzelesseg;
    const double jobbSzel = 90;
    const double jobbBal = w - jobbSzel;
    Elem oldal = Elem::Szoveg(0, fent + 8, 50, QStringLiteral("oldal: "), b);
    oldal.oldalszam = true;
    s.elemek << Elem::Szoveg(0, fent, 60, ProgramCim, b)
             << Elem::Szoveg(jobbBal, fent, jobbSzel,
                             QLocale().toString(nyomtatva, QLocale::ShortFormat), b, Qt::AlignRight)
             << Elem::Szoveg(jobbBal, fent + 4, jobbSzel, riportCim, b, Qt::AlignRight) << oldal
             << Elem::Szoveg(w / 2 - 30, fent + 8, 60, KeszitoWeb, b, Qt::AlignHCenter)
             << Elem::Szoveg(w - 50, fent + 8, 50, azonosito, b, Qt::AlignRight);
}

Sav Lablec(const QString& riportCim, const QString& azonosito, const QDateTime& nyomtatva) {
    Sav s;
    s.fajta = Riport::SavFajta::Lablec;
    s.magassag = 14.6;
    s.ezustFelul = Riport::VekonyVonal;
    LablecElemek(s, riportCim, azonosito, 1.3, nyomtatva);
    return s;
}

} // namespace Oldalkeret
