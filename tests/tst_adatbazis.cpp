// The data store: schema, keys, width rule, Unicode UPPER, Hungarian name
// order, the local dialect, several processes, damaged files, the delivered
// data folder.

#include "adatmappa.h"
#include "dialektus.h"
#include "jelszo.h"
#include "kapcsolat.h"
#include "pgmotor.h"
#include "sqlitemotor.h"
#include "tablamodell.h"
#include "tesztkornyezet.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The declared structure of a table in the words of the local dialect:
// "col TYPE" joined by "|", then " / PK(cols)".
QString szerkezetSzerveren(Kapcsolat& k, const QString& tabla);

QString szerkezet(Kapcsolat& k, const QString& tabla) {
    if (k.forras().szerveren())
        return szerkezetSzerveren(k, tabla);
    QSqlQuery sql =
        k.sql(QStringLiteral("SELECT sql FROM sqlite_master WHERE type='table' AND name=:n"),
              {{QStringLiteral("n"), tabla}});
    const QString letrehozo = sql.next() ? sql.value(0).toString() : QString();
    QSqlQuery q = k.sql(QStringLiteral("PRAGMA table_info(%1)").arg(tabla));
    QStringList oszlopok;
    QMap<int, QString> kulcs;
    while (q.next()) {
        const QString nev = q.value(1).toString();
        QString tipus = q.value(2).toString().toUpper();
        const int pk = q.value(5).toInt();
        if (tipus == QLatin1String("INTEGER"))
            tipus = (pk == 1 && letrehozo.contains(QLatin1String("AUTOINCREMENT")))
                        ? QStringLiteral("AUTOINC")
                        : QStringLiteral("INT");
        else if (tipus == QLatin1String("TEXT"))
            tipus = QStringLiteral("MEMO");
        oszlopok << nev + QLatin1Char(' ') + tipus;
        if (pk > 0)
            kulcs[pk] = nev;
    }
    return oszlopok.join(QLatin1Char('|')) + QStringLiteral(" / PK(") +
           kulcs.values().join(QLatin1Char(',')) + QLatin1Char(')');
}

// The same read from the server's catalog: a text column's width from its
// check, an identity column as AUTOINC.
QString szerkezetSzerveren(Kapcsolat& k, const QString& tabla) {
    QMap<QString, QString> szelesseg;
    QSqlQuery c = k.sql(QStringLiteral("SELECT pg_get_constraintdef(oid) FROM pg_constraint WHERE "
                                       "conrelid = to_regclass(:t) AND contype = 'c'"),
                        {{QStringLiteral("t"), tabla}});
    static const QRegularExpression szel(
        QStringLiteral(R"re(char_length\(\(?"?(\w+)"?\)?(?:::text)?\)\s*<=\s*(\d+))re"));
    while (c.next())
        if (const auto m = szel.match(c.value(0).toString()); m.hasMatch())
            szelesseg.insert(m.captured(1), m.captured(2));
    QSqlQuery q = k.sql(QStringLiteral("SELECT column_name, data_type, is_identity FROM "
                                       "information_schema.columns WHERE table_name = :t AND "
                                       "table_schema = current_schema() ORDER BY ordinal_position"),
                        {{QStringLiteral("t"), tabla}});
    QStringList oszlopok;
    while (q.next()) {
        const QString nev = q.value(0).toString();
        const QString tipus = q.value(1).toString();
        QString helyi;
        if (q.value(2).toString() == QLatin1String("YES"))
            helyi = QStringLiteral("AUTOINC");
        else if (tipus == QLatin1String("integer") || tipus == QLatin1String("smallint"))
            helyi = QStringLiteral("INT");
        else if (tipus == QLatin1String("text"))
            helyi = szelesseg.contains(nev) ? QStringLiteral("CHAR(%1)").arg(szelesseg.value(nev))
                                            : QStringLiteral("MEMO");
        else if (tipus == QLatin1String("date"))
            helyi = QStringLiteral("DATE");
        else if (tipus.startsWith(QLatin1String("timestamp")))
            helyi = QStringLiteral("TIMESTAMP");
        else
            helyi = tipus;
        oszlopok << nev + QLatin1Char(' ') + helyi;
    }
    QSqlQuery pk = k.sql(
        QStringLiteral("SELECT a.attname FROM pg_index i JOIN pg_attribute a ON a.attrelid = "
                       "i.indrelid AND a.attnum = ANY(i.indkey) WHERE i.indrelid = to_regclass(:t) "
                       "AND i.indisprimary ORDER BY array_position(i.indkey, a.attnum)"),
        {{QStringLiteral("t"), tabla}});
    QStringList kulcs;
    while (pk.next())
        kulcs << pk.value(0).toString();
    return oszlopok.join(QLatin1Char('|')) + QStringLiteral(" / PK(") +
           kulcs.join(QLatin1Char(',')) + QLatin1Char(')');
}

} // namespace

class TstAdatbazis : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sema_data();
    void sema();
    void nevIndexek();
    void kulcsNemIsmetlodik();
    void szelessegVagas_data();
    void szelessegVagas();
    void szelessegKarakterenkent_data();
    void szelessegKarakterenkent();
    void unicodeUpper();
    void magyarNevSorrend();
    void dialektusForditas_data();
    void dialektusForditas();
    void szerverDialektus_data();
    void szerverDialektus();
    void magyarSorrendForditas_data();
    void magyarSorrendForditas();
    void magyarSorrendMotorban();
    void regiMappaFelhozasa();
    void programokLekerdezeseiFutnak_data();
    void programokLekerdezeseiFutnak();
    void tablaNevekKisNagybetu();
    void szurokEsKereses();
    void uresOszlopNull();
    void felhasznaloiSzovegVisszakaphato();
    void ketFolyamatEgyszerreIr();
    void serultVagyHianyzoAdatbazis_data();
    void serultVagyHianyzoAdatbazis();
    void szallitottAdatmappa();
    void szallitottAdatmappaNemIrodikFelul();
    void sqlite3EszkozOlvassa();
    void motorHibaMagyarul_data();
    void motorHibaMagyarul();
    void masikMunkaallomasraVar();
};

void TstAdatbazis::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
}

void TstAdatbazis::sema_data() {
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("vart");
    QTest::newRow("terv")
        << "terv"
        << "Terv AUTOINC|Tervszam CHAR(20)|Cim CHAR(100)|Ugyfel INT|Helyszin CHAR(25)|"
           "Tipus INT|Levelezes CHAR(1)|Megjegyzes MEMO|datum DATE|tervezo INT|szakag INT|"
           "tervfajta INT|tervszakasz INT|tervjel CHAR(50)|szur CHAR(1) / PK(Terv)";
    QTest::newRow("terv_sor")
        << "terv_sor"
        << "terv INT|sor INT|reszmuvelet CHAR(100)|rajzszam CHAR(50)|pausz CHAR(50)|"
           "irata4 CHAR(50)|irata5 CHAR(50)|megjegyzes CHAR(255)|dat_tkiad DATE|"
           "dat_lkiad DATE|tkiadva CHAR(20)|lkiadva CHAR(20)|tbent CHAR(1)|lbent CHAR(1)|"
           "tervkiad INT|kiadni CHAR(1) / PK(terv,sor)";
    QTest::newRow("tervkiad")
        << "tervkiad"
        << "tervkiad AUTOINC|terv INT|sor INT|dat_kiad DATE|dat_vissza DATE|kint CHAR(1)|"
           "kinek CHAR(50)|ezterv CHAR(1)|megjegyzes CHAR(255)|engedelyezo CHAR(75) / "
           "PK(tervkiad)";
    QTest::newRow("ugyfel")
        << "ugyfel"
        << "Ugyfel AUTOINC|Ugyfel_nev CHAR(100)|Telefon CHAR(20)|Fax CHAR(20)|Mobil CHAR(20)|"
           "Emil CHAR(100)|Honlap CHAR(100)|Kapcstarto CHAR(25)|Megjegyzes MEMO|"
           "Cim_irsz CHAR(5)|Cim_varos CHAR(25)|Cim_cim CHAR(100) / PK(Ugyfel)";
    QTest::newRow("tipus") << "tipus"
                           << "Tipus AUTOINC|Tipus_nev CHAR(30) / PK(Tipus)";
    QTest::newRow("tervezo") << "tervezo"
                             << "tervezo AUTOINC|tervezo_nev CHAR(50) / PK(tervezo)";
    QTest::newRow("szakag") << "szakag"
                            << "szakag AUTOINC|szakag_nev CHAR(50) / PK(szakag)";
    QTest::newRow("tervfajta") << "tervfajta"
                               << "tervfajta AUTOINC|tervfajta_nev CHAR(50) / PK(tervfajta)";
    QTest::newRow("tervszakasz")
        << "tervszakasz"
        << "tervszakasz AUTOINC|tervszakasz_nev CHAR(50) / PK(tervszakasz)";
    QTest::newRow("felhasznalo")
        << "felhasznalo"
        << "felhasznalo CHAR(20)|felhasznalo_nev CHAR(20)|jelszo CHAR(128)|"
           "rendszergazda CHAR(1)|iras CHAR(1)|olvasas CHAR(1)|torzsszerkeszt CHAR(1) / "
           "PK(felhasznalo)";
    QTest::newRow("naplo")
        << "naplo"
        << "naplo AUTOINC|felhasznalo CHAR(20)|datum TIMESTAMP|sikeres CHAR(1) / PK(naplo)";
    QTest::newRow("beallit") << "beallit"
                             << "beallit AUTOINC|vanbelep CHAR(1) / PK(beallit)";
    QTest::newRow("irsz") << "irsz"
                          << "id INT|irsz CHAR(5)|varos CHAR(25) / PK(id)";
    QTest::newRow("tulajdonos")
        << "tulajdonos"
        << "tulajdonos CHAR(50)|telefon CHAR(25)|mobil CHAR(25)|fax CHAR(25)|irsz CHAR(5)|"
           "varos CHAR(25)|cim CHAR(50)|adoszam CHAR(11)|bankszamlaszam CHAR(24) / "
           "PK(tulajdonos)";
}

