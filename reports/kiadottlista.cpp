#include "kiadottlista.h"

#include "ertekszoveg.h"
#include "kapcsolat.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <array>
#include <memory>

using Riport::Betu;
using Riport::Elem;
using Riport::Sav;

namespace TrptKiadott {

namespace {
enum Mezo { Tervszam, Cim, Kiadva, Kinek, Vissza, Sor, Reszmuvelet };
} // namespace

Riport::Dokumentum Lista(Kapcsolat& k, const KiadasSzuro& szuro,
                         const Oldalkeret::Tulajdonos& tulajdonos) {
    const bool terv = szuro.fajta != QLatin1Char('L');
    Riport::Dokumentum d;
    d.cim = QStringLiteral("Lista nyomtatás");
    d.azonosito = QStringLiteral("qrLista");
    d.fejlec = Oldalkeret::Fejlec(
        28.8, terv ? QStringLiteral("Kiadott tervek") : QStringLiteral("Kiadott levelezés"), 69.1,
        21.5, tulajdonos, {1.3, 21.5, 2.6, 7.9, 11.9, 15.9});
    const Betu dolt8 = Riport::TahomaDolt(8);
    const Betu sima8 = Riport::Tahoma(8);
    d.fejlec.elemek << Elem::Szoveg(0, 9.3, 120,
                                    terv ? QStringLiteral("Tervek") : QStringLiteral("Levelezés"),
                                    Riport::TahomaDolt(10))
                    << Elem::Szoveg(0, 22.5, 18.9, QStringLiteral("tervszám"), dolt8)
                    << Elem::Szoveg(19.8, 22.5, 73.1, QStringLiteral("tárgy"), dolt8)
                    << Elem::Szoveg(95.2, 22.5, 18.9, QStringLiteral("kiadva"), dolt8)
                    << Elem::Szoveg(154.8, 22.5, 34.7, QStringLiteral("visszaérk"), dolt8);
    d.lablec = Oldalkeret::Lablec(d.cim, d.azonosito);

    Sav reszlet;
    reszlet.magassag = 11.9;
    reszlet.ezustAlul = Riport::VekonyVonal;
    reszlet.elemek << Elem::Mezo(0, 1.3, 18.9, Tervszam, sima8)
                   << Elem::Mezo(19.8, 1.3, 73.1, Cim, sima8)
                   << Elem::Mezo(95.2, 1.3, 18.9, Kiadva, sima8)
                   << Elem::Mezo(115.1, 1.3, 38.7, Kinek, sima8)
                   << Elem::Mezo(154.8, 1.3, 34.7, Vissza, sima8)
                   << Elem::Mezo(2.6, 6.6, 8.3, Sor, sima8)
                   << Elem::Mezo(11.9, 6.6, 81.0, Reszmuvelet, sima8);
    // The records read from the query as the pages need them.
    auto q = std::make_shared<QSqlQuery>(k.lekerdez(szuro.sql()));
    const QSqlRecord r = q->record();
    const std::array<int, Reszmuvelet + 1> oszlopok{
        r.indexOf(QStringLiteral("tervszam")),   r.indexOf(QStringLiteral("cim")),
        r.indexOf(QStringLiteral("dat_kiad")),   r.indexOf(QStringLiteral("kinek")),
        r.indexOf(QStringLiteral("dat_vissza")), r.indexOf(QStringLiteral("sor")),
        r.indexOf(QStringLiteral("reszmuvelet"))};
    d.torzs.forras(reszlet, {}, {}, [q, oszlopok](QStringList& e, QString&) {
        if (!q->next())
            return false;
        e.reserve(Reszmuvelet + 1);
        for (int m = Tervszam; m <= Reszmuvelet; ++m) {
            const QVariant v = q->value(oszlopok[m]);
            e << (m == Kiadva || m == Vissza ? Ertek::Szoveg(v, OszlopFajta::Datum) : v.toString());
        }
        return true;
    });
    return d;
}

} // namespace TrptKiadott
