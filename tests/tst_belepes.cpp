// Login: the check, the login log, the password change with stored hashes,
// and the dialog's keyboard and focus behaviour.

#include "felhasznalo/belepes.h"
#include "felhasznalo/tfrm_login.h"
#include "jelszo.h"
#include "kapcsolat.h"
#include "parbeszed.h"
#include "tesztadat.h"
#include "tesztkornyezet.h"
#include "uzenetteszt.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest>

using Ablak = UzenetTeszt::Ablak;
using Fajta = UzenetTeszt::Fajta;

namespace {
const QString Ervenytelen = QStringLiteral("Érvénytelen felhasználó, vagy jelszó");

struct NaploSor {
    QString felhasznalo;
    QString datum;
    QString sikeres;
};

QList<NaploSor> naplo(Kapcsolat& k) {
    QList<NaploSor> l;
    QSqlQuery q =
        k.sql(QStringLiteral("SELECT felhasznalo, datum, sikeres FROM naplo ORDER BY naplo"));
    while (q.next()) {
        // The server hands a date-time over as one; the embedded engine as
        // the text it stores.
        const QVariant d = q.value(1);
        l.append(
            {q.value(0).toString(),
             d.typeId() == QMetaType::QDateTime ? DatumIdoSzoveg(d.toDateTime()) : d.toString(),
             q.value(2).toString()});
    }
    return l;
}

void felhasznalo(Kapcsolat& k, const QString& nev, const QString& jelszo, const QString& rg,
                 const QString& iras) {
    k.sql(QStringLiteral("INSERT INTO felhasznalo (felhasznalo, jelszo, rendszergazda, iras) "
                         "VALUES (:n, :j, :r, :i)"),
          {{QStringLiteral("n"), nev},
           {QStringLiteral("j"), jelszo},
           {QStringLiteral("r"), rg},
           {QStringLiteral("i"), iras}});
}
} // namespace

class TstBelepes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void ellenorzes_data();
    void ellenorzes();
    void jogok();
    void haromHibaUtanSiker();
    void regiSzovegesJelszoHashLesz();
    void ujJelszo();
    void ujJelszoHibak_data();
    void ujJelszoHibak();
    void ujJelszoTulHosszu();
    void ujJelszoUres();
    void hosszuEsFurcsaBevitel();
    void naploNelkulNincsBelepes();
    void dialogusBillentyuzet();
    void dialogusMegsem();

private:
    std::unique_ptr<Teszt::AdatMappa> m_mappa;
    std::unique_ptr<Kapcsolat> m_k;
};

void TstBelepes::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
}

void TstBelepes::init() {
    UzenetTeszt::bekapcsol();
    m_mappa = std::make_unique<Teszt::AdatMappa>();
    m_k = std::make_unique<Kapcsolat>();
    m_k->nyit(m_mappa->forras());
    felhasznalo(*m_k, QStringLiteral("kiss"), Jelszo::Hash(QStringLiteral("Titok1")),
                QStringLiteral("N"), QStringLiteral("I"));
    felhasznalo(*m_k, QStringLiteral("ures"), QString(), QStringLiteral("I"), QStringLiteral("I"));
    felhasznalo(*m_k, QStringLiteral("regi"), QStringLiteral("sima"), QStringLiteral("N"),
                QStringLiteral("N"));
}

void TstBelepes::cleanup() {
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
    m_k.reset();
    m_mappa.reset();
    UzenetTeszt::kikapcsol();
}

