// The maintenance tool: the rebuild of the eleven tables with their keys,
// indexes and key counters, its messages for a missing table, for rows that
// break a key and for a folder that a running Pelvano holds, the check of a
// damaged file; the version change on current, old, mixed-case and broken
// folders with the terv_sor mend; the window, and the operations run from
// the command line.

#include "adatmappa.h"
#include "adatzar.h"
#include "eszkozok/archivalas.h"
#include "foablak/tfrm_main.h"
#include "kapcsolat.h"
#include "karbantarto.h"
#include "kijelzonaplo.h"
#include "mappazar.h"
#include "sqlitemotor.h"
#include "tesztadat.h"
#include "tesztkornyezet.h"
#include "tfrm_upd.h"
#include "uzenetteszt.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest>

namespace {

QStringList Oszlopok(const QString& fajl, const QString& tabla) {
    return Teszt::Sqlite3Eszkoz(fajl, QStringLiteral("SELECT name || ':' || pk FROM "
                                                     "pragma_table_info('%1') ORDER BY cid")
                                          .arg(tabla))
        .split(QLatin1Char('\n'));
}

// Every table's rows, for comparing before and after.
QString Tartalom(const QString& fajl) {
    QString t;
    for (const QString& tabla :
         Teszt::Sqlite3Eszkoz(fajl, QStringLiteral("SELECT name FROM sqlite_master WHERE "
                                                   "type='table' AND name NOT LIKE 'sqlite%' "
                                                   "ORDER BY name"))
             .split(QLatin1Char('\n')))
        t += tabla + QLatin1Char('\n') +
             Teszt::Sqlite3Eszkoz(fajl,
                                  QStringLiteral("SELECT * FROM \"%1\" ORDER BY 1, 2").arg(tabla)) +
             QLatin1Char('\n');
    return t;
}

QString Sema(const QString& fajl) {
    return Teszt::Sqlite3Eszkoz(fajl, QStringLiteral("SELECT type, name, sql FROM sqlite_master "
                                                     "ORDER BY type, name"));
}

QStringList Indexek(const QString& fajl) {
    return Teszt::Sqlite3Eszkoz(fajl, QStringLiteral("SELECT name FROM sqlite_master WHERE "
                                                     "type='index' AND name LIKE 'idx%' ORDER "
                                                     "BY name"))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

const QStringList NevIndexek{"idx_szakag_nev",      "idx_tervezo_nev", "idx_tervfajta_nev",
                             "idx_tervszakasz_nev", "idx_tipus_nev",   "idx_ugyfel_nev"};

// The events of a maintenance run without errors, with `hibak` after the
// step of the table they belong to.
QStringList KarbantartasEsemenyek(const QMap<QString, QStringList>& hibak = {},
                                  const QStringList& vegen = {}) {
    QStringList e{QStringLiteral("max 12")};
    for (const Karbantarto::Tabla& t : Karbantarto::Tablak()) {
        e << QStringLiteral("lep") << QStringLiteral("allapot Index készítés: ") + t.fajl;
        for (const QString& h : hibak.value(t.fajl))
            e << QStringLiteral("hiba ") + h;
    }
    for (const QString& h : vegen)
        e << QStringLiteral("hiba ") + h;
    e << QStringLiteral("uzenet Indexek újraépítése kész.") << QStringLiteral("allapot ")
      << QStringLiteral("alap");
    return e;
}

QStringList VerzioEsemenyek() {
    QStringList e{QStringLiteral("max 13"), QStringLiteral("allapot Táblák létrehozása")};
    for (int i = 0; i < 12; ++i)
        e << QStringLiteral("lep");
    e << QStringLiteral("uzenet Verzióváltás kész") << QStringLiteral("alap")
      << QStringLiteral("allapot ");
    return e;
}

void Futtat(const QString& fajl, const QString& sql) {
    bool ok = false;
    const QString ki = Teszt::Sqlite3Eszkoz(fajl, sql, &ok);
    QVERIFY2(ok, qPrintable(ki));
}

} // namespace

class TstKarbantartas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mappaSzoveg_data();
    void mappaSzoveg();
    void ujraepites_data();
    void ujraepites();
    void hianyzoTabla();
    void kulcsotSertoSorok();
    void futoPelvanoMellett();
    void pelvanoNemIndulKarbantartasKozben();
    void serultAdatbazis();
    void nemLetezoMappa();

    void verziovaltasJelenlegiMappan();
    void verziovaltasRegiMappan();
    void verziovaltasTervNelkul();

    void motoronUjraepites();
    void motoronHasznalatban();
    void adatbazisLetrehozas();
    void szerverreEsVissza();
    void ablak();
    void parancssor();
    void uresAdatbazisFajl_data();
    void uresAdatbazisFajl();

private:
    // A version change that finds everything there and changes nothing.
    void valtozatlanVerziovaltas();

    std::unique_ptr<Teszt::AdatMappa> m_mappa;
    QString m_fajl;
};

void TstKarbantartas::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
}

void TstKarbantartas::init() {
    UzenetTeszt::bekapcsol();
    m_mappa = std::make_unique<Teszt::AdatMappa>();
    m_fajl = m_mappa->adatFajl();
}

void TstKarbantartas::cleanup() {
    m_mappa.reset();
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
    UzenetTeszt::kikapcsol();
}

