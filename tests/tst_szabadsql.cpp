// The free SQL window: the prefix rule, queries and commands with their
// boxes, the selection run, the local dialect, the page and "Export" after
// failures, the export's name proposal and file, clipboard actions per page,
// SQL files in windows-1250, and a large result read while it is shown,
// letting the database go once read.

#include "fajlparbeszed.h"
#include "foablak/tfrm_main.h"
#include "kapcsolat.h"
#include "lekerdezes/szabadsql.h"
#include "lekerdezes/tfrm_sql.h"
#include "modalis.h"
#include "seged.h"
#include "tesztadat.h"
#include "tesztkornyezet.h"
#include "uzenetteszt.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QSqlQuery>
#include <QStringEncoder>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <Qsci/qscilexersql.h>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

namespace {

QByteArray Cp1250(const QString& s) {
    QStringEncoder e("windows-1250");
    return e.encode(s);
}

// The captions of a menu's or toolbar's items, "-" for a separator.
QStringList Feliratok(const QList<QAction*>& akciok) {
    QStringList l;
    for (QAction* a : akciok)
        l << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return l;
}

UzenetTeszt::Ablak Hiba(const QString& szoveg) {
    return {UzenetTeszt::Fajta::Hiba, QStringLiteral("Hiba"), szoveg};
}

} // namespace

class TstSzabadSql : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void elotagSzabaly_data();
    void elotagSzabaly();
    void sorok_data();
    void sorok();

    void ablakFelepites();
    void lekerdezesEredmenyLapon();
    void parancsKeszUzenettel();
    void kijeloltResztFuttatja();
    void hibaUtanLapEsExport();
    void helyiDialektus();
    void egyszerreEgyUtasitas();
    void exportNevJavaslatEsFajl();
    void vagolapLaponkent();
    void sqlFajlMentesMegnyitas();
    void sqlFajlHibak();
    void nagyEredmenyFokozatosan();
    void olvasasKozbeniHiba();
    void foAblakbolNyilik();
    void billentyuzetrolEgymasUtan_data();
    void billentyuzetrolEgymasUtan();
    void masikMunkaallomasFoglalja();

private:
    void futtat(const QString& szoveg);
    // As a person works: the "SQL" page's tab clicked when another page is
    // shown, Ctrl+A, the statement typed over the selection, F5.
    void gepel(const QString& szoveg);

    std::unique_ptr<Teszt::ProgramKornyezet> m_prog;
    std::unique_ptr<Kapcsolat> m_k;
    std::unique_ptr<Tfrm_SQL> m_ablak;
    // Qt's checks of the result model follow every test of the window.
    std::unique_ptr<QAbstractItemModelTester> m_modellProba;
    QTemporaryDir m_ki;
};

void TstSzabadSql::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
}

void TstSzabadSql::init() {
    UzenetTeszt::bekapcsol();
    FajlParbeszed::tesztBekapcsol();
    m_prog = std::make_unique<Teszt::ProgramKornyezet>();
    m_k = std::make_unique<Kapcsolat>(QStringLiteral("szabad"));
    m_k->nyit(m_prog->forras());
    m_k->sql(QStringLiteral("CREATE TABLE proba (kulcs INT, nev CHAR(20), ertek INT)"));
    m_k->sql(QStringLiteral("INSERT INTO proba VALUES (1, 'alma', 10), (2, 'körte', 20), "
                            "(3, 'szilva', NULL)"));
    m_ablak = std::make_unique<Tfrm_SQL>(*m_k);
    m_modellProba = std::make_unique<QAbstractItemModelTester>(
        m_ablak->Qry, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_ablak->show();
    m_ablak->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_ablak.get()));
}

void TstSzabadSql::cleanup() {
    m_modellProba.reset();
    m_ablak.reset();
    m_k.reset();
    m_prog.reset();
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
    UzenetTeszt::kikapcsol();
    QCOMPARE(FajlParbeszed::maradekValasz(), 0);
    FajlParbeszed::tesztKikapcsol();
}

void TstSzabadSql::futtat(const QString& szoveg) {
    m_ablak->Memo1->setText(szoveg);
    m_ablak->aFuttat->trigger();
}