void TstBelepes::ellenorzes_data() {
    QTest::addColumn<QString>("nev");
    QTest::addColumn<QString>("jelszo");
    QTest::addColumn<bool>("siker");
    QTest::newRow("right") << "kiss"
                           << "Titok1" << true;
    QTest::newRow("delivered user") << "rendszergazda"
                                    << "pelvano" << true;
    QTest::newRow("capital initial") << "Kiss"
                                     << "Titok1" << false;
    QTest::newRow("password case") << "kiss"
                                   << "titok1" << false;
    QTest::newRow("password prefix") << "kiss"
                                     << "Titok" << false;
    QTest::newRow("unknown user") << "nagy"
                                  << "Titok1" << false;
    QTest::newRow("name with trailing blank") << "kiss "
                                              << "Titok1" << false;
    QTest::newRow("empty stored, empty typed") << "ures"
                                               << "" << false;
    QTest::newRow("empty stored, typed") << "ures"
                                         << "x" << false;
    QTest::newRow("plain stored") << "regi"
                                  << "sima" << true;
    QTest::newRow("plain stored, other case") << "regi"
                                              << "Sima" << false;
    QTest::newRow("hash typed as password") << "kiss"
                                            << "" << false;
}

void TstBelepes::ellenorzes() {
    QFETCH(QString, nev);
    QFETCH(QString, jelszo);
    QFETCH(bool, siker);
    TBeall b;
    Belepes belepes(*m_k);
    const QDateTime ido(QDate(2026, 12, 9), QTime(8, 30, 5));
    belepes.setIdo(ido);
    QCOMPARE(belepes.Bejelentkezik(nev, jelszo, b), siker);
    QCOMPARE(b.FelhasznaloNev, nev);
    const QList<Ablak> vart =
        siker ? QList<Ablak>{} : QList<Ablak>{{Fajta::Hiba, QStringLiteral("Hiba"), Ervenytelen}};
    QCOMPARE(UzenetTeszt::ablakok(), vart);
    const QList<NaploSor> n = naplo(*m_k);
    QCOMPARE(n.size(), 1);
    QCOMPARE(n[0].felhasznalo, nev);
    QCOMPARE(n[0].datum, QStringLiteral("2026-12-09 08:30:05"));
    QCOMPARE(n[0].sikeres, siker ? QStringLiteral("I") : QStringLiteral("N"));
}

void TstBelepes::jogok() {
    Belepes belepes(*m_k);
    TBeall b;
    b.Rendszergazda = true;
    b.Iras = false;
    QVERIFY(belepes.Bejelentkezik(QStringLiteral("kiss"), QStringLiteral("Titok1"), b));
    QVERIFY(!b.Rendszergazda);
    QVERIFY(b.Iras);
    felhasznalo(*m_k, QStringLiteral("fonok"), Jelszo::Hash(QStringLiteral("f")),
                QStringLiteral("I"), QStringLiteral("N"));
    QVERIFY(belepes.Bejelentkezik(QStringLiteral("fonok"), QStringLiteral("f"), b));
    QVERIFY(b.Rendszergazda);
    QVERIFY(!b.Iras);
    // A null right counts as false.
    m_k->sql(QStringLiteral(
        "UPDATE felhasznalo SET rendszergazda=NULL, iras=NULL WHERE felhasznalo='fonok'"));
    QVERIFY(belepes.Bejelentkezik(QStringLiteral("fonok"), QStringLiteral("f"), b));
    QVERIFY(!b.Rendszergazda);
    QVERIFY(!b.Iras);
}

void TstBelepes::haromHibaUtanSiker() {
    Belepes belepes(*m_k);
    TBeall b;
    for (int i = 0; i < 3; ++i) {
        belepes.setIdo(QDateTime(QDate(2026, 12, 9), QTime(9, 0, i)));
        QVERIFY(!belepes.Bejelentkezik(QStringLiteral("kiss"), QStringLiteral("rossz"), b));
    }
    belepes.setIdo(QDateTime(QDate(2026, 12, 9), QTime(9, 0, 3)));
    QVERIFY(belepes.Bejelentkezik(QStringLiteral("kiss"), QStringLiteral("Titok1"), b));
    const QList<NaploSor> n = naplo(*m_k);
    QCOMPARE(n.size(), 4);
    QStringList sikeres, datumok;
    for (const NaploSor& s : n) {
        sikeres << s.sikeres;
        datumok << s.datum;
    }
    QCOMPARE(sikeres, (QStringList{"N", "N", "N", "I"}));
    QCOMPARE(datumok, (QStringList{"2026-12-09 09:00:00", "2026-12-09 09:00:01",
                                   "2026-12-09 09:00:02", "2026-12-09 09:00:03"}));
}