void TstKarbantartas::mappaSzoveg_data() {
    QTest::addColumn<QString>("doboz");
    QTest::addColumn<QString>("mappa");
    QTest::newRow("slash") << "/a/Data/"
                           << "/a/Data";
    QTest::newRow("backslash") << "C:\\Pelvano\\Data\\"
                               << "C:\\Pelvano\\Data";
    QTest::newRow("none") << "/a/Data"
                          << "/a/Data";
    QTest::newRow("only one is taken") << "/a/Data//"
                                       << "/a/Data/";
    QTest::newRow("root") << "/"
                          << "/";
}

void TstKarbantartas::mappaSzoveg() {
    QFETCH(QString, doboz);
    QFETCH(QString, mappa);
    QCOMPARE(Karbantarto::MappaSzoveg(doboz), mappa);
}

void TstKarbantartas::ujraepites_data() {
    QTest::addColumn<QString>("vege");
    QTest::newRow("as written") << "";
    QTest::newRow("trailing separator") << "/";
}

void TstKarbantartas::ujraepites() {
    PELVANO_CSAK_BEAGYAZOTT();
    QFETCH(QString, vege);
    {
        Kapcsolat k(QStringLiteral("elo"));
        k.nyit(m_mappa->utvonal());
        for (int i = 1; i <= 300; ++i)
            k.sql(QStringLiteral("INSERT INTO ugyfel (Ugyfel_nev) VALUES ('Ügyfél %1')").arg(i));
        k.sql(
            QStringLiteral("INSERT INTO terv (Tervszam, szur) VALUES ('T-1', 'N'), ('T-2', 'N')"));
        k.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor, reszmuvelet, kiadni) VALUES "
                             "(1, 1, 'első', 'N'), (1, 2, 'második', 'N'), (2, 1, 'x', 'N')"));
        // The highest keys are deleted: they must never be given again.
        k.sql(QStringLiteral("DELETE FROM ugyfel WHERE Ugyfel > 200"));
        k.sql(QStringLiteral("DELETE FROM terv WHERE Terv = 2"));
    }
    // Indexes lost or damaged before: the run makes them again.
    Futtat(m_fajl, QStringLiteral("DROP INDEX idx_ugyfel_nev; DROP INDEX idx_tipus_nev;"));
    const QString elotte = Tartalom(m_fajl);
    const QStringList sorOszlopok = Oszlopok(m_fajl, QStringLiteral("terv_sor"));

    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    QVERIFY(karb.karbantartas(m_mappa->utvonal() + vege));
    QCOMPARE(n.esemenyek, KarbantartasEsemenyek());

    QCOMPARE(Tartalom(m_fajl), elotte);
    QCOMPARE(Indexek(m_fajl), NevIndexek);
    QCOMPARE(Oszlopok(m_fajl, QStringLiteral("terv_sor")), sorOszlopok);
    QCOMPARE(Oszlopok(m_fajl, QStringLiteral("terv_sor")).mid(0, 2),
             (QStringList{"terv:1", "sor:2"}));
    QCOMPARE(Teszt::Sqlite3Eszkoz(m_fajl, QStringLiteral("PRAGMA integrity_check")),
             QStringLiteral("ok"));
    QCOMPARE(Teszt::Sqlite3Eszkoz(m_fajl, QStringLiteral("PRAGMA freelist_count")),
             QStringLiteral("0"));

    // Keys go on from the highest ever given; the width rule still holds;
    // the key refuses a duplicate line.
    Kapcsolat k(QStringLiteral("utana"));
    k.nyit(m_mappa->utvonal());
    k.sql(QStringLiteral("INSERT INTO ugyfel (Ugyfel_nev) VALUES ('%1')").arg(QString(120, 'a')));
    k.sql(QStringLiteral("INSERT INTO terv (Tervszam, szur) VALUES ('T-3', 'N')"));
    QSqlQuery q = k.sql(QStringLiteral("SELECT max(Ugyfel), length(Ugyfel_nev) FROM ugyfel "
                                       "WHERE Ugyfel = (SELECT max(Ugyfel) FROM ugyfel)"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 301);
    QCOMPARE(q.value(1).toInt(), 100);
    q = k.sql(QStringLiteral("SELECT max(Terv) FROM terv"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 3);
    QVERIFY_THROWS_EXCEPTION(
        AdatbazisHiba, k.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor) VALUES (1, 1)")));
}

void TstKarbantartas::hianyzoTabla() {
    PELVANO_CSAK_BEAGYAZOTT();
    Futtat(m_fajl, QStringLiteral("DROP TABLE irsz; DROP INDEX idx_ugyfel_nev;"));
    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    QVERIFY(!karb.karbantartas(m_mappa->utvonal()));
    QCOMPARE(n.esemenyek, KarbantartasEsemenyek({{QStringLiteral("irsz.DB"),
                                                  {QStringLiteral("Ismeretlen hiba: irsz.DB\r\n") +
                                                   HelyzetMondat(MotorHelyzet::NincsTabla) +
                                                   QStringLiteral("\r\nno such table: irsz")}}}));
    // The tables after it were rebuilt.
    QCOMPARE(Indexek(m_fajl), NevIndexek);
}

void TstKarbantartas::kulcsotSertoSorok() {
    PELVANO_CSAK_BEAGYAZOTT();
    // A terv_sor of an older folder that never had its key, with a line twice.
    Futtat(m_fajl, QStringLiteral("DROP TABLE terv_sor; CREATE TABLE terv_sor (terv INTEGER, "
                                  "sor INTEGER, reszmuvelet CHAR(100)); INSERT INTO terv_sor "
                                  "VALUES (1, 1, 'a'), (1, 1, 'b'), (1, 2, 'c');"));
    const QString elotte = Tartalom(m_fajl);
    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    QVERIFY(!karb.karbantartas(m_mappa->utvonal()));
    QCOMPARE(n.hibak(), (QStringList{QStringLiteral(
                            "hiba Ismeretlen hiba: terv_sor.DB\r\nUNIQUE constraint failed: "
                            "pelvano_ujraepites.terv, pelvano_ujraepites.sor")}));
    // Nothing of the table was lost, nothing half-made is left.
    QCOMPARE(Tartalom(m_fajl), elotte);
    QVERIFY(!Teszt::Sqlite3Eszkoz(m_fajl, QStringLiteral(".tables")).contains("ujraepites"));
}

void TstKarbantartas::futoPelvanoMellett() {
    PELVANO_CSAK_BEAGYAZOTT();
    Futtat(m_fajl, QStringLiteral("DROP INDEX idx_ugyfel_nev;"));
    QProcess pelvano;
    pelvano.start(Teszt::TesztProgram(QStringLiteral("helper_zar")), {m_mappa->utvonal()});
    QVERIFY(pelvano.waitForReadyRead(10000));
    QCOMPARE(pelvano.readAll(), QByteArray("zarva\n"));

    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    QVERIFY(!karb.karbantartas(m_mappa->utvonal() + QStringLiteral("/")));
    const QString uzenet =
        QStringLiteral("A következő file nem törölhető, valószínüleg használatban "
                       "van:\r\n") +
        QDir::toNativeSeparators(m_mappa->utvonal() + "/pelvano.sqlite");
    QMap<QString, QStringList> hibak;
    for (const Karbantarto::Tabla& t : Karbantarto::Tablak())
        hibak[t.fajl] = QStringList{uzenet};
    QCOMPARE(n.esemenyek, KarbantartasEsemenyek(hibak));
    QVERIFY(!Indexek(m_fajl).contains(QStringLiteral("idx_ugyfel_nev"))); // untouched

    // A Pelvano that crashed leaves no lock behind.
    pelvano.kill();
    QVERIFY(pelvano.waitForFinished(10000));
    Teszt::KijelzoNaplo n2;
    Karbantarto karb2(n2);
    QVERIFY(karb2.karbantartas(m_mappa->utvonal()));
    QCOMPARE(Indexek(m_fajl), NevIndexek);
}

void TstKarbantartas::pelvanoNemIndulKarbantartasKozben() {
    Teszt::ProgramKornyezet prog;
    AdatZar eszkoz;
    QCOMPARE(eszkoz.zar(prog.forras(), AdatZar::Mod::Kizarolagos), AdatZar::Eredmeny::Kesz);
    Tfrm_Main fo;
    QVERIFY(!fo.Inditas());
    QCOMPARE(UzenetTeszt::ablakok().value(0).szoveg,
             QStringLiteral("Adatbázis megnyitása sikertelen\r\nA karbantartó program dolgozik "
                            "az adatbázison."));
    eszkoz.felold();
    UzenetTeszt::torol();
    Tfrm_Main fo2;
    QVERIFY(fo2.Inditas());
    // Two copies of Pelvano share the folder.
    Tfrm_Main fo3;
    QVERIFY(fo3.Inditas());
    QCOMPARE(UzenetTeszt::ablakok(), {});
}

void TstKarbantartas::serultAdatbazis() {
    PELVANO_CSAK_BEAGYAZOTT();
    // A page of the issue log (a table the maintenance does not rebuild)
    // is overwritten.
    {
        Kapcsolat k(QStringLiteral("elo"));
        k.nyit(m_mappa->utvonal());
        for (int i = 0; i < 400; ++i)
            k.sql(QStringLiteral("INSERT INTO tervkiad (terv, sor, kinek, megjegyzes) VALUES "
                                 "(1, 1, 'valaki', '%1')")
                      .arg(QString(60, QLatin1Char('m'))));
    }
    const int lap = Teszt::Sqlite3Eszkoz(m_fajl, QStringLiteral("SELECT rootpage FROM "
                                                                "sqlite_master WHERE "
                                                                "name='tervkiad'"))
                        .toInt();
    QVERIFY(lap > 1);
    {
        QFile f(m_fajl);
        QVERIFY(f.open(QIODevice::ReadWrite));
        // The root page of a table this large is an interior page: its
        // child pointers now point nowhere.
        QVERIFY(f.seek(qint64(lap - 1) * 4096 + 12));
        f.write(QByteArray(64, '\xff'));
    }
    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    QVERIFY(!karb.karbantartas(m_mappa->utvonal()));
    const QStringList hibak = n.hibak();
    QCOMPARE(hibak.size(), 1);
    QVERIFY2(hibak.at(0).startsWith(QStringLiteral("hiba Az adatbázis sérült:\r\n")),
             qPrintable(hibak.at(0)));
    // Shown before the closing message.
    QVERIFY(n.esemenyek.indexOf(hibak.at(0)) <
            n.esemenyek.indexOf(QStringLiteral("uzenet Indexek újraépítése kész.")));
}

void TstKarbantartas::nemLetezoMappa() {
    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    QVERIFY(!karb.karbantartas(m_mappa->utvonal() + QStringLiteral("/nincs")));
    QVERIFY(!karb.verziovaltas(QString()));
    QCOMPARE(n.esemenyek,
             (QStringList{"hiba Nem létező adatbázis mappa.", "hiba Nem létező adatbázis mappa."}));
}

void TstKarbantartas::valtozatlanVerziovaltas() {
    const QString sema = Sema(m_fajl);
    const QString tartalom = Tartalom(m_fajl);
    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    QVERIFY(karb.verziovaltas(m_mappa->utvonal()));
    QCOMPARE(n.esemenyek, VerzioEsemenyek());
    QCOMPARE(Sema(m_fajl), sema);
    QCOMPARE(Tartalom(m_fajl), tartalom);
}

void TstKarbantartas::verziovaltasJelenlegiMappan() {
    PELVANO_CSAK_BEAGYAZOTT();
    valtozatlanVerziovaltas();
}

void TstKarbantartas::verziovaltasRegiMappan() {
    PELVANO_CSAK_BEAGYAZOTT();
    // An older folder: terv without the six later columns, no terv_sor,
    // no szakag, and master lists in other letter cases.
    Futtat(m_fajl,
           QStringLiteral("DROP TABLE terv_sor; DROP TABLE szakag; DROP TABLE terv; "
                          "CREATE TABLE terv (Terv INTEGER PRIMARY KEY AUTOINCREMENT, "
                          "Tervszam CHAR(20), Cim CHAR(100), szur CHAR(1)); "
                          "INSERT INTO terv (Tervszam, Cim) VALUES ('R-1', 'régi terv'); "
                          "ALTER TABLE tervezo RENAME TO TERVEZO_X; ALTER TABLE TERVEZO_X RENAME "
                          "TO TerVezo; INSERT INTO TerVezo (tervezo_nev) VALUES ('Kovács');"));
    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    QVERIFY(karb.verziovaltas(m_mappa->utvonal()));
    QCOMPARE(n.esemenyek, VerzioEsemenyek());

    const QStringList sorOszlopok = Oszlopok(m_fajl, QStringLiteral("terv_sor"));
    QVERIFY2(sorOszlopok.contains(QStringLiteral("kiadni:0")), qPrintable(sorOszlopok.join(',')));
    QVERIFY(sorOszlopok.contains(QStringLiteral("tervkiad:0")));
    QCOMPARE(sorOszlopok.mid(0, 2), (QStringList{"terv:1", "sor:2"}));
    QCOMPARE(Oszlopok(m_fajl, QStringLiteral("terv")),
             (QStringList{"Terv:1", "Tervszam:0", "Cim:0", "szur:0", "datum:0", "tervezo:0",
                          "szakag:0", "tervjel:0", "tervfajta:0", "tervszakasz:0"}));
    QVERIFY(Teszt::Sqlite3Eszkoz(m_fajl, QStringLiteral(".tables")).contains("szakag"));
    // The table in another case counted as there: not made again, its row kept.
    QCOMPARE(Teszt::Sqlite3Eszkoz(m_fajl, QStringLiteral("SELECT name || '|' || "
                                                         "(SELECT tervezo_nev FROM TerVezo) "
                                                         "FROM sqlite_master WHERE "
                                                         "lower(name)='tervezo'")),
             QStringLiteral("TerVezo|Kovács"));
    QCOMPARE(Teszt::Sqlite3Eszkoz(m_fajl, QStringLiteral("SELECT Tervszam, Cim, datum IS NULL "
                                                         "FROM terv")),
             QStringLiteral("R-1|régi terv|1"));

    // A line of the new terv_sor can be issued and taken back: its log key
    // is stored. The width rule holds for the new columns.
    Kapcsolat k(QStringLiteral("utana"));
    k.nyit(m_mappa->utvonal());
    k.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor, kiadni) VALUES (1, 1, 'NEM')"));
    k.sql(QStringLiteral("UPDATE terv_sor SET tervkiad = 7, tbent = 'N' WHERE terv = 1"));
    QCOMPARE(Teszt::Sqlite3Eszkoz(m_fajl, QStringLiteral("SELECT kiadni, tervkiad FROM terv_sor")),
             QStringLiteral("N|7"));

    // A second run changes nothing.
    valtozatlanVerziovaltas();
}

