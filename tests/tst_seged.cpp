// The shared helper routines: conversions, the program folder, the general
// error text, the message boxes (recorded and real) and the input dialog.

#include "bevitelablak.h"
#include "hiba.h"
#include "modalis.h"
#include "parbeszed.h"
#include "seged.h"
#include "tesztadat.h"
#include "uzenetteszt.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

// A key as the user presses it: to the control that has the focus.
void billentyu(QWidget* ablak, Qt::Key kulcs) {
    QWidget* cel = ablak->focusWidget() ? ablak->focusWidget() : ablak;
    QTest::keyClick(cel, kulcs);
}

int egyseg(int n, int d, QSize betu) {
    return qRound(double(n) * (d == 4 ? betu.width() : betu.height()) / d);
}

} // namespace

class TstSeged : public QObject {
    Q_OBJECT

private slots:
    void init() { UzenetTeszt::torol(); }
    void cleanup() { UzenetTeszt::kikapcsol(); }

    void varSzoveg_data();
    void varSzoveg();
    void varEgesz_data();
    void varEgesz();
    void varEgeszHibas_data();
    void varEgeszHibas();
    void adatbazisUresOszlop();

    void programMappaSzamit_data();
    void programMappaSzamit();
    void programMappaNagybetusMappaban();
    void programMappaEgyszerEsBeallitva();

    void altalanosHibaSzoveg_data();
    void altalanosHibaSzoveg();

    void tesztModRogzit();
    void tesztModValaszok();
    void tesztModValaszNelkul();

    void valodiDobozok_data();
    void valodiDobozok();
    void kerdesAblakEscape();

    void atlagBetumeret();
    void bevitelAblak_data();
    void bevitelAblak();
    void bevitelAblak256Karakter();
    void bevitelAblakElrendezes_data();
    void bevitelAblakElrendezes();
    void homokOraMuveletVegeig();
    void karakterek_data();
    void karakterek();
    void karakterKorlatosMezo();
};

void TstSeged::varSzoveg_data() {
    QTest::addColumn<QVariant>("ertek");
    QTest::addColumn<QString>("vart");
    QTest::newRow("érvénytelen") << QVariant() << QString();
    QTest::newRow("null szöveg") << QVariant(QMetaType::fromType<QString>()) << QString();
    QTest::newRow("null egész") << QVariant(QMetaType::fromType<int>()) << QString();
    QTest::newRow("üres szöveg") << QVariant(QString("")) << QString();
    QTest::newRow("szöveg") << QVariant(QString("Kovács Ödön")) << QString("Kovács Ödön");
    QTest::newRow("egész") << QVariant(-42) << QString("-42");
    QTest::newRow("tört") << QVariant(1.5) << QString("1.5");
}

void TstSeged::varSzoveg() {
    QFETCH(QVariant, ertek);
    QFETCH(QString, vart);
    QCOMPARE(Seged::VarSzoveg(ertek), vart);
}

void TstSeged::varEgesz_data() {
    QTest::addColumn<QVariant>("ertek");
    QTest::addColumn<int>("vart");
    QTest::newRow("érvénytelen") << QVariant() << 0;
    QTest::newRow("null egész") << QVariant(QMetaType::fromType<int>()) << 0;
    QTest::newRow("null szöveg") << QVariant(QMetaType::fromType<QString>()) << 0;
    QTest::newRow("üres szöveg") << QVariant(QString("")) << 0;
    QTest::newRow("egész") << QVariant(1234) << 1234;
    QTest::newRow("negatív") << QVariant(-7) << -7;
    QTest::newRow("legnagyobb") << QVariant(2147483647) << 2147483647;
    QTest::newRow("64 bites kicsi") << QVariant(qlonglong(-2147483648LL)) << int(-2147483648LL);
    QTest::newRow("tört lefelé") << QVariant(2.4) << 2;
    QTest::newRow("tört felfelé") << QVariant(2.6) << 3;
    QTest::newRow("fél") << QVariant(2.5) << 3;
    QTest::newRow("negatív fél") << QVariant(-2.5) << -3;
    QTest::newRow("szám szöveg") << QVariant(QString("17")) << 17;
    QTest::newRow("szóközök") << QVariant(QString("  -17 ")) << -17;
    QTest::newRow("tört szöveg") << QVariant(QString("4.6")) << 5;
    QTest::newRow("bájtok") << QVariant(QByteArray("88")) << 88;
}

