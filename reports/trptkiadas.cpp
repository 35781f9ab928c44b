#include "trptkiadas.h"

#include "ertekszoveg.h"
#include "kapcsolat.h"
#include "kiadasnaplo.h"
#include "riportkimenet.h"

#include <QSqlQuery>
#include <QSqlRecord>

using Riport::Betu;
using Riport::Elem;
using Riport::Sav;

namespace TrptKiadas {

namespace {

const Betu Dolt = Riport::TahomaDolt(9);
const Betu Felkover = Riport::TahomaFelkover(9);
const Betu Sima = Riport::Tahoma(9);

// The values of a record, by index.
enum Mezo { Sorszam, Datum, Kinek, Engedelyezo, Tervszam, Cim, Sor, Reszmuvelet, Megjegyzes };

QString Nullas(const QVariant& v, int jegy) {
    return v.isNull() ? QString() : QStringLiteral("%1").arg(v.toInt(), jegy, 10, QLatin1Char('0'));
}

Sav Fejlec(const Oldalkeret::Tulajdonos& t, const QString& kod) {
    Sav s;
    s.fajta = Riport::SavFajta::Fejlec;
    s.magassag = 23.5;
    s.ezustAlul = Riport::VekonyVonal;
    const Betu cimBetu = Riport::TahomaFelkover(16);
    Elem cim = Elem::Szoveg(0, 7.9, Riport::SavSzelesseg, QStringLiteral("Tervkivételezési lap"),
                            cimBetu, Qt::AlignHCenter);
    cim.mag = cimBetu.meret * 25.4 / 72.0 * 1.3;
    s.elemek << cim << Elem::Szoveg(0, 6.6, 18.9, QStringLiteral("sorszám"), Dolt)
             << Elem::Mezo(19.8, 6.6, 25.5, Sorszam, Felkover)
             << Elem::Szoveg(0, 13.2, 18.9, QStringLiteral("dátum"), Dolt)
             << Elem::Mezo(19.8, 13.2, 25.5, Datum, Felkover)
             << Elem::Kod(KodBal, KodFent, KodOldal, kod)
             << Elem::Szoveg(KodBal - 6, KodFent + KodOldal + 0.6, KodOldal + 12, kod,
                             Riport::Tahoma(8), Qt::AlignHCenter);
    Oldalkeret::TulajdonosDoboz(s, t, {1.3, 21.5, 2.6, 7.9, 11.9, 15.9});
    return s;
}

Sav CsoportFej() {
    Sav s;
    s.magassag = 22.5;
    s.ezustAlul = Riport::VekonyVonal;
    const QList<std::tuple<double, QString, Mezo, double>> sorok{
        {1.3, QStringLiteral("tervet igénylő"), Kinek, 86.3},
        {6.6, QStringLiteral("engedélyező"), Engedelyezo, 86.3},
        {11.9, QStringLiteral("tervszám"), Tervszam, 86.3},
        {17.2, QStringLiteral("tárgy"), Cim, 143.2}};
    for (const auto& [fent, cimke, mezo, szel] : sorok)
        s.elemek << Elem::Szoveg(1.3, fent, 37.4, cimke, Dolt)
                 << Elem::Mezo(41.0, fent, szel, mezo, Felkover);
    return s;
}

Sav Reszlet() {
    Sav s;
    s.magassag = 6.6;
    s.ezustAlul = Riport::VekonyVonal;
    s.elemek << Elem::Szoveg(0, 1.3, 37.4, QStringLiteral("részművelet"), Dolt)
             << Elem::Mezo(41.0, 1.3, 6.9, Sor, Felkover)
             << Elem::Mezo(50.3, 1.3, 133.9, Reszmuvelet, Felkover);
    return s;
}

Sav CsoportLab() {
    Sav s;
    s.magassag = 67.5;
    Elem jegyzet = Elem::Mezo(41.0, 25.1, 143.2, Megjegyzes, Sima);
    jegyzet.mag = 29.4;
    jegyzet.tordel = true;
    s.elemek << Elem::Szoveg(0, 1.3, 54.6, QStringLiteral("tervdokumentáció azonosítása"), Dolt)
             << Elem::Szoveg(1.3, 25.1, 37.4, QStringLiteral("megjegyzés"), Dolt) << jegyzet
             << Elem::Szoveg(1.3, 62.2, 18.9, QStringLiteral("dátum"), Dolt)
             << Elem::Mezo(19.8, 62.2, 25.5, Datum, Felkover);
    return s;
}

Sav Lablec(const QString& cim, const QDateTime& nyomtatva) {
    Sav s;
    s.fajta = Riport::SavFajta::Lablec;
    s.magassag = 74.1;
    s.ezustFelul = Riport::VekonyVonal;
    s.elemek << Elem::Keret(0, 1.3, 94.3, 53.2) << Elem::Keret(93.9, 1.3, 95.6, 53.2);
    const Betu kiemelt = Felkover;
    s.elemek << Elem::Szoveg(1.3, 4.0, 89, QStringLiteral("Kiadás"), kiemelt)
             << Elem::Szoveg(97.9, 4.0, 89, QStringLiteral("Visszavételezés"), kiemelt);
    const QList<std::tuple<double, double, QString>> pontozott{
        {1.3, 11.9,
         QStringLiteral("Az igényelt terveket kiadtam: Budapest, 200......................")},
        {1.3, 19.8,
         QStringLiteral(
             "Pelvanos aláírása ..........................................................")},
        {1.3, 26.5,
         QStringLiteral("Az igényelt terveket átvettem: Budapest, 200....................")},
        {1.3, 34.4,
         QStringLiteral(
             "Igénylő aláírása .............................................................")},
        {96.6, 11.9, QStringLiteral("Tervszám:  ......................")},
        {96.6, 19.8,
         QStringLiteral("Tervdokumentáció azonosítása  .......................................")},
        {96.6, 26.5,
         QStringLiteral(".........................................................................."
                        "...........")},
        {96.6, 34.4, QStringLiteral("Visszavét dátuma: 200...........................")}};
    for (const auto& [bal, fent, szoveg] : pontozott)
        s.elemek << Elem::Szoveg(bal, fent, 89, szoveg, Sima);
    for (const auto& [bal, szoveg] :
         QList<std::pair<double, QString>>{{48.9, QStringLiteral("Engedélyező")},
                                           {96.6, QStringLiteral("Pelvanos")},
                                           {148.2, QStringLiteral("Átadó")}})
        s.elemek << Elem::Vonal(bal, 47.6, 37.4)
                 << Elem::Szoveg(bal, 47.6, 37.4, szoveg, Sima, Qt::AlignHCenter);
    Oldalkeret::LablecElemek(s, cim, QStringLiteral("qrLista"), 59.5, nyomtatva);
    return s;
}

} // namespace

Riport::Dokumentum Lap(Kapcsolat& k, const LapKod::Tartomany& kulcsok,
                       const Oldalkeret::Tulajdonos& tulajdonos, const QDateTime& nyomtatva) {
    Riport::Dokumentum d;
    d.cim = QStringLiteral("Lista nyomtatás");
    d.azonosito = QStringLiteral("qrLista");
    d.fejlec = Fejlec(tulajdonos, LapKod::Szoveg(kulcsok));
    d.lablec = Lablec(d.cim, nyomtatva);

    QSqlQuery q = k.sql(Kiadas::NaploSql(QStringLiteral("tervkiad.tervkiad>=:kulcs")),
                        {{QStringLiteral("kulcs"), kulcsok.elso}});
    const QSqlRecord r = q.record();
    const int iKulcs = r.indexOf(QStringLiteral("tervkiad")), iTerv = r.indexOf("terv"),
              iSor = r.indexOf("sor"), iDatum = r.indexOf("dat_kiad"), iKinek = r.indexOf("kinek"),
              iEngedelyezo = r.indexOf("engedelyezo"), iMegjegyzes = r.indexOf("megjegyzes"),
              iTervszam = r.indexOf("tervszam"), iCim = r.indexOf("cim"),
              iReszmuvelet = r.indexOf("reszmuvelet");
    Riport::TorzsEpito torzs(d, Reszlet(), CsoportFej(), CsoportLab());
    while (q.next()) {
        QStringList e(Megjegyzes + 1);
        e[Sorszam] = Nullas(q.value(iKulcs), 5);
        e[Datum] = Ertek::Szoveg(q.value(iDatum), OszlopFajta::Datum);
        e[Kinek] = q.value(iKinek).toString();
        e[Engedelyezo] = q.value(iEngedelyezo).toString();
        e[Tervszam] = q.value(iTervszam).toString();
        e[Cim] = q.value(iCim).toString();
        e[Sor] = Nullas(q.value(iSor), 2);
        e[Reszmuvelet] = q.value(iReszmuvelet).toString();
        e[Megjegyzes] = q.value(iMegjegyzes).toString();
        torzs.rekord(e, q.value(iTerv).toString());
    }
    torzs.vege();
    return d;
}

} // namespace TrptKiadas

void PrintKiadas(Kapcsolat& k, const LapKod::Tartomany& kulcsok, QWidget* szulo) {
    const Riport::Dokumentum d =
        TrptKiadas::Lap(k, kulcsok, Oldalkeret::TulajdonosOlvas(k), QDateTime::currentDateTime());
    RiportKimenet::Elonezet(d, szulo);
}
