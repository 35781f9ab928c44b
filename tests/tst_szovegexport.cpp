// Delimited text export: the plain format of SzovegExport, the dialog format
// with its choices, windows-1250 bytes, qualifiers doubled inside values (read
// back by a real CSV reader), failures, large exports and the dialog itself.

#include "fajlparbeszed.h"
#include "hiba.h"
#include "kapcsolat.h"
#include "lekerdezes/szovegexport.h"
#include "lekerdezes/tfrm_hatarolt.h"
#include "modalis.h"
#include "tervlista.h"
#include "tesztadat.h"
#include "tesztkornyezet.h"
#include "uzenetteszt.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <functional>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace SzovegExportFormatum;
using Ablak = UzenetTeszt::Ablak;
using Fajta = UzenetTeszt::Fajta;

namespace {

QByteArray cp(const char* utf8) {
    return Cp1250(QString::fromUtf8(utf8));
}

// A table of text values with captions in the header and names given apart.
struct Tabla {
    QStandardItemModel modell;
    std::unique_ptr<ModellForras> forras;
    Tabla(const QStringList& nevek, const QStringList& feliratok, const QList<QVariantList>& sorok,
          QList<OszlopFajta> fajtak = {}) {
        modell.setColumnCount(int(nevek.size()));
        modell.setHorizontalHeaderLabels(feliratok);
        for (const QVariantList& s : sorok) {
            QList<QStandardItem*> elemek;
            for (const QVariant& v : s) {
                auto* e = new QStandardItem;
                e->setData(v, Qt::EditRole);
                elemek.append(e);
            }
            modell.appendRow(elemek);
        }
        if (fajtak.isEmpty())
            for (int i = 0; i < nevek.size(); ++i)
                fajtak.append(OszlopFajta::Szoveg);
        forras = std::make_unique<ModellForras>(modell, nevek, fajtak);
    }
};

// A model that makes its values when asked, for large exports; `figyelo` is
// called with each row read.
class GeneraltModell : public QAbstractTableModel {
public:
    GeneraltModell(int sorok, int oszlopok) : m_sorok(sorok), m_oszlopok(oszlopok) {}
    int rowCount(const QModelIndex& = QModelIndex()) const override { return m_sorok; }
    int columnCount(const QModelIndex& = QModelIndex()) const override { return m_oszlopok; }
    QVariant data(const QModelIndex& i, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        if (figyelo && i.column() == 0)
            figyelo(i.row());
        if (i.column() == 0)
            return i.row();
        return QStringLiteral("érték %1/%2").arg(i.row()).arg(i.column());
    }
    QVariant headerData(int s, Qt::Orientation o, int role) const override {
        if (o == Qt::Horizontal && role == Qt::DisplayRole)
            return QStringLiteral("oszlop%1").arg(s);
        return {};
    }
    std::function<void(int)> figyelo;

private:
    int m_sorok;
    int m_oszlopok;
};

// A data set whose value fails at a given row.
class HibasForras : public ModellForras {
public:
    HibasForras(QAbstractItemModel& m, int hibasSor) : ModellForras(m), m_hibas(hibasSor) {}
    QVariant ertek(int oszlop) const override {
        if (sor() == m_hibas)
            throw PelvanoHiba(QStringLiteral("olvasási hiba"));
        return ModellForras::ertek(oszlop);
    }

private:
    int m_hibas;
};

// Reads the file with Python's csv module; the rows as lists of texts.
QList<QStringList> pythonCsv(const QString& fajl, const QString& hatarolo, const QString& jelolo) {
    const QString program = QStringLiteral(
        "import csv, json, sys\n"
        "with open(sys.argv[1], encoding='cp1250', newline='') as f:\n"
        "    print(json.dumps(list(csv.reader(f, delimiter=sys.argv[2], quotechar=sys.argv[3], "
        "strict=True))))\n");
    QProcess p;
    p.start(QStringLiteral("python3"), {QStringLiteral("-c"), program, fajl, hatarolo, jelolo});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        qWarning() << "python3:" << p.readAllStandardError();
        return {};
    }
    QList<QStringList> sorok;
    for (const QJsonValue& s : QJsonDocument::fromJson(p.readAllStandardOutput()).array()) {
        QStringList l;
        for (const QJsonValue& v : s.toArray())
            l.append(v.toString());
        sorok.append(l);
    }
    return sorok;
}

} // namespace

class TstSzovegExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void ertekSzoveg_data();
    void ertekSzoveg();
    void kodlap_data();
    void kodlap();
    void nyersMintSzoveg();
    void sima_data();
    void sima();
    void simaTablabol();
    void simaQueryAllapot();
    void simaFajlHiba();
    void simaHibasQuery();
    void hatarolt_data();
    void hatarolt();
    void hataroltOlvasobol_data();
    void hataroltOlvasobol();
    void tervListaMemoEsDatum();
    void csvOlvasoVisszaolvassa_data();
    void csvOlvasoVisszaolvassa();
    void irasHibaMeglevoFajlMarad();
    void nagyExport();

    void dialogNyitas();
    void dialogEnterExportal();
    void dialogNincsFajlnev();
    void dialogHibasUtvonal();
    void dialogOlvasasiHibaNemIr();
    void dialogMegallit();
    void dialogTallozas();
    void dialogBezar();
    void dialogNagy();

private:
    std::unique_ptr<Teszt::AdatMappa> m_mappa;
    std::unique_ptr<Kapcsolat> m_k;
    std::unique_ptr<QTemporaryDir> m_ki;
    QString ki(const QString& nev) const { return m_ki->filePath(nev); }
};

void TstSzovegExport::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
    // Dates, times and numbers as a Hungarian workstation writes them.
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
}

void TstSzovegExport::init() {
    UzenetTeszt::bekapcsol();
    FajlParbeszed::tesztBekapcsol();
    m_mappa = std::make_unique<Teszt::AdatMappa>();
    m_k = std::make_unique<Kapcsolat>();
    m_k->nyit(m_mappa->forras());
    m_ki = std::make_unique<QTemporaryDir>();
}

