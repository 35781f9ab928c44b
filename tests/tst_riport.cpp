// The report engine, the common page frame and the grid print: layouts
// checked as data, paging, cutting, and the printed PDF read back as text.

#include "fajlparbeszed.h"
#include "kapcsolat.h"
#include "modalis.h"
#include "oldalkeret.h"
#include "riport.h"
#include "riportkimenet.h"
#include "tesztadat.h"
#include "tesztkornyezet.h"
#include "torzs/tfrm_torzs.h"
#include "torzs/torzs.h"
#include "tqrgridprint.h"
#include "uzenetteszt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using Riport::Betu;
using Riport::Elem;

namespace {

// A grid of `sorok` rows of three columns: name, town, and a right-aligned
// number, 600 pixels wide with columns of 200, 150 and 100 pixels.
struct Racs {
    QStandardItemModel modell;
    QTableView nezet;
    explicit Racs(int sorok, int szelesseg = 600) {
        modell.setHorizontalHeaderLabels(
            {QStringLiteral("név"), QStringLiteral("város"), QStringLiteral("összeg")});
        for (int r = 0; r < sorok; ++r) {
            auto* osszeg = new QStandardItem(QString::number(r * 10));
            osszeg->setData(int(Qt::AlignRight | Qt::AlignVCenter), Qt::TextAlignmentRole);
            modell.appendRow(
                {new QStandardItem(QStringLiteral("Ügyfél %1").arg(r, 5, 10, QLatin1Char('0'))),
                 new QStandardItem(QStringLiteral("Győr")), osszeg});
        }
        nezet.setModel(&modell);
        nezet.resize(szelesseg, 300);
        nezet.setColumnWidth(0, 200);
        nezet.setColumnWidth(1, 150);
        nezet.setColumnWidth(2, 100);
    }
};

const Elem* SzovegElem(const QList<Elem>& elemek, const QString& szoveg) {
    for (const Elem& e : elemek)
        if (e.fajta == Riport::ElemFajta::Szoveg && e.szoveg == szoveg)
            return &e;
    return nullptr;
}

} // namespace

class TstRiport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void lablec();
    void tulajdonosDoboz_data();
    void tulajdonosDoboz();
    void gridFejlec();
    void oszlopSzabaly_data();
    void oszlopSzabaly();
    void gridReszlet();
    void gridSorrendEsRejtes();
    void tordeles_data();
    void tordeles();
    void levagas_data();
    void levagas();
    void pdfVegigEr();
    void uresPdf();
    void ugyfelekNyomtat();
    void nincsNyomtato();
    void elonezetPdf();
    void nagyRiport();
    void csoportok();
    void csoportFejNemMaradEgyedul();
    void lapFejlecAzElsoRekorde();
    void hosszuTorzsVisszaolvas();
    void forrasbolLaponkent();
};

void TstRiport::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
}

void TstRiport::init() {
    UzenetTeszt::bekapcsol();
}

void TstRiport::cleanup() {
    RiportKimenet::setTesztKezelo({});
    UzenetTeszt::kikapcsol();
}

void TstRiport::lablec() {
    const QDateTime ido(QDate(2024, 3, 5), QTime(14, 7));
    const Riport::Sav s =
        Oldalkeret::Lablec(QStringLiteral("Ügyfelek"), QStringLiteral("qrX"), ido);
    QCOMPARE(s.magassag, 14.6);
    QVERIFY(s.ezustFelul > 0);
    QCOMPARE(s.ezustAlul, 0.0);
    const Betu courier{QStringLiteral("Courier New"), 8, false, false};
    struct Vart {
        QString szoveg;
        double fent;
        Qt::Alignment igazitas;
        double bal, jobb; // -1: not checked
    };
    const double w = Riport::SavSzelesseg;
    const QList<Vart> vart{
        {QStringLiteral("Pelvano"), 1.3, Qt::AlignLeft, 0, -1},
        {QLocale().toString(ido, QLocale::ShortFormat), 1.3, Qt::AlignRight, -1, w},
        {QStringLiteral("Ügyfelek"), 5.3, Qt::AlignRight, -1, w},
        {QStringLiteral("oldal: "), 9.3, Qt::AlignLeft, 0, -1},
        {Oldalkeret::KeszitoWeb, 9.3, Qt::AlignHCenter, -1, -1},
        {QStringLiteral("qrX"), 9.3, Qt::AlignRight, -1, w},
    };
    QCOMPARE(s.elemek.size(), vart.size());
    for (const Vart& v : vart) {
        const Elem* e = SzovegElem(s.elemek, v.szoveg);
        QVERIFY2(e, qPrintable(v.szoveg));
        QCOMPARE(e->fent, v.fent);
        QCOMPARE(e->betu, courier);
        QCOMPARE(e->igazitas, v.igazitas);
        QCOMPARE(e->mag, Riport::SzovegMagassag);
        if (v.bal >= 0)
            QCOMPARE(e->bal, v.bal);
        if (v.jobb >= 0)
            QCOMPARE(e->bal + e->szel, v.jobb);
        QCOMPARE(e->oldalszam, v.szoveg == QLatin1String("oldal: "));
    }
    const Elem* web = SzovegElem(s.elemek, Oldalkeret::KeszitoWeb);
    QCOMPARE(web->bal + web->szel / 2, w / 2);
}

