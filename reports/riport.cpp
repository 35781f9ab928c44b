#include "riport.h"

#include "qrkod.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryFile>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
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
    case ElemFajta::Kod: {
        const QrKod::Matrix m = QrKod::Kodol(ElemSzoveg(e, ertekek));
        if (m.oldal == 0)
            break;
        // The dark modules as one path: filled rectangles side by side leave
        // seams where the device rounds their edges.
        const double modul = e.szel * Egyseg / m.oldal;
        QPainterPath ut;
        ut.setFillRule(Qt::WindingFill);
        for (int y = 0; y < m.oldal; ++y)
            for (int x = 0; x < m.oldal;) {
                if (!m.sotet(x, y)) {
                    ++x;
                    continue;
                }
                int v = x;
                while (v < m.oldal && m.sotet(v, y))
                    ++v;
                ut.addRect(QRectF(e.bal * Egyseg + x * modul, e.fent * Egyseg + y * modul,
                                  (v - x) * modul, modul));
                x = v;
            }
        p.fillPath(ut, e.szin);
        break;
    }
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

Elem Elem::Kod(double bal, double fent, double oldal, const QString& szoveg) {
    Elem e = Vonal(bal, fent, oldal, oldal);
    e.fajta = ElemFajta::Kod;
    e.szoveg = szoveg;
    return e;
}

// ---- The body ----

namespace {
constexpr qsizetype BlokkMeret = 256;                // bands whose values are stored together
constexpr qsizetype MemoriaKuszob = 8 * 1024 * 1024; // bytes kept in memory at most

// Whether two bands are made from the same template (their values aside).
bool UgyanazSablon(const Sav& a, const Sav& b) {
    return a.fajta == b.fajta && a.magassag == b.magassag && a.ezustFelul == b.ezustFelul &&
           a.ezustAlul == b.ezustAlul && a.kovetkezovel == b.kovetkezovel &&
           (a.elemek.constData() == b.elemek.constData() || a.elemek == b.elemek);
}

void Kodol(QByteArray& ki, const QStringList& ertekek) {
    const quint32 db = quint32(ertekek.size());
    ki.append(reinterpret_cast<const char*>(&db), sizeof db);
    for (const QString& e : ertekek) {
        const quint32 hossz = quint32(e.size());
        ki.append(reinterpret_cast<const char*>(&hossz), sizeof hossz);
        ki.append(reinterpret_cast<const char*>(e.constData()), qsizetype(hossz) * 2);
    }
}

// The bands' values of a block as Kodol wrote them; what does not add up
// (a damaged temporary file) ends the block.
QList<QStringList> Dekodol(const QByteArray& be) {
    QList<QStringList> savok;
    const char* p = be.constData();
    const char* const vege = p + be.size();
    const auto Szam = [&](quint32& n) {
        if (vege - p < qsizetype(sizeof n))
            return false;
        std::memcpy(&n, p, sizeof n);
        p += sizeof n;
        return true;
    };
    quint32 db;
    while (Szam(db)) {
        QStringList ertekek;
        ertekek.reserve(qMin<quint32>(db, 64));
        for (quint32 i = 0; i < db; ++i) {
            quint32 hossz;
            if (!Szam(hossz) || quint64(vege - p) < quint64(hossz) * 2)
                return savok;
            QString e(qsizetype(hossz), Qt::Uninitialized);
            std::memcpy(e.data(), p, size_t(hossz) * 2);
            p += size_t(hossz) * 2;
            ertekek << e;
        }
        savok << ertekek;
    }
    return savok;
}
} // namespace

struct Torzs::Adat {
    QList<Sav> sablonok; // without values
    struct Futas {
        qsizetype elso; // the first band of a run of bands of one template
        int sablon;
    };
    std::vector<Futas> futasok;
    qsizetype db = 0;

    // The values: closed blocks of BlokkMeret bands in the store (memory,
    // then a temporary file), the open block's as they are.
    QList<QStringList> nyitott;
    std::vector<qint64> blokkHelyek; // where each closed block starts
    qint64 tarMeret = 0;
    QByteArray memoria;
    std::unique_ptr<QTemporaryFile> fajl;
    qsizetype olvasottBlokk = -1;
    QList<QStringList> olvasott;