void TstSzovegExport::cleanup() {
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
    QCOMPARE(FajlParbeszed::maradekValasz(), 0);
    m_k.reset();
    m_mappa.reset();
    m_ki.reset();
    FajlParbeszed::tesztKikapcsol();
    UzenetTeszt::kikapcsol();
}

void TstSzovegExport::ertekSzoveg_data() {
    QTest::addColumn<QVariant>("ertek");
    QTest::addColumn<OszlopFajta>("fajta");
    QTest::addColumn<QString>("vart");
    const auto d = OszlopFajta::Datum;
    const auto di = OszlopFajta::DatumIdo;
    const auto t = OszlopFajta::Tort;
    const auto e = OszlopFajta::Egesz;
    const auto sz = OszlopFajta::Szoveg;
    QTest::newRow("null text") << QVariant() << sz << "";
    QTest::newRow("null date") << QVariant() << d << "";
    QTest::newRow("stored date") << QVariant("2024-03-05") << d << "2024. 03. 05.";
    QTest::newRow("QDate") << QVariant(QDate(1999, 12, 31)) << d << "1999. 12. 31.";
    QTest::newRow("date-time") << QVariant("2024-03-05 13:04:05") << di << "2024. 03. 05. 13:04:05";
    QTest::newRow("morning") << QVariant("2024-03-05 07:00:09") << di << "2024. 03. 05. 7:00:09";
    QTest::newRow("midnight") << QVariant("2024-03-05 00:00:00") << di << "2024. 03. 05.";
    QTest::newRow("date in date-time") << QVariant("2024-03-05") << di << "2024. 03. 05.";
    QTest::newRow("unreadable date") << QVariant("tavasz") << d << "tavasz";
    QTest::newRow("date-like text") << QVariant("2024-03-05") << sz << "2024-03-05";
    QTest::newRow("integer") << QVariant(qlonglong(-1234567890123)) << e << "-1234567890123";
    QTest::newRow("float") << QVariant(1.5) << t << "1,5";
    QTest::newRow("float sum") << QVariant(0.1 + 0.2) << t << "0,3";
    QTest::newRow("float 15 digits") << QVariant(2.0 / 3.0) << t << "0,666666666666667";
    QTest::newRow("float whole") << QVariant(3.0) << t << "3";
    QTest::newRow("float large") << QVariant(1e20) << t << "1E20";
    QTest::newRow("float small") << QVariant(1.5e-7) << t << "1,5E-7";
    QTest::newRow("memo whole") << QVariant("a\r\nb") << OszlopFajta::Memo << "a\r\nb";
}

void TstSzovegExport::ertekSzoveg() {
    QFETCH(QVariant, ertek);
    QFETCH(OszlopFajta, fajta);
    QFETCH(QString, vart);
    QCOMPARE(Szoveg(ertek, fajta), vart);
}

void TstSzovegExport::kodlap_data() {
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<QByteArray>("vart");
    QTest::newRow("ascii") << "Abc;|\t\r\n" << QByteArray("Abc;|\t\r\n");
    QTest::newRow("hungarian") << QString::fromUtf8("árvíztűrő TÜKÖRFÚRÓGÉP")
                               << QByteArray("\xe1rv\xedzt\xfbr\xf5 T\xdcK\xd6RF\xdaR\xd3G\xc9P");
    QTest::newRow("euro, dash, quotes")
        << QString::fromUtf8("€–„”") << QByteArray("\x80\x96\x84\x94");
    QTest::newRow("other scripts") << QString::fromUtf8("中文 Ωμέγα ñ") << QByteArray("?? ????? ?");
    QTest::newRow("pair of surrogates is one") << QString::fromUtf8("a😀b") << QByteArray("a?b");
    QTest::newRow("lone surrogate")
        << QString(QChar(0xD800)) + QLatin1Char('x') << QByteArray("?x");
    QTest::newRow("control 0x1A kept") << QString(QChar(0x1A)) << QByteArray("\x1a");
}

void TstSzovegExport::kodlap() {
    QFETCH(QString, szoveg);
    QFETCH(QByteArray, vart);
    QCOMPARE(Cp1250(szoveg), vart);
}

void TstSzovegExport::nyersMintSzoveg() {
    // A value as the engine holds it is written as its Qt value would be,
    // for every kind of column, clean UTF-8 or not.
    const QList<QByteArray> szovegek{QByteArray("árvíztűrő TÜKÖRFÚRÓGÉP"),
                                     QByteArray("€–„” 中文 Ωμέγα"),
                                     QByteArray("a😀b"),
                                     QByteArray("vége\xC3"),
                                     QByteArray("\xC0\x80túl hosszú"),
                                     QByteArray("\xED\xA0\x80"),
                                     QByteArray("\xF4\x90\x80\x80"),
                                     QByteArray("\xFFx"),
                                     QByteArray("2024-03-05"),
                                     QByteArray("2024-03-05 13:04:05"),
                                     QByteArray("2024-03-05 00:00:00"),
                                     QByteArray("tavasz"),
                                     QByteArray(" 12"),
                                     QByteArray("12"),
                                     QByteArray(""),
                                     QByteArray("a\0b", 3)};
    QList<NyersErtek> ertekek{NyersErtek{}};
    for (qint64 n : {qint64(0), qint64(-1234567890123), std::numeric_limits<qint64>::min()}) {
        NyersErtek e;
        e.fajta = NyersErtek::Fajta::Egesz;
        e.egesz = n;
        ertekek << e;
    }
    for (double d : {1.5, 2.0 / 3.0, 1e20}) {
        NyersErtek e;
        e.fajta = NyersErtek::Fajta::Tort;
        e.tort = d;
        ertekek << e;
    }
    for (const QByteArray& b : szovegek)
        for (auto f : {NyersErtek::Fajta::Szoveg, NyersErtek::Fajta::Bajtok}) {
            NyersErtek e;
            e.fajta = f;
            e.adat = b.constData();
            e.hossz = b.size();
            ertekek << e;
        }
    NyersIro iro;
    for (int kor = 0; kor < 2; ++kor) // the second time from what the writer kept
        for (const NyersErtek& e : ertekek)
            for (OszlopFajta f :
                 {OszlopFajta::Szoveg, OszlopFajta::Egesz, OszlopFajta::Tort, OszlopFajta::Datum,
                  OszlopFajta::DatumIdo, OszlopFajta::Memo, OszlopFajta::Blob}) {
                KiPuffer ki(4);
                ki.tesz("<", 1);
                iro.hozzafuz(ki, e, f);
                const QByteArray vart = "<" + Cp1250(Szoveg(e.valtozo(), f));
                QVERIFY2(ki.adat() == vart,
                         qPrintable(QStringLiteral("%1 as %2: %3 instead of %4")
                                        .arg(e.valtozo().toString())
                                        .arg(int(f))
                                        .arg(QString::fromLatin1(ki.adat().toByteArray().toHex()))
                                        .arg(QString::fromLatin1(vart.toHex()))));
            }
}

