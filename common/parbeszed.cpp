#include "parbeszed.h"

#include "seged.h"

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
#include <QValidator>
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

namespace {

// Leaves out, just before the cursor, the characters beyond the limit: the
// end of what was typed or pasted there.
class KarakterValidator : public QValidator {
public:
    KarakterValidator(int n, QObject* szulo) : QValidator(szulo), m_n(n) {}

    int korlat() const { return m_n; }

    State validate(QString& szoveg, int& hely) const override {
        qsizetype tobb = Seged::KarakterSzam(szoveg) - m_n;
        if (tobb <= 0)
            return Acceptable;
        qsizetype vege = qBound(0, hely, int(szoveg.size()));
        qsizetype eleje = vege;
        while (tobb > 0 && eleje > 0) {
            --eleje;
            if (eleje > 0 && szoveg.at(eleje).isLowSurrogate() &&
                szoveg.at(eleje - 1).isHighSurrogate())
                --eleje;
            --tobb;
        }
        szoveg.remove(eleje, vege - eleje);
        hely = int(eleje);
        // Nothing before the cursor to leave out: the end goes.
        if (tobb > 0)
            szoveg = Seged::KarakterEleje(szoveg, m_n);
        return Acceptable;
    }

private:
    int m_n;
};

} // namespace

void KarakterKorlat(QLineEdit* mezo, int n) {
    // Two UTF-16 units hold any character: the box's own limit never cuts
    // before the characters are counted.
    mezo->setMaxLength(2 * n);
    mezo->setValidator(new KarakterValidator(n, mezo));
}

int KarakterKorlatja(const QLineEdit* mezo) {
    if (const auto* v = dynamic_cast<const KarakterValidator*>(mezo->validator()))
        return v->korlat();
    return mezo->maxLength();
}

QComboBox* SzabadValaszto(QWidget* szulo, const QStringList& elemek, int hossz) {
    auto* c = new QComboBox(szulo);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(elemek);
    c->setCurrentIndex(-1);
    KarakterKorlat(c->lineEdit(), hossz);
    // The box takes the focus (its edit line only hears of it from the box).
    FokuszSzinez(c);
    return c;
}

} // namespace Parbeszed
