// User administration: the three messages, duplicate names, passwords kept
// as hashes and checked against what was typed, the edit dialog's boxes and
// keys, the list window's order, actions and deleting.

#include "felhasznalo/belepes.h"
#include "felhasznalo/felhasznalok.h"
#include "felhasznalo/tfrm_felhasznalo.h"
#include "felhasznalo/tfrm_felhasznaloszerkeszt.h"
#include "jelszo.h"
#include "kapcsolat.h"
#include "modalis.h"
#include "parbeszed.h"
#include "tesztadat.h"
#include "tesztkornyezet.h"
#include "uzenetteszt.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

namespace {

bool Belep(Kapcsolat& k, const QString& nev, const QString& jelszo, TBeall* beall = nullptr) {
    TBeall b;
    const bool jo = Belepes(k).JelszoEllenoriz(nev, jelszo, b);
    if (beall)
        *beall = b;
    return jo;
}

// Runs `fv` on the edit dialog once it is shown.
[[nodiscard]] std::unique_ptr<Teszt::Modalis>
Szerkesztoben(std::function<void(Tfrm_FelhasznaloSzerkeszt*)> fv,
              Teszt::Nyitva nyitva = Teszt::Nyitva::Hiba) {
    return Teszt::Modalisban<Tfrm_FelhasznaloSzerkeszt>(std::move(fv), nyitva);
}

} // namespace

class TstFelhasznalo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mentes_data();
    void mentes();
    void ujFelhasznaloBelephet();
    void atnevezesJelszoval();
    void szerkesztoAblak();
    void listaAblak();

private:
    std::unique_ptr<Teszt::AdatMappa> m_mappa;
    std::unique_ptr<Kapcsolat> m_k;
};

void TstFelhasznalo::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
}

void TstFelhasznalo::init() {
    UzenetTeszt::bekapcsol();
    m_mappa = std::make_unique<Teszt::AdatMappa>();
    m_k = std::make_unique<Kapcsolat>(QStringLiteral("felh"));
    m_k->nyit(m_mappa->forras());
    m_k->sql(QStringLiteral("INSERT INTO felhasznalo (felhasznalo, jelszo) VALUES ('anna', :j)"),
             {{QStringLiteral("j"), Jelszo::Hash(QStringLiteral("titok"))}});
}

void TstFelhasznalo::cleanup() {
    m_k.reset();
    m_mappa.reset();
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
    UzenetTeszt::kikapcsol();
}

void TstFelhasznalo::mentes_data() {
    QTest::addColumn<QString>("regiNev");
    QTest::addColumn<QString>("nev");
    QTest::addColumn<QString>("jelszo");
    QTest::addColumn<QString>("megerosites");
    QTest::addColumn<bool>("jelszoUj");
    QTest::addColumn<QString>("uzenet");
    QTest::newRow("new user") << ""
                              << "béla"
                              << "Jelszó1"
                              << "Jelszó1" << true << "";
    QTest::newRow("no password") << ""
                                 << "béla"
                                 << ""
                                 << "" << true << "Hiányos adat megadás";
    QTest::newRow("confirmation differs") << ""
                                          << "béla"
                                          << "abc"
                                          << "abd" << true << "Hibás jelszó megadás";
    QTest::newRow("letter case counts") << ""
                                        << "béla"
                                        << "abc"
                                        << "ABC" << true << "Hibás jelszó megadás";
    QTest::newRow("name taken") << ""
                                << "anna"
                                << "x"
                                << "x" << true << "Hiányos adat megadás";
    QTest::newRow("rename, password not retyped") << "anna"
                                                  << "anna2"
                                                  << "$argon2id$v=19$m=65"
                                                  << "" << false << "Hibás jelszó megadás";
    QTest::newRow("no name") << ""
                             << "  "
                             << "x"
                             << "x" << true << "Hiányos adat megadás";
}

