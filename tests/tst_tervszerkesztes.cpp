// Editing the register: the plan dialog (new, edit, cancel, pick lists,
// keyboard), deleting a plan, and the lines of a plan (numbering, the line
// dialog, delete with renumbering in one transaction).

#include "kapcsolat.h"
#include "modalis.h"
#include "parbeszed.h"
#include "tablamodell.h"
#include "terv/tervfolyamatok.h"
#include "terv/tervmuveletek.h"
#include "terv/tfrm_sorszerkeszt.h"
#include "terv/tfrm_szerkeszt.h"
#include "tesztadat.h"
#include "tesztkornyezet.h"
#include "uzenetteszt.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using Ablak = UzenetTeszt::Ablak;
using Fajta = UzenetTeszt::Fajta;
using Rekord = QMap<QString, QVariant>;
using SorLista = QList<QPair<QVariant, QString>>; // (sor, reszmuvelet)

namespace {

const QString Kerdes = QStringLiteral("Valóban töröljem a sort?");
const Ablak TorlesKerdes{Fajta::Kerdes, QStringLiteral("Megerősítés"), Kerdes};
const QColor Fokusz(166, 202, 240);

void kattint(QWidget* w) {
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Return);
}

} // namespace

class TstTervSzerkesztes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void szuresJeloles();
    void karakterHatarGepelve();
    void init();
    void cleanup();

    // plans
    void listakSorrendje_data();
    void listakSorrendje();
    void ujTerv_data();
    void ujTerv();
    void szerkesztes();
    void csakDatum();
    void uresDatum();
    void megsem_data();
    void megsem();
    void valasztoGombok_data();
    void valasztoGombok();
    void tervBillentyuzet();
    void tervTarolasHiba_data();
    void tervTarolasHiba();
    void kozbenToroltTerv();
    void tervTorles_data();
    void tervTorles();

    // lines
    void ujSorok();
    void sorSzerkesztes();
    void sorMegsem_data();
    void sorMegsem();
    void sorHianyzik_data();
    void sorHianyzik();
    void sorTorles_data();
    void sorTorles();
    void sorTorlesVisszagorgetes_data();
    void sorTorlesVisszagorgetes();
    void sorTarolasHiba();
    void sorBillentyuzet();

private:
    int beszur(const QString& sql, const QVariantMap& p = {});
    int torzs(const QString& tabla, const QString& nev);
    int torzsKulcs(const QString& tabla, const QString& nev);
    Rekord terv(int kulcs);
    int tervekSzama();
    void sorBe(int terv, const QVariant& sor, const QString& resz);
    SorLista sorok(int terv);
    QList<Rekord> sorRekordok();
    QList<Rekord> kiadasok();
    void sorokNyit(int terv);
    int sorSora(int sor);

    std::unique_ptr<Teszt::AdatMappa> m_mappa;
    std::unique_ptr<Kapcsolat> m_k;
    std::unique_ptr<TablaModell> m_sor;
    int m_terv = 0;  // a plan with every field filled
    int m_terv2 = 0; // another plan, with lines of its own
    TorzsValaszto m_nincsValasztas;
};

// ------------------------------------------------------------------ fixture

void TstTervSzerkesztes::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
}

int TstTervSzerkesztes::beszur(const QString& sql, const QVariantMap& p) {
    m_k->sql(sql, p);
    return int(m_k->utolsoKulcs());
}

int TstTervSzerkesztes::torzs(const QString& tabla, const QString& nev) {
    return beszur(QStringLiteral("INSERT INTO %1 (%1_nev) VALUES (:n)").arg(tabla),
                  {{QStringLiteral("n"), nev}});
}

int TstTervSzerkesztes::torzsKulcs(const QString& tabla, const QString& nev) {
    QSqlQuery q = m_k->sql(QStringLiteral("SELECT %1 FROM %1 WHERE %1_nev=:n").arg(tabla),
                           {{QStringLiteral("n"), nev}});
    return q.next() ? q.value(0).toInt() : -1;
}

Rekord TstTervSzerkesztes::terv(int kulcs) {
    return Teszt::Rekordok(*m_k, QStringLiteral("SELECT * FROM terv WHERE Terv=:t"),
                           {{QStringLiteral("t"), kulcs}})
        .value(0);
}

int TstTervSzerkesztes::tervekSzama() {
    QSqlQuery q = m_k->sql(QStringLiteral("SELECT count(*) FROM terv"));
    return q.next() ? q.value(0).toInt() : -1;
}

void TstTervSzerkesztes::sorBe(int terv, const QVariant& sor, const QString& resz) {
    m_k->sql(
        QStringLiteral("INSERT INTO terv_sor (terv, sor, reszmuvelet, tbent, lbent) "
                       "VALUES (:t, :s, :r, 'I', 'I')"),
        {{QStringLiteral("t"), terv}, {QStringLiteral("s"), sor}, {QStringLiteral("r"), resz}});
}

SorLista TstTervSzerkesztes::sorok(int terv) {
    QSqlQuery q =
        m_k->sql(QStringLiteral("SELECT sor, reszmuvelet FROM terv_sor WHERE terv=:t ORDER BY sor"),
                 {{QStringLiteral("t"), terv}});
    SorLista l;
    while (q.next())
        l.append({q.value(0), q.value(1).toString()});
    return l;
}

QList<Rekord> TstTervSzerkesztes::sorRekordok() {
    return Teszt::Rekordok(*m_k, QStringLiteral("SELECT * FROM terv_sor ORDER BY terv, sor"));
}

QList<Rekord> TstTervSzerkesztes::kiadasok() {
    return Teszt::Rekordok(*m_k, QStringLiteral("SELECT * FROM tervkiad ORDER BY tervkiad"));
}

// The main window's line table on the lines of `terv`.
void TstTervSzerkesztes::sorokNyit(int terv) {
    m_sor = std::make_unique<TablaModell>(*m_k, QStringLiteral("terv_sor.DB"));
    m_sor->setFilter(QStringLiteral("terv=%1").arg(terv));
    m_sor->megnyit();
}

int TstTervSzerkesztes::sorSora(int sor) {
    return m_sor->keres(QStringLiteral("sor"), sor);
}

