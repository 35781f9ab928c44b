// The database archive: the proposed name, the content restored into an
// empty folder, a consistent snapshot while another process writes, the
// archive never holding itself, failures, and the register window before and
// after.

#include "adatzar.h"
#include "eszkozok/archivalas.h"
#include "eszkozok/napiarchiv.h"
#include "fajlparbeszed.h"
#include "foablak/tfrm_main.h"
#include "hiba.h"
#include "kapcsolat.h"
#include "mappazar.h"
#include "seged.h"
#include "tablamodell.h"
#include "tesztkornyezet.h"
#include "uzenetteszt.h"

#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

namespace {

// Unzips an archive into a new folder; the names of the files in it.
QStringList Kicsomagol(const QString& zip, const QString& cel) {
    QProcess p;
    p.start(QStringLiteral("unzip"),
            {QStringLiteral("-q"), QStringLiteral("-o"), zip, QStringLiteral("-d"), cel});
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return {QStringLiteral("<unzip failed: %1>")
                    .arg(QString::fromLocal8Bit(p.readAllStandardError()))};
    QStringList nevek;
    QDirIterator it(cel, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        nevek << QDir(cel).relativeFilePath(it.next());
    nevek.sort();
    return nevek;
}

int Szam(const QString& adatFajl, const QString& sql) {
    bool ok = false;
    const QString s = Teszt::Sqlite3Eszkoz(adatFajl, sql, &ok);
    return ok ? s.toInt() : -1;
}

} // namespace

class TstArchivalas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void javasoltNev();
    void tartalomEsVisszaallitas();
    void sajatMagatNemTartalmazza();
    void nagyAllomanyDarabokban_data();
    void nagyAllomanyDarabokban();
    void irasKozben();
    void hibak();
    void zartKapcsolattal();
    void foablakbol();
    void napiRitkitas();
    void napiArchivIndulaskor();
    void napiArchivHiba();

private:
    std::unique_ptr<Teszt::ProgramKornyezet> m_prog;
    QTemporaryDir m_ki;
};

void TstArchivalas::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
}

void TstArchivalas::init() {
    UzenetTeszt::bekapcsol();
    FajlParbeszed::tesztBekapcsol();
    m_prog = std::make_unique<Teszt::ProgramKornyezet>();
    Kapcsolat k(QStringLiteral("adat"));
    k.nyit(m_prog->forras());
    k.sql(QStringLiteral("INSERT INTO terv (Terv, Tervszam, Cim, szur) VALUES (1, 'T-01', 'Ház', "
                         "'N'), (2, 'T-02', 'Bolt', 'N')"));
    k.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor, reszmuvelet, tbent, lbent) VALUES "
                         "(1, 1, 'egy', 'I', 'I'), (1, 2, 'kettő', 'I', 'I')"));
}

void TstArchivalas::cleanup() {
    m_prog.reset();
    QCOMPARE(FajlParbeszed::maradekValasz(), 0);
    FajlParbeszed::tesztKikapcsol();
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
    UzenetTeszt::kikapcsol();
}

void TstArchivalas::javasoltNev() {
    QCOMPARE(Archivalas::JavasoltFajl(QDate(2026, 3, 7)),
             Seged::ProgramMappa() + QStringLiteral("/Archiv/20260307.zip"));
}