void TstFelhasznalo::mentes() {
    QFETCH(QString, regiNev);
    QFETCH(QString, nev);
    QFETCH(QString, jelszo);
    QFETCH(QString, megerosites);
    QFETCH(bool, jelszoUj);
    QFETCH(QString, uzenet);
    const QStringList elotte = Felhasznalok::Nevek(*m_k);
    const QString annaElotte = Teszt::TaroltJelszo(*m_k, QStringLiteral("anna"));
    QCOMPARE(Felhasznalok::Ment(*m_k, {regiNev, nev, jelszo, megerosites, jelszoUj}), uzenet);
    if (!uzenet.isEmpty()) {
        QCOMPARE(Felhasznalok::Nevek(*m_k), elotte);
        QCOMPARE(Teszt::TaroltJelszo(*m_k, QStringLiteral("anna")), annaElotte);
        return;
    }
    // Stored as a hash of the typed password, never as plain text.
    const QString t = Teszt::TaroltJelszo(*m_k, nev);
    QVERIFY(Jelszo::HashE(t));
    QVERIFY(Jelszo::Egyezik(t, jelszo));
    QVERIFY(!Jelszo::Egyezik(t, jelszo.toUpper()));
}

void TstFelhasznalo::ujFelhasznaloBelephet() {
    QCOMPARE(Felhasznalok::Ment(*m_k, {QString(), QStringLiteral("Kovács Béla"),
                                       QStringLiteral("pw"), QStringLiteral("pw"), true}),
             QString());
    TBeall b;
    b.Rendszergazda = true;
    b.Iras = true;
    QVERIFY(Belep(*m_k, QStringLiteral("Kovács Béla"), QStringLiteral("pw"), &b));
    QVERIFY(!b.Rendszergazda);
    QVERIFY(!b.Iras);
    // The list in Hungarian order, letter case aside.
    QCOMPARE(Felhasznalok::Nevek(*m_k), (QStringList{"anna", "Kovács Béla", "rendszergazda"}));
}

void TstFelhasznalo::atnevezesJelszoval() {
    // Renamed with the password typed again in both boxes.
    QCOMPARE(Felhasznalok::Ment(*m_k, {QStringLiteral("anna"), QStringLiteral("Anna"),
                                       QStringLiteral("uj"), QStringLiteral("uj"), true}),
             QString());
    QCOMPARE(Teszt::TaroltJelszo(*m_k, QStringLiteral("anna")), QStringLiteral("<none>"));
    QVERIFY(Belep(*m_k, QStringLiteral("Anna"), QStringLiteral("uj")));
    UzenetTeszt::bekapcsol(); // the failed login below shows its box
    QVERIFY(!Belep(*m_k, QStringLiteral("Anna"), QStringLiteral("titok")));
    QCOMPARE(UzenetTeszt::ablakok().size(), 1);
}

void TstFelhasznalo::szerkesztoAblak() {
    Tfrm_FelhasznaloSzerkeszt d(*m_k, QStringLiteral("anna"),
                                Teszt::TaroltJelszo(*m_k, QStringLiteral("anna")));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.windowTitle(), QStringLiteral("Felhasználó adatainak szerkesztése"));
    QTRY_VERIFY(d.edtFelhasznalo->hasFocus());
    QCOMPARE(d.edtFelhasznalo->text(), QStringLiteral("anna"));
    QCOMPARE(d.edtJelszo->echoMode(), QLineEdit::Password);
    QCOMPARE(d.edtJelszo2->echoMode(), QLineEdit::Password);
    QVERIFY(d.edtJelszo2->text().isEmpty());
    QCOMPARE(Parbeszed::KarakterKorlatja(d.edtFelhasznalo), 20);
    // Enter moves along: name, password, confirmation, OK.
    QTest::keyClick(d.edtFelhasznalo, Qt::Key_Return);
    QTRY_VERIFY(d.edtJelszo->hasFocus());
    QTest::keyClick(d.edtJelszo, Qt::Key_Return);
    QTRY_VERIFY(d.edtJelszo2->hasFocus());
    QTest::keyClick(d.edtJelszo2, Qt::Key_Return);
    QTRY_VERIFY(d.btnOK->hasFocus());
    // OK without retyping: the boxes differ.
    d.btnOK->click();
    QCOMPARE(UzenetTeszt::ablakok().last().szoveg, QStringLiteral("Hibás jelszó megadás"));
    QVERIFY(d.isVisible());
    // A new password typed twice is saved.
    d.edtJelszo->clear();
    QTest::keyClicks(d.edtJelszo, QStringLiteral("masik"));
    d.edtJelszo2->setText(QStringLiteral("masik"));
    d.btnOK->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(Belep(*m_k, QStringLiteral("anna"), QStringLiteral("masik")));
    // Shown again: the confirmation box is empty.
    d.edtJelszo2->setText(QStringLiteral("maradt"));
    d.show();
    QVERIFY(d.edtJelszo2->text().isEmpty());
    d.hide();
}

