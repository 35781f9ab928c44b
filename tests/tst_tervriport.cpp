// The plan list and the plan data sheet: their layouts checked as data, the
// list's order and filter, empty lists and plans, the printed PDFs read back
// as text, and the two actions of the register window with the output
// choice.

#include "fajlparbeszed.h"
#include "foablak/tfrm_main.h"
#include "kapcsolat.h"
#include "kimenetvalaszto.h"
#include "lekerdezes/tfrm_hatarolt.h"
#include "oldalkeret.h"
#include "riport.h"
#include "riportkimenet.h"
#include "terv/tervriportok.h"
#include "tervlista.h"
#include "tesztadat.h"
#include "tesztkornyezet.h"
#include "tfrm_nyomvalaszt.h"
#include "uzenetteszt.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using Riport::Betu;
using Riport::Elem;

namespace {

const Oldalkeret::Tulajdonos Ceg{QStringLiteral("Kőfal Tervező Kft."), QStringLiteral("Szeged"),
                                 QStringLiteral("Tisza L. krt. 12."), QStringLiteral("62/123-456")};

// Three plans: T-10 with every looked-up name, T-02 without client, type and
// designer (marked for the filter), T-05 (marked); T-10 has lines 12 and 7.
void Adatok(Kapcsolat& k) {
    const auto sql = [&k](const QString& s, const QVariantMap& p = {}) { k.sql(s, p); };
    sql(QStringLiteral("DELETE FROM tulajdonos"));
    sql(QStringLiteral("INSERT INTO tulajdonos (tulajdonos, varos, cim, telefon) VALUES "
                       "(:t, :v, :c, :f)"),
        {{QStringLiteral("t"), Ceg.nev},
         {QStringLiteral("v"), Ceg.varos},
         {QStringLiteral("c"), Ceg.cim},
         {QStringLiteral("f"), Ceg.telefon}});
    sql(QStringLiteral("INSERT INTO tervezo (tervezo_nev) VALUES ('Kovács Anna')"));
    sql(QStringLiteral("INSERT INTO szakag (szakag_nev) VALUES ('Statika')"));
    sql(QStringLiteral("INSERT INTO tervfajta (tervfajta_nev) VALUES ('Kiviteli')"));
    sql(QStringLiteral("INSERT INTO tervszakasz (tervszakasz_nev) VALUES ('Végleges')"));
    sql(QStringLiteral("INSERT INTO ugyfel (ugyfel_nev) VALUES ('Város Önkormányzata')"));
    sql(QStringLiteral("INSERT INTO tipus (tipus_nev) VALUES ('Középület')"));
    sql(QStringLiteral(
        "INSERT INTO terv (Tervszam, datum, Cim, Helyszin, tervjel, szur, Levelezes, tervezo, "
        "szakag, tervfajta, tervszakasz, ugyfel, tipus) SELECT 'T-10', '2024-05-06', "
        "'Városháza felújítása', 'Fő tér 1.', 'VH', 'N', 'N', (SELECT max(tervezo) FROM "
        "tervezo), (SELECT max(szakag) FROM szakag), (SELECT max(tervfajta) FROM tervfajta), "
        "(SELECT max(tervszakasz) FROM tervszakasz), (SELECT max(ugyfel) FROM ugyfel), "
        "(SELECT max(tipus) FROM tipus)"));
    sql(QStringLiteral("INSERT INTO terv (Tervszam, datum, Cim, szur, Levelezes) VALUES "
                       "('T-02', '2020-01-01', 'Garázs', 'I', 'N')"));
    sql(QStringLiteral("INSERT INTO terv (Tervszam, datum, Cim, szur, Levelezes) VALUES "
                       "('T-05', '2022-03-04', 'Bolt', 'I', 'N')"));
    sql(QStringLiteral(
        "INSERT INTO terv_sor (terv, sor, reszmuvelet, rajzszam, pausz, irata4, irata5, "
        "dat_tkiad, tkiadva, tbent, lbent) VALUES ((SELECT terv FROM terv WHERE "
        "Tervszam='T-10'), 12, 'Homlokzat', 'R-12', 'P12', '2', '1', NULL, NULL, 'I', 'I')"));
    sql(QStringLiteral(
        "INSERT INTO terv_sor (terv, sor, reszmuvelet, rajzszam, pausz, irata4, irata5, "
        "dat_tkiad, tkiadva, dat_lkiad, lkiadva, tbent, lbent) VALUES ((SELECT terv FROM terv "
        "WHERE Tervszam='T-10'), 7, 'Alaprajzok', 'R-07', 'P7', '3', '0', '2024-06-01', "
        "'Nagy Péter', '2024-06-03', 'Kis Éva', 'N', 'N')"));
}

QString RovidDatum(int ev, int ho, int nap) {
    return QLocale().toString(QDate(ev, ho, nap), QLocale::ShortFormat);
}

// The printed texts of a body band, element by element.
QStringList Szovegek(const Riport::Sav& s) {
    QStringList l;
    for (const Elem& e : s.elemek)
        if (e.fajta == Riport::ElemFajta::Szoveg)
            l << Riport::ElemSzoveg(e, s.ertekek);
    return l;
}

// The text element of a band printing `szoveg` (for the band's record).
const Elem* Keres(const Riport::Sav& s, const QString& szoveg) {
    for (const Elem& e : s.elemek)
        if (e.fajta == Riport::ElemFajta::Szoveg && Riport::ElemSzoveg(e, s.ertekek) == szoveg)
            return &e;
    return nullptr;
}

// Positions of a text: left, top, width.
struct Hely {
    QString szoveg;
    double bal, fent, szel;
    Betu betu;
};

void HelyekEllenoriz(const Riport::Sav& s, const QList<Hely>& helyek) {
    for (const Hely& h : helyek) {
        const Elem* e = Keres(s, h.szoveg);
        QVERIFY2(e, qPrintable(h.szoveg));
        QCOMPARE(e->bal, h.bal);
        QCOMPARE(e->fent, h.fent);
        QCOMPARE(e->szel, h.szel);
        QCOMPARE(e->mag, Riport::SzovegMagassag);
        QVERIFY2(e->betu == h.betu, qPrintable(h.szoveg));
        QVERIFY(!e->tordel);
    }
}

QList<double> Vonalak(const Riport::Sav& s, double hossz) {
    QList<double> l;
    for (const Elem& e : s.elemek)
        if (e.fajta == Riport::ElemFajta::Vonal && e.szel == hossz)
            l << e.fent;
    return l;
}

const Betu Dolt8{QStringLiteral("Tahoma"), 8, false, true};
const Betu Sima8{QStringLiteral("Tahoma"), 8, false, false};
const Betu Dolt9{QStringLiteral("Tahoma"), 9, false, true};
const Betu Felkover9{QStringLiteral("Tahoma"), 9, true, false};
const Betu Cim16{QStringLiteral("Tahoma"), 16, true, false};

} // namespace

