// The register window: plan list order, quick search, counter, lines of the
// current plan, markers, column widths, actions and menus, filter marking.

#include "adatmappa.h"
#include "alkalmazas.h"
#include "foablak/akciok.h"
#include "foablak/racs.h"
#include "foablak/tfrm_main.h"
#include "kapcsolat.h"
#include "modalis.h"
#include "seged.h"
#include "tablamodell.h"
#include "terv/tfrm_sorszerkeszt.h"
#include "terv/tfrm_szerkeszt.h"
#include "tervlista.h"
#include "tesztadat.h"
#include "tesztkornyezet.h"
#include "uzenetteszt.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

// Designers 1..5, plans 1..8 with lines; plan 7's designer (key 99) does
// not exist.
void adatok(Kapcsolat& k) {
    for (const char* n : {"Kovács Anna", "Ábel Ödön", "kovács Béla", "Zsigmond Éva", "Csonka Pál"})
        k.sql(QStringLiteral("INSERT INTO tervezo (tervezo_nev) VALUES (:n)"),
              {{QStringLiteral("n"), QString::fromUtf8(n)}});
    struct T {
        const char* szam;
        const char* cim;
        int tervezo;
        const char* datum;
    };
    const QList<T> tervek{
        {"T-05", "Óvoda bővítése", 1, "2024-03-01"}, {"T-02", "Bolt", 2, "2023-01-15"},
        {"T-08", "Garázs", 3, "2022-06-30"},         {"T-01", "Ház", 4, "2025-02-02"},
        {"T-04", "Iskola", 5, "2021-09-09"},         {"T-03", "Áruház", 1, "2020-12-12"},
        {"T-07", "Tanya", 99, "2019-05-05"},         {"T-06", "Csarnok", 1, "2018-08-08"}};
    for (const T& t : tervek)
        k.sql(QStringLiteral("INSERT INTO terv (Tervszam, Cim, tervezo, datum, szur, Levelezes) "
                             "VALUES (:s, :c, :t, :d, 'N', 'N')"),
              {{QStringLiteral("s"), QString::fromUtf8(t.szam)},
               {QStringLiteral("c"), QString::fromUtf8(t.cim)},
               {QStringLiteral("t"), t.tervezo},
               {QStringLiteral("d"), QString::fromUtf8(t.datum)}});
    // Plan 1 (T-05) has three lines, plan 2 (T-02) one marked for issue.
    for (int s = 1; s <= 3; ++s)
        k.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor, reszmuvelet, tbent, lbent) VALUES "
                             "(1, :s, :r, 'I', 'I')"),
              {{QStringLiteral("s"), s}, {QStringLiteral("r"), QStringLiteral("rész %1").arg(s)}});
    k.sql(QStringLiteral(
        "INSERT INTO terv_sor (terv, sor, reszmuvelet, kiadni) VALUES (2, 1, 'egy', 'I')"));
}

QStringList menuSzovegek(QMenu* m) {
    QStringList l;
    for (QAction* a : m->actions())
        l << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return l;
}

} // namespace

class TstFoablak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void inditasUtan();
    void rendezesCimkattintassal();
    void rendezesMagyarul();
    void gyorsKereses();
    void gyorsKeresesDatumSzerint();
    void szamlaloEsSorok();
    void toroltTorzsUresNev();
    void jeloloOszlopok();
    void oszlopSzelessegSzabaly_data();
    void oszlopSzelessegSzabaly();
    void ablakOszlopSzelessegek();
    void akciokEsMenuk();
    void enterEsDuplaKattintas();
    void szuresJelolesBillentyukkel();
    void szuresTorzsbol();
    void szuresMegszuntetSzurveBekapcsolva();
    void elutasitottJelolesUtanIsVanLista();
    void keresoMezoFokusz();
    void tervesSorBillentyukkel();

private:
    Tfrm_Main* ablak();

    std::unique_ptr<Teszt::ProgramKornyezet> m_prog;
    std::unique_ptr<Tfrm_Main> m_w;
    // Qt's checks of the plan list and of the grids' models.
    std::vector<std::unique_ptr<QAbstractItemModelTester>> m_modellProbak;
    QStringList m_sql;
};

void TstFoablak::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
}

void TstFoablak::init() {
    m_prog = std::make_unique<Teszt::ProgramKornyezet>();
    UzenetTeszt::bekapcsol();
    Kapcsolat k(QStringLiteral("elokeszit"));
    k.nyit(m_prog->forras());
    adatok(k);
}

void TstFoablak::cleanup() {
    m_modellProbak.clear();
    m_w.reset();
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
    UzenetTeszt::kikapcsol();
    m_prog.reset();
    m_sql.clear();
}

