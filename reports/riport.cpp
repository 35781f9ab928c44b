#include "riport.h"

#include <QFontMetricsF>
#include <QPainter>

namespace Riport {

namespace {
constexpr double Egyseg = 100.0; // painting unit: 1/100 mm

QRectF Teglalap(double bal, double fent, double szel, double mag) {
    return QRectF(bal * Egyseg, fent * Egyseg, szel * Egyseg, mag * Egyseg);
}

void FestElem(QPainter& p, const Elem& e, int oldal) {
    switch (e.fajta) {
    case ElemFajta::Szoveg: {
        QString szoveg = e.szoveg;
        if (e.oldalszam)
            szoveg += QString::number(oldal);
        p.setFont(e.betu.qfont());
        p.setPen(e.szin);
        const QRectF r = Teglalap(e.bal, e.fent, e.szel, e.mag);
        if (e.tordel) {
            p.drawText(r, int(e.igazitas | Qt::AlignTop | Qt::TextWordWrap), szoveg);
        } else {
            p.drawText(r, int(e.igazitas | Qt::AlignTop | Qt::TextSingleLine),
                       Levag(szoveg, e.betu, e.szel));
        }
        break;
    }
    case ElemFajta::Vonal: {
        QPen toll(e.szin, e.vastag * Egyseg);
        toll.setCapStyle(Qt::FlatCap);
        p.setPen(toll);
        p.drawLine(QPointF(e.bal * Egyseg, e.fent * Egyseg),
                   QPointF((e.bal + e.szel) * Egyseg, (e.fent + e.mag) * Egyseg));
        break;
    }
    case ElemFajta::Keret:
        p.setPen(QPen(e.szin, e.vastag * Egyseg));
        p.setBrush(Qt::NoBrush);
        p.drawRect(Teglalap(e.bal, e.fent, e.szel, e.mag));
        break;
    }
}

void FestSav(QPainter& p, const Sav& s, double fent, int oldal) {
    p.save();
    p.translate(Margo * Egyseg, fent * Egyseg);
    const QColor ezust(192, 192, 192);
    if (s.ezustFelul > 0) {
        p.setPen(QPen(ezust, s.ezustFelul * Egyseg));
        p.drawLine(QPointF(0, 0), QPointF(SavSzelesseg * Egyseg, 0));
    }
    if (s.ezustAlul > 0) {
        p.setPen(QPen(ezust, s.ezustAlul * Egyseg));
        const double y = (s.magassag - s.ezustAlul / 2) * Egyseg;
        p.drawLine(QPointF(0, y), QPointF(SavSzelesseg * Egyseg, y));
    }
    for (const Elem& e : s.elemek)
        FestElem(p, e, oldal);
    p.restore();
}
} // namespace

QFont Betu::qfont() const {
    QFont f(csalad);
    // Points to hundredths of a millimetre, so that the size does not depend
    // on the device's resolution.
    f.setPixelSize(qMax(1, qRound(meret * 25.4 / 72.0 * Egyseg)));
    f.setBold(felkover);
    f.setItalic(dolt);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

Elem Elem::Szoveg(double bal, double fent, double szel, const QString& szoveg, const Betu& betu,
                  Qt::Alignment igazitas) {
    Elem e;
    e.fajta = ElemFajta::Szoveg;
    e.bal = bal;
    e.fent = fent;
    e.szel = szel;
    e.szoveg = szoveg;
    e.betu = betu;
    e.igazitas = igazitas;
    return e;
}

Elem Elem::Vonal(double bal, double fent, double szel, double mag, double vastag, QColor szin) {
    Elem e;
    e.fajta = ElemFajta::Vonal;
    e.bal = bal;
    e.fent = fent;
    e.szel = szel;
    e.mag = mag;
    e.vastag = vastag;
    e.szin = szin;
    return e;
}

Elem Elem::Keret(double bal, double fent, double szel, double mag, double vastag) {
    Elem e = Vonal(bal, fent, szel, mag, vastag);
    e.fajta = ElemFajta::Keret;
    return e;
}

QList<Lap> Dokumentum::tordel() const {
    const double hely = NyomtathatoMagassag - fejlec.magassag - lablec.magassag;
    QList<Lap> lapok;
    Lap lap;
    double foglalt = 0;
    for (int i = 0; i < torzs.size(); ++i) {
        const double m = torzs.at(i).magassag;
        if (lap.db > 0 && foglalt + m > hely + 1e-9) {
            lapok.append(lap);
            lap = Lap{i, 0};
            foglalt = 0;
        }
        ++lap.db;
        foglalt += m;
    }
    lapok.append(lap);
    return lapok;
}

QString Levag(const QString& szoveg, const Betu& betu, double szelesseg) {
    const QFontMetricsF fm(betu.qfont());
    const double max = szelesseg * Egyseg;
    if (fm.horizontalAdvance(szoveg) <= max)
        return szoveg;
    // The longest prefix that fits, found by halving.
    qsizetype also = 0, felso = szoveg.size();
    while (also < felso) {
        const qsizetype kozep = (also + felso + 1) / 2;
        if (fm.horizontalAdvance(szoveg.left(kozep)) <= max)
            also = kozep;
        else
            felso = kozep - 1;
    }
    return szoveg.left(also);
}

void FestLap(QPainter& p, double pxPerMm, const Dokumentum& d, const QList<Lap>& lapok, int lap) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(pxPerMm / Egyseg, pxPerMm / Egyseg);
    const int oldal = lap + 1;
    double y = Margo;
    FestSav(p, d.fejlec, y, oldal);
    y += d.fejlec.magassag;
    const Lap& l = lapok.at(lap);
    for (int i = l.elso; i < l.elso + l.db; ++i) {
        const Sav& s = d.torzs.at(i);
        FestSav(p, s, y, oldal);
        y += s.magassag;
    }
    FestSav(p, d.lablec, LapMagassag - Margo - d.lablec.magassag, oldal);
    p.restore();
}

} // namespace Riport
