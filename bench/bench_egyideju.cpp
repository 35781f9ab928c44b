// Several workstations issuing and returning the lines of one plan at the
// same time on a server (or a data folder), for a while; then checks that
// no issue record was lost or doubled and prints the throughput:
//   bench_egyideju <data folder> [seconds=60] [processes=4] [--server "..."]
// Each process is this program again with --munkaallomas.

#include "kapcsolat.h"
#include "kiadas/kiadas.h"
#include "meres.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <cstdio>

namespace {

constexpr int Sorok = 40;

// One workstation: for `mp` seconds picks a line and a kind, issues it when
// it is in and returns it when it is out; a refusal (another was quicker)
// is counted, and so is a statement that waited in vain for the others
// (under this load the embedded engine's lock can pass a waiting
// workstation by for the whole waiting time): the clerk sees the message
// and tries again. Prints "issued returned refused waited".
int Munkaallomas(const Adatforras& forras, int terv, int mp, quint32 mag) {
    int kiadva = 0, vissza = 0, elutasitva = 0, hiabaVart = 0;
    try {
        Kapcsolat k(QStringLiteral("munkaallomas"));
        k.nyit(forras);
        QRandomGenerator vel(mag);
        const QDeadlineTimer vege(mp * 1000);
        for (int i = 0; !vege.hasExpired(); ++i) {
            const int sor = 1 + int(vel.bounded(Sorok));
            const KiadasFajta f = vel.bounded(2) ? KiadasFajta::Tervrajz : KiadasFajta::Levelezes;
            try {
                ++(Kiadas::KiadVagyVisszavesz(k, terv, sor, f,
                                              {QStringLiteral("%1-%2").arg(mag).arg(i),
                                               QStringLiteral("Főnök"), QString()})
                       ? kiadva
                       : vissza);
            } catch (const KiadasElutasitva&) {
                ++elutasitva;
            } catch (const AdatbazisHiba&) {
                ++hiabaVart;
            }
        }
    } catch (const PelvanoHiba& h) {
        std::fprintf(stderr, "%s\n", h.what());
        return 1;
    }
    std::printf("%d %d %d %d\n", kiadva, vissza, elutasitva, hiabaVart);
    return 0;
}

qint64 Szam(Kapcsolat& k, const QString& sql) {
    QSqlQuery q = k.sql(sql);
    return q.next() ? q.value(0).toLongLong() : -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.value(1) == QLatin1String("--munkaallomas"))
        return Munkaallomas(Adatforras{a.value(2), a.value(3)}, a.value(4).toInt(),
                            a.value(5).toInt(), a.value(6).toUInt());
    BenchIroda iroda;
    if (!iroda.argumentumok(a, "bench_egyideju", 60))
        return 2;
    const int mp = iroda.ismetles;
    const int folyamatok = iroda.tobbi.isEmpty() ? 4 : qMax(1, iroda.tobbi.at(0).toInt());

    Kapcsolat k;
    k.nyit(iroda.forras);
    k.sql(
        QStringLiteral("INSERT INTO terv (Tervszam, Cim) VALUES ('EGYIDEJU', 'Egyidejű kiadás')"));
    const int terv = int(k.utolsoKulcs());
    for (int sor = 1; sor <= Sorok; ++sor)
        k.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor, reszmuvelet, tbent, lbent, kiadni) "
                             "VALUES (%1, %2, 'rész', 'I', 'I', 'N')")
                  .arg(terv)
                  .arg(sor));
    const qint64 elotte = Szam(k, QStringLiteral("SELECT count(*) FROM tervkiad"));

    QList<QProcess*> p;
    for (int i = 0; i < folyamatok; ++i) {
        auto* f = new QProcess(&app);
        f->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        f->start(app.applicationFilePath(),
                 {QStringLiteral("--munkaallomas"), iroda.forras.mappa, iroda.forras.szerver,
                  QString::number(terv), QString::number(mp), QString::number(1000 + i)});
        p << f;
    }
    qint64 kiadva = 0, vissza = 0, elutasitva = 0, hiabaVart = 0;
    bool jo = true;
    for (QProcess* f : p) {
        f->waitForFinished(-1);
        const QList<QByteArray> d = f->readAllStandardOutput().trimmed().split(' ');
        jo = jo && f->exitCode() == 0 && d.size() == 4;
        kiadva += d.value(0).toLongLong();
        vissza += d.value(1).toLongLong();
        elutasitva += d.value(2).toLongLong();
        hiabaVart += d.value(3).toLongLong();
    }
    // Every issue made one record, every return closed one; a line is out
    // exactly when one open record of its kind says so.
    const QString sajat = QStringLiteral(" FROM tervkiad WHERE terv = %1").arg(terv);
    const qint64 rekordok = Szam(k, QStringLiteral("SELECT count(*)") + sajat);
    const qint64 zartak =
        Szam(k, QStringLiteral("SELECT count(*)") + sajat + QStringLiteral(" AND kint = 'N'"));
    const qint64 duplak = Szam(
        k, QStringLiteral("SELECT count(*) FROM (SELECT sor, ezterv FROM tervkiad WHERE terv = %1 "
                          "AND kint = 'I' GROUP BY sor, ezterv HAVING count(*) > 1) d")
               .arg(terv));
    const qint64 eltero = Szam(
        k, QStringLiteral("SELECT count(*) FROM terv_sor s WHERE s.terv = %1 AND ((s.tbent = 'N') "
                          "<> EXISTS (SELECT 1 FROM tervkiad t WHERE t.terv = s.terv AND t.sor = "
                          "s.sor AND t.ezterv = 'T' AND t.kint = 'I') OR (s.lbent = 'N') <> "
                          "EXISTS (SELECT 1 FROM tervkiad t WHERE t.terv = s.terv AND t.sor = "
                          "s.sor AND t.ezterv = 'L' AND t.kint = 'I'))")
               .arg(terv));
    const qint64 utana = Szam(k, QStringLiteral("SELECT count(*) FROM tervkiad"));
    std::printf("%d processes, %d s, %d lines of one plan: %lld issues, %lld returns, %lld refused "
                "(another was quicker), %lld waited in vain: %.0f operations/s\n",
                folyamatok, mp, Sorok, kiadva, vissza, elutasitva, hiabaVart,
                (kiadva + vissza) / double(mp));
    std::printf("issue records %lld (issues %lld), closed %lld (returns %lld), open records "
                "doubled on %lld lines, lines not matching their records %lld, records of other "
                "plans changed %lld\n",
                rekordok, kiadva, zartak, vissza, duplak, eltero, (utana - elotte) - rekordok);
    const bool rendben = jo && rekordok == kiadva && zartak == vissza && duplak == 0 &&
                         eltero == 0 && utana - elotte == rekordok;
    std::printf("%s\n", rendben ? "nothing lost, nothing doubled" : "MISMATCH");
    Meres(
        QStringLiteral("%1 workstations issuing and returning at once (%2)")
            .arg(folyamatok)
            .arg(rendben ? QStringLiteral("nothing lost or doubled") : QStringLiteral("MISMATCH")),
        (kiadva + vissza) / double(mp), nullptr, 0, "op/s");
    // The office is left as it was.
    {
        Tranzakcio t(k);
        k.sql(QStringLiteral("DELETE FROM tervkiad WHERE terv = %1").arg(terv));
        k.sql(QStringLiteral("DELETE FROM terv_sor WHERE terv = %1").arg(terv));
        k.sql(QStringLiteral("DELETE FROM terv WHERE terv = %1").arg(terv));
        t.kesz();
    }
    return rendben ? 0 : 1;
}
