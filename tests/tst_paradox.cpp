// Reading the old file engine's tables: the memo blocks of .MB files
// (blocks of their own and sub-allocated ones, every position checked), the
// real files written by the old engine with every record and memo, and
// damaged files, which give a reason and never end the program.

#include "hiba.h"
#include "paradoxmemo.h"
#include "paradoxtabla.h"
#include "tesztkornyezet.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

namespace {

void Le(QByteArray& b, qsizetype i, quint32 v, int hossz) {
    for (int k = 0; k < hossz; ++k)
        b[i + k] = char((v >> (8 * k)) & 0xFF);
}

// A memo field of `hossz` bytes: the first part, pointer, length.
QByteArray Mezo(int hossz, const QByteArray& eleje, quint32 mutato, quint32 teljes) {
    QByteArray m(hossz, '\0');
    m.replace(0, qMin(eleje.size(), qsizetype(hossz - 10)), eleje.left(hossz - 10));
    Le(m, hossz - 10, mutato, 4);
    Le(m, hossz - 6, teljes, 4);
    return m;
}

// An .MB file with a sub-allocated block at 4096 (entry 2 holding `a`) and
// a block of its own at 8192 holding `b`.
QByteArray Mb(const QByteArray& a, const QByteArray& b) {
    QByteArray mb(3 * 4096, '\0');
    mb[0] = 0;
    mb[4096] = 3;
    const qsizetype e = 4096 + 12 + 2 * 5;
    mb[e] = char(0x15);                     // data at 0x150
    mb[e + 1] = char((a.size() + 15) / 16); // 16-byte units
    mb[e + 4] = char(a.size() % 16);
    mb.replace(4096 + 0x150, a.size(), a);
    mb[8192] = 2;
    Le(mb, 8193, 1, 2);
    Le(mb, 8195, quint32(b.size()), 4);
    mb.replace(8192 + 9, b.size(), b);
    return mb;
}

QString Fixture(const char* nev) {
    return QDir(Teszt::FixtureMappa() + QStringLiteral("/paradox")).filePath(QLatin1String(nev));
}

} // namespace

class TstParadox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void memoBlokkok();
    void memoHibak_data();
    void memoHibak();
    void valodiFajlok_data();
    void valodiFajlok();
    void valodiMemok();
    void serultFajlok_data();
    void serultFajlok();

private:
    QTemporaryDir m_ki;
};

void TstParadox::initTestCase() {
    ParadoxTabla::setOlvaso(QStringLiteral(PELVANO_BIN_DIR "/pelvano_paradox"));
}

void TstParadox::memoBlokkok() {
    const QByteArray a = QByteArray("Első sor\r\nmásodik sor, ") + QByteArray(40, 'x');
    const QByteArray b(5000, 'b');
    const QByteArray mb = Mb(a, b);
    bool ures = true;
    QString hiba;
    // Kept in the record, sub-allocated, a block of its own, empty.
    QCOMPARE(ParadoxMemo::Ertek(Mezo(30, "rövid", 0, 5), mb, &ures, &hiba).value(),
             QByteArray("rövid").left(5));
    QCOMPARE(ParadoxMemo::Ertek(Mezo(20, a, 4096 + 2, quint32(a.size())), mb, &ures, &hiba).value(),
             a);
    QCOMPARE(
        ParadoxMemo::Ertek(Mezo(20, b, 8192 + 0xFF, quint32(b.size())), mb, &ures, &hiba).value(),
        b);
    QVERIFY(!ures);
    QCOMPARE(ParadoxMemo::Ertek(Mezo(20, {}, 0, 0), mb, &ures, &hiba).value(), QByteArray());
    QVERIFY(ures);
}

void TstParadox::memoHibak_data() {
    QTest::addColumn<quint32>("mutato");
    QTest::addColumn<quint32>("hossz");
    QTest::addColumn<bool>("mbNelkul");
    QTest::newRow("no .MB") << quint32(4096 + 2) << quint32(60) << true;
    QTest::newRow("block past the end") << quint32(40960 + 2) << quint32(60) << false;
    QTest::newRow("header block") << quint32(0 + 2) << quint32(60) << false;
    QTest::newRow("not on a block") << quint32(4100 + 0xFF) << quint32(60) << false;
    QTest::newRow("longer than kept") << quint32(4096 + 2) << quint32(600) << false;
    QTest::newRow("empty entry") << quint32(4096 + 5) << quint32(60) << false;
    QTest::newRow("entry 64+") << quint32(4096 + 70) << quint32(60) << false;
    QTest::newRow("own block too long") << quint32(8192 + 0xFF) << quint32(9000) << false;
    QTest::newRow("own block wrong type") << quint32(4096 + 0xFF) << quint32(60) << false;
}

void TstParadox::memoHibak() {
    QFETCH(quint32, mutato);
    QFETCH(quint32, hossz);
    QFETCH(bool, mbNelkul);
    const QByteArray mb = mbNelkul ? QByteArray() : Mb(QByteArray(60, 'a'), QByteArray(100, 'b'));
    QString hiba;
    QVERIFY(!ParadoxMemo::Ertek(Mezo(20, "x", mutato, hossz), mb, nullptr, &hiba));
    QVERIFY(!hiba.isEmpty());
}

