#include "parbeszed.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QPlainTextEdit>
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
        if (!w)
            return false;
        if (qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w))
            return false; // a new line
        if (auto* gomb = qobject_cast<QAbstractButton*>(w)) {
            gomb->click();
            return true;
        }
        QWidget* kovetkezo = w->nextInFocusChain();
        while (kovetkezo && kovetkezo != w &&
               !(kovetkezo->focusPolicy() & Qt::TabFocus && kovetkezo->isEnabled() &&
                 kovetkezo->isVisibleTo(w->window())))
            kovetkezo = kovetkezo->nextInFocusChain();
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

void Krem(QWidget* mezo) {
    QPalette p = mezo->palette();
    p.setColor(QPalette::Base, KremSzin);
    mezo->setPalette(p);
}

} // namespace Parbeszed