Tfrm_Main* TstFoablak::ablak() {
    m_w = m_prog->foAblak();
    if (!m_w)
        return nullptr;
    for (QAbstractItemModel* m :
         {static_cast<QAbstractItemModel*>(m_w->Qry), m_w->DBGrid1->model(), m_w->DBGrid2->model()})
        m_modellProbak.push_back(std::make_unique<QAbstractItemModelTester>(
            m, QAbstractItemModelTester::FailureReportingMode::QtTest));
    // The statements that change data (the list's own reads left out).
    m_w->Db1().setFigyelo([this](const QString& s) {
        if (!s.startsWith(QLatin1String("SELECT")))
            m_sql << s;
    });
    return m_w.get();
}

void TstFoablak::inditasUtan() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    QCOMPARE(w->Qry->sql().last(), QStringLiteral("ORDER BY tervszam;"));
    QCOMPARE(w->lblSorrend->text(), QStringLiteral("Tervszám"));
    QCOMPARE(w->StatusPanel[2]->text(), QStringLiteral("Sorrend: Tervszám"));
    QCOMPARE(w->StatusPanel[0]->text(), QStringLiteral(" 8 / 1"));
    QCOMPARE(w->AktualisTerv(), 4); // T-01
    QStringList cimek, sorCimek;
    for (int i = 0; i < w->DBGrid1->model()->columnCount(); ++i)
        cimek << w->DBGrid1->model()->headerData(i, Qt::Horizontal).toString();
    for (int i = 0; i < w->DBGrid2->model()->columnCount(); ++i)
        sorCimek << w->DBGrid2->model()->headerData(i, Qt::Horizontal).toString();
    QCOMPARE(cimek, (QStringList{"!", "tervszám", "dátum", "tervező", "tárgy", "szakág", "tervjel",
                                 "terv.fajta", "terv.szakasz", "ügyfél"}));
    QCOMPARE(sorCimek,
             (QStringList{"!", "sor", "részművelet", "rajzszám", "pausz", "irat A4", "irat A3",
                          "terv kiadva", "terv kinél", "ti. kiadva", "ti.kinél"}));
    QCOMPARE(w->DBGrid1->horizontalHeader()->cursor().shape(), Qt::PointingHandCursor);
    QTRY_VERIFY(w->DBGrid1->hasFocus());
}

void TstFoablak::rendezesCimkattintassal() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    QVERIFY(w->TervKeres(5)); // T-04 Iskola
    // The list is read in its new order under the wait cursor.
    QList<bool> varakozik;
    const QMetaObject::Connection figyel =
        connect(w->Qry, &QAbstractItemModel::modelReset, this, [&varakozik] {
            varakozik << (QApplication::overrideCursor() &&
                          QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        });
    const int targy = 4;
    QTest::mouseClick(
        w->DBGrid1->horizontalHeader()->viewport(), Qt::LeftButton, {},
        QPoint(w->DBGrid1->horizontalHeader()->sectionViewportPosition(targy) + 5, 5));
    disconnect(figyel);
    QVERIFY(!varakozik.isEmpty());
    QVERIFY(!varakozik.contains(false));
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(w->Qry->sql().last(), QStringLiteral("ORDER BY Cim;"));
    QCOMPARE(w->AktualisTerv(), 5);
    QCOMPARE(w->StatusPanel[2]->text(), QStringLiteral("Sorrend: tárgy"));
    QCOMPARE(w->lblSorrend->text(), QStringLiteral("tárgy"));
    QCOMPARE(w->StatusPanel[0]->text(), QStringLiteral(" 8 / %1").arg(w->Qry->sorKulcsa(5) + 1));
    // The designer's name orders through the looked-up column.
    w->Rendez(QStringLiteral("tervezo_nev"), QStringLiteral("tervező"));
    QCOMPARE(w->AktualisTerv(), 5);
    QVERIFY(w->Qry->ertek(0, QStringLiteral("tervezo_nev"))
                .isNull()); // the missing designer sorts first
}