void TstTervSzerkesztes::init() {
    UzenetTeszt::bekapcsol();
    m_mappa = std::make_unique<Teszt::AdatMappa>();
    m_k = std::make_unique<Kapcsolat>();
    m_k->nyit(m_mappa->forras());
    // Clients and types are listed in key order, the others by name.
    for (const char* n : {"Zöld Kft", "Alfa Bt", "béta"})
        torzs(QStringLiteral("ugyfel"), QString::fromUtf8(n));
    for (const char* n : {"Lakóház", "Iroda"})
        torzs(QStringLiteral("tipus"), QString::fromUtf8(n));
    for (const char* n : {"Kovács Ödön", "ábel", "Cecil", "kovács anna", "Csaba", "abel", "Dávid"})
        torzs(QStringLiteral("tervezo"), QString::fromUtf8(n));
    for (const char* n : {"statika", "Építész", "gépész"})
        torzs(QStringLiteral("szakag"), QString::fromUtf8(n));
    for (const char* n : {"Kiviteli", "engedélyezési"})
        torzs(QStringLiteral("tervfajta"), QString::fromUtf8(n));
    for (const char* n : {"II. ütem", "I. ütem"})
        torzs(QStringLiteral("tervszakasz"), QString::fromUtf8(n));
    m_terv = beszur(QStringLiteral(
        "INSERT INTO terv (Tervszam, Cim, Ugyfel, Helyszin, Tipus, Levelezes, Megjegyzes, datum, "
        "tervezo, szakag, tervfajta, tervszakasz, tervjel, szur) VALUES ('T-100', 'Iskola', 2, "
        "'Győr', 1, 'I', 'első sor', '2023-04-17', 3, 2, 1, 2, 'TJ-1', 'I')"));
    m_terv2 = beszur(QStringLiteral("INSERT INTO terv (Tervszam) VALUES ('T-200')"));
    m_nincsValasztas = [](TorzsFajta, int) { return -1; };
}

void TstTervSzerkesztes::cleanup() {
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
    QCOMPARE(UzenetTeszt::maradekValasz(), 0);
    m_sor.reset();
    m_k.reset();
    m_mappa.reset();
    UzenetTeszt::kikapcsol();
}

// ------------------------------------------------------------------ plans

void TstTervSzerkesztes::listakSorrendje_data() {
    QTest::addColumn<int>("fajta");
    QTest::addColumn<QStringList>("nevek");
    QTest::newRow("clients, key order")
        << int(TorzsFajta::Ugyfel) << QStringList{"Zöld Kft", "Alfa Bt", "béta"};
    QTest::newRow("types, key order") << int(TorzsFajta::Tipus) << QStringList{"Lakóház", "Iroda"};
    QTest::newRow("designers, Hungarian name order")
        << int(TorzsFajta::Tervezo)
        << QStringList{"abel", "ábel", "Cecil", "Csaba", "Dávid", "kovács anna", "Kovács Ödön"};
    QTest::newRow("disciplines") << int(TorzsFajta::Szakag)
                                 << QStringList{"Építész", "gépész", "statika"};
    QTest::newRow("plan kinds") << int(TorzsFajta::Tervfajta)
                                << QStringList{"engedélyezési", "Kiviteli"};
    QTest::newRow("plan stages") << int(TorzsFajta::Tervszakasz)
                                 << QStringList{"I. ütem", "II. ütem"};
}

void TstTervSzerkesztes::listakSorrendje() {
    QFETCH(int, fajta);
    QFETCH(QStringList, nevek);
    const TervHivatkozas& h = TervHivatkozasa(TorzsFajta(fajta));
    QList<TorzsTetel> vart;
    for (const QString& n : nevek)
        vart.append({torzsKulcs(Torzs(h.fajta).tabla, n), n});
    QCOMPARE(TorzsTetelek(*m_k, h), vart);

    // The dialog's list shows them behind an empty entry.
    TablaModell tbl(*m_k, QStringLiteral("terv"));
    tbl.megnyit();
    Tfrm_Szerkeszt d(*m_k, tbl, 0, m_nincsValasztas);
    KulcsValaszto* lista = nullptr;
    for (int i = 0; i < TervHivatkozasok().size(); ++i)
        if (TervHivatkozasok()[i].fajta == h.fajta)
            lista = d.Listak.at(i);
    QVERIFY(lista);
    QStringList latszik;
    for (int i = 0; i < lista->count(); ++i)
        latszik << lista->itemText(i);
    QCOMPARE(latszik, QStringList{QString()} + nevek);
}

void TstTervSzerkesztes::ujTerv_data() {
    QTest::addColumn<bool>("uj");
    QTest::addColumn<bool>("uresLista");
    QTest::newRow("Új on a plan") << true << false;
    QTest::newRow("Új on an empty list") << true << true;
    QTest::newRow("Szerkeszt on an empty list") << false << true;
}

void TstTervSzerkesztes::ujTerv() {
    QFETCH(bool, uj);
    QFETCH(bool, uresLista);
    const int elotte = tervekSzama();
    const Rekord regi = terv(m_terv);
    const QString furcsa = QStringLiteral("'); DROP TABLE terv;--");
    const int csaba = torzsKulcs(QStringLiteral("tervezo"), QStringLiteral("Csaba"));
    auto m = Teszt::Modalisban<Tfrm_Szerkeszt>([&](Tfrm_Szerkeszt* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Szerkesztés"));
        QCOMPARE(d->size(), QSize(517, 316));
        QCOMPARE(d->PageControl1->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), d->edtTervszam);
        for (QLineEdit* e : {d->edtTervszam, d->edtCim, d->edtHelyszin, d->edtTervjel})
            QVERIFY(e->text().isEmpty());
        for (KulcsValaszto* l : d->Listak)
            QCOMPARE(l->currentIndex(), 0);
        QVERIFY(d->memMegjegyzes->toPlainText().isEmpty());
        QCOMPARE(d->dtpDatum->date(), QDate::currentDate());
        // No field is checked: a plan number that another plan has is fine.
        QTest::keyClicks(d->edtTervszam, QStringLiteral("T-100"));
        d->edtCim->setText(furcsa);
        d->cbTervezo->setCurrentIndex(d->cbTervezo->findText(QStringLiteral("Csaba")));
        d->btnOK->click();
    });
    const int kulcs = TervSzerkesztes(*m_k, uresLista ? 0 : m_terv, uj, m_nincsValasztas);
    QVERIFY(m->latta());
    QVERIFY(!m->nyitvaMaradt());
    QCOMPARE(tervekSzama(), elotte + 1);
    QVERIFY(kulcs > m_terv2);
    const Rekord r = terv(kulcs);
    QCOMPARE(r.value("Tervszam").toString(), QStringLiteral("T-100"));
    QCOMPARE(r.value("Cim").toString(), furcsa);
    QCOMPARE(r.value("tervezo").toInt(), csaba);
    QCOMPARE(r.value("Levelezes").toString(), QStringLiteral("N"));
    QCOMPARE(r.value("szur").toString(), QStringLiteral("N"));
    QCOMPARE(r.value("datum").toString(), QDate::currentDate().toString(Qt::ISODate));
    for (const char* ures : {"Ugyfel", "Helyszin", "Tipus", "Megjegyzes", "szakag", "tervfajta",
                             "tervszakasz", "tervjel"})
        QVERIFY2(r.value(ures).isNull(), ures);
    QCOMPARE(terv(m_terv), regi);
    QVERIFY(UzenetTeszt::ablakok().isEmpty());
}