void TstAdatbazis::sema() {
    QFETCH(QString, tabla);
    QFETCH(QString, vart);
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    QCOMPARE(k.tablak().size(), 14);
    QVERIFY(k.tablak().contains(tabla));
    // The server folds unquoted names to lower case.
    if (k.forras().szerveren())
        QCOMPARE(szerkezet(k, tabla).toLower(), vart.toLower());
    else
        QCOMPARE(szerkezet(k, tabla), vart);
}

void TstAdatbazis::nevIndexek() {
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    const QList<QPair<QString, QString>> vart{
        {"idx_ugyfel_nev", "ugyfel.Ugyfel_nev"},
        {"idx_tipus_nev", "tipus.Tipus_nev"},
        {"idx_tervezo_nev", "tervezo.tervezo_nev"},
        {"idx_szakag_nev", "szakag.szakag_nev"},
        {"idx_tervfajta_nev", "tervfajta.tervfajta_nev"},
        {"idx_tervszakasz_nev", "tervszakasz.tervszakasz_nev"}};
    if (k.forras().szerveren()) {
        // On the server: the same six, over columns in the Hungarian order.
        QSqlQuery db = k.sql(QStringLiteral("SELECT count(*) FROM pg_indexes WHERE schemaname = "
                                            "current_schema() AND indexname NOT LIKE '%_pkey'"));
        QVERIFY(db.next());
        QCOMPARE(db.value(0).toInt(), vart.size());
        for (const auto& [index, hely] : vart) {
            QSqlQuery q = k.sql(QStringLiteral("SELECT tablename, indexdef FROM pg_indexes WHERE "
                                               "indexname = :n"),
                                {{QStringLiteral("n"), index}});
            QVERIFY2(q.next(), qPrintable(index));
            QCOMPARE(q.value(0).toString(), hely.section(QLatin1Char('.'), 0, 0));
            QVERIFY2(q.value(1).toString().contains(
                         QStringLiteral("(%1").arg(hely.section(QLatin1Char('.'), 1, 1).toLower())),
                     qPrintable(q.value(1).toString()));
            QSqlQuery c =
                k.sql(QStringLiteral("SELECT collation_name FROM "
                                     "information_schema.columns WHERE table_name = :t "
                                     "AND column_name = :o"),
                      {{QStringLiteral("t"), hely.section(QLatin1Char('.'), 0, 0)},
                       {QStringLiteral("o"), hely.section(QLatin1Char('.'), 1, 1).toLower()}});
            QVERIFY(c.next());
            QCOMPARE(c.value(0).toString(), QStringLiteral("pelvano_hu"));
        }
        return;
    }
    QSqlQuery db = k.sql(QStringLiteral(
        "SELECT count(*) FROM sqlite_master WHERE type='index' AND sql IS NOT NULL"));
    QVERIFY(db.next());
    QCOMPARE(db.value(0).toInt(), vart.size());
    for (const auto& [index, hely] : vart) {
        QSqlQuery q = k.sql(
            QStringLiteral("SELECT tbl_name FROM sqlite_master WHERE type='index' AND name=:n"),
            {{QStringLiteral("n"), index}});
        QVERIFY2(q.next(), qPrintable(index));
        QCOMPARE(q.value(0).toString(), hely.section(QLatin1Char('.'), 0, 0));
        QSqlQuery x = k.sql(QStringLiteral("PRAGMA index_xinfo(%1)").arg(index));
        QVERIFY(x.next());
        QCOMPARE(x.value(2).toString(), hely.section(QLatin1Char('.'), 1, 1));
        QCOMPARE(x.value(4).toString().toUpper(), QStringLiteral("NOCASE"));
    }
}

