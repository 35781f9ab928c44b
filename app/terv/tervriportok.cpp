#include "terv/tervriportok.h"

#include "kapcsolat.h"
#include "lekerdezes/szovegexport.h"
#include "lekerdezes/tfrm_hatarolt.h"
#include "riportkimenet.h"
#include "tervlista.h"

#include <QSqlQuery>

#include <functional>

namespace TervRiport {

namespace {

// Exports the main window's plan list with the proposed file name.
void ListaExport(TervListaModell& lista, const QString& fajlNev, QWidget* szulo) {
    const std::unique_ptr<ModellForras> forras = TervListaForras(lista);
    ShowHatarolt(*forras, fajlNev, szulo);
}

} // namespace

void TrptLista(Kapcsolat& k, TervListaModell& lista, const QString& sorrend, QWidget* szulo) {
    RiportKimenet::Valaszt([&] { return Lista(lista, sorrend, Oldalkeret::TulajdonosOlvas(k)); },
                           [&] { ListaExport(lista, QStringLiteral("lista.csv"), szulo); }, szulo);
}

void TrptAdatlap(Kapcsolat& k, TervListaModell& lista, int sor, QWidget* szulo) {
    RiportKimenet::Valaszt([&] { return Adatlap(k, lista, sor, Oldalkeret::TulajdonosOlvas(k)); },
                           [&] { ListaExport(lista, QStringLiteral("adatlap.csv"), szulo); },
                           szulo);
}

} // namespace TervRiport
