// The take-over of an old data folder by the version change: tables written
// here with pxlib (several field types, Hungarian texts in windows-1250, a
// memo, an older terv, no terv_sor) come over value for value and are then
// brought to the current structure; the real files of the old engine come
// over record for record; a damaged file leaves no database and the old
// files untouched.

#include "atvetel.h"
#include "hiba.h"
#include "kapcsolat.h"
#include "karbantarto.h"
#include "kijelzonaplo.h"
#include "paradoxtabla.h"
#include "sqlitemotor.h"
#include "tesztadat.h"
#include "tesztkornyezet.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QStringEncoder>
#include <QtTest>

extern "C" {
#include <paradox.h>
}

namespace {

// A field of a table to write: name, pxlib type, length.
struct Mezo {
    const char* nev;
    char tipus;
    int hossz;
};

QByteArray Cp1250(const QString& s) {
    QStringEncoder e("windows-1250");
    return e.encode(s);
}

// Writes a Paradox table with pxlib: the records' values per field (QString
// in windows-1250, int, double, QDate, bool; null for empty).
void Ir(const QString& fajl, const QList<Mezo>& mezok, const QList<QVariantList>& sorok,
        const QString& memoFajl = {}) {
    pxdoc_t* px = PX_new();
    auto* f = static_cast<pxfield_t*>(px->malloc(px, sizeof(pxfield_t) * mezok.size(), "teszt"));
    for (qsizetype i = 0; i < mezok.size(); ++i) {
        f[i].px_fname = PX_strdup(px, mezok.at(i).nev);
        f[i].px_ftype = mezok.at(i).tipus;
        f[i].px_flen = mezok.at(i).hossz;
        f[i].px_fdc = 0;
    }
    QVERIFY(PX_create_file(px, f, int(mezok.size()), QFile::encodeName(fajl).constData(),
                           pxfFileTypNonIndexDB) == 0);
    PX_set_value(px, "codepage", 1250);
    if (!memoFajl.isEmpty())
        QVERIFY(PX_set_blob_file(px, QFile::encodeName(memoFajl).constData()) == 0);
    QByteArray rekord(PX_get_recordsize(px), '\0');
    for (const QVariantList& sor : sorok) {
        rekord.fill('\0');
        int hely = 0;
        for (qsizetype i = 0; i < mezok.size(); ++i) {
            char* p = rekord.data() + hely;
            const Mezo& m = mezok.at(i);
            hely += m.hossz;
            const QVariant v = sor.value(i);
            if (v.isNull())
                continue;
            switch (m.tipus) {
            case pxfAlpha: {
                QByteArray b = Cp1250(v.toString());
                PX_put_data_alpha(px, p, m.hossz, b.data());
                break;
            }
            case pxfMemoBLOb: {
                QByteArray b = Cp1250(v.toString());
                PX_put_data_blob(px, p, m.hossz, b.data(), int(b.size()));
                break;
            }
            case pxfDate: {
                const QDate d = v.toDate();
                PX_put_data_long(px, p, 4,
                                 int(PX_GregorianToSdn(d.year(), d.month(), d.day()) - 1721425));
                break;
            }
            case pxfShort:
                PX_put_data_short(px, p, 2, short(v.toInt()));
                break;
            case pxfLong:
            case pxfAutoInc:
                PX_put_data_long(px, p, 4, v.toInt());
                break;
            case pxfNumber:
                PX_put_data_double(px, p, 8, v.toDouble());
                break;
            case pxfLogical:
                PX_put_data_byte(px, p, 1, char(v.toBool() ? 1 : 0));
                break;
            }
        }
        QVERIFY(PX_put_record(px, rekord.data()) >= 0);
    }
    PX_close(px);
    PX_delete(px);
}

QString Lekerdez(const QString& mappa, const QString& sql) {
    return Teszt::Sqlite3Eszkoz(SqliteMotor::AdatFajl(mappa), sql);
}

QMap<QString, QByteArray> Hashek(const QString& mappa) {
    QMap<QString, QByteArray> h;
    for (const QFileInfo& f : QDir(mappa).entryInfoList(QDir::Files))
        h.insert(f.fileName(), Teszt::FajlHash(f.absoluteFilePath()));
    return h;
}

} // namespace

class TstAtvetel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void regiMappa();
    void serultTablaNemHagyNyomot_data();
    void serultTablaNemHagyNyomot();
    void valodiFajlok();
    void szerverre();

private:
    void regiTablak();
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_mappa;
};

void TstAtvetel::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
    ParadoxTabla::setOlvaso(QStringLiteral(PELVANO_BIN_DIR "/pelvano_paradox"));
}

