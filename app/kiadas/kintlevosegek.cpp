#include "kiadas/kintlevosegek.h"

#include "kapcsolat.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <QSqlQuery>

#include <algorithm>

namespace Kintlevosegek {

namespace {

QDate Datum(const QVariant& v) {
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}

// The lines whose item of the kind is out, with the newest open log record
// of that kind for the line when there is one.
QString Sql(QChar fajta) {
    const QString f(fajta.toLower());
    return QStringLiteral("SELECT s.terv, s.sor, t.Tervszam, t.Cim, s.reszmuvelet, s.dat_%1kiad, "
                          "s.%1kiadva, k.kinek, k.engedelyezo, k.dat_kiad "
                          "FROM terv_sor s JOIN terv t ON t.Terv = s.terv "
                          "LEFT JOIN (SELECT terv, sor, max(tervkiad) AS kulcs FROM tervkiad "
                          "WHERE kint = 'I' AND ezterv = '%2' GROUP BY terv, sor) n "
                          "ON n.terv = s.terv AND n.sor = s.sor "
                          "LEFT JOIN tervkiad k ON k.tervkiad = n.kulcs "
                          "WHERE s.%1bent = 'N'")
        .arg(f, QString(fajta));
}

} // namespace

QString Tetel::fajtaNev() const {
    return fajta == QLatin1Char('L') ? QStringLiteral("levelezés") : QStringLiteral("tervrajz");
}

QList<Birtokos> Olvas(Kapcsolat& k, const QDate& nap, int kuszob) {
    QHash<QString, int> hely;
    QList<Birtokos> birtokosok;
    for (const QChar fajta : {QLatin1Char('T'), QLatin1Char('L')}) {
        QSqlQuery q = k.lekerdez(Sql(fajta));
        while (q.next()) {
            Tetel t;
            t.terv = q.value(0).toInt();
            t.sor = q.value(1).toInt();
            t.tervszam = q.value(2).toString();
            t.targy = q.value(3).toString();
            t.reszmuvelet = q.value(4).toString();
            t.fajta = fajta;
            t.kiadva = Datum(q.value(9));
            if (!t.kiadva.isValid())
                t.kiadva = Datum(q.value(5));
            t.engedelyezo = q.value(8).toString();
            t.napok = t.kiadva.isValid() ? int(t.kiadva.daysTo(nap)) : 0;
            t.lejart = t.napok > kuszob;
            // The holder as the log names it, else as the line does.
            QString nev = q.value(7).toString().trimmed();
            if (nev.isEmpty())
                nev = q.value(6).toString().trimmed();
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
