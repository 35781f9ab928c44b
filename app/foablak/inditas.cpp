#include "foablak/inditas.h"

#include "adatzar.h"
#include "hiba.h"
#include "kapcsolat.h"
#include "motorhiba.h"
#include "seged.h"

#include <QDir>
#include <QFileInfo>

namespace Inditas {

void MappakLetrehoz() {
    for (const QString& nev :
         {QStringLiteral("Data"), QStringLiteral("Help"), QStringLiteral("Archiv")}) {
        const QString mappa = Seged::ProgramUtvonal(nev);
        if (!QFileInfo(mappa).isDir() && !QDir().mkdir(mappa))
            throw PelvanoHiba(QStringLiteral("A mappa nem hozható létre: %1")
                                  .arg(QDir::toNativeSeparators(mappa)));
    }
}

QString AdatMappa(const IniErtekek& e, bool* visszaallitva) {
    const QString mappa = AdatMappaUtvonal(e.Path);
    const bool hibas = mappa.isEmpty() || !QFileInfo(mappa).isDir();
    if (visszaallitva)
        *visszaallitva = hibas;
    return hibas ? Seged::ProgramUtvonal(QStringLiteral("Data")) : mappa;
}

void Kapcsolodik(Kapcsolat& db, AdatZar& zar, const Adatforras& forras) {
    db.zar();
    db.nyit(forras);
    if (zar.zar(forras, AdatZar::Mod::Megosztott) == AdatZar::Eredmeny::Foglalt) {
        db.zar();
        throw AdatbazisHiba(QStringLiteral("A karbantartó program dolgozik az adatbázison."));
    }
}

} // namespace Inditas
