// Pelvano.ini: names regardless of case, defaults, values in either encoding,
// and writing that keeps every line the program does not set.

#include "inifajl.h"
#include "pelvanoini.h"
#include "tesztadat.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The six entries as the application writes them at its close.
void hatBejegyzes(IniFajl& ini, const QString& ut, bool teljes, int bal, int felso, int mag,
                  int szel) {
    ini.beallit("Database", "Path", ut);
    ini.beallitLogikai("Screen", "FullScreen", teljes);
    ini.beallitEgesz("Screen", "Left", bal);
    ini.beallitEgesz("Screen", "Top", felso);
    ini.beallitEgesz("Screen", "Height", mag);
    ini.beallitEgesz("Screen", "Width", szel);
}

} // namespace

class TstIniFajl : public QObject {
    Q_OBJECT

private slots:
    void init();

    void nevekBetumeretNelkul_data();
    void nevekBetumeretNelkul();
    void hianyzoFajlEsKulcs();
    void egeszErtekek_data();
    void egeszErtekek();
    void kodolas_data();
    void kodolas();
    void szemetEsBinarisSorokMaradnak();
    void helybenCserelEsBeszur();
    void ujFajlSorrendje();
    void kulonlegesErtekekVisszaolvasva_data();
    void kulonlegesErtekekVisszaolvasva();
    void tulNagyFajlotNemIrFelul();
    void sikertelenMentes();
    void archivBejegyzesek_data();
    void archivBejegyzesek();

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_fajl;
};

void TstIniFajl::init() {
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    m_fajl = m_tmp->filePath("Pelvano.ini");
}

void TstIniFajl::nevekBetumeretNelkul_data() {
    QTest::addColumn<QString>("szakasz");
    QTest::addColumn<QString>("kulcs");
    QTest::addColumn<QString>("vart");
    QTest::newRow("ahogy a fájlban") << "DATABASE"
                                     << "pAtH"
                                     << "/srv/Tervek Adat";
    QTest::newRow("kisbetűvel") << "database"
                                << "path"
                                << "/srv/Tervek Adat";
    QTest::newRow("szokásos írásmód") << "Database"
                                      << "Path"
                                      << "/srv/Tervek Adat";
    QTest::newRow("más szakasz") << "screen"
                                 << "LEFT"
                                 << "15";
    QTest::newRow("szóközök a név körül") << "Screen"
                                          << "Top"
                                          << "7";
}

void TstIniFajl::nevekBetumeretNelkul() {
    QFETCH(QString, szakasz);
    QFETCH(QString, kulcs);
    QFETCH(QString, vart);
    QVERIFY(Teszt::FajlIr(m_fajl, "[DATABASE]\r\npAtH = /srv/Tervek Adat \r\n"
                                  "[ Screen ]\r\nleft=15\r\n  TOP  =7\r\n"));
    IniFajl ini;
    QVERIFY(ini.betolt(m_fajl));
    QCOMPARE(ini.ertek(szakasz, kulcs), std::optional<QString>(vart));
}

void TstIniFajl::hianyzoFajlEsKulcs() {
    IniFajl ini;
    QVERIFY(ini.betolt(m_fajl)); // no file yet
    QCOMPARE(ini.ertek("Database", "Path"), std::nullopt);
    QCOMPARE(ini.szoveg("Database", "Path"), QString());
    QCOMPARE(ini.logikai("Screen", "FullScreen", true), true);
    QCOMPARE(ini.egesz("Screen", "Height", 550), 550);

    // A key of the same name in another section is not the entry.
    QVERIFY(Teszt::FajlIr(m_fajl, "Left=1\n[Egyeb]\nLeft=2\n[Screen]\nTop=3\n"));
    QVERIFY(ini.betolt(m_fajl));
    QCOMPARE(ini.egesz("Screen", "Left", 10), 10);
    QCOMPARE(ini.egesz("Screen", "Top", 10), 3);
}