void TstBelepes::regiSzovegesJelszoHashLesz() {
    Belepes belepes(*m_k);
    TBeall b;
    QVERIFY(!belepes.Bejelentkezik(QStringLiteral("regi"), QStringLiteral("rossz"), b));
    QCOMPARE(Teszt::TaroltJelszo(*m_k, QStringLiteral("regi")),
             QStringLiteral("sima")); // a refused login changes nothing
    QVERIFY(belepes.Bejelentkezik(QStringLiteral("regi"), QStringLiteral("sima"), b));
    const QString tarolt = Teszt::TaroltJelszo(*m_k, QStringLiteral("regi"));
    QVERIFY(Jelszo::HashE(tarolt));
    QVERIFY(belepes.Bejelentkezik(QStringLiteral("regi"), QStringLiteral("sima"), b));
    QVERIFY(!belepes.Bejelentkezik(QStringLiteral("regi"), tarolt, b));
}

void TstBelepes::ujJelszo() {
    Belepes belepes(*m_k);
    TBeall b;
    UzenetTeszt::bevitel(QStringLiteral("Uj-Jelszo"));
    UzenetTeszt::bevitel(QStringLiteral("Uj-Jelszo"));
    QVERIFY(belepes.UjJelszo(QStringLiteral("kiss"), QStringLiteral("Titok1"), b));
    const QList<Ablak> vart{
        {Fajta::Bevitel, QStringLiteral("Jelszó megadása"),
         QStringLiteral("Add meg az új jelszót")},
        {Fajta::Bevitel, QStringLiteral("Megerősítés"), QStringLiteral("Add újra az új jelszót")},
        {Fajta::Uzenet, QStringLiteral("Üzenet"), QStringLiteral("Jelszó változtatás kész.")}};
    QCOMPARE(UzenetTeszt::ablakok(), vart);
    QVERIFY(naplo(*m_k).isEmpty());
    QVERIFY(Jelszo::HashE(Teszt::TaroltJelszo(*m_k, QStringLiteral("kiss"))));
    UzenetTeszt::torol();
    QVERIFY(!belepes.Bejelentkezik(QStringLiteral("kiss"), QStringLiteral("Titok1"), b));
    QVERIFY(belepes.Bejelentkezik(QStringLiteral("kiss"), QStringLiteral("Uj-Jelszo"), b));
}

void TstBelepes::ujJelszoHibak_data() {
    QTest::addColumn<QString>("jelenlegi");
    QTest::addColumn<QStringList>("bevitelek");   // "<cancel>" cancels
    QTest::addColumn<QStringList>("vartAblakok"); // captions in order
    QTest::addColumn<QString>("utolsoSzoveg");
    QTest::newRow("wrong current password")
        << "rossz" << QStringList{} << QStringList{"Hiba"} << Ervenytelen;
    QTest::newRow("entries differ") << "Titok1" << QStringList{"abc", "abC"}
                                    << QStringList{"Jelszó megadása", "Megerősítés", "Hiba"}
                                    << "A megadott jelszavak nem egyezőek";
    QTest::newRow("first cancelled") << "Titok1" << QStringList{"<cancel>"}
                                     << QStringList{"Jelszó megadása"} << "Add meg az új jelszót";
    QTest::newRow("second cancelled")
        << "Titok1" << QStringList{"abc", "<cancel>"}
        << QStringList{"Jelszó megadása", "Megerősítés"} << "Add újra az új jelszót";
}