void TstRiport::tulajdonosDoboz_data() {
    QTest::addColumn<bool>("ures");
    QTest::newRow("owner record") << false;
    QTest::newRow("empty tulajdonos") << true;
}

void TstRiport::tulajdonosDoboz() {
    QFETCH(bool, ures);
    Teszt::AdatMappa mappa;
    Kapcsolat k;
    k.nyit(mappa.forras());
    k.sql(QStringLiteral("DELETE FROM tulajdonos"));
    if (!ures)
        k.sql(QStringLiteral("INSERT INTO tulajdonos (tulajdonos, varos, cim, telefon, mobil) "
                             "VALUES (:t, :v, :c, :f, :m)"),
              {{QStringLiteral("t"), QStringLiteral("Kőfal Tervező Kft.")},
               {QStringLiteral("v"), QStringLiteral("Szeged")},
               {QStringLiteral("c"), QStringLiteral("Tisza L. krt. 12.")},
               {QStringLiteral("f"), QStringLiteral("62/123-456")},
               {QStringLiteral("m"), QStringLiteral("30/999-9999")}});
    const Oldalkeret::Tulajdonos t = Oldalkeret::TulajdonosOlvas(k);
    Riport::Sav s;
    Oldalkeret::TulajdonosDoboz(s, t, {1.3, 21.5, 2.6, 7.9, 11.9, 15.9});
    QCOMPARE(s.elemek.size(), 6);
    // The two lines, 49.3 mm from 140.2 mm, at the given tops.
    for (int i : {0, 5}) {
        const Elem& v = s.elemek.at(i);
        QCOMPARE(v.fajta, Riport::ElemFajta::Vonal);
        QCOMPARE(v.bal, 140.2);
        QCOMPARE(v.szel, 49.3);
        QCOMPARE(v.mag, 0.0);
        QCOMPARE(v.fent, i == 0 ? 1.3 : 21.5);
    }
    const QStringList szovegek =
        ures ? QStringList{QString(), QString(), QString(), QString()}
             : QStringList{QStringLiteral("Kőfal Tervező Kft."), QStringLiteral("Szeged"),
                           QStringLiteral("Tisza L. krt. 12."), QStringLiteral("62/123-456")};
    const QList<double> tetok{2.6, 7.9, 11.9, 15.9};
    for (int i = 0; i < 4; ++i) {
        const Elem& e = s.elemek.at(i + 1);
        QCOMPARE(e.szoveg, szovegek.at(i));
        QCOMPARE(e.fent, tetok.at(i));
        QCOMPARE(e.igazitas, Qt::AlignRight);
        QCOMPARE(e.bal + e.szel, Riport::SavSzelesseg);
        QCOMPARE(e.betu, i == 0 ? (Betu{QStringLiteral("Tahoma"), 10, true, false})
                                : (Betu{QStringLiteral("Arial"), 10, false, false}));
    }
}

