#include "terv/tervmuveletek.h"

#include "kapcsolat.h"
#include "seged.h"
#include "tablamodell.h"
#include "terv/tfrm_sorszerkeszt.h"
#include "terv/tfrm_szerkeszt.h"

#include <QSqlQuery>

namespace {

const QString TorlesKerdes = QStringLiteral("Valóban töröljem a sort?");
const QString TorlesCim = QStringLiteral("Megerősítés");
const QString NincsTerv = QStringLiteral("Nincs kiválasztott terv.");
const QString NincsSor = QStringLiteral("Nincs kiválasztott sor.");
const QString TervTorlodott = QStringLiteral("A terv időközben törlődött.");

// The plan table opened on the one plan `terv`; nothing for 0.
void tervetNyit(TablaModell& tbl, int terv) {
    tbl.setFilter(terv == 0 ? QStringLiteral("0=1") : QStringLiteral("Terv=%1").arg(terv));
    tbl.megnyit();
}

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

int TervSzerkesztes(Kapcsolat& k, int aktualisTerv, bool uj, const TorzsValaszto& valaszto,
                    QWidget* szulo) {
    try {
        const QDate ma = QDate::currentDate();
        const bool meglevo = !uj && aktualisTerv != 0;
        TablaModell tbl(k, QStringLiteral("terv.db"));
        tervetNyit(tbl, meglevo ? aktualisTerv : 0);
        int sor;
        if (meglevo) {
            sor = tbl.keres(QStringLiteral("Terv"), aktualisTerv);
            if (sor < 0) { // deleted at another workstation since the list was read
                Seged::HibaAblak(TervTorlodott, szulo);
                return aktualisTerv;
            }
        } else {
            sor = UjTervSor(tbl, ma);
        }

        bool ok = false;
        {
            Tfrm_Szerkeszt dlg(k, tbl, sor, valaszto, szulo);
            dlg.setDatum(TervDatuma(tbl.ertek(sor, QStringLiteral("datum")), ma));
            ok = dlg.exec() == QDialog::Accepted;
            tbl.beallit(sor, QStringLiteral("datum"), DatumSzoveg(dlg.datum()));
            if (ok)
                dlg.atad();
        }
        if (!ok) {
            tbl.elvet();
            return aktualisTerv;
        }
        // A store is a commit with full sync: on disk, and seen by every
        // other workstation, when ment() returns.
        tbl.ment();
        return meglevo ? aktualisTerv : int(tbl.utolsoKulcs());
    } catch (const AdatbazisHiba& e) {
        // The table and the dialog are gone with their scope: nothing stays
        // half-edited.
        Seged::AltalanosHiba(e.uzenet(), szulo);
        return aktualisTerv;
    }
}

bool TervTorles(Kapcsolat& k, int aktualisTerv, QWidget* szulo) {
    if (!Seged::KerdesAblak(TorlesKerdes, TorlesCim, szulo))
        return false;
    if (aktualisTerv == 0)
        return true;
    try {
        TablaModell tbl(k, QStringLiteral("terv.db"));
        tervetNyit(tbl, aktualisTerv);
        const int sor = tbl.keres(QStringLiteral("Terv"), aktualisTerv);
        if (sor >= 0)
            tbl.torol(sor);
    } catch (const AdatbazisHiba& e) {
        Seged::AltalanosHiba(e.uzenet(), szulo);
    }
    return true;
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

int SorSzerkesztes(Kapcsolat& k, TablaModell& tblSor, int aktualisSor, bool uj, int terv,
                   QWidget* szulo) {
    if (uj && terv == 0) {
        Seged::HibaAblak(NincsTerv, szulo);
        return aktualisSor;
    }
    if (!uj && (aktualisSor < 0 || aktualisSor >= tblSor.rowCount())) {
        Seged::HibaAblak(NincsSor, szulo);
        return aktualisSor;
    }
    try {
        const int sor = uj ? UjSor(k, tblSor, terv) : aktualisSor;
        const QVariant sorszam = tblSor.ertek(sor, QStringLiteral("sor"));
        bool ok = false;
        {
            Tfrm_SorSzerkeszt dlg(tblSor, sor, szulo);
            ok = dlg.exec() == QDialog::Accepted;
            if (ok)
                dlg.atad();
        }
        if (!ok) {
            tblSor.elvet(); // a new line goes without using its number
            return aktualisSor;
        }
        tblSor.ment();
        return tblSor.keres(QStringLiteral("sor"), sorszam);
    } catch (const AdatbazisHiba& e) {
        tblSor.elvet();
        Seged::AltalanosHiba(e.uzenet(), szulo);
        return aktualisSor;
    }
}

bool SorTorles(Kapcsolat& k, TablaModell& tblSor, int aktualisSor, QWidget* szulo) {
    if (!Seged::KerdesAblak(TorlesKerdes, TorlesCim, szulo))
        return false;
    if (aktualisSor < 0 || aktualisSor >= tblSor.rowCount()) {
        Seged::HibaAblak(NincsSor, szulo);
        return false;
    }
    bool torolve = false;
    try {
        SorTorlesSzamozassal(k, Seged::VarEgesz(tblSor.ertek(aktualisSor, QStringLiteral("terv"))),
                             tblSor.ertek(aktualisSor, QStringLiteral("sor")));
        torolve = true;
    } catch (const AdatbazisHiba& e) {
        Seged::AltalanosHiba(e.uzenet(), szulo);
    }
    try {
        tblSor.megnyit();
    } catch (const AdatbazisHiba& e) {
        Seged::AltalanosHiba(e.uzenet(), szulo);
    }
    return torolve;
}
