#include "sema.h"

namespace Sema {
namespace {

Oszlop ai(const char* n) {
    return {QString::fromUtf8(n), Tipus::AutoInc, 0};
}
Oszlop egesz(const char* n) {
    return {QString::fromUtf8(n), Tipus::Egesz, 0};
}
Oszlop szoveg(const char* n, int w) {
    return {QString::fromUtf8(n), Tipus::Szoveg, w};
}
Oszlop datum(const char* n) {
    return {QString::fromUtf8(n), Tipus::Datum, 0};
}
Oszlop memo(const char* n) {
    return {QString::fromUtf8(n), Tipus::Memo, 0};
}

Tabla torzs(const char* nev, const char* fajl, const char* kulcs, int szelesseg) {
    const QString k = QString::fromUtf8(kulcs);
    const QString nevOszlop = k + QStringLiteral("_nev");
    return {QString::fromUtf8(nev),
            QString::fromUtf8(fajl),
            {{k, Tipus::AutoInc, 0}, {nevOszlop, Tipus::Szoveg, szelesseg}},
            {k},
            QStringLiteral("idx_") + nevOszlop.toLower(),
            nevOszlop};
}

QList<Tabla> epit() {
    QList<Tabla> t;
    t << Tabla{"terv",
               "terv.db",
               {ai("Terv"), szoveg("Tervszam", 20), szoveg("Cim", 100), egesz("Ugyfel"),
                szoveg("Helyszin", 25), egesz("Tipus"), szoveg("Levelezes", 1), memo("Megjegyzes"),
                datum("datum"), egesz("tervezo"), egesz("szakag"), egesz("tervfajta"),
                egesz("tervszakasz"), szoveg("tervjel", 50), szoveg("szur", 1)},
               {"Terv"},
               {},
               {}};
    t << Tabla{"terv_sor",
               "terv_sor.DB",
               {egesz("terv"), egesz("sor"), szoveg("reszmuvelet", 100), szoveg("rajzszam", 50),
                szoveg("pausz", 50), szoveg("irata4", 50), szoveg("irata5", 50),
                szoveg("megjegyzes", 255), datum("dat_tkiad"), datum("dat_lkiad"),
                szoveg("tkiadva", 20), szoveg("lkiadva", 20), szoveg("tbent", 1),
                szoveg("lbent", 1), egesz("tervkiad"), szoveg("kiadni", 1)},
               {"terv", "sor"},
               {},
               {}};
    t << Tabla{"tervkiad",
               "tervkiad.DB",
               {ai("tervkiad"), egesz("terv"), egesz("sor"), datum("dat_kiad"), datum("dat_vissza"),
                szoveg("kint", 1), szoveg("kinek", 50), szoveg("ezterv", 1),
                szoveg("megjegyzes", 255), szoveg("engedelyezo", 75)},
               {"tervkiad"},
               {},
               {}};
    Tabla ugyfel{"ugyfel",
                 "ugyfel.DB",
                 {ai("Ugyfel"), szoveg("Ugyfel_nev", 100), szoveg("Telefon", 20), szoveg("Fax", 20),
                  szoveg("Mobil", 20), szoveg("Emil", 100), szoveg("Honlap", 100),
                  szoveg("Kapcstarto", 25), memo("Megjegyzes"), szoveg("Cim_irsz", 5),
                  szoveg("Cim_varos", 25), szoveg("Cim_cim", 100)},
                 {"Ugyfel"},
                 "idx_ugyfel_nev",
                 "Ugyfel_nev"};
    t << ugyfel;
    t << torzs("tipus", "tipus.db", "Tipus", 30);
    t << torzs("tervezo", "tervezo.DB", "tervezo", 50);
    t << torzs("szakag", "szakag.DB", "szakag", 50);
    t << torzs("tervfajta", "tervfajta.DB", "tervfajta", 50);
    t << torzs("tervszakasz", "tervszakasz.DB", "tervszakasz", 50);
    t << Tabla{"felhasznalo",
               "felhasznalo.DB",
               {szoveg("felhasznalo", FelhasznaloSzelesseg), szoveg("felhasznalo_nev", 20),
                szoveg("jelszo", JelszoSzelesseg), szoveg("rendszergazda", 1), szoveg("iras", 1),
                szoveg("olvasas", 1), szoveg("torzsszerkeszt", 1)},
               {"felhasznalo"},
               {},
               {}};
    t << Tabla{"naplo",
               "naplo.DB",
               {ai("naplo"),
                szoveg("felhasznalo", FelhasznaloSzelesseg),
                {"datum", Tipus::DatumIdo, 0},
                szoveg("sikeres", 1)},
               {"naplo"},
               {},
               {}};
    t << Tabla{"beallit",   "beallit.DB", {ai("beallit"), szoveg("vanbelep", 1)},
               {"beallit"}, {},           {}};
    t << Tabla{"irsz", "irsz.DB", {egesz("id"), szoveg("irsz", 5), szoveg("varos", 25)},
               {"id"}, {},        {}};
    t << Tabla{"tulajdonos",
               "tulajdonos.DB",
               {szoveg("tulajdonos", 50), szoveg("telefon", 25), szoveg("mobil", 25),
                szoveg("fax", 25), szoveg("irsz", 5), szoveg("varos", 25), szoveg("cim", 50),
                szoveg("adoszam", 11), szoveg("bankszamlaszam", 24)},
               {"tulajdonos"},
               {},
               {}};
    return t;
}

} // namespace

const QList<Tabla>& Tablak() {
    static const QList<Tabla> t = epit();
    return t;
}

const Tabla* TablaNevvel(const QString& nev) {
    QString n = nev.trimmed();
    if (n.endsWith(QStringLiteral(".db"), Qt::CaseInsensitive))
        n.chop(3);
    for (const Tabla& t : Tablak())
        if (t.nev.compare(n, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QString TipusSql(const Oszlop& o) {
    switch (o.tipus) {
    case Tipus::AutoInc:
        return QStringLiteral("AUTOINC");
    case Tipus::Egesz:
        return QStringLiteral("INT");
    case Tipus::Szoveg:
        return QStringLiteral("CHAR(%1)").arg(o.szelesseg);
    case Tipus::Datum:
        return QStringLiteral("DATE");
    case Tipus::DatumIdo:
        return QStringLiteral("TIMESTAMP");
    case Tipus::Memo:
        return QStringLiteral("MEMO");
    }
    return {};
}

QString LetrehozoSql(const Tabla& t) {
    QStringList sorok;
    for (const Oszlop& o : t.oszlopok)
        sorok << QStringLiteral(" %1 %2,").arg(o.nev, TipusSql(o));
    return QStringLiteral("CREATE TABLE %1(\n%2\nPRIMARY KEY (%3));")
        .arg(t.nev, sorok.join(QLatin1Char('\n')), t.kulcs.join(QLatin1Char(',')));
}

QString NevIndexSql(const Tabla& t) {
    if (t.nevIndex.isEmpty())
        return {};
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3 COLLATE NOCASE);")
        .arg(t.nevIndex, t.nev, t.nevOszlop);
}

} // namespace Sema
