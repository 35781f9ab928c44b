#include "foablak/akciok.h"

#include "ikonok.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QWidget>

namespace Akciok {

const QList<AkcioLeiras>& Leirasok() {
    static const QList<AkcioLeiras> l{
        {"aUj", QStringLiteral("Új"), QKeySequence(Qt::Key_Insert), Ikon::DokPlusz},
        {"aSzerkeszt", QStringLiteral("Szerkeszt"), QKeySequence(Qt::Key_F2), Ikon::DokFel},
        {"aTorol", QStringLiteral("Töröl"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
         Ikon::DokMinusz},
        {"aBezar", QStringLiteral("Bezár"), {}, Ikon::PirosKereszt},
        {"aUj2", QStringLiteral("Új sor"), QKeySequence(Qt::SHIFT | Qt::Key_Insert),
         Ikon::DokPlusz},
        {"aSzerkeszt2", QStringLiteral("Sor szerkesztés"), QKeySequence(Qt::SHIFT | Qt::Key_F2),
         Ikon::DokFel},
        {"aTorol2", QStringLiteral("Sor törlése"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), Ikon::DokMinusz},
        {"aTervKiad", QStringLiteral("Tervrajz kiadás"), QKeySequence(Qt::Key_F8), Ikon::TervKiad},
        {"aTervKiadOsszes", QStringLiteral("Tervrajz kiadás (összes)"),
         QKeySequence(Qt::SHIFT | Qt::Key_F8), nullptr},
        {"aKiadJelol", QStringLiteral("Kiadásra jelöl"), QKeySequence(Qt::Key_F7), Ikon::SargaToll},
        {"aTervVissza", QStringLiteral("Tervrajz visszajön"), QKeySequence(Qt::CTRL | Qt::Key_F8),
         Ikon::TervVissza},
        {"aLevKiad", QStringLiteral("Tervirat kiadás"), QKeySequence(Qt::Key_F9), Ikon::LevKiad},
        {"aLevVissza", QStringLiteral("Tervirat visszajön"), QKeySequence(Qt::CTRL | Qt::Key_F9),
         Ikon::LevVissza},
        {"aKeres", QStringLiteral("Ugrás a keresőmezőbe"), QKeySequence(Qt::CTRL | Qt::Key_F),
         Ikon::Tavcso},
        {"aKeresReszletes", QStringLiteral("Részletes keresés"), QKeySequence(Qt::CTRL | Qt::Key_T),
         Ikon::NagyitoDok},
        {"aSzurJelol", QStringLiteral("Szűrésre jelöl"), QKeySequence(Qt::Key_F3), Ikon::Szuro},
        {"aSzur", QStringLiteral("Szűrés"), QKeySequence(Qt::CTRL | Qt::Key_F3), nullptr},
        {"aSzurMegszuntet", QStringLiteral("Szűrésre jelölések megszűntetése"),
         QKeySequence(Qt::SHIFT | Qt::Key_F3), nullptr},
        {"aSzurTervezo", QStringLiteral("Tervező"), {}, nullptr},
        {"aSzurSzakag", QStringLiteral("Szakág"), {}, nullptr},
        {"aSzurTervFajta", QStringLiteral("Terv fajta"), {}, nullptr},
        {"aSzurTervSzakasz", QStringLiteral("Terv szakasz"), {}, nullptr},
        {"aSzurUgyfel", QStringLiteral("Ügyfél"), {}, nullptr},
        {"aUgyfel", QStringLiteral("Ügyfelek"), {}, Ikon::EmberKalap},
        {"aTipus", QStringLiteral("Típusok"), {}, Ikon::DokTu},
        {"aTervezo", QStringLiteral("Tervezők"), {}, nullptr},
        {"aSzakag", QStringLiteral("Szakágak"), {}, nullptr},
        {"aFajta", QStringLiteral("Terv fajták"), {}, nullptr},
        {"aSzakasz", QStringLiteral("Terv szakaszok"), {}, nullptr},
        {"aNyomtat", QStringLiteral("Egyszerű lista nyomtatás"), QKeySequence(Qt::CTRL | Qt::Key_P),
         Ikon::Nyomtato},
        {"aNyomAdatlap", QStringLiteral("Adatlap nyomtatás"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), nullptr},
        {"aTKiad", QStringLiteral("Terv kiadások"), {}, nullptr},
        {"aTKiadva", QStringLiteral("Kintlévő tervek"), {}, nullptr},
        {"aKiadBongTerv", QStringLiteral("Kiadások böngésző (tervek)"), {}, Ikon::Dokumentum},
        {"aLKiad", QStringLiteral("Levelezés kiadások"), {}, nullptr},
        {"aLKiadva", QStringLiteral("Kintlévő levelezések"), {}, nullptr},
        {"aKiadBongLevel", QStringLiteral("Kiadások böngésző (levelezés)"), {}, Ikon::Dokumentum},
        {"aKintlevoseg", QStringLiteral("Kintlévőségek személyenként"),
         QKeySequence(Qt::CTRL | Qt::Key_K), Ikon::Kintlevoseg},
        {"aKodVissza", QStringLiteral("Visszavétel kóddal"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F8), Ikon::KodVissza},
        {"aFelhasznalo", QStringLiteral("Felhasználók"), {}, Ikon::KetEmber},
        {"aArchival", QStringLiteral("Adatbázis archiválása"), {}, Ikon::Zip},
        {"aSQL", QStringLiteral("Szabad lekérdezés"), {}, Ikon::Sql},
        {"aBeallit", QStringLiteral("Beallítások"), QKeySequence(Qt::ALT | Qt::Key_Return),
         Ikon::Fogaskerek},
        {"aINI", QStringLiteral("INI állomány szerkesztés"), {}, nullptr},
        {"aSugo", QStringLiteral("Súgó"), QKeySequence(Qt::Key_F1), Ikon::Kerdojel},
        {"aFontos", QStringLiteral("Fontos információk"), {}, Ikon::IBetu},
        {"aLevel", QStringLiteral("Levélküldés Sorvaninak"), {}, Ikon::Boritek},
        {"aHonlap", QStringLiteral("Sorvani honlapja"), {}, Ikon::Bongeszo},
        {"aUjdonsag", QStringLiteral("Újdonságok"), {}, Ikon::Csillag},
        {"aNevjegy", QStringLiteral("Névjegy"), {}, nullptr},
    };
    return l;
}

QHash<QString, QAction*> Letrehoz(QWidget* ablak) {
    QHash<QString, QAction*> h;
    for (const AkcioLeiras& l : Leirasok()) {
        auto* a = new QAction(l.felirat, ablak);
        a->setObjectName(QLatin1String(l.nev));
        a->setToolTip(l.felirat);
        a->setStatusTip(l.felirat);
        if (!l.billentyu.isEmpty())
            a->setShortcut(l.billentyu);
        if (l.ikon)
            a->setIcon(Ikon::Kep(l.ikon));
        ablak->addAction(a);
        h.insert(QLatin1String(l.nev), a);
    }
    return h;
}

const QList<QPair<QString, QStringList>>& FoMenu() {
    static const QList<QPair<QString, QStringList>> m{
        {QStringLiteral("Rekordok"),
         {"aUj", "aSzerkeszt", "aTorol", "-", "aUj2", "aSzerkeszt2", "aTorol2", "-", "aTervKiad",
          "aTervVissza", "-", "aLevKiad", "aLevVissza", "-", "aKodVissza", "-", "aBezar"}},
        {QStringLiteral("Keresés"),
         {"aKeres", "aKeresReszletes", "-", "aSzurJelol", "aSzur", "aSzurMegszuntet", "-",
          "aSzurTervezo", "aSzurSzakag", "aSzurTervFajta", "aSzurTervSzakasz", "aSzurUgyfel"}},
        {QStringLiteral("Törzsadatok"),
         {"aUgyfel", "aTipus", "-", "aTervezo", "aSzakag", "aFajta", "aSzakasz"}},
        {QStringLiteral("Nyomtatások"),
         {"aNyomtat", "aNyomAdatlap", "-", "aTKiad", "aTKiadva", "aKiadBongTerv", "-", "aLKiad",
          "aLKiadva", "aKiadBongLevel", "-", "aKintlevoseg"}},
        {QStringLiteral("Rendszer"), {"aFelhasznalo", "aArchival", "aSQL", "-", "aBeallit"}},
        {QStringLiteral("Súgó"),
         {"aSugo", "-", "aFontos", "aLevel", "aHonlap", "aUjdonsag", "-", "aNevjegy"}},
    };
    return m;
}

const QStringList& SzuroMenu() {
    static const QStringList l{"aSzurJelol",   "aSzur",       "aSzurMegszuntet", "-",
                               "aSzurTervezo", "aSzurSzakag", "aSzurTervFajta",  "aSzurTervSzakasz",
                               "aSzurUgyfel"};
    return l;
}

void Feltolt(QWidget* cel, const QStringList& nevek, const QHash<QString, QAction*>& akciok) {
    for (const QString& n : nevek) {
        if (n == QLatin1String("-")) {
            auto* elvalaszto = new QAction(cel);
            elvalaszto->setSeparator(true);
            cel->addAction(elvalaszto);
        } else {
            cel->addAction(akciok.value(n));
        }
    }
}

QAction* Uj(QWidget* ablak, const char* nev, const QString& felirat,
            const QList<QKeySequence>& billentyuk, const char* ikon) {
    auto* a = new QAction(Ikon::Kep(ikon), felirat, ablak);
    a->setObjectName(QString::fromLatin1(nev));
    a->setToolTip(felirat);
    a->setStatusTip(felirat);
    a->setShortcuts(billentyuk);
    a->setShortcutContext(Qt::WindowShortcut);
    ablak->addAction(a);
    return a;
}

QToolBar* EszkozTar(QWidget* ablak, const QString& nev) {
    auto* t = new QToolBar(ablak);
    t->setObjectName(nev);
    t->setIconSize(QSize(16, 16));
    t->setFloatable(false);
    t->setMovable(false);
    return t;
}

} // namespace Akciok