void TstSeged::varEgesz() {
    QFETCH(QVariant, ertek);
    QFETCH(int, vart);
    QCOMPARE(Seged::VarEgesz(ertek), vart);
}

void TstSeged::varEgeszHibas_data() {
    QTest::addColumn<QVariant>("ertek");
    QTest::addColumn<QString>("resz");
    QTest::newRow("betűk") << QVariant(QString("abc")) << QString("'abc'");
    QTest::newRow("szám és betű") << QVariant(QString("12abc")) << QString("'12abc'");
    QTest::newRow("vessző") << QVariant(QString("4,5")) << QString("'4,5'");
    QTest::newRow("túl nagy szöveg") << QVariant(QString("3000000000")) << QString("3000000000");
    QTest::newRow("túl nagy 64 bites") << QVariant(qlonglong(1) << 40) << QString("1099511627776");
    QTest::newRow("túl nagy tört") << QVariant(3e9) << QString("3e+09");
    QTest::newRow("nem szám") << QVariant(QString("nan")) << QString("'nan'");
    QTest::newRow("végtelen") << QVariant(qInf()) << QString("inf");
    QTest::newRow("dátum") << QVariant(QDate(2024, 3, 1)) << QString("2024-03-01");
}

void TstSeged::varEgeszHibas() {
    QFETCH(QVariant, ertek);
    QFETCH(QString, resz);
    try {
        const qint32 eredmeny = Seged::VarEgesz(ertek);
        QFAIL(qPrintable(QString("no error, result %1").arg(eredmeny)));
    } catch (const PelvanoHiba& hiba) {
        QVERIFY2(hiba.uzenet().contains(resz), qPrintable(hiba.uzenet()));
    }
}

// Values as the database driver hands them over, empty columns included.
void TstSeged::adatbazisUresOszlop() {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "tst_seged");
        db.setDatabaseName(":memory:");
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec("CREATE TABLE t (szam INTEGER, nev TEXT, ar REAL)"));
        QVERIFY(q.exec("INSERT INTO t VALUES (NULL, NULL, NULL)"));
        QVERIFY(q.exec("INSERT INTO t VALUES (12, 'Áron', 2.5)"));
        QVERIFY(q.exec("SELECT szam, nev, ar FROM t ORDER BY rowid"));
        QVERIFY(q.next());
        QCOMPARE(Seged::VarEgesz(q.value(0)), 0);
        QCOMPARE(Seged::VarSzoveg(q.value(1)), QString());
        QCOMPARE(Seged::VarEgesz(q.value(2)), 0);
        QVERIFY(q.next());
        QCOMPARE(Seged::VarEgesz(q.value(0)), 12);
        QCOMPARE(Seged::VarSzoveg(q.value(1)), QString("Áron"));
        QCOMPARE(Seged::VarEgesz(q.value(2)), 3);
    }
    QSqlDatabase::removeDatabase("tst_seged");
}

void TstSeged::programMappaSzamit_data() {
    QTest::addColumn<QString>("fajl");
    QTest::addColumn<bool>("kisbetus");
    QTest::addColumn<QString>("vart");
    QTest::newRow("linux, nagybetűk maradnak")
        << "/opt/Pelvano/Bin/Pelvano" << false << "/opt/Pelvano/Bin";
    QTest::newRow("linux, ékezetes nagybetűk maradnak")
        << "/home/Ákos/ŐSZI TERVEK/Pelvano" << false << "/home/Ákos/ŐSZI TERVEK";
    QTest::newRow("linux, gyökér") << "/Pelvano" << false << "";
    QTest::newRow("linux, visszaperjel a névben")
        << "/opt/Régi\\Mappa/Pelvano" << false << "/opt/Régi\\Mappa";
    QTest::newRow("windows") << "C:\\Programok\\Iroda\\Pelvano.exe" << true << "c:/programok/iroda";
    QTest::newRow("windows, ékezetes nagybetűk")
        << "C:\\ÁRVÍZTŰRŐ Tükörfúrógép\\Pelvano.exe" << true << "c:/árvíztűrő tükörfúrógép";
    QTest::newRow("windows, meghajtó gyökere") << "D:\\Pelvano.exe" << true << "d:";
    QTest::newRow("windows, perjelek")
        << "C:/Program Files/Pelvano/Pelvano.exe" << true << "c:/program files/pelvano";
    QTest::newRow("windows, hálózati mappa")
        << "\\\\Szerver\\Megosztás\\Pelvano.exe" << true << "//szerver/megosztás";
    QTest::newRow("kisbetűs rendszer, perjeles út")
        << "/opt/ÉPÍTÉSZ/Pelvano" << true << "/opt/építész";
}