void TstIniFajl::egeszErtekek_data() {
    QTest::addColumn<QByteArray>("ertek");
    QTest::addColumn<int>("vartEgesz");
    QTest::addColumn<bool>("vartLogikai");
    // Defaults: 77 and false.
    QTest::newRow("szám") << QByteArray("12") << 12 << true;
    QTest::newRow("nulla") << QByteArray("0") << 0 << false;
    QTest::newRow("negatív") << QByteArray("-5") << -5 << true;
    QTest::newRow("előjeles") << QByteArray("+8") << 8 << true;
    QTest::newRow("legnagyobb") << QByteArray("2147483647") << 2147483647 << true;
    QTest::newRow("legkisebb") << QByteArray("-2147483648") << int(-2147483648LL) << true;
    QTest::newRow("túl nagy") << QByteArray("2147483648") << 77 << false;
    QTest::newRow("óriási") << QByteArray(5000, '9') << 77 << false;
    QTest::newRow("szám és betű") << QByteArray("12abc") << 77 << false;
    QTest::newRow("tört") << QByteArray("1.5") << 77 << false;
    QTest::newRow("hexa") << QByteArray("0x10") << 77 << false;
    QTest::newRow("szó") << QByteArray("True") << 77 << false;
    QTest::newRow("üres") << QByteArray("") << 77 << false;
    QTest::newRow("bináris") << QByteArray("\x00\x01\xff", 3) << 77 << false;
    QTest::newRow("idézőjelben") << QByteArray("\"5\"") << 5 << true;
}

void TstIniFajl::egeszErtekek() {
    QFETCH(QByteArray, ertek);
    QFETCH(int, vartEgesz);
    QFETCH(bool, vartLogikai);
    QVERIFY(Teszt::FajlIr(m_fajl, "[Screen]\r\nLeft=" + ertek + "\r\n"));
    IniFajl ini(m_fajl);
    QCOMPARE(ini.egesz("Screen", "Left", 77), vartEgesz);
    QCOMPARE(ini.logikai("Screen", "Left", false), vartLogikai);
}

void TstIniFajl::kodolas_data() {
    QTest::addColumn<QByteArray>("bajtok");
    QTest::addColumn<QString>("vart");
    QTest::newRow("UTF-8") << QByteArray("/home/iroda/Árvíztűrő tükörfúrógép")
                           << "/home/iroda/Árvíztűrő tükörfúrógép";
    QTest::newRow("windows-1250") << QByteArray("C:\\Tervek\\\xc1rv\xedzt\xfbr\xf5")
                                  << "C:\\Tervek\\Árvíztűrő";
    QTest::newRow("ASCII") << QByteArray("C:\\Pelvano\\Data") << "C:\\Pelvano\\Data";
}

void TstIniFajl::kodolas() {
    QFETCH(QByteArray, bajtok);
    QFETCH(QString, vart);
    QVERIFY(Teszt::FajlIr(m_fajl, "\xEF\xBB\xBF[Database]\r\nPath=" + bajtok + "\r\n"));
    IniFajl ini(m_fajl);
    QCOMPARE(ini.szoveg("Database", "Path"), vart);
}

// Garbage, binary bytes, comments and unknown entries survive a save of the
// six entries byte for byte; the broken values read as defaults.
void TstIniFajl::szemetEsBinarisSorokMaradnak() {
    const QByteArray hosszu(200000, '7');
    const QByteArray eredeti = QByteArrayLiteral("; Pelvano beállítások\r\n"
                                                 "szemét sor ékezettel \xe9\xe1\r\n"
                                                 "[Database]\r\n"
                                                 "Path=/nincs/ilyen\r\n"
                                                 "Jelszo=\xff\xfe\x00\x01titok\r\n"
                                                 "[[[\r\n"
                                                 "=érték név nélkül\r\n") +
                               QByteArrayLiteral("\x00\x00\x00\x89PNG\r\n") +
                               "[Screen]\r\n"
                               "FullScreen=igen\r\n"
                               "Left=" +
                               hosszu +
                               "\r\n"
                               "Top=12abc\r\n"
                               "Sajat=marad\r\n"
                               "\r\n"
                               "[Nyomtato]\r\n"
                               "Nev=HP LaserJet";
    QVERIFY(Teszt::FajlIr(m_fajl, eredeti));

    IniFajl ini;
    QVERIFY(ini.betolt(m_fajl));
    QCOMPARE(ini.szoveg("Database", "Path"), QString("/nincs/ilyen"));
    QCOMPARE(ini.logikai("Screen", "FullScreen", true), true);
    QCOMPARE(ini.egesz("Screen", "Left", 10), 10);
    QCOMPARE(ini.egesz("Screen", "Top", 10), 10);
    QCOMPARE(ini.egesz("Screen", "Height", 550), 550);
    QCOMPARE(ini.szoveg("Nyomtato", "Nev"), QString("HP LaserJet"));

    hatBejegyzes(ini, "/srv/adat", false, 1, 2, 3, 4);
    QVERIFY2(ini.ment(), qPrintable(ini.hibaSzoveg()));

    const QByteArray vart = QByteArrayLiteral("; Pelvano beállítások\r\n"
                                              "szemét sor ékezettel \xe9\xe1\r\n"
                                              "[Database]\r\n"
                                              "Path=/srv/adat\r\n"
                                              "Jelszo=\xff\xfe\x00\x01titok\r\n"
                                              "[[[\r\n"
                                              "=érték név nélkül\r\n") +
                            QByteArrayLiteral("\x00\x00\x00\x89PNG\r\n") +
                            "[Screen]\r\n"
                            "FullScreen=0\r\n"
                            "Left=1\r\n"
                            "Top=2\r\n"
                            "Sajat=marad\r\n"
                            "Height=3\r\n"
                            "Width=4\r\n"
                            "\r\n"
                            "[Nyomtato]\r\n"
                            "Nev=HP LaserJet";
    QCOMPARE(Teszt::FajlTartalom(m_fajl), vart);
}