void TstAdatbazis::kulcsNemIsmetlodik() {
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    TablaModell t(k, QStringLiteral("terv.db"));
    t.megnyit();
    for (int i = 0; i < 3; ++i) {
        const int sor = t.uj();
        t.beallit(sor, QStringLiteral("Tervszam"), QStringLiteral("T%1").arg(i));
        t.ment();
        QCOMPARE(t.utolsoKulcs(), qint64(i + 1));
    }
    k.sql(QStringLiteral("DELETE FROM terv WHERE Terv=3"));
    t.megnyit();
    const int sor = t.uj();
    t.beallit(sor, QStringLiteral("Tervszam"), QStringLiteral("T-uj"));
    t.ment();
    QCOMPARE(t.utolsoKulcs(), qint64(4));
    // A table the maintenance tool creates keeps the rule as well.
    k.sql(QStringLiteral("INSERT INTO tervezo (tervezo_nev) VALUES ('a')"));
    k.sql(QStringLiteral("DELETE FROM tervezo"));
    k.sql(QStringLiteral("INSERT INTO tervezo (tervezo_nev) VALUES ('b')"));
    QSqlQuery q = k.sql(QStringLiteral("SELECT tervezo FROM tervezo"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 2);
    // A key stored explicitly (a take-over, a typed statement) moves the
    // counter on: the next key given is above it.
    k.sql(QStringLiteral("INSERT INTO terv (Terv, Tervszam) VALUES (40, 'kézi')"));
    k.sql(QStringLiteral("INSERT INTO terv (Tervszam) VALUES ('utána')"));
    QSqlQuery u = k.sql(QStringLiteral("SELECT Terv FROM terv WHERE Tervszam = 'utána'"));
    QVERIFY(u.next());
    QCOMPARE(u.value(0).toInt(), 41);
    // Several statements at once are refused on either engine, and nothing
    // of them runs.
    QVERIFY_THROWS_EXCEPTION(AdatbazisHiba,
                             k.sql(QStringLiteral("DELETE FROM terv; DELETE FROM tervezo")));
    QSqlQuery maradt = k.sql(QStringLiteral("SELECT count(*) FROM terv"));
    QVERIFY(maradt.next());
    QCOMPARE(maradt.value(0).toInt(), 5);
}

void TstAdatbazis::szelessegVagas_data() {
    QTest::addColumn<QString>("ut"); // how the text is stored
    QTest::newRow("table model insert") << "modell-uj";
    QTest::newRow("table model edit") << "modell-modosit";
    QTest::newRow("typed INSERT") << "insert";
    QTest::newRow("typed UPDATE") << "update";
}

void TstAdatbazis::szelessegVagas() {
    QFETCH(QString, ut);
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    // 30 accented letters: the width counts characters, not bytes.
    const QString hosszu = QString(30, QChar(0x0151)); // ő
    const QString tervjel = QStringLiteral("x").repeated(60);
    if (ut == QLatin1String("modell-uj") || ut == QLatin1String("modell-modosit")) {
        TablaModell t(k, QStringLiteral("terv"));
        t.megnyit();
        int sor = t.uj();
        t.beallit(sor, QStringLiteral("Tervszam"),
                  ut == QLatin1String("modell-uj") ? hosszu : QStringLiteral("rövid"));
        t.beallit(sor, QStringLiteral("tervjel"),
                  ut == QLatin1String("modell-uj") ? tervjel : QString());
        t.ment();
        if (ut == QLatin1String("modell-modosit")) {
            t.megnyit();
            t.beallit(0, QStringLiteral("Tervszam"), hosszu);
            t.beallit(0, QStringLiteral("tervjel"), tervjel);
            t.ment();
        }
    } else if (ut == QLatin1String("insert")) {
        k.sql(QStringLiteral("INSERT INTO terv (Tervszam, tervjel) VALUES ('%1', '%2');")
                  .arg(hosszu, tervjel));
    } else {
        k.sql(QStringLiteral("INSERT INTO terv (Tervszam) VALUES ('a')"));
        k.sql(QStringLiteral("UPDATE terv SET Tervszam='%1', tervjel='%2' WHERE Terv=1;")
                  .arg(hosszu, tervjel));
    }
    QSqlQuery q = k.sql(QStringLiteral("SELECT Tervszam, tervjel, length(Tervszam) FROM terv"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), hosszu.left(20));
    QCOMPARE(q.value(1).toString(), tervjel.left(50));
    QCOMPARE(q.value(2).toInt(), 20);
}

void TstAdatbazis::szelessegKarakterenkent_data() {
    // Into Tervszam, CHAR(20): characters outside the Basic Multilingual
    // Plane count once at every boundary, and come back whole.
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<QString>("vart");
    const QString e = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString g = QString::fromUtf8("\xF0\x9D\x84\x9E"); // musical G clef
    const QString a19(19, QLatin1Char('a'));
    QTest::newRow("emoji as 20th") << a19 + e << a19 + e;
    QTest::newRow("emoji as 20th, more after") << a19 + e + "bcd" << a19 + e;
    QTest::newRow("emoji as 21st") << a19 + "b" + e << a19 + "b";
    QTest::newRow("twenty emojis and one more") << e.repeated(20) + g << e.repeated(20);
    QTest::newRow("mixed, accented") << QStringLiteral("ő").repeated(18) + g + e + "x"
                                     << QStringLiteral("ő").repeated(18) + g + e;
}

void TstAdatbazis::szelessegKarakterenkent() {
    QFETCH(QString, szoveg);
    QFETCH(QString, vart);
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    k.sql(QStringLiteral("INSERT INTO terv (Tervszam) VALUES (:t)"),
          {{QStringLiteral("t"), szoveg}});
    TablaModell t(k, QStringLiteral("terv"));
    t.megnyit();
    t.beallit(t.uj(), QStringLiteral("Tervszam"), szoveg);
    t.ment();
    QSqlQuery q = k.sql(QStringLiteral("SELECT Tervszam FROM terv ORDER BY Terv"));
    for (int i = 0; i < 2; ++i) {
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), vart);
    }
    // Sound UTF-8 for the standard tool too.
    if (k.forras().szerveren())
        return;
    bool ok = false;
    QCOMPARE(Teszt::Sqlite3Eszkoz(m.adatFajl(),
                                  QStringLiteral("SELECT count(*) FROM terv WHERE Tervszam = "
                                                 "CAST(X'%1' AS TEXT)")
                                      .arg(QString::fromLatin1(vart.toUtf8().toHex())),
                                  &ok),
             QStringLiteral("2"));
    QVERIFY(ok);
}