void TstFoablak::rendezesMagyarul() {
    // Ordered by a text column through its heading, the list follows the
    // master lists' order: Á with A, upper and lower case together, Cs
    // after C; the quick search finds in that order.
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    const auto rendez = [w](const QString& mezo) {
        QHeaderView* fej = w->DBGrid1->horizontalHeader();
        for (int i = 0; i < w->DBGrid1->model()->columnCount(); ++i)
            if (w->DBGrid1->model()->headerData(i, Qt::Horizontal).toString() == mezo)
                QTest::mouseClick(fej->viewport(), Qt::LeftButton, {},
                                  QPoint(fej->sectionViewportPosition(i) + 5, 5));
        QCOMPARE(w->lblSorrend->text(), mezo);
    };
    const auto oszlop = [w](const QString& mezo) {
        QStringList l;
        for (int i = 0; i < w->Qry->rowCount(); ++i)
            l << w->Qry->ertek(i, mezo).toString();
        return l;
    };
    rendez(QStringLiteral("tárgy"));
    QCOMPARE(oszlop(QStringLiteral("Cim")),
             (QStringList{"Áruház", "Bolt", "Csarnok", "Garázs", "Ház", "Iskola", "Óvoda bővítése",
                          "Tanya"}));
    w->Edit1->setFocus();
    QTest::keyClicks(w->Edit1, QStringLiteral("cs"));
    QCOMPARE(w->Qry->ertek(w->DBGrid1->currentIndex().row(), QStringLiteral("Cim")).toString(),
             QStringLiteral("Csarnok"));
    w->Edit1->clear();

    rendez(QStringLiteral("tervező"));
    QStringList nevek = oszlop(QStringLiteral("tervezo_nev"));
    QCOMPARE(nevek.first(), QString()); // the missing designer
    nevek.removeFirst();
    nevek.removeDuplicates();
    QCOMPARE(nevek, (QStringList{"Ábel Ödön", "Csonka Pál", "Kovács Anna", "kovács Béla",
                                 "Zsigmond Éva"}));
    // The designers' master list shows them in the same order.
    TablaModell torzs(w->Db1(), QStringLiteral("tervezo"));
    torzs.nevSorrend(QStringLiteral("tervezo_nev"));
    torzs.megnyit();
    QStringList torzsNevek;
    for (int i = 0; i < torzs.rowCount(); ++i)
        torzsNevek << torzs.ertek(i, QStringLiteral("tervezo_nev")).toString();
    QCOMPARE(torzsNevek, nevek);
    QTest::keyClicks(w->Edit1, QStringLiteral("kov"));
    QCOMPARE(
        w->Qry->ertek(w->DBGrid1->currentIndex().row(), QStringLiteral("tervezo_nev")).toString(),
        QStringLiteral("Kovács Anna"));
}

void TstFoablak::gyorsKereses() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    w->Rendez(QStringLiteral("tervezo_nev"), QStringLiteral("tervező"));
    w->Edit1->setFocus();
    QTest::keyClicks(w->Edit1, QStringLiteral("ko"));
    const int sor = w->DBGrid1->currentIndex().row();
    QVERIFY(w->Qry->ertek(sor, QStringLiteral("tervezo_nev"))
                .toString()
                .startsWith(QStringLiteral("Ko"), Qt::CaseInsensitive));
    // The first in the list's order with that beginning.
    for (int i = 0; i < sor; ++i)
        QVERIFY(!w->Qry->ertek(i, QStringLiteral("tervezo_nev"))
                     .toString()
                     .startsWith(QStringLiteral("ko"), Qt::CaseInsensitive));
    const int kulcs = w->AktualisTerv();
    QTest::keyClicks(w->Edit1, QStringLiteral("x"));
    QCOMPARE(w->AktualisTerv(), kulcs);
    // Emptying the box does not move the list.
    w->Edit1->clear();
    QCOMPARE(w->AktualisTerv(), kulcs);
    // With the filter on the search sees only marked plans.
    w->SzurBeallit(QStringLiteral("terv=4"), QStringLiteral("I"));
    QVERIFY(Teszt::Indit(*w, QStringLiteral("aSzur")));
    QCOMPARE(w->Qry->rowCount(), 1);
    QTest::keyClicks(w->Edit1, QStringLiteral("ko"));
    QCOMPARE(w->AktualisTerv(), 4);
}

void TstFoablak::gyorsKeresesDatumSzerint() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    w->Rendez(QStringLiteral("datum"), QStringLiteral("dátum"));
    const int kulcs = w->AktualisTerv();
    QTest::keyClicks(w->Edit1, QStringLiteral("20"));
    QCOMPARE(w->AktualisTerv(), kulcs);
    w->Rendez(QStringLiteral("Cim"), QStringLiteral("tárgy"));
    w->Edit1->setText(QStringLiteral("á"));
    QCOMPARE(w->Qry->ertek(w->DBGrid1->currentIndex().row(), QStringLiteral("Cim")).toString(),
             QStringLiteral("Áruház"));
}