void TstSzovegExport::sima_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("hatarolo");
    QTest::addColumn<QByteArray>("vart");
    QTest::newRow("two rows") << "SELECT 1 AS a, 'x' AS b UNION ALL SELECT 2, NULL"
                              << "|" << QByteArray("a|b|\r\n1|x|\r\n2||\r\n");
    QTest::newRow("empty result") << "SELECT 1 AS a, 'x' AS b WHERE 1 = 0"
                                  << "|" << QByteArray("a|b|\r\n");
    QTest::newRow("longer separator") << "SELECT 1 AS a, 'x' AS b"
                                      << "<>" << QByteArray("a<>b<>\r\n1<>x<>\r\n");
    QTest::newRow("nothing escaped") << "SELECT 'a|b' AS x, 'k\"q''' AS y, 'sor1\r\nsor2' AS z"
                                     << "|" << QByteArray("x|y|z|\r\na|b|k\"q'|sor1\r\nsor2|\r\n");
    QTest::newRow("numbers") << "SELECT 7 AS e, 1.5 AS t, -0.25 AS n"
                             << ";" << QByteArray("e;t;n;\r\n7;1,5;-0,25;\r\n");
    QTest::newRow("code page") << QString::fromUtf8("SELECT 'Ház 中 😀 €' AS \"név\"") << "|"
                               << QByteArray("n\xe9v|\r\nH\xe1z ? ? \x80|\r\n");
}

void TstSzovegExport::sima() {
    QFETCH(QString, sql);
    QFETCH(QString, hatarolo);
    QFETCH(QByteArray, vart);
    QSqlQuery q = m_k->sql(sql);
    SzovegExport(q, ki(QStringLiteral("a.csv")), hatarolo);
    QCOMPARE(Teszt::FajlTartalom(ki(QStringLiteral("a.csv"))), vart);
    QVERIFY(UzenetTeszt::ablakok().isEmpty());
}

void TstSzovegExport::simaTablabol() {
    // Kinds come from the schema: a stored date is text in the database.
    m_k->sql(QStringLiteral("INSERT INTO terv (Tervszam, Cim, Megjegyzes, datum) VALUES "
                            "('T-1', :c, :m, '2024-03-05')"),
             {{QStringLiteral("c"), QString::fromUtf8("Ház \"A\" épület")},
              {QStringLiteral("m"), QString::fromUtf8("első\r\nmásodik") + QString(3000, 'x')}});
    m_k->sql(QStringLiteral("INSERT INTO naplo (felhasznalo, datum, sikeres) VALUES "
                            "('kiss', '2024-03-05 13:04:05', 'I'), "
                            "('nagy', '2024-03-06 00:00:00', 'N')"));

    QSqlQuery q = m_k->sql(QStringLiteral("SELECT Tervszam, Cim, Megjegyzes, datum FROM terv"));
    SzovegExport(q, ki(QStringLiteral("t.csv")), QStringLiteral("|"));
    QCOMPARE(Teszt::FajlTartalom(ki(QStringLiteral("t.csv"))),
             cp("Tervszam|Cim|Megjegyzes|datum|\r\nT-1|Ház \"A\" épület|első\r\nmásodik") +
                 QByteArray(3000, 'x') + QByteArray("|2024. 03. 05.|\r\n"));

    QSqlQuery n = m_k->sql(QStringLiteral("SELECT * FROM naplo ORDER BY naplo"));
    SzovegExport(n, ki(QStringLiteral("n.csv")), QStringLiteral("|"));
    QCOMPARE(Teszt::FajlTartalom(ki(QStringLiteral("n.csv"))),
             QByteArray("naplo|felhasznalo|datum|sikeres|\r\n"
                        "1|kiss|2024. 03. 05. 13:04:05|I|\r\n"
                        "2|nagy|2024. 03. 06.|N|\r\n"));
}