void TstKarbantartas::verziovaltasTervNelkul() {
    PELVANO_CSAK_BEAGYAZOTT();
    Futtat(m_fajl, QStringLiteral("DROP TABLE terv; DROP TRIGGER pelvano_hossz_beszur_terv_sor; "
                                  "DROP TRIGGER pelvano_hossz_modosit_terv_sor; "
                                  "ALTER TABLE terv_sor DROP COLUMN kiadni; "
                                  "INSERT INTO terv_sor (terv, sor) VALUES (1, 1), (1, 2);"));
    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    QVERIFY_THROWS_EXCEPTION(AdatbazisHiba, karb.verziovaltas(m_mappa->utvonal()));
    QVERIFY(!n.esemenyek.contains(QStringLiteral("uzenet Verzióváltás kész")));
    // What ran before stays done: every line has kiadni 'N'.
    QCOMPARE(Teszt::Sqlite3Eszkoz(m_fajl, QStringLiteral("SELECT group_concat(kiadni) FROM "
                                                         "terv_sor")),
             QStringLiteral("N,N"));
    try {
        Teszt::KijelzoNaplo n2;
        Karbantarto(n2).verziovaltas(m_mappa->utvonal());
        QFAIL("no error");
    } catch (const AdatbazisHiba& h) {
        QCOMPARE(h.uzenet(), HelyzetMondat(MotorHelyzet::NincsTabla) +
                                 QStringLiteral("\r\nno such table: terv.DB"));
    }
}

