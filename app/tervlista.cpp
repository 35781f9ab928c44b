#include "tervlista.h"

namespace TervLista {

QStringList Sql(const QString& rendezOszlop) {
    return {QStringLiteral("SELECT"),
            QStringLiteral("  terv.*,"),
            QStringLiteral("  tipus.tipus_nev,"),
            QStringLiteral("  ugyfel.ugyfel_nev,"),
            QStringLiteral("  ugyfel.kapcstarto,"),
            QStringLiteral("  tervezo.tervezo_nev,"),
            QStringLiteral("  szakag.szakag_nev,"),
            QStringLiteral("  tervfajta.tervfajta_nev,"),
            QStringLiteral("  tervszakasz.tervszakasz_nev"),
            QStringLiteral("FROM terv"),
            QStringLiteral("  LEFT OUTER JOIN tipus ON (terv.tipus = tipus.tipus)"),
            QStringLiteral("  LEFT OUTER JOIN ugyfel ON (terv.ugyfel = ugyfel.ugyfel)"),
            QStringLiteral("  LEFT OUTER JOIN tervezo ON (terv.tervezo = tervezo.tervezo)"),
            QStringLiteral("  LEFT OUTER JOIN szakag ON (terv.szakag = szakag.szakag)"),
            QStringLiteral("  LEFT OUTER JOIN tervfajta ON (terv.tervfajta = tervfajta.tervfajta)"),
            QStringLiteral(
                "  LEFT OUTER JOIN tervszakasz ON (terv.tervszakasz = tervszakasz.tervszakasz)"),
            QStringLiteral("ORDER BY ") + rendezOszlop + QLatin1Char(';')};
}

} // namespace TervLista
