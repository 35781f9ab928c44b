// The dialog habits: Enter moving along the tab order (also out of compound
// controls and not inside an open drop-down list), the focus colour.

#include "fajlparbeszed.h"
#include "parbeszed.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

class TstParbeszed : public QObject {
    Q_OBJECT

private slots:
    void enterLeptet();
    void fokuszSzin();
    void mentesKerdesNelkulFelulir();
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

void TstParbeszed::mentesKerdesNelkulFelulir() {
    // The desktop's own save dialog: a name that exists, confirmed by Enter,
    // is taken at once, with no question whether to replace it.
    QTemporaryDir dir;
    const QString fajl = dir.filePath(QStringLiteral("20261210.zip"));
    QFile f(fajl);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("regi");
    f.close();
    QStringList kerdesek;
    bool lattuk = false;
    std::function<void()> figyel = [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* doboz = qobject_cast<QMessageBox*>(w)) {
            kerdesek << doboz->text();
            if (QAbstractButton* igen = doboz->button(QMessageBox::Yes))
                igen->click();
            else
                doboz->reject();
        } else if (auto* d = qobject_cast<QFileDialog*>(w); d && !lattuk) {
            lattuk = true;
            auto* nev = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(nev);
            nev->setText(QFileInfo(fajl).fileName());
            // A question would open inside the key press: watch for it.
            QTimer::singleShot(20, figyel);
            QTest::keyClick(nev, Qt::Key_Return);
            return;
        }
        if (QApplication::activeModalWidget())
            QTimer::singleShot(20, figyel);
    };
    QTimer::singleShot(20, figyel);
    const QString valasz = FajlParbeszed::Mentes(QStringLiteral("Adatbázis mentése"),
                                                 QStringLiteral("ZIP archívumok (*.zip)|*.zip"),
                                                 fajl, QStringLiteral("zip"));
    QVERIFY(lattuk);
    QCOMPARE(kerdesek, QStringList());
    QCOMPARE(QFileInfo(valasz).canonicalFilePath(), QFileInfo(fajl).canonicalFilePath());
}

QTEST_MAIN(TstParbeszed)
#include "tst_parbeszed.moc"
