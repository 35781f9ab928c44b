#include "kiadas/kintlevosegek.h"

#include "kapcsolat.h"

#include <QCollator>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QLocale>
#include <QSqlQuery>

#include <algorithm>
#include <tuple>

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

QString Tetel::fajtaNev() const {
    return fajta == QLatin1Char('L') ? QStringLiteral("levelezés") : QStringLiteral("tervrajz");
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

Modell::Modell(QList<Birtokos> birtokosok, QObject* szulo)
    : QAbstractItemModel(szulo), m_b(std::move(birtokosok)) {}

// A holder's row has the id 0, an item's row the holder's place + 1.
const Tetel* Modell::tetel(const QModelIndex& i) const {
    if (!i.isValid() || i.internalId() == 0)
        return nullptr;
    return &m_b.at(qsizetype(i.internalId() - 1)).tetelek.at(i.row());
}

QModelIndex Modell::index(int sor, int oszlop, const QModelIndex& szulo) const {
    if (!hasIndex(sor, oszlop, szulo))
        return {};
    return createIndex(sor, oszlop, szulo.isValid() ? quintptr(szulo.row() + 1) : quintptr(0));
}

QModelIndex Modell::parent(const QModelIndex& i) const {
    if (!i.isValid() || i.internalId() == 0)
        return {};
    return createIndex(int(i.internalId() - 1), 0, quintptr(0));
}

int Modell::rowCount(const QModelIndex& szulo) const {
    if (!szulo.isValid())
        return int(m_b.size());
    if (szulo.internalId() == 0 && szulo.column() == 0)
        return int(m_b.at(szulo.row()).tetelek.size());
    return 0;
}

int Modell::columnCount(const QModelIndex&) const {
    return OszlopDb;
}

QVariant Modell::data(const QModelIndex& i, int szerep) const {
    if (!i.isValid())
        return {};
    const Tetel* t = tetel(i);
    if (!t) {
        const Birtokos& b = m_b.at(i.row());
        if (szerep == Qt::DisplayRole && i.column() == 0)
            return QStringLiteral("%1 — %2 tétel, a leghosszabb %3 napja kint")
                .arg(b.nev.isEmpty() ? QStringLiteral("(nincs megadva)") : b.nev)
                .arg(b.tetelek.size())
                .arg(b.leghosszabb);
        if (szerep == Qt::FontRole) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    }
    switch (szerep) {
    case Qt::DisplayRole:
        switch (i.column()) {
        case Tervszam:
            return t->tervszam;
        case Targy:
            return t->targy;
        case Sor:
            return QStringLiteral("%1").arg(t->sor, 2, 10, QLatin1Char('0'));
        case Fajta:
            return t->fajtaNev();
        case Kiadva:
            return QLocale().toString(t->kiadva, QLocale::ShortFormat);
        case Engedelyezo:
            return t->engedelyezo;
        case Napok:
            return t->napok;
        case Lejart:
            return t->lejart ? QStringLiteral("LEJÁRT") : QString();
        }
        return {};
    case Qt::TextAlignmentRole:
        return i.column() == Napok ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    case Qt::FontRole:
        if (t->lejart) {
            // Overdue in words and weight, the colour only besides.
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    case Qt::ForegroundRole:
        return t->lejart ? QVariant(QColor(176, 0, 0)) : QVariant();
    case TervSzerep:
        return t->terv;
    case SorSzerep:
        return t->sor;
    }
    return {};
}

QVariant Modell::headerData(int oszlop, Qt::Orientation o, int szerep) const {
    static const QStringList fejek{"tervszám", "tárgy",       "sor",        "fajta",
                                   "kiadva",   "engedélyező", "napja kint", ""};
    if (o == Qt::Horizontal && szerep == Qt::DisplayRole)
        return fejek.value(oszlop);
    return {};
}

} // namespace Kintlevosegek