void TstRiport::gridFejlec() {
    Racs r(3);
    const Riport::Dokumentum d = GridRiport(&r.nezet, QStringLiteral("Ügyfelek"), 8);
    QCOMPARE(d.cim, QStringLiteral("Ügyfelek"));
    QCOMPARE(d.azonosito, QStringLiteral("qrGridPrint"));
    QCOMPARE(d.fejlec.magassag, 30.1);
    QCOMPARE(d.fejlec.ezustAlul, 2 * Riport::VekonyVonal);
    // Title between two lines 49.3 mm long at 0.0 and 20.2, Arial 16 bold.
    const Elem* cim = SzovegElem(d.fejlec.elemek, QStringLiteral("Ügyfelek"));
    QVERIFY(cim);
    QCOMPARE(cim->bal, 0.0);
    QCOMPARE(cim->fent, 1.3);
    QCOMPARE(cim->betu, (Betu{QStringLiteral("Arial"), 16, true, false}));
    QList<double> vonalak;
    for (const Elem& e : d.fejlec.elemek)
        if (e.fajta == Riport::ElemFajta::Vonal) {
            QCOMPARE(e.bal, 0.0);
            QCOMPARE(e.szel, 49.3);
            vonalak << e.fent;
        }
    QCOMPARE(vonalak, (QList<double>{0.0, 20.2}));
    // Headings: italic Tahoma 8 at 23.8 mm, the grid's alignment.
    const QStringList fejek{QStringLiteral("név"), QStringLiteral("város"),
                            QStringLiteral("összeg")};
    for (const QString& f : fejek) {
        const Elem* e = SzovegElem(d.fejlec.elemek, f);
        QVERIFY2(e, qPrintable(f));
        QCOMPARE(e->fent, 23.8);
        QCOMPARE(e->mag, 4.3);
        QCOMPARE(e->betu, (Betu{QStringLiteral("Tahoma"), 8, false, true}));
        QCOMPARE(e->igazitas, f == fejek.last() ? Qt::AlignRight : Qt::AlignLeft);
    }
    // No owner box in the grid print, and the common footer.
    QCOMPARE(d.fejlec.elemek.size(), 3 + 3);
    QVERIFY(SzovegElem(d.lablec.elemek, QStringLiteral("qrGridPrint")));
    QVERIFY(SzovegElem(d.lablec.elemek, QStringLiteral("Pelvano")));
}

void TstRiport::oszlopSzabaly_data() {
    QTest::addColumn<int>("racsSzel");
    QTest::addColumn<QList<int>>("egysegek"); // printed widths in units
    // Columns 200 + 150 + 100 = 450 pixels.
    QTest::newRow("grid as wide as its columns") << 450 << QList<int>{256, 192, 128};
    QTest::newRow("grid wider: free space at the right") << 900 << QList<int>{128, 96, 64};
    QTest::newRow("grid narrower: runs off the right edge") << 300 << QList<int>{383, 288, 192};
}

void TstRiport::oszlopSzabaly() {
    QFETCH(int, racsSzel);
    QFETCH(QList<int>, egysegek);
    Racs r(1, racsSzel);
    QCOMPARE(r.nezet.width(), racsSzel);
    const Riport::Dokumentum d = GridRiport(&r.nezet, QStringLiteral("T"), 8);
    const double u = Riport::SavSzelesseg / 575.0;
    const QList<Elem>& reszlet = d.torzs.at(0).elemek;
    QCOMPARE(reszlet.size(), 3);
    int bal = 0;
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(GridEgyseg(QList<int>{200, 150, 100}.at(i), racsSzel), egysegek.at(i));
        QCOMPARE(reszlet.at(i).bal, bal * u);
        QCOMPARE(reszlet.at(i).szel, egysegek.at(i) * u);
        bal += egysegek.at(i) + 4;
    }
    // The right edge is the sum of the widths and the 4-unit gaps.
    const double jobbSzel = reszlet.last().bal + reszlet.last().szel;
    const int osszes = egysegek.at(0) + egysegek.at(1) + egysegek.at(2) + 8;
    QVERIFY(qAbs(jobbSzel - osszes * u) < 1e-9);
    if (racsSzel > 450)
        QVERIFY(jobbSzel < Riport::SavSzelesseg);
    if (racsSzel < 450)
        QVERIFY(jobbSzel > Riport::SavSzelesseg);
}

void TstRiport::gridReszlet() {
    Racs r(2);
    const Riport::Dokumentum d = GridRiport(&r.nezet, QStringLiteral("T"), 9);
    QCOMPARE(d.torzs.size(), 2);
    for (int sor = 0; sor < 2; ++sor) {
        const Riport::Sav& s = d.torzs.at(sor);
        QCOMPARE(s.fajta, Riport::SavFajta::Reszlet);
        QCOMPARE(s.magassag, 6.6);
        QVERIFY(s.ezustAlul > 0);
        QStringList szovegek;
        for (const Elem& e : s.elemek) {
            QCOMPARE(e.fent, 1.3);
            QCOMPARE(e.mag, 4.3);
            QCOMPARE(e.betu, (Betu{QStringLiteral("Tahoma"), 9, false, false}));
            QVERIFY(!e.tordel);
            szovegek << Riport::ElemSzoveg(e, s.ertekek);
        }
        QCOMPARE(szovegek, (QStringList{QStringLiteral("Ügyfél 0000%1").arg(sor),
                                        QStringLiteral("Győr"), QString::number(sor * 10)}));
        QCOMPARE(s.elemek.at(2).igazitas, Qt::AlignRight);
        QCOMPARE(s.elemek.at(0).igazitas, Qt::AlignLeft);
    }
}