void TstBelepes::ujJelszoHibak() {
    QFETCH(QString, jelenlegi);
    QFETCH(QStringList, bevitelek);
    QFETCH(QStringList, vartAblakok);
    QFETCH(QString, utolsoSzoveg);
    const QString elotte = Teszt::TaroltJelszo(*m_k, QStringLiteral("kiss"));
    for (const QString& s : bevitelek)
        UzenetTeszt::bevitel(s == QLatin1String("<cancel>") ? std::nullopt
                                                            : std::optional<QString>(s));
    Belepes belepes(*m_k);
    TBeall b;
    QVERIFY(!belepes.UjJelszo(QStringLiteral("kiss"), jelenlegi, b));
    QStringList cimek;
    for (const Ablak& a : UzenetTeszt::ablakok())
        cimek << a.cim;
    QCOMPARE(cimek, vartAblakok);
    QCOMPARE(UzenetTeszt::ablakok().last().szoveg, utolsoSzoveg);
    QCOMPARE(Teszt::TaroltJelszo(*m_k, QStringLiteral("kiss")), elotte);
    QCOMPARE(UzenetTeszt::maradekValasz(), 0);
}

void TstBelepes::ujJelszoTulHosszu() {
    // The typed password counts with its first 20 characters.
    const QString hosszu = QStringLiteral("abcdefghijklmnopqrstuvwxy"); // 25
    UzenetTeszt::bevitel(hosszu);
    UzenetTeszt::bevitel(hosszu);
    Belepes belepes(*m_k);
    TBeall b;
    QVERIFY(belepes.UjJelszo(QStringLiteral("kiss"), QStringLiteral("Titok1"), b));
    QVERIFY(belepes.Bejelentkezik(QStringLiteral("kiss"), hosszu.left(20), b));
    QVERIFY(belepes.Bejelentkezik(QStringLiteral("kiss"), hosszu, b));
    UzenetTeszt::torol();
    QVERIFY(!belepes.Bejelentkezik(QStringLiteral("kiss"), hosszu.left(19), b));
}

void TstBelepes::ujJelszoUres() {
    UzenetTeszt::bevitel(QString());
    UzenetTeszt::bevitel(QString());
    Belepes belepes(*m_k);
    TBeall b;
    QVERIFY(belepes.UjJelszo(QStringLiteral("kiss"), QStringLiteral("Titok1"), b));
    QCOMPARE(Teszt::TaroltJelszo(*m_k, QStringLiteral("kiss")), QString(""));
    UzenetTeszt::torol();
    QVERIFY(!belepes.Bejelentkezik(QStringLiteral("kiss"), QString(), b));
    QVERIFY(!belepes.Bejelentkezik(QStringLiteral("kiss"), QStringLiteral("Titok1"), b));
}

void TstBelepes::hosszuEsFurcsaBevitel() {
    const QString furcsa = QStringLiteral("O'Brien \"Ödön\"");
    felhasznalo(*m_k, furcsa, Jelszo::Hash(QStringLiteral("ő'; DROP TABLE naplo;--")),
                QStringLiteral("N"), QStringLiteral("N"));
    Belepes belepes(*m_k);
    TBeall b;
    QVERIFY(belepes.Bejelentkezik(furcsa, QStringLiteral("ő'; DROP TABLE naplo;--"), b));
    const QString tizezer = QStringLiteral("x'").repeated(5000);
    QVERIFY(!belepes.Bejelentkezik(tizezer, tizezer, b));
    QVERIFY(!belepes.Bejelentkezik(QStringLiteral("kiss"), tizezer, b));
    // The first 20 characters of a long password are what counts.
    QVERIFY(belepes.Bejelentkezik(furcsa, QStringLiteral("ő'; DROP TABLE naplo;--") + tizezer, b));
    const QList<NaploSor> n = naplo(*m_k);
    QCOMPARE(n.size(), 4);
    QCOMPARE(n[0].felhasznalo, furcsa);
    QCOMPARE(n[1].felhasznalo, tizezer.left(20)); // the log keeps what its column holds
    QCOMPARE(n[1].sikeres, QStringLiteral("N"));
    QCOMPARE(n[2].sikeres, QStringLiteral("N"));
    QCOMPARE(n[3].sikeres, QStringLiteral("I"));
}

