#include "kiadas/kiadas.h"

#include "kapcsolat.h"
#include "seged.h"

#include <QSqlQuery>
#include <QVariant>

const KiadasMezok& Mezok(KiadasFajta fajta) {
    static const KiadasMezok terv{QStringLiteral("tbent"),
                                  QStringLiteral("dat_tkiad"),
                                  QStringLiteral("tkiadva"),
                                  QStringLiteral("T"),
                                  QStringLiteral("A tervrajz már kiadásra került."),
                                  QStringLiteral("A tervrajz még nincs kiadva."),
                                  QStringLiteral("Valóban visszaérkezett a tervrajz?")};
    static const KiadasMezok lev{QStringLiteral("lbent"),
                                 QStringLiteral("dat_lkiad"),
                                 QStringLiteral("lkiadva"),
                                 QStringLiteral("L"),
                                 QStringLiteral("A levelezés már kiadásra került."),
                                 QStringLiteral("A levelezés még nincs kiadva."),
                                 QStringLiteral("Valóban visszaérkezett a levelezés?")};
    return fajta == KiadasFajta::Tervrajz ? terv : lev;
}

namespace Kiadas {

namespace {
const QString NincsSor = QStringLiteral("Nincs kiválasztott sor.");

QVariantMap Sor(int terv, int sor) {
    return {{QStringLiteral("terv"), terv}, {QStringLiteral("sor"), sor}};
}

QStringList Lista(Kapcsolat& k, const QString& sql) {
    QSqlQuery q = k.sql(sql);
    QStringList l;
    while (q.next())
        l << q.value(0).toString();
    return l;
}
} // namespace

QString Megjegyzes(const QString& doboz) {
    if (doboz.isEmpty())
        return {};
    QString s = doboz;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList sorok = s.split(QLatin1Char('\n'));
    // A closing line break does not open another line.
    if (sorok.size() > 1 && sorok.last().isEmpty())
        sorok.removeLast();
    return sorok.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

QStringList Cimzettek(Kapcsolat& k) {
    return Lista(k, QStringLiteral("SELECT DISTINCT kinek FROM tervkiad ORDER BY 1;"));
}

QStringList Engedelyezok(Kapcsolat& k) {
    return Lista(k, QStringLiteral("SELECT DISTINCT engedelyezo FROM tervkiad ORDER BY 1;"));
}

void Ellenoriz(const SorAllapot& a, KiadasFajta fajta, bool kiadas) {
    if (!a.van)
        throw KiadasElutasitva(NincsSor);
    if (kiadas && a.bent == QLatin1String("N"))
        throw KiadasElutasitva(Mezok(fajta).marKiadva);
    if (!kiadas && a.bent == QLatin1String("I"))
        throw KiadasElutasitva(Mezok(fajta).nincsKiadva);
}

SorAllapot Allapot(Kapcsolat& k, int terv, int sor, KiadasFajta fajta) {
    // The line stays locked until the transaction that reads it ends: two
    // workstations never both issue it.
    QSqlQuery q = k.sql(k.sorZarral(QStringLiteral("SELECT %1, kiadni FROM terv_sor WHERE "
                                                   "terv=:terv AND sor=:sor")
                                        .arg(Mezok(fajta).bent)),
                        Sor(terv, sor));
    SorAllapot a;
    if (q.next()) {
        a.van = true;
        a.bent = q.value(0).toString();
        a.kiadni = q.value(1).toString();
    }
    return a;
}

namespace {
// One issue in its transaction. In a group issue a line no longer marked or
// already out is passed over (0).
int KiadTranzakcio(Kapcsolat& k, int terv, int sor, KiadasFajta fajta, const KiadasAdat& adat,
                   const QDate& ma, bool csoport) {
    const KiadasMezok& m = Mezok(fajta);
    Tranzakcio t(k);
    const SorAllapot a = Allapot(k, terv, sor, fajta);
    if (csoport && (!a.van || a.kiadni != QLatin1String("I") || a.bent == QLatin1String("N")))
        return 0;
    Ellenoriz(a, fajta, true);
    const QString kinek = Seged::KarakterEleje(adat.kinek, KinelSzel);
    QVariantMap p = Sor(terv, sor);
    p.insert(QStringLiteral("datum"), DatumSzoveg(ma));
    p.insert(QStringLiteral("kinek"), kinek);
    k.sql(QStringLiteral("UPDATE terv_sor SET %1='N', %2=:datum, %3=:kinek WHERE terv=:terv AND "
                         "sor=:sor")
              .arg(m.bent, m.datum, m.kinel),
          p);
    p.insert(QStringLiteral("ezterv"), m.ezterv);
    p.insert(QStringLiteral("megjegyzes"), Seged::KarakterEleje(adat.megjegyzes, MegjegyzesSzel));
    p.insert(QStringLiteral("engedelyezo"),
             Seged::KarakterEleje(adat.engedelyezo, EngedelyezoSzel));
    k.sql(QStringLiteral("INSERT INTO tervkiad (terv, sor, dat_kiad, dat_vissza, kint, kinek, "
                         "ezterv, megjegyzes, engedelyezo) VALUES (:terv, :sor, :datum, NULL, "
                         "'I', :kinek, :ezterv, :megjegyzes, :engedelyezo)"),
          p);
    const int kulcs = int(k.utolsoKulcs());
    QVariantMap p2 = Sor(terv, sor);
    p2.insert(QStringLiteral("kulcs"), kulcs);
    k.sql(fajta == KiadasFajta::Tervrajz
              ? QStringLiteral("UPDATE terv_sor SET tervkiad=:kulcs, kiadni='N' WHERE terv=:terv "
                               "AND sor=:sor")
              : QStringLiteral("UPDATE terv_sor SET tervkiad=:kulcs WHERE terv=:terv AND sor=:sor"),
          p2);
    t.kesz();
    return kulcs;
}
} // namespace

int Kiad(Kapcsolat& k, int terv, int sor, KiadasFajta fajta, const KiadasAdat& adat,
         const QDate& ma) {
    return KiadTranzakcio(k, terv, sor, fajta, adat, ma, false);
}

QStringList JeloltSorokSql() {
    return {QStringLiteral("SELECT terv_sor.*"), QStringLiteral("FROM terv_sor"),
            QStringLiteral("WHERE (terv=:pterv) AND (kiadni='I')"),
            QStringLiteral("ORDER BY sor;")};
}

int CsoportKiad(Kapcsolat& k, int terv, const KiadasAdat& adat, LapKod::Tartomany& kulcsok,
                const QDate& ma) {
    kulcsok = {};
    QList<int> sorok;
    QSqlQuery q = k.sql(JeloltSorokSql(), {{QStringLiteral("pterv"), terv}});
    while (q.next())
        sorok << q.value(QStringLiteral("sor")).toInt();
    int db = 0;
    for (int sor : sorok) {
        const int kulcs = KiadTranzakcio(k, terv, sor, KiadasFajta::Tervrajz, adat, ma, true);
        if (kulcs == 0)
            continue;
        ++db;
        if (kulcsok.elso == 0)
            kulcsok.elso = kulcs;
        kulcsok.utolso = kulcs;
    }
    return db;
}

namespace {
// The newest open log record of a kind of a line (0: none).
int NyitottRekord(Kapcsolat& k, int terv, int sor, KiadasFajta fajta) {
    QVariantMap p = Sor(terv, sor);
    p.insert(QStringLiteral("ezterv"), Mezok(fajta).ezterv);
    QSqlQuery q = k.sql(QStringLiteral("SELECT max(tervkiad) FROM tervkiad WHERE terv=:terv AND "
                                       "sor=:sor AND ezterv=:ezterv AND kint='I'"),
                        p);
    return q.next() ? q.value(0).toInt() : 0;
}

// The writes of a return inside the caller's transaction, the line's state
// checked: the line reset, the open record `kulcs` (0: none) stamped.
void VisszaIr(Kapcsolat& k, int terv, int sor, KiadasFajta fajta, int kulcs, const QDate& ma) {
    const KiadasMezok& m = Mezok(fajta);
    k.sql(QStringLiteral("UPDATE terv_sor SET %1='I', %2=NULL, %3=NULL WHERE terv=:terv AND "
                         "sor=:sor")
              .arg(m.bent, m.datum, m.kinel),
          Sor(terv, sor));
    if (kulcs > 0)
        k.sql(QStringLiteral("UPDATE tervkiad SET dat_vissza=:datum, kint='N' WHERE "
                             "tervkiad=:kulcs"),
              {{QStringLiteral("datum"), DatumSzoveg(ma)}, {QStringLiteral("kulcs"), kulcs}});
}
} // namespace

int Visszavesz(Kapcsolat& k, int terv, int sor, KiadasFajta fajta, const QDate& ma) {
    Tranzakcio t(k);
    Ellenoriz(Allapot(k, terv, sor, fajta), fajta, false);
    const int kulcs = NyitottRekord(k, terv, sor, fajta);
    VisszaIr(k, terv, sor, fajta, kulcs, ma);
    t.kesz();
    return kulcs;
}

void VisszaveszRekord(Kapcsolat& k, int kulcs, const QDate& ma) {
    Tranzakcio t(k);
    QSqlQuery q = k.sql(QStringLiteral("SELECT terv, sor, ezterv FROM tervkiad WHERE "
                                       "tervkiad=:kulcs"),
                        {{QStringLiteral("kulcs"), kulcs}});
    if (!q.next())
        throw KiadasElutasitva(QStringLiteral("A %1 sorszámú kiadás nincs a naplóban.")
                                   .arg(LapKod::Szoveg({kulcs, kulcs})));
    const int terv = q.value(0).toInt(), sor = q.value(1).toInt();
    const KiadasFajta fajta = q.value(2).toString() == Mezok(KiadasFajta::Levelezes).ezterv
                                  ? KiadasFajta::Levelezes
                                  : KiadasFajta::Tervrajz;
    Ellenoriz(Allapot(k, terv, sor, fajta), fajta, false);
    if (NyitottRekord(k, terv, sor, fajta) != kulcs)
        throw KiadasElutasitva(QStringLiteral("A %1 sorszámú kiadás már nincs kint.")
                                   .arg(LapKod::Szoveg({kulcs, kulcs})));
    VisszaIr(k, terv, sor, fajta, kulcs, ma);
    t.kesz();
}

LapVisszavetel VisszaveszLap(Kapcsolat& k, const LapKod::Lap& lap, const QDate& ma) {
    LapVisszavetel e;
    for (const LapKod::Tetel& t : lap.tetelek) {
        if (t.allapot != LapKod::Allapot::Kint)
            continue;
        try {
            VisszaveszRekord(k, t.kulcs, ma);
            ++e.visszaveve;
        } catch (const KiadasElutasitva& h) {
            e.elutasitva << LapKod::Szoveg({t.kulcs, t.kulcs}) + QStringLiteral(": ") + h.uzenet();
        }
    }
    return e;
}

void Jelol(Kapcsolat& k, int terv, int sor, bool jelolt) {
    QVariantMap p = Sor(terv, sor);
    p.insert(QStringLiteral("jel"), jelolt ? QStringLiteral("I") : QStringLiteral("N"));
    k.sql(QStringLiteral("UPDATE terv_sor SET kiadni=:jel WHERE terv=:terv AND sor=:sor"), p);
}

void JelolValt(Kapcsolat& k, int terv, int sor) {
    Tranzakcio t(k);
    const SorAllapot a = Allapot(k, terv, sor, KiadasFajta::Tervrajz);
    Ellenoriz(a, KiadasFajta::Tervrajz, true);
    Jelol(k, terv, sor, a.kiadni != QLatin1String("I"));
    t.kesz();
}

bool KiadVagyVisszavesz(Kapcsolat& k, int terv, int sor, KiadasFajta fajta,
                        const KiadasAdat& adat) {
    if (Allapot(k, terv, sor, fajta).bent != QLatin1String("N")) {
        Kiad(k, terv, sor, fajta, adat);
        return true;
    }
    Visszavesz(k, terv, sor, fajta);
    return false;
}

} // namespace Kiadas