void TstKarbantartas::motoronUjraepites() {
    // On the engine of the run, through the connection alone.
    const Adatforras forras = m_mappa->forras();
    Kapcsolat k(QStringLiteral("elo"));
    k.nyit(forras);
    for (int i = 1; i <= 30; ++i)
        k.sql(QStringLiteral("INSERT INTO ugyfel (Ugyfel_nev) VALUES ('Ügyfél %1')").arg(i));
    k.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor, reszmuvelet) VALUES (1, 1, 'a'), "
                         "(1, 2, 'b')"));
    k.sql(QStringLiteral("DELETE FROM ugyfel WHERE Ugyfel > 20"));
    k.sql(QStringLiteral("DROP INDEX idx_ugyfel_nev"));
    k.zar();

    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    karb.setSzerver(forras.szerver);
    QVERIFY(karb.karbantartas(forras.mappa));
    QCOMPARE(n.esemenyek, KarbantartasEsemenyek());

    k.nyit(forras);
    QCOMPARE(Teszt::NevIndexek(k), NevIndexek);
    k.sql(QStringLiteral("INSERT INTO ugyfel (Ugyfel_nev) VALUES ('%1')").arg(QString(120, 'a')));
    QCOMPARE(Teszt::Szam(k, QStringLiteral("SELECT max(Ugyfel) FROM ugyfel")), 31);
    QCOMPARE(Teszt::Szam(k, QStringLiteral("SELECT length(Ugyfel_nev) FROM ugyfel WHERE "
                                           "Ugyfel = 31")),
             100);
    QCOMPARE(Teszt::Szam(k, QStringLiteral("SELECT count(*) FROM terv_sor")), 2);
    QVERIFY_THROWS_EXCEPTION(
        AdatbazisHiba, k.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor) VALUES (1, 1)")));
}

