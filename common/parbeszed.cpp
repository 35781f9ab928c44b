#include "parbeszed.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

namespace Parbeszed {
namespace {

class EnterSzuro : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* obj, QEvent* e) override {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() != Qt::Key_Return && ke->key() != Qt::Key_Enter)
            return false;
        if (ke->modifiers() & ~(Qt::KeypadModifier))
            return false;
        auto* w = qobject_cast<QWidget*>(obj);
        // Inside a pop-up (an open drop-down list) Enter keeps its own use.
        if (!w || w->window() != parent())
            return false;
        if (qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w))
            return false; // a new line
        if (auto* gomb = qobject_cast<QAbstractButton*>(w)) {
            gomb->click();
            return true;
        }
        // A compound control (a date box, an editable drop-down) passes its
        // focus to an inner part; the step starts from the control itself
        // and passes over its parts.
        QWidget* sajat = w;
        while (sajat->parentWidget() && sajat->parentWidget()->focusProxy() == sajat)
            sajat = sajat->parentWidget();
        QWidget* kovetkezo = sajat->nextInFocusChain();
        while (kovetkezo && kovetkezo != sajat &&
               (sajat->isAncestorOf(kovetkezo) || !(kovetkezo->focusPolicy() & Qt::TabFocus) ||
                !kovetkezo->isEnabled() || !kovetkezo->isVisibleTo(w->window())))
            kovetkezo = kovetkezo->nextInFocusChain();
        if (kovetkezo == sajat)
            kovetkezo = nullptr;
        if (kovetkezo)
            kovetkezo->setFocus(Qt::TabFocusReason);
        return true;
    }
};

class FokuszSzuro : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* obj, QEvent* e) override {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
            auto* w = static_cast<QWidget*>(obj);
            QPalette p = w->palette();
            p.setColor(QPalette::Base, e->type() == QEvent::FocusIn
                                           ? FokuszSzin
                                           : QApplication::palette(w).color(QPalette::Base));
            w->setPalette(p);
        }
        return false;
    }
};

} // namespace

void EnterLeptet(QWidget* ablak) {
    auto* szuro = new EnterSzuro(ablak);
    const auto gyerekek = ablak->findChildren<QWidget*>();
    for (QWidget* w : gyerekek)
        w->installEventFilter(szuro);
}

void FokuszSzinez(QWidget* mezo) {
    mezo->installEventFilter(new FokuszSzuro(mezo));
}

void Rogzitett(QDialog* ablak, const QString& cim, QSize meret) {
    ablak->setWindowTitle(cim);
    ablak->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    ablak->setFixedSize(meret);
}

QLineEdit* Mezo(QWidget* szulo, const char* nev, const QString& felirat, QRect hely) {
    auto* e = new QLineEdit(szulo);
    e->setObjectName(QLatin1String(nev));
    e->setGeometry(hely);
    FokuszSzinez(e);
    auto* l = new QLabel(felirat, szulo);
    l->setGeometry(hely.x(), hely.y() - 17, hely.width() + 20, 16);
    l->setBuddy(e);
    return e;
}

QPushButton* Gomb(QWidget* szulo, const char* nev, const QString& felirat, int x, int y) {
    auto* b = new QPushButton(felirat, szulo);
    b->setObjectName(QLatin1String(nev));
    b->setGeometry(x, y, 75, 25);
    b->setAutoDefault(false);
    return b;
}

void JelszoMezo(QLineEdit* mezo) {
    mezo->setEchoMode(QLineEdit::Password);
    mezo->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
}

void Krem(QWidget* mezo) {
    QPalette p = mezo->palette();
    p.setColor(QPalette::Base, KremSzin);
    mezo->setPalette(p);
}

QComboBox* SzabadValaszto(QWidget* szulo, const QStringList& elemek, int hossz) {
    auto* c = new QComboBox(szulo);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(elemek);
    c->setCurrentIndex(-1);
    c->lineEdit()->setMaxLength(hossz);
    // The box takes the focus (its edit line only hears of it from the box).
    FokuszSzinez(c);
    return c;
}

} // namespace Parbeszed
