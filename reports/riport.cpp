#include "riport.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace Riport {

namespace {
constexpr double Egyseg = 100.0; // painting unit: 1/100 mm

QRectF Teglalap(double bal, double fent, double szel, double mag) {
    return QRectF(bal * Egyseg, fent * Egyseg, szel * Egyseg, mag * Egyseg);
}

// The font and metrics of the few type faces a report uses, made once per
// thread.
struct BetuKeszlet {
    Betu betu;
    QFont font;
    QFontMetricsF metrika;
    // Advances of the characters of the simple scripts (Latin, Greek,
    // Cyrillic), filled as they are met; negative: not yet measured.
    mutable std::array<double, 0x530> elores;

    BetuKeszlet(const Betu& b, const QFont& f) : betu(b), font(f), metrika(f) { elores.fill(-1); }

    // A character whose advance adds up without shaping.
    static bool Egyszeru(QChar c) {
        return c.unicode() < 0x530 && (c.unicode() < 0x300 || c.unicode() > 0x36F);
    }
    double eloresE(QChar c) const {
        double& a = elores[c.unicode()];
        if (a < 0)
            a = metrika.horizontalAdvance(c);
        return a;
    }
    double szelesseg(const QString& s) const {
        if (!std::all_of(s.cbegin(), s.cend(), &Egyszeru))
            return metrika.horizontalAdvance(s);
        double w = 0;
        for (QChar c : s)
            w += eloresE(c);
        return w;
    }
};

const BetuKeszlet& Keszlet(const Betu& betu) {
    thread_local std::vector<std::unique_ptr<BetuKeszlet>> keszletek;
    for (const auto& k : keszletek)
        if (k->betu == betu)
            return *k;
    keszletek.push_back(std::make_unique<BetuKeszlet>(betu, betu.qfont()));
    return *keszletek.back();
}

void FestElem(QPainter& p, const Elem& e, const QStringList& ertekek, int oldal) {
    switch (e.fajta) {
    case ElemFajta::Szoveg: {
        QString szoveg = ElemSzoveg(e, ertekek);
        if (e.oldalszam)
            szoveg += QString::number(oldal);
        p.setFont(Keszlet(e.betu).font);
        p.setPen(e.szin);
        const QRectF r = Teglalap(e.bal, e.fent, e.szel, e.mag);
        if (e.tordel) {
            p.drawText(r, int(e.igazitas | Qt::AlignTop | Qt::TextWordWrap), szoveg);
        } else {
            // One line placed by hand: much cheaper than laying the text
            // out in a rectangle, which matters for reports of thousands
            // of pages.
            if (szoveg.contains(QLatin1Char('\n')) || szoveg.contains(QLatin1Char('\r'))) {
                szoveg.replace(QLatin1String("\r\n"), QLatin1String(" "));
                szoveg.replace(QLatin1Char('\r'), QLatin1Char(' '));
                szoveg.replace(QLatin1Char('\n'), QLatin1Char(' '));
            }
            const QString sor = Levag(szoveg, e.betu, e.szel);
            const BetuKeszlet& k = Keszlet(e.betu);
            double x = r.left();
            if (e.igazitas & Qt::AlignRight)
                x = r.right() - k.szelesseg(sor);
            else if (e.igazitas & Qt::AlignHCenter)
                x = r.center().x() - k.szelesseg(sor) / 2;
            p.drawText(QPointF(x, r.top() + k.metrika.ascent()), sor);
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

void FestSav(QPainter& p, const Sav& s, const QStringList& ertekek, double fent, int oldal) {
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
        FestElem(p, e, ertekek, oldal);
    p.restore();
}
} // namespace

QFont Betu::qfont() const {
    QFont f;
    // Where the office fonts are not installed, faces of the same widths
    // stand in, so that the forms keep their proportions: Arial and Courier
    // New are matched by the system (Liberation Sans and Mono); Tahoma is
    // close to Liberation Sans.
    if (csalad.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0)
        f.setFamilies({csalad, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    else
        f.setFamilies({csalad});
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

Elem Elem::Mezo(double bal, double fent, double szel, int mezo, const Betu& betu,
                Qt::Alignment igazitas) {
    Elem e = Szoveg(bal, fent, szel, QString(), betu, igazitas);
    e.mezo = mezo;
    return e;
}

QString ElemSzoveg(const Elem& e, const QStringList& ertekek) {
    return e.mezo >= 0 ? ertekek.value(e.mezo) : e.szoveg;
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
        const Sav& s = torzs.at(i);
        double m = s.magassag;
        if (s.kovetkezovel && i + 1 < torzs.size())
            m += torzs.at(i + 1).magassag;
        if (lap.db > 0 && foglalt + m > hely + 1e-9) {
            lapok.append(lap);
            lap = Lap{i, 0};
            foglalt = 0;
        }
        ++lap.db;
        foglalt += s.magassag;
    }
    lapok.append(lap);
    return lapok;
}

QStringList Dokumentum::lapErtekek(const QList<Lap>& lapok, int lap) const {
    const Lap& l = lapok.at(lap);
    return l.db > 0 ? torzs.at(l.elso).ertekek : QStringList();
}

TorzsEpito::TorzsEpito(Dokumentum& d, Sav reszlet, Sav csoportFej, Sav csoportLab)
    : m_d(d), m_reszlet(std::move(reszlet)), m_fej(std::move(csoportFej)),
      m_lab(std::move(csoportLab)) {
    m_reszlet.fajta = SavFajta::Reszlet;
    m_fej.fajta = SavFajta::CsoportFej;
    m_fej.kovetkezovel = true;
    m_lab.fajta = SavFajta::CsoportLab;
}

void TorzsEpito::hozzaad(const Sav& sablon, const QStringList& ertekek) {
    if (sablon.magassag <= 0)
        return;
    Sav s = sablon;
    s.ertekek = ertekek;
    m_d.torzs.append(std::move(s));
}

void TorzsEpito::rekord(const QStringList& ertekek, const QString& csoport) {
    if (!m_nyitott || csoport != m_csoport) {
        vege();
        hozzaad(m_fej, ertekek);
        m_nyitott = true;
        m_csoport = csoport;
    }
    hozzaad(m_reszlet, ertekek);
    m_utolso = ertekek;
}

void TorzsEpito::vege() {
    if (m_nyitott)
        hozzaad(m_lab, m_utolso);
    m_nyitott = false;
}

QString Levag(const QString& szoveg, const Betu& betu, double szelesseg) {
    const BetuKeszlet& k = Keszlet(betu);
    const QFontMetricsF& fm = k.metrika;
    const double max = szelesseg * Egyseg;
    // Text of the simple scripts: the advances of its characters add up
    // (kerning is off), so one walk finds the cut without shaping.
    if (std::all_of(szoveg.cbegin(), szoveg.cend(), &BetuKeszlet::Egyszeru)) {
        double w = 0;
        for (qsizetype i = 0; i < szoveg.size(); ++i) {
            w += k.eloresE(szoveg.at(i));
            if (w > max)
                return szoveg.left(i);
        }
        return szoveg;
    }
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
    const QStringList lapErtekek = d.lapErtekek(lapok, lap);
    FestSav(p, d.fejlec, lapErtekek, y, oldal);
    y += d.fejlec.magassag;
    const Lap& l = lapok.at(lap);
    for (int i = l.elso; i < l.elso + l.db; ++i) {
        const Sav& s = d.torzs.at(i);
        FestSav(p, s, s.ertekek, y, oldal);
        y += s.magassag;
    }
    FestSav(p, d.lablec, lapErtekek, LapMagassag - Margo - d.lablec.magassag, oldal);
    p.restore();
}

} // namespace Riport
