#include "terv/kulcsvalaszto.h"

#include "parbeszed.h"
#include "seged.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDataWidgetMapper>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QRegularExpression>

KulcsValaszto::KulcsValaszto(QWidget* szulo) : QComboBox(szulo) {
    setEditable(false);
    addItem(QString());
    connect(this, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (m_beallitas)
            return;
        m_kulcs = i > 0 ? itemData(i) : QVariant();
    });
}

void KulcsValaszto::feltolt(const QList<TorzsTetel>& tetelek) {
    m_beallitas = true;
    clear();
    addItem(QString());
    for (const TorzsTetel& t : tetelek)
        addItem(t.nev, t.kulcs);
    m_beallitas = false;
    mutat();
}

void KulcsValaszto::setKulcs(const QVariant& kulcs) {
    m_kulcs = kulcs;
    mutat();
}

void KulcsValaszto::mutat() {
    int i = 0;
    bool szam = false;
    const int k = m_kulcs.isNull() ? 0 : m_kulcs.toInt(&szam);
    if (szam) {
        const int talalt = findData(k);
        if (talalt > 0)
            i = talalt;
    }
    m_beallitas = true;
    setCurrentIndex(i);
    m_beallitas = false;
}

// A list that is not edited draws itself with the button colour, so the
// focus colour goes there too.
void KulcsValaszto::focusInEvent(QFocusEvent* e) {
    QPalette p = palette();
    p.setColor(QPalette::Button, Parbeszed::FokuszSzin);
    setPalette(p);
    QComboBox::focusInEvent(e);
}

void KulcsValaszto::focusOutEvent(QFocusEvent* e) {
    QPalette p = palette();
    p.setColor(QPalette::Button, QApplication::palette(this).color(QPalette::Button));
    setPalette(p);
    QComboBox::focusOutEvent(e);
}
