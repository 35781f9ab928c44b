// Start-up of Pelvano: program sub-folders, Pelvano.ini, the connection, the
// login switch, the main window's placement, splash, hints and the close.

#include "adatmappa.h"
#include "adatzar.h"
#include "alkalmazas.h"
#include "felhasznalo/tfrm_login.h"
#include "foablak/inditas.h"
#include "foablak/tfrm_logo.h"
#include "foablak/tfrm_main.h"
#include "kapcsolat.h"
#include "mappazar.h"
#include "modalis.h"
#include "motorhiba.h"
#include "seged.h"
#include "tablamodell.h"
#include "tesztadat.h"
#include "tesztkornyezet.h"
#include "uzenetteszt.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QStatusTipEvent>
#include <QTableView>
#include <QToolTip>
#include <QtTest>

using Ablak = UzenetTeszt::Ablak;
using Fajta = UzenetTeszt::Fajta;

namespace {

// The entries of an INI file as "section/key=value", in file order.
QStringList iniBejegyzesek(const QString& f) {
    QFile file(f);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<nincs>")};
    QStringList l;
    QString szakasz;
    for (const QByteArray& nyers : file.readAll().split('\n')) {
        const QString sor = QString::fromUtf8(nyers).trimmed();
        if (sor.startsWith(QLatin1Char('[')))
            szakasz = sor.mid(1, sor.size() - 2);
        else if (sor.contains(QLatin1Char('=')))
            l << szakasz + QLatin1Char('/') + sor;
    }
    return l;
}

QRect munkaterulet() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

class TstInditas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void elsoInditasIniNelkul();
    void adatMappaValasztas_data();
    void adatMappaValasztas();
    void letezoAdatmappa();
    void relativAdatmappa();
    void ablakHelyeIniBol();
    void teljesKepernyo();
    void kapcsolodasiHiba_data();
    void kapcsolodasiHiba();
    void szerverNemErheto();
    void hianyzoTabla_data();
    void hianyzoTabla();
    void almappaNemHozhatoLetre();
    void kapcsolodasEsZar();
    void belepesMegsem();
    void belepesSikeres();
    void belepesNemKell_data();
    void belepesNemKell();
    void szemetesIni();
    void hintEsTippSzin();
    void sorokKovetikEsGorgo();
    void nyitokep();
    void inditProgramot();

private:
    QString prog(const QString& nev) const { return m_prog->path() + QLatin1Char('/') + nev; }
    void adatmappa(const QString& mappa) { Adatmappa::Keszit(mappa, QString()); }
    void sql(const QString& mappa, const QString& s) {
        Kapcsolat k(QStringLiteral("elokeszit"));
        k.nyit(mappa);
        k.sql(s);
    }

    std::unique_ptr<QTemporaryDir> m_prog;
};

void TstInditas::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
}

void TstInditas::init() {
    m_prog = std::make_unique<QTemporaryDir>();
    Seged::ProgramMappaBeallit(m_prog->path());
    UzenetTeszt::bekapcsol();
}

void TstInditas::cleanup() {
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
    UzenetTeszt::kikapcsol();
    m_prog.reset();
}