    // The source of records still to be made into bands.
    RekordForras forras;
    std::unique_ptr<Csoportosito> csoportosito;

    int sablonIndex(const Sav& s) {
        for (int i = int(sablonok.size()) - 1; i >= 0 && i >= int(sablonok.size()) - 8; --i)
            if (UgyanazSablon(sablonok.at(i), s))
                return i;
        Sav sablon = s;
        sablon.ertekek.clear();
        sablonok.append(std::move(sablon));
        return int(sablonok.size()) - 1;
    }

    void hozzaad(const Sav& s, const QStringList& ertekek) {
        const int t = sablonIndex(s);
        if (futasok.empty() || futasok.back().sablon != t)
            futasok.push_back({db, t});
        nyitott.append(ertekek);
        ++db;
        if (nyitott.size() == BlokkMeret)
            lezar();
    }

    void lezar() {
        QByteArray blokk;
        for (const QStringList& e : nyitott)
            Kodol(blokk, e);
        nyitott.clear();
        blokkHelyek.push_back(tarMeret);
        if (!fajl && memoria.size() + blokk.size() > MemoriaKuszob) {
            auto f = std::make_unique<QTemporaryFile>();
            if (f->open() && f->write(memoria) == memoria.size()) {
                fajl = std::move(f);
                memoria = QByteArray();
            }
        }
        if (fajl && !(fajl->seek(tarMeret) && fajl->write(blokk) == blokk.size())) {
            // The temporary file cannot take more (a full disk): the values
            // go back to memory, as nothing is lost that way.
            fajl->seek(0);
            memoria = fajl->read(tarMeret);
            fajl.reset();
        }
        if (!fajl)
            memoria.append(blokk);
        tarMeret += blokk.size();
    }

    const QList<QStringList>& blokk(qsizetype b) {
        if (b == qsizetype(blokkHelyek.size()))
            return nyitott;
        if (b != olvasottBlokk) {
            const qint64 kezd = blokkHelyek.at(size_t(b));
            const qint64 veg =
                b + 1 < qsizetype(blokkHelyek.size()) ? blokkHelyek.at(size_t(b + 1)) : tarMeret;
            QByteArray bajtok;
            if (fajl) {
                fajl->seek(kezd);
                bajtok = fajl->read(veg - kezd);
            } else {
                bajtok = memoria.mid(kezd, veg - kezd);
            }
            olvasott = Dekodol(bajtok);
            // What cannot be read back prints empty rather than failing.
            olvasott.resize(BlokkMeret);
            olvasottBlokk = b;
        }
        return olvasott;
    }

    void keszit(qsizetype i) {
        if (!forras)
            return;
        const Csoportosito::Kimenet ki = [this](const Sav& s, const QStringList& e) {
            hozzaad(s, e);
        };
        QStringList ertekek;
        QString csoport;
        while (db <= i) {
            ertekek.clear();
            csoport.clear();
            if (!forras(ertekek, csoport)) {
                csoportosito->vege(ki);
                forras = {};
                csoportosito.reset();
                return;
            }
            csoportosito->rekord(ertekek, csoport, ki);
        }
    }
};

Torzs::Torzs() : m_a(std::make_shared<Adat>()) {}

void Torzs::append(const Sav& s) {
    m_a->keszit(std::numeric_limits<qsizetype>::max());
    m_a->hozzaad(s, s.ertekek);
}

void Torzs::forras(Sav reszlet, Sav csoportFej, Sav csoportLab, RekordForras forras) {
    m_a->keszit(std::numeric_limits<qsizetype>::max());
    m_a->csoportosito = std::make_unique<Csoportosito>(std::move(reszlet), std::move(csoportFej),
                                                       std::move(csoportLab));
    m_a->forras = std::move(forras);
}

qsizetype Torzs::size() const {
    m_a->keszit(std::numeric_limits<qsizetype>::max());
    return m_a->db;
}

bool Torzs::van(qsizetype i) const {
    m_a->keszit(i);
    return i < m_a->db;
}