void TstRiport::gridSorrendEsRejtes() {
    // The view's order: a moved column, a hidden column, a hidden row, and
    // rows sorted through the model.
    Racs r(3);
    r.modell.item(1, 1)->setText(QStringLiteral("Aba"));
    r.modell.item(0, 1)->setText(QStringLiteral("Zánka"));
    r.modell.sort(1);
    r.nezet.horizontalHeader()->moveSection(2, 0); // összeg, név, város
    r.nezet.setColumnHidden(0, true);              // név
    r.nezet.setRowHidden(1, true);
    const Riport::Dokumentum d = GridRiport(&r.nezet, QStringLiteral("T"), 8);
    QStringList fejek;
    for (const Elem& e : d.fejlec.elemek)
        if (e.fent == 23.8)
            fejek << e.szoveg;
    QCOMPARE(fejek, (QStringList{QStringLiteral("összeg"), QStringLiteral("város")}));
    QCOMPARE(d.torzs.size(), 2);
    const auto szoveg = [&](int sor, int oszlop) {
        const Riport::Sav s = d.torzs.at(sor);
        return Riport::ElemSzoveg(s.elemek.at(oszlop), s.ertekek);
    };
    QCOMPARE(szoveg(0, 0), QStringLiteral("10")); // Aba
    QCOMPARE(szoveg(0, 1), QStringLiteral("Aba"));
    QCOMPARE(szoveg(1, 1), QStringLiteral("Zánka"));
    QCOMPARE(d.torzs.at(0).elemek.at(0).bal, 0.0);
}

void TstRiport::tordeles_data() {
    QTest::addColumn<int>("sorok");
    QTest::addColumn<QList<int>>("lapSorok");
    // 277 - 30.1 - 14.6 = 232.3 mm for rows of 6.6 mm: 35 a page.
    QTest::newRow("empty") << 0 << QList<int>{0};
    QTest::newRow("one") << 1 << QList<int>{1};
    QTest::newRow("a page full") << 35 << QList<int>{35};
    QTest::newRow("one over") << 36 << QList<int>{35, 1};
    QTest::newRow("many") << 100 << QList<int>{35, 35, 30};
}

void TstRiport::tordeles() {
    QFETCH(int, sorok);
    QFETCH(QList<int>, lapSorok);
    Racs r(sorok);
    const Riport::Dokumentum d = GridRiport(&r.nezet, QStringLiteral("T"), 8);
    const QList<Riport::Lap> lapok = d.tordel();
    QList<int> db;
    int kov = 0;
    for (const Riport::Lap& l : lapok) {
        QCOMPARE(l.elso, kov);
        kov += l.db;
        db << l.db;
    }
    QCOMPARE(db, lapSorok);
}

void TstRiport::levagas_data() {
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<double>("szel");
    QTest::addColumn<bool>("vagott");
    QTest::newRow("fits") << QStringLiteral("Győr") << 30.0 << false;
    QTest::newRow("too long") << QStringLiteral("Hosszú ügyfélnév Kft. Budapest") << 15.0 << true;
    QTest::newRow("no room") << QStringLiteral("Abc") << 0.1 << true;
}

void TstRiport::levagas() {
    QFETCH(QString, szoveg);
    QFETCH(double, szel);
    QFETCH(bool, vagott);
    const Betu b{QStringLiteral("Tahoma"), 8, false, false};
    const QString l = Riport::Levag(szoveg, b, szel);
    QVERIFY(szoveg.startsWith(l));
    QCOMPARE(l != szoveg, vagott);
    const QFontMetricsF fm(b.qfont());
    QVERIFY(fm.horizontalAdvance(l) <= szel * 100);
    if (vagott && l.size() < szoveg.size())
        QVERIFY(fm.horizontalAdvance(szoveg.left(l.size() + 1)) > szel * 100);
}