void TstFoablak::szamlaloEsSorok() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    QVERIFY(w->TervKeres(1)); // T-05, three lines
    QCOMPARE(w->StatusPanel[0]->text(), QStringLiteral(" 8 / 5"));
    QCOMPARE(w->TblSor->filter(), QStringLiteral("terv=1"));
    QCOMPARE(w->DBGrid2->model()->rowCount(), 3);
    const auto* kj = static_cast<QStyledItemDelegate*>(w->DBGrid2->itemDelegateForColumn(1));
    QStringList szamok;
    for (int i = 0; i < 3; ++i)
        szamok << kj->displayText(w->DBGrid2->model()->index(i, 1).data(), QLocale());
    QCOMPARE(szamok, (QStringList{"01", "02", "03"}));
    QCOMPARE(w->AktualisSor(), 0);
    // One wheel notch over the line grid moves one line.
    QWidget* vp = w->DBGrid2->viewport();
    QWheelEvent gorgo(QPointF(5, 5), QPointF(vp->mapToGlobal(QPoint(5, 5))), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(vp, &gorgo);
    QCOMPARE(w->AktualisSor(), 1);
    // A plan without lines.
    QVERIFY(w->TervKeres(3));
    QCOMPARE(w->DBGrid2->model()->rowCount(), 0);
    QCOMPARE(w->AktualisSor(), -1);
    // Keyboard moves follow as well.
    w->DBGrid1->setFocus();
    QTest::keyClick(w->DBGrid1, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(w->StatusPanel[0]->text(), QStringLiteral(" 8 / 1"));
    QCOMPARE(w->TblSor->filter(), QStringLiteral("terv=4"));
}

void TstFoablak::toroltTorzsUresNev() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    w->Db1().sql(QStringLiteral("DELETE FROM tervezo WHERE tervezo=1"));
    w->QryUjranyit(1);
    QCOMPARE(w->Qry->rowCount(), 8);
    QCOMPARE(w->AktualisTerv(), 1);
    const int sor = w->DBGrid1->currentIndex().row();
    QVERIFY(w->Qry->ertek(sor, QStringLiteral("tervezo_nev")).isNull());
    QCOMPARE(w->Qry->ertek(sor, QStringLiteral("Cim")).toString(),
             QStringLiteral("Óvoda bővítése"));
}

void TstFoablak::jeloloOszlopok() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    QVERIFY(w->TervKeres(2));
    QCOMPARE(w->DBGrid1->model()->index(w->DBGrid1->currentIndex().row(), 0).data().toString(),
             QStringLiteral("N"));
    QCOMPARE(w->DBGrid2->model()->index(0, 0).data().toString(), QStringLiteral("I"));
    // The marker cells show no text, only their picture.
    const auto* d = static_cast<QStyledItemDelegate*>(w->DBGrid1->itemDelegateForColumn(0));
    QCOMPARE(d->displayText(QStringLiteral("I"), QLocale()), QString());
    // Plan number in bold, dates in the short date format.
    QStyleOptionViewItem o;
    static_cast<RacsDelegate*>(w->DBGrid1->itemDelegateForColumn(1))
        ->initStyleOption(&o, w->DBGrid1->model()->index(0, 1));
    QVERIFY(o.font.bold());
    QCOMPARE(RacsDelegate::Szoveg(RacsDelegate::Fajta::Datum, QStringLiteral("2024-03-01")),
             QStringLiteral("2024. 03. 01."));
}

void TstFoablak::oszlopSzelessegSzabaly_data() {
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("levonas");
    QTest::addColumn<QList<int>>("szazadok");
    QTest::addColumn<QList<int>>("vart");
    QTest::newRow("plan grid") << 1057 << 57 << QList<int>{8, 8, 12, 25}
                               << QList<int>{80, 80, 120, 250};
    QTest::newRow("halfway to even, down")
        << 107 << 57 << QList<int>{25, 9} << QList<int>{12, 4}; // 12.5, 4.5
    QTest::newRow("halfway to even, up")
        << 207 << 57 << QList<int>{9, 25} << QList<int>{14, 38}; // 13.5, 37.5
    QTest::newRow("not halfway") << 230 << 55 << QList<int>{4, 8} << QList<int>{7, 14}; // 7.0, 14.0
    QTest::newRow("narrow window") << 40 << 57 << QList<int>{25} << QList<int>{0};
}

void TstFoablak::oszlopSzelessegSzabaly() {
    QFETCH(int, w);
    QFETCH(int, levonas);
    QFETCH(QList<int>, szazadok);
    QFETCH(QList<int>, vart);
    QCOMPARE(OszlopSzelessegek(w, levonas, szazadok), vart);
}

void TstFoablak::ablakOszlopSzelessegek() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    w->resize(1057, 700);
    const int W = w->frameGeometry().width();
    QCOMPARE(w->DBGrid1->columnWidth(0), 18);
    QCOMPARE(w->DBGrid1->columnWidth(4), OszlopSzelessegek(W, 57, {25}).first());
    QCOMPARE(w->DBGrid2->columnWidth(0), 18);
    QCOMPARE(w->DBGrid2->columnWidth(2), OszlopSzelessegek(W, 55, {25}).first());
    // A dragged width stays until the next resize, also across moves.
    w->DBGrid2->setColumnWidth(2, 33);
    QVERIFY(w->TervKeres(1));
    QCOMPARE(w->DBGrid2->columnWidth(2), 33);
}