void TstSzovegExport::simaQueryAllapot() {
    const QString sql = QStringLiteral("SELECT 1 AS a UNION ALL SELECT 2 UNION ALL SELECT 3");
    const QByteArray vart("a;\r\n1;\r\n2;\r\n3;\r\n");

    // Open, on its second row.
    QSqlQuery nyitott = m_k->sql(sql);
    QVERIFY(nyitott.next() && nyitott.next());
    SzovegExport(nyitott, ki(QStringLiteral("1.csv")), QStringLiteral(";"));
    QCOMPARE(Teszt::FajlTartalom(ki(QStringLiteral("1.csv"))), vart);
    QVERIFY(nyitott.isActive());
    QCOMPARE(nyitott.at(), 1);
    QCOMPARE(nyitott.value(0).toInt(), 2);

    // Open, before its first row.
    QSqlQuery elotte = m_k->sql(sql);
    SzovegExport(elotte, ki(QStringLiteral("2.csv")), QStringLiteral(";"));
    QCOMPARE(Teszt::FajlTartalom(ki(QStringLiteral("2.csv"))), vart);
    QCOMPARE(elotte.at(), int(QSql::BeforeFirstRow));
    QVERIFY(elotte.next());
    QCOMPARE(elotte.value(0).toInt(), 1);

    // Forward only, on its first row.
    QSqlQuery elore = m_k->lekerdez(sql);
    QVERIFY(elore.isForwardOnly());
    QVERIFY(elore.next());
    SzovegExport(elore, ki(QStringLiteral("3.csv")), QStringLiteral(";"));
    QCOMPARE(Teszt::FajlTartalom(ki(QStringLiteral("3.csv"))), vart);
    QCOMPARE(elore.at(), 0);
    QCOMPARE(elore.value(0).toInt(), 1);

    // Closed: opened for the export and closed again.
    QSqlQuery zart(m_k->db());
    QVERIFY(zart.prepare(sql));
    SzovegExport(zart, ki(QStringLiteral("4.csv")), QStringLiteral(";"));
    QCOMPARE(Teszt::FajlTartalom(ki(QStringLiteral("4.csv"))), vart);
    QVERIFY(!zart.isActive());
    QVERIFY(!zart.isForwardOnly());
}

void TstSzovegExport::simaFajlHiba() {
    QSqlQuery zart(m_k->db());
    QVERIFY(zart.prepare(QStringLiteral("SELECT 1 AS a")));
    const QString fajl = ki(QStringLiteral("nincs ilyen mappa/a.csv"));
    SzovegExport(zart, fajl, QStringLiteral("|"));
    QCOMPARE(UzenetTeszt::ablakok().size(), 1);
    const Ablak a = UzenetTeszt::ablakok().constFirst();
    QCOMPARE(a.fajta, Fajta::Hiba);
    QVERIFY2(a.szoveg.startsWith(QStringLiteral("File megnyitási hiba\r\n")), qPrintable(a.szoveg));
    QVERIFY(a.szoveg.size() > QStringLiteral("File megnyitási hiba\r\n").size());
    QVERIFY(!zart.isActive());
    QVERIFY(!QFileInfo::exists(fajl));
}

void TstSzovegExport::simaHibasQuery() {
    QSqlQuery q(m_k->db());
    q.prepare(QStringLiteral("SELECT nincs_ilyen FROM terv"));
    const QString fajl = ki(QStringLiteral("h.csv"));
    QVERIFY_THROWS_EXCEPTION(AdatbazisHiba, SzovegExport(q, fajl, QStringLiteral("|")));
    QVERIFY(!QFileInfo::exists(fajl));
    QVERIFY(UzenetTeszt::ablakok().isEmpty());
}

void TstSzovegExport::hatarolt_data() {
    QTest::addColumn<QString>("hatarolo");
    QTest::addColumn<QString>("jelolo");
    QTest::addColumn<QList<bool>>("oszlopok");
    QTest::addColumn<QList<QVariantList>>("sorok");
    QTest::addColumn<QByteArray>("vart");
    const QList<QVariantList> ketSor{{1, "x"}, {2, QVariant()}};
    QTest::newRow("presets") << ";"
                             << "\"" << QList<bool>{} << ketSor
                             << QByteArray("\"A\";\"B\";\r\n\"1\";\"x\";\r\n\"2\";\"\";\r\n");
    QTest::newRow("tab, none") << "\t"
                               << "" << QList<bool>{} << ketSor
                               << QByteArray("A\tB\t\r\n1\tx\t\r\n2\t\t\r\n");
    QTest::newRow("comma, apostrophe")
        << ","
        << "'" << QList<bool>{} << ketSor << QByteArray("'A','B',\r\n'1','x',\r\n'2','',\r\n");
    QTest::newRow("all unticked") << ";"
                                  << "\"" << QList<bool>{false, false} << ketSor
                                  << QByteArray("\r\n\r\n\r\n");
    QTest::newRow("first unticked") << ";"
                                    << "\"" << QList<bool>{false, true} << ketSor
                                    << QByteArray("\"B\";\r\n\"x\";\r\n\"\";\r\n");
    QTest::newRow("empty result") << ";"
                                  << "\"" << QList<bool>{} << QList<QVariantList>{}
                                  << QByteArray("\"A\";\"B\";\r\n");
    QTest::newRow("qualifier doubled")
        << ";"
        << "\"" << QList<bool>{} << QList<QVariantList>{{1, QString::fromUtf8("Ház \"A\" épület")}}
        << cp("\"A\";\"B\";\r\n\"1\";\"Ház \"\"A\"\" épület\";\r\n");
    QTest::newRow("apostrophe doubled")
        << ";"
        << "'" << QList<bool>{} << QList<QVariantList>{{1, "O'Brien \"x\""}}
        << QByteArray("'A';'B';\r\n'1';'O''Brien \"x\"';\r\n");
    QTest::newRow("none: nothing changes")
        << ";"
        << "" << QList<bool>{} << QList<QVariantList>{{1, "a;\"b\"\r\nc"}}
        << QByteArray("A;B;\r\n1;a;\"b\"\r\nc;\r\n");
}

void TstSzovegExport::hatarolt() {
    QFETCH(QString, hatarolo);
    QFETCH(QString, jelolo);
    QFETCH(QList<bool>, oszlopok);
    QFETCH(QList<QVariantList>, sorok);
    QFETCH(QByteArray, vart);
    Tabla t({QStringLiteral("a"), QStringLiteral("b")}, {QStringLiteral("A"), QStringLiteral("B")},
            sorok, {OszlopFajta::Egesz, OszlopFajta::Szoveg});
    HataroltBeallitas b;
    b.hatarolo = hatarolo;
    b.jelolo = jelolo;
    b.oszlopok = oszlopok;
    QCOMPARE(HataroltSorok(*t.forras, b), vart);
}