class TstTervRiport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listaFejlec();
    void listaReszlet();
    void listaSorrendEsSzuro_data();
    void listaSorrendEsSzuro();
    void adatlapFejlec();
    void adatlapSorok();
    void adatlapUres_data();
    void adatlapUres();
    void uresListaEgyLap();
    void listaPdf();
    void adatlapPdf();
    void akciokKimenet_data();
    void akciokKimenet();
    void csvSzurtLista();

private:
    Tfrm_Main* ablak();

    std::unique_ptr<Teszt::ProgramKornyezet> m_prog;
    std::unique_ptr<Kapcsolat> m_k;
    std::unique_ptr<TervListaModell> m_lista;
    std::unique_ptr<Tfrm_Main> m_w;
    QList<Riport::Dokumentum> m_kapott;
    QList<bool> m_azonnal;
};

void TstTervRiport::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
}

void TstTervRiport::init() {
    UzenetTeszt::bekapcsol();
    m_prog = std::make_unique<Teszt::ProgramKornyezet>();
    m_k = std::make_unique<Kapcsolat>(QStringLiteral("riport"));
    m_k->nyit(m_prog->forras());
    Adatok(*m_k);
    m_lista = std::make_unique<TervListaModell>(*m_k);
    m_lista->nyit(QStringLiteral("tervszam"), false);
    RiportKimenet::setTesztKezelo([this](const Riport::Dokumentum& d, bool azonnal) {
        m_kapott << d;
        m_azonnal << azonnal;
    });
}