void TstIniFajl::helybenCserelEsBeszur() {
    // LF endings, an unterminated last line, the section named in capitals.
    QVERIFY(Teszt::FajlIr(m_fajl, "[SCREEN]\nleft = 5\n# megjegyzés\n\n\n[Egyeb]\nX=1"));
    IniFajl ini(m_fajl);
    ini.beallitEgesz("Screen", "Left", 99);   // in place, spelled as given
    ini.beallitEgesz("Screen", "Width", 770); // after the section's last line
    ini.beallit("Egyeb", "Y", "2");           // after an unterminated last line
    ini.beallit("Database", "Path", "/adat"); // new section at the end
    QVERIFY(ini.ment());
    QCOMPARE(Teszt::FajlTartalom(m_fajl),
             QByteArray("[SCREEN]\nLeft=99\n# megjegyzés\nWidth=770\n\n\n"
                        "[Egyeb]\nX=1\nY=2\n\n[Database]\nPath=/adat\n"));

    // Read back by a fresh reader.
    IniFajl ujra(m_fajl);
    QCOMPARE(ujra.egesz("screen", "left", 0), 99);
    QCOMPARE(ujra.egesz("screen", "width", 0), 770);
    QCOMPARE(ujra.szoveg("database", "path"), QString("/adat"));
}

void TstIniFajl::ujFajlSorrendje() {
    IniFajl ini;
    QVERIFY(ini.betolt(m_fajl));
    hatBejegyzes(ini, "/home/iroda/Pelvano/Data", true, 10, 10, 550, 770);
    QVERIFY(ini.ment());
    QCOMPARE(Teszt::FajlTartalom(m_fajl), QByteArray("[Database]\nPath=/home/iroda/Pelvano/Data\n\n"
                                                     "[Screen]\nFullScreen=1\nLeft=10\nTop=10\n"
                                                     "Height=550\nWidth=770\n"));
    // The second close rewrites the same entries without adding lines.
    IniFajl masodik(m_fajl);
    hatBejegyzes(masodik, "/máshol", false, -4, 0, 600, 800);
    QVERIFY(masodik.ment());
    QCOMPARE(Teszt::FajlTartalom(m_fajl), QByteArray("[Database]\nPath=/máshol\n\n"
                                                     "[Screen]\nFullScreen=0\nLeft=-4\nTop=0\n"
                                                     "Height=600\nWidth=800\n"));
}

void TstIniFajl::kulonlegesErtekekVisszaolvasva_data() {
    QTest::addColumn<QString>("ertek");
    QTest::addColumn<QString>("vart");
    QTest::newRow("ékezetes") << "/home/Ödön/Tervtár"
                              << "/home/Ödön/Tervtár";
    QTest::newRow("egyenlőségjel") << "a=b"
                                   << "a=b";
    QTest::newRow("szóköz elöl és hátul") << " /adat "
                                          << " /adat ";
    QTest::newRow("idézőjelek") << "\"q\""
                                << "\"q\"";
    QTest::newRow("egy idézőjel") << "\""
                                  << "\"";
    QTest::newRow("pontosvessző") << "; nem megjegyzés"
                                  << "; nem megjegyzés";
    QTest::newRow("sortörés") << "első\r\nmásodik"
                              << "első  második";
    QTest::newRow("üres") << ""
                          << "";
}