void TstRiport::pdfVegigEr() {
    Racs r(40);
    r.modell.item(3, 0)->setText(QStringLiteral("Nagyon hosszú nevű ügyfél a keskeny oszlopban"));
    r.nezet.setColumnWidth(0, 60);
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("grid.pdf"));
    const Riport::Dokumentum d = GridRiport(&r.nezet, QStringLiteral("Ügyfelek"), 8);
    QVERIFY(RiportKimenet::PdfIr(d, fajl));
    QCOMPARE(Teszt::PdfLapok(fajl), 2);
    for (int lap = 1; lap <= 2; ++lap) {
        const QString t = Teszt::PdfSzoveg(fajl, lap);
        // Header and footer on each page.
        QVERIFY2(t.contains(QStringLiteral("Ügyfelek")), qPrintable(t));
        QVERIFY(t.contains(QStringLiteral("összeg")));
        QVERIFY(t.contains(QStringLiteral("Pelvano")));
        QVERIFY(t.contains(QStringLiteral("qrGridPrint")));
        QVERIFY(t.contains(Oldalkeret::KeszitoWeb));
        QVERIFY(t.contains(QRegularExpression(QStringLiteral("oldal: %1\\b").arg(lap))));
    }
    const QString elso = Teszt::PdfSzoveg(fajl, 1);
    QVERIFY(elso.contains(QStringLiteral("Ügyfél 00000")));
    QVERIFY(elso.contains(QStringLiteral("Ügyfél 00034")));
    QVERIFY(!elso.contains(QStringLiteral("Ügyfél 00035")));
    QVERIFY(Teszt::PdfSzoveg(fajl, 2).contains(QStringLiteral("Ügyfél 00039")));
    // The long name is cut at its column's width.
    QVERIFY(elso.contains(QStringLiteral("Nagyon")));
    QVERIFY(!elso.contains(QStringLiteral("oszlopban")));
    if (qEnvironmentVariableIsSet("PELVANO_RIPORT_PDF"))
        QFile::copy(fajl, qEnvironmentVariable("PELVANO_RIPORT_PDF"));
}

void TstRiport::uresPdf() {
    Racs r(0);
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("ures.pdf"));
    QVERIFY(RiportKimenet::PdfIr(GridRiport(&r.nezet, QStringLiteral("Üres lista"), 8), fajl));
    QCOMPARE(Teszt::PdfLapok(fajl), 1);
    const QString t = Teszt::PdfSzoveg(fajl);
    QVERIFY2(t.contains(QStringLiteral("Üres lista")), qPrintable(t));
    QVERIFY(t.contains(QStringLiteral("város")));
    QVERIFY(t.contains(QStringLiteral("oldal: 1")));
    QVERIFY(t.contains(QStringLiteral("qrGridPrint")));
}

