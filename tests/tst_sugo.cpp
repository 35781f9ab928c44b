// The help menu: the targets handed to the desktop (help page, mail, home
// page, news program) without any message, the important-information window
// and the about box.

#include "eszkozok/tfrm_nevjegy.h"
#include "eszkozok/tfrm_readme.h"
#include "foablak/tfrm_main.h"
#include "keszito.h"
#include "seged.h"
#include "tesztkornyezet.h"
#include "urlfogo.h"
#include "uzenetteszt.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

class TstSugo : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void asztaliCelok_data();
    void asztaliCelok();
    void fontosInformaciok();
    void nevjegy();
    void sugoOldal();

private:
    std::unique_ptr<Teszt::ProgramKornyezet> m_prog;
};

void TstSugo::init() {
    UzenetTeszt::bekapcsol();
    m_prog = std::make_unique<Teszt::ProgramKornyezet>();
}

void TstSugo::cleanup() {
    m_prog.reset();
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
    UzenetTeszt::kikapcsol();
}

void TstSugo::asztaliCelok_data() {
    QTest::addColumn<QString>("akcio");
    QTest::addColumn<QString>("cel"); // "%" stands for the program folder
    QTest::newRow("help") << "aSugo"
                          << "file://%/Help/index.htm";
    QTest::newRow("mail") << "aLevel"
                          << "mailto:" + Keszito::Email + "?subject=Pelvano program";
    QTest::newRow("home page") << "aHonlap" << Keszito::Honlap;
    QTest::newRow("news, missing") << "aUjdonsag"
                                   << "file://%/Ujdonsag.exe";
}

void TstSugo::asztaliCelok() {
    QFETCH(QString, akcio);
    QFETCH(QString, cel);
    std::unique_ptr<Tfrm_Main> w = m_prog->foAblak();
    QVERIFY(w);
    UrlFogo fogo;
    QVERIFY(Teszt::Indit(*w, akcio));
    QCOMPARE(fogo.urlek.size(), 1);
    QString vart = cel;
    vart.replace(QLatin1Char('%'),
                 QUrl::fromLocalFile(QFileInfo(Seged::ProgramMappa()).absoluteFilePath()).path());
    QCOMPARE(fogo.urlek.first().toString(QUrl::FullyDecoded), vart);
    QVERIFY(UzenetTeszt::ablakok().isEmpty());
    if (akcio == QLatin1String("aSugo"))
        QCOMPARE(w->Akcio(akcio)->shortcut(), QKeySequence(Qt::Key_F1));
}

void TstSugo::fontosInformaciok() {
    Tfrm_Readme d;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.windowTitle(), QStringLiteral("Fontos információk"));
    QCOMPARE(d.size(), QSize(552, 399));
    QVERIFY(d.Memo1->isReadOnly());
    QCOMPARE(d.Memo1->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(d.Memo1->font().pointSize(), 9);
    QCOMPARE(d.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QString t = d.Memo1->toPlainText();
    const QStringList sorrend{
        "Pelvano",
        "Fontos információk",
        "rendszergazda",
        "pelvano",
        "A felhasználó, és jelszó megadásánál a kis, és nagybetű különbsége fontos.",
        "Rendszerkövetelmények",
        Keszito::Email};
    qsizetype hely = 0;
    for (const QString& s : sorrend) {
        const qsizetype i = t.indexOf(s, hely);
        QVERIFY2(i >= 0, qPrintable(s));
        hely = i + s.size();
    }
    // Typing changes nothing.
    d.Memo1->setFocus();
    QTest::keyClicks(d.Memo1, QStringLiteral("xyz"));
    QCOMPARE(d.Memo1->toPlainText(), t);
}

void TstSugo::nevjegy() {
    Tfrm_Nevjegy d;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.windowTitle(), QStringLiteral("Névjegy"));
    QCOMPARE(d.lblTermek->text(), QStringLiteral("Pelvano\r\nV2.1.0.67"));
    QVERIFY(d.lblTermek->font().bold());
    bool cim = false;
    for (QLabel* l : d.findChildren<QLabel*>())
        cim = cim || l->text() == QStringLiteral("Pelvanoi nyilvántartó program");
    QVERIFY(cim);
    QVERIFY(d.lblElerhetoseg->text().contains(Keszito::Email));
    QVERIFY(d.btnOK->isDefault());
    QTest::keyClick(&d, Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

void TstSugo::sugoOldal() {
    // The page the build put into the program folder: the same as the
    // source, every picture it shows taken from a real window, every link
    // of its contents leading somewhere.
    const QDir sugo(QStringLiteral(PELVANO_BIN_DIR "/Help"));
    QFile f(sugo.filePath(QStringLiteral("index.htm")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString oldal = QString::fromUtf8(f.readAll());
    QVERIFY(oldal.contains(QStringLiteral("<html lang=\"hu\">")));

    static const QRegularExpression kepMinta(QStringLiteral("<img src=\"([^\"]+)\""));
    int kepek = 0;
    for (const QRegularExpressionMatch& m : kepMinta.globalMatch(oldal)) {
        const QImage kep(sugo.filePath(m.captured(1)));
        QVERIFY2(!kep.isNull(), qPrintable(m.captured(1)));
        QVERIFY2(kep.width() >= 150 && kep.height() >= 80, qPrintable(m.captured(1)));
        // Not an empty grab: a window has many colours.
        QSet<QRgb> szinek;
        for (int y = 0; y < kep.height(); y += 3)
            for (int x = 0; x < kep.width(); x += 3)
                szinek.insert(kep.pixel(x, y));
        QVERIFY2(szinek.size() > 20, qPrintable(m.captured(1)));
        ++kepek;
    }
    QCOMPARE(kepek, 10);

    static const QRegularExpression linkMinta(QStringLiteral("href=\"#([^\"]+)\""));
    QStringList celok;
    for (const QRegularExpressionMatch& m : linkMinta.globalMatch(oldal)) {
        celok << m.captured(1);
        QVERIFY2(oldal.contains(QStringLiteral("id=\"%1\"").arg(m.captured(1))),
                 qPrintable(m.captured(1)));
    }
    QCOMPARE(celok, (QStringList{"kereses", "uj", "kiadas", "csoportos", "nyomtatas", "mentes"}));
}

QTEST_MAIN(TstSugo)
#include "tst_sugo.moc"