void TstIniFajl::kulonlegesErtekekVisszaolvasva() {
    QFETCH(QString, ertek);
    QFETCH(QString, vart);
    IniFajl ini(m_fajl);
    ini.beallit("Database", "Path", ertek);
    ini.beallitEgesz("Screen", "Left", 3);
    QVERIFY(ini.ment());
    IniFajl ujra(m_fajl);
    QCOMPARE(ujra.ertek("Database", "Path"), std::optional<QString>(vart));
    QCOMPARE(ujra.egesz("Screen", "Left", 0), 3);
}

void TstIniFajl::tulNagyFajlotNemIrFelul() {
    const QByteArray nagy = "[Database]\nPath=/adat\n" + QByteArray(IniFajl::MaxMeret, 'x');
    QVERIFY(Teszt::FajlIr(m_fajl, nagy));
    IniFajl ini;
    QVERIFY(!ini.betolt(m_fajl));
    QVERIFY(!ini.hibaSzoveg().isEmpty());
    QCOMPARE(ini.ertek("Database", "Path"), std::nullopt);
    QCOMPARE(ini.egesz("Screen", "Left", 10), 10);
    hatBejegyzes(ini, "/adat", true, 10, 10, 550, 770);
    QVERIFY(!ini.ment());
    QCOMPARE(Teszt::FajlTartalom(m_fajl), nagy);
}

void TstIniFajl::sikertelenMentes() {
    IniFajl ini;
    QVERIFY(ini.betolt(m_tmp->filePath("nincs ilyen mappa/Pelvano.ini")));
    ini.beallit("Database", "Path", "/adat");
    QVERIFY(!ini.ment());
    QVERIFY(!ini.hibaSzoveg().isEmpty());

    // A folder where the file should be: not read, not replaced.
    QVERIFY(QDir().mkpath(m_fajl));
    QVERIFY(!ini.betolt(m_fajl));
    ini.beallit("Database", "Path", "/adat");
    QVERIFY(!ini.ment());
    QVERIFY(QFileInfo(m_fajl).isDir());
}

void TstIniFajl::archivBejegyzesek_data() {
    QTest::addColumn<QByteArray>("tartalom");
    QTest::addColumn<bool>("napi");
    QTest::addColumn<int>("megtart");
    QTest::newRow("missing: off, 30 days") << QByteArray("[Database]\nPath=x\n") << false << 30;
    QTest::newRow("on, days given") << QByteArray("[archiv]\nnapi=1\nMEGTART=7\n") << true << 7;
    QTest::newRow("off") << QByteArray("[Archiv]\nNapi=0\nMegtart=90\n") << false << 90;
    QTest::newRow("zero days: the default")
        << QByteArray("[Archiv]\nNapi=1\nMegtart=0\n") << true << 30;
    QTest::newRow("below zero: the default")
        << QByteArray("[Archiv]\nNapi=1\nMegtart=-5\n") << true << 30;
    QTest::newRow("not a number: the default")
        << QByteArray("[Archiv]\nNapi=1\nMegtart=egy hónap\n") << true << 30;
    QTest::newRow("one day") << QByteArray("[Archiv]\nNapi=1\nMegtart=1\n") << true << 1;
}

void TstIniFajl::archivBejegyzesek() {
    QFETCH(QByteArray, tartalom);
    QFETCH(bool, napi);
    QFETCH(int, megtart);
    QVERIFY(Teszt::FajlIr(m_fajl, tartalom));
    IniFajl ini;
    QVERIFY(ini.betolt(m_fajl));
    const IniErtekek e = IniOlvas(ini);
    QCOMPARE(e.ArchivNapi, napi);
    QCOMPARE(e.ArchivMegtart, megtart);
    // Writing the window's entries keeps them.
    IniIr(ini, e);
    QVERIFY(ini.ment());
    QVERIFY(ini.betolt(m_fajl));
    QCOMPARE(IniOlvas(ini).ArchivNapi, napi);
}

QTEST_GUILESS_MAIN(TstIniFajl)
#include "tst_inifajl.moc"