void TstSzovegExport::hataroltOlvasobol_data() {
    QTest::addColumn<QString>("jelolo");
    QTest::newRow("quote") << Idezojel;
    QTest::newRow("apostrophe") << Aposztrof;
    QTest::newRow("none") << QString();
    QTest::newRow("question mark") << QStringLiteral("?");
    QTest::newRow("two characters") << QStringLiteral("\"'");
}

void TstSzovegExport::hataroltOlvasobol() {
    // A SELECT read straight through the engine gives the lines a query
    // gives, qualifiers doubled alike, walked as often as the dialog walks.
    QFETCH(QString, jelolo);
    m_k->sql(QStringLiteral("INSERT INTO terv (Tervszam, Cim, Megjegyzes, datum, Helyszin) VALUES "
                            "('T-1', :c, 'hosszú', '2024-03-05', 'x\"''y'), "
                            "('T-2', :d, NULL, NULL, NULL)"),
             {{QStringLiteral("c"), QString::fromUtf8("Ház \"A\" 'B' 中? 😀 \"'")},
              {QStringLiteral("d"), QString::fromUtf8("?\"?")}});
    const QString sql = QStringLiteral(
        "SELECT terv, Tervszam, Cim, Megjegyzes, datum, Helyszin, 7 AS hetes FROM terv ORDER BY 1");
    HataroltBeallitas b;
    b.jelolo = jelolo;
    QSqlQuery q = m_k->lekerdez(sql);
    QueryForras lekerdezes(q, {{QStringLiteral("cim"), QStringLiteral("tárgy")}});
    const QByteArray vart = HataroltSorok(lekerdezes, b);
    QVERIFY(vart.contains(Cp1250(QStringLiteral("tárgy"))));
    OlvasoForras olvaso(*m_k, sql, {{QStringLiteral("cim"), QStringLiteral("tárgy")}});
    QCOMPARE(HataroltSorok(olvaso, b), vart);
    QCOMPARE(HataroltSorok(olvaso, b), vart);
}

void TstSzovegExport::tervListaMemoEsDatum() {
    m_k->sql(QStringLiteral("INSERT INTO tipus (tipus_nev) VALUES ('Lakóház')"));
    m_k->sql(QStringLiteral("INSERT INTO terv (Tervszam, Cim, Tipus, Megjegyzes, datum, szur) "
                            "VALUES ('T-1', :c, 1, 'hosszú megjegyzés', '2024-03-05', 'I')"),
             {{QStringLiteral("c"), QString::fromUtf8("Ház \"A\" épület")}});
    m_k->sql(QStringLiteral("INSERT INTO terv (Tervszam, Cim) VALUES ('T-2', 'Iskola')"));
    TervListaModell modell(*m_k);
    modell.nyit(QStringLiteral("tervszam"), false);
    auto forras = TervListaForras(modell);
    QCOMPARE(forras->oszlopSzam(), modell.columnCount());

    // Only a few columns, by name, so the test does not depend on the rest.
    const QStringList kell{QStringLiteral("tervszam"), QStringLiteral("cim"),
                           QStringLiteral("megjegyzes"), QStringLiteral("datum"),
                           QStringLiteral("tipus_nev")};
    HataroltBeallitas b;
    for (int i = 0; i < forras->oszlopSzam(); ++i)
        b.oszlopok.append(kell.contains(forras->nev(i).toLower()));
    const QByteArray eredmeny = HataroltSorok(*forras, b);
    const QList<QByteArray> sorok = eredmeny.split('\n');
    QCOMPARE(sorok.size(), 4); // three lines and the empty rest after the last
    // Captions of the list in the heading, in the result's column order.
    for (const QString& mezo : kell)
        QVERIFY2(sorok.at(0).contains(
                     Cp1250(QLatin1Char('"') + TervLista::Cimke(mezo) + QStringLiteral("\";"))),
                 qPrintable(mezo));
    QVERIFY(sorok.at(1).contains(cp("\"T-1\";\"Ház \"\"A\"\" épület\";")));
    QVERIFY(sorok.at(1).contains("\"BLOB\";"));
    QVERIFY(!sorok.at(1).contains(cp("hosszú")));
    QVERIFY(sorok.at(1).contains("\"2024. 03. 05.\";"));
    QVERIFY(sorok.at(1).contains(cp("\"Lakóház\";")));
    QVERIFY(sorok.at(2).contains("\"T-2\";\"Iskola\";"));
    QVERIFY(sorok.at(2).contains("\"BLOB\";"));
    QCOMPARE(sorok.at(1).count(';'), 5);
}

void TstSzovegExport::csvOlvasoVisszaolvassa_data() {
    QTest::addColumn<QString>("hatarolo");
    QTest::addColumn<QString>("jelolo");
    QTest::newRow("semicolon, double quote") << ";"
                                             << "\"";
    QTest::newRow("comma, apostrophe") << ","
                                       << "'";
    QTest::newRow("tab, double quote") << "\t"
                                       << "\"";
}

void TstSzovegExport::csvOlvasoVisszaolvassa() {
    QFETCH(QString, hatarolo);
    QFETCH(QString, jelolo);
    const QList<QVariantList> ertekek{
        {QString::fromUtf8("Ház \"A\" épület"), "O'Brien", ""},
        {"a;b,c\td", "\"\"", "''"},
        {"sor1\r\nsor2", "sor1\nsor2\n", "\r"},
        {QString::fromUtf8("árvíztűrő tükörfúrógép €"), QString(10000, QLatin1Char('"')),
         QString(5000, 'x') + QStringLiteral("\";',\t\r\n") + QString(5000, 'y')},
        {QVariant(), " ", QString::fromUtf8("„idézet”")},
    };
    Tabla t({"a", "b", "c"}, {QString::fromUtf8("első \"oszlop\""), "b;c", "c'"}, ertekek);
    HataroltBeallitas b;
    b.hatarolo = hatarolo;
    b.jelolo = jelolo;
    const QString fajl = ki(QStringLiteral("vissza.csv"));
    FajlIras(fajl, HataroltSorok(*t.forras, b));

    const QList<QStringList> olvasott = pythonCsv(fajl, hatarolo, jelolo);
    QCOMPARE(olvasott.size(), ertekek.size() + 1);
    // Every line ends with the separator: the reader sees one empty value more.
    QCOMPARE(olvasott.at(0),
             (QStringList{QString::fromUtf8("első \"oszlop\""), "b;c", "c'", QString()}));
    for (int i = 0; i < ertekek.size(); ++i) {
        QStringList vart;
        for (const QVariant& v : ertekek.at(i))
            vart.append(v.toString());
        vart.append(QString());
        QCOMPARE(olvasott.at(i + 1), vart);
    }
}

