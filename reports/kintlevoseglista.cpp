#include "kintlevoseglista.h"

using Riport::Betu;
using Riport::Elem;
using Riport::Sav;

namespace TrptKintlevoseg {

namespace {
enum Mezo { Birtokos, Tervszam, Targy, Sor, Fajta, Kiadva, Engedelyezo, Napok, Lejart };

struct Oszlop {
    const char* fej;
    double bal, szel;
    Qt::Alignment igazitas = Qt::AlignLeft;
};
const Oszlop Oszlopok[] = {{"tervszám", 0, 22},
                           {"tárgy", 23, 55},
                           {"sor", 79, 8},
                           {"fajta", 88, 17},
                           {"kiadva", 106, 19},
                           {"engedélyező", 126, 36},
                           {"nap", 163, 10, Qt::AlignRight},
                           {"", 175, 15.2}};
} // namespace

Riport::Dokumentum Lista(const QList<Kintlevosegek::Birtokos>& birtokosok, int kuszob,
                         const Oldalkeret::Tulajdonos& tulajdonos) {
    Riport::Dokumentum d;
    d.cim = QStringLiteral("Lista nyomtatás");
    d.azonosito = QStringLiteral("qrKintlevoseg");
    d.fejlec = Oldalkeret::Fejlec(28.8, QStringLiteral("Kintlévőségek személyenként"), 69.1, 21.5,
                                  tulajdonos, {1.3, 21.5, 2.6, 7.9, 11.9, 15.9});
    const Betu dolt8 = Riport::TahomaDolt(8);
    const Betu sima8 = Riport::Tahoma(8);
    d.fejlec.elemek << Elem::Szoveg(0, 9.3, 150,
                                    QStringLiteral("LEJÁRT: %1 napnál régebben kint").arg(kuszob),
                                    Riport::TahomaDolt(10));
    Sav reszlet;
    reszlet.magassag = 5.3;
    reszlet.ezustAlul = Riport::VekonyVonal;
    int mezo = Tervszam;
    for (const Oszlop& o : Oszlopok) {
        d.fejlec.elemek << Elem::Szoveg(o.bal, 22.5, o.szel, QString::fromUtf8(o.fej), dolt8,
                                        o.igazitas);
        reszlet.elemek << Elem::Mezo(o.bal, 0.6, o.szel, mezo++, sima8, o.igazitas);
    }
    d.lablec = Oldalkeret::Lablec(d.cim, d.azonosito);

    Sav fej;
    fej.magassag = 7.9;
    fej.elemek << Elem::Mezo(0, 2.6, 190, Birtokos, Riport::TahomaFelkover(9));

    Riport::TorzsEpito torzs(d, reszlet, fej);
    for (int i = 0; i < birtokosok.size(); ++i) {
        const Kintlevosegek::Birtokos& b = birtokosok.at(i);
        const QString cim = b.cim();
        for (const Kintlevosegek::Tetel& t : b.tetelek)
            torzs.rekord({cim, t.tervszam, t.targy, t.sorSzoveg(), t.fajtaNev(), t.kiadvaSzoveg(),
                          t.engedelyezo, QString::number(t.napok),
                          t.lejart ? QStringLiteral("LEJÁRT") : QString()},
                         QString::number(i));
    }
    torzs.vege();
    return d;
}

} // namespace TrptKintlevoseg