void TstAtvetel::init() {
    // Taking an old folder over into its own data folder is the embedded
    // engine's; the server variant runs the move to the server alone.
    if (Teszt::SzerverMotoron() && qstrcmp(QTest::currentTestFunction(), "szerverre") != 0)
        QSKIP("the take-over into a data folder: the embedded variant");
    m_dir = std::make_unique<QTemporaryDir>();
    m_mappa = m_dir->path();
}

// An older office folder: terv without its six later columns and with a
// memo, clients with Hungarian names, the issue log with dates, a table the
// schema does not know; no terv_sor.
void TstAtvetel::regiTablak() {
    const QDir d(m_mappa);
    Ir(d.filePath("terv.DB"),
       {{"Terv", pxfAutoInc, 4},
        {"Tervszam", pxfAlpha, 20},
        {"Cim", pxfAlpha, 100},
        {"Ugyfel", pxfLong, 4},
        {"Helyszin", pxfAlpha, 25},
        {"Tipus", pxfLong, 4},
        {"Levelezes", pxfAlpha, 1},
        {"Megjegyzes", pxfMemoBLOb, 20},
        {"szur", pxfAlpha, 1}},
       {{1, "2001/01", "Óvoda bővítése", 2, "Győr", 1, "N",
         QString(QStringLiteral("Hosszú megjegyzés, ékezetekkel: árvíztűrő tükörfúrógép. ")
                     .repeated(6)),
         "N"},
        {7, "2001/07", "Tetőtér-beépítés", 1, QVariant(), QVariant(), "I", "rövid", "N"},
        {3, "2001/03", QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
         QVariant()}},
       d.filePath("terv.MB"));
    Ir(d.filePath("UGYFEL.DB"),
       {{"Ugyfel", pxfAutoInc, 4}, {"Ugyfel_nev", pxfAlpha, 100}, {"Cim_irsz", pxfAlpha, 5}},
       {{1, "Őrszentmiklósi Építő Kft.", "2166"}, {2, "Kiss Ödön és Fiai", QVariant()}});
    Ir(d.filePath("tervkiad.DB"),
       {{"tervkiad", pxfAutoInc, 4},
        {"terv", pxfLong, 4},
        {"sor", pxfShort, 2},
        {"dat_kiad", pxfDate, 4},
        {"dat_vissza", pxfDate, 4},
        {"kint", pxfAlpha, 1},
        {"kinek", pxfAlpha, 50}},
       {{1, 1, 2, QDate(2001, 3, 15), QDate(2001, 4, 2), "N", "Úszó Ágnes"},
        {2, 7, 1, QDate(2002, 12, 31), QVariant(), "I", "Bíró Tünde"}});
    Ir(d.filePath("jegyzet.db"),
       {{"Sorszam", pxfShort, 2}, {"Osszeg", pxfNumber, 8}, {"Kesz", pxfLogical, 1}},
       {{1, 1234.5, true}, {2, QVariant(), false}});
}