void TstTervRiport::cleanup() {
    m_w.reset();
    RiportKimenet::setTesztKezelo({});
    m_lista.reset();
    m_k.reset();
    m_prog.reset();
    m_kapott.clear();
    m_azonnal.clear();
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
    UzenetTeszt::kikapcsol();
}

Tfrm_Main* TstTervRiport::ablak() {
    m_w = m_prog->foAblak();
    return m_w.get();
}

void TstTervRiport::listaFejlec() {
    const Riport::Dokumentum d =
        TervRiport::Lista(*m_lista, QStringLiteral("Tervszám"), Oldalkeret::TulajdonosOlvas(*m_k));
    QCOMPARE(d.cim, QStringLiteral("Lista nyomtatás"));
    QCOMPARE(d.azonosito, QStringLiteral("qrLista"));
    const Riport::Sav& f = d.fejlec;
    QCOMPARE(f.magassag, 28.8);
    QVERIFY(f.ezustAlul > 0);
    HelyekEllenoriz(
        f, {{QStringLiteral("Sorrend: Tervszám"), 0.0, 9.3, 120, {"Tahoma", 10, false, true}},
            {QStringLiteral("tervszám"), 0.0, 22.5, 18.9, Dolt8},
            {QStringLiteral("dátum"), 19.8, 22.5, 20.2, Dolt8},
            {QStringLiteral("tervező"), 41.0, 22.5, 25.5, Dolt8},
            {QStringLiteral("szakág"), 67.5, 22.5, 26.8, Dolt8},
            {QStringLiteral("tervjel"), 95.2, 22.5, 18.9, Dolt8},
            {QStringLiteral("terv fajta"), 115.1, 22.5, 18.9, Dolt8},
            {QStringLiteral("terv szakasz"), 134.9, 22.5, 18.9, Dolt8},
            {QStringLiteral("ügyfél"), 154.8, 22.5, 34.7, Dolt8}});
    const Elem* cim = Keres(f, QStringLiteral("Egyszerű lista"));
    QVERIFY(cim);
    QCOMPARE(cim->bal, 0.0);
    QCOMPARE(cim->fent, 1.3);
    QCOMPARE(cim->betu, Cim16);
    QCOMPARE(Vonalak(f, 69.1), (QList<double>{0.0, 21.5}));
    // The owner box at the list's tops.
    QCOMPARE(Vonalak(f, Oldalkeret::TulajdonosVonalHossz), (QList<double>{1.3, 21.5}));
    const QList<QPair<QString, double>> tulajdonos{
        {Ceg.nev, 2.6}, {Ceg.varos, 7.9}, {Ceg.cim, 11.9}, {Ceg.telefon, 15.9}};
    for (const auto& [szoveg, fent] : tulajdonos) {
        const Elem* e = Keres(f, szoveg);
        QVERIFY2(e, qPrintable(szoveg));
        QCOMPARE(e->fent, fent);
        QCOMPARE(e->igazitas, Qt::AlignRight);
    }
    // The common footer with the list's title and identifier.
    QVERIFY(Keres(d.lablec, QStringLiteral("Lista nyomtatás")));
    QVERIFY(Keres(d.lablec, QStringLiteral("qrLista")));
    QCOMPARE(d.lablec.magassag, 14.6);
}