void TstInditas::elsoInditasIniNelkul() {
    adatmappa(prog(QStringLiteral("Data")));
    {
        Tfrm_Main w;
        QVERIFY(w.Inditas());
        QCOMPARE(
            UzenetTeszt::ablakok(),
            (QList<Ablak>{
                {Fajta::Hiba, QStringLiteral("Hiba"),
                 QStringLiteral("Nem létező adatbázis mappa, alapértelmezés visszaállítva.")}}));
        QCOMPARE(w.Beall().AdatUtvonal, prog(QStringLiteral("Data")));
        QVERIFY(w.Beall().TeljesKepernyo);
        QCOMPARE(w.Beall().FelhasznaloNev, QStringLiteral("rendszergazda"));
        QVERIFY(w.Beall().Rendszergazda && w.Beall().Iras);
        for (const char* m : {"Data", "Help", "Archiv"})
            QVERIFY(QFileInfo(prog(QString::fromLatin1(m))).isDir());
        QCOMPARE(w.windowTitle(), QStringLiteral("Pelvano"));
        QCOMPARE(w.Panel3->text(), QStringLiteral("Pelvano V2.1.0.67"));
        QCOMPARE(w.StatusPanel[2]->text(), QStringLiteral("Sorrend: Tervszám"));
        QCOMPARE(w.lblSorrend->text(), QStringLiteral("Tervszám"));
        QVERIFY(!QFile::exists(prog(QStringLiteral("Pelvano.ini"))));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect m = munkaterulet();
        QCOMPARE(w.pos(), QPoint(0, 0));
        QCOMPARE(w.size(), QSize(m.x() + m.width(), m.y() + m.height()));
        w.close();
        const QStringList vart{QStringLiteral("Database/Path=") + prog(QStringLiteral("Data")),
                               QStringLiteral("Screen/FullScreen=1"),
                               QStringLiteral("Screen/Left=0"),
                               QStringLiteral("Screen/Top=0"),
                               QStringLiteral("Screen/Height=%1").arg(m.y() + m.height()),
                               QStringLiteral("Screen/Width=%1").arg(m.x() + m.width())};
        QCOMPARE(iniBejegyzesek(prog(QStringLiteral("Pelvano.ini"))), vart);
    }
    // The next start finds its data folder and says nothing.
    UzenetTeszt::torol();
    Tfrm_Main w2;
    QVERIFY(w2.Inditas());
    QVERIFY(UzenetTeszt::ablakok().isEmpty());
}

void TstInditas::letezoAdatmappa() {
    QTemporaryDir masik;
    adatmappa(masik.path());
    QVERIFY(Teszt::FajlIr(prog(QStringLiteral("Pelvano.ini")),
                          QStringLiteral("[database]\npath=%1\n").arg(masik.path()).toUtf8()));
    Tfrm_Main w;
    QVERIFY(w.Inditas());
    QVERIFY(UzenetTeszt::ablakok().isEmpty());
    QCOMPARE(w.Db1().mappa(), masik.path());
    QVERIFY(QFileInfo(prog(QStringLiteral("Data"))).isDir());
    QVERIFY(QDir(prog(QStringLiteral("Data"))).isEmpty());
}

void TstInditas::relativAdatmappa() {
    // An installed or unpacked program folder names its data folder
    // relative to itself: found from any working folder, and kept relative
    // when the program writes Pelvano.ini on closing.
    adatmappa(prog(QStringLiteral("Adat")));
    QVERIFY(Teszt::FajlIr(prog(QStringLiteral("Pelvano.ini")), "[Database]\nPath=Adat\n"));
    QTemporaryDir munka;
    const QString elozo = QDir::currentPath();
    QDir::setCurrent(munka.path());
    {
        Tfrm_Main w;
        QVERIFY(w.Inditas());
        QVERIFY(UzenetTeszt::ablakok().isEmpty());
        QCOMPARE(w.Db1().mappa(), prog(QStringLiteral("Adat")));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.close();
    }
    QDir::setCurrent(elozo);
    QCOMPARE(iniBejegyzesek(prog(QStringLiteral("Pelvano.ini"))).first(),
             QStringLiteral("Database/Path=Adat"));
}