void TstKarbantartas::motoronHasznalatban() {
    // A running Pelvano holds the data: no table is touched, each step says
    // so, naming the database; once it has gone, the run goes through.
    const Adatforras forras = m_mappa->forras();
    {
        Kapcsolat k(QStringLiteral("elo"));
        k.nyit(forras);
        k.sql(QStringLiteral("DROP INDEX idx_ugyfel_nev"));
    }
    auto pelvano = std::make_unique<AdatZar>();
    QCOMPARE(pelvano->zar(forras, AdatZar::Mod::Megosztott), AdatZar::Eredmeny::Kesz);
    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    karb.setSzerver(forras.szerver);
    QVERIFY(!karb.karbantartas(forras.mappa));
    const QString nev =
        forras.szerveren()
            ? forras.szerver
            : QDir::toNativeSeparators(forras.mappa + QStringLiteral("/pelvano.sqlite"));
    QMap<QString, QStringList> hibak;
    for (const Karbantarto::Tabla& t : Karbantarto::Tablak())
        hibak[t.fajl] = QStringList{
            QStringLiteral("A következő file nem törölhető, valószínüleg használatban van:\r\n") +
            nev};
    QCOMPARE(n.esemenyek, KarbantartasEsemenyek(hibak));
    {
        Kapcsolat k(QStringLiteral("nez"));
        k.nyit(forras);
        QVERIFY(!Teszt::NevIndexek(k).contains(QStringLiteral("idx_ugyfel_nev")));
    }
    pelvano.reset();
    Teszt::KijelzoNaplo n2;
    Karbantarto karb2(n2);
    karb2.setSzerver(forras.szerver);
    QVERIFY(karb2.karbantartas(forras.mappa));
    Kapcsolat k(QStringLiteral("utana"));
    k.nyit(forras);
    QCOMPARE(Teszt::NevIndexek(k), NevIndexek);
}