void TstRiport::ugyfelekNyomtat() {
    // The client list's "Nyomtat" (Ctrl+P) previews the grid print of its
    // rows, titled "Ügyfelek", in size 8.
    Teszt::AdatMappa mappa;
    Kapcsolat k;
    k.nyit(mappa.forras());
    for (const QString& n : {QStringLiteral("Béla Bt."), QStringLiteral("Anna Kft.")})
        k.sql(QStringLiteral("INSERT INTO ugyfel (ugyfel_nev) VALUES (:n)"),
              {{QStringLiteral("n"), n}});
    QList<std::pair<Riport::Dokumentum, bool>> kapott;
    RiportKimenet::setTesztKezelo([&kapott](const Riport::Dokumentum& d, bool azonnal) {
        kapott.append({d, azonnal});
    });
    // Should a preview window open in spite of the hook, nobody waits for it:
    // the test fails.
    auto lista = Teszt::Modalisban<Tfrm_Torzs>([](Tfrm_Torzs* w) {
        auto* racs = w->findChild<QTableView*>(QStringLiteral("DBGrid1"));
        QTest::keyClick(racs, Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(racs, Qt::Key_Escape);
    });
    ShowTorzs(TorzsFajta::Ugyfel, k, -1, false);
    QCOMPARE(kapott.size(), 1);
    const Riport::Dokumentum& d = kapott.at(0).first;
    QCOMPARE(kapott.at(0).second, false);
    QCOMPARE(d.cim, QStringLiteral("Ügyfelek"));
    QCOMPARE(d.torzs.size(), 2);
    QStringList nevek;
    for (const Riport::Sav& s : d.torzs) {
        QCOMPARE(s.elemek.at(0).betu.meret, 8.0);
        for (const Elem& e : s.elemek)
            nevek << Riport::ElemSzoveg(e, s.ertekek);
    }
    QVERIFY2(nevek.contains(QStringLiteral("Anna Kft.")), qPrintable(nevek.join('|')));
    QVERIFY(nevek.contains(QStringLiteral("Béla Bt.")));
}

void TstRiport::nincsNyomtato() {
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed on this machine");
    Racs r(1);
    QVERIFY(!RiportKimenet::Nyomtat(GridRiport(&r.nezet, QStringLiteral("T"), 8)));
    QCOMPARE(UzenetTeszt::ablakok().size(), 1);
    QCOMPARE(UzenetTeszt::ablakok().at(0).fajta, UzenetTeszt::Fajta::Hiba);
    QCOMPARE(UzenetTeszt::ablakok().at(0).szoveg, QStringLiteral("Nincs telepített nyomtató."));
}

void TstRiport::elonezetPdf() {
    // The preview window shows the pages and saves the report as PDF through
    // the save-file dialog.
    Racs r(100);
    const Riport::Dokumentum d = GridRiport(&r.nezet, QStringLiteral("Ügyfelek"), 8);
    Tfrm_Elonezet w(d);
    QCOMPARE(w.lapok().size(), 3);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget* lapNezet = w.findChild<QScrollArea*>()->widget();
    QVERIFY(lapNezet->height() > 3 * lapNezet->width());
    if (qEnvironmentVariableIsSet("PELVANO_ELONEZET_PNG"))
        w.grab().save(qEnvironmentVariable("PELVANO_ELONEZET_PNG"));
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("elonezet.pdf"));
    FajlParbeszed::tesztBekapcsol();
    FajlParbeszed::kovetkezo(fajl);
    w.findChild<QPushButton*>(QStringLiteral("btnPdf"))->click();
    QCOMPARE(FajlParbeszed::hivasok().size(), 1);
    QCOMPARE(FajlParbeszed::hivasok().at(0).kezdo, QStringLiteral("qrGridPrint.pdf"));
    FajlParbeszed::tesztKikapcsol();
    QCOMPARE(Teszt::PdfLapok(fajl), 3);
    QVERIFY(Teszt::PdfSzoveg(fajl, 3).contains(QStringLiteral("Ügyfél 00099")));
    QVERIFY(UzenetTeszt::ablakok().isEmpty());
}

void TstRiport::nagyRiport() {
    // 10,000 rows lay out and write in reasonable time.
    Racs r(10000);
    QElapsedTimer ido;
    ido.start();
    const Riport::Dokumentum d = GridRiport(&r.nezet, QStringLiteral("Nagy"), 8);
    const qint64 elrendezes = ido.restart();
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("nagy.pdf"));
    QVERIFY(RiportKimenet::PdfIr(d, fajl));
    const qint64 iras = ido.elapsed();
    qInfo("10000 rows: layout %lld ms, PDF %lld ms, %lld bytes", elrendezes, iras,
          QFileInfo(fajl).size());
    QCOMPARE(Teszt::PdfLapok(fajl), 286);
    QVERIFY(Teszt::PdfSzoveg(fajl, 286).contains(QStringLiteral("Ügyfél 09999")));
}

namespace {
Riport::Sav Sablon(double magassag, const QString& jel) {
    Riport::Sav s;
    s.magassag = magassag;
    s.elemek << Elem::Szoveg(0, 0, 20, jel, Betu{})
             << Elem::Mezo(20, 0, 40, 0, Betu{QStringLiteral("Tahoma"), 9, true, false});
    return s;
}

// The kind and record of every body band: "F:a1" for a group header of
// record a1, "R:" detail, "L:" group footer.
QStringList Torzs(const Riport::Dokumentum& d) {
    QStringList l;
    for (const Riport::Sav& s : d.torzs)
        l << s.elemek.first().szoveg + QLatin1Char(':') +
                 Riport::ElemSzoveg(s.elemek.at(1), s.ertekek);
    return l;
}
} // namespace