void TstSzabadSql::gepel(const QString& szoveg) {
    Tfrm_SQL& a = *m_ablak;
    if (a.PageControl1->currentWidget() != a.Memo1) {
        QTabBar* fulek = a.PageControl1->tabBar();
        QTest::mouseClick(fulek, Qt::LeftButton, {}, fulek->tabRect(0).center());
        QCOMPARE(a.PageControl1->currentWidget(), a.Memo1);
    }
    QTest::keyClick(a.Memo1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(a.Memo1, szoveg);
    QCOMPARE(a.Memo1->text(), szoveg);
    QTest::keyClick(a.Memo1, Qt::Key_F5);
}

void TstSzabadSql::elotagSzabaly_data() {
    QTest::addColumn<QString>("utasitas");
    QTest::addColumn<bool>("lekerdezes");
    QTest::newRow("upper") << "SELECT 1" << true;
    QTest::newRow("lower after blank lines") << "\r\n\r\n   select 1\r\n" << true;
    QTest::newRow("tab before") << "\tSelect 1" << true;
    QTest::newRow("longer word") << "SELECTED" << true;
    QTest::newRow("comment first") << "/* x */ SELECT 1" << false;
    QTest::newRow("line comment first") << "-- x\r\nSELECT 1" << false;
    QTest::newRow("bracket first") << "(SELECT 1)" << false;
    QTest::newRow("update") << "UPDATE proba SET nev='x'" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("too short") << " SELEC" << false;
}

void TstSzabadSql::elotagSzabaly() {
    QFETCH(QString, utasitas);
    QFETCH(bool, lekerdezes);
    QCOMPARE(SzabadSql::Lekerdezes(utasitas), lekerdezes);
}

void TstSzabadSql::sorok_data() {
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<QStringList>("sorok");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("one") << "a" << QStringList{"a"};
    QTest::newRow("ending break") << "a\r\n" << QStringList{"a"};
    QTest::newRow("crlf") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("mixed, empty line") << "a\n\nb\rc" << QStringList{"a", "", "b", "c"};
    QTest::newRow("only a break") << "\r\n" << QStringList{""};
}

void TstSzabadSql::sorok() {
    QFETCH(QString, szoveg);
    QFETCH(QStringList, sorok);
    QCOMPARE(SzabadSql::Sorok(szoveg), sorok);
}

void TstSzabadSql::ablakFelepites() {
    Tfrm_SQL& a = *m_ablak;
    QCOMPARE(a.windowTitle(), QStringLiteral("SQL lekérdezés"));
    QCOMPARE(a.size(), QSize(585, 405));
    QCOMPARE(QApplication::focusWidget(), a.Memo1);

    const QList<QAction*> menuk = a.MainMenu1->actions();
    QCOMPARE(Feliratok(menuk), (QStringList{"Fájl", "Szerkesztés", "SQL"}));
    QCOMPARE(Feliratok(menuk.at(0)->menu()->actions()),
             (QStringList{"Új SQL", "SQL megnyitása", "SQL mentése", "-", "Export", "-", "Bezár"}));
    QCOMPARE(Feliratok(menuk.at(1)->menu()->actions()),
             (QStringList{"Kivág", "Másol", "Beilleszt", "-", "Mindet kijelöl"}));
    QCOMPARE(Feliratok(menuk.at(2)->menu()->actions()), (QStringList{"SQL lekérdezés"}));
    QCOMPARE(Feliratok(a.ToolBar1->actions()),
             (QStringList{"Új SQL", "SQL megnyitása", "SQL mentése", "-", "Export", "-",
                          "SQL lekérdezés", "-", "Kivág", "Másol", "Beilleszt", "-", "Bezár"}));
    QCOMPARE(Feliratok(a.PopupMenu1->actions()),
             (QStringList{"SQL lekérdezés", "-", "Új SQL", "SQL megnyitása", "SQL mentése", "-",
                          "Kivág", "Másol", "Beilleszt", "Mindet kijelöl"}));
    QCOMPARE(Feliratok(a.PopupMenu2->actions()), (QStringList{"Másol", "-", "Export"}));

    const QList<QPair<QAction*, QKeySequence>> billentyuk{
        {a.aUj, QKeySequence(QStringLiteral("Ctrl+N"))},
        {a.aMegnyit, QKeySequence(QStringLiteral("Ctrl+O"))},
        {a.aMent, QKeySequence(QStringLiteral("Ctrl+S"))},
        {a.aExport, QKeySequence(QStringLiteral("Ctrl+E"))},
        {a.aBezar, QKeySequence()},
        {a.aKivag, QKeySequence(QStringLiteral("Ctrl+X"))},
        {a.aMasol, QKeySequence(QStringLiteral("Ctrl+C"))},
        {a.aBeilleszt, QKeySequence(QStringLiteral("Ctrl+V"))},
        {a.aMindet, QKeySequence(QStringLiteral("Ctrl+A"))},
        {a.aFuttat, QKeySequence(QStringLiteral("F5"))}};
    for (const auto& [akcio, billentyu] : billentyuk) {
        QCOMPARE(akcio->shortcut(), billentyu);
        QCOMPARE(akcio->toolTip(), akcio->text());
        QCOMPARE(akcio->isEnabled(), akcio != a.aExport);
    }

    QCOMPARE(a.PageControl1->count(), 2);
    QCOMPARE(a.PageControl1->tabText(0), QStringLiteral("SQL"));
    QCOMPARE(a.PageControl1->tabText(1), QStringLiteral("Eredmény"));
    QCOMPARE(a.PageControl1->currentWidget(), a.Memo1);

    // The editor: SQL colouring, Courier New 10, line numbers, the current
    // line on pale blue.
    auto* lexer = qobject_cast<QsciLexerSQL*>(a.Memo1->lexer());
    QVERIFY(lexer);
    QCOMPARE(lexer->font(QsciLexerSQL::Default).family(), QStringLiteral("Courier New"));
    QCOMPARE(lexer->font(QsciLexerSQL::Default).pointSize(), 10);
    QVERIFY(lexer->font(QsciLexerSQL::Keyword).bold());
    QCOMPARE(lexer->color(QsciLexerSQL::Comment), QColor(0, 128, 0));
    QCOMPARE(lexer->color(QsciLexerSQL::CommentLine), QColor(0, 128, 0));
    QCOMPARE(lexer->color(QsciLexerSQL::Number), QColor(0, 0, 255));
    QCOMPARE(lexer->color(QsciLexerSQL::SingleQuotedString), QColor(255, 0, 0));
    QCOMPARE(a.Memo1->marginType(0), QsciScintilla::NumberMargin);
    QVERIFY(a.Memo1->marginWidth(0) > 0);
    QCOMPARE(a.Memo1->SendScintilla(QsciScintillaBase::SCI_GETCARETLINEBACK),
             long(QColor(225, 240, 255).red() | QColor(225, 240, 255).green() << 8 |
                  QColor(225, 240, 255).blue() << 16));
}

void TstSzabadSql::lekerdezesEredmenyLapon() {
    m_k->sql(QStringLiteral("INSERT INTO terv (Tervszam, datum) VALUES ('T-1', '2024-03-05')"));
    futtat(QStringLiteral("\r\n\r\n   select Tervszam, datum, 7 AS het\r\n from terv"));
    QCOMPARE(UzenetTeszt::ablakok(), {});
    Tfrm_SQL& a = *m_ablak;
    QCOMPARE(a.PageControl1->currentWidget(), a.DBGrid1);
    QVERIFY(a.aExport->isEnabled());
    QAbstractItemModel* m = a.DBGrid1->model();
    QCOMPARE(m->columnCount(), 3);
    QCOMPARE(m->rowCount(), 1);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Tervszam"));
    QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("het"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(a.DBGrid1->columnWidth(i), 64);
    QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("T-1"));
    // A date column of the schema shows in the short date format.
    QCOMPARE(m->index(0, 1).data().toString(),
             QLocale().toString(QDate(2024, 3, 5), QLocale::ShortFormat));
    QCOMPARE(m->index(0, 2).data().toString(), QStringLiteral("7"));
}

void TstSzabadSql::parancsKeszUzenettel() {
    futtat(QStringLiteral("UPDATE proba SET ertek = ertek + 1 WHERE kulcs < 3"));
    const UzenetTeszt::Ablak kesz{UzenetTeszt::Fajta::Uzenet, QStringLiteral("Üzenet"),
                                  QStringLiteral("SQL futtatás kész.")};
    QCOMPARE(UzenetTeszt::ablakok(), {kesz});
    QCOMPARE(m_ablak->PageControl1->currentWidget(), m_ablak->Memo1);
    QVERIFY(!m_ablak->aExport->isEnabled());
    QCOMPARE(m_ablak->DBGrid1->model()->columnCount(), 0);
    QSqlQuery q = m_k->sql(QStringLiteral("SELECT sum(ertek) FROM proba"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 32);
}

void TstSzabadSql::kijeloltResztFuttatja() {
    Tfrm_SQL& a = *m_ablak;
    a.Memo1->setText(QStringLiteral("DELETE FROM proba\r\nSELECT nev FROM proba ORDER BY nev"));
    a.Memo1->setSelection(1, 0, 1, a.Memo1->text(1).length());
    a.aFuttat->trigger();
    QCOMPARE(UzenetTeszt::ablakok(), {});
    QCOMPARE(a.PageControl1->currentWidget(), a.DBGrid1);
    QCOMPARE(a.DBGrid1->model()->rowCount(), 3); // the DELETE did not run
    QCOMPARE(a.DBGrid1->model()->index(0, 0).data().toString(), QStringLiteral("alma"));

    // Without a selection the whole text runs: two statements at once are
    // refused by the engine, nothing is deleted.
    a.Memo1->setCursorPosition(0, 0);
    a.aFuttat->trigger();
    QCOMPARE(UzenetTeszt::ablakok().size(), 1);
    QVERIFY(UzenetTeszt::ablakok().at(0).szoveg.startsWith(QStringLiteral("SQL hiba:\r\n")));
    QSqlQuery q = m_k->sql(QStringLiteral("SELECT count(*) FROM proba"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 3);
}

void TstSzabadSql::hibaUtanLapEsExport() {
    Tfrm_SQL& a = *m_ablak;
    futtat(QStringLiteral("SELECT * FROM proba"));
    QCOMPARE(a.PageControl1->currentWidget(), a.DBGrid1);
    QVERIFY(a.aExport->isEnabled());

    // A misspelt query: the box, the page stays, the grid empties, Export off.
    futtat(QStringLiteral("SELECT * FORM proba"));
    QCOMPARE(UzenetTeszt::ablakok().value(0).szoveg,
             QStringLiteral("SQL hiba:\r\n") +
                 Teszt::Motoronkent(QStringLiteral("near \"FORM\": syntax error"),
                                    QStringLiteral("syntax error at or near \"FORM\"")));
    QCOMPARE(a.PageControl1->currentWidget(), a.DBGrid1);
    QCOMPARE(a.DBGrid1->model()->rowCount(), 0);
    QCOMPARE(a.DBGrid1->model()->columnCount(), 0);
    QVERIFY(!a.aExport->isEnabled());

    // A refused command from the SQL page: the page stays there.
    UzenetTeszt::torol();
    a.PageControl1->setCurrentWidget(a.Memo1);
    futtat(QStringLiteral("UPDATE nincs SET a = 1"));
    QCOMPARE(UzenetTeszt::ablakok(),
             {Hiba(QStringLiteral("SQL hiba:\r\n") + HelyzetMondat(MotorHelyzet::NincsTabla) +
                   QStringLiteral("\r\n") +
                   Teszt::Motoronkent(QStringLiteral("no such table: nincs"),
                                      QStringLiteral("relation \"nincs\" does not exist")))});
    QCOMPARE(a.PageControl1->currentWidget(), a.Memo1);

    // A command after a query closes the result too.
    UzenetTeszt::torol();
    futtat(QStringLiteral("SELECT * FROM proba"));
    futtat(QStringLiteral("UPDATE proba SET nev = nev"));
    QVERIFY(!a.aExport->isEnabled());
    QCOMPARE(a.DBGrid1->model()->columnCount(), 0);
}

void TstSzabadSql::helyiDialektus() {
    futtat(QStringLiteral("CREATE TABLE sajat (kulcs AUTOINC, nev CHAR(5), nap DATE, "
                          "PRIMARY KEY (kulcs))"));
    futtat(QStringLiteral("INSERT INTO sajat (nev, nap) VALUES ('hosszúnév', '2025-01-31')"));
    futtat(QStringLiteral("SELECT kulcs, nev FROM sajat"));
    QCOMPARE(UzenetTeszt::ablakok().size(), 2); // two "kész" boxes, no error
    QAbstractItemModel* m = m_ablak->DBGrid1->model();
    QCOMPARE(m->rowCount(), 1);
    QCOMPARE(m->index(0, 0).data(Qt::EditRole), QVariant(qint64(1)));
    // The width of CHAR(5) holds for typed statements too.
    QCOMPARE(m->index(0, 1).data().toString(), QStringLiteral("hossz"));
}

void TstSzabadSql::egyszerreEgyUtasitas() {
    // Two queries, and two commands: refused in Hungarian, with the embedded
    // engine's driver's own text for commands, nothing stored.
    const QString mondat = QStringLiteral("SQL hiba:\r\nEgyszerre csak egy SQL utasítás "
                                          "futtatható. Jelölje ki a futtatandó utasítást, vagy "
                                          "futtassa őket egymás után.");
    futtat(QStringLiteral("SELECT 1; SELECT 2"));
    QCOMPARE(UzenetTeszt::ablakok(), {Hiba(mondat)});
    QVERIFY(!m_ablak->aExport->isEnabled());
    UzenetTeszt::torol();
    futtat(QStringLiteral("update proba set ertek = 1; update proba set ertek = 2"));
    QCOMPARE(UzenetTeszt::ablakok().size(), 1);
    const QString szoveg = UzenetTeszt::ablakok().at(0).szoveg;
    if (Teszt::SzerverMotoron()) {
        QCOMPARE(szoveg, mondat);
    } else {
        QVERIFY2(szoveg.startsWith(mondat + QStringLiteral("\r\n")), qPrintable(szoveg));
        QVERIFY2(!szoveg.contains(QStringLiteral("not an error")), qPrintable(szoveg));
        QVERIFY(szoveg.size() > mondat.size() + 2);
    }
    QSqlQuery q = m_k->sql(QStringLiteral("SELECT count(*) FROM proba WHERE ertek IN (1, 2)"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 0);
    UzenetTeszt::torol();
    // A closing semicolon and a comment after the statement are fine.
    futtat(QStringLiteral("SELECT 1 AS egy; -- vége\r\n"));
    QCOMPARE(UzenetTeszt::ablakok(), {});
    QCOMPARE(m_ablak->DBGrid1->model()->rowCount(), 1);
}

void TstSzabadSql::exportNevJavaslatEsFajl() {
    Tfrm_SQL& a = *m_ablak;
    futtat(QStringLiteral("SELECT kulcs, nev, ertek FROM proba ORDER BY kulcs"));
    const QString elso = m_ki.filePath(QStringLiteral("elso.csv"));
    const QString masodik = m_ki.filePath(QStringLiteral("masodik.csv"));
    FajlParbeszed::kovetkezo(elso);
    a.aExport->trigger();
    FajlParbeszed::kovetkezo(std::nullopt); // cancelled: the name stays
    a.aExport->trigger();
    FajlParbeszed::kovetkezo(masodik);
    a.aExport->trigger();
    const QString szurok = QStringLiteral("CSV állományok (*.csv)|*.csv");
    const QString cim = QStringLiteral("Export");
    QCOMPARE(FajlParbeszed::hivasok(),
             (QList<FajlParbeszed::Hivas>{{cim, szurok, QStringLiteral("Mizval_exp.csv"), "csv"},
                                          {cim, szurok, elso, "csv"},
                                          {cim, szurok, elso, "csv"}}));
    const QByteArray vart = "kulcs|nev|ertek|\r\n"
                            "1|alma|10|\r\n" +
                            Cp1250(QStringLiteral("2|körte|20|\r\n")) + "3|szilva||\r\n";
    QCOMPARE(Teszt::FajlTartalom(elso), vart);
    QCOMPARE(Teszt::FajlTartalom(masodik), vart);
    QCOMPARE(UzenetTeszt::ablakok(), {});

    // A fresh window proposes the first name again.
    Tfrm_SQL masik(*m_k);
    masik.Memo1->setText(QStringLiteral("SELECT 1"));
    masik.aFuttat->trigger();
    FajlParbeszed::kovetkezo(std::nullopt);
    masik.aExport->trigger();
    QCOMPARE(FajlParbeszed::hivasok().last().kezdo, QStringLiteral("Mizval_exp.csv"));
}

void TstSzabadSql::vagolapLaponkent() {
    Tfrm_SQL& a = *m_ablak;
    QClipboard* vagolap = QGuiApplication::clipboard();
    a.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&a));

    // On the SQL page the keys work on the editor.
    a.Memo1->setText(QStringLiteral("SELECT nev FROM proba"));
    a.Memo1->setSelection(0, 0, 0, 6);
    QTest::keyClick(a.Memo1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(vagolap->text(), QStringLiteral("SELECT"));
    QTest::keyClick(a.Memo1, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(a.Memo1->text(), QStringLiteral(" nev FROM proba"));
    a.Memo1->setCursorPosition(0, a.Memo1->text().length());
    QTest::keyClick(a.Memo1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(a.Memo1->text(), QStringLiteral(" nev FROM probaSELECT"));
    QTest::keyClick(a.Memo1, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(a.Memo1->selectedText(), a.Memo1->text());

    // On "Eredmény" they do nothing, by key, by menu and from the grid's
    // context menu alike.
    futtat(QStringLiteral("SELECT nev FROM proba ORDER BY nev"));
    QCOMPARE(a.PageControl1->currentWidget(), a.DBGrid1);
    a.DBGrid1->setFocus();
    a.DBGrid1->setCurrentIndex(a.DBGrid1->model()->index(0, 0));
    vagolap->setText(QStringLiteral("előtte"));
    a.Memo1->setSelection(0, 0, 0, 6);
    const QString szoveg = a.Memo1->text();
    QTest::keyClick(a.DBGrid1, Qt::Key_C, Qt::ControlModifier);
    a.aMasol->trigger();
    a.aKivag->trigger();
    a.aBeilleszt->trigger();
    a.aMindet->trigger();
    QCOMPARE(vagolap->text(), QStringLiteral("előtte"));
    QCOMPARE(a.Memo1->text(), szoveg);
    QCOMPARE(a.Memo1->selectedText(), QStringLiteral("SELECT"));
    QVERIFY(a.PopupMenu2->actions().contains(a.aMasol));
}

void TstSzabadSql::sqlFajlMentesMegnyitas() {
    Tfrm_SQL& a = *m_ablak;
    const QString szoveg =
        QStringLiteral("SELECT 'árvíztűrő tükörfúrógép' AS ő\r\nFROM proba\r\n\r\n-- vége");
    const QString fajl = m_ki.filePath(QStringLiteral("proba.sql"));
    const QString sqlMappa = QDir(m_prog->utvonal()).filePath(QStringLiteral("SQL"));
    const QString mentCim = QStringLiteral("SQL mentése");
    const QString mentSzuro = QStringLiteral("SQL file-ok (*.sql)|*.sql");

    // No SQL folder yet: the desktop's default folder.
    a.Memo1->setText(szoveg);
    FajlParbeszed::kovetkezo(fajl);
    a.aMent->trigger();
    QCOMPARE(Teszt::FajlTartalom(fajl),
             Cp1250(QStringLiteral(
                 "SELECT 'árvíztűrő tükörfúrógép' AS ő\r\nFROM proba\r\n\r\n-- vége\r\n")));
    QCOMPARE(a.FajlNev, fajl);

    // The next save proposes the file's name.
    FajlParbeszed::kovetkezo(std::nullopt);
    a.aMent->trigger();

    a.aUj->trigger();
    QCOMPARE(a.Memo1->text(), QString());
    QCOMPARE(a.FajlNev, fajl);

    QVERIFY(QDir().mkpath(sqlMappa));
    FajlParbeszed::kovetkezo(fajl);
    a.aMegnyit->trigger();
    QCOMPARE(a.Memo1->text(), szoveg);
    QCOMPARE(a.FajlNev, fajl);

    FajlParbeszed::kovetkezo(std::nullopt);
    a.Memo1->setText(QString());
    a.FajlNev.clear();
    a.aMent->trigger();

    QCOMPARE(FajlParbeszed::hivasok(),
             (QList<FajlParbeszed::Hivas>{{mentCim, mentSzuro, QString(), "sql"},
                                          {mentCim, mentSzuro, fajl, "sql"},
                                          {QStringLiteral("SQL megnyitás"),
                                           QStringLiteral("SQL állományok (*.sql)|*.sql"), sqlMappa,
                                           "sql"},
                                          {mentCim, mentSzuro, sqlMappa, "sql"}}));
    QCOMPARE(UzenetTeszt::ablakok(), {});
}

void TstSzabadSql::sqlFajlHibak() {
    Tfrm_SQL& a = *m_ablak;
    a.Memo1->setText(QStringLiteral("SELECT 1"));
    a.FajlNev = QStringLiteral("regi.sql");

    FajlParbeszed::kovetkezo(m_ki.filePath(QStringLiteral("nincs.sql")));
    a.aMegnyit->trigger();
    FajlParbeszed::kovetkezo(m_ki.filePath(QStringLiteral("nincs/mappa/uj.sql")));
    a.aMent->trigger();

    QCOMPARE(a.Memo1->text(), QStringLiteral("SELECT 1"));
    QCOMPARE(a.FajlNev, QStringLiteral("regi.sql"));
    const QList<UzenetTeszt::Ablak> ablakok = UzenetTeszt::ablakok();
    QCOMPARE(ablakok.size(), 2);
    for (const UzenetTeszt::Ablak& h : ablakok) {
        QCOMPARE(h.fajta, UzenetTeszt::Fajta::Altalanos);
        QVERIFY2(!h.szoveg.trimmed().isEmpty(), qPrintable(h.szoveg));
    }
    QVERIFY(!QFile::exists(m_ki.filePath(QStringLiteral("nincs.sql"))));
}

void TstSzabadSql::nagyEredmenyFokozatosan() {
    const int n = 5 * SqlEredmenyModell::ElsoResz + 17;
    m_k->sql(QStringLiteral("CREATE TABLE nagy (i INT, szoveg CHAR(30))"));
    m_k->sql(QStringLiteral("WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s "
                            "WHERE i < %1) INSERT INTO nagy SELECT i, 'sor ' || i FROM s")
                 .arg(n));
    const QString fajl = m_prog->adatMappa() + QStringLiteral("/pelvano.sqlite");
    const QString irasProba = QStringLiteral("PRAGMA busy_timeout=0; BEGIN EXCLUSIVE; COMMIT;");

    Tfrm_SQL& a = *m_ablak;
    futtat(QStringLiteral("SELECT i, szoveg FROM nagy ORDER BY i DESC"));
    QAbstractItemModel* m = a.DBGrid1->model();
    auto* modell = qobject_cast<SqlEredmenyModell*>(m);
    QVERIFY(modell);
    // The first part is there at once, the rest is still being read: the
    // database is held meanwhile.
    QCOMPARE(m->rowCount(), SqlEredmenyModell::ElsoResz);
    QVERIFY(!modell->kesz());
    QCOMPARE(m->index(0, 0).data().toString(), QString::number(n));
    bool ok = true;
    if (Teszt::SzerverMotoron()) {
        // The server lets other workstations write meanwhile; the result
        // stays the one of the moment it began.
        Kapcsolat masik(QStringLiteral("masik"));
        masik.nyit(m_prog->forras());
        masik.sql(QStringLiteral("DELETE FROM nagy"));
    } else {
        Teszt::Sqlite3Eszkoz(fajl, irasProba, &ok);
        QVERIFY(!ok);
    }

    QTRY_VERIFY_WITH_TIMEOUT(modell->kesz(), 20000);
    QCOMPARE(m->rowCount(), n);
    QCOMPARE(m->index(n - 1, 0).data().toString(), QStringLiteral("1"));
    QCOMPARE(m->index(SqlEredmenyModell::ElsoResz, 1).data().toString(),
             QStringLiteral("sor %1").arg(n - SqlEredmenyModell::ElsoResz));
    // Once read, the result no longer holds the database: another program
    // can take it for writing.
    if (!Teszt::SzerverMotoron()) {
        Teszt::Sqlite3Eszkoz(fajl, irasProba, &ok);
        QVERIFY(ok);
    }
    // And the rows stay the same whatever the tables do afterwards.
    m_k->sql(QStringLiteral("DELETE FROM nagy"));
    QCOMPARE(m->index(n - 1, 1).data().toString(), QStringLiteral("sor 1"));

    // Export of a result still being read writes all of it.
    futtat(QStringLiteral("SELECT 'x' || i FROM (WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL "
                          "SELECT i + 1 FROM s WHERE i < %1) SELECT i FROM s) AS t")
               .arg(4 * 6561));
    QVERIFY(!modell->kesz());
    const QString ki = m_ki.filePath(QStringLiteral("nagy.csv"));
    FajlParbeszed::kovetkezo(ki);
    a.aExport->trigger();
    const QByteArray tartalom = Teszt::FajlTartalom(ki);
    QCOMPARE(tartalom.count("\r\n"), 1 + 4 * 6561);
    QCOMPARE(UzenetTeszt::ablakok(), {});
}

void TstSzabadSql::olvasasKozbeniHiba() {
    const int n = 3 * SqlEredmenyModell::ElsoResz;
    m_k->sql(QStringLiteral("CREATE TABLE nagy (i INT)"));
    m_k->sql(QStringLiteral("WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s "
                            "WHERE i < %1) INSERT INTO nagy SELECT i FROM s")
                 .arg(n));
    Tfrm_SQL& a = *m_ablak;
    // The engine fails on a row after the first part.
    futtat(QStringLiteral(
               "SELECT CASE WHEN i > %1 THEN abs(i - i - 9223372036854775807 - 1) ELSE i END "
               "FROM nagy")
               .arg(SqlEredmenyModell::ElsoResz + 500));
    QCOMPARE(a.PageControl1->currentWidget(), a.DBGrid1);
    QVERIFY(a.aExport->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(UzenetTeszt::ablakok().size(), 1, 20000);
    QCOMPARE(UzenetTeszt::ablakok().at(0),
             Hiba(QStringLiteral("SQL hiba:\r\n") +
                  Teszt::Motoronkent(QStringLiteral("integer overflow"),
                                     QStringLiteral("bigint out of range"))));
    QVERIFY(!a.aExport->isEnabled());
    QCOMPARE(a.DBGrid1->model()->rowCount(), 0);
}

void TstSzabadSql::foAblakbolNyilik() {
    m_ablak.reset();
    m_k.reset();
    std::unique_ptr<Tfrm_Main> fo = m_prog->foAblak();
    QVERIFY(fo);
    bool lattuk = false;
    auto modalis = Teszt::Modalisban<Tfrm_SQL>([&](Tfrm_SQL* d) {
        lattuk = true;
        QCOMPARE(d->windowTitle(), QStringLiteral("SQL lekérdezés"));
        QVERIFY(d->isModal());
        d->Memo1->setText(QStringLiteral("SELECT count(*) FROM terv"));
        d->aFuttat->trigger();
        QVERIFY(d->aExport->isEnabled());
        d->aBezar->trigger();
        QVERIFY(!d->aExport->isEnabled()); // closing closed the result
    });
    QVERIFY(Teszt::Indit(*fo, QStringLiteral("aSQL")));
    QVERIFY(lattuk);
    QVERIFY(!fo->findChild<Tfrm_SQL*>());
}

void TstSzabadSql::billentyuzetrolEgymasUtan_data() {
    // Each step: the statement typed, and what follows: "lap" the result
    // page with the given number of rows, "kesz" the done box, "hiba" an
    // error box with the engine's text.
    QTest::addColumn<QStringList>("lepesek");
    QTest::addColumn<QStringList>("varas");
    const QString lek = QStringLiteral("select nev from proba");
    const QString lek2 = QStringLiteral("select kulcs, nev from proba where kulcs > 1");
    const QString par = QStringLiteral("update proba set nev='dio' where kulcs=1");
    const QString rossz = QStringLiteral("update proba set nincs=1");
    QTest::newRow("query, command") << QStringList{lek, par} << QStringList{"lap 3", "kesz"};
    QTest::newRow("query, query") << QStringList{lek, lek2} << QStringList{"lap 3", "lap 2"};
    QTest::newRow("command, query") << QStringList{par, lek} << QStringList{"kesz", "lap 3"};
    QTest::newRow("query, failing, command")
        << QStringList{lek, rossz, par} << QStringList{"lap 3", "hiba", "kesz"};
    QTest::newRow("command, command, failing query")
        << QStringList{par, par, QStringLiteral("select nincs from proba")}
        << QStringList{"kesz", "kesz", "hiba"};
}

void TstSzabadSql::billentyuzetrolEgymasUtan() {
    QFETCH(QStringList, lepesek);
    QFETCH(QStringList, varas);
    Tfrm_SQL& a = *m_ablak;
    a.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&a));
    for (qsizetype i = 0; i < lepesek.size(); ++i) {
        UzenetTeszt::torol();
        gepel(lepesek.at(i));
        const QString& v = varas.at(i);
        const QList<UzenetTeszt::Ablak> ablakok = UzenetTeszt::ablakok();
        if (v.startsWith(QLatin1String("lap"))) {
            QCOMPARE(ablakok, {});
            QCOMPARE(a.PageControl1->currentWidget(), a.DBGrid1);
            QCOMPARE(a.DBGrid1->model()->rowCount(), v.mid(4).toInt());
        } else if (v == QLatin1String("kesz")) {
            QCOMPARE(ablakok,
                     {(UzenetTeszt::Ablak{UzenetTeszt::Fajta::Uzenet, QStringLiteral("Üzenet"),
                                          QStringLiteral("SQL futtatás kész.")})});
        } else {
            QCOMPARE(ablakok.size(), 1);
            QCOMPARE(ablakok.at(0).fajta, UzenetTeszt::Fajta::Hiba);
            QVERIFY(ablakok.at(0).szoveg.startsWith(QStringLiteral("SQL hiba:\r\n")));
            QVERIFY2(ablakok.at(0).szoveg.contains(QStringLiteral("nincs")),
                     qPrintable(ablakok.at(0).szoveg));
        }
    }
    // The command of the sequence was stored.
    if (lepesek.contains(QStringLiteral("update proba set nev='dio' where kulcs=1"))) {
        QSqlQuery q = m_k->sql(QStringLiteral("SELECT nev FROM proba WHERE kulcs=1"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("dio"));
    }
}

void TstSzabadSql::masikMunkaallomasFoglalja() {
    // Another workstation holds the database longer than a statement waits.
    Teszt::MasikMunkaallomas masik(m_prog->forras(), 3000);
    QVERIFY(masik.tartja());
    int varakozasok = 0;
    Teszt::Varakozas varakozas(300, [&] {
        ++varakozasok;
        Seged::HomokOraMuveletVegeig();
    });
    Tfrm_SQL& a = *m_ablak;
    a.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&a));
    gepel(QStringLiteral("update proba set ertek=5"));
    QCOMPARE(varakozasok, 1);
    QCOMPARE(UzenetTeszt::ablakok(),
             {Hiba(QStringLiteral("SQL hiba:\r\nAz adatbázist most egy másik munkaállomás "
                                  "használja, ezért a művelet nem sikerült. Várjon egy kicsit, "
                                  "majd próbálja újra.\r\n") +
                   Teszt::FoglaltSzoveg())});
    QCoreApplication::processEvents();
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(masik.vege());
    // Once it has let go, the same statement is stored.
    UzenetTeszt::torol();
    QTest::keyClick(a.Memo1, Qt::Key_F5);
    QCOMPARE(UzenetTeszt::ablakok().value(0).szoveg, QStringLiteral("SQL futtatás kész."));
    QSqlQuery q = m_k->sql(QStringLiteral("SELECT count(*) FROM proba WHERE ertek=5"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 3);
}

QTEST_MAIN(TstSzabadSql)
#include "tst_szabadsql.moc"