void TstKarbantartas::adatbazisLetrehozas() {
    if (!Teszt::SzerverMotoron())
        QSKIP("a server's database: the server variant");
    // An empty database: built with the delivered records; a second run
    // changes nothing and says so.
    Teszt::SzerverAdatbazis ures;
    const QString program = QStringLiteral(PELVANO_BIN_DIR "/Pelvano_Upd");
    QProcess p;
    p.start(program,
            {QStringLiteral("--server"), ures.szerver(), QStringLiteral("--adatbazis-letrehozas")});
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()), QString());
    QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()),
             QStringLiteral("Az adatbázis elkészült.\n"));
    QCOMPARE(p.exitCode(), 0);
    {
        Kapcsolat k(QStringLiteral("uj"));
        k.nyit(Adatforras{QString(), ures.szerver()});
        QCOMPARE(k.tablak().size(), 14);
        QCOMPARE(Teszt::Szam(k, QStringLiteral("SELECT count(*) FROM irsz")), 3574);
        QCOMPARE(Teszt::Szam(k, QStringLiteral("SELECT count(*) FROM beallit")), 1);
        QCOMPARE(Teszt::Szam(k, QStringLiteral("SELECT count(*) FROM tulajdonos")), 1);
        QCOMPARE(Teszt::Rekord(k,
                               QStringLiteral("SELECT * FROM felhasznalo WHERE felhasznalo = "
                                              "'rendszergazda'"),
                               {QStringLiteral("rendszergazda"), QStringLiteral("iras")}),
                 (QStringList{"rendszergazda=I", "iras=I"}));
        QCOMPARE(Teszt::NevIndexek(k), NevIndexek);
        k.sql(QStringLiteral("INSERT INTO irsz (id, irsz, varos) VALUES (99999, '0000', 'x')"));
    }
    p.start(program,
            {QStringLiteral("--server"), ures.szerver(), QStringLiteral("--adatbazis-letrehozas")});
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()),
             QStringLiteral("Hiba: Az adatbázisban már vannak a Pelvano táblái; nem változott "
                            "semmi.\n"));
    Kapcsolat k(QStringLiteral("marad"));
    k.nyit(Adatforras{QString(), ures.szerver()});
    QCOMPARE(Teszt::Szam(k, QStringLiteral("SELECT count(*) FROM irsz")), 3575);

    // A server nobody listens on: the server's words, exit code 1.
    QTemporaryDir senki;
    p.start(program, {QStringLiteral("--server"),
                      QStringLiteral("host=%1 port=1 dbname=x").arg(senki.path()),
                      QStringLiteral("--adatbazis-letrehozas")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    const QString hiba = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(hiba.startsWith(QStringLiteral("Hiba: Adatbázis létrehozása sikertelen\n")) &&
                 hiba.contains(senki.path()),
             qPrintable(hiba));
}

void TstKarbantartas::szerverreEsVissza() {
    if (!Teszt::SzerverMotoron())
        QSKIP("a server's database: the server variant");
    // A data folder of the embedded engine with records of every kind:
    // accents, long texts, dates, nulls, deleted highest keys.
    QTemporaryDir mappa;
    Adatmappa::Keszit(mappa.path(), Teszt::IrszCsv());
    {
        Kapcsolat k(QStringLiteral("iroda"));
        k.nyit(mappa.path());
        for (int i = 1; i <= 12; ++i)
            k.sql(QStringLiteral("INSERT INTO ugyfel (Ugyfel_nev, Cim_irsz) VALUES (:n, '7400')"),
                  {{QStringLiteral("n"), QStringLiteral("Ügyfél Őrház %1").arg(i)}});
        k.sql(QStringLiteral("DELETE FROM ugyfel WHERE Ugyfel > 10"));
        k.sql(QStringLiteral("INSERT INTO terv (Tervszam, Cim, Ugyfel, datum, Megjegyzes, szur) "
                             "VALUES ('T-1', 'Árvíztűrő tükörfúrógép', 3, '2024-02-29', "
                             "'két\nsor', 'I'), ('T-2', NULL, NULL, NULL, NULL, 'N')"));
        k.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor, reszmuvelet, dat_tkiad, tkiadva, "
                             "tbent, lbent, kiadni) VALUES (1, 1, 'alaprajz', '2024-03-05', "
                             "'Kiss', 'N', 'I', 'N'), (1, 2, 'metszet', NULL, NULL, 'I', 'I', "
                             "'N')"));
        k.sql(QStringLiteral("INSERT INTO tervkiad (terv, sor, dat_kiad, kint, kinek, ezterv) "
                             "VALUES (1, 1, '2024-03-05', 'I', 'Kiss', 'T')"));
        k.sql(QStringLiteral("INSERT INTO naplo (felhasznalo, datum) VALUES ('anna', "
                             "'2024-03-05 10:11:12')"));
        // A column and a table the office made by hand go over too.
        k.sql(QStringLiteral("ALTER TABLE terv ADD Sajat CHAR(10)"));
        k.sql(QStringLiteral("UPDATE terv SET Sajat = 'saját' WHERE Terv = 1"));
        k.sql(QStringLiteral(
            "CREATE TABLE Jegyzet (Sorszam INT, Szoveg CHAR(30), Osszeg DOUBLE, Kep BLOB)"));
        k.sql(QStringLiteral("INSERT INTO Jegyzet VALUES (1, 'Ünnepi zárás', 12.5, X'414200'), "
                             "(2, NULL, NULL, NULL)"));
    }
    const QByteArray mappaElotte = Teszt::FajlHash(SqliteMotor::AdatFajl(mappa.path()));
    Teszt::SzerverAdatbazis szerver;
    const QString program = QStringLiteral(PELVANO_BIN_DIR "/Pelvano_Upd");
    QProcess p;
    p.start(program, {QStringLiteral("--server"), szerver.szerver(), QStringLiteral("--szerverre"),
                      mappa.path()});
    QVERIFY(p.waitForFinished(180000));
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()), QString());
    const QString ki = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(p.exitCode(), 0);
    QVERIFY2(ki.contains(QStringLiteral("Áttöltés kész.\nterv: 2 rekord\nterv_sor: 2 rekord\n")),
             qPrintable(ki));
    QVERIFY2(ki.contains(QStringLiteral("\nirsz: 3574 rekord\n")), qPrintable(ki));
    QVERIFY2(ki.contains(QStringLiteral("\nJegyzet: 2 rekord\n")), qPrintable(ki));
    // The folder was only read.
    QCOMPARE(Teszt::FajlHash(SqliteMotor::AdatFajl(mappa.path())), mappaElotte);

    // Value by value the same; the key counters went over.
    Kapcsolat regi(QStringLiteral("regi"));
    regi.nyit(mappa.path());
    Kapcsolat uj(QStringLiteral("uj"));
    uj.nyit(Adatforras{mappa.path(), szerver.szerver()});
    const QStringList tartalom = Teszt::Tartalom(regi);
    QVERIFY(tartalom.contains(QStringLiteral("AB") + QChar(0) +
                              QStringLiteral("|12.5|1|Ünnepi zárás")));
    QCOMPARE(Teszt::Tartalom(uj), tartalom);
    QCOMPARE(Teszt::NevIndexek(uj), NevIndexek);
    uj.sql(QStringLiteral("INSERT INTO ugyfel (Ugyfel_nev) VALUES ('új')"));
    QCOMPARE(Teszt::Szam(uj, QStringLiteral("SELECT Ugyfel FROM ugyfel WHERE Ugyfel_nev = 'új'")),
             13);
    uj.sql(QStringLiteral("DELETE FROM ugyfel WHERE Ugyfel = 13"));

    // Back through the archive: the day's zip opens as a data folder and
    // holds the same.
    QTemporaryDir vissza;
    const QString zip = vissza.filePath(QStringLiteral("a.zip"));
    Archivalas::Keszit(uj.forras(), zip);
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"),
                {QStringLiteral("-q"), zip, QStringLiteral("-d"), vissza.filePath("Data")});
    QVERIFY(unzip.waitForFinished(60000));
    QCOMPARE(unzip.exitCode(), 0);
    Kapcsolat visszaK(QStringLiteral("vissza"));
    visszaK.nyit(vissza.filePath("Data"));
    QCOMPARE(Teszt::Tartalom(visszaK), tartalom);
    visszaK.sql(QStringLiteral("INSERT INTO ugyfel (Ugyfel_nev) VALUES ('újra')"));
    QCOMPARE(Teszt::Szam(visszaK, QStringLiteral("SELECT max(Ugyfel) FROM ugyfel")), 14);

    // Into a database that is not empty: refused, nothing changed.
    p.start(program, {QStringLiteral("--server"), szerver.szerver(), QStringLiteral("--szerverre"),
                      mappa.path()});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(QString::fromUtf8(p.readAllStandardError())
                .startsWith(QStringLiteral("Hiba: A szerver adatbázisa nem üres")));
    QCOMPARE(Teszt::Szam(uj, QStringLiteral("SELECT count(*) FROM ugyfel")), 10);

    // Records the server refuses (a date that is none; a line of old data
    // without its number, which the server's key does not take): reported
    // with the server's words, nothing is left on the server.
    struct Rossz {
        const char* sql;
        const char* szoveg;
    };
    for (const Rossz& r :
         {Rossz{"INSERT INTO terv (Tervszam, datum) VALUES ('rossz', 'nem dátum')", "nem dátum"},
          Rossz{"INSERT INTO terv_sor (terv, sor, reszmuvelet) VALUES (2, NULL, 'szám nélkül')",
                "\"sor\""}}) {
        QTemporaryDir rosszMappa;
        for (const QFileInfo& f : QDir(mappa.path()).entryInfoList(QDir::Files))
            QVERIFY(QFile::copy(f.absoluteFilePath(), rosszMappa.filePath(f.fileName())));
        {
            Kapcsolat k(QStringLiteral("rossz"));
            k.nyit(rosszMappa.path());
            k.sql(QString::fromUtf8(r.sql));
        }
        Teszt::SzerverAdatbazis masik;
        p.start(program, {QStringLiteral("--server"), masik.szerver(),
                          QStringLiteral("--szerverre"), rosszMappa.path()});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 1);
        const QString hiba = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(hiba.startsWith(QStringLiteral("Hiba: Hiba az áttöltés közben:\n")) &&
                     hiba.contains(QString::fromUtf8(r.szoveg)),
                 qPrintable(hiba));
        Kapcsolat ures(QStringLiteral("ures"));
        ures.nyit(Adatforras{QString(), masik.szerver()}, true);
        QCOMPARE(ures.tablak(), QStringList());
    }
}