void TstFoablak::akciokEsMenuk() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    for (const AkcioLeiras& l : Akciok::Leirasok()) {
        QAction* a = w->Akcio(QLatin1String(l.nev));
        QVERIFY2(a, l.nev);
        QCOMPARE(a->toolTip(), a->text());
        QCOMPARE(a->statusTip(), a->text());
        QVERIFY(a->isEnabled());
        if (l.ikon)
            QVERIFY2(!a->icon().isNull(), l.nev);
    }
    const QList<QPair<const char*, QString>> billentyuk{{"aUj", "Ins"},
                                                        {"aSzerkeszt", "F2"},
                                                        {"aTorol", "Ctrl+Del"},
                                                        {"aUj2", "Shift+Ins"},
                                                        {"aSzerkeszt2", "Shift+F2"},
                                                        {"aTorol2", "Ctrl+Shift+Del"},
                                                        {"aTervKiad", "F8"},
                                                        {"aTervKiadOsszes", "Shift+F8"},
                                                        {"aKiadJelol", "F7"},
                                                        {"aTervVissza", "Ctrl+F8"},
                                                        {"aLevKiad", "F9"},
                                                        {"aLevVissza", "Ctrl+F9"},
                                                        {"aKeres", "Ctrl+F"},
                                                        {"aKeresReszletes", "Ctrl+T"},
                                                        {"aSzurJelol", "F3"},
                                                        {"aSzur", "Ctrl+F3"},
                                                        {"aSzurMegszuntet", "Shift+F3"},
                                                        {"aNyomtat", "Ctrl+P"},
                                                        {"aNyomAdatlap", "Ctrl+Shift+P"},
                                                        {"aBeallit", "Alt+Return"},
                                                        {"aSugo", "F1"}};
    for (const auto& [nev, b] : billentyuk)
        QCOMPARE(w->Akcio(QLatin1String(nev))->shortcut().toString(), b);
    QStringList menuk;
    for (QAction* a : w->menuBar()->actions())
        menuk << a->text();
    QCOMPARE(menuk, (QStringList{"Rekordok", "Keresés", "Törzsadatok", "Nyomtatások", "Rendszer",
                                 "Súgó"}));
    QCOMPARE(
        menuSzovegek(w->menuBar()->actions().at(0)->menu()),
        (QStringList{"Új", "Szerkeszt", "Töröl", "-", "Új sor", "Sor szerkesztés", "Sor törlése",
                     "-", "Tervrajz kiadás", "Tervrajz visszajön", "-", "Tervirat kiadás",
                     "Tervirat visszajön", "-", "Visszavétel kóddal", "-", "Bezár"}));
    QCOMPARE(menuSzovegek(w->menuBar()->actions().at(5)->menu()),
             (QStringList{"Súgó", "-", "Fontos információk", "Levélküldés Sorvaninak",
                          "Sorvani honlapja", "Újdonságok", "-", "Névjegy"}));
    auto* tervMenu = w->DBGrid1->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    QVERIFY(tervMenu);
    QCOMPARE(menuSzovegek(tervMenu),
             (QStringList{"Új", "Szerkeszt", "Töröl", "-", "Szűrés", "Részletes keresés", "-",
                          "Egyszerű lista nyomtatás", "Adatlap nyomtatás"}));
    QCOMPARE(menuSzovegek(tervMenu->actions().at(4)->menu()),
             (QStringList{"Szűrésre jelöl", "Szűrés", "Szűrésre jelölések megszűntetése", "-",
                          "Tervező", "Szakág", "Terv fajta", "Terv szakasz", "Ügyfél"}));
    auto* sorMenu = w->DBGrid2->findChild<QMenu*>(QStringLiteral("PopupMenu2"));
    QVERIFY(sorMenu);
    QCOMPARE(menuSzovegek(sorMenu),
             (QStringList{"Új sor", "Sor szerkesztés", "Sor törlése", "-", "Kiadásra jelöl",
                          "Tervrajz kiadás", "Tervrajz kiadás (összes)", "Tervrajz visszajön", "-",
                          "Tervirat kiadás", "Tervirat visszajön"}));
    // The toolbars, and the two drop-down buttons.
    auto eszkozok = [w](const char* nev) {
        QStringList l;
        for (QAction* a : w->findChild<QToolBar*>(QLatin1String(nev))->actions())
            l << (a->isSeparator()            ? QStringLiteral("-")
                  : a->objectName().isEmpty() ? QStringLiteral("?")
                                              : a->objectName());
        return l;
    };
    QCOMPARE(eszkozok("ToolBar1"), (QStringList{"aBeallit", "-", "aSugo", "aHonlap", "aLevel",
                                                "aUjdonsag", "-", "aBezar"}));
    QCOMPARE(eszkozok("ToolBar2"),
             (QStringList{"?", "-", "aKeres", "aKeresReszletes", "-", "aSzurJelol", "-", "aUj",
                          "aSzerkeszt", "aTorol", "-", "aNyomtat"}));
    QCOMPARE(eszkozok("ToolBar3"),
             (QStringList{"aUj2", "aSzerkeszt2", "aTorol2", "-", "aTervKiad", "aKiadJelol",
                          "aTervVissza", "-", "aLevKiad", "aLevVissza"}));
    auto* tar2 = w->findChild<QToolBar*>(QStringLiteral("ToolBar2"));
    auto* szuroGomb =
        qobject_cast<QToolButton*>(tar2->widgetForAction(w->Akcio(QStringLiteral("aSzurJelol"))));
    QVERIFY(szuroGomb && szuroGomb->menu());
    QCOMPARE(menuSzovegek(szuroGomb->menu()), menuSzovegek(tervMenu->actions().at(4)->menu()));
}