void TstArchivalas::tartalomEsVisszaallitas() {
    // Another file of the folder, one in a sub-folder, and a journal left
    // behind by a crash (never archived).
    const QDir adat(m_prog->adatMappa());
    QFile(adat.filePath(QStringLiteral("olvass.txt"))).open(QIODevice::WriteOnly);
    adat.mkpath(QStringLiteral("regi"));
    QFile regi(adat.filePath(QStringLiteral("regi/terv.DB")));
    QVERIFY(regi.open(QIODevice::WriteOnly));
    regi.write("x");
    regi.close();
    QFile naplo(adat.filePath(QStringLiteral("pelvano.sqlite-journal")));
    QVERIFY(naplo.open(QIODevice::WriteOnly));
    naplo.close();
    // The lock of the running program is no data either.
    AdatZar zar;
    QCOMPARE(zar.zar(m_prog->forras(), AdatZar::Mod::Megosztott), AdatZar::Eredmeny::Kesz);
    const QString zip = m_ki.filePath(QStringLiteral("a.zip"));
    Archivalas::Keszit(m_prog->forras(), zip);
    const QString cel = m_ki.filePath(QStringLiteral("vissza"));
    QCOMPARE(Kicsomagol(zip, cel), (QStringList{"olvass.txt", "pelvano.sqlite", "regi/terv.DB"}));
    const QString db = cel + QStringLiteral("/pelvano.sqlite");
    bool ok = false;
    QCOMPARE(Teszt::Sqlite3Eszkoz(db, QStringLiteral("PRAGMA integrity_check;"), &ok),
             QStringLiteral("ok"));
    QVERIFY(ok);
    QCOMPARE(Szam(db, QStringLiteral("SELECT count(*) FROM terv_sor WHERE terv=1;")), 2);
    // The restored folder opens as a data folder with every table.
    Kapcsolat k(QStringLiteral("vissza"));
    k.nyit(cel);
    for (const char* t :
         {"terv", "terv_sor", "tervkiad", "ugyfel", "tipus", "tervezo", "szakag", "tervfajta",
          "tervszakasz", "irsz", "tulajdonos", "felhasznalo", "naplo", "beallit"})
        QVERIFY2(!k.tablaNev(QString::fromLatin1(t)).isEmpty(), t);
    QSqlQuery q = k.sql(QStringLiteral("SELECT Cim FROM terv WHERE Terv=1"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("Ház"));
    // Deflated, a standard zip the zip tool accepts.
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-v"), zip});
    QVERIFY(p.waitForFinished(60000));
    const QString lista = QString::fromLocal8Bit(p.readAllStandardOutput());
    QVERIFY2(lista.contains(QStringLiteral("Defl:")), qPrintable(lista));
    // A second archive of the same name replaces the first.
    k.zar();
    {
        Kapcsolat u(QStringLiteral("uj2"));
        u.nyit(m_prog->forras());
        u.sql(QStringLiteral("DELETE FROM terv WHERE Terv=2"));
    }
    Archivalas::Keszit(m_prog->forras(), zip);
    const QString cel2 = m_ki.filePath(QStringLiteral("vissza2"));
    Kicsomagol(zip, cel2);
    QCOMPARE(Szam(cel2 + QStringLiteral("/pelvano.sqlite"),
                  QStringLiteral("SELECT count(*) FROM terv;")),
             1);
}

void TstArchivalas::sajatMagatNemTartalmazza() {
    const QString zip = m_prog->adatMappa() + QStringLiteral("/mentes.zip");
    Archivalas::Keszit(m_prog->forras(), zip);
    Archivalas::Keszit(m_prog->forras(), zip); // now it lies in the folder
    const QStringList nevek = Kicsomagol(zip, m_ki.filePath(QStringLiteral("v")));
    QCOMPARE(nevek, QStringList{QStringLiteral("pelvano.sqlite")});
}

void TstArchivalas::nagyAllomanyDarabokban_data() {
    QTest::addColumn<qint64>("meret");
    // Large files are deflated in pieces of 4 MB side by side.
    QTest::newRow("pieces and a part") << qint64((8 << 20) + 12345);
    QTest::newRow("whole pieces") << qint64(12 << 20);
}

void TstArchivalas::nagyAllomanyDarabokban() {
    // A large file comes back byte for byte (unzip checks its CRC), about as
    // small as deflated in one go.
    QFETCH(qint64, meret);
    QByteArray tartalom;
    tartalom.reserve(meret);
    quint32 x = 12345;
    while (tartalom.size() < meret) {
        x = x * 1103515245u + 12345u;
        // Text-like bytes with repeats, as a database's pages are.
        tartalom += QByteArray::number(x % 977) + (x % 5 ? "Tervrajz " : "Homlokzat ");
    }
    tartalom.truncate(meret);
    const QString nagy = m_prog->adatMappa() + QStringLiteral("/rajzok.bin");
    QFile f(nagy);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(tartalom), meret);
    f.close();
    const QString zip = m_ki.filePath(QStringLiteral("nagy.zip"));
    Archivalas::Keszit(m_prog->forras(), zip);
    const QString cel = m_ki.filePath(QStringLiteral("nagy"));
    QCOMPARE(Kicsomagol(zip, cel), (QStringList{"pelvano.sqlite", "rajzok.bin"}));
    QFile vissza(cel + QStringLiteral("/rajzok.bin"));
    QVERIFY(vissza.open(QIODevice::ReadOnly));
    QVERIFY(vissza.readAll() == tartalom);
    QProcess p;
    p.start(QStringLiteral("zip"), {QStringLiteral("-1"), QStringLiteral("-q"),
                                    m_ki.filePath(QStringLiteral("egyben.zip")), nagy});
    QVERIFY(p.waitForFinished(60000));
    const double egyben = QFileInfo(m_ki.filePath(QStringLiteral("egyben.zip"))).size();
    QVERIFY2(QFileInfo(zip).size() < egyben * 1.02,
             qPrintable(QStringLiteral("%1 / %2").arg(QFileInfo(zip).size()).arg(egyben)));
}