void TstSzovegExport::irasHibaMeglevoFajlMarad() {
    const QString fajl = ki(QStringLiteral("meglevo.csv"));
    QVERIFY(Teszt::FajlIr(fajl, "régi tartalom"));
    const QByteArray regi = Teszt::FajlTartalom(fajl);

    // A folder that does not exist.
    QVERIFY_THROWS_EXCEPTION(PelvanoHiba,
                             FajlIras(ki(QStringLiteral("nincs/a.csv")), QByteArray("x")));
    QVERIFY(!QFileInfo::exists(ki(QStringLiteral("nincs"))));

#ifdef Q_OS_LINUX
    // The disk fills while writing: the file size limit makes the write fail
    // after part of the contents went out.
    struct rlimit eredeti;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &eredeti), 0);
    auto elozoJelzes = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit kicsi = eredeti;
    kicsi.rlim_cur = 64 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &kicsi), 0);
    QString hiba;
    try {
        FajlIras(fajl, QByteArray(1024 * 1024, 'z'));
    } catch (const PelvanoHiba& e) {
        hiba = e.uzenet();
    }
    setrlimit(RLIMIT_FSIZE, &eredeti);
    std::signal(SIGXFSZ, elozoJelzes);
    QVERIFY2(!hiba.isEmpty(), "the write did not fail");
    QCOMPARE(Teszt::FajlTartalom(fajl), regi);
    QCOMPARE(QDir(m_ki->path()).entryList(QDir::Files), QStringList{"meglevo.csv"});
#endif

    // A successful write replaces the contents.
    FajlIras(fajl, QByteArray("új"));
    QCOMPARE(Teszt::FajlTartalom(fajl), QByteArray("új"));
}

void TstSzovegExport::nagyExport() {
    // 200,000 rows in both formats, the plain one straight from the engine.
    QElapsedTimer ido;
    ido.start();
    QSqlQuery q = m_k->lekerdez(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200000) "
        "SELECT i AS sorszam, 'tervszám ' || i AS nev, i / 4.0 AS tort FROM n"));
    SzovegExport(q, ki(QStringLiteral("sima.csv")), QStringLiteral("|"));
    const qint64 sima = ido.restart();
    const QByteArray s = Teszt::FajlTartalom(ki(QStringLiteral("sima.csv")));
    QCOMPARE(s.count('\n'), 200001);
    QVERIFY(s.endsWith(cp("200000|tervszám 200000|50000|\r\n")));
    QVERIFY(s.contains(cp("\r\n3|tervszám 3|0,75|\r\n")));

    GeneraltModell m(200000, 6);
    int legnagyobbOlvasott = -1;
    m.figyelo = [&](int sor) { legnagyobbOlvasott = std::max(legnagyobbOlvasott, sor); };
    ModellForras forras(m);
    int lepesek = 0;
    FajlIras(ki(QStringLiteral("hat.csv")), HataroltSorok(forras, HataroltBeallitas(), [&](int k) {
                 lepesek = k + 1;
                 return true;
             }));
    const qint64 hatarolt = ido.elapsed();
    QCOMPARE(lepesek, 200000);
    QCOMPARE(legnagyobbOlvasott, 199999);
    const QByteArray h = Teszt::FajlTartalom(ki(QStringLiteral("hat.csv")));
    QCOMPARE(h.count('\n'), 200001);
    QVERIFY(h.endsWith(cp("\"199999\";\"érték 199999/1\";\"érték 199999/2\";\"érték "
                          "199999/3\";\"érték 199999/4\";\"érték 199999/5\";\r\n")));
    qInfo("plain: %lld ms, dialog format: %lld ms", sima, hatarolt);
    QVERIFY(sima < 30000);
    QVERIFY(hatarolt < 30000);
}

// --- The dialog

void TstSzovegExport::dialogNyitas() {
    Tabla t({"a", "b"}, {"A", "B"}, {{1, "x"}});
    Tfrm_Hatarolt d(*t.forras, QStringLiteral("lista.csv"));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.windowTitle(), QStringLiteral("Határolt szöveg export"));
    QCOMPARE(d.size(), QSize(482, 207));
    auto* lista = Teszt::Gyerek<QListWidget>(&d, "lstOszlopok");
    QCOMPARE(lista->count(), 2);
    QCOMPARE(lista->item(0)->text(), QStringLiteral("a")); // names, not captions
    QCOMPARE(lista->item(1)->checkState(), Qt::Checked);
    QCOMPARE(lista->item(0)->checkState(), Qt::Checked);
    QVERIFY(Teszt::Gyerek<QRadioButton>(&d, "rbPontosvesszo")->isChecked());
    QVERIFY(Teszt::Gyerek<QRadioButton>(&d, "rbIdezojel")->isChecked());
    QCOMPARE(Teszt::Gyerek<QRadioButton>(&d, "rbIdezojel")->text(),
             QStringLiteral("Idézőjel (\")"));
    auto* fajl = Teszt::Gyerek<QLineEdit>(&d, "edtFilenev");
    QCOMPARE(fajl->text(), QStringLiteral("lista.csv"));
    QCOMPARE(QApplication::focusWidget(), fajl);
    QCOMPARE(fajl->palette().color(QPalette::Base), QColor(166, 202, 240));
    QVERIFY(!Teszt::Gyerek<QPushButton>(&d, "btnMegallit")->isEnabled());
    QVERIFY(Teszt::Gyerek<QPushButton>(&d, "btnExport")->isDefault());
}

