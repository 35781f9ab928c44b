#include "tervriport.h"

#include "ertekszoveg.h"
#include "kapcsolat.h"
#include "tervlista.h"

#include <QSqlQuery>

#include <functional>

using Riport::Betu;
using Riport::Elem;
using Riport::Sav;

namespace TervRiport {

namespace {

// A field of the records: its result column and its kind of text.
struct Mezo {
    QString nev;
    OszlopFajta fajta = OszlopFajta::Szoveg;
};

QString Szoveg(const QVariant& ertek, OszlopFajta fajta) {
    return Ertek::Szoveg(ertek, fajta);
}

// The values of the fields in row `sor` of the list.
QStringList ListaErtekek(const TervListaModell& lista, int sor, const QList<Mezo>& mezok) {
    QStringList ertekek;
    ertekek.reserve(mezok.size());
    for (const Mezo& m : mezok)
        ertekek << (sor >= 0 ? Szoveg(lista.ertek(sor, m.nev), m.fajta) : QString());
    return ertekek;
}

struct Oszlop {
    const char* fej;
    double bal, szel;
};

// A detail band of two rows, 11.9 mm high, whose first row holds the fields
// 0, 1, ... (Tahoma 8 at 1.3 mm) under their column headings, which go into
// the page header at `fent`.
Sav Oszlopok(Sav& fejlec, double fent, const Betu& fejBetu,
             std::initializer_list<Oszlop> oszlopok) {
    Sav reszlet;
    reszlet.magassag = 11.9;
    reszlet.ezustAlul = Riport::VekonyVonal;
    int mezo = 0;
    for (const Oszlop& o : oszlopok) {
        fejlec.elemek << Elem::Szoveg(o.bal, fent, o.szel, QString::fromUtf8(o.fej), fejBetu);
        reszlet.elemek << Elem::Mezo(o.bal, 1.3, o.szel, mezo++, Riport::Tahoma(8));
    }
    return reszlet;
}

// The fields of the plan list, in the order of their indexes in a record.
const QList<Mezo>& ListaMezok() {
    static const QList<Mezo> m{{QStringLiteral("Tervszam")},
                               {QStringLiteral("datum"), OszlopFajta::Datum},
                               {QStringLiteral("tervezo_nev")},
                               {QStringLiteral("szakag_nev")},
                               {QStringLiteral("tervjel")},
                               {QStringLiteral("tervfajta_nev")},
                               {QStringLiteral("tervszakasz_nev")},
                               {QStringLiteral("ugyfel_nev")},
                               {QStringLiteral("Cim")},
                               {QStringLiteral("tipus_nev")},
                               {QStringLiteral("Helyszin")}};
    return m;
}

} // namespace

Riport::Dokumentum Lista(const TervListaModell& lista, const QString& sorrend,
                         const Oldalkeret::Tulajdonos& tulajdonos) {
    Riport::Dokumentum d;
    d.cim = QStringLiteral("Lista nyomtatás");
    d.azonosito = QStringLiteral("qrLista");
    d.fejlec = Oldalkeret::Fejlec(28.8, QStringLiteral("Egyszerű lista"), 69.1, 21.5, tulajdonos,
                                  {1.3, 21.5, 2.6, 7.9, 11.9, 15.9});
    d.fejlec.elemek << Elem::Szoveg(0.0, 9.3, 120, QStringLiteral("Sorrend: ") + sorrend,
                                    Riport::TahomaDolt(10));
    d.lablec = Oldalkeret::Lablec(d.cim, d.azonosito);

    Sav reszlet = Oszlopok(d.fejlec, 22.5, Riport::TahomaDolt(8),
                           {{"tervszám", 0.0, 18.9},
                            {"dátum", 19.8, 20.2},
                            {"tervező", 41.0, 25.5},
                            {"szakág", 67.5, 26.8},
                            {"tervjel", 95.2, 18.9},
                            {"terv fajta", 115.1, 18.9},
                            {"terv szakasz", 134.9, 18.9},
                            {"ügyfél", 154.8, 34.7}});
    reszlet.elemek << Elem::Mezo(0.0, 6.6, 74.4, 8, Riport::Tahoma(8))
                   << Elem::Szoveg(75.4, 6.6, 18.9, QStringLiteral("típus"), Riport::TahomaDolt(8))
                   << Elem::Mezo(95.2, 6.6, 34.7, 9, Riport::Tahoma(8))
                   << Elem::Szoveg(134.9, 6.6, 18.9, QStringLiteral("helyszín"),
                                   Riport::TahomaDolt(8))
                   << Elem::Mezo(154.8, 6.6, 34.7, 10, Riport::Tahoma(8));

    // The rows read from the list as the pages need them.
    d.torzs.forras(reszlet, {}, {}, [&lista, sor = 0](QStringList& ertekek, QString&) mutable {
        if (sor >= lista.rowCount())
            return false;
        ertekek = ListaErtekek(lista, sor++, ListaMezok());
        return true;
    });
    return d;
}

Riport::Dokumentum Adatlap(Kapcsolat& k, const TervListaModell& lista, int sor,
                           const Oldalkeret::Tulajdonos& tulajdonos) {
    Riport::Dokumentum d;
    d.cim = QStringLiteral("Lista nyomtatás");
    d.azonosito = QStringLiteral("qrListaReszl");
    d.fejlec = Oldalkeret::Fejlec(39.4, QStringLiteral("Adatlap"), 137.9, 30.8, tulajdonos,
                                  {0.0, 20.2, 1.3, 6.6, 10.6, 14.6});
    d.lablec = Oldalkeret::Lablec(d.cim, d.azonosito);

    // The plan's data: the page header's fields, values of the header's
    // record (the data of every band on the sheet).
    struct Adat {
        double fent;
        const char* cimke;
        double cimkeBal;
        Mezo mezo;
        double bal, szel;
    };
    const QList<Adat> adatok{
        {4.0, "tervszám", 23.8, {QStringLiteral("Tervszam")}, 45.0, 33.4},
        {4.0, "dátum", 79.4, {QStringLiteral("datum"), OszlopFajta::Datum}, 100.5, 36.0},
        {9.3, "tárgy", 1.3, {QStringLiteral("Cim")}, 22.5, 114.1},
        {14.6, "tervező", 1.3, {QStringLiteral("tervezo_nev")}, 22.5, 48.0},
        {14.6, "szakág", 71.4, {QStringLiteral("szakag_nev")}, 92.6, 44.0},
        {19.8, "terv fajta", 1.3, {QStringLiteral("tervfajta_nev")}, 22.5, 48.0},
        {19.8, "tervjel", 71.4, {QStringLiteral("tervjel")}, 92.6, 44.0},
        {25.1, "terv szakasz", 1.3, {QStringLiteral("tervszakasz_nev")}, 22.5, 48.0},
        {25.1, "ügyfél", 71.4, {QStringLiteral("ugyfel_nev")}, 92.6, 44.0}};
    const bool vanTerv = sor >= 0 && sor < lista.rowCount();
    for (const Adat& a : adatok) {
        d.fejlec.elemek << Elem::Szoveg(a.cimkeBal, a.fent, 20.2, QString::fromUtf8(a.cimke),
                                        Riport::TahomaDolt(9))
                        << Elem::Szoveg(a.bal, a.fent, a.szel,
                                        vanTerv ? Szoveg(lista.ertek(sor, a.mezo.nev), a.mezo.fajta)
                                                : QString(),
                                        Riport::TahomaFelkover(9));
    }

    Sav reszlet = Oszlopok(d.fejlec, 34.4, Riport::TahomaDolt(9),
                           {{"sor", 0.0, 9.6},
                            {"részművelet", 10.6, 94.3},
                            {"rajzszám", 105.8, 20.2},
                            {"pausz", 127.0, 20.2},
                            {"irat A4", 148.2, 20.2},
                            {"irat A3", 169.3, 20.2}});
    reszlet.elemek << Elem::Szoveg(2.6, 6.6, 16.2, QStringLiteral("tervrajz"),
                                   Riport::TahomaDolt(8))
                   << Elem::Mezo(19.8, 6.6, 20.2, 6, Riport::Tahoma(8))
                   << Elem::Mezo(41.0, 6.6, 37.4, 7, Riport::Tahoma(8))
                   << Elem::Szoveg(113.8, 6.6, 16.2, QStringLiteral("levelezés"),
                                   Riport::TahomaDolt(8))
                   << Elem::Mezo(131.0, 6.6, 20.2, 8, Riport::Tahoma(8))
                   << Elem::Mezo(152.1, 6.6, 37.4, 9, Riport::Tahoma(8));

    const int kulcs = vanTerv ? lista.kulcs(sor) : 0;
    QSqlQuery q =
        k.sql(QStringLiteral("SELECT sor, reszmuvelet, rajzszam, pausz, irata4, irata5, dat_tkiad, "
                             "tkiadva, dat_lkiad, lkiadva FROM terv_sor WHERE terv = :terv "
                             "ORDER BY terv, sor"),
              {{QStringLiteral("terv"), kulcs}});
    Riport::TorzsEpito torzs(d, reszlet);
    while (q.next()) {
        QStringList ertekek;
        const QVariant sorSzam = q.value(0);
        ertekek << (sorSzam.isNull()
                        ? QString()
                        : QStringLiteral("%1").arg(sorSzam.toInt(), 2, 10, QLatin1Char('0')));
        for (int i = 1; i < 10; ++i)
            ertekek << Szoveg(q.value(i),
                              i == 6 || i == 8 ? OszlopFajta::Datum : OszlopFajta::Szoveg);
        torzs.rekord(ertekek);
    }
    torzs.vege();
    return d;
}

} // namespace TervRiport