void TstKarbantartas::ablak() {
    Teszt::ProgramKornyezet prog;
    Tfrm_Upd a;
    a.Inditas();
    a.show();
    a.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&a));
    QCOMPARE(a.windowTitle(), QStringLiteral("Pelvano program adatbázis karbantartás V2.1.0.67"));
    QCOMPARE(a.size(), QSize(601, 262));
    QCOMPARE(a.edtMappa->text(), prog.adatMappa());
    QVERIFY(a.edtMappa->font().bold());
    QCOMPARE(a.memLeiras->toPlainText().split(QLatin1Char('\n')), Tfrm_Upd::Leiras);
    QCOMPARE(a.memLeiras->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(a.memLeiras->font().pointSize(), 9);
    QCOMPARE(a.memLeiras->focusPolicy(), Qt::NoFocus);
    QCOMPARE(a.ProgressBar1->minimum(), 1);

    // Keyboard order: folder, Karbantartás, Bezárás, Verzióváltás.
    a.edtMappa->setFocus();
    QStringList sorrend;
    for (int i = 0; i < 4; ++i) {
        sorrend << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(sorrend,
             (QStringList{"edtMappa", "btnKarbantartas", "btnBezaras", "btnVerziovaltas"}));

    // A run through the button: the boxes, then bar and status line back.
    a.edtMappa->setText(prog.adatMappa() + QStringLiteral("/"));
    a.btnKarbantartas->click();
    a.btnVerziovaltas->click();
    QCOMPARE(UzenetTeszt::ablakok().size(), 2);
    QCOMPARE(UzenetTeszt::ablakok().at(0).szoveg, QStringLiteral("Indexek újraépítése kész."));
    QCOMPARE(UzenetTeszt::ablakok().at(1).szoveg, QStringLiteral("Verzióváltás kész"));
    QCOMPARE(a.ProgressBar1->value(), a.ProgressBar1->minimum());
    QCOMPARE(a.lblAllapot->text(), QString());

    UzenetTeszt::torol();
    a.edtMappa->setText(prog.adatMappa() + QStringLiteral("/nincs"));
    a.btnKarbantartas->click();
    const UzenetTeszt::Ablak nincs{UzenetTeszt::Fajta::Hiba, QStringLiteral("Hiba"),
                                   QStringLiteral("Nem létező adatbázis mappa.")};
    QCOMPARE(UzenetTeszt::ablakok(), {nincs});

    // Without an INI file the Data folder of the program folder.
    QVERIFY(QFile::remove(QDir(prog.utvonal()).filePath(QStringLiteral("Pelvano.ini"))));
    a.Inditas();
    QCOMPARE(a.edtMappa->text(), QDir(prog.utvonal()).filePath(QStringLiteral("Data")));
    a.btnBezaras->click();
    QVERIFY(!a.isVisible());
}

void TstKarbantartas::parancssor() {
    const QString program = QStringLiteral(PELVANO_BIN_DIR "/Pelvano_Upd");
    struct Eset {
        QStringList arg;
        int kod;
        QString kimenet, hiba;
    };
    QString vart;
    for (const Karbantarto::Tabla& t : Karbantarto::Tablak())
        vart += QStringLiteral("Index készítés: ") + t.fajl + QLatin1Char('\n');
    vart += QStringLiteral("Indexek újraépítése kész.\n");
    const QList<Eset> esetek{
        {{"--karbantartas", m_mappa->utvonal()}, 0, vart, {}},
        {{"--verziovaltas", m_mappa->utvonal() + "/"},
         0,
         "Táblák létrehozása\nVerzióváltás kész\n",
         {}},
        {{"--karbantartas", m_mappa->utvonal() + "/nincs"},
         1,
         {},
         "Hiba: Nem létező adatbázis mappa.\n"},
        {{"--mas"},
         2,
         {},
         "usage: Pelvano_Upd [--server \"...\"] "
         "[--karbantartas|--verziovaltas|--szerverre [folder]|--adatbazis-letrehozas]\n"},
    };
    // On the server the tool is told which one.
    const QString szerver = m_mappa->forras().szerver;
    const QStringList szerverArg =
        szerver.isEmpty() ? QStringList() : QStringList{QStringLiteral("--server"), szerver};
    for (const Eset& e : esetek) {
        QProcess p;
        p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        p.start(program, szerverArg + e.arg);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), e.kimenet);
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()), e.hiba);
        QCOMPARE(p.exitCode(), e.kod);
    }
    if (!szerver.isEmpty())
        return;
    // Without a server the server's operations say so (the program
    // folder's Pelvano.ini names none).
    for (const char* muvelet : {"--adatbazis-letrehozas", "--szerverre"}) {
        QProcess p;
        p.start(program, {QString::fromLatin1(muvelet)});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()),
                 QStringLiteral("Hiba: ") + Karbantarto::NincsSzerver + QLatin1Char('\n'));
    }
    // The engine's error of a folder without terv: reported, exit code 1.
    Futtat(m_fajl, QStringLiteral("DROP TABLE terv;"));
    QProcess p;
    p.start(program, {"--verziovaltas", m_mappa->utvonal()});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()),
             QStringLiteral("Hiba: ") + HelyzetMondat(MotorHelyzet::NincsTabla) +
                 QStringLiteral("\nno such table: terv.DB\n"));
}