void TstSzovegExport::dialogEnterExportal() {
    Tabla t({"a", "b"}, {"A", "B"}, {{1, "x"}, {2, QVariant()}},
            {OszlopFajta::Egesz, OszlopFajta::Szoveg});
    const QString fajl = ki(QStringLiteral("lista.csv"));
    QVERIFY(Teszt::FajlIr(fajl, "régi"));
    Tfrm_Hatarolt d(*t.forras, fajl);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    Teszt::Gyerek<QRadioButton>(&d, "rbTabulator")->setChecked(true);
    Teszt::Gyerek<QRadioButton>(&d, "rbSemmi")->setChecked(true);
    auto* fajlMezo = Teszt::Gyerek<QLineEdit>(&d, "edtFilenev");
    fajlMezo->setFocus();
    QTest::keyClick(fajlMezo, Qt::Key_Return);
    QCOMPARE(Teszt::FajlTartalom(fajl), QByteArray("A\tB\t\r\n1\tx\t\r\n2\t\t\r\n"));
    QCOMPARE(UzenetTeszt::ablakok(), (QList<Ablak>{{Fajta::Uzenet, QStringLiteral("Üzenet"),
                                                    fajl + QStringLiteral(" file export kész.")}}));
    QVERIFY(d.isVisible());
    QCOMPARE(Teszt::Gyerek<QProgressBar>(&d, "pbHaladas")->value(), 0);
    QVERIFY(!Teszt::Gyerek<QPushButton>(&d, "btnMegallit")->isEnabled());

    // Once more, with one column unticked; the file is replaced.
    UzenetTeszt::torol();
    Teszt::Gyerek<QListWidget>(&d, "lstOszlopok")->item(0)->setCheckState(Qt::Unchecked);
    Teszt::Gyerek<QRadioButton>(&d, "rbVesszo")->setChecked(true);
    Teszt::Gyerek<QRadioButton>(&d, "rbAposztrof")->setChecked(true);
    QTest::mouseClick(Teszt::Gyerek<QPushButton>(&d, "btnExport"), Qt::LeftButton);
    QCOMPARE(Teszt::FajlTartalom(fajl), QByteArray("'B',\r\n'x',\r\n'',\r\n"));
    QCOMPARE(UzenetTeszt::ablakok().size(), 1);
}

void TstSzovegExport::dialogNincsFajlnev() {
    Tabla t({"a"}, {"A"}, {{1}});
    Tfrm_Hatarolt d(*t.forras, QString());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QTest::mouseClick(Teszt::Gyerek<QPushButton>(&d, "btnExport"), Qt::LeftButton);
    QCOMPARE(UzenetTeszt::ablakok(), (QList<Ablak>{{Fajta::Hiba, QStringLiteral("Hiba"),
                                                    QStringLiteral("Nincs filenév megadva.")}}));
    QCOMPARE(QApplication::focusWidget(), Teszt::Gyerek<QLineEdit>(&d, "edtFilenev"));
    QVERIFY(QDir(m_ki->path()).entryList(QDir::Files).isEmpty());
}

void TstSzovegExport::dialogHibasUtvonal() {
    Tabla t({"a"}, {"A"}, {{1}});
    const QStringList rosszak{ki(QStringLiteral("nincs/a.csv")),
                              m_ki->path(), // a folder
                              ki(QStringLiteral("nul\0l.csv"))};
    Tfrm_Hatarolt d(*t.forras, QString());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    for (const QString& rossz : rosszak) {
        UzenetTeszt::torol();
        Teszt::Gyerek<QLineEdit>(&d, "edtFilenev")->setText(rossz);
        QTest::mouseClick(Teszt::Gyerek<QPushButton>(&d, "btnExport"), Qt::LeftButton);
        QCOMPARE(UzenetTeszt::ablakok().size(), 1);
        const Ablak a = UzenetTeszt::ablakok().constFirst();
        QVERIFY2(a.fajta == Fajta::Hiba, qPrintable(rossz + QStringLiteral(": ") + a.szoveg));
        QVERIFY2(a.szoveg.startsWith(QStringLiteral("Hiba: ")) && a.szoveg.size() > 6,
                 qPrintable(a.szoveg));
        QVERIFY(d.isVisible());
        QVERIFY(!Teszt::Gyerek<QPushButton>(&d, "btnMegallit")->isEnabled());
    }
    QVERIFY(QDir(m_ki->path()).entryList(QDir::Files).isEmpty());

    // Odd but valid characters make a correct file.
    UzenetTeszt::torol();
    const QString furcsa = ki(QString::fromUtf8("név ;'\"&$ 中 #1.csv"));
    Teszt::Gyerek<QLineEdit>(&d, "edtFilenev")->setText(furcsa);
    QTest::mouseClick(Teszt::Gyerek<QPushButton>(&d, "btnExport"), Qt::LeftButton);
    QCOMPARE(Teszt::FajlTartalom(furcsa), QByteArray("\"A\";\r\n\"1\";\r\n"));
}

void TstSzovegExport::dialogOlvasasiHibaNemIr() {
    QStandardItemModel m(10, 1);
    for (int i = 0; i < 10; ++i)
        m.setItem(i, 0, new QStandardItem(QString::number(i)));
    HibasForras forras(m, 5);
    const QString fajl = ki(QStringLiteral("meglevo.csv"));
    QVERIFY(Teszt::FajlIr(fajl, "régi"));
    Tfrm_Hatarolt d(forras, fajl);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QTest::mouseClick(Teszt::Gyerek<QPushButton>(&d, "btnExport"), Qt::LeftButton);
    QCOMPARE(UzenetTeszt::ablakok(), (QList<Ablak>{{Fajta::Hiba, QStringLiteral("Hiba"),
                                                    QStringLiteral("Hiba: olvasási hiba")}}));
    QCOMPARE(Teszt::FajlTartalom(fajl), QByteArray("régi"));
    QVERIFY(!Teszt::Gyerek<QPushButton>(&d, "btnMegallit")->isEnabled());
}