void TstTervRiport::listaReszlet() {
    const Riport::Dokumentum d =
        TervRiport::Lista(*m_lista, QStringLiteral("Tervszám"), Oldalkeret::TulajdonosOlvas(*m_k));
    QCOMPARE(d.torzs.size(), 3);
    // T-02 (no client, type or designer), T-05, T-10 (everything).
    const Riport::Sav& teljes = d.torzs.at(2);
    QCOMPARE(teljes.magassag, 11.9);
    QVERIFY(teljes.ezustAlul > 0);
    QCOMPARE(teljes.fajta, Riport::SavFajta::Reszlet);
    HelyekEllenoriz(teljes, {{QStringLiteral("T-10"), 0.0, 1.3, 18.9, Sima8},
                             {RovidDatum(2024, 5, 6), 19.8, 1.3, 20.2, Sima8},
                             {QStringLiteral("Kovács Anna"), 41.0, 1.3, 25.5, Sima8},
                             {QStringLiteral("Statika"), 67.5, 1.3, 26.8, Sima8},
                             {QStringLiteral("VH"), 95.2, 1.3, 18.9, Sima8},
                             {QStringLiteral("Kiviteli"), 115.1, 1.3, 18.9, Sima8},
                             {QStringLiteral("Végleges"), 134.9, 1.3, 18.9, Sima8},
                             {QStringLiteral("Város Önkormányzata"), 154.8, 1.3, 34.7, Sima8},
                             {QStringLiteral("Városháza felújítása"), 0.0, 6.6, 74.4, Sima8},
                             {QStringLiteral("típus"), 75.4, 6.6, 18.9, Dolt8},
                             {QStringLiteral("Középület"), 95.2, 6.6, 34.7, Sima8},
                             {QStringLiteral("helyszín"), 134.9, 6.6, 18.9, Dolt8},
                             {QStringLiteral("Fő tér 1."), 154.8, 6.6, 34.7, Sima8}});
    QCOMPARE(Szovegek(teljes).size(), 13);
    // Empty boxes where the plan has no client, type or designer.
    QCOMPARE(Szovegek(d.torzs.at(0)), (QStringList{"T-02", RovidDatum(2020, 1, 1), "", "", "", "",
                                                   "", "", "Garázs", "típus", "", "helyszín", ""}));
}

void TstTervRiport::listaSorrendEsSzuro_data() {
    QTest::addColumn<QString>("oszlop");
    QTest::addColumn<QString>("cimke");
    QTest::addColumn<bool>("szurt");
    QTest::addColumn<QStringList>("tervek");
    QTest::newRow("plan number") << "tervszam"
                                 << "Tervszám" << false << QStringList{"T-02", "T-05", "T-10"};
    QTest::newRow("date, newest last") << "datum"
                                       << "dátum" << false << QStringList{"T-02", "T-05", "T-10"};
    QTest::newRow("subject") << "Cim"
                             << "tárgy" << false << QStringList{"T-05", "T-02", "T-10"};
    QTest::newRow("filter on: marked plans only") << "Cim"
                                                  << "tárgy" << true << QStringList{"T-05", "T-02"};
}

void TstTervRiport::listaSorrendEsSzuro() {
    QFETCH(QString, oszlop);
    QFETCH(QString, cimke);
    QFETCH(bool, szurt);
    QFETCH(QStringList, tervek);
    m_k->sql(QStringLiteral("UPDATE terv SET datum='2019-01-01' WHERE Tervszam='T-02'"));
    m_lista->nyit(oszlop, szurt);
    const Riport::Dokumentum d = TervRiport::Lista(*m_lista, cimke, {});
    QVERIFY(Keres(d.fejlec, QStringLiteral("Sorrend: ") + cimke));
    QStringList kapott;
    for (const Riport::Sav& s : d.torzs)
        kapott << Szovegek(s).value(0);
    QCOMPARE(kapott, tervek);
}