void TstAtvetel::regiMappa() {
    regiTablak();
    const auto regiFajlok = Hashek(m_mappa);
    QVERIFY(Atvetel::Szukseges(m_mappa));
    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    // The folder has no issue log of lines: the version change ends with
    // the engine's error only when terv is missing, not here.
    QVERIFY(karb.verziovaltas(m_mappa + QStringLiteral("/")));
    QCOMPARE(n.szovegek(),
             (QStringList{"allapot Átvétel: jegyzet.db", "allapot Átvétel: terv.DB",
                          "allapot Átvétel: tervkiad.DB", "allapot Átvétel: UGYFEL.DB",
                          "uzenet A régi adatbázis átvétele kész. Átvett rekordok:\r\n"
                          "jegyzet.db: 2\r\nterv.DB: 3\r\ntervkiad.DB: 2\r\nUGYFEL.DB: 2",
                          "allapot Táblák létrehozása", "uzenet Verzióváltás kész"}));
    // The old files were only read.
    auto utana = Hashek(m_mappa);
    utana.remove(QStringLiteral("pelvano.sqlite"));
    QCOMPARE(utana, regiFajlok);

    // Every value, keys as they were.
    const QString hosszu =
        QStringLiteral("Hosszú megjegyzés, ékezetekkel: árvíztűrő tükörfúrógép. ").repeated(6);
    QCOMPARE(Lekerdez(m_mappa, "SELECT Terv, Tervszam, Cim, Ugyfel, Helyszin, Tipus, Levelezes, "
                               "length(Megjegyzes), szur FROM terv ORDER BY Terv"),
             QStringLiteral("1|2001/01|Óvoda bővítése|2|Győr|1|N|%1|N\n"
                            "3|2001/03|||||||\n"
                            "7|2001/07|Tetőtér-beépítés|1|||I|5|N")
                 .arg(hosszu.size()));
    QCOMPARE(Lekerdez(m_mappa, "SELECT Megjegyzes FROM terv WHERE Terv=1"), hosszu.trimmed());
    QCOMPARE(Lekerdez(m_mappa, "SELECT Megjegyzes FROM terv WHERE Terv=7"),
             QStringLiteral("rövid"));
    QCOMPARE(Lekerdez(m_mappa, "SELECT Ugyfel, Ugyfel_nev, Cim_irsz IS NULL FROM ugyfel"),
             QStringLiteral("1|Őrszentmiklósi Építő Kft.|0\n2|Kiss Ödön és Fiai|1"));
    QCOMPARE(Lekerdez(m_mappa, "SELECT tervkiad, terv, sor, dat_kiad, dat_vissza, kint, kinek "
                               "FROM tervkiad"),
             QStringLiteral("1|1|2|2001-03-15|2001-04-02|N|Úszó Ágnes\n"
                            "2|7|1|2002-12-31||I|Bíró Tünde"));
    QCOMPARE(Lekerdez(m_mappa, "SELECT * FROM jegyzet"), QStringLiteral("1|1234.5|1\n2||0"));

    // Brought to the current structure: the six columns of terv, terv_sor
    // with its flag and log key; keys go on after the highest.
    QCOMPARE(Lekerdez(m_mappa, "SELECT group_concat(name) FROM pragma_table_info('terv')"),
             QStringLiteral("Terv,Tervszam,Cim,Ugyfel,Helyszin,Tipus,Levelezes,Megjegyzes,szur,"
                            "datum,tervezo,szakag,tervjel,tervfajta,tervszakasz"));
    QVERIFY(Lekerdez(m_mappa, "SELECT group_concat(name) FROM pragma_table_info('terv_sor')")
                .endsWith(QLatin1String("kiadni,tervkiad")));
    Kapcsolat k(QStringLiteral("utana"));
    k.nyit(m_mappa);
    k.sql(QStringLiteral("INSERT INTO terv (Tervszam) VALUES ('új')"));
    k.sql(QStringLiteral("INSERT INTO ugyfel (Ugyfel_nev) VALUES ('új')"));
    QCOMPARE(Lekerdez(m_mappa, "SELECT max(Terv) FROM terv"), QStringLiteral("8"));
    QCOMPARE(Lekerdez(m_mappa, "SELECT max(Ugyfel) FROM ugyfel"), QStringLiteral("3"));
    // The width rule holds for the tables taken over.
    k.sql(QStringLiteral("UPDATE terv SET Tervszam = '%1' WHERE Terv = 1").arg(QString(30, 'x')));
    QCOMPARE(Lekerdez(m_mappa, "SELECT length(Tervszam) FROM terv WHERE Terv=1"),
             QStringLiteral("20"));
    QVERIFY(!Atvetel::Szukseges(m_mappa));
}

void TstAtvetel::serultTablaNemHagyNyomot_data() {
    QTest::addColumn<QString>("eset");
    QTest::newRow("random bytes") << "szemet";
    QTest::newRow("truncated") << "csonka";
    QTest::newRow("memo file missing") << "mbNelkul";
}