void TstFelhasznalo::listaAblak() {
    Tfrm_Felhasznalo w(*m_k);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Felhasználók adatai"));
    QCOMPARE(w.DBGrid1->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Felhasználó"));
    QCOMPARE(w.aUj->shortcut(), QKeySequence(Qt::Key_Insert));
    QCOMPARE(w.aSzerkeszt->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(w.aTorol->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    QCOMPARE(w.aUj->text(), QStringLiteral("Új Felhasználó"));
    QCOMPARE(w.aktualis(), QStringLiteral("anna"));

    // New user; a duplicate first, then "Mégsem" keeps nothing.
    auto duplikalt = Szerkesztoben(
        [](Tfrm_FelhasznaloSzerkeszt* d) {
            d->edtFelhasznalo->setText(QStringLiteral("anna"));
            d->edtJelszo->setText(QStringLiteral("x"));
            d->edtJelszo2->setText(QStringLiteral("x"));
            d->btnOK->click();
            QCOMPARE(UzenetTeszt::ablakok().last().szoveg, QStringLiteral("Hiányos adat megadás"));
        },
        Teszt::Nyitva::Megsem);
    w.aUj->trigger();
    QCOMPARE(Felhasznalok::Nevek(*m_k), (QStringList{"anna", "rendszergazda"}));
    auto uj = Szerkesztoben([](Tfrm_FelhasznaloSzerkeszt* d) {
        QVERIFY(d->edtFelhasznalo->text().isEmpty());
        d->edtFelhasznalo->setText(QStringLiteral("Ábel"));
        d->edtJelszo->setText(QStringLiteral("y"));
        d->edtJelszo2->setText(QStringLiteral("y"));
        d->btnOK->click();
    });
    w.aUj->trigger();
    QCOMPARE(w.aktualis(), QStringLiteral("Ábel"));
    QCOMPARE(w.DBGrid1->model()->rowCount(), 3);

    // Enter in the grid edits the current user.
    QString szerkesztett;
    w.activateWindow();
    QTRY_VERIFY(w.isActiveWindow());
    w.DBGrid1->setFocus();
    QTRY_VERIFY(w.DBGrid1->hasFocus());
    auto szerkeszt = Szerkesztoben(
        [&](Tfrm_FelhasznaloSzerkeszt* d) { szerkesztett = d->edtFelhasznalo->text(); },
        Teszt::Nyitva::Megsem);
    QTest::keyClick(w.DBGrid1, Qt::Key_Return);
    QCOMPARE(szerkesztett, QStringLiteral("Ábel"));

    // Deleting: "Nem" keeps, "Igen" deletes, even the last user.
    UzenetTeszt::valasz(false);
    w.aTorol->trigger();
    QCOMPARE(UzenetTeszt::ablakok().last().szoveg, QStringLiteral("Valóban töröljem a sort?"));
    QCOMPARE(UzenetTeszt::ablakok().last().cim, QStringLiteral("Megerősítés"));
    QCOMPARE(Felhasznalok::Nevek(*m_k).size(), 3);
    for (int i = 0; i < 3; ++i) {
        UzenetTeszt::valasz(true);
        w.aTorol->trigger();
    }
    QVERIFY(Felhasznalok::Nevek(*m_k).isEmpty());
    // On an empty list the question is asked and an error follows.
    UzenetTeszt::valasz(true);
    w.aTorol->trigger();
    QCOMPARE(UzenetTeszt::ablakok().last().szoveg, QStringLiteral("Nincs törölhető sor."));
}

QTEST_MAIN(TstFelhasznalo)
#include "tst_felhasznalo.moc"