void TstRiport::csoportok() {
    Riport::Dokumentum d;
    Riport::TorzsEpito e(d, Sablon(6.6, QStringLiteral("R")), Sablon(20, QStringLiteral("F")),
                         Sablon(30, QStringLiteral("L")));
    e.rekord({QStringLiteral("a1")}, QStringLiteral("1"));
    e.rekord({QStringLiteral("a2")}, QStringLiteral("1"));
    e.rekord({QStringLiteral("b1")}, QStringLiteral("2"));
    e.rekord({QStringLiteral("c1")}, QStringLiteral("1")); // the key changed: a new group
    e.vege();
    QCOMPARE(Torzs(d), (QStringList{"F:a1", "R:a1", "R:a2", "L:a2", "F:b1", "R:b1", "L:b1", "F:c1",
                                    "R:c1", "L:c1"}));
    QCOMPARE(d.torzs.at(0).fajta, Riport::SavFajta::CsoportFej);
    QCOMPARE(d.torzs.at(1).fajta, Riport::SavFajta::Reszlet);
    QCOMPARE(d.torzs.at(3).fajta, Riport::SavFajta::CsoportLab);
    QVERIFY(d.torzs.at(0).kovetkezovel);

    // Without group templates only details; no records, no bands.
    Riport::Dokumentum csak;
    Riport::TorzsEpito r(csak, Sablon(6.6, QStringLiteral("R")));
    r.rekord({QStringLiteral("x")}, QStringLiteral("1"));
    r.rekord({QStringLiteral("y")}, QStringLiteral("2"));
    r.vege();
    QCOMPARE(Torzs(csak), (QStringList{"R:x", "R:y"}));
    Riport::Dokumentum ures;
    Riport::TorzsEpito u(ures, Sablon(6.6, QStringLiteral("R")), Sablon(20, QStringLiteral("F")),
                         Sablon(30, QStringLiteral("L")));
    u.vege();
    QVERIFY(ures.torzs.isEmpty());
    QCOMPARE(ures.tordel().size(), 1);
}

void TstRiport::csoportFejNemMaradEgyedul() {
    // Room of 277 - 20 - 20 = 237 mm: a group header of 1 mm and 23 details
    // of 10 mm (231 mm); the next group's header would fit but its detail
    // would not.
    Riport::Dokumentum d;
    d.fejlec.magassag = 20;
    d.lablec.magassag = 20;
    Riport::TorzsEpito e(d, Sablon(10, QStringLiteral("R")), Sablon(1, QStringLiteral("F")));
    for (int i = 0; i < 23; ++i)
        e.rekord({QString::number(i)}, QStringLiteral("1"));
    e.rekord({QStringLiteral("x")}, QStringLiteral("2"));
    e.vege();
    QCOMPARE(d.torzs.size(), 1 + 23 + 1 + 1);
    const QList<Riport::Lap> lapok = d.tordel();
    QCOMPARE(lapok.size(), 2);
    QCOMPARE(lapok.at(0).db, 24); // the first header and its 23 details
    QCOMPARE(Torzs(d).at(lapok.at(1).elso), QStringLiteral("F:x"));
    QCOMPARE(lapok.at(1).db, 2);
}

