#include "lapkod.h"

#include "ertekszoveg.h"
#include "kapcsolat.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlQuery>

#include <algorithm>

namespace LapKod {

namespace {
QString Kulcs(int k) {
    return QStringLiteral("%1").arg(k, 5, 10, QLatin1Char('0'));
}
} // namespace

QString Szoveg(const Tartomany& t) {
    return t.utolso > t.elso ? Kulcs(t.elso) + QLatin1Char('.') + Kulcs(t.utolso) : Kulcs(t.elso);
}

std::optional<Tartomany> Ertelmez(const QString& beolvasott) {
    QString s = beolvasott.trimmed();
    s.replace(QChar(0x00F6), QLatin1Char('0')).replace(QChar(0x00D6), QLatin1Char('0'));
    static const QRegularExpression minta(QStringLiteral("^([0-9]{1,9})(?:[./-]([0-9]{1,9}))?$"));
    const QRegularExpressionMatch m = minta.match(s);
    if (!m.hasMatch())
        return std::nullopt;
    Tartomany t;
    t.elso = m.captured(1).toInt();
    t.utolso = m.hasCaptured(2) ? m.captured(2).toInt() : t.elso;
    if (t.elso <= 0 || t.utolso < t.elso)
        return std::nullopt;
    return t;
}

QString Tetel::allapotSzoveg() const {
    switch (allapot) {
    case Allapot::Kint:
        return QStringLiteral("kint");
    case Allapot::Visszaveve:
        return QStringLiteral("visszavéve %1").arg(Ertek::Szoveg(vissza, OszlopFajta::Datum));
    case Allapot::NemEzzel:
        return QStringLiteral("nincs kint ezzel a lappal");
    case Allapot::SorNincs:
        return QStringLiteral("a sor törölve");
    }
    return {};
}

int Lap::kint() const {
    return int(std::count_if(tetelek.begin(), tetelek.end(),
                             [](const Tetel& t) { return t.allapot == Allapot::Kint; }));
}

Lap Olvas(Kapcsolat& k, const Tartomany& kod) {
    Lap lap;
    lap.kod = kod;
    const QString szam = Szoveg({kod.elso, kod.elso});
    // The record of the first key with its plan (none when it was deleted).
    QSqlQuery q = k.sql(QStringLiteral("SELECT k.terv, k.ezterv, k.kinek, k.engedelyezo, "
                                       "k.dat_kiad, k.megjegyzes, t.Terv, t.Tervszam, t.Cim "
                                       "FROM tervkiad k LEFT JOIN terv t ON t.Terv = k.terv "
                                       "WHERE k.tervkiad=:kulcs"),
                        {{QStringLiteral("kulcs"), kod.elso}});
    if (!q.next())
        throw NincsLap(QStringLiteral("Nincs %1 sorszámú kivételezési lap.").arg(szam));
    if (q.value(6).isNull())
        throw NincsLap(QStringLiteral("A %1 sorszámú lap terve törölve van; a lap tételei nem "
                                      "vehetők vissza.")
                           .arg(szam));
    const int terv = q.value(0).toInt();
    const QString ezterv = q.value(1).toString();
    const QString tervszam = q.value(7).toString(), targy = q.value(8).toString();
    // What the records of one issue share.
    const auto kozos = [](const QSqlQuery& r, int elso) {
        QStringList l;
        for (int i = elso; i < elso + 4; ++i)
            l << r.value(i).toString();
        return l;
    };
    const QStringList kiadas = kozos(q, 2);

    // The newest open record of each line of the plan in the sheet's kind:
    // what a return of the line stamps.
    const QVariantMap p{{QStringLiteral("terv"), terv}, {QStringLiteral("ezterv"), ezterv}};
    QHash<int, int> nyitott;
    QSqlQuery n = k.sql(QStringLiteral("SELECT sor, max(tervkiad) FROM tervkiad WHERE terv=:terv "
                                       "AND ezterv=:ezterv AND kint='I' GROUP BY sor"),
                        p);
    while (n.next())
        nyitott.insert(n.value(0).toInt(), n.value(1).toInt());

    QVariantMap pr = p;
    pr.insert(QStringLiteral("elso"), kod.elso);
    pr.insert(QStringLiteral("utolso"), kod.utolso);
    const bool levelezes = ezterv == QLatin1String("L");
    QSqlQuery r = k.sql(
        QStringLiteral("SELECT k.tervkiad, k.sor, k.kint, k.kinek, k.engedelyezo, k.dat_kiad, "
                       "k.megjegyzes, k.dat_vissza, s.reszmuvelet, s.%1, s.sor "
                       "FROM tervkiad k LEFT JOIN terv_sor s ON s.terv = k.terv AND s.sor = k.sor "
                       "WHERE k.tervkiad >= :elso AND k.tervkiad <= :utolso AND k.terv = :terv "
                       "AND k.ezterv = :ezterv ORDER BY k.tervkiad")
            .arg(levelezes ? QStringLiteral("lbent") : QStringLiteral("tbent")),
        pr);
    while (r.next()) {
        if (kozos(r, 3) != kiadas)
            continue;
        Tetel e;
        e.kulcs = r.value(0).toInt();
        e.terv = terv;
        e.sor = r.value(1).toInt();
        e.tervszam = tervszam;
        e.targy = targy;
        e.reszmuvelet = r.value(8).toString();
        e.fajta = levelezes ? QLatin1Char('L') : QLatin1Char('T');
        e.kinek = r.value(3).toString();
        e.engedelyezo = r.value(4).toString();
        e.kiadva = Ertek::DatumIdo(r.value(5)).date();
        e.vissza = Ertek::DatumIdo(r.value(7)).date();
        if (r.value(10).isNull())
            e.allapot = Allapot::SorNincs;
        else if (r.value(2).toString() != QLatin1String("I"))
            e.allapot = Allapot::Visszaveve;
        else if (r.value(9).toString() == QLatin1String("N") && nyitott.value(e.sor) == e.kulcs)
            e.allapot = Allapot::Kint;
        else
            e.allapot = Allapot::NemEzzel;
        lap.tetelek << e;
    }
    return lap;
}

} // namespace LapKod