void TstKarbantartas::uresAdatbazisFajl_data() {
    QTest::addColumn<QString>("muvelet");
    QTest::newRow("maintenance") << "--karbantartas";
    QTest::newRow("version change") << "--verziovaltas";
}

void TstKarbantartas::uresAdatbazisFajl() {
    PELVANO_CSAK_BEAGYAZOTT();
    // A zero-byte database file is no database: refused before anything is
    // written, by both operations, and left as it was.
    QFETCH(QString, muvelet);
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("pelvano.sqlite"));
    QFile f(fajl);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QProcess p;
    p.start(QStringLiteral(PELVANO_BIN_DIR "/Pelvano_Upd"), {muvelet, dir.path()});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()),
             QStringLiteral("Hiba: Az adatmappában lévő fájl nem Pelvano-adatbázis, vagy üres. "
                            "Ellenőrizze a Pelvano.ini adatmappáját, vagy állítsa vissza az "
                            "adatbázist egy archívumból.\n%1: 0 bytes\n")
                 .arg(QDir::toNativeSeparators(fajl)));
    QCOMPARE(QFileInfo(fajl).size(), 0);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("pelvano.sqlite")});

    // Through the tool's own work as its window runs it.
    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    try {
        if (muvelet == QLatin1String("--karbantartas"))
            karb.karbantartas(dir.path());
        else
            karb.verziovaltas(dir.path());
        QFAIL("no error");
    } catch (const AdatbazisHiba& h) {
        QVERIFY(h.uzenet().startsWith(HelyzetMondat(MotorHelyzet::NemAdatbazis)));
    }
    QCOMPARE(QFileInfo(fajl).size(), 0);
}

QTEST_MAIN(TstKarbantartas)
#include "tst_karbantartas.moc"
