// The detailed search: the pattern and the statement, letter case and
// accented letters, apostrophes, the order of the result, the dialog's pages
// and buttons, and moving the register to the chosen plan.

#include "foablak/tfrm_main.h"
#include "kapcsolat.h"
#include "lekerdezes/keres.h"
#include "lekerdezes/tfrm_keres.h"
#include "modalis.h"
#include "tervlista.h"
#include "tesztkornyezet.h"
#include "uzenetteszt.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

namespace {

// Plans: T-01 client "KOVÁCS Kft.", T-02 designer "Kovács Anna" and client
// "kovácsné" (two matching columns), T-03 "O'Neil ház", T-04 nothing but its
// number "X", T-05 client "Szabó".
void Adatok(Kapcsolat& k) {
    k.sql(QStringLiteral("INSERT INTO ugyfel (Ugyfel, Ugyfel_nev) VALUES (1, 'KOVÁCS Kft.'), "
                         "(2, 'kovácsné'), (3, 'Szabó')"));
    k.sql(QStringLiteral("INSERT INTO tervezo (tervezo, tervezo_nev) VALUES (1, 'Kovács Anna')"));
    k.sql(QStringLiteral(
        "INSERT INTO terv (Terv, Tervszam, Cim, ugyfel, tervezo, szur, Levelezes) VALUES "
        "(1, 'T-01', 'Iskola', 1, NULL, 'N', 'N'), (2, 'T-02', 'Bolt', 2, 1, 'N', 'N'), "
        "(3, 'T-03', 'O''Neil ház', NULL, NULL, 'I', 'N'), (4, 'X', NULL, NULL, NULL, 'N', 'N'), "
        "(5, 'T-05', 'Garázs', 3, NULL, 'N', 'N')"));
}

QStringList Talalat(Tfrm_Keres& d) {
    auto* m = qobject_cast<QSqlQueryModel*>(d.DBGrid1->model());
    QStringList l;
    for (int r = 0; r < m->rowCount(); ++r)
        l << m->record(r).value(QStringLiteral("Tervszam")).toString();
    return l;
}

} // namespace

class TstKeres : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void minta_data();
    void minta();
    void sqlSorok();
    void kereses_data();
    void kereses();
    void nincsTalalat();
    void foablakbol();

private:
    std::unique_ptr<Teszt::ProgramKornyezet> m_prog;
    std::unique_ptr<Kapcsolat> m_k;
};

void TstKeres::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
}

void TstKeres::init() {
    UzenetTeszt::bekapcsol();
    m_prog = std::make_unique<Teszt::ProgramKornyezet>();
    m_k = std::make_unique<Kapcsolat>(QStringLiteral("keres"));
    m_k->nyit(m_prog->forras());
    Adatok(*m_k);
}

void TstKeres::cleanup() {
    m_k.reset();
    m_prog.reset();
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
    UzenetTeszt::kikapcsol();
}

void TstKeres::minta_data() {
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<QString>("minta");
    QTest::newRow("plain") << "ab"
                           << "'%AB%'";
    QTest::newRow("accented") << "kovácsné ő"
                              << "'%KOVÁCSNÉ Ő%'";
    QTest::newRow("apostrophe doubled") << "O'Neil"
                                        << "'%O''NEIL%'";
    QTest::newRow("empty") << ""
                           << "'%%'";
    QTest::newRow("wildcards stay") << "a_b%"
                                    << "'%A_B%%'";
}

void TstKeres::minta() {
    QFETCH(QString, szoveg);
    QFETCH(QString, minta);
    QCOMPARE(Keres::Minta(szoveg), minta);
}

void TstKeres::sqlSorok() {
    const QStringList s = Keres::Sql(QStringLiteral("ab"));
    QCOMPARE(s.size(), 18);
    QCOMPARE(s.mid(0, 16), TervLista::Sql(QStringLiteral("x")).mid(0, 16));
    QCOMPARE(s.at(0), QStringLiteral("SELECT"));
    QCOMPARE(s.at(15), QStringLiteral("  LEFT OUTER JOIN tervszakasz ON (terv.tervszakasz = "
                                      "tervszakasz.tervszakasz)"));
    QVERIFY(s.at(16).startsWith(
        QStringLiteral("WHERE (UPPER(tervszam) LIKE '%AB%') OR (UPPER(cim) LIKE '%AB%') OR ")));
    QVERIFY(s.at(16).endsWith(QStringLiteral(" OR (UPPER(tervszakasz_nev) LIKE '%AB%')")));
    QCOMPARE(s.at(16).count(QStringLiteral(" LIKE '%AB%')")), 11);
    QCOMPARE(s.at(17), QStringLiteral("ORDER BY terv.tervszam;"));
}

void TstKeres::kereses_data() {
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<QStringList>("tervek");
    QTest::newRow("any letter case, accents included") << "kovÁcs" << QStringList{"T-01", "T-02"};
    QTest::newRow("upper-case text, lower-case data") << "KOVÁCSNÉ" << QStringList{"T-02"};
    QTest::newRow("apostrophe as typed") << "o'neil" << QStringList{"T-03"};
    QTest::newRow("empty text: every plan with a value")
        << "" << QStringList{"T-01", "T-02", "T-03", "T-05", "X"};
    QTest::newRow("underscore is a wildcard")
        << "t_0" << QStringList{"T-01", "T-02", "T-03", "T-05"};
}