void TstTervRiport::adatlapFejlec() {
    QSqlQuery q = m_k->sql(QStringLiteral("SELECT terv FROM terv WHERE Tervszam='T-10'"));
    QVERIFY(q.next());
    const int tervSor = m_lista->sorKulcsa(q.value(0).toInt());
    QCOMPARE(tervSor, 2);
    const Riport::Dokumentum d =
        TervRiport::Adatlap(*m_k, *m_lista, tervSor, Oldalkeret::TulajdonosOlvas(*m_k));
    QCOMPARE(d.cim, QStringLiteral("Lista nyomtatás"));
    QCOMPARE(d.azonosito, QStringLiteral("qrListaReszl"));
    const Riport::Sav& f = d.fejlec;
    QCOMPARE(f.magassag, 39.4);
    const Elem* cim = Keres(f, QStringLiteral("Adatlap"));
    QVERIFY(cim);
    QCOMPARE(cim->betu, Cim16);
    QCOMPARE(Vonalak(f, 137.9), (QList<double>{0.0, 30.8}));
    QCOMPARE(Vonalak(f, Oldalkeret::TulajdonosVonalHossz), (QList<double>{0.0, 20.2}));
    QCOMPARE(Keres(f, Ceg.nev)->fent, 1.3);
    QCOMPARE(Keres(f, Ceg.varos)->fent, 6.6);
    QCOMPARE(Keres(f, Ceg.cim)->fent, 10.6);
    QCOMPARE(Keres(f, Ceg.telefon)->fent, 14.6);
    HelyekEllenoriz(f, {{QStringLiteral("tervszám"), 23.8, 4.0, 20.2, Dolt9},
                        {QStringLiteral("T-10"), 45.0, 4.0, 33.4, Felkover9},
                        {QStringLiteral("dátum"), 79.4, 4.0, 20.2, Dolt9},
                        {RovidDatum(2024, 5, 6), 100.5, 4.0, 36.0, Felkover9},
                        {QStringLiteral("tárgy"), 1.3, 9.3, 20.2, Dolt9},
                        {QStringLiteral("Városháza felújítása"), 22.5, 9.3, 114.1, Felkover9},
                        {QStringLiteral("tervező"), 1.3, 14.6, 20.2, Dolt9},
                        {QStringLiteral("Kovács Anna"), 22.5, 14.6, 48.0, Felkover9},
                        {QStringLiteral("szakág"), 71.4, 14.6, 20.2, Dolt9},
                        {QStringLiteral("Statika"), 92.6, 14.6, 44.0, Felkover9},
                        {QStringLiteral("terv fajta"), 1.3, 19.8, 20.2, Dolt9},
                        {QStringLiteral("Kiviteli"), 22.5, 19.8, 48.0, Felkover9},
                        {QStringLiteral("tervjel"), 71.4, 19.8, 20.2, Dolt9},
                        {QStringLiteral("VH"), 92.6, 19.8, 44.0, Felkover9},
                        {QStringLiteral("terv szakasz"), 1.3, 25.1, 20.2, Dolt9},
                        {QStringLiteral("Végleges"), 22.5, 25.1, 48.0, Felkover9},
                        {QStringLiteral("ügyfél"), 71.4, 25.1, 20.2, Dolt9},
                        {QStringLiteral("Város Önkormányzata"), 92.6, 25.1, 44.0, Felkover9},
                        {QStringLiteral("sor"), 0.0, 34.4, 9.6, Dolt9},
                        {QStringLiteral("részművelet"), 10.6, 34.4, 94.3, Dolt9},
                        {QStringLiteral("rajzszám"), 105.8, 34.4, 20.2, Dolt9},
                        {QStringLiteral("pausz"), 127.0, 34.4, 20.2, Dolt9},
                        {QStringLiteral("irat A4"), 148.2, 34.4, 20.2, Dolt9},
                        {QStringLiteral("irat A3"), 169.3, 34.4, 20.2, Dolt9}});
    // Site, type and notes are not printed.
    QVERIFY(!Keres(f, QStringLiteral("Fő tér 1.")));
    QVERIFY(!Keres(f, QStringLiteral("Középület")));
}