void TstParadox::valodiFajlok_data() {
    QTest::addColumn<QString>("fajl");
    QTest::addColumn<int>("sorok");
    QTest::addColumn<QStringList>("mezok");
    QTest::addColumn<QVariantList>("elso");
    QTest::newRow("memo") << "memo.db" << 2 << QStringList{"Id", "MEMO"} << QVariantList{qint64(1)};
    QTest::newRow("customer") << "CUSTOMER.DB" << 20
                              << QStringList{"CustNo",     "FirstName",       "LastName",
                                             "EMail",      "Street",          "City",
                                             "State/Prov", "Zip/Postal Code", "Comments",
                                             "DateEntered"}
                              << QVariantList{qint64(1), QStringLiteral("Luke"),
                                              QStringLiteral("Justice")};
    QTest::newRow("date7") << "date7.db" << 5 << QStringList{"DATE", "TIME"}
                           << QVariantList{QStringLiteral("2018-01-01"),
                                           QStringLiteral("10:00:00")};
    QTest::newRow("long") << "long.db" << 3 << QStringList{"Id", "LONG"}
                          << QVariantList{qint64(1), qint64(1)};
    QTest::newRow("logical") << "logical.db" << 4 << QStringList{"BOOL"} << QVariantList{true};
    QTest::newRow("timestamp") << "timestamp.db" << 2 << QStringList{"Timestamp"}
                               << QVariantList{QVariant()};
    QTest::newRow("employee") << "EMPLOYEE.DB" << 21
                              << QStringList{"Store #", "Employee #", "Employee Name"}
                              << QVariantList{QStringLiteral("A"), qint64(1),
                                              QStringLiteral("Cynthia Elkins")};
}

void TstParadox::valodiFajlok() {
    QFETCH(QString, fajl);
    QFETCH(int, sorok);
    QFETCH(QStringList, mezok);
    QFETCH(QVariantList, elso);
    if (!QFile::exists(Fixture("memo.db")))
        QSKIP("the old engine's files are not here");
    const ParadoxTabla t = ParadoxTabla::Olvas(Fixture(fajl.toLatin1().constData()));
    QStringList nevek;
    for (const ParadoxTabla::Mezo& m : t.mezok)
        nevek << m.nev;
    QCOMPARE(nevek, mezok);
    QCOMPARE(t.sorok.size(), sorok);
    for (qsizetype i = 0; i < elso.size(); ++i)
        QCOMPARE(t.sorok.at(0).at(i), elso.at(i));
}

void TstParadox::valodiMemok() {
    if (!QFile::exists(Fixture("memo.db")))
        QSKIP("the old engine's files are not here");
    // Memo text kept in the record and memo text from the .MB file.
    const ParadoxTabla memo = ParadoxTabla::Olvas(Fixture("memo.db"));
    QCOMPARE(memo.sorok.at(1).at(1).toString(), QStringLiteral("01234567890\n"));
    const QString hosszu = memo.sorok.at(0).at(1).toString();
    QCOMPARE(hosszu.size(), 555);
    QVERIFY(hosszu.startsWith(QStringLiteral("01234567890012345678900")));

    const ParadoxTabla c = ParadoxTabla::Olvas(Fixture("CUSTOMER.DB"));
    QCOMPARE(c.sorok.at(0).at(8).toString(), QStringLiteral("Small comment (less 100 symbols)"));
    int mbBol = 0;
    for (const QVector<QVariant>& s : c.sorok)
        if (s.at(8).toString().toUtf8().size() > 100)
            ++mbBol;
    QCOMPARE(mbBol, 4);
    QCOMPARE(c.sorok.at(0).at(9).toString(), QStringLiteral("1996-02-02"));
}

void TstParadox::serultFajlok_data() {
    QTest::addColumn<QString>("eset");
    QTest::newRow("missing") << "hianyzik";
    QTest::newRow("empty") << "ures";
    QTest::newRow("random bytes") << "szemet";
    QTest::newRow("truncated table") << "csonka";
    QTest::newRow("table without its .MB") << "mbNelkul";
    QTest::newRow("truncated .MB") << "csonkaMb";
    QTest::newRow("random .MB") << "szemetMb";
}

void TstParadox::serultFajlok() {
    QFETCH(QString, eset);
    const bool valodi = QFile::exists(Fixture("CUSTOMER.DB"));
    if (!valodi && eset != QLatin1String("hianyzik") && eset != QLatin1String("ures") &&
        eset != QLatin1String("szemet"))
        QSKIP("the old engine's files are not here");
    const QDir d(m_ki.path());
    const QString db = d.filePath(eset + QStringLiteral(".DB"));
    const QString mb = d.filePath(eset + QStringLiteral(".MB"));
    auto ir = [](const QString& f, const QByteArray& b) {
        QFile o(f);
        QVERIFY(o.open(QIODevice::WriteOnly));
        o.write(b);
    };
    auto olvas = [](const char* f) {
        QFile i(Fixture(f));
        return i.open(QIODevice::ReadOnly) ? i.readAll() : QByteArray();
    };
    QByteArray szemet(10240, '\0');
    for (char& c : szemet)
        c = char(QRandomGenerator::global()->bounded(256));
    if (eset == QLatin1String("ures"))
        ir(db, {});
    else if (eset == QLatin1String("szemet"))
        ir(db, szemet);
    else if (eset == QLatin1String("csonka"))
        ir(db, olvas("CUSTOMER.DB").left(3000));
    else if (eset != QLatin1String("hianyzik")) {
        ir(db, olvas("CUSTOMER.DB"));
        if (eset == QLatin1String("csonkaMb"))
            ir(mb, olvas("CUSTOMER.MB").left(9000));
        else if (eset == QLatin1String("szemetMb"))
            ir(mb, szemet);
    }
    try {
        const ParadoxTabla t = ParadoxTabla::Olvas(db);
        QFAIL(qPrintable(QStringLiteral("read %1 records").arg(t.sorok.size())));
    } catch (const PelvanoHiba& h) {
        QVERIFY2(!h.uzenet().isEmpty(), qPrintable(eset));
    }
}

QTEST_MAIN(TstParadox)
#include "tst_paradox.moc"
