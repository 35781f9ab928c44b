// The dialog habits: Enter moving along the tab order (also out of compound
// controls and not inside an open drop-down list), the focus colour.

#include "parbeszed.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

class TstParbeszed : public QObject {
    Q_OBJECT

private slots:
    void enterLeptet();
    void fokuszSzin();
};

void TstParbeszed::enterLeptet() {
    QDialog d;
    auto* l = new QVBoxLayout(&d);
    auto* elso = new QLineEdit(&d);
    auto* datum = new QDateEdit(&d);
    auto* lista = new QComboBox(&d);
    lista->setEditable(true);
    lista->addItems({QStringLiteral("a"), QStringLiteral("b")});
    auto* jegyzet = new QPlainTextEdit(&d);
    auto* ok = new QPushButton(QStringLiteral("OK"), &d);
    ok->setAutoDefault(false);
    for (QWidget* w :
         {static_cast<QWidget*>(elso), static_cast<QWidget*>(datum), static_cast<QWidget*>(lista),
          static_cast<QWidget*>(jegyzet), static_cast<QWidget*>(ok)})
        l->addWidget(w);
    Parbeszed::EnterLeptet(&d);
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    elso->setFocus();
    QTRY_VERIFY(elso->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(datum->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY2(lista->hasFocus(), qPrintable(QApplication::focusWidget()->metaObject()->className()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(jegyzet->hasFocus());
    // In the notes Enter is a new line.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(jegyzet->hasFocus());
    QCOMPARE(jegyzet->toPlainText(), QStringLiteral("\n"));
    // On a focused button Enter presses it.
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

void TstParbeszed::fokuszSzin() {
    QDialog d;
    auto* l = new QVBoxLayout(&d);
    auto* a = new QLineEdit(&d);
    auto* b = new QLineEdit(&d);
    l->addWidget(a);
    l->addWidget(b);
    Parbeszed::FokuszSzinez(a);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    const QColor alap = QApplication::palette(a).color(QPalette::Base);
    a->setFocus();
    QTRY_COMPARE(a->palette().color(QPalette::Base), QColor(166, 202, 240));
    b->setFocus();
    QTRY_COMPARE(a->palette().color(QPalette::Base), alap);
}

QTEST_MAIN(TstParbeszed)
#include "tst_parbeszed.moc"