void TstRiport::lapFejlecAzElsoRekorde() {
    // A page header field prints the record at which the page starts.
    Riport::Dokumentum d;
    d.fejlec.magassag = 20;
    d.fejlec.elemek << Elem::Szoveg(0, 1.3, 30, QStringLiteral("sorszám"), Betu{})
                    << Elem::Mezo(40, 1.3, 30, 0, Betu{});
    d.lablec = Oldalkeret::Lablec(QStringLiteral("T"), QStringLiteral("qrT"));
    // (277 - 20 - 14.6) / 10 = 24 records a page.
    Riport::TorzsEpito e(d, Sablon(10, QStringLiteral("R")));
    for (int i = 1; i <= 50; ++i)
        e.rekord({QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'))});
    e.vege();
    const QList<Riport::Lap> lapok = d.tordel();
    QCOMPARE(lapok.size(), 3);
    QCOMPARE(d.lapErtekek(lapok, 0), QStringList{QStringLiteral("00001")});
    QCOMPARE(d.lapErtekek(lapok, 1), QStringList{QStringLiteral("00025")});
    QCOMPARE(d.lapErtekek(lapok, 2), QStringList{QStringLiteral("00049")});
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("fej.pdf"));
    QVERIFY(RiportKimenet::PdfIr(d, fajl));
    for (int lap = 1; lap <= 3; ++lap) {
        const QString elsoSor =
            Teszt::PdfSzoveg(fajl, lap).trimmed().section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(
            elsoSor.contains(QStringLiteral("%1").arg((lap - 1) * 24 + 1, 5, 10, QLatin1Char('0'))),
            qPrintable(elsoSor));
    }
}

void TstRiport::hosszuTorzsVisszaolvas() {
    // Some 18 MB of values: past what the body keeps in memory, so most are
    // read back from its temporary file; every band comes back as it went
    // in, in any order, groups and null values included.
    Riport::Dokumentum d;
    Riport::TorzsEpito e(d, Sablon(6.6, QStringLiteral("R")), Sablon(20, QStringLiteral("F")),
                         Sablon(3, QStringLiteral("L")));
    const auto Ertekek = [](int i) {
        return QStringList{QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0')),
                           QString(1000 + i % 97, QChar(u'ő' + i % 3)), QString(),
                           QStringLiteral("Ügyfél %1 – Győr").arg(i)};
    };
    const int db = 4000;
    for (int i = 0; i < db; ++i)
        e.rekord(Ertekek(i), QString::number(i / 7));
    e.vege();
    const int csoportok = (db + 6) / 7;
    QCOMPARE(d.torzs.size(), db + 2 * csoportok);
    // Band of record i: its group's header, then the details, then the footer.
    const auto Sav = [](int i) { return i + 2 * (i / 7) + 1; };
    for (int i : {3999, 0, 2500, 1, 2501, 1234, 3998, 7}) {
        const Riport::Sav s = d.torzs.at(Sav(i));
        QCOMPARE(s.fajta, Riport::SavFajta::Reszlet);
        QCOMPARE(s.ertekek, Ertekek(i));
        QCOMPARE(s.elemek.first().szoveg, QStringLiteral("R"));
    }
    QCOMPARE(d.torzs.at(Sav(14) - 1).ertekek, Ertekek(14)); // header: its first record
    QCOMPARE(d.torzs.at(Sav(13) + 1).ertekek, Ertekek(13)); // footer: its last record
    QCOMPARE(d.torzs.at(Sav(14) - 1).fajta, Riport::SavFajta::CsoportFej);
    int i = 0;
    for (const Riport::Sav& s : d.torzs)
        if (s.fajta == Riport::SavFajta::Reszlet)
            QCOMPARE(s.ertekek.at(0), Ertekek(i++).at(0));
    QCOMPARE(i, db);
}

void TstRiport::forrasbolLaponkent() {
    // A body given as a source of records: the preview opens on its first
    // page having read only a part of them; the pages in the end and every
    // band are those of the same records filled in at once, and the source
    // is let go once it is read out.
    const int db = 20000;
    auto olvasott = std::make_shared<int>(0);
    Riport::Dokumentum lusta, teljes;
    for (Riport::Dokumentum* d : {&lusta, &teljes}) {
        d->fejlec.magassag = 20;
        d->lablec = Oldalkeret::Lablec(QStringLiteral("T"), QStringLiteral("qrT"));
    }
    const auto Rekord = [](int i) {
        return QStringList{QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'))};
    };
    const auto Csoport = [](int i) { return QString::number(i / 30); };
    lusta.torzs.forras(Sablon(6.6, QStringLiteral("R")), Sablon(12, QStringLiteral("F")),
                       Sablon(4, QStringLiteral("L")),
                       [olvasott, Rekord, Csoport](QStringList& e, QString& cs) {
                           if (*olvasott == db)
                               return false;
                           e = Rekord(*olvasott);
                           cs = Csoport((*olvasott)++);
                           return true;
                       });
    Riport::TorzsEpito epito(teljes, Sablon(6.6, QStringLiteral("R")),
                             Sablon(12, QStringLiteral("F")), Sablon(4, QStringLiteral("L")));
    for (int i = 0; i < db; ++i)
        epito.rekord(Rekord(i), Csoport(i));
    epito.vege();
    {
        Tfrm_Elonezet w(lusta);
        QVERIFY(!w.lapok().isEmpty());
        QVERIFY2(*olvasott < db, qPrintable(QString::number(*olvasott)));
        QCOMPARE(lusta.lapErtekek(w.lapok(), 0), Rekord(0));
        // The window lays out the rest while it is open.
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(w.kesz(), 20000);
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblOldalak"))->text(),
                 QStringLiteral("%1 oldal").arg(w.lapok().size()));
    }
    QCOMPARE(*olvasott, db);
    QCOMPARE(olvasott.use_count(), 1);
    const QList<Riport::Lap> lapok = lusta.tordel(), vart = teljes.tordel();
    QCOMPARE(lapok.size(), vart.size());
    for (int l = 0; l < lapok.size(); ++l) {
        QCOMPARE(lapok.at(l).elso, vart.at(l).elso);
        QCOMPARE(lapok.at(l).db, vart.at(l).db);
    }
    QCOMPARE(Torzs(lusta), Torzs(teljes));
}

QTEST_MAIN(TstRiport)
#include "tst_riport.moc"