void TstArchivalas::irasKozben() {
    // Another workstation keeps writing while the archive is made.
    QProcess iro;
    iro.start(Teszt::TesztProgram(QStringLiteral("helper_iro")),
              {m_prog->adatMappa(), QStringLiteral("P"), QStringLiteral("3000"),
               m_prog->forras().szerver});
    QVERIFY(iro.waitForStarted());
    QTest::qWait(200);
    QStringList hibak;
    for (int i = 0; i < 3; ++i) {
        const QString zip = m_ki.filePath(QStringLiteral("m%1.zip").arg(i));
        Archivalas::Keszit(m_prog->forras(), zip);
        const QString cel = m_ki.filePath(QStringLiteral("m%1").arg(i));
        QCOMPARE(Kicsomagol(zip, cel), QStringList{QStringLiteral("pelvano.sqlite")});
        const QString db = cel + QStringLiteral("/pelvano.sqlite");
        bool ok = false;
        const QString ellenorzes =
            Teszt::Sqlite3Eszkoz(db, QStringLiteral("PRAGMA integrity_check;"), &ok);
        QVERIFY(ok);
        QCOMPARE(ellenorzes, QStringLiteral("ok"));
        QCOMPARE(Szam(db, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' "
                                         "AND name IN ('terv', 'terv_sor', 'tervkiad');")),
                 3);
        QVERIFY(Szam(db, QStringLiteral("SELECT count(*) FROM terv;")) >= 2);
    }
    QVERIFY(iro.waitForFinished(180000));
    QCOMPARE(iro.exitCode(), 0);
}

void TstArchivalas::hibak() {
    // A folder that cannot be written: an error with a message, nothing
    // replaced.
    const QString rossz = m_ki.filePath(QStringLiteral("nincs/ilyen/mappa.zip"));
    try {
        Archivalas::Keszit(m_prog->forras(), rossz);
        QFAIL("no error");
    } catch (const PelvanoHiba& h) {
        QVERIFY(!h.uzenet().isEmpty());
    }
    QVERIFY(!QFile::exists(rossz));
    const QString zip = m_ki.filePath(QStringLiteral("marad.zip"));
    Archivalas::Keszit(m_prog->forras(), zip);
    const QByteArray elotte = Teszt::FajlHash(zip);
    QVERIFY_THROWS_EXCEPTION(PelvanoHiba,
                             Archivalas::Keszit(m_ki.filePath(QStringLiteral("nincs")), zip));
    QCOMPARE(Teszt::FajlHash(zip), elotte);
}