void TstInditas::ablakHelyeIniBol() {
    adatmappa(prog(QStringLiteral("Data")));
    QVERIFY(Teszt::FajlIr(
        prog(QStringLiteral("Pelvano.ini")),
        QStringLiteral(
            "; saját megjegyzés\n[Screen]\nFullScreen=0\nLeft=10\nTop=10\nHeight=550\nWidth=770\n"
            "[Egyeb]\nkulcs=érték\n[Database]\nPath=%1\n")
            .arg(prog(QStringLiteral("Data")))
            .toUtf8()));
    {
        Tfrm_Main w;
        QVERIFY(w.Inditas());
        QVERIFY(!w.Beall().TeljesKepernyo);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.pos(), QPoint(10, 10));
        QCOMPARE(w.size(), QSize(770, 550));
        w.move(30, 40);
        w.resize(700, 500);
        w.close();
    }
    QFile f(prog(QStringLiteral("Pelvano.ini")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString tartalom = QString::fromUtf8(f.readAll());
    QVERIFY(tartalom.startsWith(QStringLiteral("; saját megjegyzés\n")));
    QVERIFY(tartalom.contains(QStringLiteral("[Egyeb]\nkulcs=érték\n")));
    const QStringList e = iniBejegyzesek(prog(QStringLiteral("Pelvano.ini")));
    for (const char* v : {"Screen/FullScreen=0", "Screen/Left=30", "Screen/Top=40",
                          "Screen/Height=500", "Screen/Width=700", "Egyeb/kulcs=érték"})
        QVERIFY2(e.contains(QString::fromUtf8(v)), v);
    QCOMPARE(e.size(), 7);
}

void TstInditas::teljesKepernyo() {
    adatmappa(prog(QStringLiteral("Data")));
    QVERIFY(Teszt::FajlIr(
        prog(QStringLiteral("Pelvano.ini")),
        QStringLiteral(
            "[Database]\nPath=%1\n[Screen]\nFullScreen=1\nLeft=5\nTop=6\nHeight=100\nWidth=200\n")
            .arg(prog(QStringLiteral("Data")))
            .toUtf8()));
    Tfrm_Main w;
    QVERIFY(w.Inditas());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect m = munkaterulet();
    w.close();
    const QStringList e = iniBejegyzesek(prog(QStringLiteral("Pelvano.ini")));
    QCOMPARE(e.mid(1), (QStringList{QStringLiteral("Screen/FullScreen=1"),
                                    QStringLiteral("Screen/Left=0"), QStringLiteral("Screen/Top=0"),
                                    QStringLiteral("Screen/Height=%1").arg(m.y() + m.height()),
                                    QStringLiteral("Screen/Width=%1").arg(m.x() + m.width())}));
}

void TstInditas::adatMappaValasztas_data() {
    QTest::addColumn<QString>("ini"); // "" none, "van" an existing folder, else a path
    QTest::addColumn<bool>("visszaallitva");
    QTest::newRow("named folder") << "van" << false;
    QTest::newRow("no entry") << "" << true;
    QTest::newRow("missing folder") << "/nincs/ilyen/mappa" << true;
}

void TstInditas::adatMappaValasztas() {
    QFETCH(QString, ini);
    QFETCH(bool, visszaallitva);
    QTemporaryDir masik;
    IniErtekek e;
    e.Path = ini == QLatin1String("van") ? masik.path() : ini;
    bool vissza = !visszaallitva;
    const QString mappa = Inditas::AdatMappa(e, &vissza);
    QCOMPARE(vissza, visszaallitva);
    QCOMPARE(mappa, visszaallitva ? prog(QStringLiteral("Data")) : masik.path());
    // The sub-folders are made, and left as they are when there.
    Inditas::MappakLetrehoz();
    Inditas::MappakLetrehoz();
    for (const char* n : {"Data", "Help", "Archiv"})
        QVERIFY(QFileInfo(prog(QString::fromLatin1(n))).isDir());
}

// Stands for the empty database file's path in the expected texts.
#define PELVANO_NULLA_FAJL "<empty file>"

void TstInditas::kapcsolodasiHiba_data() {
    QTest::addColumn<QString>("eset");
    QTest::addColumn<QString>("motorUzenet");
    QTest::newRow("not a database")
        << "szemet" << HelyzetMondat(MotorHelyzet::NemAdatbazis) + "\r\nfile is not a database";
    QTest::newRow("no database in the folder")
        << "ures" << HelyzetMondat(MotorHelyzet::NemNyithato) + "\r\nunable to open database file";
    QTest::newRow("empty database file")
        << "nulla" << HelyzetMondat(MotorHelyzet::NemAdatbazis) + "\r\n" + PELVANO_NULLA_FAJL;
}

void TstInditas::kapcsolodasiHiba() {
    QFETCH(QString, eset);
    QFETCH(QString, motorUzenet);
    QVERIFY(QDir().mkpath(prog(QStringLiteral("Data"))));
    const QString fajl = prog(QStringLiteral("Data/pelvano.sqlite"));
    if (eset == QLatin1String("szemet"))
        QVERIFY(
            Teszt::FajlIr(fajl, QByteArray("SQLite format 2\0", 16) + QByteArray(5000, '\xa5')));
    if (eset == QLatin1String("nulla"))
        QVERIFY(Teszt::FajlIr(fajl, QByteArray()));
    motorUzenet.replace(QLatin1String(PELVANO_NULLA_FAJL),
                        QDir::toNativeSeparators(fajl) + QStringLiteral(": 0 bytes"));
    QVERIFY(Teszt::FajlIr(
        prog(QStringLiteral("Pelvano.ini")),
        QStringLiteral("[Database]\nPath=%1\n").arg(prog(QStringLiteral("Data"))).toUtf8()));
    const QByteArray iniElotte = Teszt::FajlHash(prog(QStringLiteral("Pelvano.ini")));
    const QByteArray elotte = Teszt::FajlHash(fajl);
    {
        Tfrm_Main w;
        QVERIFY(!w.Inditas());
        w.close();
    }
    QCOMPARE(UzenetTeszt::ablakok(),
             (QList<Ablak>{{Fajta::Hiba, QStringLiteral("Hiba"),
                            QStringLiteral("Adatbázis megnyitása sikertelen\r\n") + motorUzenet}}));
    QCOMPARE(Teszt::FajlHash(fajl), elotte);
    QCOMPARE(QDir(prog(QStringLiteral("Data"))).entryList(QDir::Files | QDir::Hidden),
             eset != QLatin1String("ures") ? QStringList{QStringLiteral("pelvano.sqlite")}
                                           : QStringList{});
    QCOMPARE(Teszt::FajlHash(prog(QStringLiteral("Pelvano.ini"))), iniElotte);
}

void TstInditas::szerverNemErheto() {
    // Pelvano.ini names a server nobody listens on: the server's words after
    // the program's, the program ends, the INI stays as it was.
    const QString data = prog(QStringLiteral("Data"));
    adatmappa(data);
    QTemporaryDir ures;
    QVERIFY(Teszt::FajlIr(prog(QStringLiteral("Pelvano.ini")),
                          QStringLiteral("[Database]\nPath=%1\nServer=host=%2 port=1 dbname=iroda "
                                         "connect_timeout=5\n")
                              .arg(data, ures.path())
                              .toUtf8()));
    const QByteArray iniElotte = Teszt::FajlHash(prog(QStringLiteral("Pelvano.ini")));
    {
        Tfrm_Main w;
        QVERIFY(!w.Inditas());
        w.close();
    }
    const QList<Ablak> a = UzenetTeszt::ablakok();
    QCOMPARE(a.size(), 1);
    QCOMPARE(a.first().fajta, Fajta::Hiba);
    QVERIFY2(a.first().szoveg.startsWith(QStringLiteral("Adatbázis megnyitása sikertelen\r\n")),
             qPrintable(a.first().szoveg));
    QVERIFY2(a.first().szoveg.contains(ures.path()), qPrintable(a.first().szoveg));
    QCOMPARE(Teszt::FajlHash(prog(QStringLiteral("Pelvano.ini"))), iniElotte);
    // The data folder is not locked by a program that did not start.
    QVERIFY(!QFile::exists(QDir(data).filePath(MappaZar::FajlNev())));
}

void TstInditas::hianyzoTabla_data() {
    QTest::addColumn<QString>("tabla");
    for (const char* t : {"beallit", "terv", "terv_sor", "tervezo", "ugyfel"})
        QTest::newRow(t) << QString::fromLatin1(t);
}

void TstInditas::hianyzoTabla() {
    QFETCH(QString, tabla);
    const QString data = prog(QStringLiteral("Data"));
    adatmappa(data);
    sql(data, QStringLiteral("DROP TABLE ") + tabla);
    const QByteArray elotte = Teszt::FajlHash(prog(QStringLiteral("Data/pelvano.sqlite")));
    {
        Tfrm_Main w;
        QVERIFY(!w.Inditas());
        w.close();
    }
    const QList<Ablak> a = UzenetTeszt::ablakok();
    QCOMPARE(a.size(), 2); // the missing INI's message, then the engine's error
    QCOMPARE(a[1].fajta, Fajta::Altalanos);
    QVERIFY2(a[1].szoveg.contains(QStringLiteral("no such table: ") + tabla),
             qPrintable(a[1].szoveg));
    QCOMPARE(Teszt::FajlHash(prog(QStringLiteral("Data/pelvano.sqlite"))), elotte);
    QVERIFY(!QFile::exists(prog(QStringLiteral("Pelvano.ini"))));
    Kapcsolat k(QStringLiteral("ellenoriz"));
    k.nyit(data);
    QVERIFY(!k.tablak().contains(tabla));
}

void TstInditas::almappaNemHozhatoLetre() {
    adatmappa(prog(QStringLiteral("Data")));
    QVERIFY(Teszt::FajlIr(prog(QStringLiteral("Help")), "not a folder"));
    Tfrm_Main w;
    QVERIFY(!w.Inditas());
    QCOMPARE(UzenetTeszt::ablakok().size(), 1);
    QCOMPARE(UzenetTeszt::ablakok().first().fajta, Fajta::Altalanos);
    QVERIFY(UzenetTeszt::ablakok().first().szoveg.contains(QStringLiteral("Help")));
    QVERIFY(!QFileInfo::exists(prog(QStringLiteral("Archiv"))));
}

void TstInditas::kapcsolodasEsZar() {
    // On the engine of the run: a data folder's lock file, or the server's
    // advisory lock.
    const Teszt::AdatMappa adat;
    const Adatforras forras = adat.forras();
    Kapcsolat db(QStringLiteral("inditas"));
    AdatZar zar;

    // The maintenance tool holds the data: refused, nothing left open.
    {
        AdatZar eszkoz;
        QCOMPARE(eszkoz.zar(forras, AdatZar::Mod::Kizarolagos), AdatZar::Eredmeny::Kesz);
        try {
            Inditas::Kapcsolodik(db, zar, forras);
            QFAIL("no error");
        } catch (const AdatbazisHiba& h) {
            QCOMPARE(h.uzenet(), QStringLiteral("A karbantartó program dolgozik az adatbázison."));
        }
        QVERIFY(!db.nyitva());
        QVERIFY(!zar.zarva());
    }

    // Connected and held shared: a second program may share it, the tool may
    // not take it; once the program lets go, the tool may.
    Inditas::Kapcsolodik(db, zar, forras);
    QVERIFY(db.nyitva());
    QCOMPARE(db.mappa(), forras.mappa);
    QVERIFY(zar.zarva());
    AdatZar masik;
    QCOMPARE(masik.zar(forras, AdatZar::Mod::Megosztott), AdatZar::Eredmeny::Kesz);
    masik.felold();
    QCOMPARE(masik.zar(forras, AdatZar::Mod::Kizarolagos), AdatZar::Eredmeny::Foglalt);
    zar.felold();
    QCOMPARE(masik.zar(forras, AdatZar::Mod::Kizarolagos), AdatZar::Eredmeny::Kesz);
    masik.felold();

    // A folder without a database: the error, and no lock file left in it.
    if (forras.szerveren())
        return;
    const QString ures = prog(QStringLiteral("ures"));
    QVERIFY(QDir().mkpath(ures));
    QVERIFY_THROWS_EXCEPTION(AdatbazisHiba, Inditas::Kapcsolodik(db, zar, {ures, {}}));
    QVERIFY(!db.nyitva());
    QCOMPARE(QDir(ures).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

void TstInditas::belepesMegsem() {
    const QString data = prog(QStringLiteral("Data"));
    adatmappa(data);
    sql(data, QStringLiteral("UPDATE beallit SET vanbelep='I'"));
    QVERIFY(Teszt::FajlIr(prog(QStringLiteral("Pelvano.ini")),
                          QStringLiteral("[Database]\nPath=%1\n").arg(data).toUtf8()));
    const QByteArray iniElotte = Teszt::FajlHash(prog(QStringLiteral("Pelvano.ini")));
    auto login = Teszt::Modalisban<Tfrm_Login>([](Tfrm_Login* d) { d->btnMegsem->click(); });
    {
        Tfrm_Main w;
        QVERIFY(!w.Inditas());
        QVERIFY(!w.isVisible());
        w.close();
    }
    QVERIFY(login->latta());
    QCOMPARE(Teszt::FajlHash(prog(QStringLiteral("Pelvano.ini"))), iniElotte);
    Kapcsolat k(QStringLiteral("ellenoriz"));
    k.nyit(data);
    QSqlQuery q = k.sql(QStringLiteral("SELECT count(*) FROM naplo"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 0);
}

void TstInditas::belepesSikeres() {
    const QString data = prog(QStringLiteral("Data"));
    adatmappa(data);
    sql(data, QStringLiteral("UPDATE beallit SET vanbelep='I'"));
    sql(data, QStringLiteral("INSERT INTO felhasznalo (felhasznalo, jelszo, rendszergazda, iras) "
                             "VALUES ('olvaso', 'jelszo1', 'N', 'N')"));
    QVERIFY(Teszt::FajlIr(prog(QStringLiteral("Pelvano.ini")),
                          QStringLiteral("[Database]\nPath=%1\n").arg(data).toUtf8()));
    auto login = Teszt::Modalisban<Tfrm_Login>([](Tfrm_Login* d) {
        d->edtFelhasznalo->setText(QStringLiteral("olvaso"));
        d->edtJelszo->setText(QStringLiteral("jelszo1"));
        d->btnOK->click();
    });
    Tfrm_Main w;
    QVERIFY(w.Inditas());
    QCOMPARE(w.Beall().FelhasznaloNev, QStringLiteral("olvaso"));
    QVERIFY(!w.Beall().Rendszergazda);
    QVERIFY(!w.Beall().Iras);
}

void TstInditas::belepesNemKell_data() {
    QTest::addColumn<QString>("vanbelep");
    QTest::newRow("N") << "'N'";
    QTest::newRow("empty") << "NULL";
    QTest::newRow("lower-case i") << "'i'";
    QTest::newRow("no record") << "<torol>";
}

void TstInditas::belepesNemKell() {
    QFETCH(QString, vanbelep);
    const QString data = prog(QStringLiteral("Data"));
    adatmappa(data);
    sql(data, vanbelep == QLatin1String("<torol>")
                  ? QStringLiteral("DELETE FROM beallit")
                  : QStringLiteral("UPDATE beallit SET vanbelep=") + vanbelep);
    QVERIFY(Teszt::FajlIr(prog(QStringLiteral("Pelvano.ini")),
                          QStringLiteral("[Database]\nPath=%1\n").arg(data).toUtf8()));
    // Should a login dialog appear after all, it is closed so that the test
    // fails instead of hanging.
    auto dialogus = Teszt::Modalis::Semmi();
    Tfrm_Main w;
    QVERIFY(w.Inditas());
    QVERIFY(!dialogus->latta());
    QVERIFY(!w.Beall().Belepes);
    QCOMPARE(w.Beall().FelhasznaloNev, QStringLiteral("rendszergazda"));
    QVERIFY(w.Beall().Rendszergazda && w.Beall().Iras);
}

void TstInditas::szemetesIni() {
    adatmappa(prog(QStringLiteral("Data")));
    QByteArray szemet(
        "\x00\x01\xff\xfe[[[Screen\n=\n[Screen]\nFullScreen=igen\nLeft=99999999999999999999\n"
        "Top=12abc\nHeight=\nWidth=-\n\x80\x81\x82=\x83\n",
        90);
    szemet += QByteArray(20000, 'x') + "\n[Database]\nPath=" + QByteArray(5000, '\xc3') + "\n";
    QVERIFY(Teszt::FajlIr(prog(QStringLiteral("Pelvano.ini")), szemet));
    Tfrm_Main w;
    QVERIFY(w.Inditas());
    QCOMPARE(UzenetTeszt::ablakok().size(), 1); // the data folder fell back to Data
    QCOMPARE(w.Beall().AdatUtvonal, prog(QStringLiteral("Data")));
    QVERIFY(w.Beall().TeljesKepernyo);
    QCOMPARE(w.pos(), QPoint(10, 10));
    QCOMPARE(w.size(), QSize(770, 550));
}

void TstInditas::hintEsTippSzin() {
    adatmappa(prog(QStringLiteral("Data")));
    Tfrm_Main w;
    QVERIFY(w.Inditas());
    QStatusTipEvent tipp(QStringLiteral("Új terv"));
    QApplication::sendEvent(&w, &tipp);
    QCOMPARE(w.StatusPanel[1]->text(), QStringLiteral("  Új terv"));
    QStatusTipEvent ures{QString()};
    QApplication::sendEvent(&w, &ures);
    QCOMPARE(w.StatusPanel[1]->text(), QString());
    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 218, 181));
}

void TstInditas::sorokKovetikEsGorgo() {
    const QString data = prog(QStringLiteral("Data"));
    adatmappa(data);
    {
        Kapcsolat k(QStringLiteral("elokeszit"));
        k.nyit(data);
        k.sql(QStringLiteral("INSERT INTO terv (Tervszam) VALUES ('B-2')"));
        k.sql(QStringLiteral("INSERT INTO terv (Tervszam) VALUES ('A-1')"));
        k.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor, reszmuvelet) VALUES (2, 1, 'a1'), "
                             "(2, 2, 'a2'), (1, 1, 'b1')"));
    }
    Tfrm_Main w;
    QVERIFY(w.Inditas());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Ordered by plan number: A-1 (key 2) first, with its two lines.
    QCOMPARE(w.AktualisTerv(), 2);
    QCOMPARE(w.TblSor->rowCount(), 2);
    QCOMPARE(w.TblSor->ertek(0, QStringLiteral("reszmuvelet")).toString(), QStringLiteral("a1"));
    // One wheel notch backwards over the plan grid moves one row down.
    QWidget* vp = w.DBGrid1->viewport();
    const QPoint hely(10, 10);
    QWheelEvent gorgo(QPointF(hely), QPointF(vp->mapToGlobal(hely)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(vp, &gorgo);
    QCOMPARE(w.AktualisTerv(), 1);
    QCOMPARE(w.TblSor->rowCount(), 1);
    QCOMPARE(w.TblSor->ertek(0, QStringLiteral("reszmuvelet")).toString(), QStringLiteral("b1"));
}

void TstInditas::nyitokep() {
    adatmappa(prog(QStringLiteral("Data")));
    Tfrm_Main w;
    QVERIFY(w.Inditas());
    auto logok = [] {
        QSet<Tfrm_Logo*> l;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (auto* logo = qobject_cast<Tfrm_Logo*>(t))
                l.insert(logo);
        return l;
    };
    const QSet<Tfrm_Logo*> elotte = logok();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QSet<Tfrm_Logo*> uj = logok() - elotte;
    QCOMPARE(uj.size(), 1);
    Tfrm_Logo* logo = *uj.begin();
    QVERIFY(logo);
    QCOMPARE(logo->size(), QSize(400, 240));
    QVERIFY(logo->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(logo->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!logo->mask().isEmpty());
    QVERIFY(!logo->mask().contains(QPoint(0, 0)));         // the grey corner is transparent
    QVERIFY(logo->mask().contains(QPoint(200, 100)));      // the drawing board is not
    QVERIFY(QApplication::activeModalWidget() == nullptr); // blocks nothing
    QPointer<Tfrm_Logo> figyelt(logo);
    QTest::qWait(3000);
    QVERIFY(figyelt);
    QTRY_VERIFY_WITH_TIMEOUT(!figyelt, 3000);
}

void TstInditas::inditProgramot() {
    // A program is started in the program folder and not waited for.
    const QString jel = prog(QStringLiteral("lefutott.txt"));
    const QString program = prog(QStringLiteral("hosszu program.sh"));
    QVERIFY(Teszt::FajlIr(program, QByteArray("#!/bin/sh\nsleep 2\npwd > lefutott.txt\n")));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QElapsedTimer ido;
    ido.start();
    Tfrm_Main::Indit(program);
    QVERIFY(ido.elapsed() < 1500);
    QVERIFY(!QFile::exists(jel));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(jel) && QFileInfo(jel).size() > 0, 10000);
    QFile f(jel);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()).trimmed(), QDir(m_prog->path()).canonicalPath());
    // A target nobody can open is not reported.
    Tfrm_Main::Indit(prog(QStringLiteral("nincs ilyen.htm")));
    QVERIFY(UzenetTeszt::ablakok().isEmpty());
}

int main(int argc, char** argv) {
    SegedAlkalmazas app(argc, argv);
    app.setGorgoBillentyu(true);
    Seged::ProgramCimBeallit(QStringLiteral("Pelvano"));
    TstInditas teszt;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&teszt, argc, argv);
}

#include "tst_inditas.moc"