void TstTervRiport::adatlapSorok() {
    QSqlQuery q = m_k->sql(QStringLiteral("SELECT terv FROM terv WHERE Tervszam='T-10'"));
    QVERIFY(q.next());
    const Riport::Dokumentum d = TervRiport::Adatlap(
        *m_k, *m_lista, m_lista->sorKulcsa(q.value(0).toInt()), Oldalkeret::TulajdonosOlvas(*m_k));
    // By line number: 7 (out, with two digits) before 12 (in the office).
    QCOMPARE(d.torzs.size(), 2);
    const Riport::Sav& kint = d.torzs.at(0);
    QCOMPARE(kint.magassag, 11.9);
    QVERIFY(kint.ezustAlul > 0);
    HelyekEllenoriz(kint, {{QStringLiteral("07"), 0.0, 1.3, 9.6, Sima8},
                           {QStringLiteral("Alaprajzok"), 10.6, 1.3, 94.3, Sima8},
                           {QStringLiteral("R-07"), 105.8, 1.3, 20.2, Sima8},
                           {QStringLiteral("P7"), 127.0, 1.3, 20.2, Sima8},
                           {QStringLiteral("3"), 148.2, 1.3, 20.2, Sima8},
                           {QStringLiteral("0"), 169.3, 1.3, 20.2, Sima8},
                           {QStringLiteral("tervrajz"), 2.6, 6.6, 16.2, Dolt8},
                           {RovidDatum(2024, 6, 1), 19.8, 6.6, 20.2, Sima8},
                           {QStringLiteral("Nagy Péter"), 41.0, 6.6, 37.4, Sima8},
                           {QStringLiteral("levelezés"), 113.8, 6.6, 16.2, Dolt8},
                           {RovidDatum(2024, 6, 3), 131.0, 6.6, 20.2, Sima8},
                           {QStringLiteral("Kis Éva"), 152.1, 6.6, 37.4, Sima8}});
    // The drawing set in the office: empty date and holder.
    QCOMPARE(Szovegek(d.torzs.at(1)), (QStringList{"12", "Homlokzat", "R-12", "P12", "2", "1",
                                                   "tervrajz", "", "", "levelezés", "", ""}));
}

void TstTervRiport::adatlapUres_data() {
    QTest::addColumn<QString>("terv"); // empty: the list is empty
    QTest::newRow("plan without lines") << "T-05";
    QTest::newRow("empty plan list") << "";
}

void TstTervRiport::adatlapUres() {
    QFETCH(QString, terv);
    int sor = -1;
    if (terv.isEmpty()) {
        m_k->sql(QStringLiteral("UPDATE terv SET szur='N'"));
        m_lista->nyit(QStringLiteral("tervszam"), true);
        QCOMPARE(m_lista->rowCount(), 0);
    } else {
        QSqlQuery q = m_k->sql(QStringLiteral("SELECT terv FROM terv WHERE Tervszam=:t"),
                               {{QStringLiteral("t"), terv}});
        QVERIFY(q.next());
        sor = m_lista->sorKulcsa(q.value(0).toInt());
    }
    const Riport::Dokumentum d =
        TervRiport::Adatlap(*m_k, *m_lista, sor, Oldalkeret::TulajdonosOlvas(*m_k));
    QVERIFY(d.torzs.isEmpty());
    QCOMPARE(d.tordel().size(), 1);
    const Elem* tervszam = Keres(d.fejlec, QStringLiteral("tervszám"));
    QVERIFY(tervszam);
    // The value beside the label: the plan's number, or nothing.
    bool megvan = false;
    for (const Elem& e : d.fejlec.elemek)
        if (e.fent == 4.0 && e.bal == 45.0) {
            QCOMPARE(e.szoveg, terv);
            megvan = true;
        }
    QVERIFY(megvan);
    QCOMPARE(Keres(d.fejlec, QStringLiteral("Bolt")) != nullptr, !terv.isEmpty());
}

void TstTervRiport::uresListaEgyLap() {
    m_k->sql(QStringLiteral("UPDATE terv SET szur='N'"));
    m_lista->nyit(QStringLiteral("tervszam"), true);
    const Riport::Dokumentum d = TervRiport::Lista(*m_lista, QStringLiteral("Tervszám"), Ceg);
    QVERIFY(d.torzs.isEmpty());
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("ures.pdf"));
    QVERIFY(RiportKimenet::PdfIr(d, fajl));
    const QString t = Teszt::PdfSzoveg(fajl, 1);
    for (const char* s : {"Egyszerű lista", "Sorrend: Tervszám", "tervszám", "Kőfal Tervező Kft.",
                          "Lista nyomtatás", "qrLista", "oldal: 1"})
        QVERIFY2(t.contains(QString::fromUtf8(s)), s);
    QVERIFY(Teszt::PdfSzoveg(fajl, 2).startsWith(QLatin1String("<")));
}