void TstAdatbazis::unicodeUpper() {
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    QSqlQuery q =
        k.sql(QStringLiteral("SELECT UPPER('árvíztűrő tükörfúrógép'), upper(NULL), UPPER(12)"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"));
    QVERIFY(q.value(1).isNull());
    QCOMPARE(q.value(2).toString(), QStringLiteral("12"));
    k.sql(QStringLiteral("INSERT INTO terv (Cim) VALUES ('Őrház felújítása')"));
    QSqlQuery l =
        k.sql(QStringLiteral("SELECT count(*) FROM terv WHERE UPPER(cim) LIKE '%ŐRHÁZ FELÚJ%'"));
    QVERIFY(l.next());
    QCOMPARE(l.value(0).toInt(), 1);

    // Every letter of the one- and two-byte sequences alone, every letter of
    // the first plane in runs, every ASCII character at every place of a
    // run of eight, and texts mixing them with longer ones and with capitals
    // that take more than one letter: the same as Qt's upper case.
    QStringList szovegek;
    QString mind;
    for (char16_t c = 1; c < 0x800; ++c)
        if (QChar(c).isLetter()) {
            szovegek << QString(QChar(c));
            mind += QChar(c);
        }
    szovegek << mind;
    QString sor;
    for (char32_t c = 0x800; c < 0x10000; ++c)
        if (!QChar::isSurrogate(c) && QChar::isLetter(c)) {
            sor += QChar(char16_t(c));
            if (sor.size() == 200)
                szovegek << std::exchange(sor, QString());
        }
    QString ascii;
    for (char c = 1; c < 0x7F; ++c)
        ascii += QLatin1Char(c);
    for (int i = 0; i < 8; ++i)
        szovegek << ascii.mid(i) << ascii.mid(i) + QStringLiteral("é") + ascii;
    szovegek << sor << QStringLiteral("straße ŉ ﬁnom ǆ ǅ") // more than one letter
             << QStringLiteral("pályázat ∑ ħ ⅷ 😀 ǳ ő")     // three and four bytes
             << QStringLiteral("Tervező Kft. 2024/17 – é") << QString();
    QStringList vart, kapott;
    for (const QString& sz : szovegek) {
        QSqlQuery u = k.sql(QStringLiteral("SELECT UPPER(:s)"), {{QStringLiteral("s"), sz}});
        QVERIFY(u.next());
        kapott << u.value(0).toString();
        vart << sz.toUpper();
    }
    QCOMPARE(kapott, vart);
}

void TstAdatbazis::magyarNevSorrend() {
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    for (const char* n :
         {"Zoltán", "kovács", "Csaba", "Ábel", "Cecil", "Kovács", "Dávid", "Bence", "abel"})
        k.sql(QStringLiteral("INSERT INTO tervezo (tervezo_nev) VALUES (:n)"),
              {{QStringLiteral("n"), QString::fromUtf8(n)}});
    TablaModell t(k, QStringLiteral("tervezo.DB"));
    t.nevSorrend(QStringLiteral("tervezo_nev"));
    t.megnyit();
    QStringList nevek;
    for (int i = 0; i < t.rowCount(); ++i)
        nevek << t.ertek(i, QStringLiteral("tervezo_nev")).toString();
    // Upper and lower case together, á with the a's, Cs after C.
    const QString sorrend = nevek.join(QLatin1Char(','));
    QVERIFY2(nevek.indexOf(QStringLiteral("Ábel")) < nevek.indexOf(QStringLiteral("Bence")),
             qPrintable(sorrend));
    QVERIFY2(nevek.indexOf(QStringLiteral("abel")) < nevek.indexOf(QStringLiteral("Bence")),
             qPrintable(sorrend));
    QVERIFY2(nevek.indexOf(QStringLiteral("Cecil")) < nevek.indexOf(QStringLiteral("Csaba")),
             qPrintable(sorrend));
    QVERIFY2(nevek.indexOf(QStringLiteral("Csaba")) < nevek.indexOf(QStringLiteral("Dávid")),
             qPrintable(sorrend));
    QVERIFY2(qAbs(nevek.indexOf(QStringLiteral("kovács")) -
                  nevek.indexOf(QStringLiteral("Kovács"))) == 1,
             qPrintable(sorrend));
    QCOMPARE(nevek.last(), QStringLiteral("Zoltán"));
}

void TstAdatbazis::dialektusForditas_data() {
    QTest::addColumn<QString>("helyi");
    QTest::addColumn<QString>("sqlite");
    QTest::newRow("tervezo")
        << "CREATE TABLE tervezo(\n tervezo AUTOINC,\n tervezo_nev CHAR(50),\nPRIMARY KEY "
           "(tervezo));"
        << "CREATE TABLE tervezo (tervezo INTEGER PRIMARY KEY AUTOINCREMENT, tervezo_nev CHAR(50))";
    QTest::newRow("szakag")
        << "CREATE TABLE szakag(\n szakag AUTOINC,\n szakag_nev CHAR(50),\nPRIMARY KEY (szakag));"
        << "CREATE TABLE szakag (szakag INTEGER PRIMARY KEY AUTOINCREMENT, szakag_nev CHAR(50))";
    QTest::newRow("tervfajta") << "CREATE TABLE tervfajta(\n tervfajta AUTOINC,\n tervfajta_nev "
                                  "CHAR(50),\nPRIMARY KEY (tervfajta));"
                               << "CREATE TABLE tervfajta (tervfajta INTEGER PRIMARY KEY "
                                  "AUTOINCREMENT, tervfajta_nev CHAR(50))";
    QTest::newRow("tervszakasz") << "CREATE TABLE tervszakasz(\n tervszakasz AUTOINC,\n "
                                    "tervszakasz_nev CHAR(50),\nPRIMARY KEY (tervszakasz));"
                                 << "CREATE TABLE tervszakasz (tervszakasz INTEGER PRIMARY KEY "
                                    "AUTOINCREMENT, tervszakasz_nev CHAR(50))";
    QTest::newRow("terv_sor") << "CREATE TABLE terv_sor(\n terv INT,\n sor INT,\n reszmuvelet "
                                 "CHAR(100),\n rajzszam CHAR(50),\n pausz "
                                 "CHAR(50),\n irata4 CHAR(50),\n irata5 CHAR(50),\n megjegyzes "
                                 "CHAR(255),\n dat_tkiad DATE,\n dat_lkiad "
                                 "DATE,\n tkiadva CHAR(20),\n lkiadva CHAR(20),\n tbent CHAR(1),\n "
                                 "lbent CHAR(1),\nPRIMARY KEY (terv,sor));"
                              << "CREATE TABLE terv_sor (terv INTEGER, sor INTEGER, reszmuvelet "
                                 "CHAR(100), rajzszam CHAR(50), pausz "
                                 "CHAR(50), irata4 CHAR(50), irata5 CHAR(50), megjegyzes "
                                 "CHAR(255), dat_tkiad DATE, dat_lkiad DATE, "
                                 "tkiadva CHAR(20), lkiadva CHAR(20), tbent CHAR(1), lbent "
                                 "CHAR(1), PRIMARY KEY (terv, sor))";
    QTest::newRow("memo")
        << "create table x (a AUTOINC, b MEMO, c INT, primary key (a))"
        << "CREATE TABLE x (a INTEGER PRIMARY KEY AUTOINCREMENT, b TEXT, c INTEGER)";
    QTest::newRow("kiadni") << "ALTER TABLE terv_sor ADD kiadni CHAR(1);"
                            << "ALTER TABLE terv_sor ADD COLUMN kiadni CHAR(1)";
    QTest::newRow("tervkiad") << "ALTER TABLE terv_sor ADD tervkiad INT;"
                              << "ALTER TABLE terv_sor ADD COLUMN tervkiad INTEGER";
    QTest::newRow("datum") << "ALTER TABLE terv ADD datum DATE;"
                           << "ALTER TABLE terv ADD COLUMN datum DATE";
    QTest::newRow("tervezo col") << "ALTER TABLE terv ADD tervezo INT;"
                                 << "ALTER TABLE terv ADD COLUMN tervezo INTEGER";
    QTest::newRow("szakag col") << "ALTER TABLE terv ADD szakag INT;"
                                << "ALTER TABLE terv ADD COLUMN szakag INTEGER";
    QTest::newRow("tervjel col") << "ALTER TABLE terv ADD tervjel CHAR(50);"
                                 << "ALTER TABLE terv ADD COLUMN tervjel CHAR(50)";
    QTest::newRow("tervfajta col") << "ALTER TABLE terv ADD tervfajta INT;"
                                   << "ALTER TABLE terv ADD COLUMN tervfajta INTEGER";
    QTest::newRow("tervszakasz col") << "ALTER TABLE terv ADD tervszakasz INT;"
                                     << "ALTER TABLE terv ADD COLUMN tervszakasz INTEGER";
    QTest::newRow("update unchanged") << "UPDATE terv_sor SET kiadni='N';"
                                      << "UPDATE terv_sor SET kiadni='N';";
    QTest::newRow("select unchanged") << "SELECT DISTINCT kinek FROM tervkiad ORDER BY 1;"
                                      << "SELECT DISTINCT kinek FROM tervkiad ORDER BY 1;";
}

void TstAdatbazis::dialektusForditas() {
    QFETCH(QString, helyi);
    QFETCH(QString, sqlite);
    QCOMPARE(Dialektus::SqliteSql(helyi), sqlite);
}

// An older folder: only terv (without the later columns), tervkiad and a
// few others. The structure statements of the maintenance tool bring it up
// to date; new text columns obey their widths at once.
void TstAdatbazis::szerverDialektus_data() {
    QTest::addColumn<QString>("helyi");
    QTest::addColumn<QString>("szerver");
    QTest::newRow("types, key, width, collation")
        << "CREATE TABLE t (k AUTOINC, n CHAR(20), m MEMO, d DATE, i INT, b BLOB, PRIMARY KEY (k))"
        << "CREATE TABLE t (k integer GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY, n text COLLATE "
           "pelvano_hu CHECK (char_length(n) <= 20), m text COLLATE pelvano_hu, d date, i integer, "
           "b bytea)";
    QTest::newRow("column added") << "ALTER TABLE terv ADD tervjel CHAR(50);"
                                  << "ALTER TABLE terv ADD COLUMN tervjel text COLLATE pelvano_hu "
                                     "CHECK (char_length(tervjel) <= 50)";
    QTest::newRow("UPPER and LIKE, not in texts")
        << "SELECT * FROM terv WHERE UPPER(Cim) LIKE 'UPPER(X) LIKE%' -- like"
        << "SELECT * FROM terv WHERE pelvano_upper(Cim) ILIKE 'UPPER(X) LIKE%' -- like";
    QTest::newRow("transaction") << "BEGIN IMMEDIATE"
                                 << "BEGIN ";
    QTest::newRow("name index") << "CREATE INDEX idx ON tipus (Tipus_nev COLLATE NOCASE);"
                                << "CREATE INDEX idx ON tipus (Tipus_nev COLLATE pelvano_hu);";
    QTest::newRow("nulls as the embedded engine orders them")
        << "SELECT a, b FROM t ORDER BY a, b DESC, 1 NULLS LAST LIMIT 5"
        << "SELECT a, b FROM t ORDER BY a NULLS FIRST, b DESC NULLS LAST, 1 NULLS LAST LIMIT 5";
    QTest::newRow("an inner order stays") << "SELECT (SELECT max(x) FROM u ORDER BY x) FROM t"
                                          << "SELECT (SELECT max(x) FROM u ORDER BY x) FROM t";
    QTest::newRow("columns named as written")
        << "SELECT DISTINCT t.Tervszam, Cim, datum, count(*), Ugyfel AS u FROM terv t;"
        << "SELECT DISTINCT t.Tervszam AS \"Tervszam\", Cim AS \"Cim\", datum, count(*), Ugyfel "
           "AS u FROM terv t;";
}

void TstAdatbazis::szerverDialektus() {
    QFETCH(QString, helyi);
    QFETCH(QString, szerver);
    QCOMPARE(PgMotor().fordit(helyi), szerver);
}

void TstAdatbazis::magyarSorrendForditas_data() {
    QTest::addColumn<QString>("helyi");
    QTest::addColumn<QString>("sqlite");
    QTest::newRow("looked-up name")
        << "SELECT terv.* FROM terv\nORDER BY tervezo.tervezo_nev;"
        << "SELECT terv.* FROM terv\nORDER BY hu_kulcs(tervezo.tervezo_nev);";
    QTest::newRow("plain column, descending, limit")
        << "SELECT * FROM terv ORDER BY Cim DESC, datum LIMIT 5"
        << "SELECT * FROM terv ORDER BY hu_kulcs(Cim) DESC, datum LIMIT 5";
    QTest::newRow("date and key stay") << "SELECT * FROM terv ORDER BY terv.datum, Terv"
                                       << "SELECT * FROM terv ORDER BY terv.datum, Terv";
    QTest::newRow("by place in the list") << "SELECT DISTINCT kinek FROM tervkiad ORDER BY 1;"
                                          << "SELECT DISTINCT kinek FROM tervkiad ORDER BY 1 "
                                             "COLLATE HU;";
    QTest::newRow("by place, a key") << "SELECT tervkiad.*, terv.cim FROM tervkiad ORDER BY 1;"
                                     << "SELECT tervkiad.*, terv.cim FROM tervkiad ORDER BY 1;";
    QTest::newRow("own collation kept") << "SELECT * FROM terv ORDER BY Cim COLLATE BINARY"
                                        << "SELECT * FROM terv ORDER BY Cim COLLATE BINARY";
    QTest::newRow("compound query")
        << "SELECT Cim FROM terv UNION SELECT ugyfel_nev FROM ugyfel ORDER BY Cim"
        << "SELECT Cim FROM terv UNION SELECT ugyfel_nev FROM ugyfel ORDER BY Cim COLLATE HU";
    QTest::newRow("inner order and text left alone")
        << "SELECT (SELECT Cim FROM terv ORDER BY Cim LIMIT 1), 'ORDER BY Cim' FROM terv"
        << "SELECT (SELECT Cim FROM terv ORDER BY Cim LIMIT 1), 'ORDER BY Cim' FROM terv";
    QTest::newRow("a view keeps no function") << "CREATE VIEW v AS SELECT * FROM terv ORDER BY Cim"
                                              << "CREATE VIEW v AS SELECT * FROM terv ORDER BY Cim";
    QTest::newRow("unknown table") << "SELECT nev FROM proba ORDER BY nev"
                                   << "SELECT nev FROM proba ORDER BY nev";
}

void TstAdatbazis::magyarSorrendForditas() {
    QFETCH(QString, helyi);
    QFETCH(QString, sqlite);
    QCOMPARE(SqliteMotor().fordit(helyi), sqlite);
}

void TstAdatbazis::magyarSorrendMotorban() {
    // Both ways of ordering give the master lists' order, in the engine.
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    const QStringList nevek{"Zoltán", "kovács", "Csaba", "Ábel", "Cecil", "Kovácsné", "abel"};
    for (const QString& n : nevek)
        k.sql(QStringLiteral("INSERT INTO tervkiad (kinek) VALUES (:n)"),
              {{QStringLiteral("n"), n}});
    const auto olvas = [&](const QString& sql) {
        QStringList l;
        QSqlQuery q = k.sql(sql);
        while (q.next())
            l << q.value(0).toString();
        return l;
    };
    const QStringList kulccsal = olvas(QStringLiteral("SELECT kinek FROM tervkiad ORDER BY kinek"));
    QCOMPARE(kulccsal.mid(2), (QStringList{"Cecil", "Csaba", "kovács", "Kovácsné", "Zoltán"}));
    QCOMPARE(QSet<QString>(kulccsal.begin(), kulccsal.begin() + 2),
             (QSet<QString>{"Ábel", "abel"}));
    const QStringList helySzerint =
        olvas(QStringLiteral("SELECT DISTINCT kinek FROM tervkiad ORDER BY 1"));
    QCOMPARE(helySzerint.mid(2), kulccsal.mid(2));
    QCOMPARE(olvas(QStringLiteral("SELECT kinek FROM tervkiad ORDER BY kinek DESC")).first(),
             QStringLiteral("Zoltán"));
    // The stored schema names no function of the connection.
    if (k.forras().szerveren())
        return;
    QCOMPARE(Teszt::Sqlite3Eszkoz(m.adatFajl(), QStringLiteral("PRAGMA integrity_check")),
             QStringLiteral("ok"));
}

void TstAdatbazis::regiMappaFelhozasa() {
    PELVANO_CSAK_BEAGYAZOTT();
    QTemporaryDir dir;
    {
        Kapcsolat k(QStringLiteral("regi"));
        k.letrehoz(SqliteMotor::AdatFajl(dir.path()));
        k.sql(QStringList{"CREATE TABLE terv(", " Terv AUTOINC,", " Tervszam CHAR(20),",
                          " Cim CHAR(100),", " Ugyfel INT,", " szur CHAR(1),",
                          "PRIMARY KEY (Terv));"});
        const QList<QStringList> lepesek{
            {"CREATE TABLE tervezo(", " tervezo AUTOINC,", " tervezo_nev CHAR(50),",
             "PRIMARY KEY (tervezo));"},
            {"CREATE TABLE terv_sor(", " terv INT,", " sor INT,", " reszmuvelet CHAR(100),",
             " rajzszam CHAR(50),", " pausz CHAR(50),", " irata4 CHAR(50),", " irata5 CHAR(50),",
             " megjegyzes CHAR(255),", " dat_tkiad DATE,", " dat_lkiad DATE,", " tkiadva CHAR(20),",
             " lkiadva CHAR(20),", " tbent CHAR(1),", " lbent CHAR(1),",
             "PRIMARY KEY (terv,sor));"},
            {"ALTER TABLE terv_sor ADD kiadni CHAR(1);"},
            {"UPDATE terv_sor SET kiadni='N';"},
            {"ALTER TABLE terv_sor ADD tervkiad INT;"},
            {"ALTER TABLE terv ADD datum DATE;"},
            {"ALTER TABLE terv ADD tervjel CHAR(50);"}};
        for (const QStringList& l : lepesek)
            k.sql(l);
        QVERIFY(k.oszlopok(QStringLiteral("TERV_SOR.DB")).contains(QStringLiteral("tervkiad")));
        k.sql(QStringLiteral("INSERT INTO tervezo (tervezo_nev) VALUES (:n)"),
              {{QStringLiteral("n"), QStringLiteral("n").repeated(80)}});
        k.sql(QStringLiteral("INSERT INTO terv (Tervszam, tervjel) VALUES ('x', :j)"),
              {{QStringLiteral("j"), QStringLiteral("j").repeated(80)}});
        k.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor, kiadni) VALUES (1, 1, 'NN')"));
        QSqlQuery q =
            k.sql(QStringLiteral("SELECT length(tervezo_nev), (SELECT length(tervjel) FROM terv), "
                                 "(SELECT kiadni FROM terv_sor) FROM tervezo"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 50);
        QCOMPARE(q.value(1).toInt(), 50);
        QCOMPARE(q.value(2).toString(), QStringLiteral("N"));
        // A second run of a step fails with the engine's message and changes nothing.
        QVERIFY_THROWS_EXCEPTION(AdatbazisHiba,
                                 k.sql(QStringLiteral("ALTER TABLE terv ADD datum DATE;")));
    }
}

void TstAdatbazis::programokLekerdezeseiFutnak_data() {
    QTest::addColumn<QStringList>("sorok");
    QTest::addColumn<QVariantMap>("param");
    QTest::addColumn<int>("sorokSzama");
    const QStringList fo{
        "SELECT",
        "  terv.*,",
        "  tipus.tipus_nev,",
        "  ugyfel.ugyfel_nev,",
        "  ugyfel.kapcstarto,",
        "  tervezo.tervezo_nev,",
        "  szakag.szakag_nev,",
        "  tervfajta.tervfajta_nev,",
        "  tervszakasz.tervszakasz_nev",
        "FROM terv",
        "  LEFT OUTER JOIN tipus ON (terv.tipus = tipus.tipus)",
        "  LEFT OUTER JOIN ugyfel ON (terv.ugyfel = ugyfel.ugyfel)",
        "  LEFT OUTER JOIN tervezo ON (terv.tervezo = tervezo.tervezo)",
        "  LEFT OUTER JOIN szakag ON (terv.szakag = szakag.szakag)",
        "  LEFT OUTER JOIN tervfajta ON (terv.tervfajta = tervfajta.tervfajta)",
        "  LEFT OUTER JOIN tervszakasz ON (terv.tervszakasz = tervszakasz.tervszakasz)"};
    QTest::newRow("main query") << (fo + QStringList{"ORDER BY tervezo_nev;"}) << QVariantMap{}
                                << 2;
    QTest::newRow("detailed search")
        << (fo +
            QStringList{
                "WHERE (UPPER(tervszam) LIKE '%ÁB%') OR (UPPER(cim) LIKE '%ÁB%') OR "
                "(UPPER(helyszin) LIKE "
                "'%ÁB%') OR (UPPER(tervjel) LIKE '%ÁB%') OR (UPPER(tipus_nev) LIKE '%ÁB%') OR "
                "(UPPER(ugyfel_nev) LIKE '%ÁB%') OR (UPPER(kapcstarto) LIKE '%ÁB%') OR "
                "(UPPER(tervezo_nev) LIKE '%ÁB%') OR (UPPER(szakag_nev) LIKE '%ÁB%') OR "
                "(UPPER(tervfajta_nev) LIKE '%ÁB%') OR (UPPER(tervszakasz_nev) LIKE '%ÁB%')",
                "ORDER BY terv.tervszam;"})
        << QVariantMap{} << 1;
    QTest::newRow("line numbering")
        << QStringList{"SELECT MAX(sor) AS maxsor FROM terv_sor WHERE terv=:pterv;"}
        << QVariantMap{{"pterv", 1}} << 1;
    QTest::newRow("marked lines") << QStringList{"SELECT terv_sor.*", "FROM terv_sor",
                                                 "WHERE (terv=:pterv) AND (kiadni='I')",
                                                 "ORDER BY sor;"}
                                  << QVariantMap{{"pterv", 1}} << 1;
    QTest::newRow("recipients") << QStringList{"SELECT DISTINCT kinek FROM tervkiad ORDER BY 1;"}
                                << QVariantMap{} << 1;
    QTest::newRow("authorisers")
        << QStringList{"SELECT DISTINCT engedelyezo FROM tervkiad ORDER BY 1;"} << QVariantMap{}
        << 1;
    QTest::newRow("issue log") << QStringList{"SELECT",
                                              " tervkiad.*,",
                                              " terv.tervszam,",
                                              " terv.cim,",
                                              " terv_sor.reszmuvelet",
                                              "FROM tervkiad",
                                              " INNER JOIN terv ON (tervkiad.terv = terv.terv)",
                                              " INNER JOIN terv_sor ON (tervkiad.terv = "
                                              "terv_sor.terv) AND (tervkiad.sor = terv_sor.sor)",
                                              "ORDER BY 1;"}
                               << QVariantMap{} << 1;
    QTest::newRow("mark one") << QStringList{"UPDATE terv SET szur='I' WHERE terv=1;"}
                              << QVariantMap{} << -1;
    QTest::newRow("mark none") << QStringList{"UPDATE terv SET szur='N';"} << QVariantMap{} << -1;
}

void TstAdatbazis::programokLekerdezeseiFutnak() {
    QFETCH(QStringList, sorok);
    QFETCH(QVariantMap, param);
    QFETCH(int, sorokSzama);
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    k.sql(QStringLiteral("INSERT INTO tervezo (tervezo_nev) VALUES ('Ábrahám')"));
    k.sql(QStringLiteral(
        "INSERT INTO terv (Tervszam, tervezo, ugyfel, szur) VALUES ('T-1', 1, 99, 'N')"));
    k.sql(QStringLiteral("INSERT INTO terv (Tervszam, szur) VALUES ('T-2', 'N')"));
    k.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor, kiadni) VALUES (1, 1, 'I')"));
    k.sql(QStringLiteral(
        "INSERT INTO tervkiad (terv, sor, kinek, engedelyezo) VALUES (1, 1, 'Kiss', 'Nagy')"));
    QSqlQuery q = k.sql(sorok, param);
    if (sorokSzama < 0) {
        QVERIFY(q.numRowsAffected() >= 1);
        return;
    }
    int n = 0;
    while (q.next())
        ++n;
    QCOMPARE(n, sorokSzama);
}

void TstAdatbazis::tablaNevekKisNagybetu() {
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    QCOMPARE(k.tablaNev(QStringLiteral("TERV.DB")), QStringLiteral("terv"));
    QCOMPARE(k.tablaNev(QStringLiteral("Szakag.db")), QStringLiteral("szakag"));
    QVERIFY(k.tablaNev(QStringLiteral("nincs.db")).isEmpty());
    QVERIFY(k.oszlopok(QStringLiteral("terv_sor.DB")).contains(QStringLiteral("kiadni")));
    QVERIFY_THROWS_EXCEPTION(AdatbazisHiba, k.oszlopok(QStringLiteral("nincs")));
    QVERIFY_THROWS_EXCEPTION(AdatbazisHiba, TablaModell(k, QStringLiteral("nincs.DB")));
    k.sql(QStringLiteral("INSERT INTO Terv (TERVSZAM) VALUES ('x')"));
    QSqlQuery q = k.sql(QStringLiteral("SELECT tervszam FROM TERV"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("x"));
    TablaModell t(k, QStringLiteral("TERV.DB"));
    t.megnyit();
    QCOMPARE(t.ertek(0, QStringLiteral("tervszam")).toString(), QStringLiteral("x"));
}

void TstAdatbazis::szurokEsKereses() {
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    for (int i = 1; i <= 3; ++i)
        k.sql(QStringLiteral("INSERT INTO terv (Tervszam, szur) VALUES (:t, :s)"),
              {{QStringLiteral("t"), QStringLiteral("Ábel-%1").arg(i)},
               {QStringLiteral("s"), i == 2 ? QStringLiteral("I") : QStringLiteral("N")}});
    for (int i = 1; i <= 4; ++i)
        k.sql(QStringLiteral("INSERT INTO tervkiad (terv, ezterv, kint) VALUES (1, :e, :k)"),
              {{QStringLiteral("e"), i % 2 ? QStringLiteral("T") : QStringLiteral("L")},
               {QStringLiteral("k"), i <= 2 ? QStringLiteral("I") : QStringLiteral("N")}});
    for (int s = 3; s >= 1; --s)
        k.sql(QStringLiteral("INSERT INTO terv_sor (terv, sor) VALUES (2, :s)"),
              {{QStringLiteral("s"), s}});

    TablaModell terv(k, QStringLiteral("terv.db"));
    terv.setFilter(QStringLiteral("szur='I'"));
    terv.megnyit();
    QCOMPARE(terv.rowCount(), 1);
    QCOMPARE(terv.ertek(0, QStringLiteral("Tervszam")).toString(), QStringLiteral("Ábel-2"));
    terv.setFilter(QString());
    terv.megnyit();
    QCOMPARE(terv.keres(QStringLiteral("Tervszam"), QStringLiteral("Ábel-3")), 2);
    QCOMPARE(terv.keres(QStringLiteral("Tervszam"), QStringLiteral("ábel-3")), -1);
    QCOMPARE(terv.keresEleje(QStringLiteral("Tervszam"), QStringLiteral("ÁBEL-")), 0);
    QCOMPARE(terv.keresEleje(QStringLiteral("Tervszam"), QStringLiteral("abel")), -1);

    TablaModell sor(k, QStringLiteral("terv_sor.DB"));
    sor.setFilter(QStringLiteral("terv=2"));
    sor.megnyit();
    QCOMPARE(sor.rowCount(), 3);
    for (int i = 0; i < 3; ++i) // key order
        QCOMPARE(sor.ertek(i, QStringLiteral("sor")).toInt(), i + 1);

    TablaModell kiad(k, QStringLiteral("tervkiad.DB"));
    kiad.setFilter(QStringLiteral("(ezterv='T') and (kint='I')"));
    kiad.megnyit();
    QCOMPARE(kiad.rowCount(), 1);
    kiad.setFilter(QStringLiteral("tervkiad>=3"));
    kiad.megnyit();
    QCOMPARE(kiad.rowCount(), 2);
    QCOMPARE(kiad.ertek(0, QStringLiteral("tervkiad")).toInt(), 3);
}

void TstAdatbazis::uresOszlopNull() {
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    k.sql(QStringLiteral("INSERT INTO terv (Tervszam) VALUES ('x')"));
    TablaModell t(k, QStringLiteral("terv"));
    t.megnyit();
    QVERIFY(t.ertek(0, QStringLiteral("tervjel")).isNull());
    QVERIFY(t.ertek(0, QStringLiteral("Ugyfel")).isNull());
    QVERIFY(t.ertek(5, QStringLiteral("tervjel")).isNull()); // past the end
    QSqlQuery q =
        k.sql(QStringLiteral("SELECT MAX(sor) AS maxsor FROM terv_sor WHERE terv=:pterv;"),
              {{QStringLiteral("pterv"), 7}});
    QVERIFY(q.next());
    QVERIFY(q.value(0).isNull());
}

void TstAdatbazis::felhasznaloiSzovegVisszakaphato() {
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    const QStringList szovegek{
        QStringLiteral("'); DROP TABLE terv;--"), QStringLiteral("a'b\"c\\d%e_f"),
        QStringLiteral("\x01\x02\x7f\u00ff\u0151\U0001F600"), QStringLiteral("sor1\r\nsor2")};
    TablaModell t(k, QStringLiteral("terv"));
    t.megnyit();
    for (const QString& s : szovegek) {
        const int sor = t.uj();
        t.beallit(sor, QStringLiteral("Cim"), s);
        t.beallit(sor, QStringLiteral("Megjegyzes"), s);
        t.ment();
        k.sql(QStringLiteral("INSERT INTO terv (Cim, Megjegyzes) VALUES (:c, :c)"),
              {{QStringLiteral("c"), s}});
    }
    QVERIFY(k.tablak().contains(QStringLiteral("terv")));
    QSqlQuery q = k.sql(QStringLiteral("SELECT Cim, Megjegyzes FROM terv ORDER BY Terv"));
    for (int i = 0; i < szovegek.size() * 2; ++i) {
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), szovegek.at(i / 2));
        QCOMPARE(q.value(1).toString(), szovegek.at(i / 2));
    }
}

