#include "kintlevosegek.h"

#include "ertekszoveg.h"
#include "kapcsolat.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <QSqlQuery>

#include <algorithm>
#include <tuple>

namespace Kintlevosegek {

namespace {

QDate Datum(const QVariant& v) {
    return Ertek::DatumIdo(v).date();
}

// The lines with a drawing set or correspondence out, each with the newest
// open log record of either kind for the line when there is one: one pass
// over the lines and one over the log for both kinds.
const QString Sql = QStringLiteral(
    "SELECT s.terv, s.sor, t.Tervszam, t.Cim, s.reszmuvelet, s.tbent, s.lbent, "
    "s.dat_tkiad, s.tkiadva, kt.kinek, kt.engedelyezo, kt.dat_kiad, "
    "s.dat_lkiad, s.lkiadva, kl.kinek, kl.engedelyezo, kl.dat_kiad "
    "FROM terv_sor s JOIN terv t ON t.Terv = s.terv "
    "LEFT JOIN (SELECT terv, sor, max(CASE WHEN ezterv = 'T' THEN tervkiad END) AS tk, "
    "max(CASE WHEN ezterv = 'L' THEN tervkiad END) AS lk FROM tervkiad WHERE kint = 'I' "
    "GROUP BY terv, sor) n ON n.terv = s.terv AND n.sor = s.sor "
    "LEFT JOIN tervkiad kt ON kt.tervkiad = n.tk "
    "LEFT JOIN tervkiad kl ON kl.tervkiad = n.lk "
    "WHERE s.tbent = 'N' OR s.lbent = 'N'");

} // namespace

QString Birtokos::cim() const {
    return QStringLiteral("%1 — %2 tétel, a leghosszabb %3 napja kint")
        .arg(nev.isEmpty() ? QStringLiteral("(nincs megadva)") : nev)
        .arg(tetelek.size())
        .arg(leghosszabb);
}

QList<Birtokos> Olvas(Kapcsolat& k, const QDate& nap, int kuszob) {
    QHash<QString, int> hely;
    QList<Birtokos> birtokosok;
    QSqlQuery q = k.lekerdez(Sql);
    while (q.next()) {
        // The drawing set's columns from 7 on, the correspondence's from 12:
        // line date, line holder, log holder, authoriser, log date.
        for (const auto& [fajta, bent, elso] :
             {std::tuple{QLatin1Char('T'), 5, 7}, std::tuple{QLatin1Char('L'), 6, 12}}) {
            if (q.value(bent).toString() != QLatin1String("N"))
                continue;
            Tetel t;
            t.terv = q.value(0).toInt();
            t.sor = q.value(1).toInt();
            t.tervszam = q.value(2).toString();
            t.targy = q.value(3).toString();
            t.reszmuvelet = q.value(4).toString();
            t.fajta = fajta;
            t.kiadva = Datum(q.value(elso + 4));
            if (!t.kiadva.isValid())
                t.kiadva = Datum(q.value(elso));
            t.engedelyezo = q.value(elso + 3).toString();
            t.napok = t.kiadva.isValid() ? int(t.kiadva.daysTo(nap)) : 0;
            t.lejart = t.napok > kuszob;
            // The holder as the log names it, else as the line does.
            QString nev = q.value(elso + 2).toString().trimmed();
            if (nev.isEmpty())
                nev = q.value(elso + 1).toString().trimmed();
            auto it = hely.find(nev);
            if (it == hely.end()) {
                it = hely.insert(nev, int(birtokosok.size()));
                birtokosok.append(Birtokos{nev, {}, 0});
            }
            Birtokos& b = birtokosok[*it];
            b.leghosszabb = std::max(b.leghosszabb, t.napok);
            b.tetelek.append(std::move(t));
        }
    }
    QCollator magyar{QLocale(QLocale::Hungarian, QLocale::Hungary)};
    magyar.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(birtokosok.begin(), birtokosok.end(), [&](const Birtokos& a, const Birtokos& b) {
        const int c = magyar.compare(a.nev, b.nev);
        return c != 0 ? c < 0 : a.nev < b.nev;
    });
    for (Birtokos& b : birtokosok)
        std::stable_sort(b.tetelek.begin(), b.tetelek.end(), [](const Tetel& x, const Tetel& y) {
            if (x.napok != y.napok)
                return x.napok > y.napok;
            if (x.tervszam != y.tervszam)
                return x.tervszam < y.tervszam;
            return x.sor != y.sor ? x.sor < y.sor : x.fajta > y.fajta;
        });
    return birtokosok;
}

} // namespace Kintlevosegek
