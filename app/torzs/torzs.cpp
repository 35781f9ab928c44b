#include "torzs/torzs.h"

namespace {

TorzsLeiras egyNev(TorzsFajta fajta, const char* ablakNev, const char* cim, const char* tabla,
                   const char* szerkesztoCim, const char* nevCimke, int szelesseg) {
    const QString t = QString::fromUtf8(tabla);
    const QString nevOszlop = t + QStringLiteral("_nev");
    // The key column of plan types is spelt with a capital, as in the schema.
    const QString kulcs = fajta == TorzsFajta::Tipus ? QStringLiteral("Tipus") : t;
    const QString nev = fajta == TorzsFajta::Tipus ? QStringLiteral("Tipus_nev") : nevOszlop;
    return {fajta,
            ablakNev,
            QString::fromUtf8(cim),
            t,
            kulcs,
            nev,
            QString::fromUtf8(szerkesztoCim),
            QString::fromUtf8(nevCimke),
            {{nev, QString::fromUtf8(nevCimke), szelesseg}},
            fajta == TorzsFajta::Tervezo ? 275 : 280,
            290,
            false};
}

QList<TorzsLeiras> epit() {
    QList<TorzsLeiras> l;
    l << TorzsLeiras{TorzsFajta::Ugyfel,
                     "Tfrm_TorzsUgyfel",
                     QStringLiteral("Ügyfelek"),
                     QStringLiteral("ugyfel"),
                     QStringLiteral("Ugyfel"),
                     QStringLiteral("Ugyfel_nev"),
                     QStringLiteral("Ügyfél szerkesztés"),
                     QStringLiteral("név"),
                     {{QStringLiteral("Ugyfel_nev"), QStringLiteral("ügyfél"), 171},
                      {QStringLiteral("Telefon"), QStringLiteral("telefon"), 90},
                      {QStringLiteral("Fax"), QStringLiteral("fax"), 90},
                      {QStringLiteral("Mobil"), QStringLiteral("mobil"), 90},
                      {QStringLiteral("Kapcstarto"), QStringLiteral("kapcsolattartó"), 115}},
                     591,
                     382,
                     true};
    l << egyNev(TorzsFajta::Tipus, "Tfrm_TorzsTipus", "Típusok", "tipus", "Típus szerkesztés",
                "típus", 247);
    l << egyNev(TorzsFajta::Tervezo, "Tfrm_TorzsTervezo", "Tervezők", "tervezo",
                "Tervező szerkesztés", "tervező", 240);
    l << egyNev(TorzsFajta::Szakag, "Tfrm_TorzsSzakag", "Szakágak", "szakag", "Szakág szerkesztés",
                "szakág", 247);
    l << egyNev(TorzsFajta::Tervfajta, "Tfrm_TorzsTervfajta", "Tervfajták", "tervfajta",
                "Tervfajta szerkesztés", "tervfajta", 247);
    l << egyNev(TorzsFajta::Tervszakasz, "Tfrm_TorzsTervszakasz", "Tervszakaszok", "tervszakasz",
                "Tervszakasz szerkesztés", "tervszakasz", 247);
    return l;
}

} // namespace

const TorzsLeiras& Torzs(TorzsFajta fajta) {
    static const QList<TorzsLeiras> leirasok = epit();
    return leirasok.at(static_cast<int>(fajta));
}
