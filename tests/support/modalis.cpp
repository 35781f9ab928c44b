#include "modalis.h"

#include <QDialog>
#include <QList>
#include <QTest>

namespace Teszt {

namespace {

// Every handle alive, so that one can tell whether another expects a dialog.
QList<const Modalis*>& Elok() {
    static QList<const Modalis*> l;
    return l;
}

constexpr int LepesMs = 10;
constexpr int IdegenTures = 100; // polls an unexpected dialog is left alone

void Elvet(QWidget* w) {
    if (auto* d = qobject_cast<QDialog*>(w))
        d->reject();
    else
        w->close();
}

} // namespace

Modalis::Modalis(Illik illik, Lepesek lepesek, Nyitva nyitva)
    : m_illik(std::move(illik)), m_lepesek(std::move(lepesek)), m_nyitva(nyitva) {
    Elok().append(this);
    QObject::connect(&m_ido, &QTimer::timeout, [this] { nez(); });
    m_ido.start(LepesMs);
}

std::unique_ptr<Modalis> Modalis::Semmi() {
    std::unique_ptr<Modalis> m(new Modalis);
    m->m_semmi = true;
    Elok().append(m.get());
    QObject::connect(&m->m_ido, &QTimer::timeout, [p = m.get()] { p->nez(); });
    m->m_ido.start(LepesMs);
    return m;
}

Modalis::~Modalis() {
    Elok().removeOne(this);
    if (!m_semmi && !m_latta && !QTest::currentTestFailed() && QTest::currentTestFunction())
        QTest::qFail("the dialog the test waited for did not show", __FILE__, __LINE__);
}

bool Modalis::vart(QWidget* w) const {
    if (m_semmi)
        return false;
    return m_kezelt == w || (!m_latta && m_illik(w));
}

void Modalis::nez() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->isVisible())
        return;
    if (m_semmi) {
        m_latta = true;
        Elvet(w);
        return;
    }
    if (!m_latta && m_illik(w)) {
        if (!w->isActiveWindow()) {
            w->activateWindow();
            return;
        }
        m_latta = true;
        m_kezelt = w;
        QPointer<QWidget> p(w);
        m_lepesek(w);
        if (p && p->isVisible()) {
            m_nyitvaMaradt = true;
            if (m_nyitva == Nyitva::Hiba && !QTest::currentTestFailed())
                QTest::qFail("the dialog was left open", __FILE__, __LINE__);
            Elvet(p);
        }
        return;
    }
    // A dialog nobody waits for: given a moment (a handle made in the
    // steps of an outer dialog may not have run yet), then closed.
    for (const Modalis* m : Elok())
        if (m->vart(w))
            return;
    if (m_idegen != w) {
        m_idegen = w;
        m_idegenIdeje = 0;
    }
    if (++m_idegenIdeje < IdegenTures)
        return;
    QTest::qFail(qPrintable(QStringLiteral("a modal window nobody waited for: %1")
                                .arg(QString::fromLatin1(w->metaObject()->className()))),
                 __FILE__, __LINE__);
    Elvet(w);
}

} // namespace Teszt
