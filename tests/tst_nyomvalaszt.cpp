// The output choice of the reports.

#include "modalis.h"
#include "tfrm_nyomvalaszt.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TstNyomValaszt : public QObject {
    Q_OBJECT

private slots:
    void valasztas_data();
    void valasztas();
    void ablak();
};

void TstNyomValaszt::valasztas_data() {
    QTest::addColumn<QString>("opcio"); // the option clicked, or empty
    QTest::addColumn<QString>("vege");  // how the dialog is closed
    QTest::addColumn<int>("vart");
    QTest::newRow("Enter on the first option") << ""
                                               << "Enter" << 0;
    QTest::newRow("print at once") << "rbNyomtatas"
                                   << "OK" << 1;
    QTest::newRow("delimited text") << "rbCsv"
                                    << "Enter" << 2;
    QTest::newRow("Mégsem") << "rbCsv"
                            << "Mégsem" << -1;
    QTest::newRow("Escape") << "rbNyomtatas"
                            << "Escape" << -1;
    QTest::newRow("close box") << ""
                               << "close" << -1;
}

void TstNyomValaszt::valasztas() {
    QFETCH(QString, opcio);
    QFETCH(QString, vege);
    QFETCH(int, vart);
    auto valaszto = Teszt::Modalisban<Tfrm_NyomValaszt>([opcio, vege](Tfrm_NyomValaszt* d) {
        if (!opcio.isEmpty())
            d->findChild<QRadioButton*>(opcio)->click();
        if (vege == QLatin1String("OK"))
            d->btnOK->click();
        else if (vege == QLatin1String("Mégsem"))
            d->btnMegsem->click();
        else if (vege == QLatin1String("Enter"))
            QTest::keyClick(d, Qt::Key_Return);
        else if (vege == QLatin1String("Escape"))
            QTest::keyClick(d, Qt::Key_Escape);
        else
            d->close();
    });
    QCOMPARE(NyomValaszt(), vart);
}

void TstNyomValaszt::ablak() {
    Tfrm_NyomValaszt d;
    QCOMPARE(d.windowTitle(), QStringLiteral("Nyomtatás típusa"));
    QCOMPARE(d.size(), QSize(209, 173));
    QVERIFY(d.rbKep->isChecked());
    QCOMPARE(d.rbKep->text(), QStringLiteral("Nyomtatási kép"));
    QCOMPARE(d.rbNyomtatas->text(), QStringLiteral("Nyomtatás"));
    QCOMPARE(d.rbCsv->text(), QStringLiteral("Excelbe (CSV)"));
    QVERIFY(d.btnOK->isDefault());
}

QTEST_MAIN(TstNyomValaszt)
#include "tst_nyomvalaszt.moc"