void TstTervSzerkesztes::szuresJeloles() {
    // Every mark cleared; then the mark of the chosen plans only; a quote in
    // the mark stays a value.
    QCOMPARE(terv(m_terv).value("szur").toString(), QStringLiteral("I"));
    SzuresMegszuntet(*m_k);
    QCOMPARE(terv(m_terv).value("szur").toString(), QStringLiteral("N"));
    SzuresJelol(*m_k, QStringLiteral("Terv=%1").arg(m_terv2), QStringLiteral("I"));
    QCOMPARE(terv(m_terv2).value("szur").toString(), QStringLiteral("I"));
    QCOMPARE(terv(m_terv).value("szur").toString(), QStringLiteral("N"));
    SzuresJelol(*m_k, QStringLiteral("Terv=%1").arg(m_terv), QStringLiteral("'"));
    QCOMPARE(terv(m_terv).value("szur").toString(), QStringLiteral("'"));
    QCOMPARE(tervekSzama(), 2);
    SzuresMegszuntet(*m_k);
    for (int kulcs : {m_terv, m_terv2})
        QCOMPARE(terv(kulcs).value("szur").toString(), QStringLiteral("N"));
}

void TstTervSzerkesztes::karakterHatarGepelve() {
    // A plan number of 20 characters whose last is an emoji is typed whole
    // and stored whole; a 21st character is refused.
    const QString e = QString::fromUtf8("\xF0\x9F\x98\x80");
    auto m = Teszt::Modalisban<Tfrm_Szerkeszt>([&](Tfrm_Szerkeszt* d) {
        QTest::keyClicks(d->edtTervszam, QString(19, QLatin1Char('A')));
        QKeyEvent le(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, e);
        QApplication::sendEvent(d->edtTervszam, &le);
        QTest::keyClicks(d->edtTervszam, QStringLiteral("B"));
        QCOMPARE(d->edtTervszam->text(), QString(19, QLatin1Char('A')) + e);
        // The subject, 100 characters: an emoji fits as the hundredth, a
        // second one does not.
        QTest::keyClicks(d->edtCim, QString(99, QLatin1Char('c')));
        QApplication::sendEvent(d->edtCim, &le);
        QApplication::sendEvent(d->edtCim, &le);
        d->btnOK->click();
    });
    const int kulcs = TervSzerkesztes(*m_k, m_terv, true, m_nincsValasztas);
    QVERIFY(m->latta());
    const Rekord r = terv(kulcs);
    QCOMPARE(r.value("Tervszam").toString(), QString(19, QLatin1Char('A')) + e);
    QCOMPARE(r.value("Cim").toString(), QString(99, QLatin1Char('c')) + e);
}

void TstTervSzerkesztes::szerkesztes() {
    Rekord vart = terv(m_terv);
    auto m = Teszt::Modalisban<Tfrm_Szerkeszt>([&](Tfrm_Szerkeszt* d) {
        QCOMPARE(d->edtTervszam->text(), QStringLiteral("T-100"));
        QCOMPARE(d->cbUgyfel->currentText(), QStringLiteral("Alfa Bt"));
        QCOMPARE(d->cbTervezo->currentText(), QStringLiteral("Cecil"));
        QCOMPARE(d->dtpDatum->date(), QDate(2023, 4, 17));
        QCOMPARE(d->memMegjegyzes->toPlainText(), QStringLiteral("első sor"));
        d->edtCim->clear();
        d->edtHelyszin->setText(QStringLiteral("Pécs"));
        d->cbUgyfel->setCurrentIndex(0);
        d->cbTipus->setCurrentIndex(d->cbTipus->findText(QStringLiteral("Iroda")));
        d->memMegjegyzes->setPlainText(QStringLiteral("első sor\nmásodik"));
        d->btnOK->click();
    });
    QCOMPARE(TervSzerkesztes(*m_k, m_terv, false, m_nincsValasztas), m_terv);
    QVERIFY(m->latta());
    vart["Cim"] = QVariant();
    vart["Helyszin"] = QStringLiteral("Pécs");
    vart["Ugyfel"] = QVariant();
    vart["Tipus"] = torzsKulcs(QStringLiteral("tipus"), QStringLiteral("Iroda"));
    vart["Megjegyzes"] = QStringLiteral("első sor\nmásodik");
    const Rekord r = terv(m_terv);
    QCOMPARE(r.keys(), vart.keys());
    for (const QString& o : vart.keys()) {
        QCOMPARE(r[o].isNull(), vart[o].isNull());
        QCOMPARE(r[o].toString(), vart[o].toString());
    }
}

void TstTervSzerkesztes::csakDatum() {
    // Empty texts, a null and an empty string, a key that no master record
    // has, notes with Windows line ends: none of them may change.
    m_k->sql(
        QStringLiteral("UPDATE terv SET Cim=NULL, Helyszin='', tervezo=999, tervjel=NULL, "
                       "Megjegyzes=:m WHERE Terv=:t"),
        {{QStringLiteral("m"), QStringLiteral("egy\r\nkettő\r\n")}, {QStringLiteral("t"), m_terv}});
    Rekord vart = terv(m_terv);
    auto m = Teszt::Modalisban<Tfrm_Szerkeszt>([](Tfrm_Szerkeszt* d) {
        QCOMPARE(d->cbTervezo->currentIndex(), 0); // 999: shown empty
        QVERIFY(d->cbTervezo->currentText().isEmpty());
        d->dtpDatum->setDate(QDate(2024, 2, 29));
        d->btnOK->click();
    });
    QCOMPARE(TervSzerkesztes(*m_k, m_terv, false, m_nincsValasztas), m_terv);
    QVERIFY(m->latta());
    vart["datum"] = QStringLiteral("2024-02-29");
    QCOMPARE(terv(m_terv), vart);
}

