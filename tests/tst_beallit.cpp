// The settings dialog and the INI action: OK keeps the data folder and the
// full-screen choice for the next start and stores the shared login switch,
// Mégsem changes nothing, the folder browse dialog, the running connection
// untouched; the INI file handed to the desktop.

#include "eszkozok/tfrm_beallit.h"
#include "fajlparbeszed.h"
#include "foablak/tbeall.h"
#include "foablak/tfrm_main.h"
#include "inifajl.h"
#include "kapcsolat.h"
#include "modalis.h"
#include "seged.h"
#include "tesztkornyezet.h"
#include "urlfogo.h"
#include "uzenetteszt.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QToolButton>
#include <QtTest>

class TstBeallit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void okMindentMegtart();
    void megsemSemmitSemValtoztat();
    void tallozasMegsem();
    void uresBeallitTabla();
    void iniSzerkesztes();

private:
    std::unique_ptr<Teszt::ProgramKornyezet> m_prog;
};

void TstBeallit::initTestCase() {
    if (Teszt::SzerverHianyzik())
        return;
}

void TstBeallit::init() {
    UzenetTeszt::bekapcsol();
    FajlParbeszed::tesztBekapcsol();
    m_prog = std::make_unique<Teszt::ProgramKornyezet>();
}

void TstBeallit::cleanup() {
    m_prog.reset();
    QCOMPARE(FajlParbeszed::maradekValasz(), 0);
    FajlParbeszed::tesztKikapcsol();
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
    UzenetTeszt::kikapcsol();
}

void TstBeallit::okMindentMegtart() {
    const QString uj = m_prog->utvonal() + QStringLiteral("/Masik");
    {
        std::unique_ptr<Tfrm_Main> w = m_prog->foAblak();
        QVERIFY(w);
        QCOMPARE(w->Akcio(QStringLiteral("aBeallit"))->shortcut(),
                 QKeySequence(Qt::ALT | Qt::Key_Return));
        FajlParbeszed::kovetkezo(uj);
        auto modalis = Teszt::Modalisban<Tfrm_Beallit>([](Tfrm_Beallit* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Beállítások"));
            QVERIFY(!d->chkTeljesKepernyo->isChecked()); // the INI says window mode
            QVERIFY(!d->chkBelepes->isChecked());
            d->btnTallozas->click();
            d->chkTeljesKepernyo->setChecked(true);
            d->chkBelepes->setChecked(true);
            d->btnOK->click();
        });
        QVERIFY(Teszt::Indit(*w, QStringLiteral("aBeallit")));
        QCOMPARE(FajlParbeszed::hivasok().size(), 1);
        QCOMPARE(FajlParbeszed::hivasok().first().cim, QStringLiteral("Adatbázis útvonal"));
        QCOMPARE(FajlParbeszed::hivasok().first().kezdo, m_prog->adatMappa());
        QCOMPARE(w->Beall().AdatUtvonal, uj);
        QVERIFY(w->Beall().TeljesKepernyo);
        // The running program stays on its folder; the switch is shared.
        QCOMPARE(QDir(w->Db1().mappa()).absolutePath(), QDir(m_prog->adatMappa()).absolutePath());
        QVERIFY(Beallitas::VanBelep(w->Db1()));
        w->close();
    }
    // The close wrote the new folder for the next start.
    IniFajl ini(Seged::ProgramUtvonal(QStringLiteral("Pelvano.ini")));
    QCOMPARE(ini.szoveg(QStringLiteral("Database"), QStringLiteral("Path")), uj);
    QVERIFY(ini.logikai(QStringLiteral("Screen"), QStringLiteral("FullScreen"), false));
}

void TstBeallit::megsemSemmitSemValtoztat() {
    Kapcsolat k(QStringLiteral("beallit"));
    k.nyit(m_prog->forras());
    TBeall b;
    b.AdatUtvonal = QStringLiteral("C:/regi");
    b.TeljesKepernyo = false;
    auto megsem = Teszt::Modalisban<Tfrm_Beallit>([](Tfrm_Beallit* d) {
        d->edtAdatUtvonal->setText(QStringLiteral("D:/uj"));
        d->chkTeljesKepernyo->setChecked(true);
        d->chkBelepes->setChecked(true);
        d->btnMegsem->click();
    });
    Beallitasok(k, b);
    QCOMPARE(b.AdatUtvonal, QStringLiteral("C:/regi"));
    QVERIFY(!b.TeljesKepernyo);
    QVERIFY(!Beallitas::VanBelep(k));
    // OK with the switch cleared after it was on.
    Beallitas::VanBelepMent(k, true);
    auto ok = Teszt::Modalisban<Tfrm_Beallit>([](Tfrm_Beallit* d) {
        QVERIFY(d->chkBelepes->isChecked());
        d->chkBelepes->setChecked(false);
        d->edtAdatUtvonal->setText(QStringLiteral("nem létező mappa"));
        d->btnOK->click();
    });
    Beallitasok(k, b);
    QVERIFY(!Beallitas::VanBelep(k));
    QCOMPARE(b.AdatUtvonal, QStringLiteral("nem létező mappa")); // taken as typed
}

void TstBeallit::tallozasMegsem() {
    Tfrm_Beallit d;
    d.edtAdatUtvonal->setText(QStringLiteral("/marad"));
    FajlParbeszed::kovetkezo(std::nullopt);
    d.btnTallozas->click();
    QCOMPARE(d.edtAdatUtvonal->text(), QStringLiteral("/marad"));
}

void TstBeallit::uresBeallitTabla() {
    Kapcsolat k(QStringLiteral("beallit"));
    k.nyit(m_prog->forras());
    k.sql(QStringLiteral("DELETE FROM beallit"));
    QVERIFY(!Beallitas::VanBelep(k));
    Beallitas::VanBelepMent(k, true);
    QVERIFY(Beallitas::VanBelep(k));
    QSqlQuery q = k.sql(QStringLiteral("SELECT count(*) FROM beallit"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 1);
}

void TstBeallit::iniSzerkesztes() {
    std::unique_ptr<Tfrm_Main> w = m_prog->foAblak();
    QVERIFY(w);
    UrlFogo fogo;
    QVERIFY(Teszt::Indit(*w, QStringLiteral("aINI")));
    QCOMPARE(fogo.urlek.size(), 1);
    QCOMPARE(fogo.urlek.first().toLocalFile(),
             QFileInfo(Seged::ProgramUtvonal(QStringLiteral("Pelvano.ini"))).absoluteFilePath());
}

QTEST_MAIN(TstBeallit)
#include "tst_beallit.moc"