void TstBelepes::naploNelkulNincsBelepes() {
    m_k->sql(QStringLiteral("DROP TABLE naplo"));
    Belepes belepes(*m_k);
    TBeall b;
    QVERIFY_THROWS_EXCEPTION(
        AdatbazisHiba, belepes.Bejelentkezik(QStringLiteral("kiss"), QStringLiteral("Titok1"), b));
    QVERIFY(b.FelhasznaloNev.isEmpty());
}

void TstBelepes::dialogusBillentyuzet() {
    TBeall b;
    Tfrm_Login d(*m_k, b);
    QCOMPARE(d.windowTitle(), QStringLiteral("Belépés azonosítás"));
    QCOMPARE(d.size(), QSize(256, 127));
    QCOMPARE(d.edtJelszo->echoMode(), QLineEdit::Password);
    QCOMPARE(Parbeszed::KarakterKorlatja(d.edtFelhasznalo), 20);
    QCOMPARE(Parbeszed::KarakterKorlatja(d.edtJelszo), 20);
    for (QPushButton* g : {d.btnOK, d.btnUjJelszo, d.btnMegsem})
        QVERIFY(!g->isDefault() && !g->autoDefault());
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.edtFelhasznalo->setFocus();
    QTRY_VERIFY(d.edtFelhasznalo->hasFocus());
    QCOMPARE(d.edtFelhasznalo->palette().color(QPalette::Base), QColor(166, 202, 240));
    QTest::keyClicks(d.edtFelhasznalo, QStringLiteral("kiss"));
    QTest::keyClick(d.edtFelhasznalo, Qt::Key_Return);
    QVERIFY(d.edtJelszo->hasFocus());
    QVERIFY(d.edtFelhasznalo->palette().color(QPalette::Base) != QColor(166, 202, 240));
    QTest::keyClicks(d.edtJelszo, QStringLiteral("rossz"));
    QTest::keyClick(d.edtJelszo, Qt::Key_Return);
    QVERIFY(d.btnOK->hasFocus());
    QTest::keyClick(d.btnOK, Qt::Key_Return); // presses OK: refused, the dialog stays
    QVERIFY(d.isVisible());
    QCOMPARE(d.edtFelhasznalo->text(), QStringLiteral("kiss"));
    QCOMPARE(d.edtJelszo->text(), QStringLiteral("rossz"));
    QCOMPARE(UzenetTeszt::ablakok().size(), 1);
    QCOMPARE(UzenetTeszt::ablakok().first().szoveg, Ervenytelen);
    // Tab order: OK, Új jelszó, Mégsem, then back to the user name.
    QTest::keyClick(d.btnOK, Qt::Key_Tab);
    QVERIFY(d.btnUjJelszo->hasFocus());
    QTest::keyClick(d.btnUjJelszo, Qt::Key_Tab);
    QVERIFY(d.btnMegsem->hasFocus());
    QTest::keyClick(d.btnMegsem, Qt::Key_Tab);
    QVERIFY(d.edtFelhasznalo->hasFocus());
    d.edtJelszo->setText(QStringLiteral("Titok1"));
    d.btnOK->setFocus();
    QTest::keyClick(d.btnOK, Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(d.Belepett());
    QCOMPARE(b.FelhasznaloNev, QStringLiteral("kiss"));
    QCOMPARE(naplo(*m_k).size(), 2);
}

void TstBelepes::dialogusMegsem() {
    TBeall b;
    Tfrm_Login d(*m_k, b);
    QTimer::singleShot(0, &d, [&d] { QTest::keyClick(d.edtFelhasznalo, Qt::Key_Escape); });
    QCOMPARE(d.exec(), int(QDialog::Rejected));
    QVERIFY(!d.Belepett());
    QVERIFY(naplo(*m_k).isEmpty());
}

QTEST_MAIN(TstBelepes)
#include "tst_belepes.moc"
