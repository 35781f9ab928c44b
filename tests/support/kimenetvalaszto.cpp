#include "kimenetvalaszto.h"

#include "lekerdezes/tfrm_hatarolt.h"
#include "tfrm_nyomvalaszt.h"

#include <QPushButton>
#include <QRadioButton>

namespace Teszt {

KimenetValasztas Kimenet(int opcio, std::function<void(Tfrm_Hatarolt*)> csv) {
    KimenetValasztas v;
    if (opcio == 2)
        v.csv = csv ? Modalisban<Tfrm_Hatarolt>(std::move(csv))
                    : Modalisban<Tfrm_Hatarolt>([](Tfrm_Hatarolt*) {}, Nyitva::Megsem);
    v.valaszto = Modalisban<Tfrm_NyomValaszt>([opcio](Tfrm_NyomValaszt* d) {
        if (opcio < 0) {
            d->btnMegsem->click();
            return;
        }
        (opcio == 0 ? d->rbKep : opcio == 1 ? d->rbNyomtatas : d->rbCsv)->click();
        d->btnOK->click();
    });
    return v;
}

} // namespace Teszt