void TstSeged::programMappaSzamit() {
    QFETCH(QString, fajl);
    QFETCH(bool, kisbetus);
    QFETCH(QString, vart);
    const QString mappa = Seged::ProgramMappaSzamit(fajl, kisbetus);
    QCOMPARE(mappa, vart);
    QVERIFY(!mappa.endsWith('/') && !mappa.endsWith('\\'));
}

// The program itself, copied into a folder whose name has capital and
// accented letters, names that folder as it is (main() prints ProgramMappa
// when PELVANO_PROGRAMMAPPA_KIIR is set).
void TstSeged::programMappaNagybetusMappaban() {
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString mappa = tmp.filePath("Tervtár ÁRVÍZ/Bin");
    QVERIFY(QDir().mkpath(mappa));
    const QString program = mappa + "/Pelvano_proba";
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PELVANO_PROGRAMMAPPA_KIIR", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(program, {});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QString kiirt = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(kiirt, QFileInfo(mappa).canonicalFilePath());
    QVERIFY(QFileInfo(kiirt).isDir());
}

void TstSeged::programMappaEgyszerEsBeallitva() {
    const QString sajat = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath();
    QCOMPARE(Seged::ProgramMappa(), sajat);
    QCOMPARE(Seged::ProgramUtvonal("Pelvano.ini"), sajat + "/Pelvano.ini");

    Seged::ProgramMappaBeallit("/tmp/Próba");
    QCOMPARE(Seged::ProgramMappa(), QString("/tmp/Próba"));
    QCOMPARE(Seged::ProgramUtvonal("Data"), QString("/tmp/Próba/Data"));
    Seged::ProgramMappaBeallit(sajat);
}

void TstSeged::altalanosHibaSzoveg_data() {
    QTest::addColumn<QString>("uzenet");
    QTest::addColumn<QString>("vart");
    QTest::newRow("betű") << "Nem sikerült"
                          << "Nem sikerült.";
    QTest::newRow("ékezetes betű") << "Hibás érték ő"
                                   << "Hibás érték ő.";
    QTest::newRow("számjegy") << "Hibakód 5"
                              << "Hibakód 5.";
    QTest::newRow("már pont") << "Kész."
                              << "Kész.";
    QTest::newRow("kérdőjel a pont után jön") << "Miért?"
                                              << "Miért?.";
    QTest::newRow("perjel a pont után jön") << "a/"
                                            << "a/.";
    QTest::newRow("felkiáltójel") << "Hiba!"
                                  << "Hiba!";
    QTest::newRow("kötőjel") << "a-"
                             << "a-";
    QTest::newRow("zárójel") << "(belső)"
                             << "(belső)";
    QTest::newRow("sortörés") << "SQL hiba:\r\n"
                              << "SQL hiba:\r\n";
    QTest::newRow("szóköz") << "vége "
                            << "vége ";
    QTest::newRow("üres") << ""
                          << "";
}

void TstSeged::altalanosHibaSzoveg() {
    QFETCH(QString, uzenet);
    QFETCH(QString, vart);
    QCOMPARE(Seged::AltalanosHibaSzoveg(uzenet), vart);
}