const Sav& Torzs::sablon(qsizetype i) const {
    m_a->keszit(i);
    const auto& f = m_a->futasok;
    const auto it = std::upper_bound(f.begin(), f.end(), i,
                                     [](qsizetype n, const Adat::Futas& x) { return n < x.elso; });
    return m_a->sablonok.at(std::prev(it)->sablon);
}

QStringList Torzs::ertekek(qsizetype i) const {
    m_a->keszit(i);
    return m_a->blokk(i / BlokkMeret).at(i % BlokkMeret);
}

Sav Torzs::at(qsizetype i) const {
    Sav s = sablon(i);
    s.ertekek = ertekek(i);
    return s;
}

// ---- Paging ----

Lapozo::Lapozo(const Dokumentum& d)
    : m_d(d), m_hely(NyomtathatoMagassag - d.fejlec.magassag - d.lablec.magassag) {}

bool Lapozo::halad(qsizetype savok) {
    const Torzs& t = m_d.torzs;
    for (qsizetype n = 0; n < savok && !m_kesz; ++n) {
        if (!t.van(m_i)) {
            m_lapok.append(m_lap);
            m_kesz = true;
            break;
        }
        const double magassag = t.sablon(m_i).magassag;
        double m = magassag;
        if (t.sablon(m_i).kovetkezovel && t.van(m_i + 1))
            m += t.sablon(m_i + 1).magassag;
        if (m_lap.db > 0 && m_foglalt + m > m_hely + 1e-9) {
            m_lapok.append(m_lap);
            m_lap = Lap{int(m_i), 0};
            m_foglalt = 0;
        }
        ++m_lap.db;
        m_foglalt += magassag;
        ++m_i;
    }
    return !m_kesz;
}

QList<Lap> Dokumentum::tordel() const {
    Lapozo l(*this);
    while (l.halad(std::numeric_limits<qsizetype>::max()))
        ;
    return l.lapok();
}

QStringList Dokumentum::lapErtekek(const QList<Lap>& lapok, int lap) const {
    const Lap& l = lapok.at(lap);
    return l.db > 0 ? torzs.ertekek(l.elso) : QStringList();
}

// ---- Building ----

Csoportosito::Csoportosito(Sav reszlet, Sav csoportFej, Sav csoportLab)
    : m_reszlet(std::move(reszlet)), m_fej(std::move(csoportFej)), m_lab(std::move(csoportLab)) {
    m_reszlet.fajta = SavFajta::Reszlet;
    m_fej.fajta = SavFajta::CsoportFej;
    m_fej.kovetkezovel = true;
    m_lab.fajta = SavFajta::CsoportLab;
}

void Csoportosito::rekord(const QStringList& ertekek, const QString& csoport, const Kimenet& ki) {
    if (!m_nyitott || csoport != m_csoport) {
        vege(ki);
        if (m_fej.magassag > 0)
            ki(m_fej, ertekek);
        m_nyitott = true;
        m_csoport = csoport;
    }
    if (m_reszlet.magassag > 0)
        ki(m_reszlet, ertekek);
    m_utolso = ertekek;
}

void Csoportosito::vege(const Kimenet& ki) {
    if (m_nyitott && m_lab.magassag > 0)
        ki(m_lab, m_utolso);
    m_nyitott = false;
}

TorzsEpito::TorzsEpito(Dokumentum& d, Sav reszlet, Sav csoportFej, Sav csoportLab)
    : m_torzs(d.torzs), m_csoport(std::move(reszlet), std::move(csoportFej), std::move(csoportLab)),
      m_ki([this](const Sav& s, const QStringList& e) {
          Sav sav = s;
          sav.ertekek = e;
          m_torzs.append(sav);
      }) {}

void TorzsEpito::rekord(const QStringList& ertekek, const QString& csoport) {
    m_csoport.rekord(ertekek, csoport, m_ki);
}

void TorzsEpito::vege() {
    m_csoport.vege(m_ki);
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
        const Sav s = d.torzs.sablon(i);
        FestSav(p, s, d.torzs.ertekek(i), y, oldal);
        y += s.magassag;
    }
    FestSav(p, d.lablec, lapErtekek, LapMagassag - Margo - d.lablec.magassag, oldal);
    p.restore();
}

} // namespace Riport