void TstFoablak::enterEsDuplaKattintas() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    // Stand-ins for the dialogs: the actions are only counted here.
    QAction* szerk = w->Akcio(QStringLiteral("aSzerkeszt"));
    QAction* szerk2 = w->Akcio(QStringLiteral("aSzerkeszt2"));
    szerk->disconnect();
    szerk2->disconnect();
    QSignalSpy terv(szerk, &QAction::triggered);
    QSignalSpy sor(szerk2, &QAction::triggered);
    w->DBGrid1->setFocus();
    QTest::keyClick(w->DBGrid1, Qt::Key_Return);
    QCOMPARE(terv.count(), 1);
    const QPoint hely = w->DBGrid1->visualRect(w->DBGrid1->model()->index(1, 2)).center();
    QTest::mouseClick(w->DBGrid1->viewport(), Qt::LeftButton, {}, hely);
    QTest::mouseDClick(w->DBGrid1->viewport(), Qt::LeftButton, {}, hely);
    QCOMPARE(terv.count(), 2);
    QVERIFY(w->TervKeres(1));
    w->DBGrid2->setFocus();
    QTest::keyClick(w->DBGrid2, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(w->DBGrid2, Qt::Key_Return);
    QCOMPARE(sor.count(), 1); // the keypad Enter with its modifier is not the grid's Enter
}

void TstFoablak::szuresJelolesBillentyukkel() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    QVERIFY(w->TervKeres(3));
    w->DBGrid1->setFocus();
    QTest::keyClick(w, Qt::Key_F3);
    QCOMPARE(m_sql, (QStringList{"UPDATE terv SET szur='I' WHERE terv=3;"}));
    QCOMPARE(w->AktualisTerv(), 3);
    QCOMPARE(w->DBGrid1->model()->index(w->DBGrid1->currentIndex().row(), 0).data().toString(),
             QStringLiteral("I"));
    QVERIFY(w->TervKeres(5));
    QTest::keyClick(w, Qt::Key_F3);
    QVERIFY(w->TervKeres(1));
    QTest::keyClick(w, Qt::Key_F3);
    QVERIFY(w->TervKeres(3));
    QTest::keyClick(w, Qt::Key_F3); // unmarks
    QVERIFY(w->TervKeres(6));
    QTest::keyClick(w, Qt::Key_F3);
    QCOMPARE(m_sql.at(3), QStringLiteral("UPDATE terv SET szur='N' WHERE terv=3;"));
    // Ctrl+F3: only the three marked plans.
    QTest::keyClick(w, Qt::Key_F3, Qt::ControlModifier);
    QVERIFY(w->Akcio(QStringLiteral("aSzur"))->isChecked());
    QCOMPARE(w->StatusPanel[3]->text(), QStringLiteral("Szűrve"));
    QCOMPARE(w->Qry->rowCount(), 3);
    QCOMPARE(w->StatusPanel[0]->text(), QStringLiteral(" 3 / 1"));
    QCOMPARE(w->Qry->sql().last(), QStringLiteral("ORDER BY tervszam;"));
    // Unmarking with the filter on: the plan leaves and the list stands on its first plan.
    QVERIFY(w->TervKeres(5));
    QTest::keyClick(w, Qt::Key_F3);
    QCOMPARE(w->Qry->rowCount(), 2);
    QCOMPARE(w->DBGrid1->currentIndex().row(), 0);
    QTest::keyClick(w, Qt::Key_F3, Qt::ControlModifier);
    QVERIFY(!w->Akcio(QStringLiteral("aSzur"))->isChecked());
    QCOMPARE(w->StatusPanel[3]->text(), QString());
    QCOMPARE(w->Qry->rowCount(), 8);
    // Marks survive a new start, with the filter off.
    m_w.reset();
    Tfrm_Main* w2 = ablak();
    QVERIFY(w2);
    QVERIFY(!w2->Akcio(QStringLiteral("aSzur"))->isChecked());
    QCOMPARE(w2->Qry->rowCount(), 8);
    int jeloltek = 0;
    for (int i = 0; i < 8; ++i)
        jeloltek += w2->Qry->ertek(i, QStringLiteral("szur")).toString() == QLatin1String("I");
    QCOMPARE(jeloltek, 2);
}