void TstSzovegExport::dialogMegallit() {
    GeneraltModell m(1000, 2);
    ModellForras forras(m);
    const QString fajl = ki(QStringLiteral("meg.csv"));
    Tfrm_Hatarolt d(forras, fajl);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    auto* megallit = Teszt::Gyerek<QPushButton>(&d, "btnMegallit");
    auto* haladas = Teszt::Gyerek<QProgressBar>(&d, "pbHaladas");
    bool engedelyezve = false;
    int maximum = -1;
    int ertekMegallitaskor = -1;
    // The user presses "Megállít" while the fourth row is being read.
    m.figyelo = [&](int sor) {
        if (sor != 3)
            return;
        engedelyezve = megallit->isEnabled();
        maximum = haladas->maximum();
        ertekMegallitaskor = haladas->value();
        QTest::mouseClick(megallit, Qt::LeftButton);
    };
    QTest::mouseClick(Teszt::Gyerek<QPushButton>(&d, "btnExport"), Qt::LeftButton);
    QVERIFY(engedelyezve);
    QCOMPARE(maximum, 1000);
    QCOMPARE(ertekMegallitaskor, 4);
    QCOMPARE(Teszt::FajlTartalom(fajl), cp("\"oszlop0\";\"oszlop1\";\r\n"
                                           "\"0\";\"érték 0/1\";\r\n\"1\";\"érték 1/1\";\r\n"
                                           "\"2\";\"érték 2/1\";\r\n\"3\";\"érték 3/1\";\r\n"));
    QCOMPARE(UzenetTeszt::ablakok(), (QList<Ablak>{{Fajta::Uzenet, QStringLiteral("Üzenet"),
                                                    fajl + QStringLiteral(" file export kész.")}}));
    QVERIFY(!megallit->isEnabled());

    // The next export runs to the end.
    m.figyelo = nullptr;
    UzenetTeszt::torol();
    QTest::mouseClick(Teszt::Gyerek<QPushButton>(&d, "btnExport"), Qt::LeftButton);
    QCOMPARE(Teszt::FajlTartalom(fajl).count('\n'), 1001);
}

void TstSzovegExport::dialogTallozas() {
    Tabla t({"a"}, {"A"}, {{1}});
    Tfrm_Hatarolt d(*t.forras, QStringLiteral("lista.csv"));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    auto* fajl = Teszt::Gyerek<QLineEdit>(&d, "edtFilenev");
    auto* tallozas = Teszt::Gyerek<QToolButton>(&d, "btnTallozas");

    FajlParbeszed::kovetkezo(std::nullopt);
    QTest::mouseClick(tallozas, Qt::LeftButton);
    QCOMPARE(fajl->text(), QStringLiteral("lista.csv"));

    FajlParbeszed::kovetkezo(QStringLiteral("/valahol/masik.csv"));
    QTest::mouseClick(tallozas, Qt::LeftButton);
    QCOMPARE(fajl->text(), QStringLiteral("/valahol/masik.csv"));

    const QList<FajlParbeszed::Hivas> h = FajlParbeszed::hivasok();
    QCOMPARE(h.size(), 2);
    QCOMPARE(h.at(0).kezdo, QStringLiteral("lista.csv"));
    QCOMPARE(h.at(0).alapKiterjesztes, QStringLiteral("csv"));
    QCOMPARE(h.at(0).szurok,
             QStringLiteral("CSV állományok (*.csv)|*.csv|Text állományok (*.txt)|*.txt|"
                            "Minden állomány (*.*)|*.*"));
    QCOMPARE(FajlParbeszed::QtSzuro(h.at(0).szurok),
             QStringLiteral("CSV állományok (*.csv);;Text állományok (*.txt);;"
                            "Minden állomány (*.*)"));
}

void TstSzovegExport::dialogBezar() {
    Tabla t({"a"}, {"A"}, {{1}});
    bool bezarta = false;
    auto escape = Teszt::Modalisban<Tfrm_Hatarolt>([&](Tfrm_Hatarolt* d) {
        QTest::keyClick(Teszt::Gyerek<QListWidget>(d, "lstOszlopok"), Qt::Key_Escape);
        bezarta = !d->isVisible();
    });
    ShowHatarolt(*t.forras, QStringLiteral("x.csv"));
    QVERIFY(bezarta);

    auto gomb = Teszt::Modalisban<Tfrm_Hatarolt>([&](Tfrm_Hatarolt* d) {
        QTest::mouseClick(Teszt::Gyerek<QPushButton>(d, "btnBezar"), Qt::LeftButton);
    });
    ShowHatarolt(*t.forras, QStringLiteral("x.csv"));
    QVERIFY(UzenetTeszt::ablakok().isEmpty());
}

void TstSzovegExport::dialogNagy() {
    // Through the dialog itself, pending input processed between rows.
    GeneraltModell m(200000, 4);
    ModellForras forras(m);
    const QString fajl = ki(QStringLiteral("nagy.csv"));
    Tfrm_Hatarolt d(forras, fajl);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QElapsedTimer ido;
    ido.start();
    QTest::mouseClick(Teszt::Gyerek<QPushButton>(&d, "btnExport"), Qt::LeftButton);
    qInfo("dialog, 200000 rows: %lld ms", ido.elapsed());
    QVERIFY(ido.elapsed() < 60000);
    QCOMPARE(Teszt::FajlTartalom(fajl).count('\n'), 200001);
    QCOMPARE(UzenetTeszt::ablakok().size(), 1);
}

QTEST_MAIN(TstSzovegExport)
#include "tst_szovegexport.moc"