void TstArchivalas::zartKapcsolattal() {
    // The connection is open again on its folder after the archive, written
    // or not, and reads and writes as before.
    Kapcsolat db(QStringLiteral("archiv"));
    db.nyit(m_prog->forras());
    const QString zip = m_ki.filePath(QStringLiteral("z.zip"));
    QCOMPARE(Archivalas::KeszitZarva(db, zip), QString());
    QVERIFY(QFile::exists(zip));
    QVERIFY(db.nyitva());
    QCOMPARE(db.mappa(), m_prog->adatMappa());
    QCOMPARE(db.forras().szerver, m_prog->forras().szerver);
    QSqlQuery q = db.sql(QStringLiteral("SELECT count(*) FROM terv"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 2);

    const QString hiba = Archivalas::KeszitZarva(db, m_ki.filePath(QStringLiteral("nincs/z.zip")));
    QVERIFY(!hiba.isEmpty());
    QVERIFY(db.nyitva());
    QCOMPARE(db.mappa(), m_prog->adatMappa());
    db.sql(QStringLiteral("UPDATE terv SET szur = 'I' WHERE Terv = 2"));
    q = db.sql(QStringLiteral("SELECT szur FROM terv WHERE Terv = 2"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("I"));
}

void TstArchivalas::foablakbol() {
    std::unique_ptr<Tfrm_Main> w = m_prog->foAblak();
    QVERIFY(w);
    QVERIFY(w->TervKeres(2));
    // Cancelled: nothing happens.
    FajlParbeszed::kovetkezo(std::nullopt);
    QVERIFY(Teszt::Indit(*w, QStringLiteral("aArchival")));
    QCOMPARE(FajlParbeszed::hivasok().last(),
             (FajlParbeszed::Hivas{QStringLiteral("Adatbázis mentése"),
                                   QStringLiteral("ZIP archívumok (*.zip)|*.zip"),
                                   Archivalas::JavasoltFajl(), QStringLiteral("zip")}));
    QCOMPARE(w->AktualisTerv(), 2);
    QVERIFY(UzenetTeszt::ablakok().isEmpty());
    QVERIFY(QDir(Seged::ProgramUtvonal(QStringLiteral("Archiv"))).exists());

    const QString zip = m_ki.filePath(QStringLiteral("f.zip"));
    FajlParbeszed::kovetkezo(zip);
    QVERIFY(Teszt::Indit(*w, QStringLiteral("aArchival")));
    QCOMPARE(UzenetTeszt::ablakok().last().szoveg, QStringLiteral("Archív állomány kész."));
    QVERIFY(QFile::exists(zip));
    // Reopened on the first plan with its lines; the lines work as before.
    QCOMPARE(w->AktualisTerv(), 1);
    QVERIFY(w->TblSor);
    QCOMPARE(w->TblSor->rowCount(), 2);
    QCOMPARE(w->DBGrid2->model()->rowCount(), 2);
    QVERIFY(Teszt::Indit(*w, QStringLiteral("aKiadJelol")));
    QCOMPARE(w->TblSor->ertek(0, QStringLiteral("kiadni")).toString(), QStringLiteral("I"));

    // A failure is reported and the window goes on.
    FajlParbeszed::kovetkezo(m_ki.filePath(QStringLiteral("nincs/x.zip")));
    QVERIFY(Teszt::Indit(*w, QStringLiteral("aArchival")));
    QVERIFY(UzenetTeszt::ablakok().last().szoveg.startsWith(
        QStringLiteral("Hiba az archiválás közben\r\n")));
    QCOMPARE(w->AktualisTerv(), 1);
    QCOMPARE(w->TblSor->rowCount(), 2);
}

namespace {
// Adds the daily archive's entries to the program's INI.
void NapiBekapcsol(const QString& megtart = QString()) {
    QFile ini(Seged::ProgramUtvonal(QStringLiteral("Pelvano.ini")));
    QVERIFY(ini.open(QIODevice::Append));
    ini.write("[Archiv]\nNapi=1\n");
    if (!megtart.isEmpty())
        ini.write("Megtart=" + megtart.toUtf8() + "\n");
}

// The names in a folder, sorted.
QStringList Nevek(const QString& mappa) {
    QStringList l = QDir(mappa).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    l.sort();
    return l;
}
} // namespace

void TstArchivalas::napiRitkitas() {
    // Only files named yyyymmdd.zip of a real date more than the days to
    // keep before today go; the day exactly that far back stays.
    const QString mappa = m_ki.filePath(QStringLiteral("archiv"));
    QDir().mkpath(mappa + QStringLiteral("/20200101.zip")); // a folder of that name
    for (const char* nev : {"20261110.zip", "20250101.zip", "20261111.zip", "20261211.zip",
                            "jegyzet.txt", "2026111.zip", "20261399.zip", "mentes_20201010.zip",
                            "20201010.ZIP", "20201010.zip.bak"}) {
        QFile f(mappa + QLatin1Char('/') + QLatin1String(nev));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QDate ma(2026, 12, 11);
    QCOMPARE(NapiArchiv::Ritkit(mappa, ma, 30), (QStringList{"20250101.zip", "20261110.zip"}));
    QCOMPARE(Nevek(mappa), (QStringList{"20200101.zip", "20201010.ZIP", "20201010.zip.bak",
                                        "2026111.zip", "20261111.zip", "20261211.zip",
                                        "20261399.zip", "jegyzet.txt", "mentes_20201010.zip"}));
    // Today's archive is due when no file of its name is there.
    QVERIFY(!NapiArchiv::Esedekes(mappa, ma));
    QVERIFY(NapiArchiv::Esedekes(mappa, ma.addDays(1)));
    QVERIFY(NapiArchiv::Esedekes(mappa, QDate(2020, 1, 1)));
}

void TstArchivalas::napiArchivIndulaskor() {
    const QString archiv = Seged::ProgramUtvonal(QStringLiteral("Archiv"));
    const QString mai = Archivalas::NapiFajl(archiv, QDate::currentDate());
    // Off unless the INI asks for it.
    {
        std::unique_ptr<Tfrm_Main> w = m_prog->foAblak();
        QVERIFY(w);
        QTest::qWait(50);
        QVERIFY(!w->NapiArchivFut());
    }
    QVERIFY(!QFile::exists(mai));
    // An old daily archive and a file of the office's own in the folder.
    const QString regi = Archivalas::NapiFajl(archiv, QDate::currentDate().addDays(-31));
    for (const QString& f : {regi, archiv + QStringLiteral("/olvass.txt")}) {
        QFile fajl(f);
        QVERIFY(fajl.open(QIODevice::WriteOnly));
    }
    NapiBekapcsol();
    QByteArray elso;
    {
        std::unique_ptr<Tfrm_Main> w = m_prog->foAblak();
        QVERIFY(w);
        // Made beside the window, which answers meanwhile.
        QTRY_VERIFY(w->NapiArchivFut() || QFile::exists(mai));
        QVERIFY(w->TervKeres(2));
        QTRY_VERIFY_WITH_TIMEOUT(!w->NapiArchivFut(), 60000);
        QVERIFY(w->StatusPanel[4]->text().isEmpty());
        QVERIFY(UzenetTeszt::ablakok().isEmpty());
        elso = Teszt::FajlHash(mai);
    }
    const QString cel = m_ki.filePath(QStringLiteral("napi"));
    QCOMPARE(Kicsomagol(mai, cel), QStringList{QStringLiteral("pelvano.sqlite")});
    QCOMPARE(Szam(cel + QStringLiteral("/pelvano.sqlite"),
                  QStringLiteral("SELECT count(*) FROM terv_sor WHERE terv=1;")),
             2);
    QCOMPARE(Nevek(archiv), (QStringList{QFileInfo(mai).fileName(), QStringLiteral("olvass.txt")}));
    // A second start on the same day makes no second archive: today's file
    // (marked here) stays as it is.
    QVERIFY(!elso.isEmpty());
    {
        QFile f(mai);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("mai archívum");
    }
    {
        std::unique_ptr<Tfrm_Main> w = m_prog->foAblak();
        QVERIFY(w);
        QTest::qWait(300);
        QVERIFY(!w->NapiArchivFut());
    }
    QFile f(mai);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("mai archívum"));
}

void TstArchivalas::napiArchivHiba() {
    // Today's archive cannot be written (a folder stands in its place): one
    // box with the reason, the program goes on, nothing half written left.
    const QString archiv = Seged::ProgramUtvonal(QStringLiteral("Archiv"));
    const QString mai = Archivalas::NapiFajl(archiv, QDate::currentDate());
    QVERIFY(QDir().mkpath(mai));
    const QString regi = Archivalas::NapiFajl(archiv, QDate::currentDate().addDays(-40));
    QFile(regi).open(QIODevice::WriteOnly);
    NapiBekapcsol(QStringLiteral("30"));
    std::unique_ptr<Tfrm_Main> w = m_prog->foAblak();
    QVERIFY(w);
    QTRY_VERIFY_WITH_TIMEOUT(UzenetTeszt::ablakok().size() == 1, 60000);
    QVERIFY(!w->NapiArchivFut());
    QCOMPARE(UzenetTeszt::ablakok().at(0).fajta, UzenetTeszt::Fajta::Hiba);
    QVERIFY2(UzenetTeszt::ablakok().at(0).szoveg.startsWith(
                 QStringLiteral("Hiba az archiválás közben\r\n")) &&
                 UzenetTeszt::ablakok().at(0).szoveg.size() > 27,
             qPrintable(UzenetTeszt::ablakok().at(0).szoveg));
    // The old archive stays when today's failed.
    QCOMPARE(Nevek(archiv), (QStringList{QFileInfo(regi).fileName(), QFileInfo(mai).fileName()}));
    QVERIFY(QFileInfo(mai).isDir());
    QVERIFY(w->TervKeres(2));
}

QTEST_MAIN(TstArchivalas)
#include "tst_archivalas.moc"
