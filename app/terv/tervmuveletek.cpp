#include "terv/tervmuveletek.h"

#include "kapcsolat.h"
#include "seged.h"
#include "tablamodell.h"

#include <QSqlQuery>

namespace {

// "sor=:psor", or "sor IS NULL" for a line without number (old data).
QString sorFeltetel(const QVariant& sor) {
    return sor.isNull() ? QStringLiteral("sor IS NULL") : QStringLiteral("sor=:psor");
}

void sorszamotAt(Kapcsolat& k, int terv, const QVariant& regi, int uj) {
    QVariantMap p{{QStringLiteral("pterv"), terv}, {QStringLiteral("puj"), uj}};
    if (!regi.isNull())
        p.insert(QStringLiteral("psor"), regi);
    k.sql(QStringLiteral("UPDATE terv_sor SET sor=:puj WHERE terv=:pterv AND ") + sorFeltetel(regi),
          p);
}

} // namespace

// ------------------------------------------------------------ master lists

const QList<TervHivatkozas>& TervHivatkozasok() {
    static const QList<TervHivatkozas> h{
        {TorzsFajta::Ugyfel, QStringLiteral("Ugyfel"), false},
        {TorzsFajta::Tipus, QStringLiteral("Tipus"), false},
        {TorzsFajta::Tervezo, QStringLiteral("tervezo"), true},
        {TorzsFajta::Szakag, QStringLiteral("szakag"), true},
        {TorzsFajta::Tervfajta, QStringLiteral("tervfajta"), true},
        {TorzsFajta::Tervszakasz, QStringLiteral("tervszakasz"), true},
    };
    return h;
}

const TervHivatkozas& TervHivatkozasa(TorzsFajta fajta) {
    for (const TervHivatkozas& h : TervHivatkozasok())
        if (h.fajta == fajta)
            return h;
    throw PelvanoHiba(QStringLiteral("unknown master list"));
}

QList<TorzsTetel> TorzsTetelek(Kapcsolat& k, const TervHivatkozas& h) {
    const TorzsLeiras& t = Torzs(h.fajta);
    const QString sorrend =
        h.nevSorrendben ? k.motor().nevSorrend(t.nevOszlop) + QStringLiteral(", ") + t.kulcsOszlop
                        : t.kulcsOszlop;
    QSqlQuery q = k.lekerdez(QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY %4")
                                 .arg(t.kulcsOszlop, t.nevOszlop, t.tabla, sorrend));
    QList<TorzsTetel> l;
    while (q.next())
        l.append({Seged::VarEgesz(q.value(0)), Seged::VarSzoveg(q.value(1))});
    return l;
}

// ------------------------------------------------------------ plans

int UjTervSor(TablaModell& tbl, const QDate& ma) {
    const int sor = tbl.uj();
    tbl.beallit(sor, QStringLiteral("Levelezes"), QStringLiteral("N"));
    tbl.beallit(sor, QStringLiteral("datum"), DatumSzoveg(ma));
    tbl.beallit(sor, QStringLiteral("szur"), QStringLiteral("N"));
    return sor;
}

QDate TervDatuma(const QVariant& datum, const QDate& ma) {
    const QDate d = QDate::fromString(Seged::VarSzoveg(datum).left(10), Qt::ISODate);
    return d.isValid() ? d : ma;
}

void SzuresJelol(Kapcsolat& k, const QString& feltetel, const QString& jel) {
    QString idezett = jel;
    idezett.replace(QLatin1Char('\''), QStringLiteral("''"));
    k.sql(QStringLiteral("UPDATE terv SET szur='%1' WHERE %2;").arg(idezett, feltetel));
}

void SzuresMegszuntet(Kapcsolat& k) {
    k.sql(QStringLiteral("UPDATE terv SET szur='N';"));
}

// ------------------------------------------------------------ lines

int KovetkezoSorszam(Kapcsolat& k, int terv) {
    QSqlQuery q =
        k.sql(QStringLiteral("SELECT MAX(sor) AS maxsor FROM terv_sor WHERE terv=:pterv;"),
              {{QStringLiteral("pterv"), terv}});
    const int maxsor = q.next() ? Seged::VarEgesz(q.value(QStringLiteral("maxsor"))) : 0;
    q.finish();
    return maxsor + 1;
}

int UjSor(Kapcsolat& k, TablaModell& tblSor, int terv) {
    const int sorszam = KovetkezoSorszam(k, terv);
    const int sor = tblSor.uj();
    tblSor.beallit(sor, QStringLiteral("terv"), terv);
    tblSor.beallit(sor, QStringLiteral("sor"), sorszam);
    tblSor.beallit(sor, QStringLiteral("lbent"), QStringLiteral("I"));
    tblSor.beallit(sor, QStringLiteral("tbent"), QStringLiteral("I"));
    return sor;
}

void SorTorlesSzamozassal(Kapcsolat& k, int terv, const QVariant& sor) {
    Tranzakcio t(k);
    QVariantMap p{{QStringLiteral("pterv"), terv}};
    if (!sor.isNull())
        p.insert(QStringLiteral("psor"), sor);
    k.sql(QStringLiteral("DELETE FROM terv_sor WHERE terv=:pterv AND ") + sorFeltetel(sor), p);

    // The remaining numbers in the order of the line table.
    QList<QVariant> szamok;
    {
        QSqlQuery q =
            k.sql(QStringLiteral("SELECT sor FROM terv_sor WHERE terv=:pterv ORDER BY sor"),
                  {{QStringLiteral("pterv"), terv}});
        while (q.next())
            szamok << q.value(0);
    }
    const int n = int(szamok.size());

    // Numbered in ascending order, line j takes j + 1, which a later line
    // holds only when that line's number lies in 1 .. its own position: never
    // for numbers 1 and above without duplicates, but possible with old data
    // that holds lines numbered 0 or below, or without number. Then every
    // line first moves above all numbers, so that the key (terv, sor) stays
    // unique at every step.
    bool utkozhet = false;
    int legnagyobb = n;
    for (int j = 0; j < n; ++j) {
        if (szamok[j].isNull())
            continue;
        const int v = szamok[j].toInt();
        legnagyobb = qMax(legnagyobb, v);
        if (v >= 1 && v <= j)
            utkozhet = true;
    }
    if (utkozhet) {
        for (int j = 0; j < n; ++j) {
            sorszamotAt(k, terv, szamok[j], legnagyobb + j + 1);
            szamok[j] = legnagyobb + j + 1;
        }
    }
    for (int j = 0; j < n; ++j) {
        if (!szamok[j].isNull() && szamok[j].toInt() == j + 1)
            continue;
        sorszamotAt(k, terv, szamok[j], j + 1);
    }
    t.kesz();
}