void TstTervRiport::listaPdf() {
    // 60 plans more: three pages of (277 - 28.8 - 14.6) / 11.9 = 19 plans.
    for (int i = 0; i < 60; ++i)
        m_k->sql(QStringLiteral("INSERT INTO terv (Tervszam, Cim, szur, Levelezes) VALUES "
                                "(:s, :c, 'N', 'N')"),
                 {{QStringLiteral("s"), QStringLiteral("X-%1").arg(i, 3, 10, QLatin1Char('0'))},
                  {QStringLiteral("c"), QStringLiteral("Tárgy %1").arg(i)}});
    m_lista->nyit(QStringLiteral("tervszam"), false);
    const Riport::Dokumentum d = TervRiport::Lista(*m_lista, QStringLiteral("Tervszám"), Ceg);
    const QList<Riport::Lap> lapok = d.tordel();
    QCOMPARE(lapok.size(), 4);
    QCOMPARE(lapok.at(0).db, 19);
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("lista.pdf"));
    QVERIFY(RiportKimenet::PdfIr(d, fajl));
    for (int lap = 1; lap <= 4; ++lap) {
        const QString t = Teszt::PdfSzoveg(fajl, lap);
        for (const QString& s :
             {QStringLiteral("Egyszerű lista"), QStringLiteral("Sorrend: Tervszám"),
              QStringLiteral("terv szakasz"), Ceg.telefon, QStringLiteral("qrLista"),
              QStringLiteral("oldal: %1").arg(lap), Oldalkeret::KeszitoWeb})
            QVERIFY2(t.contains(s),
                     qPrintable(QStringLiteral("page %1: %2\n%3").arg(lap).arg(s, t)));
    }
    const QString elso = Teszt::PdfSzoveg(fajl, 1);
    QVERIFY(elso.contains(QStringLiteral("T-02")));
    QVERIFY(elso.contains(QStringLiteral("Városháza felújítása")));
    QVERIFY(elso.contains(QStringLiteral("Város Önkormányzata")));
    QVERIFY(Teszt::PdfSzoveg(fajl, 4).contains(QStringLiteral("X-059")));
}

void TstTervRiport::adatlapPdf() {
    QSqlQuery q = m_k->sql(QStringLiteral("SELECT terv FROM terv WHERE Tervszam='T-10'"));
    QVERIFY(q.next());
    const Riport::Dokumentum d =
        TervRiport::Adatlap(*m_k, *m_lista, m_lista->sorKulcsa(q.value(0).toInt()), Ceg);
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("adatlap.pdf"));
    QVERIFY(RiportKimenet::PdfIr(d, fajl));
    const QString t = Teszt::PdfSzoveg(fajl, 1);
    for (const char* s : {"Adatlap", "T-10", "Városháza felújítása", "Kovács Anna", "részművelet",
                          "07", "Alaprajzok", "Nagy Péter", "Kis Éva", "Homlokzat", "12",
                          "qrListaReszl", "Lista nyomtatás", "oldal: 1", "Kőfal Tervező Kft."})
        QVERIFY2(t.contains(QString::fromUtf8(s)), qPrintable(QString::fromUtf8(s) + "\n" + t));
    // Line 7 before line 12.
    QVERIFY(t.indexOf(QStringLiteral("Alaprajzok")) < t.indexOf(QStringLiteral("Homlokzat")));
}

void TstTervRiport::akciokKimenet_data() {
    QTest::addColumn<QString>("akcio");
    QTest::addColumn<int>("opcio");
    QTest::addColumn<QString>("azonosito"); // of the report handed on; empty: none
    QTest::addColumn<QString>("csv");       // the proposed file of the export; empty: none
    QTest::newRow("list: preview") << "aNyomtat" << 0 << "qrLista"
                                   << "";
    QTest::newRow("list: print") << "aNyomtat" << 1 << "qrLista"
                                 << "";
    QTest::newRow("list: CSV") << "aNyomtat" << 2 << ""
                               << "lista.csv";
    QTest::newRow("list: Mégsem") << "aNyomtat" << -1 << ""
                                  << "";
    QTest::newRow("sheet: preview") << "aNyomAdatlap" << 0 << "qrListaReszl"
                                    << "";
    QTest::newRow("sheet: print") << "aNyomAdatlap" << 1 << "qrListaReszl"
                                  << "";
    QTest::newRow("sheet: CSV") << "aNyomAdatlap" << 2 << ""
                                << "adatlap.csv";
    QTest::newRow("sheet: Mégsem") << "aNyomAdatlap" << -1 << ""
                                   << "";
}