void TstFoablak::szuresTorzsbol() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    w->SzurBeallit(QStringLiteral("terv=2"), QStringLiteral("I"));
    m_sql.clear();
    QList<QPair<TorzsFajta, int>> hivasok;
    int valasz = 1;
    w->setTorzsValaszto([&](TorzsFajta f, int kulcs) {
        hivasok.append({f, kulcs});
        return valasz;
    });
    QVERIFY(Teszt::Indit(*w, QStringLiteral("aSzurTervezo")));
    QCOMPARE(hivasok, (QList<QPair<TorzsFajta, int>>{{TorzsFajta::Tervezo, -1}}));
    QCOMPARE(m_sql, (QStringList{"UPDATE terv SET szur='I' WHERE tervezo=1;"}));
    QSqlQuery q =
        w->Db1().sql(QStringLiteral("SELECT Terv FROM terv WHERE szur='I' ORDER BY Terv"));
    QList<int> jeloltek;
    while (q.next())
        jeloltek << q.value(0).toInt();
    QCOMPARE(jeloltek, (QList<int>{1, 2, 6, 8})); // designer 1's plans, and plan 2 marked before
    // Closed without accepting: nothing changes.
    valasz = -1;
    m_sql.clear();
    for (const char* a :
         {"aSzurTervezo", "aSzurSzakag", "aSzurTervFajta", "aSzurTervSzakasz", "aSzurUgyfel"})
        QVERIFY(Teszt::Indit(*w, QLatin1String(a)));
    QVERIFY(m_sql.isEmpty());
    valasz = 7;
    const QList<QPair<const char*, QString>> tobbi{
        {"aSzurSzakag", "UPDATE terv SET szur='I' WHERE szakag=7;"},
        {"aSzurTervFajta", "UPDATE terv SET szur='I' WHERE tervfajta=7;"},
        {"aSzurTervSzakasz", "UPDATE terv SET szur='I' WHERE tervszakasz=7;"},
        {"aSzurUgyfel", "UPDATE terv SET szur='I' WHERE ugyfel=7;"}};
    for (const auto& [a, s] : tobbi) {
        m_sql.clear();
        QVERIFY(Teszt::Indit(*w, QLatin1String(a)));
        QCOMPARE(m_sql, QStringList{s});
    }
}

void TstFoablak::szuresMegszuntetSzurveBekapcsolva() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    w->SzurBeallit(QStringLiteral("tervezo=1"), QStringLiteral("I"));
    QTest::keyClick(w, Qt::Key_F3, Qt::ControlModifier);
    QCOMPARE(w->Qry->rowCount(), 3);
    QVERIFY(w->TervKeres(6));
    m_sql.clear();
    QTest::keyClick(w, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(m_sql, (QStringList{"UPDATE terv SET szur='N';"}));
    QVERIFY(!w->Akcio(QStringLiteral("aSzur"))->isChecked());
    QCOMPARE(w->StatusPanel[3]->text(), QString());
    QCOMPARE(w->Qry->rowCount(), 8);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(w->Qry->ertek(i, QStringLiteral("szur")).toString(), QStringLiteral("N"));
}

void TstFoablak::elutasitottJelolesUtanIsVanLista() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    const Teszt::Tiltas tiltas(w->Db1(), QStringLiteral("UPDATE OF szur ON terv"),
                               QStringLiteral("a jelölés tiltva"));
    QVERIFY(w->TervKeres(5));
    QTest::keyClick(w, Qt::Key_F3);
    QCOMPARE(UzenetTeszt::ablakok().size(), 1);
    QVERIFY(UzenetTeszt::ablakok().first().szoveg.contains(QStringLiteral("a jelölés tiltva")));
    QCOMPARE(w->Qry->rowCount(), 8);
    QCOMPARE(w->AktualisTerv(), 5);
}

