#include "kiadas/trptkiadott.h"

#include "kapcsolat.h"
#include "kiadasnaplo.h"
#include "lekerdezes/szovegexport.h"
#include "lekerdezes/tfrm_hatarolt.h"
#include "riportkimenet.h"

void PrintKiadott(Kapcsolat& k, QChar fajta, bool csakKint, QWidget* szulo) {
    const KiadasSzuro szuro{fajta, csakKint};
    RiportKimenet::Valaszt(
        [&] { return TrptKiadott::Lista(k, szuro, Oldalkeret::TulajdonosOlvas(k)); },
        [&] {
            OlvasoForras forras(k, szuro.sql(), KiadasNaploModell::Feliratok());
            ShowHatarolt(forras, QStringLiteral("Kintlevo.csv"), szulo);
        },
        szulo);
}