void TstAdatbazis::ketFolyamatEgyszerreIr() {
    Teszt::AdatMappa m;
    const int n = 150;
    QProcess a, b;
    a.start(Teszt::TesztProgram(QStringLiteral("helper_iro")),
            {m.utvonal(), QStringLiteral("A"), QString::number(n), m.forras().szerver});
    b.start(Teszt::TesztProgram(QStringLiteral("helper_iro")),
            {m.utvonal(), QStringLiteral("B"), QString::number(n), m.forras().szerver});
    // This process writes as well, with plain single statements.
    Kapcsolat k;
    k.nyit(m.forras());
    for (int i = 0; i < n; ++i)
        k.sql(QStringLiteral("INSERT INTO terv (Tervszam) VALUES (:t)"),
              {{QStringLiteral("t"), QStringLiteral("C-%1").arg(i)}});
    QVERIFY(a.waitForFinished(120000));
    QVERIFY(b.waitForFinished(120000));
    QCOMPARE(a.exitCode(), 0);
    QCOMPARE(b.exitCode(), 0);
    QSqlQuery q =
        k.sql(QStringLiteral("SELECT count(*), count(DISTINCT Tervszam), max(Terv) FROM terv"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 3 * n);
    QCOMPARE(q.value(1).toInt(), 3 * n);
    QCOMPARE(q.value(2).toInt(), 3 * n);
}

void TstAdatbazis::serultVagyHianyzoAdatbazis_data() {
    QTest::addColumn<QString>("eset");
    QTest::addColumn<QString>("uzenet");
    QTest::newRow("random bytes") << "szemet"
                                  << "file is not a database";
    QTest::newRow("no database file") << "hianyzik"
                                      << "unable to open database file";
    QTest::newRow("folder instead of file") << "mappa"
                                            << "unable to open database file";
    QTest::newRow("no data folder") << "nincsmappa"
                                    << "unable to open database file";
}

void TstAdatbazis::serultVagyHianyzoAdatbazis() {
    PELVANO_CSAK_BEAGYAZOTT();
    QFETCH(QString, eset);
    QFETCH(QString, uzenet);
    QTemporaryDir dir;
    QString mappa = dir.path();
    const QString fajl = SqliteMotor::AdatFajl(mappa);
    if (eset == QLatin1String("szemet")) {
        QFile f(fajl);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray b;
        for (int i = 0; i < 8192; ++i)
            b.append(char((i * 7919 + 13) % 251));
        f.write(b);
    } else if (eset == QLatin1String("mappa")) {
        QVERIFY(QDir().mkpath(fajl));
    } else if (eset == QLatin1String("nincsmappa")) {
        mappa += QStringLiteral("/nincs");
    }
    const QByteArray elotte = Teszt::FajlHash(fajl);
    const QStringList tartalomElotte =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    Kapcsolat k;
    try {
        k.nyit(mappa);
        QFAIL("opened");
    } catch (const AdatbazisHiba& h) {
        QVERIFY2(h.uzenet().contains(uzenet), qPrintable(h.uzenet()));
    }
    QVERIFY(!k.nyitva());
    QCOMPARE(Teszt::FajlHash(fajl), elotte);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), tartalomElotte);
}