void TstSeged::tesztModRogzit() {
    using F = UzenetTeszt::Fajta;
    UzenetTeszt::bekapcsol();
    QCOMPARE(Seged::ProgramCim(), QString("Pelvano"));
    Seged::HibaAblak("Hiányos adat megadás");
    Seged::UzenetAblak("SQL futtatás kész.");
    Seged::AltalanosHiba("Nincs ilyen tábla");
    Seged::ProgramCimBeallit("Pelvano - adatbázis karbantartás");
    Seged::AltalanosHiba("Zárolt rekord");
    Seged::ProgramCimBeallit("Pelvano");

    const QList<UzenetTeszt::Ablak> vart{
        {F::Hiba, "Hiba", "Hiányos adat megadás"},
        {F::Uzenet, "Üzenet", "SQL futtatás kész."},
        {F::Altalanos, "Pelvano", "Nincs ilyen tábla."},
        {F::Altalanos, "Pelvano - adatbázis karbantartás", "Zárolt rekord."},
    };
    QCOMPARE(UzenetTeszt::ablakok(), vart);
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
}

void TstSeged::tesztModValaszok() {
    using F = UzenetTeszt::Fajta;
    UzenetTeszt::bekapcsol();
    UzenetTeszt::valasz(true);
    UzenetTeszt::valasz(false);
    UzenetTeszt::bevitel(QString("titok"));
    UzenetTeszt::bevitel(std::nullopt);

    QCOMPARE(Seged::KerdesAblak("Valóban töröljem a sort?", "Megerősítés"), true);
    QCOMPARE(Seged::KerdesAblak("Még egyet?", "Megerősítés"), false);
    QString jelszo = "régi";
    QVERIFY(Seged::BevitelAblak("Jelszó megadása", "Add meg az új jelszót", jelszo));
    QCOMPARE(jelszo, QString("titok"));
    QVERIFY(!Seged::BevitelAblak("Jelszó megadása", "Add meg az új jelszót", jelszo));
    QCOMPARE(jelszo, QString("titok"));

    const QList<UzenetTeszt::Ablak> vart{
        {F::Kerdes, "Megerősítés", "Valóban töröljem a sort?"},
        {F::Kerdes, "Megerősítés", "Még egyet?"},
        {F::Bevitel, "Jelszó megadása", "Add meg az új jelszót"},
        {F::Bevitel, "Jelszó megadása", "Add meg az új jelszót"},
    };
    QCOMPARE(UzenetTeszt::ablakok(), vart);
    QCOMPARE(UzenetTeszt::maradekValasz(), 0);
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 0);
}

void TstSeged::tesztModValaszNelkul() {
    UzenetTeszt::bekapcsol();
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("KerdesAblak without a queued answer.*Töröljem"));
    QCOMPARE(Seged::KerdesAblak("Töröljem?", "Megerősítés"), false);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("BevitelAblak without a queued answer.*Név"));
    QString ertek = "marad";
    QCOMPARE(Seged::BevitelAblak("Cím", "Név", ertek), false);
    QCOMPARE(ertek, QString("marad"));
    QCOMPARE(UzenetTeszt::megvalaszolatlan(), 2);
    QCOMPARE(UzenetTeszt::ablakok().size(), 2);
}

void TstSeged::valodiDobozok_data() {
    QTest::addColumn<int>("melyik");
    QTest::addColumn<QString>("vartCim");
    QTest::addColumn<int>("vartIkon");
    QTest::addColumn<QString>("vartSzoveg");
    QTest::addColumn<int>("vartGombok");
    QTest::newRow("HibaAblak") << 0 << "Hiba" << int(QMessageBox::Critical)
                               << "Adatbázis megnyitása sikertelen\r\nnincs ilyen"
                               << int(QMessageBox::Ok);
    QTest::newRow("UzenetAblak") << 1 << "Üzenet" << int(QMessageBox::Information)
                                 << "Archív állomány kész." << int(QMessageBox::Ok);
    QTest::newRow("KerdesAblak Enter")
        << 2 << "Megerősítés" << int(QMessageBox::Question) << "Valóban töröljem a sort?"
        << int(QMessageBox::Yes | QMessageBox::No);
    QTest::newRow("AltalanosHiba")
        << 3 << "Pelvano" << int(QMessageBox::Critical) << "Zárolt rekord." << int(QMessageBox::Ok);
}