void TstKeres::kereses() {
    QFETCH(QString, szoveg);
    QFETCH(QStringList, tervek);
    Tfrm_Keres d(*m_k);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.windowTitle(), QStringLiteral("Részletes keresése"));
    QTRY_VERIFY(d.edtKeres->hasFocus());
    QVERIFY(!d.btnMegvan->isEnabled());
    QTest::keyClicks(d.edtKeres, szoveg);
    QTest::keyClick(d.edtKeres, Qt::Key_Return); // "Keres" is the default button
    QCOMPARE(Talalat(d), tervek);
    QCOMPARE(d.PageControl1->currentIndex(), 1);
    QVERIFY(d.btnMegvan->isEnabled());
    // The result shows plan number and subject only.
    int lathato = 0;
    for (int i = 0; i < d.DBGrid1->model()->columnCount(); ++i)
        lathato += d.DBGrid1->isColumnHidden(i) ? 0 : 1;
    QCOMPARE(lathato, 2);
    // Choosing the second row by double click.
    if (tervek.size() > 1) {
        const QModelIndex ix = d.DBGrid1->currentIndex().siblingAtRow(1);
        d.DBGrid1->setCurrentIndex(ix);
        QTest::mouseClick(d.DBGrid1->viewport(), Qt::LeftButton, {},
                          d.DBGrid1->visualRect(ix).center());
        QTest::mouseDClick(d.DBGrid1->viewport(), Qt::LeftButton, {},
                           d.DBGrid1->visualRect(ix).center());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QSqlQuery q = m_k->sql(QStringLiteral("SELECT Terv FROM terv WHERE Tervszam=:t"),
                               {{QStringLiteral("t"), tervek.at(1)}});
        QVERIFY(q.next());
        QCOMPARE(d.valasztott(), q.value(0).toInt());
    }
}

void TstKeres::nincsTalalat() {
    Tfrm_Keres d(*m_k);
    // Before any search, a double click or "Megvan" chooses nothing.
    d.megvan();
    QCOMPARE(d.valasztott(), 0);
    QVERIFY(d.isHidden());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.edtKeres->setText(QStringLiteral("nincs ilyen"));
    d.btnKeres->click();
    QCOMPARE(UzenetTeszt::ablakok().size(), 1);
    QCOMPARE(UzenetTeszt::ablakok().first().szoveg,
             QStringLiteral("Nincs ilyen sor, keresés sikertelen"));
    QCOMPARE(d.PageControl1->currentIndex(), 0);
    QVERIFY(!d.btnMegvan->isEnabled());
    // A search that finds, then one that does not: "Megvan" stays enabled,
    // the list is empty and choosing moves nothing.
    d.edtKeres->setText(QStringLiteral("garázs"));
    d.btnKeres->click();
    QVERIFY(d.btnMegvan->isEnabled());
    d.edtKeres->setText(QStringLiteral("semmi"));
    d.btnKeres->click();
    QVERIFY(d.btnMegvan->isEnabled());
    QVERIFY(Talalat(d).isEmpty());
    d.btnMegvan->click();
    QVERIFY(d.isVisible());
    QCOMPARE(d.valasztott(), 0);
    d.btnBezar->click();
    QCOMPARE(d.result(), int(QDialog::Rejected));
}

void TstKeres::foablakbol() {
    m_k.reset();
    std::unique_ptr<Tfrm_Main> w = m_prog->foAblak();
    QVERIFY(w);
    QCOMPARE(w->Akcio(QStringLiteral("aKeresReszletes"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_T));
    // The search runs under the wait cursor.
    QList<bool> varakozik;
    const auto valaszt = [&w, &varakozik](const QString& szoveg, QRect* hely = nullptr) {
        auto keres = Teszt::Modalisban<Tfrm_Keres>([&w, &varakozik, szoveg, hely](Tfrm_Keres* d) {
            if (hely)
                *hely = d->frameGeometry();
            d->edtKeres->setText(szoveg);
            w->Db1().setFigyelo([&varakozik](const QString&) {
                varakozik << (QApplication::overrideCursor() &&
                              QApplication::overrideCursor()->shape() == Qt::WaitCursor);
            });
            d->btnKeres->click();
            w->Db1().setFigyelo({});
            d->btnMegvan->click();
        });
        QVERIFY(Teszt::Indit(*w, QStringLiteral("aKeresReszletes")));
    };
    QRect hely;
    valaszt(QStringLiteral("szabó"), &hely);
    QCOMPARE(w->AktualisTerv(), 5);
    QVERIFY(!varakozik.isEmpty());
    QVERIFY(!varakozik.contains(false));
    QVERIFY(!QApplication::overrideCursor());
    // The dialog sat on the main window's bottom right corner.
    QCOMPARE(hely.bottomRight(), w->frameGeometry().bottomRight());
    // With the filter on, a plan the list does not show moves nothing.
    QVERIFY(Teszt::Indit(*w, QStringLiteral("aSzur")));
    QCOMPARE(w->AktualisTerv(), 3); // only T-03 is marked
    valaszt(QStringLiteral("iskola"));
    QCOMPARE(w->AktualisTerv(), 3);
}

QTEST_MAIN(TstKeres)
#include "tst_keres.moc"