void TstAtvetel::serultTablaNemHagyNyomot() {
    QFETCH(QString, eset);
    regiTablak();
    const QDir d(m_mappa);
    if (eset == QLatin1String("szemet")) {
        QFile f(d.filePath("tipus.DB"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, '\x7f'));
    } else if (eset == QLatin1String("csonka")) {
        QFile f(d.filePath("tervkiad.DB"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(1500));
    } else {
        QVERIFY(QFile::remove(d.filePath("terv.MB")));
    }
    const auto elotte = Hashek(m_mappa);
    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    QVERIFY(!karb.verziovaltas(m_mappa));
    const QStringList hibak = n.hibak();
    QCOMPARE(hibak.size(), 1);
    const QString fajl = eset == QLatin1String("szemet")   ? QStringLiteral("tipus.DB")
                         : eset == QLatin1String("csonka") ? QStringLiteral("tervkiad.DB")
                                                           : QStringLiteral("terv.DB");
    QVERIFY2(hibak.at(0).startsWith(QStringLiteral("hiba Hiba az átvétel közben:\r\n") + fajl +
                                    QStringLiteral(": ")),
             qPrintable(hibak.at(0)));
    QVERIFY(!n.esemenyek.contains(QStringLiteral("uzenet Verzióváltás kész")));
    // Nothing left behind, nothing of the old files changed.
    QCOMPARE(Hashek(m_mappa), elotte);
}

void TstAtvetel::valodiFajlok() {
    const QString forras = Teszt::FixtureMappa() + QStringLiteral("/paradox");
    if (!QFile::exists(forras + QStringLiteral("/memo.db")))
        QSKIP("the old engine's files are not here");
    for (const QFileInfo& f : QDir(forras).entryInfoList(QDir::Files))
        if (f.suffix().compare(QLatin1String("md"), Qt::CaseInsensitive) != 0)
            QVERIFY(QFile::copy(f.absoluteFilePath(), QDir(m_mappa).filePath(f.fileName())));
    Teszt::KijelzoNaplo n;
    const auto darabok = Atvetel::Vegrehajt(m_mappa, n);
    QCOMPARE(darabok, (QList<QPair<QString, int>>{{"CUSTOMER.DB", 20},
                                                  {"date7.db", 5},
                                                  {"EMPLOYEE.DB", 21},
                                                  {"logical.db", 4},
                                                  {"long.db", 3},
                                                  {"memo.db", 2},
                                                  {"timestamp.db", 2}}));
    QCOMPARE(Lekerdez(m_mappa, "SELECT count(*), sum(length(Comments) > 110) FROM CUSTOMER"),
             QStringLiteral("20|4"));
    QCOMPARE(Lekerdez(m_mappa, "SELECT length(MEMO) FROM memo ORDER BY Id"),
             QStringLiteral("555\n12"));
    QCOMPARE(Lekerdez(m_mappa, "SELECT \"Employee Name\" FROM EMPLOYEE WHERE \"Store #\"='A' "
                               "AND \"Employee #\"=1"),
             QStringLiteral("Cynthia Elkins"));
    QCOMPARE(Lekerdez(m_mappa, "SELECT DATE, TIME FROM date7 ORDER BY rowid LIMIT 1"),
             QStringLiteral("2018-01-01|10:00:00"));
}

void TstAtvetel::szerverre() {
    if (!Teszt::SzerverMotoron())
        QSKIP("a server's database: the server variant");
    regiTablak();
    const auto elotte = Hashek(m_mappa);
    Teszt::SzerverAdatbazis szerver;
    Teszt::KijelzoNaplo n;
    Karbantarto karb(n);
    karb.setSzerver(szerver.szerver());
    const bool jo = karb.szerverre(m_mappa);
    QVERIFY2(n.hibak().isEmpty(), qPrintable(n.hibak().join(QLatin1Char('\n'))));
    QVERIFY(jo);
    const QString osszegzes = n.szovegek().filter(QStringLiteral("uzenet Áttöltés kész.")).value(0);
    for (const char* darab :
         {"\r\nterv: 3 rekord", "\r\nugyfel: 2 rekord", "\r\ntervkiad: 2 rekord",
          "\r\nterv_sor: 0 rekord", "\r\njegyzet: 2 rekord"})
        QVERIFY2(osszegzes.contains(QString::fromUtf8(darab)), qPrintable(osszegzes));
    // The old folder was only read: not even a database was made in it.
    QCOMPARE(Hashek(m_mappa), elotte);

    // The same records as the take-over into a data folder gives, the table
    // of the office's own (jegyzet) too.
    QTemporaryDir helyi;
    for (const QFileInfo& f : QDir(m_mappa).entryInfoList(QDir::Files))
        QVERIFY(QFile::copy(f.absoluteFilePath(), QDir(helyi.path()).filePath(f.fileName())));
    Teszt::KijelzoNaplo n2;
    Karbantarto helyiKarb(n2);
    QVERIFY(helyiKarb.verziovaltas(helyi.path()));
    Kapcsolat regi(QStringLiteral("regi"));
    regi.nyit(helyi.path());
    Kapcsolat uj(QStringLiteral("uj"));
    uj.nyit(Adatforras{m_mappa, szerver.szerver()});
    const QStringList tartalom = Teszt::Tartalom(regi);
    QVERIFY(tartalom.contains(QStringLiteral("1|1234.5|1")));
    QCOMPARE(Teszt::Tartalom(uj), tartalom);
    // Keys go on after the highest on the server too.
    uj.sql(QStringLiteral("INSERT INTO terv (Tervszam) VALUES ('új')"));
    QCOMPARE(Teszt::Szam(uj, QStringLiteral("SELECT max(Terv) FROM terv")), 8);
}

QTEST_MAIN(TstAtvetel)
#include "tst_atvetel.moc"