void TstFoablak::keresoMezoFokusz() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    w->Edit1->setText(QStringLiteral("T-0"));
    w->DBGrid1->setFocus();
    QTest::keyClick(w, Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(w->Edit1->hasFocus());
    QTRY_COMPARE(w->Edit1->selectedText(), QStringLiteral("T-0"));
    // The window's shortcuts win over the box's own keys (Shift+Insert
    // would paste there).
    QAction* ujSor = w->Akcio(QStringLiteral("aUj2"));
    ujSor->disconnect();
    QSignalSpy spy(ujSor, &QAction::triggered);
    QTest::keyClick(w->Edit1, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(w->Edit1->text(), QStringLiteral("T-0"));
}

// The clerk's round by the keyboard: Insert for a new plan, F2 and
// "Mégsem", Shift+Insert for its lines, Shift+F2, Ctrl+Shift+Del, Ctrl+Del.
void TstFoablak::tervesSorBillentyukkel() {
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    w->DBGrid1->setFocus();
    // The offscreen platform does not give the window back its activation
    // when a dialog over it closes, as a window manager does.
    auto aktiv = [w] {
        w->activateWindow();
        return QTest::qWaitForWindowActive(w);
    };
    QVERIFY(aktiv());
    auto ujAblak = Teszt::Modalisban<Tfrm_Szerkeszt>([](Tfrm_Szerkeszt* d) {
        d->edtTervszam->setText(QStringLiteral("T-00"));
        d->edtCim->setText(QStringLiteral("Új tervünk"));
        QTest::keyClick(d->btnOK, Qt::Key_Return);
    });
    QTest::keyClick(w, Qt::Key_Insert);
    QCOMPARE(w->Qry->rowCount(), 9);
    QCOMPARE(w->Qry->ertek(w->DBGrid1->currentIndex().row(), QStringLiteral("Tervszam")).toString(),
             QStringLiteral("T-00"));
    const int ujTerv = w->AktualisTerv();
    QCOMPARE(w->StatusPanel[0]->text(), QStringLiteral(" 9 / 1"));
    QVERIFY(aktiv());
    auto megsem = Teszt::Modalisban<Tfrm_Szerkeszt>([](Tfrm_Szerkeszt* d) {
        QCOMPARE(d->edtTervszam->text(), QStringLiteral("T-00"));
        d->edtCim->setText(QStringLiteral("eldobva"));
        QTest::keyClick(d->btnMegsem, Qt::Key_Escape);
    });
    QTest::keyClick(w, Qt::Key_F2);
    QCOMPARE(w->AktualisTerv(), ujTerv);
    QCOMPARE(w->Qry->ertek(0, QStringLiteral("Cim")).toString(), QStringLiteral("Új tervünk"));
    for (const char* r : {"első", "második", "harmadik"}) {
        QVERIFY(aktiv());
        auto sor = Teszt::Modalisban<Tfrm_SorSzerkeszt>([r](Tfrm_SorSzerkeszt* d) {
            d->edtReszmuvelet->setText(QString::fromUtf8(r));
            QTest::keyClick(d->btnOK, Qt::Key_Return);
        });
        QTest::keyClick(w, Qt::Key_Insert, Qt::ShiftModifier);
    }
    QCOMPARE(w->DBGrid2->model()->rowCount(), 3);
    QCOMPARE(w->TblSor->ertek(2, QStringLiteral("sor")).toInt(), 3);
    QCOMPARE(w->TblSor->ertek(0, QStringLiteral("tbent")).toString(), QStringLiteral("I"));
    QCOMPARE(w->AktualisSor(), 2); // on the line just added
    // Delete the middle line: the rest is numbered 1, 2 in the same order.
    w->DBGrid2->setCurrentIndex(w->DBGrid2->model()->index(1, 1));
    QVERIFY(aktiv());
    UzenetTeszt::valasz(true);
    QTest::keyClick(w, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w->DBGrid2->model()->rowCount(), 2);
    QCOMPARE(w->TblSor->ertek(1, QStringLiteral("reszmuvelet")).toString(),
             QStringLiteral("harmadik"));
    QCOMPARE(w->TblSor->ertek(1, QStringLiteral("sor")).toInt(), 2);
    // Ctrl+Del deletes the plan after the question; its lines stay stored.
    QVERIFY(aktiv());
    UzenetTeszt::valasz(true);
    QTest::keyClick(w, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(w->Qry->rowCount(), 8);
    QCOMPARE(w->Qry->sorKulcsa(ujTerv), -1);
    QCOMPARE(w->DBGrid1->currentIndex().row(), 0);
    QSqlQuery q = w->Db1().sql(QStringLiteral("SELECT count(*) FROM terv_sor WHERE terv=:t"),
                               {{QStringLiteral("t"), ujTerv}});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 2);
    QCOMPARE(UzenetTeszt::maradekValasz(), 0);
}

int main(int argc, char** argv) {
    SegedAlkalmazas app(argc, argv);
    app.setGorgoBillentyu(true);
    Seged::ProgramCimBeallit(QStringLiteral("Pelvano"));
    TstFoablak teszt;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&teszt, argc, argv);
}

#include "tst_foablak.moc"