void TstTervRiport::akciokKimenet() {
    QFETCH(QString, akcio);
    QFETCH(int, opcio);
    QFETCH(QString, azonosito);
    QFETCH(QString, csv);
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    QCOMPARE(w->Akcio(QStringLiteral("aNyomtat"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QCOMPARE(w->Akcio(QStringLiteral("aNyomAdatlap"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QSqlQuery q = m_k->sql(QStringLiteral("SELECT terv FROM terv WHERE Tervszam='T-10'"));
    QVERIFY(q.next());
    QVERIFY(w->TervKeres(q.value(0).toInt()));
    QString javasolt;
    const auto v = Teszt::Kimenet(opcio, [&javasolt](Tfrm_Hatarolt* h) {
        javasolt = h->findChild<QLineEdit*>(QStringLiteral("edtFilenev"))->text();
        h->reject();
    });
    QVERIFY(Teszt::Indit(*w, akcio));
    QCOMPARE(javasolt, csv);
    QCOMPARE(m_kapott.size(), azonosito.isEmpty() ? 0 : 1);
    if (azonosito.isEmpty())
        return;
    const Riport::Dokumentum& d = m_kapott.first();
    QCOMPARE(d.azonosito, azonosito);
    QCOMPARE(m_azonnal.first(), opcio == 1);
    if (akcio == QLatin1String("aNyomtat")) {
        QCOMPARE(d.torzs.size(), 3);
        QVERIFY(Keres(d.fejlec, QStringLiteral("Sorrend: Tervszám")));
    } else {
        QVERIFY(Keres(d.fejlec, QStringLiteral("Városháza felújítása")));
        QCOMPARE(d.torzs.size(), 2);
    }
}

void TstTervRiport::csvSzurtLista() {
    // With the filter on and the list ordered by date, the export holds the
    // marked plans in that order, as the printed list does.
    Tfrm_Main* w = ablak();
    QVERIFY(w);
    w->Rendez(QStringLiteral("datum"), QStringLiteral("dátum"));
    QVERIFY(Teszt::Indit(*w, QStringLiteral("aSzur")));
    QCOMPARE(w->Qry->rowCount(), 2);
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("lista.csv"));
    const auto csv = Teszt::Kimenet(2, [&fajl](Tfrm_Hatarolt* h) {
        h->findChild<QLineEdit*>(QStringLiteral("edtFilenev"))->setText(fajl);
        h->exportIndit();
        h->reject();
    });
    QVERIFY(Teszt::Indit(*w, QStringLiteral("aNyomtat")));
    QVERIFY(UzenetTeszt::ablakok().size() == 1);
    QVERIFY(UzenetTeszt::ablakok().first().szoveg.endsWith(QStringLiteral(" file export kész.")));
    QFile f(fajl);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> sorok = f.readAll().split('\n');
    QCOMPARE(sorok.size(), 4); // heading, two plans, the end of the last line
    QVERIFY(sorok.at(1).contains("T-02"));
    QVERIFY(sorok.at(2).contains("T-05"));

    const auto kep = Teszt::Kimenet(0);
    QVERIFY(Teszt::Indit(*w, QStringLiteral("aNyomtat")));
    QCOMPARE(m_kapott.size(), 1);
    QVERIFY(Keres(m_kapott.first().fejlec, QStringLiteral("Sorrend: dátum")));
    QStringList tervek;
    for (const Riport::Sav& s : m_kapott.first().torzs)
        tervek << Szovegek(s).value(0);
    QCOMPARE(tervek, (QStringList{"T-02", "T-05"}));
}

QTEST_MAIN(TstTervRiport)
#include "tst_tervriport.moc"