void TstTervSzerkesztes::uresDatum() {
    // An empty date shows today, and what the box shows is stored.
    m_k->sql(QStringLiteral("UPDATE terv SET datum=NULL WHERE Terv=:t"),
             {{QStringLiteral("t"), m_terv}});
    QDate latott;
    auto m = Teszt::Modalisban<Tfrm_Szerkeszt>([&](Tfrm_Szerkeszt* d) {
        latott = d->dtpDatum->date();
        d->btnOK->click();
    });
    TervSzerkesztes(*m_k, m_terv, false, m_nincsValasztas);
    QCOMPARE(latott, QDate::currentDate());
    QCOMPARE(terv(m_terv).value("datum").toString(), QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(TervDatuma(QStringLiteral("nem dátum"), QDate(2020, 1, 2)), QDate(2020, 1, 2));
    QCOMPARE(TervDatuma(QStringLiteral("2019-12-31"), QDate(2020, 1, 2)), QDate(2019, 12, 31));
}

void TstTervSzerkesztes::megsem_data() {
    QTest::addColumn<int>("mod");
    QTest::newRow("Mégsem") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("close box") << 2;
}

void TstTervSzerkesztes::megsem() {
    QFETCH(int, mod);
    const Rekord regi = terv(m_terv);
    const int elotte = tervekSzama();
    int hivas = 0;
    const TorzsValaszto valaszto = [&](TorzsFajta, int) {
        ++hivas;
        return torzsKulcs(QStringLiteral("tervezo"), QStringLiteral("Dávid"));
    };
    auto m = Teszt::Modalisban<Tfrm_Szerkeszt>([&](Tfrm_Szerkeszt* d) {
        d->edtTervszam->setText(QStringLiteral("más"));
        d->edtCim->clear();
        d->dtpDatum->setDate(QDate(2001, 1, 1));
        d->btnTervezo->click();
        QCOMPARE(d->cbTervezo->currentText(), QStringLiteral("Dávid"));
        if (mod == 0)
            d->btnMegsem->click();
        else if (mod == 1)
            QTest::keyClick(d->edtHelyszin, Qt::Key_Escape);
        else
            d->close();
    });
    QCOMPARE(TervSzerkesztes(*m_k, m_terv, false, valaszto), m_terv);
    QVERIFY(m->latta());
    QVERIFY(!m->nyitvaMaradt());
    QCOMPARE(hivas, 1);
    QCOMPARE(terv(m_terv), regi);
    QCOMPARE(tervekSzama(), elotte);

    // A new plan cancelled is not stored either.
    auto m2 = Teszt::Modalisban<Tfrm_Szerkeszt>([](Tfrm_Szerkeszt* d) {
        d->edtTervszam->setText(QStringLiteral("új"));
        d->btnMegsem->click();
    });
    QCOMPARE(TervSzerkesztes(*m_k, m_terv2, true, valaszto), m_terv2);
    QCOMPARE(tervekSzama(), elotte);
}

void TstTervSzerkesztes::valasztoGombok_data() {
    QTest::addColumn<int>("i"); // index in TervHivatkozasok()
    for (int i = 0; i < TervHivatkozasok().size(); ++i)
        QTest::newRow(qPrintable(TervHivatkozasok()[i].oszlop)) << i;
}

void TstTervSzerkesztes::valasztoGombok() {
    QFETCH(int, i);
    const TervHivatkozas& h = TervHivatkozasok()[i];
    const int eredeti = terv(m_terv).value(h.oszlop).toInt();
    // The pick list is answered "closed without accepting", then with a
    // record added in the list meanwhile.
    QList<QPair<TorzsFajta, int>> hivasok;
    int ujKulcs = 0;
    const TorzsValaszto valaszto = [&](TorzsFajta f, int kulcs) {
        hivasok.append({f, kulcs});
        if (hivasok.size() == 1)
            return -1;
        ujKulcs = torzs(Torzs(h.fajta).tabla, QStringLiteral("Újonnan felvett"));
        return ujKulcs;
    };
    auto m = Teszt::Modalisban<Tfrm_Szerkeszt>([&](Tfrm_Szerkeszt* d) {
        KulcsValaszto* lista = d->Listak[i];
        QToolButton* gomb = d->Gombok[i];
        QCOMPARE(gomb->size(), QSize(25, 21));
        const QString nev = lista->currentText();
        QVERIFY(!nev.isEmpty());
        kattint(gomb); // Enter on a focused button presses it
        QCOMPARE(lista->currentText(), nev);
        QWidget* vart = h.fajta == TorzsFajta::Ugyfel ? static_cast<QWidget*>(d->edtHelyszin)
                                                      : static_cast<QWidget*>(gomb);
        QCOMPARE(QApplication::focusWidget(), vart);
        kattint(gomb);
        QCOMPARE(lista->currentText(), QStringLiteral("Újonnan felvett"));
        QCOMPARE(QApplication::focusWidget(), vart);
        d->btnOK->click();
    });
    QCOMPARE(TervSzerkesztes(*m_k, m_terv, false, valaszto), m_terv);
    QVERIFY(m->latta());
    QVERIFY(!m->nyitvaMaradt());
    const QList<QPair<TorzsFajta, int>> vartHivasok{{h.fajta, eredeti}, {h.fajta, eredeti}};
    QCOMPARE(hivasok, vartHivasok);
    QCOMPARE(terv(m_terv).value(h.oszlop).toInt(), ujKulcs);

    // On a new plan the button passes 0.
    hivasok.clear();
    auto m2 = Teszt::Modalisban<Tfrm_Szerkeszt>([&](Tfrm_Szerkeszt* d) {
        d->Gombok[i]->click();
        d->btnMegsem->click();
    });
    TervSzerkesztes(*m_k, m_terv, true, [&](TorzsFajta f, int kulcs) {
        hivasok.append({f, kulcs});
        return -1;
    });
    QCOMPARE(hivasok, (QList<QPair<TorzsFajta, int>>{{h.fajta, 0}}));
}

void TstTervSzerkesztes::tervBillentyuzet() {
    TablaModell tbl(*m_k, QStringLiteral("terv"));
    tbl.megnyit();
    Tfrm_Szerkeszt d(*m_k, tbl, tbl.keres(QStringLiteral("Terv"), m_terv), m_nincsValasztas);
    QCOMPARE(d.PageControl1->tabText(0), QStringLiteral("Részletes"));
    QCOMPARE(d.PageControl1->tabText(1), QStringLiteral("Megjegyzés"));
    QVERIFY(!d.dtpDatum->calendarPopup());
    QCOMPARE(d.edtTervszam->width(), 85);
    QCOMPARE(Parbeszed::KarakterKorlatja(d.edtTervszam), 20);
    QCOMPARE(Parbeszed::KarakterKorlatja(d.edtCim), 100);
    QCOMPARE(Parbeszed::KarakterKorlatja(d.edtHelyszin), 25);
    QCOMPARE(Parbeszed::KarakterKorlatja(d.edtTervjel), 50);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTRY_COMPARE(QApplication::focusWidget(), d.edtTervszam);
    QCOMPARE(d.edtTervszam->palette().color(QPalette::Base), Fokusz);

    // Tab order as designed: the eleven fields, then the six pick buttons.
    const QList<QWidget*> sorrend{
        d.edtTervszam, d.edtCim,     d.cbUgyfel,  d.edtHelyszin,  d.cbTipus,       d.dtpDatum,
        d.edtTervjel,  d.cbTervezo,  d.cbSzakag,  d.cbTervfajta,  d.cbTervszakasz, d.btnUgyfel,
        d.btnTipus,    d.btnTervezo, d.btnSzakag, d.btnTervfajta, d.btnTervszakasz};
    for (int i = 1; i < sorrend.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), sorrend[i]);
    }

    // Enter moves on along the same order and never closes the dialog.
    d.edtTervszam->setFocus();
    for (int i = 1; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), sorrend[i]);
        QVERIFY(d.isVisible());
    }
    d.cbUgyfel->setFocus();
    QCOMPARE(d.cbUgyfel->palette().color(QPalette::Button), Fokusz);
    QTest::keyClick(d.cbUgyfel, Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), d.edtHelyszin);
    QVERIFY(d.cbUgyfel->palette().color(QPalette::Button) != Fokusz);
    QVERIFY(d.cbUgyfel->palette().color(QPalette::Base) != Fokusz);
    d.dtpDatum->setFocus();
    QCOMPARE(d.dtpDatum->palette().color(QPalette::Base), Fokusz);

    // The notes box takes Enter as a new line.
    d.PageControl1->setCurrentIndex(1);
    d.memMegjegyzes->setFocus();
    d.memMegjegyzes->moveCursor(QTextCursor::End);
    QTest::keyClick(d.memMegjegyzes, Qt::Key_Return);
    QTest::keyClicks(d.memMegjegyzes, QStringLiteral("uj"));
    QCOMPARE(d.memMegjegyzes->toPlainText(), QStringLiteral("első sor\nuj"));
    QCOMPARE(QApplication::focusWidget(), d.memMegjegyzes);
    QCOMPARE(d.memMegjegyzes->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(d.memMegjegyzes->font().pointSize(), 9);
    QCOMPARE(d.memMegjegyzes->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(d.isVisible());

    // On the focused OK button Enter presses it.
    d.btnOK->setFocus();
    QTest::keyClick(d.btnOK, Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

void TstTervSzerkesztes::tervTarolasHiba_data() {
    QTest::addColumn<bool>("uj");
    QTest::newRow("new plan") << true;
    QTest::newRow("changed plan") << false;
}

void TstTervSzerkesztes::tervTarolasHiba() {
    QFETCH(bool, uj);
    auto tiltBe = std::make_unique<Teszt::Tiltas>(*m_k, QStringLiteral("INSERT ON terv"),
                                                  QStringLiteral("a tárolás tiltva"));
    auto tiltAt = std::make_unique<Teszt::Tiltas>(*m_k, QStringLiteral("UPDATE ON terv"),
                                                  QStringLiteral("a tárolás tiltva"));
    const Rekord regi = terv(m_terv);
    const int elotte = tervekSzama();
    auto m = Teszt::Modalisban<Tfrm_Szerkeszt>([](Tfrm_Szerkeszt* d) {
        d->edtTervszam->setText(QStringLiteral("X-1"));
        d->btnOK->click();
    });
    QCOMPARE(TervSzerkesztes(*m_k, m_terv, uj, m_nincsValasztas), m_terv);
    QVERIFY(m->latta());
    QCOMPARE(UzenetTeszt::ablakok(), (QList<Ablak>{{Fajta::Altalanos, QStringLiteral("Pelvano"),
                                                    QStringLiteral("a tárolás tiltva.")}}));
    QCOMPARE(terv(m_terv), regi);
    QCOMPARE(tervekSzama(), elotte);

    // The edit ended cleanly: no transaction is left open and the next edit
    // stores.
    tiltBe.reset();
    tiltAt.reset();
    m_k->tranzakcioKezd();
    m_k->tranzakcioVissza();
    auto m2 = Teszt::Modalisban<Tfrm_Szerkeszt>([](Tfrm_Szerkeszt* d) {
        d->edtTervszam->setText(QStringLiteral("X-2"));
        d->btnOK->click();
    });
    QCOMPARE(TervSzerkesztes(*m_k, m_terv, false, m_nincsValasztas), m_terv);
    QCOMPARE(terv(m_terv).value("Tervszam").toString(), QStringLiteral("X-2"));
}

void TstTervSzerkesztes::kozbenToroltTerv() {
    // Deleted at another workstation after the plan list was read.
    m_k->sql(QStringLiteral("DELETE FROM terv WHERE Terv=:t"), {{QStringLiteral("t"), m_terv}});
    const Rekord masik = terv(m_terv2);
    const int elotte = tervekSzama();
    auto m = Teszt::Modalis::Semmi();
    QCOMPARE(TervSzerkesztes(*m_k, m_terv, false, m_nincsValasztas), m_terv);
    QCoreApplication::processEvents();
    QVERIFY(!m->latta());
    QCOMPARE(UzenetTeszt::ablakok(),
             (QList<Ablak>{{Fajta::Hiba, QStringLiteral("Hiba"),
                            QStringLiteral("A terv időközben törlődött.")}}));
    QCOMPARE(tervekSzama(), elotte);
    QCOMPARE(terv(m_terv2), masik);
}

void TstTervSzerkesztes::tervTorles_data() {
    QTest::addColumn<QString>("eset");
    QTest::addColumn<bool>("valasz");
    QTest::addColumn<bool>("eredmeny");
    QTest::newRow("yes") << "plan" << true << true;
    QTest::newRow("no") << "plan" << false << false;
    QTest::newRow("empty list") << "empty" << true << true;
    QTest::newRow("deleted elsewhere") << "gone" << true << true;
}

void TstTervSzerkesztes::tervTorles() {
    QFETCH(QString, eset);
    QFETCH(bool, valasz);
    QFETCH(bool, eredmeny);
    sorBe(m_terv, 1, QStringLiteral("a"));
    sorBe(m_terv, 2, QStringLiteral("b"));
    sorBe(m_terv2, 1, QStringLiteral("c"));
    m_k->sql(QStringLiteral("INSERT INTO tervkiad (terv, sor, kint, ezterv) VALUES (:t, 1, 'I', "
                            "'T')"),
             {{QStringLiteral("t"), m_terv}});
    int kulcs = m_terv;
    if (eset == QLatin1String("empty"))
        kulcs = 0;
    else if (eset == QLatin1String("gone")) {
        kulcs = beszur(QStringLiteral("INSERT INTO terv (Tervszam) VALUES ('elmegy')"));
        m_k->sql(QStringLiteral("DELETE FROM terv WHERE Terv=:t"), {{QStringLiteral("t"), kulcs}});
    }
    const Rekord elso = terv(m_terv), masodik = terv(m_terv2);
    const QList<Rekord> sorokElotte = sorRekordok();
    const QList<Rekord> kiadasokElotte = kiadasok();
    const int elotte = tervekSzama();

    UzenetTeszt::valasz(valasz);
    QCOMPARE(TervTorles(*m_k, kulcs), eredmeny);
    QCOMPARE(UzenetTeszt::ablakok(), QList<Ablak>{TorlesKerdes});
    const bool torolve = eset == QLatin1String("plan") && valasz;
    QCOMPARE(tervekSzama(), elotte - (torolve ? 1 : 0));
    QCOMPARE(terv(m_terv).isEmpty(), torolve);
    if (!torolve)
        QCOMPARE(terv(m_terv), elso);
    QCOMPARE(terv(m_terv2), masodik);
    // Only the plan record goes: its lines and issue records stay.
    QCOMPARE(sorRekordok(), sorokElotte);
    QCOMPARE(kiadasok(), kiadasokElotte);
}

// ------------------------------------------------------------------ lines

void TstTervSzerkesztes::ujSorok() {
    sorBe(m_terv2, 5, QStringLiteral("más terv"));
    sorokNyit(m_terv);
    QVERIFY(m_sor->rowCount() == 0);
    QCOMPARE(KovetkezoSorszam(*m_k, m_terv), 1);

    for (const QString& nev : {QStringLiteral("01"), QStringLiteral("02")}) {
        auto m = Teszt::Modalisban<Tfrm_SorSzerkeszt>([&](Tfrm_SorSzerkeszt* d) {
            QCOMPARE(d->edtSor->text(), nev);
            QVERIFY(d->chkTbent->isChecked());
            QVERIFY(d->chkLbent->isChecked());
            for (QLineEdit* e :
                 {d->edtDatTkiad, d->edtTkiadva, d->edtDatLkiad, d->edtLkiadva, d->edtReszmuvelet})
                QVERIFY(e->text().isEmpty());
            QTest::keyClicks(d->edtReszmuvelet, QStringLiteral("resz ") + nev);
            d->btnOK->click();
        });
        const int sor = SorSzerkesztes(*m_k, *m_sor, -1, true, m_terv);
        QVERIFY(m->latta());
        QVERIFY(!m->nyitvaMaradt());
        QCOMPARE(sor, sorSora(nev.toInt()));
        QCOMPARE(m_sor->ertek(sor, QStringLiteral("reszmuvelet")).toString(),
                 QStringLiteral("resz ") + nev);
    }
    QCOMPARE(sorok(m_terv),
             (SorLista{{1, QStringLiteral("resz 01")}, {2, QStringLiteral("resz 02")}}));
    QSqlQuery q = m_k->sql(QStringLiteral("SELECT tbent, lbent, kiadni, tervkiad, dat_tkiad, "
                                          "tkiadva, megjegyzes FROM terv_sor WHERE terv=:t"),
                           {{QStringLiteral("t"), m_terv}});
    while (q.next()) {
        QCOMPARE(q.value(0).toString(), QStringLiteral("I"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("I"));
        for (int i = 2; i < 7; ++i)
            QVERIFY(q.value(i).isNull());
    }
    QCOMPARE(sorok(m_terv2), (SorLista{{5, QStringLiteral("más terv")}}));

    // The number comes from the table, not from the line grid.
    sorBe(m_terv, 7, QStringLiteral("máshol felvett"));
    auto m = Teszt::Modalisban<Tfrm_SorSzerkeszt>([](Tfrm_SorSzerkeszt* d) {
        QCOMPARE(d->edtSor->text(), QStringLiteral("08"));
        d->btnOK->click();
    });
    SorSzerkesztes(*m_k, *m_sor, 0, true, m_terv);
    QCOMPARE(sorok(m_terv).last().first.toInt(), 8);
    QVERIFY(UzenetTeszt::ablakok().isEmpty());
}

void TstTervSzerkesztes::sorSzerkesztes() {
    sorBe(m_terv, 1, QStringLiteral("első"));
    m_k->sql(
        QStringLiteral(
            "INSERT INTO terv_sor (terv, sor, reszmuvelet, rajzszam, pausz, dat_tkiad, tkiadva, "
            "tbent, lbent, tervkiad, kiadni, dat_lkiad, lkiadva) VALUES (:t, 3, 'régi', 'R-1', "
            "NULL, "
            "'2024-03-05', 'Kiss', 'N', 'I', 7, 'I', NULL, '')"),
        {{QStringLiteral("t"), m_terv}});
    sorokNyit(m_terv);
    const int sor = sorSora(3);
    QList<Rekord> vart = sorRekordok();
    auto m = Teszt::Modalisban<Tfrm_SorSzerkeszt>([](Tfrm_SorSzerkeszt* d) {
        QCOMPARE(d->edtSor->text(), QStringLiteral("03"));
        QCOMPARE(d->edtDatTkiad->text(),
                 QLocale().toString(QDate(2024, 3, 5), Kotes::RovidDatumFormatum()));
        QCOMPARE(d->edtTkiadva->text(), QStringLiteral("Kiss"));
        QVERIFY(!d->chkTbent->isChecked());
        QVERIFY(d->chkLbent->isChecked());
        QCOMPARE(QApplication::focusWidget(), d->edtReszmuvelet);
        d->edtReszmuvelet->setText(QStringLiteral("új név"));
        d->edtRajzszam->clear();
        d->memMegjegyzes->setPlainText(QStringLiteral("megjegyzés\nkét sor"));
        d->btnOK->click();
    });
    QCOMPARE(SorSzerkesztes(*m_k, *m_sor, sor, false, m_terv), sor);
    QVERIFY(m->latta());
    vart[1]["reszmuvelet"] = QStringLiteral("új név");
    vart[1]["rajzszam"] = QVariant();
    vart[1]["megjegyzes"] = QStringLiteral("megjegyzés\nkét sor");
    const QList<Rekord> most = sorRekordok();
    QCOMPARE(most.size(), vart.size());
    for (int i = 0; i < vart.size(); ++i)
        for (const QString& o : vart[i].keys()) {
            QCOMPARE(most[i][o].isNull(), vart[i][o].isNull());
            QCOMPARE(most[i][o].toString(), vart[i][o].toString());
        }
    // The line grid shows the change at once.
    QCOMPARE(m_sor->ertek(sor, QStringLiteral("reszmuvelet")).toString(), QStringLiteral("új név"));
}

void TstTervSzerkesztes::sorMegsem_data() {
    QTest::addColumn<bool>("uj");
    QTest::addColumn<int>("mod");
    QTest::newRow("edit, Mégsem") << false << 0;
    QTest::newRow("edit, Escape") << false << 1;
    QTest::newRow("edit, close box") << false << 2;
    QTest::newRow("new, Mégsem") << true << 0;
    QTest::newRow("new, Escape") << true << 1;
}

void TstTervSzerkesztes::sorMegsem() {
    QFETCH(bool, uj);
    QFETCH(int, mod);
    sorBe(m_terv, 1, QStringLiteral("a"));
    sorBe(m_terv, 2, QStringLiteral("b"));
    sorokNyit(m_terv);
    const QList<Rekord> elotte = sorRekordok();
    auto m = Teszt::Modalisban<Tfrm_SorSzerkeszt>([&](Tfrm_SorSzerkeszt* d) {
        d->edtReszmuvelet->setText(QStringLiteral("eldobni"));
        d->edtPausz->setText(QStringLiteral("3 db"));
        if (mod == 0)
            d->btnMegsem->click();
        else if (mod == 1)
            QTest::keyClick(d->edtPausz, Qt::Key_Escape);
        else
            d->close();
    });
    QCOMPARE(SorSzerkesztes(*m_k, *m_sor, 1, uj, m_terv), 1);
    QVERIFY(m->latta());
    QVERIFY(!m->nyitvaMaradt());
    QCOMPARE(sorRekordok(), elotte);
    QCOMPARE(m_sor->rowCount(), 2);
    QVERIFY(!m_sor->isDirty());
    QCOMPARE(m_sor->ertek(1, QStringLiteral("reszmuvelet")).toString(), QStringLiteral("b"));
    // A dropped new line did not use up its number.
    QCOMPARE(KovetkezoSorszam(*m_k, m_terv), 3);
}

void TstTervSzerkesztes::sorHianyzik_data() {
    QTest::addColumn<QString>("muvelet");
    QTest::addColumn<QList<Ablak>>("vart");
    const Ablak nincsTerv{Fajta::Hiba, QStringLiteral("Hiba"),
                          QStringLiteral("Nincs kiválasztott terv.")};
    const Ablak nincsSor{Fajta::Hiba, QStringLiteral("Hiba"),
                         QStringLiteral("Nincs kiválasztott sor.")};
    QTest::newRow("Új sor, empty plan list") << "uj" << QList<Ablak>{nincsTerv};
    QTest::newRow("Sor szerkesztés, no line") << "szerkeszt" << QList<Ablak>{nincsSor};
    QTest::newRow("Sor törlése, no line") << "torol" << QList<Ablak>{TorlesKerdes, nincsSor};
}

void TstTervSzerkesztes::sorHianyzik() {
    QFETCH(QString, muvelet);
    QFETCH(QList<Ablak>, vart);
    sorBe(m_terv2, 1, QStringLiteral("más"));
    // The line table of an empty plan list filters on plan 0.
    sorokNyit(muvelet == QLatin1String("uj") ? 0 : m_terv);
    const QList<Rekord> elotte = sorRekordok();
    auto m = Teszt::Modalis::Semmi();
    if (muvelet == QLatin1String("uj")) {
        QCOMPARE(SorSzerkesztes(*m_k, *m_sor, -1, true, 0), -1);
    } else if (muvelet == QLatin1String("szerkeszt")) {
        QCOMPARE(SorSzerkesztes(*m_k, *m_sor, -1, false, m_terv), -1);
    } else {
        UzenetTeszt::valasz(true);
        QVERIFY(!SorTorles(*m_k, *m_sor, -1));
    }
    QCoreApplication::processEvents();
    QVERIFY(!m->latta());
    QCOMPARE(UzenetTeszt::ablakok(), vart);
    QCOMPARE(sorRekordok(), elotte);
    QCOMPARE(m_sor->rowCount(), 0);
    QVERIFY(!m_sor->isDirty());
}

void TstTervSzerkesztes::sorTorles_data() {
    QTest::addColumn<QVariantList>("szamok"); // the plan's lines a, b, c, ... numbered so
    QTest::addColumn<int>("torolt");          // row of the line grid deleted
    QTest::addColumn<SorLista>("maradt");
    QTest::addColumn<int>("kovetkezo"); // number of the next new line
    QTest::newRow("middle of three")
        << QVariantList{1, 2, 3} << 1 << SorLista{{1, "a"}, {2, "c"}} << 3;
    QTest::newRow("only line") << QVariantList{1} << 0 << SorLista{} << 1;
    QTest::newRow("last of two") << QVariantList{1, 2} << 1 << SorLista{{1, "a"}} << 2;
    QTest::newRow("first, with gaps")
        << QVariantList{1, 3, 7} << 0 << SorLista{{1, "b"}, {2, "c"}} << 3;
    // Old data: numbers below 1 (a later line holds a number wanted earlier)
    // and a line without number.
    QTest::newRow("numbers below one")
        << QVariantList{-5, -4, 2, 3} << 3 << SorLista{{1, "a"}, {2, "b"}, {3, "c"}} << 4;
    QTest::newRow("line without number")
        << QVariantList{QVariant(), 1, 2} << 2 << SorLista{{1, "a"}, {2, "b"}} << 3;
    QTest::newRow("line without number deleted")
        << QVariantList{QVariant(), 1, 2} << 0 << SorLista{{1, "b"}, {2, "c"}} << 3;
}

void TstTervSzerkesztes::sorTorles() {
    QFETCH(QVariantList, szamok);
    QFETCH(int, torolt);
    QFETCH(SorLista, maradt);
    QFETCH(int, kovetkezo);
    // The server's primary key holds no line without a number (old data
    // of the embedded engine only).
    if (m_k->forras().szerveren() && szamok.contains(QVariant()))
        QSKIP("a line without a number cannot be stored on the server");
    for (int i = 0; i < szamok.size(); ++i)
        sorBe(m_terv, szamok[i], QString(QChar('a' + i)));
    sorBe(m_terv2, 1, QStringLiteral("más 1"));
    sorBe(m_terv2, 3, QStringLiteral("más 3"));
    m_k->sql(QStringLiteral("INSERT INTO tervkiad (terv, sor, kint, ezterv) VALUES (:t, 3, 'I', "
                            "'T')"),
             {{QStringLiteral("t"), m_terv}});
    const QList<Rekord> kiadasokElotte = kiadasok();
    sorokNyit(m_terv);
    QCOMPARE(m_sor->rowCount(), szamok.size());

    UzenetTeszt::valasz(true);
    QVERIFY(SorTorles(*m_k, *m_sor, torolt));
    QCOMPARE(UzenetTeszt::ablakok(), QList<Ablak>{TorlesKerdes});
    QCOMPARE(sorok(m_terv), maradt);
    // The line grid was read again.
    QCOMPARE(m_sor->rowCount(), maradt.size());
    for (int i = 0; i < maradt.size(); ++i)
        QCOMPARE(m_sor->ertek(i, QStringLiteral("reszmuvelet")).toString(), maradt[i].second);
    QCOMPARE(KovetkezoSorszam(*m_k, m_terv), kovetkezo);
    QCOMPARE(sorok(m_terv2), (SorLista{{1, "más 1"}, {3, "más 3"}}));
    QCOMPARE(kiadasok(), kiadasokElotte);
}

void TstTervSzerkesztes::sorTorlesVisszagorgetes_data() {
    QTest::addColumn<int>("tiltott");
    QTest::newRow("first renumbering fails") << 2;
    QTest::newRow("second renumbering fails") << 3;
}

void TstTervSzerkesztes::sorTorlesVisszagorgetes() {
    QFETCH(int, tiltott);
    for (int i = 1; i <= 4; ++i)
        sorBe(m_terv, i, QString(QChar('a' + i - 1)));
    const Teszt::Tiltas tiltas(*m_k, QStringLiteral("UPDATE ON terv_sor"),
                               QStringLiteral("sorszám tiltva"),
                               QStringLiteral("NEW.sor=%1").arg(tiltott));
    const QList<Rekord> elotte = sorRekordok();
    sorokNyit(m_terv);
    UzenetTeszt::valasz(true);
    QVERIFY(!SorTorles(*m_k, *m_sor, 1));
    QCOMPARE(UzenetTeszt::ablakok(), (QList<Ablak>{TorlesKerdes,
                                                   {Fajta::Altalanos, QStringLiteral("Pelvano"),
                                                    QStringLiteral("sorszám tiltva.")}}));
    // Nothing was stored, not even the delete.
    QCOMPARE(sorRekordok(), elotte);
    QCOMPARE(m_sor->rowCount(), 4);
    // No transaction is left open.
    m_k->tranzakcioKezd();
    m_k->tranzakcioVissza();
    Kapcsolat masik(QStringLiteral("masik"));
    masik.nyit(m_mappa->forras());
    QSqlQuery q = masik.sql(QStringLiteral("SELECT count(*) FROM terv_sor WHERE terv=:t"),
                            {{QStringLiteral("t"), m_terv}});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 4);
}

void TstTervSzerkesztes::sorTarolasHiba() {
    // Two workstations add a line to the same plan at the same moment.
    sorBe(m_terv, 1, QStringLiteral("a"));
    sorokNyit(m_terv);
    auto m = Teszt::Modalisban<Tfrm_SorSzerkeszt>([this](Tfrm_SorSzerkeszt* d) {
        QCOMPARE(d->edtSor->text(), QStringLiteral("02"));
        d->edtReszmuvelet->setText(QStringLiteral("enyém"));
        Kapcsolat masik(QStringLiteral("masik"));
        masik.nyit(m_mappa->forras());
        masik.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor, reszmuvelet) VALUES (:t, 2, "
                                 "'másé')"),
                  {{QStringLiteral("t"), m_terv}});
        d->btnOK->click();
    });
    QCOMPARE(SorSzerkesztes(*m_k, *m_sor, 0, true, m_terv), 0);
    QVERIFY(m->latta());
    QCOMPARE(UzenetTeszt::ablakok().size(), 1);
    QCOMPARE(UzenetTeszt::ablakok()[0].fajta, Fajta::Altalanos);
    QVERIFY2(
        UzenetTeszt::ablakok()[0].szoveg.contains(QStringLiteral("UNIQUE"), Qt::CaseInsensitive),
        qPrintable(UzenetTeszt::ablakok()[0].szoveg));
    QCOMPARE(sorok(m_terv), (SorLista{{1, "a"}, {2, "másé"}}));
    QVERIFY(!m_sor->isDirty());
    QCOMPARE(m_sor->rowCount(), 1);

    // The edit ended cleanly: the next new line gets the next number.
    UzenetTeszt::torol();
    m_sor->megnyit();
    auto m2 = Teszt::Modalisban<Tfrm_SorSzerkeszt>([](Tfrm_SorSzerkeszt* d) {
        QCOMPARE(d->edtSor->text(), QStringLiteral("03"));
        d->btnOK->click();
    });
    QCOMPARE(SorSzerkesztes(*m_k, *m_sor, 0, true, m_terv), 2);
    QCOMPARE(sorok(m_terv).size(), 3);
    QVERIFY(UzenetTeszt::ablakok().isEmpty());
}

void TstTervSzerkesztes::sorBillentyuzet() {
    sorBe(m_terv, 1, QStringLiteral("a"));
    sorokNyit(m_terv);
    Tfrm_SorSzerkeszt d(*m_sor, 0);
    QCOMPARE(d.windowTitle(), QStringLiteral("Sor szerkesztés"));
    QCOMPARE(d.size(), QSize(474, 276));
    QCOMPARE(d.edtSor->width(), 53);
    QVERIFY(d.edtSor->font().bold());
    QCOMPARE(Parbeszed::KarakterKorlatja(d.edtReszmuvelet), 100);
    for (QLineEdit* e : {d.edtRajzszam, d.edtPausz, d.edtIrata4, d.edtIrata5})
        QCOMPARE(Parbeszed::KarakterKorlatja(e), 50);
    for (QLineEdit* e : {d.edtSor, d.edtDatTkiad, d.edtTkiadva, d.edtDatLkiad, d.edtLkiadva}) {
        QVERIFY(e->isReadOnly());
        QCOMPARE(e->focusPolicy(), Qt::NoFocus);
        QCOMPARE(e->palette().color(QPalette::Base), Parbeszed::KremSzin);
    }
    for (QCheckBox* c : {d.chkTbent, d.chkLbent}) {
        QCOMPARE(c->focusPolicy(), Qt::NoFocus);
        QCOMPARE(c->layoutDirection(), Qt::RightToLeft);
    }
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTRY_COMPARE(QApplication::focusWidget(), d.edtReszmuvelet);
    QCOMPARE(d.edtReszmuvelet->palette().color(QPalette::Base), Fokusz);

    // The read-only check boxes do not follow the mouse.
    QTest::mouseClick(d.chkTbent, Qt::LeftButton);
    QVERIFY(d.chkTbent->isChecked());

    // Enter passes over the read-only fields and never closes the dialog.
    const QList<QWidget*> sorrend{d.edtReszmuvelet, d.edtRajzszam, d.edtPausz,
                                  d.edtIrata4,      d.edtIrata5,   d.btnOK};
    for (int i = 1; i < sorrend.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), sorrend[i]);
        QVERIFY(d.isVisible());
    }
    QVERIFY(d.edtReszmuvelet->palette().color(QPalette::Base) != Fokusz);
    d.edtReszmuvelet->setFocus();
    for (int i = 1; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), sorrend[i]);
    }

    // Notes: Enter is a new line; at most 255 characters, also when pasted.
    d.PageControl1->setCurrentIndex(1);
    d.memMegjegyzes->setFocus();
    QTest::keyClicks(d.memMegjegyzes, QStringLiteral("egy"));
    QTest::keyClick(d.memMegjegyzes, Qt::Key_Return);
    QTest::keyClicks(d.memMegjegyzes, QStringLiteral("ketto"));
    QCOMPARE(d.memMegjegyzes->toPlainText(), QStringLiteral("egy\nketto"));
    QVERIFY(d.isVisible());
    d.memMegjegyzes->setPlainText(QString(250, QLatin1Char('x')));
    QTextCursor c = d.memMegjegyzes->textCursor();
    c.setPosition(10);
    d.memMegjegyzes->setTextCursor(c);
    d.memMegjegyzes->insertPlainText(QStringLiteral("0123456789"));
    QCOMPARE(d.memMegjegyzes->toPlainText(), QString(10, QLatin1Char('x')) +
                                                 QStringLiteral("01234") +
                                                 QString(240, QLatin1Char('x')));
    d.memMegjegyzes->moveCursor(QTextCursor::End);
    QTest::keyClicks(d.memMegjegyzes, QStringLiteral("yz"));
    QCOMPARE(d.memMegjegyzes->toPlainText().size(), 255);
    QVERIFY(!d.memMegjegyzes->toPlainText().contains(QLatin1Char('y')));
}

QTEST_MAIN(TstTervSzerkesztes)
#include "tst_tervszerkesztes.moc"
