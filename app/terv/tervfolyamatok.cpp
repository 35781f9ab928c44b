#include "terv/tervfolyamatok.h"

#include "kapcsolat.h"
#include "seged.h"
#include "tablamodell.h"
#include "terv/tervmuveletek.h"
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

} // namespace

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
