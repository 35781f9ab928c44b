#include "kiadas/kiadasmuveletek.h"

#include "kapcsolat.h"
#include "kiadas/tfrm_csopkiad.h"
#include "kiadas/tfrm_kodvissza.h"
#include "kiadas/tfrm_levkiad.h"
#include "seged.h"
#include "tablamodell.h"

namespace {

const QString NincsSor = QStringLiteral("A tervnek nincs kiválasztott sora.");

struct SorKulcs {
    int terv = 0, sor = 0;
};

// The key of the line in row `sor`; false (with the error box) without one.
bool Kulcs(TablaModell& tblSor, int sor, SorKulcs& kulcs, QWidget* szulo) {
    if (sor < 0 || sor >= tblSor.rowCount()) {
        Seged::HibaAblak(NincsSor, szulo);
        return false;
    }
    kulcs.terv = Seged::VarEgesz(tblSor.ertek(sor, QStringLiteral("terv")));
    kulcs.sor = Seged::VarEgesz(tblSor.ertek(sor, QStringLiteral("sor")));
    return true;
}

// Runs an operation; refusals and engine errors end it with their message.
// The line table is read again in any case.
template <typename F> void Futtat(TablaModell& tblSor, QWidget* szulo, F&& fv) {
    try {
        fv();
    } catch (const KiadasElutasitva& h) {
        Seged::HibaAblak(h.uzenet(), szulo);
    } catch (const AdatbazisHiba& h) {
        Seged::HibaAblak(h.uzenet(), szulo);
    }
    try {
        tblSor.megnyit();
    } catch (const AdatbazisHiba& h) {
        Seged::AltalanosHiba(h.uzenet(), szulo);
    }
}

} // namespace

void KiadasIndit(Kapcsolat& k, TablaModell& tblSor, int sor, KiadasFajta fajta, QWidget* szulo) {
    SorKulcs s;
    if (!Kulcs(tblSor, sor, s, szulo))
        return;
    Futtat(tblSor, szulo, [&] {
        Kiadas::Ellenoriz(Kiadas::Allapot(k, s.terv, s.sor, fajta), fajta, true);
        if (fajta == KiadasFajta::Tervrajz)
            Kiadas::Jelol(k, s.terv, s.sor, true);
        ShowLevKiad(k, s.terv, s.sor, fajta == KiadasFajta::Tervrajz ? 0 : 1, szulo);
    });
}

void Visszavetel(Kapcsolat& k, TablaModell& tblSor, int sor, KiadasFajta fajta, QWidget* szulo) {
    SorKulcs s;
    if (!Kulcs(tblSor, sor, s, szulo))
        return;
    Futtat(tblSor, szulo, [&] {
        Kiadas::Ellenoriz(Kiadas::Allapot(k, s.terv, s.sor, fajta), fajta, false);
        if (Seged::KerdesAblak(Mezok(fajta).kerdes, QStringLiteral("Megerősítés"), szulo))
            Kiadas::Visszavesz(k, s.terv, s.sor, fajta);
    });
}

void CsoportKiadas(Kapcsolat& k, TablaModell& tblSor, int terv, QWidget* szulo) {
    Futtat(tblSor, szulo, [&] { ShowCsopKiad(k, terv, szulo); });
}

void KodosVisszavetel(Kapcsolat& k, TablaModell& tblSor, QWidget* szulo) {
    Futtat(tblSor, szulo, [&] { ShowKodVissza(k, szulo); });
}

void KiadJelol(Kapcsolat& k, TablaModell& tblSor, int sor, QWidget* szulo) {
    SorKulcs s;
    if (!Kulcs(tblSor, sor, s, szulo))
        return;
    Futtat(tblSor, szulo, [&] { Kiadas::JelolValt(k, s.terv, s.sor); });
}