void TstAdatbazis::szallitottAdatmappa() {
    Teszt::AdatMappa m(true);
    Kapcsolat k;
    k.nyit(m.forras());
    QSqlQuery q = k.sql(QStringLiteral("SELECT count(*), min(id), max(id) FROM irsz"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 3574);
    QSqlQuery bp = k.sql(QStringLiteral("SELECT varos FROM irsz WHERE irsz='1011'"));
    QVERIFY(bp.next());
    QCOMPARE(bp.value(0).toString(), QStringLiteral("Budapest"));
    QSqlQuery b = k.sql(QStringLiteral("SELECT count(*), max(vanbelep) FROM beallit"));
    QVERIFY(b.next());
    QCOMPARE(b.value(0).toInt(), 1);
    QCOMPARE(b.value(1).toString(), QStringLiteral("N"));
    QSqlQuery t = k.sql(QStringLiteral("SELECT count(*), max(tulajdonos) FROM tulajdonos"));
    QVERIFY(t.next());
    QCOMPARE(t.value(0).toInt(), 1);
    QVERIFY(!t.value(1).toString().isEmpty());
    QSqlQuery f = k.sql(QStringLiteral(
        "SELECT jelszo, rendszergazda, iras FROM felhasznalo WHERE felhasznalo='rendszergazda'"));
    QVERIFY(f.next());
    QVERIFY(Jelszo::HashE(f.value(0).toString()));
    QVERIFY(Jelszo::Egyezik(f.value(0).toString(), Adatmappa::KezdoJelszo));
    QCOMPARE(f.value(1).toString(), QStringLiteral("I"));
    QCOMPARE(f.value(2).toString(), QStringLiteral("I"));
    QVERIFY(!f.next());
}

void TstAdatbazis::szallitottAdatmappaNemIrodikFelul() {
    PELVANO_CSAK_BEAGYAZOTT();
    Teszt::AdatMappa m;
    {
        Kapcsolat k;
        k.nyit(m.forras());
        k.sql(QStringLiteral("INSERT INTO terv (Tervszam) VALUES ('megmarad')"));
    }
    const QByteArray elotte = Teszt::FajlHash(m.adatFajl());
    // The build step on a folder that already has its database.
    QProcess p;
    p.start(QStringLiteral(PELVANO_TOOLS_DIR "/pelvano_adatmappa"),
            {m.utvonal(), Teszt::IrszCsv()});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(Teszt::FajlHash(m.adatFajl()), elotte);
    QCOMPARE(QDir(m.utvonal()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("pelvano.sqlite")});
    // On an empty folder it builds the delivered data folder.
    QTemporaryDir uj;
    p.start(QStringLiteral(PELVANO_TOOLS_DIR "/pelvano_adatmappa"),
            {uj.path() + QStringLiteral("/Data"), Teszt::IrszCsv()});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(QFile::exists(uj.path() + QStringLiteral("/Data/pelvano.sqlite")));
    QCOMPARE(QDir(uj.path() + QStringLiteral("/Data")).entryList(QDir::Files | QDir::Hidden).size(),
             1);
}

void TstAdatbazis::sqlite3EszkozOlvassa() {
    PELVANO_CSAK_BEAGYAZOTT();
    Teszt::AdatMappa m(true);
    {
        Kapcsolat k;
        k.nyit(m.forras());
        k.sql(QStringLiteral("INSERT INTO terv (Tervszam, Cim) VALUES ('T-1', 'Őrház')"));
        k.sql(QStringLiteral("INSERT INTO tervezo (tervezo_nev) VALUES ('Ábel')"));
    }
    bool ok = false;
    QCOMPARE(Teszt::Sqlite3Eszkoz(m.adatFajl(), QStringLiteral("PRAGMA integrity_check;"), &ok),
             QStringLiteral("ok"));
    QVERIFY(ok);
    // Writing through the tool keeps the width rule, and the tool can use
    // the name indexes.
    Teszt::Sqlite3Eszkoz(
        m.adatFajl(),
        QStringLiteral("UPDATE terv SET Tervszam='%1';").arg(QString(40, QLatin1Char('z'))), &ok);
    QVERIFY(ok);
    QCOMPARE(Teszt::Sqlite3Eszkoz(m.adatFajl(),
                                  QStringLiteral("SELECT length(Tervszam) FROM terv;"), &ok),
             QStringLiteral("20"));
    QCOMPARE(
        Teszt::Sqlite3Eszkoz(
            m.adatFajl(),
            QStringLiteral("SELECT tervezo_nev FROM tervezo ORDER BY tervezo_nev COLLATE NOCASE;"),
            &ok),
        QStringLiteral("Ábel"));
    QVERIFY(ok);
}

void TstAdatbazis::motorHibaMagyarul_data() {
    // The statement (after a setting of the connection: no more pages than
    // the database has, or no writing), and the whole text of its error.
    QTest::addColumn<QString>("elotte");
    QTest::addColumn<QString>("utasitas");
    QTest::addColumn<QString>("szoveg");
    const QString tabla = u"Az utasítás olyan táblát említ, amely nincs az adatbázisban. "
                          u"Ellenőrizze a tábla nevét; ha a program saját táblája hiányzik, "
                          u"futtassa a karbantartó programot.\r\n"_s;
    const QString oszlop = u"Az utasítás olyan oszlopot említ, amely nincs a táblában. "
                           u"Ellenőrizze az oszlop nevét; ha a program saját oszlopa hiányzik, "
                           u"futtassa a karbantartó programot.\r\n"_s;
    QTest::newRow("missing table") << ""
                                   << "SELECT * FROM nincs" << tabla + "no such table: nincs";
    QTest::newRow("missing column") << ""
                                    << "SELECT nincs FROM terv" << oszlop + "no such column: nincs";
    QTest::newRow("column to insert missing")
        << ""
        << "INSERT INTO terv (nincs) VALUES (1)" << oszlop + "table terv has no column named nincs";
    QTest::newRow("read-only")
        << "PRAGMA query_only=1"
        << "UPDATE terv SET szur='I'"
        << u"Az adatbázis csak olvasható, ezért a változás nem tárolható. Ellenőrizze, hogy az "
           u"adatmappa és az adatbázisfájl írható-e.\r\nattempt to write a readonly database"_s;
    QTest::newRow("disk full")
        << "PRAGMA max_page_count=LAPOK"
        << "INSERT INTO terv (Megjegyzes) VALUES (zeroblob(900000))"
        << u"Megtelt a lemez, ezért az adatbázisba nem írható több adat. Szabadítson fel helyet "
           u"a lemezen, majd próbálja újra.\r\ndatabase or disk is full"_s;
    QTest::newRow("two statements")
        << ""
        << "UPDATE terv SET szur='I'; UPDATE terv SET szur='N'"
        << u"Egyszerre csak egy SQL utasítás futtatható. Jelölje ki a futtatandó utasítást, vagy "
           u"futtassa őket egymás után.\r\n"_s;
    QTest::newRow("nothing to run") << ""
                                    << " \r\n " << u"Nincs futtatható SQL utasítás."_s;
    QTest::newRow("other errors as the engine says")
        << ""
        << "SELEKT 1" << u"near \"SELEKT\": syntax error"_s;
}

void TstAdatbazis::motorHibaMagyarul() {
    PELVANO_CSAK_BEAGYAZOTT();
    QFETCH(QString, elotte);
    QFETCH(QString, utasitas);
    QFETCH(QString, szoveg);
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    if (!elotte.isEmpty()) {
        QSqlQuery q = k.sql(QStringLiteral("PRAGMA page_count"));
        QVERIFY(q.next());
        const QString lapok = q.value(0).toString();
        q = QSqlQuery();
        k.sql(elotte.replace(u"LAPOK"_s, lapok));
    }
    try {
        k.sql(utasitas);
        QFAIL("no error");
    } catch (const AdatbazisHiba& h) {
        // Two statements: the sentence, then the driver's own words.
        if (szoveg.endsWith(u"\r\n"_s))
            QVERIFY2(h.uzenet().startsWith(szoveg) && h.uzenet().size() > szoveg.size() &&
                         !h.uzenet().contains(u"not an error"_s),
                     qPrintable(h.uzenet()));
        else
            QCOMPARE(h.uzenet(), szoveg);
    }
    // A query typed by a user tells the same conditions.
    if (utasitas.startsWith(u"SELECT"_s)) {
        try {
            k.eredmeny(utasitas)->olvas(10);
            QFAIL("no error");
        } catch (const AdatbazisHiba& h) {
            QCOMPARE(h.uzenet(), szoveg);
        }
    }
}

void TstAdatbazis::masikMunkaallomasraVar() {
    Teszt::AdatMappa m;
    Kapcsolat k;
    k.nyit(m.forras());
    int jelzesek = 0;
    Teszt::Varakozas varakozas(5000, [&] { ++jelzesek; });

    // Nobody else: no waiting, nothing told.
    k.sql(u"INSERT INTO terv (Tervszam) VALUES ('elso')"_s);
    QCOMPARE(jelzesek, 0);

    // Held shorter than the wait: told at once, once, and the store succeeds.
    {
        Teszt::MasikMunkaallomas masik(m.forras(), 1000);
        QVERIFY(masik.tartja());
        k.sql(u"INSERT INTO terv (Tervszam) VALUES ('masodik')"_s);
        QCOMPARE(jelzesek, 1);
        QVERIFY(masik.vege());
    }

    // Held longer: the wait ends with the Hungarian sentence and the engine's
    // text; nothing is stored.
    {
        Kapcsolat::setVarakozasIdo(400);
        Teszt::MasikMunkaallomas masik(m.forras(), 4000);
        QVERIFY(masik.tartja());
        QElapsedTimer ido;
        ido.start();
        try {
            k.sql(u"INSERT INTO terv (Tervszam) VALUES ('harmadik')"_s);
            QFAIL("stored");
        } catch (const AdatbazisHiba& h) {
            QCOMPARE(h.uzenet(), u"Az adatbázist most egy másik munkaállomás használja, ezért a "
                                 u"művelet nem sikerült. Várjon egy kicsit, majd próbálja "
                                 u"újra.\r\n"_s +
                                     Teszt::FoglaltSzoveg());
        }
        QVERIFY(ido.elapsed() >= 350);
        QVERIFY(ido.elapsed() < 3500);
        QCOMPARE(jelzesek, 2);
        QVERIFY(masik.vege());
    }
    // Waiting inside a transaction: told once, and what the transaction
    // stored before and after the wait is all kept.
    Kapcsolat::setVarakozasIdo(5000);
    {
        Teszt::MasikMunkaallomas masik(m.forras(), 1000);
        QVERIFY(masik.tartja());
        Tranzakcio t(k);
        k.sql(u"INSERT INTO terv (Tervszam) VALUES ('negyedik')"_s);
        k.sql(u"UPDATE terv SET Cim = 'várt' WHERE Tervszam = 'negyedik'"_s);
        t.kesz();
        QCOMPARE(jelzesek, 3);
        QVERIFY(masik.vege());
    }
    QSqlQuery q = k.sql(u"SELECT Tervszam FROM terv ORDER BY Terv"_s);
    QStringList tervek;
    while (q.next())
        tervek << q.value(0).toString();
    QCOMPARE(tervek, (QStringList{u"elso"_s, u"tarto"_s, u"masodik"_s, u"tarto"_s, u"tarto"_s,
                                  u"negyedik"_s}));
    q = k.sql(u"SELECT Cim FROM terv WHERE Tervszam = 'negyedik'"_s);
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), u"várt"_s);
}

QTEST_GUILESS_MAIN(TstAdatbazis)
#include "tst_adatbazis.moc"