// The boxes that a person sees, answered by Enter.
void TstSeged::valodiDobozok() {
    QFETCH(int, melyik);
    QFETCH(QString, vartCim);
    QFETCH(int, vartIkon);
    QFETCH(QString, vartSzoveg);
    QFETCH(int, vartGombok);

    QString cim, szoveg;
    int ikon = -1, gombok = -1;
    QAbstractButton* alapGomb = nullptr;
    QAbstractButton* igenGomb = nullptr;
    const auto kezelo = Teszt::Modalisban<QWidget>([&](QWidget* ablak) {
        if (auto* doboz = qobject_cast<QMessageBox*>(ablak)) {
            cim = doboz->windowTitle();
            szoveg = doboz->text();
            ikon = doboz->icon();
            gombok = int(doboz->standardButtons());
            alapGomb = doboz->defaultButton();
            igenGomb = doboz->button(QMessageBox::Yes);
        }
        billentyu(ablak, Qt::Key_Return);
    });
    switch (melyik) {
    case 0:
        Seged::HibaAblak("Adatbázis megnyitása sikertelen\r\nnincs ilyen");
        break;
    case 1:
        Seged::UzenetAblak("Archív állomány kész.");
        break;
    case 2:
        QCOMPARE(Seged::KerdesAblak("Valóban töröljem a sort?", "Megerősítés"), true);
        QVERIFY(alapGomb && alapGomb == igenGomb);
        break;
    case 3:
        Seged::AltalanosHiba("Zárolt rekord");
        break;
    }
    QCOMPARE(cim, vartCim);
    QCOMPARE(szoveg, vartSzoveg);
    QCOMPARE(ikon, vartIkon);
    QCOMPARE(gombok, vartGombok);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TstSeged::kerdesAblakEscape() {
    const auto kezelo =
        Teszt::Modalisban<QWidget>([](QWidget* ablak) { billentyu(ablak, Qt::Key_Escape); });
    QCOMPARE(Seged::KerdesAblak("Valóban töröljem a sort?", "Megerősítés"), false);
}

void TstSeged::atlagBetumeret() {
    QFont betu = QApplication::font();
    for (int pont : {8, 13, 30}) {
        betu.setPointSize(pont);
        const QSize meret = Seged::AtlagBetumeret(betu);
        const QFontMetrics fm(betu);
        const int teljes =
            fm.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        // The width is the average with the remainder dropped.
        QVERIFY(meret.width() * 52 <= teljes);
        QVERIFY(teljes < (meret.width() + 1) * 52);
        QCOMPARE(meret.height(), fm.height());
    }
}

enum Lezaras { OkGomb, Enter, Escape, MegsemGomb };

void TstSeged::bevitelAblak_data() {
    QTest::addColumn<QString>("kezdo");
    QTest::addColumn<bool>("torol");
    QTest::addColumn<QString>("gepelni");
    QTest::addColumn<int>("lezaras");
    QTest::addColumn<bool>("vartEredmeny");
    QTest::addColumn<QString>("vartErtek");
    QTest::newRow("OK gomb, változatlan") << "régi" << false << "" << int(OkGomb) << true << "régi";
    QTest::newRow("a gépelés felülírja a kijelölt szöveget")
        << "régi" << false << "új jelszó" << int(Enter) << true << "új jelszó";
    QTest::newRow("OK üres mezővel") << "régi" << true << "" << int(OkGomb) << true << "";
    QTest::newRow("Escape") << "régi" << false << "más" << int(Escape) << false << "régi";
    QTest::newRow("Mégsem") << "régi" << false << "más" << int(MegsemGomb) << false << "régi";
}

void TstSeged::bevitelAblak() {
    QFETCH(QString, kezdo);
    QFETCH(bool, torol);
    QFETCH(QString, gepelni);
    QFETCH(int, lezaras);
    QFETCH(bool, vartEredmeny);
    QFETCH(QString, vartErtek);

    QString cim, kijelolt;
    const auto kezelo = Teszt::Modalisban<QWidget>([&](QWidget* ablak) {
        auto* dlg = qobject_cast<BevitelAblakDialog*>(ablak);
        if (!dlg) {
            ablak->close();
            return;
        }
        cim = dlg->windowTitle();
        kijelolt = dlg->szovegMezo()->selectedText();
        if (torol)
            QTest::keyClick(dlg->szovegMezo(), Qt::Key_Backspace);
        if (!gepelni.isEmpty())
            Teszt::Gepel(dlg->szovegMezo(), gepelni);
        switch (lezaras) {
        case OkGomb:
            QTest::mouseClick(dlg->okGomb(), Qt::LeftButton);
            break;
        case MegsemGomb:
            QTest::mouseClick(dlg->megsemGomb(), Qt::LeftButton);
            break;
        case Enter:
            billentyu(dlg, Qt::Key_Return);
            break;
        case Escape:
            billentyu(dlg, Qt::Key_Escape);
            break;
        }
    });
    QString ertek = kezdo;
    QCOMPARE(Seged::BevitelAblak("Jelszó megadása", "Add meg az új jelszót", ertek), vartEredmeny);
    QCOMPARE(ertek, vartErtek);
    QCOMPARE(cim, QString("Jelszó megadása"));
    QCOMPARE(kijelolt, kezdo);
}

void TstSeged::bevitelAblak256Karakter() {
    int hosszGepeles = -1;
    const auto kezelo = Teszt::Modalisban<QWidget>([&](QWidget* ablak) {
        auto* dlg = qobject_cast<BevitelAblakDialog*>(ablak);
        if (!dlg) {
            ablak->close();
            return;
        }
        Teszt::Gepel(dlg->szovegMezo(), QString(255, 'a'));
        QTest::keyClick(dlg->szovegMezo(), Qt::Key_B);
        hosszGepeles = dlg->szovegMezo()->text().size();
        billentyu(dlg, Qt::Key_Return);
    });
    QString ertek;
    QVERIFY(Seged::BevitelAblak("Cím", "Kérdés", ertek));
    QCOMPARE(hosszGepeles, 255);
    QCOMPARE(ertek, QString(255, 'a'));
}

void TstSeged::bevitelAblakElrendezes_data() {
    QTest::addColumn<int>("pont");
    QTest::addColumn<QString>("kerdes");
    QTest::newRow("alap betű") << 0 << "Add meg az új jelszót";
    QTest::newRow("nagy betű") << 20 << "Add meg az új jelszót";
    QTest::newRow("hosszú kérdés")
        << 0
        << "Ez egy nagyon hosszú kérdés, amely biztosan nem fér el egy sorban, ezért a "
           "párbeszédablak több sorba tördeli, és a szövegmező lejjebb kerül tőle.";
}

// The layout follows the dialog font's average character size.
void TstSeged::bevitelAblakElrendezes() {
    QFETCH(int, pont);
    QFETCH(QString, kerdes);
    const QFont eredeti = QApplication::font();
    if (pont > 0) {
        QFont nagy = eredeti;
        nagy.setPointSize(pont);
        QApplication::setFont(nagy);
    }
    BevitelAblakDialog dlg("Cím", kerdes, "érték");
    QApplication::setFont(eredeti);

    const QSize b = Seged::AtlagBetumeret(dlg.font());
    if (pont > 0)
        QVERIFY(b.height() > Seged::AtlagBetumeret(eredeti).height());
    const QLabel* cimke = dlg.kerdesCimke();
    const QLineEdit* mezo = dlg.szovegMezo();
    const QPushButton* ok = dlg.okGomb();
    const QPushButton* megsem = dlg.megsemGomb();

    QCOMPARE(dlg.width(), egyseg(180, 4, b));
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
    QCOMPARE(cimke->pos(), QPoint(egyseg(8, 4, b), egyseg(8, 8, b)));
    QVERIFY(cimke->width() <= egyseg(164, 4, b));
    // The whole prompt is visible.
    QVERIFY(cimke->wordWrap());
    QVERIFY(cimke->heightForWidth(cimke->width()) <= cimke->height());
    QCOMPARE(mezo->x(), cimke->x());
    QCOMPARE(mezo->y(), cimke->y() + cimke->height() + 5);
    QCOMPARE(mezo->width(), egyseg(164, 4, b));
    QCOMPARE(Parbeszed::KarakterKorlatja(mezo), 255);
    QCOMPARE(mezo->text(), QString("érték"));
    QCOMPARE(mezo->echoMode(), QLineEdit::Normal);
    const QSize gomb(egyseg(50, 4, b), egyseg(14, 8, b));
    const int gombFelso = mezo->y() + mezo->height() + 15;
    QCOMPARE(ok->geometry(), QRect(QPoint(egyseg(38, 4, b), gombFelso), gomb));
    QCOMPARE(megsem->geometry(), QRect(QPoint(egyseg(92, 4, b), gombFelso), gomb));
    QCOMPARE(ok->text(), QString("OK"));
    QCOMPARE(megsem->text(), QString("Mégsem"));
    QVERIFY(ok->isDefault());
    QCOMPARE(dlg.height(), megsem->y() + megsem->height() + 13);
    if (kerdes.size() > 100)
        QVERIFY(cimke->height() >= 2 * QFontMetrics(cimke->font()).height());
}

void TstSeged::homokOraMuveletVegeig() {
    QVERIFY(!QApplication::overrideCursor());
    Seged::HomokOraMuveletVegeig();
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // A second wait in the same operation adds nothing to take away.
    Seged::HomokOraMuveletVegeig();
    QCoreApplication::processEvents();
    QVERIFY(!QApplication::overrideCursor());
    // The next operation's wait shows it again.
    Seged::HomokOraMuveletVegeig();
    QVERIFY(QApplication::overrideCursor());
    QCoreApplication::processEvents();
    QVERIFY(!QApplication::overrideCursor());
}

void TstSeged::karakterek_data() {
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("eleje");
    QTest::addColumn<int>("szam");
    const QString e = QString::fromUtf8("\xF0\x9F\x98\x80"); // one character, two UTF-16 units
    QTest::newRow("plain") << "abc" << 2 << "ab" << 3;
    QTest::newRow("emoji last of n") << "ab" + e + "c" << 3 << "ab" + e << 4;
    QTest::newRow("emoji after n") << "abc" + e << 3 << "abc" << 4;
    QTest::newRow("emojis only") << e + e + e << 2 << e + e << 3;
    QTest::newRow("accented") << "őűá" << 2 << "őű" << 3;
    QTest::newRow("n beyond the end") << "a" + e << 10 << "a" + e << 2;
    QTest::newRow("nothing") << "a" + e << 0 << "" << 2;
}

void TstSeged::karakterek() {
    QFETCH(QString, szoveg);
    QFETCH(int, n);
    QFETCH(QString, eleje);
    QFETCH(int, szam);
    QCOMPARE(Seged::KarakterSzam(szoveg), szam);
    QCOMPARE(Seged::KarakterEleje(szoveg, n), eleje);
}

void TstSeged::karakterKorlatosMezo() {
    // A box of 5 characters: typing and pasting count characters, an emoji
    // fits as the fifth, nothing is ever split.
    const QString e = QString::fromUtf8("\xF0\x9F\x98\x80");
    QLineEdit m;
    Parbeszed::KarakterKorlat(&m, 5);
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    QTest::keyClicks(&m, QStringLiteral("abcd"));
    QKeyEvent le(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, e);
    QApplication::sendEvent(&m, &le);
    QCOMPARE(m.text(), "abcd" + e);
    QTest::keyClicks(&m, QStringLiteral("x"));
    QCOMPARE(m.text(), "abcd" + e);
    // Typed in the middle of a full box: refused.
    m.setCursorPosition(2);
    QTest::keyClicks(&m, QStringLiteral("y"));
    QCOMPARE(m.text(), "abcd" + e);
    // From a box of four, one emoji fits as the fifth character, a second
    // one does not.
    m.setText(QStringLiteral("abcd"));
    QApplication::sendEvent(&m, &le);
    QApplication::sendEvent(&m, &le);
    QCOMPARE(m.text(), "abcd" + e);
    // Pasted: what fits is taken at the cursor, the rest left out.
    m.setText(QStringLiteral("ab"));
    m.setCursorPosition(1);
    m.insert(e + e + e + e);
    QCOMPARE(m.text(), "a" + e + e + e + "b");
    QCOMPARE(m.cursorPosition(), 7);
    // A longer text set by the program keeps its first characters.
    m.setText("abcd" + e + "z");
    QCOMPARE(m.text(), "abcd" + e);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("PELVANO_PROGRAMMAPPA_KIIR")) {
        QTextStream(stdout) << Seged::ProgramMappa();
        return 0;
    }
    TstSeged teszt;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&teszt, argc, argv);
}

#include "tst_seged.moc"
